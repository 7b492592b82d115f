// The "walk on" prompt a stage shows while it waits for the player to walk
// to a place: GO on an arrow plate pointing the way.
#pragma once

#include <string>

namespace datagen
{
// data/screens/ui/goright and goleft: four frames of at most 104x72, the top
// 17 rows keyed out so the prompt starts below the HUD's plate. The arrow
// nudges 0, 4, 8, 4 pixels its way and the letters glow hottest on the third
// frame; goleft mirrors the arrow, not the letters.
bool writeStagePrompts(const std::string& dataDir);
} // namespace datagen
