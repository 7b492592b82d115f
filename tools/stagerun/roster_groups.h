// The roster as the balance report groups it: the characters of character
// select, and which of them are built to fight one on one.
#pragma once

#include <string>
#include <vector>

// The characters of character select, in its order.
std::vector<std::string> selectCharacters();
// Whether a character is a one-on-one fighter rather than a stage crowd.
bool fightsOneOnOne(const std::string& name);
