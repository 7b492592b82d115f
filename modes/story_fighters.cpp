// Who the story's runners put on the field: the player's two weapon sets,
// the equipped ally, and how close a boss comes before it stops walking up.
#include "modes/story_fighters.h"

#include <array>

#include "engine/platform.h"

const char* weaponCharacterFile(int weapon)
{
    static const std::array<const char*, 6> files = {
        "data/characters/Nick/chardata",          "data/characters/NickBBBat/chardata",
        "data/characters/NickWhip/chardata",      "data/characters/NickSwords/chardata",
        "data/characters/NickGauntlets/chardata", "data/characters/NickBlackBlade/chardata",
    };
    if (weapon < 0 || weapon >= static_cast<int>(files.size()))
        return files[0];
    return files[static_cast<std::size_t>(weapon)];
}

int weaponMoveLevel(const storyFile& story, int weapon)
{
    const weaponRecord* record = story.weapon(weapon);
    return record ? record->level : 0;
}

std::string allyFolderName(int id, const std::string& bonusAllyName)
{
    static const std::array<const char*, 8> folders = {"",          "SadGhost", "Male", "Female",
                                                       "HellSkull", "Spectre",  "Andy", "Rigby"};
    if (id == 8)
        return bonusAllyName;
    if (id < 0 || id >= static_cast<int>(folders.size()))
        return "";
    return folders[static_cast<std::size_t>(id)];
}

std::string characterPath(const std::string& folder, const char* file)
{
    return "data/characters/" + folder + "/" + file;
}

std::string usableAllyFolder(int id, const std::string& bonusAllyName)
{
    const std::string folder = allyFolderName(id, bonusAllyName);
    if (folder.empty() || !fileExists(characterPath(folder, "chardata")))
        return "";
    return folder;
}

int bossApproachDistance(int firstPictureWidth)
{
    return firstPictureWidth > 50 ? 100 : 50;
}
