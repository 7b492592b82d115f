// A small program run by the memory tracker's tests: it leaves blocks alive at exit, frees everything,
// or has a block released by a static object that outlives the tracker's own.
//   teardown_probe leaks N   N blocks of 10 bytes owned by CSpriteBase line 84 stay alive
//   teardown_probe clean     every block is released before main returns
//   teardown_probe late      the last block is released after the tracker wrote its leak report
#include "engine/memory_tracker.h"

#include <cstdlib>
#include <cstring>
#include <new>

namespace
{
void* kept[64];

// Constructed before the tracker's static object, so destroyed after it.
struct LateOwner
{
    void* block = nullptr;
    ~LateOwner()
    {
        m_setOwner("LateOwner", 1, "??");
        ::operator delete(block);
    }
};
__attribute__((init_priority(101))) LateOwner lateOwner;
} // namespace

int main(int argc, char** argv)
{
    const char* scenario = argc > 1 ? argv[1] : "";
    if (std::strcmp(scenario, "leaks") == 0 && argc > 2)
    {
        const int count = std::atoi(argv[2]);
        for (int i = 0; i < count && i < 64; ++i)
        {
            m_setOwner("CSpriteBase", 84, "??");
            kept[i] = ::operator new(10);
        }
        return 0;
    }
    if (std::strcmp(scenario, "clean") == 0)
    {
        for (void*& block : kept)
            block = ::operator new(10);
        for (void* block : kept)
            ::operator delete(block);
        return 0;
    }
    if (std::strcmp(scenario, "late") == 0)
    {
        m_setOwner("LateOwner", 1, "??");
        lateOwner.block = ::operator new(10);
        return 0;
    }
    return 2;
}
