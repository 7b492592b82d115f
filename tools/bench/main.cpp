// Times a computer-against-computer fight headless: the set-up of the fight
// and its frames, at 640x480 and zoomed to 1024x768.
//
// usage: quillfen_bench [data folder] [frames] [640 | 1024]
// The data folder defaults to the one the build generated. Two roster
// fighters fight when the folder has them; otherwise the benchmark writes its
// own small fighter to a temporary folder.
#include "control/ai.h"
#include "engine/globals.h"
#include "engine/present.h"
#include "fighter/animation_set.h"
#include "fighter/character_data.h"
#include "fighter/input_checker.h"
#include "fighter/move_set.h"
#include "fighter/particles.h"
#include "fighter/target.h"
#include "screens/fight_screen.h"
#include "screens/fight_ui.h"
#include "tools/bench/bench_character.h"

#include <SDL.h>
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

double msSince(Clock::time_point t)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - t).count();
}

bool isFile(const std::string& path)
{
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

struct Fighters
{
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

struct Result
{
    double setupMs = 0;
    double firstFrameMs = 0;
    int frames = 0;
    double fightMs = 0;
    // Health lost by each fighter: shows that blows were traded.
    int lost[2] = {0, 0};
    KeyedFrames keyedFrames;
};

// One fight at the given window size: set up as versus mode sets it up, with
// two aggressive computer players, run until `frames` frames of fighting
// have been shown (after `warmUp` more), then left.
Result runFight(const Fighters& who, int width, int height, int warmUp, int frames)
{
    Result r;
    SCREEN_WIDTH = width;
    SCREEN_HEIGHT = height;
    screen = SDL_SetVideoMode(width, height, 32, SDL_HWPALETTE);
    if (!screen)
    {
        std::fprintf(stderr, "no %dx%d video mode: %s\n", width, height, SDL_GetError());
        return r;
    }
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

        const Clock::time_point updateStart = Clock::now();
        int seen = 0;
        int counted = 0;
        Clock::time_point countStart;
        setFrameObserver(
            [&](SDL_Surface*)
            {
                if (seen++ == 0)
                    r.firstFrameMs = msSince(updateStart);
                if (match.state != 2 || fullyQuit)
                    return;
                if (counted == warmUp)
                    countStart = Clock::now();
                if (++counted == warmUp + frames)
                {
                    r.fightMs = msSince(countStart);
                    r.frames = frames;
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
    // Hit-stops are waits, not work: the frames are timed without them.
    freeze_kill = freeze_50ms = freeze_20ms = 0;
    g_randomNumber.seed(1);

    std::printf("data: %s\nfighters: %s\n%d frames of fighting timed after 120 more, two aggressive "
                "computer players, hit-stop off\n\n",
                dataReal, who.where.c_str(), frames);
    const struct
    {
        int width, height;
    } sizes[] = {{640, 480}, {1024, 768}};
    int status = 0;
    for (const auto& s : sizes)
    {
        if (onlyWidth != 0 && onlyWidth != s.width)
            continue;
        const Result r = runFight(who, s.width, s.height, 120, frames);
        if (r.frames == 0)
        {
            std::printf("%4dx%-4d  the fight ended before %d frames were shown\n", s.width, s.height, frames);
            status = 1;
            continue;
        }
        std::printf(
            "%4dx%-4d  set-up %7.1f ms, first frame %6.1f ms later; %8.0f frames/s, %6.3f ms a frame\n",
            s.width, s.height, r.setupMs, r.firstFrameMs, r.frames * 1000.0 / r.fightMs,
            r.fightMs / r.frames);
        std::printf("           health lost in the fight: %d and %d\n", r.lost[0], r.lost[1]);
        std::printf(
            "           colour-keyed frames: %d, run-length encoding on: %d, encoded by drawing: %d\n",
            r.keyedFrames.keyed, r.keyedFrames.rleAllowed, r.keyedFrames.encoded);
        if (r.keyedFrames.rleAllowed != r.keyedFrames.keyed)
            status = 1;
    }
    SDL_Quit();
    // The link first, so nothing of the data tree can be removed with the folder.
    unlink((std::string(scratch) + "/data").c_str());
    std::error_code ignored;
    std::filesystem::remove_all(scratch, ignored);
    return status;
}
