// Default .GPad files. Player two's keys never overlap player one's, so both
// can share a keyboard; 'j' stays free for the debug key and Escape for
// backing out of screens.
#include "content/gamepads.h"

#include "core/files.h"

#include <SDL_keysym.h>

namespace datagen
{
PadMapping defaultPad(int player)
{
    PadMapping p;
    if (player == 1)
    {
        p.name = "defualt";
        p.left = SDLK_LEFT;
        p.right = SDLK_RIGHT;
        p.down = SDLK_DOWN;
        p.up = SDLK_UP;
        p.keyA = SDLK_z;
        p.keyB = SDLK_x;
        p.keyC = SDLK_c;
        p.keyPause = SDLK_RETURN;
    }
    else
    {
        p.name = "defualt2";
        p.left = SDLK_a;
        p.right = SDLK_d;
        p.down = SDLK_s;
        p.up = SDLK_w;
        p.keyA = SDLK_g;
        p.keyB = SDLK_h;
        p.keyC = SDLK_y;
        p.keyPause = SDLK_TAB;
    }
    return p;
}

std::string gamepadText(const PadMapping& p)
{
    std::string out;
    auto line = [&out](const std::string& s) { out += s + "\n"; };
    auto number = [&line](int v) { line(std::to_string(v)); };
    line("1.0");
    line(p.name);
    for (int key : {p.left, p.right, p.down, p.up, p.keyA, p.keyB, p.keyC})
        number(key);
    number(0); // spare keys
    number(0);
    number(p.keyPause);
    number(p.joystick);
    line(""); // no joystick name
    for (int button : {p.buttonA, p.buttonB, p.buttonC, p.buttonSpare1, p.buttonSpare2, p.buttonPause})
        number(button);
    return out;
}

bool writeGamepads(const std::string& dataDir)
{
    bool ok = true;
    for (int player : {1, 2})
    {
        const PadMapping pad = defaultPad(player);
        ok = writeText(joinPath(dataDir, "gamepad/" + pad.name + ".GPad"), gamepadText(pad)) && ok;
    }
    return ok;
}
} // namespace datagen
