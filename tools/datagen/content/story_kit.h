// The kit every story picture is made with, so that all scenes share one
// look: places painted from the stages' own layers, roster characters posed
// large or waist-up, effects, and the writers that give each kind of picture
// its size and keying.
#pragma once

#include <cstdint>
#include <optional>
#include <functional>
#include <string>

#include "content/backgrounds_scenes.h"
#include "content/roster/figure.h"
#include "content/roster/rig.h"
#include "core/canvas.h"
#include "core/mask.h"

namespace datagen::roster
{
struct CharacterSpec;
}

namespace datagen::story
{
// Backgrounds and stills fill the screen, opaque; what matters stays above
// the dialogue box at y 380.
constexpr int kStillW = 640;
constexpr int kStillH = 480;
constexpr int kBoxTop = 380;
// Portraits stand in a slot at (0, 0) or, mirrored, at (320, 0), keyed round the figure.
constexpr int kPortraitW = 320;
constexpr int kPortraitH = 380;

// A window of a stage as the game's camera shows it with its left edge at
// field x `cameraX`: fixed layers where they stand, scrolling ones moved
// with the camera. 640x480, opaque. `overSky`, when given, paints over the
// first (sky) layer before the rest: something far off behind the scenery.
Canvas place(const Stage& stage, float cameraX, const std::function<void(Canvas&)>& overSky = {});

// A roster character in one pose: key `key` of its animation or move `clip`
// ("standing" and key 0 by default), `scale` times its fight size, palette
// 0..7, facing right unless `faceLeft`.
struct Pose
{
    std::string character;
    std::string clip = "standing";
    int key = 0;
    float scale = 2.0f;
    int palette = 0;
    bool faceLeft = false;
    // At home: no weapon in hand, no coat over the shirt.
    bool unarmed = false;
    bool coatOff = false;
    // A weapon other than its own in its hands.
    std::optional<roster::Weapon> holding = std::nullopt;
    // The key's pose changed before it is drawn, for a gesture no fight clip
    // holds (a fist raised, a phone at the ear, the blade on a shoulder).
    std::function<void(roster::Pose&)> repose = {};
    // Someone outside the roster, drawn from a look of their own; `character` is then only a name.
    const roster::CharacterSpec* look = nullptr;
};
// The posed figure cropped close, clear round it. An unknown character
// gives an empty canvas (and says so on stderr).
Canvas figure(const Pose& pose);
// Draws a figure with the middle of its feet at (cx, feetY).
void stand(Canvas& onto, const Canvas& figure, float cx, float feetY);
// A portrait: the figure from the waist up (`cutAt` of its height from the
// top) filling the slot's height, head near the top and a little left of
// the middle, on a clear 320x380. A figure reaching for the right edge is
// stepped back from it as far as its head allows; what still reaches past
// the sides is cut.
Canvas portrait(const Pose& pose, float cutAt = 0.55f);
// The same on a clear w x h (a figure on a screen inside a picture).
Canvas bust(const Pose& pose, int w, int h, float cutAt = 0.55f);
// The picture turned left to right: what a portrait must carry (words on
// a screen) to read the right way round in the right slot, which mirrors it.
Canvas mirrored(const Canvas& c);

// Effects, drawn over a picture.
// A star of light spikes and a ring where a blow lands.
void impactBurst(Canvas& c, float x, float y, float radius, Colour colour, std::uint32_t seed);
// Streaks across a band, leaning along the direction of travel (degrees from the x axis).
void speedLines(Canvas& c, float x0, float y0, float x1, float y1, float degrees, Colour colour,
                std::uint32_t seed);
// A fire of w x h standing on (x, baseY), its middle at x.
void flamesAt(Canvas& c, float x, float baseY, int w, int h, std::uint32_t seed, float heat = 1.0f);
// Drifting smoke over a region.
void smokeOver(Canvas& c, float x0, float y0, float x1, float y1, Colour colour, float amount,
               std::uint32_t seed);
// A soft light of a colour round a point.
void glow(Canvas& c, float x, float y, float radius, Colour colour, float strength = 1.0f);
// A column of light with a bright core and sparks: someone arriving or leaving by magic.
void teleportFlare(Canvas& c, float x, float feetY, float height, Colour colour, std::uint32_t seed);
// The blade that is Vlad: a long red sword whose guard holds a gem like an
// eye, with a red aura of strength `aura` (0 none). `guard` is the middle of
// the guard; the blade points along `degrees` (screen angles, -90 straight
// up) for `length` pixels, `width` of its length wide at the guard.
void vladBlade(Canvas& c, Vec2 guard, float degrees, float length, float aura, float width = 0.11f);
// Words painted large with a dark edge (screen captions such as "K.O.").
void bigText(Canvas& c, const std::string& text, float cx, float cy, float size, Colour fill, Colour edge);

// Cuts, bruises and running blood on a figure, kept inside its outline.
void bloodied(Canvas& figure, std::uint32_t seed);
// Pale spirits with hollow eyes trailing wisps round (cx, cy), `count` of
// them within `spread`; `scatter` 0 holds them close, 1 flings them apart.
void spirits(Canvas& c, float cx, float cy, float spread, int count, std::uint32_t seed, float scatter);

// Writers: one-frame sprite folders under data/screens/story/, each picture
// quantised to its own 256 colours. A still is cut or padded to 640x480 and
// has no colour key; a portrait is 320x380 with magenta round the figure.
bool writeStill(const std::string& dataDir, const std::string& folder, const Canvas& picture);
bool writePortrait(const std::string& dataDir, const std::string& folder, const Canvas& picture);
// A picture of its own size, keyed where it is clear (the dialogue box, the blank portrait).
bool writeKeyed(const std::string& dataDir, const std::string& folder, const Canvas& picture);
} // namespace datagen::story
