// Still icons of the story's menus: placed once, shown at a chosen frame.
#pragma once

#include <SDL.h>

#include "engine/sprite.h"
#include "engine/sprite_sheet.h"

// Binds `sprite` to `sheet` at (x, y) without animating.
void placeStill(CSprite& sprite, CSpriteBase& sheet, SDL_Surface* target, int x, int y, float speed);

// Draws the sprite at `frame`, shown as set from this tick; a frame the sheet
// does not have (from saved data) draws nothing.
void drawIconFrame(CSprite& icon, int frame);
