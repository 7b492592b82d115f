// Level 4, the tower's base: Oleck and Brask fought together.
#include "stages/level4.h"

#include "fighter/fighter.h"
#include "stages/stage_setup.h"

namespace
{
constexpr int kFieldWidth = 800;
// Both start below the ground line; their first gravity step stands them on it.
constexpr int kStartX[2] = {540, 560};
constexpr int kStartY = 800;
} // namespace

beatEmUpSegBuilderLv4::beatEmUpSegBuilderLv4()
{
    startX = 40;
}

void beatEmUpSegBuilderLv4::buildEnemies()
{
    loadStageType(*this, oleck, "Oleck");
    loadStageType(*this, brask, "Brask");
    loadFaceKinds(*this);
    allocateEnemies(*this, 2);
    // The bosses are awake from the start, at no health until their wave comes.
    setUpEnemy(*this, 0, {&oleck, "Oleck", 0, 1500, -1, -1, true});
    setUpEnemy(*this, 1, {&brask, "Brask", 0, 1500, -1, -1, true});
    setupEnemyWaves();
    setupEnemyPositions();
}

void beatEmUpSegBuilderLv4::setupEnemyWaves()
{
    enemyAI[0].waveId = 1;
    enemyAI[1].waveId = 1;
}

void beatEmUpSegBuilderLv4::setupEnemyPositions()
{
    for (int k = 0; k < 2; ++k)
    {
        Fighter* f = enemies[k].fighter;
        f->leftBound = 0;
        f->rightBound = kFieldWidth;
        f->setDir(false);
    }
    for (int k = 0; k < 2; ++k)
    {
        enemies[k].fighter->x = kStartX[k];
        enemies[k].fighter->y = kStartY;
    }
}

void beatEmUpSegBuilderLv4::buildSegments()
{
    using k = segmentKind;
    buildSegmentList(*this, {
                                {k::boundaryChange, 0, kFieldWidth},
                                {k::activateWave, 0},
                                {k::activateWave, 1},
                                {k::monitorWave, 1},
                                {k::posTrigger, 790},
                            });
}
