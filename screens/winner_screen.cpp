// The winner screen: a fighter's victory picture with one of its quotes.
#include "screens/winner_screen.h"

#include "engine/font.h"
#include "engine/globals.h"
#include "engine/present.h"
#include "engine/text_file.h"

#include <iostream>

namespace
{
const char* const kFallbackQuote = "I win... or something!";
} // namespace

winnerScreen::~winnerScreen()
{
    freeFont(font);
}

void winnerScreen::init(SDL_Surface* t, std::string name)
{
    done = false;
    target = t;
    backdropSheet.init("data/screens/winning");
    backdrop.init(&backdropSheet, target);
    backdrop.x = 0;
    backdrop.y = 0;
    backdrop.setSpeed(3.0f);
    const std::string folder = "data/screens/winning/" + name;
    pictureSheet.init(folder);
    picture.init(&pictureSheet, target);
    picture.x = 0;
    picture.y = 0;
    picture.setSpeed(3.0f);
    freeFont(font);
    font = initFont("data/font/Calibri2", 0, 0, 0, 1);
    quote = loadQuote(folder);
}

std::string winnerScreen::loadQuote(std::string folder)
{
    TextFileReader file;
    if (!file.open(folder + "/lines"))
    {
        std::cout << "Unable to open quotes file" << std::endl;
        return kFallbackQuote;
    }
    std::string line;
    file.readLine(line);
    const int count = parseInt(line);
    // A count that names no quote has none to pick.
    if (count <= 0)
        return kFallbackQuote;
    // Read only as far as the quote drawn; a file shorter than its count
    // gives an empty one.
    const int chosen = g_randomNumber.getNumber(count);
    std::string picked;
    for (int i = 0; i <= chosen; ++i)
    {
        if (!file.readLine(picked))
            return std::string();
    }
    return picked;
}

void winnerScreen::update()
{
    done = picture.finished;
}

void winnerScreen::draw()
{
    backdrop.draw();
    picture.draw();
    drawString(target, font, 5, 415, "%s", quote.c_str());
    presentFrame(target);
}
