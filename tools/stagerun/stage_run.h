// One stage run as arcade mode sets it up: roster players on the generated
// data, optionally a computer ally, played by hand or by the scripted player.
#pragma once

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
    bool scripted = true;        // played by the scripted player, health held full, on the test clock
    int strength = 0;            // the players' strength: 40 makes their blows five times as strong
    std::string shotsDir;        // BMPs of the run when not empty
    Uint32 timeLimitMs = 0;      // the run is left after this much game time (0: played to its end)
    // Called on every presented frame after the scripted players' step: the
    // benchmark times the frames and moves game time on with it.
    std::function<void(beatEmUpStageBase&)> everyFrame;
};

struct stageRunResult
{
    bool found = false;
    bool finished = false;
    int winner = 0;
    int segmentsReached = 0;
    int segmentCount = 0;
    int enemiesDown = 0;
    int enemyCount = 0;
    double buildMs = 0.0;
    Uint32 gameMs = 0;
};

// A headless run's clock: moves game time on to the next frame, past any hit-stop.
void stepGameClock();

// Runs the stage on `screen` from the data/ tree of the working directory.
stageRunResult runStage(SDL_Surface* screen, const stageRunOptions& options);
