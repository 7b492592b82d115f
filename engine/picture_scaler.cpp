// Zooming the game's picture to the window's size with smoothing, straight into the window.
#include "engine/picture_scaler.h"

#include <algorithm>
#include <cstring>
#include <utility>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace
{
// The zoom's steps: 16.16 fixed point, the window's first and last pixels on
// the source's first and last, truncated as SDL_gfx truncates it.
int zoomStep(int source, int window)
{
    return static_cast<int>(65536.0 * static_cast<float>(source - 1) / static_cast<float>(window - 1));
}

// Positions of window pixels in 16.16 source pixels, held below the source's end.
void fillPositions(int source, int window, std::vector<int>& whole, std::vector<Uint16>& weight)
{
    const int step = zoomStep(source, window);
    const int last = (source << 16) - 1;
    whole.resize(static_cast<std::size_t>(window));
    weight.resize(static_cast<std::size_t>(window));
    long long at = 0;
    for (int i = 0; i < window; ++i, at += step)
    {
        const int p = static_cast<int>(std::min<long long>(at, last));
        whole[static_cast<std::size_t>(i)] = p >> 16;
        weight[static_cast<std::size_t>(i)] = static_cast<Uint16>(p & 0xffff);
    }
}

// One byte moved towards `b` by `weight`/65536 of the way, rounded down.
inline Uint8 blendByte(int a, int b, int weight)
{
    return static_cast<Uint8>((((b - a) * weight) >> 16) + a);
}

#ifdef __SSE2__
// The same for eight 16-bit lanes. mulhi treats a weight of 32768 or more as
// negative (65536 too little); adding the difference back where the weight's
// top bit is set gives the exact floor of difference * weight / 65536.
inline __m128i blendLanes(__m128i a, __m128i b, __m128i weight)
{
    const __m128i diff = _mm_sub_epi16(b, a);
    __m128i high = _mm_mulhi_epi16(diff, weight);
    high = _mm_add_epi16(high, _mm_and_si128(diff, _mm_srai_epi16(weight, 15)));
    return _mm_add_epi16(a, high);
}
#endif
} // namespace

bool pictureScaler::covers(const SDL_Surface* picture, const SDL_Surface* window)
{
    if (!picture || !window || !picture->pixels || !window->format || !picture->format)
        return false;
    const SDL_PixelFormat* p = picture->format;
    const SDL_PixelFormat* w = window->format;
    return p->BitsPerPixel == 32 && w->BitsPerPixel == 32 && p->BytesPerPixel == 4 && w->BytesPerPixel == 4 &&
           p->Rmask == w->Rmask && p->Gmask == w->Gmask && p->Bmask == w->Bmask && p->Amask == 0 &&
           w->Amask == 0 && !(picture->flags & (SDL_SRCCOLORKEY | SDL_SRCALPHA)) && picture->w >= 2 &&
           picture->h >= 2 && window->w >= picture->w && window->h >= picture->h;
}

void pictureScaler::prepare(int srcW, int srcH, int dstW, int dstH)
{
    if (sizes[0] == srcW && sizes[1] == srcH && sizes[2] == dstW && sizes[3] == dstH)
        return;
    sizes[0] = srcW;
    sizes[1] = srcH;
    sizes[2] = dstW;
    sizes[3] = dstH;
    fillPositions(srcW, dstW, column, columnWeight);
    fillPositions(srcH, dstH, row, rowWeight);
    columnWeightLanes.resize(static_cast<std::size_t>(dstW) * 4);
    for (std::size_t x = 0; x < columnWeight.size(); ++x)
        std::fill_n(columnWeightLanes.begin() + static_cast<std::ptrdiff_t>(x * 4), 4, columnWeight[x]);
    pairedColumns = 0;
    while (pairedColumns < dstW && column[static_cast<std::size_t>(pairedColumns)] + 1 < srcW)
        ++pairedColumns;
    upper.resize(static_cast<std::size_t>(dstW) * 4);
    lower.resize(static_cast<std::size_t>(dstW) * 4);
}

// A source row blended across to the window's width: each window pixel mixes
// its source pixel with the one to the right. A window pixel can fall right on
// the source's last pixel (with a weight of 0 for the next); it is mixed with
// itself, and nothing past the row is read.
void pictureScaler::blendAcross(const Uint8* source, Uint8* out) const
{
    const int width = sizes[2];
    int x = 0;
#ifdef __SSE2__
    const __m128i zero = _mm_setzero_si128();
    for (; x + 4 <= pairedColumns; x += 4)
    {
        const int* c = &column[static_cast<std::size_t>(x)];
        auto pair = [&](int i)
        { return _mm_loadl_epi64(reinterpret_cast<const __m128i*>(source + c[i] * 4)); };
        // Left pixels of two columns in the low half, their right neighbours in the high half.
        const __m128i first = _mm_unpacklo_epi32(pair(0), pair(1));
        const __m128i second = _mm_unpacklo_epi32(pair(2), pair(3));
        const __m128i* w =
            reinterpret_cast<const __m128i*>(&columnWeightLanes[static_cast<std::size_t>(x) * 4]);
        const __m128i a =
            blendLanes(_mm_unpacklo_epi8(first, zero), _mm_unpackhi_epi8(first, zero), _mm_loadu_si128(w));
        const __m128i b = blendLanes(_mm_unpacklo_epi8(second, zero), _mm_unpackhi_epi8(second, zero),
                                     _mm_loadu_si128(w + 1));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + x * 4), _mm_packus_epi16(a, b));
    }
#endif
    for (; x < width; ++x)
    {
        const int at = column[static_cast<std::size_t>(x)];
        const Uint8* left = source + at * 4;
        const Uint8* right = at + 1 < sizes[0] ? left + 4 : left;
        const int weight = columnWeight[static_cast<std::size_t>(x)];
        for (int k = 0; k < 4; ++k)
            out[x * 4 + k] = blendByte(left[k], right[k], weight);
    }
}

void pictureScaler::scale(const Uint8* pixels, int pitch, int srcW, int srcH, Uint8* out, int outPitch,
                          int dstW, int dstH)
{
    prepare(srcW, srcH, dstW, dstH);
    // A new picture: no blended row is known yet.
    upperRow = -1;
    lowerRow = -1;
    const int bytes = dstW * 4;
    for (int y = 0; y < dstH; ++y)
    {
        const int above = row[static_cast<std::size_t>(y)];
        // The last source row is mixed with itself, at a weight of 0.
        const int below = std::min(above + 1, srcH - 1);
        const int weight = rowWeight[static_cast<std::size_t>(y)];
        if (above != upperRow)
        {
            if (above == lowerRow)
                std::swap(upper, lower);
            else
                blendAcross(pixels + static_cast<std::ptrdiff_t>(above) * pitch, upper.data());
            upperRow = above;
            blendAcross(pixels + static_cast<std::ptrdiff_t>(below) * pitch, lower.data());
            lowerRow = below;
        }
        Uint8* target = out + static_cast<std::ptrdiff_t>(y) * outPitch;
        const Uint8* a = upper.data();
        const Uint8* b = lower.data();
        int i = 0;
#ifdef __SSE2__
        const __m128i zero = _mm_setzero_si128();
        const __m128i w = _mm_set1_epi16(static_cast<short>(weight));
        for (; i + 16 <= bytes; i += 16)
        {
            const __m128i top = _mm_loadu_si128(reinterpret_cast<const __m128i*>(a + i));
            const __m128i bottom = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b + i));
            const __m128i low = blendLanes(_mm_unpacklo_epi8(top, zero), _mm_unpacklo_epi8(bottom, zero), w);
            const __m128i high = blendLanes(_mm_unpackhi_epi8(top, zero), _mm_unpackhi_epi8(bottom, zero), w);
            _mm_storeu_si128(reinterpret_cast<__m128i*>(target + i), _mm_packus_epi16(low, high));
        }
#endif
        for (; i < bytes; ++i)
            target[i] = blendByte(a[i], b[i], weight);
    }
}

bool pictureScaler::scale(SDL_Surface* picture, SDL_Surface* window)
{
    if (!covers(picture, window))
        return false;
    if (SDL_MUSTLOCK(window) && SDL_LockSurface(window) < 0)
        return false;
    if (SDL_MUSTLOCK(picture) && SDL_LockSurface(picture) < 0)
    {
        if (SDL_MUSTLOCK(window))
            SDL_UnlockSurface(window);
        return false;
    }
    scale(static_cast<const Uint8*>(picture->pixels), picture->pitch, picture->w, picture->h,
          static_cast<Uint8*>(window->pixels), window->pitch, window->w, window->h);
    if (SDL_MUSTLOCK(picture))
        SDL_UnlockSurface(picture);
    if (SDL_MUSTLOCK(window))
        SDL_UnlockSurface(window);
    return true;
}
