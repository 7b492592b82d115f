// The versus tables: matches won, the median round and match and the longest
// pairing per character, the aims, and the pairings outside them.
#include "tools/stagerun/versus_table.h"

#include "tools/stagerun/report_options.h"
#include "tools/stagerun/roster_groups.h"

#include <algorithm>

namespace
{
// The round a person waits through at most, for a pairing's median.
constexpr versusAims kNewcomerAims = {30, 70, 20, 90, 180, true};
constexpr versusAims kScriptedAims = {25, 75, 15, 90, 0, false};
// A match of two or three rounds, intros and knock-outs, to start the longest first.
constexpr double kExpectedMatchSeconds = 150.0;

double seconds(unsigned ms)
{
    return ms / 1000.0;
}

int percentOf(int part, int whole)
{
    return whole > 0 ? (200 * part + whole) / (2 * whole) : 0;
}

// Adds a match's rounds, in seconds, to `rounds`.
void addRounds(const runFigures& f, std::vector<double>& rounds)
{
    for (int r = 0; r < f.match.rounds; ++r)
        rounds.push_back(seconds(f.match.roundMs[r]));
}

std::string secondsText(const std::optional<double>& s)
{
    return orDash(s, "%.0f s");
}
} // namespace

const versusAims& versusTable::aimsFor(playerModel m)
{
    return m == playerModel::Newcomer ? kNewcomerAims : kScriptedAims;
}

versusTable::versusTable(playerModel m, const std::vector<std::string>& characters,
                         const std::vector<std::string>& focus, int seeds)
    : model(m), characters(characters), seeds(seeds)
{
    for (const std::string& c : characters)
        shown.push_back(isPicked(focus, c));
    for (std::size_t a = 0; a < characters.size(); ++a)
        for (std::size_t b = a + 1; b < characters.size(); ++b)
            if (shown[a] || shown[b])
                pairings.push_back({a, b, {}});
}

const char* versusTable::name() const
{
    return model == playerModel::Newcomer ? "versus-newcomer" : "versus-scripted";
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
                r.model = model;
                r.seed = static_cast<unsigned>(s);
                r.gameLimitMs = kVersusLimitMs;
                r.expectedSeconds = kExpectedMatchSeconds;
                out.push_back(r);
            }
    return out;
}

void versusTable::take(std::size_t run, const runEnd& end)
{
    pairings[run / (2 * static_cast<std::size_t>(seeds))].matches.push_back({run % 2 == 0, end});
}

std::optional<double> versusTable::pairingRound(const pairing& p) const
{
    std::vector<double> rounds;
    for (const match& m : p.matches)
        if (m.end.end == childEnd::Ran)
            addRounds(m.end.figures, rounds);
    return median(rounds);
}

int versusTable::unfinishedMatches(const pairing& p) const
{
    return static_cast<int>(std::count_if(p.matches.begin(), p.matches.end(), [](const match& m)
                                          { return m.end.end == childEnd::Ran && !m.end.figures.finished; }));
}

versusTable::row versusTable::rowOf(std::size_t c) const
{
    row r;
    for (std::size_t i = 0; i < pairings.size(); ++i)
    {
        const pairing& p = pairings[i];
        if (p.first != c && p.second != c)
            continue;
        for (const match& m : p.matches)
        {
            r.ends.push_back(m.end);
            if (m.end.end != childEnd::Ran)
                continue;
            const runFigures& f = m.end.figures;
            const int side = (p.first == c) == m.firstOnLeft ? 1 : 2;
            ++r.matches;
            r.won += f.match.winner == side;
            r.unfinished += !f.finished;
            addRounds(f, r.roundSeconds);
            if (f.finished)
                r.matchSeconds.push_back(seconds(f.gameMs));
        }
        const std::optional<double> round = pairingRound(p);
        if (round && *round > r.longestPairingRound)
        {
            r.longestPairingRound = *round;
            r.longestPairing = p.first == c ? p.second : p.first;
        }
    }
    return r;
}

std::string versusTable::failedAims(const row& r) const
{
    const versusAims& aims = aimsFor(model);
    std::string failed;
    auto fail = [&](const std::string& what) { failed += (failed.empty() ? "" : ", ") + what; };
    const int percent = percentOf(r.won, r.matches);
    if (percent < aims.leastWinPercent || percent > aims.mostWinPercent)
        fail("won " + std::to_string(percent) + "%");
    const std::optional<double> round = median(r.roundSeconds);
    if (round && (*round < aims.shortestRound || *round > aims.longestRound))
        fail("round " + secondsText(round));
    if (aims.longestPairingRound && r.longestPairingRound > aims.longestPairingRound)
        fail("a pairing's round " + secondsText(r.longestPairingRound));
    if (aims.everyMatchEnds && r.unfinished)
        fail(std::to_string(r.unfinished) + " unfinished");
    return failed.empty() ? "-" : failed;
}

void versusTable::printRows(std::FILE* out) const
{
    std::fprintf(out, "%-15s %-10s %8s %6s %6s  %-24s  %-22s %s\n", "character", "kind", "won", "round",
                 "match", "longest pairing", "not ended in the game", "failed aims");
    for (std::size_t c = 0; c < characters.size(); ++c)
    {
        if (!shown[c])
            continue;
        const row r = rowOf(c);
        const std::string won = std::to_string(r.won) + "/" + std::to_string(r.matches);
        const std::string longest = r.longestPairingRound < 0
                                        ? std::string("-")
                                        : characters[r.longestPairing] + " " + secondsText(r.longestPairingRound);
        std::fprintf(out, "%-15s %-10s %8s %6s %6s  %-24s  %-22s %s\n", characters[c].c_str(),
                     fightsOneOnOne(characters[c]) ? "one-on-one" : "crowd", won.c_str(),
                     secondsText(median(r.roundSeconds)).c_str(), secondsText(median(r.matchSeconds)).c_str(),
                     longest.c_str(), unusualRuns(tallyRuns(r.ends)).c_str(), failedAims(r).c_str());
    }
}

void versusTable::printAims(std::FILE* out) const
{
    const versusAims& aims = aimsFor(model);
    int rows = 0, winsInAim = 0, roundsInAim = 0;
    std::vector<double> rounds;
    for (std::size_t c = 0; c < characters.size(); ++c)
    {
        if (!shown[c])
            continue;
        const row r = rowOf(c);
        ++rows;
        const int percent = percentOf(r.won, r.matches);
        winsInAim += percent >= aims.leastWinPercent && percent <= aims.mostWinPercent;
        const std::optional<double> round = median(r.roundSeconds);
        roundsInAim += round && *round >= aims.shortestRound && *round <= aims.longestRound;
    }
    for (const pairing& p : pairings)
        for (const match& m : p.matches)
            if (m.end.end == childEnd::Ran)
                addRounds(m.end.figures, rounds);
    std::fprintf(out, "aim: every character wins %d to %d%% of its matches: %d of %d\n", aims.leastWinPercent,
                 aims.mostWinPercent, winsInAim, rows);
    std::fprintf(out, "aim: the median round of its matches lasts %d to %d s: %d of %d (all rounds: median %s)\n",
                 aims.shortestRound, aims.longestRound, roundsInAim, rows, secondsText(median(rounds)).c_str());
    int longPairings = 0, unfinished = 0;
    for (const pairing& p : pairings)
    {
        const std::optional<double> round = pairingRound(p);
        longPairings += round && *round > aims.longestPairingRound;
        unfinished += unfinishedMatches(p);
    }
    if (aims.longestPairingRound)
        std::fprintf(out, "aim: no pairing's median round over %d s: %d over\n", aims.longestPairingRound,
                     longPairings);
    if (aims.everyMatchEnds)
        std::fprintf(out, "aim: every match ends within %u minutes of game time: %d unfinished\n",
                     kVersusLimitMs / 60000u, unfinished);
}

void versusTable::printPairingsOutOfAim(std::FILE* out) const
{
    const versusAims& aims = aimsFor(model);
    std::vector<std::pair<double, const pairing*>> outOfAim;
    for (const pairing& p : pairings)
    {
        const std::optional<double> round = pairingRound(p);
        const bool tooLong = aims.longestPairingRound && round && *round > aims.longestPairingRound;
        if (tooLong || (aims.everyMatchEnds && unfinishedMatches(p)))
            outOfAim.push_back({round.value_or(0.0), &p});
    }
    std::stable_sort(outOfAim.begin(), outOfAim.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    for (const auto& [round, p] : outOfAim)
    {
        const int unfinished = unfinishedMatches(*p);
        std::fprintf(out, "  %-15s against %-15s median round %s%s\n", characters[p->first].c_str(),
                     characters[p->second].c_str(), secondsText(round).c_str(),
                     unfinished ? (", " + std::to_string(unfinished) + " unfinished").c_str() : "");
    }
}

void versusTable::print(std::FILE* out) const
{
    std::fprintf(out,
                 "Versus, %s against %s: versus mode's best-of-three match, %d a side of each pairing, at most "
                 "%u minutes of game time; a round is its fighting time, a match its whole length.\n",
                 playerModelName(model), playerModelName(model), seeds, kVersusLimitMs / 60000u);
    printRows(out);
    printAims(out);
    printPairingsOutOfAim(out);
}

void versusTable::writeMatches(std::FILE* out) const
{
    for (const pairing& p : pairings)
        for (const match& m : p.matches)
        {
            if (m.end.end != childEnd::Ran)
                continue;
            const runFigures& f = m.end.figures;
            const std::string& left = characters[m.firstOnLeft ? p.first : p.second];
            const std::string& right = characters[m.firstOnLeft ? p.second : p.first];
            std::fprintf(out, "%s %s %s %d %d %d", name(), left.c_str(), right.c_str(), f.match.winner,
                         f.match.damageDealt[0], f.match.damageDealt[1]);
            for (int r = 0; r < f.match.rounds; ++r)
                std::fprintf(out, " %.2f", seconds(f.match.roundMs[r]));
            std::fprintf(out, "\n");
        }
}
