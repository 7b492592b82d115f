// How often the game presents its frames: menus and scenes at most 60 a second, fights and stages freely.
#include "engine/frame_pace.h"

#include <utility>

namespace
{
// A sixtieth of a second is 50 thirds of a millisecond: due times are kept in
// whole milliseconds and the thirds left over, so the waits add up to exactly
// sixty frames a second.
constexpr Uint32 kFrameThirds = 50;
// The most a frame can be due after the last one ended, in whole milliseconds.
constexpr Uint32 kFrameMsCeiling = (kFrameThirds + 2) / 3;

FramePace pace = FramePace::menu;
FrameWaiter waiter{SDL_GetTicks, SDL_Delay};
// When the next menu frame is due on the waiter's clock: dueMs plus dueThirds
// thirds of a millisecond. None is due until a menu frame is shown.
bool started = false;
Uint32 dueMs = 0;
Uint32 dueThirds = 0;
} // namespace

framePaceScope::framePaceScope(FramePace p) : previous(pace)
{
    pace = p;
}

framePaceScope::~framePaceScope()
{
    pace = previous;
}

FramePace currentFramePace()
{
    return pace;
}

void paceFrame()
{
    if (pace != FramePace::menu || !waiter.now || !waiter.wait)
        return;
    const Uint32 now = waiter.now();
    // Unsigned differences wrap with the tick counter. The next frame is due
    // at most a frame after the last one ended, so `early` beyond that means
    // the frame is late (or the clock went back, which starts the count again).
    const Uint32 early = dueMs - now;
    const Uint32 late = now - dueMs;
    if (started && early >= 1 && early <= kFrameMsCeiling)
        waiter.wait(early);
    else if (!started || late > kFrameMsCeiling || late * 3 >= kFrameThirds + dueThirds)
    {
        // The first frame, or one late by a whole frame or more.
        started = true;
        dueMs = now;
        dueThirds = 0;
    }
    const Uint32 thirds = dueThirds + kFrameThirds;
    dueMs += thirds / 3;
    dueThirds = thirds % 3;
}

void setFrameWaiter(FrameWaiter w)
{
    waiter = std::move(w);
    started = false;
}
