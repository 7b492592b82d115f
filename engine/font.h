// Bitmap fonts: a 16x16 grid of glyph coverage turned into one alpha surface
// in a single colour, drawn printf-style glyph by glyph.
#pragma once

#include <SDL.h>
#include <functional>
#include <memory>
#include <string>

struct SDLFont
{
    SDL_Surface* image = nullptr;
    int imageSide = 0;
    int cellSize = 0;
    int* glyphWidth = nullptr;
    unsigned char* pixels = nullptr;
};

// Loads the font folder `dir` (font.ini, font.raw, font.dat) in colour
// (r, g, b) with alpha factor a; null when the folder has no usable font.
SDLFont* initFont(const char* dir, float r, float g, float b, float a);
void freeFont(SDLFont* font);

// One font per folder, colour and alpha, shared by every holder that asks for
// it and freed when the last of them lets go; null when the folder has none.
using SharedFont = std::shared_ptr<SDLFont>;
SharedFont sharedFont(const char* dir, float r, float g, float b, float a);

// Text that comes from data (names, dialogue) is always passed as the
// argument of "%s", never as the format.
void drawString(SDL_Surface* dst, SDLFont* font, int x, int y, const char* fmt, ...)
    __attribute__((format(printf, 5, 6)));
// Tests see every string a screen asks to draw, with its place, font or not.
using TextDrawObserver = std::function<void(int x, int y, const std::string& text)>;
void setTextDrawObserver(TextDrawObserver observer);
int stringWidth(SDLFont* font, const char* fmt, ...) __attribute__((format(printf, 2, 3)));
void fontDrawIMG(SDL_Surface* dst, SDL_Surface* src, int x, int y, int w, int h, int sx, int sy);

// Where character `c` is taken from in the font image, and its advance.
SDL_Rect glyphSource(const SDLFont* font, unsigned char c);
