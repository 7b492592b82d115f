// The game clock: a test's clock, and a run that must never fall back to SDL's.
#include "engine/clock.h"

#include <gtest/gtest.h>

namespace
{
class ClockTest : public ::testing::Test
{
protected:
    void TearDown() override
    {
        requireTestClock(false);
        releaseTestClock();
    }
};

TEST_F(ClockTest, AHeldClockReadsWhatWasSetAndMovesOnlyWhenTold)
{
    setTestClock(4294967000u);
    EXPECT_EQ(gameTicks(), 4294967000u);
    advanceTestClock(500);
    EXPECT_EQ(gameTicks(), 204u) << "the clock wraps as SDL's does";
    setTestClockAutoAdvance(7);
    EXPECT_EQ(gameTicks(), 204u);
    EXPECT_EQ(gameTicks(), 211u);
    releaseTestClock();
    EXPECT_FALSE(testClockHeld());
    setTestClock(10);
    EXPECT_EQ(gameTicks(), 10u);
    EXPECT_EQ(gameTicks(), 10u) << "releasing ends the automatic advance";
}

// A run that holds the clock, releases it and holds it again between its
// parts, as the tools do, reads freely while it is held.
TEST_F(ClockTest, ARequiredClockReadsWhileHeldAndMayBeReleasedBetweenRuns)
{
    setTestClock(1000);
    requireTestClock(true);
    EXPECT_TRUE(testClockRequired());
    EXPECT_EQ(gameTicks(), 1000u);
    releaseTestClock();
    setTestClock(1000);
    EXPECT_EQ(gameTicks(), 1000u);
    requireTestClock(false);
    releaseTestClock();
    EXPECT_FALSE(testClockRequired());
    gameTicks(); // SDL's clock again, allowed once no longer required
}

TEST_F(ClockTest, AReadWithNoTestClockWhileOneIsRequiredAbortsNamingTheFault)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(
        {
            requireTestClock(true);
            releaseTestClock();
            gameTicks();
        },
        "gameTicks: the game clock was read with no test clock held while one is required");
    // Required but never held: the first read aborts too.
    EXPECT_DEATH(
        {
            requireTestClock(true);
            gameTicks();
        },
        "requireTestClock");
}
} // namespace
