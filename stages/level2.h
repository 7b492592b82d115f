// Level 2, the rich street: three gas sprayers gate the way to a mega zombie
// and its crowd.
#pragma once

#include "control/enemy_ai.h"
#include "screens/segment_builder.h"

class beatEmUpSegBuilderLv2 : public beatEmUpSegmentBuilder
{
public:
    beatEmUpSegBuilderLv2();

    void buildEnemies() override;
    void buildSegments() override;
    void setupEnemyWaves();
    void setupEnemyPositions();

    enemyData zombieGuy;
    enemyData fatZombie;
    enemyData megaZombie;
    enemyData hellHound;
    enemyData gasSprayer;
};
