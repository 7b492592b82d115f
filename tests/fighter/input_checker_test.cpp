// Command input: matching the buffered presses against the pressed button's
// moves, power and start rules, queued links, the age limit and runs.
#include "engine/clock.h"
#include "engine/globals.h"
#include "fighter/animation_set.h"
#include "fighter/fighter.h"
#include "fighter/input_checker.h"
#include "fighter/move_set.h"
#include "tests/support/character_fixture.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

using namespace testing_support;

namespace
{
// A fighter with its own sets, loaded from a character written for the test.
struct TestFighter
{
    animationSet anims;
    moveSet moves;
    Fighter fighter;
};

MoveSpec moveOf(const char* name, const char* command, int energy = 0)
{
    MoveSpec m(name, command);
    m.energy = energy;
    m.frames = {bodyFrame(), bodyFrame(), bodyFrame(), bodyFrame()};
    return m;
}

MoveSpec linked(const char* name, const char* command, const char* link, int linkFrame)
{
    MoveSpec m = moveOf(name, command);
    m.link = link;
    m.linkFrame = linkFrame;
    return m;
}

MoveSpec startingFrom(const char* name, const char* command, const char* from, int frame)
{
    MoveSpec m = moveOf(name, command);
    m.startFrom = from;
    m.startFrame = frame;
    return m;
}

MoveSpec withCondition(MoveSpec m, const char* condition)
{
    m.condition = condition;
    return m;
}

class InputCheckerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_NE(openTestVideo(), nullptr);
        setTestClock(5000);
    }
    void TearDown() override { releaseTestClock(); }

    // A grounded, idle fighter whose move set holds `moves` in this order.
    std::unique_ptr<TestFighter> make(const std::vector<MoveSpec>& moves)
    {
        CharacterSpec spec;
        spec.folder = "data/characters/C" + std::to_string(characters++);
        spec.moves = moves;
        spec.moves.push_back(moveOf("hit1", "zzz"));
        writeCharacter(spec);
        auto t = std::make_unique<TestFighter>();
        t->anims.loadAll(spec.folder);
        t->moves.loadAll(spec.folder);
        t->fighter.initS(&t->anims, screen);
        t->fighter.setSpeed(1.5f);
        t->fighter.setHP(100, 100);
        t->fighter.setPower(0, 100);
        t->fighter.y = 348;
        t->fighter.Gravity();
        EXPECT_TRUE(t->fighter.grounded);
        return t;
    }

    static void press(inputChecker& input, const std::string& keys, int time = 5000, int apart = 10)
    {
        for (char k : keys)
        {
            inputKeys key;
            key.time = time;
            key.key = k;
            key.state = "walk";
            input.acceptInput(key);
            time += apart;
        }
    }

    static std::string nameOf(const moveInfo* m) { return m ? m->name : "none"; }

    // Draws the fighter once a millisecond until its move has ended.
    static void finishMove(Fighter& f)
    {
        for (int i = 0; i < 10000 && f.returnBusy(); ++i)
        {
            advanceTestClock(1);
            f.draw();
        }
        ASSERT_FALSE(f.returnBusy());
    }

    ScratchDir dir;
    int characters = 0;
};

TEST_F(InputCheckerTest, MatchesTheCommandsOfThePressedButtonsList)
{
    struct Case
    {
        const char* name;
        std::vector<MoveSpec> moves;
        const char* presses;
        int power;
        bool airborne;
        const char* expected; // "none": no move
        const char* left;     // the buffer afterwards
    };
    const Case cases[] = {
        {"D, R, A gives the DRA move", {moveOf("fireball", "DRA")}, "DRA", 0, false, "fireball", ""},
        {"the command may sit anywhere", {moveOf("fireball", "DRA")}, "LDRAD", 0, false, "fireball", ""},
        {"B presses try the B list",
         {moveOf("fireball", "DRA"), moveOf("kick", "DRB")},
         "DRB",
         0,
         false,
         "kick",
         ""},
        {"the first listed move wins",
         {moveOf("jab", "A"), moveOf("fireball", "DRA")},
         "DRA",
         0,
         false,
         "jab",
         ""},
        {"longer commands listed first",
         {moveOf("fireball", "DRA"), moveOf("jab", "A")},
         "DRA",
         0,
         false,
         "fireball",
         ""},
        {"and their suffix still matches alone",
         {moveOf("fireball", "DRA"), moveOf("jab", "A")},
         "RA",
         0,
         false,
         "jab",
         ""},
        {"too little power tries the next move",
         {moveOf("special", "DRA", 30), moveOf("jab", "A")},
         "DRA",
         25,
         false,
         "jab",
         ""},
        {"enough power takes the special",
         {moveOf("special", "DRA", 30), moveOf("jab", "A")},
         "DRA",
         30,
         false,
         "special",
         ""},
        {"a negative cost never matches",
         {moveOf("odd", "DRA", -5), moveOf("jab", "A")},
         "DRA",
         100,
         false,
         "jab",
         ""},
        {"a false condition tries the next move",
         {withCondition(moveOf("air", "DRA"), "ground = false"), moveOf("jab", "A")},
         "DRA",
         0,
         false,
         "jab",
         ""},
        {"a holding condition takes the move",
         {withCondition(moveOf("air", "DRA"), "ground = false"), moveOf("jab", "A")},
         "DRA",
         0,
         true,
         "air",
         ""},
        {"a press matching nothing empties the buffer", {moveOf("kick", "B")}, "DRA", 0, false, "none", ""},
        {"a button without moves empties the buffer", {moveOf("jab", "A")}, "DC", 0, false, "none", ""},
        {"directions alone keep the buffer", {moveOf("jab", "A")}, "DR", 0, false, "none", "DR"},
        {"the last button is the one judged",
         {moveOf("jab", "A"), moveOf("kick", "B")},
         "BDA",
         0,
         false,
         "jab",
         ""},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        auto t = make(c.moves);
        Fighter& f = t->fighter;
        f.setPower(c.power, 100);
        if (c.airborne)
            f.grounded = false;
        inputChecker input(&t->moves, &f);
        press(input, c.presses);
        EXPECT_EQ(nameOf(input.update(5100)), c.expected);
        EXPECT_EQ(input.bufferText(), c.left);
        EXPECT_EQ(input.count, static_cast<int>(std::string(c.left).size()));
        EXPECT_EQ(input.pending, nullptr);
        EXPECT_EQ(f.power, c.power) << "matching spends nothing";
    }
}

TEST_F(InputCheckerTest, ALockedMoveCannotBeTriggered)
{
    auto t = make({moveOf("fireLv3", "DRA"), moveOf("jab", "A")});
    t->moves.lockMoves(0);
    inputChecker input(&t->moves, &t->fighter);
    press(input, "DRA");
    EXPECT_EQ(nameOf(input.update(5100)), "jab");
}

TEST_F(InputCheckerTest, ABusyFighterOnlyTakesMovesStartingFromItsMove)
{
    auto t =
        make({moveOf("fireball", "DRA"), startingFrom("uppercut", "A", "punch", 3), moveOf("punch", "B")});
    Fighter& f = t->fighter;
    inputChecker input(&t->moves, &f);

    struct Case
    {
        const char* name;
        bool busy;
        int frame;
        const char* presses;
        const char* expected;
    };
    const Case cases[] = {
        {"idle: the DRA move", false, 0, "DRA", "fireball"},
        {"busy: not the idle move", true, 0, "DRA", "none"},
        {"busy at frame 2: too early", true, 2, "A", "none"},
        {"busy at frame 3: starts from it", true, 3, "A", "uppercut"},
        {"busy at its last frame", true, 3, "DRA", "uppercut"},
        {"idle: not a move that starts from another", false, 0, "A", "none"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        f.changeAnim("standing");
        if (c.busy)
        {
            f.changeAction(t->moves.findMove("punch"));
            f.frame = c.frame;
        }
        press(input, c.presses);
        EXPECT_EQ(nameOf(input.update(5100)), c.expected);
        EXPECT_EQ(input.bufferText(), "");
    }
}

TEST_F(InputCheckerTest, ALinkedMoveWaitsUntilTheMoveItChainsFromEnds)
{
    auto t = make({linked("jab2", "A", "jab1", 1), moveOf("jab1", "A")});
    Fighter& f = t->fighter;
    moveInfo* jab1 = t->moves.findMove("jab1");
    moveInfo* jab2 = t->moves.findMove("jab2");
    inputChecker input(&t->moves, &f);

    press(input, "A");
    EXPECT_EQ(input.update(5100), jab1);
    f.changeAction(jab1);

    // Too early in jab1: nothing, and the press is spent.
    press(input, "A");
    EXPECT_EQ(input.update(5100), nullptr);
    EXPECT_EQ(input.pending, nullptr);
    EXPECT_EQ(input.bufferText(), "");

    f.frame = 1;
    press(input, "A");
    EXPECT_EQ(input.update(5100), nullptr);
    EXPECT_EQ(input.pending, jab2);
    EXPECT_EQ(input.bufferText(), "");
    EXPECT_EQ(input.update(5100), nullptr) << "still waiting while jab1 runs";
    EXPECT_EQ(input.pending, jab2);

    finishMove(f);
    EXPECT_EQ(input.update(5200), jab2);
    EXPECT_EQ(input.pending, nullptr);
    EXPECT_EQ(input.update(5200), nullptr);
}

TEST_F(InputCheckerTest, APendingLinkIsDroppedWhenAnotherMoveReplacesItsMove)
{
    auto t = make({linked("jab2", "A", "jab1", 1), moveOf("jab1", "A")});
    Fighter& f = t->fighter;
    inputChecker input(&t->moves, &f);

    f.changeAction(t->moves.findMove("jab1"));
    f.frame = 2;
    press(input, "A");
    ASSERT_EQ(input.update(5100), nullptr);
    ASSERT_EQ(input.pending, t->moves.findMove("jab2"));

    f.changeAction(t->moves.findMove("hit1"));
    EXPECT_EQ(input.update(5100), nullptr);
    EXPECT_EQ(input.pending, nullptr);
    finishMove(f);
    EXPECT_EQ(input.update(5200), nullptr) << "the reaction broke the chain";
}

TEST_F(InputCheckerTest, APendingLinkSurvivesItsOwnMoveAndSkipsItsCondition)
{
    auto t = make({withCondition(linked("jab2", "A", "jab1", 0), "ground = false"), moveOf("jab1", "A")});
    Fighter& f = t->fighter;
    moveInfo* jab2 = t->moves.findMove("jab2");
    inputChecker input(&t->moves, &f);

    f.changeAction(t->moves.findMove("jab1"));
    press(input, "A");
    ASSERT_EQ(input.update(5100), nullptr);
    ASSERT_EQ(input.pending, jab2) << "a grounded fighter queues the air link";

    // The control started the pending move itself: it stays pending.
    f.changeAction(jab2);
    EXPECT_EQ(input.update(5100), nullptr);
    EXPECT_EQ(input.pending, jab2);
    finishMove(f);
    EXPECT_EQ(input.update(5200), jab2);
}

TEST_F(InputCheckerTest, PressesOlderThanTheInputDelayAreDropped)
{
    struct Case
    {
        const char* name;
        int delay; // inputDelay, in 10 ms
        const char* presses;
        int now;
        const char* expected;
        const char* left;
    };
    // Presses 10 ms apart from 5000.
    const Case cases[] = {
        {"exactly 600 ms old is kept", 60, "DRA", 5600, "fireball", ""},
        {"601 ms old is dropped", 60, "DRA", 5601, "none", ""},
        {"directions age out one by one", 60, "DRD", 5611, "none", "D"},
        {"all aged out", 60, "DR", 6000, "none", ""},
        {"a shorter delay", 30, "DRA", 5301, "none", ""},
        {"within a shorter delay", 30, "DRA", 5300, "fireball", ""},
    };
    const int savedDelay = inputDelay;
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        inputDelay = c.delay;
        auto t = make({moveOf("fireball", "DRA")});
        inputChecker input(&t->moves, &t->fighter);
        press(input, c.presses);
        EXPECT_EQ(nameOf(input.update(c.now)), c.expected);
        EXPECT_EQ(input.bufferText(), c.left);
        EXPECT_EQ(input.count, static_cast<int>(std::string(c.left).size()));
    }
    inputDelay = savedDelay;
}

TEST_F(InputCheckerTest, CheckRunFindsADirectionPressedTwiceInARow)
{
    struct Case
    {
        const char* presses;
        char expected;
        const char* after;
    };
    const Case cases[] = {
        {"LL", 'L', "-L"},     {"LRL", 'N', "LRL"},   {"RRR", 'R', "--R"},
        {"LLRR", 'R', "-L-R"}, {"RRLL", 'L', "-R-L"}, {"", 'N', ""},
        {"L", 'N', "L"},       {"LAL", 'N', "LAL"},   {"DD", 'N', "DD"},
    };
    auto t = make({});
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.presses);
        inputChecker input(&t->moves, &t->fighter);
        press(input, c.presses, 5000, 200);
        EXPECT_EQ(input.checkRun(), c.expected);
        EXPECT_EQ(input.bufferText(), c.after);
    }

    // A used tap pairs no more; the later one may pair with a third.
    inputChecker input(&t->moves, &t->fighter);
    press(input, "LL");
    ASSERT_EQ(input.checkRun(), 'L');
    EXPECT_EQ(input.checkRun(), 'N');
    press(input, "L");
    EXPECT_EQ(input.checkRun(), 'L');
    EXPECT_EQ(input.bufferText(), "--L");
}

TEST_F(InputCheckerTest, SetupRebindsTheListsAndKeepsTheBuffer)
{
    auto sword = make({moveOf("slash", "DRA")});
    auto gun = make({moveOf("shoot", "DRA"), linked("reload", "B", "shoot", 0)});
    inputChecker input(&sword->moves, &sword->fighter);
    press(input, "DR");
    input.setup(&gun->moves, &gun->fighter);
    EXPECT_EQ(input.fighter, &gun->fighter);
    EXPECT_EQ(input.listA, gun->moves.listA);
    press(input, "A", 5020);
    EXPECT_EQ(nameOf(input.update(5100)), "shoot");

    gun->fighter.changeAction(gun->moves.findMove("shoot"));
    press(input, "B");
    ASSERT_EQ(input.update(5100), nullptr);
    ASSERT_NE(input.pending, nullptr);
    input.setup(&sword->moves, &sword->fighter);
    EXPECT_EQ(nameOf(input.pending), "reload") << "a rebind keeps the pending move";
}

TEST_F(InputCheckerTest, AMissingMoveSetMatchesNothing)
{
    auto t = make({});
    inputChecker input(nullptr, &t->fighter);
    EXPECT_EQ(input.listA, nullptr);
    EXPECT_EQ(input.target, nullptr);
    press(input, "DRA");
    EXPECT_EQ(input.update(5100), nullptr);
    EXPECT_EQ(input.bufferText(), "");
    input.deleteList();
    EXPECT_EQ(input.count, 0);
}
} // namespace
