// A fighter's running combo with its 3-second timeout, and the HUD readout of
// the damage multiplier it gives.
#include "engine/clock.h"
#include "engine/globals.h"
#include "fighter/combo.h"
#include "tests/support/test_support.h"

#include <climits>
#include <gtest/gtest.h>

using namespace testing_support;

namespace
{
// Updates the counter every 10 ms from `from` (exclusive) to `to` (inclusive).
void runCounter(comboCounter& c, int from, int to)
{
    for (int t = from + 10; t <= to; t += 10)
        c.update(t);
}

TEST(ComboCounter, AComboEndsThreeSecondsAfterItsLastHit)
{
    comboCounter c;
    c.update(1000);
    c.addCombo(4);
    runCounter(c, 1000, 3900);
    EXPECT_EQ(c.getCombo(), 4) << "2.9 s after the hit";
    runCounter(c, 3900, 3990);
    EXPECT_EQ(c.getCombo(), 4) << "2.99 s after the hit";
    runCounter(c, 3990, 4000);
    EXPECT_EQ(c.getCombo(), 0) << "3 s after the hit";
    EXPECT_FLOAT_EQ(c.delay.returnDelay(), 300.0f) << "the idle countdown starts again";
}

TEST(ComboCounter, EveryHitRestartsTheThreeSeconds)
{
    comboCounter c;
    c.update(1000);
    c.addCombo(2);
    runCounter(c, 1000, 3000);
    c.addCombo(3);
    runCounter(c, 3000, 5990);
    EXPECT_EQ(c.getCombo(), 5);
    runCounter(c, 5990, 6000);
    EXPECT_EQ(c.getCombo(), 0);
    c.addCombo(1);
    EXPECT_EQ(c.getCombo(), 1) << "a new combo counts from nothing";
}

TEST(ComboCounter, AFreshCounterMeasuresItsFirstUpdateFromTickZero)
{
    comboCounter c;
    c.addCombo(3);
    c.update(20);
    EXPECT_EQ(c.getCombo(), 3) << "20 ms gathers too little to count down";
    comboCounter late;
    late.addCombo(3);
    late.update(60000);
    EXPECT_EQ(late.getCombo(), 0) << "a minute in, the first update takes 6000 units at once";
}

TEST(ComboCounter, BreakingEndsTheComboAtOnceAndRestartsTheCountdown)
{
    comboCounter c;
    c.update(1000);
    c.addCombo(6);
    runCounter(c, 1000, 3000);
    ASSERT_LT(c.delay.returnDelay(), 300.0f);
    c.breakCombo();
    EXPECT_EQ(c.getCombo(), 0);
    EXPECT_FLOAT_EQ(c.delay.returnDelay(), 300.0f);
    c.addCombo(1);
    runCounter(c, 3000, 5990);
    EXPECT_EQ(c.getCombo(), 1);
}

// The readout's pictures: frame 0 of each sheet is blank (keyed out), every
// other frame a solid colour of its own.
SDL_Color readoutColour(int sheet, int frame)
{
    return SDL_Color{static_cast<Uint8>(20 * frame + 5), static_cast<Uint8>(60 * sheet + 40), 90, 0};
}

void writeReadoutSheet(const std::string& folder, int sheet, int frames, int w, int h)
{
    std::vector<InfoFrame> info;
    for (int i = 0; i < frames; ++i)
    {
        InfoFrame f;
        f.image = "n" + std::to_string(i) + ".bmp";
        const SDL_Color c = i == 0 ? SDL_Color{255, 0, 255, 0} : readoutColour(sheet, i);
        writeIndexedBmp(folder + "/" + f.image, w, h, 9, c.r, c.g, c.b);
        info.push_back(f);
    }
    writeFile(folder + "/info", infoText(info));
}

const int kDigitWidth = 16;
const int kDotWidth = 10;

class DamageReadoutTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_NE(openTestVideo(), nullptr);
        setTestClock(5000);
        writeReadoutSheet("data/damageNum", 0, 11, kDigitWidth, 20);
        writeReadoutSheet("data/damageText", 1, 2, 30, 20);
        writeReadoutSheet("data/damageDot", 2, 2, kDotWidth, 20);
        SDL_FillRect(screen, nullptr, 0);
    }
    void TearDown() override { releaseTestClock(); }

    std::vector<int> frames() const
    {
        return {box.tensSprite.frame, box.dotSprite.frame, box.onesSprite.frame, box.textSprite.frame};
    }

    ScratchDir dir;
    damageBox box;
};

struct Readout
{
    int hits;
    int tens; // the digit before the dot, -1 when hidden
    int ones;
};

const Readout kReadouts[] = {
    {-4, -1, 0}, {0, -1, 0}, {2, -1, 0},  {3, 1, 1},   {4, 1, 1},   {5, 1, 1},       {6, 1, 2},
    {9, 1, 3},   {30, 2, 0}, {266, 9, 8}, {267, 9, 9}, {300, 9, 9}, {INT_MAX, 9, 9},
};

TEST_F(DamageReadoutTest, ShowsTheMultiplierFromThreeHitsOn)
{
    box.init(screen);
    for (const Readout& r : kReadouts)
    {
        box.update(r.hits);
        if (r.tens < 0)
            EXPECT_EQ(frames(), (std::vector<int>{0, 0, 0, 0})) << r.hits << " hits";
        else
            EXPECT_EQ(frames(), (std::vector<int>{r.tens + 1, 1, r.ones + 1, 1})) << r.hits << " hits";
    }
}

TEST_F(DamageReadoutTest, ShownFramesRestartTheirTimeAndNeverAnimate)
{
    box.init(screen);
    box.set(20, 130);
    setTestClock(7000);
    box.update(9);
    for (CSprite* s : {&box.tensSprite, &box.onesSprite, &box.dotSprite, &box.textSprite})
    {
        EXPECT_EQ(s->lastChange, 7000);
        EXPECT_EQ(s->animating, 0);
    }
    for (int i = 0; i < 5; ++i)
    {
        advanceTestClock(10000);
        box.draw();
    }
    EXPECT_EQ(frames(), (std::vector<int>{2, 1, 4, 1}));
    box.hide();
    EXPECT_EQ(frames(), (std::vector<int>{0, 0, 0, 0}));
}

TEST_F(DamageReadoutTest, PlacesDigitsDotAndLabelByTheDigitWidth)
{
    box.init(screen);
    const std::pair<int, int> places[] = {{20, 130}, {454, 130}};
    for (const auto& p : places)
    {
        box.set(p.first, p.second);
        const int w = kDigitWidth;
        EXPECT_EQ(box.tensSprite.x, p.first);
        EXPECT_EQ(box.dotSprite.x, p.first + w);
        EXPECT_EQ(box.onesSprite.x, p.first + w + 7);
        EXPECT_EQ(box.textSprite.x, p.first + 2 * w + 7);
        for (CSprite* s : {&box.tensSprite, &box.onesSprite, &box.dotSprite, &box.textSprite})
            EXPECT_EQ(s->y, p.second);
    }
}

TEST_F(DamageReadoutTest, DrawsTensDotOnesAndLabelInThatOrder)
{
    box.init(screen);
    box.set(20, 130);
    auto colourAt = [](int x) { return pixelAt(screen, x, 135); };
    auto mapped = [](SDL_Color c) { return SDL_MapRGB(screen->format, c.r, c.g, c.b); };

    box.update(2);
    box.draw();
    for (int x : {20, 36, 44, 59})
        EXPECT_EQ(colourAt(x), 0u) << "hidden readout, x " << x;

    box.update(9);
    box.draw();
    EXPECT_EQ(colourAt(20), mapped(readoutColour(0, 2))) << "tens digit 1";
    EXPECT_EQ(colourAt(36), mapped(readoutColour(2, 1))) << "dot";
    EXPECT_EQ(colourAt(44), mapped(readoutColour(0, 4))) << "ones digit 3, drawn over the dot's right end";
    EXPECT_EQ(colourAt(59), mapped(readoutColour(1, 1))) << "label";
}

TEST_F(DamageReadoutTest, WithoutItsPicturesTheReadoutIsSafeToUse)
{
    ScratchDir empty;
    damageBox bare;
    bare.init(screen);
    bare.set(20, 130);
    bare.update(12);
    bare.draw();
    bare.hide();
    bare.draw();
    EXPECT_EQ(bare.dotSprite.x, 20);
    EXPECT_EQ(pixelAt(screen, 20, 135), 0u);
}
} // namespace
