// The menus around the fights: the pause menu over a frozen fight and the
// character select screen.
#pragma once

#include <string>

namespace datagen
{
// data/screens/pause: a keyed overlay that opens over the frozen fight, and
// its RESUME and QUIT buttons in the main menu's style.
bool writePauseScreen(const std::string& dataDir);

// data/screens/characterSelect: the backdrop behind the two players' panels,
// and its turnBar, the plate that flashes under a fighter as the player
// turns through the roster. The panels' own pictures come with the roster.
bool writeCharacterSelect(const std::string& dataDir);
} // namespace datagen
