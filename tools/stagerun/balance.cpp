// The balance report: every story chapter at the stats the campaign gives by
// then, for each player model; every select character against every other in
// versus fights; and every one-on-one fighter over the arcade run's levels,
// the stage crowds over its first two. Every run is a child process of its
// own, the longest first, each limited on the clock on the wall.
//
// usage: quillfen_balance <data folder> [--tables story,versus,arcade] [--fighters NAME,...]
//                         [--seeds N] [--versus-seeds N] [--roster-seeds N] [--jobs N]
//                         [--models scripted,newcomer] [--only NAME,...] [--time-limit S]
#include "tools/stagerun/arcade_table.h"
#include "tools/stagerun/child_runs.h"
#include "tools/stagerun/report_runs.h"
#include "tools/stagerun/stage_run.h"
#include "tools/stagerun/story_table.h"
#include "tools/stagerun/versus_table.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace
{
struct reportOptions
{
    std::vector<std::string> tables = {"story", "versus", "arcade"};
    std::vector<std::string> fighters; // every select character when empty
    int seeds = 10;
    // Fewer seeds for the roster than for the story by default, so the whole
    // report fits in a quarter of an hour on eight cores.
    int versusSeeds = 1;
    int rosterSeeds = 1;
    int jobs = 1;
    std::vector<playerModel> models = {playerModel::Scripted, playerModel::Newcomer};
    std::vector<std::string> only;
    // Past the longest stage's aim of 12 minutes: a run still going then is
    // counted apart, as stopped at the limit.
    unsigned timeLimitMs = 15u * 60u * 1000u;
};

int usage()
{
    std::fprintf(stderr,
                 "usage: quillfen_balance <data folder> [--tables story,versus,arcade] [--fighters NAME,...] "
                 "[--seeds N] [--versus-seeds N] [--roster-seeds N] [--jobs N] "
                 "[--models scripted,newcomer] [--only NAME,...] [--time-limit S]\n");
    return 2;
}

bool parseOptions(int argc, char** argv, reportOptions& r)
{
    const int cores = std::max(1, static_cast<int>(sysconf(_SC_NPROCESSORS_ONLN)));
    r.jobs = cores;
    const std::vector<std::string> roster = selectCharacters();
    for (int i = 2; i < argc; ++i)
    {
        const std::string a = argv[i];
        if (i + 1 >= argc)
            return false;
        const std::string v = argv[++i];
        const int n = std::atoi(v.c_str());
        if (a == "--seeds")
            r.seeds = std::max(1, n);
        else if (a == "--versus-seeds")
            r.versusSeeds = std::max(1, n);
        else if (a == "--roster-seeds")
            r.rosterSeeds = std::max(1, n);
        else if (a == "--jobs")
            r.jobs = std::clamp(n, 1, cores);
        else if (a == "--time-limit")
            r.timeLimitMs = static_cast<unsigned>(std::max(1, n)) * 1000u;
        else if (a == "--only")
            r.only = splitList(v);
        else if (a == "--tables")
        {
            r.tables = splitList(v);
            for (const std::string& t : r.tables)
                if (t != "story" && t != "versus" && t != "arcade")
                    return false;
        }
        else if (a == "--fighters")
        {
            r.fighters = splitList(v);
            for (const std::string& f : r.fighters)
                if (std::find(roster.begin(), roster.end(), f) == roster.end())
                {
                    std::fprintf(stderr, "no select character called %s\n", f.c_str());
                    return false;
                }
        }
        else if (a == "--models")
        {
            r.models.clear();
            for (const std::string& name : splitList(v))
            {
                playerModel m;
                if (!parsePlayerModel(name, m))
                    return false;
                r.models.push_back(m);
            }
        }
        else
            return false;
    }
    return true;
}

// One run of one table, as the pool starts them.
struct queuedRun
{
    std::size_t table;
    std::size_t index;
    reportRun run;
};

double minutes(double seconds)
{
    return seconds / 60.0;
}
} // namespace

int main(int argc, char** argv)
{
    reportOptions options;
    if (argc < 2 || !parseOptions(argc, argv, options))
        return usage();
    if (!enterGameFolder(argv[1]))
        return 1;

    std::vector<std::unique_ptr<reportTable>> tables;
    if (isPicked(options.tables, "story"))
    {
        auto story =
            std::make_unique<storyTable>(options.only, options.models, options.seeds, options.timeLimitMs);
        if (!story->empty())
            tables.push_back(std::move(story));
    }
    if (isPicked(options.tables, "versus"))
    {
        auto versus =
            std::make_unique<versusTable>(selectCharacters(), options.fighters, options.versusSeeds);
        if (!versus->empty())
            tables.push_back(std::move(versus));
    }
    if (isPicked(options.tables, "arcade"))
    {
        std::vector<std::string> fighters;
        for (const std::string& name : selectCharacters())
            if (isPicked(options.fighters, name))
                fighters.push_back(name);
        auto arcade = std::make_unique<arcadeTable>(fighters, options.only, options.models,
                                                    options.rosterSeeds, options.timeLimitMs);
        if (!arcade->empty())
            tables.push_back(std::move(arcade));
    }
    if (tables.empty())
    {
        std::fprintf(stderr, "nothing to run\n");
        return 1;
    }

    // The longest runs first, so that the last to end are short ones.
    std::vector<queuedRun> queue;
    for (std::size_t t = 0; t < tables.size(); ++t)
    {
        const std::vector<reportRun> runs = tables[t]->runs();
        for (std::size_t i = 0; i < runs.size(); ++i)
            queue.push_back({t, i, runs[i]});
    }
    std::stable_sort(queue.begin(), queue.end(),
                     [](const queuedRun& a, const queuedRun& b)
                     { return a.run.expectedSeconds > b.run.expectedSeconds; });

    std::vector<double> processorSeconds(tables.size(), 0.0);
    const auto start = std::chrono::steady_clock::now();
    const bool started = runInChildren<runFigures>(
        queue.size(), options.jobs, [&](std::size_t i) { return wallLimitOf(queue[i].run); },
        [&](std::size_t i, runFigures& figures) { return playReportRun(queue[i].run, figures); },
        [&](std::size_t i, const childRun& run, const runFigures* figures)
        {
            runEnd end;
            end.end = run.end;
            if (figures)
                end.figures = *figures;
            tables[queue[i].table]->take(queue[i].index, end);
            processorSeconds[queue[i].table] += run.processorSeconds;
        });
    const double wallSeconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (!started)
    {
        std::fprintf(stderr, "could not start every run (no pipe or no process)\n");
        return 1;
    }

    for (const std::unique_ptr<reportTable>& t : tables)
    {
        t->print(stdout);
        std::printf("\n");
    }
    std::printf("%zu runs on %d jobs in %.1f minutes; processor time", queue.size(), options.jobs,
                minutes(wallSeconds));
    for (std::size_t t = 0; t < tables.size(); ++t)
        std::printf("%s %s %.1f min", t ? "," : "", tables[t]->name(), minutes(processorSeconds[t]));
    std::printf("\n");
    return 0;
}
