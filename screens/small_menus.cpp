// The small menus the modes open: player count, game over, a hint picture, and erasing the story progress.
#include "screens/small_menus.h"

#include "modes/save_files.h"
#include "screens/menu_input.h"

void playersScreen::init(SDL_Surface* t)
{
    openMenu(t, "data/screens/arcade", "data/screens/arcade/Players", 3, 0, 150);
    players = 1;
    back = false;
}

void playersScreen::update()
{
    const MenuInput input = pollMenuInput(buttons);
    if (input.back)
    {
        playCancel();
        done = true;
    }
    if (!input.activate)
        return;
    switch (buttons.getSelected())
    {
    case 0:
    case 1:
        playConfirm();
        players = buttons.getSelected() + 1;
        back = false;
        break;
    default:
        playCancel();
        players = 1;
        back = true;
        break;
    }
    done = true;
}

void gameOverScreen::init(SDL_Surface* t)
{
    // The pause menu's two buttons: go on and quit.
    openMenu(t, "data/screens/gameOver", "data/screens/pause", 2, 224, 250);
    choice = false;
}

void gameOverScreen::update()
{
    const MenuInput input = pollMenuInput(buttons);
    if (input.back)
    {
        playCancel();
        done = true;
    }
    if (!input.activate)
        return;
    choice = buttons.getSelected() == 1;
    if (choice)
        playCancel();
    else
        playConfirm();
    done = true;
}

void hintScreen::init(SDL_Surface* t, int)
{
    openMenu(t, "data/screens/hint/hint2", nullptr, 0, 0, 0);
}

void hintScreen::update()
{
    SDL_Event event;
    while (SDL_PollEvent(&event))
    {
        checkQuitEvent(event);
        if (event.type == SDL_KEYDOWN)
        {
            const int key = event.key.keysym.sym;
            if (key == SDLK_ESCAPE || key == GPad1.keyA || key == GPad1.keyB || key == GPad1.keyC ||
                fullyQuit)
            {
                playConfirm();
                done = true;
            }
        }
        else if (event.type == SDL_JOYBUTTONDOWN && GPad1.joystickIndex >= 0)
        {
            // Any button ends the hint; only the mapped ones are heard.
            const int button = event.jbutton.button;
            if (button == GPad1.buttonA || button == GPad1.buttonB || button == GPad1.buttonC)
                playConfirm();
            done = true;
        }
    }
}

void resetDataScreen::init(SDL_Surface* t)
{
    openMenu(t, "data/screens/resetData", "data/screens/resetData", 2, 224, 250);
}

void resetDataScreen::update()
{
    const MenuInput input = pollMenuInput(buttons);
    if (input.back)
    {
        playCancel();
        done = true;
    }
    if (!input.activate)
        return;
    if (buttons.getSelected() == 1)
    {
        playConfirm();
        // Fresh records hold the defaults; nothing is loaded first.
        storyFile story;
        story.saveStoryFile();
        allyFile allies;
        allies.saveAllyFile();
    }
    else
    {
        playCancel();
    }
    done = true;
}
