// The story's side menus: the shop, the weapon screen and the ally screen.
#pragma once

#include <string>

namespace datagen
{
// data/screens/shop, weaponSelect, allySelect, 10buttons and ui/percentages.
bool writeStoryMenus(const std::string& dataDir);
} // namespace datagen
