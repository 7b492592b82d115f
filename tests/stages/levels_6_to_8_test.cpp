// Levels 6 to 8 built through the stage on small fixture characters: every enemy's type, health,
// power, reach, wave, bounds and start, the zombie kinds and tank places drawn from the seed with no
// draw more, and the steps each script walks.
#include "engine/clock.h"
#include "engine/globals.h"
#include "fighter/fighter.h"
#include "screens/beat_em_up_stage.h"
#include "stages/level6.h"
#include "stages/level7.h"
#include "stages/level8.h"
#include "tests/screens/stage_fixture.h"
#include "tests/support/script_walker.h"

#include <gtest/gtest.h>
#include <vector>

using namespace testing_support;

namespace
{
class StageLevelsTest : public ::testing::Test
{
protected:
    StageLevelsTest()
    {
        fullyQuit = false;
        freezeEnd = 0;
        setTestClock(100000);
        setTestClockAutoAdvance(1);
        drainQueue();
    }
    ~StageLevelsTest() override { drainQueue(); }

    ScratchDir dir;
    GlobalsGuard globals;
    SDL_Surface* screen = openTestVideo();
};

// Enemies first..last: their type record, health now and at most, power (-1: unchecked), reach,
// wave, bounds and start.
struct Group
{
    int first, last;
    const enemyData* type;
    int hp, maxHP, power, maxPower, rangeUnit, wave, left, right, x, y;
};

void checkGroups(const beatEmUpSegmentBuilder& script, const std::vector<Group>& groups)
{
    for (const Group& g : groups)
        for (int k = g.first; k <= g.last; ++k)
        {
            SCOPED_TRACE("enemy " + std::to_string(k));
            const Fighter& f = *script.enemies[k].fighter;
            const AIBeatEmUp& ai = script.enemyAI[k];
            if (g.type)
            {
                EXPECT_EQ(script.enemies[k].data.anims, g.type->data.anims);
            }
            EXPECT_EQ(f.hp, g.hp);
            EXPECT_EQ(f.maxHP, g.maxHP);
            if (g.power >= 0)
            {
                EXPECT_EQ(f.power, g.power);
                EXPECT_EQ(f.maxPower, g.maxPower);
            }
            EXPECT_EQ(ai.rangeUnit, g.rangeUnit);
            EXPECT_EQ(ai.waveId, g.wave);
            EXPECT_EQ(f.leftBound, g.left);
            EXPECT_EQ(f.rightBound, g.right);
            if (g.x >= 0)
            {
                EXPECT_EQ(f.x, g.x);
            }
            EXPECT_EQ(f.y, g.y);
            EXPECT_TRUE(f.dir) << "no facing is set";
            EXPECT_FALSE(ai.active);
        }
}

template <typename Script> struct Built
{
    Built(SDL_Surface* screen, bool withAlly)
        : players(screen, withAlly ? "Blue" : ""),
          stage(&script, &players.control1, players.ally(), &players.ui, screen, "street", nullptr,
                &players.playerParticles, &players.enemyParticles)
    {
    }
    StagePlayers players;
    Script script;
    beatEmUpStage stage;
};
} // namespace

TEST_F(StageLevelsTest, LevelSixDrawsEachOfItsTwentyZombies)
{
    writeStageData({"ZombieGuy", "ZombieGal", "FatZombie", "ArmyGunner", "ArmyShield", "HellHound",
                    "GasSprayer", "Tank", "MegaZombie"});
    for (int seed : {1, 7, 1234})
    {
        SCOPED_TRACE("seed " + std::to_string(seed));
        g_randomNumber.seed(seed);
        std::vector<int> kinds;
        for (int k = 0; k < 20; ++k)
            kinds.push_back(g_randomNumber.getNumber(3));
        const int next = g_randomNumber.getNumber(32768);
        g_randomNumber.seed(seed);
        Built<beatEmUpSegBuilderLv6> b(screen, seed == 7);
        EXPECT_EQ(g_randomNumber.getNumber(32768), next);
        auto& s = b.script;
        ASSERT_EQ(s.numEnemies, 62);
        EXPECT_EQ(s.startX, 40);
        const enemyData* zombies[3] = {&s.zombieGuy, &s.zombieGal, &s.fatZombie};
        for (int k = 0; k < 20; ++k)
        {
            const int kind = kinds[static_cast<std::size_t>(k)];
            checkGroups(s, {{k, k, zombies[kind], 0, 100 * (kind + 1), -1, -1, 50, 2, 0, 4000, 2200, 340}});
        }
        checkGroups(s, {
                           {20, 29, &s.armyGunner, 0, 200, 20, 20, 50, 1, 0, 4000, 1000, 340},
                           {30, 39, &s.armyShield, 0, 300, -1, -1, 50, 1, 0, 4000, 1000, 340},
                           {40, 44, &s.hellHound, 0, 200, -1, -1, 50, 3, 0, 4000, 2000, 340},
                           {45, 49, &s.hellHound, 0, 200, -1, -1, 50, 3, 0, 4000, 4000, 340},
                           {50, 50, &s.tank, 0, 5000, -1, -1, 150, 2, 0, 4000, 0, 340},
                           {51, 51, &s.tank, 0, 5000, -1, -1, 150, 2, 0, 4000, 4000, 340},
                           {57, 61, &s.megaZombie, 0, 500, -1, -1, 50, 4, 0, 4000, 4000, 340},
                       });
        for (int k = 52; k <= 56; ++k)
            checkGroups(s,
                        {{k, k, &s.gasSprayer, 0, 500, -1, -1, 50, 3, 0, 4000, 2500 + 200 * (k - 52), -10}});
        EXPECT_EQ(walkScript(s),
                  "B0-1000 A0 A1 M1 B0-2500 T1500 A2 M2 B0-3500 T3000 A3 M3 B0-4000 A4 M4 T3950");
    }
}

TEST_F(StageLevelsTest, LevelSevenPlacesByWaveAndDrawsTheTanksPlaces)
{
    writeStageData({"ArmyGunner", "ArmyShield", "Tank", "AirshipDoor"});
    for (int seed : {1, 7, 1234})
    {
        SCOPED_TRACE("seed " + std::to_string(seed));
        g_randomNumber.seed(seed);
        std::vector<int> tankX;
        for (int t = 0; t < 5; ++t)
            tankX.push_back(1425 + g_randomNumber.getNumber(1200));
        const int next = g_randomNumber.getNumber(32768);
        g_randomNumber.seed(seed);
        Built<beatEmUpSegBuilderLv7> b(screen, false);
        EXPECT_EQ(g_randomNumber.getNumber(32768), next);
        auto& s = b.script;
        ASSERT_EQ(s.numEnemies, 66);
        EXPECT_EQ(s.startX, 40);
        checkGroups(s, {
                           {0, 4, &s.gunner, 0, 200, 100, 100, 50, 2, 0, 1425, 1085, 340},
                           {5, 7, &s.gunner, 0, 200, 100, 100, 50, 5, 0, 2608, 2088, 340},
                           {8, 17, &s.gunner, 0, 200, 100, 100, 50, 6, 0, 2608, 2088, -10},
                           {18, 18, &s.gunnerBoss, 0, 2000, 100, 100, 50, 10, 0, 2650, 2088, -10},
                           {19, 28, &s.shield, 0, 500, -1, -1, 50, 1, 0, 1425, 700, 340},
                           {29, 33, &s.shield, 0, 500, -1, -1, 50, 4, 0, 1425, 700, -1},
                           {34, 38, &s.shield, 0, 500, -1, -1, 50, 5, 0, 2608, 2088, 340},
                           {39, 58, &s.shield, 0, 500, -1, -1, 50, 8, 0, 4000, 3924, 340},
                           {64, 64, &s.door, 0, 500, -1, -1, 50, 3, 0, 1450, 1425, 340},
                           {65, 65, &s.door, 0, 500, -1, -1, 50, 7, 0, 2650, 2608, 340},
                       });
        for (int t = 0; t < 5; ++t)
            checkGroups(s, {{59 + t, 59 + t, &s.tank, 0, 500, -1, -1, 150, 9, 0, 4000,
                             tankX[static_cast<std::size_t>(t)], 340}});
        EXPECT_EQ(walkScript(s),
                  "B20-700 A0 A1 M1 B20-1450 T800 A2 A3 M2 A4 M4 M3 B20-2608 A5 A7 M5 A6 M6 M7 "
                  "B20-3950 T3000 A8 M8 T3599 A9 M9 D9 T2700 A10 M10 T2088");
        // The walk woke every wave; the one step that puts a wave to sleep took only the tanks.
        for (int k = 0; k < 66; ++k)
            EXPECT_EQ(s.enemyAI[k].active, k < 59 || k > 63) << "enemy " << k;
    }
}

TEST_F(StageLevelsTest, LevelEightRunsRightToLeft)
{
    writeStageData({"HellHound", "HellSkull", "FiendM", "MegaGhost", "ZombieGuy", "ZombieGal"});
    Built<beatEmUpSegBuilderLv8> b(screen, true);
    auto& s = b.script;
    ASSERT_EQ(s.numEnemies, 76);
    EXPECT_EQ(s.startX, 3990);
    EXPECT_EQ(b.players.one().x, 3990);
    checkGroups(s, {
                       {0, 0, &s.fiendM, 0, 700, 50, 100, 50, 1, 3150, 4000, 3159, 340},
                       {1, 7, &s.fiendM, 0, 700, 50, 100, 50, 2, 3150, 4000, 3159, 340},
                       {8, 14, &s.fiendM, 0, 700, 50, 100, 50, 3, 2380, 4000, 2436, 340},
                       {15, 24, &s.fiendM, 0, 700, 50, 100, 50, 6, 0, 4000, 0, 340},
                       {25, 34, &s.hellSkull, 100, 100, -1, -1, 50, 4, 1910, 4000, 1917, 340},
                       {35, 49, &s.hellSkull, 100, 100, -1, -1, 50, 5, 775, 4000, 781, 340},
                       {50, 50, &s.megaGhost, 2000, 2000, -1, -1, 100, 5, 775, 4000, 781, 340},
                       {51, 55, &s.hellHound, 100, 100, -1, -1, 50, 5, 775, 4000, 781, 340},
                       {56, 65, &s.zombieGuy, 100, 100, -1, -1, 50, 7, 0, 4000, 0, 340},
                       {66, 75, &s.zombieGal, 100, 100, -1, -1, 50, 7, 0, 4000, 0, 340},
                   });
    EXPECT_EQ(walkScript(s), "B3159-4000 T3724 A0 A1 M1 A2 M2 B2436-4000 T3118 A3 M3 B1917-4000 T2389 A4 M4 "
                             "B781-4000 A5 M5 B0-4000 A6 M6 A7 M7 T0");
}
