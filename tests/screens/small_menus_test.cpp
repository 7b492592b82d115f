// The small menus and the options screens: what each entry does, which sound it plays and which files it
// writes.
#include "engine/globals.h"
#include "engine/present.h"
#include "engine/startup.h"
#include "modes/save_files.h"
#include "screens/controller_options.h"
#include "screens/options.h"
#include "screens/small_menus.h"
#include "tests/control/control_fixture.h"
#include "tests/screens/fight_fixture.h"
#include "tests/support/test_support.h"

#include <dirent.h>
#include <functional>
#include <gtest/gtest.h>
#include <map>

using namespace testing_support;

namespace
{
const std::string kConfirm = "Menu_Confirm01";
const std::string kCancel = "Menu_Cancel01";
const std::string kDefaultStory = "1\n1\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n" + []
{
    std::string rest;
    for (int i = 0; i < 7; ++i)
        rest += "1\n0\n0\n";
    return rest;
}();
const std::string kDefaultAllies = "0\n0\n1\n1\n1\n1\n1\n1\n1\n1\nMerrowby\n";
const std::string kDefaultSettings = "1.0.1\n0\n640\n480\n60\n60\n";

using Files = std::map<std::string, std::string>;

// Every file in data/gameFiles with its contents.
Files savedFiles()
{
    Files files;
    if (DIR* d = opendir("data/gameFiles"))
    {
        while (dirent* e = readdir(d))
        {
            const std::string name = e->d_name;
            if (name != "." && name != "..")
                files[name] = readFile("data/gameFiles/" + name);
        }
        closedir(d);
    }
    return files;
}

// The menus' world: the two pads of the fight tests (arrows, 'z' confirms),
// old saves to be kept or replaced, settings at their defaults, no pictures.
class MenuTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        openTestVideo();
        fullyQuit = false;
        config = configFile();
        writePads();
        writeFile(kStoryPath, "5\n");
        writeFile(kAlliesPath, "3\n");
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
    ScratchDir dir;
    SoundRecorder sounds;
};

enum class Input
{
    Up,
    Down,
    Confirm,
    Escape,
    Close
};

void push(const std::vector<Input>& inputs)
{
    for (Input i : inputs)
    {
        switch (i)
        {
        case Input::Up:
            pushKey(SDLK_UP);
            break;
        case Input::Down:
            pushKey(SDLK_DOWN);
            break;
        case Input::Confirm:
            pushKey(kConfirm1);
            break;
        case Input::Escape:
            pushKey(SDLK_ESCAPE);
            break;
        case Input::Close:
            pushQuit();
            break;
        }
    }
}

enum class Menu
{
    Players,
    GameOver,
    Reset,
    Options
};

struct MenuCase
{
    const char* name;
    Menu menu;
    std::vector<Input> inputs;
    bool done;
    std::string results;
    std::vector<std::string> sounds;
    Files files; // data/gameFiles afterwards
};

void PrintTo(const MenuCase& c, std::ostream* os)
{
    *os << c.name;
}

// Opens the menu, pushes the inputs and runs one update.
template <class S> void runOnce(S& s, const std::vector<Input>& inputs, bool& done)
{
    s.init(screen);
    push(inputs);
    s.update();
    done = s.done;
}

class MenuTable : public MenuTest, public ::testing::WithParamInterface<MenuCase>
{
};

TEST_P(MenuTable, EntriesEndWithTheirResultsSoundsAndFiles)
{
    const MenuCase& c = GetParam();
    // Screens an entry opens are left with Escape as soon as they show.
    setFrameObserver([](SDL_Surface*) { pushKey(SDLK_ESCAPE); });
    bool done = false;
    std::string results;
    switch (c.menu)
    {
    case Menu::Players:
    {
        playersScreen s;
        runOnce(s, c.inputs, done);
        results = std::to_string(s.players) + (s.back ? " back" : "");
        break;
    }
    case Menu::GameOver:
    {
        gameOverScreen s;
        runOnce(s, c.inputs, done);
        results = s.choice ? "quit" : "go on";
        break;
    }
    case Menu::Reset:
    {
        resetDataScreen s;
        runOnce(s, c.inputs, done);
        break;
    }
    case Menu::Options:
    {
        optionsScreen s;
        runOnce(s, c.inputs, done);
        break;
    }
    }
    EXPECT_EQ(done, c.done);
    EXPECT_EQ(results, c.results);
    EXPECT_EQ(sounds.names(), c.sounds);
    EXPECT_EQ(savedFiles(), c.files);
}

const Files kOldSaves = {{"story.conf", "5\n"}, {"allies.conf", "3\n"}};
const Files kFreshSaves = {{"story.conf", kDefaultStory}, {"allies.conf", kDefaultAllies}};
const Files kOldSavesAndSettings = {
    {"story.conf", "5\n"}, {"allies.conf", "3\n"}, {"config.conf", kDefaultSettings}};

using I = Input;
INSTANTIATE_TEST_SUITE_P(
    Menus, MenuTable,
    ::testing::Values(
        MenuCase{"OnePlayer", Menu::Players, {I::Confirm}, true, "1", {kConfirm}, kOldSaves},
        MenuCase{"TwoPlayers", Menu::Players, {I::Down, I::Confirm}, true, "2", {kConfirm}, kOldSaves},
        MenuCase{"PlayersBack", Menu::Players, {I::Up, I::Confirm}, true, "1 back", {kCancel}, kOldSaves},
        // Escape goes on with one player, not back.
        MenuCase{"PlayersEscape", Menu::Players, {I::Down, I::Escape}, true, "1", {kCancel}, kOldSaves},
        MenuCase{"PlayersNothing", Menu::Players, {I::Down}, false, "1", {}, kOldSaves},
        MenuCase{"GoOn", Menu::GameOver, {I::Confirm}, true, "go on", {kConfirm}, kOldSaves},
        MenuCase{"Quit", Menu::GameOver, {I::Down, I::Confirm}, true, "quit", {kCancel}, kOldSaves},
        MenuCase{"GameOverEscape", Menu::GameOver, {I::Down, I::Escape}, true, "go on", {kCancel}, kOldSaves},
        // A closed window leaves the choice to go on; the loops end on the quit flag.
        MenuCase{"GameOverClosed", Menu::GameOver, {I::Down, I::Close}, false, "go on", {}, kOldSaves},
        MenuCase{"ResetNo", Menu::Reset, {I::Confirm}, true, "", {kCancel}, kOldSaves},
        MenuCase{"ResetYes", Menu::Reset, {I::Down, I::Confirm}, true, "", {kConfirm}, kFreshSaves},
        MenuCase{"ResetEscape", Menu::Reset, {I::Down, I::Escape}, true, "", {kCancel}, kOldSaves},
        // Each options entry plays its sound, then its screen's way out; leaving
        // the size screen reads the settings again (creating the missing file).
        MenuCase{
            "OptionsSize", Menu::Options, {I::Confirm}, false, "", {kConfirm, kCancel}, kOldSavesAndSettings},
        MenuCase{"OptionsSound", Menu::Options, {I::Down, I::Confirm}, false, "", {kConfirm}, kOldSaves},
        MenuCase{"OptionsControls",
                 Menu::Options,
                 {I::Down, I::Down, I::Confirm},
                 false,
                 "",
                 {kConfirm},
                 kOldSaves},
        MenuCase{"OptionsReset",
                 Menu::Options,
                 {I::Up, I::Up, I::Confirm},
                 false,
                 "",
                 {kConfirm, kCancel},
                 kOldSaves},
        MenuCase{"OptionsBack", Menu::Options, {I::Up, I::Confirm}, true, "", {kCancel}, kOldSaves},
        MenuCase{"OptionsEscape", Menu::Options, {I::Escape}, true, "", {kCancel}, kOldSaves}),
    [](const ::testing::TestParamInfo<MenuCase>& info) { return std::string(info.param.name); });

// The hint ends on Escape and the three action keys, always with the confirm
// sound; a joystick button ends it, heard only when it is one of GPad1's.
struct HintCase
{
    const char* name;
    int joystick; // GPad1's
    std::function<void()> push;
    bool done;
    std::vector<std::string> sounds;
};

void PrintTo(const HintCase& c, std::ostream* os)
{
    *os << c.name;
}

class HintTable : public MenuTest, public ::testing::WithParamInterface<HintCase>
{
};

TEST_P(HintTable, EndsOnTheRightPresses)
{
    const HintCase& c = GetParam();
    writePads(c.joystick);
    hintScreen hint;
    hint.init(screen, 7);
    c.push();
    hint.update();
    EXPECT_EQ(hint.done, c.done);
    EXPECT_EQ(sounds.names(), c.sounds);
}

void pushJoy(SDL_Event e)
{
    SDL_PushEvent(&e);
}

INSTANTIATE_TEST_SUITE_P(
    Hint, HintTable,
    ::testing::Values(HintCase{"Escape", -1, [] { pushKey(SDLK_ESCAPE); }, true, {kConfirm}},
                      HintCase{"KeyA", -1, [] { pushKey(SDLK_z); }, true, {kConfirm}},
                      HintCase{"KeyB", -1, [] { pushKey(SDLK_x); }, true, {kConfirm}},
                      HintCase{"KeyC", -1, [] { pushKey(SDLK_c); }, true, {kConfirm}},
                      HintCase{"ArrowsAndStick",
                               0,
                               []
                               {
                                   pushKey(SDLK_UP);
                                   pushKey(SDLK_DOWN);
                                   pushJoy(joyAxisEvent(0, 1, 30000));
                               },
                               false,
                               {}},
                      HintCase{"PauseButton", 0, [] { pushJoy(joyButtonEvent(0, 9)); }, true, {}},
                      HintCase{"ButtonA", 0, [] { pushJoy(joyButtonEvent(1, 0)); }, true, {kConfirm}},
                      HintCase{"UnmappedButton", 0, [] { pushJoy(joyButtonEvent(0, 7)); }, true, {}},
                      // Without a joystick on GPad1 no button is read.
                      HintCase{"NoJoystick", -1, [] { pushJoy(joyButtonEvent(0, 0)); }, false, {}}),
    [](const ::testing::TestParamInfo<HintCase>& info) { return std::string(info.param.name); });
} // namespace
