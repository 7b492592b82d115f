// Every roster fighter can fight: each plays a one-round match on the real
// fight screen against a fixed opponent, both sides under aggressive computer
// players, and never stands frozen or hangs in a move; the match ends with a
// winner in its end pose and the loser on the ground.
#include "content/backgrounds.h"
#include "content/data_tree.h"
#include "content/roster/roster.h"

#include "control/ai.h"
#include "engine/audio.h"
#include "engine/clock.h"
#include "engine/globals.h"
#include "engine/present.h"
#include "fighter/character_data.h"
#include "fighter/fighter.h"
#include "fighter/particles.h"
#include "fighter/target.h"
#include "screens/character_select.h"
#include "screens/fight_screen.h"
#include "screens/fight_ui.h"
#include "tests/support/test_support.h"

#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <memory>
#include <string>

using testing_support::ScratchDir;

namespace
{
constexpr Uint32 kStart = 1000;
// The game time a shown frame stands for. The clock stands still between
// frames, except during a hit-stop: the fight loop waits it out reading the
// clock, and each read then moves it on.
constexpr Uint32 kFrameMs = 15;
constexpr Uint32 kMsPerReadInHitStop = 1;
// Nothing about a fighter changing for this long while both stand is stuck.
constexpr Uint32 kStuckMs = 20000;
// No move lasts this long; one that does never ends.
constexpr Uint32 kLongestMoveMs = 5000;
// A match between two computer players is over well within this.
constexpr Uint32 kMatchLimitMs = 5 * 60 * 1000;
// Both sides start with this much health, whatever their chardata gives: the
// match tests that every move set fights to a knock-out, and the roster's
// balance sets far longer fights for some pairings than for others.
constexpr int kMatchHealth = 500;

const char* const kStage = "burningBase";

// The fixed opponent; Nick fights the first of the dead instead of himself.
std::string opponentOf(const std::string& name)
{
    return name == "Nick" ? "ZombieGuy" : "Nick";
}

// Watches one fighter while both have health: what it shows and where it
// is unchanged for kStuckMs (frozen on one frame, or looping a walk on the
// spot), or one showing of a move running for kLongestMoveMs.
class StuckWatch
{
public:
    StuckWatch(std::string who, const Fighter& f) : who(std::move(who)), fighter(f) {}

    void look(Uint32 now)
    {
        const Snapshot s{fighter.state, fighter.x, fighter.y};
        if (!seen || !(s == last))
        {
            last = s;
            seen = true;
            since = now;
            frozenSince = now;
        }
        else if (fighter.frame != lastFrame)
        {
            frozenSince = now;
        }
        lastFrame = fighter.frame;
        if (now - since >= kStuckMs && problem.empty())
        {
            problem = who + " stuck showing \"" + s.shows + "\" at (" + std::to_string(s.x) + ", " +
                      std::to_string(s.y) + ") for " + std::to_string((now - since) / 1000) + " s, " +
                      (now - frozenSince >= kStuckMs ? "frozen on frame " + std::to_string(lastFrame)
                                                     : std::string("its frames looping"));
        }
        if (fighter.currentMove != move || fighter.showing != moveShowing)
        {
            move = fighter.currentMove;
            moveShowing = fighter.showing;
            moveStart = now;
        }
        else if (move && now - moveStart >= kLongestMoveMs && problem.empty())
        {
            problem = who + "'s move \"" + fighter.returnMoveName() + "\" has run for " +
                      std::to_string((now - moveStart) / 1000) + " s (frame " +
                      std::to_string(fighter.frame) + ")";
        }
    }

    std::string problem;

private:
    struct Snapshot
    {
        std::string shows;
        int x, y;
        bool operator==(const Snapshot& o) const { return shows == o.shows && x == o.x && y == o.y; }
    };

    std::string who;
    const Fighter& fighter;
    bool seen = false;
    Snapshot last{};
    Uint32 since = 0;
    int lastFrame = -1;
    Uint32 frozenSince = 0;
    const moveInfo* move = nullptr;
    unsigned moveShowing = 0;
    Uint32 moveStart = 0;
};

// One side of the match, loaded as versus mode loads it and driven by an
// aggressive computer player.
struct Side
{
    soundSet sounds;
    std::unique_ptr<characterData> data;
    particleList shots;
    partInfoList faces;
    Target aim;
    AI ai;

    Side(const std::string& name, SDL_Surface* screen, partInfoList* kinds, int x)
    {
        data = std::make_unique<characterData>(("data/characters/" + name + "/chardata").c_str(), screen, 0,
                                               &sounds);
        data->fighter.x = x;
        data->fighter.y = 500;
        data->fighter.setHP(kMatchHealth, kMatchHealth);
        faces.addList("faces", "face", screen);
        ai.init(screen);
        ai.setup(&data->fighter, kinds, &shots, &sounds, data->anims, data->moves, &aim,
                 ("data/characters/" + name + "/ai").c_str());
        ai.faceInfo = &faces;
        ai.thinkMode = 2;
        ai.aiLevel = 0;
    }
    ~Side() { shots.removeAll(); }
    Fighter& fighter() { return data->fighter; }
};

// Each case writes the two fighters and what a fight screen shows into a
// scratch tree of its own (ctest runs every case in a process of its own).
class RosterMatch : public ::testing::TestWithParam<std::string>
{
protected:
    void SetUp() override
    {
        screen = testing_support::openTestVideo();
        ASSERT_NE(screen, nullptr);
        ASSERT_TRUE(datagen::generateDataTree(".", {"effects", "faces", "fightsounds", "fonts", "fighthud",
                                                    "hud", "buttonicons", "overlays", "pause", "menusounds",
                                                    "gamepads", "music"}));
        ASSERT_TRUE(datagen::writeCharacters("data", {GetParam(), opponentOf(GetParam())}));
        ASSERT_TRUE(datagen::writeStageBackgrounds("data", {kStage}));
        // Sounds and the stage's music load and play as in the game, on
        // SDL's dummy driver.
        SDL_InitSubSystem(SDL_INIT_AUDIO);
        g_audioOpen = Mix_OpenAudio(22050, AUDIO_S16LSB, 2, 4096) >= 0;
        ASSERT_TRUE(g_audioOpen) << Mix_GetError();
        setTestClock(kStart);
        setTestClockAutoAdvance(0);
        g_randomNumber.seed(1);
        freezeEnd = 0;
        fullyQuit = false;
    }
    void TearDown() override
    {
        setFrameObserver(nullptr);
        fullyQuit = false;
        freezeEnd = 0;
        releaseTestClock();
        if (g_audioOpen)
            Mix_CloseAudio();
        g_audioOpen = false;
    }

    ScratchDir scratch;
    SDL_Surface* screen = nullptr;
};

TEST_P(RosterMatch, FightsToAKnockOutWithoutGettingStuck)
{
    const std::string name = GetParam();
    const std::string rival = opponentOf(name);
    partInfoList kinds;
    kinds.addList("default", screen);
    Side one(name, screen, &kinds, 300);
    Side two(rival, screen, &kinds, 500);
    one.aim.setTarget(&two.fighter());
    two.aim.setTarget(&one.fighter());
    basicFightUI ui;
    ui.init(&one.fighter(), &two.fighter(), screen);

    const auto realStart = std::chrono::steady_clock::now();
    StuckWatch watchOne(name, one.fighter());
    StuckWatch watchTwo(rival, two.fighter());
    bool timedOut = false;
    bool endPoseShown = false;
    unsigned long frames = 0;
    Uint32 now = kStart;
    {
        PlayerVsPlayerScreen match(&one.ai, &two.ai, &ui, screen, kStage, nullptr, &one.shots, &two.shots, 1);
        setFrameObserver(
            [&](SDL_Surface*)
            {
                ++frames;
                setTestClockAutoAdvance(0);
                advanceTestClock(kFrameMs);
                now = gameTicks();
                // A blow of this frame started a hit-stop, shown by this
                // picture: let the wait that follows run the clock.
                if (now <= freezeEnd)
                    setTestClockAutoAdvance(kMsPerReadInHitStop);
                if (match.state == 2 && one.fighter().hp > 0 && two.fighter().hp > 0)
                {
                    watchOne.look(now);
                    watchTwo.look(now);
                }
                if (match.state == 4)
                {
                    const Fighter& winner = match.getWinner() == 1 ? one.fighter() : two.fighter();
                    endPoseShown = endPoseShown || winner.returnMoveName() == "endPose1";
                }
                timedOut = now - kStart > kMatchLimitMs;
                if (timedOut || !watchOne.problem.empty() || !watchTwo.problem.empty())
                    fullyQuit = true;
            });
        match.update();
        setFrameObserver(nullptr);
        const bool quitEarly = fullyQuit;
        fullyQuit = false;

        const double realMs =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - realStart).count();
        const Fighter& winner = match.getWinner() == 1 ? one.fighter() : two.fighter();
        const Fighter& loser = match.getWinner() == 1 ? two.fighter() : one.fighter();
        const std::string outcome =
            !match.finished || quitEarly ? "no winner" : (match.getWinner() == 1 ? name : rival) + " wins";
        std::printf("%s against %s: %s after %.1f s of play (%lu frames, %.1f ms a frame), %.0f ms real\n",
                    name.c_str(), rival.c_str(), outcome.c_str(), (now - kStart) / 1000.0, frames,
                    frames ? static_cast<double>(now - kStart) / frames : 0.0, realMs);

        EXPECT_EQ(watchOne.problem, "");
        EXPECT_EQ(watchTwo.problem, "");
        EXPECT_FALSE(timedOut) << "no winner after " << kMatchLimitMs / 1000 << " s of play, health "
                               << one.fighter().hp << " to " << two.fighter().hp;
        ASSERT_TRUE(match.finished && !quitEarly) << "the match did not end";
        EXPECT_EQ(match.wins1 + match.wins2, 1) << "a double knock-out";
        EXPECT_TRUE(endPoseShown) << "the winner never struck its end pose";
        EXPECT_GT(winner.hp, 0);
        EXPECT_LT(loser.hp, 1);
        // Down: the crash held on its lying frame, on the ground.
        EXPECT_EQ(loser.returnMoveName(), "crash");
        EXPECT_EQ(loser.animating, 0) << "the crash goes on to frame " << loser.frame;
        EXPECT_EQ(loser.y, g_GroundLevel);
        EXPECT_TRUE(loser.grounded);
    }
}

std::string caseName(const ::testing::TestParamInfo<std::string>& info)
{
    return info.param;
}

INSTANTIATE_TEST_SUITE_P(EveryFighter, RosterMatch,
                         ::testing::ValuesIn(characterSelectScreen::getAllCharacters()), caseName);
} // namespace
