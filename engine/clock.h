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

// While required, a gameTicks() read with no test clock held prints one
// message naming the fault to stderr and aborts the program, so a headless run
// (the stage runner, the balance report, the data tests) can never quietly
// fall back to SDL's real clock and come to depend on the machine's load.
// Releasing the clock stays allowed: a run that releases and holds it again
// between runs must only not read it in between. Off unless set.
void requireTestClock(bool required);
bool testClockRequired();
