// The story's eighteen chapters and the map's menu nodes: which scenes,
// stage or boss fight, reward and extras each node plays.
#pragma once

#include <array>

constexpr int kChapterCount = 18;
// The stage level of the closing credits stage.
constexpr int kCreditsStage = -1;

// A beat-'em-up stage: the background's name and the stage script, level 0
// to 9 (level 4 is the stage of the two bosses Brask and Oleck).
struct StageFight
{
    const char* background;
    int level;
};

// A one-on-one fight against one boss.
struct BossFight
{
    const char* background;
    const char* chardata;
    // Folder under data/ whose "face" list the boss's control shows.
    const char* faces;
    const char* aiFolder;
    int hp;
    // Maximum power; the boss starts with none.
    int power;
    int attack;
    int defence;
    // The boss AI's think mode: 1 random, 2 aggressive.
    int violence;
};

struct Chapter
{
    // The chapter's own name in the story ("beatSeg1" .. "boss9").
    const char* name;
    int node;
    int sceneBefore;
    // A stage when stage.background is set, otherwise the boss fight.
    StageFight stage;
    BossFight boss;
    int reward;
    // Scene played between the won fight and the reward; 0 for none.
    int sceneBeforeReward;
    // Hint screen shown after the reward; 0 for none.
    int hint;
    // Scene played after the reward (and hint); 0 for none.
    int sceneAfter;
    // The closing credits stage follows the reward.
    bool credits;
};

extern const std::array<Chapter, kChapterCount> kChapters;

enum class NodeStep
{
    Nothing,
    Chapter,
    Shop,
    WeaponSelect,
    AllySelect
};

// What map node `node` runs; a node outside 0..23 runs nothing.
NodeStep nodeStep(int node);
// The chapter played at `node`, or null for a menu node or no node.
const Chapter* chapterAtNode(int node);
