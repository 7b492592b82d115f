// The one helper every stage script builds with: loading a character type
// once, setting up enemy k of a type, a breakable prop, and the list of steps.
#pragma once

#include <string>
#include <vector>

#include "control/enemy_ai.h"
#include "screens/segment_builder.h"

// One enemy of a script's table. Power and the AI's close distance are
// changed only when given (not -1); the power's maximum is the power itself
// unless given too.
struct enemyRow
{
    enemyData* type;      // the type record whose animations and moves it shares
    const char* typeName; // its folder under data/characters
    int hp;
    int maxHP;
    int power = -1;
    int rangeUnit = -1;
    bool active = false;
    int maxPower = -1;
};

// The five kinds of step, and a row of the list: a boundary change takes the
// field's minimum and maximum x, a position trigger its x, a wave step its wave.
enum class segmentKind
{
    boundaryChange,
    posTrigger,
    activateWave,
    monitorWave,
    deactivateWave,
};
struct segmentRow
{
    segmentKind kind;
    int a;
    int b = 0;
};

// Loads a type record with its own sets, recoloured with `palette`, its
// sounds going into the builder's one sound set.
void loadStageType(beatEmUpSegmentBuilder& builder, enemyData& type, const std::string& typeName,
                   int palette = 0);
// Loads the face kinds every enemy and prop shows.
void loadFaceKinds(beatEmUpSegmentBuilder& builder);
// Allocates `count` enemy records and their controls, asleep in wave 0.
void allocateEnemies(beatEmUpSegmentBuilder& builder, int count);
// Sets up enemy k: its record over the type's sets, down to its health
// until its wave wakes, its control aimed at the nearest player.
void setUpEnemy(beatEmUpSegmentBuilder& builder, int k, const enemyRow& row);
// Allocates `count` breakable props.
void allocateObjects(beatEmUpSegmentBuilder& builder, int count);
// Sets up prop k over a loaded type record's own fighter; props are awake
// from the start.
void setUpObject(beatEmUpSegmentBuilder& builder, int k, enemyData& type, const std::string& typeName);
// Builds the list of steps, one per row, in running order.
void buildSegmentList(beatEmUpSegmentBuilder& builder, const std::vector<segmentRow>& rows);
