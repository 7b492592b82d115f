// A stage of one boss, named with its health and power: the arcade's way of
// fighting each boss on the boss's own ground.
#include "stages/single_boss.h"

#include "fighter/fighter.h"
#include "stages/stage_setup.h"

#include <utility>

beatEmUpSegBuilderSingleBoss::beatEmUpSegBuilderSingleBoss(std::string name, int hp, int power)
    : bossName(std::move(name)), bossHP(hp), bossPower(power)
{
    startX = 40;
}

void beatEmUpSegBuilderSingleBoss::buildEnemies()
{
    loadStageType(*this, boss, bossName);
    loadFaceKinds(*this);
    allocateEnemies(*this, 1);
    // Awake and at full health from the start.
    setUpEnemy(*this, 0, {&boss, bossName.c_str(), bossHP, bossHP, 0, -1, true, bossPower});
    setupEnemyWaves();
    setupEnemyPositions();
}

void beatEmUpSegBuilderSingleBoss::setupEnemyWaves()
{
    enemyAI[0].waveId = 1;
}

void beatEmUpSegBuilderSingleBoss::setupEnemyPositions()
{
    Fighter* f = enemies[0].fighter;
    f->leftBound = 0;
    f->rightBound = 800;
    f->setDir(false);
    // Below the ground line: the first gravity step stands it on the ground.
    f->x = 540;
    f->y = 800;
}

void beatEmUpSegBuilderSingleBoss::buildSegments()
{
    using k = segmentKind;
    buildSegmentList(*this, {
                                {k::boundaryChange, 0, 800},
                                {k::activateWave, 0},
                                {k::activateWave, 1},
                                {k::monitorWave, 1},
                                {k::posTrigger, 790},
                            });
}
