// The generator's workers: every index done once, and no more workers at once
// than the program's cores, however the steps and their parallel loops nest.
#include "core/jobs.h"

#include <algorithm>
#include <atomic>
#include <gtest/gtest.h>
#include <thread>
#include <vector>

using namespace datagen;

namespace
{
// Counts the workers inside work at once and the most there ever were.
struct Busy
{
    std::atomic<int> now{0};
    std::atomic<int> most{0};

    void enter()
    {
        const int n = ++now;
        int seen = most.load();
        while (n > seen && !most.compare_exchange_weak(seen, n))
        {
        }
    }
    void leave() { --now; }
};

TEST(GeneratorJobs, NestedLoopsDoEveryIndexOnceOnNoMoreWorkersThanCores)
{
    const int cores = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
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
        Busy busy;
        runOnCores(c.steps,
                   [&](int s)
                   {
                       ++stepsRun[static_cast<std::size_t>(s)];
                       parallelFor(c.inner,
                                   [&](int i)
                                   {
                                       busy.enter();
                                       ++done[static_cast<std::size_t>(s * c.inner + i)];
                                       std::this_thread::yield();
                                       busy.leave();
                                   });
                   });
        for (const auto& n : stepsRun)
            EXPECT_EQ(n.load(), 1);
        for (const auto& n : done)
            EXPECT_EQ(n.load(), 1);
        EXPECT_LE(busy.most.load(), cores);
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
