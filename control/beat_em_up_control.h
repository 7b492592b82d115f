// The human player's control in beat-'em-up stages: two weapon sets swapped
// with the third button, turning with the keys, fighting a whole array of
// enemies, never blocking.
#pragma once

#include "control/enemy_ai.h"
#include "control/player_control.h"

class playerBeatEmControl : public playerControl
{
public:
    void inputChecking(SDL_Event* event) override;
    void movementChecking(SDL_Event*) override {}
    void takeDamage(int damage, int hitType) override;

    void setup(Fighter* fighter, partInfoList* partInfo, particleList* particles, soundSet* sounds,
               animationSet* anims1, animationSet* anims2, moveSet* moves1, moveSet* moves2, gamePad* pad,
               inputChecker* check1, inputChecker* check2);
    void keyboardCheck(SDL_Event* event);
    void joystickCheck(SDL_Event* event);
    void swapWeapons();
    void movementChecking(SDL_Event* event, enemyData* enemies, int count);
    void keyboardMovement();
    void joystickMovement(SDL_Event* event);
    void updatePosition(enemyData* enemies, int count);
    void updateDamageCollision(enemyData* enemies, int count);
    void checkDeflectCollision(enemyData* enemies, int count);
    void checkParticleCollision(particleList* list, char who);
    void takeDamage(particle* p);
    void takeDamage(int damage, int hitType, Fighter* attacker);
    void takeDamage(Fighter* attacker);
    bool checkCollision(enemyData* enemies, int count);
    bool checkDamgeCollision(Fighter* other);
    void checkDirection() {}
    void takeBlocking() {}

    int currentSet = 1;
    animationSet* animSet2 = nullptr;
    moveSet* moves1 = nullptr;
    moveSet* moves2 = nullptr;
    inputChecker* inputCheck1 = nullptr;
    inputChecker* inputCheck2 = nullptr;
    // The stage builder's enemy controls, parallel to the enemy array: a
    // switched-off enemy never holds the player. Null: every enemy counts as on.
    AIBeatEmUp* enemyControls = nullptr;

private:
    bool canHold(Fighter* holder) const;
    int enemyCount = 0;
};
