// Level 6, the road to the navy: a 4000-pixel field opened in four steps,
// twenty zombies of kinds drawn at random, soldiers, hounds, gas sprayers
// dropping in and two tanks.
#pragma once

#include "control/enemy_ai.h"
#include "screens/segment_builder.h"

class beatEmUpSegBuilderLv6 : public beatEmUpSegmentBuilder
{
public:
    beatEmUpSegBuilderLv6();

    void buildEnemies() override;
    void buildSegments() override;
    void setupEnemyWaves();
    void setupEnemyPositions();

    enemyData zombieGuy;
    enemyData zombieGal;
    enemyData fatZombie;
    enemyData gasSprayer;
    enemyData armyGunner;
    enemyData armyShield;
    enemyData hellHound;
    enemyData tank;
    enemyData megaZombie;
};
