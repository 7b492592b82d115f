// The balance report: every story chapter at the stats the campaign gives by
// then, and every arcade level with Nick, played with real health by each
// player model on several seeds, printed as a table with the most flashes the
// picture showed in any one second of those runs.
//
// usage: quillfen_balance <data folder> [--seeds N] [--jobs N] [--models scripted,newcomer]
//                         [--only NAME,...] [--time-limit S]
#include "engine/globals.h"
#include "engine/startup.h"
#include "modes/arcade_mode.h"
#include "modes/story_chapters.h"
#include "stages/stage_table.h"
#include "tools/stagerun/stage_run.h"

#include <SDL.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace
{
// A chapter or a level to measure.
struct Measured
{
    std::string name;
    int chapter; // -1 for an arcade level
    std::string stage;
};

struct Job
{
    std::size_t target;
    playerModel model;
    unsigned seed;
};

// What a run sends back through its pipe.
struct Outcome
{
    int cleared;
    int healthLeft;
    int maxHealth;
    Uint32 gameMs;
    int flashesInOneSecond;
};

std::vector<std::string> splitList(const std::string& s)
{
    std::vector<std::string> out;
    std::size_t from = 0;
    while (from <= s.size())
    {
        const std::size_t comma = std::min(s.find(',', from), s.size());
        if (comma > from)
            out.push_back(s.substr(from, comma - from));
        from = comma + 1;
    }
    return out;
}

std::vector<Measured> allTargets()
{
    std::vector<Measured> targets;
    for (int i = 0; i < kChapterCount; ++i)
        targets.push_back({std::string("story ") + kChapters[static_cast<std::size_t>(i)].name, i, ""});
    for (int level = 1; level <= arcadeMode::kLastLevel; ++level)
        if (const stageEntry* entry = arcadeMode::levelStage(level))
            targets.push_back({std::string("arcade ") + std::to_string(level) + " " + entry->name, -1, entry->name});
    return targets;
}

// Runs one job in this (child) process, in the game's folder.
Outcome runJob(const Measured& t, const Job& job, Uint32 timeLimitMs)
{
    Outcome out{0, 0, 0, 0, 0};
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    if (SDL_Init(SDL_INIT_VIDEO) < 0)
        return out;
    SDL_Surface* window = openWindow(640, 480, false);
    if (!window)
        return out;
    screen = makeComposeSurface(window);
    g_randomNumber.seed(job.seed);
    stageRunOptions o;
    o.model = job.model;
    o.realHealth = true;
    o.seed = job.seed;
    o.timeLimitMs = timeLimitMs;
    o.stage = t.stage;
    flashMeter flashes;
    o.flashes = &flashes;
    const stageRunResult r = t.chapter >= 0 ? runStoryChapter(screen, t.chapter, o) : runStage(screen, o);
    out = {r.cleared ? 1 : 0, r.healthLeft, r.maxHealth, r.gameMs, flashes.mostInOneSecond()};
    return out;
}

template <typename T>
T median(std::vector<T> v)
{
    if (v.empty())
        return T();
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

int usage()
{
    std::fprintf(stderr, "usage: quillfen_balance <data folder> [--seeds N] [--jobs N] "
                         "[--models scripted,newcomer] [--only NAME,...] [--time-limit S]\n");
    return 2;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return usage();
    int seeds = 10;
    // Every core by default: each run is a process of its own.
    const int cores = std::max(1, static_cast<int>(sysconf(_SC_NPROCESSORS_ONLN)));
    int jobs = cores;
    // Past the longest stage's aim of 10 minutes by half: a run still going
    // then is counted as lost.
    Uint32 timeLimitMs = 15u * 60u * 1000u;
    std::vector<playerModel> models = {playerModel::Scripted, playerModel::Newcomer};
    std::vector<std::string> only;
    for (int i = 2; i < argc; ++i)
    {
        const std::string a = argv[i];
        if (i + 1 >= argc)
            return usage();
        const std::string v = argv[++i];
        if (a == "--seeds")
            seeds = std::max(1, std::atoi(v.c_str()));
        else if (a == "--jobs")
            jobs = std::clamp(std::atoi(v.c_str()), 1, cores);
        else if (a == "--time-limit")
            timeLimitMs = static_cast<Uint32>(std::max(1, std::atoi(v.c_str()))) * 1000u;
        else if (a == "--only")
            only = splitList(v);
        else if (a == "--models")
        {
            models.clear();
            for (const std::string& name : splitList(v))
            {
                playerModel m;
                if (!parsePlayerModel(name, m))
                    return usage();
                models.push_back(m);
            }
        }
        else
            return usage();
    }
    if (!enterGameFolder(argv[1]))
        return 1;

    std::vector<Measured> targets;
    for (const Measured& t : allTargets())
    {
        // A name matches its chapter's or stage's own word ("boss1", "Lv0").
        const std::string last = t.name.substr(t.name.rfind(' ') + 1);
        if (only.empty() || std::find(only.begin(), only.end(), last) != only.end() ||
            std::find(only.begin(), only.end(), t.name) != only.end())
            targets.push_back(t);
    }
    std::vector<Job> queue;
    for (std::size_t t = 0; t < targets.size(); ++t)
        for (playerModel m : models)
            for (int s = 1; s <= seeds; ++s)
                queue.push_back({t, m, static_cast<unsigned>(s)});

    // Each run is a process of its own: the game's state is global.
    std::map<std::pair<std::size_t, int>, std::vector<Outcome>> results;
    // A row is printed as soon as its last run ends, in the table's order.
    const std::size_t rowCount = targets.size() * models.size();
    std::vector<std::size_t> runsDone(rowCount, 0);
    std::size_t nextRow = 0;
    auto printReadyRows = [&]()
    {
        for (; nextRow < rowCount && runsDone[nextRow] == static_cast<std::size_t>(seeds); ++nextRow)
        {
            const std::size_t t = nextRow / models.size();
            const playerModel m = models[nextRow % models.size()];
            const std::vector<Outcome>& runs = results[{t, static_cast<int>(m)}];
            int cleared = 0;
            int maxHealth = 0;
            int flashes = 0;
            std::vector<int> health;
            std::vector<Uint32> times;
            for (const Outcome& o : runs)
            {
                cleared += o.cleared;
                maxHealth = std::max(maxHealth, o.maxHealth);
                flashes = std::max(flashes, o.flashesInOneSecond);
                health.push_back(o.healthLeft);
                times.push_back(o.gameMs);
            }
            // Health on the median over every seed (a loss keeps none); time
            // over every seed, a run that was left counting its limit.
            std::printf("%-22s %-9s %5d/%-2zu %6d/%-5d %8.0f s %7d\n", targets[t].name.c_str(),
                        playerModelName(m), cleared, runs.size(), median(health), maxHealth, median(times) / 1000.0,
                        flashes);
            std::fflush(stdout);
        }
    };
    std::printf("%-22s %-9s %8s %12s %10s %7s\n", "chapter or level", "model", "cleared", "health left",
                "game time", "flashes");

    std::map<pid_t, std::pair<Job, int>> running;
    std::size_t next = 0;
    while (next < queue.size() || !running.empty())
    {
        while (next < queue.size() && static_cast<int>(running.size()) < jobs)
        {
            int fds[2];
            if (pipe(fds) != 0)
                return 1;
            const Job job = queue[next++];
            std::fflush(nullptr);
            const pid_t pid = fork();
            if (pid == 0)
            {
                close(fds[0]);
                // The game's own messages stay out of the table.
                if (!std::freopen("/dev/null", "w", stdout) || !std::freopen("/dev/null", "w", stderr))
                    _exit(1);
                const Outcome out = runJob(targets[job.target], job, timeLimitMs);
                const bool written = write(fds[1], &out, sizeof out) == static_cast<ssize_t>(sizeof out);
                _exit(written ? 0 : 1);
            }
            close(fds[1]);
            if (pid < 0)
                return 1;
            running[pid] = {job, fds[0]};
        }
        int status = 0;
        const pid_t done = wait(&status);
        auto it = running.find(done);
        if (it == running.end())
            continue;
        const Job job = it->second.first;
        Outcome out{0, 0, 0, 0, 0};
        if (read(it->second.second, &out, sizeof out) != static_cast<ssize_t>(sizeof out))
            std::fprintf(stderr, "%s seed %u: the run failed\n", targets[job.target].name.c_str(), job.seed);
        close(it->second.second);
        running.erase(it);
        results[{job.target, static_cast<int>(job.model)}].push_back(out);
        const std::size_t modelIndex = static_cast<std::size_t>(
            std::find(models.begin(), models.end(), job.model) - models.begin());
        ++runsDone[job.target * models.size() + modelIndex];
        printReadyRows();
    }

    return 0;
}
