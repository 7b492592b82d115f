// The computer fighter's attack file: its six sections, picks by range and
// stance, and the linked and cancel follow-up groups.
#include "control/ai_attack_list.h"
#include "engine/globals.h"
#include "engine/timers.h"
#include "tests/control/control_fixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace testing_support;

namespace
{
class AttackListTest : public ::testing::Test
{
protected:
    void load(const std::string& fileText)
    {
        writeFile("ai/attack", fileText);
        list.getList("ai");
    }

    ScratchDir dir;
    aiAttackList list;
};
} // namespace

TEST_F(AttackListTest, SectionsAreReadInTheirFixedOrder)
{
    AttackFile f;
    f.ground = {{"groundJab", "S"}};
    f.duck = {{"duckKick", "S"}};
    f.aerial = {{"airKick", "S"}};
    f.deflect = {{"parry", "S"}};
    load(attackFileText(f));

    EXPECT_EQ(list.getAttack('S', "ground"), "groundJab");
    EXPECT_EQ(list.getAttack('S', "duck"), "duckKick");
    EXPECT_EQ(list.getAttack('S', "aerial"), "airKick");
    // The deflect section is kept but never picked from; other kinds give "null".
    EXPECT_EQ(list.records[aiAttackList::Deflect].size(), 1u);
    EXPECT_EQ(list.records[aiAttackList::Deflect][0].name, "parry");
    EXPECT_EQ(list.getAttack('S', "deflect"), "null");
    EXPECT_EQ(list.getAttack('S', "Ground"), "null");
    EXPECT_EQ(list.getAttack('S', ""), "null");
}

// A ground section listing S, S, M, L, U, D, D (grouped in that order): a
// short request may get a short or a medium attack, a medium request a medium
// or a long one, and L, U and D requests only their own.
TEST_F(AttackListTest, RangePicksFollowTheDraw)
{
    AttackFile f;
    f.ground = {{"s1", "S"}, {"s2", "S"}, {"m1", "M"}, {"l1", "L"}, {"u1", "U"}, {"d1", "D"}, {"d2", "D"}};
    load(attackFileText(f));

    struct Case
    {
        char letter;
        int drawOf;
        int draw;
        const char* expected;
    };
    const Case cases[] = {
        {'S', 3, 0, "s1"}, {'S', 3, 1, "s2"}, {'S', 3, 2, "m1"}, //
        {'M', 2, 0, "m1"}, {'M', 2, 1, "l1"},                    //
        {'L', 1, 0, "l1"},                                       //
        {'U', 1, 0, "u1"},                                       //
        {'D', 2, 0, "d1"}, {'D', 2, 1, "d2"},                    //
    };
    for (const Case& c : cases)
    {
        scriptDraws({{c.drawOf, c.draw}});
        EXPECT_EQ(list.getAttack(c.letter, "ground"), c.expected) << c.letter << " draw " << c.draw;
    }
    EXPECT_EQ(list.getAttack('X', "ground"), "null");
    EXPECT_EQ(list.getAttack(' ', "ground"), "null");
}

TEST_F(AttackListTest, ARangeWithNoAttacksGivesNull)
{
    AttackFile f;
    f.ground = {{"s1", "S"}, {"s2", "S"}, {"m1", "M"}};
    load(attackFileText(f));

    const char* const inFileOrder[] = {"s1", "s2", "m1"};
    for (int draw = 0; draw < 3; ++draw)
    {
        scriptDraws({{3, draw}});
        EXPECT_EQ(list.getAttack('S', "ground"), inFileOrder[draw]);
    }
    EXPECT_EQ(list.getAttack('M', "ground"), "m1");
    for (char letter : {'L', 'U', 'D'})
        EXPECT_EQ(list.getAttack(letter, "ground"), "null") << letter;
    // Another section with nothing in it answers "null" for every letter.
    for (char letter : {'S', 'M', 'L', 'U', 'D'})
        EXPECT_EQ(list.getAttack(letter, "duck"), "null") << letter;
}

TEST_F(AttackListTest, LowerCaseLettersCountAsUpperCase)
{
    AttackFile f;
    f.aerial = {{"airJab", "s"}, {"airSweep", "m"}, {"dive", "u"}, {"rise", "d"}};
    load(attackFileText(f));

    EXPECT_EQ(list.numbers[aiAttackList::Aerial].S, 1);
    EXPECT_EQ(list.numbers[aiAttackList::Aerial].M, 1);
    EXPECT_EQ(list.numbers[aiAttackList::Aerial].U, 1);
    EXPECT_EQ(list.numbers[aiAttackList::Aerial].D, 1);
    EXPECT_EQ(list.getAttack('u', "aerial"), "dive");
    EXPECT_EQ(list.getAttack('D', "aerial"), "rise");
    EXPECT_EQ(list.getAttack('d', "aerial"), "rise");
    scriptDraws({{2, 1}});
    EXPECT_EQ(list.getAttack('s', "aerial"), "airSweep");
    EXPECT_EQ(list.getAttack('L', "aerial"), "null");
}

TEST_F(AttackListTest, OnlyTheFirstWordOfARecordLineCounts)
{
    load("Attacks: 1\n"
         "uppercut with a long comment\n"
         "Short range\n"
         "NULL\n"
         "NULL\n");
    EXPECT_EQ(list.getAttack('S', "ground"), "uppercut");
    EXPECT_EQ(list.numbers[aiAttackList::Ground].S, 1);
}

// A letter outside S, M, L, U and D is kept but counted nowhere: it is only
// reached when its place falls inside a counted letter's range.
TEST_F(AttackListTest, AnUnknownRangeLetterIsCountedNowhere)
{
    AttackFile f;
    f.ground = {{"s1", "S"}, {"odd", "X"}, {"m1", "M"}};
    load(attackFileText(f));

    const aiAttackNumbers& n = list.numbers[aiAttackList::Ground];
    EXPECT_EQ(n.S + n.M + n.L + n.U + n.D, 2);
    scriptDraws({{2, 1}});
    EXPECT_EQ(list.getAttack('S', "ground"), "odd");
    // M starts at index S (1): the unknown record again.
    scriptDraws({{1, 0}});
    EXPECT_EQ(list.getAttack('M', "ground"), "odd");
}

TEST_F(AttackListTest, ABadOrZeroCountLineGivesABlankSection)
{
    load("Attacks: 0\n"
         "Atacks: 1\n"
         "attacks: 1\n"
         "Attacks: 1\n"
         "dodge\nS\nNULL\nNULL\n"
         "Attacks: 0\n"
         "Attacks: 0\n");
    for (const char* kind : {"ground", "duck", "aerial"})
        for (char letter : {'S', 'M', 'L', 'U', 'D'})
            EXPECT_EQ(list.getAttack(letter, kind), "null") << kind << " " << letter;
    EXPECT_EQ(list.records[aiAttackList::Deflect].size(), 1u);
}

// Records stop where the file ends, whatever the count line said.
TEST_F(AttackListTest, AShortFileEndsTheRecords)
{
    load("Attacks: 5\n"
         "jab\nS\nNULL\nNULL\n"
         "hook\nS\nNULL\nNULL\n");
    EXPECT_EQ(list.records[aiAttackList::Ground].size(), 2u);
    EXPECT_EQ(list.numbers[aiAttackList::Ground].S, 2);
    scriptDraws({{2, 1}});
    EXPECT_EQ(list.getAttack('S', "ground"), "hook");
    EXPECT_EQ(list.getAttack('S', "duck"), "null");
    EXPECT_EQ(list.findLinkedAttacks("jab"), "NULL");
}

TEST_F(AttackListTest, AMissingFileLeavesAnEmptyListAndSaysSo)
{
    ::testing::internal::CaptureStdout();
    list.getList("nowhere/ai");
    const std::string out = ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(out, "ERROR opening file nowhere/ai/attack\n\n");
    for (const char* kind : {"ground", "duck", "aerial"})
        EXPECT_EQ(list.getAttack('S', kind), "null");
    EXPECT_EQ(list.findLinkedAttacks("jab"), "NULL");
    EXPECT_EQ(list.findCancelAttacks("jab"), "NULL");
}

// Linked records following the same attack stand together; a key that comes
// back after another starts a group of its own.
TEST_F(AttackListTest, LinkedKeysAABAMakeThreeGroups)
{
    AttackFile f;
    f.ground = {{"A", "S"}};
    f.linked = {{"a1", "S", "A"}, {"a2", "S", "A"}, {"b1", "S", "B"}, {"a3", "S", "A"}};
    load(attackFileText(f));

    ASSERT_EQ(list.linkedGroups.size(), 3u);
    EXPECT_EQ(list.linkedCount, 3);
    EXPECT_EQ(list.linkedGroups[0].key, "A");
    EXPECT_EQ(list.linkedGroups[0].names, (std::vector<std::string>{"a1", "a2"}));
    EXPECT_EQ(list.linkedGroups[1].names, (std::vector<std::string>{"b1"}));
    EXPECT_EQ(list.linkedGroups[2].key, "A");
    EXPECT_EQ(list.linkedGroups[2].names, (std::vector<std::string>{"a3"}));

    // Only the first group of a key is drawn from.
    for (int draw = 0; draw < 2; ++draw)
    {
        scriptDraws({{2, draw}});
        EXPECT_EQ(list.findLinkedAttacks("A"), draw == 0 ? "a1" : "a2");
    }
    EXPECT_EQ(list.findLinkedAttacks("B"), "b1");
    // Keys compare exactly; the cancel groups are a separate set.
    EXPECT_EQ(list.findLinkedAttacks("a"), "NULL");
    EXPECT_EQ(list.findLinkedAttacks("A "), "NULL");
    EXPECT_EQ(list.findLinkedAttacks("C"), "NULL");
    EXPECT_EQ(list.findCancelAttacks("A"), "NULL");
}

TEST_F(AttackListTest, CancelGroupsAreKeyedByTheFourthLine)
{
    AttackFile f;
    f.cancel = {{"dash", "S", "jab", "hook"}, {"roll", "S", "jab", "hook"}, {"flip", "S", "hook", "jab"}};
    load(attackFileText(f));

    ASSERT_EQ(list.cancelGroups.size(), 2u);
    EXPECT_EQ(list.cancelCount, 2);
    EXPECT_EQ(list.findCancelAttacks("jab"), "flip");
    scriptDraws({{2, 1}});
    EXPECT_EQ(list.findCancelAttacks("hook"), "roll");
    EXPECT_EQ(list.findLinkedAttacks("jab"), "NULL");
    // The cancel and linked sections are never picked by range.
    EXPECT_EQ(list.getAttack('S', "ground"), "null");
}
