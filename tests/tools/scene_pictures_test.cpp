// The story's generated pictures as the dialogue screen reads them: every
// folder a written scene names, with its size and keying, nothing more; the
// box and its font holding every line; scene 1 played over them.
#include "content/data_tree.h"

#include "engine/font.h"
#include "engine/globals.h"
#include "engine/present.h"
#include "engine/sprite_sheet.h"
#include "scenes/scene_list.h"
#include "screens/dialogue_screen.h"
#include "screens/dialogue_segments.h"
#include "screens/string_processor.h"
#include "tests/support/test_support.h"

#include <SDL_mixer.h>
#include <dirent.h>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <set>
#include <sys/stat.h>

using testing_support::pixelAt;
using testing_support::pushKey;
using testing_support::ScratchDir;

namespace
{
const std::string kStory = "data/screens/story/";

// Sprite folders (those holding an info file) under `root`, relative to it.
void listPictureFolders(const std::string& root, const std::string& sub, std::set<std::string>& out)
{
    DIR* d = opendir((root + sub).c_str());
    if (!d)
        return;
    while (dirent* e = readdir(d))
    {
        const std::string name = e->d_name;
        if (name == "." || name == "..")
            continue;
        const std::string rel = sub.empty() ? name : sub + "/" + name;
        struct stat info;
        if (stat((root + rel).c_str(), &info) == 0 && S_ISDIR(info.st_mode))
        {
            if (stat((root + rel + "/info").c_str(), &info) == 0)
                out.insert(rel);
            listPictureFolders(root, rel, out);
        }
    }
    closedir(d);
}

class ScenePictures : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        scratch = std::make_unique<ScratchDir>();
        generated = datagen::generateDataTree(".", {"story", "fonts", "gamepads", "music"});
    }
    static void TearDownTestSuite() { scratch.reset(); }
    void SetUp() override
    {
        ASSERT_TRUE(generated);
        ASSERT_NE(testing_support::openTestVideo(), nullptr);
        GPad1.loadGamePad(kPad1Path);
        GPad1.joystickIndex = -1;
        fullyQuit = false;
        testing_support::drainQueue();
    }

    // Every picture folder and every text the written scenes name, built
    // through the dialogue screen as the game builds them.
    struct Named
    {
        std::map<std::string, bool> folders; // folder under story/ -> is a portrait
        std::vector<std::string> lines;
    };
    static Named namedByScenes()
    {
        Named out;
        for (int n = 1; n <= kSceneCount; ++n)
        {
            std::unique_ptr<dialogueSegmentBuilder> scene = makeScene(n);
            if (!scene)
                continue;
            dialogueScreen s;
            s.init(testing_support::openTestVideo(), scene.get());
            for (int i = 0; i < scene->numSegments; ++i)
            {
                std::string folder;
                bool portrait = false;
                if (auto* bg = dynamic_cast<diaSegChangeBG*>(scene->segments[i]))
                    folder = bg->folder;
                else if (auto* p = dynamic_cast<diaSegChangeCharaSlot*>(scene->segments[i]))
                    folder = p->folder, portrait = true;
                else if (auto* t = dynamic_cast<diaSegChangeText*>(scene->segments[i]))
                    out.lines.push_back(t->text);
                if (!folder.empty())
                {
                    EXPECT_EQ(folder.rfind(kStory, 0), 0u) << folder;
                    out.folders[folder.substr(kStory.size())] = portrait;
                }
            }
        }
        return out;
    }

    static std::unique_ptr<ScratchDir> scratch;
    static bool generated;
};
std::unique_ptr<ScratchDir> ScenePictures::scratch;
bool ScenePictures::generated = false;

bool keyed(const CSpriteFrame* f)
{
    return (f->image->flags & SDL_SRCCOLORKEY) != 0;
}
bool isKey(const CSpriteFrame* f, int x, int y)
{
    return pixelAt(f->image, x, y) == f->image->format->colorkey;
}
} // namespace

TEST_F(ScenePictures, EveryNamedFolderIsOnePictureOfItsKind)
{
    const Named named = namedByScenes();
    ASSERT_FALSE(named.folders.empty());
    std::set<std::string> expected{"blankBg", "diaBox"};
    for (const auto& [folder, portrait] : named.folders)
    {
        SCOPED_TRACE(folder);
        expected.insert(folder);
        CSpriteBase sheet;
        ASSERT_EQ(sheet.init(kStory + folder), 0);
        ASSERT_EQ(sheet.frameCount(), 1);
        const CSpriteFrame* f = sheet.normalFrame(0);
        if (folder == "blankChara")
        {
            EXPECT_EQ(f->image->w, 16);
            EXPECT_EQ(f->image->h, 16);
            for (int y = 0; y < 16; ++y)
                for (int x = 0; x < 16; ++x)
                    ASSERT_TRUE(keyed(f) && isKey(f, x, y)) << "all key at " << x << "," << y;
        }
        else if (portrait)
        {
            EXPECT_EQ(f->image->w, 320);
            EXPECT_EQ(f->image->h, 380);
            ASSERT_TRUE(keyed(f));
            EXPECT_TRUE(isKey(f, 0, 0) && isKey(f, 319, 0)) << "key round the figure";
            int figure = 0;
            for (int y = 0; y < 380; y += 4)
                for (int x = 0; x < 320; x += 4)
                    figure += isKey(f, x, y) ? 0 : 1;
            EXPECT_GT(figure, 320 * 380 / 16 / 8) << "a figure fills a good part of the slot";
        }
        else
        {
            EXPECT_EQ(f->image->w, 640);
            EXPECT_EQ(f->image->h, 480);
            EXPECT_FALSE(keyed(f)) << "backgrounds are opaque";
        }
    }
    std::set<std::string> written;
    listPictureFolders(kStory, "", written);
    EXPECT_EQ(written, expected)
        << "the story step writes what the scenes name, the blank background and the box";

    CSpriteBase blank;
    ASSERT_EQ(blank.init(kStory + "blankBg"), 0);
    EXPECT_EQ(pixelAt(blank.normalFrame(0)->image, 320, 240) & 0xffffff, 0u);
}

TEST_F(ScenePictures, NoPortraitIsCutFlatWhereTheSlotsMeet)
{
    // A portrait's last column is the middle of the screen in either slot
    // (the right slot mirrors it): figure pixels there end in a hard edge.
    std::vector<std::string> cut;
    for (const auto& [folder, portrait] : namedByScenes().folders)
    {
        if (!portrait || folder == "blankChara")
            continue;
        CSpriteBase sheet;
        ASSERT_EQ(sheet.init(kStory + folder), 0) << folder;
        const CSpriteFrame* f = sheet.normalFrame(0);
        int rows = 0;
        for (int y = 0; y < f->image->h; ++y)
            rows += isKey(f, f->image->w - 1, y) ? 0 : 1;
        if (rows > 0)
            cut.push_back(folder + " (" + std::to_string(rows) + " rows)");
    }
    EXPECT_EQ(cut, std::vector<std::string>{});
}

TEST_F(ScenePictures, BoxIsLightInsideItsRimWithKeyedCorners)
{
    CSpriteBase box;
    ASSERT_EQ(box.init(kStory + "diaBox"), 0);
    ASSERT_EQ(box.frameCount(), 1);
    SDL_Surface* img = box.normalFrame(0)->image;
    ASSERT_EQ(img->w, 640);
    ASSERT_EQ(img->h, 100);
    ASSERT_TRUE(keyed(box.normalFrame(0)));
    for (const auto& corner : {std::pair{0, 0}, {639, 0}, {0, 99}, {639, 99}})
        EXPECT_TRUE(isKey(box.normalFrame(0), corner.first, corner.second))
            << corner.first << "," << corner.second;
    // Black text must read wherever the lines go.
    for (int y = 34; y <= 92; y += 2)
        for (int x = 5; x <= 635; x += 10)
        {
            Uint8 r, g, b;
            SDL_GetRGB(pixelAt(img, x, y), img->format, &r, &g, &b);
            ASSERT_GT(r + g + b, 3 * 180) << "dark at " << x << "," << y;
        }
}

TEST_F(ScenePictures, EveryWrappedLineFitsTheBoxInItsFont)
{
    SDLFont* font = initFont("data/font/Calibri1", 0, 0, 0, 1.0f);
    ASSERT_NE(font, nullptr);
    const Named named = namedByScenes();
    ASSERT_FALSE(named.lines.empty());
    for (const std::string& text : named.lines)
    {
        stringProcessor wrap;
        wrap.setMaxLength(80);
        wrap.setString(text);
        wrap.process();
        for (std::size_t i = 0; i < wrap.lines.size() && i < 3; ++i)
            EXPECT_LE(stringWidth(font, "%s", wrap.lines[i].c_str()), 630) << wrap.lines[i];
    }
    freeFont(font);
}

TEST_F(ScenePictures, SceneOnePlaysToItsEndAndSkipsWithTheMusicStopped)
{
    testing_support::AudioSession audio;
    ASSERT_TRUE(audio.open()) << Mix_GetError();
    SDL_Surface* screen = testing_support::openTestVideo();
    for (const bool skip : {false, true})
    {
        SCOPED_TRACE(skip ? "skipped at the first wait" : "read to the end");
        std::unique_ptr<dialogueSegmentBuilder> scene = makeScene(1);
        ASSERT_NE(scene, nullptr);
        dialogueScreen s;
        s.init(screen, scene.get());
        int waits = 0, frames = 0;
        for (; !s.done && frames < 1000; ++frames)
        {
            s.update();
            s.draw();
            if (s.done || s.skipMode || s.index >= scene->numSegments ||
                !dynamic_cast<diaSegWaitForInput*>(scene->segments[s.index]))
                continue;
            ++waits;
            EXPECT_EQ(Mix_PlayingMusic(), 1);
            pushKey(static_cast<SDLKey>(skip ? GPad1.keyB : GPad1.keyA));
        }
        EXPECT_TRUE(s.done);
        EXPECT_EQ(s.index, 75);
        EXPECT_EQ(waits, skip ? 1 : 28);
        EXPECT_EQ(frames, 76) << "one step a frame (each wait finds its answer queued), then the end";
        EXPECT_EQ(Mix_PlayingMusic(), 0);
    }
}

TEST_F(ScenePictures, TheWholeStoryPlaysSceneAfterSceneWithConfirms)
{
    testing_support::AudioSession audio;
    ASSERT_TRUE(audio.open()) << Mix_GetError();
    SDL_Surface* screen = testing_support::openTestVideo();
    int steps = 0;
    for (int n = 1; n <= kSceneCount; ++n)
    {
        SCOPED_TRACE("scene " + std::to_string(n));
        std::unique_ptr<dialogueSegmentBuilder> scene = makeScene(n);
        ASSERT_NE(scene, nullptr);
        dialogueScreen s;
        s.init(screen, scene.get());
        for (int frames = 0; !s.done && !fullyQuit && frames < 1000; ++frames)
        {
            s.update();
            s.draw();
            if (!s.done && s.index < scene->numSegments &&
                dynamic_cast<diaSegWaitForInput*>(scene->segments[s.index]))
            {
                EXPECT_EQ(Mix_PlayingMusic(), 1);
                pushKey(static_cast<SDLKey>(GPad1.keyA));
            }
        }
        ASSERT_TRUE(s.done);
        EXPECT_FALSE(s.skipMode);
        EXPECT_EQ(s.index, scene->numSegments);
        EXPECT_EQ(Mix_PlayingMusic(), 0) << "the music stops before the next chapter step";
        steps += scene->numSegments;
    }
    EXPECT_EQ(steps, 1507);
}
