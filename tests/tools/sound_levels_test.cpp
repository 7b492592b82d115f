// Sound levels: the measure of a recording on made-up samples, and a stage
// fight of the generated tree recorded through SDL's disk audio driver at the
// default volumes, the mixer in step with the game.
#include "engine/clock.h"
#include "engine/globals.h"
#include "tests/support/test_support.h"
#include "tools/stagerun/flash_meter.h"
#include "tools/stagerun/sound_levels.h"
#include "tools/stagerun/stage_run.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <vector>

using namespace testing_support;

namespace
{
// 16-bit little-endian stereo frames, both sides alike.
void writeRaw(const std::string& path, const std::vector<double>& frames)
{
    std::string bytes;
    for (double v : frames)
    {
        const long s = std::lround(v * 32767.0);
        for (int side = 0; side < 2; ++side)
        {
            bytes += static_cast<char>(s & 0xff);
            bytes += static_cast<char>((s >> 8) & 0xff);
        }
    }
    writeFile(path, bytes);
}

constexpr int kRate = 22050;
constexpr double kPi = 3.14159265358979;
// The game's mixing buffer, in seconds.
constexpr double kBufferSeconds = 4096.0 / kRate;
} // namespace

// Half a second of silence, half a second of a tone at half scale, and one
// frame at full scale: the peak and the full-scale count see the one frame,
// the loudness while sounding leaves the silence out.
TEST(SoundLevels, MeasuresPeakAndLoudnessWhileSounding)
{
    ScratchDir dir;
    std::vector<double> frames(kRate / 2, 0.0);
    for (int i = 0; i < kRate / 2; ++i)
        frames.push_back(0.5 * std::sin(2.0 * kPi * 441.0 * i / kRate));
    frames.push_back(-1.0);
    writeRaw("take.raw", frames);
    const soundLevels l = measureRecording("take.raw");
    EXPECT_NEAR(l.seconds, 1.0, 0.001);
    EXPECT_NEAR(l.peak, 1.0, 0.001);
    EXPECT_EQ(l.fullScale, 2);
    EXPECT_NEAR(l.soundingRms, 0.5 / std::sqrt(2.0), 0.005);
    EXPECT_NEAR(l.rms, 0.5 / std::sqrt(2.0) / std::sqrt(2.0), 0.005);
    EXPECT_NEAR(decibels(0.5), -6.02, 0.01);

    const soundLevels none = measureRecording("missing.raw");
    EXPECT_EQ(none.seconds, 0.0);
    EXPECT_EQ(none.peak, 0.0);
}

// Twenty seconds of Lv0 played by the scripted player, three takes: at the
// default volumes the mix stays a decibel under full scale, and the hits and
// voices, while they sound, stand at most 10 dB over a music that is heard.
TEST(SoundLevels, AStageFightNeitherClipsNorDrownsTheMusic)
{
    ScratchDir dir;
    stageMix mix;
    ASSERT_TRUE(recordStageMix(QUILLFEN_STAGERUN, QUILLFEN_DATA_TREE, "Lv0", 1, 20, dir.path(), mix));
    for (const soundLevels* l : {&mix.whole, &mix.music, &mix.sounds})
    {
        ASSERT_GE(l->seconds, 20.0);
        ASSERT_LE(l->seconds, 20.0 + 2 * kBufferSeconds) << "the mixer ran ahead of the game";
    }
    EXPECT_LE(decibels(mix.whole.peak), -1.0);
    EXPECT_EQ(mix.whole.fullScale, 0);
    EXPECT_GT(decibels(mix.music.soundingRms), -40.0) << "the music is heard";
    EXPECT_GT(mix.soundsOverMusic(), 0.0) << "the blows are heard over it";
    EXPECT_LE(mix.soundsOverMusic(), 10.0);
    std::printf("peak %.1f dBFS, music %.1f dBFS, sounds %.1f dBFS while sounding, %.1f dB over the music\n",
                decibels(mix.whole.peak), decibels(mix.music.soundingRms), decibels(mix.sounds.soundingRms),
                mix.soundsOverMusic());
}

// Two takes of ten seconds of Lv0 in this process, the second with the game
// slowed by measuring every picture's flashes beside it: each holds the
// buffer before the game and then the game time played, to the buffer, and
// the two are the same, byte for byte, however fast the machine let the game
// run against the mixer.
TEST(SoundLevels, ATakeHoldsTheMixerInStepWithTheGame)
{
    ScratchDir dir;
    SDL_Surface* screen = openTestVideo();
    ASSERT_NE(screen, nullptr);
    std::filesystem::create_directory_symlink(QUILLFEN_DATA_TREE, "data");
    std::string takes[2];
    for (int slowed = 0; slowed < 2; ++slowed)
    {
        SCOPED_TRACE(slowed ? "slowed" : "plain");
        const std::string file = slowed ? "slowed.raw" : "plain.raw";
        g_randomNumber.seed(1);
        Uint32 first = 0;
        Uint32 last = 0;
        {
            diskRecording recording(file);
            ASSERT_TRUE(recording.isOpen());
            flashMeter meter;
            stageRunOptions o;
            o.stage = "Lv0";
            o.timeLimitMs = 10000;
            o.everyFrame = [&](beatEmUpStageBase&)
            {
                if (slowed)
                    meter.frame(screen, gameTicks());
                recording.keepUp(gameTicks());
                last = gameTicks();
                if (!first)
                    first = last;
            };
            ASSERT_TRUE(runStage(screen, o).found);
            releaseTestClock();
        }
        const double played = (last - first) / 1000.0;
        const soundLevels l = measureRecording(file);
        EXPECT_GE(l.seconds, kBufferSeconds + played);
        EXPECT_LE(l.seconds, 2 * kBufferSeconds + played);
        EXPECT_GT(decibels(l.peak), -20.0) << "the take is heard";
        takes[slowed] = readFile(file);
    }
    EXPECT_EQ(takes[0].size(), takes[1].size());
    EXPECT_TRUE(takes[0] == takes[1]) << "the takes differ";
}
