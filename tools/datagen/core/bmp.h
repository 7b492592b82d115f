// 8-bit palette pictures and their files: Windows BMP (uncompressed, 256
// colours) and the one-image resource container that wraps a BMP.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace datagen
{
struct Rgb8
{
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
};

inline bool operator==(Rgb8 a, Rgb8 b)
{
    return a.r == b.r && a.g == b.g && a.b == b.b;
}

// The colour the game keys out of every sprite frame.
constexpr Rgb8 kMagenta{255, 0, 255};

struct IndexedImage
{
    int width = 0;
    int height = 0;
    std::array<Rgb8, 256> palette{};
    // One palette index a pixel, rows top to bottom.
    std::vector<std::uint8_t> pixels;

    std::uint8_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// A complete BMP file: bottom-up rows padded to four bytes, 256-entry palette.
std::vector<std::uint8_t> encodeBmp(const IndexedImage& image);

// The resource container: 128 bytes of NUL-padded name, the BMP's length as
// four little-endian bytes, then the BMP. False (with `error` set) when the
// name does not fit.
bool encodeResourceContainer(const std::string& name, const std::vector<std::uint8_t>& bmp,
                             std::vector<std::uint8_t>& out, std::string& error);
} // namespace datagen
