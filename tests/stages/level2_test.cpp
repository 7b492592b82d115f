// Level 2 built through the stage on fixture characters: its twenty-nine
// enemies and twenty steps, alone and with an ally, and the gas sprayers
// that gate the sections alone.
#include "fighter/fighter.h"
#include "screens/stage_segments.h"
#include "stages/level2.h"
#include "tests/stages/built_stage.h"
#include "tests/support/script_walker.h"

using namespace testing_support;

namespace
{
// Type records in load order.
enum
{
    guy,
    fat,
    mega,
    hound,
    gas
};
// The sprayers and the mega zombie get no facing and keep the fighter's own, right.
const std::vector<EnemyExpect> kLevel2 = expandRuns({
    {0, 0, {guy, 200, 1, 0, 700, 600, 300, false}},      {1, 1, {guy, 200, 1, 0, 700, 650, 300, false}},
    {2, 2, {guy, 200, 1, 0, 700, 700, 300, false}},      {3, 3, {guy, 200, 4, 0, 1500, 750, 300, false}},
    {4, 4, {guy, 200, 4, 0, 1500, 700, 300, false}},     {5, 5, {guy, 200, 4, 0, 1500, 750, 300, false}},
    {6, 6, {guy, 200, 7, 0, 1500, 1000, 300, false}},    {7, 7, {fat, 400, 3, 0, 1500, 300, 300, true}},
    {8, 8, {fat, 400, 3, 0, 1500, 400, 300, true}},      {9, 9, {fat, 400, 3, 0, 1500, 350, 300, true}},
    {10, 10, {fat, 400, 7, 0, 1500, 900, 300, false}},   {11, 11, {fat, 400, 7, 0, 1500, 930, 300, false}},
    {12, 12, {hound, 300, 6, 0, 1500, 50, 300, true}},   {13, 13, {hound, 300, 6, 0, 1500, 20, 300, true}},
    {14, 14, {hound, 300, 6, 0, 1500, 0, 300, true}},    {15, 15, {gas, 1000, 0, 0, 1500, 500, 350, true}},
    {16, 16, {gas, 1000, 2, 0, 1500, 670, 300, true}},   {17, 17, {gas, 1000, 5, 0, 1500, 880, 300, true}},
    {18, 18, {mega, 1000, 8, 0, 1500, 1430, 300, true}}, {19, 28, {guy, 100, 8, 0, 1500, 1500, 300, false}},
});

using Level2Test = StageScriptTest;
} // namespace

TEST_F(Level2Test, BuildsTwentyNineEnemiesAndTwentySteps)
{
    writeStageData({"ZombieGuy", "FatZombie", "MegaZombie", "HellHound", "GasSprayer"});
    for (bool withAlly : {false, true})
    {
        SCOPED_TRACE(withAlly ? "with an ally" : "alone");
        beatEmUpSegBuilderLv2 script;
        StageRig rig(screen, script, withAlly);
        EXPECT_EQ(script.startX, 40);
        EXPECT_EQ(script.numObjects, 0);
        EXPECT_EQ(script.numSegments, 20);
        checkEnemies(
            script, rig,
            {&script.zombieGuy, &script.fatZombie, &script.megaZombie, &script.hellHound, &script.gasSprayer},
            kLevel2);
        EXPECT_EQ(walkScript(script), "B0-640 A0 A1 M0 B0-800 A2 T600 A3 A4 M2 B0-1000 A5 T800 A6 A7 M5 "
                                      "B640-1500 A8 M8 T1490");
    }
}

// The first section ends when gas sprayer 15 is down, with the three
// zombies woken beside it still standing.
TEST_F(Level2Test, TheFirstSectionWaitsForItsGasSprayerAlone)
{
    writeStageData({"ZombieGuy", "FatZombie", "MegaZombie", "HellHound", "GasSprayer"});
    beatEmUpSegBuilderLv2 script;
    StageRig rig(screen, script, false);
    for (int i = 0; i <= 2; ++i)
        script.segments[i]->update();
    for (int k : {0, 1, 2, 15})
        EXPECT_TRUE(script.enemyAI[k].active) << k;
    script.segments[3]->update();
    EXPECT_FALSE(script.segments[3]->getFinished());
    script.enemies[15].fighter->hp = 0;
    script.segments[3]->update();
    EXPECT_TRUE(script.segments[3]->getFinished());
    for (int k : {0, 1, 2})
        EXPECT_EQ(script.enemies[k].fighter->hp, 200) << k;
}
