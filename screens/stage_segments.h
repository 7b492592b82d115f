// The steps a stage runs one after another: moving the field's walls, waiting
// for the player to walk to a place, and waking, watching and putting to
// sleep one wave of the stage's enemies.
#pragma once

#include <SDL.h>

#include "engine/sprite.h"
#include "engine/sprite_sheet.h"
#include "screens/segment.h"

class AIBeatEmUp;
class Fighter;
class camera;

// What the three wave steps share: the wave's number and the builder's
// enemy controls, whose wave numbers say who belongs to it.
class beatEmUpWaveSegment : public beatEmUpSegment
{
public:
    beatEmUpWaveSegment(int wave, int enemyCount, AIBeatEmUp* enemies);

    int wave;
    int enemyCount;
    AIBeatEmUp* enemies;

protected:
    // Calls `visit` with every enemy of the wave, in array order.
    template <typename Visit> void forEachInWave(Visit visit);
};

class beatEmUpSegActivateWave : public beatEmUpWaveSegment
{
public:
    using beatEmUpWaveSegment::beatEmUpWaveSegment;
    // The wave comes in where it lies, at full health, in its start pose.
    void update() override;
};

class beatEmUpSegDeactivateWave : public beatEmUpWaveSegment
{
public:
    using beatEmUpWaveSegment::beatEmUpWaveSegment;
    void update() override;
};

class beatEmUpSegMonitorWave : public beatEmUpWaveSegment
{
public:
    using beatEmUpWaveSegment::beatEmUpWaveSegment;
    // Done once nobody of the wave has health left (at once for an empty wave).
    void update() override;
};

// Waits for the fighter to come within 20 of x, showing the "walk on" arrow
// that points its way meanwhile.
class beatEmUpSegPosTrigger : public beatEmUpSegment
{
public:
    beatEmUpSegPosTrigger(Fighter* fighter, int x, SDL_Surface* target);

    void update() override;
    void draw() override;

    int x;
    Fighter* fighter;
    CSpriteBase goLeftSheet;
    CSpriteBase goRightSheet;
    CSprite goLeft;
    CSprite goRight;
};

// Moves both players' walls and the camera's limits to a new stretch of the field.
class beatEmUpSegBoundaryChange : public beatEmUpSegment
{
public:
    beatEmUpSegBoundaryChange(Fighter* first, Fighter* second, camera* cam, int minX, int maxX);

    void update() override;

    int minX;
    int maxX;
    Fighter* first;
    Fighter* second;
    camera* cam;
};
