// A small pool of child processes: one forked process per job, a pipe for its
// fixed-size result and one for its stderr, a wall-clock limit on each, how
// each one ended, and children that end with the process that started them.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstring>
#include <functional>
#include <string>
#include <type_traits>
#include <vector>

// How a child run ended.
enum class childEnd
{
    Ran,           // its whole result came back and it exited cleanly
    FailedToStart, // its job said it could not start (no video, say)
    Crashed,       // killed by a signal, or exited without its result
    TimedOut       // still going at its wall-clock limit, and killed
};

const char* childEndName(childEnd end);

struct childRun
{
    childEnd end = childEnd::Crashed;
    double processorSeconds = 0.0; // user and system time of the child
    // The last lines it wrote on stderr, oldest first, an unfinished last one
    // included: what a crash or an abort said.
    std::vector<std::string> lastErrorLines;
};

// How many of a child's last lines on stderr are kept, and how much of each:
// a longer line is cut and ends in "...".
constexpr std::size_t kKeptErrorLines = 8;
constexpr std::size_t kLongestErrorLine = 400;

struct childJobs
{
    std::size_t count = 0;
    std::size_t resultSize = 0;
    // Runs in the child: fills `resultSize` bytes at `result`, or answers
    // false when the job cannot start.
    std::function<bool(std::size_t job, void* result)> work;
    std::function<std::chrono::milliseconds(std::size_t job)> wallLimit;
    // Called in this process as each job ends, in the order they end; the
    // result is there only for a run that ended as Ran.
    std::function<void(std::size_t job, const childRun& run, const void* result)> ended;
};

// Starts the jobs in index order, at most `slots` at once, and returns when
// every one has ended. This process's output is flushed before each fork.
// False when a pipe or a process could not be made; the jobs not yet started
// are then left, and those running are waited for.
//
// Each child leads a process group of its own, so what it starts ends with it:
// the group is killed once the child has exited or at its limit. Nor does any
// of it outlive this process: a SIGHUP, SIGINT, SIGQUIT, SIGTERM, SIGPIPE or
// SIGABRT (one not ignored when the pool starts) kills every group and is then
// raised again as it was handled before, an exit() kills them too, and a
// process killed outright has the kernel end its children (though not what
// they started). One pool at a time in a process.
bool runInChildren(const childJobs& jobs, int slots);

// The same over a trivially copyable result type.
template <typename Result>
bool runInChildren(std::size_t count, int slots,
                   const std::function<std::chrono::milliseconds(std::size_t)>& wallLimit,
                   const std::function<bool(std::size_t, Result&)>& work,
                   const std::function<void(std::size_t, const childRun&, const Result*)>& ended)
{
    static_assert(std::is_trivially_copyable_v<Result>, "a result goes through a pipe as bytes");
    childJobs jobs;
    jobs.count = count;
    jobs.resultSize = sizeof(Result);
    jobs.wallLimit = wallLimit;
    jobs.work = [&](std::size_t job, void* bytes)
    {
        Result result{};
        if (!work(job, result))
            return false;
        std::memcpy(bytes, &result, sizeof result);
        return true;
    };
    jobs.ended = [&](std::size_t job, const childRun& run, const void* bytes)
    {
        Result result{};
        if (bytes)
            std::memcpy(&result, bytes, sizeof result);
        ended(job, run, bytes ? &result : nullptr);
    };
    return runInChildren(jobs, slots);
}
