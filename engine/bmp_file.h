// Windows bitmaps checked before SDL decodes them: a header SDL 1.2 would
// crash on, or stall converting, is refused with a reason.
#pragma once

#include <SDL.h>
#include <cstddef>
#include <string>

// Whether the bytes start a bitmap SDL can decode safely: "BM", one plane, a
// bit count of 1, 4, 8, 16, 24 or 32, no run-length compression, a size within
// 32767 x 32767 and 64M pixels, and pixel data that fits in the bytes given.
// Otherwise false with the reason in `why`.
bool bmpHeaderUsable(const unsigned char* bytes, std::size_t size, std::string& why);

// Loads a bitmap file, or a bitmap held in memory, after checking its header.
// Null when it cannot be read or is refused; SDL's error then says why.
SDL_Surface* loadCheckedBMP(const std::string& path);
SDL_Surface* loadCheckedBMP(const void* bytes, std::size_t size);
