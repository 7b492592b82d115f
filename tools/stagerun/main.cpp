// Runs one beat-'em-up stage of the stage table, by hand in a window or
// headless with a player model; with --chapter, one story chapter's fight at
// the stats the campaign gives by then; or, headless, a versus fight of two
// computer players on the stage's background. It can count the run's flashes
// and measure how loud its sound is.
//
// usage: quillfen_stagerun <data folder> <stage> [--auto] [--shots DIR] [--seed N] [--player NAME]
//                          [--ally NAME] [--strength N] [--model scripted|newcomer] [--real-health]
//                          [--time-limit S] [--flashes] [--versus NAME] [--record FILE]
//                          [--mute music|sounds] [--sound-levels DIR]
//        quillfen_stagerun <data folder> --chapter N [--auto] [--model scripted|newcomer] [--seed N]
//                          [--time-limit S]
#include "engine/clock.h"
#include "engine/globals.h"
#include "engine/platform.h"
#include "engine/startup.h"
#include "screens/beat_em_up_stage.h"
#include "stages/stage_table.h"
#include "tools/stagerun/flash_meter.h"
#include "tools/stagerun/sound_levels.h"
#include "tools/stagerun/stage_run.h"
#include "tools/stagerun/versus_run.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <unistd.h>

namespace
{
int usage()
{
    std::fprintf(stderr, "usage: quillfen_stagerun <data folder> <stage> [--auto] [--shots DIR] [--seed N] "
                         "[--player NAME] [--ally NAME] [--strength N] [--model scripted|newcomer] "
                         "[--real-health] [--time-limit S] [--flashes] [--versus NAME] [--record FILE] "
                         "[--mute music|sounds] [--sound-levels DIR]\n"
                         "       quillfen_stagerun <data folder> --chapter N [--auto] [--model scripted|newcomer] "
                         "[--seed N] [--time-limit S]\n");
    return 2;
}

// What the command line asks for.
struct runnerOptions
{
    stageRunOptions o;
    int chapter = -1;
    bool countFlashes = false;
    std::string versus;
    std::string levelsDir;
    std::string recordFile;
    std::string mute;
};

// Reads the command line into `r`; false for a bad one.
bool parseOptions(int argc, char** argv, runnerOptions& r)
{
    stageRunOptions& o = r.o;
    o.scripted = false;
    int first = 3;
    if (std::strcmp(argv[2], "--chapter") == 0)
    {
        if (argc < 4)
            return false;
        r.chapter = std::atoi(argv[3]);
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
                return false;
        }
        else if (a == "--real-health")
            o.realHealth = true;
        else if (a == "--time-limit" && hasValue)
            o.timeLimitMs = static_cast<Uint32>(std::strtoul(argv[++i], nullptr, 10)) * 1000u;
        else if (a == "--flashes")
            r.countFlashes = true;
        else if (a == "--versus" && hasValue)
            r.versus = argv[++i];
        else if (a == "--sound-levels" && hasValue)
            r.levelsDir = argv[++i];
        else if (a == "--record" && hasValue)
            r.recordFile = argv[++i];
        else if (a == "--mute" && hasValue &&
                 (std::strcmp(argv[i + 1], "music") == 0 || std::strcmp(argv[i + 1], "sounds") == 0))
            r.mute = argv[++i];
        else
            return false;
    }
    return true;
}

// Folders are named from where the tool starts; the game then runs beside the data folder.
bool resolveFolders(runnerOptions& r)
{
    for (std::string* folder : {&r.o.shotsDir, &r.levelsDir})
    {
        if (folder->empty())
            continue;
        char real[4096];
        if (!realpath(folder->c_str(), real))
        {
            std::fprintf(stderr, "no folder %s\n", folder->c_str());
            return false;
        }
        *folder = real;
    }
    if (!r.recordFile.empty() && r.recordFile[0] != '/')
    {
        char here[4096];
        if (getcwd(here, sizeof here))
            r.recordFile = std::string(here) + "/" + r.recordFile;
    }
    return true;
}

// Every character the stage or versus fight would build is in the data tree;
// a missing one is named. A story chapter builds its own.
bool charactersFound(const runnerOptions& r)
{
    if (r.chapter >= 0)
        return true;
    for (const std::string* name : {&r.o.player, &r.o.ally, &r.versus})
    {
        // No ally and no versus opponent are asked for when empty; the player always is.
        if ((name->empty() && name != &r.o.player) || characterFound(*name))
            continue;
        std::fprintf(stderr, "no character called \"%s\": cannot read data/characters/%s/chardata\n",
                     name->c_str(), name->c_str());
        return false;
    }
    return true;
}

// The sound-level path: three takes of the stage, one process each, and their levels.
int measureSoundLevels(const char* dataFolder, const runnerOptions& r)
{
    const stageRunOptions& o = r.o;
    char self[4096];
    char dataReal[4096];
    const ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
    if (n <= 0 || !realpath(dataFolder, dataReal))
        return usage();
    self[n] = '\0';
    stageMix mix;
    if (!recordStageMix(self, dataReal, o.stage, o.seed, o.timeLimitMs ? o.timeLimitMs / 1000 : 60, r.levelsDir,
                        mix))
    {
        std::fprintf(stderr, "a recording failed\n");
        return 1;
    }
    auto line = [](const char* what, const soundLevels& l)
    {
        std::printf("%-7s %.1f s, peak %.1f dBFS (%d samples at full scale), rms %.1f dBFS, sounding %.1f dBFS\n",
                    what, l.seconds, decibels(l.peak), l.fullScale, decibels(l.rms), decibels(l.soundingRms));
    };
    line("whole", mix.whole);
    line("music", mix.music);
    line("sounds", mix.sounds);
    std::printf("sounds over music: %.1f dB\n", mix.soundsOverMusic());
    return 0;
}

// The versus path: a fight of the player against `opponent` on the stage's background.
void playVersusPath(const runnerOptions& r, const stageEntry& entry, flashMeter* flashes)
{
    const versusOutcome v = playVersus(screen, r.o.player, r.versus, entry.background,
                                       r.o.timeLimitMs ? r.o.timeLimitMs : 60000, flashes);
    std::printf("versus %s against %s: health lost %d and %d, game time %.1f s\n", r.o.player.c_str(),
                r.versus.c_str(), v.healthLost[0], v.healthLost[1], v.gameMs / 1000.0);
}

// The stage path: the stage, or the story chapter, and one line of how it went.
int playStagePath(runnerOptions& r, diskRecording* recording, flashMeter* flashes, const char* chapterArg)
{
    stageRunOptions& o = r.o;
    if (flashes)
        o.flashes = flashes;
    if (recording)
        o.everyFrame = [recording](beatEmUpStageBase&) { recording->keepUp(gameTicks()); };
    const stageRunResult res = r.chapter >= 0 ? runStoryChapter(screen, r.chapter, o) : runStage(screen, o);
    if (!res.found)
    {
        std::fprintf(stderr, "no story chapter %s (0 to 17)\n", chapterArg);
        return 1;
    }
    std::printf("%s, winner %d, %s, health %d/%d, segments %d/%d, enemies down %d/%d, built in %.1f ms, "
                "game time %.1f s, peak memory %.1f MB\n",
                res.finished ? "finished" : "left", res.winner, res.cleared ? "cleared" : "not cleared",
                res.healthLeft, res.maxHealth, res.segmentsReached, res.segmentCount, res.enemiesDown,
                res.enemyCount, res.buildMs, res.gameMs / 1000.0,
                static_cast<double>(peakMemoryBytes()) / (1024.0 * 1024.0));
    return 0;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc < 3)
        return usage();
    runnerOptions r;
    if (!parseOptions(argc, argv, r))
        return usage();
    if (!resolveFolders(r))
        return 1;
    if (!r.levelsDir.empty())
        return measureSoundLevels(argv[1], r);
    stageRunOptions& o = r.o;
    if (!r.versus.empty() || !r.recordFile.empty())
        o.scripted = true;
    if (!enterGameFolder(argv[1]) || !charactersFound(r))
        return 1;
    if (o.scripted)
    {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        // A headless run is timed by the test clock alone, from here to its
        // end: a read of SDL's clock would make its result depend on the
        // machine's load, so it ends the run instead.
        restartGameClock();
        requireTestClock(true);
    }
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_AUDIO | SDL_INIT_JOYSTICK) < 0)
    {
        std::fprintf(stderr, "no video: %s\n", SDL_GetError());
        return 1;
    }
    std::unique_ptr<diskRecording> recording;
    if (r.recordFile.empty())
        g_audioOpen = Mix_OpenAudio(22050, AUDIO_S16LSB, 2, 4096) >= 0;
    else
    {
        recording = std::make_unique<diskRecording>(r.recordFile);
        if (!recording->isOpen())
        {
            std::fprintf(stderr, "no disk audio: %s\n", SDL_GetError());
            return 1;
        }
        // The default volumes, one of them silenced.
        config.musicVolume = r.mute == "music" ? 0 : configFile().musicVolume;
        config.soundVolume = r.mute == "sounds" ? 0 : configFile().soundVolume;
    }
    SDL_Surface* window = openWindow(640, 480, false);
    if (!window)
    {
        std::fprintf(stderr, "no window: %s\n", SDL_GetError());
        return 1;
    }
    SDL_WM_SetCaption("Quillfen stage runner", nullptr);
    screen = makeComposeSurface(window);
    const stageEntry* entry = r.chapter >= 0 ? nullptr : findStage(o.stage);
    if (r.chapter < 0 && !entry)
    {
        std::fprintf(stderr, "no stage called %s\n", o.stage.c_str());
        return 1;
    }
    flashMeter flashes;
    // Two scripted runs give the same pictures: the clock and the draws are the run's own.
    g_randomNumber.seed(o.seed);
    if (entry && !r.versus.empty())
        playVersusPath(r, *entry, r.countFlashes ? &flashes : nullptr);
    else if (const int failed = playStagePath(r, recording.get(), r.countFlashes ? &flashes : nullptr, argv[3]))
        return failed;
    if (r.countFlashes)
        std::printf("flashes: at most %d in one second, %d in all\n", flashes.mostInOneSecond(),
                    flashes.flashes());
    if (recording)
        recording.reset();
    else if (g_audioOpen)
        Mix_CloseAudio();
    SDL_Quit();
    return 0;
}
