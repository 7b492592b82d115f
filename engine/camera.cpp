// The view onto a field wider than the picture, its screen shake, and the
// controllers that follow one or two fighters.
#include "engine/camera.h"

#include "engine/globals.h"
#include "fighter/fighter.h"

namespace
{
// The shake's offset on each axis by direction, 0 to 7.
const int kShakeX[8] = {0, -1, -1, -1, 0, 1, 1, 1};
const int kShakeY[8] = {1, 1, 0, -1, -1, -1, 0, 1};

int shakeOffset(const int* table)
{
    if (shakeAmt <= 0 || shakeDir < 0 || shakeDir > 7)
        return 0;
    return table[shakeDir] * shakeSize;
}

void countShakeDown()
{
    if (shakeAmt > 0)
        shakeAmt -= 1;
}
} // namespace

camera::camera()
    : x(0), y(0), width(640), height(480), maxX(boundaryXRight), maxY(600), minX(boundaryXLeft), minY(0)
{
}

void camera::setCameraSize(int w, int h)
{
    width = w;
    height = h;
}

void camera::setCameraMaxPos(int mx, int my)
{
    maxX = mx;
    maxY = my;
}

void camera::setCameraMinPos(int mx, int my)
{
    minX = mx;
    minY = my;
}

void camera::setPosition(int px, int py)
{
    x = px;
    y = py;
}

void camera::setX(int px)
{
    x = px;
}

void camera::setY(int py)
{
    y = py;
}

int camera::getX() const
{
    return x + shakeOffset(kShakeX);
}

int camera::getY() const
{
    return y + shakeOffset(kShakeY);
}

void camera::adjustPosition()
{
    if (x < minX)
        x = minX;
    if (x + width > maxX)
        x = maxX - width;
    if (y < minY)
        y = minY;
    if (y + height > maxY)
        y = maxY - height;
}

camCTwoFighs::camCTwoFighs(camera* c, Fighter* a, Fighter* b)
    : cam(c), first(a), second(b), holdCount(0), holdLength(100)
{
}

void camCTwoFighs::update()
{
    if (cameraNeedsUpdate())
        updateCameraX();
    countShakeDown();
}

bool camCTwoFighs::cameraNeedsUpdate()
{
    if (!cam || !first || !second)
        return false;
    if (holdCount > 0)
    {
        holdCount -= 1;
        return true;
    }
    const int centre = cam->getX() + cam->width / 2;
    if (first->x < centre + 50 && second->x < centre + 50)
    {
        holdCount = holdLength;
        return true;
    }
    if (first->x > centre - 150 && second->x > centre - 150)
    {
        holdCount = holdLength;
        return true;
    }
    return false;
}

void camCTwoFighs::updateCameraX()
{
    if (!cam || !first || !second)
        return;
    const int lo = first->x < second->x ? first->x : second->x;
    const int hi = first->x < second->x ? second->x : first->x;
    const int mid = lo + (hi - lo) / 2;
    const int target = mid - cam->width / 2;
    if (cam->getX() > target)
        cam->setX(cam->getX() - 1);
    if (cam->getX() < target)
        cam->setX(cam->getX() + 1);
    cam->adjustPosition();
}

camCOneFigh::camCOneFigh(camera* c, Fighter* f) : cam(c), fighter(f), holdCount(0), holdLength(100)
{
}

void camCOneFigh::setFigh(Fighter* f)
{
    fighter = f;
}

void camCOneFigh::update()
{
    updateCameraX();
    countShakeDown();
}

bool camCOneFigh::cameraNeedsUpdate()
{
    return true;
}

void camCOneFigh::updateCameraX()
{
    if (!cam || !fighter)
        return;
    cam->setX(fighter->x - 320);
    cam->adjustPosition();
}
