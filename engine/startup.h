// The program's start and end: SDL, audio and window from the settings, the
// loading picture and the splash, then the main menu.
#pragma once

#include <SDL.h>
#include <functional>

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

// Sets the video mode (32 bits, full screen or in a window) and makes the new
// surface the window frames are presented in. Start-up and the screen-size
// screen both open the window through this. Null when the mode cannot be
// set; the window known to presentFrame is then left as it was.
SDL_Surface* openWindow(int width, int height, bool full);

// What openWindow calls to set the mode, SDL_SetVideoMode unless a test puts
// another in (to make a mode fail or hand back a different surface); an empty
// function puts SDL back.
using VideoModeSetter = std::function<SDL_Surface*(int width, int height, int bpp, Uint32 flags)>;
void setVideoModeSetter(VideoModeSetter setter);

// A 640x480 surface in the window's pixel format, for `screen`: every screen
// composes into it and only presentFrame touches the window, so a window
// surface that SDL replaces on a mode change leaves no screen drawing on a
// freed surface.
SDL_Surface* makeComposeSurface(SDL_Surface* window);

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
