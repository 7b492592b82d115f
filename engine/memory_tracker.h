// The memory tracker: every block the game allocates, wrapped in guard bytes and recorded with its owner,
// the operations log memory.log and the leak report memleaks.log written at teardown.
#pragma once

#include <cstddef>

// One live block.
struct tag_au
{
    size_t actualSize;     // bytes taken from malloc: reportedSize + 32
    size_t reportedSize;   // bytes the caller asked for
    void* actualAddress;   // start of the malloc block
    void* reportedAddress; // actualAddress + 16: what the caller gets
    char sourceFile[40];   // owner's file name without its folders, "??" when none
    char sourceFunc[40];   // owner's function, "??" when none
    unsigned int sourceLine;
    unsigned int allocationType; // index into allocationTypes
    bool breakOnDealloc;
    bool breakOnRealloc;
    unsigned int allocationNumber; // the running allocation count when the block was made, from 1
    tag_au* next;
    tag_au* prev;
};

// The tracker's counters, as m_getMemoryStatistics copies them.
struct sMStats
{
    size_t totalReportedMemory;
    size_t totalActualMemory;
    size_t peakReportedMemory;
    size_t peakActualMemory;
    size_t accumulatedReportedMemory;
    size_t accumulatedActualMemory;
    size_t accumulatedAllocUnitCount;
    size_t totalAllocUnitCount;
    size_t peakAllocUnitCount;
};

// Allocation types: indices into allocationTypes.
enum : unsigned int
{
    m_alloc_unknown = 0,
    m_alloc_new = 1,
    m_alloc_new_array = 2,
    m_alloc_malloc = 3,
    m_alloc_calloc = 4,
    m_alloc_realloc = 5,
    m_alloc_delete = 6,
    m_alloc_delete_array = 7,
    m_alloc_free = 8
};

extern const char* const allocationTypes[9];
extern const char memoryLogFile[];     // "memory.log", in the working directory
extern const char memoryLeakLogFile[]; // "memleaks.log", in the working directory

// Makes (file, line, func) the owner of the next allocation or release. The game calls it before every
// new and delete with its own file's name ("CSpriteBase"), the line and "??".
void m_setOwner(const char* file, unsigned int line, const char* func);

// Names the calling file, line and function as the owner of the next block, so
// the leak report says where a long-lived object of the game was made.
#define M_OWNER() m_setOwner(__FILE__, __LINE__, __func__)

// Returns the caller's address of a fresh block, or null after logging why it could not be had.
void* m_allocator(const char* file, unsigned int line, const char* func, unsigned int type, size_t size);
// Resizes a live block, keeping its bytes; a null address allocates, a size of 0 is taken as 1. Returns
// null after logging a failure, the old block then untouched.
void* m_reallocator(const char* file, unsigned int line, const char* func, unsigned int type, size_t size,
                    void* address);
// Releases a live block; an address the tracker never handed out is logged and otherwise ignored.
void m_deallocator(const char* file, unsigned int line, const char* func, unsigned int type,
                   const void* address);

// The allocation operators' way in: they allocate and release for the pending owner and clear it.
void* m_allocateForPendingOwner(unsigned int type, size_t size);
void m_releaseForPendingOwner(unsigned int type, void* address);

// The unit of a live block by the address its caller got, or null.
const tag_au* m_findAllocUnit(const void* reportedAddress);
bool m_validateAddress(const void* reportedAddress);
// True when all eight guard words are intact; logs each damaged word with the unit.
bool m_validateAllocUnit(const tag_au* unit);
// Validates every live unit and the table itself; true when nothing was wrong.
bool m_validateAllAllocUnits();
// Bytes of a block still holding the fresh-block fill, counted in whole words.
size_t m_calcUnused(const tag_au* unit);
size_t m_calcAllUnused();

void m_dumpAllocUnit(const tag_au* unit, const char* prefix = "");
void m_dumpMemoryReport(const char* filename = "memreport.log", bool overwrite = true);
sMStats m_getMemoryStatistics();

// Stop in the debugger when the numbered allocation is made, or when the block is released or resized.
void m_breakOnAllocation(unsigned int count);
void m_breakOnDealloc(void* reportedAddress);
void m_breakOnRealloc(void* reportedAddress);

// The switches.
bool& m_alwaysValidateAll();
bool& m_alwaysLogAll();
bool& m_alwaysWipeAll();
bool& m_randomeWipe();
bool& m_cleanupLogOnFirstRun();

// Sees every block after its release wipe, just before it goes back to the runtime (null: nobody). It runs
// inside the release and must not allocate.
using ReleaseObserver = void (*)(const tag_au* unit);
void m_setReleaseObserver(ReleaseObserver observer);

// Appends one printf-style line to memory.log.
void log(const char* format, ...) __attribute__((format(printf, 1, 2)));
// Starts a fresh memory.log with its header, once per run.
void doCleanupLogOnFirstRun();
// Writes memleaks.log: every live block and its owner.
void dumpLeakReport();

// Allocation with a given file and line (the function is "??"); released with plain delete. Defined with the
// replaced operators, so only the game's binary and the tracker's tests can use them.
void* operator new(size_t size, const char* file, int line);
void* operator new[](size_t size, const char* file, int line);
void operator delete(void* address, const char* file, int line) noexcept;
void operator delete[](void* address, const char* file, int line) noexcept;
