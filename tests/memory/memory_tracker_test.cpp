// The memory tracker, in the one test binary whose new and delete go through it: its log, its block fills
// and guards, its errors, and the leak report a whole run leaves behind.
#include "engine/memory_tracker.h"
#include "engine/screen.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cinttypes>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <regex>
#include <string>
#include <sys/wait.h>
#include <vector>

using namespace testing_support;

namespace
{
using Bytes = std::vector<unsigned char>;

std::string format(const char* fmt, ...) __attribute__((format(printf, 1, 2)));
std::string format(const char* fmt, ...)
{
    char text[1024];
    va_list args;
    va_start(args, fmt);
    std::vsnprintf(text, sizeof text, fmt, args);
    va_end(args);
    return text;
}

std::string addressText(const void* address)
{
    return format("0x%08" PRIXPTR, reinterpret_cast<uintptr_t>(address));
}

// The lines of a file written with CR LF line ends.
std::vector<std::string> crlfLines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    if (start < text.size())
        lines.push_back(text.substr(start));
    return lines;
}

std::vector<std::string> memoryLogLines()
{
    return crlfLines(readFile(memoryLogFile));
}

// Index of the first line equal to `line`, or -1.
long lineIndex(const std::vector<std::string>& lines, const std::string& line)
{
    const auto found = std::find(lines.begin(), lines.end(), line);
    return found == lines.end() ? -1 : static_cast<long>(found - lines.begin());
}

Bytes bytesAt(const void* address, size_t count)
{
    const unsigned char* bytes = static_cast<const unsigned char*>(address);
    return Bytes(bytes, bytes + count);
}

Bytes repeated(const Bytes& pattern, size_t count)
{
    Bytes bytes;
    while (bytes.size() < count)
        bytes.push_back(pattern[bytes.size() % pattern.size()]);
    return bytes;
}

const Bytes prefixGuard = repeated({0x0D, 0xF0, 0xAD, 0xBA}, 16);
const Bytes postfixGuard = repeated({0xDE, 0xC0, 0xAD, 0xDE}, 16);
const Bytes freshFill = {0xCE, 0xFA, 0xED, 0xFE};
const Bytes releasedFill = {0xEF, 0xBE, 0xAD, 0xDE};

// Every test works in a scratch folder, where memory.log and memleaks.log land, and gets the tracker's
// switches back as it found them.
class MemoryTrackerTest : public ::testing::Test
{
protected:
    void TearDown() override
    {
        m_alwaysLogAll() = logAll;
        m_alwaysValidateAll() = validateAll;
        m_alwaysWipeAll() = wipeAll;
        m_randomeWipe() = randomWipe;
        m_cleanupLogOnFirstRun() = cleanupLog;
        m_setReleaseObserver(nullptr);
        m_setOwner("??", 0, "??");
    }

    ScratchDir scratch;

private:
    bool logAll = m_alwaysLogAll();
    bool validateAll = m_alwaysValidateAll();
    bool wipeAll = m_alwaysWipeAll();
    bool randomWipe = m_randomeWipe();
    bool cleanupLog = m_cleanupLogOnFirstRun();
};

using MemoryLogTest = MemoryTrackerTest;

TEST_F(MemoryLogTest, AFreshRunReplacesTheLogWithItsHeaderAndThenAppendsLines)
{
    writeFile(memoryLogFile, "a log of an earlier run\r\n");
    m_cleanupLogOnFirstRun() = true;
    log("%d leaks in just having the %s up...", 43, "main menu");
    doCleanupLogOnFirstRun(); // already done for this run: changes nothing
    log("%s", "This is how to log for the memory leak log");

    const std::string rule(80, '-');
    const std::vector<std::string> expected = {
        rule,
        "",
        "", // the creation line, checked below
        rule,
        "",
        "This file contains a log of all memory operations performed during the last run.",
        "",
        "Interrogate this file to track errors or to help track down memory-related",
        "issues. You can do this by tracing the allocations performed by a specific owner",
        "or by tracking a specific address through a series of allocations and",
        "reallocations.",
        "",
        "There is a lot of useful information here which, when used creatively, can be",
        "extremely helpful.",
        "",
        "Note that the following guides are used throughout this file:",
        "",
        "   [!] - Error",
        "   [+] - Allocation",
        "   [~] - Reallocation",
        "   [-] - Deallocation",
        "   [I] - Generic information",
        "   [F] - Failure induced for the purpose of stress-testing your application",
        "   [D] - Information used for debugging this memory manager",
        "",
        "...so, to find all errors in the file, search for \"[!]\"",
        "",
        rule,
        "43 leaks in just having the main menu up...",
        "This is how to log for the memory leak log",
    };
    std::vector<std::string> lines = memoryLogLines();
    ASSERT_EQ(lines.size(), expected.size()) << readFile(memoryLogFile);
    // asctime's own line feed stays inside the creation line.
    EXPECT_TRUE(
        std::regex_match(lines[2], std::regex("      memory\\.log - Memory logging file created on "
                                              "[A-Z][a-z]{2} [A-Z][a-z]{2} [ 0-9]\\d \\d\\d:\\d\\d:\\d\\d "
                                              "\\d{4}\n")))
        << lines[2];
    lines[2].clear();
    EXPECT_EQ(lines, expected);
    EXPECT_FALSE(m_cleanupLogOnFirstRun());
}

// How a block is made and given back in each of the ways the game does it.
struct Route
{
    const char* name;
    void* (*allocate)(size_t);
    void (*release)(void*);
    const char* allocationType;
    const char* releaseType;
};

const Route routes[] = {
    {"new", [](size_t n) { return ::operator new(n); }, [](void* p) { ::operator delete(p); }, "     new",
     "  delete"},
    {"new[]", [](size_t n) { return ::operator new[](n); }, [](void* p) { ::operator delete[](p); },
     "   new[]", "delete[]"},
    {"sized delete", [](size_t n) { return ::operator new(n); }, [](void* p) { ::operator delete(p, 10); },
     "     new", "  delete"},
    {"nothrow new", [](size_t n) { return ::operator new(n, std::nothrow); },
     [](void* p) { ::operator delete(p); }, "     new", "  delete"},
    {"sprite loader's malloc",
     [](size_t n) { return m_allocator("CSpriteBase", 84, "??", m_alloc_malloc, n); },
     [](void* p) { m_deallocator("CSpriteBase", 90, "??", m_alloc_free, p); }, "  malloc", "    free"},
};

using OperationLogTest = MemoryTrackerTest;

TEST_F(OperationLogTest, WithLogAllEveryAllocationAndReleaseIsLoggedWithItsOwner)
{
    m_alwaysLogAll() = true;
    for (const Route& route : routes)
    {
        SCOPED_TRACE(route.name);
        std::remove(memoryLogFile);
        m_setOwner("src\\sprites/CSpriteBase", 84, "??");
        void* block = route.allocate(10);
        ASSERT_TRUE(m_validateAddress(block));
        const unsigned int number = m_findAllocUnit(block)->allocationNumber;
        m_setOwner("CSpriteBase", 90, "??");
        route.release(block);

        const std::vector<std::string> lines = memoryLogLines();
        const long allocated =
            lineIndex(lines, format("[+] %05u %s of size 0x0000000A(00000010) by CSpriteBase(00084)::??",
                                    number, route.allocationType));
        const long handedOut = lineIndex(lines, "[+] ---->             addr " + addressText(block));
        const long released =
            lineIndex(lines, format("[-] ----- %s of addr %s           by CSpriteBase(00090)::??",
                                    route.releaseType, addressText(block).c_str()));
        EXPECT_GE(allocated, 0);
        EXPECT_EQ(handedOut, allocated + 1);
        EXPECT_GT(released, handedOut);
    }
}

TEST_F(OperationLogTest, ReleasingNullIsLoggedOnlyWithLogAll)
{
    const std::string nullLine = "[-] ----- delete[] of NULL                      by CSpriteBase(00084)::??";
    m_setOwner("CSpriteBase", 84, "??");
    ::operator delete[](nullptr);
    EXPECT_EQ(lineIndex(memoryLogLines(), nullLine), -1);

    m_alwaysLogAll() = true;
    m_setOwner("CSpriteBase", 84, "??");
    ::operator delete[](nullptr);
    EXPECT_GE(lineIndex(memoryLogLines(), nullLine), 0);
}

TEST_F(OperationLogTest, AnOwnerLeftPendingIsNotedWhenTheNextIsSet)
{
    m_alwaysLogAll() = true;
    m_setOwner("CFighter", 12, "update");
    m_setOwner("CSpriteBase", 84, "??");
    void* block = ::operator new(4);
    m_setOwner("CSpriteBase", 85, "??"); // the allocation used up the last owner: no note
    ::operator delete(block);

    const std::vector<std::string> lines = memoryLogLines();
    const auto notes = std::count_if(lines.begin(), lines.end(),
                                     [](const std::string& l) { return l.rfind("[I] NOTE!", 0) == 0; });
    EXPECT_EQ(notes, 1);
    EXPECT_GE(
        lineIndex(lines, "[I] NOTE! Possible destructor chain: previous owner is CFighter(00012)::update"),
        0);
}

using OwnerTest = MemoryTrackerTest;

TEST_F(OwnerTest, TheOwnerIsKeptWithoutFoldersCutTo39CharactersAndUsedOnlyOnce)
{
    const std::string longName(50, 'x');
    const struct
    {
        const char* file;
        const char* func;
        std::string storedFile;
        std::string storedFunc;
    } cases[] = {
        {"CSpriteBase", "??", "CSpriteBase", "??"},
        {"C:\\quillfen\\engine\\sprite_sheet.cpp", "init", "sprite_sheet.cpp", "init"},
        {"engine/fighters\\CFighter.cpp", "update", "CFighter.cpp", "update"},
        {"engine/", "f", "", "f"},
        {nullptr, nullptr, "??", "??"},
        {longName.c_str(), longName.c_str(), longName.substr(0, 39), longName.substr(0, 39)},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.file ? c.file : "null");
        m_setOwner(c.file, 7, c.func);
        void* owned = ::operator new(1);
        void* unowned = ::operator new(1);
        const tag_au* unit = m_findAllocUnit(owned);
        ASSERT_NE(unit, nullptr);
        EXPECT_EQ(unit->sourceFile, c.storedFile);
        EXPECT_EQ(unit->sourceFunc, c.storedFunc);
        EXPECT_EQ(unit->sourceLine, 7u);
        const tag_au* next = m_findAllocUnit(unowned);
        ASSERT_NE(next, nullptr);
        EXPECT_STREQ(next->sourceFile, "??");
        EXPECT_STREQ(next->sourceFunc, "??");
        EXPECT_EQ(next->sourceLine, 0u);
        ::operator delete(owned);
        ::operator delete(unowned);
    }
}

// The game's long-lived objects name the file and line that made them, so a
// leak report says where they came from instead of "??".
TEST_F(OwnerTest, TheGamesOwnObjectsNameWhereTheyWereMade)
{
    buttonSet buttons;
    buttons.init(nullptr, "nowhere", 2, 0, 0, true);
    ASSERT_EQ(buttons.sheets.size(), 2u);
    for (const auto& sheet : buttons.sheets)
    {
        const tag_au* unit = m_findAllocUnit(sheet.get());
        ASSERT_NE(unit, nullptr);
        EXPECT_STREQ(unit->sourceFile, "screen.cpp");
        EXPECT_STREQ(unit->sourceFunc, "init");
        EXPECT_GT(unit->sourceLine, 0u);
    }
}

using BlockTest = MemoryTrackerTest;

TEST_F(BlockTest, NewOfZeroBytesGivesDistinctOneByteBlocks)
{
    void* first = ::operator new(0);
    void* second = ::operator new[](0);
    ASSERT_NE(first, second);
    for (void* block : {first, second})
    {
        const tag_au* unit = m_findAllocUnit(block);
        ASSERT_NE(unit, nullptr);
        EXPECT_EQ(unit->reportedSize, 1u);
        EXPECT_EQ(unit->actualSize, 33u);
        EXPECT_EQ(static_cast<char*>(unit->actualAddress) + 16, block);
    }
    ::operator delete(first);
    ::operator delete[](second);
    EXPECT_FALSE(m_validateAddress(first));
    EXPECT_FALSE(m_validateAddress(second));
}

TEST_F(BlockTest, AFreshBlockIsFilledAndWrappedInGuards)
{
    const struct
    {
        unsigned int type;
        Bytes contents;
        size_t unused;
    } cases[] = {
        {m_alloc_malloc, repeated(freshFill, 10), 8},
        {m_alloc_new_array, repeated(freshFill, 10), 8},
        {m_alloc_calloc, Bytes(10, 0), 0},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(allocationTypes[c.type]);
        unsigned char* block = static_cast<unsigned char*>(m_allocator("CSpriteBase", 84, "??", c.type, 10));
        ASSERT_NE(block, nullptr);
        EXPECT_EQ(bytesAt(block, 10), c.contents);
        EXPECT_EQ(bytesAt(block - 16, 16), prefixGuard);
        EXPECT_EQ(bytesAt(block + 10, 16), postfixGuard);
        const tag_au* unit = m_findAllocUnit(block);
        ASSERT_NE(unit, nullptr);
        EXPECT_EQ(m_calcUnused(unit), c.unused);
        EXPECT_STREQ(allocationTypes[unit->allocationType], allocationTypes[c.type]);
        m_deallocator("CSpriteBase", 90, "??", m_alloc_free, block);
    }
}

// The last release of the watched block as the observer saw it. Filled inside the release, so without
// allocating.
const void* watched;
unsigned char seenAtRelease[42];
size_t seenSize;

TEST_F(BlockTest, AReleasedBlockIsWipedBeforeItGoesBackToTheRuntime)
{
    seenSize = 0;
    m_setReleaseObserver(
        [](const tag_au* unit)
        {
            if (unit->reportedAddress != watched || unit->actualSize > sizeof seenAtRelease)
                return;
            std::memcpy(seenAtRelease, unit->actualAddress, unit->actualSize);
            seenSize = unit->actualSize;
        });
    void* block = ::operator new(10);
    watched = block;
    std::memset(block, 0x11, 10);
    ::operator delete(block);
    m_setReleaseObserver(nullptr);

    ASSERT_EQ(seenSize, 42u);
    const Bytes seen(seenAtRelease, seenAtRelease + seenSize);
    EXPECT_EQ(Bytes(seen.begin() + 16, seen.begin() + 26), repeated(releasedFill, 10));
    EXPECT_EQ(Bytes(seen.begin(), seen.begin() + 16), prefixGuard);
    EXPECT_EQ(Bytes(seen.begin() + 26, seen.end()), postfixGuard);
}

TEST_F(BlockTest, WithoutWipingOnlyTheGuardsAreWritten)
{
    m_alwaysWipeAll() = false;
    unsigned char* block =
        static_cast<unsigned char*>(m_allocator("CSpriteBase", 84, "??", m_alloc_calloc, 6));
    EXPECT_EQ(bytesAt(block, 6), Bytes(6, 0));
    EXPECT_EQ(bytesAt(block - 16, 16), prefixGuard);
    EXPECT_EQ(bytesAt(block + 6, 16), postfixGuard);
    m_deallocator("CSpriteBase", 90, "??", m_alloc_free, block);
}

TEST_F(BlockTest, RandomWipeFillsWithFourRandBytesHighByteFirst)
{
    Bytes pattern(4); // allocated before the switch: a fill would draw from rand() too
    m_randomeWipe() = true;
    std::srand(1234);
    for (int i = 3; i >= 0; --i)
        pattern[i] = static_cast<unsigned char>(std::rand() & 0xFF);
    std::srand(1234);
    unsigned char* block =
        static_cast<unsigned char*>(m_allocator("CSpriteBase", 84, "??", m_alloc_malloc, 7));
    EXPECT_EQ(bytesAt(block, 7), repeated(pattern, 7));
    EXPECT_EQ(bytesAt(block - 16, 16), prefixGuard);
    EXPECT_EQ(bytesAt(block + 7, 16), postfixGuard);
    m_deallocator("CSpriteBase", 90, "??", m_alloc_free, block);
}

TEST_F(BlockTest, ReallocationKeepsTheBytesAndFillsTheGrowth)
{
    m_alwaysLogAll() = true;
    unsigned char* block =
        static_cast<unsigned char*>(m_allocator("CSpriteBase", 84, "??", m_alloc_malloc, 10));
    for (int i = 0; i < 10; ++i)
        block[i] = static_cast<unsigned char>(i + 1);
    const sMStats before = m_getMemoryStatistics();
    unsigned char* grown =
        static_cast<unsigned char*>(m_reallocator("CSpriteBase", 86, "??", m_alloc_realloc, 20, block));
    const sMStats after = m_getMemoryStatistics();

    ASSERT_NE(grown, nullptr);
    EXPECT_FALSE(m_validateAddress(block));
    EXPECT_EQ(bytesAt(grown, 10), (Bytes{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    EXPECT_EQ(bytesAt(grown + 10, 10), repeated(freshFill, 10));
    EXPECT_EQ(bytesAt(grown + 20, 16), postfixGuard);
    const tag_au* unit = m_findAllocUnit(grown);
    ASSERT_NE(unit, nullptr);
    EXPECT_EQ(unit->reportedSize, 20u);
    EXPECT_EQ(unit->sourceLine, 86u);
    EXPECT_EQ(after.totalReportedMemory - before.totalReportedMemory, 10u);
    EXPECT_EQ(after.totalAllocUnitCount, before.totalAllocUnitCount);
    const std::vector<std::string> lines = memoryLogLines();
    EXPECT_GE(
        lineIndex(lines, format("[~] %05u  realloc of size 0x00000014(00000020) by CSpriteBase(00086)::??",
                                unit->allocationNumber)),
        0);
    EXPECT_GE(lineIndex(lines, "[~] ---->             addr " + addressText(grown)), 0);

    int notLive = 0;
    EXPECT_EQ(m_reallocator("CSpriteBase", 87, "??", m_alloc_realloc, 30, &notLive), nullptr);
    EXPECT_GE(lineIndex(memoryLogLines(), "[!] Request to reallocate RAM that was never allocated"), 0);
    m_deallocator("CSpriteBase", 90, "??", m_alloc_free, grown);
}

using BookkeepingTest = MemoryTrackerTest;

TEST_F(BookkeepingTest, BlocksBeyondOneReservoirAreAllFoundCountedAndReleased)
{
    const size_t count = 700; // more than two reservoir blocks of units
    const size_t step = 3;    // shares no factor with the count: every block is released once
    std::vector<void*> blocks;
    blocks.reserve(count);
    const sMStats before = m_getMemoryStatistics();
    for (size_t i = 0; i < count; ++i)
        blocks.push_back(m_allocator("CSpriteBase", 84, "??", m_alloc_malloc, i % 40));
    const sMStats during = m_getMemoryStatistics();
    // Release in a shuffled order, so chains lose heads, tails and middles.
    for (size_t i = 0; i < count; ++i)
        m_deallocator("CSpriteBase", 90, "??", m_alloc_free, blocks[(i * step) % count]);
    const sMStats after = m_getMemoryStatistics();

    size_t reported = 0;
    for (size_t i = 0; i < count; ++i)
        reported += i % 40;
    EXPECT_EQ(during.totalAllocUnitCount - before.totalAllocUnitCount, count);
    EXPECT_EQ(during.totalReportedMemory - before.totalReportedMemory, reported);
    EXPECT_EQ(during.totalActualMemory - before.totalActualMemory, reported + 32 * count);
    EXPECT_EQ(during.accumulatedAllocUnitCount - before.accumulatedAllocUnitCount, count);
    EXPECT_GE(during.peakAllocUnitCount, during.totalAllocUnitCount);
    EXPECT_GE(during.peakActualMemory, during.totalActualMemory);
    EXPECT_EQ(after.totalAllocUnitCount, before.totalAllocUnitCount);
    EXPECT_EQ(after.totalReportedMemory, before.totalReportedMemory);
    EXPECT_EQ(after.totalActualMemory, before.totalActualMemory);
    EXPECT_EQ(after.peakAllocUnitCount, during.peakAllocUnitCount);
    for (void* block : blocks)
        EXPECT_FALSE(m_validateAddress(block));
    EXPECT_TRUE(m_validateAllAllocUnits());
}

using ValidationTest = MemoryTrackerTest;

TEST_F(ValidationTest, ADamagedGuardIsFoundByValidationAndNamesItsBlock)
{
    const struct
    {
        const char* name;
        long offset; // from the caller's address
        const char* complaint;
        bool validateOnEveryOperation;
    } cases[] = {
        {"byte before the block", -1,
         "[!] A memory allocation unit was corrupt because of an underrun:", false},
        {"byte after the block", 10,
         "[!] A memory allocation unit was corrupt because of an overrun:", false},
        {"last guard byte, seen by the next allocation", 25,
         "[!] A memory allocation unit was corrupt because of an overrun:", true},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        std::remove(memoryLogFile);
        unsigned char* block =
            static_cast<unsigned char*>(m_allocator("CSpriteBase", 84, "??", m_alloc_malloc, 10));
        const tag_au* unit = m_findAllocUnit(block);
        ASSERT_NE(unit, nullptr);
        const unsigned char kept = block[c.offset];
        block[c.offset] ^= 0x5A;
        if (c.validateOnEveryOperation)
        {
            m_alwaysValidateAll() = true;
            void* other = ::operator new(1);
            m_alwaysValidateAll() = false;
            ::operator delete(other);
        }
        else
        {
            EXPECT_FALSE(m_validateAllocUnit(unit));
            EXPECT_FALSE(m_validateAllAllocUnits());
        }

        const std::vector<std::string> lines = memoryLogLines();
        const long complaint = lineIndex(lines, c.complaint);
        ASSERT_GE(complaint, 0) << readFile(memoryLogFile);
        ASSERT_LT(complaint + 7, static_cast<long>(lines.size()));
        EXPECT_EQ(lines[complaint + 3], "[I]   Size (reported)   : 0x0000000A (        10 bytes     )");
        EXPECT_EQ(lines[complaint + 4], "[I]   Size (actual)     : 0x0000002A (        42 bytes     )");
        EXPECT_EQ(lines[complaint + 5], "[I]   Owner             : CSpriteBase(84)::??");
        EXPECT_EQ(lines[complaint + 6], "[I]   Allocation type   : malloc");
        EXPECT_EQ(lines[complaint + 7], format("[I]   Allocation number : %u", unit->allocationNumber));
        EXPECT_GE(lineIndex(lines,
                            "[!] While validting all allocation units, 1 allocation unit(s) were found to "
                            "have problems"),
                  0);

        block[c.offset] = kept;
        std::remove(memoryLogFile);
        EXPECT_TRUE(m_validateAllAllocUnits());
        EXPECT_TRUE(memoryLogLines().empty());
        m_deallocator("CSpriteBase", 90, "??", m_alloc_free, block);
    }
}

TEST_F(ValidationTest, AUnitDumpShowsSizesWithThousandsAndTheirUnit)
{
    const struct
    {
        size_t size;
        const char* text;
    } cases[] = {
        {1, "0x00000001 (         1 bytes     )"},
        {1024, "0x00000400 (     1,024 bytes     )"},
        {1025, "0x00000401 (     1,025 (   1.00K))"},
        {1048576, "0x00100000 ( 1,048,576 (1024.00K))"},
        {1048577, "0x00100001 ( 1,048,577 (   1.00M))"},
        {1234567890, "0x499602D2 (1,234,567,890 (1177.38M))"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.size);
        std::remove(memoryLogFile);
        tag_au unit{};
        unit.reportedSize = c.size;
        unit.actualSize = c.size;
        std::strcpy(unit.sourceFile, "CSpriteBase");
        std::strcpy(unit.sourceFunc, "??");
        unit.sourceLine = 84;
        unit.allocationType = m_alloc_new_array;
        unit.allocationNumber = 5;
        m_dumpAllocUnit(&unit, "> ");
        const std::vector<std::string> lines = memoryLogLines();
        ASSERT_EQ(lines.size(), 7u);
        EXPECT_EQ(lines[0].rfind("[I] > Address (reported): ", 0), 0u);
        EXPECT_EQ(lines[1].rfind("[I] > Address (actual)  : ", 0), 0u);
        EXPECT_EQ(lines[2], std::string("[I] > Size (reported)   : ") + c.text);
        EXPECT_EQ(lines[3], std::string("[I] > Size (actual)     : ") + c.text);
        EXPECT_EQ(lines[4], "[I] > Owner             : CSpriteBase(84)::??");
        EXPECT_EQ(lines[5], "[I] > Allocation type   : new[]");
        EXPECT_EQ(lines[6], "[I] > Allocation number : 5");
    }
}

using ReleaseErrorTest = MemoryTrackerTest;

TEST_F(ReleaseErrorTest, ReleasingWhatWasNeverHandedOutIsLoggedAndTheGameGoesOn)
{
    static void* live = ::operator new(16);
    // Each address is made right before its release, so that no other block can take its place.
    const struct
    {
        const char* name;
        void* (*address)();
    } cases[] = {
        {"released twice",
         []
         {
             void* block = m_allocator("CSpriteBase", 84, "??", m_alloc_new, 16);
             m_deallocator("CSpriteBase", 90, "??", m_alloc_delete, block);
             return block;
         }},
        {"inside a live block", [] { return static_cast<void*>(static_cast<char*>(live) + 4); }},
        {"never allocated", [] { return reinterpret_cast<void*>(uintptr_t{0x1230}); }},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        std::remove(memoryLogFile);
        const sMStats before = m_getMemoryStatistics();
        void* address = c.address();
        m_setOwner("CSpriteBase", 84, "??");
        ::operator delete(address);
        const sMStats after = m_getMemoryStatistics();
        void* next = ::operator new(1); // the failed release used up its owner
        ASSERT_TRUE(m_validateAddress(next));
        const unsigned int nextOwnerLine = m_findAllocUnit(next)->sourceLine;
        ::operator delete(next);
        EXPECT_EQ(nextOwnerLine, 0u);
        EXPECT_EQ(memoryLogLines(),
                  std::vector<std::string>{"[!] Request to deallocate RAM that was never allocated"});
        EXPECT_EQ(after.totalAllocUnitCount, before.totalAllocUnitCount);
        EXPECT_EQ(after.totalActualMemory, before.totalActualMemory);
        EXPECT_TRUE(m_validateAddress(live));
        EXPECT_EQ(bytesAt(live, 16), repeated(freshFill, 16));
    }
    ::operator delete(live);
}

using AllocationFailureTest = MemoryTrackerTest;

TEST_F(AllocationFailureTest, ARequestTooLargeForMemoryIsLoggedAndNewThrowsBadAlloc)
{
    // The first cannot even take its guard bytes; the others are refused by the runtime.
    const size_t sizes[] = {SIZE_MAX, SIZE_MAX - 31, SIZE_MAX - 32, SIZE_MAX / 2};
    for (const size_t size : sizes)
    {
        SCOPED_TRACE(size);
        std::remove(memoryLogFile);
        const sMStats before = m_getMemoryStatistics();
        m_setOwner("CSpriteBase", 84, "??");
        EXPECT_EQ(m_allocator("CSpriteBase", 84, "??", m_alloc_malloc, size), nullptr);
        const sMStats after = m_getMemoryStatistics();
        EXPECT_EQ(after.totalAllocUnitCount, before.totalAllocUnitCount);
        EXPECT_EQ(after.totalActualMemory, before.totalActualMemory);
        EXPECT_EQ(memoryLogLines(),
                  std::vector<std::string>{"[!] Request for allocation failed. Out of memory."});

        EXPECT_THROW(::operator delete(::operator new(size)), std::bad_alloc);
        EXPECT_THROW(::operator delete[](::operator new[](size)), std::bad_alloc);
        EXPECT_EQ(::operator new(size, std::nothrow), nullptr);
        EXPECT_EQ(::operator new[](size, std::nothrow), nullptr);
    }
}

int handlerCalls;

TEST_F(AllocationFailureTest, AnInstalledNewHandlerIsCalledBeforeNewGivesUp)
{
    handlerCalls = 0;
    std::set_new_handler(
        []
        {
            ++handlerCalls;
            if (handlerCalls == 2)
                std::set_new_handler(nullptr);
        });
    volatile size_t unobtainable = SIZE_MAX - 32; // read at run time, not judged by the compiler
    EXPECT_THROW(::operator delete(::operator new(unobtainable)), std::bad_alloc);
    EXPECT_EQ(handlerCalls, 2);
    EXPECT_EQ(std::get_new_handler(), nullptr);
}

TEST(AlignedAllocationTest, OverAlignedBlocksKeepTheirAlignmentOutsideTheTracker)
{
    struct alignas(64) Wide
    {
        unsigned char bytes[64];
    };
    Wide* wide = new Wide[3];
    EXPECT_EQ(reinterpret_cast<uintptr_t>(wide) % 64, 0u);
    EXPECT_FALSE(m_validateAddress(wide));
    delete[] wide;
}

using LeakReportTest = MemoryTrackerTest;

const std::string reportRule = " " + std::string(130, '-') + " ";

// The three frame lines, the two empty ones, then what the report found.
void expectReportTitle(const std::vector<std::string>& lines)
{
    ASSERT_GE(lines.size(), 6u);
    EXPECT_EQ(lines[0], reportRule);
    EXPECT_TRUE(std::regex_match(lines[1], std::regex("\\| {42}Memory leak report for:  \\d\\d/\\d\\d/\\d{4} "
                                                      "\\d\\d:\\d\\d:\\d\\d {44}\\|")))
        << lines[1];
    EXPECT_EQ(lines[2], reportRule);
    EXPECT_EQ(lines[3], "");
    EXPECT_EQ(lines[4], "");
}

const std::vector<std::string> tableHeading = {
    "Alloc.   Addr       Size       Addr       Size                        BreakOn BreakOn              ",
    "Number Reported   Reported    Actual     Actual     Unused    Method  Dealloc Realloc Allocated by ",
    "------ ---------- ---------- ---------- ---------- ---------- -------- ------- ------- "
    "--------------------------------------------------- ",
};

TEST_F(LeakReportTest, TheReportListsEveryLiveBlockWithItsOwner)
{
    unsigned char* leak =
        static_cast<unsigned char*>(m_allocator("CSpriteBase", 84, "??", m_alloc_malloc, 10));
    leak[0] = 1; // one word is no longer unused
    m_setOwner("CSpriteBase", 85, "??");
    void* leakedArray = ::operator new[](3);
    const size_t live = m_getMemoryStatistics().totalAllocUnitCount;
    dumpLeakReport();

    const std::vector<std::string> lines = crlfLines(readFile(memoryLeakLogFile));
    expectReportTitle(lines);
    ASSERT_GE(lines.size(), 9 + live);
    EXPECT_EQ(lines[5], format("%zu memory leaks found:", live));
    EXPECT_EQ(lines[6], "");
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 7, lines.begin() + 10), tableHeading);
    EXPECT_EQ(lines.size(), 10 + live);
    const tag_au* unit = m_findAllocUnit(leak);
    const tag_au* arrayUnit = m_findAllocUnit(leakedArray);
    ASSERT_NE(unit, nullptr);
    ASSERT_NE(arrayUnit, nullptr);
    EXPECT_GE(lineIndex(lines, format("%06u %s 0x0000000A %s 0x0000002A 0x00000004 malloc      N       N    "
                                      "CSpriteBase(00084)::??",
                                      unit->allocationNumber, addressText(leak).c_str(),
                                      addressText(unit->actualAddress).c_str())),
              10);
    EXPECT_GE(lineIndex(lines, format("%06u %s 0x00000003 %s 0x00000023 0x00000000 new[]       N       N    "
                                      "CSpriteBase(00085)::??",
                                      arrayUnit->allocationNumber, addressText(leakedArray).c_str(),
                                      addressText(arrayUnit->actualAddress).c_str())),
              10);
    m_deallocator("CSpriteBase", 90, "??", m_alloc_free, leak);
    ::operator delete[](leakedArray);
}

// The probe program's run: its arguments and the report its teardown leaves.
TEST_F(LeakReportTest, AWholeRunEndsWithAReportOfWhatWasStillAlive)
{
    const struct
    {
        const char* arguments;
        std::string found;
        size_t rows;
    } cases[] = {
        {"leaks 3", "3 memory leaks found:", 3},
        {"leaks 1", "1 memory leak found:", 1},
        {"clean", "Congratulations! No memory leaks found!", 0},
        {"late", "Congratulations! No memory leaks found!", 0}, // released after the first report
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.arguments);
        std::remove(memoryLeakLogFile);
        writeFile(memoryLogFile, "an earlier run\r\n");
        const std::string command = std::string("'") + MEMORY_TRACKER_PROBE + "' " + c.arguments;
        const int status = std::system(command.c_str());
        ASSERT_TRUE(WIFEXITED(status));
        ASSERT_EQ(WEXITSTATUS(status), 0);

        const std::vector<std::string> log = memoryLogLines();
        ASSERT_EQ(log.size(), 28u) << readFile(memoryLogFile);
        EXPECT_EQ(log[0], std::string(80, '-'));
        EXPECT_EQ(log[2].rfind("      memory.log - Memory logging file created on ", 0), 0u);

        const std::vector<std::string> report = crlfLines(readFile(memoryLeakLogFile));
        expectReportTitle(report);
        ASSERT_GE(report.size(), 7u);
        EXPECT_EQ(report[5], c.found);
        EXPECT_EQ(report[6], "");
        if (c.rows == 0)
        {
            EXPECT_EQ(report.size(), 7u);
            continue;
        }
        ASSERT_EQ(report.size(), 10 + c.rows);
        EXPECT_EQ(std::vector<std::string>(report.begin() + 7, report.begin() + 10), tableHeading);
        for (size_t row = 10; row < report.size(); ++row)
            EXPECT_TRUE(std::regex_match(
                report[row],
                std::regex("\\d{6} 0x[0-9A-F]{8,} 0x0000000A 0x[0-9A-F]{8,} 0x0000002A "
                           "0x00000008 new         N       N    CSpriteBase\\(00084\\)::\\?\\?")))
                << report[row];
    }
}
} // namespace
