// The winner screen: picking a quote from a hand-edited file, and ending once the picture has played.
#include "engine/clock.h"
#include "engine/globals.h"
#include "engine/present.h"
#include "screens/menu_screen.h"
#include "screens/winner_screen.h"
#include "tests/support/test_support.h"

#include <climits>
#include <gtest/gtest.h>

using namespace testing_support;

namespace
{
const char* const kFallback = "I win... or something!";

struct QuoteCase
{
    const char* name;
    const char* file; // null: no file
    int count;        // the count the draw is made from; 0 when none is drawn
    int draw;         // the scripted draw
    std::string quote;
};

void PrintTo(const QuoteCase& c, std::ostream* os)
{
    *os << c.name;
}

class QuoteTable : public ::testing::TestWithParam<QuoteCase>
{
};

TEST_P(QuoteTable, PicksTheDrawnLineOrAFallback)
{
    ScratchDir dir;
    const QuoteCase& c = GetParam();
    if (c.file)
        writeFile("fighter/lines", c.file);
    if (c.count > 0)
        scriptDraws({{c.count, c.draw}});
    winnerScreen screen;
    EXPECT_EQ(screen.loadQuote("fighter"), c.quote);
}

INSTANTIATE_TEST_SUITE_P(
    Quotes, QuoteTable,
    ::testing::Values(QuoteCase{"NoFile", nullptr, 0, 0, kFallback},
                      QuoteCase{"OneQuote", "1\nOnly\n", 1, 0, "Only"},
                      QuoteCase{"ThirdOfThree", "3\nOne\nTwo  words\nThree 100% sure\r\n", 3, 2,
                                "Three 100% sure"},
                      // A count past the lines gives an empty quote, which draws nothing.
                      QuoteCase{"CountPastTheLines", "5\nOne\nTwo\n", 5, 4, ""},
                      QuoteCase{"ZeroCount", "0\nOne\n", 0, 0, kFallback},
                      QuoteCase{"NegativeCount", "-4\nOne\n", 0, 0, kFallback},
                      QuoteCase{"CountNotANumber", "abc\nOne\n", 0, 0, kFallback},
                      QuoteCase{"EmptyFile", "", 0, 0, kFallback},
                      // Nothing is allocated by the count: only the lines up to the draw are read.
                      QuoteCase{"HugeCount", "99999999999\nOne\n", INT_MAX, 0, "One"},
                      QuoteCase{"HugeCountPastTheLines", "99999999999\nOne\n", INT_MAX, 30000, ""}),
    [](const ::testing::TestParamInfo<QuoteCase>& info) { return std::string(info.param.name); });

// A picture folder of `frames` frames of one colour, `w` x `h`.
void writePicture(const std::string& folder, int w, int h, Uint8 r, Uint8 g, Uint8 b, int frames)
{
    std::vector<InfoFrame> list(static_cast<std::size_t>(frames));
    for (InfoFrame& f : list)
    {
        f.image = "pic.bmp";
        f.pause = 100;
        f.key = "-1 0 0";
    }
    writeFile(folder + "/info", infoText(list));
    writeIndexedBmp(folder + "/pic.bmp", w, h, 7, r, g, b);
}

TEST(WinnerScreen, EndsOnceThePictureHasPlayedWithTheQuoteOnTheStage)
{
    ScratchDir dir;
    openTestVideo();
    fullyQuit = false;
    writePicture("data/screens/winning", 640, 480, 0, 0, 120, 1);
    writePicture("data/screens/winning/Rigby", 100, 200, 200, 0, 0, 4);
    writeFile("data/screens/winning/Rigby/lines", "1\nEasy.\n");
    setTestClock(0);
    setTestClockAutoAdvance(20);
    int frames = 0;
    Uint32 inPicture = 0, onStage = 0;
    setFrameObserver(
        [&](SDL_Surface* s)
        {
            ++frames;
            inPicture = pixelAt(s, 50, 100);
            onStage = pixelAt(s, 400, 300);
        });
    {
        winnerScreen winner;
        winner.init(screen, "Rigby");
        EXPECT_EQ(winner.quote, "Easy.");
        winner.draw();
        EXPECT_FALSE(winner.picture.finished);
        runScreen(winner);
        EXPECT_TRUE(winner.done);
    }
    setFrameObserver(nullptr);
    releaseTestClock();
    // Four frames of 300 ms each, drawn every 20 ms or so: it ends, and not at once.
    EXPECT_GT(frames, 10);
    EXPECT_LT(frames, 500);
    EXPECT_EQ(inPicture, SDL_MapRGB(screen->format, 200, 0, 0));
    EXPECT_EQ(onStage, SDL_MapRGB(screen->format, 0, 0, 120));
}
} // namespace
