// How loud a run is: the mixer's output recorded through SDL's disk audio
// driver, kept in step with game time, and its peak and loudness measured.
#pragma once

#include <SDL.h>
#include <string>

// The audio device opened on SDL's disk driver for the holder's life: what
// the mixer plays goes to `file` as 16-bit stereo at 22050 Hz, the game's
// format. The mixer runs at most a buffer ahead of the game time handed to
// `keepUp`, so sounds start where the game starts them, as on a sound card.
class diskRecording
{
public:
    explicit diskRecording(const std::string& file);
    ~diskRecording();
    diskRecording(const diskRecording&) = delete;
    diskRecording& operator=(const diskRecording&) = delete;

    bool isOpen() const { return opened; }
    // Waits until the mixer has played `gameMs` of game time since the first call.
    void keepUp(Uint32 gameMs);

private:
    bool opened = false;
    bool stalled = false;
    bool started = false;
    Uint32 firstGameMs = 0;
    Uint64 firstMixed = 0;
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
