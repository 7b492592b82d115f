// The fight screens' shared look: plum gunmetal plates trimmed in gold and the
// logo's fire-metal lettering, drawn hard-edged so that every picture keys
// cleanly over whatever the fight shows behind it.
#pragma once

#include <string>
#include <vector>

#include "core/canvas.h"
#include "core/mask.h"

namespace datagen::fightlook
{
// The dark of every outline, as on the title screen.
constexpr std::uint32_t kEdge = 0x12060a;

// A mask shrunk by `radius` pixels.
Mask eroded(const Mask& m, float radius);

struct PlateStyle
{
    float edge = 1.3f; // dark outline outside the shape
    float rim = 1.5f;  // gold rim just inside it
    bool warm = false; // the selected-button orange instead of gunmetal
    float tone = 0.0f; // below 0 a darker body, above 0 a lighter one
};

// Fills `shape` as a metal plate: dark outline around it, a gold rim inside
// its edge and the body shaded from `top` to `bottom`.
void plate(Canvas& c, const Mask& shape, float top, float bottom, const PlateStyle& style = {});

// Gold trim along a shape (a ring or a line drawn into a mask).
void goldTrim(Canvas& c, const Mask& trim, float top, float bottom);

struct TextStyle
{
    std::string font;
    float size = 40.0f;
    float spacing = 0.0f;
    float slant = 0.14f;
};

// `text` drawn into a w x h mask, centred on (cx, cy); `capHeight` gets the
// height of its capitals when given.
Mask lettering(const TextStyle& style, const std::string& text, int w, int h, float cx, float cy,
               float* capHeight = nullptr);
// Width of `text` in that style.
float textWidth(const TextStyle& style, const std::string& text);

struct FireStyle
{
    float edge = 2.0f; // dark edge hugging the letters
    float ring = 3.5f; // pale gold ring beyond the edge
    int shadowX = 3;   // hard drop shadow
    int shadowY = 4;
    float heat = 0.0f; // 1 turns the letters white-hot, as on an impact
};

// Letters in the logo's polished fire metal between `top` and `bottom`:
// dark shadow, dark outer line, pale gold ring, dark edge, then the metal.
void fireLetters(Canvas& c, const Mask& text, float top, float bottom, const FireStyle& style = {});

// A slanted streak of light across what `over` covers, its lower end at x.
void shine(Canvas& c, const Mask& over, float x, float top, float bottom, float strength = 0.85f);

// The picture flipped left to right.
Canvas mirrored(const Canvas& c);

// Writes one sprite folder, frame i shown for pauses[i] ms times the
// sprite's speed. Keyed frames are magenta wherever they are less than half
// covered; unkeyed ones are opaque pictures without a colour key.
bool writeFrames(const std::string& dir, const std::vector<Canvas>& frames, const std::vector<int>& pauses,
                 float dither = 0.3f, bool keyed = true);
} // namespace datagen::fightlook
