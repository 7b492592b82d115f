// Level 3, the long street: zombies, soldiers along the way, a horde from
// behind and a tank at the end.
#pragma once

#include "control/enemy_ai.h"
#include "screens/segment_builder.h"

class beatEmUpSegBuilderLv3 : public beatEmUpSegmentBuilder
{
public:
    beatEmUpSegBuilderLv3();

    void buildEnemies() override;
    void buildSegments() override;
    void setupEnemyWaves();
    void setupEnemyPositions();

    enemyData zombieGuy;
    enemyData zombieGal;
    enemyData armyGunner;
    enemyData armyShield;
    enemyData hellHound;
    enemyData tank;
};
