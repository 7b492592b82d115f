// Signed-distance rasterising of the roster's parts into ramp indices.
#include "content/roster/paint.h"

#include <algorithm>
#include <cmath>

#include "content/roster/rig.h"

namespace datagen::roster
{
namespace
{
Colour scaled(const Colour& c, float f)
{
    return {c.r * f, c.g * f, c.b * f, 1.0f};
}

std::uint8_t to8(float v)
{
    return static_cast<std::uint8_t>(std::clamp(v, 0.0f, 1.0f) * 255.0f + 0.5f);
}

// 4x4 ordered dither thresholds, -0.5..0.5.
float bayer(int x, int y)
{
    static const int m[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    return (static_cast<float>(m[y & 3][x & 3]) + 0.5f) / 16.0f - 0.5f;
}

struct Sample
{
    float d;  // signed distance, pixels
    float nx; // normal across the picture plane, -1..1
    float ny;
};

Sample sampleCapsule(const Prim& p, Vec2 q)
{
    const Vec2 ab = p.b - p.a;
    const float len2 = ab.x * ab.x + ab.y * ab.y;
    float t = len2 > 1e-6f ? ((q.x - p.a.x) * ab.x + (q.y - p.a.y) * ab.y) / len2 : 0.0f;
    t = std::clamp(t, 0.0f, 1.0f);
    const Vec2 c = p.a + ab * t;
    const float r = p.ra + (p.rb - p.ra) * t;
    const Vec2 off = q - c;
    const float dist = length(off);
    Sample s{dist - r, 0.0f, 0.0f};
    if (r > 0.0f)
    {
        s.nx = off.x / r;
        s.ny = off.y / r;
    }
    return s;
}

Sample sampleEllipse(const Prim& p, Vec2 q)
{
    const Vec2 local = rotate(q - p.a, -p.angle);
    const float ux = local.x / p.ra, uy = local.y / p.rb;
    const float k = std::sqrt(ux * ux + uy * uy);
    Sample s{(k - 1.0f) * std::min(p.ra, p.rb), 0.0f, 0.0f};
    const Vec2 n = rotate({ux, uy}, p.angle);
    s.nx = n.x;
    s.ny = n.y;
    return s;
}

Sample samplePolygon(const Prim& p, Vec2 q)
{
    const std::size_t n = p.points.size();
    float best = 1e9f;
    Vec2 bestNormal{0.0f, 0.0f};
    int winding = 0;
    for (std::size_t i = 0; i < n; ++i)
    {
        const Vec2 a = p.points[i], b = p.points[(i + 1) % n];
        if (a.y <= q.y)
        {
            if (b.y > q.y && (b.x - a.x) * (q.y - a.y) - (q.x - a.x) * (b.y - a.y) > 0.0f)
                ++winding;
        }
        else if (b.y <= q.y && (b.x - a.x) * (q.y - a.y) - (q.x - a.x) * (b.y - a.y) < 0.0f)
            --winding;
        const Vec2 ab = b - a;
        const float len2 = ab.x * ab.x + ab.y * ab.y;
        float t = len2 > 1e-6f ? ((q.x - a.x) * ab.x + (q.y - a.y) * ab.y) / len2 : 0.0f;
        t = std::clamp(t, 0.0f, 1.0f);
        const Vec2 c = a + ab * t;
        const float d = length(q - c);
        if (d < best)
        {
            best = d;
            bestNormal = d > 1e-4f ? (q - c) * (1.0f / d) : Vec2{0.0f, 0.0f};
        }
    }
    const bool inside = winding != 0;
    Sample s{inside ? -best : best, 0.0f, 0.0f};
    if (inside)
    {
        // Rounded near the edges: the normal leans outward within the bevel.
        const float lean = std::clamp(1.0f - best / std::max(p.bevel, 0.5f), 0.0f, 1.0f);
        s.nx = -bestNormal.x * lean;
        s.ny = -bestNormal.y * lean;
    }
    return s;
}

Sample sample(const Prim& p, Vec2 q)
{
    switch (p.kind)
    {
    case Prim::Capsule:
        return sampleCapsule(p, q);
    case Prim::Ellipse:
        return sampleEllipse(p, q);
    case Prim::Polygon:
        return samplePolygon(p, q);
    }
    return {1e9f, 0.0f, 0.0f};
}
} // namespace

std::array<Rgb8, 256> buildPalette(const Colours& colours)
{
    std::array<Rgb8, 256> pal{};
    pal[0] = kMagenta;
    const Colour shadowTint = hex(0x2a1f3d);
    const Colour warmLight = hex(0xfff4e0);
    for (int r = 0; r < RampCount; ++r)
    {
        const Colour c = colours.base[static_cast<std::size_t>(r)];
        const Colour edge = mix(scaled(c, 0.22f), hex(0x120a18), 0.55f);
        const Colour shadow = mix(scaled(c, 0.38f), shadowTint, 0.3f);
        const Colour light = mix(c, warmLight, 0.55f);
        for (int s = 0; s < kShades; ++s)
        {
            Colour v;
            if (s == 0)
                v = edge;
            else
            {
                const float t = static_cast<float>(s - 1) / static_cast<float>(kShades - 2);
                v = t < 0.62f ? mix(shadow, c, t / 0.62f) : mix(c, light, (t - 0.62f) / 0.38f);
            }
            Rgb8 e{to8(v.r), to8(v.g), to8(v.b)};
            if (e == kMagenta) // only the key may be magenta
                e.g = 1;
            pal[rampIndex(r, s)] = e;
        }
    }
    return pal;
}

Prim capsule(Vec2 a, Vec2 b, float ra, float rb)
{
    Prim p;
    p.kind = Prim::Capsule;
    p.a = a;
    p.b = b;
    p.ra = ra;
    p.rb = rb;
    return p;
}

Prim circle(Vec2 c, float r)
{
    return capsule(c, c, r, r);
}

Prim ellipse(Vec2 c, float rx, float ry, float angleDegrees)
{
    Prim p;
    p.kind = Prim::Ellipse;
    p.a = c;
    p.ra = rx;
    p.rb = ry;
    p.angle = angleDegrees;
    return p;
}

Prim polygon(std::vector<Vec2> points, float bevel)
{
    Prim p;
    p.kind = Prim::Polygon;
    p.points = std::move(points);
    p.bevel = bevel;
    return p;
}

void Box::add(Vec2 p, float pad)
{
    x0 = std::min(x0, p.x - pad);
    y0 = std::min(y0, p.y - pad);
    x1 = std::max(x1, p.x + pad);
    y1 = std::max(y1, p.y + pad);
}

void Box::add(const Box& b)
{
    if (b.empty())
        return;
    x0 = std::min(x0, b.x0);
    y0 = std::min(y0, b.y0);
    x1 = std::max(x1, b.x1);
    y1 = std::max(y1, b.y1);
}

Box bounds(const Prim& p)
{
    Box b;
    switch (p.kind)
    {
    case Prim::Capsule:
        b.add(p.a, p.ra);
        b.add(p.b, p.rb);
        break;
    case Prim::Ellipse:
    {
        const float r = std::max(p.ra, p.rb);
        b.add(p.a, r);
        break;
    }
    case Prim::Polygon:
        for (const Vec2& v : p.points)
            b.add(v);
        break;
    }
    return b;
}

Box bounds(const Drawing& d)
{
    Box b;
    for (const Part& part : d.parts)
        for (const Prim& p : part.prims)
        {
            Box pb = bounds(p);
            if (part.edge)
            {
                pb.x0 -= part.edgeWidth;
                pb.y0 -= part.edgeWidth;
                pb.x1 += part.edgeWidth;
                pb.y1 += part.edgeWidth;
            }
            b.add(pb);
        }
    return b;
}

IndexedImage render(const Drawing& d, int w, int h, float ox, float oy, const std::array<Rgb8, 256>& palette,
                    float scale, float lightX)
{
    IndexedImage img;
    img.width = w;
    img.height = h;
    img.palette = palette;
    img.pixels.assign(static_cast<std::size_t>(w) * h, 0);
    // Light from the front, above and toward the viewer.
    const float lx = 0.45f * lightX, ly = -0.62f, lz = 0.64f;
    const float inv = 1.0f / scale;
    for (const Part& part : d.parts)
    {
        Box pb;
        for (const Prim& p : part.prims)
            pb.add(bounds(p));
        if (pb.empty())
            continue;
        const float grow = part.edge ? part.edgeWidth : 0.0f;
        const int px0 = std::max(0, static_cast<int>(std::floor((pb.x0 - grow - ox) * scale)) - 1);
        const int py0 = std::max(0, static_cast<int>(std::floor((pb.y0 - grow - oy) * scale)) - 1);
        const int px1 = std::min(w - 1, static_cast<int>(std::ceil((pb.x1 + grow - ox) * scale)) + 1);
        const int py1 = std::min(h - 1, static_cast<int>(std::ceil((pb.y1 + grow - oy) * scale)) + 1);
        for (int y = py0; y <= py1; ++y)
            for (int x = px0; x <= px1; ++x)
            {
                const Vec2 q{(x + 0.5f) * inv + ox, (y + 0.5f) * inv + oy};
                Sample best{1e9f, 0.0f, 0.0f};
                for (const Prim& p : part.prims)
                {
                    const Sample s = sample(p, q);
                    if (s.d < best.d)
                        best = s;
                }
                const float dPix = best.d * scale;
                std::uint8_t out;
                if (dPix <= 0.0f)
                {
                    int shade;
                    if (part.flat)
                        shade = 10;
                    else
                    {
                        const float nx = std::clamp(best.nx, -1.0f, 1.0f);
                        const float ny = std::clamp(best.ny, -1.0f, 1.0f);
                        const float nz = std::sqrt(std::max(0.0f, 1.0f - nx * nx - ny * ny));
                        const float lambert = std::max(0.0f, nx * lx + ny * ly + nz * lz);
                        float v = 0.22f + 0.78f * lambert + part.light * 0.25f;
                        if (part.gloss > 0.0f)
                        {
                            // Blinn highlight with the view straight on.
                            float hx = lx, hy = ly, hz = lz + 1.0f;
                            const float hl = std::sqrt(hx * hx + hy * hy + hz * hz);
                            const float spec =
                                std::pow(std::max(0.0f, (nx * hx + ny * hy + nz * hz) / hl), 18.0f);
                            v += part.gloss * spec;
                        }
                        v = std::clamp(v, 0.0f, 1.0f);
                        shade = static_cast<int>(std::floor(1.0f + v * 13.0f + 0.5f + bayer(x, y) * 0.9f));
                        shade = std::clamp(shade, 1, kShades - 1);
                    }
                    out = rampIndex(part.ramp, shade);
                }
                else if (part.edge && dPix <= part.edgeWidth * std::max(1.0f, scale * 0.8f))
                    out = rampIndex(part.ramp, 0);
                else
                    continue;
                img.pixels[static_cast<std::size_t>(y) * w + x] = out;
            }
    }
    return img;
}
} // namespace datagen::roster
