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

#include <cstdio>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>

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

// A reward that was not saved is answered false, said on the console (which
// file, why) and on the screen, which lists none of its items; both saves and
// the bundle's weapon readouts keep what was saved.
class UnsavedRewardTest : public LootScreenTest
{
protected:
    UnsavedRewardTest()
    {
        storyFile story;
        story.coins = 300;
        story.weapons[1] = weaponRecord{0, 90, 0};
        story.saveStoryFile();
        allyFile allies;
        allies.bonusAllyName = "Tavin";
        allies.saveAllyFile();
        storyBefore = readFile(kStoryPath);
        alliesBefore = readFile(kAlliesPath);
    }
    // Gives the reward, then checks what the player and the console are told.
    template <class Bundle> std::string giveUnsaved(Bundle& bundle)
    {
        bool kept = true;
        const std::string said = consoleOutput([&] { kept = bundle.init(screen); });
        EXPECT_FALSE(kept);
        EXPECT_FALSE(bundle.kept);
        EXPECT_TRUE(bundle.items.empty());
        EXPECT_TRUE(contains(said, "was not saved")) << said;
        EXPECT_EQ(bundle.story.weapons[1].exp, 90) << "the readouts show what was saved";

        lootScreen loot;
        loot.init(screen, &bundle);
        TextRecorder texts;
        loot.draw();
        EXPECT_TRUE(texts.drew(lootBundle::kNotKept[0], lootBundle::kNoticeX, lootBundle::kNoticeY));
        EXPECT_TRUE(texts.drew(lootBundle::kNotKept[1], lootBundle::kNoticeX, lootBundle::kNoticeY + 30));
        EXPECT_TRUE(texts.drew("Lv: 0 Exp: 90", 150, 430));
        for (const TextRecorder::Text& t : texts.texts())
            EXPECT_FALSE(contains(t.text, "Coins")) << t.text;
        return said;
    }
    std::string storyBefore;
    std::string alliesBefore;
};

TEST_F(UnsavedRewardTest, TheStorySaveRefusesTheWrite)
{
    // A folder where the save's temporary goes refuses root too.
    makeDirs(std::string(kStoryPath) + ".tmp");
    lootBundle1 bundle;
    const std::string said = giveUnsaved(bundle);
    EXPECT_TRUE(contains(said, "Unable to save " + std::string(kStoryPath) + ": cannot write " + kStoryPath +
                                   ".tmp: Is a directory"))
        << said;
    EXPECT_EQ(readFile(kStoryPath), storyBefore);
}

TEST_F(UnsavedRewardTest, TheAllySaveRefusesTheWriteAndTheStoryIsPutBack)
{
    makeDirs(std::string(kAlliesPath) + ".tmp");
    lootBundle3 bundle;
    const std::string said = giveUnsaved(bundle);
    EXPECT_TRUE(contains(said, "Unable to save " + std::string(kAlliesPath) + ": cannot write " +
                                   kAlliesPath + ".tmp: Is a directory"))
        << said;
    EXPECT_TRUE(contains(said, std::string(kStoryPath) + " is put back")) << said;
    EXPECT_EQ(readFile(kStoryPath), storyBefore) << "saved whole or not at all";
    EXPECT_EQ(readFile(kAlliesPath), alliesBefore);
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
} // namespace
