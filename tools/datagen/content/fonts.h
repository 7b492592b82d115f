// The game's two bitmap fonts: Calibri1 for dialogue, Calibri2 for menus,
// HUD figures and everything else.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace datagen
{
struct BitmapFont
{
    int side = 0;                       // the square image's side, 16 cells across
    std::vector<std::uint8_t> coverage; // side x side, rows top to bottom
    std::vector<std::uint8_t> widths;   // 256 advances
};

// Renders character codes 32..126 and 160..255 (Latin-1) of a font file at
// `pixelSize`, each centred in its cell as the game cuts it out, on a common
// baseline. Control codes get width 0.
BitmapFont renderBitmapFont(const std::string& fontFile, float pixelSize, int side);

// data/font/Calibri1 and data/font/Calibri2: font.ini, font.raw, font.dat.
bool writeFonts(const std::string& dataDir);
} // namespace datagen
