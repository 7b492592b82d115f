// How loud a run is: the mixer's output recorded through SDL's disk audio
// driver, kept in step with game time, and its peak and loudness measured.
#pragma once

#include <SDL.h>
#include <atomic>
#include <cstdio>
#include <string>

// The audio device opened on SDL's disk driver for the holder's life, the
// mixer held in step with the game time handed to `keepUp`: each buffer is
// mixed once the game has reached the time it starts at, and not before, so
// sounds start where the game starts them, as on a sound card, on a quiet and
// on a busy machine alike. The take, 16-bit stereo at 22050 Hz (the game's
// format), goes to `file` as the mixer hands it to the driver: first the
// buffer of silence mixed as the device opens, then the game's.
//
// The driver writes into a pipe too small for a buffer, so its thread waits,
// outside the mixer's lock, until `keepUp` lets the next buffer through; the
// game thread meanwhile plays its sounds.
class diskRecording
{
public:
    explicit diskRecording(const std::string& file);
    ~diskRecording();
    diskRecording(const diskRecording&) = delete;
    diskRecording& operator=(const diskRecording&) = delete;

    bool isOpen() const { return opened; }
    // Lets the mixer play up to `gameMs` of game time since the first call,
    // no further, and waits until it has.
    void keepUp(Uint32 gameMs);

private:
    static void keepMixed(void* self, Uint8* stream, int len);
    // Empties the driver's pipe until the mixer has mixed `bytes`; gives up,
    // and stops holding the game, when the driver writes nothing for long.
    void letMixerReach(Uint64 bytes);

    bool opened = false;
    bool mixerOpen = false;
    bool stalled = false;
    bool started = false;
    Uint32 firstGameMs = 0;
    int driverOutput = -1; // the pipe's end the driver's writes come out of
    std::FILE* take = nullptr;
    // Written by the audio thread.
    std::atomic<Uint64> mixed{0};
    std::atomic<bool> keeping{false};
    std::atomic<bool> writeFailed{false};
    std::string oldDriver;
    bool hadDriver = false;
};

struct soundLevels
{
    double seconds = 0.0;
    double peak = 0.0;        // the largest sample, 1 = full scale
    int fullScale = 0;        // samples at full scale
    double rms = 0.0;         // over the whole recording
    double soundingRms = 0.0; // over the 50 ms stretches that are not silent
};

// Measures a recording of 16-bit little-endian stereo; all zero when it cannot be read.
soundLevels measureRecording(const std::string& file);

// A level against full scale (1), in decibels.
double decibels(double level);

struct stageMix
{
    soundLevels whole;  // music and sounds at the default volumes
    soundLevels music;  // the music alone
    soundLevels sounds; // the hits, voices and other sounds alone
    // How far the sounds, while they sound, stand above the music, in decibels.
    double soundsOverMusic() const;
};

// Has the stage runner play `seconds` of the stage three times with the same
// seed, recording the whole mix, the music alone and the sounds alone into
// `folder` (each take's messages beside it, in `<take>.raw.log`). False when a
// take failed.
bool recordStageMix(const std::string& stageRunner, const std::string& dataDir, const std::string& stage,
                    unsigned seed, Uint32 seconds, const std::string& folder, stageMix& out);
