// The shop's, weapon screen's and ally screen's pictures as the game loads them: the sizes and frame
// counts the screens draw, icons in their four frames, the experience bar's keyed window, light ground
// under black text; and each screen run on them, its frame saved as a screenshot.
#include "content/data_tree.h"

#include "engine/globals.h"
#include "engine/sprite_sheet.h"
#include "modes/ally_select.h"
#include "modes/shop.h"
#include "modes/weapon_select.h"
#include "tests/support/test_support.h"
#include "tests/tools/picture_checks.h"

#include <gtest/gtest.h>
#include <memory>
#include <unistd.h>

using testing_support::brightness;
using testing_support::expectSheet;
using testing_support::keyed;
using testing_support::pixelAt;
using testing_support::ScratchDir;

namespace
{
std::string startFolder()
{
    char buffer[4096];
    return getcwd(buffer, sizeof buffer) ? buffer : ".";
}

class StoryMenuPictures : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        shots = startFolder() + "/story_menu_shots";
        scratch = std::make_unique<ScratchDir>();
        generated = datagen::generateDataTree(
            ".", {"storymenus", "fighthud", "buttonicons", "fonts", "menusounds", "gamepads", "gamefiles"});
    }
    static void TearDownTestSuite() { scratch.reset(); }
    void SetUp() override
    {
        ASSERT_TRUE(generated);
        ASSERT_NE(testing_support::openTestVideo(), nullptr);
        fullyQuit = false;
    }

    static std::unique_ptr<ScratchDir> scratch;
    static bool generated;
    static std::string shots;
};
std::unique_ptr<ScratchDir> StoryMenuPictures::scratch;
bool StoryMenuPictures::generated = false;
std::string StoryMenuPictures::shots;

void saveShot(const std::string& folder, const std::string& name)
{
    testing_support::makeDirs(folder);
    SDL_SaveBMP(screen, (folder + "/" + name + ".bmp").c_str());
}
} // namespace

TEST_F(StoryMenuPictures, TheShopHasLightGroundForItsTexts)
{
    CSpriteBase back;
    expectSheet(back, "data/screens/shop", 1, 640, 480);
    SDL_Surface* room = back.normalFrame(0)->image;
    EXPECT_GT(brightness(room, 490, 28), 550) << "the coins";
    for (int y : {296, 316, 336, 356})
        EXPECT_GT(brightness(room, 480, y), 550) << "a readout at y " << y;
    for (int i = 0; i < 5; ++i)
    {
        CSpriteBase button;
        expectSheet(button, "data/screens/shop/button" + std::to_string(i), 2, 320, 50);
        if (i < 4)
        {
            EXPECT_GT(brightness(button.normalFrame(0)->image, 70, 22), 550) << "the price line's field";
        }
    }
}

TEST_F(StoryMenuPictures, TheWeaponScreenHasItsPanelFrameAndIcons)
{
    CSpriteBase back;
    expectSheet(back, "data/screens/weaponSelect/new", 1, 640, 480);
    EXPECT_GT(brightness(back.normalFrame(0)->image, 400, 150), 550) << "the light panel";
    for (const char* icon : {"vlad", "bbbat", "whip", "swords", "gauntlets", "blackblade", "default"})
    {
        const std::string folder = std::string("data/screens/weaponSelect/") + icon;
        CSpriteBase frames;
        expectSheet(frames, folder, 4, 80, 80);
        // The locked frames are greyer than the open ones.
        EXPECT_NE(pixelAt(frames.normalFrame(0)->image, 40, 20),
                  pixelAt(frames.normalFrame(2)->image, 40, 20));
        CSpriteBase big;
        expectSheet(big, folder + "/big", 1, 280, 240);
    }
    CSpriteBase badge, percentages, bar;
    expectSheet(badge, "data/screens/weaponSelect/equipped", 1, 24, 18);
    expectSheet(percentages, "data/screens/ui/percentages", 5, 32, 16);
    expectSheet(bar, "data/wexpBar", 1, 130, 21);
    EXPECT_TRUE(keyed(bar.normalFrame(0)->image, 8, 8));
    EXPECT_TRUE(keyed(bar.normalFrame(0)->image, 121, 12));
    EXPECT_FALSE(keyed(bar.normalFrame(0)->image, 4, 4));
    for (int i = 0; i < 6; ++i)
    {
        CSpriteBase button;
        ASSERT_EQ(button.init("data/screens/10buttons/button" + std::to_string(i), false), 0);
        EXPECT_EQ(button.frameCount(), 2);
    }
}

TEST_F(StoryMenuPictures, TheAllyScreenHasItsCellsAndPictures)
{
    CSpriteBase back;
    expectSheet(back, "data/screens/allySelect", 1, 640, 480);
    for (const char* cell :
         {"default", "SadGhost", "Male", "Female", "HellSkull", "spectre", "Andy", "Rigby", "BonusCharas"})
    {
        CSpriteBase frames;
        expectSheet(frames, std::string("data/screens/allySelect/") + cell, 4, 76, 76);
    }
    CSpriteBase selected;
    ASSERT_EQ(selected.init("data/screens/allySelect/selected", false), 0);
    ASSERT_EQ(selected.frameCount(), 9);
    for (int f = 0; f < 9; ++f)
    {
        EXPECT_LE(selected.normalFrame(f)->image->w, 240);
        EXPECT_LE(selected.normalFrame(f)->image->h, 300);
    }
}

// Black text on the dark wall could not be read: a notice stands on light ground.
void expectLightCard(const noticePlace& notice)
{
    EXPECT_GT(brightness(screen, notice.x - 4, notice.y + 4), 500);
    EXPECT_GT(brightness(screen, notice.x + notice.width - 20, notice.y + 36), 500);
}

TEST_F(StoryMenuPictures, EachScreenDrawsAFrameWorthAScreenshot)
{
    {
        storyFile story;
        story.coins = 1750;
        story.strengthLevel = 2;
        story.speedLevel = 5;
        *story.weapon(2) = weaponRecord{0, 700, 2};
        story.secondaryWeapon = 2;
        story.saveStoryFile();
        allyFile allies;
        allies.allyLocked[1] = allies.allyLocked[5] = allies.allyLocked[8] = 0;
        allies.equippedAlly = 5;
        allies.saveAllyFile();
    }
    {
        shop store;
        store.init(screen);
        store.update();
        store.draw();
        saveShot(shots, "shop");
        EXPECT_NE(pixelAt(screen, 100, 220), pixelAt(screen, 100, 420)) << "buttons over the room";
        // A leave whose save failed: the notice between the title and the buttons.
        store.notKept = true;
        store.draw();
        saveShot(shots, "shop_not_kept");
        expectLightCard(shop::kNotice);
    }
    {
        weaponSelectScreen2 weapons;
        weapons.init(screen);
        weapons.selection.setSelection(2);
        weapons.update();
        weapons.draw();
        saveShot(shots, "weapons");
        // A choice whose save failed: the notice on the wall under the panel.
        weapons.notKept = true;
        weapons.draw();
        saveShot(shots, "weapons_not_kept");
        expectLightCard(weaponSelectScreen2::kNotice);
    }
    {
        allySelectScreen allies;
        allies.init(screen);
        allies.moveSelection(1, 1);
        allies.update();
        allies.draw();
        saveShot(shots, "allies");
        // A choice whose save failed: the notice under the grid.
        allies.notKept = true;
        allies.draw();
        saveShot(shots, "allies_not_kept");
        expectLightCard(allySelectScreen::kNotice);
    }
}
