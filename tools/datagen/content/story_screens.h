// The story's own screens: the level-select map of the city with its node
// icons and cursor, and the loot screen with its reward pictures.
#pragma once

#include <string>

namespace datagen
{
// data/screens/levelSelect with its node and player folders.
bool writeLevelSelect(const std::string& dataDir);
// data/screens/loot with weaponSet and one folder per reward picture.
bool writeLootScreen(const std::string& dataDir);
} // namespace datagen
