// The one-on-one computer opponent: a small state machine that walks up,
// attacks from its attack list, backs off, jumps, ducks or stands, and blocks
// with a fixed chance.
#include "control/ai.h"

#include "engine/globals.h"
#include "fighter/fighter.h"
#include "fighter/move_set.h"
#include "fighter/particles.h"

#include <cstdlib>

namespace
{
bool isNullName(const std::string& name)
{
    return name == "null" || name == "NULL" || name.empty();
}
} // namespace

void AI::init(SDL_Surface* s)
{
    playerControl::init(s);
    aiLevel = 0;
    thinkMode = 1;
    rangeUnit = 50;
    state = 0;
    stateTimer = 0.0f;
    runMode = 0;
    rangeLetter = 'L';
    jumpDirection = 1;
    lastAttackName.clear();
    linkAttackName = "NULL";
    cancelMove = nullptr;
    stepTime = 0.0f;
    stepTick = 0;
}

void AI::setup(Fighter* f, partInfoList* parts, particleList* list, soundSet* snd, animationSet* a, moveSet* m,
               Target* t, const char* aiFolder)
{
    playerControl::setup(f, parts, list, snd, a, m, nullptr, nullptr, t);
    attackList.getList(aiFolder);
}

void AI::updateAI()
{
    if (!(accum > accumTot) || !fighter)
        return;
    playerControl::updatePosition();
    step();
    accum = 0.0f;
}

void AI::step()
{
    stepTime = static_cast<float>((lastTick - stepTick) * 0.1);
    stepTick = lastTick;
    if (!fighter->returnBusy() && !fighter->falling)
    {
        if (fighter->returnMoveName() != lastAttackName && linkAttackName != "NULL")
        {
            state = 2;
            attackKind = 2;
        }
    }
    else
    {
        if (cancelMove && fighter->frame >= cancelMove->startFrame && fighter->returnMoveName() == lastAttackName)
        {
            state = 2;
            attackKind = 3;
        }
        else
        {
            state = 8;
        }
    }
    stateCheck();
}

void AI::stateCheck()
{
    switch (state)
    {
    case 0:
        think();
        break;
    case 1:
        getCloser();
        break;
    case 2:
        attack();
        break;
    case 3:
        retreat();
        break;
    case 4:
        jumpUpAt();
        break;
    case 5:
        jumpInDir();
        break;
    case 6:
        duck();
        break;
    case 8:
        if (fighter && !fighter->returnBusy())
            state = 0;
        break;
    case 9:
        nothing();
        break;
    default:
        break;
    }
}

void AI::think()
{
    switch (thinkMode)
    {
    case 0:
        setState(9);
        break;
    case 1:
        thinkRandom();
        break;
    case 2:
        thinkAggressive();
        break;
    default:
        break;
    }
}

void AI::thinkFrom(const int* level, int nLevel, const int* up, int nUp, const int* down, int nDown,
                   const int* midGround, int nMidGround, const int* midAir, int nMidAir, const int* far, int nFar)
{
    if (!fighter)
        return;
    blocking = false;
    if (fighter->state != "standing")
        fighter->changeAnim("standing");
    jumpDirection = g_randomNumber.getNumber(3);
    g_randomNumber.getNumber(5);
    runMode = g_randomNumber.getNumber(2);
    const int tx = target ? target->retX() : fighter->x;
    const int d = std::abs(fighter->x - tx);
    stateTimer = static_cast<float>(g_randomNumber.getNumber(20) + 1);
    const int fy = fighter->y;
    const int ty = target ? target->retY() : fighter->y;
    const int U = rangeUnit;
    const int* table = nullptr;
    int n = 0;
    if (d <= U)
    {
        rangeLetter = 'S';
        if (ty - 25 < fy && fy < ty + 25)
        {
            table = level;
            n = nLevel;
        }
        else if (ty > fy + 10)
        {
            rangeLetter = 'U';
            table = up;
            n = nUp;
        }
        else if (ty < fy)
        {
            rangeLetter = 'D';
            table = down;
            n = nDown;
        }
    }
    else if (d < 3 * U)
    {
        rangeLetter = 'M';
        if (target && target->getGrounded())
        {
            table = midGround;
            n = nMidGround;
        }
        else
        {
            table = midAir;
            n = nMidAir;
        }
    }
    else
    {
        rangeLetter = 'L';
        table = far;
        n = nFar;
    }
    if (table && n > 0)
        setState(table[g_randomNumber.getNumber(n)]);
}

void AI::thinkRandom()
{
    static const int level[] = {2, 2, 3, 5, 6, 9};
    static const int up[] = {2, 2, 3, 4, 6, 9};
    static const int down[] = {2, 2, 3, 5, 9};
    static const int midGround[] = {1, 1, 3, 5, 2, 2, 6, 9};
    static const int midAir[] = {1, 1, 3, 4, 6, 9};
    static const int far[] = {1, 1, 5, 2, 9, 6};
    thinkFrom(level, 6, up, 6, down, 5, midGround, 8, midAir, 6, far, 6);
}

void AI::thinkAggressive()
{
    static const int level[] = {2, 2, 5};
    static const int up[] = {2, 2, 4, 4};
    static const int down[] = {2, 2, 3, 5};
    static const int midGround[] = {1, 1, 5, 2, 2};
    static const int midAir[] = {1, 1, 3, 4, 2, 2};
    static const int far[] = {1, 1, 5, 2};
    thinkFrom(level, 3, up, 4, down, 4, midGround, 5, midAir, 6, far, 4);
}

void AI::setState(aiState s)
{
    switch (s)
    {
    case 1:
    case 3:
    case 9:
        state = s;
        break;
    case 2:
        attackKind = 1;
        state = 2;
        break;
    case 4:
    case 5:
        if (fighter)
        {
            if (fighter->grounded && fighter->jump > 0 && !fighter->returnBusy() && effects)
                effects->addParticleXY("dustJump", fighter->dir, partInfo, screen, lastTick, fighter->x, fighter->y);
            fighter->Jump(fighter->jump);
        }
        attackKind = 1;
        state = s;
        break;
    case 6:
        state = 6;
        stateTimer = static_cast<float>(g_randomNumber.getNumber(50) + 1);
        break;
    default:
        break;
    }
}

void AI::stepForward(int amount)
{
    fighter->x += fighter->dir ? amount : -amount;
}

void AI::getCloser()
{
    const int tx = target ? target->retX() : fighter->x;
    if (std::abs(fighter->x - tx) < rangeUnit)
    {
        state = 0;
        return;
    }
    const int m = runMode == 1 ? 2 : 1;
    const char* anim = runMode == 1 ? "running" : "walk";
    if (fighter->state != anim)
        fighter->changeAnim(anim);
    stepForward(fighter->speed * m);
    // Bodies wider than the range unit touch before they are in range, and
    // every position step pushes the walker back: touching is as close as it
    // gets, so it thinks again instead of walking on the spot for good.
    if (checkCollision())
        state = 0;
}

bool AI::affordable(const moveInfo* m) const
{
    return m && m->energyUsage <= fighter->maxPower;
}

void AI::attack()
{
    const char* kind = !fighter->grounded ? "aerial" : (fighter->state == "duck" ? "duck" : "ground");
    auto shortOfPower = [&](const moveInfo* m) { return m->energyUsage > 0 && fighter->power < m->energyUsage; };
    switch (attackKind)
    {
    case 1:
    {
        const std::string name = attackList.getAttack(rangeLetter, kind);
        moveInfo* m = isNullName(name) ? nullptr : ownMove(name);
        if (m)
        {
            if (shortOfPower(m))
            {
                state = 0;
                return;
            }
            lastAttackName = name;
            if (!fighter->returnBusy())
                fighter->changeAction(m);
            pickLinkMove();
        }
        attackKind = 2;
        break;
    }
    case 2:
    {
        moveInfo* m = isNullName(linkAttackName) ? nullptr : ownMove(linkAttackName);
        // A follow-up that is missing, that this fighter can never pay for or
        // that it cannot pay for now is dropped with its cancel, so the AI
        // thinks and blocks again instead of standing still until power comes.
        if (!affordable(m) || shortOfPower(m))
        {
            linkAttackName = "NULL";
            cancelMove = nullptr;
            break;
        }
        lastAttackName = linkAttackName;
        fighter->changeAction(m);
        pickLinkMove();
        break;
    }
    case 3:
    {
        if (!cancelMove)
            break;
        if (!affordable(cancelMove))
        {
            cancelMove = nullptr;
            break;
        }
        if (shortOfPower(cancelMove))
        {
            state = 0;
            return;
        }
        moveInfo* m = cancelMove;
        lastAttackName = m->name;
        fighter->changeAction(m);
        pickLinkMove();
        break;
    }
    default:
        break;
    }
    state = 0;
}

void AI::pickLinkMove()
{
    linkAttackName = "NULL";
    cancelMove = nullptr;
    const int r = g_randomNumber.getNumber(3);
    if (r == 0)
    {
        linkAttackName = attackList.findLinkedAttacks(lastAttackName);
    }
    else if (r == 2)
    {
        const std::string c = attackList.findCancelAttacks(lastAttackName);
        if (c != "NULL" && c != "null")
            cancelMove = ownMove(c);
    }
}

void AI::retreat()
{
    stateTimer -= stepTime;
    if (stateTimer >= 1.0f)
    {
        if (runMode == 1)
        {
            moveInfo* back = ownMove("backJump");
            if (back && !fighter->returnBusy())
                fighter->changeAction(back);
        }
        else
        {
            blocking = true;
            stepForward(-fighter->speed);
            if (fighter->state != "walk")
                fighter->changeAnim("walk");
        }
    }
    else
    {
        blocking = false;
        state = 0;
    }
}

void AI::jumpUpAt()
{
    if (fighter->grounded || fighter->jump <= 0)
    {
        state = 0;
        return;
    }
    stepForward(fighter->speed);
    if (attackKind == 0)
    {
        const int ty = target ? target->retY() : fighter->y;
        if (std::abs(fighter->y - ty) <= 100)
        {
            attackKind = 1;
            state = 2;
        }
        else if (fighter->y < ty)
        {
            fighter->Jump(fighter->jump);
            attackKind = 1;
        }
        else
        {
            return;
        }
    }
    if (attackKind == 1)
    {
        stateTimer -= 1.0f;
        if (stateTimer < 1.0f)
        {
            attackKind = 0;
            stateTimer = static_cast<float>(g_randomNumber.getNumber(20));
        }
    }
}

void AI::jumpInDir()
{
    if (fighter->grounded || fighter->jump <= 0)
    {
        state = 0;
        return;
    }
    if (jumpDirection == 0)
        stepForward(-fighter->speed);
    else if (jumpDirection == 2)
        stepForward(fighter->speed);
    if (attackKind == 0)
    {
        if (runMode == 1)
        {
            fighter->Jump(fighter->jump);
            attackKind = 1;
        }
        else if (jumpDirection == 0 || jumpDirection == 2)
        {
            moveInfo* dash = ownMove(jumpDirection == 0 ? "airBack" : "airForward");
            fighter->changeFalling(false);
            if (dash && !fighter->returnBusy())
                fighter->changeAction(dash);
        }
    }
    if (attackKind == 1)
    {
        stateTimer -= 1.0f;
        if (stateTimer < 1.0f)
        {
            if (g_randomNumber.getNumber(2) == 1)
            {
                attackKind = 0;
                stateTimer = static_cast<float>(g_randomNumber.getNumber(20));
            }
            else
            {
                attackKind = 2;
            }
        }
    }
    if (attackKind == 2)
    {
        state = 2;
        attackKind = 1;
    }
}

void AI::duck()
{
    stateTimer -= stepTime;
    if (fighter->state != "duck")
        fighter->changeAnim("duck");
    if (stateTimer < 1.0f)
    {
        stateTimer = 0.0f;
        state = 0;
    }
}

void AI::nothing()
{
    stateTimer -= stepTime;
    if (stateTimer < 1.0f)
    {
        stateTimer = 0.0f;
        state = 0;
        if (fighter->state != "standing")
            fighter->changeAnim("standing");
    }
}

void AI::takeDamage(int damage, int hitType)
{
    const int roll = g_randomNumber.getNumber(100);
    if (aiLevel > roll)
    {
        takeBlocking();
        return;
    }
    playerControl::takeDamage(damage, hitType);
}
