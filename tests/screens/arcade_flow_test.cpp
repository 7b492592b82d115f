// Arcade runs on the real player-count, character-select and game-over
// screens with every stage recorded instead of played: the whole run's
// stages, scripts and backgrounds in order, retries after a loss, quitting,
// a stage left through the pause menu, and backing out before the fighters.
#include "engine/clock.h"
#include "engine/globals.h"
#include "modes/arcade_mode.h"
#include "stages/final_run.h"
#include "stages/level0.h"
#include "stages/level1.h"
#include "stages/level2.h"
#include "stages/level3.h"
#include "stages/level4.h"
#include "stages/level5.h"
#include "stages/level6.h"
#include "stages/level7.h"
#include "stages/level8.h"
#include "stages/single_boss.h"
#include "tests/screens/fight_fixture.h"

#include <deque>
#include <gtest/gtest.h>
#include <map>
#include <typeindex>
#include <vector>

using namespace testing_support;

namespace
{
using Log = std::vector<std::string>;

// Each menu's backdrop, told apart at (5, 5).
const std::map<std::string, Colour> kMenus = {
    {"players", {150, 20, 20}},
    {"select", {10, 90, 10}},
    {"game over", {20, 20, 150}},
};

// A script as "Lv3" or "SingleBoss(Vlad, 2000, 100)".
std::string describe(beatEmUpSegmentBuilder* builder)
{
    if (auto* boss = dynamic_cast<beatEmUpSegBuilderSingleBoss*>(builder))
        return "SingleBoss(" + boss->bossName + ", " + std::to_string(boss->bossHP) + ", " +
               std::to_string(boss->bossPower) + ")";
    const std::map<std::type_index, const char*> names = {
        {typeid(beatEmUpSegBuilderLv0), "Lv0"},         {typeid(beatEmUpSegBuilderLv1), "Lv1"},
        {typeid(beatEmUpSegBuilderLv2), "Lv2"},         {typeid(beatEmUpSegBuilderLv3), "Lv3"},
        {typeid(beatEmUpSegBuilderLv4), "Lv4"},         {typeid(beatEmUpSegBuilderLv5), "Lv5"},
        {typeid(beatEmUpSegBuilderLv6), "Lv6"},         {typeid(beatEmUpSegBuilderLv7), "Lv7"},
        {typeid(beatEmUpSegBuilderLv8), "Lv8"},         {typeid(beatEmUpSegBuilderLv9), "Lv9"},
        {typeid(beatEmUpSegBuilderCredits), "Credits"},
    };
    const auto found = names.find(typeid(*builder));
    return found == names.end() ? "?" : found->second;
}

// Levels 1 to 19 as the run plays them: the script, then its background.
const Log kWholeRun = {
    "Lv0 nicksPlace",     "SingleBoss(Vlad, 2000, 100) borderStreetNight",
    "Lv1 borderStreet",   "SingleBoss(Spectre, 2000, 100) burningBase",
    "Lv2 RichStreet",     "SingleBoss(Weldy, 4000, 100) trainBattle",
    "Lv3 LongStreet",     "Lv4 TowerBase",
    "Lv5 elevatorBattle", "SingleBoss(Giancarlo, 5000, 100) towerTop",
    "Lv6 ToTheNavy",      "SingleBoss(Spectre, 5000, 100) burningNavy",
    "Lv7 airship",        "SingleBoss(Mech, 6000, 100) airshipHangar",
    "Lv8 HellRoad",       "SingleBoss(Johnny, 7000, 100) darkStreet",
    "Lv9 finalRun",       "SingleBoss(Lilith, 10000, 100) destroyedStreet",
    "Credits credits",
};

// The entries of levels `first` to `last`.
Log levels(int first, int last)
{
    return Log(kWholeRun.begin() + first - 1, kWholeRun.begin() + last);
}

Log join(std::initializer_list<Log> parts)
{
    Log all;
    for (const Log& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

const std::vector<SDLKey> kConfirm = {kConfirm1};
const std::vector<SDLKey> kSecondEntry = {SDLK_DOWN, kConfirm1};
const std::vector<SDLKey> kBackEntry = {SDLK_DOWN, SDLK_DOWN, kConfirm1};
const std::vector<SDLKey> kEscape = {SDLK_ESCAPE};
const std::vector<SDLKey> kBothConfirm = {kConfirm1, kConfirm2};

struct FlowCase
{
    const char* name;
    // The keys pressed on each opening of a menu, in turn.
    std::map<std::string, std::deque<std::vector<SDLKey>>> keys;
    // How the recorded stages end, in turn; won once these run out.
    std::deque<stageOutcome> stages;
    Log log;
    int players;
    int level;
};

const stageOutcome kWon{true, 1};
const stageOutcome kLost{true, 2};
const stageOutcome kLeft{false, 1};

const FlowCase kFlows[] = {
    {"every stage won by one player",
     {{"players", {kConfirm}}, {"select", {kConfirm}}},
     {},
     join({{"players", "select"}, levels(1, 19)}),
     1,
     20},
    {"two players win every stage",
     {{"players", {kSecondEntry}}, {"select", {kBothConfirm}}},
     {},
     join({{"players", "select"}, levels(1, 19)}),
     2,
     20},
    {"a loss, going on, and the same stage again",
     {{"players", {kConfirm}}, {"select", {kConfirm}}, {"game over", {kConfirm}}},
     {kWon, kLost, kWon, kLeft},
     join({{"players", "select"}, levels(1, 2), {"game over"}, levels(2, 3)}),
     1,
     4},
    {"Escape on the game-over screen goes on",
     {{"players", {kConfirm}}, {"select", {kConfirm}}, {"game over", {kEscape, kEscape}}},
     {kLost, kLost, kLeft},
     join({{"players", "select"}, levels(1, 1), {"game over"}, levels(1, 1), {"game over"}, levels(1, 1)}),
     1,
     2},
    {"a loss and quit",
     {{"players", {kConfirm}}, {"select", {kConfirm}}, {"game over", {kSecondEntry}}},
     {kWon, kWon, kLost},
     join({{"players", "select"}, levels(1, 3), {"game over"}}),
     1,
     3},
    {"a stage left through the pause menu ends the run",
     {{"players", {kConfirm}}, {"select", {kConfirm}}},
     {kWon, kWon, kLeft},
     join({{"players", "select"}, levels(1, 3)}),
     1,
     4},
    {"Escape on the player count goes on with one player",
     {{"players", {kEscape}}, {"select", {kConfirm}}},
     {kLeft},
     join({{"players", "select"}, levels(1, 1)}),
     1,
     2},
    {"the player count's back entry leaves before character select",
     {{"players", {kBackEntry}}},
     {},
     {"players"},
     1,
     0},
};

class ArcadeFlow : public ::testing::TestWithParam<FlowCase>
{
protected:
    ArcadeFlow()
    {
        writePads();
        writePictures("data/screens/arcade", {Picture{20, 20, kMenus.at("players"), 100}});
        writePictures("data/screens/characterSelect", {Picture{20, 20, kMenus.at("select"), 100}});
        writePictures("data/screens/gameOver", {Picture{20, 20, kMenus.at("game over"), 100}});
        fullyQuit = false;
        setTestClock(100000);
        setTestClockAutoAdvance(1);
        drainQueue();
    }
    ~ArcadeFlow() override { drainQueue(); }

    ScratchDir dir;
    GlobalsGuard globals;
    SDL_Surface* screen = openTestVideo();
};

void PrintTo(const FlowCase& c, std::ostream* os)
{
    *os << c.name;
}
} // namespace

TEST_P(ArcadeFlow, StagesRunInOrderWithRetries)
{
    FlowCase c = GetParam();
    arcadeMode mode;
    mode.init(screen);
    Log log;
    std::string shown; // the menu the last frame showed
    mode.playStage = [&](const char* background, beatEmUpSegmentBuilder* builder)
    {
        log.push_back(describe(builder) + " " + background);
        shown.clear();
        if (c.stages.empty())
            return kWon;
        const stageOutcome end = c.stages.front();
        c.stages.pop_front();
        return end;
    };
    {
        FrameWatch watch(
            [&](SDL_Surface* s)
            {
                std::string menu;
                for (const auto& m : kMenus)
                    if (shows(s, 5, 5, m.second))
                        menu = m.first;
                if (menu == shown)
                    return;
                shown = menu;
                if (menu.empty())
                    return;
                log.push_back(menu);
                std::deque<std::vector<SDLKey>>& keys = c.keys[menu];
                if (keys.empty())
                {
                    ADD_FAILURE() << menu << " opened once more than scripted";
                    pushQuit();
                    return;
                }
                for (SDLKey key : keys.front())
                    pushKey(key);
                keys.pop_front();
            },
            20000);
        mode.update();
        EXPECT_FALSE(watch.ranAway);
    }
    EXPECT_EQ(log, c.log);
    EXPECT_TRUE(mode.quit);
    EXPECT_FALSE(fullyQuit);
    EXPECT_EQ(mode.level, c.level);
    EXPECT_EQ(mode.playerCount, c.players);
    if (c.level > 0)
    {
        EXPECT_EQ(mode.player1Name, "Nick") << "the first of the roster";
        EXPECT_EQ(mode.player2Name, c.players == 2 ? "Nick" : "");
    }
}

INSTANTIATE_TEST_SUITE_P(Runs, ArcadeFlow, ::testing::ValuesIn(kFlows));
