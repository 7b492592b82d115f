// A fighter's running combo with its 3-second timeout, and the HUD readout of
// the damage multiplier the combo gives.
#pragma once

#include <SDL.h>

#include "engine/sprite.h"
#include "engine/sprite_sheet.h"
#include "engine/timers.h"

class comboCounter
{
public:
    comboCounter();
    void addCombo(int n);
    void breakCombo();
    void update(int now);
    int getCombo() const { return combo; }

    int combo;
    delayCounter delay;
};

class damageBox
{
public:
    damageBox() = default;
    damageBox(const damageBox&) = delete;
    damageBox& operator=(const damageBox&) = delete;

    void init(SDL_Surface* target);
    void set(int x, int y);
    void update(int hits);
    void draw();
    void hide();
    void clearBG() {}
    void updateBG() {}

    CSpriteBase digits;
    CSpriteBase text;
    CSpriteBase dot;
    CSprite tensSprite;
    CSprite onesSprite;
    CSprite dotSprite;
    CSprite textSprite;
    SDL_Surface* target = nullptr;
};
