// Level 5, the elevator: nine waves dropping in or walking in from the left,
// four windows to break, and three beaten waves that get up again.
#pragma once

#include "control/enemy_ai.h"
#include "screens/segment_builder.h"

class beatEmUpSegBuilderLv5 : public beatEmUpSegmentBuilder
{
public:
    beatEmUpSegBuilderLv5();

    void buildEnemies() override;
    void buildSegments() override;
    void setupEnemyWaves();
    void setupEnemyPositions();
    void buildObjects();

    enemyData zombieGuy;
    enemyData zombieGal;
    enemyData fatZombie;
    enemyData megaZombie;
    enemyData armyGunner;
    enemyData armyShield;
    enemyData redGunner; // the gunner's palette-1 look, for enemy 17 alone
    enemyData hellHound;
    // One full load per window: each is that window's own fighter.
    enemyData window0;
    enemyData window1;
    enemyData window2;
    enemyData window3;
};
