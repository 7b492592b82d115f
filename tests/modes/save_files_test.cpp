// The story and ally save files: reading hand-edited and cut-short files, defaults, round trips and failed
// saves.
#include "engine/platform.h"
#include "modes/save_files.h"
#include "tests/support/test_support.h"

#include <climits>
#include <cstdio>
#include <functional>
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
// Saves that open but read short or garbled -----------------------------------------------------

// A mid-campaign story save as the game writes it.
std::string midCampaignStory()
{
    storyFile s;
    s.primaryWeapon = 0;
    s.secondaryWeapon = 3;
    s.progress = 12;
    s.coins = 2500;
    s.strengthLevel = 2;
    s.hpLevel = 3;
    for (weaponRecord& w : s.weapons)
        w = weaponRecord{0, 1300, 3};
    std::string text;
    for (int v : storyValues(s))
        text += std::to_string(v) + "\n";
    return text;
}

const std::string kStoryCopy = std::string(kStoryPath) + ".bad";
const std::string kAlliesCopy = std::string(kAlliesPath) + ".bad";

const std::string kMidAllies = "2\n0\n0\n0\n1\n1\n0\n1\n1\n0\nTavin\n";

// One of the two save records, loaded, changed and saved alike.
class SaveRecord
{
public:
    explicit SaveRecord(bool isStory) : isStory(isStory) {}
    const char* path() const { return isStory ? kStoryPath : kAlliesPath; }
    void load() { isStory ? story.loadStoryFile() : allies.loadAllyFile(); }
    bool save() { return isStory ? story.saveStoryFile() : allies.saveAllyFile(); }
    const std::string& damage() const { return isStory ? story.damage() : allies.damage(); }
    bool unreadable() const { return isStory ? story.unreadable() : allies.unreadable(); }
    // A value the player's play changes: the coins, or the equipped ally.
    void change(int value) { (isStory ? story.coins : allies.equippedAlly) = value; }
    // Every value the record holds, as text.
    std::string values() const
    {
        std::string text;
        if (isStory)
            for (int v : storyValues(story))
                text += std::to_string(v) + " ";
        else
        {
            text = std::to_string(allies.equippedAlly) + " ";
            for (int flag : allies.allyLocked)
                text += std::to_string(flag) + " ";
            text += allies.bonusAllyName;
        }
        return text;
    }

private:
    bool isStory;
    storyFile story;
    allyFile allies;
};

struct DamagedCase
{
    const char* name;
    bool story; // the story save, or the ally save
    std::string file;
    std::string why; // what the console gives as the reason
};

void PrintTo(const DamagedCase& c, std::ostream* os)
{
    *os << c.name;
}

class DamagedSave : public ::testing::TestWithParam<DamagedCase>
{
};

// The values it holds are read, the rest read 0; the first save keeps a copy
// of the file beside it, says so, and writes the record; later saves make no
// second copy.
TEST_P(DamagedSave, TheFirstSaveOverItKeepsACopyFirst)
{
    ScratchDir dir;
    const DamagedCase& c = GetParam();
    SaveRecord record(c.story);
    const std::string copy = keptCopyPath(record.path(), 1);
    writeFile(record.path(), c.file);
    record.load();
    EXPECT_EQ(record.damage(), c.why);
    EXPECT_FALSE(record.unreadable());
    EXPECT_EQ(readFile(record.path()), c.file) << "a load writes nothing";
    EXPECT_FALSE(fileExists(copy)) << "nor a copy";

    record.change(5);
    bool saved = false;
    const std::string said = consoleOutput([&] { saved = record.save(); });
    EXPECT_TRUE(saved);
    EXPECT_EQ(readFile(copy), c.file);
    EXPECT_TRUE(contains(said, record.path())) << said;
    EXPECT_TRUE(contains(said, c.why)) << said;
    EXPECT_TRUE(contains(said, copy)) << said;
    EXPECT_EQ(record.damage(), "");
    SaveRecord back(c.story);
    back.load();
    EXPECT_EQ(back.damage(), "");
    EXPECT_EQ(back.values(), record.values());

    record.change(1);
    EXPECT_EQ(consoleOutput([&] { EXPECT_TRUE(record.save()); }), "");
    back.load();
    EXPECT_TRUE(back.save());
    EXPECT_EQ(readFile(copy), c.file);
    EXPECT_FALSE(fileExists(keptCopyPath(record.path(), 2)));
}

INSTANTIATE_TEST_SUITE_P(
    Files, DamagedSave,
    ::testing::Values(
        DamagedCase{"StoryCutAfterTheFifthLine", true, firstLines(midCampaignStory(), 5),
                    "it ends after line 5"},
        DamagedCase{"StoryCutInTheFifthLine", true, firstLines(midCampaignStory(), 4) + "2",
                    "it ends after line 5"},
        DamagedCase{"StoryWordsForDigits", true, digitsAsWords(midCampaignStory()),
                    "line 1 holds no plain number"},
        DamagedCase{"StoryOneWord", true,
                    firstLines(midCampaignStory(), 3) + "lots\n" +
                        midCampaignStory().substr(firstLines(midCampaignStory(), 4).size()),
                    "line 4 holds no plain number"},
        DamagedCase{"StoryEmpty", true, "", "it is empty"},
        DamagedCase{"StoryAnEmptyLine", true,
                    firstLines(midCampaignStory(), 6) + "\n" +
                        midCampaignStory().substr(firstLines(midCampaignStory(), 7).size()),
                    "line 7 holds no plain number"},
        DamagedCase{"StoryTrailingLetters", true, "12abc\n" + midCampaignStory().substr(2),
                    "line 1 holds no plain number"},
        DamagedCase{"StoryPastTheIntRange", true, "99999999999\n" + midCampaignStory().substr(2),
                    "line 1 holds no plain number"},
        DamagedCase{"AlliesCutAfterTheThirdLine", false, firstLines(kMidAllies, 3), "it ends after line 3"},
        DamagedCase{"AlliesCutBeforeTheName", false, firstLines(kMidAllies, 10),
                    "it ends after line 10, before the bonus ally's name"},
        DamagedCase{"AlliesWordsForDigits", false, digitsAsWords(kMidAllies), "line 1 holds no plain number"},
        DamagedCase{"AlliesEmpty", false, "", "it is empty"}),
    [](const ::testing::TestParamInfo<DamagedCase>& info) { return std::string(info.param.name); });

// What the savers write, and what a hand may leave that reads as it says, read
// cleanly: no copy is made.
TEST(SaveFiles, FilesThatReadAsTheySayAreNotDamaged)
{
    const std::string story = midCampaignStory();
    const std::string stories[] = {
        story,
        story.substr(0, story.size() - 1),                                    // no last line end
        "+0\n 3 \n012\n\t2500\n" + story.substr(firstLines(story, 4).size()), // blanks, sign, zeros
        story + "a note\n", // lines past the 35th are not read
        "-2147483648\n2147483647\n" + story.substr(firstLines(story, 2).size()),
    };
    for (const std::string& file : stories)
    {
        ScratchDir dir;
        writeFile(kStoryPath, file);
        storyFile s;
        s.loadStoryFile();
        EXPECT_EQ(s.damage(), "") << file;
        EXPECT_TRUE(s.saveStoryFile());
        EXPECT_FALSE(fileExists(kStoryCopy));
    }
    const std::string allies[] = {kMidAllies, kMidAllies.substr(0, kMidAllies.size() - 1),
                                  firstLines(kMidAllies, 10) + "\n", // an empty name
                                  "0\r\n0\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\nA B\r\n"};
    for (const std::string& file : allies)
    {
        ScratchDir dir;
        writeFile(kAlliesPath, file);
        allyFile a;
        a.loadAllyFile();
        EXPECT_EQ(a.damage(), "") << file;
        EXPECT_TRUE(a.saveAllyFile());
        EXPECT_FALSE(fileExists(kAlliesCopy));
    }
}

// An earlier copy of another file is never overwritten; one of the same file serves again.
TEST(SaveFiles, EarlierCopiesAreKept)
{
    ScratchDir dir;
    writeFile(kStoryCopy, "an older copy\n");
    writeFile(kStoryPath, "7\n");
    storyFile story;
    story.loadStoryFile();
    EXPECT_TRUE(story.saveStoryFile());
    EXPECT_EQ(readFile(kStoryCopy), "an older copy\n");
    EXPECT_EQ(readFile(keptCopyPath(kStoryPath, 2)), "7\n");

    // Cut short again the same way: the copy made of it serves.
    writeFile(kStoryPath, "7\n");
    story.loadStoryFile();
    EXPECT_TRUE(contains(consoleOutput([&] { EXPECT_TRUE(story.saveStoryFile()); }),
                         "already kept as " + keptCopyPath(kStoryPath, 2)));
    EXPECT_FALSE(fileExists(keptCopyPath(kStoryPath, 3)));

    // Cut another way: a third copy.
    writeFile(kStoryPath, "8\n");
    story.loadStoryFile();
    EXPECT_TRUE(story.saveStoryFile());
    EXPECT_EQ(readFile(keptCopyPath(kStoryPath, 3)), "8\n");
    EXPECT_EQ(readFile(kStoryCopy), "an older copy\n");
    EXPECT_EQ(readFile(keptCopyPath(kStoryPath, 2)), "7\n");
}

// Two records loaded from one damaged file: the first save keeps the copy, the
// second writes over the first one's clean file with no copy of that.
TEST(SaveFiles, OnlyAFileThatStillReadsDamagedIsCopied)
{
    ScratchDir dir;
    writeFile(kStoryPath, "1\n1\n3\n");
    storyFile first;
    first.loadStoryFile();
    storyFile second;
    second.loadStoryFile();
    EXPECT_TRUE(first.saveStoryFile());
    second.coins = 9;
    EXPECT_TRUE(second.saveStoryFile());
    EXPECT_EQ(readFile(kStoryCopy), "1\n1\n3\n");
    EXPECT_FALSE(fileExists(keptCopyPath(kStoryPath, 2)));
    storyFile back;
    back.loadStoryFile();
    EXPECT_EQ(back.coins, 9);
}

// When no copy can be kept, here on a full disk, the save writes nothing and
// says why. Every name of a copy is on the same full disk, so no other is tried.
TEST(SaveFiles, NoCopyNoSave)
{
    for (const bool isStory : {true, false})
    {
        SCOPED_TRACE(isStory ? "story" : "allies");
        ScratchDir dir;
        SaveRecord record(isStory);
        writeFile(record.path(), "1\n1\n3\n");
        record.load();
        std::vector<std::string> written;
        WriteFaultScope full(diskFullAt(1, 0, &written));
        bool saved = true;
        const std::string said = consoleOutput([&] { saved = record.save(); });
        EXPECT_FALSE(saved);
        EXPECT_EQ(readFile(record.path()), "1\n1\n3\n");
        EXPECT_EQ(written, std::vector<std::string>{keptCopyPath(record.path(), 1)});
        EXPECT_EQ(filesEndingIn("data/gameFiles", ".tmp"), std::vector<std::string>());
        EXPECT_TRUE(contains(said, "Not saving " + std::string(record.path()))) << said;
        EXPECT_NE(record.damage(), "") << "the next save tries again";
    }
}

// A name a copy cannot be written under, as when a folder stands where its
// temporary goes, passes to the next free one, and the console names the file
// that could not be written.
TEST(SaveFiles, ACopyThatCannotBeWrittenUnderOneNameTakesTheNext)
{
    struct Case
    {
        const char* name;
        std::vector<std::string> folders; // after the save's path
        int copy;                         // the copy's number
    };
    const Case cases[] = {
        {"the first copy's temporary", {".bad.tmp"}, 2},
        {"the first copy and the second's temporary", {".bad", ".bad2.tmp"}, 3},
    };
    for (const bool isStory : {true, false})
        for (const Case& c : cases)
        {
            SCOPED_TRACE(std::string(isStory ? "story: " : "allies: ") + c.name);
            ScratchDir dir;
            SaveRecord record(isStory);
            const std::string path = record.path();
            writeFile(path, "1\n");
            for (const std::string& folder : c.folders)
                makeDirs(path + folder);
            record.load();
            record.change(7);
            bool saved = false;
            const std::string said = consoleOutput([&] { saved = record.save(); });
            EXPECT_TRUE(saved);
            EXPECT_EQ(readFile(keptCopyPath(path, c.copy)), "1\n");
            const std::string blocked = path + c.folders.back();
            EXPECT_TRUE(contains(said, "cannot write " + blocked + ": Is a directory")) << said;
            EXPECT_TRUE(contains(said, "kept a copy of it as " + keptCopyPath(path, c.copy))) << said;
            SaveRecord back(isStory);
            back.load();
            EXPECT_EQ(back.values(), record.values());

            // Damaged again another way: the name passed over is tried again and passed again.
            writeFile(path, "2\n");
            record.load();
            EXPECT_TRUE(record.save());
            EXPECT_EQ(readFile(keptCopyPath(path, c.copy + 1)), "2\n");
            EXPECT_EQ(readFile(keptCopyPath(path, c.copy)), "1\n");
        }
}

// Saves that cannot be written -------------------------------------------------------------------

// A failed save answers false and says which file and why. The ways used
// refuse root as well as a normal user: a folder where the save's temporary
// goes, and a regular file where the save folder should be.
TEST(SaveFiles, AFailedSaveIsAnsweredAndSaid)
{
    {
        ScratchDir dir;
        makeDirs("data/gameFiles");
        storyFile story;
        story.loadStoryFile();
        allyFile allies;
        allies.loadAllyFile();
        EXPECT_TRUE(story.saveStoryFile());
        EXPECT_TRUE(allies.saveAllyFile());
        makeDirs(std::string(kStoryPath) + ".tmp");
        makeDirs(std::string(kAlliesPath) + ".tmp");
        story.coins = 50;
        bool storySaved = true;
        bool alliesSaved = true;
        const std::string said = consoleOutput(
            [&]
            {
                storySaved = story.saveStoryFile();
                alliesSaved = allies.saveAllyFile();
            });
        EXPECT_FALSE(storySaved);
        EXPECT_FALSE(alliesSaved);
        EXPECT_TRUE(contains(said, "Unable to save " + std::string(kStoryPath) + ": cannot write " +
                                       kStoryPath + ".tmp: Is a directory"))
            << said;
        EXPECT_TRUE(contains(said, "Unable to save " + std::string(kAlliesPath) + ": cannot write " +
                                       kAlliesPath + ".tmp: Is a directory"))
            << said;
        EXPECT_EQ(readFile(kStoryPath), kDefaultStory);
    }
    {
        ScratchDir dir;
        writeFile("data/gameFiles", "not a folder\n");
        storyFile story;
        allyFile allies;
        bool storySaved = true;
        bool alliesSaved = true;
        const std::string said = consoleOutput(
            [&]
            {
                storySaved = story.saveStoryFile();
                alliesSaved = allies.saveAllyFile();
            });
        EXPECT_FALSE(storySaved);
        EXPECT_FALSE(alliesSaved);
        EXPECT_TRUE(contains(said, "Unable to save " + std::string(kStoryPath) + ": cannot write " +
                                       kStoryPath + ".tmp: Not a directory"))
            << said;
        EXPECT_TRUE(contains(said, "Unable to save " + std::string(kAlliesPath) + ": cannot write " +
                                       kAlliesPath + ".tmp: Not a directory"))
            << said;
        EXPECT_EQ(readFile("data/gameFiles"), "not a folder\n");
    }
    {
        // A record loaded from a file it could not read refuses to save, and says so.
        ScratchDir dir;
        writeFile(kStoryPath, midCampaignStory());
        setReadRefusal([](const std::string&) { return true; });
        storyFile story;
        story.loadStoryFile();
        setReadRefusal(nullptr);
        bool saved = true;
        const std::string said = consoleOutput([&] { saved = story.saveStoryFile(); });
        EXPECT_FALSE(saved);
        EXPECT_TRUE(contains(said, "Not saving " + std::string(kStoryPath))) << said;
        EXPECT_EQ(readFile(kStoryPath), midCampaignStory());
    }
}
} // namespace
