// Breakable stage props (post boxes, windows): they only take blows, fall and land.
#include "control/stage_object.h"

#include "engine/globals.h"
#include "fighter/fighter.h"
#include "fighter/move_set.h"
#include "fighter/particles.h"

beatEmUpObject::beatEmUpObject()
{
    active = false;
    waveId = 0;
    blocking = false;
}

void beatEmUpObject::takeDamage(int damage, int hitType)
{
    HitRules rules;
    rules.attacker = target ? target->returnTarget() : nullptr;
    rules.sparkHitType = target ? target->getHitType() : 0;
    rules.releaseGrab = false;
    rules.grabs = false;
    rules.freezes = false;
    applyHit(rules, damage, hitType);
}

void beatEmUpObject::takeDamage()
{
    if (target)
        takeDamage(target->getDamage(), target->getHitType());
}

void beatEmUpObject::updatePosition()
{
    if (!fighter || !(accum > accumTot))
        return;
    physicsStep();
}

void beatEmUpObject::updateDamageCollision()
{
    if (!checkDamgeCollision())
        return;
    if (blocking)
        takeBlocking();
    else if (target)
        takeDamage(target->getDamage(), target->getHitType());
}
