// The balance report's own logic: how a child run ended, and a row's medians
// over its cleared runs only.
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

} // namespace
