// Level 0, the first stage: Nick's apartment, twenty zombies in five waves
// and a post box to break.
#pragma once

#include "control/enemy_ai.h"
#include "screens/segment_builder.h"

class beatEmUpSegBuilderLv0 : public beatEmUpSegmentBuilder
{
public:
    beatEmUpSegBuilderLv0();

    void buildEnemies() override;
    void buildSegments() override;
    void setupEnemyWaves();
    void setupEnemyPositions();
    void buildObjects();

    enemyData zombieGuy;
    enemyData fatZombie;
    enemyData postBox;
};
