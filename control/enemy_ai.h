// Stage enemies: enemy records and the AI with an on/off switch and a wave
// number that stage segments wake and put to sleep.
#pragma once

#include "control/ai.h"

#include <functional>
#include "fighter/character_data.h"

// One enemy of a stage: its character record and a pointer to the fighter
// inside it, through which every control reaches the enemy.
struct enemyData
{
    characterData data;
    Fighter* fighter = nullptr;
};

// Whether a living attacker's damage box reaches the victim's body.
bool blowReaches(Fighter* attacker, Fighter* victim);

// Calls `hit` with every living enemy whose blow reaches the victim, in array
// order, while the victim is not itself holding a grab.
void forEachBlowOn(Fighter* victim, enemyData* enemies, int count, const std::function<void(Fighter*)>& hit);

class AIBeatEmUp : public AI
{
public:
    AIBeatEmUp();

    void updateAI() override;
    void takeDamage(int damage, int hitType) override;

    bool active;
    int waveId;
};
