// The stages of the generated tree played to their end by the scripted Nick,
// his health held full: each must finish won, every step reached and every
// enemy down, within ten minutes of game time. The story's first stage must
// also be won with real health at a new save's stats. One case a run, so
// ctest runs them side by side.
#include "control/beat_em_up_control.h"
#include "engine/globals.h"
#include "fighter/fighter.h"
#include "screens/beat_em_up_stage.h"
#include "tests/support/test_support.h"
#include "tests/tools/generated_tree_run.h"
#include "tools/stagerun/stage_run.h"

#include <filesystem>
#include <map>
#include <gtest/gtest.h>

using namespace testing_support;

namespace
{
struct Clear
{
    const char* name;
    const char* stage;
    int strength; // 40 makes Nick's blows five times as strong
    unsigned seed = 1;
    const char* ally = "";
    bool twoPlayers = false;
};

void PrintTo(const Clear& c, std::ostream* os)
{
    *os << c.name;
}

const Clear kClears[] = {
    {"Lv0", "Lv0", 0},
    {"Lv0WithSadGhost", "Lv0", 0, 1, "SadGhost"},
    {"Lv0TwoPlayers", "Lv0", 0, 1, "", true},
    {"Lv1", "Lv1", 0},
    {"Lv2", "Lv2", 40},
    {"Lv3", "Lv3", 40},
    {"Lv4", "Lv4", 40},
    {"Lv4TwoPlayers", "Lv4", 40, 1, "", true},
    {"Lv5", "Lv5", 40},
    {"Lv6Seed1", "Lv6", 40, 1},
    {"Lv6Seed2", "Lv6", 40, 2},
    {"Lv7Seed1", "Lv7", 40, 1},
    {"Lv7Seed2", "Lv7", 40, 2},
    {"Lv8", "Lv8", 40},
    {"Lv9Seed1", "Lv9", 40, 1},
    {"Lv9Seed2", "Lv9", 40, 2},
    {"Lv9WithSadGhost", "Lv9", 40, 1, "SadGhost"},
    {"CreditsSeed1", "Credits", 40, 1},
    {"CreditsSeed2", "Credits", 40, 2},
    {"Boss1", "Boss1", 40},
    {"Boss2", "Boss2", 40},
    {"Boss3", "Boss3", 40},
    {"Boss4", "Boss4", 40},
    {"Boss5", "Boss5", 40},
    {"Boss6", "Boss6", 40},
    {"Boss7", "Boss7", 40},
    {"Boss8", "Boss8", 40},
};

class StageClear : public GeneratedTreeRun, public ::testing::WithParamInterface<Clear>
{
};

class StoryFirstStage : public GeneratedTreeRun, public ::testing::WithParamInterface<unsigned>
{
};
} // namespace

// The save the campaign's rewards give, with the coins spent as they come.
TEST(StorySave, EachChapterIsPlayedWithTheRewardsOfTheChaptersBefore)
{
    const storyFile fresh;
    const storyFile first = storySaveBefore(0);
    EXPECT_EQ(first.coins, fresh.coins);
    EXPECT_EQ(first.hpLevel, 0);
    EXPECT_EQ(first.primaryWeapon, fresh.primaryWeapon);
    // Rewards 1 to 5 give 620 coins: the first purchase, health, costs 500.
    const storyFile fifth = storySaveBefore(5);
    EXPECT_EQ(fifth.coins, 120);
    EXPECT_EQ(fifth.hpLevel, 1);
    EXPECT_EQ(fifth.strengthLevel + fifth.defenceLevel + fifth.speedLevel, 0);
    EXPECT_EQ(fifth.primaryWeapon, 0) << "the second reward makes Vlad's blade the primary weapon";
    // Before the last boss every reward but the last is in, and nothing is spent past the coins.
    const storyFile last = storySaveBefore(17);
    EXPECT_GE(last.coins, 0);
    EXPECT_EQ(last.progress, 18);
    EXPECT_GT(last.hpLevel, fifth.hpLevel);
}

TEST_P(StoryFirstStage, TheScriptedPlayerWinsItWithRealHealth)
{
    fullyQuit = false;
    freezeEnd = 0;
    g_randomNumber.seed(GetParam());
    stageRunOptions o;
    o.realHealth = true;
    o.seed = GetParam();
    o.timeLimitMs = 15u * 60u * 1000u;
    const stageRunResult r = runStoryChapter(screen, 0, o);
    ASSERT_TRUE(r.found);
    EXPECT_TRUE(r.cleared) << "health " << r.healthLeft << "/" << r.maxHealth << " after " << r.gameMs / 1000.0
                           << " s";
    EXPECT_GT(r.healthLeft, 0);
    EXPECT_EQ(r.enemiesDown, r.enemyCount);
    std::printf("story Lv0 seed %u: health %d/%d, game time %.1f s\n", GetParam(), r.healthLeft, r.maxHealth,
                r.gameMs / 1000.0);
}

INSTANTIATE_TEST_SUITE_P(GeneratedTree, StoryFirstStage, ::testing::Values(1u, 2u, 3u));

TEST_P(StageClear, TheScriptedNickClearsIt)
{
    const Clear& c = GetParam();
    fullyQuit = false;
    freezeEnd = 0;
    g_randomNumber.seed(c.seed);
    stageRunOptions o;
    o.stage = c.stage;
    o.strength = c.strength;
    o.ally = c.ally;
    o.twoPlayers = c.twoPlayers;
    const stageRunResult r = runStage(screen, o);
    ASSERT_TRUE(r.found);
    EXPECT_TRUE(r.finished);
    EXPECT_EQ(r.winner, 1);
    EXPECT_GT(r.segmentCount, 0);
    EXPECT_EQ(r.segmentsReached, r.segmentCount);
    EXPECT_EQ(r.enemiesDown, r.enemyCount);
    EXPECT_LT(r.gameMs, 10u * 60u * 1000u) << "ten minutes of game time";
    std::printf("%s: game time %.1f s, enemies down %d of %d, built in %.0f ms\n", c.name, r.gameMs / 1000.0,
                r.enemiesDown, r.enemyCount, r.buildMs);
}

INSTANTIATE_TEST_SUITE_P(GeneratedTree, StageClear, ::testing::ValuesIn(kClears),
                         [](const ::testing::TestParamInfo<Clear>& info)
                         { return std::string(info.param.name); });

namespace
{
// Which specials a fighter the scripted player plays should start, and which never.
struct SpecialUse
{
    const char* player;
    std::vector<std::string> started;
    std::vector<std::string> never;
};

void PrintTo(const SpecialUse& u, std::ostream* os)
{
    *os << u.player;
}

const SpecialUse kSpecialUses[] = {
    // A boss and an ally save their power for the fury: their rush costs less
    // and would spend it first.
    {"Vlad", {"fury"}, {"rushStrike"}},
    {"Male", {"fury"}, {"rushStrike"}},
    // A crowd whose spit costs less saves for its fury too.
    {"HellSkull", {"fury"}, {"spit"}},
    // The whip has no lunge: it saves its power for its dearest special, its
    // finisher, and spends none on the cheaper one a level earlier unlocks.
    {"NickWhip", {"StormCloudLv3"}, {"ThunderStruckLv2"}},
    // Nick's sword keeps its lunge.
    {"Nick", {"ImpaleStrike"}, {}},
};

class SpecialsSpent : public GeneratedTreeRun, public ::testing::WithParamInterface<SpecialUse>
{
};
} // namespace

// The first stage, arcade's way, for a minute and a half of game time: the
// moves player 1 starts, counted as they begin.
TEST_P(SpecialsSpent, TheScriptedPlayerSpendsPowerOnTheFightersOwnSpecials)
{
    const SpecialUse& u = GetParam();
    fullyQuit = false;
    freezeEnd = 0;
    g_randomNumber.seed(1);
    stageRunOptions o;
    o.stage = "Lv0";
    o.player = u.player;
    o.timeLimitMs = 90u * 1000u;
    std::map<std::string, int> starts;
    std::string last;
    o.everyFrame = [&](beatEmUpStageBase& stage)
    {
        const std::string now = stage.player->fighter->returnMoveName();
        if (now != last)
            ++starts[now];
        last = now;
    };
    const stageRunResult r = runStage(screen, o);
    ASSERT_TRUE(r.found);
    std::string seen;
    for (const auto& [name, count] : starts)
        seen += name + " " + std::to_string(count) + ", ";
    for (const std::string& name : u.started)
        EXPECT_GE(starts[name], 2) << name << "; started: " << seen;
    for (const std::string& name : u.never)
        EXPECT_EQ(starts[name], 0) << name << "; started: " << seen;
}

INSTANTIATE_TEST_SUITE_P(GeneratedTree, SpecialsSpent, ::testing::ValuesIn(kSpecialUses),
                         [](const ::testing::TestParamInfo<SpecialUse>& info)
                         { return std::string(info.param.player); });
