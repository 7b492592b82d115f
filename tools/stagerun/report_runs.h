// One run of the balance report as its child process plays it: a story
// chapter, an arcade level for a roster character, or a versus match pressed
// by two player models.
#pragma once

#include "tools/stagerun/balance_figures.h"
#include "tools/stagerun/scripted_player.h"

#include <chrono>
#include <string>
#include <vector>

struct reportRun
{
    enum class kind
    {
        Chapter,
        Stage,
        Versus
    };
    kind what = kind::Stage;
    int chapter = -1;     // a story chapter, 0 to 17
    std::string stage;    // a stage of the stage table
    std::string player;   // the stage's player, or the versus match's left side
    std::string opponent; // the versus match's right side
    playerModel model = playerModel::Scripted; // a versus match's two sides alike
    unsigned seed = 1;
    bool countFlashes = false;
    unsigned gameLimitMs = 0;
    // The game time the run may take, to start the longest first.
    double expectedSeconds = 0.0;
};

// Plays the run in this process (a child of the report, in the game's
// folder), with real health and strength 0; its stdout goes to /dev/null,
// its stderr is left to the report. False when the run cannot start: stdout
// cannot be silenced, SDL or its window cannot start, or the stage (a versus
// fight's ground included) or the story chapter is unknown.
bool playReportRun(const reportRun& run, runFigures& figures);

// How long a child may take on the clock on the wall: generous, since the
// machine may be busy, but bounded, so a hung run cannot hold the report.
std::chrono::milliseconds wallLimitOf(const reportRun& run);

// A run in a few words, for the lines printed under a table: "boss1, newcomer,
// seed 3", "Lv6 with Vlad, scripted, seed 1", "Vlad against Nick, newcomer, seed 1".
std::string describeRun(const reportRun& run);
