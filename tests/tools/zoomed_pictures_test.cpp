// The game's own pictures zoomed to the window sizes players choose: the
// scaler shows every pixel as SDL_gfx's zoomSurface does, on the main menu, a
// fight over its backdrop and the first frame of an arcade stage.
#include "engine/background.h"
#include "engine/clock.h"
#include "engine/globals.h"
#include "engine/present.h"
#include "engine/sprite.h"
#include "engine/sprite_sheet.h"
#include "modes/arcade_mode.h"
#include "screens/main_menu.h"
#include "tests/support/test_support.h"
#include "tests/support/zoom_check.h"

#include <gtest/gtest.h>
#include <unistd.h>

using namespace testing_support;

namespace
{
const std::vector<WindowSize> kSizes = {{800, 600}, {1024, 768}, {641, 481}, {1920, 1440}};

// A copy of the game's finished 640x480 picture, as presentFrame is handed it.
OwnedSurface copyOfScreen()
{
    OwnedSurface copy = makeWindowLike(640, 480);
    SDL_BlitSurface(screen, nullptr, copy.get(), nullptr);
    return copy;
}

class ZoomedPictures : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // The build's own tree: the pictures as the game ships them.
        ASSERT_EQ(symlink(QUILLFEN_DATA_TREE, "data"), 0);
        ASSERT_NE(openTestVideo(), nullptr);
        g_randomNumber.seed(1);
        fullyQuit = false;
    }
    void TearDown() override
    {
        setFrameObserver(nullptr);
        fullyQuit = false;
    }
    ScratchDir dir;
    RequiredTestClock clock;
};

TEST_F(ZoomedPictures, MainMenu)
{
    mainMenu menu;
    menu.init(screen);
    menu.draw();
    const OwnedSurface picture = copyOfScreen();
    expectScaledAsZoomSurface(picture.get(), kSizes);
}

// Two fighters in the middle of blows, one mirrored, over a fight's backdrop
// under the round's opening overlay.
TEST_F(ZoomedPictures, Fight)
{
    background backdrop(screen);
    backdrop.init("burningBase");
    backdrop.draw(100, 0);
    const struct
    {
        const char* sheet;
        int frame, x, y;
        bool facingRight;
    } drawn[] = {
        {"data/characters/Nick/ImpaleStrike", 1, 120, 180, true},
        {"data/characters/Nick/BloodBath", 1, 330, 170, false},
        {"data/fightStart", 0, 95, 150, true},
    };
    for (const auto& d : drawn)
    {
        CSpriteBase sheet;
        sheet.init(d.sheet);
        ASSERT_GT(sheet.frameCount(), d.frame) << d.sheet;
        CSprite sprite;
        sprite.init(&sheet, screen);
        sprite.setFrame(d.frame);
        sprite.x = d.x;
        sprite.y = d.y;
        sprite.drawD(d.facingRight);
    }
    const OwnedSurface picture = copyOfScreen();
    expectScaledAsZoomSurface(picture.get(), kSizes);
}

TEST_F(ZoomedPictures, ArcadeStage)
{
    setTestClockAutoAdvance(1);
    arcadeMode mode;
    mode.init(screen);
    mode.player1Name = "Nick";
    OwnedSurface picture;
    setFrameObserver(
        [&](SDL_Surface* shown)
        {
            // The HUD holds the player only while a stage runs.
            if (picture || fullyQuit || !mode.fightUI.fighter1)
                return;
            picture = makeWindowLike(640, 480);
            SDL_BlitSurface(shown, nullptr, picture.get(), nullptr);
            fullyQuit = true;
        });
    mode.selectLevel(1);
    setFrameObserver(nullptr);
    ASSERT_TRUE(picture);
    expectScaledAsZoomSurface(picture.get(), kSizes);
}
} // namespace
