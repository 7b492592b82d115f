// The main menu's input: cursor, confirm after the queue is read, Escape and exit.
#include "engine/globals.h"
#include "screens/main_menu.h"
#include "tests/support/test_support.h"

#include <cstring>
#include <gtest/gtest.h>

using namespace testing_support;

namespace
{
class MainMenuTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        openTestVideo();
        fullyQuit = false;
        writeFile("data/gamepad/defualt.GPad",
                  "1.0\ndefualt\n276\n275\n274\n273\n122\n120\n99\n0\n0\n13\n-1\n\n0\n1\n2\n0\n0\n9\n");
        menu.init(screen);
    }
    void TearDown() override
    {
        fullyQuit = false;
        drainQueue();
    }
    ScratchDir dir;
    mainMenu menu;
};

TEST_F(MainMenuTest, EscapeAndTheExitButtonLeave)
{
    pushKey(SDLK_ESCAPE);
    menu.update();
    EXPECT_TRUE(menu.done);

    mainMenu other;
    other.init(screen);
    pushKey(SDLK_UP); // wraps from story to exit
    pushKey(SDLK_z);
    other.update();
    EXPECT_EQ(other.buttons.getSelected(), mainMenu::Exit);
    EXPECT_TRUE(other.done);
}

TEST_F(MainMenuTest, ConfirmActsOnTheButtonSelectedOnceTheQueueIsRead)
{
    pushKey(SDLK_DOWN);
    pushKey(SDLK_DOWN);
    pushKey(SDLK_DOWN);
    menu.update();
    EXPECT_EQ(menu.buttons.getSelected(), mainMenu::Options);
    EXPECT_FALSE(menu.done);
    pushKey(SDLK_z);
    pushKey(SDLK_DOWN);
    menu.update();
    EXPECT_TRUE(menu.done) << "confirm then down in one queue chooses exit";
}

TEST_F(MainMenuTest, ModesNotYetPlayableKeepTheMenuOpen)
{
    // Versus runs its mode; the others arrive with their own screens.
    for (int entry : {mainMenu::Story, mainMenu::Arcade, mainMenu::Options})
    {
        menu.buttons.setSelection(entry);
        pushKey(SDLK_z);
        menu.update();
        EXPECT_FALSE(menu.done) << entry;
    }
}

TEST_F(MainMenuTest, StickMovesOncePerPushAndOnlyForTheBoundJoystick)
{
    GPad1.joystickIndex = 0;
    GPad1.yAxisCentred = true;
    auto axis = [](int which, int value) {
        SDL_Event e;
        std::memset(&e, 0, sizeof e);
        e.type = SDL_JOYAXISMOTION;
        e.jaxis.which = static_cast<Uint8>(which);
        e.jaxis.axis = 1;
        e.jaxis.value = static_cast<Sint16>(value);
        SDL_PushEvent(&e);
    };
    axis(0, 30000);
    axis(0, 31000); // still held: no second step
    menu.update();
    EXPECT_EQ(menu.buttons.getSelected(), 1);
    axis(0, 0);
    axis(0, -30000);
    axis(1, -30000); // another joystick
    menu.update();
    EXPECT_EQ(menu.buttons.getSelected(), 0);
    GPad1.joystickIndex = -1;
}

TEST_F(MainMenuTest, CloseRequestPendingAtInitSetsTheQuitFlag)
{
    pushKey(SDLK_DOWN);
    pushQuit();
    mainMenu fresh;
    fresh.init(screen);
    EXPECT_TRUE(fullyQuit);
    EXPECT_EQ(fresh.buttons.getSelected(), 0) << "input pressed while loading is dropped";
}
} // namespace
