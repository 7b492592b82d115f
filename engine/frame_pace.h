// How often the game presents its frames: menus and scenes at most 60 a second, fights and stages freely.
#pragma once

#include <SDL.h>
#include <functional>

// Menus, scenes and the other screens between fights keep no step
// accumulators: their pictures move with the clock, so presenting more than
// 60 frames a second only keeps a core busy. After each of their frames the
// game waits out the rest of its sixtieth of a second. Fights and stages step
// their fighters when the time between frames adds up past a step and drop
// what is left over, so any wait there would slow the game: they present as
// fast as they can.
enum class FramePace
{
    menu,
    free
};

// The pace of the frames presented while it lives; the one before comes back
// when it ends. Menus are the pace when no scope is open.
class framePaceScope
{
public:
    explicit framePaceScope(FramePace pace);
    ~framePaceScope();
    framePaceScope(const framePaceScope&) = delete;
    framePaceScope& operator=(const framePaceScope&) = delete;

private:
    FramePace previous;
};

FramePace currentFramePace();

// Called by presentFrame after each frame: at the menu pace, waits until the
// frame's due time. Frames fall due a sixtieth of a second apart, on whole
// milliseconds that keep exactly sixty a second on average (16, 17 and 17 ms),
// so quick frames come sixty a second. A frame late by less than a sixtieth
// (a wait that woke late, a frame that took a little too long) keeps the next
// one's due time, which then has a shorter wait: the menus stay at sixty a
// second on average. A frame late by a whole sixtieth or more (a load, a fight
// in between) is not made up for: the count starts again from it, so no frames
// are hurried out to catch up. Ticks are compared by their wrapping
// difference, so the pace holds when SDL's tick counter wraps after 49.7 days.
void paceFrame();

// Where the menu pace reads the time and how it waits: SDL's ticks and
// SDL_Delay unless set. Tests hand in a clock of their own, or an empty
// waiter (either function empty), which never waits.
struct FrameWaiter
{
    std::function<Uint32()> now;
    std::function<void(Uint32 ms)> wait;
};
void setFrameWaiter(FrameWaiter waiter);
