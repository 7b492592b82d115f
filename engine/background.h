// Stage backgrounds: layered sprites, fixed or scrolling with the camera, and
// the stage's music.
#pragma once

#include <SDL.h>
#include <memory>
#include <string>
#include <vector>

#include "engine/audio.h"
#include "engine/sprite.h"
#include "engine/sprite_sheet.h"

class background
{
public:
    struct layer
    {
        CSpriteBase sheet;
        CSprite sprite;
        bool scrolls = false;
    };

    explicit background(SDL_Surface* target);
    ~background();
    background(const background&) = delete;
    background& operator=(const background&) = delete;

    void init(std::string name);
    void draw(int camX, int camY);
    void drawAlpha(int camX, int camY);
    void startMusic();
    void stopMusic();
    void setWidth();

    std::string name;
    int layerCount;
    std::vector<std::unique_ptr<layer>> layers;
    SDL_Surface* target;
    musicPlayer music;
    bool loaded;
    int width;
};
