// A stage script built through the one-player stage on fixture characters,
// alone or with an ally, and the check of its enemy table against rows.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "control/enemy_ai.h"
#include "engine/clock.h"
#include "engine/globals.h"
#include "screens/beat_em_up_stage.h"
#include "tests/screens/stage_fixture.h"

#include <gtest/gtest.h>

namespace testing_support
{
// One enemy as the script should leave it. `type` indexes the script's type
// records; power -1 means the type record's own power.
struct EnemyExpect
{
    int type;
    int maxHP;
    int wave;
    int left, right;
    int x, y;
    bool facing; // true is right, the fighter's own facing
    int power = -1;
    int rangeUnit = 50;
    bool active = false;
};

// Expands runs of identical rows: {first, last, row}.
struct EnemyRun
{
    int first, last;
    EnemyExpect row;
};
std::vector<EnemyExpect> expandRuns(const std::vector<EnemyRun>& runs);

// The players and the stage over a script, with the test clock held.
struct StageRig
{
    StageRig(SDL_Surface* screen, beatEmUpSegmentBuilder& script, bool withAlly);
    std::vector<Fighter*> candidates() const;

    StagePlayers players;
    std::unique_ptr<beatEmUpStage> stage;
};

// Checks every enemy of a built script: its record over the type's shared
// sets, health, power, close distance, wave, bounds, place, facing, whether
// it is awake, and whom it may target.
void checkEnemies(const beatEmUpSegmentBuilder& script, const StageRig& rig,
                  const std::vector<const enemyData*>& types, const std::vector<EnemyExpect>& table);

// Headless video, a scratch folder and the game's globals for one test.
class StageScriptTest : public ::testing::Test
{
protected:
    StageScriptTest();
    ~StageScriptTest() override;

    ScratchDir dir;
    GlobalsGuard globals;
    SDL_Surface* screen = openTestVideo();
};
} // namespace testing_support
