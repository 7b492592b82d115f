// A player played by the program, for running stages headless: it walks to a
// waiting trigger's place, else to the nearest awake enemy still standing,
// faces it and strikes (A and B by turns), with the keys of its control's pad.
// With power to spend it strikes with one of Nick's specials instead: no blow
// stops a special, so a crowd cannot keep him down.
#include "tools/stagerun/scripted_player.h"

#include "control/enemy_ai.h"
#include "control/player_control.h"
#include "engine/gamepad.h"
#include "fighter/collision.h"
#include "fighter/fighter.h"
#include "screens/beat_em_up_stage.h"
#include "screens/segment_builder.h"
#include "screens/stage_segments.h"

#include <algorithm>
#include <cstdlib>
#include <initializer_list>

namespace
{
// Close enough to a trigger's x to set it off (it fires strictly within 20).
constexpr int kTriggerReach = 8;
// How far from the enemy's body Nick strikes: near enough for his short blows,
// which land a little beyond his own body.
constexpr int kStrikeReach = 20;
// How far from Nick's body an enemy is close enough to spend a special on.
constexpr int kSpecialReach = 40;
// The power BloodBath and ImpaleStrike cost.
constexpr int kSpecialCost = 20;

// The room between two fighters' bodies, below zero where they overlap. It is
// taken from the body boxes, not the anchors, which may sit anywhere in a wide
// body such as a tank's.
int gapBetween(const Fighter* a, const Fighter* b)
{
    const colBox p = a->getCBox();
    const colBox q = b->getCBox();
    if (p.x2 <= p.x1 || q.x2 <= q.x1)
        return std::abs(a->x - b->x);
    return std::max(q.x1 - p.x2, p.x1 - q.x2);
}

// Whether b stands to the right of a, by the middles of their bodies.
bool standsRightOf(const Fighter* b, const Fighter* a)
{
    const colBox p = a->getCBox();
    const colBox q = b->getCBox();
    if (p.x2 <= p.x1 || q.x2 <= q.x1)
        return b->x >= a->x;
    return q.x1 + q.x2 >= p.x1 + p.x2;
}

bool inRange(int key)
{
    return key > 0 && key < SDLK_LAST;
}

void pressKey(int key)
{
    if (!inRange(key))
        return;
    SDL_Event e{};
    e.type = SDL_KEYDOWN;
    e.key.type = SDL_KEYDOWN;
    e.key.state = SDL_PRESSED;
    e.key.keysym.sym = static_cast<SDLKey>(key);
    SDL_PushEvent(&e);
}

// Presses keys in order, so the control reads them as one command.
void pressKeys(std::initializer_list<int> keys)
{
    for (int key : keys)
        pressKey(key);
}

// The awake enemy still standing nearest to the fighter's body, or null.
Fighter* nearestEnemy(beatEmUpSegmentBuilder* b, const Fighter* me)
{
    Fighter* best = nullptr;
    int bestGap = 0;
    for (int i = 0; i < b->numEnemies; ++i)
    {
        Fighter* f = b->enemyAI[i].fighter;
        if (!b->enemyAI[i].active || !f || f->hp < 1)
            continue;
        const int gap = gapBetween(me, f);
        if (!best || gap < bestGap)
        {
            best = f;
            bestGap = gap;
        }
    }
    return best;
}
} // namespace

scriptedPlayer::scriptedPlayer(beatEmUpStageBase* s, playerControl* c, bool health)
    : stage(s), control(c), holdHealth(health)
{
}

scriptedPlayer::~scriptedPlayer()
{
    walk(0);
}

void scriptedPlayer::hold(int key, bool down)
{
    if (!inRange(key))
        return;
    SDL_GetKeyState(nullptr)[key] = down ? 1 : 0;
}

void scriptedPlayer::walk(int dx)
{
    if (heldLeft)
        hold(heldLeft, false);
    if (heldRight)
        hold(heldRight, false);
    heldLeft = heldRight = 0;
    if (!control->pad || dx == 0)
        return;
    int& held = dx < 0 ? heldLeft : heldRight;
    held = dx < 0 ? control->pad->keyLeft : control->pad->keyRight;
    hold(held, true);
}

void scriptedPlayer::step()
{
    Fighter* me = control->fighter;
    if (!me)
        return;
    if (holdHealth)
        me->hp = me->maxHP;
    beatEmUpSegmentBuilder* b = stage->builder;
    if (stage->state != 2 || me->hp < 1)
    {
        walk(0);
        return;
    }
    if (stage->currentSegment < b->numSegments)
        if (auto* trigger = dynamic_cast<beatEmUpSegPosTrigger*>(b->segments[stage->currentSegment]))
        {
            const int dx = trigger->x - me->x;
            walk(std::abs(dx) > kTriggerReach ? dx : 0);
            return;
        }
    Fighter* enemy = nearestEnemy(b, me);
    if (!enemy)
    {
        walk(0);
        return;
    }
    const bool toTheRight = standsRightOf(enemy, me);
    if (gapBetween(me, enemy) > kStrikeReach || me->dir != toTheRight)
    {
        walk(toTheRight ? 1 : -1);
        return;
    }
    walk(0);
    if (!control->pad)
        return;
    if (trySpecial(b))
        return;
    // A and B by turns: the light and the heavy chains both land.
    pressKey(heavyNext ? control->pad->keyB : control->pad->keyA);
    heavyNext = !heavyNext;
}

bool scriptedPlayer::trySpecial(beatEmUpSegmentBuilder* b)
{
    Fighter* me = control->fighter;
    if (me->power < kSpecialCost || me->returnBusy() || !me->grounded || me->falling)
        return false;
    bool ahead = false;
    bool behind = false;
    for (int i = 0; i < b->numEnemies; ++i)
    {
        Fighter* f = b->enemyAI[i].fighter;
        if (b->enemyAI[i].active && f && f->hp >= 1 && gapBetween(me, f) <= kSpecialReach)
            (standsRightOf(f, me) == me->dir ? ahead : behind) = true;
    }
    const gamePad* pad = control->pad;
    const int forward = me->dir ? pad->keyRight : pad->keyLeft;
    // BloodBath (forward, down, B) cuts in front and behind; ImpaleStrike
    // (down, forward, A) runs through what stands in front.
    if (behind)
        pressKeys({forward, pad->keyDown, pad->keyB});
    else if (ahead)
        pressKeys({pad->keyDown, forward, pad->keyA});
    return ahead || behind;
}
