// The operating-system services: the process's peak memory and starting it over.
#include "engine/platform.h"

#include <cstring>
#include <gtest/gtest.h>
#include <sys/mman.h>

namespace
{
// The block is mapped and unmapped by hand, so no allocator keeps it after use.
TEST(PeakMemory, RisesWithTouchedMemoryAndStartsOverFromWhatIsHeld)
{
    constexpr std::size_t kBlock = 64u * 1024 * 1024;
    if (!resetPeakMemory())
        GTEST_SKIP() << "the system does not let the process start its peak over (/proc/self/clear_refs)";
    const long long before = peakMemoryBytes();
    ASSERT_GT(before, 0);
    void* block = mmap(nullptr, kBlock, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    ASSERT_NE(block, MAP_FAILED);
    std::memset(block, 1, kBlock);
    const long long high = peakMemoryBytes();
    EXPECT_GE(high, before + static_cast<long long>(kBlock) * 9 / 10);
    munmap(block, kBlock);
    EXPECT_TRUE(resetPeakMemory());
    EXPECT_LT(peakMemoryBytes(), high - static_cast<long long>(kBlock) / 2) << "the freed block no longer counts";
}
} // namespace
