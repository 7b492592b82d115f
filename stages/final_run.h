// Level 9 and the credits: a hundred enemies over the whole 8000-pixel street,
// each thrown into a wave and a place at random whenever the stage is built.
#pragma once

#include "control/enemy_ai.h"
#include "screens/segment_builder.h"

// The random rule and the step list the two stages share.
class randomWaveStage : public beatEmUpSegmentBuilder
{
public:
    randomWaveStage();

    void buildSegments() override;
    // Draws each enemy's wave (1 to 9) and start x around 1000 times it.
    void setupEnemyWaves();
    void setupEnemyPositions() {}

    static constexpr int kEnemyCount = 100;
    static constexpr int kFieldWidth = 8000;
};

class beatEmUpSegBuilderLv9 : public randomWaveStage
{
public:
    void buildEnemies() override;

    enemyData hellSkull;
    enemyData fiendM;
    enemyData hellHound;
    enemyData megaGhost;
    enemyData zombieGuy;
    enemyData zombieGal;
    enemyData fatZombie;
    enemyData megaZombie;
};

class beatEmUpSegBuilderCredits : public randomWaveStage
{
public:
    void buildEnemies() override;

    enemyData zombieGuy;
    enemyData zombieGal;
    enemyData fatZombie;
    enemyData megaZombie;
};
