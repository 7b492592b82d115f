// The story map's and loot screen's pictures as the game loads them: the
// sizes and frame counts the screens draw them at, icons keyed around their
// shapes, the cursor ring open over its node, and light paper and panel
// where the screens write in black.
#include "content/data_tree.h"

#include "engine/sprite_sheet.h"
#include "modes/story_map.h"
#include "tests/support/test_support.h"
#include "tests/tools/picture_checks.h"

#include <gtest/gtest.h>
#include <memory>

using testing_support::brightness;
using testing_support::expectSheet;
using testing_support::keyed;
using testing_support::pixelAt;
using testing_support::ScratchDir;

namespace
{
class StoryPictures : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        scratch = std::make_unique<ScratchDir>();
        generated = datagen::generateDataTree(".", {"levelselect", "loot"});
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
std::unique_ptr<ScratchDir> StoryPictures::scratch;
bool StoryPictures::generated = false;

} // namespace

TEST_F(StoryPictures, TheMapCarriesItsNodesCursorAndNamePaper)
{
    CSpriteBase map;
    expectSheet(map, "data/screens/levelSelect", 1, 640, 480);
    SDL_Surface* city = map.normalFrame(0)->image;
    // Light paper behind the black name at (0, 0), darker city elsewhere.
    EXPECT_GT(brightness(city, 4, 6), 600);
    EXPECT_GT(brightness(city, 200, 14), 600);
    EXPECT_LT(brightness(city, 320, 420), 400);

    CSpriteBase node;
    expectSheet(node, "data/screens/levelSelect/node", 2, 20, 20);
    for (int f = 0; f < 2; ++f)
    {
        EXPECT_TRUE(keyed(node.normalFrame(f)->image, 0, 0));
        EXPECT_FALSE(keyed(node.normalFrame(f)->image, 10, 4));
    }
    // Frame 0 is the dim locked look, frame 1 the lit one.
    EXPECT_LT(brightness(node.normalFrame(0)->image, 10, 4), brightness(node.normalFrame(1)->image, 10, 4));

    CSpriteBase ring;
    expectSheet(ring, "data/screens/levelSelect/player", 4, 30, 30);
    for (int f = 0; f < 4; ++f)
    {
        SDL_Surface* img = ring.normalFrame(f)->image;
        // Open in the middle so the node under it shows, and round.
        EXPECT_TRUE(keyed(img, 15, 15));
        EXPECT_TRUE(keyed(img, 0, 0));
        EXPECT_FALSE(keyed(img, 15, 3));
    }
}

TEST_F(StoryPictures, TheLootScreenHasItsPanelWeaponsAndEveryRewardPicture)
{
    CSpriteBase back;
    expectSheet(back, "data/screens/loot", 1, 640, 480);
    SDL_Surface* panel = back.normalFrame(0)->image;
    // Light where the item labels and readouts are written in black.
    for (const auto& spot : {std::make_pair(210, 180), std::make_pair(400, 330), std::make_pair(360, 440)})
        EXPECT_GT(brightness(panel, spot.first, spot.second), 600) << spot.first << "," << spot.second;

    CSpriteBase weapons;
    expectSheet(weapons, "data/screens/loot/weaponSet", 6, 48, 48);

    for (const char* item : {"coins", "wexp", "vlad", "sadghost", "whip", "male", "female", "bonuscharas",
                             "swords", "andy", "spectre", "gauntlets", "hellskull", "rigby", "blackblade"})
    {
        CSpriteBase picture;
        expectSheet(picture, std::string("data/screens/loot/") + item, 1, 48, 48);
        if (picture.frameCount() == 1)
        {
            EXPECT_TRUE(keyed(picture.normalFrame(0)->image, 0, 0)) << item;
            EXPECT_FALSE(keyed(picture.normalFrame(0)->image, 24, 24)) << item;
        }
    }
}
