// How every control takes a blow: the reaction, health, power, combos,
// hit-stop, grabs, damage number, sparks, blood and sound, by kind of victim
// and kind of blow; the turn towards the attacker, air lifts, defence, grab
// holds and releases, blocking and deflection.
#include "control/ally_ai.h"
#include "control/beat_em_up_control.h"
#include "control/enemy_ai.h"
#include "control/player_control.h"
#include "control/stage_object.h"
#include "engine/clock.h"
#include "engine/globals.h"
#include "fighter/combo.h"
#include "fighter/move_set.h"
#include "tests/control/control_fixture.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

using namespace testing_support;

namespace
{
const Uint32 kNow = 10000;
const int kNoFreeze = -1;

enum class Victim
{
    Player,     // one-on-one player, melee
    PlayerShot, // one-on-one player, projectile
    Ai,         // one-on-one computer opponent that never blocks by chance
    StageMelee, // stage player, an enemy's blow
    StageShot,  // stage player, a projectile
    Enemy,      // stage enemy, switched on
    Ally,       // the player's ally, an enemy's blow
    AllyShot,   // the ally, a projectile
    Prop        // breakable stage object
};

const char* victimName(Victim v)
{
    static const char* const names[] = {"player",       "player/projectile",       "AI",
                                        "stage player", "stage player/projectile", "enemy",
                                        "ally",         "ally/projectile",         "prop"};
    return names[static_cast<int>(v)];
}

bool byProjectile(Victim v)
{
    return v == Victim::PlayerShot || v == Victim::StageShot || v == Victim::AllyShot;
}

enum class Blow
{
    Survives,     // a 10-point blow on 100 health
    KnockedOut,   // a 10-point blow on 10 health
    Grab,         // hit type 7
    Blocking,     // the victim's blocking flag is set
    NotHittable,  // the victim plays a reaction that cannot be interrupted
    ZeroDamage,   // a blow of no damage
    HoldingAGrab, // the victim is itself holding somebody
    NoReaction,   // the victim's move set has no reaction moves
};

const char* blowName(Blow b)
{
    static const char* const names[] = {"survives",     "knocked out", "grab",           "blocking",
                                        "not hittable", "zero damage", "holding a grab", "no reaction move"};
    return names[static_cast<int>(b)];
}

struct Outcome
{
    const char* state; // the victim's state afterwards
    int hp;
    int victimPower;   // from 0
    int attackerPower; // from 0
    int attackerCombo; // from 0
    int victimCombo;   // from 2
    int freeze;        // freezeEnd - now, or kNoFreeze when it was left alone
    bool grabbed;
    const char* damageText;
    int sparks; // slash or hit sparks on the victim
    int blood;
    bool sound;
};

struct IntakeCase
{
    Victim victim;
    Blow blow;
    Outcome out;
};

// What a blow that does nothing leaves.
constexpr Outcome untouched(const char* state = "standing", int hp = 100)
{
    return Outcome{state, hp, 0, 0, 0, 2, kNoFreeze, false, "", 0, 0, false};
}
// A blow without a reaction move only sounds.
constexpr Outcome kOnlySound{"standing", 100, 0, 0, 0, 2, kNoFreeze, false, "", 0, 0, true};
constexpr Outcome kBlocked{"blockHi", 100, 2, 0, 0, 2, kNoFreeze, false, "", 0, 0, false};
constexpr Outcome kHeld{"standing", 100, 0, 0, 0, 2, 20, true, "", 0, 0, false};

// Survives and knocked-out outcomes by victim.
constexpr Outcome kPlayerHit{"hit1", 90, 3, 5, 1, 0, 20, false, "10", 1, 1, true};
constexpr Outcome kPlayerOut{"hit3", 0, 3, 5, 1, 0, 300, false, "10", 1, 1, true};
// A projectile's spark follows the attacker's own frame: standing, it has none.
constexpr Outcome kPlayerShotHit{"hit1", 90, 3, 5, 1, 0, 20, false, "10", 0, 1, true};
constexpr Outcome kPlayerShotOut{"hit3", 0, 3, 5, 1, 0, 300, false, "10", 0, 1, true};
constexpr Outcome kStageHit{"hit1", 90, 3, 5, 0, 0, 20, false, "10", 1, 1, true};
constexpr Outcome kStageOut{"hit3", 0, 3, 5, 0, 0, 300, false, "10", 1, 1, true};
constexpr Outcome kStageShotHit{"hit1", 90, 3, 0, 0, 2, 20, false, "10", 0, 0, true};
constexpr Outcome kStageShotOut{"hit3", 0, 3, 0, 0, 2, 300, false, "10", 0, 0, true};
constexpr Outcome kEnemyHit{"hit1", 90, 3, 5, 1, 0, 20, false, "10", 1, 1, true};
constexpr Outcome kEnemyOut{"hit3", 0, 3, 5, 1, 0, 50, false, "10", 1, 1, true};
constexpr Outcome kPropHit{"hit1", 90, 3, 5, 1, 0, kNoFreeze, false, "10", 1, 1, true};
constexpr Outcome kPropOut{"hit3", 0, 3, 5, 1, 0, kNoFreeze, false, "10", 1, 1, true};

const IntakeCase kIntake[] = {
    {Victim::Player, Blow::Survives, kPlayerHit},
    {Victim::Player, Blow::KnockedOut, kPlayerOut},
    {Victim::Player, Blow::Grab, kHeld},
    {Victim::Player, Blow::Blocking, kBlocked},
    {Victim::Player, Blow::NotHittable, untouched("hit1")},
    {Victim::Player, Blow::ZeroDamage, untouched()},
    {Victim::Player, Blow::HoldingAGrab, untouched()},
    {Victim::Player, Blow::NoReaction, kOnlySound},

    {Victim::PlayerShot, Blow::Survives, kPlayerShotHit},
    {Victim::PlayerShot, Blow::KnockedOut, kPlayerShotOut},
    {Victim::PlayerShot, Blow::Grab, kHeld},
    {Victim::PlayerShot, Blow::Blocking, kBlocked},
    {Victim::PlayerShot, Blow::NotHittable, untouched("hit1")},
    {Victim::PlayerShot, Blow::ZeroDamage, untouched()},
    {Victim::PlayerShot, Blow::HoldingAGrab, kPlayerShotHit},
    {Victim::PlayerShot, Blow::NoReaction, kOnlySound},

    {Victim::Ai, Blow::Survives, kPlayerHit},
    {Victim::Ai, Blow::KnockedOut, kPlayerOut},
    {Victim::Ai, Blow::Grab, kHeld},
    {Victim::Ai, Blow::Blocking, kBlocked},
    {Victim::Ai, Blow::NotHittable, untouched("hit1")},
    {Victim::Ai, Blow::ZeroDamage, untouched()},
    {Victim::Ai, Blow::HoldingAGrab, untouched()},
    {Victim::Ai, Blow::NoReaction, kOnlySound},

    // The stage player never blocks; an enemy's melee grab is an ordinary
    // blow, and hit type 7 has no reaction while the player survives.
    {Victim::StageMelee, Blow::Survives, kStageHit},
    {Victim::StageMelee, Blow::KnockedOut, kStageOut},
    {Victim::StageMelee, Blow::Grab, untouched()},
    {Victim::StageMelee, Blow::Blocking, kStageHit},
    {Victim::StageMelee, Blow::NotHittable, untouched("hit1")},
    {Victim::StageMelee, Blow::ZeroDamage, untouched()},
    {Victim::StageMelee, Blow::HoldingAGrab, untouched()},
    {Victim::StageMelee, Blow::NoReaction, kOnlySound},

    // A grab projectile holds the player by the enemy whose blow last reached it.
    {Victim::StageShot, Blow::Survives, kStageShotHit},
    {Victim::StageShot, Blow::KnockedOut, kStageShotOut},
    {Victim::StageShot, Blow::Grab, kHeld},
    {Victim::StageShot, Blow::Blocking, kStageShotHit},
    {Victim::StageShot, Blow::NotHittable, untouched("hit1")},
    {Victim::StageShot, Blow::ZeroDamage, untouched()},
    {Victim::StageShot, Blow::HoldingAGrab, kStageShotHit},
    {Victim::StageShot, Blow::NoReaction, kOnlySound},

    {Victim::Enemy, Blow::Survives, kEnemyHit},
    {Victim::Enemy, Blow::KnockedOut, kEnemyOut},
    {Victim::Enemy, Blow::Grab, kHeld},
    {Victim::Enemy, Blow::Blocking, kBlocked},
    {Victim::Enemy, Blow::NotHittable, untouched("hit1")},
    {Victim::Enemy, Blow::ZeroDamage, untouched()},
    {Victim::Enemy, Blow::HoldingAGrab, untouched()},
    {Victim::Enemy, Blow::NoReaction, kOnlySound},

    {Victim::Ally, Blow::Survives, kStageHit},
    {Victim::Ally, Blow::KnockedOut, kStageOut},
    {Victim::Ally, Blow::Grab, kHeld},
    {Victim::Ally, Blow::Blocking, kStageHit},
    {Victim::Ally, Blow::NotHittable, untouched("hit1")},
    {Victim::Ally, Blow::ZeroDamage, untouched()},
    {Victim::Ally, Blow::HoldingAGrab, untouched()},
    {Victim::Ally, Blow::NoReaction, kOnlySound},

    // Projectiles never hurt the ally; a blocking ally still blocks them.
    {Victim::AllyShot, Blow::Survives, untouched()},
    {Victim::AllyShot, Blow::KnockedOut, untouched("standing", 10)},
    {Victim::AllyShot, Blow::Grab, untouched()},
    {Victim::AllyShot, Blow::Blocking, kBlocked},
    {Victim::AllyShot, Blow::NotHittable, untouched("hit1")},
    {Victim::AllyShot, Blow::ZeroDamage, untouched()},
    {Victim::AllyShot, Blow::HoldingAGrab, untouched()},
    {Victim::AllyShot, Blow::NoReaction, untouched()},

    // Props never freeze the stage, hit type 7 is no grab for them, and
    // nothing keeps a prop that holds a grab from being hit.
    {Victim::Prop, Blow::Survives, kPropHit},
    {Victim::Prop, Blow::KnockedOut, kPropOut},
    {Victim::Prop, Blow::Grab, untouched()},
    {Victim::Prop, Blow::Blocking, kBlocked},
    {Victim::Prop, Blow::NotHittable, untouched("hit1")},
    {Victim::Prop, Blow::ZeroDamage, untouched()},
    {Victim::Prop, Blow::HoldingAGrab, kPropHit},
    {Victim::Prop, Blow::NoReaction, kOnlySound},
};

CharacterSpec attackerSpec()
{
    CharacterSpec spec = fighterSpec("data/characters/Attacker");
    MoveSpec tap{"tap"};
    tap.frames = {bodyFrame(), strikeFrame(0, 1)};
    spec.moves.push_back(tap);
    return spec;
}

CharacterSpec victimSpec()
{
    CharacterSpec spec = fighterSpec("data/characters/Victim");
    spec.extra = 1; // bleeds
    return spec;
}

// An attacker at x 200 facing right, its jab reaching x 205 .. 240, and a
// victim at x 240 facing left, its body x 225 .. 255; the controls of every
// kind are built on demand around the two.
class HitIntakeTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        screen = openTestVideo();
        ASSERT_NE(screen, nullptr);
        setTestClock(kNow);
        g_randomNumber.seed(7);
        writeFightEffects({ParticleKind{
            "dudShot", {projectileFrame(0, 4)}, 0, false, false, {}, {}, {"death true"}, {}, {}}});
        writeSoundSet();
        fx = std::make_unique<FightEffects>(screen);
        fx->extraNames = {"dudShot"};
        attacker = std::make_unique<FighterRig>(writeFighter(attackerSpec()), screen);
        victim = std::make_unique<FighterRig>(writeFighter(victimSpec()), screen);
        attacker->fighter().setComCounter(&attackerCombo);
        victim->fighter().setComCounter(&victimCombo);
        target.setTarget(&attacker->fighter());
        enemies[0].fighter = &attacker->fighter();
        CharacterSpec stoic = fighterSpec("data/characters/Stoic");
        stoic.moves.erase(std::remove_if(stoic.moves.begin(), stoic.moves.end(),
                                         [](const MoveSpec& m) { return m.name.rfind("hit", 0) == 0; }),
                          stoic.moves.end());
        writeFighter(stoic);
        stoicMoves.loadAll("data/characters/Stoic");
        reset();
    }

    Fighter& a() { return attacker->fighter(); }
    Fighter& v() { return victim->fighter(); }

    void reset(int victimHp = 100)
    {
        attacker->stand(200, true);
        victim->stand(240, false);
        a().setHP(100, 100);
        a().setPower(0, 100);
        a().grabbing = false;
        v().setHP(victimHp, 100);
        v().setPower(0, 100);
        v().grabbing = false;
        v().defence = 0;
        attackerCombo.breakCombo();
        victimCombo.breakCombo();
        victimCombo.addCombo(2);
        fx->effects.removeAll();
        shots.removeAll();
        freezeEnd = 0;
        audio.silence();
        withoutReactions = false;
    }

    // Binds a control of any kind to the victim.
    void bindPlayer(playerControl& c)
    {
        c.init(screen);
        c.setup(&v(), &fx->kinds, &victim->particles, &victim->sounds, victim->anims(), victim->moves(),
                &victim->pad, &victim->input, &target);
        c.effects = &fx->effects;
        if (withoutReactions)
            c.moves = &stoicMoves;
    }
    void bindStage(playerBeatEmControl& c)
    {
        c.init(screen);
        c.setup(&v(), &fx->kinds, &victim->particles, &victim->sounds, victim->anims(), nullptr,
                victim->moves(), nullptr, &victim->pad, &victim->input, nullptr);
        c.effects = &fx->effects;
        if (withoutReactions)
            c.moves = &stoicMoves;
    }
    void bindAi(AI& c)
    {
        c.init(screen);
        c.setup(&v(), &fx->kinds, &victim->particles, &victim->sounds, victim->anims(), victim->moves(),
                &target, "data/characters/Victim/ai");
        c.effects = &fx->effects;
        if (withoutReactions)
            c.moves = &stoicMoves;
    }

    // One projectile of the kind at the victim's position.
    void shoot(const char* kind)
    {
        shots.removeAll();
        shots.addParticleXY(kind, false, &fx->kinds, screen, static_cast<int>(kNow), v().x, v().y);
        ASSERT_EQ(shots.size(), 1);
    }

    Outcome observe(const playerControl& c)
    {
        Outcome o;
        o.state = nullptr;
        o.hp = v().hp;
        o.victimPower = v().power;
        o.attackerPower = a().power;
        o.attackerCombo = attackerCombo.getCombo();
        o.victimCombo = victimCombo.getCombo();
        o.freeze = freezeEnd == 0 ? kNoFreeze : static_cast<int>(freezeEnd - kNow);
        o.grabbed = c.grabbed;
        o.damageText = nullptr;
        o.sparks = 0;
        o.blood = 0;
        for (const std::string& name : fx->names(fx->effects))
        {
            if (name.rfind("slash", 0) == 0 || name.rfind("hit", 0) == 0)
                ++o.sparks;
            if (name == "bloodSplat1")
                ++o.blood;
        }
        o.sound = audio.playing() > 0;
        shownText = c.damageText;
        if (c.grabbed)
        {
            EXPECT_EQ(c.grabber, &a());
            EXPECT_TRUE(a().grabbing);
            EXPECT_EQ(c.grabOffsetY, v().y - a().getHitPointY());
        }
        return o;
    }

    // One blow of the kind on the victim through the control's own collision pass.
    Outcome land(Victim who, Blow blow)
    {
        reset(blow == Blow::KnockedOut ? 10 : 100);
        withoutReactions = blow == Blow::NoReaction;
        if (blow == Blow::NotHittable)
            victim->perform("hit1");
        if (blow == Blow::HoldingAGrab)
            v().grabbing = true;
        const bool blocking = blow == Blow::Blocking;
        const char* melee = blow == Blow::Grab ? "throw" : blow == Blow::ZeroDamage ? "tap" : "jab";
        const char* shot = blow == Blow::Grab ? "grabShot" : blow == Blow::ZeroDamage ? "dudShot" : "shot";
        if (byProjectile(who))
            shoot(shot);
        else
            attacker->perform(melee, 1);

        switch (who)
        {
        case Victim::Player:
        case Victim::PlayerShot:
        {
            playerControl c;
            bindPlayer(c);
            c.blocking = blocking;
            if (who == Victim::Player)
                c.updateDamageCollision();
            else
                c.checkParticleCollision(&shots, 'E');
            return observe(c);
        }
        case Victim::Ai:
        {
            AI c;
            bindAi(c);
            c.aiLevel = 0;
            c.blocking = blocking;
            c.updateDamageCollision();
            return observe(c);
        }
        case Victim::StageMelee:
        case Victim::StageShot:
        {
            playerBeatEmControl c;
            bindStage(c);
            c.blocking = blocking;
            if (who == Victim::StageMelee)
            {
                c.updateDamageCollision(enemies, 1);
            }
            else
            {
                // The last enemy whose blow reached the player, still swinging, holds it.
                c.grabber = &a();
                attacker->perform("jab", 1);
                c.checkParticleCollision(&shots, 'E');
            }
            return observe(c);
        }
        case Victim::Enemy:
        {
            AIBeatEmUp c;
            bindAi(c);
            c.active = true;
            c.blocking = blocking;
            c.updateDamageCollision();
            return observe(c);
        }
        case Victim::Ally:
        case Victim::AllyShot:
        {
            AIAllyBeatEmUp c;
            bindAi(c);
            c.blocking = blocking;
            if (who == Victim::Ally)
                c.updateDamageCollision(enemies, 1);
            else
                c.checkParticleCollision(&shots, 'E');
            return observe(c);
        }
        case Victim::Prop:
        {
            beatEmUpObject c;
            bindAi(c);
            c.active = true;
            c.blocking = blocking;
            c.updateDamageCollision();
            return observe(c);
        }
        }
        return Outcome{};
    }

    GlobalsGuard globals;
    ScratchDir dir;
    AudioSession audio;
    SDL_Surface* screen = nullptr;
    std::unique_ptr<FightEffects> fx;
    std::unique_ptr<FighterRig> attacker;
    std::unique_ptr<FighterRig> victim;
    comboCounter attackerCombo;
    comboCounter victimCombo;
    Target target;
    enemyData enemies[1];
    particleList shots;
    std::string shownText;
    // A set without "hit1" .. "hit3", "hit1Low", "hit2Low"; the controls
    // play from it while withoutReactions is set.
    moveSet stoicMoves;
    bool withoutReactions = false;
};

TEST_F(HitIntakeTest, EveryKindOfVictimTakesEveryKindOfBlow)
{
    ASSERT_TRUE(audio.open());
    for (const IntakeCase& c : kIntake)
    {
        SCOPED_TRACE(testing::Message() << victimName(c.victim) << ", " << blowName(c.blow));
        const Outcome o = land(c.victim, c.blow);
        EXPECT_EQ(v().state, c.out.state);
        EXPECT_EQ(o.hp, c.out.hp);
        EXPECT_EQ(o.victimPower, c.out.victimPower);
        EXPECT_EQ(o.attackerPower, c.out.attackerPower);
        EXPECT_EQ(o.attackerCombo, c.out.attackerCombo);
        EXPECT_EQ(o.victimCombo, c.out.victimCombo);
        EXPECT_EQ(o.freeze, c.out.freeze);
        EXPECT_EQ(o.grabbed, c.out.grabbed);
        EXPECT_EQ(shownText, c.out.damageText);
        EXPECT_EQ(o.sparks, c.out.sparks);
        EXPECT_EQ(o.blood, c.out.blood);
        EXPECT_EQ(o.sound, c.out.sound);
    }
}

TEST_F(HitIntakeTest, KnockOutMarksTheVictimFallingAndShowsTheDamageForASecond)
{
    for (Victim who : {Victim::Player, Victim::StageMelee, Victim::Enemy, Victim::Ally, Victim::Prop})
    {
        SCOPED_TRACE(victimName(who));
        land(who, Blow::KnockedOut);
        EXPECT_TRUE(v().falling);
    }
    playerControl c;
    bindPlayer(c);
    reset();
    attacker->perform("jab", 1);
    c.updateDamageCollision();
    EXPECT_FLOAT_EQ(c.damageTextEnd, static_cast<float>(kNow + 1000));
    EXPECT_FALSE(v().falling);
}

// A one-on-one blow turns a victim standing free on the ground to face the
// attacker: right exactly when the attacker stands further right. A busy or
// airborne victim, or one hit by a projectile, keeps its facing.
TEST_F(HitIntakeTest, AOneOnOneBlowTurnsAFreeGroundedVictimTowardsTheAttacker)
{
    const struct
    {
        const char* name;
        Victim who;           // Player, PlayerShot or Ai
        int attackerX;        // the attacker faces the victim at x 240
        bool facingRight;     // the victim's facing before the blow
        const char* busyWith; // an interruptible move the victim plays, or null
        bool grounded;
        bool facingAfter;
    } cases[] = {
        {"attacker on the left", Victim::Player, 200, true, nullptr, true, false},
        {"attacker on the right", Victim::Player, 280, false, nullptr, true, true},
        {"attacker on the same spot", Victim::Player, 240, true, nullptr, true, false},
        {"the computer opponent", Victim::Ai, 280, false, nullptr, true, true},
        {"busy", Victim::Player, 200, true, "jab", true, true},
        {"in the air", Victim::Player, 200, true, nullptr, false, true},
        {"a projectile", Victim::PlayerShot, 200, true, nullptr, true, true},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        reset();
        attacker->stand(c.attackerX, c.attackerX <= 240);
        victim->stand(240, c.facingRight);
        if (c.busyWith)
            victim->perform(c.busyWith);
        v().grounded = c.grounded;
        if (c.who == Victim::PlayerShot)
            shoot("shot");
        else
            attacker->perform("jab", 1);
        playerControl player;
        AI ai;
        if (c.who == Victim::Ai)
        {
            bindAi(ai);
            ai.aiLevel = 0;
            ai.updateDamageCollision();
        }
        else
        {
            bindPlayer(player);
            if (c.who == Victim::PlayerShot)
                player.checkParticleCollision(&shots, 'E');
            else
                player.updateDamageCollision();
        }
        EXPECT_EQ(v().hp, 90) << "the blow landed";
        EXPECT_EQ(v().dir, c.facingAfter);
    }
}

// An airborne victim and its attacker rise together, except after a projectile.
struct LiftCase
{
    Victim victim;
    int victimSpeed;
    int attackerSpeed;
};

const LiftCase kLifts[] = {
    {Victim::Player, 5, 5},     {Victim::PlayerShot, 5, 5}, {Victim::Ai, 5, 5},   {Victim::StageMelee, 5, 5},
    {Victim::StageShot, -3, 0}, {Victim::Enemy, 5, 5},      {Victim::Ally, 5, 5}, {Victim::Prop, 5, 5},
};

TEST_F(HitIntakeTest, AirborneVictimAndAttackerRiseTogether)
{
    for (const LiftCase& c : kLifts)
    {
        SCOPED_TRACE(victimName(c.victim));
        reset();
        // In the air at the height of the jab; the blow is landed by hand
        // below, the same way land() does, with the victim airborne.
        v().grounded = false;
        v().y = 300;
        v().vSpeed = -3;
        a().vSpeed = 0;
        if (byProjectile(c.victim))
            shoot("shot");
        else
            attacker->perform("jab", 1);
        switch (c.victim)
        {
        case Victim::Player:
        case Victim::PlayerShot:
        {
            playerControl p;
            bindPlayer(p);
            c.victim == Victim::Player ? p.updateDamageCollision() : p.checkParticleCollision(&shots, 'E');
            break;
        }
        case Victim::Ai:
        {
            AI p;
            bindAi(p);
            p.updateDamageCollision();
            break;
        }
        case Victim::StageMelee:
        case Victim::StageShot:
        {
            playerBeatEmControl p;
            bindStage(p);
            c.victim == Victim::StageMelee ? p.updateDamageCollision(enemies, 1)
                                           : p.checkParticleCollision(&shots, 'E');
            break;
        }
        case Victim::Enemy:
        {
            AIBeatEmUp p;
            bindAi(p);
            p.active = true;
            p.updateDamageCollision();
            break;
        }
        case Victim::Ally:
        {
            AIAllyBeatEmUp p;
            bindAi(p);
            p.updateDamageCollision(enemies, 1);
            break;
        }
        default:
        {
            beatEmUpObject p;
            bindAi(p);
            p.updateDamageCollision();
            break;
        }
        }
        EXPECT_EQ(v().hp, 90) << "the blow landed";
        EXPECT_EQ(v().vSpeed, c.victimSpeed);
        EXPECT_EQ(a().vSpeed, c.attackerSpeed);
    }
}

TEST_F(HitIntakeTest, DefenceLowersTheLossButNotTheDamageNumber)
{
    for (Victim who : {Victim::Player, Victim::StageMelee, Victim::Enemy, Victim::Ally, Victim::Prop})
    {
        SCOPED_TRACE(victimName(who));
        // Health equal to the blow plays the knock-out reaction, yet with
        // defence the victim lives on and the hit-stop is the short one.
        reset(10);
        v().defence = 5;
        attacker->perform("jab", 1);
        std::string text;
        if (who == Victim::Player)
        {
            playerControl c;
            bindPlayer(c);
            c.updateDamageCollision();
            text = c.damageText;
        }
        else if (who == Victim::StageMelee)
        {
            playerBeatEmControl c;
            bindStage(c);
            c.updateDamageCollision(enemies, 1);
            text = c.damageText;
        }
        else if (who == Victim::Enemy)
        {
            AIBeatEmUp c;
            bindAi(c);
            c.active = true;
            c.updateDamageCollision();
            text = c.damageText;
        }
        else if (who == Victim::Ally)
        {
            AIAllyBeatEmUp c;
            bindAi(c);
            c.updateDamageCollision(enemies, 1);
            text = c.damageText;
        }
        else
        {
            beatEmUpObject c;
            bindAi(c);
            c.updateDamageCollision();
            text = c.damageText;
        }
        EXPECT_EQ(v().state, "hit3");
        EXPECT_EQ(v().hp, 5);
        EXPECT_EQ(text, "10");
        EXPECT_EQ(freezeEnd == 0 ? kNoFreeze : static_cast<int>(freezeEnd - kNow),
                  who == Victim::Prop ? kNoFreeze : 20);
    }
}

TEST_F(HitIntakeTest, GrabOfAFighterWithoutHealthHoldsTheFightLonger)
{
    for (Victim who : {Victim::Player, Victim::Ai, Victim::StageShot, Victim::Enemy, Victim::Ally})
    {
        SCOPED_TRACE(victimName(who));
        reset(0);
        attacker->perform("throw", 1);
        bool held = false;
        if (who == Victim::Player)
        {
            playerControl c;
            bindPlayer(c);
            c.updateDamageCollision();
            held = c.grabbed;
        }
        else if (who == Victim::Ai)
        {
            AI c;
            bindAi(c);
            c.updateDamageCollision();
            held = c.grabbed;
        }
        else if (who == Victim::StageShot)
        {
            playerBeatEmControl c;
            bindStage(c);
            c.grabber = &a();
            c.takeDamage(5, 7);
            held = c.grabbed;
        }
        else if (who == Victim::Enemy)
        {
            AIBeatEmUp c;
            bindAi(c);
            c.active = true;
            c.updateDamageCollision();
            held = c.grabbed;
        }
        else
        {
            AIAllyBeatEmUp c;
            bindAi(c);
            c.updateDamageCollision(enemies, 1);
            held = c.grabbed;
        }
        EXPECT_TRUE(held);
        EXPECT_EQ(static_cast<int>(freezeEnd - kNow), 50);
        EXPECT_EQ(v().hp, 0);
    }
}

// A grab needs somebody living to hold the victim; otherwise it is ignored.
TEST_F(HitIntakeTest, GrabWithoutALivingHolderIsIgnored)
{
    Target nobody;
    struct
    {
        const char* name;
        Target* target;
        int holderHp;
    } cases[] = {{"no attacker", &nobody, 100}, {"a dead attacker", &target, 0}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        reset();
        a().hp = c.holderHp;
        playerControl p;
        bindPlayer(p);
        p.target = c.target;
        p.takeDamage(5, 7);
        EXPECT_FALSE(p.grabbed);
        EXPECT_FALSE(a().grabbing);
        EXPECT_EQ(freezeEnd, 0u);
    }

    for (const auto& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "stage player, " << c.name);
        reset();
        a().hp = c.holderHp;
        playerBeatEmControl p;
        bindStage(p);
        p.grabber = c.target == &nobody ? nullptr : &a();
        shoot("grabShot");
        p.checkParticleCollision(&shots, 'E');
        EXPECT_FALSE(p.grabbed);
        EXPECT_FALSE(a().grabbing);
        EXPECT_EQ(freezeEnd, 0u);
        EXPECT_EQ(v().hp, 100);
    }
}

// The hold of each kind of held fighter, and what lets it go.
enum class Release
{
    HolderLetsGo,
    HolderDies,
    HolderKnockedDown,
    NewBlow,
};

struct HoldCase
{
    Victim victim;
    Release release;
};

const HoldCase kHolds[] = {
    {Victim::Player, Release::HolderLetsGo},      {Victim::Player, Release::HolderDies},
    {Victim::Player, Release::HolderKnockedDown}, {Victim::Player, Release::NewBlow},
    {Victim::StageShot, Release::HolderLetsGo},   {Victim::StageShot, Release::HolderDies},
    {Victim::StageShot, Release::NewBlow},        {Victim::Enemy, Release::HolderLetsGo},
    {Victim::Enemy, Release::HolderDies},         {Victim::Enemy, Release::NewBlow},
    {Victim::Ally, Release::HolderLetsGo},        {Victim::Ally, Release::HolderKnockedDown},
};

TEST_F(HitIntakeTest, HeldFighterHangsAtTheHoldersHitPointUntilReleased)
{
    for (const HoldCase& c : kHolds)
    {
        SCOPED_TRACE(testing::Message()
                     << victimName(c.victim) << ", release " << static_cast<int>(c.release));
        reset();
        attacker->perform("throw", 1);
        std::unique_ptr<playerControl> owned;
        playerControl* held = nullptr;
        std::function<void()> step;
        if (c.victim == Victim::Player)
        {
            auto p = std::make_unique<playerControl>();
            bindPlayer(*p);
            p->updateDamageCollision();
            step = [q = p.get()] { q->updatePosition(); };
            owned = std::move(p);
        }
        else if (c.victim == Victim::StageShot)
        {
            auto p = std::make_unique<playerBeatEmControl>();
            bindStage(*p);
            p->grabber = &a();
            shoot("grabShot");
            p->checkParticleCollision(&shots, 'E');
            step = [q = p.get(), this] { q->updatePosition(enemies, 1); };
            owned = std::move(p);
        }
        else if (c.victim == Victim::Enemy)
        {
            auto p = std::make_unique<AIBeatEmUp>();
            bindAi(*p);
            p->active = true;
            p->updateDamageCollision();
            step = [q = p.get()] { q->playerControl::updatePosition(); };
            owned = std::move(p);
        }
        else
        {
            auto p = std::make_unique<AIAllyBeatEmUp>();
            bindAi(*p);
            p->updateDamageCollision(enemies, 1);
            step = [q = p.get(), this] { q->updatePosition(enemies, 1); };
            owned = std::move(p);
        }
        held = owned.get();
        ASSERT_TRUE(held->grabbed);
        held->blocking = true;

        // The holder walks off with the victim, which keeps its height below the hit point.
        a().x = 260;
        a().y = 300;
        step();
        EXPECT_TRUE(held->grabbed);
        EXPECT_EQ(v().state, "fallDown");
        EXPECT_EQ(v().x, 260 - 20 + 35);
        EXPECT_EQ(v().y, 300);
        EXPECT_FALSE(held->blocking);
        EXPECT_EQ(held->accum, 0.0f);

        switch (c.release)
        {
        case Release::HolderLetsGo:
            a().changeAnim("standing");
            step();
            break;
        case Release::HolderDies:
            a().hp = 0;
            step();
            break;
        case Release::HolderKnockedDown:
            a().falling = true;
            step();
            break;
        case Release::NewBlow:
            if (c.victim == Victim::StageShot)
            {
                shoot("shot");
                static_cast<playerBeatEmControl*>(held)->checkParticleCollision(&shots, 'E');
            }
            else
            {
                held->takeDamage(10, 1);
            }
            EXPECT_EQ(v().hp, 90);
            break;
        }
        EXPECT_FALSE(held->grabbed);
        a().x = 320;
        const int x = v().x;
        step();
        EXPECT_EQ(v().x, x) << "no longer held";
    }
}

// Blocking: the block move by stance, nothing while busy, nothing but power
// when the set lacks the move; no damage in every case.
struct BlockCase
{
    const char* name;
    const char* stance; // "standing", "duck", "inAir", or a move
    bool grounded;
    bool dropBlocks;
    const char* state;
    int power;
};

const BlockCase kBlocks[] = {
    {"standing blocks high", "standing", true, false, "blockHi", 2},
    {"ducking blocks low", "duck", true, false, "blockLo", 2},
    {"in the air", "inAir", false, false, "blockAir", 2},
    {"a busy fighter takes the blow without anything", "kick", true, false, "kick", 0},
    {"no block move in the set", "standing", true, true, "standing", 2},
};

TEST_F(HitIntakeTest, BlockingFighterTakesNoDamageFromBlowsOrProjectiles)
{
    CharacterSpec spec = victimSpec();
    spec.folder = "data/characters/Unguarded";
    spec.moves.erase(std::remove_if(spec.moves.begin(), spec.moves.end(),
                                    [](const MoveSpec& m) { return m.name.rfind("block", 0) == 0; }),
                     spec.moves.end());
    FighterRig unguarded(writeFighter(spec), screen, 240);
    for (bool projectile : {false, true})
        for (const BlockCase& c : kBlocks)
        {
            SCOPED_TRACE(testing::Message() << c.name << (projectile ? ", projectile" : ", blow"));
            reset();
            FighterRig& rig = c.dropBlocks ? unguarded : *victim;
            rig.stand(240, false);
            rig.fighter().setPower(0, 100);
            if (rig.move(c.stance))
                rig.perform(c.stance);
            else
                rig.fighter().changeAnim(c.stance);
            rig.fighter().grounded = c.grounded;
            if (!c.grounded)
                rig.fighter().y = 300;
            playerControl p;
            p.init(screen);
            p.setup(&rig.fighter(), &fx->kinds, &rig.particles, &rig.sounds, rig.anims(), rig.moves(),
                    &rig.pad, &rig.input, &target);
            p.effects = &fx->effects;
            p.blocking = true;
            if (projectile)
            {
                shots.addParticleXY("shot", false, &fx->kinds, screen, static_cast<int>(kNow),
                                    rig.fighter().x, rig.fighter().y);
                p.checkParticleCollision(&shots, 'E');
            }
            else
            {
                attacker->perform("jab", 1);
                p.updateDamageCollision();
            }
            EXPECT_EQ(rig.fighter().hp, 100);
            EXPECT_EQ(rig.fighter().state, c.state);
            EXPECT_EQ(rig.fighter().power, c.power);
            EXPECT_EQ(freezeEnd, 0u);
            EXPECT_EQ(fx->effects.size(), 0);
        }
}

TEST_F(HitIntakeTest, AiBlocksByItsRoll)
{
    // Every roll is drawn, even for a blow that does nothing.
    struct
    {
        int level;
        int blocked; // of 200 blows
        int slack;
    } cases[] = {{0, 0, 0}, {100, 200, 0}, {10, 20, 15}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "level " << c.level);
        int blocked = 0;
        for (int i = 0; i < 200; ++i)
        {
            reset();
            AI ai;
            bindAi(ai);
            ai.aiLevel = c.level;
            attacker->perform("jab", 1);
            ai.updateDamageCollision();
            if (v().state == "blockHi")
                ++blocked;
        }
        EXPECT_NEAR(blocked, c.blocked, c.slack);
    }

    // A blocked roll on a busy fighter costs nothing and changes nothing.
    reset();
    victim->perform("kick");
    AI ai;
    bindAi(ai);
    ai.aiLevel = 100;
    ai.takeDamage(10, 1);
    EXPECT_EQ(v().state, "kick");
    EXPECT_EQ(v().hp, 100);
    EXPECT_EQ(v().power, 0);

    // The roll is drawn for a blow of no damage too.
    g_randomNumber.seed(3);
    const int first = g_randomNumber.getNumber(100);
    const int second = g_randomNumber.getNumber(100);
    g_randomNumber.seed(3);
    ai.aiLevel = 0;
    ai.takeDamage(0, 1);
    EXPECT_EQ(g_randomNumber.getNumber(100), second) << "the first draw, " << first << ", went to the roll";
}

TEST_F(HitIntakeTest, InactiveEnemyTakesNothing)
{
    AIBeatEmUp enemy;
    bindAi(enemy);
    ASSERT_FALSE(enemy.active);
    attacker->perform("jab", 1);
    enemy.updateDamageCollision();
    enemy.takeDamage(10, 7);
    EXPECT_EQ(v().hp, 100);
    EXPECT_EQ(v().state, "standing");
    EXPECT_FALSE(enemy.grabbed);
    EXPECT_EQ(freezeEnd, 0u);
    EXPECT_EQ(audio.playing(), 0);
}

TEST_F(HitIntakeTest, SecondHitDuringAGrabReleasesAndHurts)
{
    playerControl p;
    bindPlayer(p);
    attacker->perform("throw", 1);
    p.updateDamageCollision();
    ASSERT_TRUE(p.grabbed);
    EXPECT_EQ(p.damageText, "") << "a grab shows no damage number";
    EXPECT_EQ(v().hp, 100);
    attacker->perform("jab", 1);
    p.updateDamageCollision();
    EXPECT_FALSE(p.grabbed);
    EXPECT_EQ(v().hp, 90);
}

// Sparks and flecks: the spark at the centre of the victim's body, each of
// the four flecks about half the time, nothing for "NULL".
TEST_F(HitIntakeTest, HitEffectAndFlecks)
{
    playerControl p;
    bindPlayer(p);
    v().y = 300;
    int flecks[4] = {0, 0, 0, 0};
    const char* const names[4] = {"fleckNE", "fleckNW", "fleckSE", "fleckSW"};
    const int rounds = 400;
    for (int i = 0; i < rounds; ++i)
    {
        fx->effects.removeAll();
        p.addSFX("slash2", &v());
        const std::vector<std::string> shown = fx->names(fx->effects);
        ASSERT_FALSE(shown.empty());
        EXPECT_EQ(shown.front(), "slash2");
        for (int k = 0; k < 4; ++k)
            flecks[k] += static_cast<int>(std::count(shown.begin(), shown.end(), names[k]));
        EXPECT_LE(shown.size(), 5u);
    }
    for (int k = 0; k < 4; ++k)
    {
        EXPECT_GT(flecks[k], rounds * 35 / 100) << names[k];
        EXPECT_LT(flecks[k], rounds * 65 / 100) << names[k];
    }
    // The spark sits at the centre of the body box (x 225 .. 255, y 225 .. 300).
    fx->effects.removeAll();
    p.addSFX("slash2", &v());
    const particle& spark = fx->effects.parts.front();
    EXPECT_EQ(spark.x, 240);
    EXPECT_EQ(spark.y, 262);
    EXPECT_FALSE(spark.facing);

    // "NULL" adds nothing and draws nothing.
    fx->effects.removeAll();
    g_randomNumber.seed(11);
    const int expected = g_randomNumber.getNumber(1000);
    g_randomNumber.seed(11);
    p.addSFX("NULL", &v());
    EXPECT_EQ(fx->effects.size(), 0);
    EXPECT_EQ(g_randomNumber.getNumber(1000), expected);
}

TEST_F(HitIntakeTest, DamageNumberShowsAboveTheFighterForOneSecond)
{
    writeDamageFont();
    playerControl p;
    bindPlayer(p);
    p.screen = screen;
    attacker->perform("jab", 1);
    p.updateDamageCollision();
    ASSERT_EQ(p.damageText, "10");

    const Uint32 black = SDL_MapRGB(screen->format, 0, 0, 0);
    const Uint32 ink = SDL_MapRGB(screen->format, 255, 0, 0);
    // The fighter stands at (240, 348); the camera at (100, 20).
    const int x = 240 - 100;
    const int y = g_GroundLevel - 20 - 50;
    struct
    {
        Uint32 elapsed;
        bool shown;
    } times[] = {{0, true}, {999, true}, {1000, false}};
    for (const auto& t : times)
    {
        SCOPED_TRACE(testing::Message() << t.elapsed << " ms after the hit");
        setTestClock(kNow + t.elapsed);
        SDL_FillRect(screen, nullptr, black);
        p.displayText(100, 20);
        EXPECT_EQ(pixelAt(screen, x + 4, y + 4), t.shown ? ink : black);
        EXPECT_EQ(pixelAt(screen, x + 4, y - 4), black) << "nothing above the number";
        EXPECT_EQ(pixelAt(screen, x + 12, y + 4), t.shown ? ink : black) << "the second digit";
        EXPECT_EQ(pixelAt(screen, x + 24, y + 4), black) << "two digits only";
    }
}

TEST_F(HitIntakeTest, ShakeIsDrawnInRange)
{
    playerControl p;
    bindPlayer(p);
    for (int i = 0; i < 100; ++i)
    {
        reset();
        attacker->perform("jab", 1);
        p.updateDamageCollision();
        ASSERT_EQ(v().hp, 90);
        EXPECT_GE(shakeAmt, 2);
        EXPECT_LE(shakeAmt, 9);
        EXPECT_GE(shakeSize, 2);
        EXPECT_LE(shakeSize, 5);
        EXPECT_GE(shakeDir, 0);
        EXPECT_LE(shakeDir, 7);
    }
}

// Deflection: two fighters whose attack boxes meet while one of them
// deflects; each deflected fighter plays "recoil" from its own move set.
class DeflectionTest : public HitIntakeTest
{
protected:
    void SetUp() override
    {
        HitIntakeTest::SetUp();
        // The victim's set has no "recoil": only its own set can give it one.
        CharacterSpec bare = fighterSpec("data/characters/Bare");
        bare.moves.erase(std::remove_if(bare.moves.begin(), bare.moves.end(),
                                        [](const MoveSpec& m) { return m.name == "recoil"; }),
                         bare.moves.end());
        bareRig = std::make_unique<FighterRig>(writeFighter(bare), screen, 240);
        bareRig->stand(240, false);
        aTarget.setTarget(&bareRig->fighter());
        bTarget.setTarget(&a());
        bindTo(controlA, *attacker, aTarget);
        bindTo(controlB, *bareRig, bTarget);
    }

    void bindTo(playerControl& c, FighterRig& rig, Target& t)
    {
        c.init(screen);
        c.setup(&rig.fighter(), &fx->kinds, &rig.particles, &rig.sounds, rig.anims(), rig.moves(), &rig.pad,
                &rig.input, &t);
    }

    std::unique_ptr<FighterRig> bareRig;
    Target aTarget;
    Target bTarget;
    playerControl controlA;
    playerControl controlB;
};

struct DeflectCase
{
    const char* name;
    const char* moveA; // the attacker's move, shown at its striking frame
    const char* moveB; // the bare fighter's move
    int bX;
    const char* stateA;
    const char* stateB;
};

const DeflectCase kDeflects[] = {
    {"a parry turns the other's jab back", "jab", "parry", 240, "recoil", "parry"},
    // The bare fighter is deflected but has no "recoil" of its own; no other
    // move stands in, and the attacker's recoil is not borrowed.
    {"the parrying side is turned back only from its own set", "parry", "jab", 240, "parry", "jab"},
    {"two parries: each side looks in its own set", "parry", "parry", 240, "recoil", "parry"},
    {"two jabs without a deflecting frame", "jab", "jab", 240, "jab", "jab"},
    {"a parry out of reach", "jab", "parry", 300, "jab", "parry"},
    {"a parry against a blow without damage", "tap", "parry", 240, "tap", "parry"},
};

TEST_F(DeflectionTest, DeflectedFighterRecoilsFromItsOwnMoves)
{
    for (const DeflectCase& c : kDeflects)
    {
        for (bool fromB : {false, true})
        {
            SCOPED_TRACE(testing::Message() << c.name << (fromB ? ", tested by the bare side" : ""));
            attacker->stand(200, true);
            bareRig->stand(c.bX, false);
            attacker->perform(c.moveA, std::string(c.moveA) == "parry" ? 0 : 1);
            bareRig->perform(c.moveB, std::string(c.moveB) == "parry" ? 0 : 1);
            (fromB ? controlB : controlA).checkDeflectCollision();
            EXPECT_EQ(a().state, c.stateA);
            EXPECT_EQ(bareRig->fighter().state, c.stateB);
            if (a().state == "recoil")
            {
                EXPECT_EQ(a().currentMove, attacker->move("recoil"));
            }
        }
    }
}
} // namespace
