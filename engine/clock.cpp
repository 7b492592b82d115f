// The game's one clock: every timed thing reads gameTicks(), never SDL directly.
#include "engine/clock.h"

namespace
{
bool held = false;
Uint32 fixedNow = 0;
Uint32 autoStep = 0;
} // namespace

Uint32 gameTicks()
{
    if (!held)
        return SDL_GetTicks();
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
