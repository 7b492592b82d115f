// Level 4 built through the stage on fixture characters: the two bosses,
// awake from the start at no health until their wave, and five steps.
#include "fighter/fighter.h"
#include "screens/stage_segments.h"
#include "stages/level4.h"
#include "tests/stages/built_stage.h"
#include "tests/support/script_walker.h"

using namespace testing_support;

namespace
{
const std::vector<EnemyExpect> kLevel4 = {
    {0, 1500, 1, 0, 800, 540, 800, false, -1, 50, true},
    {1, 1500, 1, 0, 800, 560, 800, false, -1, 50, true},
};

using Level4Test = StageScriptTest;
} // namespace

TEST_F(Level4Test, BuildsTwoAwakeBossesAndFiveSteps)
{
    writeStageData({"Oleck", "Brask"});
    for (bool withAlly : {false, true})
    {
        SCOPED_TRACE(withAlly ? "with an ally" : "alone");
        beatEmUpSegBuilderLv4 script;
        StageRig rig(screen, script, withAlly);
        EXPECT_EQ(script.startX, 40);
        EXPECT_EQ(script.numObjects, 0);
        EXPECT_EQ(script.numSegments, 5);
        checkEnemies(script, rig, {&script.oleck, &script.brask}, kLevel4);
        EXPECT_EQ(walkScript(script), "B0-800 A0 A1 M1 T790");
    }
}

// Wave 0 changes nothing; wave 1 raises both bosses from 0 to full health,
// and the fight waits for both.
TEST_F(Level4Test, TheBossesGetTheirHealthWithWaveOneAndBothMustFall)
{
    writeStageData({"Oleck", "Brask"});
    beatEmUpSegBuilderLv4 script;
    StageRig rig(screen, script, false);
    for (int i = 0; i <= 1; ++i)
    {
        script.segments[i]->update();
        EXPECT_TRUE(script.segments[i]->getFinished()) << i;
    }
    for (int k = 0; k < 2; ++k)
    {
        EXPECT_TRUE(script.enemyAI[k].active);
        EXPECT_EQ(script.enemies[k].fighter->hp, 0);
    }
    script.segments[2]->update();
    for (int k = 0; k < 2; ++k)
    {
        EXPECT_TRUE(script.enemyAI[k].active);
        EXPECT_EQ(script.enemies[k].fighter->hp, 1500);
    }
    script.enemies[0].fighter->hp = 0;
    script.segments[3]->update();
    EXPECT_FALSE(script.segments[3]->getFinished());
    script.enemies[1].fighter->hp = 0;
    script.segments[3]->update();
    EXPECT_TRUE(script.segments[3]->getFinished());
}
