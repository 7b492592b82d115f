// Sounds as sample buffers, their WAV files (RIFF PCM, 22050 Hz, 16-bit) and
// the sound folders whose `sound` list names them.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace datagen
{
constexpr int kSampleRate = 22050;

struct Sound
{
    int channels = 1;
    // Interleaved samples, -1..1; louder ones are clipped when written.
    std::vector<float> samples;

    std::size_t frames() const
    {
        return channels > 0 ? samples.size() / static_cast<std::size_t>(channels) : 0;
    }
    float seconds() const { return static_cast<float>(frames()) / kSampleRate; }
};

std::vector<std::uint8_t> encodeWav(const Sound& sound);

struct NamedSound
{
    std::string name;
    Sound sound;
};

// `<folder>/sound` listing the names, and `<folder>/<name>.wav` for each.
bool writeSoundFolder(const std::string& folder, const std::vector<NamedSound>& sounds);
} // namespace datagen
