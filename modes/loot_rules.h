// The eighteen story rewards: what each adds to the save files, what the loot
// screen shows for it, and the rule by which weapons level up.
#pragma once

#include <array>
#include <climits>
#include <string>
#include <vector>

constexpr int kLootBundleCount = 18;
// Weapon records a story save holds (weapons 0 to 5 are in the game).
constexpr int kWeaponRecordCount = 9;
// Ally ids 0 (no ally) to 8 (the bonus ally).
constexpr int kAllyIdCount = 9;

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

// The record of `weapon` in a story save, or null when a hand-edited file
// names a weapon the save has no record for.
template <class Story> auto weaponRecordOf(Story& story, int weapon) -> decltype(&story.weapons[0])
{
    if (weapon < 0 || weapon >= kWeaponRecordCount)
        return nullptr;
    return &story.weapons[weapon];
}

// A weapon passes level 1 above 100 experience, level 2 above 500 and level 3
// above 1200; one reward may raise it several levels, none lowers it.
template <class Record> void levelWeapon(Record& record)
{
    if (record.exp >= 101 && record.level < 1)
        record.level = 1;
    if (record.exp >= 501 && record.level < 2)
        record.level = 2;
    if (record.exp >= 1201 && record.level < 3)
        record.level = 3;
}

// Applies the story side of a reward to a loaded save: coins, experience for
// both equipped slots (twice to one record when both hold the same weapon),
// progress, the weapon changes, then the level rule for both slots. A slot
// naming no weapon record gets nothing.
template <class Story> void applyStoryReward(const LootReward& reward, Story& story)
{
    story.coins = addSaturated(story.coins, reward.coins);
    const int slots[2] = {story.primaryWeapon, story.secondaryWeapon};
    for (int weapon : slots)
        if (auto* record = weaponRecordOf(story, weapon))
            record->exp = addSaturated(record->exp, reward.exp);
    if (story.progress < reward.progress)
        story.progress = reward.progress;
    if (reward.primaryWeapon >= 0)
        story.primaryWeapon = reward.primaryWeapon;
    for (int weapon : reward.weaponsUnlocked)
        if (auto* record = weaponRecordOf(story, weapon))
            record->locked = 0;
    const int levelled[2] = {story.primaryWeapon, story.secondaryWeapon};
    for (int weapon : levelled)
        if (auto* record = weaponRecordOf(story, weapon))
            levelWeapon(*record);
}

template <class Allies> void applyAllyReward(const LootReward& reward, Allies& allies)
{
    for (int id : reward.alliesUnlocked)
        if (id >= 0 && id < kAllyIdCount)
            allies.allyLocked[id] = 0;
}
