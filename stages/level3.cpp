// Level 3, the long street: zombies, soldiers along the way, a horde from
// behind and a tank at the end.
#include "stages/level3.h"

#include "fighter/fighter.h"
#include "stages/stage_setup.h"

namespace
{
constexpr int kEnemyCount = 37;
constexpr int kFieldWidth = 4000;
constexpr int kTank = 36;

// Wave of each enemy by index; wave 0 stays empty.
constexpr int kWaves[kEnemyCount] = {1, 1, 1, 1, 2, 2, 2, 4, 4, 6, 6, 6, 3, 3, 3, 4, 4, 4, 5,
                                     5, 5, 5, 5, 6, 6, 6, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 8};

struct start
{
    int k;
    int x, y;
};
// The horde, enemies 26..35, keeps (0, 0): it falls in at the street's left end.
constexpr start kStarts[] = {
    {0, 540, 340},   {1, 560, 340},   {2, 530, 340},      {3, 550, 340},   {4, 1500, 300},  {5, 1510, 300},
    {6, 1520, 300},  {7, 2510, 300},  {8, 2520, 300},     {9, 3800, 300},  {10, 3810, 300}, {11, 3820, 300},
    {12, 2020, 300}, {13, 2030, 300}, {14, 2040, 300},    {15, 2500, 350}, {16, 2510, 300}, {17, 2520, 300},
    {18, 3000, 300}, {19, 3020, 300}, {20, 3030, 300},    {21, 3040, 300}, {22, 3050, 350}, {23, 3800, 300},
    {24, 3810, 300}, {25, 3820, 300}, {kTank, 3820, 300},
};
} // namespace

beatEmUpSegBuilderLv3::beatEmUpSegBuilderLv3()
{
    startX = 40;
}

void beatEmUpSegBuilderLv3::buildEnemies()
{
    loadStageType(*this, zombieGuy, "ZombieGuy");
    loadStageType(*this, zombieGal, "ZombieGal");
    loadStageType(*this, armyGunner, "ArmyGunner");
    loadStageType(*this, armyShield, "ArmyShield");
    loadStageType(*this, hellHound, "HellHound", 1);
    loadStageType(*this, tank, "Tank");
    loadFaceKinds(*this);
    allocateEnemies(*this, kEnemyCount);
    for (int k = 0; k <= 3; ++k)
        setUpEnemy(*this, k, {&zombieGuy, "ZombieGuy", 0, 100});
    for (int k = 4; k <= 11; ++k)
        setUpEnemy(*this, k, {&armyGunner, "ArmyGunner", 0, 200, 20});
    for (int k = 12; k <= 24; ++k)
        setUpEnemy(*this, k, {&armyShield, "ArmyShield", 0, 300});
    setUpEnemy(*this, 25, {&hellHound, "HellHound", 0, 200});
    for (int k = 26; k <= 30; ++k)
        setUpEnemy(*this, k, {&zombieGuy, "ZombieGuy", 0, 300});
    for (int k = 31; k <= 35; ++k)
        setUpEnemy(*this, k, {&zombieGal, "ZombieGal", 0, 300});
    // The tank keeps its distance: it fires from further off than the rest.
    setUpEnemy(*this, kTank, {&tank, "Tank", 0, 5000, -1, 150});
    setupEnemyWaves();
    setupEnemyPositions();
}

void beatEmUpSegBuilderLv3::setupEnemyWaves()
{
    for (int k = 0; k < kEnemyCount; ++k)
        enemyAI[k].waveId = kWaves[k];
}

void beatEmUpSegBuilderLv3::setupEnemyPositions()
{
    for (int k = 0; k < kEnemyCount; ++k)
    {
        Fighter* f = enemies[k].fighter;
        f->leftBound = 0;
        f->rightBound = kFieldWidth;
        f->setDir(false);
    }
    for (int k = 0; k <= 3; ++k)
        enemies[k].fighter->rightBound = 640;
    for (const start& s : kStarts)
    {
        enemies[s.k].fighter->x = s.x;
        enemies[s.k].fighter->y = s.y;
    }
}

void beatEmUpSegBuilderLv3::buildSegments()
{
    using k = segmentKind;
    buildSegmentList(
        *this,
        {
            {k::boundaryChange, 0, 640}, {k::activateWave, 0},         {k::activateWave, 1},
            {k::monitorWave, 1},         {k::boundaryChange, 0, 2000}, {k::posTrigger, 1000},
            {k::activateWave, 2},        {k::monitorWave, 2},          {k::activateWave, 3},
            {k::monitorWave, 3},         {k::boundaryChange, 0, 3000}, {k::posTrigger, 1800},
            {k::activateWave, 4},        {k::monitorWave, 4},          {k::activateWave, 5},
            {k::activateWave, 7},        {k::monitorWave, 5},          {k::boundaryChange, 0, kFieldWidth},
            {k::posTrigger, 2500},       {k::activateWave, 6},         {k::monitorWave, 6},
            {k::monitorWave, 7},         {k::activateWave, 8},         {k::monitorWave, 8},
            {k::posTrigger, 3950},
        });
}
