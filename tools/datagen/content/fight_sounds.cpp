// Hit sounds: a blade is a swept band of noise (the swish) into a bright
// metallic ring and a short bite; a blunt hit is a falling thump under a
// cracking snap. Heavier weights are lower, longer and driven harder.
#include "content/fight_sounds.h"

#include "core/files.h"
#include "core/noise.h"
#include "core/synth.h"

#include <cmath>

namespace datagen
{
namespace
{
constexpr float kPi = 3.14159265f;

// White noise through a band-pass whose centre glides from `fromHz` to
// `toHz`, shaped by a rise to `peakAt` (0..1 of the length) and a fall.
void sweptNoise(Sound& s, float start, float length, float fromHz, float toHz, float q, float volume,
                float peakAt, std::uint32_t seed)
{
    const std::size_t first = static_cast<std::size_t>(start * kSampleRate);
    const std::size_t count = static_cast<std::size_t>(length * kSampleRate);
    if (s.samples.size() < first + count)
        s.samples.resize(first + count, 0.0f);
    Rng rng(seed);
    float low = 0.0f, band = 0.0f;
    for (std::size_t i = 0; i < count; ++i)
    {
        const float t = static_cast<float>(i) / static_cast<float>(count);
        const float hz = fromHz * std::pow(toHz / fromHz, t);
        const float f = 2.0f * std::sin(kPi * std::min(hz, 9000.0f) / kSampleRate);
        const float in = rng.unit() * 2.0f - 1.0f;
        // Chamberlin state-variable filter.
        low += f * band;
        const float high = in - low - band / q;
        band += f * high;
        const float env =
            t < peakAt ? std::pow(t / peakAt, 1.5f) : std::pow(1.0f - (t - peakAt) / (1.0f - peakAt), 2.0f);
        s.samples[first + i] += band * env * volume;
    }
}

// A struck metal edge: inharmonic partials ringing down at their own rates.
void ring(Sound& s, float start, float baseHz, float length, float volume)
{
    const float ratios[] = {1.0f, 2.76f, 5.40f, 8.93f};
    const float levels[] = {1.0f, 0.6f, 0.35f, 0.2f};
    for (int k = 0; k < 4; ++k)
    {
        Note n;
        n.wave = Wave::Sine;
        n.start = start;
        n.length = 0.004f;
        n.fromHz = n.toHz = baseHz * ratios[k];
        n.volume = volume * levels[k];
        n.vibratoHz = 31.0f + k * 7.0f;
        n.vibratoCents = 6.0f;
        n.envelope = {0.001f, length / (1.0f + k), 0.0f, length};
        play(s, n);
    }
}

void thump(Sound& s, float start, float fromHz, float toHz, float length, float volume)
{
    Note n;
    n.wave = Wave::Sine;
    n.start = start;
    n.length = length;
    n.fromHz = fromHz;
    n.toHz = toHz;
    n.volume = volume;
    n.envelope = {0.001f, length * 0.6f, 0.2f, length * 0.5f};
    play(s, n);
}

void crack(Sound& s, float start, float length, float volume, std::uint32_t seed)
{
    Note n;
    n.wave = Wave::Noise;
    n.start = start;
    n.length = length * 0.3f;
    n.volume = volume;
    n.seed = seed;
    n.envelope = {0.0005f, length * 0.25f, 0.1f, length * 0.7f};
    play(s, n);
}

// Soft clipping: punch without harsh digital clipping.
void drive(Sound& s, float amount)
{
    const float norm = std::tanh(amount);
    for (float& v : s.samples)
        v = std::tanh(v * amount) / norm;
}
} // namespace

Sound bladeHit(int weight)
{
    const float w = static_cast<float>(weight);
    Sound s = silence(0.02f);
    const float swish = 0.07f + 0.05f * w;
    sweptNoise(s, 0.0f, swish, 5200.0f - 1100.0f * w, 900.0f - 200.0f * w, 2.5f, 1.2f, 0.7f, 31 + weight);
    sweptNoise(s, 0.01f, swish * 0.9f, 2600.0f - 600.0f * w, 500.0f, 1.6f, 0.6f, 0.6f, 57 + weight);
    const float hit = swish * 0.8f;
    ring(s, hit, 1850.0f - 380.0f * w, 0.18f + 0.12f * w, 0.32f);
    // The bite into the target.
    Sound bite = silence(0.01f);
    crack(bite, 0.0f, 0.05f + 0.03f * w, 0.9f, 91 + weight);
    highPass(bite, 1400.0f - 300.0f * w);
    for (std::size_t i = 0; i < bite.samples.size(); ++i)
    {
        const std::size_t at = static_cast<std::size_t>(hit * kSampleRate) + i;
        if (at >= s.samples.size())
            s.samples.resize(at + 1, 0.0f);
        s.samples[at] += bite.samples[i] * 0.7f;
    }
    if (weight > 0)
        thump(s, hit, 180.0f - 40.0f * w, 60.0f, 0.06f + 0.05f * w, 0.5f + 0.2f * w);
    drive(s, 1.4f + 0.5f * w);
    if (weight == 2)
        echo(s, 0.045f, 0.25f, 0.18f, 0.12f);
    lowPass(s, 9000.0f);
    fadeOut(s, 0.03f);
    normalise(s, kFightSoundLevel * (0.8f + 0.05f * w));
    return s;
}

Sound bluntHit(int weight)
{
    const float w = static_cast<float>(weight);
    Sound s = silence(0.03f);
    thump(s, 0.0f, 210.0f - 50.0f * w, 48.0f - 6.0f * w, 0.05f + 0.05f * w, 1.0f);
    // The smack: a short band of mid noise.
    sweptNoise(s, 0.0f, 0.05f + 0.03f * w, 2400.0f - 500.0f * w, 900.0f - 200.0f * w, 1.2f, 1.6f, 0.05f,
               13 + weight);
    Sound snap = silence(0.01f);
    crack(snap, 0.0f, 0.03f + 0.02f * w, 1.0f, 71 + weight);
    highPass(snap, 2600.0f - 600.0f * w);
    for (std::size_t i = 0; i < snap.samples.size() && i < s.samples.size(); ++i)
        s.samples[i] += snap.samples[i] * (0.8f - 0.15f * w);
    if (weight == 2)
    {
        // A second, lower body blow a moment later: the crunch.
        thump(s, 0.018f, 120.0f, 38.0f, 0.12f, 0.8f);
        sweptNoise(s, 0.012f, 0.14f, 900.0f, 180.0f, 0.9f, 1.0f, 0.1f, 77);
    }
    drive(s, 2.0f + 0.8f * w);
    lowPass(s, 7500.0f - 1500.0f * w);
    echo(s, 0.03f + 0.01f * w, 0.2f, 0.1f + 0.05f * w, 0.08f);
    fadeOut(s, 0.03f);
    normalise(s, kFightSoundLevel * (0.82f + 0.04f * w));
    return s;
}

bool writeFightSounds(const std::string& dataDir)
{
    return writeSoundFolder(joinPath(dataDir, "soundSet"), {{"Blade_Light01", bladeHit(0)},
                                                            {"Blade_Medium01", bladeHit(1)},
                                                            {"Blade_Heavy01", bladeHit(2)},
                                                            {"Sharp_Hit1", bluntHit(0)},
                                                            {"Sharp_Hit2", bluntHit(1)},
                                                            {"Sharp_Hit3", bluntHit(2)}});
}
} // namespace datagen
