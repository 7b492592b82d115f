// The story's eighteen chapters and the map's menu nodes: which scenes,
// stage or boss fight, reward and extras each node plays.
#include "modes/story_chapters.h"

#include "modes/story_map.h"

namespace
{
constexpr BossFight kNoBoss = {nullptr, nullptr, nullptr, nullptr, 0, 0, 0, 0, 0};
constexpr StageFight kNoStage = {nullptr, 0};

constexpr BossFight boss(const char* background, const char* chardata, const char* aiFolder, int hp,
                         int power, int attack, int violence)
{
    return {background, chardata, "faces", aiFolder, hp, power, attack, 0, violence};
}
} // namespace

const std::array<Chapter, kChapterCount> kChapters = {{
    {"beatSeg1", 0, 1, {"nicksPlace", 0}, kNoBoss, 1, 0, 0, 0, false},
    {"boss1", 1, 2, kNoStage,
     boss("borderStreetNight", "data/characters/Vlad/chardata", "data/characters/Vlad/ai", 1000, 100, 0, 1),
     2, 0, 2, 3, false},
    {"beatSeg2", 2, 4, {"borderStreet", 1}, kNoBoss, 3, 0, 0, 0, false},
    {"boss2", 3, 5, kNoStage,
     boss("burningBase", "data/characters/Spectre/chardata", "data/characters/Spectre/ai", 2000, 40, 0, 1), 4,
     0, 0, 6, false},
    {"beatSeg3", 7, 7, {"RichStreet", 2}, kNoBoss, 5, 0, 0, 8, false},
    {"boss3", 8, 9, kNoStage,
     boss("trainBattle", "data/characters/Weldy/chardata", "data/characters/Weldy/ai", 3000, 100, 0, 1), 6, 0,
     0, 10, false},
    {"beatSeg4", 9, 11, {"LongStreet", 3}, kNoBoss, 7, 0, 0, 12, false},
    {"boss4", 10, 13, {"TowerBase", 4}, kNoBoss, 8, 0, 0, 14, false},
    {"beatSeg5", 13, 15, {"elevatorBattle", 5}, kNoBoss, 9, 0, 0, 16, false},
    {"boss5", 14, 17, kNoStage,
     boss("towerTop", "data/characters/Giancarlo/chardata", "data/characters/Giancarlo/ai", 3000, 100, 0, 1),
     10, 0, 0, 18, false},
    {"beatSeg6", 15, 19, {"ToTheNavy", 6}, kNoBoss, 11, 0, 0, 20, false},
    {"boss6", 17, 21, kNoStage,
     boss("burningNavy", "data/characters/Spectre/chardata", "data/characters/Spectre/ai", 3000, 100, 3, 2),
     12, 0, 0, 22, false},
    {"beatSeg7", 18, 23, {"airship", 7}, kNoBoss, 13, 0, 0, 0, false},
    {"boss7", 19, 24, kNoStage,
     boss("airshipHangar", "data/characters/Mech/chardata", "data/characters/Mech/ai", 5000, 100, 0, 1), 14,
     0, 0, 25, false},
    {"beatSeg8", 20, 26, {"HellRoad", 8}, kNoBoss, 15, 0, 0, 27, false},
    {"boss8", 21, 28, kNoStage,
     boss("darkStreet", "data/characters/Johnny/chardata", "data/characters/Johnny/ai", 3000, 100, 0, 2), 16,
     0, 0, 29, false},
    {"beatSeg9", 22, 30, {"finalRun", 9}, kNoBoss, 17, 0, 0, 31, false},
    {"boss9", 23, 32, kNoStage,
     boss("destroyedStreet", "data/characters/Lilith/chardata", "data/characters/Lilith/ai", 5000, 100, 0, 2),
     18, 33, 0, 0, true},
}};

NodeStep nodeStep(int node)
{
    switch (node)
    {
    case 4:
    case 11:
        return NodeStep::Shop;
    case 5:
    case 16:
        return NodeStep::WeaponSelect;
    case 6:
    case 12:
        return NodeStep::AllySelect;
    default:
        return chapterAtNode(node) ? NodeStep::Chapter : NodeStep::Nothing;
    }
}

const Chapter* chapterAtNode(int node)
{
    if (node < 0 || node >= kMapNodeCount)
        return nullptr;
    for (const Chapter& chapter : kChapters)
        if (chapter.node == node)
            return &chapter;
    return nullptr;
}
