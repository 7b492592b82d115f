// Level 7, the airship: four sections opened to the right, two doors to break,
// soldiers dropping in, and five tanks that come from behind and vanish once
// destroyed.
#include "stages/level7.h"

#include "engine/globals.h"
#include "fighter/fighter.h"
#include "stages/stage_setup.h"

namespace
{
constexpr int kEnemyCount = 66;
constexpr int kTankWave = 9;

struct waveRun
{
    int first, last, wave;
};
constexpr waveRun kWaves[] = {
    {0, 4, 2},   {5, 7, 5},   {8, 17, 6},  {18, 18, 10}, {19, 28, 1}, {29, 33, 4},
    {34, 38, 5}, {39, 58, 8}, {59, 63, 9}, {64, 64, 3},  {65, 65, 7},
};

// Where each wave stands, by wave number 1 to 10.
struct wavePlace
{
    int left, right, x, y;
};
constexpr wavePlace kPlaces[11] = {
    {0, 0, 0, 0}, // wave 0 holds nobody
    {0, 1425, 700, 340},  {0, 1425, 1085, 340}, {0, 1450, 1425, 340}, {0, 1425, 700, -1},
    {0, 2608, 2088, 340}, {0, 2608, 2088, -10}, {0, 2650, 2608, 340}, {0, 4000, 3924, 340},
    {0, 4000, 1425, 340}, {0, 2650, 2088, -10},
};
} // namespace

beatEmUpSegBuilderLv7::beatEmUpSegBuilderLv7()
{
    startX = 40;
}

void beatEmUpSegBuilderLv7::buildEnemies()
{
    loadStageType(*this, gunnerBoss, "ArmyGunner", 3);
    loadStageType(*this, gunner, "ArmyGunner", 5);
    loadStageType(*this, shield, "ArmyShield", 5);
    loadStageType(*this, tank, "Tank", 4);
    loadStageType(*this, door, "AirshipDoor");
    loadFaceKinds(*this);
    allocateEnemies(*this, kEnemyCount);
    for (int k = 0; k <= 18; ++k)
        setUpEnemy(*this, k, {k == 18 ? &gunnerBoss : &gunner, "ArmyGunner", 0, k == 18 ? 2000 : 200, 100});
    for (int k = 19; k <= 58; ++k)
        setUpEnemy(*this, k, {&shield, "ArmyShield", 0, 500});
    for (int k = 59; k <= 63; ++k)
        setUpEnemy(*this, k, {&tank, "Tank", 0, 500, -1, 150});
    for (int k = 64; k <= 65; ++k)
        setUpEnemy(*this, k, {&door, "AirshipDoor", 0, 500});
    setupEnemyWaves();
    setupEnemyPositions();
}

void beatEmUpSegBuilderLv7::setupEnemyWaves()
{
    for (const waveRun& run : kWaves)
        for (int k = run.first; k <= run.last; ++k)
            enemyAI[k].waveId = run.wave;
}

void beatEmUpSegBuilderLv7::setupEnemyPositions()
{
    for (int k = 0; k < numEnemies; ++k)
    {
        const int wave = enemyAI[k].waveId;
        // An enemy of a wave without a place keeps the one its set-up gave it.
        if (wave < 1 || wave > 10)
            continue;
        const wavePlace& p = kPlaces[wave];
        Fighter* f = enemies[k].fighter;
        f->leftBound = p.left;
        f->rightBound = p.right;
        f->x = wave == kTankWave ? p.x + g_randomNumber.getNumber(1200) : p.x;
        f->y = p.y;
    }
}

void beatEmUpSegBuilderLv7::buildSegments()
{
    using k = segmentKind;
    buildSegmentList(*this,
                     {
                         {k::boundaryChange, 20, 700},  {k::activateWave, 0},          {k::activateWave, 1},
                         {k::monitorWave, 1},           {k::boundaryChange, 20, 1450}, {k::posTrigger, 800},
                         {k::activateWave, 2},          {k::activateWave, 3},          {k::monitorWave, 2},
                         {k::activateWave, 4},          {k::monitorWave, 4},           {k::monitorWave, 3},
                         {k::boundaryChange, 20, 2608}, {k::activateWave, 5},          {k::activateWave, 7},
                         {k::monitorWave, 5},           {k::activateWave, 6},          {k::monitorWave, 6},
                         {k::monitorWave, 7},           {k::boundaryChange, 20, 3950}, {k::posTrigger, 3000},
                         {k::activateWave, 8},          {k::monitorWave, 8},           {k::posTrigger, 3599},
                         {k::activateWave, 9},          {k::monitorWave, 9},           {k::deactivateWave, 9},
                         {k::posTrigger, 2700},         {k::activateWave, 10},         {k::monitorWave, 10},
                         {k::posTrigger, 2088},
                     });
}
