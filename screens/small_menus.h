// The small menus the modes open: player count, game over, a hint picture, and erasing the story progress.
#pragma once

#include <SDL.h>

#include "screens/menu_screen.h"

// Arcade mode's question: one player or two.
class playersScreen : public menuScreen
{
public:
    void init(SDL_Surface* target);
    void update();
    void draw() { drawMenu(); }

    int players = 1;
    bool back = false;
};

// After a lost stage or fight: go on, or quit the mode.
class gameOverScreen : public menuScreen
{
public:
    void init(SDL_Surface* target);
    void update();
    void draw() { drawMenu(); }

    // True to quit, false to go on.
    bool choice = false;
};

// One hint picture shown until a key or button is pressed.
class hintScreen : public menuScreen
{
public:
    // Every hint shows the one picture there is; `hint` is kept for callers.
    void init(SDL_Surface* target, int hint);
    void update();
    void draw() { drawMenu(); }
};

// Asks whether to erase the story progress; yes writes both saves afresh.
class resetDataScreen : public menuScreen
{
public:
    void init(SDL_Surface* target);
    void update();
    void draw() { drawMenu(); }
};
