// Round overlays in the logo's fire metal on gunmetal plates. The game draws
// them over a fight that is redrawn every frame, so frames need not build on
// one another; each is drawn whole from a few numbers (how far the plate has
// opened, how large the letters are, how hot they glow, where the shine is).
#include "content/round_overlays.h"

#include "content/fight_look.h"
#include "content/look.h"
#include "core/files.h"

#include <cmath>
#include <vector>

namespace datagen
{
namespace
{
constexpr int kBannerW = 450;
constexpr int kBannerH = 120;
constexpr int kKOW = 140;
constexpr int kKOH = 120;
constexpr float kPi = 3.14159265f;

struct Shot
{
    float open = 1.0f;    // the plate's width, 0..1 of its full width
    int plateX = 0;       // plate and letters moved sideways
    float scale = 1.0f;   // the letters' size
    float heat = 0.0f;    // white-hot letters on impact
    float shine = -1.0f;  // 0..1 across the letters; < 0 none
    float streaks = 0.0f; // speed lines at both ends
    int shakeX = 0, shakeY = 0;
    float sparkle = 0.0f; // stars at the plate's ends, 0..1 of full size
};

Mask bannerPlate(float open, int dx)
{
    const float cx = kBannerW * 0.5f + dx;
    const float half = 205.0f * open;
    const float lean = 14.0f * open;
    Mask m(kBannerW, kBannerH);
    m.polygon({{cx - half + lean, 40.0f},
               {cx + half + lean, 40.0f},
               {cx + half - lean, 84.0f},
               {cx - half - lean, 84.0f}});
    return m;
}

// Speed lines rushing in at both ends of the banner.
void speedLines(Canvas& c, float strength)
{
    Mask lines(kBannerW, kBannerH);
    const float ys[6] = {34.0f, 46.0f, 58.0f, 68.0f, 78.0f, 90.0f};
    for (int i = 0; i < 6; ++i)
    {
        const float len = (40.0f + 17.0f * ((i * 7) % 5)) * strength;
        const float y = ys[i];
        lines.line({kBannerW * 0.5f - 230.0f, y}, {kBannerW * 0.5f - 230.0f + len, y}, 2.0f);
        lines.line({kBannerW * 0.5f + 230.0f - len, y}, {kBannerW * 0.5f + 230.0f, y}, 2.0f);
    }
    c.fill(lines.grown(1.0f), solid(hex(fightlook::kEdge)));
    fightlook::goldTrim(c, lines, 30.0f, 92.0f);
}

// A four-pointed star of light.
void star(Mask& m, float cx, float cy, float r)
{
    m.polygon({{cx, cy - r},
               {cx + r * 0.22f, cy - r * 0.22f},
               {cx + r, cy},
               {cx + r * 0.22f, cy + r * 0.22f},
               {cx, cy + r},
               {cx - r * 0.22f, cy + r * 0.22f},
               {cx - r, cy},
               {cx - r * 0.22f, cy - r * 0.22f}});
}

Canvas banner(const std::string& text, float fullSize, const Shot& s)
{
    Canvas c(kBannerW, kBannerH);
    if (s.streaks > 0.0f)
        speedLines(c, s.streaks);
    if (s.open > 0.0f)
    {
        const Mask plateShape = bannerPlate(s.open, s.plateX);
        fightlook::plate(c, plateShape, 40.0f, 84.0f);
        // Two gold rails run along the plate.
        Mask rails(kBannerW, kBannerH);
        const float cx = kBannerW * 0.5f + s.plateX, half = 190.0f * s.open, lean = 14.0f * s.open;
        rails.line({cx - half + lean * 0.8f, 44.5f}, {cx + half + lean * 0.8f, 44.5f}, 1.2f);
        rails.line({cx - half - lean * 0.8f, 79.5f}, {cx + half - lean * 0.8f, 79.5f}, 1.2f);
        fightlook::goldTrim(c, rails, 44.0f, 80.0f);
        if (s.heat > 0.0f)
            c.fill(fightlook::eroded(plateShape, 1.0f), solid(hex(0xffb060)), Blend::Screen, s.heat * 0.5f);
    }
    if (s.sparkle > 0.0f)
    {
        Mask stars(kBannerW, kBannerH);
        star(stars, 34.0f + s.plateX, 38.0f, 11.0f * s.sparkle);
        star(stars, 418.0f + s.plateX, 86.0f, 13.0f * s.sparkle);
        star(stars, 404.0f + s.plateX, 30.0f, 6.0f * s.sparkle);
        c.fill(stars.grown(1.2f), solid(hex(fightlook::kEdge)));
        c.fill(stars, solid(hex(0xfff6d8)));
    }
    if (s.scale <= 0.0f)
        return c;
    fightlook::TextStyle style{look::titleFont(), fullSize * s.scale, fullSize * s.scale * 0.02f, 0.14f};
    float cap = 0.0f;
    const float cx = kBannerW * 0.5f + s.plateX + s.shakeX;
    const float cy = kBannerH * 0.5f + 2.0f + s.shakeY;
    const Mask letters = fightlook::lettering(style, text, kBannerW, kBannerH, cx, cy, &cap);
    fightlook::FireStyle fire;
    fire.edge = 2.0f * s.scale;
    fire.ring = 3.0f * s.scale;
    fire.heat = s.heat;
    const float top = cy - cap * 0.5f, bottom = cy + cap * 0.5f;
    fightlook::fireLetters(c, letters, top, bottom, fire);
    if (s.shine >= 0.0f)
        fightlook::shine(c, letters, cx - 230.0f + 440.0f * s.shine, top - 4.0f, bottom + 4.0f);
    return c;
}

// The largest size up to `size` at which the text fits `width`.
float fitted(const std::string& text, float size, float width)
{
    fightlook::TextStyle style{look::titleFont(), size, size * 0.02f, 0.14f};
    const float w = fightlook::textWidth(style, text);
    return w > width ? size * width / w : size;
}

// A burst of flame: spikes of uneven length around (cx, cy).
Mask burst(int w, int h, float cx, float cy, float radius, float turn)
{
    Mask m(w, h);
    std::vector<Vec2> points;
    const int spikes = 14;
    for (int i = 0; i < spikes * 2; ++i)
    {
        const float a = turn + kPi * i / spikes;
        const float long_ = 1.0f - 0.18f * ((i * 5) % 3);
        const float r = (i % 2 == 0) ? radius * long_ : radius * 0.55f;
        points.push_back({cx + std::cos(a) * r * 1.1f, cy + std::sin(a) * r * 0.92f});
    }
    m.polygon(points);
    return m;
}

Canvas knockOut(float burstSize, const Shot& s)
{
    Canvas c(kKOW, kKOH);
    const float cx = kKOW * 0.5f, cy = kKOH * 0.5f;
    if (burstSize > 0.0f)
    {
        const Mask b = burst(kKOW, kKOH, cx, cy, 61.0f * burstSize, 0.3f * burstSize);
        c.fill(b.grown(1.5f), solid(hex(fightlook::kEdge)));
        c.fill(b, radial(cx, cy, 62.0f * burstSize,
                         Gradient{{0.0f, hex(0xfff6d0)},
                                  {0.35f, hex(0xffb43a)},
                                  {0.7f, hex(0xf05a16)},
                                  {1.0f, hex(0x9a1a0a)}}));
        const Mask inner = burst(kKOW, kKOH, cx, cy, 42.0f * burstSize, 0.3f * burstSize + 0.11f);
        c.fill(inner, solid(hex(0xffe08a)), Blend::Screen, 0.5f);
        if (s.heat > 0.0f)
            c.fill(b, solid(hex(0xffffff)), Blend::Normal, s.heat * 0.7f);
    }
    if (s.scale <= 0.0f)
        return c;
    fightlook::TextStyle style{look::titleFont(), 56.0f * s.scale, 0.0f, 0.14f};
    float cap = 0.0f;
    const float tx = cx + s.shakeX, ty = cy + 2.0f + s.shakeY;
    const Mask letters = fightlook::lettering(style, "K.O.", kKOW, kKOH, tx, ty, &cap);
    fightlook::FireStyle fire;
    fire.edge = 1.8f * s.scale;
    fire.ring = 2.4f * s.scale;
    fire.heat = s.heat;
    fightlook::fireLetters(c, letters, ty - cap * 0.5f, ty + cap * 0.5f, fire);
    if (s.shine >= 0.0f)
        fightlook::shine(c, letters, tx - 80.0f + 150.0f * s.shine, ty - cap * 0.5f - 4.0f,
                         ty + cap * 0.5f + 4.0f);
    return c;
}

bool writeFightStart(const std::string& dir)
{
    const float size = fitted("FIGHT!", 84.0f, 330.0f);
    // The plate opens from the middle with speed lines, the letters drop onto
    // it from above life size, flash white-hot as they land, cool and shine.
    const std::vector<Shot> shots = {
        {0.12f, 0, 0.0f, 0.0f, -1.0f, 0.3f}, {0.5f, 0, 0.0f, 0.0f, -1.0f, 0.8f},
        {0.88f, 0, 0.0f, 0.0f, -1.0f, 1.0f}, {1.0f, 0, 1.32f, 0.0f, -1.0f, 0.7f},
        {1.0f, 0, 1.18f, 0.0f, -1.0f, 0.4f}, {1.0f, 0, 1.07f, 0.2f, -1.0f, 0.0f},
        {1.0f, 0, 0.96f, 1.0f, -1.0f, 0.0f}, {1.0f, 0, 1.0f, 0.6f, -1.0f, 0.0f},
        {1.0f, 0, 1.0f, 0.3f, -1.0f, 0.0f},  {1.0f, 0, 1.0f, 0.0f, 0.15f, 0.0f},
        {1.0f, 0, 1.0f, 0.0f, 0.5f, 0.0f},   {1.0f, 0, 1.0f, 0.0f, 0.85f, 0.0f},
        {1.0f, 0, 1.0f, 0.0f, -1.0f, 0.0f},
    };
    const std::vector<int> pauses = {10, 10, 10, 10, 10, 10, 12, 12, 12, 12, 12, 12, 280};
    std::vector<Canvas> frames;
    for (const Shot& s : shots)
        frames.push_back(banner("FIGHT!", size, s));
    return fightlook::writeFrames(dir, frames, pauses);
}

bool writeFightKO(const std::string& dir)
{
    // A white flash grows into a burst of fire; the letters slam in, shaking.
    struct KOShot
    {
        float burst;
        Shot text;
    };
    const std::vector<KOShot> shots = {
        {0.35f, {1, 0, 0.0f, 1.0f}},
        {0.8f, {1, 0, 1.4f, 1.0f}},
        {1.12f, {1, 0, 1.14f, 0.8f, -1.0f, 0.0f, -3, 2}},
        {1.0f, {1, 0, 0.95f, 0.5f, -1.0f, 0.0f, 2, -1}},
        {0.97f, {1, 0, 1.0f, 0.25f, -1.0f, 0.0f, -1, 1}},
        {1.0f, {1, 0, 1.0f, 0.0f}},
        {1.0f, {1, 0, 1.0f, 0.0f, 0.25f}},
        {1.0f, {1, 0, 1.0f, 0.0f, 0.7f}},
        {1.0f, {1, 0, 1.0f, 0.0f}},
    };
    const std::vector<int> pauses = {10, 10, 10, 10, 12, 12, 12, 12, 300};
    std::vector<Canvas> frames;
    for (const KOShot& s : shots)
        frames.push_back(knockOut(s.burst, s.text));
    return fightlook::writeFrames(dir, frames, pauses);
}

bool writeFightWinner(const std::string& dir)
{
    const float size = fitted("WINNER", 84.0f, 360.0f);
    // The banner slides in from the left, overshoots a little, settles with a
    // flash, and a shine runs across it.
    const int slide[5] = {-330, -140, -36, 8, 0};
    std::vector<Shot> shots;
    for (int i = 0; i < 5; ++i)
    {
        Shot s;
        s.plateX = slide[i];
        s.heat = i == 4 ? 0.9f : 0.0f;
        shots.push_back(s);
    }
    for (float heat : {0.5f, 0.2f})
    {
        Shot s;
        s.heat = heat;
        shots.push_back(s);
    }
    const float shines[4] = {0.15f, 0.5f, 0.85f, -1.0f};
    const float sparkles[4] = {0.5f, 1.0f, 0.8f, 0.9f};
    for (int i = 0; i < 4; ++i)
    {
        Shot s;
        s.shine = shines[i];
        s.sparkle = sparkles[i];
        shots.push_back(s);
    }
    const std::vector<int> pauses = {10, 10, 10, 10, 10, 12, 12, 12, 12, 12, 300};
    std::vector<Canvas> frames;
    for (const Shot& s : shots)
        frames.push_back(banner("WINNER", size, s));
    return fightlook::writeFrames(dir, frames, pauses);
}
} // namespace

bool writeRoundOverlays(const std::string& dataDir)
{
    bool ok = writeFightStart(joinPath(dataDir, "fightStart"));
    ok = writeFightKO(joinPath(dataDir, "fightKO")) && ok;
    return writeFightWinner(joinPath(dataDir, "fightWinner")) && ok;
}
} // namespace datagen
