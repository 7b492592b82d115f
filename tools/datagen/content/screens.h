// The menu screens' pictures: the loading picture, the splash that presents
// the title, and the title screen with its five buttons.
#pragma once

#include <string>

#include "core/canvas.h"

namespace datagen
{
// Each writes its folder under `dataDir` (the "data" folder itself).
bool writeLoadingScreen(const std::string& dataDir);
bool writeSplash(const std::string& dataDir);
bool writeTitleScreen(const std::string& dataDir);

// One main-menu button, 192x30, idle or selected; clear around its shape.
Canvas menuButton(const std::string& label, bool selected);
} // namespace datagen
