// The per-frame driver of one fighter from keyboard or joystick: input to
// command letters, walking, jumping, frame events, and the damage side (hits,
// blocking, deflection, grabs, hit effects, the damage number).
#pragma once

#include <SDL.h>
#include <functional>
#include <string>

#include "engine/font.h"
#include "fighter/target.h"

class Fighter;
class partInfoList;
class particleList;
class particle;
class soundSet;
class animationSet;
class moveSet;
class moveInfo;
class gamePad;
class inputChecker;
class basicFightUI;

// The common base of every control; it has no operations of its own.
class control
{
};

class playerControl : public control
{
public:
    playerControl();
    // Controls are kept by pointer to their base by the fight code and its tests.
    virtual ~playerControl();
    playerControl(const playerControl&) = delete;
    playerControl& operator=(const playerControl&) = delete;

    virtual void updateAI();
    virtual void inputChecking(SDL_Event* event);
    virtual void movementChecking(SDL_Event* event);
    virtual void takeDamage(int damage, int hitType);

    void init(SDL_Surface* screen);
    void setup(Fighter* fighter, partInfoList* partInfo, particleList* particles, soundSet* sounds,
               animationSet* anims, moveSet* moves, gamePad* pad, inputChecker* input, Target* target);

    void update();
    void keyboardCheck(SDL_Event* event);
    void joystickCheck(SDL_Event* event);
    void buttonPress(char letter);
    void keyboardMovement();
    void joystickMovement(SDL_Event* event);
    void updatePosition();
    void checkDirection();
    void doStartPose();
    void doEndPose();

    void takeDamage(particle* p);
    void takeDamage();
    void checkParticleCollision(particleList* list, char who);
    void updateDamageCollision();
    void checkDeflectCollision();
    void takeBlocking();
    void addSFX(std::string name, Fighter* victim);
    bool checkDamgeCollision();
    bool checkCollision();
    void displayText(int cameraX, int cameraY);
    void displayText();

    SDL_Surface* screen;
    int pauseRequest;
    Fighter* fighter;
    basicFightUI* fightUI;
    int playerNumber;
    partInfoList* faceInfo;
    partInfoList* partInfo;
    particleList* particles;
    particleList* effects;
    particleList* specialBackdrop;
    soundSet* sounds;
    animationSet* anims;
    moveSet* moves;
    gamePad* pad;
    SDL_Joystick* joystick;
    inputChecker* input;
    Target* target;
    smartTarget nearestTarget;
    Fighter* grabber;
    bool grabbed;
    int grabOffsetY;
    int lastTick;
    int nowTick;
    float frameStep;
    float accum;
    bool blocking;
    SharedFont damageFont;
    std::string damageText;
    float damageTextEnd;

protected:
    // How a landed blow plays out; the intakes of the different controls
    // differ only in these choices.
    struct HitRules
    {
        // Who gains power and combo and rises with an airborne victim; null: nobody.
        Fighter* attacker = nullptr;
        // Rewards only go to an attacker that still has health.
        bool attackerMustLive = false;
        // The hit type the hit spark is chosen by.
        int sparkHitType = 0;
        // Attacker power, spark, blood and breaking the victim's combo.
        bool rewards = true;
        // The attacker's combo grows by one.
        bool attackerCombo = true;
        // A new blow frees a held fighter.
        bool releaseGrab = true;
        // Hit type 7 grabs, held by `grabHolder`.
        bool grabs = true;
        Fighter* grabHolder = nullptr;
        // The hit-stop after a blow (none for props), and after a knock-out.
        bool freezes = true;
        int knockOutFreeze = 300;
        // An airborne victim and its attacker rise together.
        bool lift = true;
    };
    void applyHit(const HitRules& rules, int damage, int hitType);
    // The position step of the stage controls: the grab hold, or, once a
    // step is due, the knock-down landing, gravity and bounds, facing the
    // target first when asked.
    void stageUpdatePosition(bool faceTarget);
    // One physics step once it is due: the crash after a knock-down landing,
    // gravity, the field's bounds and the fighter's particles.
    void physicsStep();
    // The key handling every player control shares; the pause key counts
    // only where `pauseKeyPauses`, and the third attack key does `thirdButton`.
    void handleKeys(SDL_Event* event, bool pauseKeyPauses, const std::function<void()>& thirdButton);

    void shakeScreen();
    void showDamage(int damage);
    void liftTogether(Fighter* attacker);
    // Sets up a grab of this control's fighter by `holder`; false (no grab)
    // when there is no living holder.
    bool grabBy(Fighter* holder);
    // The hold of a grab: true while the fighter is held.
    bool holdGrab();
    // A jump press: dust on a jump from the ground, the jump, and 'U'.
    void jumpPress();
    // A move of the set in use by exact name, or null.
    moveInfo* ownMove(const std::string& name) const;
    void walkStep(bool leftHeld, bool rightHeld, bool downHeld, bool turnWithKeys, bool skipWhenFalling);
    // The command moves of a frame: a matched move starts, or a double tap
    // runs (forward), back-jumps (backward, where `backJumps`) or dashes in the air.
    void commandStep(bool backJumps);
    // A walking step from the keys held now, or from the stick's position.
    void keyboardWalk(bool turnWithKeys, bool skipWhenFalling);
    void joystickWalk(bool turnWithKeys, bool skipWhenFalling);

private:
    // A sheet's last frame whose sound, particles or face fired and that
    // stays on screen, so it fires once per showing; null when none.
    const void* firedSheet;
    int firedFrame;
    int firedChange;
    unsigned firedShowing;
};
