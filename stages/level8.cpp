// Level 8, the hell road, run from right to left: each section opens the field
// further left until the player reaches x 0.
#include "stages/level8.h"

#include "fighter/fighter.h"
#include "stages/stage_setup.h"

namespace
{
constexpr int kEnemyCount = 76;

struct waveRun
{
    int first, last, wave;
};
constexpr waveRun kWaves[] = {
    {0, 0, 1}, {1, 7, 2}, {8, 14, 3}, {15, 24, 6}, {25, 34, 4}, {35, 55, 5}, {56, 75, 7},
};

// Each run's left bound and start x; the right bound is the road's end.
struct placeRun
{
    int first, last, left, x;
};
constexpr placeRun kPlaces[] = {
    {0, 7, 3150, 3159},   {8, 14, 2380, 2436}, {15, 24, 0, 0},
    {25, 34, 1910, 1917}, {35, 55, 775, 781},  {56, 75, 0, 0},
};
} // namespace

beatEmUpSegBuilderLv8::beatEmUpSegBuilderLv8()
{
    startX = 3990;
}

void beatEmUpSegBuilderLv8::buildEnemies()
{
    loadStageType(*this, hellHound, "HellHound");
    loadStageType(*this, hellSkull, "HellSkull");
    loadStageType(*this, fiendM, "FiendM");
    loadStageType(*this, megaGhost, "MegaGhost");
    loadStageType(*this, zombieGuy, "ZombieGuy", 3);
    loadStageType(*this, zombieGal, "ZombieGal", 3);
    loadFaceKinds(*this);
    allocateEnemies(*this, kEnemyCount);
    // Only the fiends are built down; the rest stand at full health, asleep.
    for (int k = 0; k <= 24; ++k)
        setUpEnemy(*this, k, {&fiendM, "FiendM", 0, 700, 50, -1, false, 100});
    for (int k = 25; k <= 49; ++k)
        setUpEnemy(*this, k, {&hellSkull, "HellSkull", 100, 100});
    setUpEnemy(*this, 50, {&megaGhost, "MegaGhost", 2000, 2000, -1, 100});
    for (int k = 51; k <= 55; ++k)
        setUpEnemy(*this, k, {&hellHound, "HellHound", 100, 100});
    for (int k = 56; k <= 65; ++k)
        setUpEnemy(*this, k, {&zombieGuy, "ZombieGuy", 100, 100});
    for (int k = 66; k <= 75; ++k)
        setUpEnemy(*this, k, {&zombieGal, "ZombieGal", 100, 100});
    setupEnemyWaves();
    setupEnemyPositions();
}

void beatEmUpSegBuilderLv8::setupEnemyWaves()
{
    for (const waveRun& run : kWaves)
        for (int k = run.first; k <= run.last; ++k)
            enemyAI[k].waveId = run.wave;
}

void beatEmUpSegBuilderLv8::setupEnemyPositions()
{
    for (const placeRun& run : kPlaces)
        for (int k = run.first; k <= run.last; ++k)
        {
            Fighter* f = enemies[k].fighter;
            f->leftBound = run.left;
            f->rightBound = 4000;
            f->x = run.x;
            f->y = 340;
        }
}

void beatEmUpSegBuilderLv8::buildSegments()
{
    using k = segmentKind;
    buildSegmentList(*this, {
                                {k::boundaryChange, 3159, 4000},
                                {k::posTrigger, 3724},
                                {k::activateWave, 0},
                                {k::activateWave, 1},
                                {k::monitorWave, 1},
                                {k::activateWave, 2},
                                {k::monitorWave, 2},
                                {k::boundaryChange, 2436, 4000},
                                {k::posTrigger, 3118},
                                {k::activateWave, 3},
                                {k::monitorWave, 3},
                                {k::boundaryChange, 1917, 4000},
                                {k::posTrigger, 2389},
                                {k::activateWave, 4},
                                {k::monitorWave, 4},
                                {k::boundaryChange, 781, 4000},
                                {k::activateWave, 5},
                                {k::monitorWave, 5},
                                {k::boundaryChange, 0, 4000},
                                {k::activateWave, 6},
                                {k::monitorWave, 6},
                                {k::activateWave, 7},
                                {k::monitorWave, 7},
                                {k::posTrigger, 0},
                            });
}
