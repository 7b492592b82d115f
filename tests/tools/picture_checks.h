// Checks the generated-picture tests share: a sheet's frame count and size,
// a pixel's brightness and whether it is keyed out.
#pragma once

#include <SDL.h>
#include <string>

#include "engine/sprite_sheet.h"

namespace testing_support
{
// Sum of the pixel's red, green and blue (0..765).
int brightness(SDL_Surface* s, int x, int y);
// Whether the pixel is the surface's colour key.
bool keyed(SDL_Surface* s, int x, int y);
// Loads `folder` and checks its frames' count and size.
void expectSheet(CSpriteBase& sheet, const std::string& folder, int frames, int w, int h);
} // namespace testing_support
