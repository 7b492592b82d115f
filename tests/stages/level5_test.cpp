// Level 5 built through the stage on fixture characters: thirty-six enemies,
// the four windows and twenty-eight steps, alone and with an ally; the waves
// that get up again where they lie, and the last trigger at the left end.
#include "control/stage_object.h"
#include "fighter/fighter.h"
#include "screens/stage_segments.h"
#include "stages/level5.h"
#include "tests/stages/built_stage.h"
#include "tests/support/script_walker.h"

using namespace testing_support;

namespace
{
// Type records in load order; the red gunner is the gunner's palette-1 load.
enum
{
    guy,
    gal,
    fat,
    mega,
    gunner,
    shield,
    redGunner,
    hound
};
EnemyExpect at(int type, int hp, int wave, int x, int y, int power = -1)
{
    return {type, hp, wave, 0, 640, x, y, false, power};
}
const std::vector<EnemyExpect> kLevel5 = expandRuns({
    {0, 0, at(guy, 200, 1, 10, 0)},
    {1, 1, at(guy, 200, 1, 40, 0)},
    {2, 2, at(guy, 200, 1, 70, 0)},
    {3, 3, at(guy, 200, 1, 550, 0)},
    {4, 4, at(guy, 200, 1, 500, 0)},
    {5, 5, at(guy, 200, 1, 600, 0)},
    {6, 8, at(fat, 300, 2, 0, 350)},
    {9, 9, at(mega, 1000, 3, 0, 350)},
    {10, 13, at(shield, 300, 4, 0, 350)},
    {14, 14, at(gunner, 200, 5, 400, 0, 20)},
    {15, 15, at(gunner, 200, 5, 500, 0, 20)},
    {16, 16, at(gunner, 200, 5, 600, 0, 20)},
    {17, 17, at(redGunner, 1000, 6, 620, 0, 40)},
    {18, 25, at(hound, 200, 7, 0, 350)},
    {26, 26, at(gal, 300, 8, 550, 0)},
    {27, 27, at(gal, 300, 8, 500, 0)},
    {28, 28, at(gal, 300, 8, 600, 0)},
    {29, 29, at(gal, 300, 8, 550, 0)},
    {30, 30, at(gal, 300, 8, 500, 0)},
    {31, 31, at(shield, 300, 9, 600, 0)},
    {32, 32, at(shield, 300, 9, 45, 0)},
    {33, 33, at(shield, 300, 9, 55, 0)},
    {34, 34, at(shield, 300, 9, 50, 0)},
    {35, 35, at(shield, 300, 9, 0, 0)},
});
const char* const kTypes[] = {"ZombieGuy",  "ZombieGal", "FatZombie", "MegaZombie", "ArmyGunner",
                              "ArmyShield", "HellHound", "window1",   "window2"};

using Level5Test = StageScriptTest;
} // namespace

TEST_F(Level5Test, BuildsThirtySixEnemiesFourWindowsAndTwentyEightSteps)
{
    writeStageData({std::begin(kTypes), std::end(kTypes)});
    for (bool withAlly : {false, true})
    {
        SCOPED_TRACE(withAlly ? "with an ally" : "alone");
        beatEmUpSegBuilderLv5 script;
        StageRig rig(screen, script, withAlly);
        EXPECT_EQ(script.startX, 40);
        EXPECT_EQ(script.numSegments, 28);
        checkEnemies(script, rig,
                     {&script.zombieGuy, &script.zombieGal, &script.fatZombie, &script.megaZombie,
                      &script.armyGunner, &script.armyShield, &script.redGunner, &script.hellHound},
                     kLevel5);
        EXPECT_NE(script.redGunner.data.anims, script.armyGunner.data.anims);

        ASSERT_EQ(script.numObjects, 4);
        const enemyData* records[4] = {&script.window0, &script.window1, &script.window2, &script.window3};
        const int xs[4] = {166, 326, 26, 486};
        for (int i = 0; i < 4; ++i)
        {
            SCOPED_TRACE("window " + std::to_string(i));
            const beatEmUpObject& window = script.objects[i];
            EXPECT_EQ(window.fighter, &records[i]->data.fighter);
            EXPECT_TRUE(records[i]->data.ownsSets);
            EXPECT_TRUE(window.active);
            EXPECT_EQ(window.waveId, 0);
            EXPECT_EQ(window.fighter->hp, 1000);
            EXPECT_EQ(window.fighter->maxHP, 1000);
            EXPECT_EQ(window.fighter->x, xs[i]);
            EXPECT_EQ(window.fighter->y, 350);
            EXPECT_EQ(window.nearestTarget.candidates, rig.candidates());
            EXPECT_EQ(window.target, &window.nearestTarget);
        }
        EXPECT_EQ(walkScript(script), "B0-640 T300 A0 A1 M1 A2 A8 M2 A3 M3 A4 M4 A5 A9 M5 A6 M6 A7 M7 M8 M9 "
                                      "A1 A2 A8 M1 M2 M8 T20");
    }
}

// The second waking of waves 1, 2 and 8 gives the beaten their full health
// back where they lie; the other waves stay down.
TEST_F(Level5Test, TheReturningWavesGetUpWhereTheyLie)
{
    writeStageData({std::begin(kTypes), std::end(kTypes)});
    beatEmUpSegBuilderLv5 script;
    StageRig rig(screen, script, false);
    for (int i = 0; i <= 20; ++i)
    {
        script.segments[i]->update();
        if (auto* watch = dynamic_cast<beatEmUpSegMonitorWave*>(script.segments[i]))
            for (int k = 0; k < script.numEnemies; ++k)
                if (script.enemyAI[k].waveId == watch->wave)
                    script.enemies[k].fighter->hp = 0;
    }
    for (int k = 0; k < script.numEnemies; ++k)
    {
        script.enemies[k].fighter->hp = 0;
        script.enemies[k].fighter->x = 100 + k;
        script.enemies[k].fighter->y = 348;
    }
    for (int i = 21; i <= 23; ++i)
        script.segments[i]->update();
    for (int k = 0; k < script.numEnemies; ++k)
    {
        SCOPED_TRACE("enemy " + std::to_string(k));
        const int wave = kLevel5[k].wave;
        const bool back = wave == 1 || wave == 2 || wave == 8;
        EXPECT_EQ(script.enemies[k].fighter->hp, back ? kLevel5[k].maxHP : 0);
        EXPECT_EQ(script.enemies[k].fighter->x, 100 + k);
        EXPECT_EQ(script.enemies[k].fighter->y, 348);
    }
}

// The last trigger wants player 1 strictly within 20 of x 20.
TEST_F(Level5Test, TheLastTriggerIsMetOnlyStrictlyNearTheLeftEnd)
{
    writeStageData({std::begin(kTypes), std::end(kTypes)});
    const struct
    {
        int x;
        bool met;
    } cases[] = {{0, false}, {1, true}, {39, true}, {40, false}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE("x " + std::to_string(c.x));
        beatEmUpSegBuilderLv5 script;
        StageRig rig(screen, script, false);
        rig.players.one().x = c.x;
        script.segments[27]->update();
        EXPECT_EQ(script.segments[27]->getFinished(), c.met);
    }
}
