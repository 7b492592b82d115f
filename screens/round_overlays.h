// The play-once pictures over a fight: round start, knock-out and match winner.
#pragma once

#include <SDL.h>

#include "engine/sprite.h"
#include "engine/sprite_sheet.h"

class roundOverlay
{
public:
    roundOverlay(const char* folder, int x, int y) : folder(folder), posX(x), posY(y) {}
    roundOverlay(const roundOverlay&) = delete;
    roundOverlay& operator=(const roundOverlay&) = delete;

    void init(SDL_Surface* target);
    // done follows the sprite having played once; an overlay with nothing
    // to show is done at once.
    void update();
    void draw();
    // Plays again from the first frame.
    void restart();

    SDL_Surface* target = nullptr;
    bool done = false;
    CSpriteBase sheet;
    CSpriteNoLoop sprite;

private:
    const char* folder;
    int posX;
    int posY;
};

class roundFightScreen : public roundOverlay
{
public:
    roundFightScreen() : roundOverlay("data/fightStart", 95, 150) {}
};

class roundKOScreen : public roundOverlay
{
public:
    roundKOScreen() : roundOverlay("data/fightKO", 250, 150) {}
};

class roundWinnerScreen : public roundOverlay
{
public:
    roundWinnerScreen() : roundOverlay("data/fightWinner", 95, 150) {}
};
