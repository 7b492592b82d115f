// Player control mappings (.GPad files) and the event conventions every screen shares.
#pragma once

#include <SDL.h>
#include <string>

class gamePad
{
public:
    gamePad();

    // Reads a mapping file; a missing file leaves the pad unchanged, and
    // fields past a short file's end keep their values.
    void loadGamePad(const char* path);
    // Writes "data/gamepad/<name>.gpad", replacing a file of that name in any
    // letter case; false (and reported) when the name is not a plain file
    // name or the file could not be written.
    bool saveGamePad();
    void updateAxes(const SDL_Event* event);
    void setToQuestionMark();
    void setGPadToZero();
    void setSDL_JoyStick();

    bool xAxisCentred;
    bool yAxisCentred;
    std::string version;
    std::string name;
    int keyA;
    int keyB;
    int keyC;
    int keyLeft;
    int keyRight;
    int keyUp;
    int keyDown;
    int keySpare1;
    int keySpare2;
    int keyPause;
    int joystickIndex;
    SDL_Joystick* joystick;
    std::string joystickName;
    int buttonA;
    int buttonB;
    int buttonC;
    int buttonSpare1;
    int buttonSpare2;
    int buttonPause;
};

// The mapping files the game reads (spelled so).
extern const char* const kPad1Path;
extern const char* const kPad2Path;

// SDL's name of a mapped key, or "none" for a value that names no key.
const char* keyName(int key);

// The quit test applied to every polled event: the window closed, or F4
// pressed while either Alt key is held, sets fullyQuit. Returns fullyQuit.
bool checkQuitEvent(const SDL_Event& event);

// Takes every pending event, applying only the quit test (screens call this
// as they open, so input pressed while they loaded is dropped).
void drainEvents();
