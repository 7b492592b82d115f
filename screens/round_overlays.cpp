// The play-once pictures over a fight: round start, knock-out and match winner.
#include "screens/round_overlays.h"

void roundOverlay::init(SDL_Surface* t)
{
    target = t;
    done = false;
    if (!sheet.isLoaded())
        sheet.init(folder);
    sprite.init(&sheet, target);
    sprite.x = posX;
    sprite.y = posY;
    sprite.setSpeed(3.0f);
}

void roundOverlay::update()
{
    if (sheet.frameCount() == 0)
        sprite.finished = true;
    done = sprite.finished;
}

void roundOverlay::draw()
{
    sprite.draw();
}

void roundOverlay::restart()
{
    sprite.rewind();
    done = false;
}
