// The dusk city, the rooftop fighters and the logo. Every layer is seeded, so
// the title, splash and loading screens always show the same city.
#include "content/look.h"

#include "core/mask.h"
#include "core/noise.h"
#include "core/text.h"

#include <cmath>
#include <vector>

namespace datagen::look
{
namespace
{
constexpr float kHorizon = 338.0f;
constexpr float kSunX = 320.0f;
constexpr float kSunY = 286.0f;
constexpr float kSunR = 116.0f;
constexpr float kPi = 3.14159265f;

float smoothstep(float a, float b, float v)
{
    float t = (v - a) / (b - a);
    t = t < 0.0f ? 0.0f : (t > 1.0f ? 1.0f : t);
    return t * t * (3.0f - 2.0f * t);
}

Mask screenMask()
{
    return Mask(kScreenW, kScreenH);
}

void paintSky(Canvas& c)
{
    const Gradient sky{{0.00f, hex(0x07081e)}, {0.22f, hex(0x1b1240)}, {0.45f, hex(0x4a1850)},
                       {0.62f, hex(0x8e2445)}, {0.76f, hex(0xd24a2c)}, {0.88f, hex(0xff8f3a)},
                       {1.00f, hex(0xffc76a)}};
    c.fill(linear(0, 0, 0, kHorizon, sky));

    Rng rng(11);
    Mask stars = screenMask();
    for (int i = 0; i < 170; ++i)
    {
        const float x = rng.range(0, kScreenW);
        const float y = rng.range(0, 190);
        const float fade = 1.0f - y / 190.0f;
        stars.circle(x, y, rng.range(0.45f, 1.15f), fade * rng.range(0.35f, 1.0f));
    }
    c.fill(stars, solid(hex(0xfff2e0)), Blend::Screen);
}

void paintSun(Canvas& c, float drop)
{
    const float cy = kSunY + drop;
    // A wide warm bloom first, so the sky glows around the disc.
    c.fill(radial(kSunX, cy, 330.0f,
                  Gradient{{0.0f, hex(0xffb050, 0.75f)},
                           {0.3f, hex(0xff7a30, 0.35f)},
                           {1.0f, hex(0xff5020, 0.0f)}}),
           Blend::Screen);

    Mask rays = screenMask();
    Rng rng(23);
    for (int i = 0; i < 18; ++i)
    {
        const float a = -kPi * (0.06f + 0.88f * (i + rng.range(0.2f, 0.8f)) / 18.0f);
        const float spread = rng.range(0.012f, 0.03f);
        const float reach = rng.range(380.0f, 520.0f);
        rays.polygon({{kSunX, cy},
                      {kSunX + std::cos(a - spread) * reach, cy + std::sin(a - spread) * reach},
                      {kSunX + std::cos(a + spread) * reach, cy + std::sin(a + spread) * reach}},
                     rng.range(0.5f, 1.0f));
    }
    c.fill(rays.blurred(4.0f),
           radial(kSunX, cy, 420.0f, Gradient{{0.0f, hex(0xffd080, 0.5f)}, {1.0f, hex(0xff8040, 0.0f)}}),
           Blend::Screen);

    // The disc, cut by the bands of heat haze that widen towards the horizon.
    Mask disc = screenMask();
    disc.circle(kSunX, cy, kSunR);
    Mask bands = screenMask();
    for (int k = 0; k < 7; ++k)
    {
        const float y = cy + 8.0f + k * 15.0f + k * k * 0.6f;
        bands.rect(0, y, kScreenW, y + 2.0f + k * 1.6f);
    }
    c.fill(disc.minus(bands), linear(0, cy - kSunR, 0, cy + kSunR,
                                     Gradient{{0.0f, hex(0xfff8d0)},
                                              {0.35f, hex(0xffd766)},
                                              {0.7f, hex(0xff7a2e)},
                                              {1.0f, hex(0xe8392a)}}));
}

void paintClouds(Canvas& c)
{
    Mask clouds = screenMask();
    for (int y = 90; y < 330; ++y)
    {
        // Two drifting decks, a high thin one and a low heavy one.
        const float deck = std::exp(-std::pow((y - 100.0f) / 22.0f, 2.0f)) * 0.7f +
                           std::exp(-std::pow((y - 262.0f) / 30.0f, 2.0f));
        for (int x = 0; x < kScreenW; ++x)
        {
            const float n = fractalNoise(x / 150.0f, y / 13.0f, 97, 5);
            const float v = smoothstep(0.50f, 0.66f, n * (0.55f + 0.6f * deck)) * deck;
            if (v > 0.0f)
                clouds.cell(x, y) = std::min(1.0f, v * 1.4f);
        }
    }
    const Gradient body{{0.0f, hex(0x8a2f45)}, {0.45f, hex(0x4a1a3e)}, {1.0f, hex(0x1c0f2c)}};
    c.fill(clouds, elliptical(kSunX, kSunY, 420.0f, 200.0f, body), Blend::Normal, 0.92f);
    // Their undersides catch the low sun.
    const Mask underside = clouds.minus(clouds.shifted(0, -3));
    c.fill(underside,
           elliptical(kSunX, kSunY, 380.0f, 180.0f,
                      Gradient{{0.0f, hex(0xffd07a)}, {0.5f, hex(0xff8a44)}, {1.0f, hex(0xa8385a, 0.4f)}}),
           Blend::Screen, 0.9f);
}

struct Building
{
    float x0, x1, top;
    int roof; // 0 flat, 1 antenna, 2 stepped, 3 spire, 4 pagoda
};

std::vector<Building> skyline(std::uint32_t seed, float minTop, float maxTop, float minW, float maxW)
{
    Rng rng(seed);
    std::vector<Building> out;
    float x = -rng.range(0, 30);
    while (x < kScreenW)
    {
        const float w = rng.range(minW, maxW);
        out.push_back({x, x + w, rng.range(minTop, maxTop), rng.between(0, 9) < 5 ? 0 : rng.between(1, 4)});
        x += w - rng.range(0, w * 0.25f);
    }
    return out;
}

void addBuilding(Mask& m, const Building& b, float bottom)
{
    const float w = b.x1 - b.x0;
    const float mid = (b.x0 + b.x1) * 0.5f;
    m.rect(b.x0, b.top, b.x1, bottom);
    switch (b.roof)
    {
    case 1:
        m.rect(mid - 1.0f, b.top - 26.0f, mid + 1.0f, b.top);
        m.rect(b.x0 + w * 0.2f, b.top - 6.0f, b.x0 + w * 0.45f, b.top);
        break;
    case 2:
        m.rect(b.x0 + w * 0.15f, b.top - 10.0f, b.x1 - w * 0.15f, b.top);
        m.rect(b.x0 + w * 0.32f, b.top - 18.0f, b.x1 - w * 0.32f, b.top);
        break;
    case 3:
        m.polygon({{b.x0 + w * 0.25f, b.top}, {mid, b.top - w * 1.1f}, {b.x1 - w * 0.25f, b.top}});
        break;
    case 4:
        // Curved temple eaves, two tiers.
        for (int tier = 0; tier < 2; ++tier)
        {
            const float y = b.top - tier * 14.0f;
            const float half = w * (0.72f - tier * 0.18f);
            std::vector<Vec2> eave =
                quadCurve({mid - half, y - 4.0f}, {mid - half * 0.4f, y + 2.0f}, {mid, y - 12.0f}, 8);
            const std::vector<Vec2> right =
                quadCurve({mid, y - 12.0f}, {mid + half * 0.4f, y + 2.0f}, {mid + half, y - 4.0f}, 8);
            eave.insert(eave.end(), right.begin() + 1, right.end());
            eave.push_back({mid + half * 0.6f, y + 1.0f});
            eave.push_back({mid - half * 0.6f, y + 1.0f});
            m.polygon(eave);
            m.rect(mid - half * 0.45f, y, mid + half * 0.45f, y + 10.0f);
        }
        m.rect(mid - 1.0f, b.top - 40.0f, mid + 1.0f, b.top - 20.0f);
        break;
    default:
        break;
    }
}

void paintFarCity(Canvas& c)
{
    Mask far = screenMask();
    for (const Building& b : skyline(5, kHorizon - 72.0f, kHorizon - 12.0f, 18.0f, 46.0f))
        addBuilding(far, b, kScreenH);
    c.fill(far, linear(0, kHorizon - 100.0f, 0, kHorizon + 40.0f,
                       Gradient{{0.0f, hex(0x5a2150)}, {0.7f, hex(0x7a2c4c)}, {1.0f, hex(0x9a3a48)}}));
    // Distant windows, dim and sparse.
    Rng rng(41);
    Mask lights = screenMask();
    for (int i = 0; i < 260; ++i)
    {
        const int x = static_cast<int>(rng.range(0, kScreenW));
        const int y = static_cast<int>(rng.range(kHorizon - 90.0f, kHorizon + 30.0f));
        if (far.at(x, y - 3) > 0.99f && far.at(x, y + 3) > 0.99f)
            lights.rect(x, y, x + 1.5f, y + 1.5f, rng.range(0.3f, 0.8f));
    }
    c.fill(lights, solid(hex(0xffc070)), Blend::Screen);
    // Warm haze rising from the streets.
    c.fill(linear(0, kHorizon - 40.0f, 0, kHorizon + 30.0f,
                  Gradient{{0.0f, hex(0xff7040, 0.0f)}, {1.0f, hex(0xff8a50, 0.45f)}}),
           Blend::Screen);
}

void paintNearCity(Canvas& c)
{
    Mask near = screenMask();
    const std::vector<Building> blocks = skyline(8, kHorizon - 30.0f, kHorizon + 40.0f, 30.0f, 70.0f);
    for (const Building& b : blocks)
        addBuilding(near, b, kScreenH);
    c.fill(near, linear(0, kHorizon - 40.0f, 0, kScreenH,
                        Gradient{{0.0f, hex(0x2a1230)}, {0.4f, hex(0x180c20)}, {1.0f, hex(0x0c0712)}}));
    // Roof edges facing the sun catch a thin line of light.
    c.fill(near.minus(near.shifted(0, 2)), solid(hex(0xff9a5a)), Blend::Screen, 0.55f);

    Rng rng(77);
    Mask warm = screenMask();
    Mask cool = screenMask();
    for (const Building& b : blocks)
    {
        for (float y = b.top + 8.0f; y < kScreenH - 6.0f; y += 9.0f)
            for (float x = b.x0 + 5.0f; x < b.x1 - 6.0f; x += 7.0f)
            {
                const std::uint32_t roll = rng.next() % 100;
                if (roll < 16)
                    warm.rect(x, y, x + 3.0f, y + 4.0f, rng.range(0.45f, 1.0f));
                else if (roll < 19)
                    cool.rect(x, y, x + 3.0f, y + 4.0f, rng.range(0.4f, 0.9f));
            }
    }
    // Fewer lights lower down, where the street is in shadow.
    const Paint fade =
        linear(0, kHorizon, 0, kScreenH, Gradient{{0.0f, hex(0xffc86a)}, {1.0f, hex(0x6a3a2a)}});
    c.fill(warm.times(near), fade, Blend::Normal, 0.85f);
    c.fill(cool.times(near), solid(hex(0x7ad8ff)), Blend::Normal, 0.6f);
    c.fill(warm.times(near).blurred(2.5f), solid(hex(0xffa040)), Blend::Screen, 0.5f);
}

// A fighter's silhouette, feet at `feet`, 1 unit ~ 1 pixel at scale 1; the
// brawler is the broader of the two.
void addFighter(Mask& m, Vec2 feet, float scale, bool facingRight, bool brawler)
{
    auto at = [&](float x, float y) {
        return Vec2{feet.x + (facingRight ? x : -x) * scale, feet.y + y * scale};
    };
    auto limb = [&](Vec2 a, Vec2 b, float wa, float wb) { m.limb(a, b, wa * scale, wb * scale); };
    const float bulk = brawler ? 1.25f : 1.0f;

    // Legs in a wide stance, front knee bent.
    const Vec2 hipBack = at(-9, -98), hipFront = at(9, -98);
    const Vec2 kneeBack = at(-34, -54), kneeFront = at(36, -60);
    const Vec2 ankleBack = at(-44, -8), ankleFront = at(46, -8);
    limb(hipBack, kneeBack, 22 * bulk, 16 * bulk);
    limb(kneeBack, ankleBack, 16 * bulk, 11);
    limb(hipFront, kneeFront, 22 * bulk, 16 * bulk);
    limb(kneeFront, ankleFront, 16 * bulk, 11);
    m.polygon({at(-50, -12), at(-38, -12), at(-30, 0), at(-58, 0)});
    m.polygon({at(40, -12), at(52, -12), at(66, 0), at(38, 0)});

    // Torso leaning into the fight, a belt knot at the waist.
    const float chest = brawler ? 30.0f : 22.0f;
    m.polygon({at(-14, -100), at(14, -100), at(chest, -148), at(chest - 8, -158), at(-chest + 10, -160),
               at(-chest + 4, -150)});
    m.circle(at(chest - 6, -150).x, at(chest - 6, -150).y, 9.0f * scale * bulk);
    m.circle(at(-chest + 8, -151).x, at(-chest + 8, -151).y, 8.5f * scale * bulk);
    m.polygon({at(-16, -104), at(16, -104), at(14, -96), at(-14, -96)});
    limb(at(-8, -100), at(-22, -84), 5, 3);

    // Head, with a headband whose tails stream behind, or a brawler's spikes.
    const Vec2 head = at(10, -174);
    limb(at(4, -156), head, 11 * bulk, 10);
    m.ellipse(head.x, head.y, 11.0f * scale, 13.0f * scale);
    if (brawler)
    {
        for (int i = 0; i < 5; ++i)
        {
            const float a = -0.5f - i * 0.35f;
            m.polygon({at(10 + std::cos(a) * 8, -176 + std::sin(a) * 9),
                       at(10 + std::cos(a) * 22, -176 + std::sin(a) * 22),
                       at(10 + std::cos(a - 0.3f) * 9, -176 + std::sin(a - 0.3f) * 10)});
        }
    }
    else
    {
        m.polyline(cubicCurve(at(0, -180), at(-18, -186), at(-30, -170), at(-52, -178), 14), 3.5f * scale);
        m.polyline(cubicCurve(at(0, -178), at(-16, -176), at(-26, -162), at(-44, -160), 14), 3.0f * scale);
    }

    // Arms: the lead fist out in guard, the rear fist by the chin.
    const Vec2 shoulderFront = at(chest - 6, -150), shoulderBack = at(-chest + 8, -150);
    const Vec2 elbowFront = brawler ? at(48, -124) : at(44, -128);
    const Vec2 fistFront = brawler ? at(70, -138) : at(62, -154);
    const Vec2 elbowBack = at(-10, -118);
    const Vec2 fistBack = at(14, -140);
    limb(shoulderBack, elbowBack, 15 * bulk, 12 * bulk);
    limb(elbowBack, fistBack, 12 * bulk, 10);
    limb(shoulderFront, elbowFront, 15 * bulk, 12 * bulk);
    limb(elbowFront, fistFront, 12 * bulk, 10);
    m.circle(fistFront.x, fistFront.y, 8.0f * scale * bulk);
    m.circle(fistBack.x, fistBack.y, 7.5f * scale * bulk);
}

void paintRooftops(Canvas& c, bool fighters)
{
    // The left roof, a water tower on it, and the right roof with a plain wall
    // where the menu prints its key guide.
    Mask roofs = screenMask();
    roofs.rect(0, 396, 206, kScreenH);
    roofs.rect(0, 390, 212, 397);
    roofs.rect(436, 384, kScreenW, kScreenH);
    roofs.rect(430, 378, kScreenW, 385);
    roofs.rect(20, 340, 24, 390);
    roofs.rect(46, 340, 50, 390);
    roofs.roundedRect(14, 318, 56, 346, 4);
    roofs.polygon({{12, 320}, {35, 304}, {58, 320}});
    Mask figures = screenMask();
    if (fighters)
    {
        addFighter(figures, {118, 391}, 0.8f, true, false);
        addFighter(figures, {548, 379}, 0.82f, false, true);
    }
    Mask all = roofs;
    for (int y = 0; y < kScreenH; ++y)
        for (int x = 0; x < kScreenW; ++x)
            all.unite(x, y, figures.at(x, y));
    c.fill(all.shifted(0, 0).blurred(6.0f), solid(hex(0x000000)), Blend::Normal, 0.35f);
    c.fill(all, linear(0, 300, 0, kScreenH, Gradient{{0.0f, hex(0x120812)}, {1.0f, hex(0x07040a)}}));
    c.fill(roofs.minus(roofs.shifted(0, 2)), solid(hex(0xffa060)), Blend::Screen, 0.6f);

    // Rim light on the sides that face the sun.
    Mask leftRim = figures.minus(figures.shifted(-2, 1));
    Mask rightRim = figures.minus(figures.shifted(2, 1));
    Mask rim = screenMask();
    for (int y = 0; y < kScreenH; ++y)
        for (int x = 0; x < kScreenW; ++x)
            rim.unite(x, y, x < kScreenW / 2 ? leftRim.at(x, y) : rightRim.at(x, y));
    c.fill(rim, solid(hex(0xffb060)), Blend::Screen, 0.8f);
    c.fill(rim.blurred(2.0f), solid(hex(0xff7030)), Blend::Screen, 0.45f);
}
} // namespace

std::string titleFont()
{
    return "/usr/share/fonts/truetype/dejavu/DejaVuSerifCondensed-Bold.ttf";
}

std::string menuFont()
{
    return "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
}

Canvas duskCity(const CityOptions& options)
{
    Canvas c(kScreenW, kScreenH, hex(0x000000));
    paintSky(c);
    paintSun(c, options.sunRise);
    paintClouds(c);
    paintFarCity(c);
    paintNearCity(c);
    paintRooftops(c, options.fighters);
    c.vignette(0.55f);
    return c;
}

Canvas logo(const LogoOptions& o)
{
    Canvas out(kScreenW, kScreenH);
    Typeface face(titleFont());
    if (!face.ok())
        return out;
    face.setSize(o.size);
    face.setStyle(o.size * 0.02f, 0.14f);
    Mask text = screenMask();
    face.drawCentred(text, "QUILLFEN", o.cx, o.cy);
    const float cap = face.capHeight();
    const float top = o.cy - cap * 0.5f;
    const float bottom = o.cy + cap * 0.5f;

    const Mask edge = text.grown(o.size * 0.05f);
    const Mask ring = text.grown(o.size * 0.075f);
    out.fill(ring.shifted(5, 7).blurred(3.0f), solid(hex(0x000000)), Blend::Normal, 0.7f);
    if (o.glow > 0.0f)
        out.fill(text.grown(o.size * 0.1f).blurred(o.size * 0.1f), solid(hex(0xff6a1a)), Blend::Normal,
                 std::min(1.0f, 0.85f * o.glow));
    out.fill(ring, linear(0, top, 0, bottom, Gradient{{0.0f, hex(0xfff0b0)}, {1.0f, hex(0xffa23a)}}));
    out.fill(edge, solid(hex(0x1c0609)));
    // Polished metal: pale gold above a hard horizon, fire below it.
    out.fill(text, linear(0, top, 0, bottom,
                          Gradient{{0.0f, hex(0xffffff)},
                                   {0.2f, hex(0xfff1b8)},
                                   {0.5f, hex(0xffc53a)},
                                   {0.52f, hex(0xff8418)},
                                   {0.8f, hex(0xe8400f)},
                                   {1.0f, hex(0x9a1608)}}));
    out.fill(text.minus(text.shifted(0, 2)), solid(hex(0xffffff)), Blend::Normal, 0.7f);
    out.fill(text.minus(text.shifted(0, -2)), solid(hex(0x5a0a04)), Blend::Normal, 0.6f);
    if (o.shine >= 0.0f)
    {
        Mask sweep = screenMask();
        const float x = o.cx - 300.0f + 600.0f * o.shine;
        sweep.polygon({{x - 14, top - 20}, {x + 16, top - 20}, {x - 24, bottom + 20}, {x - 54, bottom + 20}});
        out.fill(sweep.blurred(3.0f).times(text), solid(hex(0xffffff)), Blend::Normal, 0.85f);
    }
    return out;
}

Canvas caption(const std::string& text, const CaptionOptions& o)
{
    Canvas out(kScreenW, kScreenH);
    Typeface face(menuFont());
    if (!face.ok())
        return out;
    face.setSize(o.size);
    face.setStyle(o.spacing, 0.0f);
    Mask m = screenMask();
    face.drawCentred(m, text, o.cx, o.cy);
    const Mask edge = m.grown(o.edgeWidth);
    out.fill(edge.shifted(2, 2).blurred(1.5f), solid(hex(0x000000)), Blend::Normal, 0.6f);
    out.fill(edge, solid(o.edge));
    out.fill(m, solid(o.fill));
    return out;
}
} // namespace datagen::look
