// The main menu: story, arcade, versus, options and exit.
#pragma once

#include <SDL.h>

#include "engine/screen.h"
#include "engine/sprite.h"
#include "engine/sprite_sheet.h"

class mainMenu : public Screen
{
public:
    enum Entry
    {
        Story = 0,
        Arcade = 1,
        Versus = 2,
        Options = 3,
        Exit = 4
    };

    void init(SDL_Surface* target);
    void update();
    void draw();

    SDL_Surface* target = nullptr;
    CSpriteBase backdropSheet;
    CSprite backdrop;
    buttonSet buttons;
    bool done = false;

private:
    void activate(int entry);
};
