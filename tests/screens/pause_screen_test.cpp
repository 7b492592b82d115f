// The pause menu: resume and quit by keys and joystick, Escape resuming, the
// window closed, and the menu drawn over the frozen fight.
#include "engine/globals.h"
#include "engine/present.h"
#include "screens/pause_screen.h"
#include "tests/screens/fight_fixture.h"

#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

using namespace testing_support;

namespace
{
class PauseScreenTest : public ::testing::Test
{
protected:
    PauseScreenTest()
    {
        writePauseScreen();
        writePads();
        fullyQuit = false;
        drainQueue();
    }
    ~PauseScreenTest() override
    {
        fullyQuit = false;
        drainQueue();
        GPad1.joystickIndex = -1;
    }

    ScratchDir dir;
    GlobalsGuard globals;
    SDL_Surface* screen = openTestVideo();
};

void pushEvent(SDL_Event e)
{
    SDL_PushEvent(&e);
}
} // namespace

TEST_F(PauseScreenTest, KeysAndButtonsResumeOrLeave)
{
    using Push = std::function<void()>;
    const Push down = [] { pushKey(SDLK_DOWN); };
    const Push up = [] { pushKey(SDLK_UP); };
    const Push confirm = [] { pushKey(kConfirm1); };
    const Push escape = [] { pushKey(SDLK_ESCAPE); };
    const Push close = [] { pushQuit(); };
    const Push altF4 = [] { pushKey(SDLK_F4, KMOD_LALT); };
    const Push button0 = [] { pushEvent(joyButtonEvent(1, 0)); };
    const struct
    {
        const char* name;
        int joystick; // GPad1's joystick index
        std::vector<Push> events;
        bool done, quit, quitting;
        int cursor;
    } cases[] = {
        {"confirm on resume", -1, {confirm}, true, false, false, 0},
        {"down and confirm on quit", -1, {down, confirm}, true, true, false, 1},
        {"up wraps to quit", -1, {up, confirm}, true, true, false, 1},
        {"Escape resumes", -1, {escape}, true, false, false, 0},
        {"Escape on quit still resumes", -1, {down, escape}, true, false, false, 1},
        {"confirm then down acts on quit", -1, {confirm, down}, true, true, false, 1},
        {"Escape and confirm: the confirm is carried out", -1, {down, escape, confirm}, true, true, false, 1},
        {"the window closed", -1, {close}, false, false, true, 0},
        {"Alt+F4 is a key press", -1, {altF4}, true, true, true, 0},
        {"any joystick's first button with one bound", 0, {down, button0}, true, true, false, 1},
        {"no joystick bound: buttons do nothing", -1, {down, button0}, false, false, false, 1},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        fullyQuit = false;
        pauseScreen pause;
        pause.init(screen);
        GPad1.joystickIndex = c.joystick;
        for (const Push& p : c.events)
            p();
        pause.update();
        EXPECT_EQ(pause.done, c.done);
        EXPECT_EQ(pause.quit, c.quit);
        EXPECT_EQ(fullyQuit, c.quitting);
        EXPECT_EQ(pause.buttons.getSelected(), c.cursor);
        GPad1.joystickIndex = -1;
    }
}

// The stick moves the cursor once per push beyond the dead zone, and only
// the bound joystick's.
TEST_F(PauseScreenTest, TheStickStepsOncePerPush)
{
    pauseScreen pause;
    pause.init(screen);
    GPad1.joystickIndex = 1;
    GPad1.yAxisCentred = true;
    const struct
    {
        int joystick;
        int value;
        int cursor;
    } steps[] = {
        {1, 20000, 1},  // pushed down
        {1, 32000, 1},  // held
        {1, 10000, 1},  // exactly at the edge: not back inside
        {1, 20000, 1},  // so still held
        {1, 0, 1},      // back to the centre
        {1, -20000, 0}, // pushed up
        {0, 0, 0},      // another joystick
        {0, 20000, 0},
    };
    for (const auto& s : steps)
    {
        pushEvent(joyAxisEvent(s.joystick, 1, s.value));
        pause.update();
        EXPECT_EQ(pause.buttons.getSelected(), s.cursor) << "joystick " << s.joystick << " at " << s.value;
    }
    EXPECT_FALSE(pause.done);
}

// The menu opens over the frozen fight: the backdrop and the buttons are
// drawn over whatever the screen holds, and the frame is presented.
TEST_F(PauseScreenTest, DrawsOverTheFrozenFight)
{
    pauseScreen pause;
    pause.init(screen);
    SDL_FillRect(screen, nullptr, pixelOf(kSkyColour));
    std::vector<bool> looks;
    {
        FrameWatch watch(
            [&](SDL_Surface* s)
            {
                looks = {shows(s, 5, 5, kPauseColour), shows(s, 224 + 5, 250 + 5, kSelectedColour),
                         shows(s, 224 + 5, 280 + 5, kUnselectedColour), shows(s, 5, 100, kSkyColour)};
            });
        pause.draw();
        EXPECT_EQ(watch.frames, 1u);
    }
    EXPECT_EQ(looks, (std::vector<bool>{true, true, true, true}));

    // After a use the owner resets it; the cursor stays where it was left.
    pushKey(SDLK_DOWN);
    pushKey(SDLK_ESCAPE);
    pause.update();
    ASSERT_TRUE(pause.done);
    pause.reset();
    EXPECT_FALSE(pause.done);
    EXPECT_FALSE(pause.quit);
    EXPECT_EQ(pause.buttons.getSelected(), 1);
}
