// The resume-or-quit menu shown over a frozen fight or stage.
#include "screens/pause_screen.h"

#include "engine/clock.h"
#include "engine/globals.h"
#include "engine/present.h"
#include "screens/menu_input.h"

void pauseScreen::init(SDL_Surface* t)
{
    drainEvents();
    done = false;
    target = t;
    GPad1.loadGamePad(kPad1Path);
    backdropSheet.init("data/screens/pause", false);
    backdrop.init(&backdropSheet, target);
    backdrop.x = 0;
    backdrop.y = 0;
    backdrop.setSpeed(3.0f);
    buttons.init(target, "data/screens/pause", 2, 224, 250, true);
    loadSounds();
    quit = false;
}

void pauseScreen::update()
{
    const MenuInput input = pollMenuInput(buttons);
    if (input.back)
    {
        playCancel();
        done = true;
        if (fullyQuit)
            quit = true;
    }
    if (input.activate)
    {
        if (buttons.getSelected() == 0)
        {
            playConfirm();
            quit = false;
        }
        else
        {
            playCancel();
            quit = true;
        }
        done = true;
    }
}

void pauseScreen::draw()
{
    backdrop.draw();
    buttons.draw();
    presentFrame(target);
}

void pauseScreen::reset()
{
    done = false;
    quit = false;
    backdrop.setFrame(0);
}
