// Set-up shared by the screen tests: one-colour pictures written from a table,
// the round overlays, a stage background with music, the pause menu, the
// gamepad files, two loaded fighters with their controls and HUD, and a frame
// observer that stops a run that never ends.
#pragma once

#include <SDL.h>
#include <functional>
#include <string>
#include <vector>

#include "control/ai.h"
#include "control/player_control.h"
#include "fighter/target.h"
#include "screens/fight_ui.h"
#include "tests/control/control_fixture.h"

namespace testing_support
{
struct Colour
{
    Uint8 r, g, b;
};

// The colour as a pixel of the test screen.
Uint32 pixelOf(Colour c);
// Whether the test screen shows that colour at (x, y).
bool shows(SDL_Surface* s, int x, int y, Colour c);

// One frame of a picture folder: w x h of one colour, shown `pause` (times
// the sprite's speed factor) milliseconds. Magenta (255, 0, 255) is the
// colour key, so a magenta frame shows nothing.
struct Picture
{
    int w = 40;
    int h = 40;
    Colour colour{200, 200, 200};
    int pause = 100;
};
constexpr Colour kKeyedOut{255, 0, 255};
void writePictures(const std::string& folder, const std::vector<Picture>& frames);

// The overlays' colours; each overlay is one 120x40 frame of its colour,
// shown 100 x 3 milliseconds.
constexpr Colour kFightColour{250, 200, 10};
constexpr Colour kKOColour{230, 20, 40};
constexpr Colour kWinnerColour{20, 220, 240};
void writeRoundOverlays();

// data/background/<name>: a fixed 800x600 layer of kSkyColour and over it a
// fixed 100x20 sign of kSignColour at (300, 0), above any jump; its music a short WAV
// under data/music/x.dat.
constexpr Colour kSkyColour{30, 40, 90};
constexpr Colour kSignColour{160, 160, 40};
void writeArena(const std::string& name);

// data/screens/pause: a backdrop with a 100x20 bar of kPauseColour at (0, 0)
// and two two-frame buttons of 100x30 (frame 1, selected, in kSelectedColour).
constexpr Colour kPauseColour{120, 30, 160};
constexpr Colour kSelectedColour{240, 240, 240};
constexpr Colour kUnselectedColour{90, 90, 90};
void writePauseScreen();

// The two gamepad files. Player 1: arrows, A 'z', B 'x', C 'c', pause Enter,
// joystick `joystick1`, buttons A 0 and pause 9. Player 2: 'j' 'l' 'k' 'i'
// for left, right, down and up, A 'u', B 'o', C 'm', pause 'p', joystick
// `joystick2`, buttons A 0 and pause 9.
void writePads(int joystick1 = -1, int joystick2 = -1);
constexpr SDLKey kConfirm1 = SDLK_z;
constexpr SDLKey kConfirm2 = SDLK_u;
constexpr SDLKey kPause2 = SDLK_p;

// Everything a one-on-one fight needs on disk: two fighters of `hp` health
// at data/characters/<name1> and <name2> (with their AI attack files), the
// fight effects, the damage font, the sound set, the overlays, the background
// "arena", the pause menu and the pads.
void writeFightData(const std::string& name1 = "Red", const std::string& name2 = "Blue", int hp = 30);

// Two loaded fighters with their targets, each driven by a human control (on
// the given pad) or an AI, and a HUD showing both.
class Duel
{
public:
    Duel(SDL_Surface* screen, const std::string& name1 = "Red", const std::string& name2 = "Blue");
    Duel(const Duel&) = delete;
    Duel& operator=(const Duel&) = delete;

    // Side 1 or 2 played by the aggressive AI of its character, never blocking.
    playerControl* useAI(int side);
    // Side 1 or 2 played from a pad.
    playerControl* useHuman(int side, gamePad* pad);

    Fighter& fighter(int side) { return rig(side).fighter(); }
    FighterRig& rig(int side) { return side == 1 ? one : two; }

    SDL_Surface* screen;
    std::string names[2];
    FightEffects fx;
    FighterRig one;
    FighterRig two;
    Target aimAtOne;
    Target aimAtTwo;
    AI ai1;
    AI ai2;
    playerControl human1;
    playerControl human2;
    basicFightUI ui;
    playerControl* control1 = nullptr;
    playerControl* control2 = nullptr;
};

// Sees every presented frame for its life. After `limit` frames it asks the
// game to quit, so a run that never ends fails instead of hanging.
class FrameWatch
{
public:
    explicit FrameWatch(std::function<void(SDL_Surface*)> look, unsigned long limit = 200000);
    ~FrameWatch();
    FrameWatch(const FrameWatch&) = delete;
    FrameWatch& operator=(const FrameWatch&) = delete;

    unsigned long frames = 0;
    bool ranAway = false;
};
} // namespace testing_support
