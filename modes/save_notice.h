// The notice the story's screens show when a save fails: two lines on a light card.
#pragma once

#include <SDL.h>

#include "engine/font.h"

// What the weapon and ally screens say when a choice could not be saved.
inline constexpr const char* kChoiceNotKept[2] = {"Your choice could not be saved.",
                                                  "Your saves are as they were."};

// Where a notice stands: the first line at (x, y), the second 30 below it, the
// card round them `width` wide and 62 high.
struct noticePlace
{
    int x;
    int y;
    int width;
};

// Draws `lines` on a light card with a dark edge: the screens' text is black,
// and the backdrops where there is room for a notice are dark.
void drawNoticeCard(SDL_Surface* target, SDLFont* font, noticePlace place, const char* const (&lines)[2]);
