// The player's computer-controlled ally in story stages: fights the nearest
// living enemy and follows its leader when there is nobody to fight.
#include "control/ally_ai.h"

#include "engine/globals.h"
#include "fighter/collision.h"
#include "fighter/fighter.h"

#include <cstdlib>

AIAllyBeatEmUp::AIAllyBeatEmUp() : leader(nullptr)
{
    active = false;
    waveId = 0;
    rangeUnit = 50;
}

void AIAllyBeatEmUp::updateAI(enemyData* enemies, int count)
{
    if (!fighter || !(accum > accumTot))
        return;
    updatePosition(enemies, count);
    if (fighter->hp >= 1)
        step();
    accum = 0.0f;
}

void AIAllyBeatEmUp::updatePosition(enemyData*, int)
{
    stageUpdatePosition(true);
}

void AIAllyBeatEmUp::think()
{
    Fighter* foe = target ? target->returnTarget() : nullptr;
    if (foe && foe->hp > 0)
        thinkRandom();
    else
        followTheLeader();
}

void AIAllyBeatEmUp::followTheLeader()
{
    if (!fighter || !leader)
        return;
    const int d = std::abs(fighter->x - leader->x);
    if (d > 50)
    {
        const int factor = runMode == 1 ? 2 : 1;
        const char* anim = factor == 2 ? "running" : "walk";
        if (fighter->state != anim)
            fighter->changeAnim(anim);
        fighter->x += leader->x > fighter->x ? factor * fighter->speed : -factor * fighter->speed;
    }
    if (!fighter->returnBusy() && fighter->grounded)
        fighter->setDir(leader->x > fighter->x);
}

int AIAllyBeatEmUp::getDistanceToLeader() const
{
    if (!fighter || !leader)
        return 0;
    return std::abs(fighter->x - leader->x);
}

void AIAllyBeatEmUp::updateDamageCollision(enemyData* enemies, int count)
{
    forEachBlowOn(fighter, enemies, count,
                  [this](Fighter* enemy) { takeDamage(enemy->getDamage(), enemy->getHitType(), enemy); });
}

void AIAllyBeatEmUp::checkDeflectCollision(enemyData*, int)
{
}

void AIAllyBeatEmUp::takeDamage(int damage, int hitType, Fighter* attacker)
{
    HitRules rules;
    rules.attacker = attacker;
    rules.attackerMustLive = true;
    rules.sparkHitType = attacker ? attacker->getHitType() : 0;
    rules.attackerCombo = false;
    rules.grabHolder = attacker;
    rules.knockOutFreeze = freeze_kill;
    applyHit(rules, damage, hitType);
}

void AIAllyBeatEmUp::takeDamage(Fighter* attacker)
{
    if (attacker)
        takeDamage(attacker->getDamage(), attacker->getHitType(), attacker);
}

bool AIAllyBeatEmUp::checkCollision(enemyData*, int)
{
    return false;
}

bool AIAllyBeatEmUp::checkDamgeCollision(Fighter* other)
{
    return blowReaches(other, fighter);
}
