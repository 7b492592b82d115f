// The program's start and end: SDL, audio and window from the settings, the
// loading picture and the splash, then the main menu.
#include "engine/startup.h"

#include "engine/bmp_file.h"
#include "engine/globals.h"
#include "engine/memory_tracker.h"
#include "engine/platform.h"
#include "engine/present.h"
#include "screens/main_menu.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <utility>

void splashScreen::init(SDL_Surface* t, const char* dir)
{
    target = t;
    done = false;
    // Shown facing right only: no mirror images.
    sheet.init(dir, false);
    sprite.init(&sheet, target);
    sprite.x = 0;
    sprite.y = 0;
    sprite.setSpeed(3.0f);
}

void splashScreen::draw()
{
    sprite.draw();
    presentFrame(target);
}

void splashScreen::update()
{
    done = sprite.finished;
}

void coutToNull()
{
    if (!logOutput)
        std::cout.rdbuf(nullptr);
}

namespace
{
VideoModeSetter videoModeSetter;
} // namespace

void setVideoModeSetter(VideoModeSetter setter)
{
    videoModeSetter = std::move(setter);
}

// A new video mode can make the window anew, and the new one never hears the
// release of the key that asked for it. SDL would still count that key as
// held and drop its next press as a repeat: the first confirm after choosing a
// window size went unheard. Nothing is held across a change of window.
static void forgetHeldKeys()
{
    int count = 0;
    Uint8* held = SDL_GetKeyState(&count);
    if (held)
        std::fill(held, held + count, Uint8{0});
    SDL_SetModState(KMOD_NONE);
}

SDL_Surface* openWindow(int width, int height, bool full)
{
    const Uint32 flags = full ? (SDL_FULLSCREEN | SDL_HWPALETTE) : SDL_HWPALETTE;
    SDL_Surface* window =
        videoModeSetter ? videoModeSetter(width, height, 32, flags) : SDL_SetVideoMode(width, height, 32, flags);
    if (window)
    {
        setWindowSurface(window);
        forgetHeldKeys();
    }
    return window;
}

SDL_Surface* makeComposeSurface(SDL_Surface* window)
{
    const SDL_PixelFormat* f = window->format;
    return SDL_CreateRGBSurface(SDL_SWSURFACE, 640, 480, f->BitsPerPixel, f->Rmask, f->Gmask, f->Bmask, 0);
}

void sdlInit()
{
    hideConsoleWindow();
    if (SDL_Init(SDL_INIT_AUDIO | SDL_INIT_VIDEO | SDL_INIT_JOYSTICK) < 0)
    {
        std::printf("Unable to init SDL: %s\n", SDL_GetError());
        std::exit(1);
    }
    std::atexit(SDL_Quit);

    g_audioOpen = Mix_OpenAudio(22050, AUDIO_S16LSB, 2, 4096) >= 0;
    if (!g_audioOpen)
        std::printf("Unable to open audio, the game goes on without sound: %s\n", SDL_GetError());

    config.loadConfigFile();
    SCREEN_WIDTH = config.usableWidth();
    SCREEN_HEIGHT = config.usableHeight();
    // Full screen only for the size the settings ask for; the fallback is always a window.
    const bool full = config.usableWidth() == config.width && config.usableHeight() == config.height &&
                      config.fullScreen != 0;

    SDL_Surface* window = openWindow(SCREEN_WIDTH, SCREEN_HEIGHT, full);
    if (!window && (SCREEN_WIDTH != 640 || SCREEN_HEIGHT != 480 || full))
    {
        // A size the display cannot show must not keep the game from starting.
        std::printf("Unable to set video mode %dx%d: %s; using 640x480 in a window\n", SCREEN_WIDTH, SCREEN_HEIGHT,
                    SDL_GetError());
        SCREEN_WIDTH = 640;
        SCREEN_HEIGHT = 480;
        window = openWindow(SCREEN_WIDTH, SCREEN_HEIGHT, false);
    }
    screen = window ? makeComposeSurface(window) : nullptr;
    if (!screen)
    {
        std::printf("Unable to set video mode: %s\n", SDL_GetError());
        std::exit(1);
    }
    SDL_WM_SetCaption("Quillfen", nullptr);
}

void startUp()
{
    coutToNull();
    sdlInit();
    SDL_ShowCursor(SDL_DISABLE);

    {
        splashScreen loading;
        loading.init(screen, "data/screens/loading");
        loading.draw();
    }

    GPad1.loadGamePad(kPad1Path);

    joystick1 = nullptr;
    joystick2 = nullptr;
    for (int i = 0; i < SDL_NumJoysticks(); ++i)
    {
        if (i == 0)
            joystick1 = SDL_JoystickOpen(0);
        else if (i == 1)
            joystick2 = SDL_JoystickOpen(1);
        std::cout << "Joystick " << i << ": " << SDL_JoystickName(i) << std::endl;
    }

    splashScreen present;
    present.init(screen, "data/screens/present");
    while (!present.done && !fullyQuit)
    {
        present.draw();
        present.update();
    }
}

int runMainMenu()
{
    mainMenu menu;
    menu.init(screen);
    while (!menu.done && !fullyQuit)
    {
        menu.update();
        menu.draw();
    }
    return shutDown();
}

int shutDown()
{
    log("This is how to log for the memory leak log");
    log("43 leaks in just having the main menu up...");
    return 0;
}

int startGame()
{
    startUp();
    return runMainMenu();
}

SDL_Surface* ImageLoad(const char* path)
{
    SDL_Surface* loaded = loadCheckedBMP(path ? path : "");
    if (!loaded)
        return nullptr;
    SDL_Surface* converted = SDL_DisplayFormat(loaded);
    SDL_FreeSurface(loaded);
    return converted;
}

void InitImages()
{
    back = ImageLoad("data/tBG2.bmp");
}

void cleanup()
{
    if (joystick1)
        SDL_JoystickClose(joystick1);
    if (joystick2)
        SDL_JoystickClose(joystick2);
}
