// The balance report's arithmetic: what a run sends back, and a row's tally of
// its runs (health and time over the cleared runs only).
#pragma once

#include "tools/stagerun/child_runs.h"

#include <optional>
#include <vector>

// The rounds of a versus match the report keeps: best of three, and a round
// that ends with both down counts for both, so three at most.
constexpr int kMostRounds = 3;

// What one run of the report sends back from its child: a stage or a story
// chapter fills the first part, a versus match the first and the second.
struct runFigures
{
    int cleared = 0;  // 1 when player 1 won
    int finished = 0; // 0 when left at the game-time limit
    int healthLeft = 0;
    int maxHealth = 0;
    unsigned gameMs = 0;
    int flashes = 0; // the most in any one second, when counted
    struct
    {
        int winner = 0; // 1 or 2; 0 for none
        int rounds = 0;
        // Each round's fighting time; a round still going at the limit counts up to there.
        unsigned roundMs[kMostRounds] = {};
        int damageDealt[2] = {0, 0}; // by the left side and the right
    } match;
};

struct runEnd
{
    childEnd end = childEnd::Crashed;
    runFigures figures;
};

// The median (the mean of the middle two for an even count); none for no values.
std::optional<double> median(std::vector<double> values);

// A row's runs counted by how each ended.
struct runTally
{
    int runs = 0;
    int cleared = 0;
    int lost = 0;        // finished without winning
    int leftAtLimit = 0; // still playing at the game-time limit (not cleared either)
    int crashed = 0;
    int failedToStart = 0;
    int timedOut = 0;
    int maxHealth = 0;
    int flashes = 0;
    // Over the cleared runs only: a lost run's health and time say nothing of a clear.
    std::optional<double> healthLeft;
    std::optional<double> gameSeconds;
};

runTally tallyRuns(const std::vector<runEnd>& runs);
