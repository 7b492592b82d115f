// Level 2, the rich street: three gas sprayers gate the way to a mega zombie
// and its crowd.
#include "stages/level2.h"

#include "fighter/fighter.h"
#include "stages/stage_setup.h"

namespace
{
constexpr int kEnemyCount = 29;
constexpr int kFieldWidth = 1500;

enum facing
{
    left,
    right,
    unset, // keeps the fighter's own facing
};
struct start
{
    int wave;
    int rightBound;
    int x, y;
    facing dir;
};
// Enemies 0..18 by index; the crowd 19..28 all start at the right end.
constexpr start kPlaced[] = {
    {1, 700, 600, 300, left},    {1, 700, 650, 300, left},   {1, 700, 700, 300, left},
    {4, 1500, 750, 300, left},   {4, 1500, 700, 300, left},  {4, 1500, 750, 300, left},
    {7, 1500, 1000, 300, left},  {3, 1500, 300, 300, right}, {3, 1500, 400, 300, right},
    {3, 1500, 350, 300, right},  {7, 1500, 900, 300, left},  {7, 1500, 930, 300, left},
    {6, 1500, 50, 300, right},   {6, 1500, 20, 300, right},  {6, 1500, 0, 300, right},
    {0, 1500, 500, 350, unset},  {2, 1500, 670, 300, unset}, {5, 1500, 880, 300, unset},
    {8, 1500, 1430, 300, unset},
};
constexpr int kPlacedCount = sizeof kPlaced / sizeof kPlaced[0];
constexpr start kCrowd = {8, kFieldWidth, 1500, 300, left};

const start& startOf(int k)
{
    return k < kPlacedCount ? kPlaced[k] : kCrowd;
}
} // namespace

beatEmUpSegBuilderLv2::beatEmUpSegBuilderLv2()
{
    startX = 40;
}

void beatEmUpSegBuilderLv2::buildEnemies()
{
    loadStageType(*this, zombieGuy, "ZombieGuy", 6);
    loadStageType(*this, fatZombie, "FatZombie", 1);
    loadStageType(*this, megaZombie, "MegaZombie");
    loadStageType(*this, hellHound, "HellHound");
    loadStageType(*this, gasSprayer, "GasSprayer");
    loadFaceKinds(*this);
    allocateEnemies(*this, kEnemyCount);
    for (int k = 0; k <= 6; ++k)
        setUpEnemy(*this, k, {&zombieGuy, "ZombieGuy", 0, 200});
    for (int k = 7; k <= 11; ++k)
        setUpEnemy(*this, k, {&fatZombie, "FatZombie", 0, 400});
    for (int k = 12; k <= 14; ++k)
        setUpEnemy(*this, k, {&hellHound, "HellHound", 0, 300});
    for (int k = 15; k <= 17; ++k)
        setUpEnemy(*this, k, {&gasSprayer, "GasSprayer", 0, 1000});
    setUpEnemy(*this, 18, {&megaZombie, "MegaZombie", 0, 1000});
    for (int k = 19; k <= 28; ++k)
        setUpEnemy(*this, k, {&zombieGuy, "ZombieGuy", 0, 100});
    setupEnemyWaves();
    setupEnemyPositions();
}

void beatEmUpSegBuilderLv2::setupEnemyWaves()
{
    for (int k = 0; k < kEnemyCount; ++k)
        enemyAI[k].waveId = startOf(k).wave;
}

void beatEmUpSegBuilderLv2::setupEnemyPositions()
{
    for (int k = 0; k < kEnemyCount; ++k)
    {
        const start& s = startOf(k);
        Fighter* f = enemies[k].fighter;
        f->leftBound = 0;
        f->rightBound = s.rightBound;
        f->x = s.x;
        f->y = s.y;
        if (s.dir != unset)
            f->setDir(s.dir == right);
    }
}

void beatEmUpSegBuilderLv2::buildSegments()
{
    using k = segmentKind;
    buildSegmentList(*this, {
                                {k::boundaryChange, 0, 640},
                                {k::activateWave, 0},
                                {k::activateWave, 1},
                                {k::monitorWave, 0},
                                {k::boundaryChange, 0, 800},
                                {k::activateWave, 2},
                                {k::posTrigger, 600},
                                {k::activateWave, 3},
                                {k::activateWave, 4},
                                {k::monitorWave, 2},
                                {k::boundaryChange, 0, 1000},
                                {k::activateWave, 5},
                                {k::posTrigger, 800},
                                {k::activateWave, 6},
                                {k::activateWave, 7},
                                {k::monitorWave, 5},
                                {k::boundaryChange, 640, kFieldWidth},
                                {k::activateWave, 8},
                                {k::monitorWave, 8},
                                {k::posTrigger, 1490},
                            });
}
