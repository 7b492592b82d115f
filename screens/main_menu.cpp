// The main menu: story, arcade, versus, options and exit.
#include "screens/main_menu.h"

#include "engine/font.h"
#include "engine/globals.h"
#include "engine/present.h"
#include "modes/story_mode.h"
#include "modes/versus_mode.h"
#include "screens/menu_input.h"
#include "screens/options.h"

mainMenu::~mainMenu()
{
    freeFont(font);
}

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
    legendSheet.init("data/screens/ui/buttons");
    legendIcon.init(&legendSheet, target);
    legendIcon.animating = 0;
    legendIcon.setSpeed(3.0f);
    legendIcon.x = 0;
    legendIcon.y = 380;
    freeFont(font);
    font = initFont("data/font/Calibri2", 1, 1, 1, 1);
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
        playConfirm();
        doStoryMode();
        break;
    case Arcade:
        playConfirm();
        doArcadeMode();
        break;
    case Versus:
        playConfirm();
        doVersusMode();
        break;
    case Options:
        playConfirm();
        doOptions();
        break;
    case Exit:
        done = true;
        return;
    default:
        return;
    }
    // Keys pressed while a mode or screen ran, during a winner overlay that
    // reads none for one, belong to it, not to the menu; a window closed then
    // still ends the game.
    drainEvents();
}

// Arcade arrives with its own screens; until then choosing it is
// acknowledged and the menu stays.
void mainMenu::doStoryMode()
{
    storyMode mode;
    mode.init(target);
    mode.update();
}

void mainMenu::doArcadeMode() {}

void mainMenu::doOptions()
{
    optionsScreen options;
    options.init(target);
    runScreen(options);
}

void mainMenu::doVersusMode()
{
    vsMode mode;
    mode.init(target);
    mode.update();
}

void mainMenu::drawControls()
{
    struct Line
    {
        int frame;
        const char* format;
        int key;
    };
    const Line lines[] = {
        {0, "Confirm: %s", GPad1.keyA},
        {1, "Cancel: %s", GPad1.keyB},
        {5, "Up: %s", GPad1.keyUp},
        {3, "Down: %s", GPad1.keyDown},
    };
    for (int i = 0; i < 4; ++i)
    {
        const int y = 382 + 20 * i;
        legendIcon.setFrame(lines[i].frame);
        legendIcon.x = 472;
        legendIcon.y = y;
        legendIcon.draw();
        drawString(target, font, 502, y, lines[i].format, keyName(lines[i].key));
    }
}

void mainMenu::draw()
{
    backdrop.draw();
    buttons.draw();
    drawControls();
    presentFrame(target);
}
