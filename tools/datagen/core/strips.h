// Painting pictures far wider than the screen (a long stage's scenery) in
// vertical strips side by side, so each strip's masks stay small and the
// strips share the cores.
#pragma once

#include <functional>

#include "core/canvas.h"

namespace datagen
{
// Calls `paint(strip, x0)` for strips of about `stripWidth` columns, each
// canvas `margin` columns wider on both sides than the part it keeps, with
// `x0` the picture column of the strip canvas's column 0 (so it may be
// negative). Painters place everything in picture coordinates minus `x0`; the
// margin hides the seams of blurs and glows no wider than it.
Canvas paintInStrips(int width, int height, int stripWidth, int margin,
                     const std::function<void(Canvas& strip, int x0)>& paint);
} // namespace datagen
