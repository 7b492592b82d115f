// A stage run is its own: the same stage and seed played again in the same
// process, after a run left with the clock far ahead, plays the same.
#include "control/beat_em_up_control.h"
#include "engine/globals.h"
#include "fighter/fighter.h"
#include "screens/beat_em_up_stage.h"
#include "tests/support/test_support.h"
#include "tools/stagerun/stage_run.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <vector>

using namespace testing_support;

TEST(StageRunRepeat, TheSameSeedPlaysTheSameTwiceInOneProcess)
{
    ASSERT_NE(openTestVideo(), nullptr);
    ScratchDir dir;
    RequiredTestClock clock;
    std::filesystem::create_directory_symlink(QUILLFEN_DATA_TREE, "data");
    // Where the player stands every second, and how the runs end.
    struct Run
    {
        std::vector<int> x;
        int enemiesDown = 0;
        int segmentsReached = 0;
    };
    auto play = [&]
    {
        Run run;
        fullyQuit = false;
        g_randomNumber.seed(1);
        stageRunOptions o;
        o.stage = "Lv0";
        o.timeLimitMs = 20000;
        int frame = 0;
        o.everyFrame = [&](beatEmUpStageBase& stage)
        {
            if (frame++ % 30 == 0)
                run.x.push_back(stage.player->fighter->x);
        };
        const stageRunResult r = runStage(screen, o);
        run.enemiesDown = r.enemiesDown;
        run.segmentsReached = r.segmentsReached;
        return run;
    };
    const Run first = play();
    const Run second = play();
    ASSERT_GT(first.x.size(), 10u);
    // The first run really played: the player moved and fought.
    EXPECT_NE(std::count(first.x.begin(), first.x.end(), first.x.front()), static_cast<long>(first.x.size()))
        << "the player moved";
    EXPECT_GT(first.enemiesDown, 0) << "the player fought";
    EXPECT_EQ(second.x, first.x);
    EXPECT_EQ(second.enemiesDown, first.enemiesDown);
    EXPECT_EQ(second.segmentsReached, first.segmentsReached);
}
