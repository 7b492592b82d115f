// The stage backgrounds: a folder per stage under data/background with its
// `info` (music, then layers back to front) and a sprite folder per layer.
#pragma once

#include <string>
#include <vector>

namespace datagen
{
struct BackgroundSize
{
    std::string name;
    int width; // the field: the widest layer
};

// Every background the game names, with its field width.
const std::vector<BackgroundSize>& backgroundSizes();

bool writeBackgrounds(const std::string& dataDir);
// Writes only the named stages' backgrounds; false on a name the game does
// not have.
bool writeStageBackgrounds(const std::string& dataDir, const std::vector<std::string>& names);
} // namespace datagen
