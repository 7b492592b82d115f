// The data checker: loads every character folder of a data tree through the
// game's own loaders and reports, with file and line, what would make a
// fighter misbehave: engine names it lacks, names it uses that do not exist,
// frames without pictures, boxes outside their frames, files that do not
// parse.
#pragma once

#include <SDL.h>
#include <string>
#include <vector>

namespace checkdata
{
struct Finding
{
    std::string file;
    int line = 0; // 0: the file as a whole
    std::string message;
};

// "file:line: message" (the line left out when it is 0).
std::string describe(const Finding& f);

// Checks the tree under "data/" of the working directory. The video surface
// must be set up (sprites are converted to its format); the audio device is
// opened for the check when it is not open yet.
std::vector<Finding> checkTree(SDL_Surface* screen);

// Checks one folder "data/characters/<name>" of the working directory.
std::vector<Finding> checkCharacter(SDL_Surface* screen, const std::string& name);
} // namespace checkdata
