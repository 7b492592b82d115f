// Level 0 built through the stage on small fixture characters: its twenty
// enemies, the post box and the steps, alone and with an ally; and the stage
// still run and left when one of its character folders is missing; and the
// damage font its controls share.
#include "control/stage_object.h"
#include "engine/clock.h"
#include "engine/globals.h"
#include "fighter/fighter.h"
#include "screens/beat_em_up_stage.h"
#include "stages/level0.h"
#include "tests/screens/stage_fixture.h"
#include "tests/support/script_walker.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

using namespace testing_support;

namespace
{
struct EnemyRow
{
    int maxHP;
    int wave;
    int x, y;
    bool facing;
};
// Index k is enemy k; 0..13 are ZombieGuys, 14..19 FatZombies.
const EnemyRow kLevel0[20] = {
    {100, 0, 600, 300, false},  {100, 0, 400, 300, false},  {100, 0, 500, 300, false},
    {100, 1, 200, 0, false},    {100, 1, 400, 0, false},    {100, 1, 0, 0, true},
    {100, 2, 0, 300, true},     {100, 2, 600, 300, false},  {100, 2, 640, 300, false},
    {200, 3, 1000, 300, false}, {200, 3, 1000, 300, false}, {200, 3, 1000, 300, false},
    {200, 3, 1000, 300, false}, {200, 3, 1000, 300, false}, {300, 3, 1000, 300, false},
    {300, 4, 1000, 300, false}, {300, 4, 1000, 300, false}, {300, 4, 1700, 300, false},
    {300, 4, 1700, 300, false}, {300, 4, 1700, 300, false},
};

class Level0Test : public ::testing::Test
{
protected:
    Level0Test()
    {
        fullyQuit = false;
        freezeEnd = 0;
        setTestClock(100000);
        setTestClockAutoAdvance(1);
        drainQueue();
    }
    ~Level0Test() override { drainQueue(); }

    ScratchDir dir;
    GlobalsGuard globals;
    SDL_Surface* screen = openTestVideo();
};
} // namespace

TEST_F(Level0Test, BuildsTwentyZombiesAPostBoxAndSixteenSteps)
{
    writeStageData({"ZombieGuy", "FatZombie", "PostBox"});
    for (bool withAlly : {false, true})
    {
        SCOPED_TRACE(withAlly ? "with an ally" : "alone");
        StagePlayers players(screen, withAlly ? "Blue" : "");
        beatEmUpSegBuilderLv0 script;
        beatEmUpStage stage(&script, &players.control1, players.ally(), &players.ui, screen, "street",
                            nullptr, &players.playerParticles, &players.enemyParticles);
        std::vector<Fighter*> candidates = {&players.one()};
        if (withAlly)
            candidates.push_back(&players.allyRig->fighter());

        ASSERT_EQ(script.numEnemies, 20);
        EXPECT_EQ(script.numObjects, 1);
        EXPECT_EQ(script.numSegments, 16);
        EXPECT_EQ(script.startX, 40);
        EXPECT_EQ(players.one().x, 40);
        EXPECT_EQ(players.one().y, 300);
        EXPECT_EQ(script.player2, withAlly ? &players.allyRig->fighter() : nullptr);
        for (enemyData* type : {&script.zombieGuy, &script.fatZombie, &script.postBox})
            EXPECT_TRUE(type->data.ownsSets);
        for (int i = 0; i < 20; ++i)
        {
            SCOPED_TRACE("enemy " + std::to_string(i));
            const EnemyRow& row = kLevel0[i];
            const enemyData& type = i < 14 ? script.zombieGuy : script.fatZombie;
            const enemyData& record = script.enemies[i];
            const AIBeatEmUp& ai = script.enemyAI[i];
            ASSERT_EQ(record.fighter, &record.data.fighter);
            EXPECT_EQ(ai.fighter, record.fighter);
            EXPECT_EQ(record.data.anims, type.data.anims);
            EXPECT_EQ(record.data.moves, type.data.moves);
            EXPECT_FALSE(record.data.ownsSets);
            EXPECT_EQ(ai.sounds, &script.sounds);
            EXPECT_EQ(record.fighter->hp, 0);
            EXPECT_EQ(record.fighter->maxHP, row.maxHP);
            EXPECT_EQ(ai.waveId, row.wave);
            EXPECT_EQ(record.fighter->leftBound, 0);
            EXPECT_EQ(record.fighter->rightBound, 1920);
            EXPECT_EQ(record.fighter->x, row.x);
            EXPECT_EQ(record.fighter->y, row.y);
            EXPECT_EQ(record.fighter->dir, row.facing);
            EXPECT_FALSE(ai.active);
            EXPECT_EQ(ai.rangeUnit, 50);
            EXPECT_EQ(ai.nearestTarget.candidates, candidates);
            EXPECT_EQ(ai.target, &ai.nearestTarget);
            EXPECT_EQ(ai.faceInfo, &script.faceParts);
            EXPECT_EQ(ai.effects, &stage.faceParticles);
            EXPECT_EQ(ai.specialBackdrop, &stage.specialParticles);
            EXPECT_EQ(ai.particles, &players.enemyParticles);
        }
        const beatEmUpObject& box = script.objects[0];
        EXPECT_EQ(box.fighter, &script.postBox.data.fighter);
        EXPECT_TRUE(box.active);
        EXPECT_EQ(box.waveId, 0);
        EXPECT_EQ(box.fighter->hp, 1);
        EXPECT_EQ(box.fighter->maxHP, 1);
        EXPECT_EQ(box.fighter->x, 400);
        EXPECT_EQ(box.fighter->y, 348);
        EXPECT_EQ(box.nearestTarget.candidates, candidates);
        EXPECT_EQ(box.target, &box.nearestTarget);

        EXPECT_EQ(walkScript(script),
                  "B0-640 A0 M0 A1 M1 A2 M2 B0-1700 T700 A3 M3 T1500 A4 M4 B0-1920 T1900");
    }
}

// Without the FatZombie folder the last six enemies have no pictures or
// moves; the stage still runs and the pause menu leaves it.
TEST_F(Level0Test, AMissingCharacterFolderStillRunsTheStage)
{
    writeStageData({"ZombieGuy", "PostBox"});
    GPad1.loadGamePad("data/gamepad/defualt.GPad");
    StagePlayers players(screen);
    beatEmUpSegBuilderLv0 script;
    beatEmUpStage stage(&script, &players.control1, nullptr, &players.ui, screen, "street", nullptr,
                        &players.playerParticles, &players.enemyParticles);
    for (int i = 14; i < 20; ++i)
        script.enemyAI[i].active = true;
    EXPECT_TRUE(quitThroughPauseMenu(stage));
    EXPECT_FALSE(stage.finished);
}

// Every control of the stage draws its damage numbers with one font, which
// goes with the stage and the players that held it.
TEST_F(Level0Test, TheControlsShareOneDamageFontThatGoesWithTheStage)
{
    writeStageData({"ZombieGuy", "FatZombie", "PostBox"});
    std::weak_ptr<SDLFont> font;
    {
        StagePlayers players(screen);
        beatEmUpSegBuilderLv0 script;
        beatEmUpStage stage(&script, &players.control1, nullptr, &players.ui, screen, "street", nullptr,
                            &players.playerParticles, &players.enemyParticles);
        ASSERT_NE(players.control1.damageFont, nullptr);
        font = players.control1.damageFont;
        for (int i = 0; i < script.numEnemies; ++i)
            EXPECT_EQ(script.enemyAI[i].damageFont, players.control1.damageFont) << "enemy " << i;
    }
    EXPECT_TRUE(font.expired());
}
