// The window-size, volume and key-mapping screens: settings and pads written, failures undone, the window
// followed.
#include "engine/globals.h"
#include "engine/platform.h"
#include "engine/present.h"
#include "engine/startup.h"
#include "screens/controller_options.h"
#include "screens/main_menu.h"
#include "screens/options.h"
#include "tests/control/control_fixture.h"
#include "tests/screens/fight_fixture.h"
#include "tests/support/test_support.h"

#include <climits>
#include <gtest/gtest.h>

using namespace testing_support;

namespace
{
const std::string kConfirm = "Menu_Confirm01";
const std::string kCancel = "Menu_Cancel01";

class OptionsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        openTestVideo();
        fullyQuit = false;
        config = configFile();
        writePads();
        makeDirs("data/gameFiles");
    }
    void TearDown() override
    {
        setFrameObserver(nullptr);
        setVideoModeSetter(nullptr);
        fullyQuit = false;
        config = configFile();
        SCREEN_WIDTH = 640;
        SCREEN_HEIGHT = 480;
        drainQueue();
        openTestVideo();
    }
    std::string settings() { return readFile(kConfigPath); }
    ScratchDir dir;
    SoundRecorder sounds;
};

// Down `n` times from the top, then confirm.
void choose(buttonSet& buttons, int n)
{
    buttons.setSelection(0);
    for (int i = 0; i < n; ++i)
        pushKey(SDLK_DOWN);
    pushKey(kConfirm1);
}

TEST_F(OptionsTest, ASizeIsSavedAndShownAtOnce)
{
    std::vector<std::pair<int, Uint32>> modes;
    setVideoModeSetter(
        [&](int w, int h, int bpp, Uint32 flags)
        {
            modes.push_back({w, flags});
            return SDL_SetVideoMode(w, h, bpp, flags);
        });
    optionsScreenSizeScreen sizes;
    sizes.init(screen);
    choose(sizes.buttons, 2);
    sizes.update();
    EXPECT_FALSE(sizes.done) << "another size can be tried at once";
    EXPECT_EQ(settings(), "1.0.1\n0\n800\n600\n60\n60\n");
    EXPECT_EQ(SCREEN_WIDTH, 800);
    EXPECT_EQ(SCREEN_HEIGHT, 600);
    ASSERT_NE(windowSurface(), nullptr);
    EXPECT_EQ(windowSurface()->w, 800);
    // Then full screen at 640x480 on the same visit.
    choose(sizes.buttons, 0);
    sizes.update();
    EXPECT_EQ(settings(), "1.0.1\n1\n640\n480\n60\n60\n");
    EXPECT_EQ(modes, (std::vector<std::pair<int, Uint32>>{{800, SDL_HWPALETTE},
                                                          {640, SDL_FULLSCREEN | SDL_HWPALETTE}}));
    EXPECT_EQ(sounds.names(), (std::vector<std::string>{kConfirm, kConfirm}));
    choose(sizes.buttons, 4);
    sizes.update();
    EXPECT_TRUE(sizes.done);
    EXPECT_EQ(sounds.names().back(), kCancel);
}

TEST_F(OptionsTest, NoKeyStaysHeldAcrossAChangeOfSize)
{
    // On X11 the new window never hears the confirm key go up, and the mode
    // change itself says nothing of the keys. Were SDL still to count the key
    // as held, it would drop its next press as a repeat.
    SDL_Surface* other = SDL_CreateRGBSurface(SDL_SWSURFACE, 800, 600, 32, screen->format->Rmask,
                                              screen->format->Gmask, screen->format->Bmask, 0);
    setVideoModeSetter([&](int, int, int, Uint32) { return other; });
    optionsScreenSizeScreen sizes;
    sizes.init(screen);
    choose(sizes.buttons, 2);
    SDL_GetKeyState(nullptr)[kConfirm1] = SDL_PRESSED;
    sizes.update();
    ASSERT_EQ(windowSurface(), other);
    EXPECT_EQ(SDL_GetKeyState(nullptr)[kConfirm1], SDL_RELEASED);
    setWindowSurface(nullptr);
    SDL_FreeSurface(other);
}

TEST_F(OptionsTest, AModeTheDisplayRefusesLeavesEverythingAsItWas)
{
    config.soundVolume = 33;
    config.saveConfigFile();
    const std::string before = settings();
    setVideoModeSetter([](int w, int h, int bpp, Uint32 flags)
                       { return w == 1024 ? nullptr : SDL_SetVideoMode(w, h, bpp, flags); });
    optionsScreenSizeScreen sizes;
    sizes.init(screen);
    choose(sizes.buttons, 3);
    sizes.update();
    EXPECT_EQ(settings(), before);
    EXPECT_EQ(config.width, 640);
    EXPECT_EQ(SCREEN_WIDTH, 640);
    EXPECT_EQ(SCREEN_HEIGHT, 480);
    ASSERT_NE(windowSurface(), nullptr);
    EXPECT_EQ(windowSurface()->w, 640);
    sizes.draw(); // still draws
}

TEST_F(OptionsTest, ANewWindowSurfaceGetsTheNextFrame)
{
    // SDL may hand back another surface when the mode changes.
    SDL_Surface* other = SDL_CreateRGBSurface(SDL_SWSURFACE, 800, 600, 32, screen->format->Rmask,
                                              screen->format->Gmask, screen->format->Bmask, 0);
    setVideoModeSetter([&](int, int, int, Uint32) { return other; });
    SDL_FillRect(other, nullptr, 0);
    optionsScreenSizeScreen sizes;
    sizes.init(screen);
    choose(sizes.buttons, 2);
    sizes.update();
    EXPECT_EQ(windowSurface(), other);
    // The menu composes into `screen` as before (no pictures here, so what was
    // there stays); its next frame lands zoomed in the new window.
    SDL_FillRect(screen, nullptr, SDL_MapRGB(screen->format, 200, 10, 10));
    sizes.draw();
    EXPECT_EQ(pixelAt(other, 790, 590), SDL_MapRGB(other->format, 200, 10, 10));
    setWindowSurface(nullptr);
    SDL_FreeSurface(other);
}

// Volumes: right and left by 10 within 0..127, the stick without a sound,
// Escape keeps the effects level in force without writing, save writes both.
struct VolumeCase
{
    const char* name;
    int music, effects; // in the settings before
    int selected;       // 0 music, 1 effects, 2 save
    std::function<void()> push;
    int musicAfter, effectsAfter; // on the screen
    int configEffects;            // in force afterwards
    std::vector<std::string> sounds;
    bool done;
    bool written;
};

void PrintTo(const VolumeCase& c, std::ostream* os)
{
    *os << c.name;
}

class VolumeTable : public OptionsTest, public ::testing::WithParamInterface<VolumeCase>
{
};

TEST_P(VolumeTable, ChangesSoundsAndSaves)
{
    const VolumeCase& c = GetParam();
    writePads(0);
    config.musicVolume = c.music;
    config.soundVolume = c.effects;
    optionsMusicScreen volumes;
    volumes.init(screen);
    GPad1.xAxisCentred = GPad1.yAxisCentred = true; // the stick at rest
    volumes.buttons.setSelection(c.selected);
    c.push();
    volumes.update();
    EXPECT_EQ(volumes.musicVolume, c.musicAfter);
    EXPECT_EQ(volumes.effectsVolume, c.effectsAfter);
    EXPECT_EQ(volumes.musicBar.value, c.musicAfter);
    EXPECT_EQ(volumes.effectsBar.value, c.effectsAfter);
    EXPECT_EQ(config.soundVolume, c.configEffects);
    EXPECT_EQ(sounds.names(), c.sounds);
    EXPECT_EQ(volumes.done, c.done);
    if (c.written)
        EXPECT_EQ(settings(), "1.0.1\n0\n640\n480\n" + std::to_string(c.musicAfter) + "\n" +
                                  std::to_string(c.effectsAfter) + "\n");
    else
        EXPECT_FALSE(fileExists(kConfigPath));
}

void pushEvent(SDL_Event e)
{
    SDL_PushEvent(&e);
}

INSTANTIATE_TEST_SUITE_P(
    Volumes, VolumeTable,
    ::testing::Values(
        VolumeCase{"RightStopsAt127",
                   120,
                   60,
                   0,
                   [] { pushKey(SDLK_RIGHT); },
                   127,
                   60,
                   60,
                   {kConfirm},
                   false,
                   false},
        VolumeCase{"LeftStopsAt0", 60, 5, 1, [] { pushKey(SDLK_LEFT); }, 60, 0, 0, {kCancel}, false, false},
        // Up and down are tested before right and left: a key bound to down and
        // right moves to the effects bar and raises it.
        VolumeCase{"AKeyForDownAndRightMovesFirst",
                   60,
                   60,
                   0,
                   []
                   {
                       GPad1.keyRight = GPad1.keyDown;
                       pushKey(static_cast<SDLKey>(GPad1.keyDown));
                   },
                   60,
                   70,
                   70,
                   {kConfirm},
                   false,
                   false},
        // Hand-edited settings volumes (config.conf lines "2147483647", "-2147483648")
        // start within the bars' 0..127, so a step never overflows.
        VolumeCase{"TheIntEndsShowAsTheBarsEnds", INT_MAX, INT_MIN, 2, [] {}, 127, 0, 0, {}, false, false},
        VolumeCase{"RightFromTheIntTopStopsAt127",
                   INT_MAX,
                   60,
                   0,
                   [] { pushKey(SDLK_RIGHT); },
                   127,
                   60,
                   60,
                   {kConfirm},
                   false,
                   false},
        VolumeCase{"LeftFromTheIntBottomStopsAt0",
                   60,
                   INT_MIN,
                   1,
                   [] { pushKey(SDLK_LEFT); },
                   60,
                   0,
                   0,
                   {kCancel},
                   false,
                   false},
        VolumeCase{"EscapeWritesNothing",
                   60,
                   60,
                   1,
                   []
                   {
                       pushKey(SDLK_RIGHT);
                       pushKey(SDLK_ESCAPE);
                   },
                   60,
                   70,
                   70,
                   {kConfirm},
                   true,
                   false},
        VolumeCase{"SaveWritesBoth",
                   60,
                   60,
                   0,
                   []
                   {
                       pushKey(SDLK_RIGHT);
                       pushKey(SDLK_DOWN);
                       pushKey(SDLK_LEFT);
                       pushKey(SDLK_DOWN);
                       pushKey(kConfirm1);
                   },
                   70,
                   50,
                   50,
                   {kConfirm, kCancel, kCancel},
                   true,
                   true},
        // Confirm on a bar does nothing.
        VolumeCase{"ConfirmOnABar", 60, 60, 0, [] { pushKey(kConfirm1); }, 60, 60, 60, {}, false, false},
        // The stick steps once per push, silently; held, it does not repeat.
        VolumeCase{"StickSteps",
                   60,
                   60,
                   1,
                   []
                   {
                       pushEvent(joyAxisEvent(0, 0, 30000));
                       pushEvent(joyAxisEvent(0, 0, 31000));
                       pushEvent(joyAxisEvent(0, 0, 0));
                       pushEvent(joyAxisEvent(0, 0, -30000));
                       pushEvent(joyAxisEvent(0, 0, 0));
                       pushEvent(joyAxisEvent(0, 0, -30000));
                       pushEvent(joyAxisEvent(0, 1, -30000));
                   },
                   60,
                   50,
                   50,
                   {},
                   false,
                   false}),
    [](const ::testing::TestParamInfo<VolumeCase>& info) { return std::string(info.param.name); });

TEST_F(OptionsTest, VolumeStickMovesBetweenBarsToo)
{
    writePads(0);
    optionsMusicScreen volumes;
    volumes.init(screen);
    GPad1.xAxisCentred = GPad1.yAxisCentred = true;
    SDL_Event down = joyAxisEvent(0, 1, 30000);
    SDL_PushEvent(&down);
    volumes.update();
    EXPECT_EQ(volumes.buttons.getSelected(), 1);
}

// The key-mapping screen for player 1, opened over the fight tests' pads.
class MappingTest : public OptionsTest
{
protected:
    void SetUp() override
    {
        OptionsTest::SetUp();
        original = readFile(kPad1Path);
        mapping.init(screen, 1);
    }
    void chooseEntry(int n)
    {
        mapping.buttons.setSelection(n);
        pushKey(static_cast<SDLKey>(GPad1.keyA));
        mapping.update();
    }
    std::string original;
    optionsPlayerControllerScreen mapping;
};

const SDLKey kNewKeys[8] = {SDLK_w, SDLK_s, SDLK_a, SDLK_d, SDLK_j, SDLK_k, SDLK_l, SDLK_p};

TEST_F(MappingTest, EightKeysLandInOrderAndSaveRewritesThePadFile)
{
    chooseEntry(0);
    EXPECT_EQ(mapping.mode, optionsPlayerControllerScreen::EnterKeys);
    EXPECT_EQ(GPad1.keyUp, '?');
    // Ten presses in one queue: the eighth ends the entry, the rest are dropped.
    for (SDLKey k : kNewKeys)
        pushKey(k);
    pushKey(SDLK_q);
    pushKey(SDLK_e);
    mapping.update();
    EXPECT_EQ(mapping.mode, optionsPlayerControllerScreen::Menu);
    EXPECT_EQ(mapping.entry, 0);
    const int keys[8] = {GPad1.keyUp, GPad1.keyDown, GPad1.keyLeft, GPad1.keyRight,
                         GPad1.keyA,  GPad1.keyB,    GPad1.keyC,    GPad1.keyPause};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(keys[i], kNewKeys[i]) << i;
    EXPECT_EQ(GPad1.buttonA, 0) << "fields past the keys are untouched";
    EXPECT_EQ(GPad1.keySpare1, 0);

    chooseEntry(3);
    EXPECT_TRUE(mapping.done);
    // left, right, down, up, A, B, C, two spare keys, pause, joystick, its name, buttons
    EXPECT_EQ(readFile(kPad1Path),
              "1.0\ndefualt\n97\n100\n115\n119\n106\n107\n108\n0\n0\n112\n-1\n\n0\n1\n2\n0\n0\n9\n");
    EXPECT_EQ(sounds.names(), (std::vector<std::string>{kConfirm, kConfirm}));

    // The main menu that opens next shows the new names in its legend.
    mainMenu menu;
    menu.init(screen);
    EXPECT_EQ(GPad1.keyA, SDLK_j);
    EXPECT_STREQ(keyName(GPad1.keyUp), "w");
}

TEST_F(MappingTest, EscapeOrAClosedWindowDuringEntryPutsThePadBack)
{
    for (bool closeWindow : {false, true})
    {
        chooseEntry(0);
        pushKey(SDLK_w);
        pushKey(SDLK_s);
        pushKey(SDLK_a);
        if (closeWindow)
            pushQuit();
        else
            pushKey(SDLK_ESCAPE);
        pushKey(SDLK_d); // after the entry ended: not stored
        mapping.update();
        EXPECT_EQ(mapping.mode, optionsPlayerControllerScreen::Menu) << closeWindow;
        EXPECT_EQ(GPad1.keyUp, SDLK_UP) << closeWindow;
        EXPECT_EQ(GPad1.keyLeft, SDLK_LEFT) << closeWindow;
        EXPECT_EQ(readFile(kPad1Path), original) << closeWindow;
        EXPECT_EQ(sounds.names().back(), kCancel);
    }
}

TEST_F(MappingTest, ButtonsBindTheFirstJoystickAndJoystickOffKeepsThem)
{
    chooseEntry(1);
    EXPECT_EQ(mapping.mode, optionsPlayerControllerScreen::EnterButtons);
    EXPECT_EQ(GPad1.joystickIndex, -1);
    pushKey(SDLK_w); // keys are not buttons
    for (auto [joystick, button] : {std::pair{1, 5}, {0, 6}, {0, 7}, {1, 8}, {1, 9}})
    {
        SDL_Event e = joyButtonEvent(joystick, button);
        SDL_PushEvent(&e);
    }
    mapping.update();
    EXPECT_EQ(mapping.mode, optionsPlayerControllerScreen::Menu);
    EXPECT_EQ(GPad1.joystickIndex, 1);
    EXPECT_EQ((std::vector<int>{GPad1.buttonA, GPad1.buttonB, GPad1.buttonC, GPad1.buttonPause}),
              (std::vector<int>{5, 6, 7, 8}));
    EXPECT_EQ(GPad1.keyUp, SDLK_UP);

    chooseEntry(2);
    mapping.update(); // joystick off takes one update
    EXPECT_EQ(GPad1.joystickIndex, -1);
    chooseEntry(3);
    EXPECT_EQ(readFile(kPad1Path),
              "1.0\ndefualt\n276\n275\n274\n273\n122\n120\n99\n0\n0\n13\n-1\n\n5\n6\n7\n0\n0\n8\n");
}

TEST_F(MappingTest, EscapeInTheMenuReloadsBothPadsSilently)
{
    GPad1.keyA = SDLK_F1;
    GPad2.keyA = SDLK_F2;
    pushKey(SDLK_ESCAPE);
    mapping.update();
    EXPECT_TRUE(mapping.done);
    EXPECT_EQ(GPad1.keyA, kConfirm1);
    EXPECT_EQ(GPad2.keyA, kConfirm2);
    EXPECT_TRUE(sounds.names().empty());
}
} // namespace
