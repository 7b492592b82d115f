// The player's control in the story's boss fights: two weapons, each with its
// own animations, moves and command buffer, swapped with the third button.
#include "control/dual_weapon_control.h"

#include "engine/gamepad.h"
#include "engine/globals.h"
#include "fighter/fighter.h"
#include "fighter/input_checker.h"

void playerDualWepControl::setup(Fighter* f, partInfoList* parts, particleList* list, soundSet* snd,
                                 animationSet* a1, animationSet* a2, moveSet* m1, moveSet* m2, gamePad* p,
                                 inputChecker* in1, inputChecker* in2, Target* t)
{
    fighter = f;
    partInfo = parts;
    particles = list;
    sounds = snd;
    pad = p;
    target = t;
    if (pad && pad->joystickIndex >= 0)
        joystick = pad->joystick;
    anims = a1;
    moves = m1;
    input = in1;
    currentSet = 1;
    animSet2 = a2;
    moves1 = m1;
    moves2 = m2;
    inputCheck1 = in1;
    inputCheck2 = in2;
    if (fighter)
        fighter->moves = moves;
}

void playerDualWepControl::swapWeapons()
{
    if (!animSet2 || !fighter)
        return;
    // A link queued with the old weapon's moves cannot follow in the new ones.
    if (input)
        input->pending = nullptr;
    currentSet = currentSet == 1 ? 2 : 1;
    fighter->animSet = currentSet == 1 ? anims : animSet2;
    fighter->changeAnim("standing");
    moves = currentSet == 1 ? moves1 : moves2;
    input = currentSet == 1 ? inputCheck1 : inputCheck2;
    fighter->moves = moves;
}

void playerDualWepControl::inputChecking(SDL_Event* event)
{
    if (!pad)
        return;
    if (pad->joystickIndex == -1)
        keyboardCheck(event);
    else
        joystickCheck(event);
}

void playerDualWepControl::keyboardCheck(SDL_Event* event)
{
    handleKeys(event, false, [this]() { swapWeapons(); });
}

void playerDualWepControl::joystickCheck(SDL_Event* event)
{
    if (!event || !pad || !fighter)
        return;
    if (event->type == SDL_KEYDOWN && (event->key.keysym.sym == SDLK_ESCAPE || fullyQuit))
        pauseRequest = 1;
    if (event->type == SDL_JOYBUTTONDOWN)
    {
        // Buttons count from any joystick here.
        const int b = event->jbutton.button;
        if (b == pad->buttonA)
            buttonPress('A');
        if (b == pad->buttonB)
            buttonPress('B');
        if (b == pad->buttonC)
            swapWeapons();
    }
    if (event->type == SDL_JOYAXISMOTION && event->jaxis.which == pad->joystickIndex)
        playerControl::joystickCheck(event);
}
