// Program-wide values: the video surface, window size, quit flag, settings,
// gamepads, random source and the fight's tuning values.
#include "engine/globals.h"

SDL_Surface* screen = nullptr;
SDL_Surface* back = nullptr;
int SCREEN_WIDTH = 640;
int SCREEN_HEIGHT = 480;
bool fullyQuit = false;

// Constructed in this order before the game's entry runs; none of them owns
// an SDL resource, since SDL shuts down before static objects are destroyed.
configFile config;
gamePad GPad1;
gamePad GPad2;
randomNumber g_randomNumber;

SDL_Joystick* joystick1 = nullptr;
SDL_Joystick* joystick2 = nullptr;
int gamePadDeadZoneMin = -10000;
int gamePadDeadZoneMax = 10000;

int g_GroundLevel = 348;
int g_gravitySpeed = 2;
float g_frameSpeed = 0.5f;
int boundaryXLeft = 0;
int boundaryXRight = 640;
int accumTot = 3;
int inputDelay = 60;
int alphaOp = 1;

int freeze_kill = 300;
int freeze_50ms = 50;
int freeze_20ms = 20;
Uint32 freezeEnd = 0;
int shakeDir = 0;
int shakeSize = 0;
int shakeAmt = 0;

bool debugging = false;
bool debugToggle = false;
bool logOutput = false;

bool g_audioOpen = false;
