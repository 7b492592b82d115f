// Writing 8-bit BMP files and resource containers byte by byte, so the output
// is the same on every machine.
#include "core/bmp.h"

namespace datagen
{
namespace
{
void put16(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    out.push_back(static_cast<std::uint8_t>(v & 0xff));
    out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xff));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    put16(out, v & 0xffff);
    put16(out, v >> 16);
}

constexpr std::uint32_t kFileHeader = 14;
constexpr std::uint32_t kInfoHeader = 40;
constexpr std::uint32_t kPaletteBytes = 256 * 4;
constexpr std::size_t kContainerName = 128;
} // namespace

std::vector<std::uint8_t> encodeBmp(const IndexedImage& image)
{
    const std::uint32_t stride = (static_cast<std::uint32_t>(image.width) + 3u) & ~3u;
    const std::uint32_t pixelBytes = stride * static_cast<std::uint32_t>(image.height);
    const std::uint32_t offset = kFileHeader + kInfoHeader + kPaletteBytes;
    std::vector<std::uint8_t> out;
    out.reserve(offset + pixelBytes);
    out.push_back('B');
    out.push_back('M');
    put32(out, offset + pixelBytes);
    put32(out, 0);
    put32(out, offset);

    put32(out, kInfoHeader);
    put32(out, static_cast<std::uint32_t>(image.width));
    put32(out, static_cast<std::uint32_t>(image.height)); // positive: bottom-up
    put16(out, 1);                                        // planes
    put16(out, 8);                                        // bits a pixel
    put32(out, 0);                                        // BI_RGB
    put32(out, pixelBytes);
    put32(out, 2835); // 72 dpi
    put32(out, 2835);
    put32(out, 256); // colours used
    put32(out, 0);   // all important

    for (const Rgb8& c : image.palette)
    {
        out.push_back(c.b);
        out.push_back(c.g);
        out.push_back(c.r);
        out.push_back(0);
    }
    for (int y = image.height - 1; y >= 0; --y)
    {
        const std::uint8_t* row = image.pixels.data() + static_cast<std::size_t>(y) * image.width;
        out.insert(out.end(), row, row + image.width);
        out.insert(out.end(), stride - static_cast<std::uint32_t>(image.width), 0);
    }
    return out;
}

bool encodeResourceContainer(const std::string& name, const std::vector<std::uint8_t>& bmp,
                             std::vector<std::uint8_t>& out, std::string& error)
{
    // One NUL at least, so a reader treating the name as a C string stops in it.
    if (name.size() >= kContainerName || name.find('\0') != std::string::npos)
    {
        error = "resource name \"" + name + "\" does not fit in 127 bytes";
        return false;
    }
    out.assign(name.begin(), name.end());
    out.resize(kContainerName, 0);
    put32(out, static_cast<std::uint32_t>(bmp.size()));
    out.insert(out.end(), bmp.begin(), bmp.end());
    return true;
}
} // namespace datagen
