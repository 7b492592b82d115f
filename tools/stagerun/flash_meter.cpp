// Counts the flashes a run shows, from each presented picture's mean luminance.
#include "tools/stagerun/flash_meter.h"

#include <array>
#include <cmath>

namespace
{
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
} // namespace

double meanLuminance(SDL_Surface* picture)
{
    if (!picture || picture->w <= 0 || picture->h <= 0 || SDL_LockSurface(picture) != 0)
        return 0.0;
    const std::array<double, 256>& lin = linearLevels();
    const int bytes = picture->format->BytesPerPixel;
    double sum = 0.0;
    for (int y = 0; y < picture->h; ++y)
    {
        const Uint8* row = static_cast<const Uint8*>(picture->pixels) + y * picture->pitch;
        for (int x = 0; x < picture->w; ++x)
        {
            Uint8 r, g, b;
            SDL_GetRGB(readPixel(row + x * bytes, bytes), picture->format, &r, &g, &b);
            sum += 0.2126 * lin[r] + 0.7152 * lin[g] + 0.0722 * lin[b];
        }
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
