// The story's rewards without their screen: the whole campaign's rewards in
// chapter order, the weapon level rule, what the loot screen lists, and
// saves edited by hand.
#include "modes/loot_rules.h"
#include "modes/story_map.h"

#include <climits>
#include <gtest/gtest.h>

namespace
{
using StorySave = storyFile;
using AllySave = allyFile;
using WeaponRecord = weaponRecord;

void give(int bundle, StorySave& story, AllySave& allies)
{
    const LootReward* reward = lootReward(bundle);
    ASSERT_NE(reward, nullptr);
    applyStoryReward(*reward, story);
    applyAllyReward(*reward, allies);
}

int unlockedWeapons(const StorySave& s)
{
    int bits = 0;
    for (int w = 0; w < kWeaponRecords; ++w)
        if (!s.weapons[w].locked)
            bits |= 1 << w;
    return bits;
}

int unlockedAllies(const AllySave& a)
{
    int bits = 0;
    for (int id = 0; id < kAllyIds; ++id)
        if (!a.allyLocked[id])
            bits |= 1 << id;
    return bits;
}

int unlockedNodeCount(int progress)
{
    int n = 0;
    for (bool locked : mapLocks(progress))
        n += locked ? 0 : 1;
    return n;
}

// After each reward, in chapter order, from a new campaign. Weapon 1 fills
// both slots until reward 2 makes weapon 0 the primary one.
struct AfterReward
{
    int progress;
    int openNodes;
    int weapons; // bit w: weapon w unlocked
    int allies;  // bit id: ally id unlocked
    int weapon1Exp;
    int weapon1Level;
};
const AfterReward kCampaign[kLootBundleCount] = {
    {2, 2, 0x03, 0x001, 200, 1},    {3, 3, 0x03, 0x001, 200, 1},    {4, 7, 0x03, 0x003, 350, 1},
    {5, 8, 0x03, 0x003, 350, 1},    {6, 9, 0x03, 0x003, 500, 1},    {7, 10, 0x07, 0x003, 650, 2},
    {8, 13, 0x07, 0x10f, 800, 2},   {9, 14, 0x0f, 0x10f, 1050, 2},  {10, 15, 0x0f, 0x10f, 1200, 2},
    {11, 16, 0x0f, 0x10f, 1350, 3}, {12, 18, 0x0f, 0x14f, 1650, 3}, {13, 19, 0x0f, 0x16f, 1950, 3},
    {14, 20, 0x0f, 0x16f, 2250, 3}, {15, 21, 0x1f, 0x16f, 2550, 3}, {16, 22, 0x1f, 0x17f, 2950, 3},
    {17, 23, 0x1f, 0x1ff, 3350, 3}, {18, 24, 0x1f, 0x1ff, 3850, 3}, {18, 24, 0x3f, 0x1ff, 4450, 3},
};

TEST(LootRulesTest, TheCampaignsRewardsInChapterOrder)
{
    StorySave story;
    AllySave allies;
    for (int bundle = 1; bundle <= kLootBundleCount; ++bundle)
    {
        give(bundle, story, allies);
        const AfterReward& want = kCampaign[bundle - 1];
        SCOPED_TRACE("after reward " + std::to_string(bundle));
        EXPECT_EQ(story.progress, want.progress);
        EXPECT_EQ(unlockedNodeCount(story.progress), want.openNodes);
        EXPECT_EQ(unlockedWeapons(story), want.weapons);
        EXPECT_EQ(unlockedAllies(allies), want.allies);
        EXPECT_EQ(story.weapons[1].exp, want.weapon1Exp);
        EXPECT_EQ(story.weapons[1].level, want.weapon1Level);
    }
    EXPECT_EQ(story.coins, 5120);
    EXPECT_EQ(story.primaryWeapon, 0);
    EXPECT_EQ(story.secondaryWeapon, 1);
    // Weapon 0 has been the primary one since reward 2.
    EXPECT_EQ(story.weapons[0].exp, 4250);
    EXPECT_EQ(story.weapons[0].level, 3);
}

TEST(LootRulesTest, ReplayedRewardsGiveAgainButNeverLowerProgressOrLockAnything)
{
    StorySave story;
    AllySave allies;
    for (int bundle = 1; bundle <= kLootBundleCount; ++bundle)
        give(bundle, story, allies);
    const int weapons = unlockedWeapons(story);
    const int allyBits = unlockedAllies(allies);
    for (int bundle = 1; bundle <= kLootBundleCount; ++bundle)
    {
        const int coins = story.coins;
        give(bundle, story, allies);
        EXPECT_EQ(story.progress, 18) << bundle;
        EXPECT_EQ(story.coins, coins + lootReward(bundle)->coins) << bundle;
        EXPECT_EQ(unlockedWeapons(story), weapons) << bundle;
        EXPECT_EQ(unlockedAllies(allies), allyBits) << bundle;
    }
    // Reward 18 leaves the progress where it was, also below 18.
    story.progress = 5;
    give(18, story, allies);
    EXPECT_EQ(story.progress, 5);
}

TEST(LootRulesTest, WeaponsLevelOnlyAboveEachThresholdAndNeverDrop)
{
    struct Case
    {
        int exp;
        int level;
        int want;
    };
    const Case cases[] = {
        {0, 0, 0},    {100, 0, 0}, {101, 0, 1},   {500, 0, 1}, {501, 0, 2}, {1200, 0, 2},
        {1201, 0, 3}, {600, 0, 2}, {99999, 0, 3}, {0, 3, 3},   {200, 2, 2}, // a level is never lowered
        {5000, 3, 3},                                                       // nor raised past 3
    };
    for (const Case& c : cases)
    {
        WeaponRecord record{0, 0, 0};
        record.exp = c.exp;
        record.level = c.level;
        levelWeapon(record);
        EXPECT_EQ(record.level, c.want) << c.exp << " exp at level " << c.level;
    }

    // From 0 to 600 in one reward (300 in each of two slots on one weapon).
    StorySave story;
    story.primaryWeapon = story.secondaryWeapon = 3;
    applyStoryReward(*lootReward(11), story);
    EXPECT_EQ(story.weapons[3].exp, 600);
    EXPECT_EQ(story.weapons[3].level, 2);

    // Two different weapons each get the experience once.
    StorySave two;
    two.primaryWeapon = 0;
    two.secondaryWeapon = 2;
    applyStoryReward(*lootReward(11), two);
    EXPECT_EQ(two.weapons[0].exp, 300);
    EXPECT_EQ(two.weapons[2].exp, 300);
    EXPECT_EQ(two.weapons[1].exp, 0);
}

TEST(LootRulesTest, HandEditedSavesNeitherWrapNorWriteOutsideTheRecords)
{
    // Slots naming no record get nothing; the rest of the reward still counts.
    StorySave story;
    story.primaryWeapon = 9;
    story.secondaryWeapon = -1;
    applyStoryReward(*lootReward(1), story);
    EXPECT_EQ(story.coins, 120);
    EXPECT_EQ(story.progress, 2);
    for (const WeaponRecord& record : story.weapons)
        EXPECT_EQ(record.exp, 0);

    // Records 6 to 8 exist, so a slot on them gathers experience.
    StorySave spare;
    spare.primaryWeapon = 8;
    applyStoryReward(*lootReward(1), spare);
    EXPECT_EQ(spare.weapons[8].exp, 100);

    // Coins and experience stop at the top of the range.
    StorySave rich;
    rich.coins = INT_MAX - 10;
    rich.weapons[1].exp = INT_MAX - 150;
    applyStoryReward(*lootReward(1), rich);
    EXPECT_EQ(rich.coins, INT_MAX);
    EXPECT_EQ(rich.weapons[1].exp, INT_MAX);
    EXPECT_EQ(rich.weapons[1].level, 3);
    EXPECT_EQ(addSaturated(INT_MIN + 5, -10), INT_MIN);

    // Only bundles 1 to 18 exist.
    EXPECT_EQ(lootReward(0), nullptr);
    EXPECT_EQ(lootReward(19), nullptr);
}

TEST(LootRulesTest, TheLootScreenListsCoinsExperienceAndTheRewardsOwnPictures)
{
    struct Case
    {
        int bundle;
        std::vector<std::pair<std::string, std::string>> lines;
    };
    const Case cases[] = {
        {1, {{"120x Coins", "coins"}, {"100 Weapon Exp", "wexp"}}},
        {2, {{"ChainSword Blade", "vlad"}}},
        {4, {{"100x Coins", "coins"}}},
        {7,
         {{"300x Coins", "coins"},
          {"150 Weapon Exp", "wexp"},
          {"Male Survivor Ally", "male"},
          {"Female Survivor Ally", "female"},
          {"Bonus Allies", "bonuscharas"}}},
        // The last reward's label names the 600 it gives.
        {18, {{"700x Coins", "coins"}, {"600 Weapon Exp", "wexp"}, {"Black Blade", "blackblade"}}},
    };
    for (const Case& c : cases)
    {
        std::vector<std::pair<std::string, std::string>> got;
        for (const LootLine& line : lootLines(*lootReward(c.bundle)))
            got.emplace_back(line.label, line.picture);
        EXPECT_EQ(got, c.lines) << "bundle " << c.bundle;
    }

    // Every label of experience names the amount the reward adds.
    for (int bundle = 1; bundle <= kLootBundleCount; ++bundle)
    {
        const LootReward& reward = *lootReward(bundle);
        StorySave story;
        story.secondaryWeapon = 0;
        applyStoryReward(reward, story);
        const int given = story.weapons[1].exp;
        for (const LootLine& line : lootLines(reward))
        {
            if (line.picture != "wexp")
                continue;
            EXPECT_EQ(line.label, std::to_string(given) + " Weapon Exp") << bundle;
        }
    }
}
} // namespace
