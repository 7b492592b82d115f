// quillfen_checkdata: checks a data tree the way the game will read it.
// Usage: quillfen_checkdata [folder holding data/] [character...]
// Prints one finding a line ("file:line: message") and exits 1 when there
// is any, 0 when the tree is clean.
#include "tools/checkdata/check_data.h"

#include <SDL.h>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

int main(int argc, char** argv)
{
    if (argc > 1 && chdir(argv[1]) != 0)
    {
        std::fprintf(stderr, "quillfen_checkdata: cannot enter %s\n", argv[1]);
        return 2;
    }
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_AUDIO) != 0)
    {
        std::fprintf(stderr, "quillfen_checkdata: %s\n", SDL_GetError());
        return 2;
    }
    SDL_Surface* screen = SDL_SetVideoMode(640, 480, 32, SDL_SWSURFACE);
    if (!screen)
    {
        std::fprintf(stderr, "quillfen_checkdata: %s\n", SDL_GetError());
        SDL_Quit();
        return 2;
    }
    std::vector<checkdata::Finding> findings;
    if (argc > 2)
        for (int i = 2; i < argc; ++i)
            for (const checkdata::Finding& f : checkdata::checkCharacter(screen, argv[i]))
                findings.push_back(f);
    else
        findings = checkdata::checkTree(screen);
    for (const checkdata::Finding& f : findings)
        std::printf("%s\n", checkdata::describe(f).c_str());
    std::printf("%zu finding%s\n", findings.size(), findings.size() == 1 ? "" : "s");
    SDL_Quit();
    return findings.empty() ? 0 : 1;
}
