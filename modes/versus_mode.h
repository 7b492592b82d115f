// Versus mode: two players pick their characters and fight one match.
#pragma once

#include <SDL.h>
#include <functional>
#include <string>

#include "control/player_control.h"
#include "engine/audio.h"
#include "fighter/particles.h"
#include "fighter/target.h"
#include "screens/fight_ui.h"

class PlayerVsPlayerScreen;

// A side's pick at character select: the character's folder and its palette.
struct versusPick
{
    std::string name;
    int palette = 0;
};

class vsMode
{
public:
    void init(SDL_Surface* target);
    void update();
    // Character select, then one match of the two picks.
    void fight();
    // One best-of-three match, both sides on player controls fed by the two
    // pads; `onStart` sees the match before its first frame.
    void fightMatch(const versusPick& one, const versusPick& two,
                    const std::function<void(PlayerVsPlayerScreen&)>& onStart = nullptr);

    SDL_Surface* target = nullptr;
    Target target1;
    Target target2;
    playerControl control1;
    playerControl control2;
    basicFightUI fightUI;
    particleList list1;
    particleList list2;
    soundSet sounds;
    bool quit = false;
};
