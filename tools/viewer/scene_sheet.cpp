// Plays dialogue scenes headless over a data tree, confirming every line,
// and writes the frame shown at each wait, full size, and a contact sheet of
// them all at half size, so every scene can be looked at.
//
// usage: quillfen_scenesheet <folder holding data/> <output folder> [scene...]
#include "engine/globals.h"
#include "engine/present.h"
#include "scenes/scene_list.h"
#include "screens/dialogue_screen.h"
#include "screens/dialogue_segments.h"

#include <SDL.h>
#include <SDL_rotozoom.h>
#include <cstdio>
#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace
{
// Plays one scene, keeping a copy of the frame at each wait; false when it
// does not reach its end.
bool playAndKeep(dialogueSegmentBuilder& scene, std::vector<SDL_Surface*>& frames)
{
    dialogueScreen s;
    s.init(screen, &scene);
    for (int steps = 0; !s.done && steps < 100000; ++steps)
    {
        s.update();
        s.draw();
        const bool atWait = !s.done && s.index < scene.numSegments &&
                            dynamic_cast<diaSegWaitForInput*>(scene.segments[s.index]) != nullptr;
        if (!atWait)
            continue;
        frames.push_back(SDL_ConvertSurface(screen, screen->format, SDL_SWSURFACE));
        SDL_Event confirm{};
        confirm.type = SDL_KEYDOWN;
        confirm.key.type = SDL_KEYDOWN;
        confirm.key.state = SDL_PRESSED;
        confirm.key.keysym.sym = static_cast<SDLKey>(GPad1.keyA);
        SDL_PushEvent(&confirm);
    }
    return s.done;
}

bool writeSheet(const std::vector<SDL_Surface*>& frames, const std::string& path)
{
    const int columns = 4, cellW = 320, cellH = 240;
    const int rows = (static_cast<int>(frames.size()) + columns - 1) / columns;
    SDL_Surface* sheet =
        SDL_CreateRGBSurface(SDL_SWSURFACE, columns * cellW, std::max(1, rows) * cellH, 32,
                             screen->format->Rmask, screen->format->Gmask, screen->format->Bmask, 0);
    for (std::size_t i = 0; i < frames.size(); ++i)
    {
        SDL_Surface* half = zoomSurface(frames[i], 0.5, 0.5, SMOOTHING_ON);
        SDL_Rect at{static_cast<Sint16>(static_cast<int>(i) % columns * cellW),
                    static_cast<Sint16>(static_cast<int>(i) / columns * cellH), 0, 0};
        SDL_BlitSurface(half, nullptr, sheet, &at);
        SDL_FreeSurface(half);
    }
    const bool ok = SDL_SaveBMP(sheet, path.c_str()) == 0;
    SDL_FreeSurface(sheet);
    return ok;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc < 3)
    {
        std::fprintf(stderr, "usage: %s <folder holding data/> <output folder> [scene...]\n", argv[0]);
        return 2;
    }
    char outReal[4096];
    if (!realpath(argv[2], outReal))
    {
        std::fprintf(stderr, "no output folder %s\n", argv[2]);
        return 1;
    }
    if (chdir(argv[1]) != 0)
    {
        std::fprintf(stderr, "no data folder under %s\n", argv[1]);
        return 1;
    }
    std::vector<int> numbers;
    for (int i = 3; i < argc; ++i)
        numbers.push_back(std::atoi(argv[i]));
    if (numbers.empty())
        for (int n = 1; n <= kSceneCount; ++n)
            numbers.push_back(n);

    setenv("SDL_VIDEODRIVER", "dummy", 0);
    if (SDL_Init(SDL_INIT_VIDEO) < 0)
        return 1;
    screen = SDL_SetVideoMode(640, 480, 32, SDL_SWSURFACE);
    if (!screen)
        return 1;
    GPad1.loadGamePad(kPad1Path);
    GPad1.joystickIndex = -1;
    int failures = 0;
    for (int n : numbers)
    {
        std::unique_ptr<dialogueSegmentBuilder> scene = makeScene(n);
        if (!scene)
        {
            std::printf("scene %2d  not written\n", n);
            continue;
        }
        std::vector<SDL_Surface*> frames;
        const bool ended = playAndKeep(*scene, frames);
        const std::string stem = std::string(outReal) + "/scene" + (n < 10 ? "0" : "") + std::to_string(n);
        for (std::size_t i = 0; i < frames.size(); ++i)
        {
            const std::string file = stem + "_" + (i < 9 ? "0" : "") + std::to_string(i + 1) + ".bmp";
            if (SDL_SaveBMP(frames[i], file.c_str()) != 0)
                ++failures;
        }
        if (!writeSheet(frames, stem + "_sheet.bmp"))
            ++failures;
        std::printf("scene %2d  %zu waits%s\n", n, frames.size(), ended ? "" : "  (did not reach its end)");
        failures += ended ? 0 : 1;
        for (SDL_Surface* f : frames)
            SDL_FreeSurface(f);
    }
    SDL_Quit();
    return failures == 0 ? 0 : 1;
}
