// Breakable stage props (post boxes, windows): they only take blows, fall and land.
#pragma once

#include "control/enemy_ai.h"

class beatEmUpObject : public AIBeatEmUp
{
public:
    beatEmUpObject();

    void updateAI() override {}
    void takeDamage(int damage, int hitType) override;
    void takeDamage();
    void updatePosition();
    void updateDamageCollision();
};
