// The player models that play stages and story fights headless. The scripted
// player strikes A and B by turns (and C where C strikes rather than swaps
// weapons), and with power to spend one of Nick's specials instead: no blow
// stops a special, so a crowd cannot keep him down.
#include "tools/stagerun/scripted_player.h"

#include "control/enemy_ai.h"
#include "control/player_control.h"
#include "engine/clock.h"
#include "engine/gamepad.h"
#include "fighter/collision.h"
#include "fighter/fighter.h"
#include "fighter/move_set.h"
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

// Presses a move's command: D down, R forward, L back, A, B and C the buttons.
void pressCommand(const std::string& command, const gamePad* pad, int forward, int back)
{
    for (char c : command)
        pressKey(c == 'D' ? pad->keyDown : c == 'R' ? forward : c == 'L' ? back
                 : c == 'A' ? pad->keyA : c == 'B' ? pad->keyB : c == 'C' ? pad->keyC : 0);
}

// The newcomer presses at most six times a second: a press at least this long after the last.
constexpr Uint32 kPressGapMs = 167;
// ... and at most this long, so that it keeps pressing at a human rate.
constexpr Uint32 kLongestPressGapMs = 500;
// The newcomer mashes once an enemy is this near to its body.
constexpr int kMashReach = 30;
// Whether a move is an unlocked special started on the ground from a stand.
bool isGroundSpecial(const moveInfo& m)
{
    return m.energyUsage > 0 && m.command != "zzz" && m.link == "NULL" && m.startFrom == "NULL" &&
           m.condition.find("ground = true") != std::string::npos;
}

// A weapon's own ground special, for a form without Nick's lunge: the dearest
// unlocked one, which the player saves its power for; the later of equals,
// since a weapon level unlocks its specials in order. Null for Nick's own
// sword, or when there is none.
const moveInfo* ownGroundSpecial(const Fighter* f)
{
    if (!f->moves || f->moves->findMove("ImpaleStrike"))
        return nullptr;
    const moveInfo* best = nullptr;
    for (const auto& m : f->moves->moves)
        if (isGroundSpecial(*m) && (!best || m->energyUsage >= best->energyUsage))
            best = m.get();
    return best;
}
} // namespace

bool parsePlayerModel(const std::string& name, playerModel& model)
{
    if (name == "scripted")
        model = playerModel::Scripted;
    else if (name == "newcomer")
        model = playerModel::Newcomer;
    else
        return false;
    return true;
}

const char* playerModelName(playerModel model)
{
    return model == playerModel::Newcomer ? "newcomer" : "scripted";
}

scriptedPlayer::scriptedPlayer(beatEmUpStageBase* s, playerControl* c, bool health, playerModel m, unsigned seed)
    : stage(s), control(c), me(c->fighter), pad(c->pad), holdHealth(health), model(m), random(seed)
{
}

scriptedPlayer::scriptedPlayer(Fighter* f, const gamePad* p, Fighter* o, playerModel m, unsigned seed,
                               bool health)
    : me(f), pad(p), opponent(o), holdHealth(health), model(m), random(seed)
{
}

scriptedPlayer::~scriptedPlayer()
{
    walk(0);
}

Fighter* scriptedPlayer::fighter() const
{
    return control ? control->fighter : me;
}

Fighter* scriptedPlayer::nearestEnemy() const
{
    if (!stage)
        return opponent && opponent->hp >= 1 ? opponent : nullptr;
    beatEmUpSegmentBuilder* b = stage->builder;
    const Fighter* self = fighter();
    Fighter* best = nullptr;
    int bestGap = 0;
    for (int i = 0; i < b->numEnemies; ++i)
    {
        Fighter* f = b->enemyAI[i].fighter;
        if (!b->enemyAI[i].active || !f || f->hp < 1)
            continue;
        const int gap = gapBetween(self, f);
        if (!best || gap < bestGap)
        {
            best = f;
            bestGap = gap;
        }
    }
    return best;
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
    if (!pad || dx == 0)
        return;
    int& held = dx < 0 ? heldLeft : heldRight;
    held = dx < 0 ? pad->keyLeft : pad->keyRight;
    hold(held, true);
}

void scriptedPlayer::step()
{
    if (control)
        pad = control->pad;
    Fighter* self = fighter();
    if (!self)
        return;
    if (holdHealth)
        self->hp = self->maxHP;
    if ((stage && stage->state != 2) || self->hp < 1)
    {
        walk(0);
        return;
    }
    if (stage && stage->currentSegment < stage->builder->numSegments)
        if (auto* trigger = dynamic_cast<beatEmUpSegPosTrigger*>(stage->builder->segments[stage->currentSegment]))
        {
            const int dx = trigger->x - self->x;
            walk(std::abs(dx) > kTriggerReach ? dx : 0);
            return;
        }
    Fighter* enemy = nearestEnemy();
    if (!enemy)
    {
        walk(0);
        return;
    }
    if (model == playerModel::Newcomer)
        mash(enemy);
    else
        strike(enemy);
}

void scriptedPlayer::strike(Fighter* enemy)
{
    Fighter* self = fighter();
    const bool toTheRight = standsRightOf(enemy, self);
    if (gapBetween(self, enemy) > kStrikeReach || self->dir != toTheRight)
    {
        walk(toTheRight ? 1 : -1);
        return;
    }
    walk(0);
    if (!pad)
        return;
    if (trySpecial())
        return;
    // A, B and, where C strikes, C by turns: every chain lands.
    const int keys[] = {pad->keyA, pad->keyB, pad->keyC};
    pressKey(keys[nextButton]);
    nextButton = (nextButton + 1) % (thirdButtonStrikes ? 3 : 2);
}

void scriptedPlayer::mash(Fighter* enemy)
{
    Fighter* self = fighter();
    const bool toTheRight = standsRightOf(enemy, self);
    const bool near = gapBetween(self, enemy) <= kMashReach;
    // Walks at the enemy until close, and turns to face it.
    walk(near && self->dir == toTheRight ? 0 : (toTheRight ? 1 : -1));
    if (!pad || !near)
        return;
    const Uint32 now = gameTicks();
    if (now < nextPress)
        return;
    const int keys[] = {pad->keyA, pad->keyB, pad->keyC};
    pressKey(keys[std::uniform_int_distribution<int>(0, 2)(random)]);
    nextPress = now + std::uniform_int_distribution<Uint32>(kPressGapMs, kLongestPressGapMs)(random);
}

bool scriptedPlayer::trySpecial()
{
    Fighter* me = fighter();
    // A fighter with a fury saves its power for it; a weapon form other than
    // Nick's sword saves it for its own dearest ground special.
    const moveInfo* fury = me->moves ? me->moves->findMove("fury") : nullptr;
    const moveInfo* saved = fury ? fury : ownGroundSpecial(me);
    if (me->power < (saved ? saved->energyUsage : kSpecialCost) || me->returnBusy() || !me->grounded ||
        me->falling)
        return false;
    bool ahead = false;
    bool behind = false;
    auto look = [&](Fighter* f)
    {
        if (f && f->hp >= 1 && gapBetween(me, f) <= kSpecialReach)
            (standsRightOf(f, me) == me->dir ? ahead : behind) = true;
    };
    if (stage)
    {
        beatEmUpSegmentBuilder* b = stage->builder;
        for (int i = 0; i < b->numEnemies; ++i)
            if (b->enemyAI[i].active)
                look(b->enemyAI[i].fighter);
    }
    else
        look(opponent);
    const int forward = me->dir ? pad->keyRight : pad->keyLeft;
    const int back = me->dir ? pad->keyLeft : pad->keyRight;
    // The fury strikes what stands in front; a form spends its special
    // surrounded or not, since it faces the enemy it goes for.
    if (saved)
    {
        const bool spend = fury ? ahead : ahead || behind;
        if (spend)
            pressCommand(saved->command, pad, forward, back);
        return spend;
    }
    // BloodBath (forward, down, B) cuts in front and behind; ImpaleStrike
    // (down, forward, A) runs through what stands in front.
    if (behind)
        pressKeys({forward, pad->keyDown, pad->keyB});
    else if (ahead)
        pressKeys({pad->keyDown, forward, pad->keyA});
    return ahead || behind;
}
