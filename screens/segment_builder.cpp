// The base of every stage script: the enemies, breakable props and list of
// steps one stage runs, and the stage's fighters, camera and particle lists
// the script builds them with.
#include "screens/segment_builder.h"

#include "control/enemy_ai.h"
#include "control/stage_object.h"
#include "screens/segment.h"

beatEmUpSegmentBuilder::~beatEmUpSegmentBuilder()
{
    // A script's own type records are gone by now; nothing freed here reaches
    // a fighter or a set (enemy records share their type's sets).
    delete[] enemies;
    delete[] enemyAI;
    if (segments)
        for (int i = 0; i < numSegments; ++i)
            delete segments[i];
    delete[] segments;
    delete[] objects;
}

void beatEmUpSegmentBuilder::setParticleLists(partInfoList* parts, particleList* enemyList,
                                              particleList* faces, particleList* specials)
{
    partInfo = parts;
    enemyParticles = enemyList;
    faceParticles = faces;
    specialParticles = specials;
}
