// Menu frames wait out their sixtieth of a second; fights and stages never wait.
#include "engine/frame_pace.h"

#include <algorithm>
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
                            longestWait = std::max(longestWait, ms);
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
    Uint32 longestWait = 0;
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

// Frames a little late now and then (a wait that woke late, a frame that took
// slightly too long) keep the count: the next frame waits less, and sixty
// frames still take exactly one second.
TEST_F(FramePaceTest, AFrameLateByLessThanAFrameIsMadeUpByTheNextWait)
{
    frames(1, 2);
    const Uint32 start = now;
    std::vector<Uint32> ends = frames(29, 2);
    now += 24; // the 30th frame takes 26 ms and ends 9 ms past its due time
    const std::vector<Uint32> rest = frames(31, 2);
    ends.insert(ends.end(), rest.begin(), rest.end());
    EXPECT_EQ(ends[29] - ends[28], 26u) << "the late frame itself is not waited for";
    EXPECT_EQ(ends[30] - ends[29], 7u) << "the next one waits only what is left of its sixtieth";
    EXPECT_EQ(ends.back() - start, 1000u);
}

// SDL's tick counter wraps after 49.7 days: frames quick and slow keep their
// pace across it, and no wait is ever longer than a frame.
TEST_F(FramePaceTest, ThePaceHoldsWhereTheTickCounterWraps)
{
    const struct
    {
        const char* what;
        Uint32 cost;
        Uint32 waited; // in the 600 frames after the first
    } cases[] = {
        {"frames of 5 ms", 5, 10000 - 5 * 600},
        {"frames of 16 ms", 16, 10000 - 16 * 600},
        {"frames of 17 ms", 17, 0},
        {"frames of 25 ms", 25, 0},
        {"frames of 40 ms", 40, 0},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.what);
        for (Uint32 before : {1u, 9u, 17u, 300u, 5000u})
        {
            SCOPED_TRACE("starting " + std::to_string(before) + " ms before the wrap");
            setFrameWaiter({[this] { return now; },
                            [this](Uint32 ms)
                            {
                                waited += ms;
                                longestWait = std::max(longestWait, ms);
                                now += ms;
                            }});
            now = 0u - before;
            waited = 0;
            longestWait = 0;
            frames(1, c.cost);
            const Uint32 start = now;
            const std::vector<Uint32> ends = frames(600, c.cost);
            EXPECT_LE(longestWait, 17u);
            EXPECT_EQ(waited, c.waited);
            if (c.waited > 0)
            {
                EXPECT_EQ(ends.back() - start, 10000u) << "exactly sixty frames a second";
            }
            for (std::size_t i = 1; i < ends.size(); ++i)
                EXPECT_GE(ends[i] - ends[i - 1], std::min<Uint32>(16u, c.cost)) << i;
        }
    }
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
