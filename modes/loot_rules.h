// The eighteen story rewards: what each adds to the save files, what the loot
// screen shows for it, and the rule by which weapons level up.
#pragma once

#include <array>
#include <climits>
#include <string>
#include <vector>

#include "modes/save_files.h"

constexpr int kLootBundleCount = 18;

struct LootPicture
{
    const char* label;
    // Folder under data/screens/loot.
    const char* picture;
};

struct LootReward
{
    int coins;
    // Added to the record of each equipped weapon slot.
    int exp;
    // The progress is raised to this when lower; 0 leaves it alone.
    int progress;
    // The weapon that becomes the primary one; -1 leaves it.
    int primaryWeapon;
    // Weapons and allies the reward unlocks; -1 ends each list.
    std::array<int, 2> weaponsUnlocked;
    std::array<int, 3> alliesUnlocked;
    // Shown after the coin and experience items; a null label ends the list.
    std::array<LootPicture, 3> extras;
};

// Bundle N is element N - 1.
extern const std::array<LootReward, kLootBundleCount> kLootRewards;

// Bundle 1 to 18, or null for any other number.
const LootReward* lootReward(int bundle);

struct LootLine
{
    std::string label;
    std::string picture;
};

// What the loot screen lists, in order: the coins when there are any
// ("120x Coins"), the experience when there is any ("100 Weapon Exp"), then
// the reward's own pictures.
std::vector<LootLine> lootLines(const LootReward& reward);

bool unlocksAllies(const LootReward& reward);

// a + b, held at the ends of the int range instead of wrapping.
inline int addSaturated(int a, int b)
{
    const long long sum = static_cast<long long>(a) + b;
    if (sum > INT_MAX)
        return INT_MAX;
    if (sum < INT_MIN)
        return INT_MIN;
    return static_cast<int>(sum);
}

// A weapon passes level 1 above 100 experience, level 2 above 500 and level 3
// above 1200; one reward may raise it several levels, none lowers it.
void levelWeapon(weaponRecord& record);

// Applies the story side of a reward to a loaded save: coins, experience for
// both equipped slots (twice to one record when both hold the same weapon),
// progress, the weapon changes, then the level rule for both slots. A slot
// naming no weapon record gets nothing.
void applyStoryReward(const LootReward& reward, storyFile& story);
void applyAllyReward(const LootReward& reward, allyFile& allies);
