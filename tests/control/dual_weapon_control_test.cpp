// The boss-fight player's two weapons: the swap on the third button, each
// weapon's own moves, animations and command buffer, and what a swap drops.
#include "control/dual_weapon_control.h"
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
CharacterSpec bladeSpec()
{
    CharacterSpec spec = fighterSpec("data/characters/Blade");
    MoveSpec jab2{"jab2", "A"};
    jab2.link = "jab";
    jab2.linkFrame = 1;
    spec.moves.push_back(jab2);
    return spec;
}

class DualWeaponTest : public ::testing::Test
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
        blade = std::make_unique<FighterRig>(writeFighter(bladeSpec()), screen, 200);
        staff = std::make_unique<FighterRig>(writeFighter(fighterSpec("data/characters/Staff")), screen, 200);
        boss = std::make_unique<FighterRig>(writeFighter(fighterSpec("data/characters/Boss")), screen, 240);
        boss->stand(240, false);
        // Weapon 2's buffer works on the one fighter, that of weapon 1's record.
        staffInput = std::make_unique<inputChecker>(staff->moves(), &hero());
        bossTarget.setTarget(&boss->fighter());
        control.init(screen);
        control.setup(&hero(), &fx->kinds, &blade->particles, &blade->sounds, blade->anims(), staff->anims(),
                      blade->moves(), staff->moves(), &blade->pad, &blade->input, staffInput.get(),
                      &bossTarget);
        control.effects = &fx->effects;
        control.update();
    }

    Fighter& hero() { return blade->fighter(); }
    void press(SDLKey key)
    {
        SDL_Event e = keyDownEvent(key);
        control.inputChecking(&e);
    }
    void send(SDL_Event e) { control.inputChecking(&e); }

    // Whether the fighter shows that set's animation of the name.
    bool shows(animationSet* set, const char* name) { return hero().sheet == set->returnAnimation(name); }

    GlobalsGuard globals;
    ScratchDir dir;
    SDL_Surface* screen = nullptr;
    std::unique_ptr<FightEffects> fx;
    std::unique_ptr<FighterRig> blade;
    std::unique_ptr<FighterRig> staff;
    std::unique_ptr<FighterRig> boss;
    std::unique_ptr<inputChecker> staffInput;
    Target bossTarget;
    playerDualWepControl control;
};

TEST_F(DualWeaponTest, StartsWithWeaponOneAndLeavesTheNearestTargetAlone)
{
    EXPECT_EQ(control.currentSet, 1);
    EXPECT_EQ(control.moves, blade->moves());
    EXPECT_EQ(control.input, &blade->input);
    EXPECT_EQ(control.anims, blade->anims());
    EXPECT_EQ(hero().moves, blade->moves());
    EXPECT_EQ(control.nearestTarget.owner, nullptr);
}

TEST_F(DualWeaponTest, ThirdButtonSwapsEverythingTheFighterPlaysFrom)
{
    struct
    {
        int set;
        moveSet* moves;
        inputChecker* input;
        animationSet* anims;
    } expected[] = {{2, staff->moves(), staffInput.get(), staff->anims()},
                    {1, blade->moves(), &blade->input, blade->anims()},
                    {2, staff->moves(), staffInput.get(), staff->anims()}};
    for (const auto& e : expected)
    {
        press(SDLK_d);
        SCOPED_TRACE(testing::Message() << "now weapon " << e.set);
        EXPECT_EQ(control.currentSet, e.set);
        EXPECT_EQ(control.moves, e.moves);
        EXPECT_EQ(control.input, e.input);
        EXPECT_EQ(hero().animSet, e.anims);
        EXPECT_EQ(hero().moves, e.moves);
        EXPECT_TRUE(shows(e.anims, "standing"));
        EXPECT_EQ(hero().state, "standing");
        EXPECT_EQ(control.anims, blade->anims()) << "weapon 1's animations stay bound";
    }
    EXPECT_EQ(blade->input.bufferText() + staffInput->bufferText(), "") << "the swap gives no 'C'";
}

TEST_F(DualWeaponTest, EachWeaponKeepsItsOwnBufferedLetters)
{
    press(SDLK_RIGHT);
    press(SDLK_d);
    press(SDLK_DOWN);
    press(SDLK_d);
    press(SDLK_LEFT);
    EXPECT_EQ(blade->input.bufferText(), "RL");
    EXPECT_EQ(staffInput->bufferText(), "D");
}

TEST_F(DualWeaponTest, SwapDuringAnAttackEndsIt)
{
    blade->perform("jab", 1);
    press(SDLK_d);
    EXPECT_FALSE(hero().returnBusy());
    EXPECT_TRUE(shows(staff->anims(), "standing"));
}

TEST_F(DualWeaponTest, OneWeaponOnlyMakesTheThirdButtonDoNothing)
{
    control.setup(&hero(), &fx->kinds, &blade->particles, &blade->sounds, blade->anims(), nullptr,
                  blade->moves(), staff->moves(), &blade->pad, &blade->input, staffInput.get(), &bossTarget);
    blade->perform("jab", 1);
    press(SDLK_d);
    EXPECT_EQ(control.currentSet, 1);
    EXPECT_EQ(hero().state, "jab");
    EXPECT_EQ(control.moves, blade->moves());
    EXPECT_EQ(blade->input.bufferText(), "");

    blade->pad.joystickIndex = 0;
    send(joyButtonEvent(0, 2));
    EXPECT_EQ(control.currentSet, 1);
    EXPECT_EQ(blade->input.bufferText(), "");
}

TEST_F(DualWeaponTest, ButtonsOfAnyJoystickCountButOnlyTheBoundStickMoves)
{
    blade->pad.joystickIndex = 0;
    send(joyButtonEvent(1, 0));
    send(joyButtonEvent(0, 1));
    EXPECT_EQ(blade->input.bufferText(), "AB");
    send(joyButtonEvent(1, 2));
    EXPECT_EQ(control.currentSet, 2);
    send(joyAxisEvent(1, 1, 20000));
    send(joyAxisEvent(0, 1, 20000));
    EXPECT_EQ(staffInput->bufferText(), "D") << "only the bound joystick's stick";
    send(joyButtonEvent(0, 2));
    EXPECT_EQ(control.currentSet, 1);
}

TEST_F(DualWeaponTest, SwapDropsTheOldWeaponsQueuedFollowUp)
{
    // A press during the jab's linking frame queues jab2 for when the jab ends.
    blade->perform("jab", 1);
    press(SDLK_a);
    control.accum = 0.0f;
    control.movementChecking(nullptr);
    ASSERT_EQ(blade->input.pending, blade->move("jab2"));

    press(SDLK_d);
    press(SDLK_d);
    ASSERT_EQ(control.currentSet, 1);
    control.movementChecking(nullptr);
    EXPECT_EQ(hero().state, "standing") << "the follow-up of a dropped attack does not start";

    // Without a swap it would have.
    blade->perform("jab", 1);
    press(SDLK_a);
    control.movementChecking(nullptr);
    ASSERT_EQ(blade->input.pending, blade->move("jab2"));
    blade->stand(200);
    control.movementChecking(nullptr);
    EXPECT_EQ(hero().state, "jab2");
}

TEST_F(DualWeaponTest, ReactionsAndDeflectionsComeFromTheWeaponInUse)
{
    press(SDLK_d);
    ASSERT_EQ(control.currentSet, 2);

    // The boss's blow: the reaction is weapon 2's.
    boss->perform("jab", 1);
    hero().dir = true;
    control.updateDamageCollision();
    EXPECT_EQ(hero().currentMove, staff->move("hit1"));

    // The boss parries weapon 2's jab: the recoil is weapon 2's too.
    hero().changeAnim("standing");
    hero().changeAction(staff->move("jab"));
    hero().setFrame(1);
    boss->perform("parry");
    playerControl bossControl;
    Target heroTarget;
    heroTarget.setTarget(&hero());
    bossControl.init(screen);
    bossControl.setup(&boss->fighter(), &fx->kinds, &boss->particles, &boss->sounds, boss->anims(),
                      boss->moves(), &boss->pad, &boss->input, &heroTarget);
    bossControl.checkDeflectCollision();
    EXPECT_EQ(hero().currentMove, staff->move("recoil"));
}
} // namespace
