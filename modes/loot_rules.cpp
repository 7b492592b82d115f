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
