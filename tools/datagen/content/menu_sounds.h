// The menu's confirm and cancel sounds.
#pragma once

#include <string>

#include "core/wav.h"

namespace datagen
{
Sound menuConfirm();
Sound menuCancel();
// data/menusound: the `sound` list and both WAVs.
bool writeMenuSounds(const std::string& dataDir);
} // namespace datagen
