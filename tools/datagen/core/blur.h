// The blur shared by masks and canvases: three box passes each way, which is
// close to a Gaussian of the given sigma and costs the same at any radius.
#pragma once

#include <vector>

namespace datagen
{
// `data` holds `w` x `h` pixels of `channels` floats each.
void blurChannels(std::vector<float>& data, int w, int h, int channels, float sigma);
} // namespace datagen
