// Bitmap fonts: a 16x16 grid of glyph coverage turned into one alpha surface
// in a single colour, drawn printf-style glyph by glyph.
#include "engine/font.h"

#include "engine/memory_tracker.h"
#include "engine/text_file.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace
{
// The smallest image with a pixel per glyph cell, and the largest we accept.
constexpr int kMinSide = 16;
constexpr int kMaxSide = 4096;

Uint8 colourByte(float c)
{
    const long t = static_cast<long>(c);
    return static_cast<Uint8>((t * 255) % 256);
}

std::string compose(const char* fmt, va_list args)
{
    char text[1024];
    std::vsnprintf(text, sizeof text, fmt ? fmt : "", args);
    return text;
}
} // namespace

SDLFont* initFont(const char* dir, float r, float g, float b, float a)
{
    const std::string folder = dir ? dir : "";
    TextFileReader ini;
    if (!ini.open(folder + "/font.ini"))
        return nullptr;
    std::string line;
    int side = 0;
    // The size is read as "%d" reads it: blank lines and blanks before it are skipped.
    while (ini.readLine(line))
        if (!firstWord(line).empty())
        {
            LineScan(line).integer(side);
            break;
        }
    ini.close();
    if (side < kMinSide || side > kMaxSide)
    {
        std::printf("Font %s: image side %d is not a usable size\n", folder.c_str(), side);
        return nullptr;
    }

    std::FILE* raw = std::fopen((folder + "/font.raw").c_str(), "rb");
    if (!raw)
        return nullptr;

    // The coverage is read in one call; a short file reads as full coverage
    // for the pixels it lacks.
    const std::size_t count = static_cast<std::size_t>(side) * static_cast<std::size_t>(side);
    std::vector<unsigned char> coverage(count);
    const std::size_t got = std::fread(coverage.data(), 1, count, raw);
    std::fclose(raw);
    std::fill(coverage.begin() + static_cast<std::ptrdiff_t>(got), coverage.end(), 255);

    M_OWNER();
    SDLFont* font = new SDLFont;
    font->imageSide = side;
    font->cellSize = side / 16;
    font->pixels = new unsigned char[count * 4];
    const Uint8 red = colourByte(r);
    const Uint8 green = colourByte(g);
    const Uint8 blue = colourByte(b);
    for (std::size_t i = 0; i < count; ++i)
    {
        unsigned char* p = font->pixels + i * 4;
        p[0] = red;
        p[1] = green;
        p[2] = blue;
        p[3] = static_cast<Uint8>(static_cast<long>(coverage[i] * a) & 0xFF);
    }

    SDL_Surface* wrapper = SDL_CreateRGBSurfaceFrom(font->pixels, side, side, 32, side * 4, 0x000000FF, 0x0000FF00,
                                                    0x00FF0000, 0xFF000000);
    if (wrapper)
    {
        font->image = SDL_DisplayFormatAlpha(wrapper);
        SDL_FreeSurface(wrapper);
    }

    font->glyphWidth = new int[256]();
    std::FILE* dat = std::fopen((folder + "/font.dat").c_str(), "rb");
    if (dat)
    {
        for (int c = 0; c < 256; ++c)
        {
            const int w = std::fgetc(dat);
            if (w == EOF)
                break;
            font->glyphWidth[c] = w;
        }
        std::fclose(dat);
    }
    return font;
}

void freeFont(SDLFont* font)
{
    if (!font)
        return;
    delete[] font->glyphWidth;
    delete[] font->pixels;
    if (font->image)
        SDL_FreeSurface(font->image);
    delete font;
}

namespace
{
using FontKey = std::tuple<std::string, float, float, float, float>;

// Only weak references: the holders own the fonts, and the last one to let go
// also takes the entry away, so nothing here outlives SDL or shows as a leak.
std::map<FontKey, std::weak_ptr<SDLFont>>& sharedFonts()
{
    static std::map<FontKey, std::weak_ptr<SDLFont>> fonts;
    return fonts;
}
} // namespace

SharedFont sharedFont(const char* dir, float r, float g, float b, float a)
{
    auto& fonts = sharedFonts();
    const FontKey key(dir ? dir : "", r, g, b, a);
    const auto found = fonts.find(key);
    if (found != fonts.end())
        if (SharedFont held = found->second.lock())
            return held;
    SDLFont* loaded = initFont(dir, r, g, b, a);
    if (!loaded)
        return nullptr;
    M_OWNER();
    SharedFont font(loaded,
                    [key](SDLFont* f)
                    {
                        sharedFonts().erase(key);
                        freeFont(f);
                    });
    fonts[key] = font;
    return font;
}

SDL_Rect glyphSource(const SDLFont* font, unsigned char c)
{
    SDL_Rect r = {0, 0, 0, 0};
    if (!font || !font->glyphWidth)
        return r;
    const int w = font->glyphWidth[c];
    r.x = static_cast<Sint16>((c % 16) * font->cellSize + (font->cellSize / 2 - w / 2));
    r.y = static_cast<Sint16>((c / 16) * font->cellSize);
    r.w = static_cast<Uint16>(w + 2);
    r.h = static_cast<Uint16>(font->cellSize);
    return r;
}

namespace
{
TextDrawObserver textObserver;
}

void setTextDrawObserver(TextDrawObserver observer)
{
    textObserver = std::move(observer);
}

void drawString(SDL_Surface* dst, SDLFont* font, int x, int y, const char* fmt, ...)
{
    va_list args;
    va_start(args, fmt);
    const std::string text = compose(fmt, args);
    va_end(args);
    if (textObserver)
        textObserver(x, y, text);
    if (!font || !font->image || !dst)
        return;
    int pen = 0;
    for (char ch : text)
    {
        const unsigned char c = static_cast<unsigned char>(ch);
        SDL_Rect src = glyphSource(font, c);
        SDL_Rect dest = {static_cast<Sint16>(x + pen), static_cast<Sint16>(y), 0, 0};
        SDL_BlitSurface(font->image, &src, dst, &dest);
        pen += font->glyphWidth[c];
    }
}

int stringWidth(SDLFont* font, const char* fmt, ...)
{
    if (!font || !font->glyphWidth)
        return 0;
    va_list args;
    va_start(args, fmt);
    const std::string text = compose(fmt, args);
    va_end(args);
    int width = 0;
    for (char ch : text)
        width += font->glyphWidth[static_cast<unsigned char>(ch)];
    return width;
}

void fontDrawIMG(SDL_Surface* dst, SDL_Surface* src, int x, int y, int w, int h, int sx, int sy)
{
    if (!dst || !src)
        return;
    SDL_Rect from = {static_cast<Sint16>(sx), static_cast<Sint16>(sy), static_cast<Uint16>(w), static_cast<Uint16>(h)};
    SDL_Rect to = {static_cast<Sint16>(x), static_cast<Sint16>(y), 0, 0};
    SDL_BlitSurface(src, &from, dst, &to);
}
