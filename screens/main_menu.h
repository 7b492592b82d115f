// The main menu: story, arcade, versus, options and exit.
#pragma once

#include <SDL.h>

#include "engine/screen.h"
#include "engine/sprite.h"
#include "engine/sprite_sheet.h"

struct SDLFont;

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

    ~mainMenu();
    void init(SDL_Surface* target);
    void update();
    void draw();
    void drawControls();
    void doStoryMode();
    void doArcadeMode();
    void doVersusMode();
    void doOptions();

    SDL_Surface* target = nullptr;
    CSpriteBase backdropSheet;
    CSprite backdrop;
    buttonSet buttons;
    CSpriteBase legendSheet;
    CSprite legendIcon;
    SDLFont* font = nullptr;
    bool done = false;

private:
    void activate(int entry);
};
