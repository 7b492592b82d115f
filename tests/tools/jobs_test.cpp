// The generator's workers: every index done once, and no more workers at once
// than the program's cores, however the steps and their parallel loops nest.
#include "core/jobs.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <gtest/gtest.h>
#include <mutex>
#include <string>
#include <sys/syscall.h>
#include <thread>
#include <unistd.h>
#include <vector>

using namespace datagen;

namespace
{
// One look at every thread of the process but the caller: its state letter
// and how often it has been switched in or out; empty when /proc could not be
// read whole (a thread that ends meanwhile, or no /proc at all).
struct ThreadLook
{
    std::string tid;
    char state = '?';
    long long switches = -1;
    bool operator==(const ThreadLook& o) const
    {
        return tid == o.tid && state == o.state && switches == o.switches;
    }
};

std::vector<ThreadLook> lookAtThreads(const std::string& self)
{
    std::vector<ThreadLook> looks;
    DIR* dir = opendir("/proc/self/task");
    if (!dir)
        return looks;
    bool whole = true;
    while (dirent* entry = readdir(dir))
    {
        const std::string tid = entry->d_name;
        if (tid == "." || tid == ".." || tid == self)
            continue;
        std::ifstream status("/proc/self/task/" + tid + "/status");
        ThreadLook look;
        look.tid = tid;
        long long voluntary = -1, forced = -1;
        for (std::string line; std::getline(status, line);)
        {
            if (line.rfind("State:", 0) == 0 && line.size() > 7)
                look.state = line[7];
            else if (line.rfind("voluntary_ctxt_switches:", 0) == 0)
                voluntary = std::atoll(line.c_str() + 24);
            else if (line.rfind("nonvoluntary_ctxt_switches:", 0) == 0)
                forced = std::atoll(line.c_str() + 27);
        }
        if (look.state == '?' || voluntary < 0 || forced < 0)
            whole = false;
        look.switches = voluntary + forced;
        looks.push_back(look);
    }
    closedir(dir);
    if (!whole)
        looks.clear();
    std::sort(looks.begin(), looks.end(),
              [](const ThreadLook& a, const ThreadLook& b) { return a.tid < b.tid; });
    return looks;
}

// Holds every worker inside its work until the whole process stands still:
// each other thread asleep (waiting for a core, for a thread to end, or here)
// and none switched in between two looks, so no thread can still be on its way
// into work. Then it lets that round go and notes how many were inside. Work
// held this way fills every core the pool lets it have, so the count shows
// every worker the pool lets in at once, more than the cores included, however
// the threads happen to be scheduled.
class Gate
{
public:
    Gate() : referee([this] { watch(); }) {}
    ~Gate()
    {
        {
            std::lock_guard<std::mutex> lock(mutex);
            finished = true;
        }
        referee.join();
    }

    void pass()
    {
        std::unique_lock<std::mutex> lock(mutex);
        const int n = ++inside;
        most = std::max(most, n);
        const long mine = round;
        opened.wait(lock, [&] { return round != mine || gaveUp; });
        --inside;
    }

    int mostAtOnce()
    {
        std::lock_guard<std::mutex> lock(mutex);
        return most;
    }
    bool timedOut()
    {
        std::lock_guard<std::mutex> lock(mutex);
        return gaveUp;
    }

private:
    void watch()
    {
        const std::string self = std::to_string(static_cast<long>(syscall(SYS_gettid)));
        // Only a safety net: a pool that never lets the process stand still fails the test.
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(2);
        std::vector<ThreadLook> last;
        for (;;)
        {
            // Looked at without the lock, so that no thread sleeps waiting for it.
            std::vector<ThreadLook> now = lookAtThreads(self);
            const bool still =
                !now.empty() && now == last &&
                std::all_of(now.begin(), now.end(), [](const ThreadLook& t) { return t.state == 'S'; });
            last = std::move(now);
            std::lock_guard<std::mutex> lock(mutex);
            if (finished)
                return;
            if (still && inside > 0)
            {
                ++round;
                opened.notify_all();
                last.clear();
            }
            else if (std::chrono::steady_clock::now() > deadline)
            {
                gaveUp = true;
                opened.notify_all();
                return;
            }
            else
                std::this_thread::yield();
        }
    }

    std::mutex mutex;
    std::condition_variable opened;
    int inside = 0;
    int most = 0;
    long round = 0;
    bool finished = false;
    bool gaveUp = false;
    std::thread referee;
};

TEST(GeneratorJobs, NestedLoopsDoEveryIndexOnceOnNoMoreWorkersThanCores)
{
    if (lookAtThreads("").empty())
        GTEST_SKIP() << "no /proc/self/task to see the threads by";
    const unsigned hardware = std::thread::hardware_concurrency();
    const int cores = hardware > 0 ? static_cast<int>(hardware) : 2;
    const struct
    {
        int steps;
        int inner;
    } cases[] = {{1, 1}, {3, 0}, {cores * 3, 5}, {2, cores * 4}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(std::to_string(c.steps) + " steps of " + std::to_string(c.inner));
        std::vector<std::atomic<int>> done(static_cast<std::size_t>(c.steps * c.inner));
        std::vector<std::atomic<int>> stepsRun(static_cast<std::size_t>(c.steps));
        Gate gate;
        runOnCores(c.steps,
                   [&](int s)
                   {
                       ++stepsRun[static_cast<std::size_t>(s)];
                       parallelFor(c.inner,
                                   [&](int i)
                                   {
                                       ++done[static_cast<std::size_t>(s * c.inner + i)];
                                       gate.pass();
                                   });
                   });
        for (const auto& n : stepsRun)
            EXPECT_EQ(n.load(), 1);
        for (const auto& n : done)
            EXPECT_EQ(n.load(), 1);
        EXPECT_FALSE(gate.timedOut());
        EXPECT_LE(gate.mostAtOnce(), cores);
        EXPECT_EQ(gate.mostAtOnce(), std::min(cores, c.steps * c.inner)) << "every core was kept busy";
    }
}

// A loop called from outside any task, as the tests of a single recipe do,
// still does all its work.
TEST(GeneratorJobs, ALoopOutsideAnyTaskDoesEveryIndexOnce)
{
    std::vector<std::atomic<int>> done(100);
    parallelFor(100, [&](int i) { ++done[static_cast<std::size_t>(i)]; });
    for (const auto& n : done)
        EXPECT_EQ(n.load(), 1);
    parallelFor(0, [&](int) { ADD_FAILURE() << "no work for an empty loop"; });
}
} // namespace
