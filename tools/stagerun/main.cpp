// Runs one beat-'em-up stage of the stage table, by hand in a window or
// headless with a player model; or, with --chapter, one story chapter's fight
// at the stats the campaign gives by then.
//
// usage: quillfen_stagerun <data folder> <stage> [--auto] [--shots DIR] [--seed N] [--player NAME]
//                          [--ally NAME] [--strength N] [--model scripted|newcomer] [--real-health]
//                          [--time-limit S]
//        quillfen_stagerun <data folder> --chapter N [--auto] [--model scripted|newcomer] [--seed N]
//                          [--time-limit S]
#include "engine/globals.h"
#include "engine/startup.h"
#include "tools/stagerun/stage_run.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

namespace
{
int usage()
{
    std::fprintf(stderr, "usage: quillfen_stagerun <data folder> <stage> [--auto] [--shots DIR] [--seed N] "
                         "[--player NAME] [--ally NAME] [--strength N] [--model scripted|newcomer] "
                         "[--real-health] [--time-limit S]\n"
                         "       quillfen_stagerun <data folder> --chapter N [--auto] [--model scripted|newcomer] "
                         "[--seed N] [--time-limit S]\n");
    return 2;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc < 3)
        return usage();
    stageRunOptions o;
    o.scripted = false;
    int chapter = -1;
    int first = 3;
    if (std::strcmp(argv[2], "--chapter") == 0)
    {
        if (argc < 4)
            return usage();
        chapter = std::atoi(argv[3]);
        o.realHealth = true;
        first = 4;
    }
    else
        o.stage = argv[2];
    for (int i = first; i < argc; ++i)
    {
        const std::string a = argv[i];
        const bool hasValue = i + 1 < argc;
        if (a == "--auto")
            o.scripted = true;
        else if (a == "--shots" && hasValue)
            o.shotsDir = argv[++i];
        else if (a == "--seed" && hasValue)
            o.seed = static_cast<unsigned>(std::strtoul(argv[++i], nullptr, 10));
        else if (a == "--player" && hasValue)
            o.player = argv[++i];
        else if (a == "--ally" && hasValue)
            o.ally = argv[++i];
        else if (a == "--strength" && hasValue)
            o.strength = std::atoi(argv[++i]);
        else if (a == "--model" && hasValue)
        {
            if (!parsePlayerModel(argv[++i], o.model))
                return usage();
        }
        else if (a == "--real-health")
            o.realHealth = true;
        else if (a == "--time-limit" && hasValue)
            o.timeLimitMs = static_cast<Uint32>(std::strtoul(argv[++i], nullptr, 10)) * 1000u;
        else
            return usage();
    }
    // The shots folder is named from where the tool starts; the game then runs beside the data folder.
    if (!o.shotsDir.empty())
    {
        char shotsReal[4096];
        if (!realpath(o.shotsDir.c_str(), shotsReal))
        {
            std::fprintf(stderr, "no shots folder %s\n", o.shotsDir.c_str());
            return 1;
        }
        o.shotsDir = shotsReal;
    }
    if (!enterGameFolder(argv[1]))
        return 1;
    if (o.scripted)
    {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
    }
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_AUDIO | SDL_INIT_JOYSTICK) < 0)
    {
        std::fprintf(stderr, "no video: %s\n", SDL_GetError());
        return 1;
    }
    g_audioOpen = Mix_OpenAudio(22050, AUDIO_S16LSB, 2, 4096) >= 0;
    SDL_Surface* window = openWindow(640, 480, false);
    if (!window)
    {
        std::fprintf(stderr, "no window: %s\n", SDL_GetError());
        return 1;
    }
    SDL_WM_SetCaption("Quillfen stage runner", nullptr);
    screen = makeComposeSurface(window);
    // Two scripted runs give the same pictures: the clock and the draws are the run's own.
    g_randomNumber.seed(o.seed);
    const stageRunResult r = chapter >= 0 ? runStoryChapter(screen, chapter, o) : runStage(screen, o);
    if (!r.found)
    {
        if (chapter >= 0)
            std::fprintf(stderr, "no story chapter %s (0 to 17)\n", argv[3]);
        else
            std::fprintf(stderr, "no stage called %s\n", o.stage.c_str());
        return 1;
    }
    std::printf("%s, winner %d, %s, health %d/%d, segments %d/%d, enemies down %d/%d, built in %.1f ms, "
                "game time %.1f s\n",
                r.finished ? "finished" : "left", r.winner, r.cleared ? "cleared" : "not cleared", r.healthLeft,
                r.maxHealth, r.segmentsReached, r.segmentCount, r.enemiesDown, r.enemyCount, r.buildMs,
                r.gameMs / 1000.0);
    if (g_audioOpen)
        Mix_CloseAudio();
    SDL_Quit();
    return 0;
}
