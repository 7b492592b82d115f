// Level 1, the border street: twenty-eight zombies and hounds in six waves.
#pragma once

#include "control/enemy_ai.h"
#include "screens/segment_builder.h"

class beatEmUpSegBuilderLv1 : public beatEmUpSegmentBuilder
{
public:
    beatEmUpSegBuilderLv1();

    void buildEnemies() override;
    void buildSegments() override;
    void setupEnemyWaves();
    void setupEnemyPositions();

    enemyData zombieGuy;
    enemyData fatZombie;
    enemyData hellHound;
};
