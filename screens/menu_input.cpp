// The input convention every menu shares: GPad1's keys and stick move the
// cursor, key A or the first button confirms, Escape backs out.
#include "screens/menu_input.h"

#include "engine/globals.h"
#include "engine/screen.h"

void applyMenuMoveKey(int key, buttonSet& buttons)
{
    if (key == GPad1.keyUp)
        buttons.selectUp();
    if (key == GPad1.keyDown)
        buttons.selectDown();
}

void applyMenuRequestKey(int key, MenuInput& input)
{
    if (key == GPad1.keyA)
        input.activate = true;
    if (key == SDLK_ESCAPE || fullyQuit)
        input.back = true;
}

void applyMenuEvent(const SDL_Event& event, buttonSet& buttons, MenuInput& input)
{
    switch (event.type)
    {
    case SDL_KEYDOWN:
        applyMenuMoveKey(event.key.keysym.sym, buttons);
        applyMenuRequestKey(event.key.keysym.sym, input);
        break;
    case SDL_JOYBUTTONDOWN:
        if (GPad1.joystickIndex >= 0 && event.jbutton.button == GPad1.buttonA)
            input.activate = true;
        break;
    case SDL_JOYAXISMOTION:
        if (GPad1.joystickIndex >= 0 && GPad1.joystickIndex == event.jaxis.which)
        {
            const int value = event.jaxis.value;
            if ((value < gamePadDeadZoneMin || value > gamePadDeadZoneMax) && event.jaxis.axis == 1 &&
                GPad1.yAxisCentred)
            {
                if (value > 0)
                    buttons.selectDown();
                else
                    buttons.selectUp();
            }
            GPad1.updateAxes(&event);
        }
        break;
    default:
        break;
    }
}

MenuInput pollMenuInput(buttonSet& buttons)
{
    MenuInput input;
    SDL_Event event;
    while (SDL_PollEvent(&event))
    {
        checkQuitEvent(event);
        applyMenuEvent(event, buttons, input);
    }
    return input;
}
