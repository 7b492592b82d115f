// Whom the story's runners build: the weapon sets' characters for any saved
// index, the ally for any saved id and folder, and a boss's approach.
#include "modes/story_fighters.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

using namespace testing_support;

namespace
{
TEST(StoryFightersTest, WeaponIndicesNamingNoWeaponGiveNickAtMoveLevelZero)
{
    storyFile save;
    for (int w = 0; w < kWeaponRecords; ++w)
        save.weapons[w].level = w % 4;

    struct Case
    {
        int weapon;
        const char* file;
        int level;
    };
    const Case cases[] = {
        {-1, "data/characters/Nick/chardata", 0},
        {0, "data/characters/Nick/chardata", 0},
        {1, "data/characters/NickBBBat/chardata", 1},
        {3, "data/characters/NickSwords/chardata", 3},
        {5, "data/characters/NickBlackBlade/chardata", 1},
        {6, "data/characters/Nick/chardata", 2},
        {9, "data/characters/Nick/chardata", 0},
        {-2147483647 - 1, "data/characters/Nick/chardata", 0},
    };
    for (const Case& c : cases)
    {
        EXPECT_STREQ(weaponCharacterFile(c.weapon), c.file) << c.weapon;
        EXPECT_EQ(weaponMoveLevel(save, c.weapon), c.level) << c.weapon;
    }
}

TEST(StoryFightersTest, AnAllyIsBuiltOnlyFromAFolderWhoseCharacterCanBeRead)
{
    ScratchDir dir;
    for (const char* folder : {"SadGhost", "Rigby", "Merrowby"})
        writeFile(characterPath(folder, "chardata"), "x\n");
    makeDirs("data/characters/Empty");

    struct Case
    {
        int id;
        const char* bonus;
        const char* folder;
    };
    const Case cases[] = {
        {0, "Merrowby", ""}, {1, "Merrowby", "SadGhost"}, {7, "", "Rigby"}, {8, "Merrowby", "Merrowby"},
        {8, "", ""},         // an empty bonus name
        {8, "Empty", ""},    // a folder without chardata
        {8, "Nobody", ""},   // no folder at all
        {2, "Merrowby", ""}, // Male's folder is missing here
        {9, "Merrowby", ""}, {-1, "Merrowby", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(usableAllyFolder(c.id, c.bonus), c.folder) << c.id << " " << c.bonus;

    // Long names are plain strings, never cut.
    const std::string longName(200, 'a');
    writeFile(characterPath(longName, "chardata"), "x\n");
    EXPECT_EQ(usableAllyFolder(8, longName), longName);
}

TEST(StoryFightersTest, BossesWiderThanFiftyPixelsStopFurtherOff)
{
    EXPECT_EQ(bossApproachDistance(0), 50);
    EXPECT_EQ(bossApproachDistance(50), 50);
    EXPECT_EQ(bossApproachDistance(51), 100);
}
} // namespace
