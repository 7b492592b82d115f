// The settings file: defaults, reading, short files, values that must not stop the game.
#include "engine/config_file.h"
#include "engine/globals.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

using namespace testing_support;

namespace
{
struct SettingsCase
{
    const char* name;
    const char* file;
    const char* version;
    int full, width, height, music, sound;
};

void PrintTo(const SettingsCase& c, std::ostream* os)
{
    *os << c.name;
}

class ConfigFileRead : public ::testing::TestWithParam<SettingsCase>
{
};

TEST_P(ConfigFileRead, ReadsEveryLineAsWritten)
{
    ScratchDir dir;
    const SettingsCase& c = GetParam();
    writeFile("data/gameFiles/config.conf", c.file);
    configFile cfg;
    cfg.loadConfigFile();
    EXPECT_EQ(cfg.version, c.version);
    EXPECT_EQ(cfg.fullScreen, c.full);
    EXPECT_EQ(cfg.width, c.width);
    EXPECT_EQ(cfg.height, c.height);
    EXPECT_EQ(cfg.musicVolume, c.music);
    EXPECT_EQ(cfg.soundVolume, c.sound);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ConfigFileRead,
    ::testing::Values(
        SettingsCase{"FullScreen800", "1.0.1\n1\n800\n600\n100\n20\n", "1.0.1", 1, 800, 600, 100, 20},
        SettingsCase{"Crlf", "1.0.1\r\n0\r\n1024\r\n768\r\n5\r\n6\r\n", "1.0.1", 0, 1024, 768, 5, 6},
        // A short file ending in a line end: the missing lines read as empty.
        SettingsCase{"ShortWithNewline", "1.0.1\n0\n1024\n", "1.0.1", 0, 1024, 0, 0, 0},
        // A short file whose last line has no line end: that line is read again.
        SettingsCase{"ShortWithoutNewline", "1.0.1\n0\n1024", "1.0.1", 0, 1024, 1024, 1024, 1024},
        SettingsCase{"Empty", "", "", 0, 0, 0, 0, 0},
        SettingsCase{"LettersAfterDigits", "v2\n0\n800px\nabc\n-5\n999999999999\n", "v2", 0, 800, 0, -5, 2147483647}),
    [](const ::testing::TestParamInfo<SettingsCase>& info) { return std::string(info.param.name); });

TEST(ConfigFile, MissingFileIsCreatedWithTheDefaults)
{
    ScratchDir dir;
    makeDirs("data/gameFiles");
    configFile cfg;
    cfg.loadConfigFile();
    EXPECT_EQ(cfg.width, 640);
    EXPECT_EQ(readFile("data/gameFiles/config.conf"), "1.0.1\n0\n640\n480\n60\n60\n");
}

TEST(ConfigFile, SaveReplacesTheFileWholeAndReportsFailure)
{
    ScratchDir dir;
    makeDirs("data/gameFiles");
    writeFile("data/gameFiles/config.conf", "old\n1\n2\n3\n4\n5\nextra line that must go\n");
    configFile cfg;
    cfg.width = 1024;
    cfg.height = 768;
    EXPECT_TRUE(cfg.saveConfigFile());
    EXPECT_EQ(readFile("data/gameFiles/config.conf"), "1.0.1\n0\n1024\n768\n60\n60\n");

    ScratchDir noFolder;
    EXPECT_FALSE(cfg.saveConfigFile());
}

TEST(ConfigFile, UnusableValuesFallBackAtUse)
{
    struct Case
    {
        int width, height, volume;
        int usedWidth, usedHeight, usedVolume;
    };
    const Case cases[] = {
        {800, 600, 60, 800, 600, 60},  {0, 600, 200, 640, 480, 128}, {800, -1, -3, 640, 480, 0},
        {640, 400, 128, 640, 400, 128},
    };
    for (const Case& c : cases)
    {
        configFile cfg;
        cfg.width = c.width;
        cfg.height = c.height;
        cfg.musicVolume = cfg.soundVolume = c.volume;
        EXPECT_EQ(cfg.usableWidth(), c.usedWidth) << c.width << "x" << c.height;
        EXPECT_EQ(cfg.usableHeight(), c.usedHeight) << c.width << "x" << c.height;
        EXPECT_EQ(cfg.usableMusicVolume(), c.usedVolume);
        EXPECT_EQ(cfg.usableSoundVolume(), c.usedVolume);
    }
}
} // namespace
