// Times, headless, what a player waits for and what a frame costs: character
// select's loading, an AI-against-AI fight (its set-up and its frames, at
// 640x480 and zoomed to 800x600 and 1024x768, and the game's pace there on
// the real clock) and a stage run (Lv9, its build and its frames with the
// scripted player), and the peak memory of each. Game time runs at 60 steps a
// second through the game's clock, so each frame does a real fight's work.
//
// usage: quillfen_bench [--zoomsurface] [data folder] [frames] [640 | 800 | 1024]
// --zoomsurface also runs each zoomed size through SDL_gfx's zoomSurface.
// The data folder defaults to the one the build generated. Two roster
// fighters fight when the folder has them; otherwise the benchmark writes its
// own small fighter to a temporary folder and runs no stage.
#include "control/ai.h"
#include "control/beat_em_up_control.h"
#include "engine/background.h"
#include "engine/clock.h"
#include "engine/frame_pace.h"
#include "engine/globals.h"
#include "engine/platform.h"
#include "engine/present.h"
#include "engine/startup.h"
#include "fighter/animation_set.h"
#include "fighter/character_data.h"
#include "fighter/fighter.h"
#include "fighter/input_checker.h"
#include "fighter/move_set.h"
#include "fighter/particles.h"
#include "fighter/target.h"
#include "screens/beat_em_up_stage.h"
#include "screens/character_select.h"
#include "screens/fight_screen.h"
#include "screens/fight_ui.h"
#include "screens/segment_builder.h"
#include "stages/stage_table.h"
#include "tools/bench/bench_character.h"
#include "tools/stagerun/stage_run.h"
#include "tools/stagerun/versus_run.h"

#include <SDL.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#ifndef QUILLFEN_BENCH_DATA
#define QUILLFEN_BENCH_DATA "data"
#endif

namespace
{
using Clock = std::chrono::steady_clock;

// Where game time starts; it then moves one step a presented frame.
constexpr Uint32 kStartTick = 1000;
constexpr int kStepsPerSecond = 60;
// Frames of a fight shown before any is timed.
constexpr int kWarmUp = 120;
// The stage run is left when it takes longer than this much game time.
constexpr Uint32 kStageLimitMs = 20 * 60 * 1000;
// The stage player's strength: five times the damage.
constexpr int kStageStrength = 40;

double msSince(Clock::time_point t)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - t).count();
}

double medianOf(std::vector<double> times)
{
    if (times.empty())
        return 0;
    std::sort(times.begin(), times.end());
    const std::size_t n = times.size();
    return n % 2 ? times[n / 2] : (times[n / 2 - 1] + times[n / 2]) / 2;
}

// The process's peak since the last resetPeakMemory(), in megabytes.
double peakMB()
{
    return static_cast<double>(peakMemoryBytes()) / (1024.0 * 1024.0);
}

bool isFile(const std::string& path)
{
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

// Game time held by the clock and moved on one step (1/60 s) a presented
// frame, and the wall time of the frames chosen to count.
class frameTimer
{
public:
    frameTimer()
    {
        setTestClock(kStartTick);
        // The clock starts again: an earlier run's hit-stop must not hold this one.
        freezeEnd = 0;
        setTestClockAutoAdvance(0);
        last = Clock::now();
    }
    ~frameTimer() { releaseTestClock(); }
    frameTimer(const frameTimer&) = delete;
    frameTimer& operator=(const frameTimer&) = delete;

    // On every presented frame: notes how long it took when it counts, then
    // moves game time to the next step.
    void frame(bool counts)
    {
        const Clock::time_point now = Clock::now();
        if (counts)
        {
            times.push_back(std::chrono::duration<double, std::milli>(now - last).count());
            if (times.back() >= worst())
                worstAt = gameMs();
        }
        last = now;
        ++steps;
        setTestClock(kStartTick + static_cast<Uint32>(steps * 1000 / kStepsPerSecond));
    }

    int counted() const { return static_cast<int>(times.size()); }
    Uint32 gameMs() const { return static_cast<Uint32>(steps * 1000 / kStepsPerSecond); }

    double mean() const
    {
        double sum = 0;
        for (double t : times)
            sum += t;
        return times.empty() ? 0 : sum / static_cast<double>(times.size());
    }
    double median() const { return medianOf(times); }
    double worst() const { return times.empty() ? 0 : *std::max_element(times.begin(), times.end()); }

    void print(const char* indent) const
    {
        std::printf(
            "%s%d frames: mean %.3f ms, median %.3f ms, worst %.3f ms a frame (at %.1f s); %.0f frames/s\n",
            indent, counted(), mean(), median(), worst(), worstAt / 1000.0,
            mean() > 0 ? 1000.0 / mean() : 0.0);
    }

private:
    long steps = 0;
    Uint32 worstAt = 0;
    Clock::time_point last;
    std::vector<double> times;
};

struct Fighters
{
    bool roster = false;
    std::string chardata[2];
    std::string aiFolder[2];
    std::string where;
};

// Two roster fighters when the tree has them, else the benchmark's own.
bool chooseFighters(const std::string& scratch, Fighters& out)
{
    const char* roster[2] = {"Nick", "ZombieGuy"};
    if (isFile(std::string("data/characters/") + roster[0] + "/chardata") &&
        isFile(std::string("data/characters/") + roster[1] + "/chardata"))
    {
        for (int i = 0; i < 2; ++i)
        {
            out.chardata[i] = std::string("data/characters/") + roster[i] + "/chardata";
            out.aiFolder[i] = std::string("data/characters/") + roster[i] + "/ai";
        }
        out.roster = true;
        out.where = std::string("roster: ") + roster[0] + " against " + roster[1];
        return true;
    }
    bool ok = false;
    const std::string chardata = writeBenchCharacter(scratch + "/Bench", "Bench", ok);
    for (int i = 0; i < 2; ++i)
    {
        out.chardata[i] = chardata;
        out.aiFolder[i] = scratch + "/Bench/ai";
    }
    out.where = "the benchmark's own fighter against itself (no Nick and ZombieGuy in the data)";
    return ok;
}

// Opens the window at the size and the game's 640x480 picture composed into it.
bool openScreen(int width, int height)
{
    SCREEN_WIDTH = width;
    SCREEN_HEIGHT = height;
    if (screen)
        SDL_FreeSurface(screen);
    screen = nullptr;
    SDL_Surface* window = openWindow(width, height, false);
    if (!window)
    {
        std::fprintf(stderr, "no %dx%d video mode: %s\n", width, height, SDL_GetError());
        return false;
    }
    screen = makeComposeSurface(window);
    return screen != nullptr;
}

// Character select as versus mode opens it: both panels, every character in
// all its palettes.
void timeCharacterSelect()
{
    const std::vector<std::string> names = characterSelectScreen::getAllCharacters();
    resetPeakMemory();
    const Clock::time_point start = Clock::now();
    characterSelectScreen select;
    select.init(screen, 2, names);
    const double ms = msSince(start);
    int pictures = 0;
    for (const characterSelectPanel* panel : {&select.panel1, &select.panel2})
        for (const auto& d : panel->descriptions)
            for (const CSpriteFrame& f : d->characterSheet.normal)
                pictures += f.image ? 1 : 0;
    std::printf("character select: %zu characters, both panels, %d character pictures (all palettes) loaded "
                "in %.1f ms; peak memory %.1f MB\n\n",
                names.size(), pictures, ms, peakMB());
}

// How the colour-keyed frames of a set of sheets stand: keyed, marked for
// run-length encoding, encoded (a frame is encoded when first drawn).
struct KeyedFrames
{
    int keyed = 0;
    int rleAllowed = 0;
    int encoded = 0;

    void add(const CSpriteBase& sheet)
    {
        for (const std::vector<CSpriteFrame>* frames : {&sheet.normal, &sheet.second})
            for (const CSpriteFrame& f : *frames)
            {
                if (!f.image || !(f.image->flags & SDL_SRCCOLORKEY))
                    continue;
                ++keyed;
                rleAllowed += (f.image->flags & (SDL_RLEACCELOK | SDL_RLEACCEL)) ? 1 : 0;
                encoded += (f.image->flags & SDL_RLEACCEL) ? 1 : 0;
            }
    }
};

struct FightResult
{
    double setupMs = 0;
    bool complete = false;
    // Health lost by each fighter: shows that blows were traded.
    int lost[2] = {0, 0};
    KeyedFrames keyedFrames;
};

// Called on every presented frame of a fight with whether it counts (the
// fighting has gone on for kWarmUp frames) and the first fighter's control;
// the fight is left when it answers true.
using FightFrame = std::function<bool(bool counts, const AI& first)>;

// One fight as versus mode sets it up, with two aggressive computer players,
// run until `onFrame` has seen enough, then left.
FightResult runFight(const Fighters& who, const FightFrame& onFrame)
{
    FightResult r;
    fullyQuit = false;
    const Clock::time_point start = Clock::now();
    {
        // Health enough that nobody falls while the frames are counted.
        versusFight fight(screen, {who.chardata[0], who.aiFolder[0]}, {who.chardata[1], who.aiFolder[1]},
                          "burningBase", 1000000);
        r.setupMs = msSince(start);
        int fighting = 0;
        fight.play(
            [&](PlayerVsPlayerScreen& match)
            {
                const bool counts = match.state == 2 && !fullyQuit && fighting++ >= kWarmUp;
                if (onFrame(counts, fight.ai1) && !r.complete)
                {
                    r.complete = true;
                    fullyQuit = true;
                }
            });
        if (fight.match->bg)
            for (const auto& layer : fight.match->bg->layers)
                r.keyedFrames.add(layer->sheet);
        r.lost[0] = fight.one.fighter.maxHP - fight.one.fighter.hp;
        r.lost[1] = fight.two.fighter.maxHP - fight.two.fighter.hp;
        for (characterData* c : {&fight.one, &fight.two})
        {
            for (const auto& a : c->anims->anims)
                r.keyedFrames.add(a->sheet);
            for (const auto& m : c->moves->moves)
                r.keyedFrames.add(m->sheet);
        }
    }
    fullyQuit = false;
    return r;
}

// What a fight at one window size measured, through one way of zooming.
struct SizeResult
{
    int width = 0, height = 0;
    ZoomPath path = ZoomPath::scaler;
    double medianMs = 0;
    double meanMs = 0;
    double presentMs = 0;
    double stepsPerSecond = 0;
};

// The presentation alone: the last fight picture shown again and again, as
// fights show it (no frame waits); the median time of one.
double timePresent()
{
    constexpr int kPresents = 500;
    framePaceScope fighting(FramePace::free);
    std::vector<double> times;
    for (int i = 0; i < kPresents; ++i)
    {
        const Clock::time_point start = Clock::now();
        presentFrame(screen);
        times.push_back(msSince(start));
    }
    return medianOf(times);
}

const char* pathName(ZoomPath path)
{
    return path == ZoomPath::scaler ? "scaler" : "zoomSurface";
}

// The fight's frames at one window size, in game time moved one step a
// frame; false when it fell short of what it must show.
bool benchFight(const Fighters& who, int width, int height, int frames, SizeResult& out)
{
    if (!openScreen(width, height))
        return false;
    frameTimer timer;
    resetPeakMemory();
    const FightResult r = runFight(who,
                                   [&](bool counts, const AI&)
                                   {
                                       timer.frame(counts);
                                       return timer.counted() == frames;
                                   });
    const double peak = peakMB();
    if (!r.complete)
    {
        std::printf("%4dx%-4d  the fight ended before %d frames were timed\n\n", width, height, frames);
        return false;
    }
    std::printf("%4dx%-4d  %s; set-up %.1f ms; %.1f s of game time\n", width, height, pathName(out.path),
                r.setupMs, timer.gameMs() / 1000.0);
    timer.print("           ");
    std::printf("           health lost in the fight: %d and %d; peak memory %.1f MB\n", r.lost[0], r.lost[1],
                peak);
    std::printf("           colour-keyed frames: %d, run-length encoding on: %d, encoded by drawing: %d\n",
                r.keyedFrames.keyed, r.keyedFrames.rleAllowed, r.keyedFrames.encoded);
    out.medianMs = timer.median();
    out.meanMs = timer.mean();
    out.presentMs = timePresent();
    std::printf("           presenting a frame alone: median %.3f ms\n", out.presentMs);
    bool ok = r.keyedFrames.rleAllowed == r.keyedFrames.keyed;
    if (r.lost[0] == 0 || r.lost[1] == 0)
    {
        std::printf("           a fighter lost no health: the fight did not happen\n");
        ok = false;
    }
    return ok;
}

// The game's pace in a fight at one window size on the real clock, as a
// player sees it: the first fighter's movement steps (its control's step
// accumulator emptied) a second over kPaceMs of fighting.
constexpr Uint32 kPaceMs = 6000;

bool benchPace(const Fighters& who, int width, int height, SizeResult& out)
{
    if (!openScreen(width, height))
        return false;
    releaseTestClock();
    freezeEnd = 0;
    bool started = false;
    Uint32 start = 0;
    Uint32 elapsed = 0;
    float before = 0;
    int steps = 0;
    const FightResult r = runFight(who,
                                   [&](bool counts, const AI& first)
                                   {
                                       if (!counts)
                                           return false;
                                       const Uint32 now = gameTicks();
                                       if (started && first.accum < before)
                                           ++steps;
                                       before = first.accum;
                                       if (!started)
                                       {
                                           started = true;
                                           start = now;
                                       }
                                       elapsed = now - start;
                                       return elapsed >= kPaceMs;
                                   });
    if (!r.complete || elapsed == 0)
    {
        std::printf("           the fight ended before its pace was measured\n\n");
        return false;
    }
    out.stepsPerSecond = steps * 1000.0 / elapsed;
    std::printf("           pace on the real clock: %d movement steps in %.2f s, %.2f steps a second\n\n",
                steps, elapsed / 1000.0, out.stepsPerSecond);
    return true;
}

// Each size's frame and pace against the same path's 640x480, and each size's
// pace against the scaler's 640x480.
void printSummary(const std::vector<SizeResult>& results)
{
    const SizeResult* base = nullptr;
    for (const SizeResult& r : results)
        if (r.width == 640 && r.height == 480)
            base = &r;
    std::printf("%-10s %-12s %12s %12s %12s %14s %14s\n", "window", "zoom", "median ms", "x 640x480",
                "present ms", "steps/s", "pace vs 640");
    for (const SizeResult& r : results)
    {
        const double frameRatio = base && base->medianMs > 0 ? r.medianMs / base->medianMs : 0;
        const double pace =
            base && base->stepsPerSecond > 0 ? 100.0 * (r.stepsPerSecond / base->stepsPerSecond - 1) : 0;
        std::printf("%4dx%-5d %-12s %12.3f %12.2f %12.3f %14.2f %+13.2f%%\n", r.width, r.height,
                    pathName(r.path), r.medianMs, frameRatio, r.presentMs, r.stepsPerSecond, pace);
    }
    std::printf("\n");
}

// Lv9 with the scripted player, health held full and blows strengthened, at
// 640x480: the script's hundred enemies built, then every wave woken and
// beaten in turn.
bool benchStage()
{
    if (!openScreen(640, 480))
        return false;
    frameTimer timer;
    stageRunOptions o;
    o.stage = "Lv9";
    o.everyFrame = [&](beatEmUpStageBase& stage)
    {
        // Blows strengthened as the stage clears are tested, so the hundred
        // enemies go down in minutes of game time.
        stage.player->fighter->strength = kStageStrength;
        timer.frame(stage.state == 2);
        if (timer.gameMs() > kStageLimitMs)
            fullyQuit = true;
    };
    const stageEntry* entry = findStage(o.stage);
    if (!entry)
    {
        std::printf("stage %s: not in the stage table\n", o.stage.c_str());
        return false;
    }
    // The background alone, to tell its share of the build.
    const Clock::time_point backgroundStart = Clock::now();
    {
        background alone(screen);
        alone.init(entry->background);
    }
    const double backgroundMs = msSince(backgroundStart);
    resetPeakMemory();
    const stageRunResult r = runStage(screen, o);
    const double peak = peakMB();
    fullyQuit = false;
    std::printf("stage Lv9 at 640x480, scripted player: %s, steps %d of %d, enemies down %d of %d, "
                "%.1f s of game time\n",
                r.finished ? "finished" : "left", r.segmentsReached, r.segmentCount, r.enemiesDown,
                r.enemyCount, timer.gameMs() / 1000.0);
    std::printf("           built in %.1f ms (the background alone loads in %.1f ms); peak memory %.1f MB\n",
                r.buildMs, backgroundMs, peak);
    timer.print("           ");
    return r.finished && r.winner == 1;
}
} // namespace

int main(int argc, char** argv)
{
    // --zoomsurface: every zoomed size also through SDL_gfx's zoomSurface, to compare.
    bool alsoZoomSurface = false;
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i)
    {
        if (std::strcmp(argv[i], "--zoomsurface") == 0)
            alsoZoomSurface = true;
        else
            args.push_back(argv[i]);
    }
    const std::string dataArg = args.size() > 0 ? args[0] : QUILLFEN_BENCH_DATA;
    const int frames = args.size() > 1 ? std::atoi(args[1].c_str()) : 5000;
    // Every window size unless one is named.
    const int onlyWidth = args.size() > 2 ? std::atoi(args[2].c_str()) : 0;
    if (frames < 1)
    {
        std::fprintf(stderr,
                     "usage: quillfen_bench [--zoomsurface] [data folder] [frames] [640 | 800 | 1024]\n");
        return 1;
    }
    char dataReal[4096];
    if (!realpath(dataArg.c_str(), dataReal))
    {
        std::fprintf(stderr, "no data folder %s\n", dataArg.c_str());
        return 1;
    }
    // The game reads "data/..." from where it runs: run in a scratch folder
    // whose data/ is the tree given.
    char scratchTemplate[] = "/tmp/quillfen-bench-XXXXXX";
    const char* scratch = mkdtemp(scratchTemplate);
    if (!scratch || symlink(dataReal, (std::string(scratch) + "/data").c_str()) != 0 || chdir(scratch) != 0)
    {
        std::fprintf(stderr, "cannot prepare a scratch folder\n");
        return 1;
    }

    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    if (SDL_Init(SDL_INIT_VIDEO) < 0)
    {
        std::fprintf(stderr, "no video: %s\n", SDL_GetError());
        return 1;
    }
    Fighters who;
    if (!chooseFighters(scratch, who))
    {
        std::fprintf(stderr, "cannot write the benchmark's fighter in %s\n", scratch);
        return 1;
    }
    // Hit-stops are waits, not work. Game time stands still within a frame, so
    // a hit-stop ends a millisecond before it starts: no hit holds the game
    // (a wait of 0 would last for ever) or draws its frame twice.
    freeze_kill = freeze_50ms = freeze_20ms = -1;
    g_randomNumber.seed(1);

    std::printf("data: %s\nfighters: %s\ngame time at %d steps a second; %d frames of fighting timed after "
                "%d more, two aggressive computer players, hit-stop off\n\n",
                dataReal, who.where.c_str(), kStepsPerSecond, frames, kWarmUp);
    int status = 0;
    if (onlyWidth == 0 || onlyWidth == 640)
    {
        if (!openScreen(640, 480))
            return 1;
        timeCharacterSelect();
    }
    const struct
    {
        int width, height;
    } sizes[] = {{640, 480}, {800, 600}, {1024, 768}};
    std::vector<SizeResult> results;
    for (const ZoomPath path : {ZoomPath::scaler, ZoomPath::zoomSurface})
    {
        if (path == ZoomPath::zoomSurface && !alsoZoomSurface)
            continue;
        setZoomPath(path);
        for (const auto& s : sizes)
        {
            // 640x480 is never zoomed: one run serves both paths.
            if ((onlyWidth != 0 && onlyWidth != s.width) || (path == ZoomPath::zoomSurface && s.width == 640))
                continue;
            SizeResult r;
            r.width = s.width;
            r.height = s.height;
            r.path = path;
            if (!benchFight(who, s.width, s.height, frames, r) || !benchPace(who, s.width, s.height, r))
                status = 1;
            results.push_back(r);
        }
    }
    setZoomPath(ZoomPath::scaler);
    printSummary(results);
    if (who.roster && (onlyWidth == 0 || onlyWidth == 640) && !benchStage())
        status = 1;
    if (screen)
        SDL_FreeSurface(screen);
    screen = nullptr;
    SDL_Quit();
    // The link first, so nothing of the data tree can be removed with the folder.
    unlink((std::string(scratch) + "/data").c_str());
    std::error_code ignored;
    std::filesystem::remove_all(scratch, ignored);
    return status;
}
