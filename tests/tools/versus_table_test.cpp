// The versus table's reckoning: a character's wins whichever side of the
// screen it played, a pairing's rounds from both sides, and the matches left
// at the limit, named among the pairings outside the aims.
#include "tools/stagerun/versus_table.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <string>

namespace
{
// One match as its child sends it back: the winning side (1 left, 2 right,
// 0 for none at the limit) and its rounds in seconds.
runEnd matchEnd(int winner, std::initializer_list<unsigned> roundSeconds)
{
    runEnd e;
    e.end = childEnd::Ran;
    e.figures.finished = winner != 0;
    e.figures.match.winner = winner;
    unsigned total = 0;
    for (unsigned s : roundSeconds)
    {
        e.figures.match.roundMs[e.figures.match.rounds++] = s * 1000;
        total += s;
    }
    e.figures.gameMs = (total + 10) * 1000;
    return e;
}

std::string printed(const versusTable& table)
{
    std::FILE* f = std::tmpfile();
    table.print(f);
    std::rewind(f);
    std::string text;
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, f))
        text += buffer;
    std::fclose(f);
    return text;
}

std::string rowOf(const std::string& text, const std::string& name)
{
    const std::size_t at = text.find("\n" + name + " ");
    if (at == std::string::npos)
        return "";
    return text.substr(at + 1, text.find('\n', at + 1) - at - 1);
}
} // namespace

TEST(VersusTable, WinsFollowTheCharacterAcrossSidesAndUnfinishedMatchesAreNamed)
{
    versusTable table(playerModel::Newcomer, {"Nick", "Vlad", "Andy"}, {}, 1);
    const std::vector<reportRun> runs = table.runs();
    ASSERT_EQ(runs.size(), 6u);
    // Each run's result, by who stands on the left: Nick beats Vlad from both
    // sides, Andy and Nick win one each, Vlad and Andy never finish.
    for (std::size_t i = 0; i < runs.size(); ++i)
    {
        const reportRun& r = runs[i];
        SCOPED_TRACE(r.player + " against " + r.opponent);
        EXPECT_EQ(r.model, playerModel::Newcomer);
        EXPECT_EQ(r.gameLimitMs, kVersusLimitMs);
        const std::string pair = r.player + "-" + r.opponent;
        if (pair == "Nick-Vlad")
            table.take(i, matchEnd(1, {40, 50}));
        else if (pair == "Vlad-Nick")
            table.take(i, matchEnd(2, {30, 60}));
        else if (pair == "Nick-Andy")
            table.take(i, matchEnd(2, {70, 80, 90}));
        else if (pair == "Andy-Nick")
            table.take(i, matchEnd(2, {20, 30}));
        else
            table.take(i, matchEnd(0, {300, 290}));
    }
    const std::string text = printed(table);
    SCOPED_TRACE(text);
    // Nick: 3 of 4; rounds 40 50 30 60 70 80 90 20 30, median 50.
    EXPECT_NE(rowOf(text, "Nick").find("3/4"), std::string::npos);
    EXPECT_NE(rowOf(text, "Nick").find("50 s"), std::string::npos);
    EXPECT_NE(rowOf(text, "Vlad").find("0/4"), std::string::npos);
    EXPECT_NE(rowOf(text, "Vlad").find("2 at limit"), std::string::npos);
    EXPECT_NE(rowOf(text, "Andy").find("1/4"), std::string::npos);
    // Vlad's longest pairing is Andy's, whose rounds went on past the aim.
    EXPECT_NE(rowOf(text, "Vlad").find("Andy 295 s"), std::string::npos);
    EXPECT_NE(text.find("Vlad            against Andy            median round 295 s, 2 unfinished"),
              std::string::npos);
    EXPECT_EQ(text.find("Nick            against Vlad"), std::string::npos);
    EXPECT_NE(text.find("2 unfinished"), std::string::npos);
}

TEST(VersusTable, ACrashedMatchCountsApartAndNotAsALoss)
{
    versusTable table(playerModel::Scripted, {"Nick", "Vlad"}, {}, 1);
    runEnd crashed;
    crashed.end = childEnd::Crashed;
    table.take(0, matchEnd(1, {40, 50}));
    table.take(1, crashed);
    const std::string text = printed(table);
    SCOPED_TRACE(text);
    EXPECT_NE(rowOf(text, "Nick").find("1/1"), std::string::npos);
    EXPECT_NE(rowOf(text, "Vlad").find("0/1"), std::string::npos);
    EXPECT_NE(rowOf(text, "Vlad").find("1 crashed"), std::string::npos);
}
