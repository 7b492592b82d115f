// The options, small menus and winner screen over the generated data: the
// sizes and places the screens rely on, read back through the game's loaders,
// and a screenshot of each as a player sees it.
#include "content/data_tree.h"
#include "content/roster/roster.h"

#include "engine/font.h"
#include "engine/globals.h"
#include "engine/present.h"
#include "engine/sprite_sheet.h"
#include "engine/text_file.h"
#include "screens/character_select.h"
#include "screens/controller_options.h"
#include "screens/options.h"
#include "screens/small_menus.h"
#include "screens/winner_screen.h"
#include "tests/support/test_support.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>

using namespace testing_support;

namespace
{
class OptionScreens : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        scratch = std::make_unique<ScratchDir>();
        generated =
            datagen::generateDataTree(".", {"gamefiles", "gamepads", "menusounds", "fonts", "fighthud",
                                            "buttonicons", "pause", "options", "winning"}) &&
            datagen::writeCharacters("data", {"Rigby"});
    }
    static void TearDownTestSuite() { scratch.reset(); }
    void SetUp() override
    {
        ASSERT_TRUE(generated);
        ASSERT_NE(openTestVideo(), nullptr);
        fullyQuit = false;
    }
    void TearDown() override { setFrameObserver(nullptr); }

    // Draws one frame of a screen and keeps it as <name>.bmp among the screenshots.
    static void screenshot(const std::string& name, const std::function<void()>& draw)
    {
        makeDirs(QUILLFEN_SCREENSHOT_DIR);
        bool seen = false;
        setFrameObserver(
            [&](SDL_Surface* s)
            {
                seen = true;
                SDL_SaveBMP(s, (std::string(QUILLFEN_SCREENSHOT_DIR) + "/" + name + ".bmp").c_str());
            });
        draw();
        setFrameObserver(nullptr);
        EXPECT_TRUE(seen) << name;
    }

    static std::unique_ptr<ScratchDir> scratch;
    static bool generated;
};
std::unique_ptr<ScratchDir> OptionScreens::scratch;
bool OptionScreens::generated = false;

int brightness(Uint32 pixel)
{
    Uint8 r, g, b;
    SDL_GetRGB(pixel, screen->format, &r, &g, &b);
    return (r + g + b) / 3;
}

// Each frame's size, loaded as the screens load them.
std::vector<std::pair<int, int>> frameSizes(const std::string& dir)
{
    CSpriteBase sheet;
    sheet.init(dir, false);
    std::vector<std::pair<int, int>> sizes;
    for (int i = 0; i < sheet.frameCount(); ++i)
        sizes.push_back({sheet.normalFrame(i)->image->w, sheet.normalFrame(i)->image->h});
    return sizes;
}

TEST_F(OptionScreens, PicturesHaveTheSizesAndPlacesTheScreensUse)
{
    using Sizes = std::vector<std::pair<int, int>>;
    const Sizes screenSize = {{640, 480}};
    const Sizes menuButton = {{192, 30}, {192, 30}};
    struct Case
    {
        std::string dir;
        int buttons;
        Sizes each;
    };
    const Case cases[] = {
        {"data/screens/arcade", 0, screenSize},
        {"data/screens/arcade/Players", 3, menuButton},
        {"data/screens/gameOver", 0, screenSize},
        {"data/screens/hint/hint2", 0, screenSize},
        {"data/screens/resetData", 2, menuButton},
        {"data/screens/options", 5, menuButton},
        {"data/screens/options/ScreenSize", 5, menuButton},
        {"data/screens/options/Controls", 0, screenSize},
        {"data/screens/options/Controls/players", 3, menuButton},
        {"data/screens/options/Controls/map", 4, menuButton},
        {"data/screens/winning", 0, screenSize},
    };
    for (const Case& c : cases)
    {
        if (c.buttons == 0)
        {
            EXPECT_EQ(frameSizes(c.dir), c.each) << c.dir;
        }
        for (int i = 0; i < c.buttons; ++i)
            EXPECT_EQ(frameSizes(c.dir + "/button" + std::to_string(i)), c.each) << c.dir << " " << i;
    }
    // The volume plates span y 150-300 and 300-450, SAVE sits under them.
    EXPECT_EQ(frameSizes("data/screens/options/Sound/buttons/button0"), (Sizes{{280, 150}, {280, 150}}));
    EXPECT_EQ(frameSizes("data/screens/options/Sound/buttons/button1"), (Sizes{{280, 150}, {280, 150}}));
    for (const auto& [w, h] : frameSizes("data/screens/options/Sound/buttons/button2"))
        EXPECT_LE(h, 30) << w;

    // The winner's four frames fit the lit corner.
    const Sizes winner = frameSizes("data/screens/winning/Rigby");
    EXPECT_EQ(winner.size(), 4u);
    for (const auto& [w, h] : winner)
    {
        EXPECT_LE(w, 260);
        EXPECT_LE(h, 400);
    }
}

TEST_F(OptionScreens, EveryFighterHasThreeQuotesThatFitTheLine)
{
    SDLFont* font = initFont("data/font/Calibri2", 0, 0, 0, 1);
    ASSERT_NE(font, nullptr);
    for (const std::string& name : characterSelectScreen::getAllCharacters())
    {
        TextFileReader file;
        ASSERT_TRUE(file.open("data/screens/winning/" + name + "/lines")) << name;
        std::string line;
        ASSERT_TRUE(file.readLine(line));
        EXPECT_EQ(line, "3") << name;
        for (int i = 0; i < 3; ++i)
        {
            ASSERT_TRUE(file.readLine(line)) << name;
            EXPECT_FALSE(line.empty()) << name;
            EXPECT_LE(line.size(), 70u) << name << ": " << line;
            EXPECT_EQ(line.find('%'), std::string::npos) << name;
            EXPECT_LE(stringWidth(font, "%s", line.c_str()) + 5, 640) << name << ": " << line;
        }
        EXPECT_FALSE(file.readLine(line)) << name;
    }
    freeFont(font);
}

TEST_F(OptionScreens, ScreenshotsOfEachScreen)
{
    {
        optionsScreen s;
        s.init(screen);
        screenshot("options", [&] { s.draw(); });
    }
    {
        optionsScreenSizeScreen s;
        s.init(screen);
        s.buttons.setSelection(2);
        screenshot("options_size", [&] { s.draw(); });
    }
    {
        optionsMusicScreen s;
        s.init(screen);
        screenshot("options_sound", [&] { s.draw(); });
    }
    {
        optionsControllerScreen s;
        s.init(screen);
        screenshot("controls", [&] { s.draw(); });
    }
    {
        optionsPlayerControllerScreen s;
        s.init(screen, 1);
        s.mode = optionsPlayerControllerScreen::EnterKeys;
        s.entry = 2;
        screenshot("controls_map", [&] { s.draw(); });
        // The notes stand on dark, the boxes where the labels go.
        EXPECT_LT(brightness(pixelAt(screen, 630, 455)), 60);
        EXPECT_EQ(pixelAt(screen, 148 - 2, 169 - 4) & 0xFFFFFF, 0xFFFF00u) << "the entry being entered";
        EXPECT_EQ(pixelAt(screen, 169 - 2, 123 - 4) & 0xFFFFFF, 0x7FF500u);
    }
    {
        playersScreen s;
        s.init(screen);
        screenshot("players", [&] { s.draw(); });
    }
    {
        gameOverScreen s;
        s.init(screen);
        screenshot("game_over", [&] { s.draw(); });
    }
    {
        resetDataScreen s;
        s.init(screen);
        screenshot("reset_data", [&] { s.draw(); });
    }
    {
        hintScreen s;
        s.init(screen, 2);
        screenshot("hint", [&] { s.draw(); });
    }
    {
        winnerScreen s;
        s.init(screen, "Rigby");
        s.picture.setFrame(3); // the held last frame
        screenshot("winner", [&] { s.draw(); });
        // Black text on a light strip.
        EXPECT_GT(brightness(pixelAt(screen, 630, 410)), 180);
        EXPECT_GT(brightness(pixelAt(screen, 630, 436)), 150);
    }
}
} // namespace
