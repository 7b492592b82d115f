// Showing a finished 640x480 picture in the window, zoomed to its size.
#pragma once

#include <SDL.h>
#include <functional>

// Presents the picture composed in the top-left 640x480 of `target`: flipped
// as it is at 640x480, otherwise zoomed with smoothing to SCREEN_WIDTH x
// SCREEN_HEIGHT first. Every screen ends its draw with this. With a window
// surface set (below) and `target` another surface, the picture is copied or
// zoomed into the window and `target` is left as it was.
void presentFrame(SDL_Surface* target);

// The window's surface, set by `openWindow` each time the video mode is set.
// The game composes every picture into one 640x480 surface of its own,
// `screen`, so a window surface that SDL replaces on a mode change is only
// ever known here. Null until a window is opened (tests that draw straight
// into the video surface).
void setWindowSurface(SDL_Surface* window);
SDL_Surface* windowSurface();

// How a picture is zoomed into a window larger than 640x480: by the game's
// own scaler, or by SDL_gfx's zoomSurface into a new surface that is then
// copied into the window. Both give the same pixels; the second, slower, is
// kept to compare against.
enum class ZoomPath
{
    scaler,
    zoomSurface
};
void setZoomPath(ZoomPath path);

// The zoom factors of the presentation step.
double zoomFactorX();
double zoomFactorY();

// Called with the finished 640x480 picture at the start of every
// presentation; tests use it to count frames, read pixels, push the next
// input or ask the game to quit. Empty by default.
using FrameObserver = std::function<void(SDL_Surface*)>;
void setFrameObserver(FrameObserver observer);

// Frames presented since the program started.
unsigned long presentedFrameCount();
