// The stages the game can run by name: each one's script and background.
#include "stages/stage_table.h"

#include "stages/level0.h"
#include "stages/level1.h"
#include "stages/level2.h"
#include "stages/level3.h"
#include "stages/level4.h"
#include "stages/level5.h"

namespace
{
template <typename Script> std::unique_ptr<beatEmUpSegmentBuilder> make()
{
    return std::make_unique<Script>();
}
} // namespace

const std::vector<stageEntry>& stageTable()
{
    static const std::vector<stageEntry> table = {
        {"Lv0", "nicksPlace", make<beatEmUpSegBuilderLv0>},
        {"Lv1", "borderStreet", make<beatEmUpSegBuilderLv1>},
        {"Lv2", "RichStreet", make<beatEmUpSegBuilderLv2>},
        {"Lv3", "LongStreet", make<beatEmUpSegBuilderLv3>},
        {"Lv4", "TowerBase", make<beatEmUpSegBuilderLv4>},
        {"Lv5", "elevatorBattle", make<beatEmUpSegBuilderLv5>},
    };
    return table;
}

const stageEntry* findStage(const std::string& name)
{
    for (const stageEntry& entry : stageTable())
        if (name == entry.name)
            return &entry;
    return nullptr;
}
