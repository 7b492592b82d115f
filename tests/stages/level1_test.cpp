// Level 1 built through the stage on fixture characters: its twenty-eight
// enemies and eighteen steps, alone and with an ally.
#include "screens/stage_segments.h"
#include "stages/level1.h"
#include "tests/stages/built_stage.h"
#include "tests/support/script_walker.h"

using namespace testing_support;

namespace
{
enum
{
    guy,
    fat,
    hound
};
EnemyExpect back(int type, int hp, int wave, int x)
{
    return {type, hp, wave, 0, 1200, x, 0, false};
}
// Enemy 1 starts beyond its right bound, as the street has it.
const std::vector<EnemyExpect> kLevel1 = {
    {guy, 100, 0, 0, 700, 600, 300, false},
    {guy, 100, 0, 0, 700, 800, 300, false},
    {guy, 100, 0, 0, 700, 700, 300, false},
    {guy, 100, 1, 0, 1200, 1000, 300, false},
    {guy, 100, 1, 0, 1200, 900, 300, false},
    {guy, 100, 1, 0, 1200, 0, 300, true},
    {guy, 100, 2, 0, 1200, 1100, 300, false},
    {guy, 100, 2, 0, 1200, 900, 300, false},
    {guy, 100, 2, 0, 1200, 400, 300, false},
    {fat, 300, 3, 0, 1200, 100, 300, true},
    {fat, 300, 3, 0, 1200, 50, 300, true},
    {fat, 300, 3, 0, 1200, 20, 300, true},
    {hound, 300, 3, 0, 1200, 50, 300, true},
    {hound, 300, 3, 0, 1200, 20, 300, true},
    back(guy, 100, 4, 700),
    back(guy, 100, 5, 750),
    back(guy, 100, 5, 800),
    back(guy, 100, 4, 850),
    back(guy, 100, 5, 900),
    back(guy, 100, 5, 950),
    back(guy, 100, 4, 1000),
    back(guy, 100, 5, 1050),
    back(guy, 100, 4, 1100),
    back(fat, 300, 5, 1150),
    back(fat, 300, 4, 1200),
    back(fat, 300, 5, 1250),
    back(hound, 300, 4, 1300),
    back(hound, 300, 5, 1350),
};

using Level1Test = StageScriptTest;
} // namespace

TEST_F(Level1Test, BuildsTwentyEightEnemiesInSixWavesAndEighteenSteps)
{
    writeStageData({"ZombieGuy", "FatZombie", "HellHound"});
    for (bool withAlly : {false, true})
    {
        SCOPED_TRACE(withAlly ? "with an ally" : "alone");
        beatEmUpSegBuilderLv1 script;
        StageRig rig(screen, script, withAlly);
        EXPECT_EQ(script.startX, 40);
        EXPECT_EQ(script.numObjects, 0);
        EXPECT_EQ(script.objects, nullptr);
        EXPECT_EQ(script.numSegments, 18);
        checkEnemies(script, rig, {&script.zombieGuy, &script.fatZombie, &script.hellHound}, kLevel1);
        EXPECT_EQ(walkScript(script),
                  "B0-700 T100 A0 M0 B0-900 T600 B40-1200 A1 M1 A2 M2 A3 M3 A4 M4 A5 M5 T1100");
    }
}

// Wave 4 wakes every other enemy of the back row; its neighbours stay down
// until wave 5.
TEST_F(Level1Test, WavesFourAndFiveTakeTurnsAlongTheBackRow)
{
    writeStageData({"ZombieGuy", "FatZombie", "HellHound"});
    beatEmUpSegBuilderLv1 script;
    StageRig rig(screen, script, false);
    script.segments[13]->update();
    for (int k = 14; k < 28; ++k)
    {
        SCOPED_TRACE("enemy " + std::to_string(k));
        const bool wave4 = kLevel1[k].wave == 4;
        EXPECT_EQ(script.enemyAI[k].active, wave4);
        EXPECT_EQ(script.enemies[k].fighter->hp, wave4 ? kLevel1[k].maxHP : 0);
    }
}
