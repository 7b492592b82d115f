// The per-frame driver of one fighter from keyboard or joystick: input to
// command letters, walking, jumping, frame events, and the damage side (hits,
// blocking, deflection, grabs, hit effects, the damage number).
#include "control/player_control.h"

#include "engine/audio.h"
#include "engine/clock.h"
#include "engine/font.h"
#include "engine/gamepad.h"
#include "engine/globals.h"
#include "fighter/collision.h"
#include "fighter/condition.h"
#include "fighter/fighter.h"
#include "fighter/hit_ref.h"
#include "fighter/input_checker.h"
#include "fighter/move_set.h"
#include "fighter/particles.h"
#include "screens/fight_ui.h"

#include <functional>

playerControl::playerControl()
    : screen(nullptr), pauseRequest(0), fighter(nullptr), fightUI(nullptr), playerNumber(0), faceInfo(nullptr),
      partInfo(nullptr), particles(nullptr), effects(nullptr), specialBackdrop(nullptr), sounds(nullptr),
      anims(nullptr), moves(nullptr), pad(nullptr), joystick(nullptr), input(nullptr), target(nullptr),
      grabber(nullptr), grabbed(false), grabOffsetY(0), lastTick(0), nowTick(0), frameStep(0.0f), accum(0.0f),
      blocking(false), damageTextEnd(0.0f), firedSheet(nullptr), firedFrame(-1),
      firedChange(-1), firedShowing(0)
{
}

playerControl::~playerControl() = default;

void playerControl::init(SDL_Surface* s)
{
    screen = s;
    pauseRequest = 0;
    fighter = nullptr;
    fightUI = nullptr;
    playerNumber = 0;
    faceInfo = nullptr;
    partInfo = nullptr;
    particles = nullptr;
    sounds = nullptr;
    anims = nullptr;
    moves = nullptr;
    pad = nullptr;
    joystick = nullptr;
    input = nullptr;
    target = nullptr;
    grabber = nullptr;
    grabbed = false;
    grabOffsetY = 0;
    lastTick = 0;
    accum = 0.0f;
    blocking = false;
    damageTextEnd = 0.0f;
    // Every control draws its damage numbers in the same red font: one copy serves them all.
    damageFont = sharedFont("data/font/Calibri2", 1.0f, 0.0f, 0.0f, 1.0f);
}

void playerControl::setup(Fighter* f, partInfoList* parts, particleList* list, soundSet* snd, animationSet* a,
                          moveSet* m, gamePad* p, inputChecker* in, Target* t)
{
    fighter = f;
    partInfo = parts;
    particles = list;
    sounds = snd;
    anims = a;
    moves = m;
    pad = p;
    input = in;
    target = t;
    nearestTarget.owner = f;
    if (pad && pad->joystickIndex >= 0)
        joystick = pad->joystick;
}

void playerControl::updateAI()
{
}

moveInfo* playerControl::ownMove(const std::string& name) const
{
    return moves ? moves->findMove(name) : nullptr;
}

void playerControl::update()
{
    nowTick = static_cast<int>(gameTicks());
    frameStep = static_cast<float>((nowTick - lastTick) * 0.1);
    lastTick = nowTick;
    accum += frameStep;
    if (!fighter)
        return;

    // Sound, particles and face fire once per showing of a frame, even when
    // the frame stays on screen (a sheet's last frame).
    const bool fresh = !(firedSheet == fighter->sheet && firedFrame == fighter->frame &&
                         firedChange == fighter->lastChange && firedShowing == fighter->showing);
    bool fired = false;
    if (fresh && fighter->hasFrame())
    {
        const std::string sound = fighter->returnSound();
        if (sound != "NULL" && !sound.empty())
        {
            if (sounds)
                sounds->Play(sound, -1);
            fired = true;
        }
        const int n = fighter->returnPartNum();
        if (n > 0)
        {
            for (int i = 1; i <= n; ++i)
                if (particles)
                    particles->addParticle(fighter->returnParticle(i), fighter, partInfo, screen, lastTick,
                                           fighter->x, fighter->y);
            fired = true;
        }
    }
    if (fighter->getConditionNum() > 0)
    {
        Condition condition(fighter, target);
        condition.handleConditionSet(fighter->getConditions(), fighter->getConditionNum());
    }
    if (fresh && fighter->hasFrame())
    {
        const std::string face = fighter->getFace();
        if (face != "NULL" && !face.empty() && faceInfo)
        {
            if (effects)
                effects->addParticleXY(face, fighter->dir, faceInfo, screen, lastTick, fighter->x, fighter->y - 150);
            if (fighter->getSpecial() && specialBackdrop)
                specialBackdrop->addParticleXY(kSpecialBackdropKind, true, partInfo, screen, lastTick, 0, 0);
            fired = true;
        }
    }
    if (fightUI && moves)
    {
        if (playerNumber == 1)
            fightUI->setPlayer1SpecialCommands(moves->getSpecialMoveCommands());
        else if (playerNumber == 2)
            fightUI->setPlayer2SpecialCommands(moves->getSpecialMoveCommands());
    }
    if (fired)
    {
        firedSheet = fighter->sheet;
        firedFrame = fighter->frame;
        firedChange = fighter->lastChange;
        firedShowing = fighter->showing;
        fighter->addFrame();
        // Stepping on ends the showing. Only a last frame, which stays, keeps
        // its record: a move started again shows its first frame anew even
        // though starting a move leaves the frame clock as it was.
        if (fighter->frame != firedFrame)
            firedSheet = nullptr;
    }
}

void playerControl::inputChecking(SDL_Event* event)
{
    if (!pad)
        return;
    if (pad->joystickIndex == -1)
        keyboardCheck(event);
    else
        joystickCheck(event);
}

void playerControl::jumpPress()
{
    if (!fighter)
        return;
    if (fighter->grounded && fighter->jump >= 1 && !fighter->returnBusy() && effects)
        effects->addParticleXY("dustJump", fighter->dir, partInfo, screen, lastTick, fighter->x, fighter->y);
    fighter->Jump(fighter->jump);
    buttonPress('U');
}

void playerControl::keyboardCheck(SDL_Event* event)
{
    handleKeys(event, true, [this]() { buttonPress('C'); });
}

void playerControl::handleKeys(SDL_Event* event, bool pauseKeyPauses, const std::function<void()>& thirdButton)
{
    if (!event || event->type != SDL_KEYDOWN || !pad || !fighter)
        return;
    const int key = event->key.keysym.sym;
    if (key == SDLK_ESCAPE || (pauseKeyPauses && key == pad->keyPause) || fullyQuit)
        pauseRequest = 1;
    if (key == pad->keyA)
        buttonPress('A');
    if (key == pad->keyB)
        buttonPress('B');
    if (key == pad->keyC)
        thirdButton();
    if (key == pad->keyUp)
        jumpPress();
    if (key == pad->keyDown)
        buttonPress('D');
    if (key == pad->keyRight)
        buttonPress(fighter->dir ? 'R' : 'L');
    if (key == pad->keyLeft)
        buttonPress(fighter->dir ? 'L' : 'R');
    if (key == SDLK_j && debugToggle)
        debugging = !debugging;
}

void playerControl::joystickCheck(SDL_Event* event)
{
    if (!event || !pad || !fighter)
        return;
    if (event->type == SDL_KEYDOWN && (event->key.keysym.sym == SDLK_ESCAPE || fullyQuit))
        pauseRequest = 1;
    if (event->type == SDL_JOYBUTTONDOWN && event->jbutton.which == pad->joystickIndex)
    {
        const int b = event->jbutton.button;
        if (b == pad->buttonA)
            buttonPress('A');
        if (b == pad->buttonB)
            buttonPress('B');
        if (b == pad->buttonC)
            buttonPress('C');
        if (b == pad->buttonPause)
            pauseRequest = 1;
    }
    if (event->type == SDL_JOYAXISMOTION && event->jaxis.which == pad->joystickIndex)
    {
        const int v = event->jaxis.value;
        if (v >= gamePadDeadZoneMin && v <= gamePadDeadZoneMax)
        {
            pad->updateAxes(event);
            return;
        }
        if (event->jaxis.axis == 0 && pad->xAxisCentred)
        {
            if (v >= 1)
                buttonPress(fighter->dir ? 'R' : 'L');
            else
                buttonPress(fighter->dir ? 'L' : 'R');
        }
        else if (event->jaxis.axis == 1 && pad->yAxisCentred)
        {
            if (v < 1)
                jumpPress();
            else
                buttonPress('D');
        }
        pad->updateAxes(event);
    }
}

void playerControl::buttonPress(char letter)
{
    if (!input || !fighter)
        return;
    inputKeys keys;
    keys.time = nowTick;
    keys.key = letter;
    keys.state = fighter->state;
    input->acceptInput(keys);
}

void playerControl::movementChecking(SDL_Event* event)
{
    if (!fighter || !pad)
        return;
    if (accum > accumTot)
    {
        if (pad->joystickIndex == -1)
            keyboardMovement();
        else
            joystickMovement(event);
        updatePosition();
        accum = 0.0f;
    }
    commandStep(true);
}

void playerControl::commandStep(bool backJumps)
{
    moveInfo* move = (!fighter->falling && input) ? input->update(nowTick) : nullptr;
    if (move)
    {
        if (!(fighter->returnBusy() && move->startFrom == "NULL"))
            fighter->changeAction(move);
        return;
    }
    if (fighter->returnBusy() || !input)
        return;
    const char run = input->checkRun();
    if (fighter->grounded)
    {
        if (run == 'L' && backJumps)
            fighter->changeAction(ownMove("backJump"));
        else if (run == 'R')
            fighter->setRunning();
    }
    else if (run == 'L' || run == 'R')
    {
        fighter->changeFalling(false);
        fighter->changeAction(ownMove(run == 'L' ? "airBack" : "airForward"));
    }
}

void playerControl::walkStep(bool leftHeld, bool rightHeld, bool downHeld, bool turnWithKeys, bool skipWhenFalling)
{
    const std::string entryState = fighter->state;
    bool idle = true;
    bool running = false;
    bool wanted = fighter->dir;
    const bool busy = fighter->returnBusy();
    const bool mayMove = busy ? !fighter->grounded : !(entryState == "duck" && fighter->grounded);
    auto face = [&](bool right) {
        wanted = right;
        if (turnWithKeys)
            fighter->setDir(right);
    };
    if (mayMove && fighter->state != "running")
    {
        if (leftHeld)
        {
            face(false);
            idle = false;
            fighter->x -= fighter->speed;
        }
        if (rightHeld)
        {
            face(true);
            idle = false;
            fighter->x += fighter->speed;
        }
    }
    else if (mayMove)
    {
        if (fighter->dir && rightHeld)
        {
            fighter->x += 2 * fighter->speed;
            running = true;
        }
        if (!fighter->dir && leftHeld)
        {
            fighter->x -= 2 * fighter->speed;
            running = true;
        }
    }
    else
    {
        if (leftHeld)
            face(false);
        if (rightHeld)
            face(true);
    }
    if (!turnWithKeys)
        blocking = wanted != fighter->dir;
    if (downHeld)
    {
        fighter->duck();
        idle = false;
    }
    else if (entryState == "duck")
    {
        fighter->changeAnim("standing");
    }
    if (skipWhenFalling && fighter->falling)
        return;
    if (running && fighter->state != "running")
        fighter->changeAnim("running");
    else if (!running && !fighter->returnBusy() && fighter->state != "duck" && fighter->state != "inAir")
    {
        if (idle && fighter->state != "standing")
            fighter->changeAnim("standing");
        else if (!idle && fighter->state != "walk")
            fighter->changeAnim("walk");
    }
}

void playerControl::keyboardMovement()
{
    keyboardWalk(false, true);
}

void playerControl::joystickMovement(SDL_Event*)
{
    joystickWalk(false, false);
}

void playerControl::keyboardWalk(bool turnWithKeys, bool skipWhenFalling)
{
    if (!fighter || !pad)
        return;
    const Uint8* keys = SDL_GetKeyState(nullptr);
    auto held = [&](int key) { return key > 0 && key < SDLK_LAST && keys && keys[key]; };
    walkStep(held(pad->keyLeft), held(pad->keyRight), held(pad->keyDown), turnWithKeys, skipWhenFalling);
}

void playerControl::joystickWalk(bool turnWithKeys, bool skipWhenFalling)
{
    if (!fighter || !pad || !(accum > accumTot))
        return;
    // With no stick bound the step runs as for a centred one, so a walking
    // fighter stops and drops its block.
    const int x = joystick ? SDL_JoystickGetAxis(joystick, 0) : 0;
    const int y = joystick ? SDL_JoystickGetAxis(joystick, 1) : 0;
    walkStep(x < gamePadDeadZoneMin, x > gamePadDeadZoneMax, y > gamePadDeadZoneMax, turnWithKeys,
             skipWhenFalling);
}

bool playerControl::holdGrab()
{
    if (!grabbed)
        return false;
    // A holder that falls or dies lets go.
    if (!grabber || grabber->hp <= 0 || grabber->falling)
    {
        grabbed = false;
        return false;
    }
    blocking = false;
    fighter->changeAnim("fallDown");
    fighter->x = grabber->getHitPointX(grabber->dir);
    fighter->y = grabber->getHitPointY() + grabOffsetY;
    if (particles)
        particles->update();
    accum = 0.0f;
    if (!grabber->grabbing)
        grabbed = false;
    return true;
}

void playerControl::updatePosition()
{
    if (!fighter)
        return;
    if (holdGrab())
        return;
    if (!(accum > accumTot))
        return;
    if (!fighter->returnBusy() && fighter->grounded)
        checkDirection();
    if (checkCollision())
        fighter->x += fighter->dir ? -fighter->speed : fighter->speed;
    physicsStep();
}

void playerControl::physicsStep()
{
    if (fighter->falling && fighter->grounded && !fighter->returnBusy())
    {
        fighter->changeFalling(false);
        fighter->changeAction(ownMove("crash"));
    }
    fighter->Gravity();
    fighter->boundary();
    if (particles)
        particles->update();
    accum = 0.0f;
}

void playerControl::checkDirection()
{
    if (!fighter || !target || fighter->returnBusy() || !fighter->grounded)
        return;
    fighter->setDir(target->retX() > fighter->x);
}

void playerControl::doStartPose()
{
    if (fighter)
        fighter->changeAction(ownMove("pose1"));
}

void playerControl::doEndPose()
{
    if (fighter)
        fighter->changeAction(ownMove("endPose1"));
}

void playerControl::takeDamage(particle* p)
{
    if (!p)
        return;
    if (blocking)
        takeBlocking();
    else
        takeDamage(p->getDamage(), p->getHitType());
}

void playerControl::takeDamage()
{
    if (!target || !fighter)
        return;
    if (!fighter->returnBusy() && fighter->grounded)
        fighter->setDir(target->retX() > fighter->x);
    takeDamage(target->getDamage(), target->getHitType());
}

void playerControl::checkParticleCollision(particleList* list, char who)
{
    if (list && fighter)
        takeDamage(list->collideFighter(fighter, who));
}

bool playerControl::checkDamgeCollision()
{
    if (!target || !fighter || !fighter->hasFrame() || !target->returnTarget() ||
        !target->returnTarget()->hasFrame())
        return false;
    return SquareCollider(target->getDmgBox(), fighter->getCBox()).collisionCheck();
}

bool playerControl::checkCollision()
{
    if (!target || !fighter || fighter->hp <= 0 || !fighter->hasFrame())
        return false;
    Fighter* other = target->returnTarget();
    if (!other || !other->hasFrame())
        return false;
    return SquareCollider(fighter->getCBox(), other->getCBox()).collisionCheck();
}

void playerControl::updateDamageCollision()
{
    if (!checkDamgeCollision())
        return;
    if (fighter->grabbing)
        return;
    if (blocking)
    {
        takeBlocking();
        return;
    }
    if (!fighter->returnBusy() && fighter->grounded)
        fighter->setDir(target->retX() > fighter->x);
    takeDamage(target->getDamage(), target->getHitType());
}

void playerControl::checkDeflectCollision()
{
    if (!target || !fighter)
        return;
    Fighter* other = target->returnTarget();
    if (!other || !fighter->hasFrame() || !other->hasFrame())
        return;
    const bool mine = fighter->getDeflecting();
    const bool theirs = other->getDeflecting();
    if (!(mine || theirs) || fighter->getDamage() == 0 || other->getDamage() == 0)
        return;
    if (!SquareCollider(fighter->getDBox(), other->getDBox()).collisionCheck())
        return;
    // Each fighter plays its deflected move from the move set it plays from.
    if (mine)
    {
        const std::string name = other->getDeflected();
        if (name != "NULL" && other->moves)
            other->changeAction(other->moves->findMove(name));
    }
    if (theirs)
    {
        const std::string name = fighter->getDeflected();
        if (name != "NULL" && fighter->moves)
            fighter->changeAction(fighter->moves->findMove(name));
    }
}

void playerControl::takeBlocking()
{
    if (!fighter || fighter->returnBusy())
        return;
    fighter->changePower(2);
    const char* name = fighter->grounded ? (fighter->state == "duck" ? "blockLo" : "blockHi") : "blockAir";
    moveInfo* block = ownMove(name);
    if (block && !fighter->returnBusy())
        fighter->changeAction(block);
}

void playerControl::addSFX(std::string name, Fighter* victim)
{
    if (name == "NULL" || !victim || !effects)
        return;
    const colBox box = victim->getCBox();
    const int x = (box.x1 + box.x2) / 2;
    const int y = (box.y1 + box.y2) / 2;
    effects->addParticleXY(name, victim->dir, partInfo, screen, lastTick, x, y);
    for (const char* fleck : {"fleckNE", "fleckNW", "fleckSE", "fleckSW"})
        if (g_randomNumber.getNumber(2) == 1)
            effects->addParticleXY(fleck, victim->dir, partInfo, screen, lastTick, x, y);
}

void playerControl::shakeScreen()
{
    shakeAmt = g_randomNumber.getNumber(8) + 2;
    shakeSize = g_randomNumber.getNumber(4) + 2;
    shakeDir = g_randomNumber.getNumber(8);
}

void playerControl::showDamage(int damage)
{
    damageText = std::to_string(damage);
    damageTextEnd = static_cast<float>(gameTicks() + 1000);
}

void playerControl::liftTogether(Fighter* attacker)
{
    if (fighter->grounded)
        return;
    fighter->vSpeed = 5;
    if (attacker)
        attacker->vSpeed = 5;
}

bool playerControl::grabBy(Fighter* holder)
{
    // A grab needs a living holder.
    if (!holder || holder->hp <= 0)
        return false;
    grabbed = true;
    grabber = holder;
    holder->grabbing = true;
    grabOffsetY = fighter->y - holder->getHitPointY();
    return true;
}

void playerControl::applyHit(const HitRules& rules, int damage, int hitType)
{
    if (!fighter || !fighter->returnHitable() || damage < 1)
        return;
    if (rules.releaseGrab)
        grabbed = false;
    hitRef refs;
    moveInfo* reaction = fighter->hp > damage ? refs.hitReference(moves, hitType, fighter)
                                              : refs.deathReference(moves, hitType, fighter);
    const std::string sound = refs.soundReference(hitType);
    if (sound != "NULL" && sounds)
        sounds->Play(sound, -1);
    if (hitType == 7 && rules.grabs)
    {
        if (!grabBy(rules.grabHolder))
            return;
        shakeScreen();
        freezeEnd = gameTicks() + (fighter->hp > 0 ? freeze_20ms : freeze_50ms);
        return;
    }
    if (!reaction)
        return;
    fighter->changeAction(reaction);
    fighter->changePower(3);
    Fighter* attacker = rules.attacker;
    if (rules.rewards && attacker && (!rules.attackerMustLive || attacker->hp > 0))
    {
        attacker->changePower(5);
        addSFX(refs.sfxReference(rules.sparkHitType), fighter);
        if (fighter->extraStat > 0)
            addSFX("bloodSplat1", fighter);
        if (rules.attackerCombo)
            attacker->addCombo(1);
        fighter->breakCombo();
    }
    fighter->changeHP(-damage);
    shakeScreen();
    if (rules.freezes)
        freezeEnd = gameTicks() + (fighter->hp > 0 ? freeze_20ms : rules.knockOutFreeze);
    showDamage(damage);
    if (rules.lift)
        liftTogether(attacker);
}

void playerControl::takeDamage(int damage, int hitType)
{
    HitRules rules;
    rules.attacker = target ? target->returnTarget() : nullptr;
    rules.sparkHitType = target ? target->getHitType() : 0;
    rules.grabHolder = rules.attacker;
    rules.knockOutFreeze = freeze_kill;
    applyHit(rules, damage, hitType);
}

void playerControl::stageUpdatePosition(bool faceTarget)
{
    if (!fighter)
        return;
    if (holdGrab())
        return;
    if (!(accum > accumTot))
        return;
    if (faceTarget)
        checkDirection();
    physicsStep();
}

void playerControl::displayText(int cameraX, int cameraY)
{
    if (!fighter || !damageFont || !(static_cast<float>(gameTicks()) < damageTextEnd))
        return;
    drawString(screen, damageFont.get(), fighter->x - cameraX, fighter->y - cameraY - 50, "%s", damageText.c_str());
}

void playerControl::displayText()
{
    displayText(0, 0);
}
