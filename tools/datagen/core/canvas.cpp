// Float RGBA canvases: paints, blending and whole-picture effects.
#include "core/canvas.h"

#include "core/blur.h"
#include "core/mask.h"
#include "core/noise.h"

#include <algorithm>
#include <cmath>

namespace datagen
{
namespace
{
float clamp01(float v)
{
    return v < 0.0f ? 0.0f : (v > 1.0f ? 1.0f : v);
}

// The W3C separable blend functions: what the mode makes of backdrop b and
// source s where both are fully opaque.
float blendChannel(Blend mode, float b, float s)
{
    switch (mode)
    {
    case Blend::Add:
        return std::min(1.0f, b + s);
    case Blend::Screen:
        return b + s - b * s;
    case Blend::Multiply:
        return b * s;
    case Blend::Normal:
    default:
        return s;
    }
}
} // namespace

Colour hex(std::uint32_t rgb, float alpha)
{
    return Colour{static_cast<float>((rgb >> 16) & 0xff) / 255.0f,
                  static_cast<float>((rgb >> 8) & 0xff) / 255.0f, static_cast<float>(rgb & 0xff) / 255.0f,
                  alpha};
}

Colour mix(const Colour& from, const Colour& to, float t)
{
    return Colour{from.r + (to.r - from.r) * t, from.g + (to.g - from.g) * t, from.b + (to.b - from.b) * t,
                  from.a + (to.a - from.a) * t};
}

Colour withAlpha(Colour c, float alpha)
{
    c.a = alpha;
    return c;
}

Colour shade(const Colour& c, float amount)
{
    if (amount >= 0.0f)
        return Colour{c.r + (1.0f - c.r) * amount, c.g + (1.0f - c.g) * amount, c.b + (1.0f - c.b) * amount,
                      c.a};
    const float k = 1.0f + amount;
    return Colour{c.r * k, c.g * k, c.b * k, c.a};
}

Gradient::Gradient(std::initializer_list<std::pair<float, Colour>> list)
{
    for (const auto& s : list)
        add(s.first, s.second);
}

Gradient& Gradient::add(float at, const Colour& c)
{
    auto pos = std::upper_bound(stops.begin(), stops.end(), at,
                                [](float v, const std::pair<float, Colour>& s) { return v < s.first; });
    stops.insert(pos, {at, c});
    return *this;
}

Colour Gradient::at(float t) const
{
    if (stops.empty())
        return Colour{0, 0, 0, 0};
    if (t <= stops.front().first)
        return stops.front().second;
    if (t >= stops.back().first)
        return stops.back().second;
    for (std::size_t i = 1; i < stops.size(); ++i)
    {
        if (t <= stops[i].first)
        {
            const float span = stops[i].first - stops[i - 1].first;
            const float k = span > 0.0f ? (t - stops[i - 1].first) / span : 1.0f;
            return mix(stops[i - 1].second, stops[i].second, k);
        }
    }
    return stops.back().second;
}

Paint solid(const Colour& c)
{
    return [c](float, float) { return c; };
}

Paint linear(float x0, float y0, float x1, float y1, const Gradient& g)
{
    const float dx = x1 - x0;
    const float dy = y1 - y0;
    const float len2 = dx * dx + dy * dy > 0.0f ? dx * dx + dy * dy : 1.0f;
    return [=](float x, float y) { return g.at(((x - x0) * dx + (y - y0) * dy) / len2); };
}

Paint radial(float cx, float cy, float radius, const Gradient& g)
{
    return elliptical(cx, cy, radius, radius, g);
}

Paint elliptical(float cx, float cy, float rx, float ry, const Gradient& g)
{
    return [=](float x, float y)
    {
        const float u = (x - cx) / rx;
        const float v = (y - cy) / ry;
        return g.at(std::sqrt(u * u + v * v));
    };
}

Canvas::Canvas(int width, int height, const Colour& fillColour)
    : w(width), h(height), pixels(static_cast<std::size_t>(width) * height, fillColour)
{
}

void Canvas::blendPixel(int x, int y, const Colour& src, float coverage, Blend mode)
{
    if (!contains(x, y))
        return;
    const float sa = clamp01(src.a * coverage);
    if (sa <= 0.0f)
        return;
    Colour& d = at(x, y);
    const float da = d.a;
    const float outA = sa + da * (1.0f - sa);
    auto channel = [&](float cb, float cs)
    {
        const float mixed = (1.0f - da) * cs + da * blendChannel(mode, cb, clamp01(cs));
        return (sa * mixed + (1.0f - sa) * da * cb) / outA;
    };
    d = Colour{clamp01(channel(d.r, src.r)), clamp01(channel(d.g, src.g)), clamp01(channel(d.b, src.b)),
               outA};
}

void Canvas::fill(const Paint& paint, Blend mode, float opacity)
{
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            blendPixel(x, y, paint(x + 0.5f, y + 0.5f), opacity, mode);
}

void Canvas::fill(const Mask& mask, const Paint& paint, Blend mode, float opacity, int dx, int dy)
{
    const int x0 = std::max(0, dx);
    const int y0 = std::max(0, dy);
    const int x1 = std::min(w, dx + mask.width());
    const int y1 = std::min(h, dy + mask.height());
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
        {
            const float m = mask.at(x - dx, y - dy) * opacity;
            if (m > 0.0f)
                blendPixel(x, y, paint(x + 0.5f, y + 0.5f), m, mode);
        }
}

void Canvas::draw(const Canvas& src, int dx, int dy, Blend mode, float opacity)
{
    const int x0 = std::max(0, dx);
    const int y0 = std::max(0, dy);
    const int x1 = std::min(w, dx + src.w);
    const int y1 = std::min(h, dy + src.h);
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            blendPixel(x, y, src.at(x - dx, y - dy), opacity, mode);
}

Canvas Canvas::crop(int x, int y, int cw, int ch) const
{
    Canvas out(cw, ch);
    for (int j = 0; j < ch; ++j)
        for (int i = 0; i < cw; ++i)
            if (contains(x + i, y + j))
                out.at(i, j) = at(x + i, y + j);
    return out;
}

Mask Canvas::alphaMask() const
{
    Mask m(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            m.cell(x, y) = at(x, y).a;
    return m;
}

Canvas Canvas::blurred(float radius) const
{
    // Blurred premultiplied, so clear pixels lend no colour to their neighbours.
    std::vector<float> data(pixels.size() * 4);
    for (std::size_t i = 0; i < pixels.size(); ++i)
    {
        const Colour& c = pixels[i];
        data[i * 4 + 0] = c.r * c.a;
        data[i * 4 + 1] = c.g * c.a;
        data[i * 4 + 2] = c.b * c.a;
        data[i * 4 + 3] = c.a;
    }
    blurChannels(data, w, h, 4, radius);
    Canvas out(w, h);
    for (std::size_t i = 0; i < pixels.size(); ++i)
    {
        const float a = data[i * 4 + 3];
        if (a > 1e-6f)
            out.pixels[i] = Colour{clamp01(data[i * 4] / a), clamp01(data[i * 4 + 1] / a),
                                   clamp01(data[i * 4 + 2] / a), clamp01(a)};
    }
    return out;
}

void Canvas::addGrain(std::uint32_t seed, float amount)
{
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
        {
            Colour& c = at(x, y);
            const float n = (latticeValue(x, y, seed) - 0.5f) * 2.0f * amount;
            c.r = clamp01(c.r + n);
            c.g = clamp01(c.g + n);
            c.b = clamp01(c.b + n);
        }
}

void Canvas::vignette(float strength)
{
    const float cx = w * 0.5f;
    const float cy = h * 0.5f;
    const float norm = 1.0f / (cx * cx + cy * cy);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
        {
            const float dx = x + 0.5f - cx;
            const float dy = y + 0.5f - cy;
            const float k = 1.0f - strength * (dx * dx + dy * dy) * norm;
            Colour& c = at(x, y);
            c.r *= k;
            c.g *= k;
            c.b *= k;
        }
}

void Canvas::fadeAlpha(float factor)
{
    for (Colour& c : pixels)
        c.a = clamp01(c.a * factor);
}
} // namespace datagen
