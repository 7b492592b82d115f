// What the small menus share: a backdrop, a column of buttons, the done flag,
// and the loop their owners run them in.
#include "screens/menu_screen.h"

#include "engine/present.h"

void menuScreen::openMenu(SDL_Surface* t, const char* backdropDir, const char* buttonDir, int count, int x,
                          int y)
{
    drainEvents();
    done = false;
    target = t;
    GPad1.loadGamePad(kPad1Path);
    backdropSheet.init(backdropDir, false);
    backdrop.init(&backdropSheet, target);
    backdrop.x = 0;
    backdrop.y = 0;
    backdrop.setSpeed(3.0f);
    if (buttonDir)
        buttons.init(target, buttonDir, count, x, y, true);
    loadSounds();
}

void menuScreen::drawMenu()
{
    backdrop.draw();
    buttons.draw();
    presentFrame(target);
}
