// A shared counter hands out indices to a handful of threads.
#include "core/jobs.h"

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

namespace datagen
{
void parallelFor(int count, const std::function<void(int)>& work)
{
    const unsigned cores = std::thread::hardware_concurrency();
    const int threads = std::min(count, static_cast<int>(cores > 0 ? cores : 2));
    std::atomic<int> next{0};
    auto worker = [&]
    {
        for (int i = next++; i < count; i = next++)
            work(i);
    };
    std::vector<std::thread> pool;
    for (int t = 1; t < threads; ++t)
        pool.emplace_back(worker);
    worker();
    for (std::thread& t : pool)
        t.join();
}
} // namespace datagen
