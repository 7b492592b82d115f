// Walks a built stage script's steps without the stage loop, for tests that
// check a script's order: each step runs until it finishes, the walker doing
// what the player would (beating a watched wave, walking to a trigger).
#pragma once

#include <string>

class beatEmUpSegmentBuilder;

namespace testing_support
{
// The steps as tokens separated by spaces: "B<min>-<max>" a boundary change,
// "T<x>" a position trigger, "A<w>", "M<w>", "D<w>" activating, watching and
// deactivating wave w, "?" a step of another kind. A watched wave still
// standing is put down and the step run again; a waiting trigger moves
// player 1 to its x. A step that still does not finish gets a "!" and ends
// the walk.
std::string walkScript(beatEmUpSegmentBuilder& builder);
} // namespace testing_support
