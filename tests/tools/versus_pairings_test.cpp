// A handful of versus matches on the generated tree as two new players play
// them: versus mode's own match, both sides walking up and pressing A, B and C
// at random, each pairing from both sides of the screen on a few seeds. Every
// round must end within a minute and a half, and each side must win some.
#include "engine/globals.h"
#include "tests/support/test_support.h"
#include "tests/tools/generated_tree_run.h"
#include "tools/stagerun/versus_run.h"

#include <gtest/gtest.h>

namespace
{
constexpr Uint32 kMatchLimitMs = 10u * 60u * 1000u;
constexpr Uint32 kLongestRoundMs = 90u * 1000u;
constexpr unsigned kSeeds = 3;

struct Pairing
{
    const char* one;
    const char* two;
};

void PrintTo(const Pairing& p, std::ostream* os)
{
    *os << p.one << " against " << p.two;
}

// Nick's sword against a story boss and a stage crowd, the bat against an
// ally, a second weapon against a boss, a boss against a bonus character and
// two crowds: each kind of number the roster's balance sets. (A pairing is
// even only on the whole: Nick meets some crowds, ZombieGuy's among them,
// that beat him on every seed and others he always beats.)
const Pairing kPairings[] = {
    {"Nick", "Vlad"},      {"Nick", "SadGhost"},   {"NickBBBat", "Male"},
    {"NickWhip", "Lilith"}, {"Spectre", "Rigby"},   {"Tank", "HellHound"},
};

class VersusPairing : public GeneratedTreeRun, public ::testing::WithParamInterface<Pairing>
{
};
} // namespace

TEST_P(VersusPairing, EveryRoundEndsWithinNinetySecondsAndEachSideWinsSome)
{
    const Pairing& p = GetParam();
    int wins[2] = {0, 0};
    for (unsigned seed = 1; seed <= kSeeds; ++seed)
        for (int left = 0; left < 2; ++left)
        {
            fullyQuit = false;
            freezeEnd = 0;
            g_randomNumber.seed(seed);
            const std::string a = left == 0 ? p.one : p.two;
            const std::string b = left == 0 ? p.two : p.one;
            SCOPED_TRACE(a + " on the left against " + b + ", seed " + std::to_string(seed));
            const peopleMatchOutcome m = playPeopleVersus(screen, a, b, playerModel::Newcomer, seed, kMatchLimitMs);
            ASSERT_TRUE(m.finished) << "no winner in " << m.gameMs / 1000 << " s";
            ASSERT_GE(m.rounds, 2);
            for (int r = 0; r < m.rounds; ++r)
                EXPECT_LE(m.roundMs[r], kLongestRoundMs) << "round " << r + 1;
            // Side 1 is the left: `one` when it stood there.
            const int oneSide = left == 0 ? 1 : 2;
            ++wins[m.winner == oneSide ? 0 : 1];
            std::printf("%s against %s, seed %u: %d-%d in %u s\n", a.c_str(), b.c_str(), seed, m.wins[0],
                        m.wins[1], m.gameMs / 1000);
        }
    EXPECT_GT(wins[0], 0) << p.one << " never beat " << p.two;
    EXPECT_GT(wins[1], 0) << p.two << " never beat " << p.one;
}

INSTANTIATE_TEST_SUITE_P(GeneratedTree, VersusPairing, ::testing::ValuesIn(kPairings),
                         [](const ::testing::TestParamInfo<Pairing>& info)
                         { return std::string(info.param.one) + "Against" + info.param.two; });
