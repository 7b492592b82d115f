// Running independent pieces of generation side by side. Each index is done
// by exactly one worker and results go to slots chosen by index, so the output
// never depends on which thread finishes first.
#pragma once

#include <functional>

namespace datagen
{
// Calls work(i) for every i in [0, count), on up to one thread per core.
void parallelFor(int count, const std::function<void(int)>& work);
} // namespace datagen
