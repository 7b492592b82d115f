// Drawing the roster straight into palette indices. Every character has one
// fixed 256-colour palette laid out by material: index 0 is the magenta key,
// and sixteen ramps of fifteen shades follow (skin, hair, clothes, metal...).
// Shapes are drawn as parts (unions of capsules, ellipses and polygons) with a
// dark edge in their own ramp and light from the front and above, so the
// same picture recoloured by another palette file keeps its shading.
#pragma once

#include <array>
#include <deque>
#include <cstdint>
#include <vector>

#include "core/bmp.h"
#include "core/canvas.h"
#include "core/mask.h"

namespace datagen::roster
{
// Materials: which ramp of the palette a part is drawn in.
enum Ramp : int
{
    Skin = 0,
    Hair,
    Top,    // shirt, jacket, fur
    Bottom, // trousers, skirt
    Accent, // belts, gloves, scarves, trim
    Shoes,
    Metal,  // blades, armour, machinery
    Wood,   // handles, bats, leather
    Glow,   // energy, fire, glowing eyes
    Inner,  // undershirt, coat lining
    Armour, // plates, helmets, hulls
    Eye,    // eye whites, teeth, bone
    Mouth,  // mouths, tongues, blood
    Extra1,
    Extra2,
    Dark, // near-black details: pupils, soot, shadows under hats
    RampCount
};

constexpr int kShades = 15; // 0 is the edge colour, 1..14 dark to light
constexpr int kFirstRampIndex = 8;
inline std::uint8_t rampIndex(int ramp, int shade)
{
    return static_cast<std::uint8_t>(kFirstRampIndex + ramp * kShades + shade);
}

// A palette as base colours, one per ramp (the mid tone of its shades).
struct Colours
{
    std::array<Colour, RampCount> base{};
};

// The 256 entries: key, ramps, and black for the spare ones.
std::array<Rgb8, 256> buildPalette(const Colours& colours);

// A shape given as a signed distance (negative inside) and a surface normal.
struct Prim
{
    enum Kind
    {
        Capsule,
        Ellipse,
        Polygon
    } kind = Capsule;
    Vec2 a, b;                // capsule ends; ellipse centre in a
    float ra = 1.0f;          // capsule radius at a; ellipse x radius
    float rb = 1.0f;          // capsule radius at b; ellipse y radius
    float angle = 0.0f;       // ellipse turn, degrees
    std::vector<Vec2> points; // polygon
    float bevel = 3.0f;       // polygon edge rounding width
};

Prim capsule(Vec2 a, Vec2 b, float ra, float rb);
Prim circle(Vec2 c, float r);
Prim ellipse(Vec2 c, float rx, float ry, float angleDegrees = 0.0f);
Prim polygon(std::vector<Vec2> points, float bevel = 3.0f);

struct Part
{
    std::vector<Prim> prims;
    int ramp = Top;
    float light = 0.0f; // brightness shift, -1..1 (far limbs are darker)
    float gloss = 0.0f; // specular highlight strength
    bool edge = true;   // draw the dark edge around it
    float edgeWidth = 1.1f;
    bool flat = false; // no shading: the mid shade everywhere (glowing things)
};

// A list of parts drawn back to front.
struct Drawing
{
    std::deque<Part> parts; // a deque: parts handed out stay put as more are added
    Part& add(int ramp, float light = 0.0f)
    {
        parts.push_back(Part{});
        parts.back().ramp = ramp;
        parts.back().light = light;
        return parts.back();
    }
};

struct Box
{
    float x0 = 1e9f, y0 = 1e9f, x1 = -1e9f, y1 = -1e9f;
    bool empty() const { return x0 > x1; }
    void add(Vec2 p, float pad = 0.0f);
    void add(const Box& b);
};
Box bounds(const Prim& p);
Box bounds(const Drawing& d);

// Rasterises `d` into a w x h picture whose (0,0) is figure point (ox, oy),
// scaled by `scale`. Uncovered pixels are the key; `lightX` is +1 when the
// light comes from the figure's right.
IndexedImage render(const Drawing& d, int w, int h, float ox, float oy, const std::array<Rgb8, 256>& palette,
                    float scale = 1.0f, float lightX = 1.0f);
} // namespace datagen::roster
