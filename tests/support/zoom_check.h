// A picture presented through each way of zooming into windows of chosen sizes, and the windows compared.
#pragma once

#include "engine/present.h"

#include <SDL.h>
#include <memory>
#include <vector>

namespace testing_support
{
struct SurfaceFree
{
    void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
};
using OwnedSurface = std::unique_ptr<SDL_Surface, SurfaceFree>;

// A 32-bit surface with the game's colour masks (no alpha), or a 16-bit one.
OwnedSurface makeWindowLike(int w, int h, int bits = 32);

// `picture` presented through `path` into a fresh w x h window; the game's
// window, size and zoom path are put back afterwards.
OwnedSurface presentZoomed(ZoomPath path, SDL_Surface* picture, int w, int h, int windowBits = 32);

struct WindowSize
{
    int w, h;
};

// Presents `picture` at each size through the scaler and through zoomSurface
// and fails the test, naming the size and the first pixel, where the two
// windows differ in any byte.
void expectScaledAsZoomSurface(SDL_Surface* picture, const std::vector<WindowSize>& sizes);
} // namespace testing_support
