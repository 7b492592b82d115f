// Renders every stage background through the game's camera at the start,
// middle and end of its field, side by side, so each can be looked at.
//
// usage: quillfen_bgsheet [folder holding data/] [output folder]
#include "engine/background.h"
#include "engine/camera.h"
#include "engine/globals.h"

#include <SDL.h>
#include <SDL_rotozoom.h>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace
{
const char* const kBackgrounds[] = {
    "nicksPlace",        "borderStreet", "RichStreet",  "LongStreet",   "TowerBase",     "elevatorBattle",
    "ToTheNavy",         "airship",      "HellRoad",    "finalRun",     "credits",       "borderStreetNight",
    "burningBase",       "trainBattle",  "towerTop",    "burningNavy",  "airshipHangar", "darkStreet",
    "destroyedStreet"};
} // namespace

int main(int argc, char** argv)
{
    const std::string root = argc > 1 ? argv[1] : ".";
    const std::string out = argc > 2 ? argv[2] : ".";
    char outReal[4096];
    if (!realpath(out.c_str(), outReal))
    {
        std::fprintf(stderr, "no output folder %s\n", out.c_str());
        return 1;
    }
    if (chdir(root.c_str()) != 0)
    {
        std::fprintf(stderr, "no data folder under %s\n", root.c_str());
        return 1;
    }
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    if (SDL_Init(SDL_INIT_VIDEO) < 0)
        return 1;
    screen = SDL_SetVideoMode(640, 480, 32, SDL_HWPALETTE);
    if (!screen)
        return 1;
    alphaOp = 1;
    int failures = 0;
    for (const char* name : kBackgrounds)
    {
        background bg(screen);
        bg.init(name);
        if (bg.layerCount == 0)
        {
            std::printf("%-18s no layers\n", name);
            ++failures;
            continue;
        }
        camera view;
        view.setCameraMaxPos(bg.width, 480);
        SDL_Surface* sheet = SDL_CreateRGBSurface(SDL_SWSURFACE, 960, 240, 32, screen->format->Rmask,
                                                  screen->format->Gmask, screen->format->Bmask, 0);
        const int positions[] = {0, (bg.width - 640) / 2, bg.width - 640};
        for (int i = 0; i < 3; ++i)
        {
            view.setX(positions[i]);
            view.adjustPosition();
            SDL_FillRect(screen, nullptr, 0);
            bg.draw(view.getX(), view.getY());
            SDL_Surface* small = zoomSurface(screen, 0.5, 0.5, SMOOTHING_ON);
            SDL_Rect at = {static_cast<Sint16>(320 * i), 0, 0, 0};
            SDL_BlitSurface(small, nullptr, sheet, &at);
            SDL_FreeSurface(small);
        }
        const std::string file = std::string(outReal) + "/" + name + ".bmp";
        SDL_SaveBMP(sheet, file.c_str());
        SDL_FreeSurface(sheet);
        std::printf("%-18s %2d layers, %5d wide -> %s\n", name, bg.layerCount, bg.width, file.c_str());
    }
    SDL_Quit();
    return failures == 0 ? 0 : 1;
}
