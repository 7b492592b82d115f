// Level 9, the credits and the single-boss stage built through the stage on small fixture characters:
// their enemies' types, health, power and reach, the random waves and places replayed from a seed with
// no draw more or less, the bosses' rows, and the steps each script walks.
#include "engine/clock.h"
#include "engine/globals.h"
#include "fighter/fighter.h"
#include "screens/beat_em_up_stage.h"
#include "stages/final_run.h"
#include "stages/single_boss.h"
#include "tests/screens/stage_fixture.h"
#include "tests/support/script_walker.h"

#include <gtest/gtest.h>
#include <vector>

using namespace testing_support;

namespace
{
const char* const kRandomStageSteps = "B0-8000 T100 A0 A1 M1 A2 M2 A3 M3 A4 M4 A5 M5 A6 M6 A7 M7 A8 M8 A9 M9 "
                                      "A10 M10 T7990";

class StageScriptTest : public ::testing::Test
{
protected:
    StageScriptTest()
    {
        fullyQuit = false;
        freezeEnd = 0;
        setTestClock(100000);
        setTestClockAutoAdvance(1);
        drainQueue();
    }
    ~StageScriptTest() override { drainQueue(); }

    ScratchDir dir;
    GlobalsGuard globals;
    SDL_Surface* screen = openTestVideo();
};

struct EnemyRun
{
    int first, last;
    const enemyData* type;
    int hp, maxHP, power, maxPower, rangeUnit;
};

// The draws a build must make: (wave, a, b) per enemy in index order.
struct Place
{
    int wave, x;
};
std::vector<Place> expectedPlaces(int seed)
{
    g_randomNumber.seed(seed);
    std::vector<Place> places;
    for (int k = 0; k < randomWaveStage::kEnemyCount; ++k)
    {
        const int wave = g_randomNumber.getNumber(9) + 1;
        const int a = g_randomNumber.getNumber(250);
        const int b = g_randomNumber.getNumber(250);
        places.push_back({wave, 1000 * wave + a - b});
    }
    return places;
}

// Builds `script` on a stage after seeding, and checks every enemy against its run and the seed's
// draws, and that the build drew nothing more.
void checkRandomStage(SDL_Surface* screen, randomWaveStage& script, const std::vector<EnemyRun>& runs,
                      int seed, bool withAlly)
{
    const std::vector<Place> places = expectedPlaces(seed);
    const int nextDraw = g_randomNumber.getNumber(32768);
    StagePlayers players(screen, withAlly ? "Blue" : "");
    g_randomNumber.seed(seed);
    beatEmUpStage stage(&script, &players.control1, players.ally(), &players.ui, screen, "street", nullptr,
                        &players.playerParticles, &players.enemyParticles);
    EXPECT_EQ(g_randomNumber.getNumber(32768), nextDraw) << "the build draws exactly three numbers an enemy";
    ASSERT_EQ(script.numEnemies, 100);
    EXPECT_EQ(script.numObjects, 0);
    EXPECT_EQ(script.startX, 15);
    EXPECT_EQ(players.one().x, 15);
    std::vector<Fighter*> candidates = {&players.one()};
    if (withAlly)
        candidates.push_back(&players.allyRig->fighter());
    for (const EnemyRun& run : runs)
        for (int k = run.first; k <= run.last; ++k)
        {
            SCOPED_TRACE("enemy " + std::to_string(k));
            const enemyData& record = script.enemies[k];
            const AIBeatEmUp& ai = script.enemyAI[k];
            EXPECT_EQ(record.data.anims, run.type->data.anims);
            EXPECT_EQ(record.data.moves, run.type->data.moves);
            EXPECT_EQ(record.fighter->hp, run.hp);
            EXPECT_EQ(record.fighter->maxHP, run.maxHP);
            if (run.maxPower >= 0)
            {
                EXPECT_EQ(record.fighter->power, run.power);
                EXPECT_EQ(record.fighter->maxPower, run.maxPower);
            }
            EXPECT_EQ(ai.rangeUnit, run.rangeUnit);
            EXPECT_FALSE(ai.active);
            EXPECT_EQ(ai.waveId, places[static_cast<std::size_t>(k)].wave);
            EXPECT_EQ(record.fighter->x, places[static_cast<std::size_t>(k)].x);
            EXPECT_EQ(record.fighter->y, 340);
            EXPECT_EQ(record.fighter->leftBound, 0);
            EXPECT_EQ(record.fighter->rightBound, 8000);
            EXPECT_TRUE(record.fighter->dir) << "no facing is set";
            EXPECT_EQ(ai.nearestTarget.candidates, candidates);
        }
    EXPECT_EQ(walkScript(script), kRandomStageSteps);
}
} // namespace

TEST_F(StageScriptTest, LevelNineDrawsItsWavesAndPlacesFromTheSeed)
{
    writeStageData({"HellHound", "HellSkull", "FiendM", "MegaGhost", "ZombieGuy", "ZombieGal", "FatZombie",
                    "MegaZombie"});
    for (int seed : {1, 7, 1234})
    {
        SCOPED_TRACE("seed " + std::to_string(seed));
        beatEmUpSegBuilderLv9 script;
        const std::vector<EnemyRun> runs = {
            {0, 9, &script.fiendM, 0, 300, 50, 100, 50},
            {10, 19, &script.hellSkull, 100, 100, 0, -1, 50},
            {20, 29, &script.megaGhost, 700, 700, 0, -1, 100},
            {30, 39, &script.hellHound, 100, 100, 0, -1, 50},
            {40, 59, &script.zombieGuy, 100, 100, 0, -1, 50},
            {60, 79, &script.zombieGal, 100, 100, 0, -1, 50},
            {80, 89, &script.fatZombie, 0, 300, 0, -1, 50},
            {90, 99, &script.megaZombie, 0, 500, 0, -1, 50},
        };
        checkRandomStage(screen, script, runs, seed, seed == 7);
    }
}

TEST_F(StageScriptTest, TheCreditsDrawFourZombieKindsIntoWaves)
{
    writeStageData({"ZombieGuy", "ZombieGal", "FatZombie", "MegaZombie"});
    for (int seed : {1, 7, 1234})
    {
        SCOPED_TRACE("seed " + std::to_string(seed));
        beatEmUpSegBuilderCredits script;
        const std::vector<EnemyRun> runs = {
            {0, 24, &script.zombieGuy, 100, 100, 0, -1, 50},
            {25, 49, &script.zombieGal, 100, 100, 0, -1, 50},
            {50, 74, &script.fatZombie, 0, 300, 0, -1, 50},
            {75, 99, &script.megaZombie, 0, 500, 0, -1, 50},
        };
        checkRandomStage(screen, script, runs, seed, false);
    }
}

TEST_F(StageScriptTest, TwoBuildsDrawTwiceAsMany)
{
    writeStageData({"ZombieGuy", "ZombieGal", "FatZombie", "MegaZombie"});
    g_randomNumber.seed(99);
    for (int i = 0; i < 600; ++i)
        g_randomNumber.getNumber(i % 3 == 0 ? 9 : 250);
    const int after = g_randomNumber.getNumber(32768);
    g_randomNumber.seed(99);
    StagePlayers players(screen);
    {
        beatEmUpSegBuilderCredits first;
        beatEmUpStage stage(&first, &players.control1, nullptr, &players.ui, screen, "street", nullptr,
                            &players.playerParticles, &players.enemyParticles);
    }
    {
        beatEmUpSegBuilderCredits second;
        beatEmUpStage stage(&second, &players.control1, nullptr, &players.ui, screen, "street", nullptr,
                            &players.playerParticles, &players.enemyParticles);
    }
    EXPECT_EQ(g_randomNumber.getNumber(32768), after);
}

TEST_F(StageScriptTest, EachArcadeBossStandsAwakeAndFullFromTheBuild)
{
    std::vector<std::string> names;
    for (const arcadeBoss& b : kArcadeBosses)
        names.push_back(b.name);
    writeStageData(names);
    for (const arcadeBoss& b : kArcadeBosses)
    {
        SCOPED_TRACE(b.name);
        StagePlayers players(screen, "Blue");
        beatEmUpSegBuilderSingleBoss script(b.name, b.hp, b.power);
        beatEmUpStage stage(&script, &players.control1, players.ally(), &players.ui, screen, "street",
                            nullptr, &players.playerParticles, &players.enemyParticles);
        ASSERT_EQ(script.numEnemies, 1);
        EXPECT_EQ(script.startX, 40);
        EXPECT_EQ(script.bossName, b.name);
        const Fighter& boss = *script.enemies[0].fighter;
        const AIBeatEmUp& ai = script.enemyAI[0];
        EXPECT_TRUE(ai.active);
        EXPECT_EQ(boss.hp, b.hp);
        EXPECT_EQ(boss.maxHP, b.hp);
        EXPECT_EQ(boss.power, 0);
        EXPECT_EQ(boss.maxPower, b.power);
        EXPECT_EQ(ai.waveId, 1);
        EXPECT_EQ(boss.x, 540);
        EXPECT_EQ(boss.y, 800);
        EXPECT_FALSE(boss.dir);
        EXPECT_EQ(boss.leftBound, 0);
        EXPECT_EQ(boss.rightBound, 800);
        EXPECT_EQ(script.enemies[0].data.anims, script.boss.data.anims);
        EXPECT_EQ(ai.nearestTarget.candidates,
                  (std::vector<Fighter*>{&players.one(), &players.allyRig->fighter()}));
        EXPECT_EQ(walkScript(script), "B0-800 A0 A1 M1 T790");
    }
}

// Without the boss's folder the stage builds a boss without sets; it still runs and the pause menu
// leaves it.
TEST_F(StageScriptTest, AMissingBossFolderStillRunsTheStage)
{
    writeStageData({"Grunt"});
    GPad1.loadGamePad("data/gamepad/defualt.GPad");
    StagePlayers players(screen);
    beatEmUpSegBuilderSingleBoss script("Nobody", 3000, 100);
    beatEmUpStage stage(&script, &players.control1, nullptr, &players.ui, screen, "street", nullptr,
                        &players.playerParticles, &players.enemyParticles);
    EXPECT_TRUE(quitThroughPauseMenu(stage));
    EXPECT_FALSE(stage.finished);
}
