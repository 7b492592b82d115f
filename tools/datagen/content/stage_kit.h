// The shared pieces of the stage backgrounds: skies with far skylines,
// street fronts, pavements, lamps and props, fire and smoke. Everything is
// painted in field coordinates through a View, so a layer wider than the
// screen can be painted strip by strip.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/canvas.h"
#include "core/mask.h"

namespace datagen::stage
{
constexpr int kHeight = 480;
constexpr float kGround = 348.0f;   // where fighters' feet stand
constexpr float kWallBase = 318.0f; // where the walls behind the fighters meet the floor

// A canvas holding field columns x0 .. x0 + width.
struct View
{
    Canvas& c;
    float x0;
    int width() const { return c.width(); }
    Mask mask() const { return Mask(c.width(), c.height()); }
    float x(float fieldX) const { return fieldX - x0; }
    bool sees(float a, float b, float pad = 80.0f) const
    {
        return b >= x0 - pad && a <= x0 + c.width() + pad;
    }
};

float smoothstep(float a, float b, float v);

struct SkyStyle
{
    Gradient sky;                                    // top to horizon
    float horizon = 300.0f;                          // where the sky gradient ends
    int stars = 0;                                   // how many
    float sunX = 320.0f, sunY = 200.0f, sunR = 0.0f; // sunR 0: none
    Colour sun = hex(0xffe0a0);
    bool moon = false;
    float clouds = 0.0f; // 0 none .. 1 overcast
    float cloudY = 120.0f;
    Colour cloudDark = hex(0x303040), cloudLit = hex(0xa0a0b0);
    // Up to two far skylines: colour, top range; lights lit in them.
    int skylines = 0;
    Colour farCity = hex(0x303048), nearCity = hex(0x202030);
    float farTop = 200.0f, nearTop = 240.0f;
    float cityLights = 0.0f;
    Colour lightColour = hex(0xffd080);
    Colour haze = hex(0xffffff, 0.0f); // glow rising from the horizon
    std::uint32_t seed = 1;
};

// 640x480, opaque.
Canvas paintSky(const SkyStyle& s);

struct StreetStyle
{
    std::vector<Colour> walls; // facade colours to pick from
    Colour trim = hex(0xd8d0c0);
    float minTop = 40.0f, maxTop = 180.0f;
    float minWidth = 140.0f, maxWidth = 300.0f;
    bool night = false; // windows lit, lamps on
    float litChance = 0.3f;
    Colour lit = hex(0xffc870);
    Colour glass = hex(0x6a8aa8);   // unlit window glass
    Colour ambient = hex(0xffffff); // multiplies the unlit scene
    Colour sidewalk = hex(0x9a948a);
    Colour road = hex(0x46464c);
    Colour roadLine = hex(0xe8d060);
    bool shops = true;
    bool neon = false;
    bool fireEscapes = false;
    bool damaged = false;
    bool trees = false;
    bool adobe = false;             // flat stucco fronts, few floors, arches
    bool glassTowers = false;       // curtain walls
    bool wet = false;               // puddled road reflecting lights
    std::vector<std::string> signs; // words for shop signs
    float lampEvery = 360.0f;       // 0 none
    std::uint32_t seed = 1;
};

struct Facade
{
    float x0, x1, top;
    int wall; // index into StreetStyle::walls
    int floors;
    int columns;
    int kind; // 0 plain, 1 shop, 2 door, 3 shutter, 4 bar
    int roof; // 0 parapet, 1 water tank, 2 antennas, 3 units
    bool escape;
    int sign; // index into signs, -1 none
    std::uint32_t seed;
};

std::vector<Facade> planFacades(const StreetStyle& s, float width);
// The floor from the wall base down: sidewalk, curb and road.
void paintPavement(View& v, const StreetStyle& s, float width);

// A whole street front: facades, pavement and props, lit for its time of day.
void paintStreet(View& v, const StreetStyle& s, const std::vector<Facade>& fronts, float width);

// Flames filling a w x h canvas from its bottom, frame `frame` of a seamless
// loop of `frames`.
Canvas flames(int w, int h, int frame, int frames, std::uint32_t seed, float heat = 1.0f);
// Drifting smoke over a region of a view, in its colour.
void smoke(View& v, float x0, float y0, float x1, float y1, Colour colour, float amount, std::uint32_t seed);

// Helpers used by the stage recipes.
void addLight(Canvas& c, const Mask& m, Colour colour, float glow, float strength = 1.0f);
void multiplyLit(Canvas& c, Colour ambient);
Mask textMask(int w, int h, const std::string& text, float cx, float cy, float size, bool bold = true);
} // namespace datagen::stage
