// Story mode's boss runner run headless: the player's two weapon sets built
// from the save with the shop's levels, the boss from the chapter's values,
// one round, and a win, a loss or the pause menu's quit read as the flow
// reads them.
#include "engine/clock.h"
#include "engine/globals.h"
#include "fighter/character_data.h"
#include "modes/story_fighters.h"
#include "modes/story_mode.h"
#include "tests/screens/fight_fixture.h"

#include <gtest/gtest.h>

using namespace testing_support;

namespace
{
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
        storyMode mode;
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
            end = mode.boss(kVlad);
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
