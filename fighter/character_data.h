// One loaded character: its fighter and the animation, move and sound sets it
// plays from, set up from the character's nine-line chardata file.
#pragma once

#include <SDL.h>
#include <string>

#include "fighter/fighter.h"

class animationSet;
class moveSet;
class soundSet;

class characterData
{
public:
    characterData();
    characterData(const char* chardataPath, SDL_Surface* screen, int palette, soundSet* sounds);
    ~characterData();
    characterData(const characterData&) = delete;
    characterData& operator=(const characterData&) = delete;

    // Loads and owns the sets, recoloured with palette N (0: the sheets' own colours).
    void setup(const char* chardataPath, SDL_Surface* screen, int palette, soundSet* sounds);
    // Shares sets loaded elsewhere (enemies of one type on a stage).
    void setup(const char* chardataPath, SDL_Surface* screen, animationSet* anims, moveSet* moves,
               soundSet* sounds);

    std::string name;
    Fighter fighter;
    animationSet* anims;
    moveSet* moves;
    soundSet* sounds;
    bool ownsSets;
    SDL_Surface* screen;
    SDL_Surface* palette;

private:
    struct Values
    {
        std::string name;
        int hp = 0, mp = 0, speed = 0, jump = 0, bullets = 0, bulletsMax = 0, extra = 0;
        std::string folder;
    };
    static bool readValues(const char* path, Values& v);
    void setUpFighter(const Values& v);
};
