// Rewards as saved and shown: a bundle's reward written before anything is
// drawn, the items and weapon readouts on screen, saves edited by hand, and
// the loot screen's keys and buttons.
#include "engine/globals.h"
#include "engine/platform.h"
#include "modes/loot_screen.h"
#include "modes/save_files.h"
#include "tests/control/control_fixture.h"
#include "tests/screens/fight_fixture.h"
#include "tests/support/test_support.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/statvfs.h>
#include <unistd.h>

using namespace testing_support;

namespace
{
constexpr Colour kPanel{230, 220, 200};
constexpr Colour kCoins{250, 200, 0};
constexpr Colour kExp{0, 160, 250};
constexpr Colour kSadGhost{160, 160, 220};
constexpr Colour kInk{0, 0, 0};

Colour weaponColour(int w)
{
    return Colour{static_cast<Uint8>(40 + 30 * w), 100, 60};
}

class LootScreenTest : public ::testing::Test
{
protected:
    LootScreenTest()
    {
        openTestVideo();
        fullyQuit = false;
        drainQueue();
        writePads(0);
        writeDamageFont();
        makeDirs("data/gameFiles");
        writeFile("data/music/Short Winning Fin.dat", wavBytes());
        writePictures("data/screens/loot", {Picture{640, 480, kPanel}});
        std::vector<Picture> weapons;
        for (int w = 0; w < 6; ++w)
            weapons.push_back(Picture{48, 48, weaponColour(w)});
        writePictures("data/screens/loot/weaponSet", weapons);
        writePictures("data/screens/loot/coins", {Picture{48, 48, kCoins}});
        writePictures("data/screens/loot/wexp", {Picture{48, 48, kExp}});
        writePictures("data/screens/loot/sadghost", {Picture{48, 48, kSadGhost}});
    }
    ~LootScreenTest() override
    {
        fullyQuit = false;
        drainQueue();
    }

    static void pushButton(int button)
    {
        SDL_Event e;
        std::memset(&e, 0, sizeof e);
        e.type = SDL_JOYBUTTONDOWN;
        e.jbutton.button = static_cast<Uint8>(button);
        SDL_PushEvent(&e);
    }

    void show(lootBundle& bundle)
    {
        lootScreen loot;
        loot.init(screen, &bundle);
        loot.draw();
    }

    ScratchDir dir;
    SoundRecorder sounds;
};

TEST_F(LootScreenTest, TheFirstRewardIsSavedAndShownWithTheWeaponReadouts)
{
    lootBundle1 bundle;
    EXPECT_TRUE(bundle.init(screen));
    EXPECT_TRUE(bundle.kept);
    // Saved before any screen opens; a new campaign's bat takes both shares.
    storyFile saved;
    saved.loadStoryFile();
    EXPECT_EQ(saved.progress, 2);
    EXPECT_EQ(saved.coins, 120);
    EXPECT_EQ(saved.weapons[1].exp, 200);
    EXPECT_EQ(saved.weapons[1].level, 1);

    ASSERT_EQ(bundle.items.size(), 2u);
    EXPECT_EQ(bundle.items[0].label, "120x Coins");
    EXPECT_EQ(bundle.items[1].label, "100 Weapon Exp");

    show(bundle);
    EXPECT_TRUE(shows(screen, 150, 150, kCoins));
    EXPECT_TRUE(shows(screen, 150, 200, kExp));
    EXPECT_TRUE(shows(screen, 210, 180, kInk)) << "label at x + 60, y + 30";
    EXPECT_TRUE(shows(screen, 100, 400, weaponColour(1)));
    EXPECT_TRUE(shows(screen, 300, 400, weaponColour(1)));
    EXPECT_TRUE(shows(screen, 151, 431, kInk));
    EXPECT_TRUE(shows(screen, 351, 431, kInk));
    EXPECT_TRUE(shows(screen, 600, 300, kPanel));
}

TEST_F(LootScreenTest, AllyRewardsUnlockInTheAllyFileAndKeepTheRest)
{
    allyFile before;
    before.equippedAlly = 1;
    before.bonusAllyName = "Tavin";
    before.saveAllyFile();

    lootBundle7 bundle;
    bundle.init(screen);
    allyFile after;
    after.loadAllyFile();
    const int want[kAllyIds] = {0, 1, 0, 0, 1, 1, 1, 1, 0};
    for (int id = 0; id < kAllyIds; ++id)
        EXPECT_EQ(after.allyLocked[id], want[id]) << id;
    EXPECT_EQ(after.equippedAlly, 1);
    EXPECT_EQ(after.bonusAllyName, "Tavin");
    EXPECT_EQ(bundle.items.size(), 5u);

    lootBundle3 ghost;
    ghost.init(screen);
    after.loadAllyFile();
    EXPECT_EQ(after.allyLocked[1], 0);
    show(ghost);
    EXPECT_TRUE(shows(screen, 150, 250, kSadGhost));
}

TEST_F(LootScreenTest, WeaponSlotsFromAHandEditedSaveDrawOnlyWhatExists)
{
    storyFile save;
    save.primaryWeapon = 9;
    save.secondaryWeapon = 6;
    save.saveStoryFile();

    lootBundle1 bundle;
    bundle.init(screen);
    storyFile saved;
    saved.loadStoryFile();
    EXPECT_EQ(saved.weapons[6].exp, 100);
    EXPECT_EQ(saved.primaryWeapon, 9);

    show(bundle);
    // No picture for either (the sheet has weapons 0 to 5), a readout only
    // for the slot whose record exists.
    EXPECT_TRUE(shows(screen, 100, 400, kPanel));
    EXPECT_TRUE(shows(screen, 300, 400, kPanel));
    EXPECT_TRUE(shows(screen, 151, 431, kPanel));
    EXPECT_TRUE(shows(screen, 351, 431, kInk));
}

TEST_F(LootScreenTest, KeysAAndEscapeOrAnyButtonEndTheScreen)
{
    lootBundle4 bundle;
    bundle.init(screen);
    struct Case
    {
        std::function<void()> input;
        bool done;
        std::vector<std::string> sounds;
    };
    const std::vector<std::string> confirm = {"Menu_Confirm01"};
    const Case cases[] = {
        {[] { pushKey(SDLK_RIGHT); }, false, {}}, {[] { pushKey(SDLK_z); }, true, confirm},
        {[] { pushKey(SDLK_c); }, true, confirm}, {[] { pushKey(SDLK_ESCAPE); }, true, confirm},
        {[] { pushButton(1); }, true, confirm},   {[] { pushButton(5); }, true, {}},
    };
    for (const Case& c : cases)
    {
        lootScreen loot;
        loot.init(screen, &bundle);
        sounds.clear();
        c.input();
        loot.update();
        EXPECT_EQ(loot.done, c.done);
        EXPECT_EQ(sounds.names(), c.sounds);
    }
}
// Rewards that cannot be saved ------------------------------------------------------------------

enum class SaveState
{
    Clean,
    CutShort,
    Garbled
};

const char* stateName(SaveState state)
{
    return state == SaveState::Clean ? "clean" : state == SaveState::CutShort ? "cut short" : "garbled";
}

std::string inState(const std::string& clean, SaveState state, int cutAfter)
{
    if (state == SaveState::CutShort)
        return firstLines(clean, cutAfter);
    return state == SaveState::Garbled ? digitsAsWords(clean) : clean;
}

// The reward the tests give: chapter 3's, which adds 200 coins, raises the
// progress to 4 and unlocks ally 1, so it writes both saves.
constexpr int kAllyReward = 3;

// A reward that was not saved is answered false, said on the console (which
// file, why) and on the screen, which lists none of its items; the bundle's
// weapon readouts show what was saved.
class UnsavedRewardTest : public LootScreenTest
{
protected:
    UnsavedRewardTest() { writeSaves(SaveState::Clean, SaveState::Clean); }

    // Saves at the end of chapter 2 in the folder, alone: progress 2, 120
    // coins, weapon 1 at 90 experience, ally 1 still locked.
    void writeSaves(SaveState storyState, SaveState alliesState)
    {
        for (const std::string& name : filesEndingIn("data/gameFiles", ""))
            if (name != "." && name != "..")
                std::remove(("data/gameFiles/" + name).c_str());
        storyFile story;
        story.progress = 2;
        story.coins = 120;
        story.weapons[1] = weaponRecord{0, 90, 0};
        story.saveStoryFile();
        allyFile allies;
        allies.bonusAllyName = "Tavin";
        allies.saveAllyFile();
        writeFile(kStoryPath, inState(readFile(kStoryPath), storyState, 5));
        writeFile(kAlliesPath, inState(readFile(kAlliesPath), alliesState, 3));
        storyBefore = readFile(kStoryPath);
        alliesBefore = readFile(kAlliesPath);
    }

    // Gives reward `reward`, which must not be kept, then checks what the
    // player is shown: `notice`, no items, and the weapons as saved.
    std::string giveUnsaved(int reward, const char* const* notice)
    {
        lootBundle bundle;
        bool kept = true;
        const std::string said = consoleOutput([&] { kept = bundle.giveReward(reward, screen); });
        EXPECT_FALSE(kept);
        EXPECT_FALSE(bundle.kept);
        EXPECT_TRUE(bundle.items.empty());
        EXPECT_TRUE(contains(said, "Reward " + std::to_string(reward))) << said;

        storyFile saved;
        saved.loadStoryFile();
        const weaponRecord none{0, -1, -1};
        const weaponRecord* weapon = saved.weapon(saved.primaryWeapon);
        EXPECT_NE(weapon, nullptr);
        if (!weapon)
            weapon = &none;
        EXPECT_EQ(bundle.story.primaryWeapon, saved.primaryWeapon);
        lootScreen loot;
        loot.init(screen, &bundle);
        TextRecorder texts;
        loot.draw();
        EXPECT_TRUE(texts.drew(notice[0], lootBundle::kNoticeX, lootBundle::kNoticeY));
        EXPECT_TRUE(texts.drew(notice[1], lootBundle::kNoticeX, lootBundle::kNoticeY + 30));
        EXPECT_TRUE(texts.drew(
            "Lv: " + std::to_string(weapon->level) + " Exp: " + std::to_string(weapon->exp), 150, 430))
            << "the readouts show what was saved";
        for (const TextRecorder::Text& t : texts.texts())
            EXPECT_FALSE(contains(t.text, "Coins")) << t.text;
        return said;
    }

    // Both saves hold what they held, and the console says so.
    void expectSavesAsTheyWere(const std::string& said)
    {
        EXPECT_EQ(readFile(kStoryPath), storyBefore);
        EXPECT_EQ(readFile(kAlliesPath), alliesBefore);
        EXPECT_TRUE(contains(said, "the saves keep what they held")) << said;
    }

    std::string storyBefore;
    std::string alliesBefore;
};

TEST_F(UnsavedRewardTest, TheStorySaveRefusesTheWrite)
{
    // A folder where the save's temporary goes refuses root too.
    makeDirs(std::string(kStoryPath) + ".tmp");
    const std::string said = giveUnsaved(1, lootBundle::kNotKept);
    EXPECT_TRUE(contains(said, "Unable to save " + std::string(kStoryPath) + ": cannot write " + kStoryPath +
                                   ".tmp: Is a directory"))
        << said;
    expectSavesAsTheyWere(said);
}

TEST_F(UnsavedRewardTest, TheAllySaveRefusesTheWriteAndNeitherIsWritten)
{
    makeDirs(std::string(kAlliesPath) + ".tmp");
    const std::string said = giveUnsaved(kAllyReward, lootBundle::kNotKept);
    EXPECT_TRUE(contains(said, "Unable to save " + std::string(kAlliesPath) + ": cannot write " +
                                   kAlliesPath + ".tmp: Is a directory"))
        << said;
    expectSavesAsTheyWere(said);
}

TEST_F(UnsavedRewardTest, TheSaveFolderIsAFile)
{
    std::remove(kStoryPath);
    std::remove(kAlliesPath);
    std::remove("data/gameFiles");
    writeFile("data/gameFiles", "not a folder\n");
    lootBundle1 bundle;
    bool kept = true;
    const std::string said = consoleOutput([&] { kept = bundle.init(screen); });
    EXPECT_FALSE(kept);
    EXPECT_TRUE(bundle.items.empty());
    EXPECT_TRUE(contains(said, "Unable to save " + std::string(kStoryPath) + ": cannot write " + kStoryPath +
                                   ".tmp: Not a directory"))
        << said;
    EXPECT_EQ(readFile("data/gameFiles"), "not a folder\n");
}

TEST_F(UnsavedRewardTest, TheStorySaveCannotBeRead)
{
    setReadRefusal([](const std::string& path) { return path == kStoryPath; });
    lootBundle1 bundle;
    bool kept = true;
    const std::string said = consoleOutput([&] { kept = bundle.init(screen); });
    setReadRefusal(nullptr);
    EXPECT_FALSE(kept);
    EXPECT_TRUE(bundle.items.empty());
    EXPECT_TRUE(contains(said, "Unable to read " + std::string(kStoryPath))) << said;
    EXPECT_EQ(readFile(kStoryPath), storyBefore);
}

// Each write of a reward fails in turn, at once or part-way as on a disk that
// fills up (and every write after it fails too), then each rename in turn,
// over every mix of clean, cut-short and garbled saves. The reward writes the
// kept copies of the damaged saves and both saves in full before it renames
// any, the ally save first: a failed write leaves both saves as they were; a
// failed rename does too until the ally save is in, after which the allies
// alone are unlocked, so the chapter plays again and nothing is lost.
TEST_F(UnsavedRewardTest, EachWriteOfARewardFailingLeavesItWholeOrAbsent)
{
    const SaveState states[] = {SaveState::Clean, SaveState::CutShort, SaveState::Garbled};
    for (const SaveState storyState : states)
        for (const SaveState alliesState : states)
        {
            SCOPED_TRACE(std::string("story ") + stateName(storyState) + ", allies " +
                         stateName(alliesState));
            // Unbroken, the reward writes these files, in this order.
            std::vector<std::string> expected;
            if (alliesState != SaveState::Clean)
                expected.push_back(keptCopyPath(kAlliesPath, 1));
            expected.push_back(kAlliesPath);
            if (storyState != SaveState::Clean)
                expected.push_back(keptCopyPath(kStoryPath, 1));
            expected.push_back(kStoryPath);
            const int alliesFiles = alliesState == SaveState::Clean ? 1 : 2;
            {
                writeSaves(storyState, alliesState);
                std::vector<std::string> written;
                WriteFaultScope recording(recordWrites(written));
                lootBundle bundle;
                consoleOutput([&] { EXPECT_TRUE(bundle.giveReward(kAllyReward, screen)); });
                EXPECT_EQ(written, expected);
            }

            const int writes = static_cast<int>(expected.size());
            for (int k = 1; k <= writes; ++k)
                for (const long long bytes : {0LL, 4LL})
                {
                    SCOPED_TRACE("write " + std::to_string(k) + " fails after " + std::to_string(bytes) +
                                 " bytes");
                    writeSaves(storyState, alliesState);
                    WriteFaultScope full(diskFullAt(k, bytes));
                    expectSavesAsTheyWere(giveUnsaved(kAllyReward, lootBundle::kNotKept));
                    EXPECT_EQ(filesEndingIn("data/gameFiles", ".tmp"), std::vector<std::string>());
                    EXPECT_FALSE(fileExists(keptCopyPath(kStoryPath, 1)));
                    EXPECT_FALSE(fileExists(keptCopyPath(kAlliesPath, 1)));
                }
            for (int k = 1; k <= writes; ++k)
            {
                SCOPED_TRACE("rename " + std::to_string(k) + " fails");
                writeSaves(storyState, alliesState);
                WriteFaultScope failing(renameFailsAt(k));
                if (k <= alliesFiles)
                    expectSavesAsTheyWere(giveUnsaved(kAllyReward, lootBundle::kNotKept));
                else
                {
                    const std::string said = giveUnsaved(kAllyReward, lootBundle::kAlliesOnly);
                    EXPECT_TRUE(contains(said, "saved only in part")) << said;
                    EXPECT_EQ(readFile(kStoryPath), storyBefore);
                    allyFile allies;
                    allies.loadAllyFile();
                    EXPECT_EQ(allies.allyLocked[1], 0);
                }
                EXPECT_EQ(filesEndingIn("data/gameFiles", ".tmp"), std::vector<std::string>());
            }
        }
}

// A tmpfs of a few pages mounted over the save folder while it lives; mounting
// needs privileges a test may lack, so `mounted` tells whether it stands.
class SmallDisk
{
public:
    SmallDisk(const std::string& folder, long long bytes) : where(folder)
    {
        const std::string options = "size=" + std::to_string(bytes) + ",mode=0755";
        if (mount("quillfen-test", where.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, options.c_str()) == 0)
            up = true;
        else
            why = std::strerror(errno);
    }
    ~SmallDisk()
    {
        if (up)
            umount2(where.c_str(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;
    bool mounted() const { return up; }
    const std::string& refusal() const { return why; }

    // Fills the disk with one file so that `left` bytes stay free (as far as
    // the disk's blocks allow).
    void fillLeaving(long long left) const
    {
        struct statvfs fs;
        ASSERT_EQ(statvfs(where.c_str(), &fs), 0);
        const long long free = static_cast<long long>(fs.f_bavail) * static_cast<long long>(fs.f_frsize);
        if (free <= left)
            return;
        std::FILE* f = std::fopen((where + "/filler").c_str(), "wb");
        ASSERT_NE(f, nullptr);
        const std::string block(static_cast<std::size_t>(free - left), 'x');
        std::fwrite(block.data(), 1, block.size(), f);
        std::fclose(f);
    }

private:
    std::string where;
    bool up = false;
    std::string why;
};

// On a real disk that fills up: a tmpfs of 16 pages (64 KiB) over the save
// folder, left with 0 to 4 pages (16 KiB) free in quarter pages, under clean
// and cut-short saves, where the copy kept of a damaged save may take the last
// free blocks. The reward is whole or absent, and the console says the saves
// are as they were only when they are.
TEST_F(UnsavedRewardTest, OnAFullDiskARewardIsWholeOrAbsent)
{
    const long long page = sysconf(_SC_PAGESIZE);
    SmallDisk disk(dir.path() + "/data/gameFiles", 16 * page);
    if (!disk.mounted())
        GTEST_SKIP() << "a tmpfs cannot be mounted here: " << disk.refusal();
    const std::pair<SaveState, SaveState> mixes[] = {{SaveState::Clean, SaveState::Clean},
                                                     {SaveState::Clean, SaveState::CutShort},
                                                     {SaveState::CutShort, SaveState::Clean},
                                                     {SaveState::CutShort, SaveState::CutShort}};
    int given = 0;
    int refused = 0;
    for (const auto& [storyState, alliesState] : mixes)
        for (long long left = 0; left <= 4 * page; left += page / 4)
        {
            SCOPED_TRACE(std::string("story ") + stateName(storyState) + ", allies " +
                         stateName(alliesState) + ", " + std::to_string(left) + " bytes free");
            writeSaves(storyState, alliesState);
            storyFile before;
            before.loadStoryFile();
            disk.fillLeaving(left);
            lootBundle bundle;
            bool kept = false;
            const std::string said = consoleOutput([&] { kept = bundle.giveReward(kAllyReward, screen); });
            storyFile story;
            story.loadStoryFile();
            allyFile allies;
            allies.loadAllyFile();
            if (kept)
            {
                ++given;
                EXPECT_EQ(story.progress, 4);
                EXPECT_EQ(story.coins, before.coins + 200);
                EXPECT_EQ(allies.allyLocked[1], 0);
            }
            else
            {
                ++refused;
                expectSavesAsTheyWere(said);
            }
            EXPECT_EQ(filesEndingIn("data/gameFiles", ".tmp"), std::vector<std::string>());
        }
    EXPECT_GT(given, 0) << "the disk had room for the reward in some cases";
    EXPECT_GT(refused, 0) << "and not in others";
}
} // namespace
