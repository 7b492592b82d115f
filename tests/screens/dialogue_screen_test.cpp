// The dialogue screen played over fixture pictures of distinct colours: what
// each frame shows, the reader's confirm and skip, input drained between
// steps, the music, and builders that are empty, sparse or missing files.
#include "engine/globals.h"
#include "engine/present.h"
#include "scenes/scene_script.h"
#include "screens/dialogue_screen.h"
#include "screens/dialogue_segments.h"
#include "tests/screens/fight_fixture.h"

#include <SDL_mixer.h>
#include <functional>
#include <gtest/gtest.h>
#include <iostream>
#include <memory>
#include <sstream>
#include <vector>

using namespace testing_support;

namespace
{
constexpr Colour kBlankBg{5, 5, 5};
constexpr Colour kBgA{200, 30, 30};
constexpr Colour kBgB{30, 200, 30};
constexpr Colour kPortFront{30, 30, 220};
constexpr Colour kPortBack{240, 220, 20};
constexpr Colour kPortB{20, 220, 220};
constexpr Colour kBox{230, 220, 190};
constexpr Colour kInk{0, 0, 0};
constexpr SDLKey kCancel1 = SDLK_x; // GPad1's key B in the fixture pads

// A 100x100 portrait: its left half kPortFront, its right half kPortBack, so
// a mirrored draw shows.
void writeTwoTonePortrait(const std::string& folder)
{
    makeDirs(folder);
    SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, 100, 100, 24, 0xff0000, 0xff00, 0xff, 0);
    SDL_Rect half{0, 0, 50, 100};
    SDL_FillRect(s, &half, SDL_MapRGB(s->format, kPortFront.r, kPortFront.g, kPortFront.b));
    half.x = 50;
    SDL_FillRect(s, &half, SDL_MapRGB(s->format, kPortBack.r, kPortBack.g, kPortBack.b));
    SDL_SaveBMP(s, (folder + "/f0.bmp").c_str());
    SDL_FreeSurface(s);
    InfoFrame f;
    f.key = "-1 0 0";
    writeFile(folder + "/info", infoText({f}));
}

// A font whose every glyph is a solid block, so text shows as ink at its place.
void writeBlockFont(const std::string& dir)
{
    writeFile(dir + "/font.ini", "256\n");
    writeFile(dir + "/font.raw", std::string(256 * 256, '\xff'));
    writeFile(dir + "/font.dat", std::string(256, '\x08'));
}

// A scene made from a table, as the story's scenes are.
struct TableScene : dialogueSegmentBuilder
{
    explicit TableScene(std::vector<sceneStep> s) : steps(std::move(s)) {}
    void buildSegments() override { buildScene(*this, music, steps.data(), steps.size(), __FILE__); }
    std::vector<sceneStep> steps;
    musicPlayer music;
};

// A scene built by hand: a null factory leaves its entry empty.
struct HandBuiltScene : dialogueSegmentBuilder
{
    using Make = std::function<beatEmUpSegment*()>;
    explicit HandBuiltScene(std::vector<Make> m) : makers(std::move(m)) {}
    void buildSegments() override
    {
        numSegments = static_cast<int>(makers.size());
        segments = new beatEmUpSegment*[makers.size()]();
        for (std::size_t i = 0; i < makers.size(); ++i)
            segments[i] = makers[i] ? makers[i]() : nullptr;
    }
    std::vector<Make> makers;
};

class DialogueScreenTest : public ::testing::Test
{
protected:
    DialogueScreenTest()
    {
        writePictures("data/screens/story/blankBg", {Picture{640, 480, kBlankBg, 100}});
        writePictures("data/screens/story/blankChara", {Picture{16, 16, kKeyedOut, 100}});
        writePictures("data/screens/story/diaBox", {Picture{640, 100, kBox, 100}});
        writePictures("data/screens/story/t/bgA", {Picture{640, 480, kBgA, 100}});
        writePictures("data/screens/story/t/bgB", {Picture{640, 480, kBgB, 100}});
        writePictures("data/screens/story/t/portB", {Picture{100, 100, kPortB, 100}});
        writeTwoTonePortrait("data/screens/story/t/portA");
        writeBlockFont("data/font/Calibri1");
        writeBlockFont("data/font/Calibri2");
        writeFile("data/music/Dialogue.dat", wavBytes());
        writePads();
        GPad1.loadGamePad(kPad1Path);
        audio = std::make_unique<AudioSession>();
        fullyQuit = false;
        drainQueue();
    }
    ~DialogueScreenTest() override
    {
        Mix_HaltMusic();
        audio.reset();
        fullyQuit = false;
        drainQueue();
        GPad1.joystickIndex = -1;
    }
    // One frame of the screen's owner loop.
    void frame(dialogueScreen& s)
    {
        s.update();
        s.draw();
    }

    ScratchDir dir;
    std::unique_ptr<AudioSession> audio;
    GlobalsGuard globals;
    SDL_Surface* screen = openTestVideo();
};
} // namespace

TEST_F(DialogueScreenTest, PlaysPicturesPortraitsTextAndMusicOneStepPerUpdate)
{
    ASSERT_TRUE(g_audioOpen) << Mix_GetError();
    TableScene scene({background("t/bgA"), musicOn(), left("t/portA"), right("t/portA"),
                      line("Nick", "Hi there"), background("t/bgB"), right("t/portB"), line("", "x"),
                      musicOff()});
    ASSERT_EQ(segmentCount(scene.steps.data(), scene.steps.size()), 11);
    dialogueScreen s;
    s.init(screen, &scene);
    ASSERT_EQ(scene.numSegments, 11);
    EXPECT_EQ(Mix_PlayingMusic(), 0) << "built, not started";

    frame(s); // background
    EXPECT_TRUE(shows(screen, 200, 200, kBgA)) << "the first background is in before the first draw";
    EXPECT_TRUE(shows(screen, 10, 10, kBgA)) << "the start portraits are blank";
    EXPECT_TRUE(shows(screen, 600, 420, kBox));
    EXPECT_TRUE(shows(screen, 11, 390, kBox)) << "no name yet";
    frame(s); // music on
    EXPECT_EQ(Mix_PlayingMusic(), 1);
    for (int i = 0; i < 3; ++i)
        frame(s); // left, right, text
    EXPECT_EQ(s.index, 5);
    for (int held = 0; held < 3; ++held)
        frame(s);
    EXPECT_EQ(s.index, 5) << "the wait holds";
    EXPECT_TRUE(shows(screen, 10, 10, kPortFront)) << "left portrait as loaded";
    EXPECT_TRUE(shows(screen, 60, 10, kPortBack));
    EXPECT_TRUE(shows(screen, 330, 10, kPortBack)) << "right portrait mirrored at x 320";
    EXPECT_TRUE(shows(screen, 380, 10, kPortFront));
    EXPECT_TRUE(shows(screen, 200, 200, kBgA));
    EXPECT_TRUE(shows(screen, 11, 390, kInk)) << "the name";
    EXPECT_TRUE(shows(screen, 6, 420, kInk)) << "first line";
    EXPECT_TRUE(shows(screen, 6, 440, kBox)) << "no second line";
    EXPECT_EQ(s.box.name, "Nick");
    EXPECT_EQ(s.box.line1, "Hi there");

    pushKey(kConfirm1);
    frame(s);
    EXPECT_EQ(s.index, 6);
    EXPECT_EQ(Mix_PlayingMusic(), 1) << "music plays between its steps";
    for (int i = 0; i < 3; ++i)
        frame(s); // background, right portrait, text
    EXPECT_TRUE(shows(screen, 200, 200, kBgB));
    EXPECT_TRUE(shows(screen, 330, 10, kPortB)) << "the later portrait step wins the slot";
    EXPECT_TRUE(shows(screen, 10, 10, kPortFront)) << "the other slot keeps its picture";
    EXPECT_TRUE(shows(screen, 11, 390, kBox)) << "an empty speaker shows no name";
    pushKey(kConfirm1);
    frame(s); // wait
    frame(s); // music off
    EXPECT_EQ(Mix_PlayingMusic(), 0);
    EXPECT_FALSE(s.done);
    EXPECT_EQ(s.index, 11);
    frame(s);
    EXPECT_TRUE(s.done) << "done on update N + 1";
}

TEST_F(DialogueScreenTest, BoxShowsThreeWrappedLinesAndClearsUnfilledOnes)
{
    const char* const longText = "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa "
                                 "bbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbb "
                                 "ccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccc "
                                 "dddd eeee";
    TableScene scene({line("Narrator", longText), line("", "short")});
    dialogueScreen s;
    s.init(screen, &scene);
    frame(s);
    frame(s);
    EXPECT_EQ(s.box.splitter.lines.size(), 4u);
    EXPECT_EQ(s.box.line3.substr(0, 3), "ccc");
    for (int y : {420, 440, 460})
        EXPECT_TRUE(shows(screen, 6, y, kInk)) << "box line at y " << y;
    pushKey(kConfirm1);
    frame(s);
    frame(s);
    EXPECT_EQ(s.box.line1, "short");
    EXPECT_EQ(s.box.line2, "");
    EXPECT_EQ(s.box.line3, "");
    EXPECT_TRUE(shows(screen, 6, 420, kInk));
    EXPECT_TRUE(shows(screen, 6, 440, kBox));
    EXPECT_TRUE(shows(screen, 6, 460, kBox));
}

TEST_F(DialogueScreenTest, CancelAtTheFirstWaitRunsTheRestUndrawn)
{
    TableScene scene({background("t/bgA"), musicOn(), line("Nick", "one"), background("t/bgB"),
                      left("t/portB"), line("Nick", "two"), musicOff()});
    dialogueScreen s;
    s.init(screen, &scene);
    for (int i = 0; i < 4; ++i)
        frame(s);
    ASSERT_EQ(s.index, 3);
    EXPECT_EQ(Mix_PlayingMusic(), 1);
    const unsigned long presented = presentedFrameCount();
    pushKey(kCancel1);
    for (int expected = 4; expected <= scene.numSegments; ++expected)
    {
        frame(s);
        EXPECT_EQ(s.index, expected) << "one step per update, waits included";
        EXPECT_TRUE(s.skipMode);
        EXPECT_FALSE(s.done);
    }
    frame(s);
    EXPECT_TRUE(s.done);
    EXPECT_EQ(presentedFrameCount(), presented) << "no frame after the skip";
    EXPECT_TRUE(shows(screen, 200, 200, kBgA)) << "the last drawn frame stays";
    EXPECT_EQ(Mix_PlayingMusic(), 0) << "the music-off step still ran";
    EXPECT_EQ(s.box.line1, "two") << "skipped steps still take effect";
}

TEST_F(DialogueScreenTest, OnlyGPad1sKeysAndBoundButtonsAnswerAWait)
{
    using Push = std::function<void()>;
    auto button = [](int b)
    {
        return [b]
        {
            SDL_Event e = joyButtonEvent(0, b);
            SDL_PushEvent(&e);
        };
    };
    const Push confirm = [] { pushKey(kConfirm1); };
    const Push cancel = [] { pushKey(kCancel1); };
    const Push escape = [] { pushKey(SDLK_ESCAPE); };
    const Push close = [] { pushQuit(); };
    const struct
    {
        const char* name;
        int joystick; // GPad1's joystick index
        std::vector<Push> events;
        bool passed, skipping, quitting;
    } cases[] = {
        {"confirm key", -1, {confirm}, true, false, false},
        {"cancel key", -1, {cancel}, true, true, false},
        {"confirm and cancel in one queue", -1, {confirm, cancel}, true, true, false},
        {"Escape is no skip key here", -1, {escape}, false, false, false},
        {"buttons without a bound joystick", -1, {button(0), button(1)}, false, false, false},
        {"button A with a joystick", 0, {button(0)}, true, false, false},
        {"button B with a joystick", 0, {button(1)}, true, true, false},
        {"window closed", -1, {close}, false, false, true},
    };
    for (const auto& c : cases)
    {
        fullyQuit = false;
        GPad1.joystickIndex = c.joystick;
        TableScene scene({line("Nick", "hello"), line("Nick", "again")});
        dialogueScreen s;
        s.init(screen, &scene);
        frame(s); // the text
        ASSERT_EQ(s.index, 1) << c.name;
        for (const Push& p : c.events)
            p();
        frame(s);
        EXPECT_EQ(s.index, c.passed ? 2 : 1) << c.name;
        EXPECT_EQ(s.skipMode, c.skipping) << c.name;
        EXPECT_EQ(fullyQuit, c.quitting) << c.name;
        drainQueue();
    }
}

TEST_F(DialogueScreenTest, KeysPressedWhileAStepPassesAreDrained)
{
    TableScene scene({line("Nick", "hello"), musicOff()});
    dialogueScreen s;
    s.init(screen, &scene);
    pushKey(kConfirm1);
    frame(s); // the text passes and drains the key
    frame(s);
    EXPECT_EQ(s.index, 1) << "the wait did not see the early key";
    pushKey(kConfirm1);
    frame(s);
    EXPECT_EQ(s.index, 2);
    pushKey(SDLK_F4, KMOD_LALT);
    frame(s); // music off passes, and its drain still applies the quit test
    EXPECT_TRUE(fullyQuit);
}

TEST_F(DialogueScreenTest, QuitInAWaitEndsPlaySceneAndTheMusicStopsWithTheBuilder)
{
    auto scene =
        std::make_unique<TableScene>(std::vector<sceneStep>{musicOn(), line("Nick", "hello"), musicOff()});
    int frames = 0;
    FrameWatch watch(
        [&](SDL_Surface*)
        {
            if (++frames == 3)
                pushQuit();
        });
    playScene(screen, *scene);
    EXPECT_TRUE(fullyQuit);
    EXPECT_EQ(frames, 4) << "the update that read the quit is drawn, then the loop ends before music off";
    EXPECT_EQ(Mix_PlayingMusic(), 1);
    scene.reset();
    EXPECT_EQ(Mix_PlayingMusic(), 0);
}

// The plain step's placeholder goes to the console stream, which start-up
// detaches unless the log output is asked for.
TEST(DialogueSegment, ThePlainStepWritesToTheConsoleStreamAndHolds)
{
    std::ostringstream console;
    std::streambuf* const kept = std::cout.rdbuf(console.rdbuf());
    dialogueSegment plain;
    plain.update();
    std::cout.rdbuf(kept);
    EXPECT_EQ(console.str(), "Default = fail!\n");
    EXPECT_FALSE(plain.getFinished());
    EXPECT_FALSE(plain.skip);
}

TEST_F(DialogueScreenTest, EmptySparseAndPlainBuildersAndMissingFiles)
{
    {
        dialogueSegmentBuilder empty;
        dialogueScreen s;
        s.init(screen, &empty);
        frame(s);
        EXPECT_TRUE(s.done) << "a builder with no steps ends at the first update";
        EXPECT_TRUE(shows(screen, 200, 200, kBlankBg));
    }
    {
        HandBuiltScene sparse({nullptr, [] { return new diaSegWaitForInput(); }});
        dialogueScreen s;
        s.init(screen, &sparse);
        frame(s);
        EXPECT_EQ(s.index, 1) << "an empty entry is passed at once";
        frame(s);
        EXPECT_EQ(s.index, 1);
    }
    for (const bool cancel : {false, true})
    {
        HandBuiltScene plain({[] { return new diaSegWaitForInput(); }, [] { return new dialogueSegment(); }});
        dialogueScreen s;
        s.init(screen, &plain);
        EXPECT_FALSE(plain.segments[1]->getFinished()) << "every dialogue kind clears the base's finished";
        pushKey(cancel ? kCancel1 : kConfirm1);
        for (int i = 0; i < 5; ++i)
            frame(s);
        EXPECT_EQ(s.done, cancel) << (cancel ? "a skip passes the plain step" : "the plain step holds");
    }
    {
        writeFile("data/font/Calibri1/font.ini", "");
        writeFile("data/font/Calibri2/font.ini", "");
        TableScene missing({background("nowhere"), left("nowhere"), line("Nick", "hello")});
        dialogueScreen s;
        s.init(screen, &missing);
        EXPECT_EQ(s.box.textFont, nullptr);
        for (int i = 0; i < 4; ++i)
            frame(s);
        EXPECT_EQ(s.index, 3);
        EXPECT_TRUE(shows(screen, 6, 420, kBox)) << "no font, no text, no crash";
    }
}
