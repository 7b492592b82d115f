// A handful of versus pairings on the generated tree, each fought from both
// sides of the screen as the balance report fights them: computer against
// computer, a minute of game time with health to last. From what each dealt
// and the health its chardata gives, neither side may knock the other out
// more than three times as fast, and both must strike.
#include "engine/globals.h"
#include "stages/stage_table.h"
#include "tests/support/test_support.h"
#include "tests/tools/generated_tree_run.h"
#include "tools/stagerun/balance_figures.h"
#include "tools/stagerun/versus_run.h"

#include <gtest/gtest.h>

using namespace testing_support;

namespace
{
constexpr Uint32 kFightMs = 60u * 1000u;
constexpr double kMostRatio = 3.0;

struct Pairing
{
    const char* one;
    const char* two;
};

void PrintTo(const Pairing& p, std::ostream* os)
{
    *os << p.one << " against " << p.two;
}

// Nick's sword and bat, a second weapon, the story's bosses, allies and a
// bonus character: each kind of number the roster's balance sets.
const Pairing kPairings[] = {
    {"Nick", "Vlad"},          {"NickBBBat", "Male"},  {"NickGauntlets", "Lilith"},
    {"Spectre", "Rigby"},      {"Johnny", "Vellin"},   {"NickSwords", "Brask"},
};

class VersusPairing : public GeneratedTreeRun, public ::testing::WithParamInterface<Pairing>
{
};
} // namespace

TEST_P(VersusPairing, NeitherSideKnocksTheOtherOutThreeTimesAsFast)
{
    const Pairing& p = GetParam();
    const stageEntry* ground = findStage("Lv0");
    ASSERT_NE(ground, nullptr);
    std::vector<pairingFight> fights;
    // Each character on the left once, as the report fights them.
    for (int left = 0; left < 2; ++left)
    {
        fullyQuit = false;
        freezeEnd = 0;
        g_randomNumber.seed(1);
        const std::string a = left == 0 ? p.one : p.two;
        const std::string b = left == 0 ? p.two : p.one;
        const versusOutcome v = playVersus(screen, a, b, ground->background, kFightMs, nullptr);
        ASSERT_GT(v.gameMs, 0u);
        const double seconds = v.gameMs / 1000.0;
        // Times for `one` first, then `two`.
        const double aTime = knockOutSeconds(v.healthLost[1], v.chardataHealth[1], seconds);
        const double bTime = knockOutSeconds(v.healthLost[0], v.chardataHealth[0], seconds);
        EXPECT_GT(v.healthLost[0], 0) << b << " never struck " << a;
        EXPECT_GT(v.healthLost[1], 0) << a << " never struck " << b;
        fights.push_back(left == 0 ? pairingFight{{aTime, bTime}} : pairingFight{{bTime, aTime}});
    }
    const pairingFigures figures = pairingOf(fights);
    const double ratio = figures.ratio(0);
    EXPECT_LE(ratio, kMostRatio) << p.one << " knocks " << p.two << " out in " << figures.knockOut[0]
                                 << " s, " << p.two << " needs " << figures.knockOut[1] << " s";
    EXPECT_GE(ratio, 1.0 / kMostRatio) << p.two << " knocks " << p.one << " out in " << figures.knockOut[1]
                                       << " s, " << p.one << " needs " << figures.knockOut[0] << " s";
    std::printf("%s against %s: knock-out in %.0f s and %.0f s\n", p.one, p.two, figures.knockOut[0],
                figures.knockOut[1]);
}

INSTANTIATE_TEST_SUITE_P(GeneratedTree, VersusPairing, ::testing::ValuesIn(kPairings),
                         [](const ::testing::TestParamInfo<Pairing>& info)
                         { return std::string(info.param.one) + "Against" + info.param.two; });
