// Three-pass box blur over interleaved float channels, edges clamped.
#include "core/blur.h"

#include <cmath>

namespace datagen
{
namespace
{
// One box pass of half-width `r` over `n` samples `stride` apart.
void boxPass(float* line, int n, int stride, int channels, int r, std::vector<float>& scratch)
{
    scratch.resize(static_cast<std::size_t>(n) * channels);
    const float inv = 1.0f / static_cast<float>(2 * r + 1);
    for (int c = 0; c < channels; ++c)
    {
        auto sample = [&](int i)
        {
            i = i < 0 ? 0 : (i >= n ? n - 1 : i);
            return line[static_cast<std::size_t>(i) * stride + c];
        };
        float sum = 0.0f;
        for (int i = -r; i <= r; ++i)
            sum += sample(i);
        for (int i = 0; i < n; ++i)
        {
            scratch[static_cast<std::size_t>(i) * channels + c] = sum * inv;
            sum += sample(i + r + 1) - sample(i - r);
        }
    }
    for (int i = 0; i < n; ++i)
        for (int c = 0; c < channels; ++c)
            line[static_cast<std::size_t>(i) * stride + c] =
                scratch[static_cast<std::size_t>(i) * channels + c];
}
} // namespace

void blurChannels(std::vector<float>& data, int w, int h, int channels, float sigma)
{
    if (sigma <= 0.0f || w <= 0 || h <= 0)
        return;
    // Three boxes of width wb give a variance of 3 (wb^2 - 1) / 12.
    const int wb = static_cast<int>(std::lround(std::sqrt(4.0f * sigma * sigma + 1.0f)));
    const int r = wb / 2 > 0 ? wb / 2 : 1;
    std::vector<float> scratch;
    for (int pass = 0; pass < 3; ++pass)
    {
        for (int y = 0; y < h; ++y)
            boxPass(&data[static_cast<std::size_t>(y) * w * channels], w, channels, channels, r, scratch);
        for (int x = 0; x < w; ++x)
            boxPass(&data[static_cast<std::size_t>(x) * channels], h, w * channels, channels, r, scratch);
    }
}
} // namespace datagen
