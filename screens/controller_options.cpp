// The controller screens: which player to map, and the mapping of one player's keys and joystick buttons.
#include "screens/controller_options.h"

#include "engine/font.h"
#include "engine/present.h"
#include "screens/menu_input.h"

#include <string>

namespace
{
constexpr int kKeyEntries = 8;
constexpr int kButtonEntries = 4;

// Where the picture shows each key, in the order they are entered; the
// joystick's four buttons take the places of the last four.
const SDL_Rect kSpots[kKeyEntries] = {{169, 123, 0, 0}, {102, 236, 0, 0}, {148, 169, 0, 0}, {252, 111, 0, 0},
                                      {445, 130, 0, 0}, {487, 176, 0, 0}, {507, 127, 0, 0}, {301, 319, 0, 0}};

// The pad's field for a key or button entry (const or not, as the pad is).
template <class Pad> auto keyField(Pad& p, int entry)
{
    decltype(&p.keyUp) const fields[kKeyEntries] = {&p.keyUp, &p.keyDown, &p.keyLeft, &p.keyRight,
                                                    &p.keyA,  &p.keyB,    &p.keyC,    &p.keyPause};
    return fields[entry];
}

template <class Pad> auto buttonField(Pad& p, int entry)
{
    decltype(&p.buttonA) const fields[kButtonEntries] = {&p.buttonA, &p.buttonB, &p.buttonC, &p.buttonPause};
    return fields[entry];
}
} // namespace

void optionsControllerScreen::init(SDL_Surface* t)
{
    openMenu(t, "data/screens/options/Controls", "data/screens/options/Controls/players", 3, 224, 390);
    GPad2.loadGamePad(kPad2Path);
}

void optionsControllerScreen::menu()
{
    const MenuInput input = pollMenuInput(buttons);
    if (input.back)
        done = true;
    if (!input.activate)
        return;
    switch (buttons.getSelected())
    {
    case 0:
    case 1:
        playConfirm();
        changePlayerControls(buttons.getSelected() + 1);
        break;
    default:
        playCancel();
        done = true;
        break;
    }
}

void optionsControllerScreen::changePlayerControls(int n)
{
    optionsPlayerControllerScreen mapping;
    mapping.init(target, n);
    runScreen(mapping);
}

optionsPlayerControllerScreen::~optionsPlayerControllerScreen()
{
    freeFont(normalFont);
    freeFont(highlightFont);
    freeFont(noteFont);
}

void optionsPlayerControllerScreen::init(SDL_Surface* t, int n)
{
    openMenu(t, "data/screens/options/Controls/map", "data/screens/options/Controls/map", 4, 224, 360);
    player = n;
    GPad2.loadGamePad(kPad2Path);
    normalFont = initFont("data/font/Calibri2", 0, 0, 0, 1);
    highlightFont = initFont("data/font/Calibri2", 1, 0, 0, 1);
    noteFont = initFont("data/font/Calibri2", 1, 1, 1, 1);
    mode = Menu;
    entry = 0;
    padView = false;
}

gamePad& optionsPlayerControllerScreen::pad()
{
    return player == 2 ? GPad2 : GPad1;
}

const char* optionsPlayerControllerScreen::padPath() const
{
    return player == 2 ? kPad2Path : kPad1Path;
}

void optionsPlayerControllerScreen::update()
{
    switch (mode)
    {
    case EnterKeys:
        enterKeys();
        break;
    case EnterButtons:
        enterGpadButtons();
        break;
    case JoystickOff:
        pad().joystickIndex = -1;
        entry = 0;
        mode = Menu;
        drainEvents();
        break;
    default:
        menu();
        break;
    }
}

void optionsPlayerControllerScreen::menu()
{
    entry = 0;
    mode = Menu;
    padView = false;
    MenuInput input;
    SDL_Event event;
    while (SDL_PollEvent(&event))
    {
        checkQuitEvent(event);
        if (event.type == SDL_JOYAXISMOTION && GPad1.joystickIndex >= 0 &&
            GPad1.joystickIndex == event.jaxis.which)
        {
            lastAxisValue = event.jaxis.value;
            const int before = buttons.getSelected();
            applyMenuEvent(event, buttons, input);
            if (buttons.getSelected() != before)
                lastMoveValue = event.jaxis.value;
            continue;
        }
        applyMenuEvent(event, buttons, input);
    }
    if (input.back)
    {
        // Every unsaved change to either pad is dropped.
        GPad1.loadGamePad(kPad1Path);
        GPad2.loadGamePad(kPad2Path);
        done = true;
    }
    if (!input.activate)
        return;
    playConfirm();
    switch (buttons.getSelected())
    {
    case 0:
        entry = 0;
        mode = EnterKeys;
        pad().setToQuestionMark();
        break;
    case 1:
        entry = 0;
        mode = EnterButtons;
        pad().setGPadToZero();
        break;
    case 2:
        entry = 0;
        mode = JoystickOff;
        break;
    default:
        pad().saveGamePad();
        done = true;
        break;
    }
}

void optionsPlayerControllerScreen::cancelEntry()
{
    playCancel();
    mode = Menu;
    pad().loadGamePad(padPath());
    entry = 0;
}

void optionsPlayerControllerScreen::enterKeys()
{
    padView = false;
    SDL_Event event;
    while (SDL_PollEvent(&event))
    {
        checkQuitEvent(event);
        // Once entry has ended, presses left in the queue are not keys to store.
        if (mode != EnterKeys)
            continue;
        if (fullyQuit || (event.type == SDL_KEYDOWN && event.key.keysym.sym == SDLK_ESCAPE))
            cancelEntry();
        else if (event.type == SDL_KEYDOWN && entry < kKeyEntries)
            *keyField(pad(), entry++) = event.key.keysym.sym;
    }
    if (entry >= kKeyEntries)
    {
        entry = 0;
        mode = Menu;
        drainEvents();
    }
}

void optionsPlayerControllerScreen::enterGpadButtons()
{
    padView = true;
    SDL_Event event;
    while (SDL_PollEvent(&event))
    {
        checkQuitEvent(event);
        if (mode != EnterButtons)
            continue;
        if (fullyQuit || (event.type == SDL_KEYDOWN && event.key.keysym.sym == SDLK_ESCAPE))
        {
            cancelEntry();
        }
        else if (event.type == SDL_JOYBUTTONDOWN && entry < kButtonEntries)
        {
            // The first button pressed binds its joystick; later ones may come from any.
            if (pad().joystickIndex == -1)
                pad().joystickIndex = event.jbutton.which;
            *buttonField(pad(), entry++) = event.jbutton.button;
        }
    }
    if (entry >= kButtonEntries)
    {
        mode = Menu;
        entry = 0;
        drainEvents();
    }
}

void optionsPlayerControllerScreen::drawPad(const gamePad& p)
{
    const bool entering = mode == EnterKeys || mode == EnterButtons;
    const bool keyboardView = p.joystickIndex == -1 && !padView;
    for (int i = 0; i < kKeyEntries; ++i)
    {
        std::string text;
        bool highlighted = false;
        if (keyboardView)
        {
            text = keyName(*keyField(p, i));
            highlighted = entering && entry == i;
        }
        else if (i < 4)
        {
            text = "Axis1";
        }
        else
        {
            text = std::to_string(*buttonField(p, i - 4));
            highlighted = entering && entry == i - 4;
        }
        const int x = kSpots[i].x;
        const int y = kSpots[i].y;
        SDL_Rect box = {static_cast<Sint16>(x - 2), static_cast<Sint16>(y - 5),
                        static_cast<Uint16>(stringWidth(normalFont, "%s", text.c_str()) + 4), 25};
        // Raw pixel values, as the picture was made for the game's 32-bit window.
        SDL_FillRect(target, &box, highlighted ? 0xFFFF00 : 0x7FF500);
        drawString(target, highlighted ? highlightFont : normalFont, x, y, "%s", text.c_str());
    }
}

void optionsPlayerControllerScreen::drawP1Controls()
{
    drawPad(GPad1);
}

void optionsPlayerControllerScreen::drawP2Controls()
{
    drawPad(GPad2);
}

void optionsPlayerControllerScreen::draw()
{
    backdrop.draw();
    buttons.draw();
    if (player == 2)
        drawP2Controls();
    else
        drawP1Controls();
    if (debugging)
    {
        drawString(target, noteFont, 10, 10, "%d", lastAxisValue);
        drawString(target, noteFont, 10, 20, "%d", lastMoveValue);
    }
    if (mode == EnterKeys || mode == EnterButtons)
        drawString(target, highlightFont, 437, 402, "Enter the Key highlighted");
    drawString(target, noteFont, 437, 422, "ESC - Cancel without saving");
    drawString(target, noteFont, 437, 442, "ESC - Always mapped to quit");
    presentFrame(target);
}
