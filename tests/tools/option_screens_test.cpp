// The options, small menus and winner screen over the generated data: the
// sizes and places the screens rely on, read back through the game's loaders,
// and a screenshot of each as a player sees it.
#include "content/data_tree.h"
#include "content/roster/roster.h"
#include "content/screens.h"

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

#include <algorithm>
#include <cmath>
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

TEST(MenuButtonLabels, FitBetweenTheSelectedButtonsArrows)
{
    // The arrows: the dark marks on a selected button that carries no label.
    const datagen::Canvas bare = datagen::menuButton("", true);
    int leftTip = -1, rightTip = bare.width();
    for (int y = 0; y < bare.height(); ++y)
        for (int x = 0; x < bare.width(); ++x)
        {
            const datagen::Colour& p = bare.at(x, y);
            if (p.a < 0.5f || p.r > 0.4f || p.g > 0.1f)
                continue;
            if (x < bare.width() / 2)
                leftTip = std::max(leftTip, x);
            else
                rightTip = std::min(rightTip, x);
        }
    ASSERT_GT(leftTip, 0);
    ASSERT_LT(rightTip, bare.width());

    for (const char* label : {"640\xC3\x97"
                              "480 FULL SCREEN",
                              "640\xC3\x97"
                              "480 WINDOW",
                              "PAD BUTTONS", "JOYSTICK OFF", "SCREEN SIZE", "RESET DATA", "STORY"})
    {
        SCOPED_TRACE(label);
        const datagen::Canvas lit = datagen::menuButton(label, true);
        int x0 = lit.width(), x1 = -1, y0 = lit.height(), y1 = -1;
        for (int y = 0; y < lit.height(); ++y)
            for (int x = 0; x < lit.width(); ++x)
            {
                const datagen::Colour &a = lit.at(x, y), &b = bare.at(x, y);
                if (std::fabs(a.r - b.r) + std::fabs(a.g - b.g) + std::fabs(a.b - b.b) +
                        std::fabs(a.a - b.a) >
                    0.02f)
                {
                    x0 = std::min(x0, x);
                    x1 = std::max(x1, x);
                    y0 = std::min(y0, y);
                    y1 = std::max(y1, y);
                }
            }
        EXPECT_GT(x0, leftTip + 1);
        EXPECT_LT(x1, rightTip - 1);
        EXPECT_GE(y1 - y0, 9) << "the label stays readable";
    }
}

TEST_F(OptionScreens, KeyLeadersEndInsideTheNarrowestKeyBoxes)
{
    // Every key named by one narrow letter: the smallest boxes the game draws.
    optionsPlayerControllerScreen s;
    s.init(screen, 1);
    const gamePad saved = GPad1;
    for (int* key : {&GPad1.keyUp, &GPad1.keyDown, &GPad1.keyLeft, &GPad1.keyRight, &GPad1.keyA, &GPad1.keyB,
                     &GPad1.keyC, &GPad1.keyPause})
        *key = SDLK_i;
    GPad1.joystickIndex = -1;
    s.draw();
    GPad1 = saved;

    // The boxes, found by their fill.
    const int w = screen->w, h = screen->h;
    std::vector<int> seen(static_cast<std::size_t>(w * h), 0);
    const auto at = [&](int x, int y) -> int& { return seen[static_cast<std::size_t>(y * w + x)]; };
    const auto boxFill = [&](int x, int y) { return (pixelAt(screen, x, y) & 0xFFFFFF) == 0x7FF500u; };
    const auto leader = [&](int x, int y)
    {
        Uint8 r, g, b;
        SDL_GetRGB(pixelAt(screen, x, y), screen->format, &r, &g, &b);
        // The leaders' pale gold core.
        return r > 230 && g > 190 && g < 225 && b > 105 && b < 140;
    };
    struct Box
    {
        int x0, y0, x1, y1;
    };
    std::vector<Box> boxes;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
        {
            if (!boxFill(x, y) || at(x, y))
                continue;
            Box b{x, y, x, y};
            std::vector<std::pair<int, int>> todo{{x, y}};
            at(x, y) = 1;
            while (!todo.empty())
            {
                const auto [px, py] = todo.back();
                todo.pop_back();
                b = {std::min(b.x0, px), std::min(b.y0, py), std::max(b.x1, px), std::max(b.y1, py)};
                for (const auto& [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}})
                {
                    const int nx = px + dx, ny = py + dy;
                    if (nx >= 0 && ny >= 0 && nx < w && ny < h && !at(nx, ny) && boxFill(nx, ny))
                    {
                        at(nx, ny) = 1;
                        todo.push_back({nx, ny});
                    }
                }
            }
            if (b.x1 - b.x0 > 3 && b.y1 - b.y0 > 10)
                boxes.push_back(b);
        }
    ASSERT_EQ(boxes.size(), 8u);

    // Round each box, every stretch of leader runs on away from it: a stretch
    // that stops within a few pixels of the box is a line's end poking out past it.
    constexpr int kNear = 12;
    for (const Box& b : boxes)
    {
        SCOPED_TRACE(std::to_string(b.x0) + "," + std::to_string(b.y0));
        const Box near{b.x0 - kNear, b.y0 - kNear, b.x1 + kNear, b.y1 + kNear};
        std::vector<std::pair<int, int>> ring;
        for (int y = near.y0; y <= near.y1; ++y)
            for (int x = near.x0; x <= near.x1; ++x)
                if ((x < b.x0 || x > b.x1 || y < b.y0 || y > b.y1) && x >= 0 && y >= 0 && x < w && y < h &&
                    leader(x, y))
                    ring.push_back({x, y});
        std::vector<bool> done(ring.size(), false);
        for (std::size_t i = 0; i < ring.size(); ++i)
        {
            if (done[i])
                continue;
            bool runsOn = false;
            std::vector<std::size_t> todo{i};
            done[i] = true;
            while (!todo.empty())
            {
                const auto [x, y] = ring[todo.back()];
                todo.pop_back();
                runsOn =
                    runsOn || x <= near.x0 + 1 || x >= near.x1 - 1 || y <= near.y0 + 1 || y >= near.y1 - 1;
                for (std::size_t j = 0; j < ring.size(); ++j)
                    if (!done[j] && std::abs(ring[j].first - x) <= 2 && std::abs(ring[j].second - y) <= 2)
                    {
                        done[j] = true;
                        todo.push_back(j);
                    }
            }
            EXPECT_TRUE(runsOn) << "a leader ends at " << ring[i].first << "," << ring[i].second;
        }
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
