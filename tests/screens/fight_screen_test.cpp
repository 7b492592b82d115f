// The one-on-one fight screen run headless to its end: AI matches to a winner
// over one and two winning rounds, knock-outs scripted by the test, the pause
// menu's resume and quit, the window closed, and the overlays, hit-stop and
// music seen in the presented frames.
#include "control/ai.h"
#include "engine/clock.h"
#include "engine/frame_pace.h"
#include "engine/globals.h"
#include "engine/present.h"
#include "screens/fight_screen.h"
#include "tests/screens/fight_fixture.h"

#include <SDL_mixer.h>
#include <cstdio>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

using namespace testing_support;

namespace
{
// A pixel inside each overlay, placed as the fight screen places them.
struct OverlaySpot
{
    int state;
    int x, y;
    Colour colour;
};
const OverlaySpot kOverlays[] = {
    {1, 95 + 10, 150 + 10, kFightColour},
    {3, 250 + 10, 150 + 10, kKOColour},
    {4, 95 + 10, 150 + 10, kWinnerColour},
};

class FightScreenTest : public ::testing::Test
{
protected:
    FightScreenTest()
    {
        writeFightData();
        fullyQuit = false;
        freezeEnd = 0;
        shakeAmt = 0;
        setTestClock(100000);
        // Every read of the clock moves it on, so hit-stop waits and the
        // overlays end while the screen runs as fast as it can.
        setTestClockAutoAdvance(1);
        drainQueue();
    }
    ~FightScreenTest() override { drainQueue(); }

    ScratchDir dir;
    GlobalsGuard globals;
    AudioSession audio;
    SDL_Surface* screen = openTestVideo();
};

// What the frames of one match showed, state by state.
struct MatchLog
{
    std::set<int> overlaysSeen;   // states whose overlay was seen at its place
    std::set<int> overlaysMissed; // states whose overlay showed at a wrong place
    int knockOuts = 0;
    int rounds = 0;
    // Rounds that opened with the fight overlay, knock-outs shown with theirs.
    int roundsIntroduced = 0;
    int knockOutsShown = 0;
    bool introduced = false;
    bool shownKO = false;
    // The background is dimmed while a knock-out is shown, and only then.
    bool dimmedRight = true;
    bool healthRestored = true;
    bool musicPlayed = false;
    bool endPoseShown = false;
    int lastState = 0;

    void look(SDL_Surface* s, PlayerVsPlayerScreen& m)
    {
        const int state = m.state;
        for (const OverlaySpot& o : kOverlays)
        {
            if (shows(s, o.x, o.y, o.colour))
                (o.state == state ? overlaysSeen : overlaysMissed).insert(o.state);
        }
        if (state != lastState && state == 1)
        {
            ++rounds;
            introduced = false;
            for (playerControl* c : {m.control1, m.control2})
                if (c->fighter->hp != c->fighter->maxHP)
                    healthRestored = false;
        }
        if (state != lastState && state == 3)
        {
            ++knockOuts;
            shownKO = false;
        }
        if (state == 1 && !introduced && shows(s, 105, 160, kFightColour))
        {
            introduced = true;
            ++roundsIntroduced;
        }
        if (state == 3 && !shownKO && shows(s, 260, 160, kKOColour))
        {
            shownKO = true;
            ++knockOutsShown;
        }
        if (state == 2 || state == 3)
            dimmedRight = dimmedRight && shows(s, 350, 5, kSignColour) == (state == 2);
        if (state == 2 && Mix_PlayingMusic())
            musicPlayed = true;
        if (state == 4)
        {
            playerControl* winner = m.wins1 < m.wins2 ? m.control2 : m.control1;
            endPoseShown = endPoseShown || winner->fighter->returnMoveName() == "endPose1";
        }
        lastState = state;
    }
};
} // namespace

// Two aggressive AIs fight to a winner; each round opens with the fight
// overlay, ends with the knock-out overlay, and the match with the winner's
// end pose under the winner overlay. Between rounds health is restored.
TEST_F(FightScreenTest, TwoAIsFightAMatchToItsWinner)
{
    const struct
    {
        int roundsToWin;
        unsigned int seed;
    } cases[] = {{1, 3}, {2, 11}, {2, 2024}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE("rounds to win " + std::to_string(c.roundsToWin) + ", seed " + std::to_string(c.seed));
        g_randomNumber.seed(c.seed);
        Duel duel(screen);
        duel.useAI(1);
        duel.useAI(2);
        PlayerVsPlayerScreen match(duel.control1, duel.control2, &duel.ui, screen, "arena", nullptr,
                                   &duel.one.particles, &duel.two.particles, c.roundsToWin);
        EXPECT_EQ(match.getWinner(), 1) << "before any round was won";
        MatchLog log;
        {
            FrameWatch watch([&](SDL_Surface* s) { log.look(s, match); });
            match.update();
            EXPECT_FALSE(watch.ranAway) << "the match never ended";
        }
        EXPECT_TRUE(match.finished);
        const int winner = match.getWinner();
        const int loser = 3 - winner;
        const int winnerWins = winner == 1 ? match.wins1 : match.wins2;
        const int loserWins = winner == 1 ? match.wins2 : match.wins1;
        EXPECT_EQ(winnerWins, c.roundsToWin);
        EXPECT_LT(loserWins, c.roundsToWin);
        EXPECT_LT(duel.fighter(loser).hp, 1) << "the last round's loser is down";
        EXPECT_GE(duel.fighter(winner).hp, 1);
        EXPECT_EQ(log.knockOuts, match.wins1 + match.wins2);
        EXPECT_EQ(log.rounds, log.knockOuts);
        EXPECT_EQ(log.roundsIntroduced, log.rounds) << "every round opens with the fight overlay";
        EXPECT_EQ(log.knockOutsShown, log.knockOuts);
        EXPECT_TRUE(log.dimmedRight) << "the background dims for the knock-out only";
        EXPECT_TRUE(log.healthRestored);
        EXPECT_EQ(log.overlaysSeen, (std::set<int>{1, 3, 4}));
        EXPECT_TRUE(log.overlaysMissed.empty());
        EXPECT_TRUE(log.endPoseShown);
        if (audio.open())
        {
            EXPECT_TRUE(log.musicPlayed);
            EXPECT_EQ(Mix_PlayingMusic(), 0) << "the music plays on after the match";
        }
    }
}

namespace
{
// A knock-out set by the test: when the round's fight has shown `after`
// frames, the listed sides drop to no health.
struct KnockOut
{
    bool side1;
    bool side2;
};

// Runs a match between two idle players whose rounds end as scripted, and
// notes what the third round started from.
struct ScriptedMatch
{
    std::vector<KnockOut> knockOuts;
    unsigned long after = 5;

    int round = 0;
    unsigned long fightFrames = 0;
    int lastState = 0;
    // Where the fighters stood and what power they had at the last knock-out,
    // and what the next round started with.
    int xAtKnockOut[2] = {0, 0};
    int xAtStart[2] = {0, 0};
    int powerAtStart[2] = {0, 0};
    int hpAtStart[2] = {0, 0};

    void look(PlayerVsPlayerScreen& m)
    {
        Fighter* f[2] = {m.control1->fighter, m.control2->fighter};
        if (m.state == 1 && lastState == 3)
            for (int i = 0; i < 2; ++i)
            {
                xAtStart[i] = f[i]->x;
                powerAtStart[i] = f[i]->power;
                hpAtStart[i] = f[i]->hp;
            }
        if (m.state == 2 && lastState != 2)
            fightFrames = 0;
        if (m.state == 2 && ++fightFrames == after && round < static_cast<int>(knockOuts.size()))
        {
            const KnockOut& k = knockOuts[static_cast<std::size_t>(round++)];
            // Move them somewhere a new round would not put them, with some power.
            f[0]->x = 380;
            f[1]->x = 470;
            f[0]->setPower(10, 100);
            f[1]->setPower(20, 100);
            if (k.side1)
                f[0]->hp = 0;
            if (k.side2)
                f[1]->hp = 0;
        }
        if (m.state == 3)
            for (int i = 0; i < 2; ++i)
                xAtKnockOut[i] = f[i]->x;
        lastState = m.state;
    }
};
} // namespace

TEST_F(FightScreenTest, RoundsEndAsTheKnockOutsFall)
{
    const struct
    {
        const char* name;
        int roundsToWin;
        std::vector<KnockOut> knockOuts;
        bool overlaysMissing;
        int wins1, wins2, winner;
    } cases[] = {
        {"player 1 wins the only round", 1, {{false, true}}, false, 1, 0, 1},
        {"player 2 wins two straight", 2, {{true, false}, {true, false}}, false, 0, 2, 2},
        {"a double knock-out credits both; player 1 strikes the pose", 1, {{true, true}}, false, 1, 1, 1},
        {"one round each, then a third", 2, {{false, true}, {true, false}, {false, true}}, false, 2, 1, 1},
        {"no overlay pictures: the match still ends",
         2,
         {{false, true}, {true, false}, {true, false}},
         true,
         1,
         2,
         2},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        for (const char* folder : {"data/fightStart", "data/fightKO", "data/fightWinner"})
            std::remove((std::string(folder) + "/info").c_str());
        if (!c.overlaysMissing)
            writeRoundOverlays();
        Duel duel(screen);
        duel.useHuman(1, &duel.one.pad);
        duel.useHuman(2, &duel.two.pad);
        PlayerVsPlayerScreen match(duel.control1, duel.control2, &duel.ui, screen, "arena", nullptr,
                                   &duel.one.particles, &duel.two.particles, c.roundsToWin);
        ScriptedMatch script;
        script.knockOuts = c.knockOuts;
        bool endPose = false;
        {
            FrameWatch watch(
                [&](SDL_Surface*)
                {
                    script.look(match);
                    if (match.state == 4)
                        endPose =
                            endPose || (c.winner == 1 ? duel.fighter(1) : duel.fighter(2)).returnMoveName() ==
                                           "endPose1";
                },
                20000);
            match.update();
            EXPECT_FALSE(watch.ranAway) << "the match never ended";
        }
        EXPECT_TRUE(match.finished);
        EXPECT_EQ(match.wins1, c.wins1);
        EXPECT_EQ(match.wins2, c.wins2);
        EXPECT_EQ(match.getWinner(), c.winner);
        EXPECT_TRUE(endPose) << "the winner's end pose";
        if (c.knockOuts.size() == 3)
        {
            for (int i = 0; i < 2; ++i)
            {
                SCOPED_TRACE("fighter " + std::to_string(i + 1));
                EXPECT_EQ(script.hpAtStart[i], duel.fighter(i + 1).maxHP) << "health restored";
                EXPECT_NEAR(script.xAtStart[i], script.xAtKnockOut[i], 8)
                    << "the round starts where they stood";
                EXPECT_GE(script.powerAtStart[i], 10 * (i + 1)) << "power kept";
                EXPECT_LT(script.powerAtStart[i], 60) << "power kept, not refilled";
            }
        }
    }
}

// A knock-out blow that starts a hit-stop holds a frame that already shows
// the knock-out overlay; nothing more is shown until the stop ends.
TEST_F(FightScreenTest, AKnockOutHitStopHoldsTheKnockOutFrame)
{
    Duel duel(screen);
    duel.useHuman(1, &duel.one.pad);
    duel.useHuman(2, &duel.two.pad);
    PlayerVsPlayerScreen match(duel.control1, duel.control2, &duel.ui, screen, "arena", nullptr,
                               &duel.one.particles, &duel.two.particles, 1);
    struct Shown
    {
        int state;
        Uint32 at;
        bool koOverlay;
    };
    std::vector<Shown> shown;
    int fightFrames = 0;
    Uint32 stopEnd = 0;
    {
        FrameWatch watch(
            [&](SDL_Surface* s)
            {
                shown.push_back(Shown{match.state, gameTicks(), shows(s, 260, 160, kKOColour)});
                if (match.state == 2 && ++fightFrames == 10)
                {
                    duel.fighter(2).hp = 0;
                    stopEnd = gameTicks() + 2000;
                    freezeEnd = stopEnd;
                }
            },
            20000);
        match.update();
    }
    ASSERT_TRUE(match.finished);
    std::size_t blow = 0;
    while (blow < shown.size() && shown[blow].state != 3)
        ++blow;
    ASSERT_LT(blow + 1, shown.size());
    EXPECT_TRUE(shown[blow].koOverlay) << "the held frame shows the knock-out";
    EXPECT_LT(shown[blow].at, stopEnd) << "drawn during the stop";
    EXPECT_GT(shown[blow + 1].at, stopEnd) << "nothing drawn while the stop holds";
}

namespace
{
// A pause scripted by the test: the keys pressed in the pause menu.
struct PauseVisit
{
    std::vector<SDLKey> keys;
};
} // namespace

// Player 1's Escape opens the pause menu over the fight, which waits for its
// frames as menus do while the fight never does; its quit leaves the
// match unfinished, its resume (by Escape or by the first button) goes on
// with the fight, and the menu opens again where its cursor was left.
TEST_F(FightScreenTest, ThePauseMenuResumesOrLeavesTheMatch)
{
    const struct
    {
        const char* name;
        std::vector<PauseVisit> visits;
        bool finished;
    } cases[] = {
        {"quit", {{{SDLK_DOWN, kConfirm1}}}, false},
        {"resume by Escape", {{{SDLK_ESCAPE}}}, true},
        {"resume by the first button", {{{kConfirm1}}}, true},
        {"the cursor stays on quit for the next pause", {{{SDLK_DOWN, SDLK_ESCAPE}}, {{kConfirm1}}}, false},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        g_randomNumber.seed(5);
        Duel duel(screen);
        duel.useHuman(1, &GPad1);
        duel.useAI(2);
        PlayerVsPlayerScreen match(duel.control1, duel.control2, &duel.ui, screen, "arena", nullptr,
                                   &duel.one.particles, &duel.two.particles, 1);
        std::size_t visits = 0;
        bool wasPaused = false;
        int fightFrames = 0;
        std::vector<int> cursorShown; // the selected button seen as each pause opened
        bool pauseOverFight = true;
        // A clock that only the waits move on: every menu frame after the first
        // waits, and a fight frame never does, also after a pause.
        Uint32 now = 5000;
        int pausedWaits = 0;
        int fightWaits = 0;
        setFrameWaiter({[&] { return now; },
                        [&](Uint32 ms)
                        {
                            (match.paused ? pausedWaits : fightWaits) += 1;
                            now += ms;
                        }});
        {
            FrameWatch watch(
                [&](SDL_Surface* s)
                {
                    if (match.paused && !wasPaused)
                    {
                        cursorShown.push_back(shows(s, 224 + 5, 250 + 5, kSelectedColour) ? 0 : 1);
                        pauseOverFight =
                            pauseOverFight && shows(s, 5, 5, kPauseColour) && shows(s, 5, 30, kSkyColour);
                        for (SDLKey k : c.visits[visits].keys)
                            pushKey(k);
                        ++visits;
                    }
                    wasPaused = match.paused;
                    if (!match.paused && match.state == 2 && ++fightFrames % 20 == 0 &&
                        visits < c.visits.size())
                        pushKey(SDLK_ESCAPE);
                },
                100000);
            match.update();
            EXPECT_FALSE(watch.ranAway);
        }
        setFrameWaiter({});
        EXPECT_EQ(visits, c.visits.size());
        EXPECT_EQ(match.finished, c.finished);
        EXPECT_GE(pausedWaits, static_cast<int>(c.visits.size()));
        EXPECT_EQ(fightWaits, 0);
        EXPECT_EQ(currentFramePace(), FramePace::menu) << "the menus that opened the fight wait again";
        EXPECT_TRUE(pauseOverFight) << "the menu is drawn over the last fight frame";
        if (c.visits.size() == 2)
        {
            EXPECT_EQ(cursorShown, (std::vector<int>{0, 1}));
        }
        if (c.finished)
        {
            EXPECT_EQ(match.getWinner(), 2) << "the AI beats the player who stood still";
        }
        EXPECT_FALSE(match.paused);
        EXPECT_EQ(duel.control1->pauseRequest, 0);
        if (audio.open())
        {
            EXPECT_EQ(Mix_PlayingMusic(), 0);
        }
    }
}

// The window closed during the fight ends the match after one more pass,
// unfinished; during the winner overlay it waits for the screen after the
// match. Player 2's pause key never pauses.
TEST_F(FightScreenTest, LeavingWithoutThePauseMenu)
{
    const struct
    {
        const char* name;
        int pushAtState; // the quit is pushed at the first frame of this state
        bool quit;       // else player 2's pause key, then a knock-out
        bool finished;
        bool quitSeen;
    } cases[] = {
        {"the window closed while they fight", 2, true, false, true},
        {"the window closed under the winner overlay", 4, true, true, false},
        {"player 2's pause key", 2, false, true, false},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        fullyQuit = false;
        drainQueue();
        GPad1.loadGamePad(kPad1Path);
        GPad2.loadGamePad(kPad2Path);
        Duel duel(screen);
        duel.useHuman(1, &GPad1);
        duel.useHuman(2, &GPad2);
        PlayerVsPlayerScreen match(duel.control1, duel.control2, &duel.ui, screen, "arena", nullptr,
                                   &duel.one.particles, &duel.two.particles, 1);
        bool pushed = false;
        bool paused = false;
        int framesAfter = 0;
        int fightFrames = 0;
        {
            FrameWatch watch(
                [&](SDL_Surface*)
                {
                    paused = paused || match.paused;
                    if (pushed)
                        ++framesAfter;
                    if (match.state == 2)
                        ++fightFrames;
                    if (!pushed && match.state == c.pushAtState)
                    {
                        pushed = true;
                        if (c.quit)
                            pushQuit();
                        else
                            pushKey(kPause2);
                    }
                    if (c.pushAtState == 4 && fightFrames == 5)
                        duel.fighter(2).hp = 0;
                    if (!c.quit && fightFrames == 30)
                        duel.fighter(2).hp = 0;
                },
                20000);
            match.update();
            EXPECT_FALSE(watch.ranAway);
        }
        EXPECT_EQ(match.finished, c.finished);
        EXPECT_EQ(fullyQuit, c.quitSeen);
        EXPECT_FALSE(paused);
        if (c.quitSeen)
        {
            EXPECT_LE(framesAfter, 2) << "one more pass after the close";
        }
        if (c.pushAtState == 4)
        {
            SDL_Event e;
            ASSERT_EQ(SDL_PollEvent(&e), 1) << "the close waits in the queue";
            EXPECT_EQ(e.type, SDL_QUIT);
        }
        fullyQuit = false;
    }
}

// The fighters and the HUD outlive the screen (a mode shows them again in
// its next fight); nothing of theirs may point into the screen that went.
TEST_F(FightScreenTest, FightersOutliveTheScreen)
{
    Duel duel(screen);
    duel.useHuman(1, &duel.one.pad);
    duel.useHuman(2, &duel.two.pad);
    {
        PlayerVsPlayerScreen match(duel.control1, duel.control2, &duel.ui, screen, "arena", nullptr,
                                   &duel.one.particles, &duel.two.particles, 1);
        FrameWatch watch(
            [&](SDL_Surface*)
            {
                if (match.state == 2)
                    duel.fighter(2).hp = 0;
            });
        match.update();
        ASSERT_TRUE(match.finished);
    }
    for (int side : {1, 2})
    {
        EXPECT_EQ(duel.fighter(side).comCounter, nullptr);
        EXPECT_EQ(duel.fighter(side).getCombo(), 0);
    }
    for (playerControl* c : {duel.control1, duel.control2})
    {
        EXPECT_EQ(c->effects, nullptr);
        EXPECT_EQ(c->specialBackdrop, nullptr);
    }
    duel.ui.update();
}
