// Running independent pieces of generation side by side. Each index is done
// by exactly one worker and results go to slots chosen by index, so the output
// never depends on which thread finishes first.
//
// The whole program works on at most one worker per core: every task and every
// helper of parallelFor holds a core while it works. The pictures being painted
// at once, and so the memory they take, stay as many as the cores, however the
// steps and their parallel loops nest.
#pragma once

#include <functional>

namespace datagen
{
// Calls work(i) for every i in [0, count). The calling thread works through
// the indices itself; other threads help as cores come free.
void parallelFor(int count, const std::function<void(int)>& work);

// Calls work(i) for every i in [0, count), each on a thread of its own that
// holds a core while it runs; the tasks start in index order as cores come
// free. Returns when all have finished.
void runOnCores(int count, const std::function<void(int)>& work);
} // namespace datagen
