// Program-wide values: the video surface, window size, quit flag, settings,
// gamepads, random source and the fight's tuning values.
#pragma once

#include <SDL.h>

#include "engine/config_file.h"
#include "engine/gamepad.h"
#include "engine/timers.h"

extern SDL_Surface* screen;
extern SDL_Surface* back;
extern int SCREEN_WIDTH;
extern int SCREEN_HEIGHT;
extern bool fullyQuit;

extern configFile config;
extern gamePad GPad1;
extern gamePad GPad2;
extern randomNumber g_randomNumber;

extern SDL_Joystick* joystick1;
extern SDL_Joystick* joystick2;
extern int gamePadDeadZoneMin;
extern int gamePadDeadZoneMax;

extern int g_GroundLevel;
extern int g_gravitySpeed;
extern float g_frameSpeed;
extern int boundaryXLeft;
extern int boundaryXRight;
extern int accumTot;
extern int inputDelay;
extern int alphaOp;

extern int freeze_kill;
extern int freeze_50ms;
extern int freeze_20ms;
extern Uint32 freezeEnd;
extern int shakeDir;
extern int shakeSize;
extern int shakeAmt;

extern bool debugging;
extern bool debugToggle;
extern bool logOutput;

// Set once the audio device opened; every sound and music call is skipped
// without it, so a machine with no audio plays the game silently.
extern bool g_audioOpen;
