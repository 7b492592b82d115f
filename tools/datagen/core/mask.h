// Coverage masks (0..1 a pixel) and the anti-aliased shapes drawn into them;
// outlines, glows and shadows are made by growing, blurring and moving masks.
#pragma once

#include <vector>

namespace datagen
{
struct Vec2
{
    float x = 0.0f;
    float y = 0.0f;
};

inline Vec2 operator+(Vec2 a, Vec2 b)
{
    return {a.x + b.x, a.y + b.y};
}
inline Vec2 operator-(Vec2 a, Vec2 b)
{
    return {a.x - b.x, a.y - b.y};
}
inline Vec2 operator*(Vec2 a, float s)
{
    return {a.x * s, a.y * s};
}
Vec2 lerp(Vec2 a, Vec2 b, float t);

// Points along a quadratic or cubic Bezier curve, both ends included.
std::vector<Vec2> quadCurve(Vec2 p0, Vec2 p1, Vec2 p2, int segments);
std::vector<Vec2> cubicCurve(Vec2 p0, Vec2 p1, Vec2 p2, Vec2 p3, int segments);

class Mask
{
public:
    Mask() = default;
    Mask(int w, int h);

    int width() const { return w; }
    int height() const { return h; }
    float at(int x, int y) const;
    float& cell(int x, int y) { return values[static_cast<std::size_t>(y) * w + x]; }
    // Keeps the larger coverage, so shapes drawn one after another unite.
    void unite(int x, int y, float coverage);

    // Shapes, united with what the mask already holds. Polygons use the
    // non-zero winding rule; several contours make holes when wound against
    // each other.
    void polygon(const std::vector<Vec2>& points, float opacity = 1.0f);
    void polygons(const std::vector<std::vector<Vec2>>& contours, float opacity = 1.0f);
    void ellipse(float cx, float cy, float rx, float ry, float opacity = 1.0f);
    void circle(float cx, float cy, float r, float opacity = 1.0f) { ellipse(cx, cy, r, r, opacity); }
    void roundedRect(float x0, float y0, float x1, float y1, float radius, float opacity = 1.0f);
    void rect(float x0, float y0, float x1, float y1, float opacity = 1.0f);
    // A line of the given thickness with round ends.
    void line(Vec2 a, Vec2 b, float thickness, float opacity = 1.0f);
    void polyline(const std::vector<Vec2>& points, float thickness, float opacity = 1.0f);
    // A limb: round ends of widths `wa` and `wb` joined by straight sides.
    void limb(Vec2 a, Vec2 b, float wa, float wb, float opacity = 1.0f);

    // Grown by `radius` pixels (a round brush), for outlines.
    Mask grown(float radius) const;
    Mask blurred(float radius) const;
    Mask shifted(int dx, int dy) const;
    // This mask with `other` cut away.
    Mask minus(const Mask& other) const;
    Mask times(const Mask& other) const;
    void scale(float factor);
    // Reverses coverage (1 - m).
    Mask inverted() const;

private:
    void fillSpans(const std::vector<std::vector<Vec2>>& contours, float opacity);

    int w = 0;
    int h = 0;
    std::vector<float> values;
};
} // namespace datagen
