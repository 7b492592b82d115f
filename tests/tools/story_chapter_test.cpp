// The story's first chapter on the generated tree and the game's own screens,
// headless on the test clock: the map confirmed on node 0, scene 1 skipped,
// level 0 cleared by the scripted player, the loot screen dismissed, the map
// left; the reward is then in the save.
#include "content/backgrounds.h"
#include "content/data_tree.h"
#include "content/roster/roster.h"
#include "content/story.h"
#include "control/beat_em_up_control.h"
#include "engine/clock.h"
#include "engine/gamepad.h"
#include "engine/globals.h"
#include "engine/present.h"
#include "modes/save_files.h"
#include "modes/story_mode.h"
#include "screens/beat_em_up_stage.h"
#include "tests/support/test_support.h"
#include "tools/stagerun/scripted_player.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

using namespace testing_support;

namespace
{
// Story mode on its real steps, telling the test which one is showing and
// handing each stage to the scripted player.
class WatchedStoryMode : public storyMode
{
public:
    enum class Showing
    {
        Nothing,
        Map,
        Scene,
        Stage,
        Loot
    };

    void look(SDL_Surface* s)
    {
        const bool fresh = framesShown++ == 0;
        switch (showing)
        {
        case Showing::Map:
            if (fresh)
            {
                shoot(s, "story-map-" + std::to_string(maps));
                press(maps == 1 ? GPad1.keyA : SDLK_ESCAPE);
            }
            break;
        case Showing::Scene:
            // The first line is being typed; B skips the scene at its wait.
            if (framesShown == 30)
            {
                shoot(s, "story-scene-1");
                press(GPad1.keyB);
            }
            break;
        case Showing::Stage:
            if (bot)
                bot->step();
            if (framesShown == 200)
                shoot(s, "story-stage-0");
            break;
        case Showing::Loot:
            if (fresh)
            {
                shoot(s, "story-loot-1");
                press(GPad1.keyA);
            }
            break;
        case Showing::Nothing:
            break;
        }
    }

    std::vector<std::string> log;
    int maps = 0;

protected:
    MapChoice map(int cursor) override
    {
        ++maps;
        show(Showing::Map);
        const MapChoice choice = storyMode::map(cursor);
        log.push_back("map " + std::to_string(choice.node) + (choice.backedOut ? " left" : ""));
        return choice;
    }
    void scene(int number) override
    {
        show(Showing::Scene);
        storyMode::scene(number);
        log.push_back("scene " + std::to_string(number));
    }
    void playStage(beatEmUpStage& stage) override
    {
        bot = std::make_unique<scriptedPlayer>(&stage, stage.player, true);
        show(Showing::Stage);
        storyMode::playStage(stage);
        show(Showing::Nothing);
        bot.reset();
        log.push_back(std::string("stage ") + (stage.finished ? "finished" : "left") + " by " +
                      std::to_string(stage.getWinner()));
    }
    void reward(int bundle) override
    {
        show(Showing::Loot);
        storyMode::reward(bundle);
        log.push_back("reward " + std::to_string(bundle));
    }

private:
    void show(Showing what)
    {
        showing = what;
        framesShown = 0;
    }
    static void press(int key) { pushKey(static_cast<SDLKey>(key)); }
    static void shoot(SDL_Surface* s, const std::string& name)
    {
        makeDirs(QUILLFEN_SCREENSHOT_DIR);
        SDL_SaveBMP(s, (std::string(QUILLFEN_SCREENSHOT_DIR) + "/" + name + ".bmp").c_str());
    }

    Showing showing = Showing::Nothing;
    int framesShown = 0;
    std::unique_ptr<scriptedPlayer> bot;
};

// Scene 1's pictures, the box and blanks the dialogue screen starts with.
const std::vector<std::string> kSceneOnePictures = {
    "blankBg",          "blankChara",        "diaBox",           "scene0/failgame",  "scene0/failgame2",
    "scene0/failgame3", "scene0/nicksRoom",  "scene0/nicksGear", "scene0/nicksHall", "scene0/kill1",
    "scene0/exit",      "scene0/nickGaming", "scene0/nickBat",   "scene0/news",      "scene0/landLord"};

TEST(StoryChapter, TheFirstChapterPlayedOnTheGameScreensSavesItsReward)
{
    ScratchDir dir;
    SDL_Surface* screen = openTestVideo();
    ASSERT_NE(screen, nullptr);
    ASSERT_TRUE(
        datagen::generateDataTree(".", {"gamefiles", "effects", "faces", "fightsounds", "fonts", "fighthud",
                                        "hud", "buttonicons", "overlays", "pause", "menusounds", "gamepads",
                                        "music", "goarrows", "loading", "levelselect", "loot"}));
    // A new save fights with the bat in both hands.
    ASSERT_TRUE(datagen::writeCharacters("data", {"NickBBBat", "ZombieGuy", "FatZombie", "PostBox"}));
    ASSERT_TRUE(datagen::writeStageBackgrounds("data", {"nicksPlace"}));
    ASSERT_TRUE(datagen::writeStoryPictures("data", kSceneOnePictures));

    fullyQuit = false;
    freezeEnd = 0;
    RequiredTestClock clock;
    setTestClockAutoAdvance(1);
    g_randomNumber.seed(1);
    drainQueue();

    WatchedStoryMode mode;
    mode.init(screen);
    unsigned long frames = 0;
    setFrameObserver(
        [&](SDL_Surface* s)
        {
            // A runaway chapter is ended as if the window were closed.
            if (++frames > 200000)
                fullyQuit = true;
            mode.look(s);
        });
    mode.update();
    setFrameObserver(nullptr);

    EXPECT_FALSE(fullyQuit) << "ran away after " << frames << " frames";
    fullyQuit = false;
    const std::vector<std::string> want = {"map 0", "scene 1", "stage finished by 1", "reward 1",
                                           "map 0 left"};
    EXPECT_EQ(mode.log, want);

    storyFile saved;
    saved.loadStoryFile();
    EXPECT_EQ(saved.progress, 2);
    EXPECT_EQ(saved.coins, 120);
    EXPECT_EQ(saved.weapons[1].exp, 200);
    EXPECT_EQ(saved.weapons[1].level, 1);
}
} // namespace
