// Four-channel tracker modules ("M.K." format): patterns of notes on 8-bit
// samples, tiny and looping, which SDL_mixer plays as music.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace datagen
{
// The rate a sample plays at on the middle octave's C (Amiga period 428).
constexpr float kModBaseRate = 8287.0f;
constexpr int kModChannels = 4;
constexpr int kModRows = 64;

struct ModSample
{
    std::string name;
    std::vector<std::int8_t> data; // even length, at most 131070 bytes
    int volume = 64;               // 0..64
    // Loop in bytes; loopLength 0 plays once.
    std::size_t loopStart = 0;
    std::size_t loopLength = 0;
};

struct ModCell
{
    int note = -1;  // 0 = C of the lowest octave .. 35 = B of the highest; -1 none
    int sample = 0; // 1..31; 0 keeps the channel's sample
    int effect = 0; // 0x0..0xF
    int param = 0;  // 0x00..0xFF
};

struct ModPattern
{
    std::array<std::array<ModCell, kModChannels>, kModRows> rows{};
};

struct ModSong
{
    std::string title;
    std::vector<ModSample> samples; // at most 31; sample k is numbered k + 1
    std::vector<ModPattern> patterns;
    std::vector<int> order; // pattern numbers played in turn, 1..128 entries
};

// The whole module file. False with `error` set when the song does not fit
// the format.
bool encodeMod(const ModSong& song, std::vector<std::uint8_t>& out, std::string& error);

// Semitone of `note` (0..35) as a multiple of the base rate: a sample of one
// waveform cycle N bytes long sounds at kModBaseRate / N * noteRatio(note - 12).
float noteRatio(int semitonesFromMiddleC);
} // namespace datagen
