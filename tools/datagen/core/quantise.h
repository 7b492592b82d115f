// Turning a float canvas into a 256-colour picture: palette index 0 is the
// magenta colour key for transparent pixels, the other 255 colours are chosen
// by variance-splitting median cut and refined, and pixels are mapped with
// Floyd-Steinberg dithering so gradients stay smooth.
#pragma once

#include "core/bmp.h"
#include "core/canvas.h"

namespace datagen
{
constexpr std::uint8_t kKeyIndex = 0;

struct QuantiseOptions
{
    // Pixels whose alpha is below this become the colour key.
    float cutoff = 0.5f;
    // When set, kept pixels are blended over this picture (same size) first,
    // so soft edges fade into what the game will draw behind them.
    const Canvas* matte = nullptr;
    // 0 maps each pixel to its nearest colour; 1 is full error diffusion.
    float dither = 0.8f;
};

IndexedImage quantise(const Canvas& picture, const QuantiseOptions& options = {});

// An indexed picture back on a canvas: the key index clear, the rest opaque.
Canvas fromIndexed(const IndexedImage& image);
} // namespace datagen
