// The main menu: story, arcade, versus, options and exit.
#include "screens/main_menu.h"

#include "engine/globals.h"
#include "engine/present.h"
#include "screens/menu_input.h"

void mainMenu::init(SDL_Surface* t)
{
    drainEvents();
    done = false;
    target = t;
    GPad1.loadGamePad(kPad1Path);
    backdropSheet.init("data/screens/main", false);
    backdrop.init(&backdropSheet, target);
    backdrop.x = 0;
    backdrop.y = 0;
    backdrop.setSpeed(3.0f);
    buttons.init(target, "data/screens/main", 5, 224, 330, true);
    loadSounds();
}

void mainMenu::update()
{
    const MenuInput input = pollMenuInput(buttons);
    if (input.back)
        done = true;
    if (input.activate)
        activate(buttons.getSelected());
}

void mainMenu::activate(int entry)
{
    switch (entry)
    {
    case Story:
    case Arcade:
    case Versus:
    case Options:
        // The modes arrive with their own screens; until then the choice is
        // acknowledged and the menu stays.
        playConfirm();
        break;
    case Exit:
        done = true;
        break;
    default:
        break;
    }
}

void mainMenu::draw()
{
    backdrop.draw();
    buttons.draw();
    presentFrame(target);
}
