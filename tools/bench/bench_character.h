// The benchmark's own small fighter, written when the data tree has no roster.
#pragma once

#include <string>

// Writes a complete fighter (animations, moves with blows, reactions and
// poses, its AI's attack file) into `folder`, which need not be under
// data/; returns the path of its chardata file. False in `ok` when a file
// could not be written.
std::string writeBenchCharacter(const std::string& folder, const std::string& name, bool& ok);
