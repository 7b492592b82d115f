// The level-select map on screen: the nodes' locked and open looks by the
// saved progress, the cursor and the name of the node under it, moves by
// keys and stick, and confirm and back, also in one batch of events.
#include "engine/globals.h"
#include "modes/level_select.h"
#include "modes/save_files.h"
#include "tests/control/control_fixture.h"
#include "tests/screens/fight_fixture.h"
#include "tests/support/test_support.h"

#include <cstring>
#include <gtest/gtest.h>

using namespace testing_support;

namespace
{
constexpr Colour kCity{30, 60, 30};
constexpr Colour kLocked{90, 20, 20};
constexpr Colour kOpen{240, 200, 40};
constexpr Colour kRing{20, 200, 240};

class LevelSelectTest : public ::testing::Test
{
protected:
    LevelSelectTest()
    {
        openTestVideo();
        fullyQuit = false;
        drainQueue();
        writePads(0);
        writeDamageFont();
        makeDirs("data/gameFiles");
        writePictures("data/screens/levelSelect", {Picture{640, 480, kCity}});
        writePictures("data/screens/levelSelect/node", {Picture{20, 20, kLocked}, Picture{20, 20, kOpen}});
        writePictures("data/screens/levelSelect/player", std::vector<Picture>(4, Picture{30, 30, kRing}));
    }
    ~LevelSelectTest() override
    {
        fullyQuit = false;
        drainQueue();
    }

    void openMap(int progress)
    {
        storyFile save;
        save.progress = progress;
        save.saveStoryFile();
        map.init(screen);
    }

    static void pushAxis(int axis, int value)
    {
        SDL_Event e;
        std::memset(&e, 0, sizeof e);
        e.type = SDL_JOYAXISMOTION;
        e.jaxis.which = 0;
        e.jaxis.axis = static_cast<Uint8>(axis);
        e.jaxis.value = static_cast<Sint16>(value);
        SDL_PushEvent(&e);
    }
    static void pushButton(int button)
    {
        SDL_Event e;
        std::memset(&e, 0, sizeof e);
        e.type = SDL_JOYBUTTONDOWN;
        e.jbutton.which = 0;
        e.jbutton.button = static_cast<Uint8>(button);
        SDL_PushEvent(&e);
    }

    ScratchDir dir;
    SoundRecorder sounds;
    levelSelectScreen map;
};

TEST_F(LevelSelectTest, NodesShowTheirLocksAndTheCursorsNodeIsNamed)
{
    openMap(2);
    map.selectedNode = 10; // the locked crossing, as a remembered node may be
    map.draw();
    // Nodes 0 and 1 open, the rest locked; each icon at its spot.
    EXPECT_TRUE(shows(screen, 42 + 10, 242 + 10, kOpen));
    EXPECT_TRUE(shows(screen, 81 + 10, 242 + 10, kOpen));
    EXPECT_TRUE(shows(screen, 132 + 10, 242 + 10, kLocked));
    EXPECT_TRUE(shows(screen, 294 + 10, 160 + 10, kLocked));
    // The ring stands 5 pixels up and left of node 10's icon.
    EXPECT_TRUE(shows(screen, 361 - 5, 275 - 5, kRing));
    EXPECT_FALSE(shows(screen, 361 - 6, 275 - 6, kRing));
    // Its name in black at the top left, also for a locked node.
    EXPECT_TRUE(shows(screen, 2, 2, Colour{0, 0, 0}));
    EXPECT_TRUE(shows(screen, 400, 2, kCity));
    EXPECT_EQ(map.nodes[10].name, std::string("4.1 Double Dragon"));

    // A new save locks every node, node 0 too.
    levelSelectScreen fresh;
    storyFile save;
    save.progress = 0;
    save.saveStoryFile();
    fresh.init(screen);
    fresh.draw();
    EXPECT_TRUE(shows(screen, 81 + 10, 242 + 10, kLocked));
    EXPECT_TRUE(fresh.nodes[0].locked);
}

TEST_F(LevelSelectTest, KeysMoveAlongOpenLinksSilently)
{
    openMap(4);
    struct Step
    {
        SDLKey key;
        int node;
    };
    const Step steps[] = {
        {SDLK_UP, 0}, // no link
        {SDLK_RIGHT, 1}, {SDLK_RIGHT, 2}, {SDLK_UP, 4},    {SDLK_DOWN, 2},
        {SDLK_DOWN, 5},  {SDLK_UP, 2},    {SDLK_RIGHT, 3}, {SDLK_RIGHT, 3}, // node 7 opens at progress 5
        {SDLK_DOWN, 6},
    };
    for (const Step& s : steps)
    {
        pushKey(s.key);
        map.update();
        EXPECT_EQ(map.selectedNode, s.node) << SDL_GetKeyName(s.key);
    }
    EXPECT_FALSE(map.done);
    EXPECT_TRUE(sounds.names().empty());
}

TEST_F(LevelSelectTest, ConfirmAndBackEndTheMapAndLaterEventsInTheBatchAreIgnored)
{
    struct Case
    {
        std::vector<SDLKey> keys;
        int node;
        bool backedOut;
        const char* sound;
    };
    const Case cases[] = {
        {{SDLK_RIGHT, kConfirm1, SDLK_RIGHT}, 1, false, "Menu_Confirm01"},
        {{SDLK_RIGHT, SDLK_ESCAPE, SDLK_LEFT}, 1, true, "Menu_Cancel01"},
        {{SDLK_x}, 0, true, "Menu_Cancel01"},
        {{kConfirm1, SDLK_ESCAPE}, 0, false, "Menu_Confirm01"},
    };
    for (const Case& c : cases)
    {
        levelSelectScreen screenMap;
        storyFile save;
        save.progress = 18;
        save.saveStoryFile();
        screenMap.init(screen);
        sounds.clear();
        for (SDLKey key : c.keys)
            pushKey(key);
        screenMap.update();
        EXPECT_TRUE(screenMap.done);
        EXPECT_EQ(screenMap.selectedNode, c.node);
        EXPECT_EQ(screenMap.backedOut, c.backedOut);
        EXPECT_EQ(sounds.names(), std::vector<std::string>{c.sound});
    }

    // Closing the window ends the loop through fullyQuit alone.
    levelSelectScreen closed;
    closed.init(screen);
    pushQuit();
    closed.update();
    EXPECT_TRUE(fullyQuit);
    EXPECT_FALSE(closed.done);
    EXPECT_FALSE(closed.backedOut);
}

TEST_F(LevelSelectTest, TheStickStepsOncePerPushAndItsButtonsConfirmOrGoBack)
{
    openMap(18);
    GPad1.xAxisCentred = true;
    GPad1.yAxisCentred = true;
    pushAxis(0, 20000); // right
    pushAxis(0, 25000); // still pushed: no second step
    map.update();
    EXPECT_EQ(map.selectedNode, 1);
    pushAxis(0, 0);
    pushAxis(0, -20000); // left
    map.update();
    EXPECT_EQ(map.selectedNode, 0);
    pushAxis(0, 0);
    for (int i = 0; i < 2; ++i)
    {
        pushAxis(0, 20000);
        pushAxis(0, 0);
    }
    pushAxis(1, -20000); // up
    map.update();
    EXPECT_EQ(map.selectedNode, 4);
    pushAxis(1, 0);
    pushAxis(1, 20000); // down
    map.update();
    EXPECT_EQ(map.selectedNode, 2);
    EXPECT_FALSE(map.done);

    pushButton(1);
    map.update();
    EXPECT_TRUE(map.done);
    EXPECT_TRUE(map.backedOut);

    levelSelectScreen other;
    other.init(screen);
    pushButton(0);
    other.update();
    EXPECT_TRUE(other.done);
    EXPECT_FALSE(other.backedOut);
}
} // namespace
