// Level 1, the border street: twenty-eight zombies and hounds in six waves.
#include "stages/level1.h"

#include "fighter/fighter.h"
#include "stages/stage_setup.h"

namespace
{
constexpr int kEnemyCount = 28;

// Wave of each enemy by index; waves 4 and 5 take turns along the back row.
constexpr int kWaves[kEnemyCount] = {0, 0, 0, 1, 1, 1, 2, 2, 2, 3, 3, 3, 3, 3,
                                     4, 5, 5, 4, 5, 5, 4, 5, 4, 5, 4, 5, 4, 5};

struct start
{
    int rightBound;
    int x, y;
    bool facing;
};
// The first fourteen, placed one by one; the back row comes in one loop.
// Enemy 1 starts beyond its right bound and keeps that start.
constexpr start kFirstFourteen[] = {
    {700, 600, 300, false},  {700, 800, 300, false}, {700, 700, 300, false},   {1200, 1000, 300, false},
    {1200, 900, 300, false}, {1200, 0, 300, true},   {1200, 1100, 300, false}, {1200, 900, 300, false},
    {1200, 400, 300, false}, {1200, 100, 300, true}, {1200, 50, 300, true},    {1200, 20, 300, true},
    {1200, 50, 300, true},   {1200, 20, 300, true},
};
} // namespace

beatEmUpSegBuilderLv1::beatEmUpSegBuilderLv1()
{
    startX = 40;
}

void beatEmUpSegBuilderLv1::buildEnemies()
{
    loadStageType(*this, zombieGuy, "ZombieGuy");
    loadStageType(*this, fatZombie, "FatZombie");
    loadStageType(*this, hellHound, "HellHound");
    loadFaceKinds(*this);
    allocateEnemies(*this, kEnemyCount);
    for (int first : {0, 14})
    {
        for (int k = first; k <= first + 8; ++k)
            setUpEnemy(*this, k, {&zombieGuy, "ZombieGuy", 0, 100});
        for (int k = first + 9; k <= first + 11; ++k)
            setUpEnemy(*this, k, {&fatZombie, "FatZombie", 0, 300});
        for (int k = first + 12; k <= first + 13; ++k)
            setUpEnemy(*this, k, {&hellHound, "HellHound", 0, 300});
    }
    setupEnemyWaves();
    setupEnemyPositions();
}

void beatEmUpSegBuilderLv1::setupEnemyWaves()
{
    for (int k = 0; k < kEnemyCount; ++k)
        enemyAI[k].waveId = kWaves[k];
}

void beatEmUpSegBuilderLv1::setupEnemyPositions()
{
    for (int k = 0; k < 14; ++k)
    {
        Fighter* f = enemies[k].fighter;
        f->leftBound = 0;
        f->rightBound = kFirstFourteen[k].rightBound;
    }
    for (int k = 0; k < 14; ++k)
    {
        enemies[k].fighter->x = kFirstFourteen[k].x;
        enemies[k].fighter->y = kFirstFourteen[k].y;
    }
    for (int k = 0; k < 14; ++k)
        enemies[k].fighter->setDir(kFirstFourteen[k].facing);
    for (int k = 0; k < 14; ++k)
    {
        Fighter* f = enemies[14 + k].fighter;
        f->leftBound = 0;
        f->rightBound = 1200;
        f->x = 700 + 50 * k;
        f->y = 0;
        f->setDir(false);
    }
}

void beatEmUpSegBuilderLv1::buildSegments()
{
    using k = segmentKind;
    buildSegmentList(*this, {
                                {k::boundaryChange, 0, 700},
                                {k::posTrigger, 100},
                                {k::activateWave, 0},
                                {k::monitorWave, 0},
                                {k::boundaryChange, 0, 900},
                                {k::posTrigger, 600},
                                {k::boundaryChange, 40, 1200},
                                {k::activateWave, 1},
                                {k::monitorWave, 1},
                                {k::activateWave, 2},
                                {k::monitorWave, 2},
                                {k::activateWave, 3},
                                {k::monitorWave, 3},
                                {k::activateWave, 4},
                                {k::monitorWave, 4},
                                {k::activateWave, 5},
                                {k::monitorWave, 5},
                                {k::posTrigger, 1100},
                            });
}
