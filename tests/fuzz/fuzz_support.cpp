// What every loader fuzz target shares: the dummy video and audio drivers, a
// scratch folder of its own to work in, and the input written as a file.
#include "tests/fuzz/fuzz_support.h"

#include "engine/platform.h"

#include <cstdio>
#include <cstdlib>
#include <ftw.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
char folder[] = "/tmp/quillfen-fuzz-XXXXXX";

int removeEntry(const char* path, const struct stat*, int, struct FTW*)
{
    return std::remove(path);
}

// The scratch folder goes when the fuzzer ends its run.
void removeFolder()
{
    if (chdir("/") == 0)
        nftw(folder, removeEntry, 16, FTW_DEPTH | FTW_PHYS);
}
} // namespace

SDL_Surface* fuzzScreen()
{
    static SDL_Surface* screen = nullptr;
    if (screen)
        return screen;
    if (!mkdtemp(folder) || chdir(folder) != 0)
        std::abort();
    std::atexit(removeFolder);
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    if (SDL_Init(SDL_INIT_VIDEO) < 0)
        std::abort();
    screen = SDL_SetVideoMode(640, 480, 32, SDL_SWSURFACE);
    if (!screen)
        std::abort();
    // The loaders report bad files on stdout; the fuzzer's own output is enough.
    if (!std::freopen("/dev/null", "w", stdout))
        std::abort();
    return screen;
}

void writeInput(const std::string& path, const std::uint8_t* data, std::size_t size)
{
    for (std::size_t slash = path.find('/'); slash != std::string::npos; slash = path.find('/', slash + 1))
        makeDirectory(path.substr(0, slash));
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        std::abort();
    if (size > 0 && std::fwrite(data, 1, size, f) != size)
        std::abort();
    std::fclose(f);
}

void writeSmallBitmap(const std::string& path)
{
    SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, 8, 8, 8, 0, 0, 0, 0);
    if (!s)
        std::abort();
    SDL_FillRect(s, nullptr, 1);
    writeInput(path, nullptr, 0);
    SDL_SaveBMP(s, path.c_str());
    SDL_FreeSurface(s);
}
