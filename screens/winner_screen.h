// The winner screen: a fighter's victory picture with one of its quotes.
#pragma once

#include <SDL.h>
#include <string>

#include "engine/sprite.h"
#include "engine/sprite_sheet.h"

struct SDLFont;

class winnerScreen
{
public:
    winnerScreen() = default;
    ~winnerScreen();
    winnerScreen(const winnerScreen&) = delete;
    winnerScreen& operator=(const winnerScreen&) = delete;

    // `name` is the fighter's folder under data/screens/winning.
    void init(SDL_Surface* target, std::string name);
    // One quote from <folder>/lines: a count line, then a quote a line.
    std::string loadQuote(std::string folder);
    void update();
    void draw();

    SDL_Surface* target = nullptr;
    bool done = false;
    CSpriteBase backdropSheet;
    CSpriteNoLoop backdrop;
    CSpriteBase pictureSheet;
    CSpriteNoLoop picture;
    SDLFont* font = nullptr;
    std::string quote;
};
