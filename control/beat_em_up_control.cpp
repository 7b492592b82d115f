// The human player's control in beat-'em-up stages: two weapon sets swapped
// with the third button, turning with the keys, fighting a whole array of
// enemies, never blocking.
#include "control/beat_em_up_control.h"

#include "engine/gamepad.h"
#include "engine/globals.h"
#include "fighter/collision.h"
#include "fighter/fighter.h"
#include "fighter/input_checker.h"
#include "fighter/move_set.h"
#include "fighter/particles.h"

void playerBeatEmControl::setup(Fighter* f, partInfoList* parts, particleList* list, soundSet* snd,
                                animationSet* a1, animationSet* a2, moveSet* m1, moveSet* m2, gamePad* p,
                                inputChecker* c1, inputChecker* c2)
{
    fighter = f;
    partInfo = parts;
    particles = list;
    sounds = snd;
    nearestTarget.owner = f;
    anims = a1;
    moves = m1;
    input = c1;
    currentSet = 1;
    animSet2 = a2;
    moves1 = m1;
    moves2 = m2;
    inputCheck1 = c1;
    inputCheck2 = c2;
    pad = p;
    if (pad && pad->joystickIndex >= 0)
        joystick = pad->joystick;
    if (fighter)
        fighter->moves = moves;
}

void playerBeatEmControl::swapWeapons()
{
    if (!animSet2 || !fighter)
        return;
    currentSet = currentSet == 1 ? 2 : 1;
    fighter->animSet = currentSet == 1 ? anims : animSet2;
    fighter->changeAnim("standing");
    moves = currentSet == 1 ? moves1 : moves2;
    fighter->moves = moves;
    if (input)
    {
        // A link queued with the old weapon's moves cannot follow in the new ones.
        input->pending = nullptr;
        input->setup(moves, fighter);
    }
}

void playerBeatEmControl::inputChecking(SDL_Event* event)
{
    if (!pad)
        return;
    if (pad->joystickIndex == -1)
        keyboardCheck(event);
    else
        joystickCheck(event);
}

void playerBeatEmControl::keyboardCheck(SDL_Event* event)
{
    handleKeys(event, true, [this]() { swapWeapons(); });
}

void playerBeatEmControl::joystickCheck(SDL_Event* event)
{
    if (!event || !pad || !fighter)
        return;
    if (event->type == SDL_JOYBUTTONDOWN && event->jbutton.which == pad->joystickIndex)
    {
        const int b = event->jbutton.button;
        if (b == pad->buttonA)
            buttonPress('A');
        if (b == pad->buttonB)
            buttonPress('B');
        if (b == pad->buttonC)
            swapWeapons();
        if (b == pad->buttonPause)
            pauseRequest = 1;
        return;
    }
    playerControl::joystickCheck(event);
}

void playerBeatEmControl::movementChecking(SDL_Event* event, enemyData* enemies, int count)
{
    if (!fighter || !pad)
        return;
    if (accum > accumTot)
    {
        if (pad->joystickIndex != -1)
            joystickMovement(event);
        else
            keyboardMovement();
        updatePosition(enemies, count);
        accum = 0.0f;
    }
    // The stage has no back dash on the ground.
    commandStep(false);
}

void playerBeatEmControl::keyboardMovement()
{
    keyboardWalk(true, true);
}

void playerBeatEmControl::joystickMovement(SDL_Event*)
{
    joystickWalk(true, true);
}

void playerBeatEmControl::updatePosition(enemyData*, int)
{
    stageUpdatePosition(false);
}

void playerBeatEmControl::updateDamageCollision(enemyData* enemies, int count)
{
    enemyCount = count;
    forEachBlowOn(fighter, enemies, count, [this](Fighter* enemy) {
        // A held player keeps its holder: another enemy's blow does not take it over.
        if (!grabbed)
            grabber = enemy;
        takeDamage(enemy->getDamage(), enemy->getHitType(), enemy);
    });
}

bool playerBeatEmControl::canHold(Fighter* holder) const
{
    // The enemy that swung last must still be alive, switched on and reaching
    // the player: a grab shot never drags the player to an enemy across the
    // stage, nor to one that is never drawn and so never lets go.
    if (!blowReaches(holder, fighter))
        return false;
    if (!enemyControls)
        return true;
    for (int i = 0; i < enemyCount; ++i)
        if (enemyControls[i].fighter == holder)
            return enemyControls[i].active;
    return true;
}

void playerBeatEmControl::checkDeflectCollision(enemyData*, int)
{
}

void playerBeatEmControl::checkParticleCollision(particleList* list, char who)
{
    if (list && fighter)
        takeDamage(list->collideFighter(fighter, who));
}

void playerBeatEmControl::takeDamage(particle* p)
{
    if (p)
        takeDamage(p->getDamage(), p->getHitType());
}

void playerBeatEmControl::takeDamage(int damage, int hitType, Fighter* attacker)
{
    HitRules rules;
    rules.attacker = attacker;
    rules.attackerMustLive = true;
    rules.sparkHitType = attacker ? attacker->getHitType() : 0;
    rules.attackerCombo = false;
    rules.releaseGrab = false;
    // An enemy's blow of hit type 7 is an ordinary blow here: only a grab
    // projectile holds the player.
    rules.grabs = false;
    rules.knockOutFreeze = freeze_kill;
    applyHit(rules, damage, hitType);
}

void playerBeatEmControl::takeDamage(int damage, int hitType)
{
    HitRules rules;
    rules.rewards = false;
    // With no enemy able to hold the player a grab shot only sounds.
    rules.grabHolder = canHold(grabber) ? grabber : nullptr;
    rules.knockOutFreeze = freeze_kill;
    rules.lift = false;
    applyHit(rules, damage, hitType);
}

void playerBeatEmControl::takeDamage(Fighter* attacker)
{
    if (!attacker)
        return;
    grabber = attacker;
    takeDamage(attacker->getDamage(), attacker->getHitType(), attacker);
}

bool playerBeatEmControl::checkCollision(enemyData*, int)
{
    return false;
}

bool playerBeatEmControl::checkDamgeCollision(Fighter* other)
{
    return blowReaches(other, fighter);
}
