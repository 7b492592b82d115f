// The base of every stage script: the enemies, breakable props and list of
// steps one stage runs, and the stage's fighters, camera and particle lists
// the script builds them with.
#pragma once

#include <SDL.h>

#include "engine/audio.h"
#include "fighter/particles.h"
#include "fighter/target.h"

class AIBeatEmUp;
class Fighter;
class beatEmUpObject;
class beatEmUpSegment;
class camera;
struct enemyData;

class beatEmUpSegmentBuilder
{
public:
    beatEmUpSegmentBuilder() = default;
    // Scripts are kept by the stage table through this base.
    virtual ~beatEmUpSegmentBuilder();
    beatEmUpSegmentBuilder(const beatEmUpSegmentBuilder&) = delete;
    beatEmUpSegmentBuilder& operator=(const beatEmUpSegmentBuilder&) = delete;

    // The stage calls these once, enemies first: the wave steps keep the
    // enemy count and array.
    virtual void buildEnemies() {}
    virtual void buildSegments() {}

    void setParticleLists(partInfoList* parts, particleList* enemyList, particleList* faces,
                          particleList* specials);

    int numSegments = 0;
    beatEmUpSegment** segments = nullptr;
    Fighter* player1 = nullptr;
    // The ally's fighter, or the second player's; null when alone.
    Fighter* player2 = nullptr;
    int startX = 0;
    int numEnemies = 0;
    enemyData* enemies = nullptr;
    // Element i drives the fighter of `enemies[i]`.
    AIBeatEmUp* enemyAI = nullptr;
    soundSet sounds;
    beatEmUpObject* objects = nullptr;
    int numObjects = 0;
    particleList* enemyParticles = nullptr;
    partInfoList* partInfo = nullptr;
    particleList* faceParticles = nullptr;
    particleList* specialParticles = nullptr;
    Target target;
    partInfoList faceParts;
    camera* cam = nullptr;
    SDL_Surface* surface = nullptr;
};
