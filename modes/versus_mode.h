// Versus mode: two players pick their characters and fight one match.
#pragma once

#include <SDL.h>

#include "control/player_control.h"
#include "engine/audio.h"
#include "fighter/particles.h"
#include "fighter/target.h"
#include "screens/fight_ui.h"

class vsMode
{
public:
    void init(SDL_Surface* target);
    void update();
    void fight();

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
