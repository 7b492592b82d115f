// Drawable sprites over a sprite sheet: looping, play-once and value bars.
#pragma once

#include <SDL.h>
#include <string>

#include "engine/sprite_sheet.h"

// A rectangle of four ints, edges included.
struct colBox
{
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
};

class CSprite
{
public:
    CSprite();
    virtual ~CSprite() = default;
    CSprite(const CSprite&) = default;
    CSprite& operator=(const CSprite&) = default;

    void init(CSpriteBase* sheet, SDL_Surface* target);
    void draw();
    void drawD(bool dir);
    void drawCam(int camX, int camY);
    void drawCam(bool dir, int camX, int camY);
    void moveD(bool dir);
    void addFrame();
    void adjustPos(int px, int py, bool dir);
    colBox getColBox(bool dir) const;
    int getHitPointX(bool dir) const;
    int getHitPointY() const;
    int getYOffset(int frame) const;
    int getXOffset(int frame) const;
    int getHitType() const;
    int getDamage() const;
    bool getDeflecting() const;
    std::string returnSound() const;
    std::string getFace() const;
    std::string getDeflected() const;
    int returnPartNum() const;
    std::string returnParticle(int i) const;
    int getConditionNum() const;
    const std::string* getConditions() const;
    void drawColBoxes();
    void updateBG();
    void clearBG();
    void setAlpha(int a);

    // Sets the current frame and restarts its display time.
    void setFrame(int f);
    int getFrame() const { return frame; }
    void setSpeed(float s) { speed = s; }
    float getSpeed() const { return speed; }
    CSpriteBase* getSheet() const { return sheet; }
    // The current frame as loaded, or null when the sheet has no such frame.
    const CSpriteFrame* currentFrame() const;
    int frameTotal() const;

    int frame;
    int x, y;
    int savedX, savedY;
    bool facing;
    int animating;
    int drawn;
    float speed;
    int lastChange;
    CSpriteBase* sheet;
    SDL_Surface* backgroundStore;
    SDL_Surface* target;

protected:
    // Advances at most one frame when the current one's time has run out;
    // returns true when it stepped past the last frame.
    bool frameClock(bool holdLast);
    // The frame clock every draw runs first. Virtual so a play-once sprite
    // holds its last frame whichever draw call reaches it.
    virtual void stepFrame() { frameClock(false); }
    void blit(const CSpriteFrame* f, int px, int py);
};

class CSpriteNoLoop : public CSprite
{
public:
    CSpriteNoLoop();
    void rewind();
    // Mirrors by the stored `facing`, whatever facing the caller passes.
    void drawD(bool dir);

    bool finished;

protected:
    void stepFrame() override;
};

class CSpriteBar : public CSprite
{
public:
    void setBar(int x, int y, int width, int height, int max, int value, bool reverse);
    void setBarValue(int value);
    void updateBar(int delta);
    void draw();

    int barX = 0;
    int barY = 0;
    int barWidth = 0;
    int barHeight = 0;
    int maximum = 0;
    int value = 0;
    bool blackBacking = false;
    bool frameOnTop = false;
    bool reverse = false;

private:
    int clampValue(int v) const;
};
