// The balance report's own logic: how a child run ended and what it said last
// on stderr, its runs and what they start ending with the report, and a row's
// medians over its cleared runs only.
#include "engine/clock.h"
#include "tools/stagerun/balance_figures.h"
#include "tools/stagerun/child_runs.h"
#include "tools/stagerun/report_runs.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <poll.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
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

// Writes `text` on stderr unbuffered, as the game's messages and an abort's reach it.
void writeError(const std::string& text)
{
    std::size_t done = 0;
    while (done < text.size())
    {
        const ssize_t n = write(STDERR_FILENO, text.data() + done, text.size() - done);
        if (n <= 0)
            _exit(1);
        done += static_cast<std::size_t>(n);
    }
}

// "line <from>" to "line <to>", one a line.
std::string numberedLines(int from, int to)
{
    std::string s;
    for (int i = from; i <= to; ++i)
        s += "line " + std::to_string(i) + "\n";
    return s;
}

std::vector<std::string> numberedList(int from, int to)
{
    std::vector<std::string> lines;
    for (int i = from; i <= to; ++i)
        lines.push_back("line " + std::to_string(i));
    return lines;
}

TEST(BalanceChildRuns, TheLastLinesAChildWroteOnStderrComeBackWithItsEnd)
{
    const std::string longLine(3 * kLongestErrorLine, 'x');
    const struct
    {
        const char* what;
        std::string written;
        childKind kind;
        childEnd expected;
        std::vector<std::string> lines;
    } cases[] = {
        {"a crash after many lines keeps the last", numberedLines(1, 20), childKind::Crashes,
         childEnd::Crashed, numberedList(21 - static_cast<int>(kKeptErrorLines), 20)},
        {"an abort's message without its line end",
         "loading\nrun aborted: no clock",
         childKind::Crashes,
         childEnd::Crashed,
         {"loading", "run aborted: no clock"}},
        {"a line too long to keep is cut, and said to be",
         longLine + "\nafter\n",
         childKind::Crashes,
         childEnd::Crashed,
         {std::string(kLongestErrorLine, 'x') + "...", "after"}},
        {"a child writing more than a pipe holds is read as it goes", numberedLines(1, 20000),
         childKind::Answers, childEnd::Ran, numberedList(20001 - static_cast<int>(kKeptErrorLines), 20000)},
        {"a child hung past its limit",
         "stuck in a wave\n",
         childKind::Hangs,
         childEnd::TimedOut,
         {"stuck in a wave"}},
        {"a silent crash", "", childKind::Crashes, childEnd::Crashed, {}},
    };
    const std::size_t n = std::size(cases);
    std::vector<childRun> runs(n);
    EXPECT_TRUE(runInChildren<int>(
        n, static_cast<int>(n),
        [&](std::size_t i)
        { return cases[i].kind == childKind::Hangs ? milliseconds(200) : milliseconds(60000); },
        [&](std::size_t i, int& answer)
        {
            const rlimit noCore{0, 0};
            setrlimit(RLIMIT_CORE, &noCore);
            writeError(cases[i].written);
            if (cases[i].kind == childKind::Crashes)
                std::abort();
            if (cases[i].kind == childKind::Hangs)
                for (;;)
                    pause();
            answer = 1;
            return true;
        },
        [&](std::size_t i, const childRun& run, const int*) { runs[i] = run; }));
    for (std::size_t i = 0; i < n; ++i)
    {
        SCOPED_TRACE(cases[i].what);
        EXPECT_EQ(runs[i].end, cases[i].expected) << childEndName(runs[i].end);
        EXPECT_EQ(runs[i].lastErrorLines, cases[i].lines);
    }
}

// A report run that reads SDL's clock is ended by an abort, whose message is
// what its crash row shows.
TEST(BalanceReportRun, AnAbortOnSdlsClockIsKeptForItsCrashRow)
{
    childRun crashed;
    EXPECT_TRUE(runInChildren<runFigures>(
        1, 1, [](std::size_t) { return milliseconds(60000); },
        [](std::size_t, runFigures& figures)
        {
            const rlimit noCore{0, 0};
            setrlimit(RLIMIT_CORE, &noCore);
            // The run is set up as every report run is, and then reads the clock it must not.
            reportRun run;
            run.stage = "NoSuchStage";
            playReportRun(run, figures);
            releaseTestClock();
            gameTicks();
            return true;
        },
        [&](std::size_t, const childRun& run, const runFigures*) { crashed = run; }));
    EXPECT_EQ(crashed.end, childEnd::Crashed) << childEndName(crashed.end);
    ASSERT_FALSE(crashed.lastErrorLines.empty());
    EXPECT_NE(crashed.lastErrorLines.back().find("requireTestClock"), std::string::npos)
        << crashed.lastErrorLines.back();
}

// A pipe whose ends the test closes by hand or at its end.
struct testPipe
{
    testPipe() { EXPECT_EQ(pipe(fd), 0); }
    ~testPipe()
    {
        closeEnd(0);
        closeEnd(1);
    }
    void closeEnd(int end)
    {
        if (fd[end] >= 0)
            close(fd[end]);
        fd[end] = -1;
    }
    int fd[2] = {-1, -1};
};

// Every process of a lifetime test holds the write end of a "life" pipe and
// writes nothing to it: its read end comes to its end once the last of them has
// ended. Waits for that up to `bound`, which only a process left running reaches.
bool allEnded(int lifeRead, std::chrono::seconds bound)
{
    const auto until = std::chrono::steady_clock::now() + bound;
    for (;;)
    {
        const auto left =
            std::chrono::duration_cast<milliseconds>(until - std::chrono::steady_clock::now()).count();
        if (left <= 0)
            return false;
        pollfd p{lifeRead, POLLIN, 0};
        const int ready = poll(&p, 1, static_cast<int>(left));
        if (ready < 0 && errno != EINTR)
            return false;
        char c;
        if (ready > 0 && read(lifeRead, &c, 1) == 0)
            return true;
    }
}

// Says which process it is on `ready`, then waits for ever.
[[noreturn]] void announceAndHang(int ready)
{
    const pid_t me = getpid();
    if (write(ready, &me, sizeof me) != static_cast<ssize_t>(sizeof me))
        _exit(1);
    for (;;)
        pause();
}

// Reads up to `count` process ids from `ready`, as many as came within `bound`.
std::vector<pid_t> readAnnounced(int ready, std::size_t count, std::chrono::seconds bound)
{
    std::vector<pid_t> pids;
    const auto until = std::chrono::steady_clock::now() + bound;
    while (pids.size() < count)
    {
        const auto left =
            std::chrono::duration_cast<milliseconds>(until - std::chrono::steady_clock::now()).count();
        pollfd p{ready, POLLIN, 0};
        if (left <= 0 || poll(&p, 1, static_cast<int>(left)) == 0)
            break;
        pid_t pid = 0;
        const ssize_t n = read(ready, &pid, sizeof pid);
        if (n == 0)
            break;
        if (n == static_cast<ssize_t>(sizeof pid))
            pids.push_back(pid);
    }
    return pids;
}

// Ends what a failed lifetime test left running.
void killLeftOvers(const std::vector<pid_t>& pids)
{
    for (pid_t pid : pids)
        kill(pid, SIGKILL);
}

// How the report ends in a lifetime case.
struct reportEnding
{
    const char* what;
    int signal; // sent to the report; 0 for an exit() of its own
    bool forks; // one of its runs starts a process of its own
};

// Killed outright, the report runs no code of its own: the kernel ends its
// runs, but not what they started.
constexpr reportEnding kReportEndings[] = {
    {"ended by SIGTERM", SIGTERM, true},   {"ended by SIGINT", SIGINT, true},
    {"ended by SIGHUP", SIGHUP, true},     {"calling exit() as a run ends", 0, true},
    {"killed by SIGKILL", SIGKILL, false},
};

// A report of three runs in a process of its own, as a user starts it: two runs
// hang (one after starting a process that hangs too) and the third ends once
// it reads a byte from `go`, whereupon the report calls exit(). Each process
// says which it is on `ready` once it stands.
pid_t startReport(const reportEnding& c, int ready, int go)
{
    std::fflush(nullptr);
    const pid_t pid = fork();
    if (pid != 0)
        return pid;
    for (int s : {SIGHUP, SIGINT, SIGTERM})
        std::signal(s, SIG_DFL);
    runInChildren<int>(
        3, 3, [](std::size_t) { return milliseconds(10 * 60 * 1000); },
        [&](std::size_t job, int& answer)
        {
            if (job == 0 && c.forks && fork() == 0)
                announceAndHang(ready);
            if (job < 2)
                announceAndHang(ready);
            const pid_t me = getpid();
            if (write(ready, &me, sizeof me) != static_cast<ssize_t>(sizeof me))
                return false;
            char byte;
            while (read(go, &byte, 1) < 0 && errno == EINTR)
            {
            }
            answer = 1;
            return true;
        },
        [](std::size_t job, const childRun&, const int*)
        {
            if (job == 2)
                std::exit(7);
        });
    _exit(0);
}

TEST(BalanceChildRuns, TheRunsAndWhatTheyStartedEndWithTheReport)
{
    for (const reportEnding& c : kReportEndings)
    {
        SCOPED_TRACE(c.what);
        testPipe ready, life, go;
        const pid_t report = startReport(c, ready.fd[1], go.fd[0]);
        ASSERT_GT(report, 0);
        life.closeEnd(1);
        ready.closeEnd(1);
        const std::size_t processes = c.forks ? 4 : 3;
        std::vector<pid_t> pids = readAnnounced(ready.fd[0], processes, std::chrono::seconds(60));
        pids.push_back(report);
        if (pids.size() != processes + 1)
            killLeftOvers(pids);
        ASSERT_EQ(pids.size(), processes + 1) << "the runs started";
        if (c.signal)
            kill(report, c.signal);
        else
            ASSERT_EQ(write(go.fd[1], "x", 1), 1);
        const bool ended = allEnded(life.fd[0], std::chrono::seconds(30));
        EXPECT_TRUE(ended) << "a run or a process it started outlived the report";
        if (!ended)
            killLeftOvers(pids);
        int status = 0;
        ASSERT_EQ(waitpid(report, &status, 0), report);
        if (c.signal)
        {
            ASSERT_TRUE(WIFSIGNALED(status)) << "the report ends by the signal it was sent";
            EXPECT_EQ(WTERMSIG(status), c.signal);
        }
        else
        {
            ASSERT_TRUE(WIFEXITED(status));
            EXPECT_EQ(WEXITSTATUS(status), 7);
        }
    }
}

// A run's own processes end with it: when it ends leaving one behind that still
// holds what it inherited (the run is not kept waiting for them), and when it is
// killed at its limit.
TEST(BalanceChildRuns, WhatARunStartedEndsWithIt)
{
    const struct
    {
        const char* what;
        bool hangs;
        milliseconds limit;
        childEnd expected;
    } cases[] = {
        {"a run that ends leaving a process behind", false, milliseconds(60000), childEnd::Ran},
        {"a run killed at its limit", true, milliseconds(200), childEnd::TimedOut},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.what);
        testPipe ready, life;
        childEnd end = childEnd::Crashed;
        const auto start = std::chrono::steady_clock::now();
        EXPECT_TRUE(runInChildren<int>(
            1, 1, [&](std::size_t) { return c.limit; },
            [&](std::size_t, int& answer)
            {
                // Said by the run, which may end before its process has run at all.
                const pid_t started = fork();
                if (started == 0)
                    for (;;)
                        pause();
                if (write(ready.fd[1], &started, sizeof started) != static_cast<ssize_t>(sizeof started))
                    return false;
                if (c.hangs)
                    for (;;)
                        pause();
                answer = 1;
                return true;
            },
            [&](std::size_t, const childRun& run, const int*) { end = run.end; }));
        EXPECT_EQ(end, c.expected) << childEndName(end);
        if (!c.hangs)
        {
            EXPECT_LT(
                std::chrono::duration_cast<milliseconds>(std::chrono::steady_clock::now() - start).count(),
                c.limit.count())
                << "the run was kept waiting for what it left behind";
        }
        life.closeEnd(1);
        ready.closeEnd(1);
        const std::vector<pid_t> pids = readAnnounced(ready.fd[0], 1, std::chrono::seconds(60));
        ASSERT_EQ(pids.size(), 1u) << "the run started its process";
        const bool ended = allEnded(life.fd[0], std::chrono::seconds(30));
        EXPECT_TRUE(ended) << "the process the run started outlived it";
        if (!ended)
            killLeftOvers(pids);
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
