// Windows bitmaps checked before SDL decodes them: a header SDL 1.2 would
// crash on, or stall converting, is refused with a reason.
#include "engine/bmp_file.h"

#include "engine/platform.h"

#include <cstdlib>
#include <vector>

namespace
{
constexpr long long kMaxSide = 32767;
constexpr long long kMaxPixels = 64LL * 1024 * 1024;
// The file header, then at least the smallest (OS/2) info header.
constexpr std::size_t kFileHeader = 14;

Uint32 le16(const unsigned char* p)
{
    return static_cast<Uint32>(p[0]) | (static_cast<Uint32>(p[1]) << 8);
}

Uint32 le32(const unsigned char* p)
{
    return le16(p) | (le16(p + 2) << 16);
}

bool refuse(std::string& why, const char* reason)
{
    why = reason;
    return false;
}
} // namespace

bool bmpHeaderUsable(const unsigned char* bytes, std::size_t size, std::string& why)
{
    if (!bytes || size < kFileHeader + 12)
        return refuse(why, "too short for a bitmap header");
    if (bytes[0] != 'B' || bytes[1] != 'M')
        return refuse(why, "not a bitmap");
    const unsigned long long dataOffset = le32(bytes + 10);
    const Uint32 infoSize = le32(bytes + 14);
    long long width = 0;
    long long height = 0;
    Uint32 planes = 0;
    Uint32 bits = 0;
    Uint32 compression = 0;
    if (infoSize == 12)
    {
        width = le16(bytes + 18);
        height = le16(bytes + 20);
        planes = le16(bytes + 22);
        bits = le16(bytes + 24);
    }
    else if (infoSize >= 40)
    {
        if (size < kFileHeader + 40)
            return refuse(why, "too short for its info header");
        width = static_cast<Sint32>(le32(bytes + 18));
        height = static_cast<Sint32>(le32(bytes + 22));
        planes = le16(bytes + 26);
        bits = le16(bytes + 28);
        compression = le32(bytes + 30);
    }
    else
    {
        return refuse(why, "unknown info header");
    }
    if (planes != 1)
        return refuse(why, "not one plane");
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        return refuse(why, "unusable bit count");
    // Run-length and other packed pixels are not decoded; bit fields are.
    if (compression != 0 && compression != 3)
        return refuse(why, "compressed pixels");
    height = std::llabs(height);
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide || width * height > kMaxPixels)
        return refuse(why, "unusable size");
    const unsigned long long rowBytes = static_cast<unsigned long long>((width * bits + 31) / 32 * 4);
    if (dataOffset > size || rowBytes * static_cast<unsigned long long>(height) > size - dataOffset)
        return refuse(why, "pixel data runs past the end of the file");
    return true;
}

SDL_Surface* loadCheckedBMP(const void* bytes, std::size_t size)
{
    std::string why;
    if (!bmpHeaderUsable(static_cast<const unsigned char*>(bytes), size, why))
    {
        SDL_SetError("Refused bitmap: %s", why.c_str());
        return nullptr;
    }
    SDL_RWops* rw = SDL_RWFromConstMem(bytes, static_cast<int>(size));
    return rw ? SDL_LoadBMP_RW(rw, 1) : nullptr;
}

SDL_Surface* loadCheckedBMP(const std::string& path)
{
    std::vector<unsigned char> bytes;
    if (!readWholeFile(path, bytes) || bytes.size() > 0x7FFFFFFF)
    {
        SDL_SetError("Couldn't read %s", path.c_str());
        return nullptr;
    }
    return loadCheckedBMP(bytes.data(), bytes.size());
}
