// Fight effects in a cel-shaded arcade style: hard-edged shapes in a white
// core, a hot middle and a dark rim, so they read over any stage without
// soft alpha. Sparks and flecks are anchored at their centre, dust at its
// foot, the special backdrop at the screen's corner.
#include "content/effects.h"

#include "core/files.h"
#include "core/jobs.h"
#include "core/mask.h"
#include "core/noise.h"
#include "core/particle_file.h"
#include "core/sprite_folder.h"

#include <cmath>
#include <cstdio>
#include <functional>

namespace datagen
{
namespace
{
constexpr float kPi = 3.14159265f;

struct Kind
{
    std::string name;
    int w = 0;
    int h = 0;
    int frames = 1;
    // Draws frame i into a clear w x h canvas.
    std::function<Canvas(int i)> draw;
    // Fills in frame i's data; the anchor defaults to the centre.
    std::function<void(int i, FrameInfo& info)> data;
    ParticleDescription desc;
    int pause = 20;
    bool opaque = false;
};

void clipTo(Canvas& c, const Mask& m)
{
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x)
            c.at(x, y).a *= m.at(x, y);
}

// A hard three-tone fill: dark rim, body, bright core inset.
void celFill(Canvas& c, const Mask& shape, Colour rim, Colour body, Colour core, float rimWidth,
             float coreInset)
{
    c.fill(shape.grown(rimWidth), solid(rim));
    c.fill(shape, solid(body));
    Mask inner = shape.inverted().grown(coreInset).inverted();
    c.fill(inner, solid(core));
}

std::vector<Vec2> star(float cx, float cy, int points, float rOut, float rIn, float turn, Rng& rng,
                       float jitter)
{
    std::vector<Vec2> p;
    for (int i = 0; i < points * 2; ++i)
    {
        const float a = turn + i * kPi / points;
        const float r = i % 2 == 0 ? rOut * (1.0f - jitter * rng.unit()) : rIn;
        p.push_back({cx + std::cos(a) * r, cy + std::sin(a) * r});
    }
    return p;
}

// Impact sparks: a jagged star that bursts, hollows out and breaks into
// fragments; heavier ones add a shock ring.
Kind impact(const std::string& name, int size, int points, bool shockRing, std::uint32_t seed)
{
    Kind k;
    k.name = name;
    k.w = k.h = size;
    k.frames = 6;
    k.draw = [=](int i)
    {
        const float scale[] = {0.45f, 1.0f, 1.08f, 1.12f, 1.16f, 1.2f};
        const float hollow[] = {0.0f, 0.0f, 0.3f, 0.55f, 0.72f, 0.86f};
        const float cx = size * 0.5f, cy = size * 0.5f;
        const float R = size * 0.46f * scale[i] / 1.2f;
        Canvas c(size, size);
        Rng rng(seed + static_cast<std::uint32_t>(i / 2));
        Mask shape(size, size);
        shape.polygon(star(cx, cy, points, R, R * 0.38f, 0.3f + i * 0.05f, rng, 0.35f));
        if (i == 0 || i == 1)
            shape.circle(cx, cy, R * 0.45f);
        Mask hole(size, size);
        hole.circle(cx, cy, R * hollow[i]);
        shape = shape.minus(hole);
        if (shockRing && i >= 1)
        {
            Mask ring(size, size);
            const float rr = R * (0.7f + 0.18f * i);
            ring.circle(cx, cy, rr);
            Mask in(size, size);
            in.circle(cx, cy, rr - std::max(1.5f, 4.0f - i * 0.6f));
            c.fill(ring.minus(in), solid(hex(0xfff0b0)), Blend::Normal, i < 5 ? 1.0f : 0.0f);
        }
        const Colour rim = i < 4 ? hex(0xd2300c) : hex(0x8a1c08);
        celFill(c, shape, rim, hex(0xffb21e), hex(0xffffff), size > 60 ? 2.0f : 1.2f,
                i < 3 ? size * 0.07f : size * 0.02f);
        if (i == 0)
        {
            Mask core(size, size);
            core.circle(cx, cy, R * 0.5f);
            c.fill(core, solid(hex(0xffffff)));
        }
        return c;
    };
    k.desc.dieAtLastFrame = true;
    return k;
}

// Blade sparks: one or two white-hot arcs that sweep, then thin away.
Kind slash(const std::string& name, int size, float turn, bool cross, Colour glow)
{
    Kind k;
    k.name = name;
    k.w = k.h = size;
    k.frames = 6;
    k.draw = [=](int i)
    {
        const float reach[] = {0.45f, 0.85f, 1.0f, 1.0f, 1.0f, 1.0f};
        const float tail[] = {0.0f, 0.0f, 0.15f, 0.4f, 0.62f, 0.8f};
        const float thick[] = {0.16f, 0.2f, 0.18f, 0.13f, 0.08f, 0.04f};
        Canvas c(size, size);
        const float cx = size * 0.5f, cy = size * 0.5f;
        Mask shape(size, size);
        const int arcs = cross ? 2 : 1;
        for (int a = 0; a < arcs; ++a)
        {
            const float rot = turn + a * kPi * 0.5f;
            const float span = kPi * 0.8f;
            const float a0 = rot + span * tail[i];
            const float a1 = rot + span * reach[i];
            // Arcs are centred off the sprite's middle so the stroke passes
            // near it, and stay inside the frame.
            const float r = size * 0.34f;
            const float ox = cx - std::cos(rot + span * 0.5f) * r * 0.3f;
            const float oy = cy - std::sin(rot + span * 0.5f) * r * 0.3f;
            if (a1 > a0 + 0.05f)
            {
                // The stroke as a chain of limbs, thickest past its middle
                // and tapering to points at both ends.
                const int n = 16;
                Vec2 prev{};
                float prevW = 0.0f;
                for (int k = 0; k <= n; ++k)
                {
                    const float t = static_cast<float>(k) / n;
                    const float a = a0 + (a1 - a0) * t;
                    const float wgt = size * thick[i] * std::pow(std::max(0.0f, std::sin(kPi * t)), 0.8f) * (0.4f + 0.6f * t);
                    const Vec2 p{ox + std::cos(a) * (r - wgt * 0.5f), oy + std::sin(a) * (r - wgt * 0.5f)};
                    if (k > 0)
                        shape.limb(prev, p, std::max(prevW, 0.6f), std::max(wgt, 0.6f));
                    prev = p;
                    prevW = wgt;
                }
            }
        }
        const float rimW = i < 4 ? 1.6f : 1.0f;
        c.fill(shape.grown(rimW + 1.0f), solid(shade(glow, -0.55f)));
        c.fill(shape.grown(rimW), solid(glow));
        c.fill(shape, solid(hex(0xffffff)));
        // Chips of light thrown off the cut.
        Rng rng(static_cast<std::uint32_t>(size * 7 + i));
        if (i >= 1 && i <= 4)
        {
            Mask chips(size, size);
            for (int n = 0; n < 6; ++n)
            {
                const float a = rng.range(0.0f, 2.0f * kPi);
                const float d = size * (0.18f + 0.07f * i) * rng.range(0.8f, 1.2f);
                const float x = cx + std::cos(a) * d, y = cy + std::sin(a) * d;
                chips.line({x, y}, {x + std::cos(a) * 4.0f, y + std::sin(a) * 4.0f}, 1.6f);
            }
            c.fill(chips.grown(0.8f), solid(glow));
            c.fill(chips, solid(hex(0xffffff)));
        }
        return c;
    };
    k.desc.dieAtLastFrame = true;
    return k;
}

// A hot chip of debris flying off a hit; dx/dy give its compass direction.
Kind fleck(const std::string& name, int dx, int dy)
{
    Kind k;
    k.name = name;
    k.w = k.h = 14;
    k.frames = 6;
    k.draw = [=](int i)
    {
        Canvas c(14, 14);
        Mask m(14, 14);
        const float a = i * 1.1f;
        const float len = 4.5f - i * 0.45f;
        const Vec2 d{std::cos(a) * len, std::sin(a) * len};
        const Vec2 n{-std::sin(a) * 1.6f, std::cos(a) * 1.6f};
        const Vec2 o{7.0f, 7.0f};
        m.polygon({o + d, o + n, o - d, o - n});
        // A short streak trails behind it.
        Mask trail(14, 14);
        trail.line(o, o - Vec2{static_cast<float>(dx) * 4.5f, static_cast<float>(-dy) * 4.5f}, 1.5f);
        c.fill(trail, solid(hex(0xff8a1c)), Blend::Normal, i < 4 ? 1.0f : 0.0f);
        c.fill(m.grown(0.8f), solid(hex(0x7a1c06)));
        c.fill(m, solid(i < 3 ? hex(0xfff4b0) : hex(0xffa030)));
        return c;
    };
    k.data = [=](int i, FrameInfo& info)
    {
        info.xStep = dx * 4;
        // Rising flecks slow and drop; falling ones speed up.
        info.yBoost = dy > 0 ? 5 - 2 * i : -1 - i;
    };
    k.desc.dieAtLastFrame = true;
    k.desc.lifetime = 600;
    return k;
}

Kind dust()
{
    Kind k;
    k.name = "dustJump";
    k.w = 80;
    k.h = 40;
    k.frames = 6;
    k.pause = 25;
    k.draw = [](int i)
    {
        Canvas c(80, 40);
        Mask puffs(80, 40);
        const float t = i / 5.0f;
        for (int side = -1; side <= 1; side += 2)
            for (int n = 0; n < 3; ++n)
            {
                const float x = 40.0f + side * (6.0f + n * 9.0f + t * (14.0f + n * 6.0f));
                const float y = 33.0f - n * 2.0f - t * 8.0f;
                puffs.circle(x, y, (7.0f - n * 1.2f) + t * 5.0f);
            }
        puffs.ellipse(40.0f, 34.0f - t * 4.0f, 10.0f + t * 10.0f, 5.0f + t * 2.0f);
        // Breaks up as it settles.
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 80; ++x)
                if (valueNoise(x / 7.0f, y / 6.0f, 19) < t * 0.7f)
                    puffs.cell(x, y) = 0.0f;
        const Mask lit = puffs.minus(puffs.shifted(2, 2));
        c.fill(puffs.grown(1.0f), solid(hex(0x4a3a2c)));
        c.fill(puffs, solid(hex(0xb8a48a)));
        c.fill(lit, solid(hex(0xeadcc4)));
        return c;
    };
    k.data = [](int, FrameInfo& info)
    {
        info.anchorX = 40;
        info.anchorY = 38;
    };
    k.desc.alpha = 200;
    k.desc.dieAtLastFrame = true;
    return k;
}

Kind blood()
{
    Kind k;
    k.name = "bloodSplat1";
    k.w = k.h = 64;
    k.frames = 6;
    k.draw = [](int i)
    {
        Canvas c(64, 64);
        Mask m(64, 64);
        Rng rng(404);
        const float t = (i + 1) / 6.0f;
        for (int n = 0; n < 11; ++n)
        {
            const float a = rng.range(-kPi * 0.9f, kPi * 0.1f);
            const float speed = rng.range(14.0f, 28.0f);
            const float r = rng.range(2.2f, 4.4f) * (1.0f - t * 0.45f);
            const float d = speed * t;
            const float x = 32.0f + std::cos(a) * d;
            const float y = 32.0f + std::sin(a) * d + t * t * 18.0f;
            m.limb({x, y}, {x - std::cos(a) * r * 2.2f, y - std::sin(a) * r * 2.2f + t * 3.0f}, r * 2.0f, r);
        }
        if (i < 3)
            m.circle(32.0f, 32.0f, 9.0f - i * 2.5f);
        c.fill(m.grown(0.8f), solid(hex(0x2a0204)));
        c.fill(m, solid(hex(0xb0101a)));
        c.fill(m.minus(m.shifted(1, 1)), solid(hex(0xff5a5a)));
        return c;
    };
    k.desc.dieAtLastFrame = true;
    return k;
}

// The backdrop of a special move: the stage sinks into a dim violet haze
// crossed by faint speed lines rushing to the middle. Laid over the stage at
// part strength it darkens and tints the picture and never lightens it, so a
// special reads without a flash of light.
Kind specialBackdrop()
{
    Kind k;
    k.name = "special";
    k.w = 640;
    k.h = 480;
    k.frames = 8;
    k.pause = 35;
    k.opaque = true;
    k.draw = [](int i)
    {
        Canvas c(640, 480);
        c.fill(elliptical(320, 240, 420, 320,
                          Gradient{{0.0f, hex(0x24184e)}, {0.5f, hex(0x150c34)}, {1.0f, hex(0x06020f)}}));
        Mask lines(640, 480);
        Rng rng(900 + static_cast<std::uint32_t>(i));
        for (int n = 0; n < 90; ++n)
        {
            const float a = rng.range(0.0f, 2.0f * kPi);
            const float inner = rng.range(150.0f, 260.0f);
            const float spread = rng.range(0.004f, 0.018f);
            const float outer = 560.0f;
            lines.polygon({{320.0f + std::cos(a) * inner, 240.0f + std::sin(a) * inner * 0.75f},
                           {320.0f + std::cos(a - spread) * outer, 240.0f + std::sin(a - spread) * outer},
                           {320.0f + std::cos(a + spread) * outer, 240.0f + std::sin(a + spread) * outer}});
        }
        c.fill(lines, solid(hex(0x5a4aa0)), Blend::Normal, 0.6f);
        return c;
    };
    k.data = [](int, FrameInfo& info)
    {
        info.anchorX = 0;
        info.anchorY = 0;
        info.key = {-1, 0, 0};
    };
    k.desc.alpha = 160;
    k.desc.dieAtLastFrame = true;
    return k;
}

// Projectiles face right as drawn; the engine mirrors them for the left.
// Their damage is part of the game's difficulty: the gunners, tanks and
// casters of the later stages fire them from out of reach.
void projectileData(Kind& k, int xStep, int damage, int hitType)
{
    const int w = k.w, h = k.h;
    k.data = [=](int, FrameInfo& info)
    {
        info.xStep = xStep;
        info.damage = damage;
        info.hitType = hitType;
        info.collision = std::array<int, 4>{2, 2, w - 3, h - 3};
        info.damageBox = {2, 2, w - 3, h - 3};
        info.hitPointX = w - 4;
        info.hitPointY = h / 2;
    };
    k.desc.dieAtLastFrame = false;
}

Kind bullet()
{
    Kind k;
    k.name = "bullet";
    k.w = 28;
    k.h = 10;
    k.frames = 2;
    k.draw = [](int i)
    {
        Canvas c(28, 10);
        Mask trail(28, 10);
        trail.polygon({{2.0f, 5.0f}, {20.0f, 3.0f}, {20.0f, 7.0f}});
        Mask slug(28, 10);
        slug.roundedRect(16.0f, 2.5f, 26.0f, 7.5f, 2.5f);
        c.fill(trail, linear(2, 0, 20, 0, Gradient{{0.0f, hex(0xff4010)}, {1.0f, hex(0xffc040)}}),
               Blend::Normal, i == 0 ? 1.0f : 0.8f);
        c.fill(slug.grown(0.8f), solid(hex(0x8a3a08)));
        c.fill(slug, solid(hex(0xffe07a)));
        Mask hot(28, 10);
        hot.rect(19.0f, 4.0f, 25.0f, 6.0f);
        c.fill(hot, solid(hex(0xffffff)));
        return c;
    };
    projectileData(k, 14, 1, 4);
    k.desc.lifetime = 2000;
    k.desc.events[kOnHitEnemy] = {"hit1 14 5"};
    return k;
}

Kind fireball()
{
    Kind k;
    k.name = "fireball";
    k.w = 56;
    k.h = 40;
    k.frames = 4;
    k.pause = 25;
    k.draw = [](int i)
    {
        Canvas c(56, 40);
        Mask flame(56, 40);
        // A ball at the front and tongues of flame licking back from it.
        flame.circle(38.0f, 20.0f, 14.0f);
        Rng rng(600 + static_cast<std::uint32_t>(i));
        for (int n = 0; n < 5; ++n)
        {
            const float y = 20.0f + rng.range(-10.0f, 10.0f);
            const float len = rng.range(18.0f, 34.0f);
            flame.polygon({{36.0f, y - 6.0f}, {36.0f - len, y + rng.range(-4.0f, 4.0f)}, {36.0f, y + 6.0f}});
        }
        Mask mid(56, 40);
        mid.circle(40.0f, 20.0f, 9.5f);
        mid.polygon({{38.0f, 14.0f}, {14.0f + i * 2.0f, 20.0f}, {38.0f, 26.0f}});
        Mask core(56, 40);
        core.circle(42.0f, 20.0f, 5.5f);
        c.fill(flame.grown(1.2f), solid(hex(0x6a0e04)));
        c.fill(flame, solid(hex(0xe8400c)));
        c.fill(mid, solid(hex(0xffaa1e)));
        c.fill(core, solid(hex(0xfff8d0)));
        return c;
    };
    projectileData(k, 8, 4, 6);
    k.desc.lifetime = 2500;
    k.desc.events[kOnHitEnemy] = {"hit3 28 20"};
    return k;
}

// A chain of light with a claw at its head: on a hit it grabs the victim.
Kind grabShot()
{
    Kind k;
    k.name = "grabShot";
    k.w = 48;
    k.h = 24;
    k.frames = 3;
    k.draw = [](int i)
    {
        Canvas c(48, 24);
        Mask chain(48, 24);
        for (int n = 0; n < 4; ++n)
        {
            const float x = 4.0f + n * 7.5f + (i % 2) * 2.0f;
            chain.ellipse(x, 12.0f, 4.0f, 2.6f);
        }
        Mask hollow(48, 24);
        for (int n = 0; n < 4; ++n)
            hollow.ellipse(4.0f + n * 7.5f + (i % 2) * 2.0f, 12.0f, 2.2f, 1.0f);
        chain = chain.minus(hollow);
        Mask claw(48, 24);
        const float open = 4.0f + i * 2.0f;
        claw.polygon({{34.0f, 12.0f}, {46.0f, 12.0f - open - 4.0f}, {41.0f, 10.0f}});
        claw.polygon({{34.0f, 12.0f}, {46.0f, 12.0f + open + 4.0f}, {41.0f, 14.0f}});
        claw.circle(34.0f, 12.0f, 4.0f);
        Mask all = chain;
        for (int y = 0; y < 24; ++y)
            for (int x = 0; x < 48; ++x)
                all.unite(x, y, claw.at(x, y));
        c.fill(all.grown(1.5f), solid(hex(0x2a0a5a)));
        c.fill(all, solid(hex(0xa070ff)));
        c.fill(all.minus(all.shifted(1, 1)), solid(hex(0xf0e0ff)));
        return c;
    };
    projectileData(k, 11, 1, 7);
    k.desc.lifetime = 900;
    k.desc.events[kOnHitEnemy] = {"death true"};
    return k;
}

Kind knife()
{
    Kind k;
    k.name = "knife";
    k.w = k.h = 32;
    k.frames = 8;
    k.draw = [](int i)
    {
        Canvas c(32, 32);
        const float a = i * kPi / 4.0f;
        auto at = [&](float u, float v) {
            return Vec2{16.0f + std::cos(a) * u - std::sin(a) * v, 16.0f + std::sin(a) * u + std::cos(a) * v};
        };
        Mask blade(32, 32);
        blade.polygon({at(-2, -3), at(13, -2), at(15, 0), at(13, 2), at(-2, 3)});
        Mask handle(32, 32);
        handle.polygon({at(-13, -2.2f), at(-3, -2.2f), at(-3, 2.2f), at(-13, 2.2f)});
        handle.polygon({at(-3, -5), at(-1, -5), at(-1, 5), at(-3, 5)});
        c.fill(blade.grown(1.0f), solid(hex(0x10141c)));
        c.fill(handle.grown(1.0f), solid(hex(0x10141c)));
        c.fill(blade, solid(hex(0xc8d4e0)));
        c.fill(blade.minus(blade.shifted(0, 1)), solid(hex(0xffffff)));
        c.fill(handle, solid(hex(0x6a3a1c)));
        return c;
    };
    projectileData(k, 12, 5, 1);
    k.desc.lifetime = 1500;
    k.desc.events[kOnHitEnemy] = {"slash1 16 16"};
    return k;
}

// Face cut-ins: a letterbox band that snaps open over the fighter's head,
// holds a close-up, and snaps shut.
enum class Face
{
    Angry,
    Shout,
    Focus
};

Kind faceCutIn(const std::string& name, Face face)
{
    Kind k;
    k.name = name;
    k.w = 132;
    k.h = 56;
    k.frames = 8;
    k.pause = 30;
    k.draw = [face](int i)
    {
        const int w = 132, h = 56;
        Canvas c(w, h);
        const Colour tint = face == Face::Angry   ? hex(0xc81e1e)
                            : face == Face::Shout ? hex(0xf07a14)
                                                  : hex(0x2a78e0);
        c.fill(linear(0, 0, 0, h,
                      Gradient{{0.0f, shade(tint, -0.2f)}, {0.5f, tint}, {1.0f, shade(tint, -0.75f)}}));
        Mask streaks(w, h);
        Rng rng(31 + static_cast<std::uint32_t>(i));
        for (int n = 0; n < 14; ++n)
        {
            const float y = rng.range(2.0f, h - 2.0f);
            const float x = rng.range(-20.0f, w * 1.0f);
            streaks.line({x, y}, {x + rng.range(20.0f, 60.0f), y}, rng.range(0.8f, 2.0f));
        }
        c.fill(streaks, solid(hex(0xffffff)), Blend::Normal, 0.25f);
        const float jx = (i == 2) ? 2.0f : (i == 3 ? -1.0f : 0.0f);
        Mask ink(w, h);
        Mask white(w, h);
        Mask iris(w, h);
        if (face == Face::Shout)
        {
            // A wide shouting mouth with bared teeth.
            const float cx = 66 + jx;
            ink.polygon(
                {{cx - 34, 22}, {cx - 14, 10}, {cx + 14, 10}, {cx + 34, 22}, {cx + 22, 50}, {cx - 22, 50}});
            white.polygon(
                {{cx - 28, 22}, {cx - 12, 14}, {cx + 12, 14}, {cx + 28, 22}, {cx + 26, 25}, {cx - 26, 25}});
            white.polygon({{cx - 18, 44}, {cx + 18, 44}, {cx + 20, 47}, {cx - 20, 47}});
            iris.ellipse(cx, 40, 12, 5);
            Mask lines(w, h);
            for (int n = 0; n < 3; ++n)
            {
                lines.line({cx - 44.0f - n * 6, 8.0f + n * 12}, {cx - 56.0f - n * 6, 2.0f + n * 14}, 2.0f);
                lines.line({cx + 44.0f + n * 6, 8.0f + n * 12}, {cx + 56.0f + n * 6, 2.0f + n * 14}, 2.0f);
            }
            c.fill(lines, solid(hex(0xffffff)));
        }
        else
        {
            const int eyes = face == Face::Focus ? 1 : 2;
            for (int e = 0; e < eyes; ++e)
            {
                const float cx = (eyes == 1 ? 66.0f : 38.0f + e * 56.0f) + jx;
                const float side = e == 0 ? 1.0f : -1.0f; // inner corner towards the nose
                const float lid = face == Face::Focus ? 5.0f : 7.0f;
                white.polygon({{cx - 20, 32},
                               {cx - 6, 32 - lid},
                               {cx + 12, 31 - lid},
                               {cx + 20, 32},
                               {cx + 8, 36},
                               {cx - 10, 36}});
                iris.circle(cx + 2 * side, 32, face == Face::Focus ? 5.0f : 5.5f);
                // Brows: angry ones dive to the nose, calm ones lie level.
                const float dive = face == Face::Angry ? 9.0f : 2.0f;
                const float inner = side > 0 ? 1.0f : -1.0f;
                ink.polygon({{cx - 22 * inner, 14},
                             {cx + 20 * inner, 14 + dive},
                             {cx + 20 * inner, 19 + dive},
                             {cx - 22 * inner, 19}});
                ink.polygon({{cx - 22, 33},
                             {cx - 8, 28 - lid},
                             {cx + 12, 27 - lid},
                             {cx + 22, 32},
                             {cx + 12, 29 - lid + 2},
                             {cx - 8, 30 - lid + 2}});
            }
        }
        if (face == Face::Shout)
            c.fill(ink, solid(hex(0x0c0406)));
        c.fill(white, solid(hex(0xf8f4ee)));
        c.fill(iris.times(white).grown(face == Face::Shout ? 0.0f : 0.5f),
               solid(face == Face::Shout ? hex(0xa01818) : hex(0x100808)));
        if (face == Face::Shout)
            c.fill(iris, solid(hex(0xa01818)));
        else
        {
            Mask glint(w, h);
            glint.circle(face == Face::Focus ? 66.0f + jx : 38.0f + jx, 30.0f, 1.5f);
            if (face != Face::Focus)
                glint.circle(94.0f + jx, 30.0f, 1.5f);
            c.fill(glint, solid(hex(0xffffff)));
        }
        if (face != Face::Shout)
            c.fill(ink, solid(hex(0x0c0406)));
        // The band opening and closing, with a white border.
        const float open[] = {0.12f, 0.6f, 1.0f, 1.0f, 1.0f, 1.0f, 0.5f, 0.12f};
        const float half = (h - 4) * 0.5f * open[i];
        Mask band(w, h);
        band.rect(0, h * 0.5f - half, w, h * 0.5f + half);
        Mask border = band.grown(2.0f).minus(band);
        clipTo(c, band);
        c.fill(border, solid(hex(0xffffff)));
        return c;
    };
    k.desc.dieAtLastFrame = true;
    return k;
}

bool writeKind(const std::string& folder, const Kind& k)
{
    std::vector<IndexedImage> images(static_cast<std::size_t>(k.frames));
    QuantiseOptions q;
    q.dither = k.opaque ? 0.8f : 0.0f;
    parallelFor(k.frames, [&](int i) { images[static_cast<std::size_t>(i)] = quantise(k.draw(i), q); });
    SpriteFolder sprites(folder);
    for (int i = 0; i < k.frames; ++i)
    {
        FrameInfo info;
        info.pause = k.pause;
        info.anchorX = k.w / 2;
        info.anchorY = k.h / 2;
        if (k.data)
            k.data(i, info);
        sprites.add(images[static_cast<std::size_t>(i)], info);
    }
    std::string text, error;
    if (!particleText(k.desc, text, error))
    {
        std::fprintf(stderr, "datagen: %s/particle: %s\n", folder.c_str(), error.c_str());
        return false;
    }
    return sprites.finish() && writeText(joinPath(folder, "particle"), text);
}

std::vector<Kind> defaultKinds()
{
    return {dust(),
            specialBackdrop(),
            slash("slash1", 56, -2.4f, false, hex(0x5ad0ff)),
            slash("slash2", 64, -1.2f, false, hex(0x7ab8ff)),
            slash("slash3", 84, -2.0f, true, hex(0xffd05a)),
            impact("hit1", 48, 7, false, 11),
            impact("hit2", 64, 9, true, 23),
            impact("hit3", 96, 12, true, 37),
            fleck("fleckNE", 1, 1),
            fleck("fleckNW", -1, 1),
            fleck("fleckSE", 1, -1),
            fleck("fleckSW", -1, -1),
            blood(),
            bullet(),
            fireball(),
            grabShot(),
            knife()};
}

std::vector<Kind> faceKinds()
{
    return {faceCutIn("faceAngry", Face::Angry), faceCutIn("faceShout", Face::Shout),
            faceCutIn("faceFocus", Face::Focus)};
}

std::vector<std::string> namesOf(const std::vector<Kind>& kinds)
{
    std::vector<std::string> names;
    for (const Kind& k : kinds)
        names.push_back(k.name);
    return names;
}

bool writeKinds(const std::string& dir, const std::string& listFile, const std::vector<Kind>& kinds)
{
    std::vector<char> ok(kinds.size(), 0);
    parallelFor(static_cast<int>(kinds.size()),
                [&](int i)
                {
                    ok[static_cast<std::size_t>(i)] =
                        writeKind(joinPath(dir, kinds[static_cast<std::size_t>(i)].name),
                                  kinds[static_cast<std::size_t>(i)]);
                });
    bool all = writeText(joinPath(dir, listFile), particleListText(namesOf(kinds)));
    for (char k : ok)
        all = all && k;
    return all;
}
} // namespace

const std::vector<std::string>& defaultParticleKinds()
{
    static const std::vector<std::string> names = namesOf(defaultKinds());
    return names;
}

const std::vector<std::string>& faceParticleKinds()
{
    static const std::vector<std::string> names = namesOf(faceKinds());
    return names;
}

bool writeDefaultParticles(const std::string& dataDir)
{
    return writeKinds(joinPath(dataDir, "default"), "particle", defaultKinds());
}

bool writeFaceParticles(const std::string& dataDir)
{
    return writeKinds(joinPath(dataDir, "faces"), "face", faceKinds());
}
} // namespace datagen
