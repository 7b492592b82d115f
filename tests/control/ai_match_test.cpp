// Whole fights run headless under the test clock, frame by frame in the fight
// screens' order: an AI against a fighter that does nothing, two AIs against
// each other, and a stage wave fought by a scripted player beside the ally.
#include "control/ai.h"
#include "control/ally_ai.h"
#include "control/beat_em_up_control.h"
#include "control/enemy_ai.h"
#include "control/player_control.h"
#include "engine/clock.h"
#include "engine/globals.h"
#include "fighter/collision.h"
#include "fighter/combo.h"
#include "fighter/move_set.h"
#include "tests/control/control_fixture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <string>
#include <utility>
#include <vector>

using namespace testing_support;

namespace
{
constexpr Uint32 kStart = 100000;
// A fighter unchanged this long while the fight is on is stuck.
constexpr Uint32 kStuckMs = 20000;
// No move of these fighters lasts a second; one running this long never ends.
constexpr Uint32 kLongestMoveMs = 5000;

// The shared fighter whose crash holds a beaten fighter down: its last frame
// stops the animation while health is below 1. The crash cannot be cut short
// by a blow. It also has a "special" costing 40 power that knocks down.
CharacterSpec matchFighter(const std::string& folder, int hp)
{
    CharacterSpec spec = fighterSpec(folder);
    spec.hp = hp;
    for (MoveSpec& m : spec.moves)
        if (m.name == "crash")
        {
            InfoFrame down = bodyFrame();
            down.conditions = {"HP < 1", "ANIM = STOP"};
            m.frames = {bodyFrame(), down};
            m.interruptible = 0;
        }
    MoveSpec special{"special"};
    special.energy = 40;
    special.frames = {bodyFrame(), strikeFrame(15, 3), bodyFrame()};
    spec.moves.push_back(special);
    return spec;
}

// The whole repertoire: the special and the throw in the ground list, the
// special as a follow-up that has to wait for power, a kick that may cancel
// the jab.
AttackFile fullAttacks()
{
    AttackFile file = defaultAttacks();
    file.ground = {{"jab", "S"}, {"special", "S"}, {"throw", "S"}, {"kick", "M"}};
    file.cancel = {{"kick", "S", "NULL", "jab"}};
    file.linked = {{"kick", "S", "jab"}, {"special", "S", "kick"}};
    return file;
}

// Watches one fighter for being stuck: what it shows, where it is and its AI
// state unchanged for kStuckMs, or one move running for kLongestMoveMs.
class StuckWatch
{
public:
    StuckWatch(std::string who, Fighter& f, const AI* ai = nullptr) : who(std::move(who)), fighter(f), ai(ai)
    {
    }

    // Looks at the fighter once a frame while the fight is on.
    void look(Uint32 now)
    {
        const Snapshot s = snapshot();
        if (!seen || !(s == last))
        {
            last = s;
            seen = true;
            since = now;
        }
        else if (now - since >= kStuckMs && problem.empty())
        {
            problem = who + " stuck showing \"" + s.shows + "\" at (" + std::to_string(s.x) + ", " +
                      std::to_string(s.y) + "), AI state " + std::to_string(s.aiState);
        }
        if (fighter.currentMove != move || fighter.frame < moveFrame)
        {
            move = fighter.currentMove;
            moveStart = now;
        }
        moveFrame = fighter.frame;
        if (move && now - moveStart >= kLongestMoveMs && problem.empty())
            problem = who + "'s move \"" + fighter.returnMoveName() + "\" never ends";
    }

    std::string problem;

private:
    struct Snapshot
    {
        std::string shows;
        int x, y, aiState;
        bool operator==(const Snapshot& o) const
        {
            return shows == o.shows && x == o.x && y == o.y && aiState == o.aiState;
        }
    };
    Snapshot snapshot() const { return Snapshot{fighter.state, fighter.x, fighter.y, ai ? ai->state : -1}; }

    std::string who;
    Fighter& fighter;
    const AI* ai;
    bool seen = false;
    Snapshot last{};
    Uint32 since = 0;
    const moveInfo* move = nullptr;
    int moveFrame = 0;
    Uint32 moveStart = 0;
};

class MatchTest : public ::testing::Test
{
protected:
    MatchTest()
    {
        writeFightEffects();
        writeSoundSet();
        setTestClock(kStart);
        setTestClockAutoAdvance(0);
        freezeEnd = 0;
    }

    // Moves the clock one frame on; false while the hit-stop holds the fight.
    bool nextFrame(Uint32 frameMs)
    {
        advanceTestClock(frameMs);
        if (gameTicks() < freezeEnd)
        {
            ++frozenFrames;
            return false;
        }
        return true;
    }

    ScratchDir dir;
    GlobalsGuard globals;
    // Hit sounds load and play as in the game.
    AudioSession audio;
    SDL_Surface* screen = openTestVideo();
    int frozenFrames = 0;
};

// A one-on-one fight: two fighters, their targets, the screen's lists and
// combo counters, driven in the fight screen's order. The controls are given
// by the test (a player's control or an AI).
class OneOnOne
{
public:
    OneOnOne(SDL_Surface* screen, const std::string& chardata1, const std::string& chardata2)
        : fx(screen), one(chardata1, screen, 200), two(chardata2, screen, 440)
    {
        two.stand(440, false);
        aimAtTwo.setTarget(&two.fighter());
        aimAtOne.setTarget(&one.fighter());
        one.fighter().setComCounter(&combo1);
        two.fighter().setComCounter(&combo2);
    }

    void bindPlayer(playerControl& c, SDL_Surface* screen)
    {
        c.init(screen);
        c.setup(&one.fighter(), &fx.kinds, &one.particles, &one.sounds, one.anims(), one.moves(), &one.pad,
                &one.input, &aimAtTwo);
        c.effects = &fx.effects;
        c.specialBackdrop = &fx.backdrop;
        c.faceInfo = &fx.faces;
        c1 = &c;
    }

    void bindAI(AI& ai, FighterRig& rig, Target& aim, const std::string& aiFolder, SDL_Surface* screen)
    {
        ai.init(screen);
        ai.setup(&rig.fighter(), &fx.kinds, &rig.particles, &rig.sounds, rig.anims(), rig.moves(), &aim,
                 aiFolder.c_str());
        ai.effects = &fx.effects;
        ai.specialBackdrop = &fx.backdrop;
        ai.faceInfo = &fx.faces;
        if (&rig == &one)
            c1 = &ai;
        else
            c2 = &ai;
    }

    // One frame of the fight screen, after the hit-stop test.
    void frame()
    {
        one.fighter().drawCam(0, 0);
        two.fighter().drawCam(0, 0);
        one.particles.drawCam(0, 0);
        two.particles.drawCam(0, 0);
        fx.effects.drawCam(0, 0);
        c1->update();
        c2->update();
        SDL_Event e;
        SDL_Event last{};
        while (SDL_PollEvent(&e))
        {
            c1->inputChecking(&e);
            c2->inputChecking(&e);
            last = e;
        }
        c1->movementChecking(&last);
        c2->movementChecking(&last);
        c1->updateAI();
        c2->updateAI();
        one.particles.update();
        two.particles.update();
        fx.effects.update();
        fx.backdrop.update();
        combo1.update(static_cast<int>(gameTicks()));
        combo2.update(static_cast<int>(gameTicks()));
        c1->checkDeflectCollision();
        c2->checkDeflectCollision();
        c1->updateDamageCollision();
        c2->updateDamageCollision();
        c1->checkParticleCollision(&two.particles, 'E');
        c2->checkParticleCollision(&one.particles, 'E');
    }

    bool bothStanding() { return one.fighter().hp > 0 && two.fighter().hp > 0; }

    FightEffects fx;
    FighterRig one;
    FighterRig two;
    Target aimAtOne;
    Target aimAtTwo;
    comboCounter combo1;
    comboCounter combo2;
    playerControl* c1 = nullptr;
    playerControl* c2 = nullptr;
};
} // namespace

// An AI walks up to a fighter whose player touches nothing and beats it.
TEST_F(MatchTest, AnAIKnocksOutAFighterThatDoesNothing)
{
    const struct
    {
        int thinkMode;
        unsigned int seed;
    } cases[] = {{1, 7}, {2, 7}, {1, 1234}, {2, 99}};
    const std::string idle = writeFighter(matchFighter("data/characters/Idle", 100));
    const std::string brawler = writeFighter(matchFighter("data/characters/Brawler", 100));
    for (const auto& c : cases)
    {
        SCOPED_TRACE("think mode " + std::to_string(c.thinkMode) + ", seed " + std::to_string(c.seed));
        g_randomNumber.seed(c.seed);
        frozenFrames = 0;
        OneOnOne fight(screen, idle, brawler);
        playerControl player;
        AI ai;
        fight.bindPlayer(player, screen);
        fight.bindAI(ai, fight.two, fight.aimAtOne, "data/characters/Brawler/ai", screen);
        ai.thinkMode = c.thinkMode;
        ai.aiLevel = 10;
        StuckWatch watch("the AI", fight.two.fighter(), &ai);

        const Uint32 limit = gameTicks() + 10 * 60 * 1000;
        while (fight.bothStanding() && gameTicks() < limit && watch.problem.empty())
        {
            if (!nextFrame(16))
                continue;
            fight.frame();
            watch.look(gameTicks());
        }
        EXPECT_EQ(watch.problem, "");
        EXPECT_EQ(fight.one.fighter().hp, 0) << "no knock-out in ten minutes";
        EXPECT_EQ(fight.two.fighter().hp, 100);
        EXPECT_GT(frozenFrames, 0) << "no blow held the fight";
    }
}

// Two AIs fight to a knock-out; neither may stop changing while both stand,
// nor play a move that never ends, at any frame rate.
TEST_F(MatchTest, TwoAIsFightToAKnockOutWithoutGettingStuck)
{
    const struct
    {
        Uint32 frameMs;
        unsigned int seed;
    } cases[] = {{16, 3}, {16, 2024}, {33, 5}, {5, 8}, {1, 42}};
    const std::string red = writeFighter(matchFighter("data/characters/Red", 100), fullAttacks());
    const std::string blue = writeFighter(matchFighter("data/characters/Blue", 100), fullAttacks());
    std::set<int> aiStates;
    std::set<std::string> shown;
    int grabbedFrames = 0;
    for (const auto& c : cases)
    {
        SCOPED_TRACE(std::to_string(c.frameMs) + " ms a frame, seed " + std::to_string(c.seed));
        g_randomNumber.seed(c.seed);
        OneOnOne fight(screen, red, blue);
        AI ai1;
        AI ai2;
        fight.bindAI(ai1, fight.one, fight.aimAtTwo, "data/characters/Red/ai", screen);
        fight.bindAI(ai2, fight.two, fight.aimAtOne, "data/characters/Blue/ai", screen);
        ai1.thinkMode = 1;
        ai2.thinkMode = 2;
        ai1.aiLevel = ai2.aiLevel = 10;
        StuckWatch watch1("Red", fight.one.fighter(), &ai1);
        StuckWatch watch2("Blue", fight.two.fighter(), &ai2);

        const Uint32 start = gameTicks();
        const Uint32 limit = start + 30 * 60 * 1000;
        while (fight.bothStanding() && gameTicks() < limit && watch1.problem.empty() &&
               watch2.problem.empty())
        {
            if (!nextFrame(c.frameMs))
                continue;
            fight.frame();
            watch1.look(gameTicks());
            watch2.look(gameTicks());
            for (const AI* ai : {&ai1, &ai2})
            {
                aiStates.insert(ai->state);
                shown.insert(ai->fighter->state);
                grabbedFrames += ai->grabbed ? 1 : 0;
            }
        }
        EXPECT_EQ(watch1.problem, "");
        EXPECT_EQ(watch2.problem, "");
        EXPECT_FALSE(fight.bothStanding()) << "no knock-out in thirty minutes";
        RecordProperty("fight" + std::to_string(c.seed) + "Ms", static_cast<int>(gameTicks() - start));
    }
    // The fights went through every part of the state machine and the moves.
    for (int st : {1, 2, 3, 4, 5, 6, 8, 9})
        EXPECT_EQ(aiStates.count(st), 1u) << "never in AI state " << st;
    for (const char* name :
         {"jab", "kick", "special", "hit1", "hit3", "crash", "blockHi", "duck", "inAir", "backJump"})
        EXPECT_EQ(shown.count(name), 1u) << "never showed " << name;
    EXPECT_GT(grabbedFrames, 0) << "nobody was ever held by a throw";
}

namespace
{
// A stage wave: three enemies sharing one type's sets, aimed at the player
// through one Target, the player's stage control and the ally, driven in the
// stage's order.
class Brawl
{
public:
    static constexpr int kEnemies = 3;

    Brawl(SDL_Surface* screen, const std::string& heroPath, const std::string& thugPath,
          const std::string& buddyPath)
        : fx(screen), hero(heroPath, screen, 150), buddy(buddyPath, screen, 90),
          thugType(thugPath.c_str(), screen, 0, nullptr)
    {
        hero.fighter().setComCounter(&combo);
        player.init(screen);
        player.setup(&hero.fighter(), &fx.kinds, &hero.particles, &hero.sounds, hero.anims(), nullptr,
                     hero.moves(), nullptr, &hero.pad, &hero.input, nullptr);
        player.effects = &fx.effects;
        player.playerNumber = 1;
        aimAtHero.setTarget(&hero.fighter());

        for (int i = 0; i < kEnemies; ++i)
        {
            enemies[i].data.setup(thugPath.c_str(), screen, thugType.anims, thugType.moves, nullptr);
            enemies[i].fighter = &enemies[i].data.fighter;
            Fighter& f = *enemies[i].fighter;
            f.x = 420 + 80 * i;
            f.y = g_GroundLevel;
            f.grounded = true;
            f.jumpsLeft = 2;
            f.dir = false;
            thugs[i].init(screen);
            thugs[i].setup(&f, &fx.kinds, &stageParticles, nullptr, thugType.anims, thugType.moves,
                           &aimAtHero, "data/characters/Thug/ai");
            thugs[i].effects = &fx.effects;
            thugs[i].waveId = 1;
        }

        ally.init(screen);
        ally.setup(&buddy.fighter(), &fx.kinds, &buddy.particles, &buddy.sounds, buddy.anims(), buddy.moves(),
                   nullptr, "data/characters/Buddy/ai");
        ally.effects = &fx.effects;
        ally.target = &ally.nearestTarget;
        for (enemyData& e : enemies)
            ally.nearestTarget.setTarget(e.fighter);
        ally.leader = &hero.fighter();
    }

    // The wave's segment wakes its enemies.
    void activateWave()
    {
        for (int i = 0; i < kEnemies; ++i)
        {
            enemies[i].fighter->setHP(enemies[i].fighter->maxHP, enemies[i].fighter->maxHP);
            thugs[i].active = true;
            thugs[i].doStartPose();
        }
    }

    // One frame of the stage, after the hit-stop test.
    void frame()
    {
        hero.fighter().drawCam(0, 0);
        buddy.fighter().drawCam(0, 0);
        for (int i = 0; i < kEnemies; ++i)
            if (thugs[i].active)
                enemies[i].fighter->drawCam(0, 0);
        stageParticles.drawCam(0, 0);
        fx.effects.drawCam(0, 0);

        player.update();
        SDL_Event e;
        SDL_Event last{};
        while (SDL_PollEvent(&e))
        {
            player.inputChecking(&e);
            last = e;
        }
        player.movementChecking(&last, enemies, kEnemies);
        ally.update();
        ally.updateAI(enemies, kEnemies);
        for (AIBeatEmUp& t : thugs)
        {
            t.update();
            t.updateAI();
        }
        stageParticles.update();
        hero.particles.update();
        buddy.particles.update();
        fx.effects.update();
        combo.update(static_cast<int>(gameTicks()));

        player.checkDeflectCollision(enemies, kEnemies);
        player.updateDamageCollision(enemies, kEnemies);
        player.checkParticleCollision(&stageParticles, 'E');
        ally.checkDeflectCollision(enemies, kEnemies);
        ally.updateDamageCollision(enemies, kEnemies);
        ally.checkParticleCollision(&stageParticles, 'E');
        for (AIBeatEmUp& t : thugs)
        {
            t.checkDeflectCollision();
            t.updateDamageCollision();
            t.checkParticleCollision(&stageParticles, 'E');
        }
    }

    int enemiesStanding() const
    {
        int n = 0;
        for (const enemyData& e : enemies)
            n += e.fighter->hp >= 1 ? 1 : 0;
        return n;
    }

    // Whether one of the ally's blows reaches a living enemy this frame.
    bool allyBlowReaches()
    {
        Fighter& b = buddy.fighter();
        if (!b.hasFrame() || b.getDamage() <= 0)
            return false;
        for (enemyData& e : enemies)
            if (e.fighter->hp > 0 && e.fighter->hasFrame() &&
                SquareCollider(b.getDBox(), e.fighter->getCBox()).collisionCheck())
                return true;
        return false;
    }

    FightEffects fx;
    FighterRig hero;
    FighterRig buddy;
    characterData thugType;
    enemyData enemies[kEnemies];
    AIBeatEmUp thugs[kEnemies];
    Target aimAtHero;
    playerBeatEmControl player;
    AIAllyBeatEmUp ally;
    particleList stageParticles;
    comboCounter combo;
};

// The player's hands: arrow keys held in SDL's key state, the attack key
// pushed as an event. Walks to the nearest standing enemy, turns to it and
// jabs it.
class ScriptedPlayer
{
public:
    ~ScriptedPlayer() { release(); }

    void drive(Brawl& b, Uint32 now)
    {
        release();
        const Fighter& me = b.hero.fighter();
        const Fighter* foe = nullptr;
        for (const enemyData& e : b.enemies)
            if (e.fighter->hp >= 1 && (!foe || std::abs(e.fighter->x - me.x) < std::abs(foe->x - me.x)))
                foe = e.fighter;
        if (!foe)
            return;
        const int dx = foe->x - me.x;
        const bool right = dx >= 0;
        if (me.dir != right || std::abs(dx) > 40)
            hold(right ? SDLK_RIGHT : SDLK_LEFT);
        else if (now >= nextPress)
        {
            pushKey(SDLK_a);
            nextPress = now + 120;
        }
    }

    void release()
    {
        Uint8* keys = SDL_GetKeyState(nullptr);
        keys[SDLK_LEFT] = keys[SDLK_RIGHT] = 0;
    }

private:
    static void hold(SDLKey key) { SDL_GetKeyState(nullptr)[key] = 1; }
    Uint32 nextPress = 0;
};
} // namespace

// A wave of three enemies against the player and the ally: the ally's blows
// do no harm, the player beats the wave, beaten enemies stay down, and the
// ally comes back to the player once nobody is left.
TEST_F(MatchTest, APlayerAndTheAllyBeatAWaveOfThreeEnemies)
{
    g_randomNumber.seed(17);
    Brawl b(screen, writeFighter(matchFighter("data/characters/Hero", 600)),
            writeFighter(matchFighter("data/characters/Thug", 60), fullAttacks()),
            writeFighter(matchFighter("data/characters/Buddy", 300)));
    b.activateWave();
    StuckWatch heroWatch("the player", b.hero.fighter());
    StuckWatch buddyWatch("the ally", b.buddy.fighter(), &b.ally);
    std::vector<StuckWatch> thugWatches;
    for (int i = 0; i < Brawl::kEnemies; ++i)
        thugWatches.emplace_back("enemy " + std::to_string(i), *b.enemies[i].fighter, &b.thugs[i]);
    auto watchAll = [&](Uint32 now, bool player)
    {
        if (player)
            heroWatch.look(now);
        if (b.buddy.fighter().hp > 0)
            buddyWatch.look(now);
        for (int i = 0; i < Brawl::kEnemies; ++i)
            if (b.enemies[i].fighter->hp >= 1)
                thugWatches[static_cast<std::size_t>(i)].look(now);
    };
    auto problems = [&]()
    {
        std::string all = heroWatch.problem + buddyWatch.problem;
        for (const StuckWatch& w : thugWatches)
            all += w.problem;
        return all;
    };

    // The player stands back while the ally and the enemies fight.
    int allyBlows = 0;
    const Uint32 idleUntil = gameTicks() + 8000;
    while (gameTicks() < idleUntil && b.hero.fighter().hp > 0)
    {
        if (!nextFrame(16))
            continue;
        b.frame();
        allyBlows += b.allyBlowReaches() ? 1 : 0;
        watchAll(gameTicks(), false);
    }
    EXPECT_GT(allyBlows, 0) << "the ally never reached an enemy";
    for (const enemyData& e : b.enemies)
        EXPECT_EQ(e.fighter->hp, 60) << "the ally's blows hurt an enemy";

    // Then the player fights. From its knock-out on, an enemy takes no
    // decisions: its AI state stays what it was.
    ScriptedPlayer hands;
    std::vector<int> stateAtKnockOut(Brawl::kEnemies, -1);
    std::string decidedWhileDown;
    auto watchTheBeaten = [&]()
    {
        for (int k = 0; k < Brawl::kEnemies; ++k)
        {
            int& was = stateAtKnockOut[static_cast<std::size_t>(k)];
            if (b.enemies[k].fighter->hp >= 1)
                continue;
            if (was < 0)
                was = b.thugs[k].state;
            else if (b.thugs[k].state != was && decidedWhileDown.empty())
                decidedWhileDown = "enemy " + std::to_string(k) + " went from AI state " +
                                   std::to_string(was) + " to " + std::to_string(b.thugs[k].state) +
                                   " while down";
        }
    };
    const Uint32 limit = gameTicks() + 5 * 60 * 1000;
    while (b.enemiesStanding() > 0 && b.hero.fighter().hp > 0 && gameTicks() < limit && problems().empty())
    {
        if (!nextFrame(16))
            continue;
        hands.drive(b, gameTicks());
        b.frame();
        watchAll(gameTicks(), true);
        watchTheBeaten();
    }
    hands.release();
    EXPECT_EQ(problems(), "");
    EXPECT_EQ(b.enemiesStanding(), 0) << "the wave was not beaten in five minutes";
    EXPECT_GT(b.hero.fighter().hp, 0);

    // Afterwards the beaten stay where they lie and the ally walks back to its
    // leader.
    std::vector<int> lyingAt(Brawl::kEnemies, 0);
    for (int i = 0; i < 400; ++i)
    {
        if (!nextFrame(16))
            continue;
        b.frame();
        watchTheBeaten();
        if (i == 200)
            for (int k = 0; k < Brawl::kEnemies; ++k)
                lyingAt[static_cast<std::size_t>(k)] = b.enemies[k].fighter->x;
    }
    EXPECT_EQ(decidedWhileDown, "");
    for (int k = 0; k < Brawl::kEnemies; ++k)
    {
        SCOPED_TRACE("enemy " + std::to_string(k));
        const Fighter& f = *b.enemies[k].fighter;
        EXPECT_EQ(f.state, "crash");
        EXPECT_TRUE(f.returnBusy());
        EXPECT_EQ(f.y, g_GroundLevel);
        EXPECT_EQ(f.x, lyingAt[static_cast<std::size_t>(k)]);
    }
    if (b.buddy.fighter().hp > 0)
    {
        EXPECT_LE(std::abs(b.buddy.fighter().x - b.hero.fighter().x), 50 + 2 * b.buddy.fighter().speed);
    }
}
