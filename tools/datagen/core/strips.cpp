// Strips are painted in parallel and copied into place; each result column
// comes from exactly one strip, so the picture never depends on thread order.
#include "core/strips.h"

#include "core/jobs.h"

#include <vector>

namespace datagen
{
Canvas paintInStrips(int width, int height, int stripWidth, int margin,
                     const std::function<void(Canvas& strip, int x0)>& paint)
{
    Canvas out(width, height);
    if (width <= 0 || height <= 0)
        return out;
    stripWidth = stripWidth > 0 ? stripWidth : width;
    const int count = (width + stripWidth - 1) / stripWidth;
    parallelFor(count,
                [&](int i)
                {
                    const int keep0 = i * stripWidth;
                    const int keep1 = keep0 + stripWidth < width ? keep0 + stripWidth : width;
                    const int x0 = keep0 - margin;
                    Canvas strip(keep1 - keep0 + 2 * margin, height);
                    paint(strip, x0);
                    for (int y = 0; y < height; ++y)
                        for (int x = keep0; x < keep1; ++x)
                            out.at(x, y) = strip.at(x - x0, y);
                });
    return out;
}
} // namespace datagen
