// Stage enemies: enemy records and the AI with an on/off switch and a wave
// number that stage segments wake and put to sleep.
#include "control/enemy_ai.h"

#include "engine/globals.h"
#include "fighter/collision.h"
#include "fighter/fighter.h"

bool blowReaches(Fighter* attacker, Fighter* victim)
{
    if (!attacker || !victim || attacker->hp <= 0 || !attacker->hasFrame() || !victim->hasFrame())
        return false;
    return SquareCollider(attacker->getDBox(), victim->getCBox()).collisionCheck();
}

void forEachBlowOn(Fighter* victim, enemyData* enemies, int count, const std::function<void(Fighter*)>& hit)
{
    if (!victim || !enemies)
        return;
    for (int i = 0; i < count; ++i)
        if (blowReaches(enemies[i].fighter, victim) && !victim->grabbing)
            hit(enemies[i].fighter);
}

AIBeatEmUp::AIBeatEmUp() : active(false), waveId(0)
{
    grabber = nullptr;
    grabbed = false;
    grabOffsetY = 0;
    blocking = false;
}

void AIBeatEmUp::updateAI()
{
    if (!active || !(accum > accumTot) || !fighter)
        return;
    blocking = false;
    playerControl::updatePosition();
    // A beaten enemy takes no decisions: it stays down while its body still
    // falls and lands.
    if (fighter->hp >= 1)
        step();
    accum = 0.0f;
}

void AIBeatEmUp::takeDamage(int damage, int hitType)
{
    if (!active)
        return;
    HitRules rules;
    rules.attacker = target ? target->returnTarget() : nullptr;
    rules.sparkHitType = target ? target->getHitType() : 0;
    rules.grabHolder = rules.attacker;
    rules.knockOutFreeze = freeze_50ms;
    applyHit(rules, damage, hitType);
}
