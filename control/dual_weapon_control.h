// The player's control in the story's boss fights: two weapons, each with its
// own animations, moves and command buffer, swapped with the third button.
#pragma once

#include "control/player_control.h"

class playerDualWepControl : public playerControl
{
public:
    void inputChecking(SDL_Event* event) override;

    void setup(Fighter* fighter, partInfoList* partInfo, particleList* particles, soundSet* sounds,
               animationSet* anims1, animationSet* animSet2, moveSet* moves1, moveSet* moves2, gamePad* pad,
               inputChecker* inputCheck1, inputChecker* inputCheck2, Target* target);
    void keyboardCheck(SDL_Event* event);
    void joystickCheck(SDL_Event* event);
    void swapWeapons();

    int currentSet = 1;
    animationSet* animSet2 = nullptr;
    moveSet* moves1 = nullptr;
    moveSet* moves2 = nullptr;
    inputChecker* inputCheck1 = nullptr;
    inputChecker* inputCheck2 = nullptr;
};
