// The balance report's versus tables: versus mode's own match, every select
// character against every other from both sides, both sides pressed by one
// player model (two new players, or two practised ones). Per character: its
// matches won, the median round and match, and its longest pairing.
#pragma once

#include "tools/stagerun/report_table.h"

// What a versus table is judged by.
struct versusAims
{
    int leastWinPercent;
    int mostWinPercent;
    // The median round of a character's matches, in seconds.
    int shortestRound;
    int longestRound;
    // No pairing's median round above this (0: no such aim).
    int longestPairingRound;
    // Every match comes to its winner within the game-time limit.
    bool everyMatchEnds;
};

// A match still going after this much game time is left, unfinished.
constexpr unsigned kVersusLimitMs = 10u * 60u * 1000u;

class versusTable : public reportTable
{
public:
    // `characters` in select order; with `focus`, only the pairings of those
    // characters are fought and only their rows printed.
    versusTable(playerModel model, const std::vector<std::string>& characters,
                const std::vector<std::string>& focus, int seeds);

    const char* name() const override;
    std::vector<reportRun> runs() const override;
    void take(std::size_t run, const runEnd& end) override;
    void print(std::FILE* out) const override;
    // One line a match, for fitting the roster's numbers: the table, the left
    // and right character, the winning side (0 for none), the damage each side
    // dealt and the rounds' fighting seconds.
    void writeMatches(std::FILE* out) const;
    bool empty() const { return pairings.empty(); }

    // The aims of the table of two new players, and of two practised ones.
    static const versusAims& aimsFor(playerModel model);

private:
    struct match
    {
        bool firstOnLeft;
        runEnd end;
    };
    struct pairing
    {
        std::size_t first;
        std::size_t second;
        std::vector<match> matches;
    };
    // One character's figures over its matches.
    struct row
    {
        int matches = 0; // those that ran
        int won = 0;
        int unfinished = 0;
        std::vector<runEnd> ends;
        std::vector<double> roundSeconds;
        std::vector<double> matchSeconds; // the finished matches
        std::size_t longestPairing = 0;
        double longestPairingRound = -1.0;
    };

    row rowOf(std::size_t character) const;
    // The median round of a pairing's matches; none when none ran.
    std::optional<double> pairingRound(const pairing& p) const;
    int unfinishedMatches(const pairing& p) const;
    std::string failedAims(const row& r) const;
    void printRows(std::FILE* out) const;
    void printAims(std::FILE* out) const;
    void printPairingsOutOfAim(std::FILE* out) const;

    playerModel model;
    std::vector<std::string> characters;
    std::vector<bool> shown;
    int seeds;
    std::vector<pairing> pairings;
};
