// One fighter on the field.
#pragma once

#include "engine/sprite.h"

// A fighter is a sprite over its current move's sheet; its field position is
// the sprite's x and y.
class Fighter : public CSprite
{
};
