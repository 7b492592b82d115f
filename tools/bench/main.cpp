// Times, headless, what a player waits for and what a frame costs: character
// select's loading, an AI-against-AI fight (its set-up and its frames, at
// 640x480 and zoomed to 1024x768) and a stage run (Lv9, its build and its
// frames with the scripted player), and the peak memory of each. Game time runs at 60 steps a second
// through the game's clock, so each frame does a real fight's work.
//
// usage: quillfen_bench [data folder] [frames] [640 | 1024]
// The data folder defaults to the one the build generated. Two roster
// fighters fight when the folder has them; otherwise the benchmark writes its
// own small fighter to a temporary folder and runs no stage.
#include "control/ai.h"
#include "control/beat_em_up_control.h"
#include "engine/background.h"
#include "engine/clock.h"
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

#include <SDL.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
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
    double median() const
    {
        if (times.empty())
            return 0;
        std::vector<double> sorted = times;
        std::sort(sorted.begin(), sorted.end());
        const std::size_t n = sorted.size();
        return n % 2 ? sorted[n / 2] : (sorted[n / 2 - 1] + sorted[n / 2]) / 2;
    }
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

// One fight as versus mode sets it up, with two aggressive computer players,
// run until `frames` frames of fighting have been timed (after kWarmUp more),
// then left.
FightResult runFight(const Fighters& who, int frames, frameTimer& timer)
{
    FightResult r;
    fullyQuit = false;
    const Clock::time_point start = Clock::now();
    soundSet sounds;
    characterData one(who.chardata[0].c_str(), screen, 0, &sounds);
    characterData two(who.chardata[1].c_str(), screen, 1, &sounds);
    // Health enough that nobody falls while the frames are counted.
    for (characterData* c : {&one, &two})
        c->fighter.setHP(1000000, 1000000);
    one.fighter.x = 300;
    one.fighter.y = 500;
    two.fighter.x = 500;
    two.fighter.y = 500;
    basicFightUI ui;
    ui.init(&one.fighter, &two.fighter, screen);
    inputChecker input1(one.moves, &one.fighter);
    inputChecker input2(two.moves, &two.fighter);
    partInfoList effects;
    effects.addList("default", screen);
    partInfoList faces1;
    faces1.addList("faces", "face", screen);
    partInfoList faces2;
    faces2.addList("faces", "face", screen);
    Target aimAtTwo;
    Target aimAtOne;
    aimAtTwo.setTarget(&two.fighter);
    aimAtOne.setTarget(&one.fighter);
    particleList list1;
    particleList list2;
    AI ai1;
    AI ai2;
    ai1.init(screen);
    ai1.setup(&one.fighter, &effects, &list1, &sounds, one.anims, one.moves, &aimAtTwo,
              who.aiFolder[0].c_str());
    ai1.faceInfo = &faces1;
    ai2.init(screen);
    ai2.setup(&two.fighter, &effects, &list2, &sounds, two.anims, two.moves, &aimAtOne,
              who.aiFolder[1].c_str());
    ai2.faceInfo = &faces2;
    for (AI* ai : {&ai1, &ai2})
    {
        ai->thinkMode = 2;
        ai->aiLevel = 0;
    }
    {
        PlayerVsPlayerScreen match(&ai1, &ai2, &ui, screen, "burningBase", nullptr, &list1, &list2, 2);
        r.setupMs = msSince(start);
        int fighting = 0;
        setFrameObserver(
            [&](SDL_Surface*)
            {
                const bool counts = match.state == 2 && !fullyQuit && fighting++ >= kWarmUp;
                timer.frame(counts);
                if (timer.counted() == frames)
                {
                    r.complete = true;
                    fullyQuit = true;
                }
            });
        match.update();
        setFrameObserver(nullptr);
        if (match.bg)
            for (const auto& layer : match.bg->layers)
                r.keyedFrames.add(layer->sheet);
    }
    r.lost[0] = one.fighter.maxHP - one.fighter.hp;
    r.lost[1] = two.fighter.maxHP - two.fighter.hp;
    for (characterData* c : {&one, &two})
    {
        for (const auto& a : c->anims->anims)
            r.keyedFrames.add(a->sheet);
        for (const auto& m : c->moves->moves)
            r.keyedFrames.add(m->sheet);
    }
    list1.removeAll();
    list2.removeAll();
    fullyQuit = false;
    return r;
}

// The fight at one window size; false when it fell short of what it must show.
bool benchFight(const Fighters& who, int width, int height, int frames)
{
    if (!openScreen(width, height))
        return false;
    frameTimer timer;
    resetPeakMemory();
    const FightResult r = runFight(who, frames, timer);
    const double peak = peakMB();
    if (!r.complete)
    {
        std::printf("%4dx%-4d  the fight ended before %d frames were timed\n\n", width, height, frames);
        return false;
    }
    std::printf("%4dx%-4d  set-up %.1f ms; %.1f s of game time\n", width, height, r.setupMs,
                timer.gameMs() / 1000.0);
    timer.print("           ");
    std::printf("           health lost in the fight: %d and %d; peak memory %.1f MB\n", r.lost[0], r.lost[1],
                peak);
    std::printf("           colour-keyed frames: %d, run-length encoding on: %d, encoded by drawing: %d\n\n",
                r.keyedFrames.keyed, r.keyedFrames.rleAllowed, r.keyedFrames.encoded);
    bool ok = r.keyedFrames.rleAllowed == r.keyedFrames.keyed;
    if (r.lost[0] == 0 || r.lost[1] == 0)
    {
        std::printf("           a fighter lost no health: the fight did not happen\n\n");
        ok = false;
    }
    return ok;
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
    const std::string dataArg = argc > 1 ? argv[1] : QUILLFEN_BENCH_DATA;
    const int frames = argc > 2 ? std::atoi(argv[2]) : 5000;
    // Both window sizes unless one is named.
    const int onlyWidth = argc > 3 ? std::atoi(argv[3]) : 0;
    if (frames < 1)
    {
        std::fprintf(stderr, "usage: quillfen_bench [data folder] [frames] [640 | 1024]\n");
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
    } sizes[] = {{640, 480}, {1024, 768}};
    for (const auto& s : sizes)
        if ((onlyWidth == 0 || onlyWidth == s.width) && !benchFight(who, s.width, s.height, frames))
            status = 1;
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
