// Coverage masks: scanline polygons, distance-field round shapes, and the
// grow/blur/shift operations used for outlines, glows and shadows.
#include "core/mask.h"

#include "core/blur.h"

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

// Rows scanned per pixel row when filling polygons; across a row coverage
// is exact, so this only sets how smooth nearly flat edges look.
constexpr int kSubRows = 16;

struct Edge
{
    float x0, y0, x1, y1;
    int winding;
};

struct Bounds
{
    int x0, y0, x1, y1; // x1, y1 exclusive
};
} // namespace

Vec2 lerp(Vec2 a, Vec2 b, float t)
{
    return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t};
}

std::vector<Vec2> quadCurve(Vec2 p0, Vec2 p1, Vec2 p2, int segments)
{
    std::vector<Vec2> out;
    for (int i = 0; i <= segments; ++i)
    {
        const float t = static_cast<float>(i) / segments;
        out.push_back(lerp(lerp(p0, p1, t), lerp(p1, p2, t), t));
    }
    return out;
}

std::vector<Vec2> cubicCurve(Vec2 p0, Vec2 p1, Vec2 p2, Vec2 p3, int segments)
{
    std::vector<Vec2> out;
    for (int i = 0; i <= segments; ++i)
    {
        const float t = static_cast<float>(i) / segments;
        const Vec2 a = lerp(lerp(p0, p1, t), lerp(p1, p2, t), t);
        const Vec2 b = lerp(lerp(p1, p2, t), lerp(p2, p3, t), t);
        out.push_back(lerp(a, b, t));
    }
    return out;
}

Mask::Mask(int width, int height)
    : w(width), h(height), values(static_cast<std::size_t>(width) * height, 0.0f)
{
}

float Mask::at(int x, int y) const
{
    if (x < 0 || y < 0 || x >= w || y >= h)
        return 0.0f;
    return values[static_cast<std::size_t>(y) * w + x];
}

void Mask::unite(int x, int y, float coverage)
{
    if (x < 0 || y < 0 || x >= w || y >= h)
        return;
    float& v = cell(x, y);
    v = std::max(v, clamp01(coverage));
}

void Mask::polygon(const std::vector<Vec2>& points, float opacity)
{
    fillSpans({points}, opacity);
}

void Mask::polygons(const std::vector<std::vector<Vec2>>& contours, float opacity)
{
    fillSpans(contours, opacity);
}

void Mask::fillSpans(const std::vector<std::vector<Vec2>>& contours, float opacity)
{
    std::vector<Edge> edges;
    float top = 1e30f;
    float bottom = -1e30f;
    for (const auto& c : contours)
    {
        for (std::size_t i = 0; i < c.size(); ++i)
        {
            const Vec2 a = c[i];
            const Vec2 b = c[(i + 1) % c.size()];
            if (a.y == b.y)
                continue;
            if (a.y < b.y)
                edges.push_back({a.x, a.y, b.x, b.y, 1});
            else
                edges.push_back({b.x, b.y, a.x, a.y, -1});
            top = std::min(top, std::min(a.y, b.y));
            bottom = std::max(bottom, std::max(a.y, b.y));
        }
    }
    if (edges.empty())
        return;
    const int rowFirst = std::max(0, static_cast<int>(std::floor(top)));
    const int rowLast = std::min(h - 1, static_cast<int>(std::ceil(bottom)));
    std::vector<float> cover(static_cast<std::size_t>(w) + 2);
    std::vector<float> run(static_cast<std::size_t>(w) + 2);
    std::vector<std::pair<float, int>> crossings;
    const float weight = 1.0f / kSubRows;

    auto addSpan = [&](float xa, float xb)
    {
        xa = std::max(0.0f, std::min(static_cast<float>(w), xa));
        xb = std::max(0.0f, std::min(static_cast<float>(w), xb));
        if (xb <= xa)
            return;
        const int ia = static_cast<int>(xa);
        const int ib = static_cast<int>(xb);
        if (ia == ib)
        {
            cover[ia] += (xb - xa) * weight;
            return;
        }
        cover[ia] += (ia + 1 - xa) * weight;
        run[ia + 1] += weight;
        run[ib] -= weight;
        if (ib < w)
            cover[ib] += (xb - ib) * weight;
    };

    for (int y = rowFirst; y <= rowLast; ++y)
    {
        std::fill(cover.begin(), cover.end(), 0.0f);
        std::fill(run.begin(), run.end(), 0.0f);
        bool any = false;
        for (int s = 0; s < kSubRows; ++s)
        {
            const float sy = y + (s + 0.5f) * weight;
            crossings.clear();
            for (const Edge& e : edges)
            {
                if (sy < e.y0 || sy >= e.y1)
                    continue;
                const float t = (sy - e.y0) / (e.y1 - e.y0);
                crossings.push_back({e.x0 + (e.x1 - e.x0) * t, e.winding});
            }
            if (crossings.empty())
                continue;
            std::sort(crossings.begin(), crossings.end());
            int winding = 0;
            for (std::size_t i = 0; i + 1 < crossings.size(); ++i)
            {
                winding += crossings[i].second;
                if (winding != 0)
                {
                    addSpan(crossings[i].first, crossings[i + 1].first);
                    any = true;
                }
            }
        }
        if (!any)
            continue;
        float running = 0.0f;
        for (int x = 0; x < w; ++x)
        {
            running += run[x];
            const float c = cover[x] + running;
            if (c > 0.0f)
                unite(x, y, c * opacity);
        }
    }
}

namespace
{
// Calls `coverage(px, py)` for every pixel of the box (clipped to the mask)
// and unites the result.
template <typename F> void shade(Mask& m, float x0, float y0, float x1, float y1, float opacity, F coverage)
{
    const int ix0 = std::max(0, static_cast<int>(std::floor(x0)) - 1);
    const int iy0 = std::max(0, static_cast<int>(std::floor(y0)) - 1);
    const int ix1 = std::min(m.width() - 1, static_cast<int>(std::ceil(x1)) + 1);
    const int iy1 = std::min(m.height() - 1, static_cast<int>(std::ceil(y1)) + 1);
    for (int y = iy0; y <= iy1; ++y)
        for (int x = ix0; x <= ix1; ++x)
        {
            const float c = coverage(x + 0.5f, y + 0.5f);
            if (c > 0.0f)
                m.unite(x, y, c * opacity);
        }
}
} // namespace

void Mask::ellipse(float cx, float cy, float rx, float ry, float opacity)
{
    if (rx <= 0.0f || ry <= 0.0f)
        return;
    shade(*this, cx - rx, cy - ry, cx + rx, cy + ry, opacity,
          [=](float px, float py)
          {
              const float dx = px - cx;
              const float dy = py - cy;
              const float f = dx * dx / (rx * rx) + dy * dy / (ry * ry) - 1.0f;
              const float gx = 2.0f * dx / (rx * rx);
              const float gy = 2.0f * dy / (ry * ry);
              const float g = std::sqrt(gx * gx + gy * gy);
              const float d = g > 1e-6f ? f / g : -std::min(rx, ry);
              return clamp01(0.5f - d);
          });
}

void Mask::roundedRect(float x0, float y0, float x1, float y1, float radius, float opacity)
{
    const float cx = (x0 + x1) * 0.5f;
    const float cy = (y0 + y1) * 0.5f;
    const float hx = (x1 - x0) * 0.5f;
    const float hy = (y1 - y0) * 0.5f;
    const float r = std::min(radius, std::min(hx, hy));
    shade(*this, x0, y0, x1, y1, opacity,
          [=](float px, float py)
          {
              const float qx = std::fabs(px - cx) - (hx - r);
              const float qy = std::fabs(py - cy) - (hy - r);
              const float ox = std::max(qx, 0.0f);
              const float oy = std::max(qy, 0.0f);
              const float d = std::sqrt(ox * ox + oy * oy) + std::min(std::max(qx, qy), 0.0f) - r;
              return clamp01(0.5f - d);
          });
}

void Mask::rect(float x0, float y0, float x1, float y1, float opacity)
{
    polygon({{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}}, opacity);
}

void Mask::line(Vec2 a, Vec2 b, float thickness, float opacity)
{
    const float half = thickness * 0.5f;
    const Vec2 ab = b - a;
    const float len2 = ab.x * ab.x + ab.y * ab.y;
    shade(*this, std::min(a.x, b.x) - half, std::min(a.y, b.y) - half, std::max(a.x, b.x) + half,
          std::max(a.y, b.y) + half, opacity,
          [=](float px, float py)
          {
              const Vec2 ap{px - a.x, py - a.y};
              float t = len2 > 0.0f ? (ap.x * ab.x + ap.y * ab.y) / len2 : 0.0f;
              t = clamp01(t);
              const float dx = ap.x - ab.x * t;
              const float dy = ap.y - ab.y * t;
              return clamp01(0.5f - (std::sqrt(dx * dx + dy * dy) - half));
          });
}

void Mask::polyline(const std::vector<Vec2>& points, float thickness, float opacity)
{
    for (std::size_t i = 0; i + 1 < points.size(); ++i)
        line(points[i], points[i + 1], thickness, opacity);
}

void Mask::limb(Vec2 a, Vec2 b, float wa, float wb, float opacity)
{
    const Vec2 d = b - a;
    const float len = std::sqrt(d.x * d.x + d.y * d.y);
    circle(a.x, a.y, wa * 0.5f, opacity);
    circle(b.x, b.y, wb * 0.5f, opacity);
    if (len <= 0.0f)
        return;
    const Vec2 n{-d.y / len, d.x / len};
    polygon({a + n * (wa * 0.5f), b + n * (wb * 0.5f), b - n * (wb * 0.5f), a - n * (wa * 0.5f)}, opacity);
}

Mask Mask::grown(float radius) const
{
    struct Tap
    {
        int dx, dy;
        float weight;
    };
    std::vector<Tap> taps;
    const int r = static_cast<int>(std::ceil(radius + 0.5f));
    for (int dy = -r; dy <= r; ++dy)
        for (int dx = -r; dx <= r; ++dx)
        {
            const float wgt = clamp01(radius + 0.5f - std::sqrt(static_cast<float>(dx * dx + dy * dy)));
            if (wgt > 0.0f)
                taps.push_back({dx, dy, wgt});
        }
    // Only the neighbourhood of covered pixels can change.
    Bounds b{w, h, 0, 0};
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (values[static_cast<std::size_t>(y) * w + x] > 0.0f)
            {
                b.x0 = std::min(b.x0, x);
                b.y0 = std::min(b.y0, y);
                b.x1 = std::max(b.x1, x + 1);
                b.y1 = std::max(b.y1, y + 1);
            }
    Mask out(w, h);
    if (b.x0 >= b.x1)
        return out;
    for (int y = std::max(0, b.y0 - r); y < std::min(h, b.y1 + r); ++y)
        for (int x = std::max(0, b.x0 - r); x < std::min(w, b.x1 + r); ++x)
        {
            float best = 0.0f;
            for (const Tap& t : taps)
            {
                const float v = at(x + t.dx, y + t.dy) * t.weight;
                if (v > best)
                {
                    best = v;
                    if (best >= 1.0f)
                        break;
                }
            }
            out.cell(x, y) = best;
        }
    return out;
}

Mask Mask::blurred(float radius) const
{
    Mask out = *this;
    blurChannels(out.values, w, h, 1, radius);
    return out;
}

Mask Mask::shifted(int dx, int dy) const
{
    Mask out(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            out.cell(x, y) = at(x - dx, y - dy);
    return out;
}

Mask Mask::minus(const Mask& other) const
{
    Mask out = *this;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            out.cell(x, y) *= 1.0f - other.at(x, y);
    return out;
}

Mask Mask::times(const Mask& other) const
{
    Mask out = *this;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            out.cell(x, y) *= other.at(x, y);
    return out;
}

void Mask::scale(float factor)
{
    for (float& v : values)
        v = clamp01(v * factor);
}

Mask Mask::inverted() const
{
    Mask out = *this;
    for (float& v : out.values)
        v = 1.0f - v;
    return out;
}
} // namespace datagen
