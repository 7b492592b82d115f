// The main menu's input: cursor, confirm after the queue is read, Escape and
// exit; the story and versus entries and the key legend.
#include "engine/clock.h"
#include "engine/globals.h"
#include "screens/main_menu.h"
#include "tests/screens/fight_fixture.h"
#include "tests/support/test_support.h"

#include <cstring>
#include <gtest/gtest.h>
#include <vector>

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
    // Story, versus and the options run their screens; arcade arrives with its own.
    menu.buttons.setSelection(mainMenu::Arcade);
    pushKey(SDLK_z);
    menu.update();
    EXPECT_FALSE(menu.done);
}

TEST_F(MainMenuTest, StoryShowsTheMapUntilItIsLeftAndTheMenuStays)
{
    constexpr Colour kCity{30, 60, 30};
    writePictures("data/screens/levelSelect", {Picture{640, 480, kCity}});
    int frames = 0;
    bool mapShown = false;
    {
        FrameWatch watch(
            [&](SDL_Surface* s)
            {
                if (frames++ == 0)
                {
                    mapShown = shows(s, 600, 400, kCity);
                    pushKey(SDLK_ESCAPE);
                }
            },
            100);
        menu.buttons.setSelection(mainMenu::Story);
        pushKey(SDLK_z);
        menu.update();
        EXPECT_FALSE(watch.ranAway);
    }
    EXPECT_TRUE(mapShown);
    EXPECT_FALSE(menu.done);
    EXPECT_FALSE(fullyQuit);
}

TEST_F(MainMenuTest, StickMovesOncePerPushAndOnlyForTheBoundJoystick)
{
    GPad1.joystickIndex = 0;
    GPad1.yAxisCentred = true;
    auto axis = [](int which, int value)
    {
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

// The versus entry runs the whole mode inside the menu's update; the window
// closed as it opens ends the mode's screens at once, and the menu's loop
// then ends on the quit flag.
TEST_F(MainMenuTest, TheVersusEntryComesBackWhenTheWindowCloses)
{
    int frames = 0;
    {
        FrameWatch watch(
            [&](SDL_Surface*)
            {
                if (++frames == 1)
                    pushQuit();
            },
            1000);
        menu.buttons.setSelection(mainMenu::Versus);
        pushKey(SDLK_z);
        menu.update();
        EXPECT_FALSE(watch.ranAway);
    }
    EXPECT_TRUE(fullyQuit);
    EXPECT_FALSE(menu.done) << "the menu's loop ends on the quit flag";
    EXPECT_EQ(frames, 2) << "the loading picture and one pass of the fight";
    EXPECT_EQ(menu.buttons.getSelected(), mainMenu::Versus);
}

// Keys pressed while the match's winner shows stay with the mode: the menu
// that takes over neither leaves on Escape nor moves its cursor, but a window
// closed then still ends the game.
TEST_F(MainMenuTest, KeysPressedAsAVersusMatchEndsDoNotReachTheMenu)
{
    const Colour selectBackdrop{10, 90, 10};
    writeFightData("Nick", "NickBBBat", 30);
    // Player 2 has no health, so every round is over as it starts.
    CharacterSpec beaten = fighterSpec("data/characters/NickBBBat");
    beaten.hp = 0;
    writeFighter(beaten);
    writeArena("burningBase");
    writePictures("data/screens/characterSelect", {Picture{20, 20, selectBackdrop, 100}});
    GlobalsGuard globals;
    setTestClock(100000);
    setTestClockAutoAdvance(1);

    for (bool close : {false, true})
    {
        SCOPED_TRACE(close ? "window closed" : "Escape and Down");
        fullyQuit = false;
        mainMenu fresh;
        fresh.init(screen);
        bool chosen = false;
        bool pressed = false;
        {
            FrameWatch watch(
                [&](SDL_Surface* s)
                {
                    if (shows(s, 5, 5, selectBackdrop) && !chosen)
                    {
                        // Player 2 takes the second name.
                        pushKey(SDLK_l);
                        pushKey(SDLK_i);
                        pushKey(kConfirm2);
                        pushKey(kConfirm1);
                        chosen = true;
                    }
                    if (shows(s, 95 + 10, 150 + 10, kWinnerColour) && !pressed)
                    {
                        if (close)
                            pushQuit();
                        pushKey(SDLK_ESCAPE);
                        pushKey(SDLK_DOWN);
                        pressed = true;
                    }
                },
                20000);
            fresh.buttons.setSelection(mainMenu::Versus);
            pushKey(SDLK_z);
            fresh.update();
            EXPECT_FALSE(watch.ranAway);
        }
        ASSERT_TRUE(pressed) << "the winner showed";
        EXPECT_EQ(fullyQuit, close);
        fresh.update();
        EXPECT_FALSE(fresh.done) << "the menu loop goes on";
        EXPECT_EQ(fresh.buttons.getSelected(), mainMenu::Versus);
    }
    fullyQuit = false;
}

// The legend shows icon frames 0, 1, 5 and 3 beside the names of GPad1's
// keys A, B, up and down as the pad holds them when it draws.
TEST_F(MainMenuTest, TheLegendShowsTheKeysThePadHoldsNow)
{
    std::vector<Picture> icons;
    for (int f = 0; f < 7; ++f)
        icons.push_back(Picture{16, 16, Colour{200, static_cast<Uint8>(20 + 30 * f), 0}, 100});
    writePictures("data/screens/ui/buttons", icons);
    writeDamageFont(); // every glyph an 8-pixel white block
    mainMenu fresh;
    fresh.init(screen);
    // The text's width in the font's 8-pixel glyphs, 2 pixels of the last
    // glyph's cell included.
    auto textWidth = [&](int line)
    {
        int x = 502;
        while (x < 640 &&
               pixelAt(screen, x, 382 + 20 * line + 4) == SDL_MapRGB(screen->format, 255, 255, 255))
            ++x;
        return x - 502;
    };
    const int frameOfLine[] = {0, 1, 5, 3};
    SDL_FillRect(screen, nullptr, 0);
    fresh.drawControls();
    for (int line = 0; line < 4; ++line)
        EXPECT_TRUE(shows(screen, 472 + 4, 382 + 20 * line + 4,
                          Colour{200, static_cast<Uint8>(20 + 30 * frameOfLine[line]), 0}))
            << "icon of line " << line;
    EXPECT_EQ(textWidth(0), 8 * 10 + 2) << "Confirm: z";
    EXPECT_EQ(textWidth(2), 8 * 6 + 2) << "Up: up";

    GPad1.keyA = SDLK_RETURN;
    SDL_FillRect(screen, nullptr, 0);
    fresh.drawControls();
    EXPECT_EQ(textWidth(0), 8 * 15 + 2) << "Confirm: return";
}
