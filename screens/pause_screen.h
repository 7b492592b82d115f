// The resume-or-quit menu shown over a frozen fight or stage.
#pragma once

#include <SDL.h>

#include "engine/screen.h"
#include "engine/sprite.h"
#include "engine/sprite_sheet.h"

class pauseScreen : public Screen
{
public:
    void init(SDL_Surface* target);
    void update();
    void draw();
    // Back to the state of a fresh pause: done and quit clear, backdrop at
    // its first frame; the cursor stays where it was.
    void reset();

    SDL_Surface* target = nullptr;
    CSpriteBase backdropSheet;
    CSprite backdrop;
    buttonSet buttons;
    bool done = false;
    bool quit = false;
};
