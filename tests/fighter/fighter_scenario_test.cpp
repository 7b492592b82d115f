// A short scripted fight, headless and on the test clock: two characters load
// from their folders, one walks, jumps, builds power, performs a special whose
// frame fires a projectile, and the projectile hits and hurts the other.
#include "engine/audio.h"
#include "engine/clock.h"
#include "engine/globals.h"
#include "fighter/animation_set.h"
#include "fighter/character_data.h"
#include "fighter/combo.h"
#include "fighter/hit_ref.h"
#include "fighter/input_checker.h"
#include "fighter/move_set.h"
#include "fighter/particles.h"
#include "tests/support/character_fixture.h"

#include <gtest/gtest.h>
#include <vector>

using namespace testing_support;

namespace
{
// The projectile: a 10x10 box with its anchor at the centre, flying 10
// pixels a step and dealing 10; a hit on an enemy ends it without effect.
void writeShotKind()
{
    InfoFrame f;
    f.image = "shot.bmp";
    f.pause = 50;
    f.anchorX = 5;
    f.anchorY = 5;
    f.col[0] = 0, f.col[1] = 0, f.col[2] = 9, f.col[3] = 9;
    f.dmg[0] = 0, f.dmg[1] = 0, f.dmg[2] = 9, f.dmg[3] = 9;
    f.damage = 10;
    f.hitType = 1;
    f.xStep = 10;
    writeSpriteFolder("data/default/shot", {f});
    // alpha, lifetime, gravity, extra, die at last frame, then the five
    // event lists: OnDeath, OnHitPlayer, OnHitEnemy, OnHitTarget, OnHitAlly.
    writeFile("data/default/shot/particle",
              "255\n0\n0\n0\n0\n1\nNULL\n1\nNULL\n1\ndeath true\n1\nNULL\n1\nNULL\n");
    writeFile("data/default/particle", "PARTS: 1\nshot 0\n");
}

InfoFrame walkFrame()
{
    InfoFrame f = bodyFrame();
    f.xStep = 4;
    return f;
}

CharacterSpec hero()
{
    CharacterSpec spec;
    spec.folder = "data/characters/Hero";
    spec.name = "Hero";
    spec.mp = 50;
    spec.anims = standardAnims();
    for (AnimSpec& a : spec.anims)
        if (a.name == "walk")
            a.frames = {walkFrame(), walkFrame()};
    MoveSpec fireball("fireball", "DRA");
    fireball.energy = 30;
    fireball.special = 1;
    fireball.interruptible = 0;
    InfoFrame throwFrame = bodyFrame();
    throwFrame.particles = {"shot 30 40"};
    fireball.frames = {throwFrame, bodyFrame(), bodyFrame()};
    MoveSpec jab("jab", "A");
    spec.moves = {fireball, jab};
    return spec;
}

CharacterSpec dummy()
{
    CharacterSpec spec;
    spec.folder = "data/characters/Dummy";
    spec.name = "Dummy";
    spec.moves = {MoveSpec("hit1"), MoveSpec("hit2"), MoveSpec("hit3")};
    return spec;
}

class FighterScenarioTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_NE(openTestVideo(), nullptr);
        setTestClock(100000);
    }
    void TearDown() override { releaseTestClock(); }

    ScratchDir dir;
};

TEST_F(FighterScenarioTest, ASpecialMovesProjectileHitsTheOtherFighter)
{
    writeShotKind();
    const std::string heroPath = writeCharacter(hero());
    const std::string dummyPath = writeCharacter(dummy());

    soundSet heroSounds;
    soundSet dummySounds;
    characterData attacker(heroPath.c_str(), screen, 0, &heroSounds);
    characterData defender(dummyPath.c_str(), screen, 0, &dummySounds);
    partInfoList kinds;
    ASSERT_EQ(kinds.addList("default", screen), 1);
    particleList shots;
    comboCounter heroCombo;
    comboCounter dummyCombo;
    Fighter& a = attacker.fighter;
    Fighter& d = defender.fighter;
    a.setComCounter(&heroCombo);
    d.setComCounter(&dummyCombo);
    inputChecker input(attacker.moves, &a);

    // Both folders load whole.
    ASSERT_EQ(attacker.anims->count, 8);
    ASSERT_EQ(attacker.moves->count, 2);
    ASSERT_EQ(defender.moves->count, 3);
    ASSERT_TRUE(a.hasFrame());
    ASSERT_TRUE(d.hasFrame());

    d.x = 300;
    d.setDir(false);
    d.defence = 2;

    // Both fall from y 300 and land in 11 steps.
    for (int step = 0; step < 11; ++step)
    {
        a.Gravity();
        d.Gravity();
    }
    ASSERT_TRUE(a.grounded && d.grounded);
    EXPECT_EQ(a.state, "standing");

    // Walk five steps: the walk frames step 4 pixels each.
    a.changeAnim("walk");
    for (int step = 0; step < 5; ++step)
        a.Gravity();
    EXPECT_EQ(a.x, 70);

    // Jump and land straight up: 33 steps for a jump of 16.
    a.Jump(a.jump);
    EXPECT_EQ(a.state, "inAir");
    int airSteps = 0;
    while (!a.grounded && airSteps < 100)
    {
        a.Gravity();
        ++airSteps;
    }
    EXPECT_EQ(airSteps, 33);
    EXPECT_EQ(a.state, "standing");
    EXPECT_EQ(a.x, 70);

    // Without power the matcher passes over the special to the plain A move.
    inputKeys key;
    key.state = a.state;
    for (char k : {'D', 'R', 'A'})
    {
        key.key = k;
        key.time = static_cast<int>(gameTicks());
        input.acceptInput(key);
        advanceTestClock(20);
    }
    EXPECT_EQ(input.update(static_cast<int>(gameTicks()))->name, "jab");

    // Drawing builds power: one point per 200 ms drawn.
    a.lastPowerTick = gameTicks();
    int draws = 0;
    while (a.power < 30 && draws < 1000)
    {
        advanceTestClock(50);
        a.draw();
        d.draw();
        ++draws;
    }
    EXPECT_EQ(draws, 150);

    for (char k : {'D', 'R', 'A'})
    {
        key.key = k;
        key.time = static_cast<int>(gameTicks());
        input.acceptInput(key);
        advanceTestClock(20);
    }
    moveInfo* special = input.update(static_cast<int>(gameTicks()));
    ASSERT_NE(special, nullptr);
    EXPECT_EQ(special->name, "fireball");
    a.changeAction(special);
    EXPECT_EQ(a.power, 0);
    EXPECT_TRUE(a.getSpecial());

    // Its first frame fires the projectile from 30 ahead and 40 up.
    ASSERT_EQ(a.returnPartNum(), 1);
    for (int i = 1; i <= a.returnPartNum(); ++i)
        shots.addParticle(a.returnParticle(i), &a, &kinds, screen, static_cast<int>(gameTicks()), 0, 0);
    ASSERT_EQ(shots.size(), 1);
    const particle& shot = shots.parts.front();
    EXPECT_EQ(shot.sprite.x, 70 + 30 - 5);
    EXPECT_EQ(shot.sprite.y, 348 - 40 - 5);

    // The projectile flies a step each 40 ms frame until it reaches the
    // defender's body at x 285.
    particle* hit = nullptr;
    int frames = 0;
    std::vector<int> path;
    while (!hit && frames < 100)
    {
        advanceTestClock(40);
        a.draw();
        d.draw();
        shots.update();
        shots.draw();
        heroCombo.update(static_cast<int>(gameTicks()));
        ++frames;
        if (shots.size() > 0)
            path.push_back(shots.parts.front().sprite.x);
        hit = shots.collideFighter(&d, 'E');
    }
    ASSERT_NE(hit, nullptr);
    EXPECT_EQ(frames, 19);
    EXPECT_EQ(path.front(), 105);
    EXPECT_EQ(path.back(), 285);
    EXPECT_FALSE(a.returnBusy()) << "the special ended while the shot flew";
    EXPECT_EQ(a.state, "standing");

    // The defender takes the hit: 10, less 2 for its defence; the attacker's combo rises.
    const int damage = hit->getDamage();
    EXPECT_EQ(damage, 10);
    d.changeHP(-damage);
    a.addCombo(1);
    d.breakCombo();
    hitRef refs;
    moveInfo* reaction = refs.hitReference(defender.moves, hit->getHitType(), &d);
    ASSERT_NE(reaction, nullptr);
    d.changeAction(reaction);
    EXPECT_EQ(d.hp, 92);
    EXPECT_EQ(a.getCombo(), 1);
    EXPECT_EQ(d.state, "hit1");
    EXPECT_EQ(a.getDamage(), 0) << "standing deals nothing";

    // The shot ends at the hit and leaves nothing behind.
    shots.update();
    EXPECT_EQ(shots.size(), 0);
    EXPECT_EQ(shots.collideFighter(&d, 'E'), nullptr);

    // The defender's reaction plays out and it stands again.
    for (int i = 0; i < 20 && d.returnBusy(); ++i)
    {
        advanceTestClock(40);
        d.draw();
    }
    EXPECT_EQ(d.state, "standing");
    EXPECT_EQ(d.x, 300);
    heroCombo.update(static_cast<int>(gameTicks()));
    EXPECT_EQ(a.getCombo(), 1) << "the combo lasts three seconds";

    a.setComCounter(nullptr);
    d.setComCounter(nullptr);
}
} // namespace
