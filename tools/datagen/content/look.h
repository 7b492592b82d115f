// The game's shared look: the dusk city behind its menus, the fighters on the
// rooftops and the QUILLFEN logo, used by the title, splash and loading screens.
#pragma once

#include <string>

#include "core/canvas.h"

namespace datagen::look
{
constexpr int kScreenW = 640;
constexpr int kScreenH = 480;

// The fonts the game's menus and titles are set in.
std::string titleFont();
std::string menuFont();

struct CityOptions
{
    bool fighters = true; // the two silhouettes facing off on the rooftops
    float sunRise = 0.0f; // pixels the sun sits lower than on the title screen
};

// Sky, sun, clouds and two layers of skyline, 640x480, opaque.
Canvas duskCity(const CityOptions& options = {});

struct LogoOptions
{
    float cx = 320.0f;
    float cy = 150.0f;   // middle of the capitals
    float size = 92.0f;  // em size in pixels
    float glow = 1.0f;   // strength of the outer glow
    float shine = -1.0f; // 0..1 position of a light sweep across it; < 0 none
};

// The logo on a clear 640x480 canvas.
Canvas logo(const LogoOptions& options = {});

struct CaptionOptions
{
    float cx = 320.0f;
    float cy = 0.0f;
    float size = 16.0f;
    float spacing = 3.0f;
    Colour fill = hex(0xf4ead8);
    Colour edge = hex(0x12060a);
    float edgeWidth = 2.0f;
};

// A line of menu text with a dark edge and a soft shadow, on a clear canvas.
Canvas caption(const std::string& text, const CaptionOptions& options);
} // namespace datagen::look
