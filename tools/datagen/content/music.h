// The game's music: a looping track for every stage background, the calm
// dialogue track and the short victory jingle, composed as small tracker
// modules.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace datagen
{
struct MusicTrack
{
    std::string file; // under data/music/, e.g. "LongStreet.dat"
    std::vector<std::uint8_t> bytes;
};

// Every track the game names; deterministic.
std::vector<MusicTrack> composeMusic();

// The track a stage background plays, by the background's folder name.
std::string backgroundMusicFile(const std::string& background);

// data/music: one module per track.
bool writeMusic(const std::string& dataDir);
} // namespace datagen
