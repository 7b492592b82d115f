// Every written scene against its outline in scene_outlines.txt: its steps,
// pictures, speakers and line lengths, the rules its lines keep in the box,
// what each wait shows when played with confirms, and a skip at the first
// and the last wait.
#include "engine/font.h"
#include "engine/globals.h"
#include "engine/present.h"
#include "engine/text_file.h"
#include "scenes/scene_list.h"
#include "screens/dialogue_screen.h"
#include "screens/dialogue_segments.h"
#include "screens/string_processor.h"
#include "tests/support/test_support.h"

#include <SDL_mixer.h>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <set>
#include <sstream>

using namespace testing_support;

#ifndef QUILLFEN_SCENE_OUTLINES
#error "the build names the outline file"
#endif

namespace
{
const std::string kStory = "data/screens/story/";

struct OutlineStep
{
    std::string kind; // background, left, right, text, wait, music on, music off
    std::string folder;
    std::string speaker;
    int length = 0;
    int fileLine = 0;
};

struct Outline
{
    int number = 0;
    int count = 0;
    std::vector<OutlineStep> steps;
};

// Reads the outline file; a line it cannot read fails the test, naming it.
std::vector<Outline> readOutlines()
{
    std::vector<Outline> out;
    TextFileReader file;
    if (!file.open(QUILLFEN_SCENE_OUTLINES, 4096))
    {
        ADD_FAILURE() << "cannot open " << QUILLFEN_SCENE_OUTLINES;
        return out;
    }
    std::string text;
    int at = 0;
    while (file.readLine(text))
    {
        ++at;
        if (text.empty() || text[0] == '#')
            continue;
        const std::vector<std::string> words = splitWords(text);
        OutlineStep step;
        step.fileLine = at;
        step.kind = words[0];
        bool ok = true;
        if (words[0] == "scene" && words.size() == 3)
        {
            out.push_back(Outline{parseInt(words[1]), parseInt(words[2]), {}});
            continue;
        }
        if (out.empty())
            ok = false;
        else if ((step.kind == "background" || step.kind == "left" || step.kind == "right") &&
                 words.size() == 2)
            step.folder = words[1];
        else if (step.kind == "music" && words.size() == 2 && (words[1] == "on" || words[1] == "off"))
            step.kind += " " + words[1];
        else if (step.kind == "wait" && words.size() == 1)
        {
        }
        else if (step.kind == "text")
        {
            const std::size_t open = text.find('"');
            const std::size_t close = open == std::string::npos ? open : text.find('"', open + 1);
            ok = close != std::string::npos;
            if (ok)
            {
                step.speaker = text.substr(open + 1, close - open - 1);
                step.length = parseInt(text.substr(close + 1));
                ok = step.length > 0;
            }
        }
        else
            ok = false;
        if (!ok)
        {
            ADD_FAILURE() << QUILLFEN_SCENE_OUTLINES << ":" << at << ": cannot read \"" << text << "\"";
            continue;
        }
        out.back().steps.push_back(step);
    }
    return out;
}

// The rules every line keeps so that the box shows it whole.
std::string lineFault(const std::string& line)
{
    if (line.empty())
        return "empty";
    for (char c : line)
        if (c < 32 || c > 126)
            return "not printable ASCII";
    if (line.find('%') != std::string::npos)
        return "holds '%'";
    if (line.front() == ' ' || line.back() == ' ')
        return "leading or trailing space";
    if (line.find("  ") != std::string::npos)
        return "doubled space";
    for (const std::string& word : splitWords(line))
        if (word.size() > 80)
            return "a word over 80 characters";
    stringProcessor wrap;
    wrap.setMaxLength(80);
    wrap.setString(line);
    wrap.process();
    const std::size_t expected = line.size() <= 80 ? 1 : line.size() <= 161 ? 2 : 3;
    if (wrap.lines.size() != expected)
        return "wraps into " + std::to_string(wrap.lines.size()) + " box lines, not " +
               std::to_string(expected);
    // The box splits a last word that overflows off with the space before it, so that box line
    // opens with a blank. Only a word before the last ending past column 80 starts the line with a
    // word instead, and in a text of 81 to 84 characters that leaves a last word of two characters
    // at most ("than I."), so those lengths cannot always be worded round it.
    if (line.size() > 84 && wrap.lines.back().front() == ' ')
        return "its last box line starts with a space";
    return "";
}

// A colour of its own for every picture folder, never the key.
SDL_Color colourFor(int i)
{
    return SDL_Color{static_cast<Uint8>(20 + 40 * (i % 6)), static_cast<Uint8>(20 + 40 * (i / 6 % 6)),
                     static_cast<Uint8>(20 + 40 * (i / 36 % 6)), 0};
}

class SceneTest : public ::testing::Test
{
protected:
    SceneTest()
    {
        outlines = readOutlines();
        std::set<std::string> portraits, backgrounds;
        for (const Outline& o : outlines)
            for (const OutlineStep& s : o.steps)
                if (s.kind == "background")
                    backgrounds.insert(s.folder);
                else if (s.kind == "left" || s.kind == "right")
                    portraits.insert(s.folder);
        backgrounds.insert("blankBg");
        portraits.erase("blankChara");
        for (const std::string& f : backgrounds)
            writePicture(f, 640, 480);
        // Small portraits leave the background in view between and below them.
        for (const std::string& f : portraits)
            writePicture(f, 100, 100);
        writeIndexedBmp(kStory + "blankChara/f0.bmp", 16, 16, 7, 255, 0, 255);
        writeFile(kStory + "blankChara/info", infoText({InfoFrame{}}));
        writePicture("diaBox", 640, 100);
        for (const char* font : {"data/font/Calibri1", "data/font/Calibri2"})
        {
            writeFile(std::string(font) + "/font.ini", "256\n");
            writeFile(std::string(font) + "/font.raw", std::string(256 * 256, '\xff'));
            writeFile(std::string(font) + "/font.dat", std::string(256, '\x06'));
        }
        writeFile("data/music/Dialogue.dat", std::string(sampleWav()));
        // Player 1 confirms with 'z' and cancels with 'x'.
        writeFile("data/gamepad/defualt.GPad",
                  "1.0\nfixture\n276\n275\n274\n273\n122\n120\n99\n0\n0\n13\n-1\n\n0\n1\n2\n0\n0\n9\n");
        GPad1.loadGamePad(kPad1Path);
        audio = std::make_unique<AudioSession>();
        fullyQuit = false;
        drainQueue();
    }
    ~SceneTest() override
    {
        Mix_HaltMusic();
        audio.reset();
        fullyQuit = false;
        drainQueue();
    }

    void writePicture(const std::string& folder, int w, int h)
    {
        const SDL_Color c = colourFor(static_cast<int>(colours.size()));
        colours[folder] = c;
        writeIndexedBmp(kStory + folder + "/f0.bmp", w, h, 7, c.r, c.g, c.b);
        InfoFrame f;
        f.key = "-1 0 0";
        writeFile(kStory + folder + "/info", infoText({f}));
    }
    // A short silent WAV as the dialogue music.
    static std::string sampleWav()
    {
        std::string w = "RIFF";
        auto le = [&w](Uint32 v, int bytes)
        {
            for (int i = 0; i < bytes; ++i)
                w.push_back(static_cast<char>((v >> (8 * i)) & 0xff));
        };
        const Uint32 data = 4410;
        le(36 + data, 4);
        w += "WAVEfmt ";
        le(16, 4), le(1, 2), le(1, 2), le(22050, 4), le(44100, 4), le(2, 2), le(16, 2);
        w += "data";
        le(data, 4);
        w.append(data, '\0');
        return w;
    }
    bool shows(int x, int y, const std::string& folder)
    {
        const SDL_Color c = colours.at(folder);
        const Uint32 rgb = screen->format->Rmask | screen->format->Gmask | screen->format->Bmask;
        return (pixelAt(screen, x, y) & rgb) == SDL_MapRGB(screen->format, c.r, c.g, c.b);
    }
    static bool atWait(const dialogueScreen& s, const dialogueSegmentBuilder& b)
    {
        return !s.done && s.index < b.numSegments && dynamic_cast<diaSegWaitForInput*>(b.segments[s.index]);
    }

    ScratchDir dir;
    std::unique_ptr<AudioSession> audio;
    SDL_Surface* screen = openTestVideo();
    std::vector<Outline> outlines;
    std::map<std::string, SDL_Color> colours;
};
} // namespace

// A last box line that opens with a blank, as the box's final split makes it, is refused
// wherever the text is long enough to be worded round it.
TEST(SceneLine, LastBoxLineOpeningWithASpaceIsRefused)
{
    const struct
    {
        std::string text;
        std::string fault;
    } cases[] = {
        {"Master, please. Lilith first, burgers later. Every minute we waste, she grows stronger.",
         "its last box line starts with a space"},
        {"Master, please. Lilith first, burgers later. The longer we wait, the stronger she gets.", ""},
        // The third box line opened by the final split, after a second one that ends short.
        {"What luck, the first guy I find is the right one! So, is she cute? Come on, be honest with me. "
         "Tall? Short? Blonde? Brunette? Does she go for guys with big swords?",
         "its last box line starts with a space"},
        {"What luck, the first guy I find is the right one! So, is she cute? Come on, honestly. Tall? "
         "Short? Blonde? Brunette? Would she go for a guy with a big sword? Well?",
         ""},
        // 81 characters: no wording of this length avoids it.
        {"Then that's who I'm hunting next. Watch out, General! Nick is coming for ya, pal!", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(lineFault(c.text), c.fault) << c.text;
}

// The story plays every scene from 1 to 33; a missing one must fail here, not
// be passed over in a chapter.
TEST(SceneList, EveryStorySceneIsBuiltAndNoOther)
{
    for (int n = 1; n <= kSceneCount; ++n)
        EXPECT_NE(makeScene(n), nullptr) << "scene " << n;
    EXPECT_EQ(makeScene(0), nullptr);
    EXPECT_EQ(makeScene(kSceneCount + 1), nullptr);
}

TEST_F(SceneTest, EveryBuiltSceneIsInTheOutlines)
{
    std::set<int> outlined;
    for (const Outline& o : outlines)
        EXPECT_TRUE(outlined.insert(o.number).second) << "scene " << o.number << " outlined twice";
    for (int n = 0; n <= kSceneCount + 1; ++n)
    {
        const bool built = makeScene(n) != nullptr;
        EXPECT_EQ(built, outlined.count(n) == 1)
            << "scene " << n << (built ? " has no outline" : " is not built");
    }
}

TEST_F(SceneTest, ScenesMatchTheirOutlinesAndTheirLinesFitTheBox)
{
    for (const Outline& o : outlines)
    {
        SCOPED_TRACE("scene " + std::to_string(o.number));
        EXPECT_EQ(static_cast<int>(o.steps.size()), o.count) << "the outline's own count";
        std::unique_ptr<dialogueSegmentBuilder> scene = makeScene(o.number);
        ASSERT_NE(scene, nullptr);
        dialogueScreen s;
        s.init(screen, scene.get());
        ASSERT_EQ(scene->numSegments, o.count);
        ASSERT_EQ(scene->fillIndex, o.count) << "filled through fillIndex";
        int musicOns = 0, musicOffs = 0;
        musicPlayer* music = nullptr;
        for (int i = 0; i < o.count; ++i)
        {
            const OutlineStep& want = o.steps[static_cast<std::size_t>(i)];
            SCOPED_TRACE("step " + std::to_string(i + 1) + " (outline line " + std::to_string(want.fileLine) +
                         ")");
            beatEmUpSegment* seg = scene->segments[i];
            ASSERT_NE(seg, nullptr);
            EXPECT_FALSE(seg->finished);
            EXPECT_FALSE(seg->skip);
            if (want.kind == "background")
            {
                auto* bg = dynamic_cast<diaSegChangeBG*>(seg);
                ASSERT_NE(bg, nullptr);
                EXPECT_EQ(bg->target, &s.bgSprite);
                EXPECT_EQ(bg->folder, kStory + want.folder);
                EXPECT_TRUE(bg->sheet.isLoaded()) << "loaded while the scene was built";
            }
            else if (want.kind == "left" || want.kind == "right")
            {
                auto* p = dynamic_cast<diaSegChangeCharaSlot*>(seg);
                ASSERT_NE(p, nullptr);
                EXPECT_EQ(p->slot, want.kind == "left" ? &s.leftChara : &s.rightChara);
                EXPECT_EQ(p->folder, kStory + want.folder);
                EXPECT_TRUE(p->sheet.isLoaded());
            }
            else if (want.kind == "text")
            {
                auto* t = dynamic_cast<diaSegChangeText*>(seg);
                ASSERT_NE(t, nullptr);
                EXPECT_EQ(t->box, &s.box);
                EXPECT_EQ(t->name, want.speaker);
                EXPECT_LE(t->name.size(), 79u);
                EXPECT_EQ(static_cast<int>(t->text.size()), want.length) << t->text;
                EXPECT_EQ(lineFault(t->text), "") << t->text;
            }
            else if (want.kind == "wait")
                EXPECT_NE(dynamic_cast<diaSegWaitForInput*>(seg), nullptr);
            else if (want.kind == "music on")
            {
                auto* m = dynamic_cast<diaSegPlayMusic*>(seg);
                ASSERT_NE(m, nullptr);
                ++musicOns;
                music = m->music;
            }
            else if (want.kind == "music off")
            {
                auto* m = dynamic_cast<diaSegStopMusic*>(seg);
                ASSERT_NE(m, nullptr);
                ++musicOffs;
                EXPECT_EQ(m->music, music) << "one music player for the scene";
            }
        }
        EXPECT_EQ(musicOns, 1);
        EXPECT_EQ(musicOffs, 1);
        ASSERT_NE(music, nullptr);
        EXPECT_NE(music->music, nullptr) << "the dialogue music was loaded";
    }
}

TEST_F(SceneTest, EveryWaitShowsTheLastPicturesAndText)
{
    for (const Outline& o : outlines)
    {
        SCOPED_TRACE("scene " + std::to_string(o.number));
        std::unique_ptr<dialogueSegmentBuilder> scene = makeScene(o.number);
        ASSERT_NE(scene, nullptr);
        dialogueScreen s;
        s.init(screen, scene.get());
        ASSERT_EQ(scene->numSegments, static_cast<int>(o.steps.size()));
        std::string bg = "blankBg", left = "blankChara", right = "blankChara", speaker, text;
        int applied = 0, waitsSeen = 0;
        for (int frames = 0; !s.done && frames < 10000; ++frames)
        {
            s.update();
            s.draw();
            for (; applied < s.index; ++applied)
            {
                const OutlineStep& st = o.steps[static_cast<std::size_t>(applied)];
                if (st.kind == "background")
                    bg = st.folder;
                else if (st.kind == "left")
                    left = st.folder;
                else if (st.kind == "right")
                    right = st.folder;
                else if (st.kind == "text")
                {
                    speaker = st.speaker;
                    text = static_cast<diaSegChangeText*>(scene->segments[applied])->text;
                }
            }
            if (!atWait(s, *scene))
                continue;
            ++waitsSeen;
            SCOPED_TRACE("wait at step " + std::to_string(s.index + 1));
            EXPECT_TRUE(shows(200, 200, bg)) << bg;
            EXPECT_TRUE(shows(10, 10, left == "blankChara" ? bg : left)) << "left " << left;
            EXPECT_TRUE(shows(330, 10, right == "blankChara" ? bg : right)) << "right " << right;
            EXPECT_TRUE(shows(630, 470, "diaBox"));
            EXPECT_EQ(s.box.name, speaker);
            EXPECT_EQ(s.box.text, text);
            EXPECT_FALSE(text.empty()) << "a wait follows a line";
            EXPECT_EQ(Mix_PlayingMusic(), 1);
            pushKey(SDLK_z);
        }
        EXPECT_TRUE(s.done);
        int waits = 0;
        for (const OutlineStep& st : o.steps)
            waits += st.kind == "wait";
        EXPECT_EQ(waitsSeen, waits);
        EXPECT_EQ(Mix_PlayingMusic(), 0);
    }
}

TEST_F(SceneTest, SkippedAtTheFirstOrTheLastWaitEndsUndrawnWithTheMusicStopped)
{
    for (const Outline& o : outlines)
        for (const bool atLast : {false, true})
        {
            SCOPED_TRACE("scene " + std::to_string(o.number) + (atLast ? ", last wait" : ", first wait"));
            int waits = 0;
            for (const OutlineStep& st : o.steps)
                waits += st.kind == "wait";
            std::unique_ptr<dialogueSegmentBuilder> scene = makeScene(o.number);
            ASSERT_NE(scene, nullptr);
            dialogueScreen s;
            s.init(screen, scene.get());
            int waitsPassed = 0;
            unsigned long presented = 0;
            for (int frames = 0; !s.done && frames < 10000; ++frames)
            {
                s.update();
                s.draw();
                if (!atWait(s, *scene) || s.skipMode)
                    continue;
                if (waitsPassed == (atLast ? waits - 1 : 0))
                {
                    presented = presentedFrameCount();
                    pushKey(SDLK_x);
                }
                else
                    pushKey(SDLK_z);
                ++waitsPassed;
            }
            EXPECT_TRUE(s.done);
            EXPECT_TRUE(s.skipMode);
            EXPECT_EQ(presentedFrameCount(), presented) << "nothing drawn after the skip";
            EXPECT_EQ(Mix_PlayingMusic(), 0);
        }
}
