// Counts the flashes a run shows, from each presented picture's mean luminance.
#include "tools/stagerun/flash_meter.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace
{
// How much each channel's linear light adds to luminance.
constexpr double kRed = 0.2126;
constexpr double kGreen = 0.7152;
constexpr double kBlue = 0.0722;

// sRGB's 8-bit levels in linear light.
const std::array<double, 256>& linearLevels()
{
    static const std::array<double, 256> levels = []
    {
        std::array<double, 256> l{};
        for (int i = 0; i < 256; ++i)
        {
            const double c = i / 255.0;
            l[static_cast<std::size_t>(i)] = c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        }
        return l;
    }();
    return levels;
}

Uint32 readPixel(const Uint8* p, int bytes)
{
    switch (bytes)
    {
    case 1:
        return *p;
    case 2:
        return *reinterpret_cast<const Uint16*>(p);
    case 3:
        return SDL_BYTEORDER == SDL_BIG_ENDIAN ? (p[0] << 16 | p[1] << 8 | p[2])
                                               : (p[0] | p[1] << 8 | p[2] << 16);
    default:
        return *reinterpret_cast<const Uint32*>(p);
    }
}

// One channel's weighted linear light for each of its stored values: the
// value widened to 8 bits by repeating its top bits, as 16-bit pictures show.
// Kept in fixed point, a millionth of a millionth of full scale, so a
// picture's sum adds integers.
constexpr double kFixed = 1e12;

std::vector<Uint64> channelTable(Uint32 mask, Uint8 shift, Uint8 loss, double weight)
{
    const std::array<double, 256>& lin = linearLevels();
    const Uint32 top = mask >> shift;
    std::vector<Uint64> t(static_cast<std::size_t>(top) + 1);
    const int bits = 8 - loss;
    for (Uint32 v = 0; v <= top; ++v)
    {
        Uint32 wide = bits > 0 ? v << loss : 0;
        for (int filled = bits; filled > 0 && filled < 8; filled += bits)
            wide |= (v << loss) >> filled;
        t[v] = static_cast<Uint64>(std::llround(kFixed * weight * lin[std::min<Uint32>(wide, 255)]));
    }
    return t;
}
} // namespace

double meanLuminance(SDL_Surface* picture)
{
    if (!picture || picture->w <= 0 || picture->h <= 0 || SDL_LockSurface(picture) != 0)
        return 0.0;
    const SDL_PixelFormat* f = picture->format;
    const int bytes = f->BytesPerPixel;
    double sum = 0.0;
    if (f->palette)
    {
        // A palette picture: each entry's luminance once.
        const std::array<double, 256>& lin = linearLevels();
        double entry[256] = {};
        for (int i = 0; i < f->palette->ncolors && i < 256; ++i)
        {
            const SDL_Color& c = f->palette->colors[i];
            entry[i] = kRed * lin[c.r] + kGreen * lin[c.g] + kBlue * lin[c.b];
        }
        for (int y = 0; y < picture->h; ++y)
        {
            const Uint8* row = static_cast<const Uint8*>(picture->pixels) + y * picture->pitch;
            for (int x = 0; x < picture->w; ++x)
                sum += entry[readPixel(row + x * bytes, bytes) & 0xff];
        }
    }
    else
    {
        // Pictures of one format follow each other frame after frame: keep
        // the tables of the last one.
        static Uint32 masks[3] = {0, 0, 0};
        static std::vector<Uint64> tables[3];
        const Uint32 want[3] = {f->Rmask, f->Gmask, f->Bmask};
        if (tables[0].empty() || masks[0] != want[0] || masks[1] != want[1] || masks[2] != want[2])
        {
            tables[0] = channelTable(f->Rmask, f->Rshift, f->Rloss, kRed);
            tables[1] = channelTable(f->Gmask, f->Gshift, f->Gloss, kGreen);
            tables[2] = channelTable(f->Bmask, f->Bshift, f->Bloss, kBlue);
            std::copy(want, want + 3, masks);
        }
        const Uint64* red = tables[0].data();
        const Uint64* green = tables[1].data();
        const Uint64* blue = tables[2].data();
        const auto light = [&](Uint32 p)
        {
            return red[(p & f->Rmask) >> f->Rshift] + green[(p & f->Gmask) >> f->Gshift] +
                   blue[(p & f->Bmask) >> f->Bshift];
        };
        Uint64 total = 0;
        for (int y = 0; y < picture->h; ++y)
        {
            const Uint8* row = static_cast<const Uint8*>(picture->pixels) + y * picture->pitch;
            // Screen pictures are 32-bit: read them a word at a time.
            if (bytes == 4)
                for (int x = 0; x < picture->w; ++x)
                    total += light(reinterpret_cast<const Uint32*>(row)[x]);
            else
                for (int x = 0; x < picture->w; ++x)
                    total += light(readPixel(row + x * bytes, bytes));
        }
        sum = static_cast<double>(total) / kFixed;
    }
    SDL_UnlockSurface(picture);
    return sum / (static_cast<double>(picture->w) * picture->h);
}

void flashMeter::sample(double luminance, Uint32 gameMs)
{
    if (!started)
    {
        started = true;
        low = high = extreme = luminance;
        return;
    }
    if (direction == 0)
    {
        if (luminance < low)
            low = luminance;
        if (luminance > high)
            high = luminance;
        if (high - low <= kSwing)
            return;
        // The first change goes towards the newest picture.
        direction = luminance >= high ? 1 : -1;
        extreme = luminance;
        change(gameMs);
        return;
    }
    if ((luminance - extreme) * direction >= 0.0)
    {
        extreme = luminance;
        return;
    }
    if (std::fabs(luminance - extreme) > kSwing)
    {
        direction = -direction;
        extreme = luminance;
        change(gameMs);
    }
}

void flashMeter::change(Uint32 gameMs)
{
    ++changes;
    recent.push_back(gameMs);
    while (gameMs - recent.front() >= 1000)
        recent.pop_front();
    if (static_cast<int>(recent.size()) > mostChanges)
        mostChanges = static_cast<int>(recent.size());
}
