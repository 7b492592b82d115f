// The menu screens' pictures: the loading picture, the splash that presents
// the title, and the title screen with its five buttons.
#pragma once

#include <string>
#include <vector>

#include "core/canvas.h"

namespace datagen
{
// Each writes its folder under `dataDir` (the "data" folder itself).
bool writeLoadingScreen(const std::string& dataDir);
bool writeSplash(const std::string& dataDir);
bool writeTitleScreen(const std::string& dataDir);

// One main-menu button, 192x30, idle or selected; clear around its shape.
Canvas menuButton(const std::string& label, bool selected);

// A column of menu buttons from (x, y) written as <dir>/button0.., each with
// its idle and selected frame matted onto the part of `backdrop` it covers.
bool writeMenuButtons(const std::string& dir, const Canvas& backdrop, const std::vector<std::string>& labels, int x,
                      int y);

// The options and the menus the modes open: data/screens/arcade, gameOver,
// hint/hint2, resetData and options with its size, sound and controller screens.
bool writeOptionScreens(const std::string& dataDir);

// data/screens/winning: the victory stage and each fighter's quotes (the
// fighters' pictures come with the roster).
bool writeWinnerScreen(const std::string& dataDir);
} // namespace datagen
