// Every written scene by its number, for the tools and tests that play them.
#pragma once

#include <memory>

#include "screens/dialogue_segments.h"

// The highest scene number of the story.
constexpr int kSceneCount = 33;

// A fresh builder of scene `number`, or null for a scene not yet written or
// a number outside 1..kSceneCount.
std::unique_ptr<dialogueSegmentBuilder> makeScene(int number);
