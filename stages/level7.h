// Level 7, the airship: four sections opened to the right, two doors to break,
// soldiers dropping in, and five tanks that come from behind and vanish once
// destroyed.
#pragma once

#include "control/enemy_ai.h"
#include "screens/segment_builder.h"

class beatEmUpSegBuilderLv7 : public beatEmUpSegmentBuilder
{
public:
    beatEmUpSegBuilderLv7();

    void buildEnemies() override;
    void buildSegments() override;
    void setupEnemyWaves();
    // Places every enemy by its wave; the tanks at a drawn x each.
    void setupEnemyPositions();

    enemyData gunnerBoss;
    enemyData gunner;
    enemyData shield;
    enemyData tank;
    enemyData door;
};
