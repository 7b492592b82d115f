// The two default control mappings the game loads for players one and two.
#pragma once

#include <string>

namespace datagen
{
struct PadMapping
{
    std::string name;
    int left = 0, right = 0, down = 0, up = 0;
    int keyA = 0, keyB = 0, keyC = 0;
    int keyPause = 0;
    int joystick = -1; // -1: the keyboard
    int buttonA = 0, buttonB = 1, buttonC = 2, buttonSpare1 = 0, buttonSpare2 = 0, buttonPause = 9;
};

// Player 1 (arrows, z x c, Return) or player 2 (w a s d, g h y, Tab).
PadMapping defaultPad(int player);
// The twenty lines of a .GPad file.
std::string gamepadText(const PadMapping& pad);
// data/gamepad/defualt.GPad and defualt2.GPad (the game's spelling).
bool writeGamepads(const std::string& dataDir);
} // namespace datagen
