// What every table of the balance report does: names the runs it needs,
// takes each run's end as it comes back, and prints itself.
#pragma once

#include "tools/stagerun/balance_figures.h"
#include "tools/stagerun/report_runs.h"

#include <cstdio>
#include <string>
#include <vector>

class reportTable
{
public:
    virtual ~reportTable() = default;
    virtual const char* name() const = 0;
    // The runs, asked for once; `take` names them by their index here.
    virtual std::vector<reportRun> runs() const = 0;
    virtual void take(std::size_t run, const runEnd& end) = 0;
    virtual void print(std::FILE* out) const = 0;
};

// The runs of a tally that did not come to an end in the game, and those
// stopped at the game-time limit, as "2 crashed, 1 at limit"; "-" for none.
std::string unusualRuns(const runTally& t);

// A value, or "-" when there is none.
std::string orDash(const std::optional<double>& value, const char* format);
