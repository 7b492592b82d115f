// The balance report's command line.
#include "tools/stagerun/report_options.h"

#include "tools/stagerun/roster_groups.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace
{
const char* const kTables[] = {"story", "versus-newcomer", "versus-scripted", "arcade"};

bool readTables(const std::string& list, std::vector<std::string>& tables)
{
    tables.clear();
    for (const std::string& t : splitList(list))
    {
        if (t == "versus")
        {
            tables.push_back("versus-newcomer");
            tables.push_back("versus-scripted");
        }
        else if (std::find(std::begin(kTables), std::end(kTables), t) != std::end(kTables))
            tables.push_back(t);
        else
            return false;
    }
    return true;
}

bool readFighters(const std::string& list, std::vector<std::string>& fighters)
{
    const std::vector<std::string> roster = selectCharacters();
    fighters = splitList(list);
    for (const std::string& f : fighters)
        if (std::find(roster.begin(), roster.end(), f) == roster.end())
        {
            std::fprintf(stderr, "no select character called %s\n", f.c_str());
            return false;
        }
    return true;
}

bool readModels(const std::string& list, std::vector<playerModel>& models)
{
    models.clear();
    for (const std::string& name : splitList(list))
    {
        playerModel m;
        if (!parsePlayerModel(name, m))
            return false;
        models.push_back(m);
    }
    return true;
}
} // namespace

bool parseReportOptions(int argc, char** argv, reportOptions& r)
{
    const int cores = std::max(1, static_cast<int>(sysconf(_SC_NPROCESSORS_ONLN)));
    r.jobs = cores;
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
        else if (a == "--matches")
            r.matchesFile = v;
        else if (a == "--only")
            r.only = splitList(v);
        else if (a == "--tables")
        {
            if (!readTables(v, r.tables))
                return false;
        }
        else if (a == "--fighters")
        {
            if (!readFighters(v, r.fighters))
                return false;
        }
        else if (a == "--models")
        {
            if (!readModels(v, r.models))
                return false;
        }
        else
            return false;
    }
    return true;
}

int reportUsage()
{
    std::fprintf(stderr,
                 "usage: quillfen_balance <data folder> [--tables story,versus,versus-newcomer,versus-scripted,"
                 "arcade] [--fighters NAME,...] [--seeds N] [--versus-seeds N] [--roster-seeds N] [--jobs N] "
                 "[--models scripted,newcomer] [--only NAME,...] [--time-limit S] [--matches FILE]\n");
    return 2;
}

std::vector<std::string> splitList(const std::string& list)
{
    std::vector<std::string> out;
    std::size_t from = 0;
    while (from <= list.size())
    {
        const std::size_t comma = std::min(list.find(',', from), list.size());
        if (comma > from)
            out.push_back(list.substr(from, comma - from));
        from = comma + 1;
    }
    return out;
}

bool isPicked(const std::vector<std::string>& picked, const std::string& name)
{
    return picked.empty() || std::find(picked.begin(), picked.end(), name) != picked.end();
}
