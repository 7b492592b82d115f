// Arcade stages played headless on small fixture scripts with the chosen
// fighters loaded as the mode loads them: an empty script won at once, one
// or two players each on their own pad with the HUD showing their sides, a
// knock-out lost and the retry's fresh fighter, and fighters never chosen
// with the window closed. Afterwards the HUD and lists hold nothing of the
// fighters that went.
#include "engine/clock.h"
#include "engine/globals.h"
#include "fighter/fighter.h"
#include "fighter/move_set.h"
#include "modes/arcade_mode.h"
#include "tests/screens/stage_fixture.h"

#include <gtest/gtest.h>
#include <vector>

using namespace testing_support;

namespace
{
using k = segmentKind;

class ArcadeStage : public ::testing::Test
{
protected:
    ArcadeStage()
    {
        writeStageData();
        readyForStage();
    }
    ~ArcadeStage() override { drainQueue(); }

    // A mode with "Red" for player 1 and, for two players, "Blue" for player 2.
    void choose(int players)
    {
        mode.init(screen);
        mode.playerCount = players;
        mode.player1Name = "Red";
        mode.player2Name = players > 1 ? "Blue" : "";
    }

    // Once a stage is over, nothing may point into its fighters.
    void expectLetGo()
    {
        EXPECT_EQ(mode.fightUI.fighter1, nullptr);
        EXPECT_EQ(mode.fightUI.fighter2, nullptr);
        EXPECT_EQ(mode.playerParticles.size(), 0);
        EXPECT_EQ(mode.enemyParticles.size(), 0);
    }

    ScratchDir dir;
    GlobalsGuard globals;
    SDL_Surface* screen = openTestVideo();
    arcadeMode mode;
};

// The HUD holds the fighters only while a stage runs, so its first fighter
// tells a stage frame from the loading picture.
bool inStage(arcadeMode& mode)
{
    return mode.fightUI.fighter1 != nullptr;
}
} // namespace

// With nothing to do, the stage is won on its first fight frame and the run
// goes on.
TEST_F(ArcadeStage, AnEmptyScriptIsWonAtOnce)
{
    for (int players : {1, 2})
    {
        SCOPED_TRACE(players);
        choose(players);
        TableScript script({}, {});
        int stageFrames = 0;
        {
            FrameWatch watch([&](SDL_Surface*) { stageFrames += inStage(mode) ? 1 : 0; }, 20000);
            mode.fight("street", &script);
            EXPECT_FALSE(watch.ranAway);
        }
        EXPECT_TRUE(script.built);
        EXPECT_GT(stageFrames, 0);
        EXPECT_FALSE(mode.quit);
        EXPECT_FALSE(mode.lost);
        expectLetGo();
    }
}

// Both players strike their start pose; then player 1's attack key moves
// player 1 only and player 2's moves player 2 only; with one player, player
// 2's key does nothing. The HUD shows one side
// for one player, both for two. Closing the window leaves the stage.
TEST_F(ArcadeStage, EachPlayerOnTheirOwnPad)
{
    const struct
    {
        int players;
        std::vector<std::string> starts;
    } cases[] = {
        {1, {"1 pose1", "1 jab"}},
        {2, {"1 pose1", "2 pose1", "1 jab", "2 jab"}},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.players);
        fullyQuit = false;
        choose(c.players);
        TableScript script({}, {{k::posTrigger, 1100}});
        bool introShown = false;
        int fightFrames = 0;
        Fighter* sides[2] = {nullptr, nullptr};
        moveInfo* moving[2] = {nullptr, nullptr};
        std::vector<std::string> starts;
        {
            FrameWatch watch(
                [&](SDL_Surface* s)
                {
                    if (!inStage(mode))
                        return;
                    // Keys count once the "fight" overlay has come and gone.
                    if (shows(s, 105, 160, kFightColour))
                        introShown = true;
                    else if (introShown)
                        ++fightFrames;
                    sides[0] = mode.fightUI.fighter1;
                    sides[1] = mode.fightUI.fighter2;
                    for (int i = 0; i < c.players; ++i)
                    {
                        Fighter* f = i == 0 ? sides[0] : sides[1];
                        if (!f)
                            continue;
                        if (f->currentMove && f->currentMove != moving[i])
                            starts.push_back(std::to_string(i + 1) + " " + f->currentMove->name);
                        moving[i] = f->currentMove;
                    }
                    if (fightFrames == 10)
                        pushKey(kConfirm1);
                    if (fightFrames == 100)
                        pushKey(kConfirm2);
                    if (fightFrames == 200)
                        pushQuit();
                },
                20000);
            mode.fight("street", &script);
            EXPECT_FALSE(watch.ranAway);
        }
        EXPECT_EQ(starts, c.starts);
        ASSERT_NE(sides[0], nullptr);
        if (c.players == 1)
            EXPECT_EQ(sides[1], nullptr) << "one side of the HUD";
        else
            EXPECT_TRUE(sides[1] && sides[1] != sides[0]) << "two sides of the HUD";
        EXPECT_TRUE(mode.quit) << "the window closed in the stage";
        EXPECT_FALSE(mode.lost);
        expectLetGo();
    }
}

// An enemy that beats a player who does nothing loses the stage and ends the
// run for the game-over screen; the retry starts with a new fighter at full
// health.
TEST_F(ArcadeStage, AKnockOutLosesAndTheRetryStartsAfresh)
{
    choose(1);
    std::vector<int> healthAtStart;
    for (int attempt = 0; attempt < 2; ++attempt)
    {
        SCOPED_TRACE(attempt);
        mode.quit = false;
        mode.lost = false;
        TableScript script({EnemySpec{"Grunt", 30, 0, 150}}, {{k::activateWave, 0}, {k::monitorWave, 0}});
        bool first = true;
        {
            FrameWatch watch(
                [&](SDL_Surface*)
                {
                    if (!inStage(mode) || !first)
                        return;
                    first = false;
                    healthAtStart.push_back(mode.fightUI.fighter1->hp);
                    healthAtStart.push_back(mode.fightUI.fighter1->maxHP);
                },
                100000);
            mode.fight("street", &script);
            EXPECT_FALSE(watch.ranAway);
        }
        EXPECT_GT(script.enemies[0].fighter->hp, 0) << "the enemy still stands";
        EXPECT_TRUE(mode.lost);
        EXPECT_TRUE(mode.quit);
        expectLetGo();
    }
    EXPECT_EQ(healthAtStart, (std::vector<int>{30, 30, 30, 30}));
}

// The window closed on character select leaves no names: the stage loads
// "data/characters//chardata" as a missing file, ends at once unfinished, and
// the run is over.
TEST_F(ArcadeStage, FightersNeverChosenWithTheWindowClosed)
{
    for (int players : {1, 2})
    {
        SCOPED_TRACE(players);
        mode.init(screen);
        mode.playerCount = players;
        fullyQuit = true;
        TableScript script({}, {{k::posTrigger, 1100}});
        {
            FrameWatch watch([](SDL_Surface*) {}, 1000);
            mode.fight("street", &script);
            EXPECT_FALSE(watch.ranAway);
        }
        EXPECT_TRUE(mode.quit);
        EXPECT_FALSE(mode.lost);
        expectLetGo();
    }
}
