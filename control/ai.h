// The one-on-one computer opponent: a small state machine that walks up,
// attacks from its attack list, backs off, jumps, ducks or stands, and blocks
// with a fixed chance.
#pragma once

#include "control/ai_attack_list.h"
#include "control/player_control.h"

typedef int aiState;

class AI : public playerControl
{
public:
    void updateAI() override;
    void inputChecking(SDL_Event*) override {}
    void movementChecking(SDL_Event*) override {}
    void takeDamage(int damage, int hitType) override;
    virtual void think();

    void init(SDL_Surface* screen);
    void setup(Fighter* fighter, partInfoList* parts, particleList* particles, soundSet* sounds,
               animationSet* anims, moveSet* moves, Target* target, const char* aiFolder);

    void stateCheck();
    void setState(aiState s);
    void thinkRandom();
    void thinkAggressive();
    void getCloser();
    void attack();
    void retreat();
    void jumpUpAt();
    void jumpInDir();
    void duck();
    void nothing();
    void pickLinkMove();

    int aiLevel = 0;
    int thinkMode = 1;
    int rangeUnit = 50;
    aiState state = 0;
    float stateTimer = 0.0f;
    int attackKind = 1;
    int runMode = 0;
    char rangeLetter = 'L';
    int jumpDirection = 1;
    aiAttackList attackList;
    std::string lastAttackName;
    std::string linkAttackName = "NULL";
    moveInfo* cancelMove = nullptr;

protected:
    // The play time of the AI step being taken (in the accumulator's units):
    // the timed states count it down, so they last as long at any frame rate.
    float stepTime = 0.0f;
    // The update tick of the previous AI step. The step's play time is
    // measured from it, because the position step that comes first in every
    // AI's step has already emptied the accumulator.
    int stepTick = 0;

    // Runs one AI step (the link continuation and the state operation).
    void step();
    // Chooses the next state from a table by distance and height.
    void thinkFrom(const int* level, int nLevel, const int* up, int nUp, const int* down, int nDown,
                   const int* midGround, int nMidGround, const int* midAir, int nMidAir, const int* far, int nFar);
    // Whether a move can ever be paid for by this fighter.
    bool affordable(const moveInfo* m) const;
    void stepForward(int amount);
};
