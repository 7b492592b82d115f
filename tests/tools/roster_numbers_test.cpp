// The roster's numbers table is checked against the characters the generator
// writes: a row that names no one (a misspelt name) or a character without a
// row stops the generator instead of silently doing nothing.
#include "content/roster/roster.h"
#include "content/roster/roster_numbers.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace datagen::roster;

TEST(RosterNumbers, EveryCharacterHasOneRowAndEveryRowNamesOne)
{
    const std::vector<CharacterSpec> all = allCharacters();
    ASSERT_TRUE(checkNumbers(all));

    CharacterSpec stranger;
    stranger.name = "Nobody";
    const struct
    {
        const char* what;
        std::vector<CharacterSpec> specs;
    } cases[] = {
        {"a row whose character is gone", std::vector<CharacterSpec>(all.begin() + 1, all.end())},
        {"a character without a row", [&] {
             std::vector<CharacterSpec> v = all;
             v.push_back(stranger);
             return v;
         }()},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.what);
        testing::internal::CaptureStderr();
        EXPECT_FALSE(checkNumbers(c.specs));
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_NE(said.find(c.specs.size() < all.size() ? all.front().name : "Nobody"), std::string::npos) << said;
    }
}

// Every select character has its own numbers: its health in the versus range
// and a heavy; and what the rows set reaches the characters built.
TEST(RosterNumbers, RowsReachTheCharacters)
{
    for (const CharacterSpec& s : allCharacters())
    {
        const FighterNumbers* n = numbersOf(s.name);
        ASSERT_NE(n, nullptr) << s.name;
        if (n->health > 0)
        {
            EXPECT_EQ(s.hp, n->health) << s.name;
        }
        const bool hasHeavy =
            std::any_of(s.moves.begin(), s.moves.end(), [](const MoveDef& m) { return m.clip.name == "heavy"; });
        EXPECT_EQ(hasHeavy, n->heavy > 0) << s.name;
    }
}
