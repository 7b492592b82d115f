// How loud a run is: the mixer's output recorded through SDL's disk audio
// driver, held in step with game time both ways, and its peak and loudness
// measured.
#include "tools/stagerun/sound_levels.h"

#include "engine/globals.h"

#include <SDL_mixer.h>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace
{
constexpr int kRate = 22050;
constexpr int kChannels = 2;
constexpr int kBufferSamples = 4096;
constexpr Uint64 kBytesPerSecond = static_cast<Uint64>(kRate) * kChannels * 2;
constexpr Uint64 kBufferBytes = static_cast<Uint64>(kBufferSamples) * kChannels * 2;
// At most this much is taken from the pipe at once. With a pipe of at most
// half a buffer, the driver, once the mixer has mixed the buffer the game
// allows, cannot finish writing it, and so cannot mix the next, however
// late the game thread sees that it may stop taking.
constexpr std::size_t kTakenAtOnce = kBufferBytes / 4;
constexpr int kPipeBytes = static_cast<int>(kBufferBytes / 4);
// A driver that has written nothing for this long has stopped.
constexpr int kStalledMs = 10000;
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
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0)
        return;
    driverOutput = ends[0];
    const int driverInput = ends[1];
    const int pipeBytes = fcntl(driverOutput, F_SETPIPE_SZ, kPipeBytes);
    take = std::fopen(file.c_str(), "wb");
    if (pipeBytes <= 0 || pipeBytes > static_cast<int>(kBufferBytes / 2) || !take)
    {
        close(driverInput);
        return;
    }
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", ("/proc/self/fd/" + std::to_string(driverInput)).c_str(), 1);
    // The pipe sets the pace: no rest after each buffer.
    setenv("SDL_DISKAUDIODELAY", "0", 1);
    mixerOpen = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0 &&
                Mix_OpenAudio(kRate, AUDIO_S16LSB, kChannels, kBufferSamples) >= 0;
    // The driver holds its own end now; the pipe ends when it closes it.
    close(driverInput);
    if (!mixerOpen)
        return;
    g_audioOpen = true;
    keeping = true;
    Mix_SetPostMix(keepMixed, this);
    // The buffer before the game, mixed before the game can start a sound.
    letMixerReach(kBufferBytes);
    opened = !stalled;
}

diskRecording::~diskRecording()
{
    if (mixerOpen)
    {
        keeping = false;
        // The driver writes on until the device closes.
        std::thread drain(
            [fd = driverOutput]
            {
                char bytes[kTakenAtOnce];
                for (;;)
                {
                    const ssize_t n = read(fd, bytes, sizeof bytes);
                    if (n == 0 || (n < 0 && errno != EINTR))
                        break;
                }
            });
        Mix_SetPostMix(nullptr, nullptr);
        Mix_HaltChannel(-1);
        Mix_HaltMusic();
        Mix_CloseAudio();
        drain.join();
    }
    if (driverOutput >= 0)
        close(driverOutput);
    if (take)
        std::fclose(take);
    if (writeFailed)
        std::fprintf(stderr, "the recording could not be written whole\n");
    g_audioOpen = false;
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    if (hadDriver)
        setenv("SDL_AUDIODRIVER", oldDriver.c_str(), 1);
    else
        unsetenv("SDL_AUDIODRIVER");
}

void diskRecording::keepMixed(void* self, Uint8* stream, int len)
{
    diskRecording& r = *static_cast<diskRecording*>(self);
    if (!r.keeping)
        return;
    if (std::fwrite(stream, 1, static_cast<std::size_t>(len), r.take) != static_cast<std::size_t>(len))
        r.writeFailed = true;
    r.mixed += static_cast<Uint64>(len);
}

void diskRecording::letMixerReach(Uint64 bytes)
{
    char taken[kTakenAtOnce];
    while (!stalled && mixed < bytes)
    {
        pollfd ready = {driverOutput, POLLIN, 0};
        const int n = poll(&ready, 1, kStalledMs);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0 || read(driverOutput, taken, sizeof taken) <= 0)
        {
            // The driver has stopped writing: the game goes on alone.
            std::fprintf(stderr, "the disk audio driver stopped; the recording is cut short\n");
            stalled = true;
        }
    }
}

void diskRecording::keepUp(Uint32 gameMs)
{
    if (!opened || stalled)
        return;
    if (!started)
    {
        started = true;
        firstGameMs = gameMs;
    }
    // Every buffer that starts by now: the one before the game, then one for
    // each started buffer's length of game time.
    const Uint64 played = static_cast<Uint64>(gameMs - firstGameMs) * kBytesPerSecond / 1000;
    letMixerReach((played / kBufferBytes + 2) * kBufferBytes);
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
