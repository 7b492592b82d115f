// Menu button sets and the presentation of a finished picture.
#include "engine/clock.h"
#include "engine/globals.h"
#include "engine/present.h"
#include "engine/screen.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

using namespace testing_support;

namespace
{
// A two-frame button folder of the given size (frame 0 idle, frame 1 selected).
void writeButton(const std::string& folder, int w, int h)
{
    InfoFrame idle;
    idle.image = "idle.bmp";
    InfoFrame lit;
    lit.image = "lit.bmp";
    writeFile(folder + "/info", infoText({idle, lit}));
    writeIndexedBmp(folder + "/idle.bmp", w, h, 1, 40, 40, 40);
    writeIndexedBmp(folder + "/lit.bmp", w, h, 2, 250, 200, 0);
}

class ButtonSetTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        openTestVideo();
        setTestClock(1000);
    }
    void TearDown() override { releaseTestClock(); }
    ScratchDir dir;
};

TEST_F(ButtonSetTest, StacksButtonsEdgeToEdgeAndSkipsMissingOnes)
{
    writeButton("menu/button0", 120, 40);
    writeButton("menu/button1", 120, 60);
    // button2 is missing: it draws nothing and takes no room
    writeButton("menu/button3", 120, 40);
    buttonSet column;
    column.init(screen, "menu", 4, 100, 200, true);
    const int ys[] = {200, 240, 300, 300};
    for (int i = 0; i < 4; ++i)
    {
        EXPECT_EQ(column.sprite(i).x, 100) << i;
        EXPECT_EQ(column.sprite(i).y, ys[i]) << i;
    }

    writeButton("row/button0", 50, 20);
    writeButton("row/button1", 70, 20);
    writeButton("row/button2", 50, 20);
    buttonSet row;
    row.init(screen, "row", 3, 10, 5, false);
    EXPECT_EQ(row.sprite(1).x, 60);
    EXPECT_EQ(row.sprite(2).x, 130);
    EXPECT_EQ(row.sprite(2).y, 5);
}

TEST_F(ButtonSetTest, SelectionWrapsAndShowsTheSelectedFrame)
{
    for (int i = 0; i < 5; ++i)
        writeButton("menu/button" + std::to_string(i), 192, 30);
    buttonSet set;
    set.init(screen, "menu", 5, 224, 330, true);
    EXPECT_EQ(set.getSelected(), 0);
    EXPECT_EQ(set.sprite(0).frame, 1);

    set.selectUp();
    EXPECT_EQ(set.getSelected(), 4);
    EXPECT_EQ(set.sprite(0).frame, 0);
    EXPECT_EQ(set.sprite(4).frame, 1);
    set.selectDown();
    EXPECT_EQ(set.getSelected(), 0);

    const std::pair<int, int> selections[] = {{-3, 4}, {7, 0}, {2, 2}};
    for (const auto& s : selections)
    {
        set.setSelection(s.first);
        EXPECT_EQ(set.getSelected(), s.second) << s.first;
    }

    // The buttons never animate by themselves.
    advanceTestClock(5000);
    set.draw();
    set.draw();
    EXPECT_EQ(set.sprite(2).frame, 1);
    EXPECT_EQ(set.sprite(1).frame, 0);
}

TEST_F(ButtonSetTest, ASingleButtonStaysSelected)
{
    writeButton("one/button0", 100, 30);
    buttonSet set;
    set.init(screen, "one", 1, 0, 0, true);
    set.selectUp();
    EXPECT_EQ(set.getSelected(), 0);
    EXPECT_EQ(set.sprite(0).frame, 1);
    set.selectDown();
    EXPECT_EQ(set.sprite(0).frame, 1);
}

TEST(Present, ZoomFactorsFollowTheWindowSize)
{
    struct Case
    {
        int w, h;
        double fx, fy;
    };
    const Case cases[] = {{640, 480, 1.0, 1.0}, {800, 600, 1.25, 1.25}, {1024, 768, 1.6, 1.6}, {640, 400, 1.0, 400 / 480.0}};
    for (const Case& c : cases)
    {
        SCREEN_WIDTH = c.w;
        SCREEN_HEIGHT = c.h;
        EXPECT_DOUBLE_EQ(zoomFactorX(), c.fx);
        EXPECT_DOUBLE_EQ(zoomFactorY(), c.fy);
    }
    SCREEN_WIDTH = 640;
    SCREEN_HEIGHT = 480;
}

TEST(Present, ObserverSeesEveryFinishedPicture)
{
    SDL_Surface* s = openTestVideo();
    int seen = 0;
    Uint32 corner = 0;
    setFrameObserver([&](SDL_Surface* target) {
        ++seen;
        corner = pixelAt(target, 639, 479);
    });
    SDL_FillRect(s, nullptr, SDL_MapRGB(s->format, 0, 0, 255));
    presentFrame(s);
    setFrameObserver(nullptr);
    presentFrame(s);
    EXPECT_EQ(seen, 1);
    EXPECT_EQ(corner, SDL_MapRGB(s->format, 0, 0, 255));
}
} // namespace

namespace
{
TEST(Present, AZoomedWindowKeepsTheUnzoomedPictureToDrawOn)
{
    openTestVideo();
    SCREEN_WIDTH = 800;
    SCREEN_HEIGHT = 600;
    SDL_Surface* s = SDL_SetVideoMode(800, 600, 32, SDL_HWPALETTE);
    ASSERT_NE(s, nullptr);
    SDL_FillRect(s, nullptr, SDL_MapRGB(s->format, 0, 0, 80));
    SDL_Rect marker = {600, 440, 8, 8};
    SDL_FillRect(s, &marker, SDL_MapRGB(s->format, 255, 255, 0));
    presentFrame(s);
    // A screen that draws over its last picture (the pause menu) finds it
    // as it composed it, not a magnified crop of it.
    EXPECT_EQ(pixelAt(s, 602, 442), SDL_MapRGB(s->format, 255, 255, 0));
    EXPECT_EQ(pixelAt(s, 300, 100), SDL_MapRGB(s->format, 0, 0, 80));
    SCREEN_WIDTH = 640;
    SCREEN_HEIGHT = 480;
    screen = SDL_SetVideoMode(640, 480, 32, SDL_HWPALETTE);
}
} // namespace
