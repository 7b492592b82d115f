// A picture presented through each way of zooming into windows of chosen sizes, and the windows compared.
#include "tests/support/zoom_check.h"

#include "engine/globals.h"

#include <cstring>
#include <gtest/gtest.h>

namespace testing_support
{
OwnedSurface makeWindowLike(int w, int h, int bits)
{
    if (bits == 16)
        return OwnedSurface(SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 16, 0xf800, 0x07e0, 0x001f, 0));
    return OwnedSurface(SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, 0x00ff0000, 0x0000ff00, 0x000000ff, 0));
}

OwnedSurface presentZoomed(ZoomPath path, SDL_Surface* picture, int w, int h, int windowBits)
{
    OwnedSurface window = makeWindowLike(w, h, windowBits);
    SDL_FillRect(window.get(), nullptr, 0);
    SDL_Surface* gameWindow = windowSurface();
    const int width = SCREEN_WIDTH;
    const int height = SCREEN_HEIGHT;
    setWindowSurface(window.get());
    SCREEN_WIDTH = w;
    SCREEN_HEIGHT = h;
    setZoomPath(path);
    presentFrame(picture);
    setZoomPath(ZoomPath::scaler);
    setWindowSurface(gameWindow);
    SCREEN_WIDTH = width;
    SCREEN_HEIGHT = height;
    return window;
}

void expectScaledAsZoomSurface(SDL_Surface* picture, const std::vector<WindowSize>& sizes)
{
    for (const WindowSize& size : sizes)
    {
        const OwnedSurface expected = presentZoomed(ZoomPath::zoomSurface, picture, size.w, size.h);
        const OwnedSurface actual = presentZoomed(ZoomPath::scaler, picture, size.w, size.h);
        long differing = 0;
        int firstX = -1, firstY = -1;
        Uint32 wanted = 0, drawn = 0;
        for (int y = 0; y < size.h; ++y)
            for (int x = 0; x < size.w; ++x)
            {
                const Uint8* e = static_cast<Uint8*>(expected->pixels) + y * expected->pitch + x * 4;
                const Uint8* a = static_cast<Uint8*>(actual->pixels) + y * actual->pitch + x * 4;
                if (std::memcmp(e, a, 4) != 0 && differing++ == 0)
                {
                    firstX = x;
                    firstY = y;
                    std::memcpy(&wanted, e, 4);
                    std::memcpy(&drawn, a, 4);
                }
            }
        EXPECT_EQ(differing, 0) << size.w << "x" << size.h << ": first at (" << firstX << ", " << firstY
                                << "), " << std::hex << wanted << " from zoomSurface, " << drawn << " drawn";
    }
}
} // namespace testing_support
