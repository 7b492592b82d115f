// Every level of the arcade run on the generated data tree: its real script
// builds in a real stage with the player's fighter, every enemy and boss is
// a loaded character, and its background has pictures.
#include "engine/background.h"
#include "engine/clock.h"
#include "engine/globals.h"
#include "engine/present.h"
#include "fighter/animation_set.h"
#include "fighter/fighter.h"
#include "control/enemy_ai.h"
#include "modes/arcade_mode.h"
#include "screens/segment_builder.h"
#include "stages/stage_table.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>
#include <unistd.h>

using namespace testing_support;

namespace
{
// A fighter whose character folder was found and read.
bool loaded(const Fighter* f)
{
    return f && f->maxHP > 0 && f->animSet && f->animSet->count > 0;
}
} // namespace

// Each level plays one frame of its stage; the window then closes, which
// leaves the stage and ends the run with the level passed.
TEST(ArcadeLevels, EveryLevelBuildsOnTheGeneratedData)
{
    ScratchDir dir;
    // The build's own tree: writing every stage's characters and backgrounds
    // again would take far longer than playing them.
    ASSERT_EQ(symlink(QUILLFEN_DATA_TREE, "data"), 0);
    SDL_Surface* screen = openTestVideo();
    ASSERT_NE(screen, nullptr);
    RequiredTestClock clock;
    setTestClockAutoAdvance(1);
    g_randomNumber.seed(1);

    arcadeMode mode;
    mode.init(screen);
    mode.player1Name = "Nick";
    beatEmUpSegmentBuilder* script = nullptr;
    mode.playStage = [&](const char* background, beatEmUpSegmentBuilder* builder)
    {
        script = builder;
        return mode.playChosenPlayers(background, builder);
    };
    int stageFrames = 0;
    setFrameObserver(
        [&](SDL_Surface*)
        {
            // The HUD holds the player only while a stage runs.
            Fighter* player = mode.fightUI.fighter1;
            if (!player || fullyQuit)
                return;
            ++stageFrames;
            EXPECT_TRUE(loaded(player)) << "Nick";
            EXPECT_GT(script->numSegments, 0);
            EXPECT_GT(script->numEnemies, 0);
            for (int i = 0; i < script->numEnemies; ++i)
                EXPECT_TRUE(loaded(script->enemies[i].fighter)) << "enemy " << i;
            fullyQuit = true;
        });
    for (int level = 1; level <= arcadeMode::kLastLevel; ++level)
    {
        const stageEntry* stage = arcadeMode::levelStage(level);
        ASSERT_NE(stage, nullptr);
        SCOPED_TRACE(std::to_string(level) + " " + stage->name);
        fullyQuit = false;
        stageFrames = 0;
        mode.quit = false;
        mode.selectLevel(level);
        EXPECT_EQ(stageFrames, 1);
        EXPECT_TRUE(mode.quit);
        EXPECT_FALSE(mode.lost);
        EXPECT_EQ(mode.level, level + 1);

        background bg(screen);
        bg.init(stage->background);
        EXPECT_FALSE(bg.layers.empty()) << stage->background;
        for (const auto& layer : bg.layers)
            EXPECT_GT(layer->sheet.frameCount(), 0) << stage->background;
    }
    setFrameObserver(nullptr);
    fullyQuit = false;
}
