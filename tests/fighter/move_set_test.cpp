// A character's moves: the moveset records, the button lists, lookups by name,
// empty and damaged files, locking by level and the HUD's special list.
#include "fighter/move_set.h"
#include "tests/support/character_fixture.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <vector>

using namespace testing_support;

namespace
{
const char* const kFolder = "data/characters/Moves";

class MoveSetTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_NE(openTestVideo(), nullptr); }

    // Writes the moveset file as given and a one-frame sheet for each name.
    void writeFolder(const std::string& moveset, const std::vector<std::string>& sheets)
    {
        writeFile(std::string(kFolder) + "/moveset", moveset);
        for (const std::string& name : sheets)
            writeSpriteFolder(std::string(kFolder) + "/" + name, {bodyFrame()});
    }

    // Writes a character whose moves are `moves` and loads its move set.
    void load(moveSet& set, const std::vector<MoveSpec>& moves)
    {
        CharacterSpec spec;
        spec.folder = kFolder;
        spec.anims = {AnimSpec{"standing", {}}};
        spec.moves = moves;
        writeCharacter(spec);
        set.loadAll(kFolder);
    }

    static std::vector<std::string> names(const moveList* list)
    {
        std::vector<std::string> out;
        for (; list; list = list->next)
            out.push_back(list->move ? list->move->name : "?");
        return out;
    }

    static std::vector<std::string> commands(const moveSet& set)
    {
        std::vector<std::string> out;
        for (const auto& m : set.moves)
            out.push_back(m->command);
        return out;
    }

    ScratchDir dir;
};

using Names = std::vector<std::string>;

TEST_F(MoveSetTest, TheLastLetterOfACommandPicksTheButtonList)
{
    moveSet set;
    load(set, {{"fireball", "DRA"},
               {"kick", "RB"},
               {"sweep", "LLC"},
               {"hop", "UU"},
               {"jab", "A"},
               {"taunt", ""},
               {"low", "DB"},
               {"lower", "a"}});
    ASSERT_EQ(set.count, 8);
    EXPECT_EQ(names(set.listA), Names({"fireball", "jab"}));
    EXPECT_EQ(names(set.listB), Names({"kick", "low"}));
    EXPECT_EQ(names(set.listC), Names({"sweep"}));
    EXPECT_EQ(set.returnMoveList("A"), set.listA);
    EXPECT_EQ(set.returnMoveList("B"), set.listB);
    EXPECT_EQ(set.returnMoveList("C"), set.listC);
    EXPECT_EQ(set.returnMoveList("U"), nullptr);
    EXPECT_EQ(set.returnMoveList(""), nullptr);
    EXPECT_EQ(set.findMove("taunt")->command, "") << "an empty command is kept but listed nowhere";

    // A list built again is a fresh list in file order; freeing it leaves the set's own lists.
    moveList* again = set.setupMoveList("B");
    EXPECT_EQ(names(again), Names({"kick", "low"}));
    EXPECT_NE(again, set.listB);
    set.deleteList(again);
    EXPECT_EQ(names(set.listB), Names({"kick", "low"}));
    EXPECT_EQ(set.setupMoveList("D"), nullptr);
}

TEST_F(MoveSetTest, ReadsEveryFieldOfARecord)
{
    // A ground special on C that may start only from idle, then a second
    // punch that chains from jab1 at its frame 2.
    writeFolder("ANIMS: 2\n"
                "fireball\nDRC\n30\nNULL\n0\n0\nNULL\n0\n1\n0\nNULL\n"
                "jab2\nA\n0\njab1\n2\n1\nkick\n4\n0\n1\nground = false\n",
                {"fireball", "jab2"});
    moveSet set;
    set.loadAll(kFolder);
    ASSERT_EQ(set.count, 2);
    EXPECT_EQ(set.folder, kFolder);

    const moveInfo& f = *set.moves[0];
    EXPECT_EQ(f.name, "fireball");
    EXPECT_EQ(f.command, "DRC");
    EXPECT_EQ(f.energyUsage, 30);
    EXPECT_EQ(f.link, "NULL");
    EXPECT_EQ(f.linkFrame, 0);
    EXPECT_FALSE(f.interuptable);
    EXPECT_EQ(f.startFrom, "NULL");
    EXPECT_EQ(f.startFrame, 0);
    EXPECT_TRUE(f.special);
    EXPECT_FALSE(f.flag10);
    EXPECT_EQ(f.condition, "NULL\n");
    EXPECT_EQ(f.sheet.frameCount(), 1);

    const moveInfo& j = *set.moves[1];
    EXPECT_EQ(j.link, "jab1");
    EXPECT_EQ(j.linkFrame, 2);
    EXPECT_TRUE(j.interuptable);
    EXPECT_EQ(j.startFrom, "kick");
    EXPECT_EQ(j.startFrame, 4);
    EXPECT_FALSE(j.special);
    EXPECT_TRUE(j.flag10);
    EXPECT_EQ(j.condition, "ground = false\n") << "the condition is kept whole";
}

TEST_F(MoveSetTest, FlagLinesAreTrueOnlyForOne)
{
    const struct
    {
        const char* line;
        bool expected;
    } cases[] = {{"1", true},          {"2", false}, {"0", false}, {"-1", false},
                 {"1 and more", true}, {"x", false}, {"01", true}, {"", false}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(std::string("\"") + c.line + "\"");
        ScratchDir scratch;
        const std::string l = std::string(c.line) + "\n";
        writeFolder("ANIMS: 1\nm\nA\n0\nNULL\n0\n" + l + "NULL\n0\n" + l + l + "NULL\n", {"m"});
        moveSet set;
        set.loadAll(kFolder);
        ASSERT_EQ(set.count, 1);
        EXPECT_EQ(set.moves[0]->interuptable, c.expected);
        EXPECT_EQ(set.moves[0]->special, c.expected);
        EXPECT_EQ(set.moves[0]->flag10, c.expected);
    }
}

TEST_F(MoveSetTest, DamagedFilesKeepOnlyWhatTheyHold)
{
    struct Case
    {
        const char* name;
        const char* moveset;
        Names moves;
        Names commands;
    };
    const std::string rec1 = "jab\nA\n0\nNULL\n0\n1\nNULL\n0\n0\n0\nNULL\n";
    const std::string rec2 = "kick\nB\n0\nNULL\n0\n1\nNULL\n0\n0\n0\nNULL\n";
    const std::string crlf = "ANIMS: 1\r\njab\r\nA\r\n5\r\nNULL\r\n0\r\n1\r\nNULL\r\n0\r\n0\r\n0\r\nNULL\r\n";
    const std::string more = "ANIMS: 4\n" + rec1 + rec2;
    const std::string fewer = "ANIMS: 1\n" + rec1 + rec2;
    const std::string cut = "ANIMS: 2\n" + rec1 + "kick\nB\n7\n";
    const std::string huge = "ANIMS: 2000000000\n" + rec1;
    const Case cases[] = {
        {"more records counted than written", more.c_str(), {"jab", "kick"}, {"A", "B"}},
        {"fewer records counted than written", fewer.c_str(), {"jab"}, {"A"}},
        {"a record cut short", cut.c_str(), {"jab", "kick"}, {"A", "B"}},
        {"a huge count", huge.c_str(), {"jab"}, {"A"}},
        {"CRLF lines", crlf.c_str(), {"jab"}, {"A"}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        ScratchDir scratch;
        writeFolder(c.moveset, {"jab", "kick"});
        moveSet set;
        set.loadAll(kFolder);
        Names got;
        for (const auto& m : set.moves)
            got.push_back(m->name);
        EXPECT_EQ(got, c.moves);
        EXPECT_EQ(commands(set), c.commands);
        EXPECT_EQ(set.count, static_cast<int>(c.moves.size()));
    }

    // The cut record keeps what it has and reads the rest as empty.
    ScratchDir scratch;
    writeFolder(cut, {"jab", "kick"});
    moveSet set;
    set.loadAll(kFolder);
    ASSERT_EQ(set.count, 2);
    const moveInfo& kick = *set.moves[1];
    EXPECT_EQ(kick.energyUsage, 7);
    EXPECT_EQ(kick.link, "");
    EXPECT_EQ(kick.startFrom, "");
    EXPECT_EQ(kick.condition, "");
    EXPECT_FALSE(kick.interuptable);

    ScratchDir scratch2;
    writeFolder(crlf, {"jab"});
    moveSet lf;
    lf.loadAll(kFolder);
    ASSERT_EQ(lf.count, 1);
    EXPECT_EQ(lf.moves[0]->energyUsage, 5);
    EXPECT_EQ(lf.moves[0]->link, "NULL");
    EXPECT_EQ(lf.moves[0]->condition, "NULL\n");
    EXPECT_EQ(lf.moves[0]->sheet.frameCount(), 1);
}

TEST_F(MoveSetTest, SetsWithoutMovesAnswerNull)
{
    struct Case
    {
        const char* name;
        const char* moveset; // nullptr: no file
    };
    const Case cases[] = {
        {"missing file", nullptr},         {"empty file", ""},
        {"count 0", "ANIMS: 0\njab\nA\n"}, {"negative count", "ANIMS: -2\njab\nA\n"},
        {"no count", "ANIMS: x\njab\n"},   {"count and no records", "ANIMS: 3\n"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        ScratchDir scratch;
        if (c.moveset)
            writeFolder(c.moveset, {"jab"});
        moveSet set;
        EXPECT_EQ(set.loadAll(kFolder), 1);
        EXPECT_EQ(set.count, 0);
        EXPECT_EQ(set.find("jab"), 0);
        EXPECT_EQ(set.returnMove("jab"), nullptr);
        EXPECT_EQ(set.returnAnimation("jab"), nullptr);
        EXPECT_EQ(set.findMove("jab"), nullptr);
        EXPECT_EQ(set.listA, nullptr);
        EXPECT_EQ(set.returnMoveList("A"), nullptr);
        EXPECT_EQ(set.getSpecialMoveCommands(), "");
        set.lockMoves(0);
    }
}

TEST_F(MoveSetTest, LooksMovesUpByExactName)
{
    moveSet set;
    load(set, {{"jab", "A"}, {"kick", "B"}, {"kick", "C"}, {"hit1"}});
    struct Case
    {
        const char* name;
        int index;
        bool found;
    };
    const Case cases[] = {
        {"jab", 0, true},   {"kick", 1, true}, {"hit1", 3, true},
        {"Kick", 0, false}, {"hit", 0, false}, {"", 0, false},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(std::string("\"") + c.name + "\"");
        moveInfo* expected = set.moves[static_cast<std::size_t>(c.index)].get();
        EXPECT_EQ(set.find(c.name), c.index);
        EXPECT_EQ(set.returnMove(c.name), expected) << "an unknown name gives the first move";
        EXPECT_EQ(set.returnAnimation(c.name), &expected->sheet);
        EXPECT_EQ(set.findMove(c.name), c.found ? expected : nullptr);
    }
}

TEST_F(MoveSetTest, LockingByLevelTurnsCommandsIntoZzz)
{
    const std::vector<MoveSpec> moves = {
        {"punchLv1", "A"},     {"kickLv2", "B"}, {"fireLv3", "DRC"},
        {"comboLv1Lv3", "RA"}, {"plain", "C"},   {"lv2low", "DA"},
    };
    struct Case
    {
        int level;
        Names commands;
    };
    const Case cases[] = {
        {0, {"zzz", "zzz", "zzz", "zzz", "C", "DA"}},  {1, {"A", "zzz", "zzz", "zzz", "C", "DA"}},
        {2, {"A", "B", "zzz", "zzz", "C", "DA"}},      {3, {"A", "B", "DRC", "RA", "C", "DA"}},
        {-1, {"zzz", "zzz", "zzz", "zzz", "C", "DA"}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE("level " + std::to_string(c.level));
        ScratchDir scratch;
        moveSet set;
        load(set, moves);
        set.lockMoves(c.level);
        EXPECT_EQ(commands(set), c.commands);
        EXPECT_EQ(names(set.listA), Names({"punchLv1", "comboLv1Lv3", "lv2low"}))
            << "locked moves keep their place";
    }
}

TEST_F(MoveSetTest, SpecialCommandsListThePowerBarsOfEachCostlyMove)
{
    struct Move
    {
        int energy;
        const char* command;
        const char* condition;
    };
    struct Case
    {
        const char* name;
        std::vector<Move> moves;
        const char* expected;
    };
    const Case cases[] = {
        {"no costly moves", {{0, "A", "NULL"}, {-5, "B", "NULL"}}, ""},
        {"30 on the ground", {{30, "DRA", "NULL"}}, "3DRA "},
        {"30 in the air", {{30, "DRA", "ground = false"}}, "3nDRA "},
        {"rounded up", {{25, "A", "NULL"}, {5, "B", "NULL"}, {1, "C", "NULL"}}, "3A 1B 1C "},
        {"ten bars are written 0", {{100, "DDA", "NULL"}, {91, "LA", "NULL"}}, "0DDA 0LA "},
        {"eleven bars", {{110, "UA", "NULL"}}, "11UA "},
        {"file order, free moves skipped",
         {{20, "RA", "NULL"}, {0, "A", "NULL"}, {40, "LB", "NULL"}},
         "2RA 4LB "},
        {"air only by that exact text",
         {{10, "A", "ground == false"}, {10, "B", "state != x ground = false"}},
         "1A 1nB "},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        ScratchDir scratch;
        std::vector<MoveSpec> specs;
        for (std::size_t i = 0; i < c.moves.size(); ++i)
        {
            MoveSpec m("m" + std::to_string(i), c.moves[i].command);
            m.energy = c.moves[i].energy;
            m.condition = c.moves[i].condition;
            specs.push_back(m);
        }
        moveSet set;
        load(set, specs);
        EXPECT_EQ(set.getSpecialMoveCommands(), c.expected);
    }

    ScratchDir scratch;
    MoveSpec locked("fireLv2", "DRA");
    locked.energy = 30;
    moveSet set;
    load(set, {locked});
    set.lockMoves(1);
    EXPECT_EQ(set.getSpecialMoveCommands(), "3zzz ");
}

TEST_F(MoveSetTest, APaletteRecoloursEveryMoveSheet)
{
    writeIndexedBmp("green.bmp", 1, 1, 9, 10, 250, 10);
    SDL_Surface* palette = SDL_LoadBMP("green.bmp");
    ASSERT_NE(palette, nullptr);
    writeFolder("ANIMS: 1\njab\nA\n0\nNULL\n0\n1\nNULL\n0\n0\n0\nNULL\n", {"jab"});
    moveSet set;
    set.palette = palette;
    set.loadAll(kFolder);
    const CSpriteFrame* f = set.moves[0]->sheet.normalFrame(0);
    ASSERT_TRUE(f && f->image);
    EXPECT_EQ(pixelAt(f->image, 3, 3), SDL_MapRGB(f->image->format, 10, 250, 10));
    SDL_FreeSurface(palette);
}
} // namespace
