// Showing a finished 640x480 picture in the window, zoomed to its size.
#pragma once

#include <SDL.h>
#include <functional>

// Presents the picture composed in the top-left 640x480 of `target`: flipped
// as it is at 640x480, otherwise zoomed with smoothing to SCREEN_WIDTH x
// SCREEN_HEIGHT first. Every screen ends its draw with this.
void presentFrame(SDL_Surface* target);

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
