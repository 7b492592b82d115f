// The roster content step: every fighter's folder under data/characters,
// the stage types and props, and the character-select pictures.
#pragma once

#include <string>

namespace datagen
{
bool writeRoster(const std::string& dataDir);
} // namespace datagen
