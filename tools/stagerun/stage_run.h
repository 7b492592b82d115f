// One stage run as arcade mode sets it up (roster players on the generated
// data, optionally a computer ally), or one story chapter's fight as the
// campaign sets it up at that point; played by hand or by a player model.
#pragma once

#include "modes/save_files.h"
#include "tools/stagerun/flash_meter.h"
#include "tools/stagerun/scripted_player.h"

#include <SDL.h>
#include <functional>
#include <string>

class beatEmUpStageBase;

struct stageRunOptions
{
    std::string stage;           // a name of the stage table
    std::string player = "Nick"; // character folder name
    std::string ally;            // none when empty
    bool twoPlayers = false;     // a second player of the same character
    bool scripted = true;        // played by a player model on the test clock
    playerModel model = playerModel::Scripted;
    bool realHealth = false;     // the model's fighter can lose; otherwise its health is held full
    unsigned seed = 1;           // the newcomer's presses
    Uint32 timeLimitMs = 0;      // a headless run is left after this much game time; 0 for none
    int strength = 0;            // the players' strength: 40 makes their blows five times as strong
    std::string shotsDir;        // BMPs of the run when not empty
    // Called on every presented frame after the scripted players' step: the
    // benchmark times the frames and moves game time on with it.
    std::function<void(beatEmUpStageBase&)> everyFrame;
    // Fed every presented picture of a stage or a story fight when set.
    flashMeter* flashes = nullptr;
};

struct stageRunResult
{
    bool found = false;
    bool finished = false;
    int winner = 0;
    // Finished with player 1 the winner.
    bool cleared = false;
    // Player 1's health at the end (the last frame it was on the field) and its maximum.
    int healthLeft = 0;
    int maxHealth = 0;
    int segmentsReached = 0;
    int segmentCount = 0;
    int enemiesDown = 0;
    int enemyCount = 0;
    double buildMs = 0.0;
    Uint32 gameMs = 0;
};

// A headless run's clock: moves game time on to the next frame, past any hit-stop.
void stepGameClock();
// Holds the test clock at the start of a headless run; an earlier run's
// hit-stop must not hold this one.
void restartGameClock();

// Makes the folder holding `dataFolder` the working directory, since the game
// reads "data/..." from where it runs; false, with a message, when the folder
// is missing or not called "data".
bool enterGameFolder(const char* dataFolder);

// Whether the data/ tree of the working directory holds the character named
// (its folder name, as --player, --ally and versus name it): its chardata can
// be read. A missing one would be built as an empty fighter of no health.
bool characterFound(const std::string& name);

// Runs the stage on `screen` from the data/ tree of the working directory.
stageRunResult runStage(SDL_Surface* screen, const stageRunOptions& options);

// The save a story player holds before playing chapter `chapter` (0 to 17):
// a new save given the rewards of every chapter before it, with its coins
// spent in the shop as they come, in one fixed order.
storyFile storySaveBefore(int chapter);

// Plays story chapter `chapter` (0 to 17) headless with a player model, as
// the campaign builds it from storySaveBefore(chapter), without an ally: its
// stage, or its one-on-one boss fight. `options.stage` and `options.player`
// are not used; a chapter outside 0..17 is not found.
stageRunResult runStoryChapter(SDL_Surface* screen, int chapter, const stageRunOptions& options);
