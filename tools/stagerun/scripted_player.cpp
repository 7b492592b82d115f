// A player played by the program, for running stages headless: it walks to a
// waiting trigger's place, else to the nearest awake enemy still standing,
// faces it and strikes (A and B by turns), with the keys of its control's pad.
// With power to spend it strikes with one of Nick's specials instead: no blow
// stops a special, so a crowd cannot keep him down.
#include "tools/stagerun/scripted_player.h"

#include "control/enemy_ai.h"
#include "control/player_control.h"
#include "engine/gamepad.h"
#include "fighter/fighter.h"
#include "screens/beat_em_up_stage.h"
#include "screens/segment_builder.h"
#include "screens/stage_segments.h"

#include <cstdlib>
#include <initializer_list>

namespace
{
// Close enough to a trigger's x to set it off (it fires strictly within 20).
constexpr int kTriggerReach = 8;
// How far beyond touching bodies a blow still lands.
constexpr int kStrikeReach = 30;
// How far beyond touching bodies the specials still land.
constexpr int kSpecialReach = 60;
// The power BloodBath and ImpaleStrike cost.
constexpr int kSpecialCost = 20;

int bodyWidth(const Fighter* f)
{
    const colBox b = f->getCBox();
    return b.x2 > b.x1 ? b.x2 - b.x1 : 0;
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

// The awake enemy still standing nearest to x, or null.
Fighter* nearestEnemy(beatEmUpSegmentBuilder* b, int x)
{
    Fighter* best = nullptr;
    for (int i = 0; i < b->numEnemies; ++i)
    {
        Fighter* f = b->enemyAI[i].fighter;
        if (!b->enemyAI[i].active || !f || f->hp < 1)
            continue;
        if (!best || std::abs(f->x - x) < std::abs(best->x - x))
            best = f;
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
    Fighter* enemy = nearestEnemy(b, me->x);
    if (!enemy)
    {
        walk(0);
        return;
    }
    const int dx = enemy->x - me->x;
    const bool facingIt = dx == 0 || me->dir == (dx > 0);
    const int reach = (bodyWidth(me) + bodyWidth(enemy)) / 2 + kStrikeReach;
    if (std::abs(dx) > reach || !facingIt)
    {
        walk(dx);
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
        if (!b->enemyAI[i].active || !f || f->hp < 1)
            continue;
        const int dx = f->x - me->x;
        if (std::abs(dx) > (bodyWidth(me) + bodyWidth(f)) / 2 + kSpecialReach)
            continue;
        (dx == 0 || (dx > 0) == me->dir ? ahead : behind) = true;
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
