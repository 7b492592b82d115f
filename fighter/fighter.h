// One fighter on the field: a sprite over its current animation or move, with
// health, power, physics, and the boxes it hits and is hit with.
#pragma once

#include <SDL.h>
#include <string>

#include "engine/sprite.h"

class animationSet;
class moveSet;
class moveInfo;
class comboCounter;

// `maxHP` raised by an HP level: maxHP × (level + 10) / 10, held within the
// int range.
int raisedMaxHP(int maxHP, int level);

class Fighter : public CSprite
{
public:
    Fighter();

    void initS(animationSet* anims, SDL_Surface* screen);
    void setHP(int hp, int maxHP);
    void setPower(int power, int maxPower);
    void setDir(bool d) { dir = d; }
    void setComCounter(comboCounter* counter);
    void setHPLevel(int level);

    void changeHP(int d);
    void changePower(int d);
    void addCombo(int n);
    void breakCombo();
    int getCombo() const;
    // The damage the current frame deals, raised by strength and the combo.
    int getDamage() const;

    void changeAction(moveInfo* move);
    void changeAnim(std::string name);
    void setRunning();
    void duck();
    void Jump(int speed);
    bool returnBusy() const { return currentMove != nullptr; }
    std::string returnMoveName() const;
    bool returnHitable() const;
    bool getSpecial() const;
    void changeFalling(bool f) { falling = f; }

    void Gravity();
    void boundary();
    void drawCam(int camX, int camY);
    void draw() { drawCam(0, 0); }
    colBox getCBox() const;
    colBox getDBox() const;
    void drawColBoxes();
    void clearBG();
    void updateBG();

    // Whether the fighter shows a frame at all: one on a missing or empty
    // sheet draws nothing, deals nothing and has no boxes, and the fight
    // code leaves it out of every overlap test.
    bool hasFrame() const;

    int hp;
    int maxHP;
    int power;
    int maxPower;
    int strength;
    int defence;
    int bullets;
    int bulletsMax;
    int extraStat;
    int speed;
    int jump;
    bool grabbing;
    bool dir;
    bool bgDir;
    bool grounded;
    bool falling;
    int vSpeed;
    int jumpsLeft;
    std::string state;
    std::string lastState;
    int leftBound;
    int rightBound;
    bool acting;
    animationSet* animSet;
    moveInfo* currentMove;
    comboCounter* comCounter;
    Uint32 lastPowerTick;
    // The move set the fighter plays from; not owned. Kept current by the
    // character data and by weapon swaps, so reactions are looked up in the
    // moves the fighter is actually using.
    moveSet* moves;
    // Counts every start of a move or animation, so a control can tell a
    // frame shown again after a restart from one still on screen.
    unsigned showing = 0;

private:
    const CSpriteFrame* frameByFacing() const;
    void endMove();
};
