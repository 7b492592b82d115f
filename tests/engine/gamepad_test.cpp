// Gamepad mappings and the quit test every screen applies to its events.
#include "engine/gamepad.h"
#include "engine/globals.h"
#include "engine/platform.h"
#include "tests/support/test_support.h"

#include <cstring>
#include <gtest/gtest.h>

using namespace testing_support;

namespace
{
const char* const kPlayer1 = "1.0\ndefualt\n276\n275\n274\n273\n122\n120\n99\n0\n0\n13\n-1\n\n0\n1\n2\n0\n0\n9\n";

TEST(GamePad, ReadsTheFileInItsOwnOrder)
{
    ScratchDir dir;
    writeFile("data/gamepad/defualt.GPad", kPlayer1);
    gamePad pad;
    pad.loadGamePad(kPad1Path);
    EXPECT_EQ(pad.name, "defualt");
    EXPECT_EQ(pad.keyLeft, SDLK_LEFT);
    EXPECT_EQ(pad.keyRight, SDLK_RIGHT);
    EXPECT_EQ(pad.keyDown, SDLK_DOWN);
    EXPECT_EQ(pad.keyUp, SDLK_UP);
    EXPECT_EQ(pad.keyA, SDLK_z);
    EXPECT_EQ(pad.keyB, SDLK_x);
    EXPECT_EQ(pad.keyC, SDLK_c);
    EXPECT_EQ(pad.keyPause, SDLK_RETURN);
    EXPECT_EQ(pad.joystickIndex, -1);
    EXPECT_EQ(pad.buttonB, 1);
    EXPECT_EQ(pad.buttonPause, 9);
}

TEST(GamePad, SaveAndLoadRoundTripThroughTheSameFileInAnyCase)
{
    ScratchDir dir;
    writeFile("data/gamepad/defualt.GPad", kPlayer1);
    gamePad pad;
    pad.loadGamePad(kPad1Path);
    pad.keyA = SDLK_k;
    pad.buttonC = 7;
    pad.joystickName = "Arcade Stick";
    ASSERT_TRUE(pad.saveGamePad());
    // The mapping named "defualt" replaces defualt.GPad rather than making a
    // second file that nothing reads.
    EXPECT_FALSE(fileExists("data/gamepad/defualt.gpad"));

    gamePad back;
    back.loadGamePad(kPad1Path);
    EXPECT_EQ(back.keyA, SDLK_k);
    EXPECT_EQ(back.buttonC, 7);
    EXPECT_EQ(back.joystickName, "Arcade Stick");
    EXPECT_EQ(back.keyLeft, SDLK_LEFT);
}

TEST(GamePad, SavedFileIsFoundWhenOnlyTheOtherCaseExists)
{
    ScratchDir dir;
    makeDirs("data/gamepad");
    gamePad pad;
    pad.name = "defualt2";
    pad.keyUp = SDLK_w;
    ASSERT_TRUE(pad.saveGamePad());
    gamePad back;
    back.loadGamePad(kPad2Path);
    EXPECT_EQ(back.keyUp, SDLK_w);
}

TEST(GamePad, RefusesNamesThatAreNotPlainFileNames)
{
    ScratchDir dir;
    makeDirs("data/gamepad");
    const struct
    {
        const char* name;
        bool saved;
    } cases[] = {{"../escape", false}, {"sub/dir", false}, {"back\\slash", false}, {"..", false},
                 {".", false},         {"", false},        {"a..b", true},         {"..pad", true}};
    for (const auto& c : cases)
    {
        gamePad pad;
        pad.name = c.name;
        EXPECT_EQ(pad.saveGamePad(), c.saved) << '"' << c.name << '"';
    }
}

TEST(GamePad, UntrustedValuesAndShortFiles)
{
    ScratchDir dir;
    // Key codes outside SDL's range load as 0; a short file keeps the fields it lacks.
    writeFile("pad.GPad", "1.0\nodd\n-5\n999999\n274x\n");
    gamePad pad;
    pad.keyUp = SDLK_UP;
    pad.buttonA = 4;
    pad.loadGamePad("pad.GPad");
    EXPECT_EQ(pad.name, "odd");
    EXPECT_EQ(pad.keyLeft, 0);
    EXPECT_EQ(pad.keyRight, 0);
    EXPECT_EQ(pad.keyDown, SDLK_DOWN);
    EXPECT_EQ(pad.keyUp, SDLK_UP);
    EXPECT_EQ(pad.buttonA, 4);

    gamePad untouched;
    untouched.loadGamePad("missing.GPad");
    EXPECT_EQ(untouched.name, "Default");
}

TEST(GamePad, JoystickBindsOnlyFromIndexZeroOrOne)
{
    ScratchDir dir;
    SDL_Joystick* fake = reinterpret_cast<SDL_Joystick*>(0x1234);
    joystick1 = nullptr;
    writeFile("zero.GPad", "1.0\nz\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n\n0\n0\n0\n0\n0\n0\n");
    writeFile("none.GPad", "1.0\nn\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n-1\n\n0\n0\n0\n0\n0\n0\n");
    gamePad pad;
    pad.loadGamePad("zero.GPad");
    EXPECT_EQ(pad.joystick, nullptr) << "joysticks not yet opened bind nothing";
    joystick1 = fake;
    pad.loadGamePad("zero.GPad");
    EXPECT_EQ(pad.joystick, fake);
    pad.loadGamePad("none.GPad");
    EXPECT_EQ(pad.joystick, fake) << "index -1 leaves the pointer as it was";
    joystick1 = nullptr;
}

TEST(GamePad, AxisRestFlagsFollowTheDeadZone)
{
    const std::pair<int, bool> cases[] = {{0, true}, {9999, true}, {-9999, true}, {10000, false}, {-10000, false},
                                          {32767, false}};
    for (const auto& c : cases)
    {
        gamePad pad;
        SDL_Event e;
        std::memset(&e, 0, sizeof e);
        e.type = SDL_JOYAXISMOTION;
        e.jaxis.axis = 1;
        e.jaxis.value = static_cast<Sint16>(c.first);
        pad.updateAxes(&e);
        EXPECT_EQ(pad.yAxisCentred, c.second) << c.first;
        EXPECT_FALSE(pad.xAxisCentred);
    }
}

TEST(QuitTest, WindowCloseAndAltF4QuitButF4AloneDoesNot)
{
    openTestVideo();
    struct Case
    {
        const char* what;
        Uint8 type;
        SDLKey key;
        SDLMod mod;
        bool quits;
    };
    const Case cases[] = {
        {"window closed", SDL_QUIT, SDLK_UNKNOWN, KMOD_NONE, true},
        {"left Alt+F4", SDL_KEYDOWN, SDLK_F4, KMOD_LALT, true},
        {"right Alt+F4", SDL_KEYDOWN, SDLK_F4, KMOD_RALT, true},
        {"F4 alone", SDL_KEYDOWN, SDLK_F4, KMOD_NONE, false},
        {"Alt+F3", SDL_KEYDOWN, SDLK_F3, KMOD_LALT, false},
        {"Escape", SDL_KEYDOWN, SDLK_ESCAPE, KMOD_NONE, false},
    };
    for (const Case& c : cases)
    {
        fullyQuit = false;
        SDL_Event e;
        std::memset(&e, 0, sizeof e);
        e.type = c.type;
        e.key.keysym.sym = c.key;
        e.key.keysym.mod = c.mod;
        EXPECT_EQ(checkQuitEvent(e), c.quits) << c.what;
        EXPECT_EQ(fullyQuit, c.quits) << c.what;
    }
    fullyQuit = false;
}

TEST(QuitTest, DrainingTheQueueKeepsOnlyTheQuit)
{
    openTestVideo();
    fullyQuit = false;
    pushKey(SDLK_z);
    pushQuit();
    pushKey(SDLK_x);
    drainEvents();
    EXPECT_TRUE(fullyQuit);
    SDL_Event e;
    EXPECT_EQ(SDL_PollEvent(&e), 0);
    fullyQuit = false;
}
} // namespace
