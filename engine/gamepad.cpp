// Player control mappings (.GPad files) and the event conventions every screen shares.
#include "engine/gamepad.h"

#include "engine/globals.h"
#include "engine/platform.h"
#include "engine/text_file.h"

#include <cstdio>
#include <iostream>

const char* const kPad1Path = "data/gamepad/defualt.GPad";
const char* const kPad2Path = "data/gamepad/defualt2.GPad";

namespace
{
const char* const kPadFolder = "data/gamepad";

int keyFromFile(const std::string& line)
{
    const int key = parseInt(line);
    return (key >= 0 && key < SDLK_LAST) ? key : 0;
}

void bindJoystick(gamePad& pad)
{
    if (pad.joystickIndex == 0)
        pad.joystick = joystick1;
    else if (pad.joystickIndex == 1)
        pad.joystick = joystick2;
}

bool isPlainFileName(const std::string& name)
{
    // Only a separator or a name that means a folder ("." or "..") could
    // leave the gamepad folder; "a..b" is a fine name.
    return !name.empty() && name.find('/') == std::string::npos && name.find('\\') == std::string::npos &&
           name != "." && name != "..";
}
} // namespace

gamePad::gamePad()
    : xAxisCentred(false), yAxisCentred(false), version("1.0"), name("Default"), keyA(0), keyB(0), keyC(0),
      keyLeft(0), keyRight(0), keyUp(0), keyDown(0), keySpare1(0), keySpare2(0), keyPause(0), joystickIndex(-1),
      joystick(nullptr), joystickName(""), buttonA(0), buttonB(0), buttonC(0), buttonSpare1(0), buttonSpare2(0),
      buttonPause(0)
{
}

void gamePad::loadGamePad(const char* path)
{
    TextFileReader file;
    if (!file.open(resolveFilePathNoCase(path), 4096))
    {
        std::cout << "Unable to open file" << std::endl;
        return;
    }
    std::string line;
    auto text = [&](std::string& field) {
        if (file.readLine(line))
            field = line;
    };
    auto key = [&](int& field) {
        if (file.readLine(line))
            field = keyFromFile(line);
    };
    auto number = [&](int& field) {
        if (file.readLine(line))
            field = parseInt(line);
    };
    text(version);
    text(name);
    key(keyLeft);
    key(keyRight);
    key(keyDown);
    key(keyUp);
    key(keyA);
    key(keyB);
    key(keyC);
    key(keySpare1);
    key(keySpare2);
    key(keyPause);
    number(joystickIndex);
    text(joystickName);
    number(buttonA);
    number(buttonB);
    number(buttonC);
    number(buttonSpare1);
    number(buttonSpare2);
    number(buttonPause);
    bindJoystick(*this);
}

bool gamePad::saveGamePad()
{
    if (!isPlainFileName(name))
    {
        std::printf("Unable to save gamepad mapping: \"%s\" is not a file name\n", name.c_str());
        return false;
    }
    std::string out;
    auto put = [&](const std::string& s) { out += s + "\n"; };
    auto num = [&](int v) { put(std::to_string(v)); };
    put(version);
    put(name);
    num(keyLeft);
    num(keyRight);
    num(keyDown);
    num(keyUp);
    num(keyA);
    num(keyB);
    num(keyC);
    num(keySpare1);
    num(keySpare2);
    num(keyPause);
    num(joystickIndex);
    put(joystickName);
    num(buttonA);
    num(buttonB);
    num(buttonC);
    num(buttonSpare1);
    num(buttonSpare2);
    num(buttonPause);
    const std::string path = resolvePathNoCase(kPadFolder, name + ".gpad");
    if (!writeFileAtomically(path, out))
        return false;
    bindJoystick(*this);
    return true;
}

void gamePad::updateAxes(const SDL_Event* event)
{
    if (!event || event->type != SDL_JOYAXISMOTION)
        return;
    const int value = event->jaxis.value;
    const bool centred = value > gamePadDeadZoneMin && value < gamePadDeadZoneMax;
    if (event->jaxis.axis == 0)
        xAxisCentred = centred;
    else if (event->jaxis.axis == 1)
        yAxisCentred = centred;
}

void gamePad::setToQuestionMark()
{
    keyA = keyB = keyC = keyLeft = keyRight = keyUp = keyDown = keyPause = 63;
}

void gamePad::setGPadToZero()
{
    buttonA = buttonB = buttonC = buttonPause = 0;
    joystickIndex = -1;
}

void gamePad::setSDL_JoyStick()
{
    bindJoystick(*this);
}

const char* keyName(int key)
{
    return key > 0 && key < SDLK_LAST ? SDL_GetKeyName(static_cast<SDLKey>(key)) : "none";
}

bool checkQuitEvent(const SDL_Event& event)
{
    if (event.type == SDL_QUIT)
        fullyQuit = true;
    const bool keyEvent = event.type == SDL_KEYDOWN || event.type == SDL_KEYUP;
    const Uint8* keys = SDL_GetKeyState(nullptr);
    const bool f4 = (event.type == SDL_KEYDOWN && event.key.keysym.sym == SDLK_F4) || (keys && keys[SDLK_F4]);
    const bool alt = (SDL_GetModState() & KMOD_ALT) != 0 || (keys && (keys[SDLK_LALT] || keys[SDLK_RALT])) ||
                     (keyEvent && (event.key.keysym.mod & KMOD_ALT) != 0);
    if (f4 && alt)
        fullyQuit = true;
    return fullyQuit;
}

void drainEvents()
{
    SDL_Event event;
    while (SDL_PollEvent(&event))
        checkQuitEvent(event);
}
