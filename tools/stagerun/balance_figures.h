// The balance report's arithmetic: what a run sends back, a row's tally of its
// runs (health and time over the cleared runs only), and the versus fights'
// knock-out times and ratios, where a side that deals no damage never knocks
// the other out.
#pragma once

#include "tools/stagerun/child_runs.h"

#include <limits>
#include <optional>
#include <vector>

// What one run of the report sends back from its child: a stage or a story
// chapter fills the first part, a versus fight the second.
struct runFigures
{
    int cleared = 0;  // 1 when player 1 won
    int finished = 0; // 0 when left at the game-time limit
    int healthLeft = 0;
    int maxHealth = 0;
    unsigned gameMs = 0;
    int flashes = 0; // the most in any one second, when counted
    // A versus fight: the damage each side dealt, and the health each side's
    // chardata gives it.
    int damageDealt[2] = {0, 0};
    int ownHealth[2] = {0, 0};
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

// The time never reached: by a side that deals no damage.
constexpr double kNever = std::numeric_limits<double>::infinity();

// How long a side that dealt `damage` in `seconds` would take to take
// `opponentHealth` off its opponent at that rate.
double knockOutSeconds(int damage, int opponentHealth, double seconds);

// Above 1 when a side is the stronger: its opponent's knock-out time over its
// own. Two equal times (both never, say) give 1, a side that never knocks out
// an opponent who does gives 0, and the other way round gives kNever.
double knockOutRatio(double opponentSeconds, double ownSeconds);

// One pairing of two characters over its fights (both sides, every seed):
// each one's median knock-out time of the other, and who is the quicker.
struct pairingFigures
{
    int fights = 0;
    double knockOut[2] = {kNever, kNever};
    int winner = -1; // 0 or 1; -1 when even or when no fight ran

    double ratio(int side) const { return knockOutRatio(knockOut[1 - side], knockOut[side]); }
};

// A fight as the pairing sees it: the first and second character's knock-out times.
struct pairingFight
{
    double knockOut[2];
};

pairingFigures pairingOf(const std::vector<pairingFight>& fights);
