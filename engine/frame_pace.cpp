// How often the game presents its frames: menus and scenes at most 60 a second, fights and stages freely.
#include "engine/frame_pace.h"

#include <utility>

namespace
{
constexpr double kMenuFrameMs = 1000.0 / 60.0;

FramePace pace = FramePace::menu;
FrameWaiter waiter{SDL_GetTicks, SDL_Delay};
// When the next menu frame is due, in the waiter's milliseconds; below 0 until a menu frame is shown.
double due = -1;
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
    const double now = waiter.now();
    // The first frame, or one later than a whole frame (a fight or a load came
    // in between): the count starts again from now.
    if (due < 0 || now > due + kMenuFrameMs)
        due = now;
    if (now < due)
        waiter.wait(static_cast<Uint32>(due - now));
    due += kMenuFrameMs;
}

void setFrameWaiter(FrameWaiter w)
{
    waiter = std::move(w);
    due = -1;
}
