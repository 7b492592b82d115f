// Showing a finished 640x480 picture in the window, zoomed to its size.
#include "engine/present.h"

#include "engine/frame_pace.h"
#include "engine/globals.h"
#include "engine/picture_scaler.h"

#include <SDL_rotozoom.h>
#include <utility>

namespace
{
FrameObserver observer;
unsigned long frames = 0;
SDL_Surface* window = nullptr;

ZoomPath zoomPath = ZoomPath::scaler;
pictureScaler scaler;

// Zooms `picture` to the window's size in a surface of its own and copies it
// into the window; the picture goes unzoomed when that fails.
void zoomWithGfx(SDL_Surface* picture, SDL_Surface* win)
{
    SDL_Rect area = {0, 0, 640, 480};
    SDL_Surface* zoomed = zoomSurface(picture, SCREEN_WIDTH / static_cast<double>(picture->w),
                                      SCREEN_HEIGHT / static_cast<double>(picture->h), SMOOTHING_ON);
    if (zoomed)
    {
        SDL_Rect whole = {0, 0, static_cast<Uint16>(SCREEN_WIDTH), static_cast<Uint16>(SCREEN_HEIGHT)};
        SDL_Rect at = {0, 0, 0, 0};
        SDL_BlitSurface(zoomed, &whole, win, &at);
        SDL_FreeSurface(zoomed);
    }
    else
    {
        // The picture is shown unzoomed rather than not at all.
        SDL_Rect at = {0, 0, 0, 0};
        SDL_BlitSurface(picture, &area, win, &at);
    }
}

// Shows the 640x480 picture of `picture` in a window that is another surface.
void presentInto(SDL_Surface* picture, SDL_Surface* win)
{
    if (SCREEN_WIDTH == 640 && SCREEN_HEIGHT == 480)
    {
        SDL_Rect area = {0, 0, 640, 480};
        SDL_Rect at = {0, 0, 0, 0};
        SDL_BlitSurface(picture, &area, win, &at);
        SDL_Flip(win);
        return;
    }
    // The scaler draws the same pixels straight into the window; a window of
    // another size than the settings' or a format it does not cover is zoomed
    // as before.
    const bool scaled = zoomPath == ZoomPath::scaler && win->w == SCREEN_WIDTH && win->h == SCREEN_HEIGHT &&
                        scaler.scale(picture, win);
    if (!scaled)
        zoomWithGfx(picture, win);
    SDL_Flip(win);
}
} // namespace

void setZoomPath(ZoomPath path)
{
    zoomPath = path;
}

void setWindowSurface(SDL_Surface* w)
{
    window = w;
}

SDL_Surface* windowSurface()
{
    return window;
}

double zoomFactorX()
{
    return SCREEN_WIDTH / 640.0;
}

double zoomFactorY()
{
    return SCREEN_HEIGHT / 480.0;
}

void setFrameObserver(FrameObserver o)
{
    observer = std::move(o);
}

unsigned long presentedFrameCount()
{
    return frames;
}

namespace
{
// Shows `target`'s picture: in the window when it is another surface,
// otherwise zoomed in place and put back.
void show(SDL_Surface* target)
{
    if (window && window != target)
    {
        presentInto(target, window);
        return;
    }
    if (SCREEN_WIDTH == 640 && SCREEN_HEIGHT == 480)
    {
        SDL_Flip(target);
        return;
    }
    SDL_PixelFormat* fmt = target->format;
    SDL_Surface* copy =
        SDL_CreateRGBSurface(SDL_SWSURFACE, 640, 480, fmt->BitsPerPixel, fmt->Rmask, fmt->Gmask, fmt->Bmask, 0);
    if (!copy)
    {
        SDL_Flip(target);
        return;
    }
    SDL_Rect area = {0, 0, 640, 480};
    SDL_BlitSurface(target, &area, copy, nullptr);
    SDL_Surface* zoomed = zoomSurface(copy, zoomFactorX(), zoomFactorY(), SMOOTHING_ON);
    if (!zoomed)
    {
        // The picture is shown unzoomed rather than not at all.
        SDL_FreeSurface(copy);
        SDL_Flip(target);
        return;
    }
    SDL_Rect whole = {0, 0, static_cast<Uint16>(SCREEN_WIDTH), static_cast<Uint16>(SCREEN_HEIGHT)};
    SDL_Rect at = {0, 0, 0, 0};
    SDL_BlitSurface(zoomed, &whole, target, &at);
    SDL_Flip(target);
    SDL_FreeSurface(zoomed);
    // Screens draw over their previous picture (the pause menu over the
    // frozen fight): put the unzoomed picture back for them to draw on.
    at = {0, 0, 0, 0};
    SDL_BlitSurface(copy, nullptr, target, &at);
    SDL_FreeSurface(copy);
}
} // namespace

void presentFrame(SDL_Surface* target)
{
    ++frames;
    if (observer)
        observer(target);
    if (!target)
        return;
    show(target);
    paceFrame();
}
