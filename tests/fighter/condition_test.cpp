// The condition language of frames and moves: every test subject and
// operator, the then and else blocks, words kept between lines, and actions.
#include "engine/clock.h"
#include "engine/globals.h"
#include "fighter/animation_set.h"
#include "fighter/condition.h"
#include "fighter/fighter.h"
#include "tests/support/character_fixture.h"

#include <gtest/gtest.h>
#include <vector>

using namespace testing_support;

namespace
{
// The fighter values a test reads.
struct Look
{
    int hp = 100;
    int maxHP = 100;
    bool grounded = true;
    const char* state = "standing";
    bool grabbing = false;
};

void apply(Fighter& f, const Look& l)
{
    f.hp = l.hp;
    f.maxHP = l.maxHP;
    f.grounded = l.grounded;
    f.state = l.state;
    f.grabbing = l.grabbing;
}

Look hp(int value, int maxHP = 100)
{
    Look l;
    l.hp = value;
    l.maxHP = maxHP;
    return l;
}

Look at(bool grounded, const char* state = "standing")
{
    Look l;
    l.grounded = grounded;
    l.state = state;
    return l;
}

Look grabbing(bool g)
{
    Look l;
    l.grabbing = g;
    return l;
}

TEST(ConditionTest, EveryTestSubjectAndOperator)
{
    struct Case
    {
        const char* line;
        Look look;
        bool expected;
    };
    const Case cases[] = {
        {"HP < 50", hp(49), true},
        {"HP < 50", hp(50), false},
        {"HP > 50", hp(51), true},
        {"HP > 50", hp(50), false},
        {"HP == 50", hp(50), true},
        {"HP == 50", hp(49), false},
        {"HP != 50", hp(49), true},
        {"HP != 50", hp(50), false},
        {"HP == MAX", hp(120, 120), true},
        {"HP == MAX", hp(119, 120), false},
        {"HP < MAX", hp(119, 120), true},
        {"HP = 50", hp(50), false},
        {"HP >= 50", hp(60), false},
        {"HP > -5", hp(0), true},
        {"HP > 40abc", hp(41), true},
        {"HP > abc", hp(1), true},
        {"HP < 50\n", hp(49), true},
        {"HP < 50\r\n", hp(49), true},
        {"  HP\t<   50  ", hp(49), true},
        {"state == duck", at(true, "duck"), true},
        {"state == duck", at(true, "walk"), false},
        {"state == Duck", at(true, "duck"), false},
        {"state = duck", at(true, "duck"), false},
        {"state = duck", at(true, "walk"), true},
        {"state != duck", at(true, "walk"), true},
        {"state != duck", at(true, "duck"), false},
        {"state == punch", at(true, "punch"), true},
        {"ground = true", at(true), true},
        {"ground = true", at(false), false},
        {"ground != true", at(true), true},
        {"ground = false", at(true), false},
        {"ground = false", at(false), true},
        {"ground x yes", at(false), true},
        {"position == air", at(false), true},
        {"position == air", at(true), false},
        {"position == mid", at(true, "walk"), true},
        {"position == mid", at(true, "duck"), false},
        {"position == mid", at(false), false},
        {"position != mid", at(false), true},
        {"position != mid", at(true), false},
        {"position == low", at(true, "duck"), true},
        {"position == low", at(false, "duck"), false},
        {"position = low", at(true, "walk"), false},
        {"position == high", at(true), false},
        {"position != high", at(true), true},
        {"grabbing = true", grabbing(true), true},
        {"grabbing = true", grabbing(false), false},
        {"grabbing = false", grabbing(false), true},
        {"grabbing != true", grabbing(true), true},
        {"NULL", Look(), true},
        {"null", Look(), true},
        {"NULL\n", Look(), true},
        {"Null", Look(), false},
        {"hp < 50", hp(1), false},
        {"jump == 1", Look(), false},
        {"ELSE", Look(), false},
        {"", Look(), false},
        {"state == duck and more words", at(true, "duck"), true},
        {"HP < 50 60 70", hp(55), false},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(std::string("\"") + c.line + "\"");
        Fighter f;
        apply(f, c.look);
        Condition condition(&f, nullptr);
        EXPECT_EQ(condition.getResult(c.line), c.expected);
    }
}

TEST(ConditionTest, AShortLineKeepsTheWordsOfTheLineBefore)
{
    Fighter f;
    f.hp = 30;
    f.state = "40";
    Condition condition(&f, nullptr);
    ASSERT_TRUE(condition.getResult("HP < 40 with extra words"));
    EXPECT_EQ(std::vector<std::string>(condition.words, condition.words + 3),
              std::vector<std::string>({"HP", "<", "40"}));
    // "state ==" compares with the 40 left in the value slot.
    EXPECT_TRUE(condition.getResult("state =="));
    // "HP" alone is now HP == 40.
    EXPECT_FALSE(condition.getResult("HP"));
    f.hp = 40;
    EXPECT_TRUE(condition.getResult("HP"));
    EXPECT_TRUE(condition.getResult("")) << "an empty line changes no word";
    // A fresh condition starts with empty words.
    Condition fresh(&f, nullptr);
    EXPECT_FALSE(fresh.getResult("HP <"));
}

class ConditionSetTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_NE(openTestVideo(), nullptr);
        setTestClock(20000);
        InfoFrame slow = bodyFrame();
        slow.pause = 100;
        CharacterSpec spec;
        spec.anims = {AnimSpec{"standing", {bodyFrame(), slow, bodyFrame()}}};
        writeCharacter(spec);
        anims.loadAll(spec.folder);
        f.initS(&anims, screen);
        f.setSpeed(1.0f);
        f.setHP(0, 1000);
        f.grounded = true;
        f.state = "standing";
    }
    void TearDown() override { releaseTestClock(); }

    // Runs the set and returns how much health it added.
    int run(const std::vector<std::string>& lines)
    {
        const int before = f.hp;
        Condition condition(&f, nullptr);
        condition.handleConditionSet(lines.data(), static_cast<int>(lines.size()));
        return f.hp - before;
    }

    ScratchDir dir;
    animationSet anims;
    Fighter f;
};

TEST_F(ConditionSetTest, TheTestPicksTheThenOrTheElseBlock)
{
    const std::string yes = "ground = true";
    const std::string no = "ground = false";
    struct Case
    {
        const char* name;
        std::vector<std::string> lines;
        int added;
    };
    const Case cases[] = {
        {"true runs up to ELSE", {yes, "HP + 1", "HP + 10", "ELSE", "HP + 100"}, 11},
        {"false runs after ELSE", {no, "HP + 1", "HP + 10", "ELSE", "HP + 100"}, 100},
        {"false without ELSE runs nothing", {no, "HP + 1", "HP + 10"}, 0},
        {"true without ELSE runs everything", {yes, "HP + 1", "HP + 10"}, 11},
        {"a second ELSE ends the else block", {no, "HP + 1", "ELSE", "HP + 10", "ELSE", "HP + 100"}, 10},
        {"true stops at the first ELSE", {yes, "HP + 1", "ELSE", "HP + 10", "ELSE", "HP + 100"}, 1},
        {"an empty then block", {yes, "ELSE", "HP + 1"}, 0},
        {"an empty else block", {no, "HP + 1", "ELSE"}, 0},
        {"ELSE lines with line ends", {no, "HP + 1\n", "ELSE\r\n", "HP + 10\n", "ELSE\n", "HP + 100\n"}, 10},
        {"only ELSE in capitals", {yes, "HP + 1", "else", "Else", "HP + 10"}, 11},
        {"ELSE with more words is an action", {yes, "HP + 1", "ELSE now", "HP + 10"}, 11},
        {"a test alone", {yes}, 0},
        {"test words past the third", {"ground = false true", "HP + 1", "ELSE", "HP + 10"}, 10},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        f.hp = 0;
        EXPECT_EQ(run(c.lines), c.added);
    }
}

TEST_F(ConditionSetTest, ActionsChangeHealthFrameAndAnimation)
{
    struct Case
    {
        const char* line;
        int hp;        // health afterwards, from 500 of 1000, defence 2
        int frame;     // from frame 1
        int animating; // from 1
    };
    const Case cases[] = {
        {"HP + 5", 505, 1, 1},          {"HP + -10", 492, 1, 1},      {"HP + 5000", 1000, 1, 1},
        {"HP - 5", 500, 1, 1},          {"HP = 5", 500, 1, 1},        {"HP + x", 500, 1, 1},
        {"FRAME = 2", 500, 2, 1},       {"FRAME = 0", 500, 0, 1},     {"FRAME = 3", 500, 1, 1},
        {"FRAME = -1", 500, 1, 1},      {"FRAME == 2", 500, 1, 1},    {"FRAME = 2x", 500, 2, 1},
        {"ANIM = STOP", 500, 1, 0},     {"ANIM x STOP", 500, 1, 0},   {"ANIM = PAUSE", 500, 1, 1},
        {"ANIM = stop", 500, 1, 1},     {"hp + 5", 500, 1, 1},        {"state == duck", 500, 1, 1},
        {"HP + 5 and more", 505, 1, 1}, {"FRAME = 2 3 4", 500, 2, 1}, {"HP + 99999999999", 1000, 1, 1},
        {"HP + -99999999999", 0, 1, 1},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.line);
        f.setHP(500, 1000);
        f.defence = 2;
        f.setFrame(1);
        f.animating = 1;
        run({"NULL", c.line});
        EXPECT_EQ(f.hp, c.hp);
        EXPECT_EQ(f.getFrame(), c.frame);
        EXPECT_EQ(f.animating, c.animating);
    }

    f.animating = 0;
    run({"NULL", "ANIM = START"});
    EXPECT_EQ(f.animating, 1);
}

TEST_F(ConditionSetTest, TheActionEffectsCanBeCalledOneByOne)
{
    f.setHP(500, 1000);
    f.setFrame(0);
    actionParser action(&f, nullptr);
    const std::string heal[3] = {"HP", "+", "7"};
    action.setActionStrings(heal);
    action.hpAction();
    action.frameAction();
    action.animAction();
    EXPECT_EQ(f.hp, 507);
    EXPECT_EQ(f.getFrame(), 0);
    EXPECT_EQ(f.animating, 1);

    const std::string jump[3] = {"FRAME", "=", "2"};
    action.setActionStrings(jump);
    action.frameAction();
    action.hpAction();
    EXPECT_EQ(f.getFrame(), 2);
    EXPECT_EQ(f.hp, 507);

    const std::string stop[3] = {"ANIM", "=", "STOP"};
    action.doAction(stop);
    EXPECT_EQ(f.animating, 0);
}

TEST_F(ConditionSetTest, AnActionOfTwoWordsTakesItsValueFromTheLineBefore)
{
    struct Case
    {
        const char* name;
        std::vector<std::string> lines;
        int before;
        int after;
    };
    const Case cases[] = {
        {"ANIM STOP alone stops nothing", {"NULL", "ANIM STOP"}, 1, 1},
        {"after a line ending in STOP it stops", {"state != STOP", "ANIM STOP"}, 1, 0},
        {"even ANIM START stops then", {"state != STOP", "ANIM START"}, 1, 0},
        {"after a line ending in START it starts", {"state != START", "ANIM STOP"}, 0, 1},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        f.animating = c.before;
        run(c.lines);
        EXPECT_EQ(f.animating, c.after);
    }
}

TEST_F(ConditionSetTest, FrameZeroRestartsTheAnimationWithItsFullPause)
{
    f.animating = 1;
    f.setFrame(2);
    advanceTestClock(5000);
    run({"NULL", "FRAME = 0"});
    EXPECT_EQ(f.getFrame(), 0);
    EXPECT_EQ(f.lastChange, 25000);
    // Frame 0 shows its whole 50 ms before frame 1, which shows 100 ms.
    advanceTestClock(50);
    f.draw();
    EXPECT_EQ(f.getFrame(), 0);
    advanceTestClock(1);
    f.draw();
    EXPECT_EQ(f.getFrame(), 1);
    advanceTestClock(100);
    f.draw();
    EXPECT_EQ(f.getFrame(), 1);
}

TEST_F(ConditionSetTest, AThenBlockRunsOnEveryUpdateOfItsFrame)
{
    f.setHP(995, 1000);
    const std::vector<std::string> lines = {"HP < MAX", "HP + 1", "ELSE", "FRAME = 2"};
    std::vector<int> seen;
    for (int update = 0; update < 7; ++update)
    {
        run(lines);
        seen.push_back(f.hp);
    }
    EXPECT_EQ(seen, std::vector<int>({996, 997, 998, 999, 1000, 1000, 1000}));
    EXPECT_EQ(f.getFrame(), 2) << "the else block left the frame once health was full";
}

// With no fighter every test is false except "NULL", which holds always.
TEST(ConditionWithoutFighter, TestsAreFalseAndActionsDoNothing)
{
    Condition condition(nullptr, nullptr);
    EXPECT_FALSE(condition.getResult("HP < 50"));
    EXPECT_FALSE(condition.getResult("ground = true"));
    EXPECT_TRUE(condition.getResult("NULL"));
    EXPECT_TRUE(condition.getResult("null"));
    const std::string lines[] = {"HP < 50", "HP + 1", "ELSE", "FRAME = 0"};
    condition.handleConditionSet(lines, 4);
    condition.handleConditionSet(lines, 0);
    condition.handleConditionSet(nullptr, 3);
}
} // namespace
