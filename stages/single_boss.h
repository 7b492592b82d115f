// A stage of one boss, named with its health and power: the arcade's way of
// fighting each boss on the boss's own ground.
#pragma once

#include <string>

#include "control/enemy_ai.h"
#include "screens/segment_builder.h"

class beatEmUpSegBuilderSingleBoss : public beatEmUpSegmentBuilder
{
public:
    beatEmUpSegBuilderSingleBoss(std::string bossName, int hp, int power);

    void buildEnemies() override;
    void buildSegments() override;
    void setupEnemyWaves();
    void setupEnemyPositions();

    enemyData boss;
    std::string bossName;
    int bossHP;
    int bossPower;
};

// The bosses the arcade run meets, in order, each with the background it is
// fought on.
struct arcadeBoss
{
    const char* name;
    int hp;
    int power;
    const char* background;
};
constexpr arcadeBoss kArcadeBosses[] = {
    {"Vlad", 2000, 100, "borderStreetNight"}, {"Spectre", 2000, 100, "burningBase"},
    {"Weldy", 4000, 100, "trainBattle"},      {"Giancarlo", 5000, 100, "towerTop"},
    {"Spectre", 5000, 100, "burningNavy"},    {"Mech", 6000, 100, "airshipHangar"},
    {"Johnny", 7000, 100, "darkStreet"},      {"Lilith", 10000, 100, "destroyedStreet"},
};
