// The eighteen story rewards: what each adds to the save files, what the loot
// screen shows for it, and the rule by which weapons level up.
#include "modes/loot_rules.h"

namespace
{
constexpr std::array<int, 2> kNoWeapons = {-1, -1};
constexpr std::array<int, 3> kNoAllies = {-1, -1, -1};
constexpr std::array<LootPicture, 3> kNoPictures = {
    {{nullptr, nullptr}, {nullptr, nullptr}, {nullptr, nullptr}}};
} // namespace

// The last reward's experience is 600, and its label says so.
const std::array<LootReward, kLootBundleCount> kLootRewards = {{
    {120, 100, 2, -1, kNoWeapons, kNoAllies, kNoPictures},
    {0, 0, 3, 0, {0, 1}, kNoAllies, {{{"ChainSword Blade", "vlad"}, {nullptr, nullptr}, {nullptr, nullptr}}}},
    {200,
     150,
     4,
     -1,
     kNoWeapons,
     {1, -1, -1},
     {{{"Sad Ghost Ally", "sadghost"}, {nullptr, nullptr}, {nullptr, nullptr}}}},
    {100, 0, 5, -1, kNoWeapons, kNoAllies, kNoPictures},
    {200, 150, 6, -1, kNoWeapons, kNoAllies, kNoPictures},
    {200,
     150,
     7,
     -1,
     {2, -1},
     kNoAllies,
     {{{"Electric Whip", "whip"}, {nullptr, nullptr}, {nullptr, nullptr}}}},
    {300,
     150,
     8,
     -1,
     kNoWeapons,
     {2, 3, 8},
     {{{"Male Survivor Ally", "male"}, {"Female Survivor Ally", "female"}, {"Bonus Allies", "bonuscharas"}}}},
    {200, 250, 9, -1, {3, -1}, kNoAllies, {{{"2xSwords", "swords"}, {nullptr, nullptr}, {nullptr, nullptr}}}},
    {300, 150, 10, -1, kNoWeapons, kNoAllies, kNoPictures},
    {200, 150, 11, -1, kNoWeapons, kNoAllies, kNoPictures},
    {300, 300, 12, -1, kNoWeapons, {6, -1, -1}, {{{"Andy", "andy"}, {nullptr, nullptr}, {nullptr, nullptr}}}},
    {300,
     300,
     13,
     -1,
     kNoWeapons,
     {5, -1, -1},
     {{{"Spectre", "spectre"}, {nullptr, nullptr}, {nullptr, nullptr}}}},
    {300, 300, 14, -1, kNoWeapons, kNoAllies, kNoPictures},
    {300,
     300,
     15,
     -1,
     {4, -1},
     kNoAllies,
     {{{"Gauntlets", "gauntlets"}, {nullptr, nullptr}, {nullptr, nullptr}}}},
    {400,
     400,
     16,
     -1,
     kNoWeapons,
     {4, -1, -1},
     {{{"Hell Skull Ally", "hellskull"}, {nullptr, nullptr}, {nullptr, nullptr}}}},
    {400,
     400,
     17,
     -1,
     kNoWeapons,
     {7, -1, -1},
     {{{"Rigby", "rigby"}, {nullptr, nullptr}, {nullptr, nullptr}}}},
    {600, 500, 18, -1, kNoWeapons, kNoAllies, kNoPictures},
    {700,
     600,
     0,
     -1,
     {5, -1},
     kNoAllies,
     {{{"Black Blade", "blackblade"}, {nullptr, nullptr}, {nullptr, nullptr}}}},
}};

const LootReward* lootReward(int bundle)
{
    if (bundle < 1 || bundle > kLootBundleCount)
        return nullptr;
    return &kLootRewards[static_cast<std::size_t>(bundle - 1)];
}

std::vector<LootLine> lootLines(const LootReward& reward)
{
    std::vector<LootLine> lines;
    if (reward.coins > 0)
        lines.push_back({std::to_string(reward.coins) + "x Coins", "coins"});
    if (reward.exp > 0)
        lines.push_back({std::to_string(reward.exp) + " Weapon Exp", "wexp"});
    for (const LootPicture& extra : reward.extras)
        if (extra.label)
            lines.push_back({extra.label, extra.picture});
    return lines;
}

bool unlocksAllies(const LootReward& reward)
{
    return reward.alliesUnlocked[0] >= 0;
}

void levelWeapon(weaponRecord& record)
{
    if (record.exp >= 101 && record.level < 1)
        record.level = 1;
    if (record.exp >= 501 && record.level < 2)
        record.level = 2;
    if (record.exp >= 1201 && record.level < 3)
        record.level = 3;
}

void applyStoryReward(const LootReward& reward, storyFile& story)
{
    story.coins = addSaturated(story.coins, reward.coins);
    const int slots[2] = {story.primaryWeapon, story.secondaryWeapon};
    for (int weapon : slots)
        if (weaponRecord* record = story.weapon(weapon))
            record->exp = addSaturated(record->exp, reward.exp);
    if (story.progress < reward.progress)
        story.progress = reward.progress;
    if (reward.primaryWeapon >= 0)
        story.primaryWeapon = reward.primaryWeapon;
    for (int weapon : reward.weaponsUnlocked)
        if (weaponRecord* record = story.weapon(weapon))
            record->locked = 0;
    const int levelled[2] = {story.primaryWeapon, story.secondaryWeapon};
    for (int weapon : levelled)
        if (weaponRecord* record = story.weapon(weapon))
            levelWeapon(*record);
}

void applyAllyReward(const LootReward& reward, allyFile& allies)
{
    for (int id : reward.alliesUnlocked)
        if (id >= 0 && id < kAllyIds)
            allies.allyLocked[id] = 0;
}
