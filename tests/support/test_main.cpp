// Test entry: the game's SDL drivers are headless and its menus never wait under test.
#include "engine/frame_pace.h"

#include <cstdlib>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    // Menus never wait for the real clock under test.
    setFrameWaiter({});
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
