// Sound lists, playing by name with or without an audio device, and music tracks.
#include "engine/audio.h"
#include "engine/globals.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

using namespace testing_support;

namespace
{
// A short 16-bit mono PCM WAV.
std::string wavBytes(int samples = 2205)
{
    auto le32 = [](Uint32 v) {
        return std::string{static_cast<char>(v & 0xff), static_cast<char>((v >> 8) & 0xff),
                           static_cast<char>((v >> 16) & 0xff), static_cast<char>((v >> 24) & 0xff)};
    };
    auto le16 = [](Uint16 v) { return std::string{static_cast<char>(v & 0xff), static_cast<char>(v >> 8)}; };
    const Uint32 dataSize = static_cast<Uint32>(samples * 2);
    std::string w = "RIFF" + le32(36 + dataSize) + "WAVEfmt " + le32(16) + le16(1) + le16(1) + le32(22050) +
                    le32(44100) + le16(2) + le16(16) + "data" + le32(dataSize);
    for (int i = 0; i < samples; ++i)
        w += le16(static_cast<Uint16>((i % 50) < 25 ? 8000 : -8000));
    return w;
}

class AudioTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SDL_InitSubSystem(SDL_INIT_AUDIO);
        g_audioOpen = Mix_OpenAudio(22050, AUDIO_S16LSB, 2, 4096) >= 0;
        ASSERT_TRUE(g_audioOpen) << Mix_GetError();
    }
    void TearDown() override
    {
        Mix_HaltChannel(-1);
        Mix_HaltMusic();
        Mix_CloseAudio();
        g_audioOpen = false;
    }
    ScratchDir dir;
};

TEST_F(AudioTest, ListLoadsNamesInOrderAndFailedFilesStillCount)
{
    writeFile("snd/sound", "SOUNDS: 3\nhit extra words\nmissing\nswing\n");
    writeFile("snd/hit.wav", wavBytes());
    writeFile("snd/swing.wav", wavBytes());
    soundSet set;
    set.getList("snd");
    EXPECT_TRUE(set.loaded);
    EXPECT_EQ(set.count, 3);
    ASSERT_NE(set.find("hit"), nullptr);
    EXPECT_NE(set.returnSound("hit"), nullptr);
    ASSERT_NE(set.find("missing"), nullptr);
    EXPECT_EQ(set.returnSound("missing"), nullptr);
    EXPECT_EQ(set.find("Hit"), nullptr) << "names are case-sensitive";

    set.Play("missing", -1);
    set.Play("NULL", -1);
    EXPECT_EQ(Mix_Playing(-1), 0) << "a sound that failed to load, or no sound, plays nothing";
    set.Play("hit", -1);
    EXPECT_EQ(Mix_Playing(-1), 1);
}

TEST_F(AudioTest, ShortListsStopAtTheEndAndALoadedSetIsNotReread)
{
    writeFile("a/sound", "SOUNDS: 40\none\r\ntwo\r\n");
    writeFile("b/sound", "SOUNDS: 1\nthree\n");
    soundSet set;
    set.getList("a");
    EXPECT_EQ(set.count, 2);
    EXPECT_NE(set.find("two"), nullptr) << "CRLF names lose the CR";
    set.getList("b");
    EXPECT_EQ(set.count, 2);
    EXPECT_EQ(set.find("three"), nullptr);
}

TEST_F(AudioTest, AddToListSkipsKnownNamesButAddsRepeatsWithinItself)
{
    writeFile("shared/sound", "SOUNDS: 2\nhit\nswing\n");
    writeFile("own/sound", "SOUNDS: 4\nhit\nroar\nroar\nstep\n");
    soundSet set;
    set.getList("shared");
    set.addToList("own");
    EXPECT_EQ(set.count, 5);
    EXPECT_NE(set.find("roar"), nullptr);
    EXPECT_NE(set.find("step"), nullptr);

    soundSet empty;
    empty.addToList("nowhere");
    EXPECT_EQ(empty.count, 0);
    writeFile("zero/sound", "SOUNDS: 0\nhit\n");
    empty.addToList("zero");
    EXPECT_EQ(empty.count, 0);
}

TEST_F(AudioTest, MusicIsLoadedByNameOnlyForLowerCaseOgg)
{
    writeFile("music/track.dat", wavBytes(22050));
    writeFile("music/TRACK.OGG", wavBytes(22050));
    musicPlayer fromMemory;
    fromMemory.setupMusic("music/track.dat");
    EXPECT_NE(fromMemory.data, nullptr);
    EXPECT_NE(fromMemory.music, nullptr) << Mix_GetError();

    musicPlayer upperCase;
    upperCase.setupMusic("music/TRACK.OGG");
    EXPECT_NE(upperCase.data, nullptr) << "the extension test is case-sensitive";

    musicPlayer byName;
    byName.setupMusic("music/absent.ogg");
    EXPECT_EQ(byName.data, nullptr);
    EXPECT_EQ(byName.music, nullptr);
    byName.play(); // silent, no crash

    // A folder, a missing file or a folder named .ogg is no music, and the game goes on.
    makeDirs("music/folder.ogg");
    for (const char* path : {"music/", "music/.", "music/missing.dat", "music/folder.ogg"})
    {
        SCOPED_TRACE(path);
        musicPlayer none;
        none.setupMusic(path);
        EXPECT_EQ(none.data, nullptr);
        EXPECT_EQ(none.music, nullptr);
    }

    // A second track replaces the first, freeing it.
    fromMemory.play();
    EXPECT_EQ(Mix_PlayingMusic(), 1);
    fromMemory.setupMusic("music/TRACK.OGG");
    EXPECT_EQ(Mix_PlayingMusic(), 0) << "the freed track was the one playing";
    fromMemory.play();
    EXPECT_EQ(Mix_PlayingMusic(), 1);
    fromMemory.stop();
    EXPECT_EQ(Mix_PlayingMusic(), 0);
}

TEST(AudioClosed, EverythingIsSilentAndSafe)
{
    ScratchDir dir;
    g_audioOpen = false;
    writeFile("snd/sound", "SOUNDS: 1\nhit\n");
    writeFile("snd/hit.wav", wavBytes());
    writeFile("music/track.dat", wavBytes());
    soundSet set;
    set.getList("snd");
    EXPECT_EQ(set.count, 1);
    EXPECT_EQ(set.returnSound("hit"), nullptr);
    {
        // Tests still see what was asked for, known or not.
        SoundRecorder recorder;
        set.Play("hit", -1);
        set.Play("nothing", 2);
        EXPECT_EQ(recorder.names(), (std::vector<std::string>{"hit", "nothing"}));
    }
    set.Play("hit", -1);
    musicPlayer music;
    music.setupMusic("music/track.dat");
    EXPECT_EQ(music.music, nullptr);
    music.play();
    music.stop();
}
} // namespace
