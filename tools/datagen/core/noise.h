// Seeded randomness for generated art: a small generator and smooth noise.
// Nothing here reads the clock, so every run draws the same pictures.
#pragma once

#include <cstdint>

namespace datagen
{
class Rng
{
public:
    explicit Rng(std::uint64_t seed) : state(seed) {}
    std::uint32_t next();
    // Uniform in [0, 1).
    float unit();
    float range(float lo, float hi) { return lo + (hi - lo) * unit(); }
    // Uniform integer in [lo, hi].
    int between(int lo, int hi);

private:
    std::uint64_t state;
};

// Hash of a lattice point to [0, 1).
float latticeValue(int x, int y, std::uint32_t seed);
// Smooth value noise in [0, 1) with features one unit apart.
float valueNoise(float x, float y, std::uint32_t seed);
// Fractal sum of `octaves` noise layers, each twice as fine and half as
// strong, in [0, 1).
float fractalNoise(float x, float y, std::uint32_t seed, int octaves);
} // namespace datagen
