// The balance report's own logic: how a child run ended, a row's medians over
// its cleared runs only, and knock-out times and ratios where a side deals no
// damage.
#include "tools/stagerun/balance_figures.h"
#include "tools/stagerun/child_runs.h"

#include <csignal>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

namespace
{
using std::chrono::milliseconds;

// Each kind of child, run side by side in one pool.
enum class childKind
{
    Answers,     // sends its number back
    CannotStart, // its job says so
    QuitsMidway, // exits without its result, as a game that calls exit would
    Crashes,     // dies by a signal
    Hangs        // waits for ever
};

struct childCase
{
    const char* what;
    childKind kind;
    childEnd expected;
};

constexpr childCase kChildren[] = {
    {"a child that answers", childKind::Answers, childEnd::Ran},
    {"a child whose job cannot start", childKind::CannotStart, childEnd::FailedToStart},
    {"a child that exits without writing", childKind::QuitsMidway, childEnd::Crashed},
    {"a child killed by a signal", childKind::Crashes, childEnd::Crashed},
    {"a child that hangs past its limit", childKind::Hangs, childEnd::TimedOut},
};

TEST(BalanceChildRuns, EachChildEndsAsItDid)
{
    const std::size_t n = std::size(kChildren);
    std::vector<int> endedTimes(n, 0);
    std::vector<childEnd> ends(n, childEnd::Ran);
    std::vector<int> answers(n, -1);
    const bool ok = runInChildren<int>(
        n, static_cast<int>(n),
        // Only the hanging child meets its limit; the others end at once, however busy the machine.
        [](std::size_t i)
        { return kChildren[i].kind == childKind::Hangs ? milliseconds(200) : milliseconds(60000); },
        [](std::size_t i, int& answer)
        {
            // A crash writes no core file.
            const rlimit noCore{0, 0};
            setrlimit(RLIMIT_CORE, &noCore);
            switch (kChildren[i].kind)
            {
            case childKind::Answers:
                answer = 40 + static_cast<int>(i);
                return true;
            case childKind::CannotStart:
                return false;
            case childKind::QuitsMidway:
                _exit(0);
            case childKind::Crashes:
                std::raise(SIGSEGV);
                break;
            case childKind::Hangs:
                for (;;)
                    pause();
            }
            return true;
        },
        [&](std::size_t i, const childRun& run, const int* answer)
        {
            ++endedTimes[i];
            ends[i] = run.end;
            if (answer)
                answers[i] = *answer;
        });
    EXPECT_TRUE(ok);
    for (std::size_t i = 0; i < n; ++i)
    {
        SCOPED_TRACE(kChildren[i].what);
        EXPECT_EQ(endedTimes[i], 1);
        EXPECT_EQ(ends[i], kChildren[i].expected) << childEndName(ends[i]);
        EXPECT_EQ(answers[i], kChildren[i].kind == childKind::Answers ? 40 + static_cast<int>(i) : -1);
    }
}

TEST(BalanceChildRuns, MoreJobsThanSlotsAllRunOnceWithTheirOwnResults)
{
    constexpr std::size_t kJobs = 12;
    std::vector<int> seen(kJobs, 0);
    std::vector<std::size_t> results(kJobs, 0);
    EXPECT_TRUE(runInChildren<std::size_t>(
        kJobs, 3, [](std::size_t) { return milliseconds(60000); },
        [](std::size_t i, std::size_t& r)
        {
            r = i * i;
            return true;
        },
        [&](std::size_t i, const childRun& run, const std::size_t* r)
        {
            ++seen[i];
            EXPECT_EQ(run.end, childEnd::Ran);
            if (r)
                results[i] = *r;
        }));
    for (std::size_t i = 0; i < kJobs; ++i)
    {
        EXPECT_EQ(seen[i], 1) << i;
        EXPECT_EQ(results[i], i * i) << i;
    }
}

// A run's end with its figures.
runEnd ran(int cleared, int finished, int health, unsigned gameMs)
{
    runEnd r;
    r.end = childEnd::Ran;
    r.figures.cleared = cleared;
    r.figures.finished = finished;
    r.figures.healthLeft = health;
    r.figures.maxHealth = 800;
    r.figures.gameMs = gameMs;
    return r;
}

runEnd ended(childEnd end)
{
    runEnd r;
    r.end = end;
    return r;
}

TEST(BalanceTally, HealthAndTimeAreMediansOverTheClearedRunsAndOddEndsAreCountedApart)
{
    const std::vector<runEnd> runs = {
        ran(1, 1, 500, 100000),
        ran(1, 1, 300, 140000),
        ran(1, 1, 700, 120000),
        // A loss and a run stopped at the limit keep health, which must not count.
        ran(0, 1, 0, 30000),
        ran(0, 0, 790, 900000),
        ended(childEnd::Crashed),
        ended(childEnd::FailedToStart),
        ended(childEnd::TimedOut),
        ended(childEnd::TimedOut),
    };
    const runTally t = tallyRuns(runs);
    EXPECT_EQ(t.runs, 9);
    EXPECT_EQ(t.cleared, 3);
    EXPECT_EQ(t.lost, 1);
    EXPECT_EQ(t.leftAtLimit, 1);
    EXPECT_EQ(t.crashed, 1);
    EXPECT_EQ(t.failedToStart, 1);
    EXPECT_EQ(t.timedOut, 2);
    EXPECT_EQ(t.maxHealth, 800);
    ASSERT_TRUE(t.healthLeft && t.gameSeconds);
    EXPECT_DOUBLE_EQ(*t.healthLeft, 500);
    EXPECT_DOUBLE_EQ(*t.gameSeconds, 120);
}

TEST(BalanceTally, NoClearMeansNoMedianAndAnEvenCountTakesTheMiddleTwo)
{
    const runTally none = tallyRuns({ran(0, 1, 0, 30000), ran(0, 0, 400, 900000), ended(childEnd::Crashed)});
    EXPECT_EQ(none.cleared, 0);
    EXPECT_FALSE(none.healthLeft);
    EXPECT_FALSE(none.gameSeconds);

    const runTally two = tallyRuns({ran(1, 1, 200, 60000), ran(1, 1, 600, 90000)});
    EXPECT_DOUBLE_EQ(*two.healthLeft, 400);
    EXPECT_DOUBLE_EQ(*two.gameSeconds, 75);
}

TEST(BalanceKnockOut, TimesAndRatiosWithSidesThatDealNothing)
{
    // 100 damage a minute takes 1000 health in ten minutes.
    EXPECT_DOUBLE_EQ(knockOutSeconds(100, 1000, 60), 600);
    EXPECT_EQ(knockOutSeconds(0, 1000, 60), kNever);
    EXPECT_EQ(knockOutSeconds(-5, 1000, 60), kNever);

    const struct
    {
        double opponent;
        double own;
        double ratio;
    } cases[] = {
        {60, 20, 3}, {20, 60, 1.0 / 3}, {kNever, 20, kNever}, {20, kNever, 0}, {kNever, kNever, 1}, {0, 0, 1},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(std::to_string(c.opponent) + " over " + std::to_string(c.own));
        EXPECT_DOUBLE_EQ(knockOutRatio(c.opponent, c.own), c.ratio);
    }
}

TEST(BalanceKnockOut, APairingTakesTheMedianOfItsFightsAndTheQuickerWins)
{
    // Three fights: the first side's times 30, 50, never; the second's 90, 40, 100.
    const pairingFigures p = pairingOf({{{30, 90}}, {{50, 40}}, {{kNever, 100}}});
    EXPECT_EQ(p.fights, 3);
    EXPECT_DOUBLE_EQ(p.knockOut[0], 50);
    EXPECT_DOUBLE_EQ(p.knockOut[1], 90);
    EXPECT_EQ(p.winner, 0);
    EXPECT_DOUBLE_EQ(p.ratio(0), 90.0 / 50);
    EXPECT_DOUBLE_EQ(p.ratio(1), 50.0 / 90);

    // Two fights, one never knocking out in either: the median of a time and never is never.
    const pairingFigures halfNever = pairingOf({{{20, kNever}}, {{kNever, kNever}}});
    EXPECT_EQ(halfNever.knockOut[0], kNever);
    EXPECT_EQ(halfNever.winner, -1);
    EXPECT_DOUBLE_EQ(halfNever.ratio(0), 1);

    const pairingFigures noneRan = pairingOf({});
    EXPECT_EQ(noneRan.fights, 0);
    EXPECT_EQ(noneRan.winner, -1);
}
} // namespace
