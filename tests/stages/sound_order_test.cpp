// The one sound set a stage's enemy types share: the fighters' common sounds
// come first, then each type's own in the order the script loads the types.
#include "stages/stage_table.h"
#include "tests/stages/built_stage.h"

#include <algorithm>
#include <set>

using namespace testing_support;

namespace
{
// Each type lists a sound of its own and "Thud", which every type shares: a
// name already in the set is not added again.
std::vector<std::string> typeSounds(const std::string& type)
{
    return {type + "Roar", "Thud"};
}

void writeTypes(const std::vector<std::string>& loadOrder)
{
    writeStageData({});
    for (const std::string& type : std::set<std::string>(loadOrder.begin(), loadOrder.end()))
    {
        CharacterSpec spec = fighterSpec("data/characters/" + type);
        spec.sounds = typeSounds(type);
        writeFighter(spec);
    }
}

struct SoundCase
{
    const char* stage;
    std::vector<std::string> loadOrder;
};

void PrintTo(const SoundCase& c, std::ostream* os)
{
    *os << c.stage;
}

const SoundCase kCases[] = {
    {"Lv1", {"ZombieGuy", "FatZombie", "HellHound"}},
    {"Lv2", {"ZombieGuy", "FatZombie", "MegaZombie", "HellHound", "GasSprayer"}},
    {"Lv3", {"ZombieGuy", "ZombieGal", "ArmyGunner", "ArmyShield", "HellHound", "Tank"}},
    {"Lv4", {"Oleck", "Brask"}},
    {"Lv5",
     {"ZombieGuy", "ZombieGal", "FatZombie", "MegaZombie", "ArmyGunner", "ArmyShield", "ArmyGunner",
      "HellHound", "window1", "window1", "window2", "window2"}},
    {"Lv6",
     {"ZombieGuy", "ZombieGal", "FatZombie", "ArmyGunner", "ArmyShield", "HellHound", "GasSprayer", "Tank",
      "MegaZombie"}},
    {"Lv7", {"ArmyGunner", "ArmyGunner", "ArmyShield", "Tank", "AirshipDoor"}},
    {"Lv8", {"HellHound", "HellSkull", "FiendM", "MegaGhost", "ZombieGuy", "ZombieGal"}},
    {"Lv9",
     {"HellHound", "HellSkull", "FiendM", "MegaGhost", "ZombieGuy", "ZombieGal", "FatZombie", "MegaZombie"}},
    {"Credits", {"ZombieGuy", "ZombieGal", "FatZombie", "MegaZombie"}},
    {"Boss1", {"Vlad"}},
    {"Boss8", {"Lilith"}},
};

class StageSoundsTest : public StageScriptTest, public ::testing::WithParamInterface<SoundCase>
{
};
} // namespace

TEST_P(StageSoundsTest, TypesAddTheirSoundsInLoadOrder)
{
    const SoundCase& c = GetParam();
    writeTypes(c.loadOrder);
    soundSet common;
    common.getList("data/soundSet");
    std::vector<std::string> expected = common.names();
    ASSERT_FALSE(expected.empty());
    for (const std::string& type : c.loadOrder)
        for (const std::string& name : typeSounds(type))
            if (std::find(expected.begin(), expected.end(), name) == expected.end())
                expected.push_back(name);

    const stageEntry* entry = findStage(c.stage);
    ASSERT_NE(entry, nullptr);
    std::unique_ptr<beatEmUpSegmentBuilder> script = entry->makeBuilder();
    StageRig rig(screen, *script, false);
    EXPECT_EQ(script->sounds.names(), expected);
}

INSTANTIATE_TEST_SUITE_P(EveryScript, StageSoundsTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<SoundCase>& info)
                         { return std::string(info.param.stage); });
