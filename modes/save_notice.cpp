// The notice the story's screens show when a save fails: two lines on a light card.
#include "modes/save_notice.h"

void drawNoticeCard(SDL_Surface* target, SDLFont* font, noticePlace place, const char* const (&lines)[2])
{
    SDL_Rect edge{static_cast<Sint16>(place.x - 12), static_cast<Sint16>(place.y - 10),
                  static_cast<Uint16>(place.width), 62};
    SDL_FillRect(target, &edge, SDL_MapRGB(target->format, 0x6a, 0x4a, 0x30));
    SDL_Rect card{static_cast<Sint16>(edge.x + 2), static_cast<Sint16>(edge.y + 2),
                  static_cast<Uint16>(edge.w - 4), static_cast<Uint16>(edge.h - 4)};
    SDL_FillRect(target, &card, SDL_MapRGB(target->format, 0xf0, 0xe6, 0xd2));
    for (int i = 0; i < 2; ++i)
        drawString(target, font, place.x, place.y + 30 * i, "%s", lines[i]);
}
