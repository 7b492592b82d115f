// What controls and AIs aim at: one fixed fighter, or the nearest living one
// of several candidates.
#include "engine/globals.h"
#include "fighter/collision.h"
#include "fighter/fighter.h"
#include "fighter/target.h"
#include "tests/support/character_fixture.h"

#include <deque>
#include <gtest/gtest.h>

using namespace testing_support;

namespace
{
class TargetTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_NE(openTestVideo(), nullptr);
        InfoFrame strike = bodyFrame();
        strike.col[2] = 25;
        strike.dmg[0] = 30;
        strike.dmg[1] = 20;
        strike.dmg[2] = 39;
        strike.dmg[3] = 30;
        strike.damage = 7;
        strike.hitType = 3;
        writeSpriteFolder("body", {strike});
        ASSERT_EQ(sheet.init("body"), 0);
    }

    // A fighter on the test sheet at (x, 348).
    Fighter& fighter(int x, int hp = 10)
    {
        fighters.emplace_back();
        Fighter& f = fighters.back();
        f.sheet = &sheet;
        f.target = screen;
        f.x = x;
        f.y = 348;
        f.hp = hp;
        f.maxHP = 10;
        return f;
    }

    ScratchDir dir;
    CSpriteBase sheet;
    std::deque<Fighter> fighters;
};

TEST_F(TargetTest, WithoutAFighterThePlainTargetAnswersItsStoredPosition)
{
    Target t;
    EXPECT_EQ(t.retX(), 0);
    EXPECT_EQ(t.retY(), 0);
    EXPECT_EQ(t.returnTarget(), nullptr);
    t.x = 120;
    t.y = -40;
    EXPECT_EQ(t.retX(), 120);
    EXPECT_EQ(t.retY(), -40);
}

// A target with no fighter has no box to hit or be hit by: its boxes
// collide with nothing, not with each other nor with a frameless fighter's.
TEST_F(TargetTest, WithoutAFighterItsBoxesCollideWithNothing)
{
    Target a;
    Target b;
    Fighter frameless;
    const colBox anywhere = {-200000, -200000, 200000, 200000};
    const struct
    {
        const char* name;
        colBox one;
        colBox two;
    } cases[] = {
        {"its own two boxes", a.getColBox(true), a.getDmgBox()},
        {"another empty target", a.getDmgBox(), b.getColBox(false)},
        {"a fighter without a frame", a.getDmgBox(), frameless.getCBox()},
        {"a box over the whole field and beyond", a.getColBox(true), anywhere},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(SquareCollider(c.one, c.two).collisionCheck());
        EXPECT_FALSE(SquareCollider(c.two, c.one).collisionCheck());
    }
}

TEST_F(TargetTest, APlainTargetAnswersForItsFighter)
{
    Fighter& f = fighter(300);
    f.strength = 10;
    f.grounded = true;
    Target t;
    t.x = 5;
    t.setTarget(&f);
    EXPECT_EQ(t.returnTarget(), &f);
    EXPECT_EQ(t.retX(), 300);
    EXPECT_EQ(t.retY(), 348);
    // A 40x80 frame: anchor (20, 80), body box (5, 5)-(25, 79), strike box (30, 20)-(39, 30).
    const colBox body = t.getColBox(false);
    EXPECT_EQ(body.x1, 285);
    EXPECT_EQ(body.y1, 273);
    EXPECT_EQ(body.x2, 305);
    EXPECT_EQ(body.y2, 347);
    const colBox strike = t.getDmgBox();
    EXPECT_EQ(strike.x1, 310);
    EXPECT_EQ(strike.y1, 288);
    EXPECT_EQ(strike.x2, 319);
    EXPECT_EQ(strike.y2, 298);
    EXPECT_EQ(t.getHitType(), 3);
    EXPECT_EQ(t.getDamage(), 14) << "strength 10 doubles the frame's 7";
    EXPECT_TRUE(t.getGrounded());

    f.dir = false;
    f.grounded = false;
    EXPECT_EQ(t.getColBox(true).x1, 295) << "the box follows the fighter's facing, not the argument";
    EXPECT_FALSE(t.getGrounded());
}

TEST_F(TargetTest, TheNearestLivingCandidateIsPicked)
{
    Fighter& owner = fighter(320);
    Fighter& a = fighter(100);
    Fighter& b = fighter(300);
    Fighter& c = fighter(500);
    smartTarget t;
    t.owner = &owner;
    for (Fighter* f : {&a, &b, &c})
        t.setTarget(f);
    Target& asked = t;

    EXPECT_EQ(asked.retX(), 300);
    EXPECT_EQ(t.target, &b);
    EXPECT_EQ(t.setTarget(), 20);

    b.hp = 0;
    EXPECT_EQ(asked.retX(), 500) << "180 pixels away against A's 220";
    EXPECT_EQ(asked.returnTarget(), &c);
    EXPECT_EQ(t.setTarget(), 180);

    c.hp = -5;
    EXPECT_EQ(asked.returnTarget(), &a);
    b.hp = 1;
    EXPECT_EQ(asked.returnTarget(), &b) << "a candidate that lives again is picked again";

    owner.x = 90;
    EXPECT_EQ(asked.retX(), 100) << "distances are measured from where the owner stands now";
}

TEST_F(TargetTest, EquallyNearCandidatesGoToTheOneGivenFirst)
{
    Fighter& owner = fighter(320);
    Fighter& left = fighter(300);
    Fighter& right = fighter(340);
    smartTarget leftFirst;
    leftFirst.owner = &owner;
    leftFirst.setTarget(&left);
    leftFirst.setTarget(&right);
    EXPECT_EQ(leftFirst.returnTarget(), &left);

    smartTarget rightFirst;
    rightFirst.owner = &owner;
    rightFirst.setTarget(&right);
    rightFirst.setTarget(&left);
    EXPECT_EQ(rightFirst.returnTarget(), &right);
}

TEST_F(TargetTest, WithEveryCandidateDeadTheLastPickedStays)
{
    Fighter& owner = fighter(0);
    Fighter& a = fighter(100);
    Fighter& b = fighter(200);
    smartTarget t;
    t.owner = &owner;
    t.setTarget(&a);
    t.setTarget(&b);
    EXPECT_EQ(t.retX(), 100);
    a.hp = 0;
    b.hp = 0;
    EXPECT_EQ(t.setTarget(), 9999999);
    EXPECT_EQ(t.retX(), 100);
    EXPECT_EQ(t.returnTarget(), &a);
    EXPECT_EQ(t.getColBox(true).x1, a.getCBox().x1);
}

TEST_F(TargetTest, WithNoCandidateEverAliveTheLastGivenStays)
{
    Fighter& owner = fighter(0);
    Fighter& a = fighter(100, 0);
    Fighter& b = fighter(200, 0);
    smartTarget t;
    t.owner = &owner;
    t.setTarget(&a);
    t.setTarget(&b);
    EXPECT_EQ(t.retX(), 200);
    EXPECT_EQ(t.returnTarget(), &b);
}

TEST_F(TargetTest, AGivenFighterIsTheAnswerUntilTheNextQuestionRepicks)
{
    Fighter& owner = fighter(0);
    Fighter& near = fighter(50);
    Fighter& far = fighter(400);
    smartTarget t;
    t.owner = &owner;
    t.setTarget(&near);
    t.setTarget(&far);
    EXPECT_EQ(t.target, &far);
    EXPECT_EQ(t.returnTarget(), &near);
    ASSERT_EQ(t.candidates.size(), 2u);
}

TEST_F(TargetTest, EmptyAndUnreachableCandidatesAreNeverPicked)
{
    Fighter& owner = fighter(0);
    Fighter& given = fighter(30);
    smartTarget none;
    none.owner = &owner;
    none.target = &given;
    EXPECT_EQ(none.setTarget(), 9999999);
    EXPECT_EQ(none.returnTarget(), &given) << "no candidates leaves the target as it was";

    Fighter& remote = fighter(9999999);
    Fighter& near = fighter(9999998);
    smartTarget t;
    t.owner = &owner;
    t.setTarget(&remote);
    t.setTarget(nullptr);
    EXPECT_EQ(t.setTarget(), 9999999);
    EXPECT_EQ(t.returnTarget(), nullptr) << "9999999 pixels is never near enough";
    t.setTarget(&near);
    EXPECT_EQ(t.retX(), 9999998);
    EXPECT_EQ(t.getDistance(&remote), 9999999);
}

TEST_F(TargetTest, EveryQuestionAnswersForThePickedFighter)
{
    Fighter& owner = fighter(320);
    Fighter& a = fighter(100);
    Fighter& b = fighter(330);
    b.strength = 10;
    b.grounded = true;
    smartTarget t;
    t.owner = &owner;
    t.setTarget(&b);
    t.setTarget(&a);
    Target& asked = t;

    t.target = &a;
    EXPECT_EQ(asked.retY(), 348);
    EXPECT_EQ(t.target, &b);
    t.target = &a;
    EXPECT_EQ(asked.getColBox(true).x1, b.getCBox().x1);
    t.target = &a;
    EXPECT_EQ(asked.getDmgBox().x1, b.getDBox().x1);
    t.target = &a;
    EXPECT_EQ(asked.getHitType(), 3);
    EXPECT_EQ(t.target, &b);
    t.target = &a;
    EXPECT_EQ(asked.getDamage(), 14);
    t.target = &a;
    EXPECT_TRUE(asked.getGrounded());
}
} // namespace
