// The story's menus: the stat shop, the weapon screen and the ally screen, each run headless on
// one-colour pictures with its sounds, texts and saved files checked.
#include "engine/globals.h"
#include "engine/platform.h"
#include "engine/present.h"
#include "fighter/character_data.h"
#include "modes/ally_select.h"
#include "modes/loot_screen.h"
#include "modes/save_files.h"
#include "modes/shop.h"
#include "modes/story_mode.h"
#include "modes/weapon_select.h"
#include "screens/character_select.h"
#include "tests/screens/fight_fixture.h"
#include "tests/support/test_support.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <unistd.h>

using namespace testing_support;

namespace
{
// Writes the story and ally saves of a player in mid-campaign at `progress`:
// coins to spend, a second weapon, levelled weapons and a bonus ally.
void saveMidCampaign(int progress)
{
    storyFile story;
    story.progress = progress;
    story.coins = 2500;
    story.secondaryWeapon = 3;
    for (weaponRecord& w : story.weapons)
        w = weaponRecord{0, 1300, 3};
    story.saveStoryFile();
    allyFile allies;
    allies.equippedAlly = 1;
    allies.allyLocked[1] = 0;
    allies.bonusAllyName = "Tavin";
    allies.saveAllyFile();
}

const std::string kConfirm = "Menu_Confirm01";
const std::string kCancel = "Menu_Cancel01";
using Sounds = std::vector<std::string>;

void pushButton(int button)
{
    SDL_Event e;
    std::memset(&e, 0, sizeof e);
    e.type = SDL_JOYBUTTONDOWN;
    e.jbutton.which = 0;
    e.jbutton.button = static_cast<Uint8>(button);
    SDL_PushEvent(&e);
}

void pushAxis(int axis, int value)
{
    SDL_Event e;
    std::memset(&e, 0, sizeof e);
    e.type = SDL_JOYAXISMOTION;
    e.jaxis.which = 0;
    e.jaxis.axis = static_cast<Uint8>(axis);
    e.jaxis.value = static_cast<Sint16>(value);
    SDL_PushEvent(&e);
}

// Two frames, idle and selected, for every button of a column or row.
void writeButtons(const std::string& folder, int count, int w, int h)
{
    for (int i = 0; i < count; ++i)
        writePictures(folder + "/button" + std::to_string(i),
                      {Picture{w, h, kUnselectedColour, 100}, Picture{w, h, kSelectedColour, 100}});
}

storyFile savedStory()
{
    storyFile s;
    s.loadStoryFile();
    return s;
}

allyFile savedAllies()
{
    allyFile a;
    a.loadAllyFile();
    return a;
}

// The ways a save's file can fail to be written.
enum class SaveFault
{
    FolderInTheWay,   // a folder where its temporary file goes
    DiskFull,         // a full disk: not a byte written
    DiskFillsPartWay, // the disk fills up part-way through the file
    RenameFails       // the file is written but cannot be renamed into place
};
const std::pair<SaveFault, const char*> kSaveFaults[] = {
    {SaveFault::FolderInTheWay, "a folder in the way of the temporary file"},
    {SaveFault::DiskFull, "a full disk"},
    {SaveFault::DiskFillsPartWay, "a disk that fills up part-way"},
    {SaveFault::RenameFails, "a rename that fails"},
};

// Makes the saves of `path` fail as `fault` says while it lives.
class FailingSave
{
public:
    FailingSave(SaveFault fault, const std::string& path) : folder(path + ".tmp")
    {
        switch (fault)
        {
        case SaveFault::FolderInTheWay:
            makeDirs(folder);
            break;
        case SaveFault::DiskFull:
            faults.emplace(diskFullAt(1, 0));
            break;
        case SaveFault::DiskFillsPartWay:
            faults.emplace(diskFullAt(1, 5));
            break;
        case SaveFault::RenameFails:
            faults.emplace(renameFailsAt(1));
            break;
        }
    }
    ~FailingSave() { rmdir(folder.c_str()); }
    FailingSave(const FailingSave&) = delete;
    FailingSave& operator=(const FailingSave&) = delete;

private:
    std::string folder;
    std::optional<WriteFaultScope> faults;
};

// Whether the frame just drawn says, at `place`, that a choice could not be
// saved: both lines, on the light card.
bool saysChoiceNotKept(const TextRecorder& texts, SDL_Surface* screen, noticePlace place)
{
    return texts.drew(kChoiceNotKept[0], place.x, place.y) &&
           texts.drew(kChoiceNotKept[1], place.x, place.y + 30) &&
           shows(screen, place.x - 8, place.y + 46, Colour{0xf0, 0xe6, 0xd2});
}

class StoryMenuTest : public ::testing::Test
{
protected:
    StoryMenuTest()
    {
        writePads(0);
        makeDirs("data/gameFiles");
        fullyQuit = false;
        drainQueue();
    }
    ~StoryMenuTest() override
    {
        fullyQuit = false;
        drainQueue();
        GPad1.joystickIndex = -1;
    }
    void writeStory(const std::function<void(storyFile&)>& change)
    {
        storyFile s;
        change(s);
        s.saveStoryFile();
    }
    ScratchDir dir;
    SDL_Surface* screen = openTestVideo();
    SoundRecorder sounds;
};

// The shop ---------------------------------------------------------------------------------------

class ShopTest : public StoryMenuTest
{
protected:
    ShopTest()
    {
        writePictures("data/screens/shop", {Picture{20, 20, kPauseColour, 100}});
        writeButtons("data/screens/shop", 5, 320, 50);
    }
    // Opens the shop on a save with these coins and levels and confirms its
    // button `button` as many times as there are updates in `confirms`.
    void openWith(int coins, int strength, int speed = 0)
    {
        writeStory(
            [&](storyFile& s)
            {
                s.coins = coins;
                s.strengthLevel = strength;
                s.speedLevel = speed;
            });
        store.init(screen);
        sounds.clear();
    }
    void confirmButton(int button)
    {
        store.buttons.setSelection(button);
        pushKey(kConfirm1);
        store.update();
    }
    // Opens a shop on the saved file and checks the HP, STR, DEF and SPEED readouts it draws.
    void expectReadouts(const std::vector<std::string>& readouts)
    {
        shop fresh;
        fresh.init(screen);
        TextRecorder texts;
        fresh.draw();
        const int y[] = {290, 310, 330, 350};
        for (std::size_t i = 0; i < 4; ++i)
            EXPECT_TRUE(texts.drew(readouts[i], 470, y[i])) << readouts[i];
    }
    shop store;
};

TEST_F(ShopTest, APurchaseNeedsTheCoinsAndALevelBelowFive)
{
    struct Case
    {
        const char* name;
        int coins, level;
        int coinsAfter, levelAfter;
        std::string sound;
        std::string lineAfter;
    };
    const Case cases[] = {
        {"one coin short", 499, 0, 499, 0, kCancel, "Strength Lv 1 : $500"},
        {"exactly the price", 500, 0, 0, 1, kConfirm, "Strength Lv 2 : $1000"},
        {"the last level", 9999, 4, 9999 - 2500, 5, kConfirm, "Strength Lv at MAX"},
        {"at the top", 9999, 5, 9999, 5, kCancel, "Strength Lv at MAX"},
        // A hand-edited level below 0 costs level 1's price and buys level 1.
        {"a negative level", 500, -3, 0, 1, kConfirm, "Strength Lv 2 : $1000"},
        {"a negative level, no coins", 0, -3, 0, -3, kCancel, "Strength Lv 1 : $500"},
        // One above the top is at the top, and stays as it is.
        {"a level above the top", 9999, 9, 9999, 9, kCancel, "Strength Lv at MAX"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        shop fresh;
        writeStory(
            [&](storyFile& s)
            {
                s.coins = c.coins;
                s.strengthLevel = c.level;
            });
        fresh.init(screen);
        sounds.clear();
        fresh.buttons.setSelection(shop::Strength);
        pushKey(kConfirm1);
        fresh.update();
        EXPECT_EQ(fresh.story.coins, c.coinsAfter);
        EXPECT_EQ(fresh.story.strengthLevel, c.levelAfter);
        EXPECT_EQ(sounds.names(), Sounds{c.sound});
        EXPECT_EQ(shop::priceLine(shop::Strength, fresh.story.strengthLevel), c.lineAfter);
        EXPECT_EQ(savedStory().coins, c.coins) << "nothing is saved before the shop is left";
    }
}

TEST_F(ShopTest, EachStatHasItsPriceAndLines)
{
    EXPECT_EQ(shop::priceLine(shop::Defence, 0), "Defence Lv 1 : $300");
    EXPECT_EQ(shop::priceLine(shop::Speed, 2), "Speed Lv 3 : $750");
    EXPECT_EQ(shop::priceLine(shop::HP, 4), "HP Lv 5 : $2500");
    EXPECT_EQ(shop::priceLine(shop::Speed, 5), "Speed Lv at MAX");

    openWith(0, 0, 5);
    TextRecorder texts;
    store.draw();
    EXPECT_TRUE(texts.drew("Strength Lv 1 : $500", 55, 215));
    EXPECT_TRUE(texts.drew("Defence Lv 1 : $300", 55, 265));
    EXPECT_TRUE(texts.drew("Speed Lv at MAX", 55, 315));
    EXPECT_TRUE(texts.drew("HP Lv 1 : $500", 55, 365));
    EXPECT_TRUE(texts.drew("Coins: $0", 480, 20));
}

TEST_F(ShopTest, TwoConfirmsInOneUpdateBuyOnce)
{
    openWith(5000, 0);
    store.buttons.setSelection(shop::Strength);
    pushKey(kConfirm1);
    pushKey(kConfirm1);
    store.update();
    EXPECT_EQ(store.story.strengthLevel, 1);
    EXPECT_EQ(store.story.coins, 4500);
    EXPECT_EQ(sounds.names(), Sounds{kConfirm});
}

TEST_F(ShopTest, ReadoutsFollowTheLevels)
{
    struct Case
    {
        int level;
        std::vector<std::string> readouts;
    };
    const Case cases[] = {
        {0, {"HP: 1000", "STR: 1", "DEF: 0", "SPEED: 6"}},
        {5, {"HP: 1500", "STR: 6", "DEF: 5", "SPEED: 11"}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE("level " + std::to_string(c.level));
        writeStory([&](storyFile& s)
                   { s.strengthLevel = s.defenceLevel = s.speedLevel = s.hpLevel = c.level; });
        expectReadouts(c.readouts);
    }
}

// A story save's levels as the player sees them: the shop's readouts, and the
// fighter built from the save, who takes one running step to the right.
class StoryRunner : public playerControl
{
public:
    void runRight() { walkStep(false, true, false, false, false); }
};

// A hand-edited level counts as `statLevel` makes it, 0 to 5, alike in the
// shop's price lines and readouts and in the fighter built from the save.
TEST_F(ShopTest, HandEditedLevelsCountWithinTheShopsLevelsInTheReadoutsAndTheFighter)
{
    struct Case
    {
        const char* name;
        std::string file;                 // the whole story save
        int strength, defence, speed, hp; // the levels both use
    };
    const Case cases[] = {
        {"levels the shop sells", "1\n1\n0\n0\n3\n2\n4\n1\n", 3, 2, 4, 1},
        {"8th line at the int top", "1\n1\n0\n0\n0\n0\n0\n2147483647\n", 0, 0, 0, 5},
        {"5th line at the int top", "1\n1\n0\n0\n2147483647\n", 5, 0, 0, 0},
        {"levels of 6", "1\n1\n0\n0\n6\n6\n6\n6\n", 5, 5, 5, 5},
        // An unterminated last line is read again for every value after it.
        {"one unterminated line at the int top", "2147483647", 5, 5, 5, 5},
        {"7th line 2000000000", "1\n1\n0\n0\n0\n0\n2000000000\n", 0, 0, 5, 0},
        // Was a speed of -32768 for a speed level the shop priced as 0.
        {"7th line at the int bottom", "1\n1\n0\n0\n0\n0\n-2147483648\n", 0, 0, 0, 0},
        {"7th line -1", "1\n1\n0\n0\n0\n0\n-1\n", 0, 0, 0, 0},
        {"6th line -7", "1\n1\n0\n0\n0\n-7\n", 0, 0, 0, 0},
        // An HP level below 0 gave a fighter of 0 health at -10.
        {"8th line -10", "1\n1\n0\n0\n0\n0\n0\n-10\n", 0, 0, 0, 0},
        {"one unterminated line at the int bottom", "-2147483648", 0, 0, 0, 0},
    };
    CharacterSpec spec = fighterSpec("data/characters/Nick");
    spec.hp = 100;
    spec.speed = 4;
    const std::string chardata = writeFighter(spec);
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        writeFile(kStoryPath, c.file);
        const storyFile save = savedStory();
        // The readouts: a fighter of 1000 HP, strength 1 and speed 6 at these levels.
        expectReadouts({"HP: " + std::to_string(1000 + 100 * c.hp), "STR: " + std::to_string(c.strength + 1),
                        "DEF: " + std::to_string(c.defence), "SPEED: " + std::to_string(c.speed + 6)});
        // The price lines read the saved level as the same level.
        const std::pair<shop::Stat, int> levels[] = {{shop::Strength, c.strength},
                                                     {shop::Defence, c.defence},
                                                     {shop::Speed, c.speed},
                                                     {shop::HP, c.hp}};
        storyFile edited = save;
        for (const auto& [stat, level] : levels)
            EXPECT_EQ(shop::priceLine(stat, shop::levelIn(edited, stat)), shop::priceLine(stat, level));

        characterData first(chardata.c_str(), screen, 0, nullptr);
        characterData second(chardata.c_str(), screen, 0, nullptr);
        setUpStoryPlayer(first, second, save, 300);
        Fighter& player = first.fighter;
        EXPECT_EQ(player.strength, c.strength);
        EXPECT_EQ(player.defence, c.defence);
        EXPECT_EQ(player.speed, 4 + c.speed);
        EXPECT_EQ(player.maxHP, 100 + 10 * c.hp);
        EXPECT_EQ(player.hp, player.maxHP);
        StoryRunner runner;
        runner.fighter = &player;
        player.setDir(true);
        player.changeAnim("running");
        runner.runRight();
        EXPECT_EQ(player.x, 300 + 2 * (4 + c.speed));
        // The save keeps the levels as read.
        EXPECT_EQ(readFile(kStoryPath), c.file);
    }
}

TEST_F(ShopTest, AFightersSpeedStaysWithinTheCharacterFilesLimit)
{
    CharacterSpec spec = fighterSpec("data/characters/Nick");
    spec.speed = 32767;
    const std::string chardata = writeFighter(spec);
    writeFile(kStoryPath, "1\n1\n0\n0\n0\n0\n5\n");
    characterData first(chardata.c_str(), screen, 0, nullptr);
    characterData second(chardata.c_str(), screen, 0, nullptr);
    setUpStoryPlayer(first, second, savedStory(), 300);
    EXPECT_EQ(first.fighter.speed, 32767);
}

// The levels a visit leaves alone are written back as they were read.
TEST_F(ShopTest, AVisitKeepsHandEditedLevelsAsRead)
{
    writeStory(
        [](storyFile& s)
        {
            s.coins = 1000;
            s.strengthLevel = INT_MIN;
            s.defenceLevel = -7;
            s.speedLevel = 9;
            s.hpLevel = INT_MAX;
        });
    store.init(screen);
    confirmButton(shop::Strength); // level 1 for 500 coins
    confirmButton(shop::Speed);    // at the top: nothing
    pushKey(SDLK_ESCAPE);
    store.update();
    ASSERT_TRUE(store.done);
    const storyFile saved = savedStory();
    EXPECT_EQ(saved.coins, 500);
    EXPECT_EQ(saved.strengthLevel, 1);
    EXPECT_EQ(saved.defenceLevel, -7);
    EXPECT_EQ(saved.speedLevel, 9);
    EXPECT_EQ(saved.hpLevel, INT_MAX);
}

TEST_F(ShopTest, LeavingSavesTheVisitsPurchases)
{
    struct Case
    {
        const char* name;
        std::function<void()> leave;
        Sounds sound;
        bool saved;
    };
    const Case cases[] = {
        {"Escape", [] { pushKey(SDLK_ESCAPE); }, {}, true},
        {"key B", [] { pushKey(SDLK_x); }, {}, true},
        {"button B", [] { pushButton(1); }, {}, true},
        {"LEAVE",
         []
         {
             pushKey(SDLK_UP);
             pushKey(kConfirm1);
         },
         {kCancel},
         true},
        {"window closed", [] { pushQuit(); }, {}, false},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        fullyQuit = false;
        openWith(800, 0);
        confirmButton(shop::Defence);
        EXPECT_EQ(store.story.coins, 500);
        sounds.clear();
        store.buttons.setSelection(0);
        c.leave();
        store.update();
        EXPECT_TRUE(store.done || fullyQuit);
        EXPECT_EQ(store.done, c.saved);
        EXPECT_EQ(sounds.names(), c.sound);
        const storyFile saved = savedStory();
        EXPECT_EQ(saved.coins, c.saved ? 500 : 800);
        EXPECT_EQ(saved.defenceLevel, c.saved ? 1 : 0);
    }
}

// A leave whose save fails loses the visit's purchases but not the coins: the
// shop stays open on what the save holds and says so, and the next leave
// closes it. Every way to leave, on a save folder that refuses the write and
// on a full disk.
TEST_F(ShopTest, AFailedSaveShowsWhatTheSaveHoldsAndSaysSo)
{
    struct Way
    {
        const char* name;
        std::function<void()> leave;
    };
    const Way ways[] = {
        {"Escape", [] { pushKey(SDLK_ESCAPE); }},
        {"key B", [] { pushKey(SDLK_x); }},
        {"button B", [] { pushButton(1); }},
        {"LEAVE",
         []
         {
             pushKey(SDLK_UP);
             pushKey(kConfirm1);
         }},
    };
    const std::string folder = std::string(kStoryPath) + ".tmp";
    for (const Way& way : ways)
        for (const bool fullDisk : {false, true})
        {
            SCOPED_TRACE(std::string(way.name) + (fullDisk ? ", a full disk" : ", a folder in the way"));
            openWith(800, 0);
            const std::string before = readFile(kStoryPath);
            confirmButton(shop::Defence);
            ASSERT_EQ(store.story.coins, 500);
            WriteFaultScope faults(fullDisk ? diskFullAt(1, 0) : WriteFaults());
            if (!fullDisk)
                makeDirs(folder);
            store.buttons.setSelection(0);
            way.leave();
            store.update();
            EXPECT_FALSE(store.done);
            EXPECT_EQ(readFile(kStoryPath), before);
            TextRecorder texts;
            store.draw();
            EXPECT_TRUE(texts.drew(shop::kNotKept[0], shop::kNoticeX, shop::kNoticeY));
            EXPECT_TRUE(texts.drew(shop::kNotKept[1], shop::kNoticeX, shop::kNoticeY + 30));
            EXPECT_TRUE(texts.drew("Coins: $800", 480, 20));
            EXPECT_TRUE(texts.drew("Defence Lv 1 : $300", 55, 265));
            EXPECT_TRUE(texts.drew("DEF: 0", 470, 330));

            // Nothing bought since: the next leave closes the shop, the save as it was.
            store.buttons.setSelection(0);
            way.leave();
            store.update();
            EXPECT_TRUE(store.done);
            EXPECT_EQ(readFile(kStoryPath), before);
            rmdir(folder.c_str());
        }
}

// Once the save works again, what is bought after the notice is saved, and the
// notice goes with the purchase.
TEST_F(ShopTest, APurchaseAfterAFailedSaveIsSavedWhenTheSaveWorks)
{
    openWith(800, 0);
    confirmButton(shop::Defence);
    const std::string folder = std::string(kStoryPath) + ".tmp";
    makeDirs(folder);
    pushKey(SDLK_ESCAPE);
    store.update();
    ASSERT_FALSE(store.done);
    rmdir(folder.c_str());

    confirmButton(shop::Strength);
    TextRecorder texts;
    store.draw();
    EXPECT_FALSE(texts.drew(shop::kNotKept[0], shop::kNoticeX, shop::kNoticeY));
    pushKey(SDLK_ESCAPE);
    store.update();
    EXPECT_TRUE(store.done);
    const storyFile saved = savedStory();
    EXPECT_EQ(saved.coins, 300);
    EXPECT_EQ(saved.strengthLevel, 1);
    EXPECT_EQ(saved.defenceLevel, 0);
}

// Saves that read short or garbled ---------------------------------------------------------------

// A story save cut after its fifth line, or with words for its digits, and an
// ally save cut short or garbled, then a reward and a purchase in either
// order: before the first write over each, the player's file is kept beside
// it, once, and the console says so; what follows is saved as usual.
TEST_F(ShopTest, ARewardAndAPurchaseKeepACopyOfDamagedSavesFirst)
{
    saveMidCampaign(8);
    const std::string storyText = readFile(kStoryPath);
    const std::string alliesText = readFile(kAlliesPath);
    const std::string storyCopy = std::string(kStoryPath) + ".bad";
    const std::string alliesCopy = std::string(kAlliesPath) + ".bad";

    struct Damage
    {
        const char* name;
        std::string story, allies;
    };
    const Damage damages[] = {{"cut short", firstLines(storyText, 5), firstLines(alliesText, 3)},
                              {"garbled", digitsAsWords(storyText), digitsAsWords(alliesText)}};
    for (const Damage& d : damages)
        for (const bool rewardFirst : {true, false})
        {
            SCOPED_TRACE(std::string(d.name) + (rewardFirst ? ", reward first" : ", purchase first"));
            ScratchDir each;
            writePads(0);
            writeFile(kStoryPath, d.story);
            writeFile(kAlliesPath, d.allies);

            bool bought = false;
            bool kept = false;
            const std::function<void()> reward = [&]
            { kept = lootBundle7().init(screen); }; // unlocks allies 2, 3 and 8
            const std::function<void()> purchase = [&]
            {
                shop visit;
                visit.init(screen);
                visit.buttons.setSelection(shop::Defence);
                pushKey(kConfirm1);
                visit.update();
                bought = visit.story.defenceLevel == 1;
                pushKey(SDLK_ESCAPE);
                visit.update();
            };
            const std::string said = consoleOutput(
                [&]
                {
                    (rewardFirst ? reward : purchase)();
                    (rewardFirst ? purchase : reward)();
                });

            EXPECT_TRUE(kept);
            EXPECT_EQ(readFile(storyCopy), d.story);
            EXPECT_EQ(readFile(alliesCopy), d.allies);
            EXPECT_FALSE(fileExists(keptCopyPath(kStoryPath, 2)));
            EXPECT_FALSE(fileExists(keptCopyPath(kAlliesPath, 2)));
            EXPECT_TRUE(contains(said, "kept a copy of it as " + storyCopy)) << said;
            EXPECT_TRUE(contains(said, "kept a copy of it as " + alliesCopy)) << said;

            const storyFile saved = savedStory();
            EXPECT_EQ(saved.damage(), "");
            EXPECT_EQ(saved.progress, 8);
            EXPECT_EQ(saved.defenceLevel, bought ? 1 : 0);
            if (std::string(d.name) == "cut short")
            {
                EXPECT_TRUE(bought);
                EXPECT_EQ(saved.coins, 2500 + 300 - 300) << "what could be read is kept";
            }
            const allyFile alliesNow = savedAllies();
            EXPECT_EQ(alliesNow.damage(), "");
            EXPECT_EQ(alliesNow.allyLocked[2], 0);
            EXPECT_EQ(alliesNow.allyLocked[8], 0);
        }
}

// The weapon screen ------------------------------------------------------------------------------

constexpr Colour kMarker{250, 250, 0};
constexpr Colour kBackdrop{10, 10, 40};
Colour iconColour(int weapon, int frame)
{
    return Colour{static_cast<Uint8>(40 + 30 * weapon), static_cast<Uint8>(60 + 40 * frame), 120};
}

class WeaponScreenTest : public StoryMenuTest
{
protected:
    WeaponScreenTest()
    {
        writePictures("data/screens/weaponSelect/new", {Picture{640, 480, kBackdrop, 100}});
        writePictures("data/screens/weaponSelect/equipped", {Picture{24, 18, kMarker, 100}});
        for (int w = 0; w < 6; ++w)
        {
            const std::string folder = weaponSelectScreen2::getWeaponIcon(w);
            std::vector<Picture> frames;
            for (int f = 0; f < 4; ++f)
                frames.push_back(Picture{80, 80, iconColour(w, f), 100});
            writePictures(folder, frames);
            writePictures(folder + "/big", {Picture{280, 240, iconColour(w, 0), 100}});
        }
        for (int i = 0; i < 6; ++i)
            writePictures("data/screens/10buttons/button" + std::to_string(i),
                          {Picture{10, 10, kSelectedColour, 100}, Picture{10, 10, kSelectedColour, 100}});
        writePictures("data/screens/ui/buttons",
                      std::vector<Picture>(7, Picture{16, 16, kSelectedColour, 100}));
        writePictures("data/screens/ui/percentages",
                      std::vector<Picture>(5, Picture{32, 16, kSelectedColour, 100}));
        writePictures("data/wexpBar", {Picture{130, 21, kUnselectedColour, 100}});
    }
    void open(const std::function<void(storyFile&)>& change)
    {
        writeStory(change);
        weapons.init(screen);
        sounds.clear();
    }
    void select(int weapon)
    {
        weapons.selection.setSelection(weapon);
        weapons.update();
    }
    weaponSelectScreen2 weapons;
};

TEST_F(WeaponScreenTest, OnlyAnUnlockedWeaponOtherThanTheFirstIsEquipped)
{
    struct Case
    {
        const char* name;
        int weapon;
        Sounds sound;
        int secondary;
    };
    // A new save: weapons 0 and 1 unlocked, 1 equipped; here weapon 3 is unlocked too.
    const Case cases[] = {
        {"the primary weapon", 0, {}, 1},
        {"a locked weapon", 2, {}, 1},
        {"an unlocked weapon", 3, {kConfirm}, 3},
        {"the one already equipped", 1, {kConfirm}, 1},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        weaponSelectScreen2 fresh;
        writeStory([](storyFile& s) { s.weapon(3)->locked = 0; });
        fresh.init(screen);
        sounds.clear();
        // Coins changed behind the screen's back show whether it saved.
        writeStory(
            [](storyFile& s)
            {
                s.weapon(3)->locked = 0;
                s.coins = 77;
            });
        fresh.selection.setSelection(c.weapon);
        pushKey(kConfirm1);
        fresh.update();
        EXPECT_EQ(sounds.names(), c.sound);
        EXPECT_EQ(fresh.story.secondaryWeapon, c.secondary);
        const storyFile saved = savedStory();
        EXPECT_EQ(saved.coins, c.sound.empty() ? 77 : 0) << "a choice saves the screen's record at once";
        EXPECT_EQ(saved.secondaryWeapon, c.secondary);
        EXPECT_EQ(saved.primaryWeapon, 1);
        EXPECT_FALSE(fresh.done);
    }
}

TEST_F(WeaponScreenTest, LeftAndRightWrapAndUpAndDownDoNothing)
{
    open([](storyFile&) {});
    pushKey(SDLK_LEFT);
    weapons.update();
    EXPECT_EQ(weapons.selection.getSelected(), 5);
    pushKey(SDLK_RIGHT);
    weapons.update();
    EXPECT_EQ(weapons.selection.getSelected(), 0);
    pushKey(SDLK_UP);
    pushKey(SDLK_DOWN);
    pushAxis(1, 30000);
    weapons.update();
    EXPECT_EQ(weapons.selection.getSelected(), 0);
    GPad1.xAxisCentred = true;
    pushAxis(0, 30000);
    pushAxis(0, 31000); // still held
    weapons.update();
    EXPECT_EQ(weapons.selection.getSelected(), 1);
}

TEST_F(WeaponScreenTest, ThePanelShowsLevelExperienceAndTheMovesLearnt)
{
    struct Case
    {
        const char* name;
        int weapon;
        int locked, exp, level;
        std::vector<std::string> texts; // every text the panel draws, in order
    };
    const Case cases[] = {
        {"locked", 2, 1, 0, 0, {"Weapon Locked"}},
        {"the primary weapon, new",
         0,
         0,
         40,
         0,
         {"Lv: 0 Vlad ", "Fury", "Buttons", "Title", "Exp: 40/100 next Lv", "Blood Bath", "Impale Strike",
          "Lv1 Move Locked", "Lv2 Move Locked", "Lv3 Move Locked", "Primary Weapon(always equipped)"}},
        {"a new weapon",
         1,
         0,
         0,
         0,
         {"Lv: 0 Baseball Bat ", "Fury", "Buttons", "Title", "Exp: 0/100 next Lv", "Lv1 Move Locked",
          "Lv2 Move Locked", "Lv3 Move Locked"}},
        {"level 2",
         2,
         0,
         700,
         2,
         {"Lv: 2 Electric Whip ", "Fury", "Buttons", "Title", "Exp: 700/1200 next Lv",
          "Lv1 UpperSlash(running)", "Lv2 Thunder Struck", "Lv3 Move Locked"}},
        {"the top level",
         5,
         0,
         1900,
         3,
         {"Lv: 3 Black Blade ", "Fury", "Buttons", "Title", "Max Level", "Lv1 Lesser Demon",
          "Lv2 Summon Slops", "Lv3 Summon Rort"}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        weaponSelectScreen2 fresh;
        writeStory([&](storyFile& s) { *s.weapon(c.weapon) = weaponRecord{c.locked, c.exp, c.level}; });
        fresh.init(screen);
        fresh.selection.setSelection(c.weapon);
        fresh.update();
        TextRecorder texts;
        fresh.draw();
        EXPECT_EQ(texts.strings(), c.texts);
        if (c.locked)
            EXPECT_TRUE(texts.drew("Weapon Locked", 340, 106));
        else
            EXPECT_EQ(texts.texts().front().y, 86) << "the title sits 20 above the panel's origin";
    }
}

TEST_F(WeaponScreenTest, TheMarkerStandsUnderTheEquippedIconInTheNextFrame)
{
    open([](storyFile& s) { s.weapon(4)->locked = 0; });
    weapons.update();
    weapons.draw();
    EXPECT_TRUE(shows(screen, weaponSelectScreen2::iconX(1) + 2, 372, kMarker));
    weapons.selection.setSelection(4);
    pushKey(kConfirm1);
    weapons.update();
    weapons.draw();
    EXPECT_TRUE(shows(screen, weaponSelectScreen2::iconX(4) + 2, 372, kMarker));
    EXPECT_FALSE(shows(screen, weaponSelectScreen2::iconX(1) + 2, 372, kMarker));
    // The selected icon shows its selected frame; a locked one its locked frames.
    EXPECT_TRUE(shows(screen, weaponSelectScreen2::iconX(4) + 40, 420, iconColour(4, 1)));
    EXPECT_TRUE(shows(screen, weaponSelectScreen2::iconX(2) + 40, 420, iconColour(2, 2)));
    EXPECT_TRUE(shows(screen, 18 + 5, 106 + 5, iconColour(4, 0))) << "the selected weapon's big picture";
}

TEST_F(WeaponScreenTest, ASecondaryWeaponOutsideTheRowMarksNothing)
{
    open([](storyFile& s) { s.secondaryWeapon = 7; });
    weapons.update();
    weapons.draw();
    for (int w = 0; w < 6; ++w)
        EXPECT_FALSE(shows(screen, weaponSelectScreen2::iconX(w) + 2, 372, kMarker)) << w;
}

TEST_F(WeaponScreenTest, CancelEndsTheScreenWithItsSound)
{
    for (const auto& leave :
         std::vector<std::function<void()>>{[] { pushKey(SDLK_ESCAPE); }, [] { pushKey(SDLK_x); },
                                            [] { pushButton(1); }})
    {
        weaponSelectScreen2 fresh;
        writeStory([](storyFile&) {});
        fresh.init(screen);
        sounds.clear();
        leave();
        fresh.update();
        EXPECT_TRUE(fresh.done);
        EXPECT_EQ(sounds.names(), Sounds{kCancel});
    }
}

// A choice whose save fails leaves the save as it was: the screen marks and
// lists as equipped the weapon the save holds, says on a card that the choice
// was not saved, and the console says why.
TEST_F(WeaponScreenTest, AChoiceWhoseSaveFailsShowsTheSavedWeaponAndSaysSo)
{
    for (const auto& [fault, faultName] : kSaveFaults)
    {
        SCOPED_TRACE(faultName);
        open([](storyFile& s) { s.weapon(3)->locked = 0; }); // weapon 1 equipped
        const std::string before = readFile(kStoryPath);
        weapons.selection.setSelection(3);
        std::string said;
        {
            FailingSave failing(fault, kStoryPath);
            said = consoleOutput(
                [&]
                {
                    pushKey(kConfirm1);
                    weapons.update();
                });
        }
        EXPECT_EQ(sounds.names(), Sounds{kConfirm});
        EXPECT_TRUE(contains(said, std::string("Unable to save ") + kStoryPath)) << said;
        EXPECT_EQ(readFile(kStoryPath), before);
        EXPECT_EQ(weapons.story.secondaryWeapon, savedStory().secondaryWeapon);
        EXPECT_FALSE(weapons.info.equipped) << "the panel of weapon 3";
        TextRecorder texts;
        weapons.draw();
        EXPECT_TRUE(shows(screen, weaponSelectScreen2::iconX(1) + 2, 372, kMarker));
        EXPECT_FALSE(shows(screen, weaponSelectScreen2::iconX(3) + 2, 372, kMarker));
        EXPECT_TRUE(saysChoiceNotKept(texts, screen, weaponSelectScreen2::kNotice));
    }
}

// Once saves work again, the next choice is saved and the notice goes; a
// locked weapon saves nothing and leaves it.
TEST_F(WeaponScreenTest, AChoiceSavedAfterAFailedOneClearsTheNotice)
{
    open(
        [](storyFile& s)
        {
            s.weapon(3)->locked = 0;
            s.weapon(4)->locked = 0;
        });
    {
        FailingSave failing(SaveFault::DiskFull, kStoryPath);
        select(3);
        pushKey(kConfirm1);
        weapons.update();
    }
    weapons.selection.setSelection(2);
    pushKey(kConfirm1);
    weapons.update();
    TextRecorder texts;
    weapons.draw();
    EXPECT_TRUE(saysChoiceNotKept(texts, screen, weaponSelectScreen2::kNotice)) << "after a locked weapon";

    weapons.selection.setSelection(4);
    pushKey(kConfirm1);
    weapons.update();
    texts.clear();
    weapons.draw();
    EXPECT_FALSE(
        texts.drew(kChoiceNotKept[0], weaponSelectScreen2::kNotice.x, weaponSelectScreen2::kNotice.y));
    EXPECT_TRUE(shows(screen, weaponSelectScreen2::iconX(4) + 2, 372, kMarker));
    EXPECT_EQ(savedStory().secondaryWeapon, 4);
}

// The ally screen --------------------------------------------------------------------------------

Colour allyColour(int id)
{
    return Colour{static_cast<Uint8>(20 + 25 * id), 180, static_cast<Uint8>(200 - 20 * id)};
}
const std::vector<std::string> kBonus = characterSelectScreen::getPrePurchaseCharacters();

class AllyScreenTest : public StoryMenuTest
{
protected:
    AllyScreenTest()
    {
        writePictures("data/screens/allySelect", {Picture{640, 480, kBackdrop, 100}});
        std::vector<Picture> selected;
        for (int id = 0; id < 9; ++id)
            selected.push_back(Picture{100, 100, allyColour(id), 100});
        writePictures("data/screens/allySelect/selected", selected);
        for (const char* cell : {"default", "SadGhost", "Male", "Female", "HellSkull", "spectre", "Andy",
                                 "Rigby", "BonusCharas"})
            writePictures(std::string("data/screens/allySelect/") + cell,
                          {Picture{76, 76, iconColour(0, 0), 100}, Picture{76, 76, iconColour(0, 1), 100},
                           Picture{76, 76, iconColour(0, 2), 100}, Picture{76, 76, iconColour(0, 3), 100}});
    }
    void open(const std::function<void(allyFile&)>& change)
    {
        allyFile a;
        change(a);
        a.saveAllyFile();
        allies.init(screen);
        sounds.clear();
    }
    void confirmSlot(int column, int row)
    {
        allies.grid.selectedColumn = column;
        allies.grid.selectedRow = row;
        pushKey(kConfirm1);
        allies.update();
    }
    // Once the bonus picker shows its first frame (after its loading picture),
    // it moves to the `steps`-th name and confirms it.
    void pickBonus(int steps)
    {
        pickerFrames = 0;
        setFrameObserver(
            [this, steps](SDL_Surface*)
            {
                if (++pickerFrames != 2)
                    return;
                for (int i = 0; i < steps; ++i)
                    pushKey(SDLK_RIGHT);
                pushKey(kConfirm1);
            });
    }
    ~AllyScreenTest() override { setFrameObserver(nullptr); }
    int pickerFrames = 0;
    allySelectScreen allies;
};

TEST_F(AllyScreenTest, OnlyUnlockedSlotsAreEquipped)
{
    for (int id = 0; id < 8; ++id)
    {
        SCOPED_TRACE(id);
        allySelectScreen fresh;
        allyFile a;
        a.equippedAlly = 0;
        a.allyLocked[3] = 0;
        a.saveAllyFile();
        fresh.init(screen);
        sounds.clear();
        fresh.grid.selectedColumn = id % 3;
        fresh.grid.selectedRow = id / 3;
        pushKey(kConfirm1);
        fresh.update();
        EXPECT_EQ(sounds.names(), Sounds{kConfirm}) << "a locked slot plays confirm all the same";
        const int expected = (id == 0 || id == 3) ? id : 0;
        EXPECT_EQ(fresh.grid.getEquipped(), expected);
        EXPECT_EQ(savedAllies().equippedAlly, expected);
    }
}

TEST_F(AllyScreenTest, TheBonusSlotOpensThePickerEvenWhenLocked)
{
    open([](allyFile& a) { a.equippedAlly = 0; });
    pickBonus(1);
    confirmSlot(2, 2);
    const allyFile saved = savedAllies();
    EXPECT_EQ(saved.equippedAlly, 0) << "a locked bonus slot is not equipped";
    EXPECT_EQ(saved.bonusAllyName, kBonus[1]);
    EXPECT_FALSE(allies.done);
}

TEST_F(AllyScreenTest, ThePickedNameSurvivesALaterChoiceInTheSameVisit)
{
    open(
        [](allyFile& a)
        {
            a.allyLocked[8] = 0;
            a.allyLocked[1] = 0;
        });
    pickBonus(3);
    confirmSlot(2, 2);
    EXPECT_EQ(savedAllies().equippedAlly, 8);
    setFrameObserver(nullptr);
    confirmSlot(1, 0);
    const allyFile saved = savedAllies();
    EXPECT_EQ(saved.equippedAlly, 1);
    EXPECT_EQ(saved.bonusAllyName, kBonus[3]);
}

TEST_F(AllyScreenTest, TheSelectionWrapsOnBothAxes)
{
    open([](allyFile&) {});
    struct Step
    {
        SDLKey key;
        int column, row;
    };
    const Step steps[] = {{SDLK_LEFT, 2, 0}, {SDLK_RIGHT, 0, 0}, {SDLK_UP, 0, 2},
                          {SDLK_DOWN, 0, 0}, {SDLK_DOWN, 0, 1},  {SDLK_RIGHT, 1, 1}};
    for (const Step& s : steps)
    {
        pushKey(s.key);
        allies.update();
        EXPECT_EQ(allies.grid.selectedColumn, s.column);
        EXPECT_EQ(allies.grid.selectedRow, s.row);
    }
    GPad1.yAxisCentred = true;
    pushAxis(1, -30000);
    allies.update();
    EXPECT_EQ(allies.grid.selectedRow, 0);
}

TEST_F(AllyScreenTest, TheEquippedPictureChangesInTheNextFrame)
{
    open([](allyFile& a) { a.allyLocked[5] = 0; });
    allies.draw();
    EXPECT_TRUE(shows(screen, 382 + 5, 142 + 5, allyColour(0)));
    EXPECT_TRUE(shows(screen, 60 + 5, 160 + 5, iconColour(0, 1))) << "slot 0 selected";
    EXPECT_TRUE(shows(screen, 140 + 5, 160 + 5, iconColour(0, 2))) << "slot 1 locked";
    confirmSlot(2, 1);
    allies.draw();
    EXPECT_TRUE(shows(screen, 382 + 5, 142 + 5, allyColour(5)));
}

TEST_F(AllyScreenTest, AnEquippedIdThePictureLacksDrawsNoPicture)
{
    open([](allyFile& a) { a.equippedAlly = 40; });
    SDL_FillRect(screen, nullptr, 0);
    allies.draw();
    EXPECT_TRUE(shows(screen, 382 + 5, 142 + 5, kBackdrop));
}

TEST_F(AllyScreenTest, CancelEndsTheScreenWithItsSound)
{
    for (const auto& leave :
         std::vector<std::function<void()>>{[] { pushKey(SDLK_ESCAPE); }, [] { pushKey(SDLK_x); },
                                            [] { pushButton(1); }})
    {
        allySelectScreen fresh;
        fresh.init(screen);
        sounds.clear();
        leave();
        fresh.update();
        EXPECT_TRUE(fresh.done);
        EXPECT_EQ(sounds.names(), Sounds{kCancel});
    }
}

// An equip or a bonus pick whose save fails leaves the save as it was: the
// screen pictures the ally the save holds, keeps the bonus name it holds for
// the visit's later saves, says on a card that the choice was not saved, and
// the console says why.
TEST_F(AllyScreenTest, AChoiceWhoseSaveFailsShowsWhatTheSaveHoldsAndSaysSo)
{
    struct Choice
    {
        const char* name;
        int column, row;
        bool picksBonus;
    };
    const Choice choices[] = {{"equipping Spectre", 2, 1, false}, {"picking a bonus ally", 2, 2, true}};
    for (const Choice& choice : choices)
        for (const auto& [fault, faultName] : kSaveFaults)
        {
            SCOPED_TRACE(std::string(choice.name) + ", " + faultName);
            open(
                [](allyFile& a)
                {
                    a.equippedAlly = 1;
                    a.allyLocked[1] = a.allyLocked[5] = 0;
                    a.bonusAllyName = kBonus[0];
                });
            const std::string before = readFile(kAlliesPath);
            std::string said;
            {
                FailingSave failing(fault, kAlliesPath);
                if (choice.picksBonus)
                    pickBonus(2);
                said = consoleOutput([&] { confirmSlot(choice.column, choice.row); });
                setFrameObserver(nullptr);
            }
            EXPECT_TRUE(contains(said, std::string("Unable to save ") + kAlliesPath)) << said;
            EXPECT_EQ(readFile(kAlliesPath), before);
            const allyFile saved = savedAllies();
            EXPECT_EQ(allies.grid.getEquipped(), saved.equippedAlly);
            EXPECT_EQ(allies.grid.allies.bonusAllyName, saved.bonusAllyName);
            TextRecorder texts;
            allies.draw();
            EXPECT_TRUE(shows(screen, 382 + 5, 142 + 5, allyColour(1)));
            EXPECT_TRUE(saysChoiceNotKept(texts, screen, allySelectScreen::kNotice));
        }
}

// Once saves work again, the next choice saved clears the notice and does not
// write the name picked while they failed; a locked slot saves nothing and
// leaves the notice.
TEST_F(AllyScreenTest, AChoiceSavedAfterAFailedOneClearsTheNotice)
{
    open(
        [](allyFile& a)
        {
            a.allyLocked[1] = 0;
            a.bonusAllyName = kBonus[0];
        });
    {
        FailingSave failing(SaveFault::DiskFull, kAlliesPath);
        pickBonus(2);
        confirmSlot(2, 2);
        setFrameObserver(nullptr);
    }
    confirmSlot(0, 1); // Female, locked
    TextRecorder texts;
    allies.draw();
    EXPECT_TRUE(saysChoiceNotKept(texts, screen, allySelectScreen::kNotice)) << "after a locked slot";

    confirmSlot(1, 0);
    texts.clear();
    allies.draw();
    EXPECT_FALSE(texts.drew(kChoiceNotKept[0], allySelectScreen::kNotice.x, allySelectScreen::kNotice.y));
    EXPECT_TRUE(shows(screen, 382 + 5, 142 + 5, allyColour(1)));
    const allyFile saved = savedAllies();
    EXPECT_EQ(saved.equippedAlly, 1);
    EXPECT_EQ(saved.bonusAllyName, kBonus[0]);
}

// An unlocked bonus slot saves twice, the equip then the pick: when the first
// fails and the second works, the notice still says the choice was not kept.
TEST_F(AllyScreenTest, AFailedEquipIsSaidWhenThePickAfterItIsSaved)
{
    open(
        [](allyFile& a)
        {
            a.allyLocked[8] = 0;
            a.bonusAllyName = kBonus[0];
        });
    {
        WriteFaultScope faults(renameFailsAt(1));
        pickBonus(1);
        confirmSlot(2, 2);
        setFrameObserver(nullptr);
    }
    const allyFile saved = savedAllies();
    EXPECT_EQ(saved.equippedAlly, 0);
    EXPECT_EQ(saved.bonusAllyName, kBonus[1]);
    EXPECT_EQ(allies.grid.getEquipped(), 0);
    EXPECT_EQ(allies.grid.allies.bonusAllyName, kBonus[1]);
    TextRecorder texts;
    allies.draw();
    EXPECT_TRUE(shows(screen, 382 + 5, 142 + 5, allyColour(0)));
    EXPECT_TRUE(saysChoiceNotKept(texts, screen, allySelectScreen::kNotice));
}

// Saves that cannot be read ----------------------------------------------------------------------

// A save that exists but cannot be read leaves its record at the defaults; no
// saver may write that record over the player's progress, nor write the other
// save so that the two disagree.
TEST_F(StoryMenuTest, NoSaverWritesOverASaveThatCannotBeRead)
{
    struct Saver
    {
        const char* name;
        const char* file; // the save the saver's record was loaded from
        std::function<void(SDL_Surface*)> run;
    };
    const auto bonusPick = [](SDL_Surface* target)
    {
        allySelectScreen allies;
        allies.init(target);
        int frames = 0;
        // Once the picker shows its first frame, its first name is confirmed.
        setFrameObserver(
            [&frames](SDL_Surface*)
            {
                if (++frames == 2)
                    pushKey(kConfirm1);
            });
        allies.grid.selectedColumn = 2;
        allies.grid.selectedRow = 2;
        pushKey(kConfirm1);
        allies.update();
        setFrameObserver(nullptr);
    };
    const Saver savers[] = {
        {"shop, Escape", kStoryPath,
         [](SDL_Surface* target)
         {
             shop store;
             store.init(target);
             pushKey(SDLK_ESCAPE);
             store.update();
         }},
        {"shop, a purchase then LEAVE", kStoryPath,
         [](SDL_Surface* target)
         {
             shop store;
             store.init(target);
             store.story.coins = 5000;
             store.buttons.setSelection(shop::Strength);
             pushKey(kConfirm1);
             store.update();
             store.buttons.setSelection(shop::kLeaveButton);
             pushKey(kConfirm1);
             store.update();
         }},
        {"loot reward", kStoryPath, [](SDL_Surface* target) { lootBundle3().init(target); }},
        {"loot reward's ally unlock", kAlliesPath, [](SDL_Surface* target) { lootBundle3().init(target); }},
        {"weapon confirm", kStoryPath,
         [](SDL_Surface* target)
         {
             weaponSelectScreen2 weapons;
             weapons.init(target);
             weapons.selection.setSelection(1);
             pushKey(kConfirm1);
             weapons.update();
         }},
        {"ally equip", kAlliesPath,
         [](SDL_Surface* target)
         {
             allySelectScreen allies;
             allies.init(target);
             allies.grid.selectedColumn = 0;
             allies.grid.selectedRow = 0;
             pushKey(kConfirm1);
             allies.update();
         }},
        {"bonus pick", kAlliesPath, bonusPick},
    };
    enum Damage
    {
        None,
        Unreadable,
        Folder
    };
    const std::pair<Damage, const char*> damages[] = {{None, "readable (the saver does save)"},
                                                      {Unreadable, "cannot be read"},
                                                      {Folder, "a folder in its place"}};
    for (const Saver& saver : savers)
        for (const auto& [damage, damageName] : damages)
        {
            SCOPED_TRACE(std::string(saver.name) + ", " + damageName);
            ScratchDir each;
            writePads(0);
            makeDirs("data/gameFiles");
            // Mid-campaign saves; the extra last line is kept only while the file is not rewritten.
            saveMidCampaign(12);
            writeFile(kStoryPath, readFile(kStoryPath) + "untouched\n");
            writeFile(kAlliesPath, readFile(kAlliesPath) + "untouched\n");
            const std::string other = std::string(saver.file) == kStoryPath ? kAlliesPath : kStoryPath;
            const std::string fileBefore = readFile(saver.file);
            const std::string otherBefore = readFile(other);

            const std::string damaged = saver.file;
            if (damage == Unreadable)
                setReadRefusal([damaged](const std::string& path) { return path == damaged; });
            if (damage == Folder)
            {
                std::remove(saver.file);
                makeDirs(saver.file);
            }
            saver.run(screen);
            setReadRefusal(nullptr);
            drainQueue();

            if (damage == None)
            {
                EXPECT_NE(readFile(saver.file), fileBefore);
                continue;
            }
            if (damage == Folder)
                EXPECT_TRUE(isDirectory(saver.file));
            else
                EXPECT_EQ(readFile(saver.file), fileBefore);
            EXPECT_EQ(readFile(other), otherBefore);
        }
}
} // namespace
