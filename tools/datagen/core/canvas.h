// RGBA pictures in floating point, the paints that colour them and the ways
// layers are blended; every generated picture is drawn on one of these.
#pragma once

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

namespace datagen
{
class Mask;

// A colour with straight (not premultiplied) alpha, every channel 0..1.
struct Colour
{
    float r = 0.0f;
    float g = 0.0f;
    float b = 0.0f;
    float a = 1.0f;
};

// 0xRRGGBB with the given alpha.
Colour hex(std::uint32_t rgb, float alpha = 1.0f);
Colour mix(const Colour& from, const Colour& to, float t);
Colour withAlpha(Colour c, float alpha);
// Brighter (amount > 0) or darker (amount < 0), keeping the hue.
Colour shade(const Colour& c, float amount);

// Colour stops along 0..1, sampled with smooth interpolation between stops.
class Gradient
{
public:
    Gradient() = default;
    Gradient(std::initializer_list<std::pair<float, Colour>> stops);
    Gradient& add(float at, const Colour& c);
    Colour at(float t) const;

private:
    std::vector<std::pair<float, Colour>> stops;
};

// What colour a fill puts at each pixel centre.
using Paint = std::function<Colour(float x, float y)>;

Paint solid(const Colour& c);
Paint linear(float x0, float y0, float x1, float y1, const Gradient& g);
Paint radial(float cx, float cy, float radius, const Gradient& g);
// Radial with separate horizontal and vertical radii.
Paint elliptical(float cx, float cy, float rx, float ry, const Gradient& g);

enum class Blend
{
    Normal,   // source over destination
    Add,      // light: adds the source's colour weighted by its alpha
    Screen,   // softer light
    Multiply, // darkens
};

class Canvas
{
public:
    Canvas() = default;
    Canvas(int w, int h, const Colour& fillColour = Colour{0, 0, 0, 0});

    int width() const { return w; }
    int height() const { return h; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < w && y < h; }
    Colour& at(int x, int y) { return pixels[static_cast<std::size_t>(y) * w + x]; }
    const Colour& at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * w + x]; }

    // Blends one colour into one pixel with the given coverage (0..1).
    void blendPixel(int x, int y, const Colour& src, float coverage, Blend mode = Blend::Normal);

    void fill(const Paint& paint, Blend mode = Blend::Normal, float opacity = 1.0f);
    // Fills where the mask covers; the mask's (0,0) lands on (dx, dy).
    void fill(const Mask& mask, const Paint& paint, Blend mode = Blend::Normal, float opacity = 1.0f,
              int dx = 0, int dy = 0);
    // Draws another canvas with its (0,0) at (dx, dy).
    void draw(const Canvas& src, int dx, int dy, Blend mode = Blend::Normal, float opacity = 1.0f);

    Canvas crop(int x, int y, int cw, int ch) const;
    // Each pixel's alpha as a mask.
    Mask alphaMask() const;
    // Gaussian-like blur of colour and alpha together.
    Canvas blurred(float radius) const;
    // Adds film grain: deterministic per seed, `amount` is the largest change.
    void addGrain(std::uint32_t seed, float amount);
    // Darkens towards the corners.
    void vignette(float strength);
    // Multiplies every pixel's alpha.
    void fadeAlpha(float factor);

private:
    int w = 0;
    int h = 0;
    std::vector<Colour> pixels;
};
} // namespace datagen
