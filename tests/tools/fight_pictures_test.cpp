// The fight HUD, round overlays, pause menu and character select pictures as
// the game loads them: the frame counts and sizes its screens rely on, bar
// windows keyed exactly where the bars are painted, and overlays that leave
// the fight in view.
#include "content/data_tree.h"

#include "engine/sprite_sheet.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

using testing_support::ScratchDir;

namespace
{
// A frame's pixels read in one lock, and whether each is the colour key.
struct Pixels
{
    explicit Pixels(SDL_Surface* s)
        : w(s->w), h(s->h), key(s->format->colorkey), keyed(s->flags & SDL_SRCCOLORKEY)
    {
        SDL_LockSurface(s);
        for (int y = 0; y < h; ++y)
        {
            const Uint32* row =
                reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(s->pixels) + y * s->pitch);
            values.insert(values.end(), row, row + w);
        }
        SDL_UnlockSurface(s);
    }
    Uint32 at(int x, int y) const { return values[static_cast<std::size_t>(y) * w + x]; }
    bool clear(int x, int y) const { return keyed && at(x, y) == key; }
    int clearIn(int x0, int y0, int x1, int y1) const
    {
        int n = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                n += clear(x, y) ? 1 : 0;
        return n;
    }

    int w, h;
    Uint32 key;
    bool keyed;
    std::vector<Uint32> values;
};

class FightPictures : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        scratch = std::make_unique<ScratchDir>();
        generated =
            datagen::generateDataTree(".", {"fighthud", "buttonicons", "overlays", "pause", "charselect"});
    }
    static void TearDownTestSuite() { scratch.reset(); }
    void SetUp() override
    {
        ASSERT_TRUE(generated);
        ASSERT_NE(testing_support::openTestVideo(), nullptr);
    }

    static std::unique_ptr<ScratchDir> scratch;
    static bool generated;
};
std::unique_ptr<ScratchDir> FightPictures::scratch;
bool FightPictures::generated = false;
} // namespace

TEST_F(FightPictures, SheetsHaveTheFramesAndSizesTheScreensUse)
{
    struct Case
    {
        const char* dir;
        bool mirror; // as the screen loads it
        int frames;  // 0: any number
        int w, h;    // every frame
    };
    const Case cases[] = {
        {"data/hpBar", true, 1, 290, 21},
        {"data/hpBarReverse", true, 1, 290, 21},
        {"data/powBar", true, 1, 196, 21},
        {"data/border", true, 1, 640, 480},
        // The combo readout lays its digits out by the sheet's width.
        {"data/comboNum", true, 11, 22, 24},
        {"data/comboText", true, 2, 50, 24},
        {"data/screens/ui/buttons", true, 7, 18, 18},
        {"data/screens/ui/fadedButtons", true, 7, 18, 18},
        {"data/screens/ui/rage", true, 1, 24, 24},
        {"data/fightStart", true, 0, 450, 120},
        {"data/fightKO", true, 0, 140, 120},
        {"data/fightWinner", true, 0, 450, 120},
        {"data/screens/pause", false, 0, 640, 480},
        {"data/screens/pause/button0", false, 2, 192, 30},
        {"data/screens/pause/button1", false, 2, 192, 30},
        {"data/screens/characterSelect", false, 0, 640, 480},
        {"data/screens/characterSelect/turnBar", false, 0, 160, 40},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.dir);
        CSpriteBase sheet;
        ASSERT_EQ(sheet.init(c.dir, c.mirror), 0);
        if (c.frames)
            EXPECT_EQ(sheet.frameCount(), c.frames);
        else
            EXPECT_GE(sheet.frameCount(), 2) << "animated";
        for (int i = 0; i < sheet.frameCount(); ++i)
        {
            const CSpriteFrame* f = sheet.normalFrame(i);
            ASSERT_NE(f, nullptr);
            ASSERT_NE(f->image, nullptr);
            EXPECT_EQ(f->image->w, c.w) << "frame " << i;
            EXPECT_EQ(f->image->h, c.h) << "frame " << i;
            EXPECT_GT(f->pause, 0);
        }
    }
}

TEST_F(FightPictures, BarWindowsAreKeyedExactlyAndFramedAllRound)
{
    struct Case
    {
        const char* dir;
        int x, y, w, h; // the bar rectangle the fight UI paints
    };
    const Case cases[] = {
        {"data/hpBar", 8, 8, 274, 5},
        {"data/hpBarReverse", 8, 8, 274, 5},
        {"data/powBar", 8, 8, 180, 5},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.dir);
        CSpriteBase sheet;
        ASSERT_EQ(sheet.init(c.dir), 0);
        const Pixels p(sheet.normalFrame(0)->image);
        ASSERT_TRUE(p.keyed);
        EXPECT_EQ(p.clearIn(c.x, c.y, c.x + c.w, c.y + c.h), c.w * c.h) << "the whole bar shows";
        // The frame drawn over the bar covers the ring just outside it.
        EXPECT_EQ(p.clearIn(c.x - 1, c.y - 1, c.x + c.w + 1, c.y + c.h + 1), c.w * c.h) << "and no more";
        // Keyed round its outline, so the fight shows past the frame's corners.
        EXPECT_TRUE(p.clear(0, 0));
        EXPECT_TRUE(p.clear(p.w - 1, p.h - 1));
    }
}

TEST_F(FightPictures, RageBadgeLeavesThePowerBarsEndsInView)
{
    CSpriteBase bar, rage;
    ASSERT_EQ(bar.init("data/powBar"), 0);
    ASSERT_EQ(rage.init("data/screens/ui/rage"), 0);
    const Pixels badge(rage.normalFrame(0)->image);
    const int barY = 388;
    const int badgeY = barY - rage.height / 2;
    // Player 1's badge sits at the bar's left end, player 2's at its right.
    const int barXs[2] = {10, 444};
    for (int side = 0; side < 2; ++side)
    {
        SCOPED_TRACE(side == 0 ? "player 1" : "player 2");
        const int badgeX = side == 0 ? barXs[0] : barXs[1] + bar.width - rage.width;
        int covered = 0;
        for (int y = barY + 8; y < barY + 13; ++y)
            for (int x = barXs[side] + 8; x < barXs[side] + 188; ++x)
            {
                const int bx = x - badgeX, by = y - badgeY;
                if (bx >= 0 && by >= 0 && bx < badge.w && by < badge.h && !badge.clear(bx, by))
                    ++covered;
            }
        EXPECT_EQ(covered, 0);
    }
    EXPECT_LT(badge.clearIn(0, 0, badge.w, badge.h), badge.w * badge.h) << "a badge is drawn";
}

TEST_F(FightPictures, RoundOverlaysPlayForAboutASecondAndAQuarter)
{
    for (const char* dir : {"data/fightStart", "data/fightKO", "data/fightWinner"})
    {
        SCOPED_TRACE(dir);
        CSpriteBase sheet;
        ASSERT_EQ(sheet.init(dir), 0);
        int total = 0;
        for (int i = 0; i < sheet.frameCount(); ++i)
            total += sheet.normalFrame(i)->pause;
        // The fight screens play them at speed 3.
        EXPECT_GE(total * 3, 1000);
        EXPECT_LE(total * 3, 1500);
        const Pixels last(sheet.normalFrame(sheet.frameCount() - 1)->image);
        EXPECT_TRUE(last.clear(0, 0)) << "keyed round the lettering";
        EXPECT_TRUE(last.clear(last.w - 1, last.h - 1));
        EXPECT_FALSE(last.clear(last.w / 2, last.h / 2));
    }
}

// The pause backdrop is drawn over the frozen fight every frame without a
// clear, so what any frame leaves behind must be the finished overlay, and the
// fight must stay in view around it.
TEST_F(FightPictures, PauseOverlayOnlyEverAddsToOnePictureThatLeavesTheFightInView)
{
    CSpriteBase sheet;
    ASSERT_EQ(sheet.init("data/screens/pause", false), 0);
    const Pixels last(sheet.normalFrame(sheet.frameCount() - 1)->image);
    EXPECT_GT(last.clearIn(0, 0, last.w, last.h), last.w * last.h * 6 / 10);
    for (int i = 0; i + 1 < sheet.frameCount(); ++i)
    {
        SCOPED_TRACE("frame " + std::to_string(i));
        const Pixels p(sheet.normalFrame(i)->image);
        int differing = 0;
        for (int y = 0; y < p.h; ++y)
            for (int x = 0; x < p.w; ++x)
                if (!p.clear(x, y) && (last.clear(x, y) || p.at(x, y) != last.at(x, y)))
                    ++differing;
        EXPECT_EQ(differing, 0);
    }
    // The button column stands on the overlay's plate, not on the fight.
    EXPECT_EQ(last.clearIn(224, 250, 224 + 192, 250 + 60), 0);
}

TEST_F(FightPictures, BorderKeepsTheFieldClear)
{
    CSpriteBase sheet;
    ASSERT_EQ(sheet.init("data/border"), 0);
    const Pixels p(sheet.normalFrame(0)->image);
    // Between the health bars' plate and the power bars, where the fighters are.
    EXPECT_EQ(p.clearIn(40, 120, 600, 380), 560 * 260);
    EXPECT_FALSE(p.clear(320, 82)) << "the plate behind the health bars";
}
