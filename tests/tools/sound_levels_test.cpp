// Sound levels: the measure of a recording on made-up samples, and a stage
// fight of the generated tree recorded through SDL's disk audio driver at the
// default volumes.
#include "tests/support/test_support.h"
#include "tools/stagerun/sound_levels.h"

#include <cmath>
#include <cstdio>
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
        ASSERT_GE(l->seconds, 20.0);
    EXPECT_LE(decibels(mix.whole.peak), -1.0);
    EXPECT_EQ(mix.whole.fullScale, 0);
    EXPECT_GT(decibels(mix.music.soundingRms), -40.0) << "the music is heard";
    EXPECT_GT(mix.soundsOverMusic(), 0.0) << "the blows are heard over it";
    EXPECT_LE(mix.soundsOverMusic(), 10.0);
    std::printf("peak %.1f dBFS, music %.1f dBFS, sounds %.1f dBFS while sounding, %.1f dB over the music\n",
                decibels(mix.whole.peak), decibels(mix.music.soundingRms), decibels(mix.sounds.soundingRms),
                mix.soundsOverMusic());
}
