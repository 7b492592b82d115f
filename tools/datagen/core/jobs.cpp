// A shared counter hands out indices to the threads that hold a core; one
// budget of cores serves the whole program.
#include "core/jobs.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace datagen
{
namespace
{
class CoreBudget
{
public:
    static CoreBudget& instance()
    {
        static CoreBudget budget;
        return budget;
    }

    int cores() const { return total; }

    void take()
    {
        std::unique_lock<std::mutex> lock(mutex);
        changed.wait(lock, [&] { return free > 0; });
        --free;
    }

    // Takes a core once one is free; gives up, false, once `wanted` turns false.
    bool takeWhile(const std::function<bool()>& wanted)
    {
        std::unique_lock<std::mutex> lock(mutex);
        changed.wait(lock, [&] { return free > 0 || !wanted(); });
        if (free == 0 || !wanted())
            return false;
        --free;
        return true;
    }

    void give()
    {
        {
            std::lock_guard<std::mutex> lock(mutex);
            ++free;
        }
        changed.notify_all();
    }

    // Wakes the waiters to look at their `wanted` again. Taking the lock
    // first means none can be between its look and its sleep.
    void wake()
    {
        {
            std::lock_guard<std::mutex> lock(mutex);
        }
        changed.notify_all();
    }

private:
    CoreBudget()
    {
        const unsigned n = std::thread::hardware_concurrency();
        total = n > 0 ? static_cast<int>(n) : 2;
        free = total;
    }

    int total = 2;
    int free = 2;
    std::mutex mutex;
    std::condition_variable changed;
};
} // namespace

void parallelFor(int count, const std::function<void(int)>& work)
{
    CoreBudget& budget = CoreBudget::instance();
    const int helpers = std::min(count, budget.cores()) - 1;
    std::atomic<int> next{0};
    auto worker = [&]
    {
        for (int i = next++; i < count; i = next++)
            work(i);
    };
    std::vector<std::thread> pool;
    for (int t = 0; t < helpers; ++t)
        pool.emplace_back(
            [&]
            {
                if (!budget.takeWhile([&] { return next.load() < count; }))
                    return;
                worker();
                budget.give();
            });
    worker();
    budget.wake();
    for (std::thread& t : pool)
        t.join();
}

void runOnCores(int count, const std::function<void(int)>& work)
{
    CoreBudget& budget = CoreBudget::instance();
    std::vector<std::thread> tasks;
    for (int i = 0; i < count; ++i)
    {
        budget.take();
        tasks.emplace_back(
            [&work, &budget, i]
            {
                work(i);
                budget.give();
            });
    }
    for (std::thread& t : tasks)
        t.join();
}
} // namespace datagen
