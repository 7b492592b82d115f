// Runs one beat-'em-up stage of the stage table, by hand in a window or
// headless with the scripted player.
//
// usage: quillfen_stagerun <data folder> <stage> [--auto] [--shots DIR] [--seed N] [--player NAME]
//                          [--ally NAME] [--strength N]
#include "engine/globals.h"
#include "engine/platform.h"
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
                         "[--player NAME] [--ally NAME] [--strength N]\n");
    return 2;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc < 3)
        return usage();
    stageRunOptions o;
    o.stage = argv[2];
    o.scripted = false;
    unsigned seed = 1;
    for (int i = 3; i < argc; ++i)
    {
        const std::string a = argv[i];
        const bool hasValue = i + 1 < argc;
        if (a == "--auto")
            o.scripted = true;
        else if (a == "--shots" && hasValue)
            o.shotsDir = argv[++i];
        else if (a == "--seed" && hasValue)
            seed = static_cast<unsigned>(std::strtoul(argv[++i], nullptr, 10));
        else if (a == "--player" && hasValue)
            o.player = argv[++i];
        else if (a == "--ally" && hasValue)
            o.ally = argv[++i];
        else if (a == "--strength" && hasValue)
            o.strength = std::atoi(argv[++i]);
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
    // The game reads "data/..." from where it runs.
    char dataReal[4096];
    if (!realpath(argv[1], dataReal))
    {
        std::fprintf(stderr, "no data folder %s\n", argv[1]);
        return 1;
    }
    std::string data = dataReal;
    const std::size_t slash = data.rfind('/');
    const std::string parent = slash == 0 ? "/" : data.substr(0, slash);
    if (data.substr(slash + 1) != "data" || chdir(parent.c_str()) != 0)
    {
        std::fprintf(stderr, "the data folder must be called \"data\": %s\n", dataReal);
        return 1;
    }
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
    g_randomNumber.seed(seed);
    const stageRunResult r = runStage(screen, o);
    if (!r.found)
    {
        std::fprintf(stderr, "no stage called %s\n", o.stage.c_str());
        return 1;
    }
    std::printf("%s, winner %d, segments %d/%d, enemies down %d/%d, built in %.1f ms, game time %.1f s, "
                "peak memory %.1f MB\n",
                r.finished ? "finished" : "left", r.winner, r.segmentsReached, r.segmentCount, r.enemiesDown,
                r.enemyCount, r.buildMs, r.gameMs / 1000.0,
                static_cast<double>(peakMemoryBytes()) / (1024.0 * 1024.0));
    if (g_audioOpen)
        Mix_CloseAudio();
    SDL_Quit();
    return 0;
}
