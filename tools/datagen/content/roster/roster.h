// The roster content step: every fighter's folder under data/characters,
// the stage types and props, and the character-select pictures.
#pragma once

#include <string>
#include <vector>

namespace datagen
{
bool writeRoster(const std::string& dataDir);
// Writes only the named characters' folders and select pictures (a test
// needs two fighters, not the whole roster); false on a name no family has.
bool writeCharacters(const std::string& dataDir, const std::vector<std::string>& names);
} // namespace datagen
