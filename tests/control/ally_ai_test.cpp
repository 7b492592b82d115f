// The player's ally: fights the nearest living enemy, follows its leader
// when nobody is left to fight, faces its target, and stays down when beaten.
#include "control/ally_ai.h"
#include "engine/clock.h"
#include "engine/globals.h"
#include "fighter/move_set.h"
#include "tests/control/control_fixture.h"

#include <gtest/gtest.h>
#include <memory>

using namespace testing_support;

namespace
{
class AllyTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        screen = openTestVideo();
        ASSERT_NE(screen, nullptr);
        setTestClock(10000);
        g_randomNumber.seed(5);
        writeFightEffects();
        writeSoundSet();
        fx = std::make_unique<FightEffects>(screen);
        buddy = std::make_unique<FighterRig>(writeFighter(fighterSpec("data/characters/Buddy")), screen, 200);
        hero = std::make_unique<FighterRig>(writeFighter(fighterSpec("data/characters/Hero")), screen, 200);
        const std::string grunt = writeFighter(fighterSpec("data/characters/Grunt"));
        for (int i = 0; i < 2; ++i)
        {
            grunts[i] = std::make_unique<FighterRig>(grunt, screen, 600 + 100 * i);
            grunts[i]->stand(600 + 100 * i, false);
            enemies[i].fighter = &grunts[i]->fighter();
        }
        ally.init(screen);
        ally.setup(&a(), &fx->kinds, &buddy->particles, &buddy->sounds, buddy->anims(), buddy->moves(),
                   nullptr, "data/characters/Buddy/ai");
        ally.effects = &fx->effects;
        // As the stage binds it: the nearest living enemy is its target, the
        // player its leader.
        ally.target = &ally.nearestTarget;
        for (auto& e : enemies)
            ally.nearestTarget.setTarget(e.fighter);
        ally.leader = &hero->fighter();
        ally.update();
    }

    Fighter& a() { return buddy->fighter(); }
    void killEnemies()
    {
        for (auto& g : grunts)
            g->fighter().hp = 0;
    }
    // One decision step.
    void step()
    {
        ally.accum = 4.0f;
        ally.updateAI(enemies, 2);
    }

    GlobalsGuard globals;
    ScratchDir dir;
    SDL_Surface* screen = nullptr;
    std::unique_ptr<FightEffects> fx;
    std::unique_ptr<FighterRig> buddy;
    std::unique_ptr<FighterRig> hero;
    std::unique_ptr<FighterRig> grunts[2];
    enemyData enemies[2];
    AIAllyBeatEmUp ally;
};

struct FollowCase
{
    const char* name;
    int leaderX;
    int runMode;
    const char* startAnim;
    int x;
    const char* state;
    bool facingRight;
};

const FollowCase kFollows[] = {
    {"walks to a leader far on the right", 300, 0, "standing", 204, "walk", true},
    {"runs at twice the speed", 300, 1, "standing", 208, "running", true},
    {"walks to a leader on the left", 100, 0, "standing", 196, "walk", false},
    {"51 pixels is too far", 251, 0, "standing", 204, "walk", true},
    {"within 50 pixels it only faces the leader", 250, 0, "standing", 200, "standing", true},
    {"close on the left", 160, 1, "standing", 200, "standing", false},
    {"keeps whatever it shows when close", 230, 0, "duck", 200, "duck", true},
};

TEST_F(AllyTest, FollowsItsLeaderWhenNoEnemyIsLeft)
{
    killEnemies();
    for (const FollowCase& c : kFollows)
    {
        SCOPED_TRACE(c.name);
        buddy->stand(200, c.leaderX < 200);
        a().changeAnim(c.startAnim);
        hero->stand(c.leaderX);
        ally.state = 0;
        ally.runMode = c.runMode;
        ally.blocking = true;
        step();
        EXPECT_EQ(a().x, c.x);
        EXPECT_EQ(a().state, c.state);
        EXPECT_EQ(a().dir, c.facingRight);
        EXPECT_EQ(ally.state, 0) << "it keeps thinking, so it follows again next step";
        EXPECT_TRUE(ally.blocking) << "the ally's step leaves its blocking flag alone";
    }
}

TEST_F(AllyTest, KeepsWalkingWithoutRestartingTheWalk)
{
    killEnemies();
    hero->stand(400);
    step();
    ASSERT_EQ(a().state, "walk");
    a().setFrame(1);
    step();
    EXPECT_EQ(a().x, 208);
    EXPECT_EQ(a().frame, 1);
}

TEST_F(AllyTest, WithoutALeaderOrATargetItWaits)
{
    killEnemies();
    ally.leader = nullptr;
    for (int i = 0; i < 3; ++i)
        step();
    EXPECT_EQ(a().x, 200);
    EXPECT_EQ(ally.state, 0);
    EXPECT_EQ(ally.getDistanceToLeader(), 0);

    ally.target = nullptr;
    step();
    EXPECT_EQ(a().x, 200);
    ally.leader = &hero->fighter();
    hero->stand(400);
    step();
    EXPECT_EQ(a().x, 204) << "no target at all: it follows";
}

TEST_F(AllyTest, FightsWhileAnyEnemyLives)
{
    // Only the far enemy lives, one that has not been woken: the ally goes
    // for it all the same and does not follow the leader.
    grunts[0]->fighter().hp = 0;
    hero->stand(0);
    for (int i = 0; i < 20; ++i)
    {
        ally.state = 0;
        buddy->stand(200, true);
        step();
        EXPECT_NE(ally.state, 0) << "it chose what to do next";
        EXPECT_EQ(a().x, 200) << "choosing does not move it";
    }
    EXPECT_EQ(ally.target->returnTarget(), &grunts[1]->fighter());
}

TEST_F(AllyTest, TimedStateEndsAfterItsPlayTime)
{
    ally.updateAI(enemies, 2);
    ally.state = 9;
    ally.stateTimer = 10.0f; // 100 ms
    int elapsed = 0;
    while (ally.state == 9 && elapsed < 1000)
    {
        advanceTestClock(40);
        elapsed += 40;
        ally.update();
        ally.updateAI(enemies, 2);
    }
    EXPECT_GE(elapsed, 80);
    EXPECT_LE(elapsed, 160);
}

TEST_F(AllyTest, TurnsToItsTargetEachStep)
{
    grunts[0]->stand(100, true);
    buddy->stand(200, true);
    ally.accum = 4.0f;
    ally.updatePosition(enemies, 2);
    EXPECT_FALSE(a().dir) << "the nearest living enemy is on its left";

    grunts[0]->fighter().hp = 0;
    ally.accum = 4.0f;
    ally.updatePosition(enemies, 2);
    EXPECT_TRUE(a().dir);

    buddy->perform("jab");
    grunts[1]->stand(100, true);
    ally.accum = 4.0f;
    ally.updatePosition(enemies, 2);
    EXPECT_TRUE(a().dir) << "a busy ally is not turned";
}

TEST_F(AllyTest, BeatenAllyFallsAndLandsButDecidesNothing)
{
    a().hp = 0;
    a().changeAnim("fallDown");
    a().falling = true;
    a().grounded = false;
    a().y = g_GroundLevel - 30;
    killEnemies();
    hero->stand(500);
    for (int i = 0; i < 30; ++i)
    {
        step();
        if (a().returnBusy())
            a().changeAnim("standing");
    }
    EXPECT_TRUE(a().grounded);
    EXPECT_FALSE(a().falling);
    EXPECT_EQ(a().x, 200) << "it does not follow";
    EXPECT_EQ(ally.state, 0);
}

TEST_F(AllyTest, StepsOnlyWhenTheAccumulatorIsFull)
{
    killEnemies();
    hero->stand(400);
    ally.accum = 3.0f;
    ally.updateAI(enemies, 2);
    EXPECT_EQ(a().x, 200);
    EXPECT_EQ(ally.accum, 3.0f);
    ally.accum = 3.1f;
    ally.updateAI(enemies, 2);
    EXPECT_EQ(a().x, 204);
    EXPECT_EQ(ally.accum, 0.0f);
}
} // namespace
