// The one-on-one computer opponent: what it decides by distance and height,
// how its attacks, follow-ups and timed states run, and its block roll.
#include "control/ai.h"
#include "engine/clock.h"
#include "engine/globals.h"
#include "engine/timers.h"
#include "fighter/move_set.h"
#include "tests/control/control_fixture.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

using namespace testing_support;

namespace
{
// Seeds the game's random source with `seed` and returns what its coming
// draws getNumber(n) will give, without using them up.
std::vector<int> peekDraws(unsigned int seed, std::initializer_list<int> ns)
{
    runtimeSrand(seed);
    std::vector<int> values;
    for (int n : ns)
        values.push_back(runtimeRand() % n);
    g_randomNumber.seed(seed);
    return values;
}

MoveSpec plainMove(const std::string& name, int energy = 0)
{
    MoveSpec m(name);
    m.energy = energy;
    return m;
}

// The shared fighter with a ducking and an air attack of their own, a special
// costing 50, one costing more than it can ever hold (100), and a dash.
CharacterSpec brawlerSpec()
{
    CharacterSpec spec = fighterSpec("data/characters/Brawler");
    for (const MoveSpec& m : {plainMove("sweep"), plainMove("airKick"), plainMove("super", 50),
                              plainMove("mega", 500), plainMove("dash")})
        spec.moves.push_back(m);
    return spec;
}

// ground: S jab, M kick; duck: S sweep; aerial: S airKick; cancel: dash
// into jab; linked: kick after jab.
AttackFile brawlerAttacks()
{
    AttackFile file;
    file.ground = {{"jab", "S"}, {"kick", "M"}};
    file.duck = {{"sweep", "S"}};
    file.aerial = {{"airKick", "S"}};
    file.cancel = {{"dash", "S", "NULL", "jab"}};
    file.linked = {{"kick", "S", "jab"}};
    return file;
}

class AITest : public ::testing::Test
{
protected:
    AITest()
        : chardata(writeFighter(brawlerSpec(), brawlerAttacks())), me(chardata, screen, 300),
          foe(chardata, screen, 340)
    {
        setTestClock(10000);
        foe.stand(340, false);
        target.setTarget(&foe.fighter());
        ai.init(screen);
        ai.setup(&me.fighter(), nullptr, nullptr, &me.sounds, me.anims(), me.moves(), &target,
                 "data/characters/Brawler/ai");
        ai.thinkMode = 0;
        // The first update measures from tick 0; take that step now.
        ai.update();
        ai.updateAI();
        ai.state = 0;
    }

    void place(FighterRig& rig, int x) { rig.stand(x, rig.fighter().dir); }

    // One frame of `ms` milliseconds: the control's update and the AI.
    void frame(int ms)
    {
        advanceTestClock(static_cast<Uint32>(ms));
        ai.update();
        ai.updateAI();
    }
    // One frame long enough for exactly one AI step.
    void step() { frame(40); }

    moveInfo* moveNamed(const char* name) { return me.move(name); }
    Fighter& fighter() { return me.fighter(); }

    ScratchDir dir;
    GlobalsGuard globals;
    SDL_Surface* screen = openTestVideo();
    std::string chardata;
    FighterRig me;
    FighterRig foe;
    Target target;
    AI ai;
};
} // namespace

TEST_F(AITest, InitGivesTheDocumentedStart)
{
    AI fresh;
    fresh.init(screen);
    EXPECT_EQ(fresh.aiLevel, 0);
    EXPECT_EQ(fresh.thinkMode, 1);
    EXPECT_EQ(fresh.rangeUnit, 50);
    EXPECT_EQ(fresh.state, 0);
    EXPECT_EQ(fresh.runMode, 0);
    EXPECT_EQ(fresh.rangeLetter, 'L');
    EXPECT_EQ(fresh.jumpDirection, 1);
    EXPECT_EQ(fresh.linkAttackName, "NULL");
    EXPECT_EQ(fresh.cancelMove, nullptr);
    EXPECT_EQ(fresh.fighter, nullptr);
    // Without a fighter nothing runs.
    fresh.update();
    fresh.updateAI();
}

// ---- Thinking: range letters and tables ----

namespace
{
struct ThinkCase
{
    const char* what;
    int rangeUnit;
    int dx; // target x − fighter x
    int dy; // target y − fighter y (screen y grows downward)
    bool targetGrounded;
    char letter;
    std::vector<int> randomTable;
    std::vector<int> aggressiveTable;
};

const std::vector<int> kLevelR = {2, 2, 3, 5, 6, 9}, kLevelA = {2, 2, 5};
const std::vector<int> kUpR = {2, 2, 3, 4, 6, 9}, kUpA = {2, 2, 4, 4};
const std::vector<int> kDownR = {2, 2, 3, 5, 9}, kDownA = {2, 2, 3, 5};
const std::vector<int> kMidGroundR = {1, 1, 3, 5, 2, 2, 6, 9}, kMidGroundA = {1, 1, 5, 2, 2};
const std::vector<int> kMidAirR = {1, 1, 3, 4, 6, 9}, kMidAirA = {1, 1, 3, 4, 2, 2};
const std::vector<int> kFarR = {1, 1, 5, 2, 9, 6}, kFarA = {1, 1, 5, 2};

const ThinkCase kThinkCases[] = {
    {"touching", 50, 0, 0, true, 'S', kLevelR, kLevelA},
    {"exactly one unit away is short", 50, 50, 0, true, 'S', kLevelR, kLevelA},
    {"one unit away, other side", 50, -50, 0, true, 'S', kLevelR, kLevelA},
    {"just past one unit", 50, 51, 0, true, 'M', kMidGroundR, kMidGroundA},
    {"medium, target in the air", 50, 80, -60, false, 'M', kMidAirR, kMidAirA},
    {"just short of three units", 50, 149, 0, true, 'M', kMidGroundR, kMidGroundA},
    {"exactly three units is long", 50, 150, 0, true, 'L', kFarR, kFarA},
    {"far, target in the air", 50, -400, -100, false, 'L', kFarR, kFarA},
    {"24 lower is level", 50, 10, 24, true, 'S', kLevelR, kLevelA},
    {"24 higher is level", 50, 10, -24, false, 'S', kLevelR, kLevelA},
    {"exactly 25 lower is not level", 50, 10, 25, true, 'U', kUpR, kUpA},
    {"exactly 25 higher is not level", 50, 10, -25, false, 'D', kDownR, kDownA},
    {"wide unit: exactly 100 is short", 100, 100, 0, true, 'S', kLevelR, kLevelA},
    {"wide unit: 299 is medium", 100, -299, 0, true, 'M', kMidGroundR, kMidGroundA},
    {"wide unit: exactly 300 is long", 100, 300, 0, true, 'L', kFarR, kFarA},
};
} // namespace

// Every entry of the table the distance and height choose is reachable, in
// the listed order, for both deciders.
TEST_F(AITest, ThinkPicksTheTableByDistanceAndHeight)
{
    for (const ThinkCase& c : kThinkCases)
    {
        for (int mode : {1, 2})
        {
            const std::vector<int>& table = mode == 1 ? c.randomTable : c.aggressiveTable;
            for (int i = 0; i < static_cast<int>(table.size()); ++i)
            {
                SCOPED_TRACE(std::string(c.what) + (mode == 1 ? " (random)" : " (aggressive)") + " entry " +
                             std::to_string(i));
                place(me, 300);
                place(foe, 300 + c.dx);
                foe.fighter().y = g_GroundLevel + c.dy;
                foe.fighter().grounded = c.targetGrounded;
                ai.rangeUnit = c.rangeUnit;
                ai.thinkMode = mode;
                ai.state = 0;
                // jump direction, the unused draw, run mode, timer, the table.
                scriptDraws({{3, -1}, {5, -1}, {2, -1}, {20, -1}, {static_cast<int>(table.size()), i}});
                ai.think();
                EXPECT_EQ(ai.rangeLetter, c.letter);
                EXPECT_EQ(ai.state, table[static_cast<std::size_t>(i)]);
            }
        }
    }
}

// The draws come in a fixed order: jump direction, one unused, run mode, the
// timer, then the table (and the duck timer when the table says duck).
TEST_F(AITest, ThinkDrawsInItsFixedOrder)
{
    ai.thinkMode = 1;
    ai.blocking = true;
    fighter().changeAnim("walk");
    // Level and short: entry 4 of {2, 2, 3, 5, 6, 9} is duck.
    scriptDraws({{3, 2}, {5, 4}, {2, 1}, {20, 7}, {6, 4}, {50, 29}});
    ai.think();
    EXPECT_EQ(ai.jumpDirection, 2);
    EXPECT_EQ(ai.runMode, 1);
    EXPECT_EQ(ai.state, 6);
    EXPECT_FLOAT_EQ(ai.stateTimer, 30.0f);
    EXPECT_FALSE(ai.blocking);
    EXPECT_EQ(fighter().state, "standing");

    // Entry 3 is state 5, a jump: the timer of the think stays.
    scriptDraws({{3, 0}, {5, 0}, {2, 0}, {20, 11}, {6, 3}});
    ai.think();
    EXPECT_EQ(ai.jumpDirection, 0);
    EXPECT_EQ(ai.runMode, 0);
    EXPECT_EQ(ai.state, 5);
    EXPECT_FLOAT_EQ(ai.stateTimer, 12.0f);
    EXPECT_FALSE(fighter().grounded);
    EXPECT_EQ(fighter().state, "inAir");
}

// An AI step needs more than 30 ms of play; what is left over after a step is
// dropped, not carried into the next one.
TEST_F(AITest, AStepIsDueAfterMoreThanThirtyMilliseconds)
{
    frame(30);
    EXPECT_EQ(ai.state, 0) << "30 ms gave a step";
    frame(1);
    EXPECT_EQ(ai.state, 9) << "31 ms gave no step";
    frame(31);
    EXPECT_EQ(ai.state, 0);
    frame(30);
    EXPECT_EQ(ai.state, 0) << "the 0.1 left over was carried";
    frame(30);
    EXPECT_EQ(ai.state, 9);
}

// With thinkMode 0 the fighter stands: nothing (9) and think (0) alternate.
TEST_F(AITest, StandingModeAlternatesNothingAndThink)
{
    std::vector<int> states;
    for (int i = 0; i < 8; ++i)
    {
        step();
        states.push_back(ai.state);
        EXPECT_EQ(fighter().state, "standing");
        EXPECT_EQ(fighter().x, 300);
    }
    EXPECT_EQ(states, (std::vector<int>{9, 0, 9, 0, 9, 0, 9, 0}));
}

// ---- Attacks ----

TEST_F(AITest, AnAttackStartsThenTheAIWaitsWhileItRuns)
{
    ai.rangeLetter = 'S';
    ai.setState(2);
    // getAttack's pick of the two ground attacks (S + M), then pickLinkMove's r.
    scriptDraws({{2, 0}, {3, 1}});
    step();
    EXPECT_EQ(fighter().state, "jab");
    EXPECT_EQ(ai.lastAttackName, "jab");
    EXPECT_EQ(ai.attackKind, 2);
    EXPECT_EQ(ai.state, 0);
    EXPECT_EQ(ai.linkAttackName, "NULL");
    EXPECT_EQ(ai.cancelMove, nullptr);

    // While the jab runs the AI holds in 8 and nothing else moves the fighter.
    ai.state = 1;
    step();
    EXPECT_EQ(ai.state, 8);
    EXPECT_EQ(fighter().x, 300);
    EXPECT_EQ(fighter().state, "jab");

    // Once it is over, the waiting state lets the AI think again.
    fighter().changeAnim("standing");
    step();
    EXPECT_EQ(ai.state, 0);
}

TEST_F(AITest, TheStanceChoosesTheSection)
{
    struct Case
    {
        const char* what;
        bool grounded;
        const char* anim;
        const char* expected;
    };
    const Case cases[] = {{"standing", true, "standing", "jab"},
                          {"ducking", true, "duck", "sweep"},
                          {"in the air", false, "inAir", "airKick"}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        place(me, 300);
        fighter().grounded = c.grounded;
        fighter().changeAnim(c.anim);
        ai.rangeLetter = 'S';
        ai.setState(2);
        scriptDraws({{c.grounded && std::string(c.anim) == "standing" ? 2 : 1, 0}, {3, 1}});
        ai.attack();
        EXPECT_EQ(ai.lastAttackName, c.expected);
        EXPECT_EQ(fighter().state, c.expected);
    }
}

TEST_F(AITest, TooLittlePowerStartsNothing)
{
    writeFile("data/characters/Brawler/ai/attack", "Attacks: 1\nsuper\nS\nNULL\nNULL\n");
    ai.attackList.getList("data/characters/Brawler/ai");
    fighter().power = 49;
    ai.rangeLetter = 'S';
    ai.setState(2);
    ai.attack();
    EXPECT_EQ(fighter().state, "standing");
    EXPECT_EQ(ai.state, 0);
    EXPECT_EQ(ai.attackKind, 1);
    EXPECT_EQ(ai.lastAttackName, "");
    EXPECT_EQ(fighter().power, 49);

    fighter().power = 50;
    ai.setState(2);
    ai.attack();
    EXPECT_EQ(fighter().state, "super");
    EXPECT_EQ(fighter().power, 0);
    EXPECT_EQ(ai.attackKind, 2);
}

TEST_F(AITest, AnAttackChosenWhileBusyIsNotPlayedButItsFollowUpIsQueued)
{
    fighter().changeAction(moveNamed("kick"));
    ai.rangeLetter = 'S';
    ai.setState(2);
    // The jab, then r = 0 queues its linked follow-up.
    scriptDraws({{2, 0}, {3, 0}, {1, 0}});
    ai.attack();
    EXPECT_EQ(fighter().state, "kick");
    EXPECT_EQ(ai.lastAttackName, "jab");
    EXPECT_EQ(ai.linkAttackName, "kick");
    EXPECT_EQ(ai.state, 0);
}

TEST_F(AITest, ALinkedAttackStartsAtTheFirstFreeStep)
{
    ai.rangeLetter = 'S';
    ai.setState(2);
    scriptDraws({{2, 0}, {3, 0}, {1, 0}, {3, 1}});
    step();
    ASSERT_EQ(fighter().state, "jab");
    ASSERT_EQ(ai.linkAttackName, "kick");

    step();
    EXPECT_EQ(ai.state, 8);
    EXPECT_EQ(fighter().state, "jab");

    // Free but knocked down: still waiting.
    fighter().changeAnim("standing");
    fighter().falling = true;
    fighter().grounded = false;
    fighter().y = g_GroundLevel - 200;
    step();
    EXPECT_EQ(ai.state, 0);
    EXPECT_EQ(fighter().returnMoveName(), "NULL");
    EXPECT_EQ(ai.linkAttackName, "kick");

    place(me, 300);
    step();
    EXPECT_EQ(fighter().state, "kick");
    EXPECT_EQ(ai.lastAttackName, "kick");
    EXPECT_EQ(ai.state, 0);
    EXPECT_EQ(ai.linkAttackName, "NULL");
}

TEST_F(AITest, ACancelMoveCutsInFromItsStartFrameOnly)
{
    me.move("dash")->startFrame = 2;
    ai.rangeLetter = 'S';
    ai.setState(2);
    // The jab, then r = 2 queues its cancel move.
    scriptDraws({{2, 0}, {3, 2}, {1, 0}, {3, 1}});
    step();
    ASSERT_EQ(fighter().state, "jab");
    ASSERT_EQ(ai.cancelMove, moveNamed("dash"));

    fighter().frame = 1;
    step();
    EXPECT_EQ(ai.state, 8);
    EXPECT_EQ(fighter().state, "jab");

    fighter().frame = 2;
    step();
    EXPECT_EQ(fighter().state, "dash");
    EXPECT_EQ(ai.lastAttackName, "dash");
    EXPECT_EQ(ai.state, 0);
}

TEST_F(AITest, ACancelMoveDoesNotCutIntoAnotherMove)
{
    ai.rangeLetter = 'S';
    ai.setState(2);
    scriptDraws({{2, 0}, {3, 2}, {1, 0}});
    step();
    ASSERT_EQ(ai.cancelMove, moveNamed("dash"));
    // A hit reaction replaced the jab.
    fighter().changeAction(moveNamed("hit1"));
    fighter().frame = 1;
    step();
    EXPECT_EQ(ai.state, 8);
    EXPECT_EQ(fighter().state, "hit1");
}

// A follow-up that is missing, that this fighter can never pay for or that it
// lacks the power for now is dropped and the AI thinks again at once, rather
// than standing still until its power fills; one it can pay for plays.
TEST_F(AITest, AFollowUpThatCannotStartNowIsDropped)
{
    struct Case
    {
        const char* link;
        int power;
        bool plays;
    };
    const Case cases[] = {
        {"ghost", 100, false}, {"mega", 100, false}, {"super", 10, false}, {"super", 60, true}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.link << " at power " << c.power);
        place(me, 300);
        fighter().changeAnim("standing");
        ai.state = 0;
        ai.lastAttackName = "jab";
        ai.linkAttackName = c.link;
        ai.cancelMove = nullptr;
        fighter().power = c.power;
        scriptDraws({{3, 1}});
        step();
        EXPECT_EQ(fighter().state, c.plays ? c.link : "standing");
        EXPECT_EQ(ai.state, 0);
        if (c.plays)
            continue;
        EXPECT_EQ(ai.linkAttackName, "NULL");
        // The next step thinks (standing mode: state 9).
        step();
        EXPECT_EQ(ai.state, 9);
    }
}

TEST_F(AITest, ACancelMoveThatCanNeverBePaidForIsDropped)
{
    ai.lastAttackName = "jab";
    fighter().changeAction(moveNamed("jab"));
    ai.cancelMove = moveNamed("mega");
    step();
    EXPECT_EQ(fighter().state, "jab");
    EXPECT_EQ(ai.cancelMove, nullptr);
    EXPECT_EQ(ai.state, 0);
    step();
    EXPECT_EQ(ai.state, 8);
}

// ---- Timed states ----

// Retreat, duck and nothing last the same play time whatever the frame rate.
TEST_F(AITest, TimedStatesLastAsLongAtAnyFrameRate)
{
    struct Case
    {
        int state;
        const char* shows;
    };
    const Case cases[] = {{3, "walk"}, {6, "duck"}, {9, "standing"}};
    for (const Case& c : cases)
    {
        for (int frameMs : {33, 16, 5, 1})
        {
            SCOPED_TRACE("state " + std::to_string(c.state) + " at " + std::to_string(frameMs) +
                         " ms a frame");
            place(me, 300);
            place(foe, 500);
            ai.state = c.state;
            ai.runMode = 0;
            ai.stateTimer = 20.0f; // 200 ms
            int elapsed = 0;
            bool shown = false;
            while (ai.state == c.state && elapsed < 5000)
            {
                frame(frameMs);
                elapsed += frameMs;
                if (ai.state == c.state)
                    shown = shown || fighter().state == c.shows;
            }
            EXPECT_GE(elapsed, 160);
            EXPECT_LE(elapsed, 270);
            if (c.state != 9)
            {
                EXPECT_TRUE(shown);
            }
        }
    }
}

TEST_F(AITest, RetreatStepsBackBlockingThenStops)
{
    place(foe, 400);
    ai.state = 3;
    ai.runMode = 0;
    ai.stateTimer = 10.0f;
    step();
    EXPECT_EQ(fighter().x, 296);
    EXPECT_TRUE(ai.blocking);
    EXPECT_EQ(fighter().state, "walk");
    int steps = 0;
    while (ai.state == 3 && steps++ < 100)
        step();
    EXPECT_FALSE(ai.blocking);
    EXPECT_EQ(ai.state, 0);
}

TEST_F(AITest, GetCloserWalksOrRunsUntilInRange)
{
    for (int run : {0, 1})
    {
        SCOPED_TRACE(run ? "running" : "walking");
        place(me, 300);
        place(foe, 420);
        ai.state = 1;
        ai.runMode = run;
        step();
        EXPECT_EQ(fighter().x, 300 + (run ? 8 : 4));
        EXPECT_EQ(fighter().state, run ? "running" : "walk");
        int steps = 0;
        while (ai.state == 1 && steps++ < 100)
            step();
        EXPECT_EQ(ai.state, 0);
        EXPECT_LT(420 - fighter().x, 50);
    }
}

// The approach ends strictly inside the range unit: one short of it the AI
// stops without a step, at it and one past it the AI still walks.
TEST_F(AITest, GetCloserRangeIsStrict)
{
    const struct
    {
        int distance;
        bool walks;
    } cases[] = {{49, false}, {50, true}, {51, true}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.distance);
        place(me, 300);
        place(foe, 300 + c.distance);
        ai.runMode = 0;
        ai.state = 1;
        step();
        EXPECT_EQ(fighter().x, c.walks ? 304 : 300);
        EXPECT_EQ(ai.state, c.walks ? 1 : 0);
    }
}

// The jumping states throw dust from the ground as the player's jump does;
// not from the air, nor for a fighter that cannot jump.
TEST_F(AITest, JumpStatesThrowDustOnlyFromTheGround)
{
    writeFightEffects();
    FightEffects fx(screen);
    ai.effects = &fx.effects;
    ai.partInfo = &fx.kinds;
    const struct
    {
        int state;
        bool grounded;
        int jump;
        int dust;
    } cases[] = {{4, true, 16, 1}, {5, true, 16, 1}, {4, false, 16, 0}, {5, false, 16, 0}, {5, true, 0, 0}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "state " << c.state << (c.grounded ? " grounded" : " in the air")
                                        << ", jump " << c.jump);
        fx.effects.removeAll();
        place(me, 300);
        fighter().jump = c.jump;
        fighter().grounded = c.grounded;
        ai.setState(c.state);
        EXPECT_EQ(fx.count(fx.effects, "dustJump"), c.dust);
    }
    ai.effects = nullptr;
    ai.partInfo = nullptr;
}

// Bodies wider than the range unit (the fixture's touch 30 apart) meet before
// they are in range; each position step pushes the walker back off the other,
// so walking on would go on for good. Touching ends the approach.
TEST_F(AITest, GetCloserStopsWhereTheBodiesTouch)
{
    for (int run : {0, 1})
    {
        SCOPED_TRACE(run ? "running" : "walking");
        place(me, 300);
        place(foe, 420);
        ai.rangeUnit = 20;
        ai.state = 1;
        ai.runMode = run;
        int steps = 0;
        while (ai.state == 1 && steps++ < 100)
            step();
        EXPECT_EQ(ai.state, 0);
        EXPECT_GE(420 - fighter().x, 20);
        EXPECT_LT(420 - fighter().x, 40);
    }
}

// ---- The block roll ----

TEST_F(AITest, TheBlockRollSucceedsWhenTheLevelIsAboveIt)
{
    struct Case
    {
        int level;
        int roll;
        bool blocked;
    };
    const Case cases[] = {{0, 0, false}, {0, 99, false}, {100, 99, true}, {100, 0, true},
                          {10, 0, true}, {10, 9, true},  {10, 10, false}, {10, 50, false}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE("level " + std::to_string(c.level) + " roll " + std::to_string(c.roll));
        place(me, 300);
        fighter().hp = 100;
        ai.aiLevel = c.level;
        scriptDraws({{100, c.roll}});
        ai.takeDamage(10, 1);
        EXPECT_EQ(fighter().hp, c.blocked ? 100 : 90);
        EXPECT_EQ(fighter().state, c.blocked ? "blockHi" : "hit1");
    }
}

TEST_F(AITest, ABlockedHitOnABusyFighterChangesNothing)
{
    ai.aiLevel = 100;
    fighter().changeAction(moveNamed("jab"));
    fighter().power = 20;
    ai.takeDamage(30, 3);
    EXPECT_EQ(fighter().hp, 100);
    EXPECT_EQ(fighter().power, 20);
    EXPECT_EQ(fighter().state, "jab");
    EXPECT_FALSE(fighter().falling);
}

TEST_F(AITest, TheRollIsDrawnEvenForNoDamage)
{
    const std::vector<int> draws = peekDraws(4242, {100, 100});
    ai.aiLevel = 0;
    ai.takeDamage(0, 1);
    EXPECT_EQ(fighter().hp, 100);
    // The second draw is the next one.
    EXPECT_EQ(g_randomNumber.getNumber(100), draws[1]);
}

// ---- Jumps ----

// A forward jump in run mode counts its phase down in the air, then either
// attacks with an air attack or jumps again, by one draw.
TEST_F(AITest, AForwardJumpEndsInAnAirAttackOrASecondJump)
{
    for (int draw : {0, 1})
    {
        SCOPED_TRACE("draw " + std::to_string(draw));
        place(me, 300);
        place(foe, 400);
        ai.rangeLetter = 'S';
        ai.runMode = 1;
        ai.jumpDirection = 2;
        ai.setState(5);
        ASSERT_FALSE(fighter().grounded);
        ai.stateTimer = 2.0f;

        step();
        EXPECT_EQ(fighter().x, 304);
        EXPECT_EQ(ai.state, 5);
        // The countdown runs out: the draw decides. A new timer of 5 follows
        // the draw of 1.
        scriptDraws({{2, draw}, {20, 5}});
        step();
        EXPECT_EQ(fighter().x, 308);
        if (draw == 0)
        {
            EXPECT_EQ(ai.state, 2);
            step();
            EXPECT_EQ(fighter().state, "airKick");
            EXPECT_EQ(ai.lastAttackName, "airKick");
        }
        else
        {
            EXPECT_EQ(ai.state, 5);
            EXPECT_FLOAT_EQ(ai.stateTimer, 5.0f);
            step();
            // The second and last jump starts 2 slower.
            EXPECT_EQ(fighter().vSpeed, fighter().jump - 2);
            EXPECT_EQ(fighter().jumpsLeft, 0);
            EXPECT_FLOAT_EQ(ai.stateTimer, 4.0f);
        }
    }
}

// A jump at the target (state 4) steps forward every AI step. It enters
// counting down, so the first steps only count; a countdown that runs out
// draws the next one and opens the height test.
TEST_F(AITest, AJumpAtTheTargetCountsDownBeforeItLooks)
{
    place(me, 300);
    place(foe, 400);
    ai.setState(4);
    ASSERT_FALSE(fighter().grounded);
    ASSERT_EQ(ai.attackKind, 1);
    ai.stateTimer = 3.0f;
    const int jumpsLeft = fighter().jumpsLeft;

    ai.jumpUpAt();
    EXPECT_EQ(fighter().x, 304);
    EXPECT_FLOAT_EQ(ai.stateTimer, 2.0f);
    ai.jumpUpAt();
    EXPECT_EQ(fighter().x, 308);
    EXPECT_FLOAT_EQ(ai.stateTimer, 1.0f);
    EXPECT_EQ(ai.attackKind, 1) << "a timer of exactly 1 still counts";

    scriptDraws({{20, 6}});
    ai.jumpUpAt();
    EXPECT_EQ(fighter().x, 312);
    EXPECT_EQ(ai.attackKind, 0);
    EXPECT_FLOAT_EQ(ai.stateTimer, 6.0f);
    EXPECT_EQ(ai.state, 4);
    EXPECT_EQ(fighter().jumpsLeft, jumpsLeft) << "no second jump while counting";
}

// Once looking, the height decides in the same step: within 100 pixels of
// the target's y it attacks from the air, higher up it jumps again, lower
// down it keeps looking. Landed, or unable to jump, it thinks again.
TEST_F(AITest, AJumpAtTheTargetAttacksJumpsOrWaitsByHeight)
{
    const struct
    {
        const char* name;
        int dy; // fighter y - target y (screen y grows downward)
        bool grounded;
        int jump;
        int state;
        int phase;
        bool jumpsAgain;
        float timer;
        int x;
    } cases[] = {
        {"100 above: attacks", -100, false, 16, 2, 1, false, 4.0f, 304},
        {"100 below: attacks", 100, false, 16, 2, 1, false, 4.0f, 304},
        {"101 above: jumps again", -101, false, 16, 4, 1, true, 4.0f, 304},
        {"101 below: looks on", 101, false, 16, 4, 0, false, 5.0f, 304},
        {"landed", -101, true, 16, 0, 0, false, 5.0f, 300},
        {"cannot jump", -101, false, 0, 0, 0, false, 5.0f, 300},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        place(me, 300);
        place(foe, 400);
        ai.setState(4);
        ASSERT_FALSE(fighter().grounded);
        const int jumpsLeft = fighter().jumpsLeft;
        fighter().y = foe.fighter().y + c.dy;
        fighter().grounded = c.grounded;
        fighter().jump = c.jump;
        ai.attackKind = 0;
        ai.stateTimer = 5.0f;
        ai.jumpUpAt();
        EXPECT_EQ(ai.state, c.state);
        EXPECT_EQ(ai.attackKind, c.phase);
        EXPECT_EQ(fighter().jumpsLeft, c.jumpsAgain ? jumpsLeft - 1 : jumpsLeft);
        EXPECT_FLOAT_EQ(ai.stateTimer, c.timer);
        EXPECT_EQ(fighter().x, c.x);
        fighter().jump = 16;
    }
    // The attack that follows picks from the air section.
    place(me, 300);
    ai.setState(4);
    fighter().y = foe.fighter().y - 50;
    ai.attackKind = 0;
    ai.stateTimer = 5.0f;
    ai.rangeLetter = 'S';
    ai.jumpUpAt();
    ASSERT_EQ(ai.state, 2);
    ai.attack();
    EXPECT_EQ(fighter().state, "airKick");
}

// ---- Moves looked up by name ----

// Moves are found by their exact name: a name the set lacks starts nothing,
// never the set's first move.
TEST_F(AITest, AMissingMoveStartsNothing)
{
    auto hide = [&](const char* name) { moveNamed(name)->name = std::string(name) + "Gone"; };

    AttackFile ghost = brawlerAttacks();
    ghost.ground = {{"ghost", "S"}};
    writeAttackFile("data/characters/Brawler/ai", ghost);
    ai.attackList.getList("data/characters/Brawler/ai");
    ai.rangeLetter = 'S';
    ai.setState(2);
    ai.attack();
    EXPECT_EQ(fighter().state, "standing");
    EXPECT_EQ(ai.lastAttackName, "");
    EXPECT_EQ(ai.state, 0);
    EXPECT_EQ(ai.attackKind, 2);

    hide("backJump");
    place(foe, 400);
    ai.state = 3;
    ai.runMode = 1;
    ai.stateTimer = 20.0f;
    step();
    EXPECT_EQ(fighter().state, "standing");
    EXPECT_EQ(ai.state, 3);

    hide("airForward");
    place(me, 300);
    ai.runMode = 0;
    ai.jumpDirection = 2;
    ai.setState(5);
    step();
    EXPECT_EQ(fighter().returnMoveName(), "NULL");
    EXPECT_EQ(ai.state, 5);

    // A cancel move the set lacks is not queued.
    hide("dash");
    ai.lastAttackName = "jab";
    scriptDraws({{3, 2}, {1, 0}});
    ai.pickLinkMove();
    EXPECT_EQ(ai.cancelMove, nullptr);
    EXPECT_EQ(ai.linkAttackName, "NULL");
}
