// Level 8, the hell road, run from right to left: each section opens the field
// further left until the player reaches x 0.
#pragma once

#include "control/enemy_ai.h"
#include "screens/segment_builder.h"

class beatEmUpSegBuilderLv8 : public beatEmUpSegmentBuilder
{
public:
    beatEmUpSegBuilderLv8();

    void buildEnemies() override;
    void buildSegments() override;
    void setupEnemyWaves();
    void setupEnemyPositions();

    enemyData hellSkull;
    enemyData fiendM;
    enemyData hellHound;
    enemyData megaGhost;
    enemyData zombieGuy;
    enemyData zombieGal;
};
