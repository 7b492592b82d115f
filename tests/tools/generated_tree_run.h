// A test that plays on the data tree the build generated.
#pragma once

#include "engine/globals.h"
#include "tests/support/test_support.h"

#include <SDL.h>
#include <filesystem>
#include <gtest/gtest.h>

// Plays in a scratch folder whose data/ is the tree the build generated, on
// the test clock from start to end.
class GeneratedTreeRun : public ::testing::Test
{
protected:
    void SetUp() override
    {
        screen = testing_support::openTestVideo();
        ASSERT_NE(screen, nullptr);
        std::filesystem::create_directory_symlink(QUILLFEN_DATA_TREE, "data");
    }
    void TearDown() override { fullyQuit = false; }

    testing_support::ScratchDir dir;
    SDL_Surface* screen = nullptr;
    testing_support::RequiredTestClock clock;
};
