// Level 0, the first stage: Nick's apartment, twenty zombies in five waves
// and a post box to break.
#include "stages/level0.h"

#include "fighter/fighter.h"
#include "stages/stage_setup.h"

namespace
{
constexpr int kEnemyCount = 20;
constexpr int kFieldWidth = 1920;

// Wave of each enemy by index.
constexpr int kWaves[kEnemyCount] = {0, 0, 0, 1, 1, 1, 2, 2, 2, 3, 3, 3, 3, 3, 3, 4, 4, 4, 4, 4};

struct start
{
    int x, y;
    bool facing;
};
// The first nine enemies, placed one by one; the rest come in two crowds.
constexpr start kFirstNine[] = {
    {600, 300, false}, {400, 300, false}, {500, 300, false}, {200, 0, false},   {400, 0, false},
    {0, 0, true},      {0, 300, true},    {600, 300, false}, {640, 300, false},
};
} // namespace

beatEmUpSegBuilderLv0::beatEmUpSegBuilderLv0()
{
    startX = 40;
}

void beatEmUpSegBuilderLv0::buildEnemies()
{
    loadStageType(*this, zombieGuy, "ZombieGuy");
    loadStageType(*this, fatZombie, "FatZombie");
    loadFaceKinds(*this);
    allocateEnemies(*this, kEnemyCount);
    for (int k = 0; k <= 8; ++k)
        setUpEnemy(*this, k, {&zombieGuy, "ZombieGuy", 0, 100});
    for (int k = 9; k <= 13; ++k)
        setUpEnemy(*this, k, {&zombieGuy, "ZombieGuy", 0, 200});
    for (int k = 14; k <= 19; ++k)
        setUpEnemy(*this, k, {&fatZombie, "FatZombie", 0, 300});
    setupEnemyWaves();
    setupEnemyPositions();
    buildObjects();
}

void beatEmUpSegBuilderLv0::setupEnemyWaves()
{
    for (int k = 0; k < kEnemyCount; ++k)
        enemyAI[k].waveId = kWaves[k];
}

void beatEmUpSegBuilderLv0::setupEnemyPositions()
{
    for (int k = 0; k < kEnemyCount; ++k)
    {
        enemies[k].fighter->leftBound = 0;
        enemies[k].fighter->rightBound = kFieldWidth;
    }
    auto place = [this](int k, start s)
    {
        Fighter* f = enemies[k].fighter;
        f->x = s.x;
        f->y = s.y;
        f->setDir(s.facing);
    };
    for (int k = 0; k <= 8; ++k)
        place(k, kFirstNine[k]);
    for (int k = 9; k <= 16; ++k)
        place(k, {1000, 300, false});
    for (int k = 17; k <= 19; ++k)
        place(k, {1700, 300, false});
}

void beatEmUpSegBuilderLv0::buildObjects()
{
    loadStageType(*this, postBox, "PostBox", 1);
    postBox.fighter->x = 400;
    postBox.fighter->y = 348;
    postBox.fighter->setHP(1, 1);
    allocateObjects(*this, 1);
    setUpObject(*this, 0, postBox, "PostBox");
}

void beatEmUpSegBuilderLv0::buildSegments()
{
    using k = segmentKind;
    buildSegmentList(*this, {
                                {k::boundaryChange, 0, 640},
                                {k::activateWave, 0},
                                {k::monitorWave, 0},
                                {k::activateWave, 1},
                                {k::monitorWave, 1},
                                {k::activateWave, 2},
                                {k::monitorWave, 2},
                                {k::boundaryChange, 0, 1700},
                                {k::posTrigger, 700},
                                {k::activateWave, 3},
                                {k::monitorWave, 3},
                                {k::posTrigger, 1500},
                                {k::activateWave, 4},
                                {k::monitorWave, 4},
                                {k::boundaryChange, 0, kFieldWidth},
                                {k::posTrigger, 1900},
                            });
}
