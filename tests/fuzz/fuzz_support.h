// What every loader fuzz target shares: the dummy video and audio drivers, a
// scratch folder of its own to work in, and the input written as a file.
#pragma once

#include <SDL.h>
#include <cstddef>
#include <cstdint>
#include <string>

// The 640x480 test screen, opened once; the first call also moves into a fresh
// scratch folder, so every data path the loaders build stays inside it.
SDL_Surface* fuzzScreen();

// Writes the input bytes to `path` under the scratch folder, making its folders.
void writeInput(const std::string& path, const std::uint8_t* data, std::size_t size);

// Writes a small sound 8-bit bitmap at `path`, for loaders that need a picture.
void writeSmallBitmap(const std::string& path);
