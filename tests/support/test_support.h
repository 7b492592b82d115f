// Small fixtures shared by the tests: a scratch folder, a headless window,
// files written from tables, and the game's clock and input held by the test.
#pragma once

#include <SDL.h>
#include <functional>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "engine/platform.h"

namespace testing_support
{
// A fresh folder that becomes the working directory for the test's life; the
// game's relative "data/..." paths then point into it.
class ScratchDir
{
public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;
    const std::string& path() const { return dir; }

private:
    std::string dir;
    std::string previous;
};

// Opens SDL's video (the dummy driver under test) and a 640x480x32 surface
// as the game's `screen`, once per test binary.
SDL_Surface* openTestVideo();

// Writes a file, creating its folders.
void writeFile(const std::string& path, const std::string& contents);
std::string readFile(const std::string& path);
void makeDirs(const std::string& path);

// What `run` prints on the console (stdout).
std::string consoleOutput(const std::function<void()>& run);
// Whether `text` holds `part`.
bool contains(const std::string& text, const std::string& part);

// Hand-damaged text files: the first `count` lines of `text`, and `text` with
// every digit spelt out as a word ("12" reads "onetwo").
std::string firstLines(const std::string& text, int count);
std::string digitsAsWords(const std::string& text);

// Makes the game's writes fail as `faults` says (`setWriteFaults`) for the
// holder's life.
class WriteFaultScope
{
public:
    explicit WriteFaultScope(WriteFaults faults);
    ~WriteFaultScope();
    WriteFaultScope(const WriteFaultScope&) = delete;
    WriteFaultScope& operator=(const WriteFaultScope&) = delete;
};

// A disk that fills up as the `k`th file is written (counting from 1): that
// file gets `bytes` of its bytes in, every later one none. Each path asked
// about is added to `written` when given.
WriteFaults diskFullAt(int k, long long bytes, std::vector<std::string>* written = nullptr);
// The `k`th file written (counting from 1) fails to be renamed into place.
WriteFaults renameFailsAt(int k);
// Lets every write through and adds each path to `written`.
WriteFaults recordWrites(std::vector<std::string>& written);

// The names in `dir` that end in `suffix`.
std::vector<std::string> filesEndingIn(const std::string& dir, const std::string& suffix);

// Writes an 8-bit BMP of `w` x `h`, every pixel palette index `index`, with
// palette entry `index` set to (r, g, b) and the rest grey.
void writeIndexedBmp(const std::string& path, int w, int h, Uint8 index, Uint8 r, Uint8 g, Uint8 b);
// The bytes of such a BMP file.
std::vector<char> indexedBmpBytes(int w, int h, Uint8 index, Uint8 r, Uint8 g, Uint8 b);
// A one-image resource container holding `bmp`.
void writeResourceContainer(const std::string& path, const std::vector<char>& bmp,
                            const std::string& name = "img");

// One frame of a sprite folder's `info` file.
struct InfoFrame
{
    std::string image = "f0.bmp";
    int pause = 50;
    std::string key = "255 0 255";
    int anchorX = 0, anchorY = 0;
    int col[4] = {0, 0, 0, 0};
    int dmg[4] = {0, 0, 0, 0};
    int damage = 0;
    int flag6 = 0;
    int hitType = 0;
    int hitX = 0, hitY = 0;
    int l9x = 0, l9y = 0;
    std::string sound = "NULL";
    std::vector<std::string> particles;
    int xStep = 0, yBoost = 0;
    int deflecting = 0;
    std::string deflected = "NULL";
    std::string face = "NULL";
    std::vector<std::string> conditions;
};

// The fifteen items of a frame as the `info` format writes them.
std::string infoFrameText(const InfoFrame& f);
// A whole `info` file: "FILES: n" and the frames.
std::string infoText(const std::vector<InfoFrame>& frames);

// Pushes a key-down event for `sym` (with modifier state `mod`).
void pushKey(SDLKey sym, SDLMod mod = KMOD_NONE);
void pushQuit();
void drainQueue();

// 32-bit pixel of the surface at (x, y).
Uint32 pixelAt(SDL_Surface* s, int x, int y);

// Seeds g_randomNumber so that its coming draws getNumber(n) give the listed
// (n, value) pairs in order; a value of -1 takes whatever comes. Fails the
// test when no seed fits.
void scriptDraws(std::initializer_list<std::pair<int, int>> draws);
// Records, while it lives, every name a sound set is asked to play.
class SoundRecorder
{
public:
    SoundRecorder();
    ~SoundRecorder();
    SoundRecorder(const SoundRecorder&) = delete;
    SoundRecorder& operator=(const SoundRecorder&) = delete;
    const std::vector<std::string>& names() const { return played; }
    void clear() { played.clear(); }

private:
    std::vector<std::string> played;
};

// Records, while it lives, every string a screen asks to draw and where.
class TextRecorder
{
public:
    struct Text
    {
        int x, y;
        std::string text;
    };
    TextRecorder();
    ~TextRecorder();
    TextRecorder(const TextRecorder&) = delete;
    TextRecorder& operator=(const TextRecorder&) = delete;
    const std::vector<Text>& texts() const { return drawn; }
    // The texts alone, in the order drawn.
    std::vector<std::string> strings() const;
    // Whether `text` was drawn at (x, y).
    bool drew(const std::string& text, int x, int y) const;
    void clear() { drawn.clear(); }

private:
    std::vector<Text> drawn;
};
// An audio device (the dummy driver under test) for the holder's life, so
// sound sets load their sounds and a test can see that one plays.
class AudioSession
{
public:
    AudioSession();
    ~AudioSession();
    AudioSession(const AudioSession&) = delete;
    AudioSession& operator=(const AudioSession&) = delete;

    bool open() const { return opened; }
    // Channels playing now.
    int playing() const;
    // Stops every channel.
    void silence() const;

private:
    bool opened;
};

// Holds the test clock at `start` and requires it (requireTestClock) for the
// holder's life, as a headless run of whole stages must: a read that finds no
// test clock held then ends the test loudly instead of reading SDL's clock.
// Lets go of both as it ends.
class RequiredTestClock
{
public:
    explicit RequiredTestClock(Uint32 start = 1000);
    ~RequiredTestClock();
    RequiredTestClock(const RequiredTestClock&) = delete;
    RequiredTestClock& operator=(const RequiredTestClock&) = delete;
};

} // namespace testing_support
