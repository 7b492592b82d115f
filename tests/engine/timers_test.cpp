// Countdowns and the random source.
#include "engine/timers.h"

#include <gtest/gtest.h>
#include <set>

namespace
{
TEST(DelayCounter, DropsByTheGatheredTimeOnceItPassesThree)
{
    delayCounter d;
    d.update(1000); // the first update measures from tick 0
    d.setDelay(300.0f);
    const int ticks[] = {1010, 1020, 1030};
    for (int t : ticks)
    {
        d.update(t);
        EXPECT_FLOAT_EQ(d.returnDelay(), 300.0f) << "at " << t;
    }
    d.update(1040); // sum 4.0 > 3.0
    EXPECT_FLOAT_EQ(d.returnDelay(), 296.0f);
    d.update(1040); // same tick adds nothing
    EXPECT_FLOAT_EQ(d.returnDelay(), 296.0f);
}

TEST(DelayCounter, FirstUpdateMeasuresFromTickZeroAndTheDelayStopsAtZero)
{
    delayCounter late;
    late.setDelay(300.0f);
    late.update(60000);
    EXPECT_FLOAT_EQ(late.returnDelay(), 0.0f);

    delayCounter negative;
    negative.setDelay(-5.0f);
    negative.update(0);
    EXPECT_FLOAT_EQ(negative.returnDelay(), 0.0f);

    delayCounter zero;
    zero.update(5000);
    EXPECT_FLOAT_EQ(zero.returnDelay(), 0.0f);
}

TEST(RandomNumber, StaysInRangeAndReplaysFromASeed)
{
    randomNumber r;
    r.seed(7);
    std::set<int> seen;
    std::vector<int> first;
    for (int i = 0; i < 300; ++i)
    {
        const int n = r.getNumber(3);
        ASSERT_GE(n, 0);
        ASSERT_LT(n, 3);
        seen.insert(n);
        first.push_back(n);
    }
    EXPECT_EQ(seen.size(), 3u);
    r.seed(7);
    for (int i = 0; i < 300; ++i)
        ASSERT_EQ(r.getNumber(3), first[static_cast<std::size_t>(i)]);

    for (int i = 0; i < 50; ++i)
    {
        EXPECT_EQ(r.getNumber(1), 0);
        EXPECT_EQ(r.getNumber(0), 0);
        EXPECT_EQ(r.getNumber(-4), 0);
        const int raw = runtimeRand();
        EXPECT_GE(raw, 0);
        EXPECT_LE(raw, 32767);
    }
}
} // namespace
