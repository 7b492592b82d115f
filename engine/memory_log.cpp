// The memory log, memory.log: a line-per-entry record kept beside the game.
#include "engine/memory_log.h"

#include <cstdio>

const char* const kMemoryLogPath = "memory.log";

void log(const char* line)
{
    std::FILE* f = std::fopen(kMemoryLogPath, "a");
    if (!f)
        return;
    std::fprintf(f, "%s\n", line ? line : "");
    std::fclose(f);
}
