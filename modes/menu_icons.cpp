// Still icons of the story's menus: placed once, shown at a chosen frame.
#include "modes/menu_icons.h"

void placeStill(CSprite& sprite, CSpriteBase& sheet, SDL_Surface* target, int x, int y, float speed)
{
    sprite.init(&sheet, target);
    sprite.animating = 0;
    sprite.setSpeed(speed);
    sprite.x = x;
    sprite.y = y;
}

void drawIconFrame(CSprite& icon, int frame)
{
    if (frame < 0 || frame >= icon.frameTotal())
        return;
    icon.setFrame(frame);
    icon.draw();
}
