// The game's scaler against SDL_gfx's smoothing zoom, pixel for pixel, as the window shows them.
#include "engine/globals.h"
#include "engine/picture_scaler.h"
#include "engine/present.h"
#include "tests/support/test_support.h"
#include "tests/support/zoom_check.h"

#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <random>

using namespace testing_support;

namespace
{
constexpr Uint32 kR = 0x00ff0000, kG = 0x0000ff00, kB = 0x000000ff;

OwnedSurface makeSurface(int w, int h, int bits = 32, Uint32 r = kR, Uint32 g = kG, Uint32 b = kB,
                         Uint32 a = 0)
{
    return OwnedSurface(SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, bits, r, g, b, a));
}

void fill(SDL_Surface* s, int x, int y, int w, int h, Uint8 r, Uint8 g, Uint8 b)
{
    SDL_Rect area = {static_cast<Sint16>(x), static_cast<Sint16>(y), static_cast<Uint16>(w),
                     static_cast<Uint16>(h)};
    SDL_FillRect(s, &area, SDL_MapRGB(s->format, r, g, b));
}

Uint32* row(SDL_Surface* s, int y)
{
    return reinterpret_cast<Uint32*>(static_cast<Uint8*>(s->pixels) + y * s->pitch);
}

// A main menu: dark backdrop, framed buttons, one lit, and one-pixel strokes
// of lettering, where every blend runs from black to white and back.
void drawMenu(SDL_Surface* s)
{
    fill(s, 0, 0, 640, 480, 12, 10, 30);
    for (int i = 0; i < 5; ++i)
    {
        const int y = 150 + i * 56;
        fill(s, 219, y, 202, 44, 255, 255, 255);
        fill(s, 220, y + 1, 200, 42, i == 1 ? 250 : 60, i == 1 ? 200 : 60, i == 1 ? 0 : 90);
        for (int x = 240; x < 400; x += 3)
            fill(s, x, y + 12 + (x % 7), 1, 18, 0, 0, 0);
    }
}

// A fight: a sky fading over the whole height, the ground, two bodies of
// saturated colour, health bars along the top.
void drawFight(SDL_Surface* s)
{
    for (int y = 0; y < 480; ++y)
        fill(s, 0, y, 640, 1, static_cast<Uint8>(y / 2), static_cast<Uint8>(80 + y / 4),
             static_cast<Uint8>(255 - y / 2));
    fill(s, 0, 400, 640, 80, 90, 60, 30);
    fill(s, 180, 250, 60, 150, 220, 20, 20);
    fill(s, 400, 240, 70, 160, 20, 220, 40);
    fill(s, 20, 20, 250, 16, 255, 220, 0);
    fill(s, 370, 20, 250, 16, 255, 220, 0);
    fill(s, 638, 0, 2, 480, 255, 255, 255);
    fill(s, 0, 478, 640, 2, 255, 0, 255);
}

// A stage's busy backdrop: every byte of every pixel drawn at random, the
// unused fourth byte too, which the window copies as it comes.
void drawStage(SDL_Surface* s)
{
    std::mt19937 random(26);
    for (int y = 0; y < s->h; ++y)
        for (int x = 0; x < s->w; ++x)
            row(s, y)[x] = static_cast<Uint32>(random());
}

struct Picture
{
    const char* name;
    std::function<void(SDL_Surface*)> draw;
};

class PictureScalerTest : public ::testing::Test
{
protected:
    void SetUp() override { openTestVideo(); }
};

TEST_F(PictureScalerTest, ShowsExactlyWhatZoomSurfaceShows)
{
    const std::vector<WindowSize> sizes = {{800, 600},
                                           {1024, 768},
                                           {641, 481},
                                           {1920, 1440},
                                           {1280, 480},
                                           {640, 960},
                                           // Steps of exactly a half: the last window pixel falls on the last
                                           // source pixel.
                                           {1279, 959},
                                           // Back to a size seen before: the steps kept must be this size's.
                                           {800, 600}};
    const Picture pictures[] = {{"menu", drawMenu}, {"fight", drawFight}, {"stage", drawStage}};
    for (const Picture& p : pictures)
    {
        SCOPED_TRACE(p.name);
        OwnedSurface picture = makeSurface(640, 480);
        p.draw(picture.get());
        expectScaledAsZoomSurface(picture.get(), sizes);
        // Presenting leaves the picture as it was composed.
        OwnedSurface again = makeSurface(640, 480);
        p.draw(again.get());
        EXPECT_EQ(std::memcmp(picture->pixels, again->pixels, static_cast<std::size_t>(480 * picture->pitch)),
                  0);
    }
}

TEST_F(PictureScalerTest, TakesOnlyWhatItDrawsExactly)
{
    OwnedSurface plain = makeSurface(640, 480);
    OwnedSurface keyed = makeSurface(640, 480);
    SDL_SetColorKey(keyed.get(), SDL_SRCCOLORKEY, 0);
    OwnedSurface translucent = makeSurface(640, 480);
    SDL_SetAlpha(translucent.get(), SDL_SRCALPHA, 128);
    OwnedSurface withAlpha = makeSurface(640, 480, 32, kR, kG, kB, 0xff000000);
    OwnedSurface tiny = makeSurface(1, 1);
    OwnedSurface window = makeSurface(800, 600);
    OwnedSurface swapped = makeSurface(800, 600, 32, kB, kG, kR);
    OwnedSurface highColour = makeSurface(800, 600, 16, 0xf800, 0x07e0, 0x001f);
    OwnedSurface small = makeSurface(320, 240);
    const struct
    {
        const char* what;
        SDL_Surface* picture;
        SDL_Surface* window;
        bool covered;
    } cases[] = {
        {"32-bit picture into a larger 32-bit window", plain.get(), window.get(), true},
        {"picture with a colour key", keyed.get(), window.get(), false},
        {"picture with surface alpha", translucent.get(), window.get(), false},
        {"picture with an alpha channel", withAlpha.get(), window.get(), false},
        {"picture of one pixel", tiny.get(), window.get(), false},
        {"window with red and blue swapped", plain.get(), swapped.get(), false},
        {"16-bit window", plain.get(), highColour.get(), false},
        {"window smaller than the picture", plain.get(), small.get(), false},
        {"no window", plain.get(), nullptr, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(pictureScaler::covers(c.picture, c.window), c.covered) << c.what;
}

TEST_F(PictureScalerTest, AWindowItDoesNotCoverIsStillZoomed)
{
    OwnedSurface picture = makeSurface(640, 480);
    drawFight(picture.get());
    const int sizes[][2] = {{800, 600}, {1024, 768}};
    for (const auto& s : sizes)
    {
        OwnedSurface shown = presentZoomed(ZoomPath::scaler, picture.get(), s[0], s[1], 16);
        // The green body at (435, 320) of the picture, where the zoomed window shows it.
        const Uint16 body = reinterpret_cast<Uint16*>(static_cast<Uint8*>(shown->pixels) +
                                                      (320 * s[1] / 480) * shown->pitch)[435 * s[0] / 640];
        EXPECT_EQ(body, static_cast<Uint16>(SDL_MapRGB(shown->format, 20, 220, 40))) << s[0];
    }
}
} // namespace
