// Breakable stage props: they take blows and break, fall and land with a
// crash, and otherwise do nothing of their own.
#include "control/stage_object.h"
#include "engine/clock.h"
#include "engine/globals.h"
#include "fighter/combo.h"
#include "fighter/move_set.h"
#include "tests/control/control_fixture.h"

#include <gtest/gtest.h>
#include <memory>

using namespace testing_support;

namespace
{
class StageObjectTest : public ::testing::Test
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
        hero = std::make_unique<FighterRig>(writeFighter(fighterSpec("data/characters/Hero")), screen, 200);
        box = std::make_unique<FighterRig>(writeFighter(fighterSpec("data/characters/PostBox")), screen, 240);
        box->stand(240, false);
        hero->fighter().setComCounter(&combo);
        playerTarget.setTarget(&hero->fighter());
        prop.init(screen);
        prop.setup(&b(), &fx->kinds, &box->particles, &box->sounds, box->anims(), box->moves(), &playerTarget,
                   "data/characters/PostBox/ai");
        prop.active = true;
        prop.effects = &fx->effects;
    }

    Fighter& b() { return box->fighter(); }
    Fighter& h() { return hero->fighter(); }
    void strike()
    {
        hero->perform("jab", 1);
        prop.updateDamageCollision();
    }
    void settle()
    {
        prop.accum = 4.0f;
        prop.updatePosition();
    }

    GlobalsGuard globals;
    ScratchDir dir;
    SDL_Surface* screen = nullptr;
    std::unique_ptr<FightEffects> fx;
    std::unique_ptr<FighterRig> hero;
    std::unique_ptr<FighterRig> box;
    comboCounter combo;
    Target playerTarget;
    beatEmUpObject prop;
};

TEST_F(StageObjectTest, BrokenInTheAirItCrashesOnceWhenItLands)
{
    b().setHP(10, 10);
    b().grounded = false;
    b().y = 300;
    b().vSpeed = 0;
    strike();
    ASSERT_EQ(b().hp, 0);
    ASSERT_EQ(b().state, "hit3");
    EXPECT_TRUE(b().falling);
    EXPECT_EQ(b().vSpeed, 5);
    EXPECT_EQ(h().vSpeed, 5) << "the attacker rises with it";

    b().changeAnim("fallDown"); // the reaction has played out
    int crashes = 0;
    for (int i = 0; i < 60; ++i)
    {
        settle();
        if (b().state == "crash" && b().frame == 0)
        {
            ++crashes;
            b().setFrame(1);
        }
    }
    EXPECT_EQ(crashes, 1);
    EXPECT_TRUE(b().grounded);
    EXPECT_FALSE(b().falling);
}

TEST_F(StageObjectTest, BrokenPropStillTakesBlows)
{
    b().setHP(10, 10);
    strike();
    ASSERT_EQ(b().hp, 0);
    b().changeAnim("standing");
    h().setPower(0, 100);
    combo.breakCombo();
    strike();
    EXPECT_EQ(b().state, "hit3") << "the death reaction again";
    EXPECT_EQ(b().hp, 0);
    EXPECT_EQ(h().power, 5);
    EXPECT_EQ(combo.getCombo(), 1);
    EXPECT_EQ(freezeEnd, 0u);
}

TEST_F(StageObjectTest, OnlyTheTargetsBlowsReachIt)
{
    playerTarget.setTarget(nullptr);
    prop.updateDamageCollision();
    prop.takeDamage();
    EXPECT_EQ(b().hp, 100);

    playerTarget.setTarget(&h());
    hero->stand(100);
    hero->perform("jab", 1);
    prop.updateDamageCollision();
    EXPECT_EQ(b().hp, 100) << "out of reach";
    prop.takeDamage();
    EXPECT_EQ(b().hp, 90) << "the direct intake takes the target's blow wherever it is";
}

TEST_F(StageObjectTest, ItNeitherThinksNorTurnsNorIsPushed)
{
    prop.accum = 4.0f;
    prop.updateAI();
    EXPECT_EQ(prop.accum, 4.0f);
    EXPECT_EQ(prop.state, 0);

    hero->stand(250); // pressed against its right side
    settle();
    EXPECT_EQ(b().x, 240);
    EXPECT_FALSE(b().dir);
    EXPECT_EQ(prop.accum, 0.0f);

    b().grounded = false;
    b().y = 300;
    b().vSpeed = 0;
    prop.accum = 3.0f;
    prop.updatePosition();
    EXPECT_EQ(b().y, 300) << "no physics before the accumulator is full";
    settle();
    EXPECT_EQ(b().vSpeed, -1);
}
} // namespace
