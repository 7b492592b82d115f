// Stage painting: skies, street fronts, pavements, props, fire and smoke.
// Every random choice is drawn from a seed tied to the thing it shapes (a
// facade, a lamp), never to the strip being painted, so strips join up.
#include "content/stage_kit.h"

#include "content/look.h"
#include "core/noise.h"
#include "core/text.h"

#include <algorithm>
#include <cmath>

namespace datagen::stage
{
namespace
{
constexpr float kPi = 3.14159265f;
constexpr float kGroundFloor = 74.0f; // height of the shop level

struct Glow
{
    Mask warm, cool, shop, neonA, neonB, lamps;
    Colour neonColourA = hex(0xff3a8a), neonColourB = hex(0x3ae8ff);
    explicit Glow(const View& v)
        : warm(v.mask()), cool(v.mask()), shop(v.mask()), neonA(v.mask()), neonB(v.mask()), lamps(v.mask())
    {
    }
};

void unite(Mask& into, const Mask& m)
{
    for (int y = 0; y < m.height(); ++y)
        for (int x = 0; x < m.width(); ++x)
            into.unite(x, y, m.at(x, y));
}

// A wall colour with weathering that stays put as strips change.
Paint grimy(const View& v, Colour base, float top, float bottom, float grime, std::uint32_t seed)
{
    const float x0 = v.x0;
    return [=](float x, float y)
    {
        const float t = std::max(0.0f, std::min(1.0f, (y - top) / std::max(1.0f, bottom - top)));
        Colour c = shade(base, 0.06f - 0.22f * t);
        const float n = fractalNoise((x + x0) / 46.0f, y / 38.0f, seed, 4);
        const float streak =
            valueNoise((x + x0) / 5.0f, 0.5f, seed + 7) * valueNoise((x + x0) / 60.0f, y / 200.0f, seed + 9);
        return shade(c, -grime * (0.55f * n + 0.45f * streak));
    };
}
} // namespace

float smoothstep(float a, float b, float v)
{
    float t = (v - a) / (b - a);
    t = t < 0.0f ? 0.0f : (t > 1.0f ? 1.0f : t);
    return t * t * (3.0f - 2.0f * t);
}

void addLight(Canvas& c, const Mask& m, Colour colour, float glow, float strength)
{
    if (glow > 0.0f)
        c.fill(m.blurred(glow), solid(colour), Blend::Screen, 0.7f * strength);
    c.fill(m, solid(colour), Blend::Normal, strength);
}

void multiplyLit(Canvas& c, Colour ambient)
{
    if (ambient.r >= 0.999f && ambient.g >= 0.999f && ambient.b >= 0.999f)
        return;
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x)
        {
            Colour& p = c.at(x, y);
            p.r *= ambient.r;
            p.g *= ambient.g;
            p.b *= ambient.b;
        }
}

Mask textMask(int w, int h, const std::string& text, float cx, float cy, float size, bool bold)
{
    Mask m(w, h);
    Typeface face(bold ? look::menuFont() : dejaVuPath("DejaVuSansCondensed-Bold.ttf"));
    if (!face.ok())
        return m;
    face.setSize(size);
    face.setStyle(size * 0.08f, 0.0f);
    face.drawCentred(m, text, cx, cy);
    return m;
}

Canvas paintSky(const SkyStyle& s)
{
    const int W = look::kScreenW, H = kHeight;
    Canvas c(W, H, hex(0x000000));
    c.fill(linear(0, 0, 0, s.horizon, s.sky));
    Rng rng(s.seed);
    if (s.stars > 0)
    {
        Mask stars(W, H);
        for (int i = 0; i < s.stars; ++i)
        {
            const float y = rng.range(0, s.horizon * 0.7f);
            stars.circle(rng.range(0, W), y, rng.range(0.4f, 1.1f),
                         (1.0f - y / s.horizon) * rng.range(0.3f, 1.0f));
        }
        c.fill(stars, solid(hex(0xfff8f0)), Blend::Screen);
    }
    if (s.sunR > 0.0f)
    {
        c.fill(radial(s.sunX, s.sunY, s.sunR * 4.0f,
                      Gradient{{0.0f, withAlpha(s.sun, 0.7f)}, {1.0f, withAlpha(s.sun, 0.0f)}}),
               Blend::Screen);
        Mask disc(W, H);
        disc.circle(s.sunX, s.sunY, s.sunR);
        c.fill(disc, radial(s.sunX, s.sunY, s.sunR,
                            Gradient{{0.0f, hex(0xffffff)}, {0.6f, shade(s.sun, 0.3f)}, {1.0f, s.sun}}));
    }
    if (s.moon)
    {
        c.fill(radial(520, 90, 120, Gradient{{0.0f, hex(0xc8d8ff, 0.35f)}, {1.0f, hex(0x8090c0, 0.0f)}}),
               Blend::Screen);
        Mask disc(W, H);
        disc.circle(520, 90, 30);
        Mask bite(W, H);
        bite.circle(508, 82, 28);
        c.fill(disc, solid(hex(0xf2eedc)));
        c.fill(disc.times(bite), solid(hex(0xb8b4c8)), Blend::Multiply, 0.35f);
    }
    if (s.clouds > 0.0f)
    {
        Mask clouds(W, H);
        for (int y = 0; y < H; ++y)
        {
            const float band = std::exp(-std::pow((y - s.cloudY) / (60.0f + 80.0f * s.clouds), 2.0f));
            if (band < 0.02f)
                continue;
            for (int x = 0; x < W; ++x)
            {
                const float n = fractalNoise(x / 130.0f, y / 28.0f, s.seed + 5, 5);
                const float v =
                    smoothstep(0.62f - 0.22f * s.clouds, 0.72f - 0.2f * s.clouds, n * (0.5f + 0.5f * band)) *
                    band;
                clouds.cell(x, y) = std::min(1.0f, v * 1.5f);
            }
        }
        c.fill(clouds, solid(s.cloudDark), Blend::Normal, 0.95f);
        c.fill(clouds.minus(clouds.shifted(0, -4)), solid(s.cloudLit), Blend::Normal, 0.8f);
    }
    c.fill(linear(0, s.horizon - 120.0f, 0, s.horizon + 20.0f,
                  Gradient{{0.0f, withAlpha(s.haze, 0.0f)}, {1.0f, s.haze}}),
           Blend::Screen);
    for (int layer = 0; layer < s.skylines; ++layer)
    {
        Mask city(W, H);
        Mask lights(W, H);
        const float top = layer == 0 ? s.farTop : s.nearTop;
        float x = -rng.range(0, 30);
        while (x < W)
        {
            const float w = rng.range(16.0f, 52.0f) * (layer == 0 ? 0.8f : 1.2f);
            const float t = top + rng.range(0.0f, 70.0f);
            city.rect(x, t, x + w, H);
            if (rng.between(0, 3) == 0)
                city.rect(x + w * 0.45f, t - rng.range(10, 30), x + w * 0.5f + 1.0f, t);
            if (rng.between(0, 4) == 0)
                city.rect(x + w * 0.2f, t - 8, x + w * 0.8f, t);
            for (float wy = t + 6; wy < H; wy += 7)
                for (float wx = x + 3; wx < x + w - 3; wx += 5)
                    if (rng.unit() < s.cityLights)
                        lights.rect(wx, wy, wx + 2, wy + 2.5f, rng.range(0.4f, 1.0f));
            x += w + rng.range(-4.0f, 6.0f);
        }
        const Colour col = layer == 0 ? s.farCity : s.nearCity;
        c.fill(city, linear(0, top, 0, H, Gradient{{0.0f, col}, {1.0f, shade(col, -0.3f)}}));
        if (s.cityLights > 0.0f)
            c.fill(lights.times(city), solid(s.lightColour), Blend::Screen, layer == 0 ? 0.6f : 0.9f);
    }
    return c;
}

std::vector<Facade> planFacades(const StreetStyle& s, float width)
{
    std::vector<Facade> out;
    Rng rng(s.seed);
    float x = -rng.range(10.0f, 40.0f);
    std::uint32_t n = 0;
    while (x < width + 20.0f)
    {
        if (rng.unit() < 0.14f && !out.empty())
            x += rng.range(26.0f, 56.0f); // an alley
        Facade f;
        f.x0 = x;
        f.x1 = x + rng.range(s.minWidth, s.maxWidth);
        f.top = rng.range(s.minTop, s.maxTop);
        f.wall = rng.between(0, static_cast<int>(s.walls.size()) - 1);
        const float upper = kWallBase - kGroundFloor - f.top - 16.0f;
        f.floors = std::max(0, static_cast<int>(upper / (s.adobe ? 54.0f : rng.range(34.0f, 44.0f))));
        f.columns = std::max(1, static_cast<int>((f.x1 - f.x0 - 16.0f) / rng.range(30.0f, 46.0f)));
        f.kind = s.shops ? rng.between(0, 4) : rng.between(0, 1) * 2;
        f.roof = rng.between(0, 3);
        f.escape = s.fireEscapes && rng.between(0, 2) == 0 && f.floors >= 2;
        f.sign = s.signs.empty() || rng.between(0, 2) == 0
                     ? -1
                     : rng.between(0, static_cast<int>(s.signs.size()) - 1);
        f.seed = s.seed * 131u + (++n) * 7919u;
        out.push_back(f);
        x = f.x1;
    }
    return out;
}

namespace
{
void paintWindows(View& v, const StreetStyle& s, const Facade& f, Glow& glow, Rng& rng)
{
    const float left = v.x(f.x0), right = v.x(f.x1);
    const float upperTop = f.top + 18.0f;
    const float upperBottom = kWallBase - kGroundFloor - 4.0f;
    if (f.floors <= 0)
        return;
    const float floorH = (upperBottom - upperTop) / f.floors;
    const float colW = (right - left - 16.0f) / f.columns;
    Mask frames = v.mask(), glass = v.mask(), sills = v.mask(), dark = v.mask();
    if (s.glassTowers)
    {
        glass.rect(left + 6, upperTop - 6, right - 6, upperBottom);
        for (float y = upperTop; y < upperBottom; y += 12.0f)
            frames.rect(left + 6, y, right - 6, y + 1.5f);
        for (float x = left + 6; x < right - 6; x += 18.0f)
            frames.rect(x, upperTop - 6, x + 1.5f, upperBottom);
        for (float y = upperTop; y < upperBottom - 10; y += 12.0f)
            for (float x = left + 8; x < right - 20; x += 18.0f)
                if (s.night && rng.unit() < s.litChance)
                    glow.cool.rect(x + 1, y + 2, x + 16, y + 11, rng.range(0.4f, 0.9f));
        const Colour g = s.glass;
        const float x0 = v.x0;
        v.c.fill(glass,
                 [=](float x, float y)
                 {
                     const float band = std::fmod((x + x0) * 0.6f + y, 260.0f) / 260.0f;
                     return shade(g, band < 0.12f ? 0.35f : (band < 0.18f ? 0.15f : -0.1f * (y / 320.0f)));
                 });
        v.c.fill(frames, solid(shade(s.walls[static_cast<std::size_t>(f.wall)], -0.35f)));
        return;
    }
    for (int fl = 0; fl < f.floors; ++fl)
        for (int k = 0; k < f.columns; ++k)
        {
            const float cx = left + 8.0f + colW * (k + 0.5f);
            const float ww = std::min(18.0f, colW * 0.52f);
            const float y0 = upperTop + fl * floorH + floorH * 0.2f;
            const float y1 = y0 + floorH * 0.58f;
            frames.rect(cx - ww * 0.5f - 2, y0 - 2, cx + ww * 0.5f + 2, y1 + 1);
            sills.rect(cx - ww * 0.5f - 3, y1 + 1, cx + ww * 0.5f + 3, y1 + 4);
            if (s.adobe)
            {
                glass.rect(cx - ww * 0.5f, y0 + ww * 0.4f, cx + ww * 0.5f, y1);
                glass.circle(cx, y0 + ww * 0.45f, ww * 0.5f);
            }
            else
                glass.rect(cx - ww * 0.5f, y0, cx + ww * 0.5f, y1);
            const float roll = rng.unit();
            if (s.damaged && roll < 0.35f)
                dark.rect(cx - ww * 0.5f, y0, cx + ww * 0.5f, y1);
            else if (s.night && roll < s.litChance)
            {
                Mask one = v.mask();
                one.rect(cx - ww * 0.5f, y0, cx + ww * 0.5f, y1, rng.range(0.6f, 1.0f));
                unite(rng.unit() < 0.8f ? glow.warm : glow.cool, one);
            }
            else if (!s.night && roll < 0.25f)
            {
                // A drawn blind.
                dark.rect(cx - ww * 0.5f, y0, cx + ww * 0.5f, y0 + (y1 - y0) * rng.range(0.2f, 0.7f), 0.35f);
            }
        }
    const Colour wall = s.walls[static_cast<std::size_t>(f.wall)];
    v.c.fill(frames, solid(s.adobe ? shade(wall, -0.25f) : s.trim));
    v.c.fill(glass, linear(0, f.top, 0, kWallBase,
                           Gradient{{0.0f, shade(s.glass, 0.2f)}, {1.0f, shade(s.glass, -0.35f)}}));
    // Sky caught in the upper panes.
    v.c.fill(glass.minus(glass.shifted(0, 5)), solid(shade(s.glass, 0.45f)), Blend::Normal,
             s.night ? 0.2f : 0.6f);
    v.c.fill(dark, solid(hex(0x0a0a10)));
    v.c.fill(sills, solid(shade(s.trim, -0.15f)));
    v.c.fill(sills.shifted(0, 3), solid(hex(0x000000)), Blend::Normal, 0.3f);
}

void paintFireEscape(View& v, const Facade& f)
{
    const float left = v.x(f.x0) + 10.0f, right = left + std::min(90.0f, (f.x1 - f.x0) * 0.45f);
    const float upperTop = f.top + 18.0f;
    const float upperBottom = kWallBase - kGroundFloor - 4.0f;
    const float floorH = (upperBottom - upperTop) / f.floors;
    Mask m = v.mask();
    for (int fl = 1; fl <= f.floors; ++fl)
    {
        const float y = upperTop + fl * floorH - 2.0f;
        m.rect(left, y, right, y + 3);
        m.rect(left, y - 14, right, y - 12.5f);
        for (float x = left; x <= right; x += 10.0f)
            m.rect(x, y - 14, x + 1.2f, y);
        if (fl < f.floors)
            m.line({fl % 2 ? left + 6 : right - 6, y}, {fl % 2 ? right - 10 : left + 10, y + floorH}, 2.2f);
    }
    v.c.fill(m.shifted(3, 4), solid(hex(0x000000)), Blend::Normal, 0.35f);
    v.c.fill(m, solid(hex(0x24201e)));
}

void paintRoof(View& v, const StreetStyle& s, const Facade& f)
{
    const float left = v.x(f.x0), right = v.x(f.x1);
    const float w = right - left;
    Mask m = v.mask();
    Rng rng(f.seed + 3);
    switch (f.roof)
    {
    case 1: // water tank on legs
    {
        const float cx = left + w * rng.range(0.25f, 0.75f);
        m.rect(cx - 16, f.top - 44, cx + 16, f.top - 14);
        m.polygon({{cx - 18, f.top - 44}, {cx, f.top - 58}, {cx + 18, f.top - 44}});
        for (float lx : {cx - 14, cx - 3, cx + 10})
            m.rect(lx, f.top - 14, lx + 3, f.top);
        break;
    }
    case 2: // antennas
        for (int i = 0; i < 3; ++i)
        {
            const float x = left + w * rng.range(0.15f, 0.85f);
            const float hgt = rng.range(18.0f, 46.0f);
            m.rect(x, f.top - hgt, x + 1.5f, f.top);
            m.rect(x - 6, f.top - hgt + 6, x + 7, f.top - hgt + 7.5f);
        }
        break;
    case 3: // plant boxes
        for (int i = 0; i < 2; ++i)
        {
            const float x = left + w * rng.range(0.1f, 0.7f);
            m.rect(x, f.top - rng.range(10.0f, 18.0f), x + rng.range(18.0f, 30.0f), f.top);
        }
        break;
    default:
        break;
    }
    v.c.fill(m, solid(shade(s.walls[static_cast<std::size_t>(f.wall)], -0.55f)));
}

void paintGroundFloor(View& v, const StreetStyle& s, const Facade& f, Glow& glow)
{
    const float left = v.x(f.x0) + 4.0f, right = v.x(f.x1) - 4.0f;
    const float top = kWallBase - kGroundFloor;
    Rng rng(f.seed + 11);
    const Colour wall = s.walls[static_cast<std::size_t>(f.wall)];
    Mask dark = v.mask(), trim = v.mask();
    trim.rect(left - 4, top - 6, right + 4, top); // the band over the shop level
    switch (f.kind)
    {
    case 1:
    case 4:
    {
        // Shop window and door, an awning over them, a sign above.
        const float doorX = right - 40.0f;
        Mask window = v.mask();
        window.rect(left + 10, top + 20, doorX - 8, kWallBase - 10);
        trim.rect(left + 6, top + 16, doorX - 4, kWallBase - 6);
        dark.rect(doorX, top + 16, doorX + 28, kWallBase);
        trim.rect(doorX - 3, top + 13, doorX + 31, top + 16);
        v.c.fill(trim, solid(s.trim));
        v.c.fill(window,
                 linear(0, top, 0, kWallBase, Gradient{{0.0f, hex(0x3a4048)}, {1.0f, hex(0x181a1e)}}));
        Mask goods = v.mask();
        for (float y = top + 34; y < kWallBase - 14; y += 14)
            for (float x = left + 14; x < doorX - 14; x += rng.range(7.0f, 13.0f))
                goods.rect(x, y - rng.range(4.0f, 9.0f), x + rng.range(3.0f, 6.0f), y, rng.range(0.5f, 1.0f));
        if (s.night)
            unite(glow.shop, window);
        else
            v.c.fill(window.minus(window.shifted(-6, 6)), solid(hex(0xffffff)), Blend::Normal, 0.18f);
        v.c.fill(goods.times(window), solid(hex(0x6a5040)), Blend::Normal, 0.8f);
        v.c.fill(dark, solid(hex(0x141216)));
        Mask knob = v.mask();
        knob.circle(doorX + 22, top + 46, 1.6f);
        v.c.fill(knob, solid(hex(0xd0b070)));
        if (f.kind == 1 && !s.adobe)
        {
            Mask awning = v.mask();
            awning.polygon(
                {{left + 2, top + 4}, {doorX - 2, top + 4}, {doorX + 6, top + 22}, {left - 6, top + 22}});
            Mask stripes = v.mask();
            for (float x = left - 6; x < doorX + 6; x += 16)
                stripes.rect(x, top, x + 8, top + 24);
            const Colour a = rng.between(0, 1) ? hex(0xb8282a) : hex(0x2a6a4a);
            v.c.fill(awning.shifted(0, 4), solid(hex(0x000000)), Blend::Normal, 0.35f);
            v.c.fill(awning, solid(a));
            v.c.fill(awning.times(stripes), solid(hex(0xf0e8d8)));
            v.c.fill(awning.minus(awning.shifted(0, 2)), solid(hex(0xffffff)), Blend::Normal, 0.2f);
        }
        break;
    }
    case 2:
    {
        const float cx = (left + right) * 0.5f;
        trim.rect(cx - 24, top + 4, cx + 24, kWallBase);
        dark.rect(cx - 18, top + 12, cx + 18, kWallBase);
        v.c.fill(trim, solid(s.trim));
        v.c.fill(dark, linear(0, top, 0, kWallBase,
                              Gradient{{0.0f, shade(wall, -0.6f)}, {1.0f, shade(wall, -0.8f)}}));
        Mask pane = v.mask();
        pane.rect(cx - 12, top + 18, cx + 12, top + 40);
        if (s.night)
            unite(glow.warm, pane);
        else
            v.c.fill(pane, solid(shade(s.glass, -0.2f)));
        Mask lamp = v.mask();
        lamp.rect(cx - 34, top + 14, cx - 28, top + 24);
        lamp.rect(cx + 28, top + 14, cx + 34, top + 24);
        if (s.night)
            unite(glow.lamps, lamp);
        else
            v.c.fill(lamp, solid(hex(0x202020)));
        // Side windows on the ground floor.
        Mask side = v.mask();
        if (cx - 60 > left + 8)
            side.rect(left + 12, top + 16, cx - 44, top + 50);
        if (cx + 60 < right - 8)
            side.rect(cx + 44, top + 16, right - 12, top + 50);
        v.c.fill(side.grown(2.5f), solid(s.trim));
        v.c.fill(side, solid(shade(s.glass, -0.3f)));
        if (s.night)
        {
            Mask lit = side;
            lit.scale(0.6f);
            unite(glow.warm, lit);
        }
        break;
    }
    case 3:
    {
        // A roller shutter, sprayed over.
        Mask shutter = v.mask();
        shutter.rect(left + 12, top + 10, right - 12, kWallBase);
        Mask ribs = v.mask();
        for (float y = top + 12; y < kWallBase; y += 4.0f)
            ribs.rect(left + 12, y, right - 12, y + 1.2f);
        v.c.fill(shutter.grown(2.0f), solid(shade(wall, -0.5f)));
        v.c.fill(shutter, solid(hex(0x8a8c90)));
        v.c.fill(ribs, solid(hex(0x4a4c50)));
        if (!s.glassTowers && !s.trees)
        {
            Mask tag = v.mask();
            const float tx = left + rng.range(20.0f, std::max(21.0f, right - left - 80.0f));
            std::vector<Vec2> curve;
            for (int i = 0; i < 9; ++i)
                curve.push_back({tx + i * 8.0f, top + 40 + std::sin(i * 1.7f + rng.unit() * 3) * 10.0f});
            tag.polyline(curve, 5.0f);
            const Colour tc = rng.between(0, 1) ? hex(0xe83a6a) : hex(0x3ac8e8);
            v.c.fill(tag.grown(1.5f), solid(hex(0x101010)));
            v.c.fill(tag, solid(tc));
        }
        break;
    }
    default:
    {
        Mask win = v.mask();
        for (float x = left + 14; x + 30 < right - 10; x += 46)
            win.rect(x, top + 16, x + 30, top + 52);
        v.c.fill(win.grown(2.5f), solid(s.trim));
        v.c.fill(win, solid(shade(s.glass, -0.35f)));
        if (s.night)
        {
            Mask lit = win;
            lit.scale(0.5f);
            unite(glow.warm, lit);
        }
        break;
    }
    }
    if (f.sign >= 0)
    {
        const std::string& word = s.signs[static_cast<std::size_t>(f.sign)];
        const float cx = (left + right) * 0.5f - (f.kind == 1 || f.kind == 4 ? 20.0f : 0.0f);
        const float bw = std::min(right - left - 16.0f, 18.0f + word.size() * 11.0f);
        Mask board = v.mask();
        board.rect(cx - bw * 0.5f, top - 30, cx + bw * 0.5f, top - 8);
        const Mask letters = textMask(v.width(), kHeight, word, cx, top - 19, 13.0f);
        if (s.neon || f.kind == 4)
        {
            // Neon letters on a dark board.
            v.c.fill(board, solid(hex(0x0c0a10)));
            unite(rng.between(0, 1) ? glow.neonA : glow.neonB, letters);
        }
        else
        {
            v.c.fill(board.shifted(2, 3), solid(hex(0x000000)), Blend::Normal, 0.35f);
            v.c.fill(board, solid(rng.between(0, 1) ? hex(0xe8d8b0) : hex(0x2a3a6a)));
            v.c.fill(letters, solid(rng.between(0, 1) ? hex(0xb02020) : hex(0x101418)));
        }
    }
}

void damageTop(View& v, const Facade& f, Mask& body)
{
    Rng rng(f.seed + 17);
    std::vector<Vec2> cut{{v.x(f.x0) - 2, f.top - 20}};
    for (float x = f.x0; x <= f.x1; x += rng.range(8.0f, 22.0f))
        cut.push_back({v.x(x), f.top + rng.range(-4.0f, 60.0f)});
    cut.push_back({v.x(f.x1) + 2, f.top - 20});
    Mask gone = v.mask();
    gone.polygon(cut);
    body = body.minus(gone);
}
} // namespace

namespace
{
void paintFronts(View& v, const StreetStyle& s, const std::vector<Facade>& fronts, Glow& glow)
{
    for (const Facade& f : fronts)
    {
        if (!v.sees(f.x0, f.x1))
            continue;
        Rng rng(f.seed);
        const Colour wall = s.walls[static_cast<std::size_t>(f.wall)];
        Mask body = v.mask();
        body.rect(v.x(f.x0), f.top, v.x(f.x1), kWallBase);
        if (s.damaged)
            damageTop(v, f, body);
        v.c.fill(body, grimy(v, wall, f.top, kWallBase, s.adobe ? 0.12f : 0.22f, f.seed));
        // Depth: a lit left edge, a shaded right one, a cornice with its shadow.
        Mask edge = v.mask();
        edge.rect(v.x(f.x1) - 6, f.top, v.x(f.x1), kWallBase);
        v.c.fill(edge.times(body), solid(hex(0x000000)), Blend::Normal, 0.3f);
        Mask lit = v.mask();
        lit.rect(v.x(f.x0), f.top, v.x(f.x0) + 2, kWallBase);
        v.c.fill(lit.times(body), solid(hex(0xffffff)), Blend::Normal, 0.15f);
        if (!s.damaged)
        {
            Mask cornice = v.mask();
            cornice.rect(v.x(f.x0) - 3, f.top - 2, v.x(f.x1) + 3, f.top + 7);
            v.c.fill(cornice, solid(s.adobe ? shade(wall, -0.2f) : s.trim));
            Mask under = v.mask();
            under.rect(v.x(f.x0), f.top + 7, v.x(f.x1), f.top + 11);
            v.c.fill(under, solid(hex(0x000000)), Blend::Normal, 0.3f);
            paintRoof(v, s, f);
        }
        paintWindows(v, s, f, glow, rng);
        if (f.escape)
            paintFireEscape(v, f);
        paintGroundFloor(v, s, f, glow);
        if (s.damaged)
        {
            Mask soot = v.mask();
            for (int i = 0; i < 3; ++i)
            {
                const float cx = v.x(f.x0) + (f.x1 - f.x0) * rng.range(0.1f, 0.9f);
                soot.ellipse(cx, f.top + rng.range(30.0f, 120.0f), rng.range(20.0f, 40.0f),
                             rng.range(30.0f, 60.0f));
            }
            v.c.fill(soot.blurred(10.0f).times(body), solid(hex(0x0a0806)), Blend::Normal, 0.6f);
            Mask cracks = v.mask();
            for (int i = 0; i < 4; ++i)
            {
                std::vector<Vec2> line{
                    {v.x(f.x0) + (f.x1 - f.x0) * rng.unit(), f.top + rng.range(20.0f, 200.0f)}};
                for (int k = 0; k < 6; ++k)
                    line.push_back(
                        {line.back().x + rng.range(-8.0f, 8.0f), line.back().y + rng.range(4.0f, 14.0f)});
                cracks.polyline(line, 1.4f);
            }
            v.c.fill(cracks.times(body), solid(hex(0x100c0a)), Blend::Normal, 0.8f);
        }
    }
    // Alleys between fronts: a dark passage down to the walk.
    for (std::size_t i = 0; i + 1 < fronts.size(); ++i)
    {
        const float a = fronts[i].x1, b = fronts[i + 1].x0;
        if (b - a < 4.0f || !v.sees(a, b))
            continue;
        Mask gap = v.mask();
        const float top = std::max(fronts[i].top, fronts[i + 1].top) + 30.0f;
        gap.rect(v.x(a), top, v.x(b), kWallBase);
        v.c.fill(gap, linear(0, top, 0, kWallBase,
                             Gradient{{0.0f, shade(s.walls[0], -0.6f)}, {1.0f, hex(0x08080a)}}));
    }
}

void streetLamp(View& v, float fx, const StreetStyle& s, Mask& dark, Glow& glow)
{
    const float x = v.x(fx);
    dark.rect(x - 2.5f, 150, x + 2.5f, 332);
    dark.rect(x - 5, 318, x + 5, 334);
    dark.polyline(quadCurve({x, 156}, {x + 2, 136}, {x + 26, 138}, 8), 3.0f);
    dark.polygon({{x + 18, 136}, {x + 40, 136}, {x + 36, 146}, {x + 22, 146}});
    Mask bulb = v.mask();
    bulb.rect(x + 23, 145, x + 35, 148);
    if (s.night)
    {
        unite(glow.lamps, bulb);
        Mask pool = v.mask();
        pool.ellipse(x + 29, 346, 70, 16);
        unite(glow.lamps, pool.blurred(8.0f).times(pool));
    }
}

void paintProps(View& v, const StreetStyle& s, float width, Glow& glow)
{
    Mask dark = v.mask();
    Rng rng(s.seed + 77);
    if (s.lampEvery > 0.0f)
        for (float fx = s.lampEvery * 0.4f; fx < width; fx += s.lampEvery)
            if (v.sees(fx - 50, fx + 60))
                streetLamp(v, fx, s, dark, glow);
    v.c.fill(dark.shifted(3, 0).blurred(1.5f), solid(hex(0x000000)), Blend::Normal, 0.3f);
    v.c.fill(dark, solid(hex(0x1c1e22)));
    v.c.fill(dark.minus(dark.shifted(1, 0)), solid(hex(0xa0a8b0)), Blend::Normal, 0.35f);

    // A row of street trees between the lamps, in planters.
    for (float fx = s.lampEvery * 0.9f; s.trees && fx<width; fx += s.lampEvery> 0.0f ? s.lampEvery : 300.0f)
    {
        if (!v.sees(fx - 80, fx + 80))
            continue;
        const float x = v.x(fx);
        Rng leafRng(static_cast<std::uint64_t>(fx) * 31u + s.seed);
        Mask trunk = v.mask(), planter = v.mask(), leaves = v.mask();
        trunk.rect(x - 3, 250, x + 3, 320);
        planter.rect(x - 18, 316, x + 18, 332);
        for (int i = 0; i < 9; ++i)
            leaves.circle(x + leafRng.range(-30.0f, 30.0f), leafRng.range(190.0f, 250.0f),
                          leafRng.range(14.0f, 22.0f));
        v.c.fill(trunk, solid(hex(0x4a3422)));
        v.c.fill(leaves.shifted(3, 4), solid(hex(0x000000)), Blend::Normal, 0.3f);
        v.c.fill(leaves, solid(hex(0x2e6a2c)));
        v.c.fill(leaves.minus(leaves.shifted(3, 4)), solid(hex(0x6ab04a)));
        v.c.fill(planter, solid(hex(0x9a968e)));
        v.c.fill(planter.minus(planter.shifted(0, 2)), solid(hex(0xffffff)), Blend::Normal, 0.3f);
    }
    for (float fx = 60.0f; fx < width; fx += rng.range(120.0f, 260.0f))
    {
        const int kind = rng.between(0, s.trees ? 5 : 4);
        const float jitter = rng.range(0.0f, 1.0f);
        if (!v.sees(fx - 80, fx + 80))
            continue;
        const float x = v.x(fx);
        const float y = 330.0f + jitter * 4.0f;
        Mask body = v.mask(), hi = v.mask();
        Colour col = hex(0x3a4a3a);
        switch (kind)
        {
        case 0: // bin
            body.roundedRect(x - 10, y - 30, x + 10, y, 2);
            body.roundedRect(x - 12, y - 34, x + 12, y - 28, 2);
            hi.rect(x - 8, y - 26, x - 5, y - 2);
            col = s.damaged ? hex(0x4a4038) : hex(0x4a5a6a);
            break;
        case 1: // hydrant
            body.roundedRect(x - 5, y - 22, x + 5, y, 2);
            body.circle(x, y - 22, 6);
            body.rect(x - 9, y - 16, x + 9, y - 12);
            hi.rect(x - 3, y - 20, x - 1, y - 2);
            col = hex(0xb82a20);
            break;
        case 2: // crates
            body.rect(x - 22, y - 24, x + 2, y);
            body.rect(x - 12, y - 44, x + 10, y - 24);
            hi.rect(x - 22, y - 24, x + 2, y - 21);
            hi.rect(x - 12, y - 44, x + 10, y - 41);
            col = hex(0x8a6438);
            break;
        case 3: // newspaper box
            body.rect(x - 8, y - 30, x + 8, y - 6);
            body.rect(x - 2, y - 6, x + 2, y);
            hi.rect(x - 6, y - 26, x + 6, y - 18);
            col = s.adobe ? hex(0x2a6aa8) : hex(0x2a5aa0);
            break;
        case 4: // bench
            body.rect(x - 26, y - 16, x + 26, y - 12);
            body.rect(x - 26, y - 28, x + 26, y - 24);
            body.rect(x - 22, y - 12, x - 19, y);
            body.rect(x + 19, y - 12, x + 22, y);
            hi.rect(x - 26, y - 28, x + 26, y - 27);
            col = hex(0x6a4a2a);
            break;
        default: // tree in a planter
        {
            Mask trunk = v.mask();
            trunk.rect(x - 3, y - 70, x + 3, y - 10);
            body.rect(x - 16, y - 14, x + 16, y);
            v.c.fill(trunk, solid(hex(0x4a3422)));
            Mask leaves = v.mask();
            for (int i = 0; i < 7; ++i)
                leaves.circle(x + rng.range(-24.0f, 24.0f), y - rng.range(70.0f, 110.0f),
                              rng.range(12.0f, 20.0f));
            v.c.fill(leaves.shifted(2, 3), solid(hex(0x000000)), Blend::Normal, 0.3f);
            v.c.fill(leaves, solid(hex(0x2e6a2c)));
            v.c.fill(leaves.minus(leaves.shifted(3, 4)), solid(hex(0x6ab04a)));
            col = hex(0x8a8a88);
            break;
        }
        }
        v.c.fill(body.shifted(3, 2), solid(hex(0x000000)), Blend::Normal, 0.3f);
        v.c.fill(body, solid(col));
        v.c.fill(hi.times(body), solid(hex(0xffffff)), Blend::Normal, 0.3f);
    }
}

void paintGlow(View& v, const StreetStyle& s, const Glow& glow)
{
    addLight(v.c, glow.warm, s.lit, 3.0f);
    addLight(v.c, glow.cool, hex(0x9ad8ff), 3.0f, 0.9f);
    addLight(v.c, glow.shop, hex(0xffe2a8), 6.0f, 0.5f);
    addLight(v.c, glow.lamps, hex(0xffe8b0), 10.0f, 0.85f);
    if (s.neon || s.night)
    {
        addLight(v.c, glow.neonA, glow.neonColourA, 4.0f);
        addLight(v.c, glow.neonB, glow.neonColourB, 4.0f);
    }
    if (s.wet)
    {
        // Lights smeared down the wet road.
        Mask src = v.mask();
        for (int y = 100; y < (int)kWallBase; ++y)
            for (int x = 0; x < v.width(); ++x)
            {
                const float a =
                    std::max(glow.neonA.at(x, y), std::max(glow.neonB.at(x, y), glow.lamps.at(x, y)));
                if (a > 0.1f)
                {
                    // Mirrored about the curb, squashed by the low angle.
                    const int ry = 392 + static_cast<int>((kWallBase - y) * 0.5f);
                    for (int k = 0; k < 3; ++k)
                        src.unite(x, ry + k * 6, a * 0.5f);
                }
            }
        Mask road = v.mask();
        road.rect(0, 392, v.width(), kHeight);
        v.c.fill(src.blurred(3.0f).times(road), solid(hex(0xff8ac8)), Blend::Screen, 0.7f);
    }
}
} // namespace

void paintPavement(View& v, const StreetStyle& s, float width)
{
    (void)width;
    const int w = v.width();
    const float x0 = v.x0;
    const float curb = 380.0f;
    Mask walk = v.mask();
    walk.rect(0, kWallBase, w, curb);
    const Colour sw = s.sidewalk;
    v.c.fill(walk,
             [=](float x, float y)
             {
                 const float n = fractalNoise((x + x0) / 30.0f, y / 12.0f, s.seed + 21, 3);
                 return shade(sw, (y - kWallBase) / 200.0f * 0.3f - 0.18f * n);
             });
    Mask seams = v.mask();
    for (float y : {336.0f, 358.0f})
        seams.rect(0, y, w, y + 1.2f);
    const float first = std::floor(x0 / 64.0f) * 64.0f;
    for (float fx = first - 64; fx < x0 + w + 128; fx += 64.0f)
        seams.line({fx - x0, kWallBase}, {fx - x0 - 26.0f, curb}, 1.2f);
    v.c.fill(seams, solid(shade(sw, -0.45f)), Blend::Normal, 0.8f);
    // Where the wall meets the walk.
    Mask foot = v.mask();
    foot.rect(0, kWallBase, w, kWallBase + 14);
    v.c.fill(foot, linear(0, kWallBase, 0, kWallBase + 14,
                          Gradient{{0.0f, hex(0x000000, 0.55f)}, {1.0f, hex(0x000000, 0.0f)}}));
    Mask curbTop = v.mask(), curbFace = v.mask();
    curbTop.rect(0, curb, w, curb + 6);
    curbFace.rect(0, curb + 6, w, curb + 12);
    v.c.fill(curbTop, solid(shade(sw, 0.15f)));
    v.c.fill(curbFace, solid(shade(sw, -0.5f)));
    Mask road = v.mask();
    road.rect(0, curb + 12, w, kHeight);
    const Colour rd = s.road;
    v.c.fill(road,
             [=](float x, float y)
             {
                 const float n = fractalNoise((x + x0) / 18.0f, y / 9.0f, s.seed + 33, 3);
                 const float speck =
                     latticeValue(static_cast<int>(x + x0), static_cast<int>(y), s.seed) > 0.93f ? 0.12f
                                                                                                 : 0.0f;
                 return shade(rd, 0.1f - (y - curb) / 160.0f * 0.25f - 0.2f * n + speck);
             });
    Mask gutter = v.mask();
    gutter.rect(0, curb + 12, w, curb + 24);
    v.c.fill(gutter, linear(0, curb + 12, 0, curb + 24,
                            Gradient{{0.0f, hex(0x000000, 0.4f)}, {1.0f, hex(0x000000, 0.0f)}}));
    Mask dashes = v.mask();
    const float dfirst = std::floor(x0 / 150.0f) * 150.0f;
    for (float fx = dfirst - 150; fx < x0 + w + 150; fx += 150.0f)
        dashes.polygon({{fx - x0, 440}, {fx - x0 + 70, 440}, {fx - x0 + 64, 447}, {fx - x0 - 6, 447}});
    v.c.fill(dashes, solid(s.roadLine), Blend::Normal, s.damaged ? 0.35f : 0.85f);
    // Cracks and patches.
    Mask cracks = v.mask();
    Rng rng(s.seed + 44);
    for (float fx = 0; fx < width; fx += rng.range(90.0f, 260.0f))
    {
        if (!v.sees(fx - 60, fx + 60))
        {
            rng.next();
            continue;
        }
        std::vector<Vec2> line{{fx - x0, rng.range(396.0f, 470.0f)}};
        for (int i = 0; i < 5; ++i)
            line.push_back({line.back().x + rng.range(6.0f, 18.0f), line.back().y + rng.range(-6.0f, 6.0f)});
        cracks.polyline(line, 1.2f);
    }
    v.c.fill(cracks, solid(hex(0x000000)), Blend::Normal, 0.5f);
}
void paintStreet(View& v, const StreetStyle& s, const std::vector<Facade>& fronts, float width)
{
    Glow glow(v);
    paintFronts(v, s, fronts, glow);
    paintPavement(v, s, width);
    paintProps(v, s, width, glow);
    multiplyLit(v.c, s.ambient);
    paintGlow(v, s, glow);
}

Canvas flames(int w, int h, int frame, int frames, std::uint32_t seed, float heat)
{
    Canvas c(w, h);
    const float k = 1.0f - static_cast<float>(frame) / frames;
    const float rise = 14.0f;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
        {
            auto field = [&](float t)
            {
                return fractalNoise(x / 16.0f, (y + t * rise) / 14.0f, seed, 3) * 0.65f +
                       valueNoise(x / 6.0f, (y + t * rise * 1.7f) / 6.0f, seed + 3) * 0.35f;
            };
            const float n =
                k * field(static_cast<float>(frame)) + (1.0f - k) * field(static_cast<float>(frame - frames));
            const float u = static_cast<float>(y) / h;
            // Tongues: hotter low down, tapering at the sides.
            const float side = std::sin(kPi * (x + 0.5f) / w);
            const float v = n * (0.35f + 0.9f * u) * (0.5f + 0.6f * side) * heat - 0.1f * (1.0f - u);
            Colour col;
            if (v > 0.7f)
                col = hex(0xfff6c8);
            else if (v > 0.58f)
                col = hex(0xffc83a);
            else if (v > 0.47f)
                col = hex(0xf0701c);
            else if (v > 0.4f)
                col = hex(0xa8240e);
            else
                continue;
            c.at(x, y) = col;
        }
    return c;
}

void smoke(View& v, float x0, float y0, float x1, float y1, Colour colour, float amount, std::uint32_t seed)
{
    Mask m = v.mask();
    for (int y = std::max(0, (int)y0); y < std::min(kHeight, (int)y1); ++y)
        for (int x = 0; x < v.width(); ++x)
        {
            const float fx = x + v.x0;
            if (fx < x0 || fx > x1)
                continue;
            const float edge = smoothstep(x0, x0 + 60.0f, fx) * (1.0f - smoothstep(x1 - 60.0f, x1, fx));
            const float n = fractalNoise(fx / 70.0f, y / 50.0f, seed, 4);
            m.cell(x, y) = smoothstep(0.45f, 0.7f, n) * edge * amount;
        }
    v.c.fill(m, linear(0, y0, 0, y1, Gradient{{0.0f, shade(colour, -0.3f)}, {1.0f, colour}}));
}
} // namespace datagen::stage
