// The "walk on" prompts of the stages read back through the game's sprite loader.
#include "content/data_tree.h"
#include "engine/sprite_sheet.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

using namespace testing_support;

namespace
{
// A scratch tree with the prompts, written by the data generator.
class GeneratedStage : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_NE(openTestVideo(), nullptr);
        ASSERT_TRUE(datagen::generateDataTree(".", {"goarrows"}));
    }

    ScratchDir dir;
};
} // namespace

TEST_F(GeneratedStage, TheWalkOnPromptsShowBelowTheHudsPlate)
{
    for (const char* name : {"goright", "goleft"})
    {
        SCOPED_TRACE(name);
        CSpriteBase sheet;
        ASSERT_EQ(sheet.init(std::string("data/screens/ui/") + name), 0);
        ASSERT_EQ(sheet.frameCount(), 4);
        for (int i = 0; i < 4; ++i)
        {
            const CSpriteFrame* f = sheet.normalFrame(i);
            ASSERT_NE(f, nullptr);
            EXPECT_EQ(f->pause, 80);
            ASSERT_NE(f->image, nullptr);
            EXPECT_LE(f->image->w, 104);
            EXPECT_LE(f->image->h, 72);
            ASSERT_TRUE(f->image->flags & SDL_SRCCOLORKEY);
            const Uint32 key = f->image->format->colorkey;
            bool clearTop = true, drawnBelow = false;
            for (int y = 0; y < f->image->h; ++y)
                for (int x = 0; x < f->image->w; ++x)
                {
                    const bool keyed = pixelAt(f->image, x, y) == key;
                    if (y < 17)
                        clearTop = clearTop && keyed;
                    else
                        drawnBelow = drawnBelow || !keyed;
                }
            EXPECT_TRUE(clearTop) << "frame " << i << ": the top 17 rows are keyed out";
            EXPECT_TRUE(drawnBelow) << "frame " << i;
        }
    }
}
