// Level 9 and the credits: a hundred enemies over the whole 8000-pixel street,
// each thrown into a wave and a place at random whenever the stage is built.
#include "stages/final_run.h"

#include "engine/globals.h"
#include "fighter/fighter.h"
#include "stages/stage_setup.h"

randomWaveStage::randomWaveStage()
{
    startX = 15;
}

void randomWaveStage::setupEnemyWaves()
{
    for (int k = 0; k < numEnemies; ++k)
    {
        const int wave = g_randomNumber.getNumber(9) + 1;
        const int a = g_randomNumber.getNumber(250);
        const int b = g_randomNumber.getNumber(250);
        enemyAI[k].waveId = wave;
        Fighter* f = enemies[k].fighter;
        f->x = 1000 * wave + a - b;
        f->y = 340;
        f->leftBound = 0;
        f->rightBound = kFieldWidth;
    }
}

void randomWaveStage::buildSegments()
{
    using k = segmentKind;
    std::vector<segmentRow> rows = {
        {k::boundaryChange, 0, kFieldWidth}, {k::posTrigger, 100}, {k::activateWave, 0}};
    // Wave 10 is never drawn: its two steps pass at once.
    for (int wave = 1; wave <= 10; ++wave)
    {
        rows.push_back({k::activateWave, wave});
        rows.push_back({k::monitorWave, wave});
    }
    rows.push_back({k::posTrigger, 7990});
    buildSegmentList(*this, rows);
}

void beatEmUpSegBuilderLv9::buildEnemies()
{
    loadStageType(*this, hellHound, "HellHound");
    loadStageType(*this, hellSkull, "HellSkull");
    loadStageType(*this, fiendM, "FiendM");
    loadStageType(*this, megaGhost, "MegaGhost");
    loadStageType(*this, zombieGuy, "ZombieGuy", 3);
    loadStageType(*this, zombieGal, "ZombieGal", 3);
    loadStageType(*this, fatZombie, "FatZombie", 3);
    loadStageType(*this, megaZombie, "MegaZombie", 3);
    loadFaceKinds(*this);
    allocateEnemies(*this, kEnemyCount);
    struct run
    {
        int first, last;
        enemyRow row;
    };
    const run runs[] = {
        {0, 9, {&fiendM, "FiendM", 0, 300, 50, -1, false, 100}},
        {10, 19, {&hellSkull, "HellSkull", 100, 100}},
        {20, 29, {&megaGhost, "MegaGhost", 700, 700, -1, 100}},
        {30, 39, {&hellHound, "HellHound", 100, 100}},
        {40, 59, {&zombieGuy, "ZombieGuy", 100, 100}},
        {60, 79, {&zombieGal, "ZombieGal", 100, 100}},
        {80, 89, {&fatZombie, "FatZombie", 0, 300}},
        {90, 99, {&megaZombie, "MegaZombie", 0, 500}},
    };
    for (const run& r : runs)
        for (int k = r.first; k <= r.last; ++k)
            setUpEnemy(*this, k, r.row);
    setupEnemyWaves();
    setupEnemyPositions();
}

void beatEmUpSegBuilderCredits::buildEnemies()
{
    loadStageType(*this, zombieGuy, "ZombieGuy", 3);
    loadStageType(*this, zombieGal, "ZombieGal", 3);
    loadStageType(*this, fatZombie, "FatZombie", 3);
    loadStageType(*this, megaZombie, "MegaZombie", 3);
    loadFaceKinds(*this);
    allocateEnemies(*this, kEnemyCount);
    for (int k = 0; k < kEnemyCount; ++k)
    {
        switch (k / 25)
        {
        case 0:
            setUpEnemy(*this, k, {&zombieGuy, "ZombieGuy", 100, 100});
            break;
        case 1:
            setUpEnemy(*this, k, {&zombieGal, "ZombieGal", 100, 100});
            break;
        case 2:
            setUpEnemy(*this, k, {&fatZombie, "FatZombie", 0, 300});
            break;
        default:
            setUpEnemy(*this, k, {&megaZombie, "MegaZombie", 0, 500});
            break;
        }
    }
    setupEnemyWaves();
    setupEnemyPositions();
}
