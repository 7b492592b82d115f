// The options menu and its window-size and volume screens.
#pragma once

#include <SDL.h>

#include "engine/sprite.h"
#include "engine/sprite_sheet.h"
#include "screens/menu_screen.h"

class optionsScreen : public menuScreen
{
public:
    enum Entry
    {
        ScreenSize = 0,
        Sound = 1,
        Controls = 2,
        ResetData = 3,
        Back = 4
    };

    void init(SDL_Surface* target);
    void update();
    void draw() { drawMenu(); }
    void doScreenOptions();
    void doMusicOptions();
    void doControlsOptions();
    void doResetOptions();
};

// Four window modes, applied and saved as each is chosen.
class optionsScreenSizeScreen : public menuScreen
{
public:
    void init(SDL_Surface* target);
    void update();
    void draw() { drawMenu(); }

private:
    void applyMode(bool full, int width, int height);
};

// Music and effects volumes on two bars; the save button writes them.
class optionsMusicScreen : public menuScreen
{
public:
    void init(SDL_Surface* target);
    void update();
    void draw();

    int musicVolume = 0;
    int effectsVolume = 0;
    CSpriteBase barSheet;
    CSpriteBar musicBar;
    CSpriteBar effectsBar;

private:
    // Moves the volume of the selected bar by `step`, within 0..127.
    void changeVolume(int step);
};
