// Stage backgrounds: scrolling and fixed layers, width, music and damaged files.
#include "engine/background.h"
#include "engine/globals.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

using namespace testing_support;

namespace
{
void writeLayer(const std::string& folder, int w, int h, Uint8 r, Uint8 g, Uint8 b)
{
    InfoFrame f;
    f.image = "layer.bmp";
    f.key = "-1 0 0";
    writeFile(folder + "/info", infoText({f}));
    writeIndexedBmp(folder + "/layer.bmp", w, h, 3, r, g, b);
}

class BackgroundTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        openTestVideo();
        SDL_FillRect(screen, nullptr, 0);
    }
    ScratchDir dir;
};

TEST_F(BackgroundTest, ScrollingLayersMoveAgainstTheCameraAndFixedOnesStay)
{
    writeLayer("data/background/street/sky", 640, 100, 0, 0, 255);
    writeLayer("data/background/street/road", 200, 100, 255, 0, 0);
    writeFile("data/background/street/info",
              "none.dat\n2\r\nsky\n255\n0\n0\n2\nroad\n255\n0\n200\n1\n");
    background bg(screen);
    bg.init("street");
    ASSERT_EQ(bg.layerCount, 2);
    EXPECT_FALSE(bg.layers[0]->scrolls) << "a scroll line of 2 is fixed";
    EXPECT_TRUE(bg.layers[1]->scrolls);
    bg.draw(100, 0);
    const Uint32 blue = SDL_MapRGB(screen->format, 0, 0, 255);
    const Uint32 red = SDL_MapRGB(screen->format, 255, 0, 0);
    EXPECT_EQ(pixelAt(screen, 600, 50), blue) << "the fixed layer ignores the camera";
    EXPECT_EQ(pixelAt(screen, 99, 250), red);
    EXPECT_EQ(pixelAt(screen, 100, 250), 0u) << "the 200-wide road starts 100 left of the screen";
}

TEST_F(BackgroundTest, WidthIsTheWidestLayer)
{
    const int widths[] = {640, 1600, 800};
    std::string info = "none.dat\n3\n";
    for (int i = 0; i < 3; ++i)
    {
        writeLayer("data/background/wide/l" + std::to_string(i), widths[i], 8, 10, 10, 10);
        info += "l" + std::to_string(i) + "\n255\n0\n0\n1\n";
    }
    writeFile("data/background/wide/info", info);
    background bg(screen);
    bg.init("wide");
    EXPECT_EQ(bg.width, 1600);
}

// A keyed layer draws its colour where it is not keyed, and its translucent
// copy, a picture of its own, draws it faintly.
TEST_F(BackgroundTest, KeyedLayersAndTheirTranslucentCopiesDraw)
{
    InfoFrame f;
    f.image = "layer.bmp";
    f.key = "0 0 0";
    writeFile("data/background/keyed/front/info", infoText({f}));
    writeIndexedBmp("data/background/keyed/front/layer.bmp", 640, 100, 3, 0, 255, 0);
    writeFile("data/background/keyed/info", "none.dat\n1\nfront\n255\n0\n0\n2\n");
    background bg(screen);
    bg.init("keyed");
    ASSERT_EQ(bg.layerCount, 1);
    const CSpriteBase& sheet = bg.layers[0]->sheet;
    ASSERT_NE(sheet.secondFrame(0), nullptr);
    EXPECT_NE(sheet.normalFrame(0)->image, sheet.secondFrame(0)->image);
    bg.draw(0, 0);
    EXPECT_EQ(pixelAt(screen, 10, 10), SDL_MapRGB(screen->format, 0, 255, 0));
    SDL_FillRect(screen, nullptr, 0);
    bg.drawAlpha(0, 0);
    Uint8 r, g, b;
    SDL_GetRGB(pixelAt(screen, 10, 10), screen->format, &r, &g, &b);
    EXPECT_GT(g, 0) << "the translucent copy shows the layer faintly";
    EXPECT_LT(g, 255);
}

TEST_F(BackgroundTest, NoLayersStillPlaysItsMusicAndDamagedFilesAreSafe)
{
    writeFile("data/music/loop.dat", "not really music");
    writeFile("data/background/empty/info", "loop.dat\n0\n");
    background empty(screen);
    empty.init("empty");
    EXPECT_EQ(empty.layerCount, 0);
    EXPECT_NE(empty.music.data, nullptr) << "the track is read even without layers";
    empty.draw(0, 0);
    empty.drawAlpha(0, 0);
    EXPECT_EQ(empty.width, 0);

    writeFile("data/background/negative/info", "loop.dat\n-7\n");
    background negative(screen);
    negative.init("negative");
    EXPECT_EQ(negative.layerCount, 0);

    writeLayer("data/background/short/a", 64, 8, 1, 2, 3);
    writeFile("data/background/short/info", "loop.dat\n5\na\n255\n0\n0\n1\n");
    background shortFile(screen);
    shortFile.init("short");
    EXPECT_EQ(shortFile.layerCount, 1) << "layers the file does not hold are not made";

    background missing(screen);
    missing.init("nowhere");
    EXPECT_EQ(missing.layerCount, 0);
    missing.draw(0, 0);
    missing.startMusic();
}
} // namespace
