// One fighter on the field: a sprite over its current animation or move, with
// health, power, physics, and the boxes it hits and is hit with.
#include "fighter/fighter.h"

#include "engine/clock.h"
#include "engine/globals.h"
#include "fighter/animation_set.h"
#include "fighter/collision.h"
#include "fighter/combo.h"
#include "fighter/move_set.h"

#include <climits>
#include <iostream>

namespace
{
// Health, power and damage come from hand-edited files and may be as large
// as an int holds; sums and products are formed wide and brought back into
// range rather than overflowing.
int clampTo(long long v, long long lo, long long hi)
{
    if (v > hi)
        v = hi;
    if (v < lo)
        v = lo;
    return static_cast<int>(v);
}

int truncateToInt(double v)
{
    if (v >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (v <= static_cast<double>(INT_MIN))
        return INT_MIN;
    return static_cast<int>(v);
}
} // namespace

Fighter::Fighter()
    : hp(0), maxHP(0), power(0), maxPower(0), strength(0), defence(0), bullets(0), bulletsMax(0), extraStat(0),
      speed(4), jump(16), grabbing(false), dir(true), bgDir(true), grounded(false), falling(false), vSpeed(0),
      jumpsLeft(0), state("walk"), lastState("walk"), leftBound(boundaryXLeft), rightBound(boundaryXRight),
      acting(false), animSet(nullptr), currentMove(nullptr), comCounter(nullptr), lastPowerTick(0),
      moves(nullptr)
{
}

void Fighter::initS(animationSet* anims, SDL_Surface* screen)
{
    animSet = anims;
    currentMove = nullptr;
    comCounter = nullptr;
    changeAnim("standing");
    state = "walk";
    falling = false;
    target = screen;
}

void Fighter::setHP(int h, int m)
{
    hp = h;
    maxHP = m;
}

void Fighter::setPower(int p, int m)
{
    power = p;
    maxPower = m;
}

void Fighter::setComCounter(comboCounter* counter)
{
    comCounter = counter;
}

int raisedMaxHP(int maxHP, int level)
{
    const float raised =
        static_cast<float>(static_cast<double>(maxHP) * (static_cast<double>(level) + 10) / 10.0);
    return truncateToInt(raised);
}

void Fighter::setHPLevel(int level)
{
    maxHP = raisedMaxHP(maxHP, level);
    hp = maxHP;
}

void Fighter::changeHP(int d)
{
    long long change = d;
    if (d < 0)
        change = d - static_cast<long long>(d * (defence / 10.0));
    hp = clampTo(static_cast<long long>(hp) + change, 0, maxHP > 0 ? maxHP : 0);
}

void Fighter::changePower(int d)
{
    power = clampTo(static_cast<long long>(power) + d, 0, maxPower > 0 ? maxPower : 0);
}

void Fighter::addCombo(int n)
{
    if (comCounter)
        comCounter->addCombo(n);
}

void Fighter::breakCombo()
{
    if (comCounter)
        comCounter->breakCombo();
}

int Fighter::getCombo() const
{
    return comCounter ? comCounter->getCombo() : 0;
}

int Fighter::getDamage() const
{
    // A frame that is not shown has no damage box either, so it deals nothing.
    if (!hasFrame())
        return 0;
    const CSpriteFrame* f = currentFrame();
    float multiplier = 1.0f;
    const int c = getCombo();
    if (comCounter && c > 2)
    {
        multiplier = static_cast<float>(1 + c / 3.0 / 10.0);
        if (multiplier > 9.9f)
            multiplier = 9.9f;
    }
    return truncateToInt(((static_cast<double>(strength) + 10) / 10.0) * f->damage * multiplier);
}

void Fighter::changeAction(moveInfo* move)
{
    if (!move)
    {
        std::cout << "changeAction: no move" << std::endl;
        return;
    }
    if (!currentMove && (state == "walk" || state == "standing" || state == "duck" || state == "inAir" ||
                         state == "inAirDown"))
        lastState = state;
    frame = 0;
    acting = true;
    grabbing = false;
    currentMove = move;
    if (move->energyUsage > 0)
        power = clampTo(static_cast<long long>(power) - move->energyUsage, 0, maxPower > 0 ? maxPower : 0);
    state = move->name;
    sheet = &move->sheet;
    ++showing;
    // Every move runs its clock, also a one-frame move, so it always ends.
    if (move->sheet.frameCount() > 0)
        animating = 1;
}

void Fighter::changeAnim(std::string name)
{
    frame = 0;
    grabbing = false;
    state = name;
    ++showing;
    sheet = animSet ? animSet->returnAnimation(name) : nullptr;
    frame = 0;
    lastChange = static_cast<int>(gameTicks());
    if (sheet && sheet->frameCount() > 1)
        animating = 1;
    currentMove = nullptr;
}

void Fighter::setRunning()
{
    changeAnim("running");
}

void Fighter::duck()
{
    if (state == "walk")
        changeAnim("duck");
}

void Fighter::Jump(int startSpeed)
{
    if (jumpsLeft < 1 || acting || jump < 1)
        return;
    changeAnim("inAir");
    jumpsLeft -= 1;
    if (jumpsLeft == 0)
        startSpeed -= 2;
    grounded = false;
    vSpeed = startSpeed;
    falling = false;
}

std::string Fighter::returnMoveName() const
{
    return currentMove ? currentMove->name : std::string("NULL");
}

bool Fighter::returnHitable() const
{
    return !currentMove || currentMove->interuptable;
}

bool Fighter::getSpecial() const
{
    return currentMove ? currentMove->special : false;
}

const CSpriteFrame* Fighter::frameByFacing() const
{
    return sheet ? sheet->frameFor(frame, dir) : nullptr;
}

bool Fighter::hasFrame() const
{
    const CSpriteFrame* f = currentFrame();
    return f && f->image;
}

void Fighter::Gravity()
{
    // Only a frame that is shown steps or lifts the fighter.
    const CSpriteFrame* f = hasFrame() ? currentFrame() : nullptr;
    if (f)
    {
        x += dir ? f->xStep : -f->xStep;
        if (f->yBoost != 0 && vSpeed < 0)
        {
            vSpeed += f->yBoost;
            if (f->yBoost > 0)
                grounded = false;
        }
    }
    if (!grounded)
    {
        y = y - vSpeed;
        vSpeed -= 1;
        if (!acting)
        {
            if (!falling)
                changeAnim(vSpeed > 0 ? "inAir" : "inAirDown");
            else
                changeAnim(vSpeed > 0 ? "fallUp" : "fallDown");
        }
    }
    if (y >= g_GroundLevel)
    {
        if (!falling && !currentMove && !grounded)
            changeAnim("standing");
        y = g_GroundLevel;
        grounded = true;
        jumpsLeft = 2;
    }
}

void Fighter::boundary()
{
    if (x < leftBound + 2)
        x = leftBound + 2;
    if (x > rightBound - 2)
        x = rightBound - 2;
}

void Fighter::endMove()
{
    if (y < g_GroundLevel)
        grounded = false;
    currentMove = nullptr;
    frame = 0;
    acting = false;
    grabbing = false;
    changeAnim(lastState == "duck" ? "duck" : "standing");
}

void Fighter::drawCam(int camX, int camY)
{
    const Uint32 now = gameTicks();
    const int total = frameTotal();
    if (currentMove && total == 0)
    {
        // A move with nothing to show ends at once instead of holding the fighter.
        endMove();
    }
    else if (animating == 1 && total > 0)
    {
        const CSpriteFrame* f = currentFrame();
        const float due = static_cast<float>(lastChange) + static_cast<float>(f ? f->pause : 0) * CSprite::speed;
        if (static_cast<float>(now) > due)
        {
            ++frame;
            if (frame > total - 1)
            {
                frame = 0;
                if (currentMove)
                    endMove();
            }
            lastChange = static_cast<int>(now);
        }
    }

    if (now > lastPowerTick + 200)
    {
        changePower(1);
        lastPowerTick = now;
    }
    drawn = 1;

    const CSpriteFrame* f = frameByFacing();
    const CSpriteFrame* n = currentFrame();
    if (!f || !n || !f->image || !target)
        return;
    SDL_Rect dest;
    dest.x = static_cast<Sint16>(x - f->anchorX - camX);
    dest.y = static_cast<Sint16>(y - n->anchorY - camY);
    dest.w = 0;
    dest.h = 0;
    SDL_BlitSurface(f->image, nullptr, target, &dest);
}

colBox Fighter::getCBox() const
{
    const CSpriteFrame* f = frameByFacing();
    const CSpriteFrame* n = currentFrame();
    if (!f || !n || !f->image)
        return kNoBox;
    colBox b;
    b.x1 = x + f->colX1 - f->anchorX;
    b.x2 = x + f->colX2 - f->anchorX;
    b.y1 = y + n->colY1 - n->anchorY;
    b.y2 = y + n->colY2 - n->anchorY;
    return b;
}

colBox Fighter::getDBox() const
{
    const CSpriteFrame* f = frameByFacing();
    const CSpriteFrame* n = currentFrame();
    if (!f || !n || !f->image)
        return kNoBox;
    colBox b;
    b.x1 = x + f->dmgX1 - f->anchorX;
    b.x2 = x + f->dmgX2 - f->anchorX;
    b.y1 = y + n->dmgY1 - n->anchorY;
    b.y2 = y + n->dmgY2 - n->anchorY;
    return b;
}

namespace
{
void fillBox(SDL_Surface* target, int x1, int y1, int w, int h, Uint32 colour)
{
    if (!target || w <= 0 || h <= 0)
        return;
    SDL_Rect r;
    r.x = static_cast<Sint16>(x1);
    r.y = static_cast<Sint16>(y1);
    r.w = static_cast<Uint16>(w);
    r.h = static_cast<Uint16>(h);
    SDL_FillRect(target, &r, colour);
}
} // namespace

void Fighter::drawColBoxes()
{
    if (!hasFrame())
        return;
    // Boxes collide on their edges too, so their right and bottom edges are drawn.
    const colBox c = getCBox();
    fillBox(target, c.x1, c.y1, c.x2 - c.x1 + 1, c.y2 - c.y1 + 1, 0xFFCC00);
    fillBox(target, x - 2, y - 2, 4, 2, 0x0000CC);
    if (CSprite::getDamage() > 0)
    {
        const colBox d = getDBox();
        fillBox(target, d.x1, d.y1, d.x2 - d.x1 + 1, d.y2 - d.y1 + 1, 0xFF0000);
    }
}

void Fighter::updateBG()
{
    bgDir = dir;
    const CSpriteFrame* f = frameByFacing();
    const CSpriteFrame* n = currentFrame();
    if (!f || !n)
        return;
    const int sx = x;
    const int sy = y;
    x = sx - f->anchorX;
    y = sy - n->anchorY;
    CSprite::updateBG();
    x = sx;
    y = sy;
}

void Fighter::clearBG()
{
    CSprite::clearBG();
}
