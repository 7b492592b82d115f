// What the small menus share: a backdrop, a column of buttons, the done flag,
// and the loop their owners run them in.
#pragma once

#include <SDL.h>

#include "engine/globals.h"
#include "engine/screen.h"
#include "engine/sprite.h"
#include "engine/sprite_sheet.h"

class menuScreen : public Screen
{
public:
    SDL_Surface* target = nullptr;
    CSpriteBase backdropSheet;
    CSprite backdrop;
    buttonSet buttons;
    bool done = false;

protected:
    // The opening steps every menu takes: drop the input that came while it
    // loaded, reload GPad1's mapping, load the backdrop, the buttons (a column
    // from (x, y); none when `buttonDir` is null) and the menu sounds.
    void openMenu(SDL_Surface* t, const char* backdropDir, const char* buttonDir, int count, int x, int y);
    // Backdrop, buttons, then the frame is shown.
    void drawMenu();
};

// Runs a screen until it is left or the game is quitting.
template <class S> void runScreen(S& s)
{
    while (!s.done && !fullyQuit)
    {
        s.update();
        s.draw();
    }
}
