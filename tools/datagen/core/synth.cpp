// Oscillators (PolyBLEP square and saw), envelopes, biquad filters and echo.
#include "core/synth.h"

#include "core/noise.h"

#include <algorithm>
#include <cmath>

namespace datagen
{
namespace
{
constexpr float kPi = 3.14159265358979f;

// Smooths the jump of a square or saw wave over one sample, which keeps the
// harsh aliasing of naive waveforms out of high notes.
float polyBlep(float t, float dt)
{
    if (t < dt)
    {
        t /= dt;
        return t + t - t * t - 1.0f;
    }
    if (t > 1.0f - dt)
    {
        t = (t - 1.0f) / dt;
        return t * t + t + t + 1.0f;
    }
    return 0.0f;
}

float envelopeAt(const Envelope& e, float t, float held)
{
    auto heldLevel = [&](float u)
    {
        if (u < e.attack)
            return e.attack > 0.0f ? u / e.attack : 1.0f;
        const float d = u - e.attack;
        if (e.decay <= 0.0f)
            return e.sustain;
        return e.sustain + (1.0f - e.sustain) * std::exp(-d / (e.decay / 3.0f));
    };
    if (t < held)
        return heldLevel(t);
    const float r = t - held;
    if (e.release <= 0.0f || r >= e.release)
        return 0.0f;
    const float k = 1.0f - r / e.release;
    return heldLevel(held) * k * k;
}

struct Biquad
{
    float b0, b1, b2, a1, a2;
};

void runBiquad(Sound& sound, const Biquad& f)
{
    const int ch = sound.channels;
    for (int c = 0; c < ch; ++c)
    {
        float x1 = 0, x2 = 0, y1 = 0, y2 = 0;
        for (std::size_t i = static_cast<std::size_t>(c); i < sound.samples.size();
             i += static_cast<std::size_t>(ch))
        {
            const float x = sound.samples[i];
            const float y = f.b0 * x + f.b1 * x1 + f.b2 * x2 - f.a1 * y1 - f.a2 * y2;
            x2 = x1;
            x1 = x;
            y2 = y1;
            y1 = y;
            sound.samples[i] = y;
        }
    }
}

// The filter designs of the well-known "Audio EQ Cookbook".
Biquad design(bool low, float cutoffHz, float q)
{
    const float w0 = 2.0f * kPi * std::min(cutoffHz, kSampleRate * 0.45f) / kSampleRate;
    const float alpha = std::sin(w0) / (2.0f * q);
    const float cw = std::cos(w0);
    const float a0 = 1.0f + alpha;
    Biquad f;
    if (low)
    {
        f.b0 = (1.0f - cw) / 2.0f / a0;
        f.b1 = (1.0f - cw) / a0;
        f.b2 = f.b0;
    }
    else
    {
        f.b0 = (1.0f + cw) / 2.0f / a0;
        f.b1 = -(1.0f + cw) / a0;
        f.b2 = f.b0;
    }
    f.a1 = -2.0f * cw / a0;
    f.a2 = (1.0f - alpha) / a0;
    return f;
}
} // namespace

Sound silence(float seconds, int channels)
{
    Sound s;
    s.channels = channels;
    s.samples.assign(static_cast<std::size_t>(std::lround(seconds * kSampleRate)) *
                         static_cast<std::size_t>(channels),
                     0.0f);
    return s;
}

void play(Sound& sound, const Note& note)
{
    const std::size_t first = static_cast<std::size_t>(std::lround(note.start * kSampleRate));
    const std::size_t count =
        static_cast<std::size_t>(std::lround((note.length + note.envelope.release) * kSampleRate));
    const std::size_t ch = static_cast<std::size_t>(sound.channels);
    if (sound.frames() < first + count)
        sound.samples.resize((first + count) * ch, 0.0f);
    const float leftGain = ch == 2 ? std::sqrt(0.5f * (1.0f - note.pan)) : 1.0f;
    const float rightGain = ch == 2 ? std::sqrt(0.5f * (1.0f + note.pan)) : 1.0f;
    Rng rng(note.seed);
    float phase = 0.0f;
    for (std::size_t i = 0; i < count; ++i)
    {
        const float t = static_cast<float>(i) / kSampleRate;
        const float glide = note.length > 0.0f ? std::min(1.0f, t / note.length) : 1.0f;
        float hz = note.fromHz * std::pow(note.toHz / note.fromHz, glide);
        if (note.vibratoHz > 0.0f)
            hz *= std::pow(2.0f, note.vibratoCents / 1200.0f * std::sin(2.0f * kPi * note.vibratoHz * t));
        const float dt = hz / kSampleRate;
        float v = 0.0f;
        switch (note.wave)
        {
        case Wave::Sine:
            v = std::sin(2.0f * kPi * phase);
            break;
        case Wave::Triangle:
            v = 1.0f - 4.0f * std::fabs(phase - 0.5f);
            break;
        case Wave::Square:
        {
            v = phase < note.pulseWidth ? 1.0f : -1.0f;
            v += polyBlep(phase, dt);
            float fall = phase - note.pulseWidth;
            if (fall < 0.0f)
                fall += 1.0f;
            v -= polyBlep(fall, dt);
            break;
        }
        case Wave::Saw:
            v = 2.0f * phase - 1.0f - polyBlep(phase, dt);
            break;
        case Wave::Noise:
            v = rng.unit() * 2.0f - 1.0f;
            break;
        }
        phase += dt;
        phase -= std::floor(phase);
        v *= note.volume * envelopeAt(note.envelope, t, note.length);
        if (ch == 2)
        {
            sound.samples[(first + i) * 2] += v * leftGain;
            sound.samples[(first + i) * 2 + 1] += v * rightGain;
        }
        else
        {
            sound.samples[first + i] += v;
        }
    }
}

void lowPass(Sound& sound, float cutoffHz, float q)
{
    runBiquad(sound, design(true, cutoffHz, q));
}

void highPass(Sound& sound, float cutoffHz, float q)
{
    runBiquad(sound, design(false, cutoffHz, q));
}

void echo(Sound& sound, float delaySeconds, float feedback, float wet, float tailSeconds)
{
    const std::size_t ch = static_cast<std::size_t>(sound.channels);
    const std::size_t delay = static_cast<std::size_t>(std::lround(delaySeconds * kSampleRate)) * ch;
    sound.samples.resize(sound.samples.size() + static_cast<std::size_t>(tailSeconds * kSampleRate) * ch,
                         0.0f);
    if (delay == 0)
        return;
    std::vector<float> line(sound.samples.size(), 0.0f);
    for (std::size_t i = 0; i < sound.samples.size(); ++i)
    {
        const float back = i >= delay ? line[i - delay] : 0.0f;
        line[i] = sound.samples[i] + back * feedback;
        sound.samples[i] += back * wet;
    }
}

void normalise(Sound& sound, float peak)
{
    float loudest = 0.0f;
    for (float v : sound.samples)
        loudest = std::max(loudest, std::fabs(v));
    if (loudest <= 0.0f)
        return;
    for (float& v : sound.samples)
        v *= peak / loudest;
}

void fadeOut(Sound& sound, float seconds)
{
    const std::size_t ch = static_cast<std::size_t>(sound.channels);
    const std::size_t frames = sound.frames();
    const std::size_t span = std::min(frames, static_cast<std::size_t>(seconds * kSampleRate));
    for (std::size_t i = 0; i < span; ++i)
    {
        const float k = static_cast<float>(i) / static_cast<float>(span);
        for (std::size_t c = 0; c < ch; ++c)
            sound.samples[(frames - 1 - i) * ch + c] *= k;
    }
}
} // namespace datagen
