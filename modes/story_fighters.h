// Who the story's runners put on the field: the player's two weapon sets,
// the equipped ally, and how close a boss comes before it stops walking up.
#pragma once

#include <string>

#include "modes/save_files.h"

// The character file of the player's fighter carrying `weapon`: Nick's own
// for weapon 0 and for any index that names no weapon.
const char* weaponCharacterFile(int weapon);

// The move level that `weapon`'s record unlocks; 0 when a hand-edited save
// names a weapon it holds no record for.
int weaponMoveLevel(const storyFile& story, int weapon);

// The folder under data/characters of ally `id` (8 is the bonus ally named in
// the ally save); "" for no ally and for any id outside 1..8.
std::string allyFolderName(int id, const std::string& bonusAllyName);

// The ally to build: its folder name when the id names one and its chardata
// can be read, otherwise "" (the stage is played without an ally).
std::string usableAllyFolder(int id, const std::string& bonusAllyName);

// Path of a character's file inside its folder under data/characters.
std::string characterPath(const std::string& folder, const char* file);

// A boss wider than 50 pixels (its current animation's first picture) stops
// approaching at 100 pixels, a narrower one at 50.
int bossApproachDistance(int firstPictureWidth);
