// Menu frames wait out their sixtieth of a second; fights and stages never wait.
#include "engine/frame_pace.h"

#include <gtest/gtest.h>
#include <vector>

namespace
{
// Presents frames that each take the given time on a clock the test holds,
// and notes when each frame was shown and the next could start.
class FramePaceTest : public ::testing::Test
{
protected:
    FramePaceTest()
    {
        setFrameWaiter({[this] { return now; },
                        [this](Uint32 ms)
                        {
                            waited += ms;
                            now += ms;
                        }});
    }
    ~FramePaceTest() override { setFrameWaiter({}); }

    // Frames taking `cost` ms each; the times they ended, waits included.
    std::vector<Uint32> frames(int count, Uint32 cost)
    {
        std::vector<Uint32> ends;
        for (int i = 0; i < count; ++i)
        {
            now += cost;
            paceFrame();
            ends.push_back(now);
        }
        return ends;
    }

    Uint32 now = 1000;
    Uint32 waited = 0;
};

TEST_F(FramePaceTest, MenuFramesComeSixtyASecond)
{
    const struct
    {
        const char* what;
        Uint32 cost;
        Uint32 waited;
    } cases[] = {
        {"frames drawn at once", 0, 1000},
        {"frames of 5 ms", 5, 1000 - 5 * 60},
        {"frames of 16 ms", 16, 1000 - 16 * 60},
        {"frames slower than a sixtieth", 25, 0},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.what);
        // A pause longer than a frame (a load) starts the count again.
        now += 1000;
        waited = 0;
        frames(1, c.cost);
        const Uint32 start = now;
        const std::vector<Uint32> ends = frames(60, c.cost);
        // Sixty more frames take a second at the least, and the waits no more
        // than what makes it up (they fall on whole milliseconds).
        EXPECT_GE(ends.back() - start, 999u);
        EXPECT_LE(waited, c.waited);
        EXPECT_GE(waited + 1, c.waited);
        for (std::size_t i = 1; i < ends.size(); ++i)
            EXPECT_GE(ends[i] - ends[i - 1], 16u) << i;
    }
}

TEST_F(FramePaceTest, ALateFrameIsNotMadeUpWithAHurry)
{
    frames(10, 2);
    now += 300;
    const std::vector<Uint32> after = frames(5, 2);
    for (std::size_t i = 1; i < after.size(); ++i)
        EXPECT_GE(after[i] - after[i - 1], 16u) << i;
}

TEST_F(FramePaceTest, FreeFramesNeverWaitAndScopesNest)
{
    {
        framePaceScope fight(FramePace::free);
        frames(30, 1);
        EXPECT_EQ(waited, 0u);
        {
            framePaceScope pause(FramePace::menu);
            frames(3, 1);
            EXPECT_GT(waited, 0u);
        }
        EXPECT_EQ(currentFramePace(), FramePace::free);
        const Uint32 before = waited;
        frames(30, 1);
        EXPECT_EQ(waited, before);
    }
    EXPECT_EQ(currentFramePace(), FramePace::menu);
}

TEST_F(FramePaceTest, AnEmptyWaiterNeverWaits)
{
    setFrameWaiter({});
    const Uint32 before = now;
    frames(10, 0);
    EXPECT_EQ(now, before);
}
} // namespace
