// Level 4, the tower's base: Oleck and Brask fought together.
#pragma once

#include "control/enemy_ai.h"
#include "screens/segment_builder.h"

class beatEmUpSegBuilderLv4 : public beatEmUpSegmentBuilder
{
public:
    beatEmUpSegBuilderLv4();

    void buildEnemies() override;
    void buildSegments() override;
    void setupEnemyWaves();
    void setupEnemyPositions();

    enemyData oleck;
    enemyData brask;
};
