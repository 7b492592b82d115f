// The game's one clock: every timed thing reads gameTicks(), never SDL directly.
#include "engine/clock.h"

#include <cstdio>
#include <cstdlib>

namespace
{
bool held = false;
bool required = false;
Uint32 fixedNow = 0;
Uint32 autoStep = 0;
} // namespace

Uint32 gameTicks()
{
    if (!held)
    {
        if (required)
        {
            std::fputs("gameTicks: the game clock was read with no test clock held while one is required "
                       "(requireTestClock): this run would have fallen back to SDL's real clock\n",
                       stderr);
            std::abort();
        }
        return SDL_GetTicks();
    }
    const Uint32 now = fixedNow;
    fixedNow += autoStep;
    return now;
}

void setTestClock(Uint32 now)
{
    held = true;
    fixedNow = now;
}

void advanceTestClock(Uint32 ms)
{
    fixedNow += ms;
}

void setTestClockAutoAdvance(Uint32 msPerRead)
{
    autoStep = msPerRead;
}

void releaseTestClock()
{
    held = false;
    autoStep = 0;
}

bool testClockHeld()
{
    return held;
}

void requireTestClock(bool r)
{
    required = r;
}

bool testClockRequired()
{
    return required;
}
