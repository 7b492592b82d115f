// The splash that presents the title: a streak of light splits open onto the
// dusk city, the logo slides in and lands with a flash, the tagline follows,
// and the last frame holds. It plays at speed 3, so its pauses add up to
// just under a second for almost three seconds on screen.
#include "content/look.h"
#include "content/screens.h"

#include "core/files.h"
#include "core/jobs.h"
#include "core/mask.h"
#include "core/sprite_folder.h"

#include <cmath>
#include <vector>

namespace datagen
{
namespace
{
constexpr int kFrames = 20;
constexpr int kPause[kFrames] = {30, 30, 30, 35, 35, 35, 35, 30, 30, 30,
                                 30, 60, 40, 40, 40, 40, 40, 40, 40, 250};
constexpr float kMidY = 240.0f;

float easeOut(float t)
{
    t = t < 0.0f ? 0.0f : (t > 1.0f ? 1.0f : t);
    return 1.0f - (1.0f - t) * (1.0f - t) * (1.0f - t);
}

// A horizontal blade of light across the screen at y, `reach` of it drawn
// outwards from the centre.
void streak(Canvas& c, float y, float reach, float strength)
{
    Mask m(look::kScreenW, look::kScreenH);
    m.line({320.0f - reach, y}, {320.0f + reach, y}, 2.5f);
    c.fill(m.grown(3.0f).blurred(6.0f), solid(hex(0xff7a2a)), Blend::Screen, strength);
    c.fill(m, solid(hex(0xfff6e0)), Blend::Normal, strength);
}

struct Layers
{
    Canvas city;
    Canvas logo;
    Canvas tagline;
};

Canvas frame(const Layers& l, int i)
{
    Canvas c(look::kScreenW, look::kScreenH, hex(0x000000));
    if (i < 3)
    {
        const float t = (i + 1) / 3.0f;
        streak(c, kMidY, 330.0f * t * t, 1.0f);
        return c;
    }
    if (i < 7)
    {
        // The blade splits into two edges that open like a curtain.
        const float opening[4] = {0.12f, 0.4f, 0.76f, 1.0f};
        const float open = opening[i - 3] * kMidY;
        const int top = static_cast<int>(kMidY - open);
        const int height = static_cast<int>(2.0f * open);
        c.draw(l.city.crop(0, top, look::kScreenW, height), 0, top);
        streak(c, kMidY - open, 330.0f, 1.0f - (i - 3) * 0.2f);
        streak(c, kMidY + open, 330.0f, 1.0f - (i - 3) * 0.2f);
        return c;
    }
    c.draw(l.city, 0, 0);
    if (i < 11)
    {
        // Sliding in from the right, trailing fading after-images.
        const float t = easeOut((i - 6) / 4.0f);
        const int x = static_cast<int>(std::lround(560.0f * (1.0f - t)));
        for (int ghost = 3; ghost >= 1; --ghost)
            c.draw(l.logo, x + ghost * static_cast<int>(40.0f * (1.0f - t) + 6.0f), 0, Blend::Normal,
                   0.18f * (4 - ghost));
        c.draw(l.logo, x, 0);
        return c;
    }
    if (i < 15)
    {
        c.draw(l.logo, 0, 0);
        const float flash[4] = {0.95f, 0.6f, 0.32f, 0.12f};
        c.fill(solid(hex(0xfff8ec)), Blend::Normal, flash[i - 11]);
        return c;
    }
    const float shine = (i - 15) / 3.0f;
    look::LogoOptions o;
    o.shine = i < kFrames - 1 ? shine : -1.0f;
    c.draw(look::logo(o), 0, 0);
    c.draw(l.tagline, 0, 0, Blend::Normal, std::min(1.0f, (i - 14) / 4.0f));
    return c;
}
} // namespace

bool writeSplash(const std::string& dataDir)
{
    look::CaptionOptions tag;
    tag.cy = 212.0f;
    tag.size = 13.0f;
    tag.spacing = 4.0f;
    tag.fill = hex(0xffe6c0);
    const Layers layers{look::duskCity(), look::logo(), look::caption("FISTS OF THE FALLEN CITY", tag)};

    std::vector<IndexedImage> frames(kFrames);
    parallelFor(kFrames, [&](int i) { frames[static_cast<std::size_t>(i)] = quantise(frame(layers, i)); });
    SpriteFolder folder(joinPath(dataDir, "screens/present"));
    for (int i = 0; i < kFrames; ++i)
    {
        FrameInfo info;
        info.key = {-1, 0, 0};
        info.pause = kPause[i];
        folder.add(frames[static_cast<std::size_t>(i)], info);
    }
    return folder.finish();
}
} // namespace datagen
