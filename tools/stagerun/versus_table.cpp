// The versus table: pairings won, the median knock-out ratio and time per character, the aims, and the
// one-on-one pairings furthest apart.
#include "tools/stagerun/versus_table.h"

#include <algorithm>

namespace
{
// The aims the table is judged by.
constexpr int kLeastOneOnOneWins = 8;
constexpr int kMostOneOnOneWins = 15;
constexpr int kMostRatio = 3;
constexpr int kLeastCrowdWins = 3;
constexpr int kMostWins = 28;
constexpr int kShortestFight = 20;
constexpr int kLongestFight = 90;

std::string ratioText(double r)
{
    return r == kNever ? "inf" : orDash(r, "%.2f");
}

std::string secondsText(double s)
{
    return s == kNever ? "never" : orDash(s, "%.1f s");
}

// How long a pairing's fight would last: until the quicker knock-out.
double fightLength(const pairingFigures& p)
{
    return std::min(p.knockOut[0], p.knockOut[1]);
}

bool fightInAim(double seconds)
{
    return seconds >= kShortestFight && seconds <= kLongestFight;
}

double ratioApart(const pairingFigures& p)
{
    return std::max(p.ratio(0), p.ratio(1));
}
} // namespace

versusTable::versusTable(const std::vector<std::string>& characters, const std::vector<std::string>& focus,
                         int seeds)
    : characters(characters), seeds(seeds)
{
    for (const std::string& c : characters)
        shown.push_back(isPicked(focus, c));
    for (std::size_t a = 0; a < characters.size(); ++a)
        for (std::size_t b = a + 1; b < characters.size(); ++b)
            if (shown[a] || shown[b])
                pairings.push_back({a, b, {}, {}});
}

std::vector<reportRun> versusTable::runs() const
{
    std::vector<reportRun> out;
    for (const pairing& p : pairings)
        for (int s = 1; s <= seeds; ++s)
            for (bool swapped : {false, true})
            {
                reportRun r;
                r.what = reportRun::kind::Versus;
                r.player = characters[swapped ? p.second : p.first];
                r.opponent = characters[swapped ? p.first : p.second];
                r.seed = static_cast<unsigned>(s);
                r.expectedSeconds = kVersusMs / 1000.0;
                out.push_back(r);
            }
    return out;
}

void versusTable::take(std::size_t run, const runEnd& end)
{
    pairing& p = pairings[run / (2 * static_cast<std::size_t>(seeds))];
    p.ends.push_back(end);
    if (end.end != childEnd::Ran)
        return;
    const runFigures& f = end.figures;
    const double seconds = f.gameMs / 1000.0;
    // Left's time to knock right out, and right's to knock left out.
    const double left = knockOutSeconds(f.damageDealt[0], f.ownHealth[1], seconds);
    const double right = knockOutSeconds(f.damageDealt[1], f.ownHealth[0], seconds);
    const bool swapped = run % 2 == 1;
    p.fights.push_back(swapped ? pairingFight{{right, left}} : pairingFight{{left, right}});
}

void versusTable::print(std::FILE* out) const
{
    std::vector<pairingFigures> figures;
    for (const pairing& p : pairings)
        figures.push_back(pairingOf(p.fights));
    auto oneOnOne = [&](const pairing& p)
    { return fightsOneOnOne(characters[p.first]) && fightsOneOnOne(characters[p.second]); };

    std::fprintf(
        out,
        "Each pairing: %d fights a side of %u s; a character's ratio is its opponent's knock-out time "
        "over its own (above 1 is stronger), medians over its pairings.\n",
        seeds, kVersusMs / 1000);
    std::fprintf(out, "%-15s %-10s %6s %6s %9s %8s %9s  %-22s %s\n", "character", "kind", "won", "ratio",
                 "knock-out", "1v1 won", "1v1 fight", "not ended in the game", "failed aims");
    int oneOnOneRows = 0, oneOnOneInAim = 0, crowdRows = 0, crowdInAim = 0, rows = 0, rowsInAim = 0;
    for (std::size_t c = 0; c < characters.size(); ++c)
    {
        if (!shown[c])
            continue;
        const bool single = fightsOneOnOne(characters[c]);
        int pairingsRan = 0, won = 0, singleRan = 0, singleWon = 0, apart = 0, outOfAim = 0;
        std::vector<double> ratios, knockOuts, singleFights;
        std::vector<runEnd> ends;
        for (std::size_t i = 0; i < pairings.size(); ++i)
        {
            const pairing& p = pairings[i];
            if (p.first != c && p.second != c)
                continue;
            ends.insert(ends.end(), p.ends.begin(), p.ends.end());
            const pairingFigures& f = figures[i];
            if (f.fights == 0)
                continue;
            const int side = p.first == c ? 0 : 1;
            ++pairingsRan;
            won += f.winner == side;
            ratios.push_back(f.ratio(side));
            knockOuts.push_back(f.knockOut[side]);
            if (!oneOnOne(p))
                continue;
            ++singleRan;
            singleWon += f.winner == side;
            singleFights.push_back(fightLength(f));
            apart += ratioApart(f) > kMostRatio;
            outOfAim += !fightInAim(fightLength(f));
        }
        std::string failed;
        auto fail = [&](const std::string& what) { failed += (failed.empty() ? "" : ", ") + what; };
        if (single && (singleWon < kLeastOneOnOneWins || singleWon > kMostOneOnOneWins))
            fail("won " + std::to_string(singleWon) + " of " + std::to_string(singleRan));
        if (apart)
            fail(std::to_string(apart) + " over ratio " + std::to_string(kMostRatio));
        if (outOfAim)
            fail(std::to_string(outOfAim) + " fights outside " + std::to_string(kShortestFight) + "-" +
                 std::to_string(kLongestFight) + " s");
        if (!single && won < kLeastCrowdWins)
            fail("won " + std::to_string(won) + " of " + std::to_string(pairingsRan));
        if (won > kMostWins)
            fail("won " + std::to_string(won) + " of " + std::to_string(pairingsRan));
        ++rows;
        rowsInAim += won <= kMostWins;
        if (single)
        {
            ++oneOnOneRows;
            oneOnOneInAim += singleWon >= kLeastOneOnOneWins && singleWon <= kMostOneOnOneWins;
        }
        else
        {
            ++crowdRows;
            crowdInAim += won >= kLeastCrowdWins;
        }
        const auto ratio = median(ratios);
        const auto knockOut = median(knockOuts);
        const auto singleFight = median(singleFights);
        const std::string wonText = std::to_string(won) + "/" + std::to_string(pairingsRan);
        const std::string singleText =
            single ? std::to_string(singleWon) + "/" + std::to_string(singleRan) : std::string("-");
        std::fprintf(out, "%-15s %-10s %6s %6s %9s %8s %9s  %-22s %s\n", characters[c].c_str(),
                     single ? "one-on-one" : "crowd", wonText.c_str(),
                     ratio ? ratioText(*ratio).c_str() : "-", knockOut ? secondsText(*knockOut).c_str() : "-",
                     singleText.c_str(), single && singleFight ? secondsText(*singleFight).c_str() : "-",
                     unusualRuns(tallyRuns(ends)).c_str(), failed.empty() ? "-" : failed.c_str());
    }

    std::vector<std::size_t> apart;
    int singlePairings = 0, fightsInAim = 0;
    std::vector<double> singleFights;
    for (std::size_t i = 0; i < pairings.size(); ++i)
    {
        if (!oneOnOne(pairings[i]) || figures[i].fights == 0)
            continue;
        ++singlePairings;
        fightsInAim += fightInAim(fightLength(figures[i]));
        singleFights.push_back(fightLength(figures[i]));
        if (ratioApart(figures[i]) > kMostRatio)
            apart.push_back(i);
    }
    std::fprintf(out, "aim: one-on-one fighters win %d to %d of their one-on-one pairings: %d of %d\n",
                 kLeastOneOnOneWins, kMostOneOnOneWins, oneOnOneInAim, oneOnOneRows);
    std::fprintf(out, "aim: stage crowds win at least %d pairings: %d of %d\n", kLeastCrowdWins, crowdInAim,
                 crowdRows);
    std::fprintf(out, "aim: no character wins more than %d pairings: %d of %d\n", kMostWins, rowsInAim, rows);
    const auto fightMedian = median(singleFights);
    std::fprintf(out,
                 "aim: one-on-one fights last %d to %d s (to the quicker knock-out): %d of %d pairings, "
                 "median %s\n",
                 kShortestFight, kLongestFight, fightsInAim, singlePairings,
                 fightMedian ? secondsText(*fightMedian).c_str() : "-");
    std::fprintf(out, "aim: no one-on-one pairing's ratio above %d: %zu above\n", kMostRatio, apart.size());
    std::stable_sort(apart.begin(), apart.end(),
                     [&](std::size_t a, std::size_t b)
                     { return ratioApart(figures[a]) > ratioApart(figures[b]); });
    for (std::size_t i : apart)
    {
        const pairingFigures& f = figures[i];
        const int strong = f.ratio(0) >= f.ratio(1) ? 0 : 1;
        const std::string& winner = characters[strong == 0 ? pairings[i].first : pairings[i].second];
        const std::string& loser = characters[strong == 0 ? pairings[i].second : pairings[i].first];
        std::fprintf(out, "  %-15s over %-15s %6s  (knock-out %s against %s)\n", winner.c_str(),
                     loser.c_str(), ratioText(f.ratio(strong)).c_str(),
                     secondsText(f.knockOut[strong]).c_str(), secondsText(f.knockOut[1 - strong]).c_str());
    }
}
