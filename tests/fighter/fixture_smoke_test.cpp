// A character folder written by the test fixture loads whole.
#include "engine/audio.h"
#include "fighter/animation_set.h"
#include "fighter/character_data.h"
#include "fighter/move_set.h"
#include "tests/support/character_fixture.h"

#include <gtest/gtest.h>

using namespace testing_support;

TEST(CharacterFixture, LoadsWhole)
{
    ScratchDir dir;
    SDL_Surface* s = openTestVideo();
    CharacterSpec spec;
    spec.moves.push_back(MoveSpec{"jab", "A"});
    const std::string path = writeCharacter(spec);
    soundSet sounds;
    characterData c(path.c_str(), s, 0, &sounds);
    EXPECT_EQ(c.name, "Test");
    EXPECT_EQ(c.anims->count, 8);
    EXPECT_EQ(c.moves->count, 1);
    EXPECT_NE(c.moves->listA, nullptr);
    EXPECT_EQ(c.fighter.x, 50);
    EXPECT_EQ(c.fighter.hp, 100);
    EXPECT_TRUE(c.fighter.hasFrame());
}
