// The options menu and its window-size and volume screens.
#include "screens/options.h"

#include "engine/present.h"
#include "engine/startup.h"
#include "screens/controller_options.h"
#include "screens/menu_input.h"
#include "screens/small_menus.h"

#include <algorithm>
#include <cstdio>

void optionsScreen::init(SDL_Surface* t)
{
    openMenu(t, "data/screens/options", "data/screens/options", 5, 224, 330);
}

void optionsScreen::update()
{
    const MenuInput input = pollMenuInput(buttons);
    if (input.back)
    {
        playCancel();
        done = true;
    }
    if (!input.activate)
        return;
    switch (buttons.getSelected())
    {
    case ScreenSize:
        playConfirm();
        doScreenOptions();
        // The other screens show what was just written.
        config.loadConfigFile();
        break;
    case Sound:
        playConfirm();
        doMusicOptions();
        break;
    case Controls:
        playConfirm();
        doControlsOptions();
        break;
    case ResetData:
        playConfirm();
        doResetOptions();
        break;
    default:
        playCancel();
        done = true;
        break;
    }
}

void optionsScreen::doScreenOptions()
{
    optionsScreenSizeScreen sizes;
    sizes.init(target);
    runScreen(sizes);
}

void optionsScreen::doMusicOptions()
{
    optionsMusicScreen volumes;
    volumes.init(target);
    runScreen(volumes);
}

void optionsScreen::doControlsOptions()
{
    optionsControllerScreen controls;
    controls.init(target);
    runScreen(controls);
}

void optionsScreen::doResetOptions()
{
    resetDataScreen reset;
    reset.init(target);
    runScreen(reset);
}

void optionsScreenSizeScreen::init(SDL_Surface* t)
{
    openMenu(t, "data/screens/options", "data/screens/options/ScreenSize", 5, 224, 330);
}

void optionsScreenSizeScreen::update()
{
    struct Mode
    {
        bool full;
        int width;
        int height;
    };
    static const Mode modes[] = {{true, 640, 480}, {false, 640, 480}, {false, 800, 600}, {false, 1024, 768}};
    const MenuInput input = pollMenuInput(buttons);
    if (input.back)
    {
        playCancel();
        done = true;
    }
    if (!input.activate)
        return;
    const int chosen = buttons.getSelected();
    if (chosen >= 0 && chosen < 4)
    {
        playConfirm();
        applyMode(modes[chosen].full, modes[chosen].width, modes[chosen].height);
    }
    else
    {
        playCancel();
        done = true;
    }
}

void optionsScreenSizeScreen::applyMode(bool full, int width, int height)
{
    const configFile before = config;
    const int oldWidth = SCREEN_WIDTH;
    const int oldHeight = SCREEN_HEIGHT;
    SDL_Surface* oldWindow = windowSurface();
    const bool oldFull = oldWindow && (oldWindow->flags & SDL_FULLSCREEN) != 0;

    config.fullScreen = full ? 1 : 0;
    config.width = width;
    config.height = height;
    config.saveConfigFile();
    SCREEN_WIDTH = width;
    SCREEN_HEIGHT = height;
    // Pictures are composed into `screen`, which never changes; only the
    // window does.
    if (openWindow(width, height, full))
        return;

    // The display cannot show this mode: everything goes back as it was, so
    // the settings never name a window that does not open.
    std::printf("Unable to set video mode %dx%d: %s; keeping %dx%d\n", width, height, SDL_GetError(),
                oldWidth, oldHeight);
    config = before;
    SCREEN_WIDTH = oldWidth;
    SCREEN_HEIGHT = oldHeight;
    openWindow(oldWidth, oldHeight, oldFull);
    config.saveConfigFile();
}

namespace
{
// The volume bars run from 0 to 127.
constexpr int kMaxBarVolume = 127;

int barVolume(int volume)
{
    return std::clamp(volume, 0, kMaxBarVolume);
}
} // namespace

void optionsMusicScreen::init(SDL_Surface* t)
{
    openMenu(t, "data/screens/options", "data/screens/options/Sound/buttons", 3, 0, 150);
    // A hand-edited settings file may hold any int; the screen works within its bars' range.
    musicVolume = barVolume(config.musicVolume);
    effectsVolume = barVolume(config.soundVolume);
    barSheet.init("data/powBar", false);
    CSpriteBar* bars[] = {&musicBar, &effectsBar};
    const int values[] = {musicVolume, effectsVolume};
    for (int i = 0; i < 2; ++i)
    {
        CSpriteBar& bar = *bars[i];
        bar.init(&barSheet, target);
        bar.x = 290;
        bar.y = 225 + 150 * i;
        bar.setBar(8, 8, 180, 5, kMaxBarVolume, values[i], false);
        bar.blackBacking = true;
        bar.frameOnTop = false;
    }
}

void optionsMusicScreen::changeVolume(int step)
{
    int* volume = nullptr;
    if (buttons.getSelected() == 0)
        volume = &musicVolume;
    else if (buttons.getSelected() == 1)
        volume = &effectsVolume;
    if (!volume)
        return;
    *volume = barVolume(*volume + step);
}

void optionsMusicScreen::update()
{
    MenuInput input;
    SDL_Event event;
    while (SDL_PollEvent(&event))
    {
        checkQuitEvent(event);
        if (event.type == SDL_KEYDOWN)
        {
            // Up and down, then right and left on the bar selected by then,
            // then confirm and Escape.
            const int key = event.key.keysym.sym;
            applyMenuMoveKey(key, buttons);
            if (key == GPad1.keyRight)
            {
                changeVolume(10);
                playConfirm();
            }
            if (key == GPad1.keyLeft)
            {
                changeVolume(-10);
                playCancel();
            }
            applyMenuRequestKey(key, input);
            continue;
        }
        if (event.type == SDL_JOYAXISMOTION && event.jaxis.axis == 0 && GPad1.joystickIndex >= 0 &&
            GPad1.joystickIndex == event.jaxis.which && GPad1.xAxisCentred &&
            (event.jaxis.value < gamePadDeadZoneMin || event.jaxis.value > gamePadDeadZoneMax))
        {
            changeVolume(event.jaxis.value > 0 ? 10 : -10);
        }
        // Confirm by button, the vertical stick and the stick's rest flags.
        applyMenuEvent(event, buttons, input);
    }
    // Leaving with Escape saves nothing and makes no sound.
    if (input.back)
        done = true;
    if (input.activate && buttons.getSelected() == 2)
    {
        playCancel();
        config.musicVolume = musicVolume;
        config.soundVolume = effectsVolume;
        config.saveConfigFile();
        done = true;
    }
    musicBar.setBarValue(musicVolume);
    effectsBar.setBarValue(effectsVolume);
    // Effects play at the new level from the next press on, saved or not.
    config.soundVolume = effectsVolume;
}

void optionsMusicScreen::draw()
{
    backdrop.draw();
    buttons.draw();
    musicBar.draw();
    effectsBar.draw();
    presentFrame(target);
}
