// How loud a run is: the mixer's output recorded through SDL's disk audio
// driver in step with game time, and its peak and loudness measured.
#include "tools/stagerun/sound_levels.h"

#include "engine/globals.h"

#include <SDL_mixer.h>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace
{
constexpr int kRate = 22050;
constexpr int kChannels = 2;
constexpr int kBufferSamples = 4096;

// Bytes the mixer has written, shared with the audio thread.
struct mixedCount
{
    SDL_mutex* lock = nullptr;
    SDL_cond* moved = nullptr;
    Uint64 bytes = 0;
};
mixedCount g_mixed;

void countMixed(void*, Uint8*, int len)
{
    SDL_mutexP(g_mixed.lock);
    g_mixed.bytes += static_cast<Uint64>(len);
    SDL_CondSignal(g_mixed.moved);
    SDL_mutexV(g_mixed.lock);
}

Uint64 mixedSoFar()
{
    SDL_mutexP(g_mixed.lock);
    const Uint64 b = g_mixed.bytes;
    SDL_mutexV(g_mixed.lock);
    return b;
}

// A driver that has written nothing for this long has stopped.
constexpr Uint32 kStalledMs = 10000;
constexpr Uint64 kBytesPerSecond = static_cast<Uint64>(kRate) * kChannels * 2;
} // namespace

diskRecording::diskRecording(const std::string& file)
{
    if (const char* d = std::getenv("SDL_AUDIODRIVER"))
    {
        hadDriver = true;
        oldDriver = d;
    }
    // The driver is chosen when the audio subsystem starts.
    if (g_audioOpen)
        Mix_CloseAudio();
    g_audioOpen = false;
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", file.c_str(), 1);
    // The driver rests this long after each buffer: time enough for the game
    // to play up to it, so the mixer never runs ahead of the game.
    setenv("SDL_DISKAUDIODELAY", "40", 1);
    g_mixed.lock = SDL_CreateMutex();
    g_mixed.moved = SDL_CreateCond();
    g_mixed.bytes = 0;
    opened = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0 &&
             Mix_OpenAudio(kRate, AUDIO_S16LSB, kChannels, kBufferSamples) >= 0;
    if (!opened)
        return;
    g_audioOpen = true;
    Mix_SetPostMix(countMixed, nullptr);
}

diskRecording::~diskRecording()
{
    if (opened)
    {
        Mix_SetPostMix(nullptr, nullptr);
        Mix_HaltChannel(-1);
        Mix_HaltMusic();
        Mix_CloseAudio();
    }
    g_audioOpen = false;
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    SDL_DestroyCond(g_mixed.moved);
    SDL_DestroyMutex(g_mixed.lock);
    g_mixed = mixedCount();
    if (hadDriver)
        setenv("SDL_AUDIODRIVER", oldDriver.c_str(), 1);
    else
        unsetenv("SDL_AUDIODRIVER");
}

void diskRecording::keepUp(Uint32 gameMs)
{
    if (!opened || stalled)
        return;
    if (!started)
    {
        started = true;
        firstGameMs = gameMs;
        firstMixed = mixedSoFar();
        return;
    }
    const Uint64 due = firstMixed + static_cast<Uint64>(gameMs - firstGameMs) * kBytesPerSecond / 1000;
    SDL_mutexP(g_mixed.lock);
    while (g_mixed.bytes < due)
        if (SDL_CondWaitTimeout(g_mixed.moved, g_mixed.lock, kStalledMs) == SDL_MUTEX_TIMEDOUT)
        {
            // The driver has stopped writing (a full disk): the game goes on alone.
            std::fprintf(stderr, "the disk audio driver stopped; the recording is cut short\n");
            stalled = true;
            break;
        }
    SDL_mutexV(g_mixed.lock);
}

double decibels(double level)
{
    return level > 0.0 ? 20.0 * std::log10(level) : -200.0;
}

soundLevels measureRecording(const std::string& file)
{
    soundLevels out;
    std::FILE* f = std::fopen(file.c_str(), "rb");
    if (!f)
        return out;
    std::vector<Sint16> samples;
    Uint8 bytes[2];
    while (std::fread(bytes, 1, 2, f) == 2)
        samples.push_back(static_cast<Sint16>(bytes[0] | bytes[1] << 8));
    std::fclose(f);
    if (samples.empty())
        return out;
    out.seconds = static_cast<double>(samples.size()) / (kRate * kChannels);
    // Stretches of 50 ms quieter than -60 dBFS are silence.
    const std::size_t stretch = kRate * kChannels / 20;
    const double silence = 0.001 * 0.001;
    double sum = 0.0, soundingSum = 0.0;
    std::size_t soundingCount = 0;
    for (std::size_t start = 0; start < samples.size(); start += stretch)
    {
        const std::size_t end = std::min(samples.size(), start + stretch);
        double part = 0.0;
        for (std::size_t i = start; i < end; ++i)
        {
            const double v = samples[i] / 32768.0;
            part += v * v;
            const double a = std::fabs(v);
            out.peak = std::max(out.peak, a);
            out.fullScale += samples[i] >= 32767 || samples[i] <= -32767 ? 1 : 0;
        }
        sum += part;
        if (part / static_cast<double>(end - start) > silence)
        {
            soundingSum += part;
            soundingCount += end - start;
        }
    }
    out.rms = std::sqrt(sum / static_cast<double>(samples.size()));
    out.soundingRms = soundingCount ? std::sqrt(soundingSum / static_cast<double>(soundingCount)) : 0.0;
    return out;
}

double stageMix::soundsOverMusic() const
{
    return decibels(sounds.soundingRms) - decibels(music.soundingRms);
}

bool recordStageMix(const std::string& stageRunner, const std::string& dataDir, const std::string& stage,
                    unsigned seed, Uint32 seconds, const std::string& folder, stageMix& out)
{
    // Each take in a process of its own, which opens the disk driver afresh.
    struct take
    {
        const char* file;
        const char* mute;
        soundLevels* levels;
    };
    const take takes[] = {{"whole.raw", "", &out.whole},
                          {"music.raw", " --mute sounds", &out.music},
                          {"sounds.raw", " --mute music", &out.sounds}};
    auto quoted = [](const std::string& s) { return "'" + s + "'"; };
    for (const take& t : takes)
    {
        const std::string file = folder + "/" + t.file;
        const std::string command = quoted(stageRunner) + " " + quoted(dataDir) + " " + quoted(stage) +
                                    " --seed " + std::to_string(seed) + " --time-limit " +
                                    std::to_string(seconds) + " --record " + quoted(file) + t.mute + " > " +
                                    quoted(file + ".log") + " 2>&1";
        if (std::system(command.c_str()) != 0)
            return false;
        *t.levels = measureRecording(file);
    }
    return true;
}
