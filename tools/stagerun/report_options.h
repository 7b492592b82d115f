// The balance report's command line: which tables, characters, chapters,
// levels and player models it plays, how many seeds and how many at once.
#pragma once

#include "tools/stagerun/scripted_player.h"

#include <string>
#include <vector>

struct reportOptions
{
    // "story", "versus-newcomer", "versus-scripted" and "arcade"; "versus" on
    // the command line names both versus tables.
    std::vector<std::string> tables = {"story", "versus-newcomer", "versus-scripted", "arcade"};
    std::vector<std::string> fighters; // every select character when empty
    int seeds = 10;
    // Fewer seeds for the roster than for the story by default, so the whole
    // report fits in half an hour on eight cores.
    int versusSeeds = 1;
    int rosterSeeds = 1;
    int jobs = 1;
    std::vector<playerModel> models = {playerModel::Scripted, playerModel::Newcomer};
    std::vector<std::string> only;
    // Past the longest stage's aim of 12 minutes: a run still going then is
    // counted apart, as stopped at the limit.
    unsigned timeLimitMs = 15u * 60u * 1000u;
    // Where the versus tables write one line a match; none when empty.
    std::string matchesFile;
};

// Reads the options after the data folder (argv[2] on); false, with a
// message for a character that is not at select, on anything it cannot use.
bool parseReportOptions(int argc, char** argv, reportOptions& options);
// Prints the usage line; answers the exit status for it.
int reportUsage();

// Splits "a,b,c" at its commas, leaving out empty names.
std::vector<std::string> splitList(const std::string& list);

// Whether `name` is among `picked`; an empty choice takes everything.
bool isPicked(const std::vector<std::string>& picked, const std::string& name);
