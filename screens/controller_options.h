// The controller screens: which player to map, and the mapping of one player's keys and joystick buttons.
#pragma once

#include <SDL.h>

#include "screens/menu_screen.h"

struct SDLFont;

class optionsControllerScreen : public menuScreen
{
public:
    void init(SDL_Surface* target);
    void update() { menu(); }
    void draw() { drawMenu(); }
    void menu();
    void changePlayerControls(int player);
};

class optionsPlayerControllerScreen : public menuScreen
{
public:
    enum Mode
    {
        Menu = 0,
        EnterKeys = 1,
        EnterButtons = 2,
        JoystickOff = 3
    };

    ~optionsPlayerControllerScreen();
    void init(SDL_Surface* target, int player);
    void update();
    void draw();
    void menu();
    void enterKeys();
    void enterGpadButtons();
    void drawP1Controls();
    void drawP2Controls();

    int player = 1;
    int mode = Menu;
    int entry = 0;
    bool padView = false;
    SDLFont* normalFont = nullptr;
    SDLFont* highlightFont = nullptr;
    SDLFont* noteFont = nullptr;
    int lastAxisValue = 0;
    int lastMoveValue = 0;

private:
    // The pad being edited: GPad1 or GPad2.
    gamePad& pad();
    const char* padPath() const;
    // Escape or a closed window during entry: the pad goes back to its file.
    void cancelEntry();
    void drawPad(const gamePad& p);
};
