// The stage controls: the stage player's weapon swap, keys, walking that
// turns with the keys, runs and air dashes, blows from a whole row of
// enemies, walking through enemies; and the stage enemies' on/off switch.
#include "control/beat_em_up_control.h"
#include "control/enemy_ai.h"
#include "engine/clock.h"
#include "engine/globals.h"
#include "fighter/animation_set.h"
#include "fighter/move_set.h"
#include "tests/control/control_fixture.h"

#include <gtest/gtest.h>
#include <memory>

using namespace testing_support;

namespace
{
// Weapon 1 has a follow-up "jab2" that links from its jab.
CharacterSpec heroSpec(const std::string& folder = "data/characters/Hero")
{
    CharacterSpec spec = fighterSpec(folder);
    MoveSpec jab2{"jab2", "A"};
    jab2.link = "jab";
    jab2.linkFrame = 1;
    spec.moves.push_back(jab2);
    return spec;
}

class StagePlayerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        screen = openTestVideo();
        ASSERT_NE(screen, nullptr);
        setTestClock(10000);
        writeFightEffects();
        writeSoundSet();
        fx = std::make_unique<FightEffects>(screen);
        hero = std::make_unique<FighterRig>(writeFighter(heroSpec()), screen, 200);
        staff = std::make_unique<FighterRig>(writeFighter(fighterSpec("data/characters/Staff")), screen, 200);
        const std::string grunt = writeFighter(fighterSpec("data/characters/Grunt"));
        for (auto& g : grunts)
        {
            g = std::make_unique<FighterRig>(grunt, screen, 500);
            g->stand(500, false);
        }
        for (int i = 0; i < 2; ++i)
            enemies[i].fighter = &grunts[i]->fighter();
        bind(staff->anims());
    }

    void bind(animationSet* second)
    {
        control.init(screen);
        control.setup(&f(), &fx->kinds, &hero->particles, &hero->sounds, hero->anims(), second, hero->moves(),
                      staff->moves(), &hero->pad, &hero->input, nullptr);
        control.effects = &fx->effects;
        control.update();
        control.accum = 0.0f;
    }

    Fighter& f() { return hero->fighter(); }
    void press(SDLKey key)
    {
        SDL_Event e = keyDownEvent(key);
        control.inputChecking(&e);
    }
    void send(SDL_Event e) { control.inputChecking(&e); }
    std::string letters() { return hero->input.bufferText(); }

    GlobalsGuard globals;
    ScratchDir dir;
    SDL_Surface* screen = nullptr;
    std::unique_ptr<FightEffects> fx;
    std::unique_ptr<FighterRig> hero;
    std::unique_ptr<FighterRig> staff;
    std::unique_ptr<FighterRig> grunts[2];
    enemyData enemies[2];
    particleList shots;
    playerBeatEmControl control;
};

TEST_F(StagePlayerTest, KeysGiveLettersAndTheThirdKeySwapsWeapons)
{
    for (SDLKey k : {SDLK_a, SDLK_s, SDLK_DOWN, SDLK_RIGHT, SDLK_LEFT, SDLK_UP})
        press(k);
    EXPECT_EQ(letters(), "ABDRLU");
    hero->input.deleteList();
    f().dir = false;
    press(SDLK_RIGHT);
    press(SDLK_LEFT);
    EXPECT_EQ(letters(), "LR");

    hero->input.deleteList();
    press(SDLK_d);
    EXPECT_EQ(letters(), "") << "no 'C' on the stage";
    EXPECT_EQ(control.currentSet, 2);
}

TEST_F(StagePlayerTest, SwappingTwiceReturnsToWeaponOne)
{
    struct
    {
        int set;
        moveSet* moves;
        animationSet* anims;
    } expected[] = {{2, staff->moves(), staff->anims()}, {1, hero->moves(), hero->anims()}};
    hero->perform("jab", 1);
    for (const auto& e : expected)
    {
        press(SDLK_d);
        SCOPED_TRACE(testing::Message() << "now weapon " << e.set);
        EXPECT_EQ(control.currentSet, e.set);
        EXPECT_EQ(control.moves, e.moves);
        EXPECT_EQ(f().moves, e.moves);
        EXPECT_EQ(f().animSet, e.anims);
        EXPECT_EQ(f().sheet, e.anims->returnAnimation("standing"));
        EXPECT_FALSE(f().returnBusy()) << "the swap drops the running attack";
        EXPECT_EQ(control.input, &hero->input) << "one buffer, bound to the weapon in use";
        EXPECT_EQ(hero->input.listA, e.moves->listA);
        EXPECT_EQ(hero->input.listB, e.moves->listB);
    }
}

TEST_F(StagePlayerTest, OneWeaponOnlyMakesTheThirdKeyDoNothing)
{
    bind(nullptr);
    hero->perform("jab", 1);
    press(SDLK_d);
    hero->pad.joystickIndex = 0;
    send(joyButtonEvent(0, 2));
    EXPECT_EQ(control.currentSet, 1);
    EXPECT_EQ(f().state, "jab");
    EXPECT_EQ(letters(), "");
}

TEST_F(StagePlayerTest, SwapDropsTheQueuedFollowUpOfTheOldWeapon)
{
    hero->perform("jab", 1);
    press(SDLK_a);
    control.movementChecking(nullptr, enemies, 2);
    ASSERT_EQ(hero->input.pending, hero->move("jab2"));
    press(SDLK_d);
    control.movementChecking(nullptr, enemies, 2);
    EXPECT_EQ(f().state, "standing") << "weapon 1's follow-up does not start with weapon 2";
    EXPECT_EQ(f().animSet, staff->anims());
}

TEST_F(StagePlayerTest, JoystickButtonsOfThePadsOwnStick)
{
    hero->pad.joystickIndex = 0;
    send(joyButtonEvent(0, 0));
    send(joyButtonEvent(0, 1));
    send(joyButtonEvent(1, 0));
    send(joyAxisEvent(1, 0, 20000));
    send(joyAxisEvent(0, 0, 20000));
    EXPECT_EQ(letters(), "ABR");
    send(joyButtonEvent(1, 2));
    EXPECT_EQ(control.currentSet, 1);
    send(joyButtonEvent(0, 2));
    EXPECT_EQ(control.currentSet, 2);
}

// One walking step: the stage player turns to the key it holds.
struct StageWalkCase
{
    const char* name;
    std::vector<SDLKey> keys;
    const char* startState;
    bool facingRight;
    bool grounded;
    int dx;
    bool facingAfter;
    const char* state;
};

const StageWalkCase kStageWalks[] = {
    {"back turns and walks in the same step", {SDLK_LEFT}, "standing", true, true, -4, false, "walk"},
    {"right while facing left", {SDLK_RIGHT}, "standing", false, true, 4, true, "walk"},
    {"both keys: right wins", {SDLK_LEFT, SDLK_RIGHT}, "standing", false, true, 0, true, "walk"},
    {"a move on the ground only turns", {SDLK_LEFT}, "jab", true, true, 0, false, "jab"},
    {"a move in the air turns and drifts", {SDLK_LEFT}, "jab", true, false, -4, false, "jab"},
    {"running forward", {SDLK_RIGHT}, "running", true, true, 8, true, "running"},
    {"running with the back key stops and keeps the facing",
     {SDLK_LEFT},
     "running",
     true,
     true,
     0,
     true,
     "standing"},
    {"ducking only turns and stands up", {SDLK_LEFT}, "duck", true, true, 0, false, "standing"},
    {"down while walking ducks", {SDLK_DOWN}, "walk", true, true, 0, true, "duck"},
    {"no keys: stands", {}, "walk", true, true, 0, true, "standing"},
    {"knocked down: drifts and turns, no new animation",
     {SDLK_LEFT},
     "fallDown",
     true,
     false,
     -4,
     false,
     "fallDown"},
};

TEST_F(StagePlayerTest, WalkingTurnsWithTheKeys)
{
    for (const StageWalkCase& c : kStageWalks)
    {
        SCOPED_TRACE(c.name);
        hero->stand(200, c.facingRight);
        const std::string start = c.startState;
        if (hero->move(start))
            hero->perform(start);
        else
            f().changeAnim(start);
        f().grounded = c.grounded;
        f().falling = start == "fallDown";
        {
            HeldKeys held(c.keys);
            control.keyboardMovement();
        }
        EXPECT_EQ(f().x - 200, c.dx);
        EXPECT_EQ(f().dir, c.facingAfter);
        EXPECT_EQ(f().state, c.state);
    }
}

struct StageRunCase
{
    const char* name;
    bool grounded;
    SDLKey key;
    const char* state;
};

const StageRunCase kStageRuns[] = {
    {"back twice on the ground does nothing", true, SDLK_LEFT, "standing"},
    {"forward twice runs", true, SDLK_RIGHT, "running"},
    {"back twice in the air", false, SDLK_LEFT, "airBack"},
    {"forward twice in the air", false, SDLK_RIGHT, "airForward"},
};

TEST_F(StagePlayerTest, DoubleTapsRunOrDashButNeverJumpBack)
{
    for (const StageRunCase& c : kStageRuns)
    {
        SCOPED_TRACE(c.name);
        hero->stand(200, true);
        hero->input.deleteList();
        if (!c.grounded)
        {
            f().changeAnim("inAir");
            f().grounded = false;
            f().y = 250;
            f().falling = true;
        }
        press(c.key);
        press(c.key);
        control.movementChecking(nullptr, enemies, 2);
        EXPECT_EQ(f().state, c.state);
        EXPECT_FALSE(f().falling && !c.grounded) << "a dash stops a fall";
    }
}

TEST_F(StagePlayerTest, WalksThroughEnemiesWithoutTurningToThem)
{
    hero->stand(200, true);
    grunts[0]->stand(190, true);
    grunts[1]->stand(215, false);
    control.accum = 4.0f;
    control.updatePosition(enemies, 2);
    EXPECT_EQ(f().x, 200);
    EXPECT_TRUE(f().dir);
    EXPECT_EQ(control.accum, 0.0f);
}

TEST_F(StagePlayerTest, MovementStepWaitsForTheAccumulator)
{
    HeldKeys held({SDLK_RIGHT});
    control.accum = 3.0f;
    control.movementChecking(nullptr, enemies, 2);
    EXPECT_EQ(f().x, 200);
    control.accum = 3.5f;
    control.movementChecking(nullptr, enemies, 2);
    EXPECT_EQ(f().x, 204);
    EXPECT_EQ(control.accum, 0.0f);
}

TEST_F(StagePlayerTest, KnockedDownPlayerCrashesWhenItLands)
{
    f().changeAnim("fallDown");
    f().falling = true;
    f().grounded = false;
    f().y = g_GroundLevel - 1;
    f().vSpeed = -1;
    for (int i = 0; i < 2; ++i)
    {
        control.accum = 4.0f;
        control.updatePosition(enemies, 2);
    }
    EXPECT_EQ(f().state, "crash");
    EXPECT_FALSE(f().falling);
}

// A row of enemies swinging at the player in one frame.
struct RowCase
{
    const char* name;
    bool softReactions; // the player's reactions can be interrupted
    int firstHp;        // health of the first enemy
    int secondX;        // where the second enemy stands
    int hp;             // the player's health afterwards
    int grabber;        // index of the enemy recorded as grabber, -1 none
};

const RowCase kRows[] = {
    {"the first blow's reaction shields the player from the second", false, 100, 240, 90, 1},
    {"an interruptible reaction lets the second blow land too", true, 100, 240, 78, 1},
    {"a beaten enemy does not hit", false, 0, 600, 100, -1},
    {"a beaten enemy is skipped, the next one hits", false, 0, 240, 88, 1},
    {"only enemies that reach the player", false, 100, 600, 90, 0},
};

TEST_F(StagePlayerTest, EveryLivingEnemyThatReachesThePlayerHitsInOneFrame)
{
    CharacterSpec soft = heroSpec("data/characters/Soft");
    for (MoveSpec& m : soft.moves)
        if (m.name.rfind("hit", 0) == 0)
            m.interruptible = 1;
    FighterRig softRig(writeFighter(soft), screen, 200);
    for (const RowCase& c : kRows)
    {
        SCOPED_TRACE(c.name);
        FighterRig& rig = c.softReactions ? softRig : *hero;
        playerBeatEmControl p;
        p.init(screen);
        p.setup(&rig.fighter(), &fx->kinds, &rig.particles, &rig.sounds, rig.anims(), nullptr, rig.moves(),
                nullptr, &rig.pad, &rig.input, nullptr);
        rig.stand(200, true);
        rig.fighter().setHP(100, 100);
        grunts[0]->stand(240, false);
        grunts[1]->stand(c.secondX, false);
        grunts[0]->fighter().hp = c.firstHp;
        grunts[0]->perform("jab", 1);
        grunts[1]->perform("kick", 1);
        p.updateDamageCollision(enemies, 2);
        EXPECT_EQ(rig.fighter().hp, c.hp);
        EXPECT_EQ(p.grabber, c.grabber < 0 ? nullptr : &grunts[c.grabber]->fighter());
    }
}

// A grab shot holds the player by the enemy whose blow reached it, and only
// while that enemy is alive, switched on and still reaching the player;
// otherwise the shot neither holds nor hurts.
struct GrabShotCase
{
    const char* name;
    bool swung;   // the enemy's blow reached the player in the melee pass
    int holderX;  // where that enemy stands when the shot lands
    int holderHp; // its health then
    bool switchedOn;
    bool held;
};

const GrabShotCase kGrabShots[] = {
    {"the enemy that swung holds the player", true, 240, 100, true, true},
    {"it has walked off across the stage", true, 600, 100, true, false},
    {"it has been beaten", true, 240, 0, true, false},
    {"its wave is switched off", true, 240, 100, false, false},
    {"no enemy has reached the player yet", false, 240, 100, true, false},
};

TEST_F(StagePlayerTest, GrabShotHoldsOnlyByAnEnemyStillInReach)
{
    AIBeatEmUp controls[2];
    for (int i = 0; i < 2; ++i)
        controls[i].fighter = &grunts[i]->fighter();
    shots.removeAll();
    for (const GrabShotCase& c : kGrabShots)
    {
        SCOPED_TRACE(c.name);
        bind(staff->anims());
        control.enemyControls = controls;
        controls[0].active = c.switchedOn;
        hero->stand(200, true);
        f().setHP(100, 100);
        grunts[1]->stand(600, false);
        grunts[0]->stand(240, false);
        grunts[0]->fighter().grabbing = false;
        if (c.swung)
        {
            grunts[0]->perform("throw", 1);
            control.updateDamageCollision(enemies, 2);
            // The blow's reaction is over when the shot arrives.
            hero->stand(200, true);
        }
        grunts[0]->stand(c.holderX, false);
        grunts[0]->perform("throw", 1);
        grunts[0]->fighter().hp = c.holderHp;
        const int hpBefore = f().hp;
        freezeEnd = 0;
        shots.removeAll();
        shots.addParticleXY("grabShot", false, &fx->kinds, screen, 10000, f().x, f().y);
        control.checkParticleCollision(&shots, 'E');

        EXPECT_EQ(control.grabbed, c.held);
        EXPECT_EQ(grunts[0]->fighter().grabbing, c.held);
        EXPECT_EQ(f().hp, hpBefore) << "a grab costs no health";
        EXPECT_EQ(freezeEnd != 0, c.held);
        const int x = f().x;
        control.accum = 5.0f;
        control.updatePosition(enemies, 2);
        if (c.held)
            EXPECT_EQ(f().x, grunts[0]->fighter().getHitPointX(grunts[0]->fighter().dir));
        else
            EXPECT_NEAR(f().x, x, 1) << "the player is not pulled";
    }
}

// While held, another enemy's blow still lands but does not take the hold over.
TEST_F(StagePlayerTest, AMeleeBlowLeavesAGrabShotHoldAlone)
{
    grunts[0]->stand(240, false);
    grunts[0]->perform("throw", 1);
    grunts[1]->stand(600, false);
    control.updateDamageCollision(enemies, 2);
    hero->stand(200, true);
    shots.addParticleXY("grabShot", false, &fx->kinds, screen, 10000, f().x, f().y);
    control.checkParticleCollision(&shots, 'E');
    ASSERT_TRUE(control.grabbed);

    grunts[1]->stand(230, false);
    grunts[1]->perform("kick", 1);
    control.updateDamageCollision(enemies, 2);
    EXPECT_EQ(control.grabber, &grunts[0]->fighter());
    EXPECT_TRUE(control.grabbed);

    grunts[0]->fighter().x = 260;
    control.updatePosition(enemies, 2);
    EXPECT_EQ(f().x, grunts[0]->fighter().getHitPointX(grunts[0]->fighter().dir));
    EXPECT_EQ(f().state, "fallDown");
}

// Stage enemies: switched off they neither move nor decide; beaten they
// still fall and land but decide nothing.
class StageEnemyTest : public StagePlayerTest
{
protected:
    void SetUp() override
    {
        StagePlayerTest::SetUp();
        heroTarget.setTarget(&f());
        enemy.init(screen);
        enemy.setup(&grunts[0]->fighter(), &fx->kinds, &grunts[0]->particles, &grunts[0]->sounds,
                    grunts[0]->anims(), grunts[0]->moves(), &heroTarget, "data/characters/Grunt/ai");
        // Standing still is its only decision.
        enemy.thinkMode = 0;
        grunts[0]->stand(500, false);
    }

    Fighter& g() { return grunts[0]->fighter(); }

    Target heroTarget;
    AIBeatEmUp enemy;
};

TEST_F(StageEnemyTest, SwitchedOffEnemyNeitherMovesNorDecides)
{
    g().grounded = false;
    g().y = 200;
    g().vSpeed = -2;
    enemy.blocking = true;
    for (int i = 0; i < 5; ++i)
    {
        advanceTestClock(40);
        enemy.update();
        enemy.updateAI();
    }
    EXPECT_EQ(g().y, 200);
    EXPECT_EQ(enemy.state, 0);
    EXPECT_TRUE(enemy.blocking);
    EXPECT_GT(enemy.accum, static_cast<float>(accumTot)) << "its step time keeps growing";

    // Switched on, its first step comes at once.
    enemy.active = true;
    enemy.updateAI();
    EXPECT_EQ(g().y, 202);
    EXPECT_EQ(enemy.state, 9);
    EXPECT_FALSE(enemy.blocking);
    EXPECT_EQ(enemy.accum, 0.0f);
}

TEST_F(StageEnemyTest, BeatenEnemyStaysDownWhileItsBodyFallsAndLands)
{
    enemy.active = true;
    g().hp = 0;
    g().changeAnim("fallDown");
    g().falling = true;
    g().grounded = false;
    g().y = g_GroundLevel - 20;
    for (int i = 0; i < 30; ++i)
    {
        advanceTestClock(40);
        enemy.update();
        enemy.updateAI();
        if (g().returnBusy())
            g().changeAnim("standing"); // the crash ends at once
    }
    EXPECT_TRUE(g().grounded);
    EXPECT_FALSE(g().falling);
    EXPECT_EQ(enemy.state, 0) << "no decision was taken";
    EXPECT_EQ(g().x, 500);

    // Healed by a new wave, it decides again.
    g().hp = 100;
    advanceTestClock(40);
    enemy.update();
    enemy.updateAI();
    EXPECT_EQ(enemy.state, 9);
}

TEST_F(StageEnemyTest, TimedStateEndsAfterItsPlayTime)
{
    enemy.active = true;
    enemy.update();
    enemy.updateAI();
    enemy.state = 9;
    enemy.stateTimer = 10.0f; // 100 ms
    int elapsed = 0;
    while (enemy.state == 9 && elapsed < 1000)
    {
        advanceTestClock(40);
        elapsed += 40;
        enemy.update();
        enemy.updateAI();
    }
    EXPECT_GE(elapsed, 80);
    EXPECT_LE(elapsed, 160);
}

TEST_F(StageEnemyTest, BeatenEnemyDoesNotStartItsQueuedFollowUp)
{
    enemy.active = true;
    enemy.linkAttackName = "kick";
    enemy.lastAttackName = "jab";
    g().hp = 0;
    advanceTestClock(40);
    enemy.update();
    enemy.updateAI();
    EXPECT_FALSE(g().returnBusy());
    g().hp = 100;
    advanceTestClock(40);
    enemy.update();
    enemy.updateAI();
    EXPECT_EQ(g().state, "kick") << "alive, it plays the follow-up";
}
} // namespace
