// The stages the game can run by name: each one's script and background.
#include "stages/stage_table.h"

#include "stages/level0.h"

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
