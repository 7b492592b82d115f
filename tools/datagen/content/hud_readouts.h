// The fight HUD's damage-multiplier readout: digit, label and dot sheets.
#pragma once

#include <string>

namespace datagen
{
// data/damageNum (blank, then 0..9), data/damageText (blank, "DMG") and
// data/damageDot (blank, the dot); every frame of a sheet the same size.
bool writeHudReadouts(const std::string& dataDir);
} // namespace datagen
