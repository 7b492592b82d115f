// Small fixtures shared by the tests: a scratch folder, a headless window,
// files written from tables, and the game's clock and input held by the test.
#include "tests/support/test_support.h"

#include "engine/audio.h"
#include "engine/clock.h"
#include "engine/font.h"
#include "engine/globals.h"
#include "engine/present.h"
#include "engine/timers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fstream>
#include <ftw.h>
#include <iterator>
#include <map>
#include <memory>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace testing_support
{
namespace
{
int removeEntry(const char* path, const struct stat*, int, struct FTW*)
{
    return std::remove(path);
}

void removeTree(const std::string& dir)
{
    if (dir.rfind("/tmp/quillfen-test-", 0) == 0)
        nftw(dir.c_str(), removeEntry, 16, FTW_DEPTH | FTW_PHYS);
}

// The scratch folders still standing, with the process that made each. A
// death test's child leaves by exit() from inside its test, past every
// destructor: the folders it made go at exit, never those of the parent it
// was forked from.
std::map<std::string, pid_t>& liveScratchDirs()
{
    static std::map<std::string, pid_t>* dirs = new std::map<std::string, pid_t>;
    return *dirs;
}

void removeLiveScratchDirs()
{
    for (const auto& [dir, maker] : liveScratchDirs())
        if (maker == getpid())
            removeTree(dir);
}
} // namespace

ScratchDir::ScratchDir()
{
    char cwd[4096];
    if (getcwd(cwd, sizeof cwd))
        previous = cwd;
    char pattern[] = "/tmp/quillfen-test-XXXXXX";
    const char* made = mkdtemp(pattern);
    dir = made ? made : "/tmp";
    if (chdir(dir.c_str()) != 0)
        std::perror("chdir");
    static const bool registered = std::atexit(removeLiveScratchDirs) == 0;
    (void)registered;
    liveScratchDirs()[dir] = getpid();
}

ScratchDir::~ScratchDir()
{
    if (!previous.empty() && chdir(previous.c_str()) != 0)
        std::perror("chdir");
    removeTree(dir);
    liveScratchDirs().erase(dir);
}

SDL_Surface* openTestVideo()
{
    if (!SDL_WasInit(SDL_INIT_VIDEO))
    {
        setenv("SDL_VIDEODRIVER", "dummy", 0);
        SDL_Init(SDL_INIT_VIDEO);
    }
    // Tests draw straight into the video surface and read its pixels.
    setWindowSurface(nullptr);
    SDL_Surface* video = SDL_GetVideoSurface();
    if (!video || video->w != 640 || video->h != 480)
        video = SDL_SetVideoMode(640, 480, 32, SDL_HWPALETTE);
    screen = video;
    return screen;
}

void makeDirs(const std::string& path)
{
    std::string partial;
    std::stringstream parts(path);
    std::string part;
    while (std::getline(parts, part, '/'))
    {
        partial += part;
        if (!partial.empty())
            mkdir(partial.c_str(), 0755);
        partial += "/";
    }
}

void writeFile(const std::string& path, const std::string& contents)
{
    const std::size_t slash = path.rfind('/');
    if (slash != std::string::npos)
        makeDirs(path.substr(0, slash));
    std::ofstream out(path, std::ios::binary);
    out << contents;
}

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::string consoleOutput(const std::function<void()>& run)
{
    std::fflush(stdout);
    ::testing::internal::CaptureStdout();
    run();
    std::fflush(stdout);
    return ::testing::internal::GetCapturedStdout();
}

WriteFaultScope::WriteFaultScope(WriteFaults faults)
{
    setWriteFaults(std::move(faults));
}

WriteFaultScope::~WriteFaultScope()
{
    setWriteFaults(nullptr);
}

WriteFaults diskFullAt(int k, long long bytes, std::vector<std::string>* written)
{
    auto count = std::make_shared<int>(0);
    return [k, bytes, written, count](const std::string& path)
    {
        if (written)
            written->push_back(path);
        const int n = ++*count;
        WriteFault fault;
        if (n >= k)
            fault.bytesWritten = n == k ? bytes : 0;
        return fault;
    };
}

WriteFaults renameFailsAt(int k)
{
    auto count = std::make_shared<int>(0);
    return [k, count](const std::string&)
    {
        WriteFault fault;
        fault.renameFails = ++*count == k;
        return fault;
    };
}

WriteFaults recordWrites(std::vector<std::string>& written)
{
    return [&written](const std::string& path)
    {
        written.push_back(path);
        return WriteFault{};
    };
}

std::vector<std::string> filesEndingIn(const std::string& dir, const std::string& suffix)
{
    std::vector<std::string> names;
    if (DIR* d = opendir(dir.c_str()))
    {
        while (dirent* entry = readdir(d))
        {
            const std::string name = entry->d_name;
            if (name.size() >= suffix.size() &&
                name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0)
                names.push_back(name);
        }
        closedir(d);
    }
    std::sort(names.begin(), names.end());
    return names;
}

bool contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

std::string firstLines(const std::string& text, int count)
{
    std::size_t at = 0;
    for (int i = 0; i < count && at < text.size(); ++i)
    {
        const std::size_t end = text.find('\n', at);
        at = end == std::string::npos ? text.size() : end + 1;
    }
    return text.substr(0, at);
}

std::string digitsAsWords(const std::string& text)
{
    static const char* const words[] = {"zero", "one", "two",   "three", "four",
                                        "five", "six", "seven", "eight", "nine"};
    std::string out;
    for (char c : text)
        out += (c >= '0' && c <= '9') ? words[c - '0'] : std::string(1, c);
    return out;
}

std::vector<char> indexedBmpBytes(int w, int h, Uint8 index, Uint8 r, Uint8 g, Uint8 b)
{
    SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 8, 0, 0, 0, 0);
    SDL_Color colours[256];
    for (int i = 0; i < 256; ++i)
        colours[i] = SDL_Color{static_cast<Uint8>(i / 2), static_cast<Uint8>(i / 2), static_cast<Uint8>(i / 2), 0};
    colours[index] = SDL_Color{r, g, b, 0};
    SDL_SetPalette(s, SDL_LOGPAL, colours, 0, 256);
    SDL_FillRect(s, nullptr, index);
    char tmpl[] = "/tmp/quillfen-bmp-XXXXXX";
    const int fd = mkstemp(tmpl);
    if (fd >= 0)
        close(fd);
    SDL_SaveBMP(s, tmpl);
    SDL_FreeSurface(s);
    std::string bytes = readFile(tmpl);
    std::remove(tmpl);
    return std::vector<char>(bytes.begin(), bytes.end());
}

void writeIndexedBmp(const std::string& path, int w, int h, Uint8 index, Uint8 r, Uint8 g, Uint8 b)
{
    const std::vector<char> bytes = indexedBmpBytes(w, h, index, r, g, b);
    writeFile(path, std::string(bytes.begin(), bytes.end()));
}

void writeResourceContainer(const std::string& path, const std::vector<char>& bmp, const std::string& name)
{
    std::string out(128, '\0');
    std::memcpy(&out[0], name.data(), name.size() < 127 ? name.size() : 127);
    const Uint32 n = static_cast<Uint32>(bmp.size());
    out.push_back(static_cast<char>(n & 0xff));
    out.push_back(static_cast<char>((n >> 8) & 0xff));
    out.push_back(static_cast<char>((n >> 16) & 0xff));
    out.push_back(static_cast<char>((n >> 24) & 0xff));
    out.append(bmp.begin(), bmp.end());
    writeFile(path, out);
}

std::string infoFrameText(const InfoFrame& f)
{
    std::ostringstream o;
    o << f.image << " " << f.pause << " " << f.key << "\n";
    o << f.anchorX << " " << f.anchorY << "\n";
    o << f.col[0] << " " << f.col[1] << " " << f.col[2] << " " << f.col[3] << "\n";
    o << f.dmg[0] << " " << f.dmg[1] << " " << f.dmg[2] << " " << f.dmg[3] << "\n";
    o << f.damage << "\n" << f.flag6 << "\n" << f.hitType << "\n";
    o << f.hitX << " " << f.hitY << "\n" << f.l9x << " " << f.l9y << "\n";
    o << f.sound << "\n" << f.particles.size() << "\n";
    for (const std::string& p : f.particles)
        o << p << "\n";
    o << f.xStep << " " << f.yBoost << "\n" << f.deflecting << "\n";
    o << f.deflected << "\n" << f.face << "\n" << f.conditions.size() << "\n";
    for (const std::string& c : f.conditions)
        o << c << "\n";
    return o.str();
}

std::string infoText(const std::vector<InfoFrame>& frames)
{
    std::string text = "FILES: " + std::to_string(frames.size()) + "\n";
    for (const InfoFrame& f : frames)
        text += infoFrameText(f);
    return text;
}

void pushKey(SDLKey sym, SDLMod mod)
{
    SDL_Event e;
    std::memset(&e, 0, sizeof e);
    e.type = SDL_KEYDOWN;
    e.key.state = SDL_PRESSED;
    e.key.keysym.sym = sym;
    e.key.keysym.mod = mod;
    SDL_PushEvent(&e);
}

void pushQuit()
{
    SDL_Event e;
    std::memset(&e, 0, sizeof e);
    e.type = SDL_QUIT;
    SDL_PushEvent(&e);
}

void drainQueue()
{
    SDL_Event e;
    while (SDL_PollEvent(&e))
    {
    }
}

Uint32 pixelAt(SDL_Surface* s, int x, int y)
{
    SDL_LockSurface(s);
    const Uint32 value = static_cast<const Uint32*>(s->pixels)[y * (s->pitch / 4) + x];
    SDL_UnlockSurface(s);
    return value;
}

void scriptDraws(std::initializer_list<std::pair<int, int>> draws)
{
    for (unsigned int seed = 1; seed < 50000000; ++seed)
    {
        runtimeSrand(seed);
        bool fits = true;
        for (const auto& d : draws)
        {
            const int value = runtimeRand() % d.first;
            if (d.second >= 0 && value != d.second)
            {
                fits = false;
                break;
            }
        }
        if (fits)
        {
            g_randomNumber.seed(seed);
            return;
        }
    }
    ADD_FAILURE() << "no seed gives the scripted draws";
}

SoundRecorder::SoundRecorder()
{
    setSoundPlayObserver([this](const std::string& name) { played.push_back(name); });
}

SoundRecorder::~SoundRecorder()
{
    setSoundPlayObserver(nullptr);
}

TextRecorder::TextRecorder()
{
    setTextDrawObserver([this](int x, int y, const std::string& text) { drawn.push_back({x, y, text}); });
}

TextRecorder::~TextRecorder()
{
    setTextDrawObserver(nullptr);
}

std::vector<std::string> TextRecorder::strings() const
{
    std::vector<std::string> out;
    for (const Text& t : drawn)
        out.push_back(t.text);
    return out;
}

bool TextRecorder::drew(const std::string& text, int x, int y) const
{
    for (const Text& t : drawn)
        if (t.text == text && t.x == x && t.y == y)
            return true;
    return false;
}
AudioSession::AudioSession() : opened(false)
{
    SDL_InitSubSystem(SDL_INIT_AUDIO);
    opened = Mix_OpenAudio(22050, AUDIO_S16LSB, 2, 512) >= 0;
    g_audioOpen = opened;
}

AudioSession::~AudioSession()
{
    if (opened)
    {
        Mix_HaltChannel(-1);
        Mix_CloseAudio();
    }
    g_audioOpen = false;
}

int AudioSession::playing() const
{
    return opened ? Mix_Playing(-1) : 0;
}

void AudioSession::silence() const
{
    if (opened)
        Mix_HaltChannel(-1);
}

RequiredTestClock::RequiredTestClock(Uint32 start)
{
    setTestClock(start);
    requireTestClock(true);
}

RequiredTestClock::~RequiredTestClock()
{
    requireTestClock(false);
    releaseTestClock();
}

} // namespace testing_support
