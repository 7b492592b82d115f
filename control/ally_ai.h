// The player's computer-controlled ally in story stages: fights the nearest
// living enemy and follows its leader when there is nobody to fight.
#pragma once

#include "control/enemy_ai.h"

class AIAllyBeatEmUp : public AIBeatEmUp
{
public:
    AIAllyBeatEmUp();

    void think() override;

    void updateAI(enemyData* enemies, int count);
    void updatePosition(enemyData* enemies, int count);
    void updateDamageCollision(enemyData* enemies, int count);
    void checkDeflectCollision(enemyData* enemies, int count);
    void takeDamage(int damage, int hitType, Fighter* attacker);
    void takeDamage(Fighter* attacker);
    void followTheLeader();
    int getDistanceToLeader() const;
    bool checkCollision(enemyData* enemies, int count);
    bool checkDamgeCollision(Fighter* other);

    Fighter* leader;
};
