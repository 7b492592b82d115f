// The roster's grouping for the balance report.
#include "tools/stagerun/roster_groups.h"

#include "screens/character_select.h"

#include <algorithm>

namespace
{
// The characters built to fight one on one (the heroes, the bosses and the
// versus roster); the game keeps no such list, and the report judges them by
// their own aims. Every other select character is a stage crowd.
const char* const kOneOnOne[] = {
    "Nick",  "NickBBBat", "NickWhip", "NickSwords", "NickGauntlets", "NickBlackBlade", "Vlad",   "Spectre",
    "Weldy", "Brask",     "Oleck",    "Giancarlo",  "Johnny",        "Lilith",         "Male",   "Female",
    "Rigby", "Andy",      "Vellin",   "Tavin",      "Merrowby",      "Dravenholt",     "Zhevan", "Mech",
};
} // namespace

std::vector<std::string> selectCharacters()
{
    return characterSelectScreen::getAllCharacters();
}

bool fightsOneOnOne(const std::string& name)
{
    return std::find(std::begin(kOneOnOne), std::end(kOneOnOne), name) != std::end(kOneOnOne);
}
