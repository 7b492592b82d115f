// Level 3 built through the stage on fixture characters: its thirty-seven
// enemies and twenty-five steps, alone and with an ally, and the empty wave 0.
#include "fighter/fighter.h"
#include "screens/stage_segments.h"
#include "stages/level3.h"
#include "tests/stages/built_stage.h"
#include "tests/support/script_walker.h"

using namespace testing_support;

namespace
{
enum
{
    guy,
    gal,
    gunner,
    shield,
    hound,
    tank
};
EnemyExpect at(int type, int hp, int wave, int x, int y, int power = -1, int rangeUnit = 50)
{
    return {type, hp, wave, 0, 4000, x, y, false, power, rangeUnit};
}
// The horde, 26..35, has no start of its own and stays at (0, 0).
const std::vector<EnemyExpect> kLevel3 = expandRuns({
    {0, 0, {guy, 100, 1, 0, 640, 540, 340, false}},
    {1, 1, {guy, 100, 1, 0, 640, 560, 340, false}},
    {2, 2, {guy, 100, 1, 0, 640, 530, 340, false}},
    {3, 3, {guy, 100, 1, 0, 640, 550, 340, false}},
    {4, 4, at(gunner, 200, 2, 1500, 300, 20)},
    {5, 5, at(gunner, 200, 2, 1510, 300, 20)},
    {6, 6, at(gunner, 200, 2, 1520, 300, 20)},
    {7, 7, at(gunner, 200, 4, 2510, 300, 20)},
    {8, 8, at(gunner, 200, 4, 2520, 300, 20)},
    {9, 9, at(gunner, 200, 6, 3800, 300, 20)},
    {10, 10, at(gunner, 200, 6, 3810, 300, 20)},
    {11, 11, at(gunner, 200, 6, 3820, 300, 20)},
    {12, 12, at(shield, 300, 3, 2020, 300)},
    {13, 13, at(shield, 300, 3, 2030, 300)},
    {14, 14, at(shield, 300, 3, 2040, 300)},
    {15, 15, at(shield, 300, 4, 2500, 350)},
    {16, 16, at(shield, 300, 4, 2510, 300)},
    {17, 17, at(shield, 300, 4, 2520, 300)},
    {18, 18, at(shield, 300, 5, 3000, 300)},
    {19, 19, at(shield, 300, 5, 3020, 300)},
    {20, 20, at(shield, 300, 5, 3030, 300)},
    {21, 21, at(shield, 300, 5, 3040, 300)},
    {22, 22, at(shield, 300, 5, 3050, 350)},
    {23, 23, at(shield, 300, 6, 3800, 300)},
    {24, 24, at(shield, 300, 6, 3810, 300)},
    {25, 25, at(hound, 200, 6, 3820, 300)},
    {26, 30, at(guy, 300, 7, 0, 0)},
    {31, 35, at(gal, 300, 7, 0, 0)},
    {36, 36, at(tank, 5000, 8, 3820, 300, -1, 150)},
});

using Level3Test = StageScriptTest;
} // namespace

TEST_F(Level3Test, BuildsThirtySevenEnemiesAndTwentyFiveSteps)
{
    writeStageData({"ZombieGuy", "ZombieGal", "ArmyGunner", "ArmyShield", "HellHound", "Tank"});
    for (bool withAlly : {false, true})
    {
        SCOPED_TRACE(withAlly ? "with an ally" : "alone");
        beatEmUpSegBuilderLv3 script;
        StageRig rig(screen, script, withAlly);
        EXPECT_EQ(script.startX, 40);
        EXPECT_EQ(script.numObjects, 0);
        EXPECT_EQ(script.numSegments, 25);
        checkEnemies(script, rig,
                     {&script.zombieGuy, &script.zombieGal, &script.armyGunner, &script.armyShield,
                      &script.hellHound, &script.tank},
                     kLevel3);
        EXPECT_EQ(walkScript(script),
                  "B0-640 A0 A1 M1 B0-2000 T1000 A2 M2 A3 M3 B0-3000 T1800 A4 M4 A5 A7 M5 "
                  "B0-4000 T2500 A6 M6 M7 A8 M8 T3950");
    }
}

// Waking wave 0 finishes at once and wakes nobody.
TEST_F(Level3Test, WaveZeroWakesNobody)
{
    writeStageData({"ZombieGuy", "ZombieGal", "ArmyGunner", "ArmyShield", "HellHound", "Tank"});
    beatEmUpSegBuilderLv3 script;
    StageRig rig(screen, script, false);
    script.segments[1]->update();
    EXPECT_TRUE(script.segments[1]->getFinished());
    for (int k = 0; k < script.numEnemies; ++k)
    {
        EXPECT_FALSE(script.enemyAI[k].active) << k;
        EXPECT_EQ(script.enemies[k].fighter->hp, 0) << k;
    }
}
