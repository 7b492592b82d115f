// Seeded random numbers (splitmix64) and lattice value noise.
#include "core/noise.h"

#include <cmath>

namespace datagen
{
std::uint32_t Rng::next()
{
    state += 0x9e3779b97f4a7c15ull;
    std::uint64_t z = state;
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
    return static_cast<std::uint32_t>((z ^ (z >> 31)) >> 32);
}

float Rng::unit()
{
    return static_cast<float>(next() >> 8) / 16777216.0f;
}

int Rng::between(int lo, int hi)
{
    if (hi <= lo)
        return lo;
    const std::uint32_t span = static_cast<std::uint32_t>(hi - lo) + 1u;
    return lo + static_cast<int>(next() % span);
}

float latticeValue(int x, int y, std::uint32_t seed)
{
    std::uint32_t hsh = seed * 0x27d4eb2du;
    hsh ^= static_cast<std::uint32_t>(x) * 0x85ebca6bu;
    hsh = (hsh << 13) | (hsh >> 19);
    hsh ^= static_cast<std::uint32_t>(y) * 0xc2b2ae35u;
    hsh ^= hsh >> 16;
    hsh *= 0x7feb352du;
    hsh ^= hsh >> 15;
    hsh *= 0x846ca68bu;
    hsh ^= hsh >> 16;
    return static_cast<float>(hsh >> 8) / 16777216.0f;
}

float valueNoise(float x, float y, std::uint32_t seed)
{
    const float fx = std::floor(x);
    const float fy = std::floor(y);
    const int ix = static_cast<int>(fx);
    const int iy = static_cast<int>(fy);
    float tx = x - fx;
    float ty = y - fy;
    tx = tx * tx * (3.0f - 2.0f * tx);
    ty = ty * ty * (3.0f - 2.0f * ty);
    const float a = latticeValue(ix, iy, seed);
    const float b = latticeValue(ix + 1, iy, seed);
    const float c = latticeValue(ix, iy + 1, seed);
    const float d = latticeValue(ix + 1, iy + 1, seed);
    const float top = a + (b - a) * tx;
    const float bottom = c + (d - c) * tx;
    return top + (bottom - top) * ty;
}

float fractalNoise(float x, float y, std::uint32_t seed, int octaves)
{
    float sum = 0.0f;
    float weight = 0.5f;
    float total = 0.0f;
    for (int i = 0; i < octaves; ++i)
    {
        sum += valueNoise(x, y, seed + static_cast<std::uint32_t>(i) * 101u) * weight;
        total += weight;
        x *= 2.0f;
        y *= 2.0f;
        weight *= 0.5f;
    }
    return total > 0.0f ? sum / total : 0.0f;
}
} // namespace datagen
