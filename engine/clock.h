// The game's one clock: every timed thing reads gameTicks(), never SDL directly.
#pragma once

#include <SDL.h>

// Milliseconds since SDL started, or the test clock when a test holds it.
Uint32 gameTicks();

// Test control of the clock. While held, gameTicks() returns the value set
// here; with an automatic advance, every read also moves the clock on by that
// many milliseconds, so whole matches run with hit-stop waits and play-once
// sprites still ending.
void setTestClock(Uint32 now);
void advanceTestClock(Uint32 ms);
void setTestClockAutoAdvance(Uint32 msPerRead);
void releaseTestClock();
bool testClockHeld();
