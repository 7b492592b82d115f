// Stage enemies: enemy records and the AI with an on/off switch and a wave
// number that stage segments wake and put to sleep.
#pragma once

#include "control/ai.h"
#include "fighter/character_data.h"

// One enemy of a stage: its character record and a pointer to the fighter
// inside it, through which every control reaches the enemy.
struct enemyData
{
    characterData data;
    Fighter* fighter = nullptr;
};

class AIBeatEmUp : public AI
{
public:
    AIBeatEmUp();

    void updateAI() override;
    void takeDamage(int damage, int hitType) override;

    bool active;
    int waveId;
};
