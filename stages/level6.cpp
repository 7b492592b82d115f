// Level 6, the road to the navy: a 4000-pixel field opened in four steps,
// twenty zombies of kinds drawn at random, soldiers, hounds, gas sprayers
// dropping in and two tanks.
#include "stages/level6.h"

#include "engine/globals.h"
#include "fighter/fighter.h"
#include "stages/stage_setup.h"

namespace
{
constexpr int kEnemyCount = 62;
constexpr int kFieldWidth = 4000;

// Runs of enemies from `first` to `last`: wave and start.
struct placeRun
{
    int first, last;
    int wave;
    int x, y;
};
constexpr placeRun kPlaces[] = {
    {0, 19, 2, 2200, 340}, {20, 39, 1, 1000, 340}, {40, 44, 3, 2000, 340}, {45, 49, 3, 4000, 340},
    {50, 50, 2, 0, 340},   {51, 51, 2, 4000, 340}, {52, 56, 3, 2500, -10}, {57, 61, 4, 4000, 340},
};
} // namespace

beatEmUpSegBuilderLv6::beatEmUpSegBuilderLv6()
{
    startX = 40;
}

void beatEmUpSegBuilderLv6::buildEnemies()
{
    loadStageType(*this, zombieGuy, "ZombieGuy", 1);
    loadStageType(*this, zombieGal, "ZombieGal", 6);
    loadStageType(*this, fatZombie, "FatZombie", 5);
    loadStageType(*this, armyGunner, "ArmyGunner");
    loadStageType(*this, armyShield, "ArmyShield");
    loadStageType(*this, hellHound, "HellHound", 1);
    loadStageType(*this, gasSprayer, "GasSprayer");
    loadStageType(*this, tank, "Tank");
    loadStageType(*this, megaZombie, "MegaZombie");
    loadFaceKinds(*this);
    allocateEnemies(*this, kEnemyCount);
    // Each of the first twenty is a zombie of a kind drawn as it is built.
    const enemyRow zombies[3] = {{&zombieGuy, "ZombieGuy", 0, 100},
                                 {&zombieGal, "ZombieGal", 0, 200},
                                 {&fatZombie, "FatZombie", 0, 300}};
    for (int k = 0; k <= 19; ++k)
        setUpEnemy(*this, k, zombies[g_randomNumber.getNumber(3)]);
    for (int k = 20; k <= 29; ++k)
        setUpEnemy(*this, k, {&armyGunner, "ArmyGunner", 0, 200, 20});
    for (int k = 30; k <= 39; ++k)
        setUpEnemy(*this, k, {&armyShield, "ArmyShield", 0, 300});
    for (int k = 40; k <= 49; ++k)
        setUpEnemy(*this, k, {&hellHound, "HellHound", 0, 200});
    for (int k = 50; k <= 51; ++k)
        setUpEnemy(*this, k, {&tank, "Tank", 0, 5000, -1, 150});
    for (int k = 52; k <= 56; ++k)
        setUpEnemy(*this, k, {&gasSprayer, "GasSprayer", 0, 500});
    for (int k = 57; k <= 61; ++k)
        setUpEnemy(*this, k, {&megaZombie, "MegaZombie", 0, 500});
    setupEnemyWaves();
    setupEnemyPositions();
}

void beatEmUpSegBuilderLv6::setupEnemyWaves()
{
    for (const placeRun& run : kPlaces)
        for (int k = run.first; k <= run.last; ++k)
            enemyAI[k].waveId = run.wave;
}

void beatEmUpSegBuilderLv6::setupEnemyPositions()
{
    for (const placeRun& run : kPlaces)
        for (int k = run.first; k <= run.last; ++k)
        {
            Fighter* f = enemies[k].fighter;
            f->leftBound = 0;
            f->rightBound = kFieldWidth;
            // The gas sprayers drop in 200 pixels apart.
            f->x = k >= 52 && k <= 56 ? 2500 + 200 * (k - 52) : run.x;
            f->y = run.y;
        }
}

void beatEmUpSegBuilderLv6::buildSegments()
{
    using k = segmentKind;
    buildSegmentList(*this, {
                                {k::boundaryChange, 0, 1000},
                                {k::activateWave, 0},
                                {k::activateWave, 1},
                                {k::monitorWave, 1},
                                {k::boundaryChange, 0, 2500},
                                {k::posTrigger, 1500},
                                {k::activateWave, 2},
                                {k::monitorWave, 2},
                                {k::boundaryChange, 0, 3500},
                                {k::posTrigger, 3000},
                                {k::activateWave, 3},
                                {k::monitorWave, 3},
                                {k::boundaryChange, 0, kFieldWidth},
                                {k::activateWave, 4},
                                {k::monitorWave, 4},
                                {k::posTrigger, 3950},
                            });
}
