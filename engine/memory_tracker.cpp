// The memory tracker: guard-wrapped blocks recorded by owner in a hash table, memory.log and memleaks.log.
#include "engine/memory_tracker.h"

#include <pthread.h>

#include <cinttypes>
#include <csignal>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

// Everything here may run before any static constructor and after every static destructor, and it runs
// inside operator new: the state is plain constant-initialised data, the bookkeeping uses malloc and free
// only, and text is formatted into stack buffers.

const char* const allocationTypes[9] = {"Unknown", "new",    "new[]",    "malloc", "calloc",
                                        "realloc", "delete", "delete[]", "free"};
const char memoryLogFile[] = "memory.log";
const char memoryLeakLogFile[] = "memleaks.log";

namespace
{
const uint32_t prefixPattern = 0xBAADF00D;
const uint32_t postfixPattern = 0xDEADC0DE;
const uint32_t unusedPattern = 0xFEEDFACE;
const uint32_t releasedPattern = 0xDEADBEEF;

const size_t guardWords = 4;
const size_t guardBytes = guardWords * sizeof(uint32_t); // on each side of a block

bool alwaysValidateAll = false;
bool alwaysLogAll = false;
bool alwaysWipeAll = true;
bool randomWipe = false;
bool cleanupLogOnFirstRun = true;

const char* const outOfMemory = "Request for allocation failed. Out of memory.";
const char* const noTrackingMemory = "Unable to allocate RAM for internal memory tracking data";
const char* const neverAllocated = "Request to deallocate RAM that was never allocated";
const char* const reallocNeverAllocated = "Request to reallocate RAM that was never allocated";
const char* const reallocOutOfMemory = "Request for reallocation failed. Out of memory.";

const size_t hashSize = 4096;
const size_t unitsPerReservoirBlock = 256;

tag_au* hashTable[hashSize];
tag_au* reservoir;
tag_au** reservoirBuffer;
size_t reservoirBufferSize;
unsigned int currentAllocationCount;
unsigned int breakOnAllocationCount;
sMStats stats;
bool staticDeinitTime;

const char* sourceFile = "??";
const char* sourceFunc = "??";
unsigned int sourceLine;

ReleaseObserver releaseObserver;

const size_t ownerTextSize = 256;
const size_t sizeTextSize = 64;

void resetOwner()
{
    sourceFile = "??";
    sourceFunc = "??";
    sourceLine = 0;
}

void debugBreak()
{
    std::raise(SIGTRAP);
}

const char* typeName(unsigned int type)
{
    return allocationTypes[type < sizeof allocationTypes / sizeof allocationTypes[0] ? type : 0];
}

const char* withoutFolders(const char* file)
{
    if (!file)
        return "??";
    const char* name = file;
    for (const char* c = file; *c; ++c)
        if (*c == '\\' || *c == '/')
            name = c + 1;
    return name;
}

// "file(00084)::func"
const char* ownerText(char (&text)[ownerTextSize], const char* file, unsigned int line, const char* func)
{
    std::snprintf(text, sizeof text, "%s(%05u)::%s", withoutFolders(file), line, func ? func : "??");
    return text;
}

void copyName(char (&to)[40], const char* from)
{
    std::snprintf(to, sizeof to, "%s", from ? from : "??");
}

const char* withCommas(char (&text)[sizeTextSize], size_t value)
{
    char digits[32];
    const int count = std::snprintf(digits, sizeof digits, "%zu", value);
    size_t out = 0;
    for (int i = 0; i < count; ++i)
    {
        if (i > 0 && (count - i) % 3 == 0)
            text[out++] = ',';
        text[out++] = digits[i];
    }
    text[out] = '\0';
    return text;
}

void formatText(char* text, size_t size, const char* format, ...) __attribute__((format(printf, 3, 4)));
void formatText(char* text, size_t size, const char* format, ...)
{
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, size, format, args);
    va_end(args);
}

// "     1,024 bytes     ", "     2,048 (   2.00K)", " 2,097,152 (   2.00M)": at most 47 characters for
// the largest size_t.
const char* sizeText(char (&text)[sizeTextSize], size_t size)
{
    char commas[sizeTextSize];
    withCommas(commas, size);
    if (size <= 1024)
        formatText(text, sizeof text, "%10s bytes     ", commas);
    else if (size <= 1048576)
        formatText(text, sizeof text, "%10s (%7.2fK)", commas, static_cast<double>(size) / 1024.0);
    else
        formatText(text, sizeof text, "%10s (%7.2fM)", commas, static_cast<double>(size) / 1048576.0);
    return text;
}

uintptr_t addressBits(const void* address)
{
    return reinterpret_cast<uintptr_t>(address);
}

size_t chainOf(const void* reportedAddress)
{
    return (addressBits(reportedAddress) >> 4) & (hashSize - 1);
}

tag_au* findUnit(const void* reportedAddress)
{
    for (tag_au* au = hashTable[chainOf(reportedAddress)]; au; au = au->next)
        if (au->reportedAddress == reportedAddress)
            return au;
    return nullptr;
}

void linkIntoChain(tag_au* au)
{
    tag_au*& head = hashTable[chainOf(au->reportedAddress)];
    au->prev = nullptr;
    au->next = head;
    if (head)
        head->prev = au;
    head = au;
}

void unlinkFromChain(tag_au* au)
{
    if (au->prev)
        au->prev->next = au->next;
    else
        hashTable[chainOf(au->reportedAddress)] = au->next;
    if (au->next)
        au->next->prev = au->prev;
}

void refillReservoir()
{
    tag_au* block = static_cast<tag_au*>(std::calloc(unitsPerReservoirBlock, sizeof(tag_au)));
    if (!block)
        throw noTrackingMemory;
    void* grown = std::realloc(reservoirBuffer, (reservoirBufferSize + 1) * sizeof(tag_au*));
    if (!grown)
    {
        std::free(block);
        throw noTrackingMemory;
    }
    reservoirBuffer = static_cast<tag_au**>(grown);
    reservoirBuffer[reservoirBufferSize++] = block;
    for (size_t i = 0; i + 1 < unitsPerReservoirBlock; ++i)
        block[i].next = &block[i + 1];
    reservoir = block;
}

void returnToReservoir(tag_au* au)
{
    std::memset(au, 0, sizeof *au);
    au->next = reservoir;
    reservoir = au;
}

void releaseReservoir()
{
    for (size_t i = 0; i < reservoirBufferSize; ++i)
        std::free(reservoirBuffer[i]);
    std::free(reservoirBuffer);
    reservoirBuffer = nullptr;
    reservoirBufferSize = 0;
    reservoir = nullptr;
}

void raisePeaks()
{
    if (stats.totalReportedMemory > stats.peakReportedMemory)
        stats.peakReportedMemory = stats.totalReportedMemory;
    if (stats.totalActualMemory > stats.peakActualMemory)
        stats.peakActualMemory = stats.totalActualMemory;
    if (stats.totalAllocUnitCount > stats.peakAllocUnitCount)
        stats.peakAllocUnitCount = stats.totalAllocUnitCount;
}

void putWord(unsigned char* at, uint32_t word)
{
    std::memcpy(at, &word, sizeof word);
}

uint32_t wordAt(const unsigned char* at)
{
    uint32_t word;
    std::memcpy(&word, at, sizeof word);
    return word;
}

// Fills the caller's bytes from `from` on with the pattern and rewrites both guards.
void wipeWithPattern(tag_au* au, uint32_t pattern, size_t from = 0)
{
    if (randomWipe)
    {
        pattern = 0;
        for (int byte = 0; byte < 4; ++byte)
            pattern = (pattern << 8) | (static_cast<uint32_t>(std::rand()) & 0xFF);
    }
    if (alwaysWipeAll && au->reportedSize > from)
    {
        unsigned char* bytes = static_cast<unsigned char*>(au->reportedAddress) + from;
        const size_t length = au->reportedSize - from;
        const size_t words = length / 4;
        for (size_t i = 0; i < words; ++i)
            putWord(bytes + 4 * i, pattern);
        for (size_t i = 0; i < length % 4; ++i)
            bytes[4 * words + i] = static_cast<unsigned char>(pattern >> (8 * i));
    }
    unsigned char* prefix = static_cast<unsigned char*>(au->actualAddress);
    unsigned char* postfix = prefix + au->actualSize - guardBytes;
    for (size_t i = 0; i < guardWords; ++i)
    {
        putWord(prefix + 4 * i, prefixPattern);
        putWord(postfix + 4 * i, postfixPattern);
    }
}

void* allocateBlock(const char* file, unsigned int line, const char* func, unsigned int type, size_t size)
{
    if (!reservoir)
        refillReservoir();
    if (size > SIZE_MAX - 2 * guardBytes)
        throw outOfMemory;

    tag_au* au = reservoir;
    reservoir = au->next;
    std::memset(au, 0, sizeof *au);
    au->actualSize = size + 2 * guardBytes;
    au->actualAddress = std::malloc(au->actualSize);
    if (!au->actualAddress)
    {
        returnToReservoir(au);
        throw outOfMemory;
    }
    au->reportedSize = size;
    au->reportedAddress = static_cast<unsigned char*>(au->actualAddress) + guardBytes;
    au->allocationType = type;
    au->sourceLine = line;
    au->allocationNumber = currentAllocationCount;
    copyName(au->sourceFile, withoutFolders(file));
    copyName(au->sourceFunc, func);

    linkIntoChain(au);
    stats.totalReportedMemory += au->reportedSize;
    stats.totalActualMemory += au->actualSize;
    stats.accumulatedReportedMemory += au->reportedSize;
    stats.accumulatedActualMemory += au->actualSize;
    ++stats.totalAllocUnitCount;
    ++stats.accumulatedAllocUnitCount;
    raisePeaks();

    wipeWithPattern(au, unusedPattern);
    if (type == m_alloc_calloc)
        std::memset(au->reportedAddress, 0, au->reportedSize);
    if (alwaysValidateAll)
        m_validateAllAllocUnits();
    if (alwaysLogAll)
        log("[+] ---->             addr 0x%08" PRIXPTR, addressBits(au->reportedAddress));
    return au->reportedAddress;
}

// Wipes a released block, shows it to the observer and gives it back to the runtime.
void freeBlock(tag_au* au)
{
    wipeWithPattern(au, releasedPattern);
    if (releaseObserver)
        releaseObserver(au);
    std::free(au->actualAddress);
}

void releaseBlock(const void* address)
{
    tag_au* au = findUnit(address);
    if (!au)
        throw neverAllocated;
    if (au->breakOnDealloc)
        debugBreak();
    freeBlock(au);
    unlinkFromChain(au);
    stats.totalReportedMemory -= au->reportedSize;
    stats.totalActualMemory -= au->actualSize;
    --stats.totalAllocUnitCount;
    returnToReservoir(au);
}

void* reallocateBlock(const char* file, unsigned int line, const char* func, unsigned int type, size_t size,
                      void* address)
{
    tag_au* au = findUnit(address);
    if (!au)
        throw reallocNeverAllocated;
    if (au->breakOnRealloc)
        debugBreak();
    if (size > SIZE_MAX - 2 * guardBytes)
        throw reallocOutOfMemory;
    const size_t actualSize = size + 2 * guardBytes;
    unsigned char* actual = static_cast<unsigned char*>(std::malloc(actualSize));
    if (!actual)
        throw reallocOutOfMemory;
    const size_t oldReportedSize = au->reportedSize;
    std::memcpy(actual + guardBytes, au->reportedAddress, oldReportedSize < size ? oldReportedSize : size);
    freeBlock(au);
    unlinkFromChain(au);
    stats.totalReportedMemory -= au->reportedSize;
    stats.totalActualMemory -= au->actualSize;

    au->actualSize = actualSize;
    au->actualAddress = actual;
    au->reportedSize = size;
    au->reportedAddress = actual + guardBytes;
    au->allocationType = type;
    au->sourceLine = line;
    au->allocationNumber = currentAllocationCount;
    copyName(au->sourceFile, withoutFolders(file));
    copyName(au->sourceFunc, func);
    linkIntoChain(au);
    stats.totalReportedMemory += au->reportedSize;
    stats.totalActualMemory += au->actualSize;
    stats.accumulatedReportedMemory += au->reportedSize;
    stats.accumulatedActualMemory += au->actualSize;
    raisePeaks();

    wipeWithPattern(au, unusedPattern, oldReportedSize);
    if (alwaysValidateAll)
        m_validateAllAllocUnits();
    if (alwaysLogAll)
        log("[~] ---->             addr 0x%08" PRIXPTR, addressBits(au->reportedAddress));
    return au->reportedAddress;
}

void writeUnitRows(std::FILE* f)
{
    char owner[ownerTextSize];
    for (size_t chain = 0; chain < hashSize; ++chain)
        for (const tag_au* au = hashTable[chain]; au; au = au->next)
            std::fprintf(
                f,
                "%06u 0x%08" PRIXPTR " 0x%08zX 0x%08" PRIXPTR " 0x%08zX 0x%08zX %-8s    %c       %c    "
                "%s\r\n",
                au->allocationNumber, addressBits(au->reportedAddress), au->reportedSize,
                addressBits(au->actualAddress), au->actualSize, m_calcUnused(au),
                typeName(au->allocationType), au->breakOnDealloc ? 'Y' : 'N', au->breakOnRealloc ? 'Y' : 'N',
                ownerText(owner, au->sourceFile, au->sourceLine, au->sourceFunc));
}

void writeUnitTable(std::FILE* f)
{
    std::fputs("Alloc.   Addr       Size       Addr       Size       "
               "                 BreakOn BreakOn              \r\n"
               "Number Reported   Reported    Actual     Actual     "
               "Unused    Method  Dealloc Realloc Allocated by \r\n"
               "------ ---------- ---------- ---------- ---------- "
               "---------- -------- ------- ------- --------------------------------------------------- \r\n",
               f);
    writeUnitRows(f);
}

const char* const reportRule =
    " ------------------------------------------------------------------------------------------"
    "---------------------------------------- \r\n";

void writeReportTitle(std::FILE* f, const char* title)
{
    const std::time_t now = std::time(nullptr);
    std::tm when{};
    if (const std::tm* local = std::localtime(&now))
        when = *local;
    std::fputs(reportRule, f);
    // The title is padded to the leak report's so that both frames line up.
    std::fprintf(f,
                 "|                                          %-23s  %02d/%02d/%04d %02d:%02d:%02d"
                 "                                            |\r\n",
                 title, when.tm_mon + 1, when.tm_mday, when.tm_year + 1900, when.tm_hour, when.tm_min,
                 when.tm_sec);
    std::fputs(reportRule, f);
    std::fputs("\r\n\r\n", f);
}

// Writes the tracker's start of memory.log and its end of memleaks.log with the program's static objects.
struct TrackerLifetime
{
    TrackerLifetime() { doCleanupLogOnFirstRun(); }
    ~TrackerLifetime()
    {
        staticDeinitTime = true;
        dumpLeakReport();
    }
    TrackerLifetime(const TrackerLifetime&) = delete;
    TrackerLifetime& operator=(const TrackerLifetime&) = delete;
};

TrackerLifetime trackerLifetime;

// The game allocates from its own thread, but libraries loaded beside it
// (audio back-ends) may call the replaced operators from theirs: one lock
// keeps the bookkeeping whole. It is ready before any constructor runs and
// recursive, since a tracked operation may log or report while it holds it.
pthread_mutex_t trackerLock = PTHREAD_RECURSIVE_MUTEX_INITIALIZER_NP;

class TrackerGuard
{
public:
    TrackerGuard() { pthread_mutex_lock(&trackerLock); }
    ~TrackerGuard() { pthread_mutex_unlock(&trackerLock); }
    TrackerGuard(const TrackerGuard&) = delete;
    TrackerGuard& operator=(const TrackerGuard&) = delete;
};
} // namespace

void m_setOwner(const char* file, unsigned int line, const char* func)
{
    TrackerGuard guard;
    if (alwaysLogAll && sourceLine != 0)
    {
        char owner[ownerTextSize];
        log("[I] NOTE! Possible destructor chain: previous owner is %s",
            ownerText(owner, sourceFile, sourceLine, sourceFunc));
    }
    sourceFile = file;
    sourceLine = line;
    sourceFunc = func;
}

void* m_allocator(const char* file, unsigned int line, const char* func, unsigned int type, size_t size)
{
    TrackerGuard guard;
    ++currentAllocationCount;
    if (alwaysLogAll)
    {
        char owner[ownerTextSize];
        log("[+] %05u %8s of size 0x%08zX(%08zu) by %s", currentAllocationCount, typeName(type), size, size,
            ownerText(owner, file, line, func));
    }
    if (breakOnAllocationCount != 0 && currentAllocationCount == breakOnAllocationCount)
        debugBreak();
    void* block = nullptr;
    try
    {
        block = allocateBlock(file, line, func, type, size);
    }
    catch (const char* failure)
    {
        log("[!] %s", failure);
    }
    resetOwner();
    return block;
}

void* m_reallocator(const char* file, unsigned int line, const char* func, unsigned int type, size_t size,
                    void* address)
{
    TrackerGuard guard;
    if (!address)
        return m_allocator(file, line, func, type, size);
    if (size == 0)
        size = 1;
    ++currentAllocationCount;
    if (alwaysLogAll)
    {
        char owner[ownerTextSize];
        log("[~] %05u %8s of size 0x%08zX(%08zu) by %s", currentAllocationCount, typeName(type), size, size,
            ownerText(owner, file, line, func));
    }
    void* block = nullptr;
    try
    {
        block = reallocateBlock(file, line, func, type, size, address);
    }
    catch (const char* failure)
    {
        log("[!] %s", failure);
    }
    resetOwner();
    return block;
}

void m_deallocator(const char* file, unsigned int line, const char* func, unsigned int type,
                   const void* address)
{
    TrackerGuard guard;
    if (alwaysLogAll)
    {
        char owner[ownerTextSize];
        log("[-] ----- %8s of addr 0x%08" PRIXPTR "           by %s", typeName(type), addressBits(address),
            ownerText(owner, file, line, func));
    }
    if (address)
    {
        try
        {
            releaseBlock(address);
        }
        catch (const char* failure)
        {
            log("[!] %s", failure);
            resetOwner();
            return;
        }
    }
    resetOwner();
    if (alwaysValidateAll)
        m_validateAllAllocUnits();
    if (staticDeinitTime)
        dumpLeakReport();
}

void* m_allocateForPendingOwner(unsigned int type, size_t size)
{
    TrackerGuard guard;
    return m_allocator(sourceFile, sourceLine, sourceFunc, type, size);
}

void m_releaseForPendingOwner(unsigned int type, void* address)
{
    TrackerGuard guard;
    if (address)
    {
        m_deallocator(sourceFile, sourceLine, sourceFunc, type, address);
        return;
    }
    if (alwaysLogAll)
    {
        char owner[ownerTextSize];
        log("[-] ----- %8s of NULL                      by %s", typeName(type),
            ownerText(owner, sourceFile, sourceLine, sourceFunc));
    }
    resetOwner();
}

const tag_au* m_findAllocUnit(const void* reportedAddress)
{
    return findUnit(reportedAddress);
}

bool m_validateAddress(const void* reportedAddress)
{
    return findUnit(reportedAddress) != nullptr;
}

bool m_validateAllocUnit(const tag_au* unit)
{
    const unsigned char* prefix = static_cast<const unsigned char*>(unit->actualAddress);
    const unsigned char* postfix = prefix + unit->actualSize - guardBytes;
    bool intact = true;
    for (size_t i = 0; i < guardWords; ++i)
    {
        if (wordAt(prefix + 4 * i) != prefixPattern)
        {
            log("[!] A memory allocation unit was corrupt because of an underrun:");
            m_dumpAllocUnit(unit, "  ");
            intact = false;
        }
    }
    for (size_t i = 0; i < guardWords; ++i)
    {
        if (wordAt(postfix + 4 * i) != postfixPattern)
        {
            log("[!] A memory allocation unit was corrupt because of an overrun:");
            m_dumpAllocUnit(unit, "  ");
            intact = false;
        }
    }
    return intact;
}

bool m_validateAllAllocUnits()
{
    size_t problems = 0;
    size_t found = 0;
    for (size_t chain = 0; chain < hashSize; ++chain)
    {
        for (const tag_au* au = hashTable[chain]; au; au = au->next)
        {
            ++found;
            if (!m_validateAllocUnit(au))
                ++problems;
        }
    }
    if (found != stats.totalAllocUnitCount)
    {
        log("[!] Memory tracking hash table corrupt!");
        ++problems;
    }
    if (problems)
        log("[!] While validting all allocation units, %zu allocation unit(s) were found to have problems",
            problems);
    return problems == 0;
}

size_t m_calcUnused(const tag_au* unit)
{
    const unsigned char* bytes = static_cast<const unsigned char*>(unit->reportedAddress);
    size_t unused = 0;
    for (size_t i = 0; i < unit->reportedSize / 4; ++i)
        if (wordAt(bytes + 4 * i) == unusedPattern)
            unused += 4;
    return unused;
}

size_t m_calcAllUnused()
{
    size_t unused = 0;
    for (size_t chain = 0; chain < hashSize; ++chain)
        for (const tag_au* au = hashTable[chain]; au; au = au->next)
            unused += m_calcUnused(au);
    return unused;
}

void m_dumpAllocUnit(const tag_au* unit, const char* prefix)
{
    char size[sizeTextSize];
    log("[I] %sAddress (reported): %18p", prefix, unit->reportedAddress);
    log("[I] %sAddress (actual)  : %18p", prefix, unit->actualAddress);
    log("[I] %sSize (reported)   : 0x%08zX (%s)", prefix, unit->reportedSize,
        sizeText(size, unit->reportedSize));
    log("[I] %sSize (actual)     : 0x%08zX (%s)", prefix, unit->actualSize, sizeText(size, unit->actualSize));
    log("[I] %sOwner             : %s(%u)::%s", prefix, unit->sourceFile, unit->sourceLine, unit->sourceFunc);
    log("[I] %sAllocation type   : %s", prefix, typeName(unit->allocationType));
    log("[I] %sAllocation number : %u", prefix, unit->allocationNumber);
}

void m_dumpMemoryReport(const char* filename, bool overwrite)
{
    std::FILE* f = std::fopen(filename, overwrite ? "wb" : "ab");
    if (!f)
        return;
    char a[sizeTextSize];
    char b[sizeTextSize];
    char c[sizeTextSize];
    const size_t unitBytes = reservoirBufferSize * unitsPerReservoirBlock * sizeof(tag_au);
    writeReportTitle(f, "Memory report for:");
    std::fputs("T O T A L S\r\n", f);
    std::fprintf(f, "              Allocation unit count: %10s\r\n",
                 withCommas(a, stats.totalAllocUnitCount));
    std::fprintf(f, "            Reported to application: %s\r\n", sizeText(a, stats.totalReportedMemory));
    std::fprintf(f, "         Actual total memory in use: %s\r\n", sizeText(b, stats.totalActualMemory));
    std::fprintf(f, "           Memory tracking overhead: %s\r\n",
                 sizeText(c, stats.totalActualMemory - stats.totalReportedMemory + unitBytes));
    std::fputs("\r\nP E A K S\r\n", f);
    std::fprintf(f, "              Allocation unit count: %10s\r\n", withCommas(a, stats.peakAllocUnitCount));
    std::fprintf(f, "            Reported to application: %s\r\n", sizeText(a, stats.peakReportedMemory));
    std::fprintf(f, "                             Actual: %s\r\n", sizeText(b, stats.peakActualMemory));
    std::fputs("\r\nA C C U M U L A T E D\r\n", f);
    std::fprintf(f, "              Allocation unit count: %10s\r\n",
                 withCommas(a, stats.accumulatedAllocUnitCount));
    std::fprintf(f, "            Reported to application: %s\r\n",
                 sizeText(a, stats.accumulatedReportedMemory));
    std::fprintf(f, "                             Actual: %s\r\n",
                 sizeText(b, stats.accumulatedActualMemory));
    std::fputs("\r\nU N U S E D\r\n", f);
    std::fprintf(f, "    Memory allocated but not in use: %s\r\n\r\n", sizeText(a, m_calcAllUnused()));
    writeUnitTable(f);
    std::fclose(f);
}

sMStats m_getMemoryStatistics()
{
    return stats;
}

void m_breakOnAllocation(unsigned int count)
{
    breakOnAllocationCount = count;
}

void m_breakOnDealloc(void* reportedAddress)
{
    if (tag_au* au = findUnit(reportedAddress))
        au->breakOnDealloc = true;
}

void m_breakOnRealloc(void* reportedAddress)
{
    if (tag_au* au = findUnit(reportedAddress))
        au->breakOnRealloc = true;
}

bool& m_alwaysValidateAll()
{
    return alwaysValidateAll;
}

bool& m_alwaysLogAll()
{
    return alwaysLogAll;
}

bool& m_alwaysWipeAll()
{
    return alwaysWipeAll;
}

bool& m_randomeWipe()
{
    return randomWipe;
}

bool& m_cleanupLogOnFirstRun()
{
    return cleanupLogOnFirstRun;
}

void m_setReleaseObserver(ReleaseObserver observer)
{
    releaseObserver = observer;
}

void log(const char* format, ...)
{
    if (cleanupLogOnFirstRun)
        doCleanupLogOnFirstRun();
    char line[2048];
    va_list args;
    va_start(args, format);
    std::vsnprintf(line, sizeof line, format, args);
    va_end(args);
    std::FILE* f = std::fopen(memoryLogFile, "ab");
    if (!f)
        return;
    std::fprintf(f, "%s\r\n", line);
    std::fclose(f);
}

void doCleanupLogOnFirstRun()
{
    if (!cleanupLogOnFirstRun)
        return;
    std::remove(memoryLogFile);
    cleanupLogOnFirstRun = false;

    const std::time_t now = std::time(nullptr);
    const std::tm* local = std::localtime(&now);
    const char* created = local ? std::asctime(local) : nullptr;
    const char* const rule =
        "--------------------------------------------------------------------------------";
    log("%s", rule);
    log("%s", "");
    log("      %s - Memory logging file created on %s", memoryLogFile, created ? created : "\n");
    log("%s", rule);
    static const char* const explanation[] = {
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
    };
    for (const char* line : explanation)
        log("%s", line);
    log("%s", rule);
}

void dumpLeakReport()
{
    TrackerGuard guard;
    std::FILE* f = std::fopen(memoryLeakLogFile, "wb");
    if (!f)
        return;
    writeReportTitle(f, "Memory leak report for:");
    if (stats.totalAllocUnitCount)
    {
        std::fprintf(f, "%zu memory leak%s found:\r\n", stats.totalAllocUnitCount,
                     stats.totalAllocUnitCount == 1 ? "" : "s");
        std::fputs("\r\n", f);
        writeUnitTable(f);
    }
    else
    {
        std::fputs("Congratulations! No memory leaks found!\r\n", f);
        releaseReservoir();
        std::fputs("\r\n", f);
    }
    std::fclose(f);
}
