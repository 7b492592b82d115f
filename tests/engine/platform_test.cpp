// The operating-system services: saves written through a temporary file, the
// process's peak memory and starting it over.
#include "engine/platform.h"
#include "tests/support/test_support.h"

#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <sys/mman.h>

using namespace testing_support;

namespace
{
// A save that cannot be written whole leaves the old file and no temporary,
// and says which save, which file failed and why.
TEST(SafeSave, AFailedWriteKeepsTheOldFileAndNamesWhatFailed)
{
    struct Case
    {
        const char* name;
        std::function<WriteFaults()> faults;
        const char* folder; // made where the temporary goes, or null
        std::string said;
    };
    const Case cases[] = {
        {"disk full at once", [] { return diskFullAt(1, 0); }, nullptr,
         "cannot write save.txt.tmp: No space left on device"},
        {"disk full part-way", [] { return diskFullAt(1, 5); }, nullptr,
         "cannot write save.txt.tmp: No space left on device"},
        {"rename fails", [] { return renameFailsAt(1); }, nullptr,
         "cannot rename save.txt.tmp: Input/output error"},
        {"a folder where the temporary goes", [] { return WriteFaults(); }, "save.txt.tmp",
         "cannot write save.txt.tmp: Is a directory"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        ScratchDir dir;
        writeFile("save.txt", "old\n");
        if (c.folder)
            makeDirs(c.folder);
        WriteFaultScope faults(c.faults());
        bool saved = true;
        const std::string said =
            consoleOutput([&] { saved = writeFileAtomically("save.txt", "new contents\n"); });
        EXPECT_FALSE(saved);
        EXPECT_EQ(readFile("save.txt"), "old\n");
        EXPECT_FALSE(fileExists("save.txt.tmp")) << "no temporary is left";
        EXPECT_TRUE(contains(said, "Unable to save save.txt: " + c.said)) << said;
    }
}

// Files staged together are put in place only by their commits; one dropped
// uncommitted leaves its file as it was and takes its temporary with it.
TEST(SafeSave, StagedFilesGoInOnlyWhenCommitted)
{
    ScratchDir dir;
    writeFile("a.txt", "old a\n");
    writeFile("b.txt", "old b\n");
    {
        StagedFile a;
        StagedFile b;
        ASSERT_TRUE(a.write("a.txt", "new a\n"));
        ASSERT_TRUE(b.write("b.txt", "new b\n"));
        EXPECT_EQ(readFile("a.txt"), "old a\n");
        EXPECT_TRUE(a.commit());
        EXPECT_EQ(readFile("a.txt"), "new a\n");
        EXPECT_FALSE(fileExists("a.txt.tmp"));
        EXPECT_TRUE(fileExists("b.txt.tmp"));
    }
    EXPECT_EQ(readFile("b.txt"), "old b\n");
    EXPECT_FALSE(fileExists("b.txt.tmp"));
}

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
