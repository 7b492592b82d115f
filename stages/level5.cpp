// Level 5, the elevator: nine waves dropping in or walking in from the left,
// four windows to break, and three beaten waves that get up again.
#include "stages/level5.h"

#include "control/stage_object.h"
#include "fighter/fighter.h"
#include "stages/stage_setup.h"

namespace
{
constexpr int kEnemyCount = 36;
constexpr int kFieldWidth = 640;

struct start
{
    int wave;
    int x, y; // y 0 drops in from the top, 350 stands on the ground
};
constexpr start kStarts[kEnemyCount] = {
    {1, 10, 0},  {1, 40, 0},  {1, 70, 0},  {1, 550, 0}, {1, 500, 0}, {1, 600, 0}, {2, 0, 350}, {2, 0, 350},
    {2, 0, 350}, {3, 0, 350}, {4, 0, 350}, {4, 0, 350}, {4, 0, 350}, {4, 0, 350}, {5, 400, 0}, {5, 500, 0},
    {5, 600, 0}, {6, 620, 0}, {7, 0, 350}, {7, 0, 350}, {7, 0, 350}, {7, 0, 350}, {7, 0, 350}, {7, 0, 350},
    {7, 0, 350}, {7, 0, 350}, {8, 550, 0}, {8, 500, 0}, {8, 600, 0}, {8, 550, 0}, {8, 500, 0}, {9, 600, 0},
    {9, 45, 0},  {9, 55, 0},  {9, 50, 0},  {9, 0, 0},
};

struct window
{
    const char* typeName;
    int x;
};
constexpr window kWindows[4] = {{"window1", 166}, {"window1", 326}, {"window2", 26}, {"window2", 486}};
constexpr int kWindowY = 350;
} // namespace

beatEmUpSegBuilderLv5::beatEmUpSegBuilderLv5()
{
    startX = 40;
}

void beatEmUpSegBuilderLv5::buildEnemies()
{
    loadStageType(*this, zombieGuy, "ZombieGuy");
    loadStageType(*this, zombieGal, "ZombieGal");
    loadStageType(*this, fatZombie, "FatZombie");
    loadStageType(*this, megaZombie, "MegaZombie");
    loadStageType(*this, armyGunner, "ArmyGunner");
    loadStageType(*this, armyShield, "ArmyShield");
    loadStageType(*this, redGunner, "ArmyGunner", 1);
    loadStageType(*this, hellHound, "HellHound");
    loadFaceKinds(*this);
    allocateEnemies(*this, kEnemyCount);
    for (int k = 0; k <= 5; ++k)
        setUpEnemy(*this, k, {&zombieGuy, "ZombieGuy", 0, 200});
    for (int k = 6; k <= 8; ++k)
        setUpEnemy(*this, k, {&fatZombie, "FatZombie", 0, 300});
    setUpEnemy(*this, 9, {&megaZombie, "MegaZombie", 0, 1000});
    for (int k = 10; k <= 13; ++k)
        setUpEnemy(*this, k, {&armyShield, "ArmyShield", 0, 300});
    for (int k = 14; k <= 16; ++k)
        setUpEnemy(*this, k, {&armyGunner, "ArmyGunner", 0, 200, 20});
    setUpEnemy(*this, 17, {&redGunner, "ArmyGunner", 0, 1000, 40});
    for (int k = 18; k <= 25; ++k)
        setUpEnemy(*this, k, {&hellHound, "HellHound", 0, 200});
    for (int k = 26; k <= 30; ++k)
        setUpEnemy(*this, k, {&zombieGal, "ZombieGal", 0, 300});
    for (int k = 31; k <= 35; ++k)
        setUpEnemy(*this, k, {&armyShield, "ArmyShield", 0, 300});
    setupEnemyWaves();
    setupEnemyPositions();
    buildObjects();
}

void beatEmUpSegBuilderLv5::setupEnemyWaves()
{
    for (int k = 0; k < kEnemyCount; ++k)
        enemyAI[k].waveId = kStarts[k].wave;
}

void beatEmUpSegBuilderLv5::setupEnemyPositions()
{
    for (int k = 0; k < kEnemyCount; ++k)
    {
        Fighter* f = enemies[k].fighter;
        f->leftBound = 0;
        f->rightBound = kFieldWidth;
        f->setDir(false);
    }
    for (int k = 0; k < kEnemyCount; ++k)
    {
        enemies[k].fighter->x = kStarts[k].x;
        enemies[k].fighter->y = kStarts[k].y;
    }
}

void beatEmUpSegBuilderLv5::buildObjects()
{
    enemyData* records[4] = {&window0, &window1, &window2, &window3};
    for (int k = 0; k < 4; ++k)
    {
        loadStageType(*this, *records[k], kWindows[k].typeName);
        records[k]->fighter->setHP(1000, 1000);
    }
    allocateObjects(*this, 4);
    for (int k = 0; k < 4; ++k)
    {
        setUpObject(*this, k, *records[k], kWindows[k].typeName);
        records[k]->fighter->x = kWindows[k].x;
        records[k]->fighter->y = kWindowY;
    }
}

void beatEmUpSegBuilderLv5::buildSegments()
{
    using k = segmentKind;
    buildSegmentList(*this, {
                                {k::boundaryChange, 0, kFieldWidth},
                                {k::posTrigger, 300},
                                {k::activateWave, 0},
                                {k::activateWave, 1},
                                {k::monitorWave, 1},
                                {k::activateWave, 2},
                                {k::activateWave, 8},
                                {k::monitorWave, 2},
                                {k::activateWave, 3},
                                {k::monitorWave, 3},
                                {k::activateWave, 4},
                                {k::monitorWave, 4},
                                {k::activateWave, 5},
                                {k::activateWave, 9},
                                {k::monitorWave, 5},
                                {k::activateWave, 6},
                                {k::monitorWave, 6},
                                {k::activateWave, 7},
                                {k::monitorWave, 7},
                                {k::monitorWave, 8},
                                {k::monitorWave, 9},
                                // The beaten get up where they lie and fight again.
                                {k::activateWave, 1},
                                {k::activateWave, 2},
                                {k::activateWave, 8},
                                {k::monitorWave, 1},
                                {k::monitorWave, 2},
                                {k::monitorWave, 8},
                                {k::posTrigger, 20},
                            });
}
