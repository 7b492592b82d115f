// The hit sounds every fighter shares: blade slashes and blunt impacts, each
// in three weights.
#pragma once

#include <string>

#include "core/wav.h"

namespace datagen
{
// weight 0 light, 1 medium, 2 heavy.
Sound bladeHit(int weight);
Sound bluntHit(int weight);
// data/soundSet: the `sound` list and its six WAVs.
bool writeFightSounds(const std::string& dataDir);
} // namespace datagen
