// Drawable sprites over a sprite sheet: looping, play-once and value bars.
#include "engine/sprite.h"

#include "engine/clock.h"

CSprite::CSprite()
    : frame(0), x(0), y(0), savedX(0), savedY(0), facing(true), animating(1), drawn(0), speed(0.0f), lastChange(0),
      sheet(nullptr), backgroundStore(nullptr), target(nullptr)
{
}

void CSprite::init(CSpriteBase* s, SDL_Surface* t)
{
    sheet = s;
    target = t;
    if (sheet && sheet->loaded && sheet->numFrames > 1)
        animating = 1;
}

int CSprite::frameTotal() const
{
    return sheet ? static_cast<int>(sheet->normal.size()) : 0;
}

const CSpriteFrame* CSprite::currentFrame() const
{
    return sheet ? sheet->normalFrame(frame) : nullptr;
}

void CSprite::setFrame(int f)
{
    frame = f;
    lastChange = static_cast<int>(gameTicks());
}

bool CSprite::frameClock(bool holdLast)
{
    if (animating != 1)
        return false;
    const CSpriteFrame* f = currentFrame();
    const int total = frameTotal();
    if (total == 0)
        return false;
    const int pause = f ? f->pause : 0;
    const float due = static_cast<float>(lastChange) + static_cast<float>(pause) * speed;
    const Uint32 now = gameTicks();
    if (static_cast<float>(now) > due)
    {
        bool pastEnd = false;
        ++frame;
        if (frame > total - 1)
        {
            pastEnd = true;
            frame = holdLast ? total - 1 : 0;
        }
        lastChange = static_cast<int>(now);
        return pastEnd;
    }
    return false;
}

void CSprite::blit(const CSpriteFrame* f, int px, int py)
{
    if (!f || !f->image || !target)
        return;
    SDL_Rect dest;
    dest.x = static_cast<Sint16>(px);
    dest.y = static_cast<Sint16>(py);
    dest.w = 0;
    dest.h = 0;
    SDL_BlitSurface(f->image, nullptr, target, &dest);
}

void CSprite::draw()
{
    stepFrame();
    drawn = 1;
    blit(currentFrame(), x, y);
}

void CSprite::drawD(bool dir)
{
    stepFrame();
    drawn = 1;
    blit(sheet ? sheet->frameFor(frame, dir) : nullptr, x, y);
}

void CSprite::drawCam(int camX, int camY)
{
    stepFrame();
    drawn = 1;
    blit(currentFrame(), x - camX, y - camY);
}

void CSprite::drawCam(bool dir, int camX, int camY)
{
    stepFrame();
    drawn = 1;
    blit(sheet ? sheet->frameFor(frame, dir) : nullptr, x - camX, y - camY);
}

void CSprite::moveD(bool dir)
{
    const CSpriteFrame* f = currentFrame();
    if (!f)
        return;
    x += dir ? f->xStep : -f->xStep;
}

void CSprite::addFrame()
{
    if (frame + 1 < frameTotal())
        ++frame;
}

void CSprite::adjustPos(int px, int py, bool dir)
{
    const CSpriteFrame* f = currentFrame();
    const CSpriteFrame* fx = sheet ? sheet->frameFor(frame, dir) : nullptr;
    if (!f || !fx)
        return;
    y = py - f->anchorY;
    x = px - fx->anchorX;
}

colBox CSprite::getColBox(bool dir) const
{
    colBox box;
    const CSpriteFrame* f = currentFrame();
    const CSpriteFrame* fx = sheet ? sheet->frameFor(frame, dir) : nullptr;
    if (!f || !fx)
        return box;
    box.x1 = x + fx->colX1;
    box.y1 = y + f->colY1;
    box.x2 = x + fx->colX2;
    box.y2 = y + f->colY2;
    return box;
}

int CSprite::getHitPointX(bool dir) const
{
    const CSpriteFrame* fx = sheet ? sheet->frameFor(frame, dir) : nullptr;
    return fx ? x - fx->anchorX + fx->hitPointX : x;
}

int CSprite::getHitPointY() const
{
    const CSpriteFrame* f = currentFrame();
    return f ? y - f->anchorY + f->hitPointY : y;
}

int CSprite::getYOffset(int i) const
{
    const CSpriteFrame* f = sheet ? sheet->normalFrame(i) : nullptr;
    if (!f)
        return 0;
    return f->colY2 > f->dmgY2 ? f->colY2 : f->dmgY2;
}

int CSprite::getXOffset(int i) const
{
    const CSpriteFrame* f = sheet ? sheet->normalFrame(i) : nullptr;
    if (!f)
        return 0;
    return f->colX2 > f->dmgX2 ? f->colX2 : f->dmgX2;
}

int CSprite::getHitType() const
{
    const CSpriteFrame* f = currentFrame();
    return f ? f->hitType : 0;
}

int CSprite::getDamage() const
{
    const CSpriteFrame* f = currentFrame();
    return f ? f->damage : 0;
}

bool CSprite::getDeflecting() const
{
    const CSpriteFrame* f = currentFrame();
    return f ? f->deflecting : false;
}

std::string CSprite::returnSound() const
{
    const CSpriteFrame* f = currentFrame();
    return f ? f->sound : std::string();
}

std::string CSprite::getFace() const
{
    const CSpriteFrame* f = currentFrame();
    return f ? f->face : std::string();
}

std::string CSprite::getDeflected() const
{
    const CSpriteFrame* f = currentFrame();
    return f ? f->deflected : std::string();
}

int CSprite::returnPartNum() const
{
    const CSpriteFrame* f = currentFrame();
    return f ? f->particleCount : 0;
}

std::string CSprite::returnParticle(int i) const
{
    const CSpriteFrame* f = currentFrame();
    if (!f || i < 1 || i > static_cast<int>(f->particles.size()))
        return std::string();
    return f->particles[static_cast<std::size_t>(i - 1)];
}

int CSprite::getConditionNum() const
{
    const CSpriteFrame* f = currentFrame();
    return f ? f->conditionCount : 0;
}

const std::string* CSprite::getConditions() const
{
    const CSpriteFrame* f = currentFrame();
    if (!f || f->conditions.empty())
        return nullptr;
    return f->conditions.data();
}

void CSprite::drawColBoxes()
{
    const CSpriteFrame* f = currentFrame();
    if (!f || !target)
        return;
    const int w = f->colX2 - f->colX1;
    const int h = f->colY2 - f->colY1;
    if (w <= 0 || h <= 0)
        return;
    SDL_Rect r;
    r.x = static_cast<Sint16>(x + f->colX1);
    r.y = static_cast<Sint16>(y + f->colY1);
    r.w = static_cast<Uint16>(w);
    r.h = static_cast<Uint16>(h);
    SDL_FillRect(target, &r, 0xFF0000);
}

void CSprite::updateBG()
{
    savedX = x;
    savedY = y;
    if (!target || !backgroundStore || !sheet)
        return;
    SDL_Rect src;
    src.x = static_cast<Sint16>(x);
    src.y = static_cast<Sint16>(y);
    src.w = static_cast<Uint16>(sheet->width);
    src.h = static_cast<Uint16>(sheet->height);
    SDL_BlitSurface(target, &src, backgroundStore, nullptr);
}

void CSprite::clearBG()
{
    if (drawn != 1 || !target || !backgroundStore || !sheet)
        return;
    SDL_Rect src;
    src.x = 0;
    src.y = 0;
    src.w = static_cast<Uint16>(sheet->width);
    src.h = static_cast<Uint16>(sheet->height);
    SDL_Rect dest;
    dest.x = static_cast<Sint16>(savedX);
    dest.y = static_cast<Sint16>(savedY);
    SDL_BlitSurface(backgroundStore, &src, target, &dest);
}

void CSprite::setAlpha(int a)
{
    if (sheet)
        sheet->alphaAll(a);
}

CSpriteNoLoop::CSpriteNoLoop() : finished(false)
{
    lastChange = static_cast<int>(gameTicks());
}

void CSpriteNoLoop::stepFrame()
{
    // Nothing to play means nothing to wait for.
    if (frameTotal() == 0)
    {
        finished = true;
        animating = 0;
        return;
    }
    if (frameClock(true))
    {
        animating = 0;
        finished = true;
    }
}

void CSpriteNoLoop::drawD(bool)
{
    CSprite::drawD(facing);
}

void CSpriteNoLoop::rewind()
{
    frame = 0;
    animating = 1;
    lastChange = static_cast<int>(gameTicks());
    finished = false;
}

int CSpriteBar::clampValue(int v) const
{
    if (v > maximum)
        v = maximum;
    if (v < 0)
        v = 0;
    return v;
}

void CSpriteBar::setBar(int bx, int by, int bw, int bh, int max, int v, bool rev)
{
    barX = bx;
    barY = by;
    barWidth = bw;
    barHeight = bh;
    maximum = max;
    reverse = rev;
    value = clampValue(v);
}

void CSpriteBar::setBarValue(int v)
{
    value = clampValue(v);
}

void CSpriteBar::updateBar(int delta)
{
    value = clampValue(value + delta);
}

void CSpriteBar::draw()
{
    stepFrame();
    drawn = 1;
    if (!frameOnTop)
        blit(currentFrame(), x, y);
    if (sheet)
    {
        if (barX + barWidth > sheet->width)
            barWidth = sheet->width - barX;
        if (barY + barHeight > sheet->height)
            barHeight = sheet->height - barY;
    }
    if (barWidth < 0)
        barWidth = 0;
    if (barHeight < 0)
        barHeight = 0;
    if (target && barWidth > 0 && barHeight > 0)
    {
        // SDL_FillRect clips the rectangle it is given in place, so each fill
        // gets its own; reusing one would shift the fill of a bar hanging
        // off the screen's edge.
        SDL_Rect r;
        r.x = static_cast<Sint16>(x + barX);
        r.y = static_cast<Sint16>(y + barY);
        r.w = static_cast<Uint16>(barWidth);
        r.h = static_cast<Uint16>(barHeight);
        if (blackBacking)
        {
            SDL_Rect backing = r;
            SDL_FillRect(target, &backing, 0);
        }
        int fill = 0;
        if (maximum > 0)
            fill = static_cast<int>(static_cast<double>(value) / maximum * barWidth);
        if (fill < 0)
            fill = 0;
        if (fill > barWidth)
            fill = barWidth;
        if (fill > 0)
        {
            r.w = static_cast<Uint16>(fill);
            if (reverse)
                r.x = static_cast<Sint16>(x + barX + barWidth - fill);
            SDL_FillRect(target, &r, 0x99FF00);
        }
    }
    if (frameOnTop)
        blit(currentFrame(), x, y);
}
