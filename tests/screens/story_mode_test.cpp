// Story mode on the game's screens, run headless: the boss runner (the
// player's two weapon sets built from the save with the shop's levels, the
// boss from the chapter's values, one round, its end read as the flow reads
// it), and the map, loot and game-over screens in the campaign's passes with
// the scenes and stages recorded.
#include "engine/clock.h"
#include "engine/globals.h"
#include "fighter/character_data.h"
#include "modes/level_select.h"
#include "modes/story_fighters.h"
#include "modes/story_mode.h"
#include "stages/stage_table.h"
#include "tests/screens/fight_fixture.h"
#include "tests/screens/stage_fixture.h"

#include <gtest/gtest.h>

using namespace testing_support;

namespace
{
// Story mode with the scenes, stages and menus of other parts of the game
// recorded; stages end as the test says.
class RecordedStoryMode : public storyMode
{
public:
    std::vector<std::string> log;
    FightEnd stageEnd = FightEnd::Won;

protected:
    void scene(int number) override { log.push_back("scene " + std::to_string(number)); }
    FightEnd stage(const StageFight& s) override
    {
        log.push_back(std::string("stage ") + s.background);
        return stageEnd;
    }
    FightEnd credits() override
    {
        log.push_back("credits");
        return FightEnd::Won;
    }
    void shop() override { log.push_back("shop"); }
    void weaponSelect() override { log.push_back("weapons"); }
    void allySelect() override { log.push_back("allies"); }
};

class StoryBossTest : public ::testing::Test
{
protected:
    StoryBossTest()
    {
        // The new campaign's weapon (the bat in both slots) and one boss.
        writeFightData("Nick", "NickBBBat", 30);
        CharacterSpec vlad = fighterSpec("data/characters/Vlad");
        vlad.hp = 70;
        writeFighter(vlad);
        writeArena("borderStreetNight");
        makeDirs("data/gameFiles");
        fullyQuit = false;
        freezeEnd = 0;
        setTestClock(100000);
        setTestClockAutoAdvance(1);
        drainQueue();
    }
    ~StoryBossTest() override
    {
        fullyQuit = false;
        setTestClockAutoAdvance(0);
        drainQueue();
    }

    ScratchDir dir;
    SDL_Surface* screen = openTestVideo();
};

const BossFight kVlad = {"borderStreetNight",
                         "data/characters/Vlad/chardata",
                         "faces",
                         "data/characters/Vlad/ai",
                         1000,
                         100,
                         3,
                         2,
                         0};

TEST_F(StoryBossTest, AWonLostOrLeftRoundIsReadAsTheFlowReadsIt)
{
    storyFile save;
    save.strengthLevel = 3;
    save.defenceLevel = 2;
    save.speedLevel = 4;
    save.hpLevel = 5;
    save.saveStoryFile();

    enum class Ending
    {
        BossDown,
        PlayerDown,
        PauseQuit
    };
    const struct
    {
        Ending ending;
        FightEnd want;
    } cases[] = {{Ending::BossDown, FightEnd::Won},
                 {Ending::PlayerDown, FightEnd::Lost},
                 {Ending::PauseQuit, FightEnd::Left}};
    for (const auto& c : cases)
    {
        RecordedStoryMode mode;
        mode.init(screen);
        int frames = 0;
        bool paused = false;
        Fighter* player = nullptr;
        Fighter* boss = nullptr;
        FightEnd end;
        {
            FrameWatch watch(
                [&](SDL_Surface* s)
                {
                    if (shows(s, 5, 5, kPauseColour))
                    {
                        if (!paused)
                        {
                            pushKey(SDLK_DOWN);
                            pushKey(kConfirm1);
                        }
                        paused = true;
                        return;
                    }
                    if (!mode.fightUI.fighter1 || ++frames < 5)
                        return;
                    if (frames == 5)
                    {
                        player = mode.fightUI.fighter1;
                        boss = mode.fightUI.fighter2;
                        EXPECT_EQ(player->strength, 3);
                        EXPECT_EQ(player->defence, 2);
                        EXPECT_EQ(player->speed, 4 + 4);
                        EXPECT_EQ(player->maxHP, 45) << "30 raised by (5 + 10) / 10";
                        EXPECT_EQ(boss->maxHP, 1000);
                        EXPECT_EQ(boss->maxPower, 100);
                        EXPECT_EQ(boss->strength, 3);
                        EXPECT_EQ(boss->defence, 2);
                        EXPECT_EQ(mode.opponentTarget.target, boss);
                        EXPECT_EQ(mode.playerTarget.target, player);
                    }
                    if (c.ending == Ending::BossDown)
                        mode.fightUI.fighter2->hp = 0;
                    else if (c.ending == Ending::PlayerDown)
                        mode.fightUI.fighter1->hp = 0;
                    else if (frames % 20 == 0 && !paused)
                        pushKey(SDLK_ESCAPE);
                },
                20000);
            end = mode.bossFight(kVlad);
            EXPECT_FALSE(watch.ranAway)
                << static_cast<int>(c.ending) << " paused " << paused << " frames " << frames;
        }
        EXPECT_EQ(end, c.want) << static_cast<int>(c.ending);
        EXPECT_NE(player, nullptr);
        EXPECT_EQ(mode.fightUI.fighter1, nullptr) << "the HUD lets go of the fighters that went";
        EXPECT_FALSE(fullyQuit);
    }
}

TEST_F(StoryBossTest, ABossWithoutPicturesCountsAsNarrow)
{
    characterData loaded("data/characters/Vlad/chardata", screen, 0, nullptr);
    EXPECT_EQ(firstPictureWidth(loaded.fighter), 40);
    Fighter empty;
    EXPECT_EQ(firstPictureWidth(empty), 0);
    EXPECT_EQ(bossApproachDistance(firstPictureWidth(empty)), 50);
}
} // namespace

namespace
{
constexpr Colour kCity{30, 60, 30};
constexpr Colour kLocked{90, 20, 20};
constexpr Colour kOpen{240, 200, 40};
constexpr Colour kRing{20, 200, 240};
constexpr Colour kPanel{230, 220, 200};
constexpr Colour kGameOver{140, 10, 10};

// Tells each new screen from further frames of the same one: the screens
// drawn here differ in the colour at (600, 400).
struct ScreenVisits
{
    bool sawNew(SDL_Surface* s)
    {
        const Uint32 now = pixelAt(s, 600, 400);
        const bool fresh = now != last;
        last = now;
        return fresh;
    }
    Uint32 last = 0;
};

class StoryPassesTest : public ::testing::Test
{
protected:
    StoryPassesTest()
    {
        openTestVideo();
        fullyQuit = false;
        drainQueue();
        writePads();
        writeDamageFont();
        writePauseScreen();
        makeDirs("data/gameFiles");
        writePictures("data/screens/levelSelect", {Picture{640, 480, kCity}});
        writePictures("data/screens/levelSelect/node", {Picture{20, 20, kLocked}, Picture{20, 20, kOpen}});
        writePictures("data/screens/levelSelect/player", std::vector<Picture>(4, Picture{30, 30, kRing}));
        writePictures("data/screens/loot", {Picture{640, 480, kPanel}});
        writePictures("data/screens/gameOver", {Picture{640, 480, kGameOver}});
    }
    ~StoryPassesTest() override
    {
        fullyQuit = false;
        drainQueue();
    }

    ScratchDir dir;
    SDL_Surface* screen = openTestVideo();
};

TEST_F(StoryPassesTest, AWonChapterIsRewardedAndTheMapOpensItsNextNode)
{
    RecordedStoryMode mode;
    mode.init(screen);
    ScreenVisits visits;
    int maps = 0;
    int loots = 0;
    bool nextNodeOpen = false;
    {
        FrameWatch watch(
            [&](SDL_Surface* s)
            {
                if (!visits.sawNew(s))
                    return;
                if (shows(s, 600, 300, kPanel))
                {
                    ++loots;
                    pushKey(kConfirm1);
                    return;
                }
                if (!shows(s, 600, 400, kCity))
                    return;
                if (maps++ == 0)
                {
                    // A new save: node 0 locked, yet confirming it runs it.
                    EXPECT_TRUE(shows(s, 81 + 10, 242 + 10, kLocked));
                    pushKey(kConfirm1);
                }
                else if (maps == 2)
                {
                    nextNodeOpen = shows(s, 81 + 10, 242 + 10, kOpen);
                    EXPECT_TRUE(shows(s, 42 - 5, 242 - 5, kRing)) << "the cursor stays on the node played";
                    pushKey(SDLK_ESCAPE);
                }
            },
            5000);
        mode.update();
        EXPECT_FALSE(watch.ranAway);
    }
    EXPECT_EQ(mode.log, (std::vector<std::string>{"scene 1", "stage nicksPlace"}));
    EXPECT_EQ(loots, 1);
    EXPECT_TRUE(nextNodeOpen);
    storyFile saved;
    saved.loadStoryFile();
    EXPECT_EQ(saved.progress, 2);
    EXPECT_EQ(saved.coins, 120);
    EXPECT_EQ(saved.weapons[1].exp, 200);
    EXPECT_EQ(saved.weapons[1].level, 1);
}

TEST_F(StoryPassesTest, ALossSavesNothingAndGoingOnReturnsToTheLostNode)
{
    storyFile save;
    save.progress = 3;
    save.saveStoryFile();
    const std::string before = readFile("data/gameFiles/story.conf");

    RecordedStoryMode mode;
    mode.stageEnd = FightEnd::Lost;
    mode.init(screen);
    ScreenVisits visits;
    int maps = 0;
    int gameOvers = 0;
    bool cursorOnLostNode = false;
    {
        FrameWatch watch(
            [&](SDL_Surface* s)
            {
                if (!visits.sawNew(s))
                    return;
                if (shows(s, 600, 400, kGameOver))
                {
                    ++gameOvers;
                    pushKey(kConfirm1); // go on
                    return;
                }
                if (!shows(s, 600, 400, kCity))
                    return;
                if (maps++ == 0)
                {
                    pushKey(SDLK_RIGHT);
                    pushKey(SDLK_RIGHT);
                    pushKey(kConfirm1);
                }
                else if (maps == 2)
                {
                    cursorOnLostNode = shows(s, 132 - 5, 242 - 5, kRing);
                    pushKey(SDLK_ESCAPE);
                }
            },
            5000);
        mode.update();
        EXPECT_FALSE(watch.ranAway);
    }
    EXPECT_EQ(mode.log, (std::vector<std::string>{"scene 4", "stage borderStreet"}));
    EXPECT_EQ(gameOvers, 1);
    EXPECT_TRUE(cursorOnLostNode);
    EXPECT_EQ(readFile("data/gameFiles/story.conf"), before);
    EXPECT_TRUE(mode.flow.quit);
    EXPECT_FALSE(mode.flow.gameOver);
}

TEST_F(StoryPassesTest, ClosingTheWindowOnTheMapEndsTheModeWithNothingRun)
{
    RecordedStoryMode mode;
    mode.init(screen);
    {
        FrameWatch watch([&](SDL_Surface*) { pushQuit(); }, 100);
        mode.update();
    }
    EXPECT_TRUE(fullyQuit);
    EXPECT_TRUE(mode.log.empty());
    EXPECT_TRUE(mode.flow.quit);
}
} // namespace

namespace
{
class StoryStageTest : public ::testing::Test
{
protected:
    StoryStageTest()
    {
        // The new campaign's bat in both slots, and an ally's folder.
        writeStageData({"Grunt", "NickBBBat", "Helper"});
        makeDirs("data/gameFiles");
        readyForStage();
    }
    ~StoryStageTest() override
    {
        fullyQuit = false;
        setTestClockAutoAdvance(0);
        drainQueue();
    }

    ScratchDir dir;
    SDL_Surface* screen = openTestVideo();
};

TEST_F(StoryStageTest, StagesAndTheCreditsRunWithThePlayerAsSavedAndTheirEndIsRead)
{
    storyFile save;
    save.hpLevel = 5;
    save.saveStoryFile();
    enum class Runner
    {
        Stage,
        Credits
    };
    const struct
    {
        Runner runner;
        int ally;
        const char* bonus;
        bool knockOut;
        FightEnd want;
    } cases[] = {
        {Runner::Stage, 0, "Merrowby", false, FightEnd::Won},
        {Runner::Stage, 8, "Helper", false, FightEnd::Won},
        {Runner::Stage, 8, "Nobody", true, FightEnd::Lost}, // a missing bonus folder: no ally
        {Runner::Stage, 9, "Helper", false, FightEnd::Won},
        {Runner::Credits, 8, "Helper", false, FightEnd::Won},
    };
    for (const auto& c : cases)
    {
        allyFile allies;
        allies.equippedAlly = c.ally;
        allies.bonusAllyName = c.bonus;
        allies.saveAllyFile();

        RecordedStoryMode mode;
        mode.init(screen);
        // Steps that keep the stage going until the test has looked at it.
        TableScript script({EnemySpec{"Grunt", 30, 0, 900}}, {{segmentKind::monitorWave, 0}});
        int playerHP = 0;
        bool playerSideOnly = false;
        FightEnd end;
        {
            FrameWatch watch(
                [&](SDL_Surface*)
                {
                    if (!mode.fightUI.fighter1)
                        return;
                    Fighter* player = mode.fightUI.fighter1;
                    playerHP = player->maxHP;
                    playerSideOnly = mode.fightUI.fighter2 == nullptr;
                    if (c.knockOut)
                        player->hp = 0;
                    else if (script.numEnemies > 0 && script.enemies[0].fighter)
                        script.enemies[0].fighter->hp = 0;
                },
                20000);
            end = c.runner == Runner::Stage ? mode.fight("street", &script)
                                            : mode.storyMode::credits("street", &script);
            EXPECT_FALSE(watch.ranAway);
        }
        EXPECT_EQ(end, c.want) << c.ally << " " << c.bonus;
        EXPECT_EQ(playerHP, 150) << "100 raised by (5 + 10) / 10";
        EXPECT_TRUE(playerSideOnly) << "the HUD shows the player's side only";
        EXPECT_EQ(mode.fightUI.fighter1, nullptr);
    }
}
} // namespace

namespace
{
class StoryMenuNodesTest : public ::testing::Test
{
protected:
    StoryMenuNodesTest()
    {
        writePads();
        makeDirs("data/gameFiles");
        writePictures("data/screens/shop", {Picture{640, 480, kShop}});
        writePictures("data/screens/weaponSelect/new", {Picture{640, 480, kWeapons}});
        writePictures("data/screens/allySelect", {Picture{640, 480, kAllies}});
        fullyQuit = false;
        drainQueue();
    }
    ~StoryMenuNodesTest() override
    {
        fullyQuit = false;
        drainQueue();
    }

    static constexpr Colour kShop{200, 120, 40};
    static constexpr Colour kWeapons{40, 120, 200};
    static constexpr Colour kAllies{120, 200, 40};
    ScratchDir dir;
    SDL_Surface* screen = openTestVideo();
};

TEST_F(StoryMenuNodesTest, TheShopWeaponAndAllyNodesOpenTheirScreensAndLeaveTheModeRunning)
{
    const struct
    {
        int node;
        Colour shown;
    } cases[] = {{4, kShop}, {11, kShop}, {5, kWeapons}, {16, kWeapons}, {6, kAllies}, {12, kAllies}};
    for (const auto& c : cases)
    {
        storyMode mode;
        mode.init(screen);
        int frames = 0;
        bool shown = false;
        {
            FrameWatch watch(
                [&](SDL_Surface* s)
                {
                    if (frames++ == 0)
                    {
                        shown = shows(s, 620, 10, c.shown);
                        pushKey(SDLK_ESCAPE);
                    }
                },
                100);
            mode.selectLevel(c.node);
            EXPECT_FALSE(watch.ranAway) << "node " << c.node;
        }
        EXPECT_TRUE(shown) << "node " << c.node;
        EXPECT_FALSE(mode.flow.quit) << "node " << c.node;
        EXPECT_FALSE(mode.flow.gameOver) << "node " << c.node;
    }
}

TEST(StoryStagesTest, EveryChapterStageAndTheCreditsAreStagesOfTheGameOnTheirOwnBackground)
{
    int stages = 0;
    for (const Chapter& chapter : kChapters)
    {
        if (!chapter.stage.background)
            continue;
        ++stages;
        const stageEntry* entry = storyStage(chapter.stage.level);
        ASSERT_NE(entry, nullptr) << chapter.name;
        EXPECT_STREQ(entry->background, chapter.stage.background) << chapter.name;
    }
    EXPECT_EQ(stages, 10);
    const stageEntry* credits = storyStage(kCreditsStage);
    ASSERT_NE(credits, nullptr);
    EXPECT_STREQ(credits->background, "credits");
    EXPECT_EQ(storyStage(10), nullptr);
}
} // namespace
