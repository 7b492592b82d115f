// A small synthesiser for the game's sound effects: band-limited oscillators
// with pitch glides and envelopes, noise, filters and echo, mixed into Sounds.
#pragma once

#include <cstdint>

#include "core/wav.h"

namespace datagen
{
enum class Wave
{
    Sine,
    Triangle,
    Square,
    Saw,
    Noise,
};

// Attack and decay to the sustain level while the note is held, then release.
struct Envelope
{
    float attack = 0.004f;
    float decay = 0.06f;
    float sustain = 0.6f;
    float release = 0.06f;
};

struct Note
{
    Wave wave = Wave::Square;
    float start = 0.0f;  // seconds into the sound
    float length = 0.1f; // seconds held before the release
    float fromHz = 440.0f;
    float toHz = 440.0f; // glides exponentially over the held length
    float volume = 0.5f;
    float pulseWidth = 0.5f; // for Square
    float vibratoHz = 0.0f;
    float vibratoCents = 0.0f;
    float pan = 0.0f;       // -1 left .. 1 right, for stereo sounds
    std::uint32_t seed = 1; // for Noise
    Envelope envelope;
};

Sound silence(float seconds, int channels = 1);
// Mixes the note into the sound, growing it if the note runs past its end.
void play(Sound& sound, const Note& note);
// Resonant two-pole filters; `q` 0.707 is flat.
void lowPass(Sound& sound, float cutoffHz, float q = 0.707f);
void highPass(Sound& sound, float cutoffHz, float q = 0.707f);
// Feedback delay mixed in at `wet`; the sound grows to let the echoes ring out.
void echo(Sound& sound, float delaySeconds, float feedback, float wet, float tailSeconds);
// Scales so the loudest sample is `peak`.
void normalise(Sound& sound, float peak);
// The share of full scale a fight's sounds (blows, swings, voices, shots) are
// written at, times each sound's own peak: at the game's default volumes the
// blows of a crowded fight, several at once over the music, stay clear of
// full scale, and the stage music stays audible under them.
constexpr float kFightSoundLevel = 0.35f;
void fadeOut(Sound& sound, float seconds);
} // namespace datagen
