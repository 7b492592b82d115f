// Start-up from a data tree: settings, window, splash, and the menu loop's end.
#include "engine/clock.h"
#include "engine/globals.h"
#include "engine/memory_tracker.h"
#include "engine/present.h"
#include "engine/startup.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>
#include <iostream>

using namespace testing_support;

namespace
{
class StartUpTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        savedCout = std::cout.rdbuf();
        fullyQuit = false;
        makeDirs("data/gameFiles");
        setTestClock(0);
        setTestClockAutoAdvance(5);
    }
    void TearDown() override
    {
        std::cout.rdbuf(savedCout);
        setFrameObserver(nullptr);
        releaseTestClock();
        fullyQuit = false;
        SCREEN_WIDTH = 640;
        SCREEN_HEIGHT = 480;
        // Start-up composes into a surface of its own.
        if (screen && screen != SDL_GetVideoSurface())
            SDL_FreeSurface(screen);
        screen = nullptr;
        openTestVideo();
    }
    ScratchDir dir;
    std::streambuf* savedCout = nullptr;
};

// A one-frame 640x480 picture folder in a single colour.
void writePicture(const std::string& folder, Uint8 r, Uint8 g, Uint8 b, int frames = 1)
{
    std::vector<InfoFrame> list(static_cast<std::size_t>(frames));
    for (InfoFrame& f : list)
    {
        f.image = "pic.bmp";
        f.key = "-1 0 0";
    }
    writeFile(folder + "/info", infoText(list));
    writeIndexedBmp(folder + "/pic.bmp", 640, 480, 7, r, g, b);
}

TEST_F(StartUpTest, PushedQuitEndsBeforeTheMenuLoopAndLeavesDefaults)
{
    unsigned long frames = 0;
    setFrameObserver([&](SDL_Surface*) { ++frames; });
    startUp();
    EXPECT_EQ(SCREEN_WIDTH, 640);
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(screen->w, 640);
    EXPECT_EQ(readFile("data/gameFiles/config.conf"), "1.0.1\n0\n640\n480\n60\n60\n");
    EXPECT_EQ(frames, 2u) << "the loading picture and one splash frame over an empty folder";

    pushQuit();
    EXPECT_EQ(runMainMenu(), 0) << "the menu loop ends with the shutdown";
    EXPECT_TRUE(fullyQuit);
    EXPECT_EQ(frames, 2u) << "the menu must not draw once the window was closed";
    const std::string memoryLog = readFile(memoryLogFile);
    EXPECT_NE(memoryLog.find("This is how to log for the memory leak log\r\n43 leaks in just having the main menu up..."),
              std::string::npos);
}

TEST_F(StartUpTest, SplashPlaysOutAndA800x600WindowShowsTheZoomedPicture)
{
    writeFile("data/gameFiles/config.conf", "1.0.1\n0\n800\n600\n60\n60\n");
    writePicture("data/screens/loading", 0, 0, 255);
    writePicture("data/screens/present", 255, 0, 0, 4);
    unsigned long frames = 0;
    setFrameObserver([&](SDL_Surface*) { ++frames; });
    startUp();
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(SCREEN_WIDTH, 800);
    EXPECT_EQ(screen->w, 640) << "pictures are composed at 640x480";
    SDL_Surface* window = windowSurface();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->w, 800);
    EXPECT_EQ(window->h, 600);
    EXPECT_GE(frames, 5u) << "the loading picture and every splash frame";
    // The splash's red covers the whole window once zoomed, not just 640x480.
    EXPECT_EQ(pixelAt(window, 790, 590), SDL_MapRGB(window->format, 255, 0, 0));
}

// A splash is only shown facing right: its pictures are held once, unmirrored.
TEST_F(StartUpTest, ASplashHoldsItsPicturesOnce)
{
    // Pictures load in the window's format, so the window is open first, as start-up opens it.
    ASSERT_NE(openTestVideo(), nullptr);
    writePicture("data/screens/present", 255, 0, 0, 2);
    splashScreen splash;
    splash.init(screen, "data/screens/present");
    ASSERT_EQ(splash.sheet.frameCount(), 2);
    EXPECT_FALSE(splash.sheet.mirror);
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(splash.sheet.normalFrame(i)->image, splash.sheet.secondFrame(i)->image);
}

// The fallback is always a window, also when the width alone would have fitted.
TEST_F(StartUpTest, SettingsThatCannotOpenAWindowFallBackTo640x480)
{
    for (const char* settings : {"1.0.1\n1\n0\n-600\n999\n-4\n", "1.0.1\n1\n640\n0\n999\n-4\n"})
    {
        SCOPED_TRACE(settings);
        writeFile("data/gameFiles/config.conf", settings);
        startUp();
        ASSERT_NE(screen, nullptr);
        EXPECT_EQ(SCREEN_WIDTH, 640);
        EXPECT_EQ(SCREEN_HEIGHT, 480);
        EXPECT_EQ(screen->w, 640);
        EXPECT_EQ(screen->flags & SDL_FULLSCREEN, 0u) << "a window";
        EXPECT_EQ(config.usableMusicVolume(), 128);
        EXPECT_EQ(config.usableSoundVolume(), 0);
    }
}
} // namespace
