// The story and ally save files: reading hand-edited and cut-short files, defaults, round trips and failed
// saves.
#include "engine/platform.h"
#include "modes/save_files.h"
#include "tests/support/test_support.h"

#include <climits>
#include <gtest/gtest.h>

using namespace testing_support;

namespace
{
const std::string kDefaultStory = "1\n1\n0\n0\n0\n0\n0\n0\n"
                                  "0\n0\n0\n0\n0\n0\n"
                                  "1\n0\n0\n1\n0\n0\n1\n0\n0\n1\n0\n0\n1\n0\n0\n1\n0\n0\n1\n0\n0\n";
const std::string kDefaultAllies = "0\n0\n1\n1\n1\n1\n1\n1\n1\n1\nMerrowby\n";

std::string numberedLines(int count, bool finalLineEnd)
{
    std::string text;
    for (int i = 1; i <= count; ++i)
        text += std::to_string(i) + (i < count || finalLineEnd ? "\n" : "");
    return text;
}

// The 35 values in file order.
std::vector<int> storyValues(const storyFile& s)
{
    std::vector<int> v = {s.primaryWeapon, s.secondaryWeapon, s.progress,   s.coins,
                          s.strengthLevel, s.defenceLevel,    s.speedLevel, s.hpLevel};
    for (const weaponRecord& w : s.weapons)
        v.insert(v.end(), {w.locked, w.exp, w.level});
    return v;
}

struct StoryCase
{
    const char* name;
    std::string file;
    std::vector<int> first; // the leading values
    int rest;               // every value after them
};

void PrintTo(const StoryCase& c, std::ostream* os)
{
    *os << c.name;
}

class StoryFileRead : public ::testing::TestWithParam<StoryCase>
{
};

TEST_P(StoryFileRead, ReadsTheValuesAndLeavesTheFileAlone)
{
    ScratchDir dir;
    const StoryCase& c = GetParam();
    writeFile(kStoryPath, c.file);
    storyFile story;
    story.loadStoryFile();
    std::vector<int> expected = c.first;
    expected.resize(35, c.rest);
    EXPECT_EQ(storyValues(story), expected);
    EXPECT_EQ(readFile(kStoryPath), c.file);
}

std::vector<int> oneToN(int n)
{
    std::vector<int> v;
    for (int i = 1; i <= n; ++i)
        v.push_back(i);
    return v;
}

INSTANTIATE_TEST_SUITE_P(
    Files, StoryFileRead,
    ::testing::Values(StoryCase{"Empty", "", {}, 0},
                      StoryCase{"TenLinesEnded", numberedLines(10, true), oneToN(10), 0},
                      // A last line without its line end is read again for every missing value.
                      StoryCase{"TenLinesUnended", numberedLines(10, false), oneToN(10), 10},
                      StoryCase{"LeadingDecimals", "12abc\n 7\nabc\n5\r\n-3\n", {12, 7, 0, 5, -3}, 0},
                      StoryCase{"FortyLines", numberedLines(40, true), oneToN(35), 0},
                      StoryCase{"HugeNumber", "99999999999\n", {INT_MAX}, 0},
                      StoryCase{"LongLine", "4" + std::string(299, 'x') + "\n8\n", {4, 8}, 0}),
    [](const ::testing::TestParamInfo<StoryCase>& info) { return std::string(info.param.name); });

TEST(StoryFile, MissingFileIsCreatedWithTheDefaults)
{
    ScratchDir dir;
    makeDirs("data/gameFiles");
    storyFile story;
    story.loadStoryFile();
    EXPECT_EQ(storyValues(story), storyValues(storyFile()));
    EXPECT_EQ(readFile(kStoryPath), kDefaultStory);
}

TEST(StoryFile, EveryValueRoundTripsUnchangedEvenOutOfRange)
{
    ScratchDir dir;
    makeDirs("data/gameFiles");
    storyFile story;
    story.primaryWeapon = 42;
    story.secondaryWeapon = -1;
    story.coins = INT_MAX;
    story.strengthLevel = 9;
    story.weapons[8] = {0, 1234, -2};
    story.saveStoryFile();
    storyFile back;
    back.loadStoryFile();
    EXPECT_EQ(storyValues(back), storyValues(story));
}

TEST(StoryFile, WeaponRecordsOnlyForNumbersZeroToEight)
{
    storyFile story;
    story.primaryWeapon = 42;
    EXPECT_EQ(story.weapon(story.primaryWeapon), nullptr);
    EXPECT_EQ(story.weapon(-1), nullptr);
    EXPECT_EQ(story.weapon(9), nullptr);
    EXPECT_EQ(story.weapon(0), &story.weapons[0]);
    EXPECT_EQ(static_cast<const storyFile&>(story).weapon(8), &story.weapons[8]);
}

// What happens when the files cannot be written or read: nothing is lost and nothing crashes.
TEST(SaveFiles, FailuresKeepWhatIsThere)
{
    {
        // No data/gameFiles folder: no file and no temporary appear.
        ScratchDir dir;
        storyFile story;
        story.loadStoryFile();
        allyFile allies;
        allies.loadAllyFile();
        EXPECT_FALSE(isDirectory("data/gameFiles"));
        EXPECT_EQ(story.primaryWeapon, 1);
        EXPECT_EQ(allies.bonusAllyName, "Merrowby");
    }
    {
        // A save that cannot write its temporary keeps the old file.
        ScratchDir dir;
        writeFile(kStoryPath, "5\n");
        writeFile(kAlliesPath, "3\n");
        makeDirs(std::string(kStoryPath) + ".tmp");
        makeDirs(std::string(kAlliesPath) + ".tmp");
        storyFile story;
        story.saveStoryFile();
        allyFile allies;
        allies.saveAllyFile();
        EXPECT_EQ(readFile(kStoryPath), "5\n");
        EXPECT_EQ(readFile(kAlliesPath), "3\n");
    }
    {
        // A save that exists but cannot be read is reported and never replaced by defaults.
        ScratchDir dir;
        makeDirs(kStoryPath);
        makeDirs(kAlliesPath);
        storyFile story;
        story.coins = 77;
        story.loadStoryFile();
        allyFile allies;
        allies.equippedAlly = 4;
        allies.loadAllyFile();
        EXPECT_EQ(story.coins, 77);
        EXPECT_EQ(allies.equippedAlly, 4);
        EXPECT_TRUE(isDirectory(kStoryPath));
        EXPECT_TRUE(isDirectory(kAlliesPath));
    }
    {
        // A record loaded from a file it could not read saves nothing until a
        // later load reads the file.
        ScratchDir dir;
        writeFile(kStoryPath, "5\n");
        writeFile(kAlliesPath, "3\n");
        setReadRefusal([](const std::string&) { return true; });
        storyFile story;
        story.loadStoryFile();
        allyFile allies;
        allies.loadAllyFile();
        EXPECT_TRUE(story.unreadable());
        EXPECT_TRUE(allies.unreadable());
        story.saveStoryFile();
        allies.saveAllyFile();
        EXPECT_EQ(readFile(kStoryPath), "5\n");
        EXPECT_EQ(readFile(kAlliesPath), "3\n");
        setReadRefusal(nullptr);
        story.loadStoryFile();
        allies.loadAllyFile();
        EXPECT_FALSE(story.unreadable());
        EXPECT_EQ(story.primaryWeapon, 5);
        story.saveStoryFile();
        allies.saveAllyFile();
        EXPECT_EQ(readFile(kStoryPath).substr(0, 4), "5\n0\n");
        EXPECT_EQ(readFile(kAlliesPath).substr(0, 4), "3\n0\n");
    }
}

struct AllyCase
{
    const char* name;
    std::string file;
    int equipped;
    std::vector<int> locked;
    std::string bonus;
};

void PrintTo(const AllyCase& c, std::ostream* os)
{
    *os << c.name;
}

class AllyFileRead : public ::testing::TestWithParam<AllyCase>
{
};

TEST_P(AllyFileRead, ReadsTheValuesAndTheBonusName)
{
    ScratchDir dir;
    const AllyCase& c = GetParam();
    writeFile(kAlliesPath, c.file);
    allyFile allies;
    allies.loadAllyFile();
    EXPECT_EQ(allies.equippedAlly, c.equipped);
    EXPECT_EQ(std::vector<int>(allies.allyLocked, allies.allyLocked + kAllyIds), c.locked);
    EXPECT_EQ(allies.bonusAllyName, c.bonus);
}

const std::vector<int> kNineZeros(9, 0);

INSTANTIATE_TEST_SUITE_P(
    Files, AllyFileRead,
    ::testing::Values(
        AllyCase{"Empty", "", 0, kNineZeros, "Merrowby"},
        // Id 0 (no ally) is always unlocked, whatever the file says.
        AllyCase{"TenLinesEnded", numberedLines(10, true), 1, {0, 3, 4, 5, 6, 7, 8, 9, 10}, ""},
        AllyCase{"TenLinesUnended", numberedLines(10, false), 1, {0, 3, 4, 5, 6, 7, 8, 9, 10}, "Merrowby"},
        AllyCase{"FewerLines", "2\n0\n0\n", 2, kNineZeros, "Merrowby"},
        AllyCase{"CrlfName", "5\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\nName\r\n", 5, kNineZeros,
                 "Name"},
        AllyCase{"BlanksInName",
                 "8\n1\n1\n1\n1\n1\n1\n1\n1\n0\nDark  Knight 2\nignored\n",
                 8,
                 {0, 1, 1, 1, 1, 1, 1, 1, 0},
                 "Dark  Knight 2"},
        AllyCase{"HugeNumberAndLongName",
                 "99999999999\n0\n0\n0\n0\n0\n0\n0\n0\n0\n" + std::string(300, 'n') + "\n", INT_MAX,
                 kNineZeros, std::string(300, 'n')}),
    [](const ::testing::TestParamInfo<AllyCase>& info) { return std::string(info.param.name); });

TEST(AllyFile, MissingFileIsCreatedWithTheDefaults)
{
    ScratchDir dir;
    makeDirs("data/gameFiles");
    allyFile allies;
    allies.loadAllyFile();
    EXPECT_EQ(allies.bonusAllyName, "Merrowby");
    EXPECT_EQ(readFile(kAlliesPath), kDefaultAllies);
}

TEST(AllyFile, RoundTripsWithTheNoAllyFlagForcedOpen)
{
    ScratchDir dir;
    makeDirs("data/gameFiles");
    allyFile allies;
    allies.equippedAlly = 8;
    for (int& flag : allies.allyLocked)
        flag = 0;
    allies.allyLocked[0] = 1;
    allies.allyLocked[7] = 1;
    allies.bonusAllyName = "Grey Lady";
    allies.saveAllyFile();
    EXPECT_EQ(readFile(kAlliesPath), "8\n0\n0\n0\n0\n0\n0\n0\n1\n0\nGrey Lady\n");
    allyFile back;
    back.loadAllyFile();
    EXPECT_EQ(back.equippedAlly, 8);
    EXPECT_EQ(std::vector<int>(back.allyLocked, back.allyLocked + kAllyIds),
              std::vector<int>(allies.allyLocked, allies.allyLocked + kAllyIds));
    EXPECT_EQ(back.bonusAllyName, "Grey Lady");
}
} // namespace
