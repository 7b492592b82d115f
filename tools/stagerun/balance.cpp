// The balance report: every story chapter at the stats the campaign gives by
// then, for each player model; versus mode's match between every two select
// characters, pressed by two new players and by two practised ones; and every
// one-on-one fighter over the arcade run's levels, the stage crowds over its
// first two. Every run is a child process of its own, the longest first, each
// limited on the clock on the wall.
//
// usage: quillfen_balance <data folder> [--tables story,versus,versus-newcomer,versus-scripted,arcade]
//                         [--fighters NAME,...] [--seeds N] [--versus-seeds N] [--roster-seeds N] [--jobs N]
//                         [--models scripted,newcomer] [--only NAME,...] [--time-limit S] [--matches FILE]
#include "tools/stagerun/arcade_table.h"
#include "tools/stagerun/child_runs.h"
#include "tools/stagerun/report_options.h"
#include "tools/stagerun/report_runs.h"
#include "tools/stagerun/roster_groups.h"
#include "tools/stagerun/stage_run.h"
#include "tools/stagerun/story_table.h"
#include "tools/stagerun/versus_table.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace
{
using tableList = std::vector<std::unique_ptr<reportTable>>;

template <typename Table>
void addIfRuns(tableList& tables, std::unique_ptr<Table> table)
{
    if (!table->empty())
        tables.push_back(std::move(table));
}

// The tables the options pick, in the order they print; those with no runs left out.
tableList pickTables(const reportOptions& options)
{
    tableList tables;
    if (isPicked(options.tables, "story"))
    {
        auto story =
            std::make_unique<storyTable>(options.only, options.models, options.seeds, options.timeLimitMs);
        addIfRuns(tables, std::move(story));
    }
    for (playerModel model : {playerModel::Newcomer, playerModel::Scripted})
    {
        const std::string name = std::string("versus-") + playerModelName(model);
        if (!isPicked(options.tables, name))
            continue;
        auto versus = std::make_unique<versusTable>(model, selectCharacters(), options.fighters, options.versusSeeds);
        addIfRuns(tables, std::move(versus));
    }
    if (isPicked(options.tables, "arcade"))
    {
        std::vector<std::string> fighters;
        for (const std::string& name : selectCharacters())
            if (isPicked(options.fighters, name))
                fighters.push_back(name);
        auto arcade = std::make_unique<arcadeTable>(fighters, options.only, options.models, options.rosterSeeds,
                                                    options.timeLimitMs);
        addIfRuns(tables, std::move(arcade));
    }
    return tables;
}

// One run of one table, as the pool starts them.
struct queuedRun
{
    std::size_t table;
    std::size_t index;
    reportRun run;
};

// Every table's runs, the longest first, so that the last to end are short ones.
std::vector<queuedRun> queueRuns(const tableList& tables)
{
    std::vector<queuedRun> queue;
    for (std::size_t t = 0; t < tables.size(); ++t)
    {
        const std::vector<reportRun> runs = tables[t]->runs();
        for (std::size_t i = 0; i < runs.size(); ++i)
            queue.push_back({t, i, runs[i]});
    }
    std::stable_sort(queue.begin(), queue.end(), [](const queuedRun& a, const queuedRun& b)
                     { return a.run.expectedSeconds > b.run.expectedSeconds; });
    return queue;
}

void writeMatches(const std::string& path, const tableList& tables)
{
    std::FILE* out = std::fopen(path.c_str(), "w");
    if (!out)
    {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        return;
    }
    for (const std::unique_ptr<reportTable>& t : tables)
        if (const auto* versus = dynamic_cast<const versusTable*>(t.get()))
            versus->writeMatches(out);
    if (std::fclose(out) != 0)
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
}

double minutes(double seconds)
{
    return seconds / 60.0;
}

// What a run that did not end in the game said last on stderr, to print under its table.
struct runNote
{
    std::string run;
    const char* end;
    std::vector<std::string> lines;
};

// Plays the queue in child processes, each end handed to its table; false
// when a run could not be started at all.
bool playAll(const std::vector<queuedRun>& queue, const tableList& tables, int jobs,
             std::vector<double>& processorSeconds, std::vector<std::vector<runNote>>& notes)
{
    processorSeconds.assign(tables.size(), 0.0);
    notes.assign(tables.size(), {});
    return runInChildren<runFigures>(
        queue.size(), jobs, [&](std::size_t i) { return wallLimitOf(queue[i].run); },
        [&](std::size_t i, runFigures& figures) { return playReportRun(queue[i].run, figures); },
        [&](std::size_t i, const childRun& run, const runFigures* figures)
        {
            runEnd end;
            end.end = run.end;
            if (figures)
                end.figures = *figures;
            tables[queue[i].table]->take(queue[i].index, end);
            processorSeconds[queue[i].table] += run.processorSeconds;
            if (run.end != childEnd::Ran)
                notes[queue[i].table].push_back({describeRun(queue[i].run), childEndName(run.end), run.lastErrorLines});
        });
}

void printNotes(const std::vector<runNote>& notes)
{
    for (const runNote& n : notes)
    {
        std::printf("%s: %s%s\n", n.run.c_str(), n.end, n.lines.empty() ? ", nothing on stderr" : "");
        for (const std::string& line : n.lines)
            std::printf("    %s\n", line.c_str());
    }
}
} // namespace

int main(int argc, char** argv)
{
    reportOptions options;
    if (argc < 2 || !parseReportOptions(argc, argv, options))
        return reportUsage();
    if (!enterGameFolder(argv[1]))
        return 1;
    const tableList tables = pickTables(options);
    if (tables.empty())
    {
        std::fprintf(stderr, "nothing to run\n");
        return 1;
    }
    const std::vector<queuedRun> queue = queueRuns(tables);
    std::vector<double> processorSeconds;
    std::vector<std::vector<runNote>> notes;
    const auto start = std::chrono::steady_clock::now();
    const bool started = playAll(queue, tables, options.jobs, processorSeconds, notes);
    const double wallSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (!started)
    {
        std::fprintf(stderr, "could not start every run (no pipe or no process)\n");
        return 1;
    }
    for (std::size_t t = 0; t < tables.size(); ++t)
    {
        tables[t]->print(stdout);
        printNotes(notes[t]);
        std::printf("\n");
    }
    if (!options.matchesFile.empty())
        writeMatches(options.matchesFile, tables);
    std::printf("%zu runs on %d jobs in %.1f minutes; processor time", queue.size(), options.jobs,
                minutes(wallSeconds));
    for (std::size_t t = 0; t < tables.size(); ++t)
        std::printf("%s %s %.1f min", t ? "," : "", tables[t]->name(), minutes(processorSeconds[t]));
    std::printf("\n");
    return 0;
}
