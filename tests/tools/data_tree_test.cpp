// The default data tree as the game reads it: menu pictures and buttons,
// splash timing, sounds and gamepads, plus the generator's promises to be
// repeatable and to leave the game's own files alone.
#include "content/data_tree.h"

#include "engine/gamepad.h"
#include "engine/sprite_sheet.h"
#include "tests/support/test_support.h"

#include <algorithm>
#include <cstdlib>
#include <dirent.h>
#include <gtest/gtest.h>
#include <memory>
#include <set>
#include <sys/stat.h>

using testing_support::readFile;
using testing_support::ScratchDir;
using testing_support::writeFile;

namespace
{
// Relative paths of every file under `root`.
void listFiles(const std::string& root, const std::string& sub, std::set<std::string>& out)
{
    DIR* d = opendir((root + "/" + sub).c_str());
    if (!d)
        return;
    while (dirent* e = readdir(d))
    {
        const std::string name = e->d_name;
        if (name == "." || name == "..")
            continue;
        const std::string rel = sub.empty() ? name : sub + "/" + name;
        struct stat info;
        stat((root + "/" + rel).c_str(), &info);
        if (S_ISDIR(info.st_mode))
            listFiles(root, rel, out);
        else
            out.insert(rel);
    }
    closedir(d);
}

// Every test runs in one generated tree, made once: the game's relative
// "data/..." paths point into it.
class DataTree : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        scratch = std::make_unique<ScratchDir>();
        // Files the game wrote earlier must survive a new generation.
        writeFile("data/gameFiles/config.conf", "players' settings\n");
        writeFile("data/gamepad/mine.gpad", "a player's own mapping\n");
        generated = datagen::generateDataTree(".");
    }
    static void TearDownTestSuite() { scratch.reset(); }
    void SetUp() override
    {
        ASSERT_TRUE(generated);
        ASSERT_NE(testing_support::openTestVideo(), nullptr);
    }

    static std::unique_ptr<ScratchDir> scratch;
    static bool generated;
};
std::unique_ptr<ScratchDir> DataTree::scratch;
bool DataTree::generated = false;
} // namespace

TEST_F(DataTree, TitleScreenButtonsStackInTheMenuColumn)
{
    CSpriteBase backdrop;
    ASSERT_EQ(backdrop.init("data/screens/main", false), 0);
    ASSERT_GE(backdrop.frameCount(), 1);
    EXPECT_EQ(backdrop.normalFrame(0)->image->w, 640);
    EXPECT_EQ(backdrop.normalFrame(0)->image->h, 480);

    int column = 0;
    for (int i = 0; i < 5; ++i)
    {
        SCOPED_TRACE("button" + std::to_string(i));
        CSpriteBase button;
        ASSERT_EQ(button.init("data/screens/main/button" + std::to_string(i), false), 0);
        ASSERT_EQ(button.frameCount(), 2);
        for (int f = 0; f < 2; ++f)
        {
            SDL_Surface* img = button.normalFrame(f)->image;
            ASSERT_NE(img, nullptr);
            EXPECT_EQ(img->w, 192);
            EXPECT_EQ(img->h, 30);
            // Keyed around its shape: the corners show the backdrop.
            ASSERT_TRUE(img->flags & SDL_SRCCOLORKEY);
            EXPECT_EQ(testing_support::pixelAt(img, 0, 0), img->format->colorkey);
            EXPECT_NE(testing_support::pixelAt(img, 96, 15), img->format->colorkey);
        }
        column += button.normalFrame(0)->image->h;
    }
    EXPECT_LE(330 + column, 480);
}

TEST_F(DataTree, SplashAndLoadingScreensFillTheScreen)
{
    CSpriteBase splash;
    ASSERT_EQ(splash.init("data/screens/present", false), 0);
    ASSERT_GE(splash.frameCount(), 2);
    int total = 0;
    for (int i = 0; i < splash.frameCount(); ++i)
    {
        total += splash.normalFrame(i)->pause;
        EXPECT_EQ(splash.normalFrame(i)->image->w, 640);
        EXPECT_EQ(splash.normalFrame(i)->image->h, 480);
    }
    // Shown at speed 3: between about two and three seconds.
    EXPECT_GE(total, 700);
    EXPECT_LE(total, 1000);

    CSpriteBase loading;
    ASSERT_EQ(loading.init("data/screens/loading", false), 0);
    ASSERT_EQ(loading.frameCount(), 1);
    EXPECT_EQ(loading.normalFrame(0)->image->w, 640);
    EXPECT_EQ(loading.normalFrame(0)->image->h, 480);
}

TEST_F(DataTree, MenuSoundsAreShortGameFormatWavs)
{
    ASSERT_EQ(readFile("data/menusound/sound"), "SOUNDS: 2\nMenu_Confirm01\nMenu_Cancel01\n");
    for (const std::string name : {"Menu_Confirm01", "Menu_Cancel01"})
    {
        SCOPED_TRACE(name);
        SDL_AudioSpec spec;
        Uint8* buffer = nullptr;
        Uint32 length = 0;
        ASSERT_NE(SDL_LoadWAV(("data/menusound/" + name + ".wav").c_str(), &spec, &buffer, &length), nullptr)
            << SDL_GetError();
        EXPECT_EQ(spec.freq, 22050);
        EXPECT_EQ(spec.format, AUDIO_S16LSB);
        const double seconds = static_cast<double>(length) / (2.0 * spec.channels * spec.freq);
        EXPECT_GT(seconds, 0.05);
        EXPECT_LT(seconds, 0.4);
        int loudest = 0;
        for (Uint32 i = 0; i + 1 < length; i += 2)
            loudest = std::max(
                loudest, std::abs(static_cast<int>(static_cast<Sint16>(buffer[i] | (buffer[i + 1] << 8)))));
        EXPECT_GT(loudest, 8000) << "audible";
        EXPECT_LT(loudest, 32767) << "not clipped";
        SDL_FreeWAV(buffer);
    }
}

TEST_F(DataTree, DefaultGamepadsShareTheKeyboardWithoutClashing)
{
    gamePad one, two;
    one.loadGamePad(kPad1Path);
    two.loadGamePad(kPad2Path);
    EXPECT_EQ(one.name, "defualt");
    EXPECT_EQ(two.name, "defualt2");
    EXPECT_EQ(one.keyUp, SDLK_UP);
    EXPECT_EQ(one.keyA, SDLK_z);
    EXPECT_EQ(two.keyLeft, SDLK_a);
    EXPECT_EQ(two.keyPause, SDLK_TAB);
    std::set<int> seen;
    for (const gamePad* pad : {&one, &two})
    {
        EXPECT_EQ(pad->joystickIndex, -1);
        EXPECT_EQ(pad->buttonPause, 9);
        for (int key : {pad->keyLeft, pad->keyRight, pad->keyDown, pad->keyUp, pad->keyA, pad->keyB,
                        pad->keyC, pad->keyPause})
        {
            EXPECT_NE(key, 0);
            EXPECT_NE(key, SDLK_ESCAPE) << "Escape backs out of screens";
            EXPECT_NE(key, SDLK_j) << "j is the debug key";
            EXPECT_TRUE(seen.insert(key).second) << "key " << key << " bound twice";
        }
    }
    const std::string text = readFile(kPad1Path);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 20);
}

TEST_F(DataTree, LeavesGameFilesAloneAndRepeatsByteForByte)
{
    EXPECT_EQ(readFile("data/gameFiles/config.conf"), "players' settings\n");
    EXPECT_EQ(readFile("data/gamepad/mine.gpad"), "a player's own mapping\n");
    EXPECT_FALSE(readFile("data/.generated").empty());

    ScratchDir again;
    ASSERT_TRUE(datagen::generateDataTree("."));
    std::set<std::string> first, second;
    listFiles(scratch->path() + "/data", "", first);
    listFiles(again.path() + "/data", "", second);
    first.erase("gameFiles/config.conf");
    first.erase("gamepad/mine.gpad");
    EXPECT_EQ(first, second);
    struct stat info;
    EXPECT_EQ(stat("data/gameFiles", &info), 0);
    EXPECT_TRUE(S_ISDIR(info.st_mode));
    for (const std::string& rel : second)
        EXPECT_TRUE(readFile(scratch->path() + "/data/" + rel) == readFile(again.path() + "/data/" + rel))
            << rel;
}
