// WAV encoding and sound folder writing.
#include "core/wav.h"

#include "core/files.h"

#include <cmath>
#include <cstdio>

namespace datagen
{
namespace
{
void put16(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    out.push_back(static_cast<std::uint8_t>(v & 0xff));
    out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xff));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    put16(out, v & 0xffff);
    put16(out, v >> 16);
}

void putTag(std::vector<std::uint8_t>& out, const char* tag)
{
    out.insert(out.end(), tag, tag + 4);
}
} // namespace

std::vector<std::uint8_t> encodeWav(const Sound& sound)
{
    const std::uint32_t channels = static_cast<std::uint32_t>(sound.channels);
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(sound.frames() * channels * 2);
    std::vector<std::uint8_t> out;
    out.reserve(44 + dataBytes);
    putTag(out, "RIFF");
    put32(out, 36 + dataBytes);
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    put32(out, 16);
    put16(out, 1); // PCM
    put16(out, channels);
    put32(out, kSampleRate);
    put32(out, kSampleRate * channels * 2);
    put16(out, channels * 2);
    put16(out, 16);
    putTag(out, "data");
    put32(out, dataBytes);
    for (std::size_t i = 0; i < sound.frames() * channels; ++i)
    {
        float v = sound.samples[i];
        v = v < -1.0f ? -1.0f : (v > 1.0f ? 1.0f : v);
        const long s = std::lround(v * 32767.0f);
        put16(out, static_cast<std::uint32_t>(static_cast<std::uint16_t>(static_cast<std::int16_t>(s))));
    }
    return out;
}

bool writeSoundFolder(const std::string& folder, const std::vector<NamedSound>& sounds)
{
    std::string list = "SOUNDS: " + std::to_string(sounds.size()) + "\n";
    for (const NamedSound& s : sounds)
    {
        if (s.name.empty() || s.name.find_first_of(" \t\r\n/") != std::string::npos)
        {
            std::fprintf(stderr, "datagen: %s: \"%s\" cannot be a sound name\n", folder.c_str(),
                         s.name.c_str());
            return false;
        }
        if (s.sound.channels < 1 || s.sound.channels > 2)
        {
            std::fprintf(stderr, "datagen: %s: %s must be mono or stereo\n", folder.c_str(), s.name.c_str());
            return false;
        }
        if (!writeBytes(joinPath(folder, s.name + ".wav"), encodeWav(s.sound)))
            return false;
        list += s.name + "\n";
    }
    return writeText(joinPath(folder, "sound"), list);
}
} // namespace datagen
