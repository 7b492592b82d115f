// The program's start and end: SDL, audio and window from the settings, the
// loading picture and the splash, then the main menu.
#pragma once

#include <SDL.h>

#include "engine/audio.h"
#include "engine/sprite.h"
#include "engine/sprite_sheet.h"

// A full-window picture that plays one sprite folder once.
class splashScreen
{
public:
    void init(SDL_Surface* target, const char* dir);
    void draw();
    void update();

    soundSet sounds;
    SDL_Surface* target = nullptr;
    bool done = false;
    CSpriteBase sheet;
    CSpriteNoLoop sprite;
};

void coutToNull();
// Opens SDL, audio, the settings and the window; exits with code 1 when SDL
// or the video mode cannot be set up.
void sdlInit();
// Runs the whole program; returns the exit code.
int startGame();

// The stages of startGame, apart so tests can run start-up, push events and
// run the menu loop. The menu loop ends with the shutdown, whose closing
// lines go to the memory log while the menu still stands; it returns the
// exit code.
void startUp();
int runMainMenu();
int shutDown();

SDL_Surface* ImageLoad(const char* path);
void InitImages();
void cleanup();
