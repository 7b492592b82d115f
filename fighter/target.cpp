// What a control or AI aims at: one fighter, or the nearest living one of several.
#include "fighter/target.h"

#include "fighter/collision.h"
#include "fighter/fighter.h"

#include <cstdlib>

void Target::setTarget(Fighter* f)
{
    target = f;
}

Fighter* Target::returnTarget()
{
    return target;
}

int Target::retX()
{
    return target ? target->x : x;
}

int Target::retY()
{
    return target ? target->y : y;
}

colBox Target::getColBox(bool)
{
    return target ? target->getCBox() : kNoBox;
}

colBox Target::getDmgBox()
{
    return target ? target->getDBox() : kNoBox;
}

int Target::getHitType()
{
    return target ? target->getHitType() : 0;
}

int Target::getDamage()
{
    return target ? target->getDamage() : 0;
}

bool Target::getGrounded()
{
    return target ? target->grounded : false;
}

void smartTarget::setTarget(Fighter* f)
{
    target = f;
    candidates.push_back(f);
}

int smartTarget::getDistance(Fighter* f) const
{
    if (!f || !owner)
        return 9999999;
    return std::abs(f->x - owner->x);
}

int smartTarget::setTarget()
{
    if (candidates.empty())
        return 9999999;
    int best = 9999999;
    for (Fighter* c : candidates)
    {
        if (!c)
            continue;
        const int d = getDistance(c);
        if (d < best && c->hp > 0)
        {
            target = c;
            best = d;
        }
    }
    return best;
}

Fighter* smartTarget::returnTarget()
{
    setTarget();
    return Target::returnTarget();
}

int smartTarget::retX()
{
    setTarget();
    return Target::retX();
}

int smartTarget::retY()
{
    setTarget();
    return Target::retY();
}

colBox smartTarget::getColBox(bool d)
{
    setTarget();
    return Target::getColBox(d);
}

colBox smartTarget::getDmgBox()
{
    setTarget();
    return Target::getDmgBox();
}

int smartTarget::getHitType()
{
    setTarget();
    return Target::getHitType();
}

int smartTarget::getDamage()
{
    setTarget();
    return Target::getDamage();
}

bool smartTarget::getGrounded()
{
    setTarget();
    return Target::getGrounded();
}
