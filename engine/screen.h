// The base of every screen (menu sounds, loading picture) and menu button sets.
#pragma once

#include <SDL.h>
#include <memory>
#include <string>
#include <vector>

#include "engine/audio.h"
#include "engine/sprite.h"
#include "engine/sprite_sheet.h"

class Screen
{
public:
    void loadSounds();
    void playConfirm();
    void playCancel();
    void drawLoadingScreen(SDL_Surface* screen);
    void update() {}
    void draw() {}

    soundSet sounds;
};

// A column or row of sprite buttons with a wrapping selection.
class buttonSet
{
public:
    buttonSet();
    ~buttonSet();
    buttonSet(const buttonSet&) = delete;
    buttonSet& operator=(const buttonSet&) = delete;

    void init(SDL_Surface* target, const std::string& dir, int count, int x, int y, bool vertical);
    void selectUp();
    void selectDown();
    void setSelection(int i);
    void draw();
    void update() {}

    int getSelected() const { return selected; }
    int getCount() const { return count; }
    const CSprite& sprite(int i) const { return sprites[static_cast<std::size_t>(i)]; }

    SDL_Surface* target;
    std::vector<std::unique_ptr<CSpriteBase>> sheets;
    std::vector<CSprite> sprites;
    int selected;
    int count;
    int originX;
    int originY;

private:
    void select(int newIndex);
};
