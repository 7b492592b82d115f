// The demon army's airship seen from outside: one drawing that every story
// picture of the airship poses, from a speck in the sky to a belly overhead.
#pragma once

#include "core/canvas.h"
#include "core/mask.h"

namespace datagen
{
struct AirshipPose
{
    Vec2 centre{320.0f, 120.0f}; // middle of the envelope on the canvas
    float length = 400.0f;       // nose to tail, in pixels
    float tilt = 0.0f;           // radians; positive lifts the nose
    float belly = 0.0f;          // 0 seen side on .. 1 seen from straight below
    float glow = 0.0f;           // how hot the engines burn, 0..1
    bool noseLeft = false;
    float haze = 0.0f; // 0..1: how far the ship fades into `hazeColour` with distance
    Colour hazeColour = hex(0xa8b8d0);
};

// Draws the ship over what the canvas holds.
void drawAirship(Canvas& c, const AirshipPose& pose);
// Where a point of the ship lands on the canvas: `along` runs from the tail
// (-0.5) to the nose (0.5), `across` downwards from the axis, both in lengths.
Vec2 airshipPoint(const AirshipPose& pose, float along, float across);
} // namespace datagen
