// The generated tree's stages played to their end: the scripted Nick clears
// level 0 alone, with the SadGhost ally and beside a second player; and the
// "walk on" prompts read back through the game's sprite loader.
#include "content/backgrounds.h"
#include "content/data_tree.h"
#include "content/roster/roster.h"
#include "engine/clock.h"
#include "engine/globals.h"
#include "engine/sprite_sheet.h"
#include "tests/support/test_support.h"
#include "tools/stagerun/stage_run.h"

#include <gtest/gtest.h>

using namespace testing_support;

namespace
{
// A scratch tree with what level 0 loads, written by the data generator.
class GeneratedStage : public ::testing::Test
{
protected:
    void SetUp() override
    {
        screen = openTestVideo();
        ASSERT_NE(screen, nullptr);
        ASSERT_TRUE(datagen::generateDataTree(".", {"effects", "faces", "fightsounds", "fonts", "fighthud",
                                                    "hud", "buttonicons", "overlays", "pause", "menusounds",
                                                    "gamepads", "music", "goarrows"}));
        ASSERT_TRUE(
            datagen::writeCharacters("data", {"Nick", "ZombieGuy", "FatZombie", "PostBox", "SadGhost"}));
        ASSERT_TRUE(datagen::writeStageBackgrounds("data", {"nicksPlace"}));
    }
    void TearDown() override
    {
        releaseTestClock();
        fullyQuit = false;
    }

    ScratchDir dir;
    SDL_Surface* screen = nullptr;
};
} // namespace

TEST_F(GeneratedStage, TheScriptedPlayerClearsLevel0)
{
    const struct
    {
        const char* name;
        const char* ally;
        bool two;
    } cases[] = {{"alone", "", false}, {"with SadGhost", "SadGhost", false}, {"two players", "", true}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        fullyQuit = false;
        freezeEnd = 0;
        setTestClock(1000);
        setTestClockAutoAdvance(1);
        g_randomNumber.seed(1);
        stageRunOptions o;
        o.stage = "Lv0";
        o.ally = c.ally;
        o.twoPlayers = c.two;
        const stageRunResult r = runStage(screen, o);
        ASSERT_TRUE(r.found);
        EXPECT_TRUE(r.finished);
        EXPECT_EQ(r.winner, 1);
        EXPECT_EQ(r.segmentsReached, 16);
        EXPECT_EQ(r.segmentCount, 16);
        EXPECT_EQ(r.enemiesDown, 20);
        EXPECT_LT(r.gameMs, 10u * 60u * 1000u) << "ten minutes of game time";
    }
}

TEST_F(GeneratedStage, TheWalkOnPromptsShowBelowTheHudsPlate)
{
    for (const char* name : {"goright", "goleft"})
    {
        SCOPED_TRACE(name);
        CSpriteBase sheet;
        ASSERT_EQ(sheet.init(std::string("data/screens/ui/") + name), 0);
        ASSERT_EQ(sheet.frameCount(), 4);
        for (int i = 0; i < 4; ++i)
        {
            const CSpriteFrame* f = sheet.normalFrame(i);
            ASSERT_NE(f, nullptr);
            EXPECT_EQ(f->pause, 80);
            ASSERT_NE(f->image, nullptr);
            EXPECT_LE(f->image->w, 104);
            EXPECT_LE(f->image->h, 72);
            ASSERT_TRUE(f->image->flags & SDL_SRCCOLORKEY);
            const Uint32 key = f->image->format->colorkey;
            bool clearTop = true, drawnBelow = false;
            for (int y = 0; y < f->image->h; ++y)
                for (int x = 0; x < f->image->w; ++x)
                {
                    const bool keyed = pixelAt(f->image, x, y) == key;
                    if (y < 17)
                        clearTop = clearTop && keyed;
                    else
                        drawnBelow = drawnBelow || !keyed;
                }
            EXPECT_TRUE(clearTop) << "frame " << i << ": the top 17 rows are keyed out";
            EXPECT_TRUE(drawnBelow) << "frame " << i;
        }
    }
}
