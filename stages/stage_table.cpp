// The stages the game can run by name: each one's script and background.
#include "stages/stage_table.h"

#include "stages/final_run.h"
#include "stages/level0.h"
#include "stages/level1.h"
#include "stages/level2.h"
#include "stages/level3.h"
#include "stages/level4.h"
#include "stages/level5.h"
#include "stages/level6.h"
#include "stages/level7.h"
#include "stages/level8.h"
#include "stages/single_boss.h"

namespace
{
template <typename Script> std::unique_ptr<beatEmUpSegmentBuilder> make()
{
    return std::make_unique<Script>();
}

template <int Boss> std::unique_ptr<beatEmUpSegmentBuilder> makeBoss()
{
    const arcadeBoss& b = kArcadeBosses[Boss];
    return std::make_unique<beatEmUpSegBuilderSingleBoss>(b.name, b.hp, b.power);
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
        {"Lv6", "ToTheNavy", make<beatEmUpSegBuilderLv6>},
        {"Lv7", "airship", make<beatEmUpSegBuilderLv7>},
        {"Lv8", "HellRoad", make<beatEmUpSegBuilderLv8>},
        {"Lv9", "finalRun", make<beatEmUpSegBuilderLv9>},
        {"Credits", "credits", make<beatEmUpSegBuilderCredits>},
        {"Boss1", kArcadeBosses[0].background, makeBoss<0>},
        {"Boss2", kArcadeBosses[1].background, makeBoss<1>},
        {"Boss3", kArcadeBosses[2].background, makeBoss<2>},
        {"Boss4", kArcadeBosses[3].background, makeBoss<3>},
        {"Boss5", kArcadeBosses[4].background, makeBoss<4>},
        {"Boss6", kArcadeBosses[5].background, makeBoss<5>},
        {"Boss7", kArcadeBosses[6].background, makeBoss<6>},
        {"Boss8", kArcadeBosses[7].background, makeBoss<7>},
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
