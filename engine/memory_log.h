// The memory log, memory.log: a line-per-entry record kept beside the game.
#pragma once

extern const char* const kMemoryLogPath;

// Appends one line to the memory log.
void log(const char* line);
