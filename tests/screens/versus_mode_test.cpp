// Versus mode run headless from character select to the end of its match:
// both players' choices fighting a two-round match, the pause menu's quit,
// one character chosen twice, and the window closed while choosing.
#include "engine/clock.h"
#include "engine/globals.h"
#include "modes/versus_mode.h"
#include "tests/screens/fight_fixture.h"

#include <SDL_mixer.h>
#include <gtest/gtest.h>
#include <string>

using namespace testing_support;

namespace
{
constexpr Colour kSelectBackdrop{10, 90, 10};

class VersusModeTest : public ::testing::Test
{
protected:
    VersusModeTest()
    {
        // The first two names of the roster, told apart by their health.
        writeFightData("Nick", "NickBBBat", 30);
        CharacterSpec second = fighterSpec("data/characters/NickBBBat");
        second.hp = 45;
        writeFighter(second);
        writeArena("burningBase");
        writePictures("data/screens/characterSelect", {Picture{20, 20, kSelectBackdrop, 100}});
        fullyQuit = false;
        freezeEnd = 0;
        setTestClock(100000);
        setTestClockAutoAdvance(1);
        drainQueue();
    }
    ~VersusModeTest() override
    {
        fullyQuit = false;
        drainQueue();
    }

    static bool choosing(SDL_Surface* s) { return shows(s, 5, 5, kSelectBackdrop); }

    ScratchDir dir;
    GlobalsGuard globals;
    AudioSession audio;
    SDL_Surface* screen = openTestVideo();
};
} // namespace

// Player 1 keeps the first name, player 2 takes the second; the match is
// fought over two winning rounds and the mode ends with it.
TEST_F(VersusModeTest, BothPlayersChooseAndFightAMatch)
{
    vsMode mode;
    mode.init(screen);
    bool chosen = false;
    int knockOuts = 0;
    int fightFrames = 0;
    int startX[2] = {0, 0};
    bool ownRecords = true;
    {
        FrameWatch watch(
            [&](SDL_Surface* s)
            {
                if (choosing(s))
                {
                    if (!chosen)
                    {
                        pushKey(SDLK_l);
                        pushKey(SDLK_i);
                        pushKey(kConfirm2);
                        pushKey(kConfirm1);
                        chosen = true;
                    }
                    return;
                }
                Fighter* one = mode.control1.fighter;
                Fighter* two = mode.control2.fighter;
                if (!one || !two)
                    return;
                if (++fightFrames == 1)
                {
                    startX[0] = one->x;
                    startX[1] = two->x;
                    ownRecords = one != two && mode.control1.moves != mode.control2.moves &&
                                 mode.control1.anims != mode.control2.anims;
                    EXPECT_EQ(one->maxHP, 30);
                    EXPECT_EQ(two->maxHP, 45);
                    EXPECT_EQ(mode.control1.sounds, &mode.sounds);
                    EXPECT_EQ(mode.control2.sounds, &mode.sounds);
                    if (audio.open())
                    {
                        EXPECT_EQ(Mix_PlayingMusic(), 1) << "burningBase's music";
                    }
                }
                // Player 2 goes down at the start of every round.
                if (two->hp == two->maxHP && fightFrames > 3)
                {
                    two->hp = 0;
                    ++knockOuts;
                }
            });
        mode.update();
        EXPECT_FALSE(watch.ranAway);
    }
    EXPECT_TRUE(mode.quit);
    EXPECT_FALSE(fullyQuit);
    EXPECT_EQ(knockOuts, 2) << "two winning rounds";
    EXPECT_TRUE(ownRecords);
    EXPECT_NEAR(startX[0], 300, 8);
    EXPECT_NEAR(startX[1], 500, 8);
    EXPECT_EQ(mode.fightUI.fighter1, nullptr) << "the HUD lets go of the fighters that went";
    if (audio.open())
    {
        EXPECT_EQ(Mix_PlayingMusic(), 0);
    }
}

// Player 1's Escape and the pause menu's quit end the mode as the end of
// the match does; one character chosen by both gives each its own record.
TEST_F(VersusModeTest, QuittingFromThePauseMenuEndsTheMode)
{
    vsMode mode;
    mode.init(screen);
    bool chosen = false;
    bool pausedOnce = false;
    int fightFrames = 0;
    bool ownRecords = false;
    {
        FrameWatch watch(
            [&](SDL_Surface* s)
            {
                if (choosing(s))
                {
                    if (!chosen)
                    {
                        pushKey(kConfirm1);
                        pushKey(kConfirm2);
                        chosen = true;
                    }
                    return;
                }
                if (shows(s, 5, 5, kPauseColour))
                {
                    if (!pausedOnce)
                    {
                        pushKey(SDLK_DOWN);
                        pushKey(kConfirm1);
                    }
                    pausedOnce = true;
                    return;
                }
                if (mode.control1.fighter && ++fightFrames == 1)
                {
                    ownRecords = mode.control1.fighter != mode.control2.fighter &&
                                 mode.control1.moves != mode.control2.moves &&
                                 mode.control1.fighter->maxHP == 30 && mode.control2.fighter->maxHP == 30;
                }
                if (fightFrames == 40)
                    pushKey(SDLK_ESCAPE);
            },
            20000);
        mode.update();
        EXPECT_FALSE(watch.ranAway);
    }
    EXPECT_TRUE(pausedOnce);
    EXPECT_TRUE(mode.quit);
    EXPECT_FALSE(fullyQuit);
    EXPECT_TRUE(ownRecords) << "both chose the first name";
}

// Closing the window while choosing still loads the two highlighted
// characters and runs one pass of the fight before the mode returns.
TEST_F(VersusModeTest, ClosingTheWindowWhileChoosing)
{
    vsMode mode;
    mode.init(screen);
    int fightFrames = 0;
    int healthSeen[2] = {0, 0};
    bool closed = false;
    {
        FrameWatch watch(
            [&](SDL_Surface* s)
            {
                if (closed && !choosing(s))
                {
                    ++fightFrames;
                    if (mode.control1.fighter && mode.control2.fighter)
                    {
                        healthSeen[0] = mode.control1.fighter->maxHP;
                        healthSeen[1] = mode.control2.fighter->maxHP;
                    }
                }
                if (choosing(s) && !closed)
                {
                    pushKey(SDLK_l);
                    pushQuit();
                    closed = true;
                }
            },
            20000);
        mode.update();
        EXPECT_FALSE(watch.ranAway);
    }
    EXPECT_TRUE(fullyQuit);
    EXPECT_TRUE(mode.quit);
    EXPECT_EQ(fightFrames, 1) << "one pass of the fight";
    EXPECT_EQ(healthSeen[0], 30);
    EXPECT_EQ(healthSeen[1], 45) << "player 2's highlighted name";
}
