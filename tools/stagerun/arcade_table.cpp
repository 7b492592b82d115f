// The arcade table: each fighter's clears and median minutes level by level, and the aims it misses.
#include "tools/stagerun/arcade_table.h"

#include "modes/arcade_mode.h"
#include "stages/single_boss.h"
#include "stages/stage_table.h"
#include "tools/stagerun/report_options.h"
#include "tools/stagerun/roster_groups.h"

#include <algorithm>

namespace
{
// The levels a stage crowd plays: the first two.
constexpr int kCrowdLevels = 2;
// The aims, in clears out of ten and in minutes of game time (median over the clears).
constexpr int kClearsOfTen = 5;
constexpr int kNewcomerClearsOfTen = 6;
constexpr double kStageMinutes = 12;
constexpr double kBossMinutes = 5;
// The crowds and the newcomer are held to their clears alone.
constexpr double kNoTimeAim = 1e9;

bool meets(int cleared, int runs, int ofTen)
{
    return cleared * 10 >= ofTen * runs;
}

// Level numbers in order, neighbours joined: "L3-L5, L9" for 3, 4, 5 and 9.
std::string levelSpans(const std::vector<int>& numbers)
{
    std::string s;
    for (std::size_t i = 0; i < numbers.size();)
    {
        std::size_t j = i;
        while (j + 1 < numbers.size() && numbers[j + 1] == numbers[j] + 1)
            ++j;
        s += (s.empty() ? "L" : ", L") + std::to_string(numbers[i]);
        if (j > i)
            s += "-L" + std::to_string(numbers[j]);
        i = j + 1;
    }
    return s;
}
} // namespace

arcadeTable::arcadeTable(const std::vector<std::string>& fighters, const std::vector<std::string>& only,
                         const std::vector<playerModel>& models, int seeds, unsigned gameLimitMs)
    : fighters(fighters), seeds(seeds), gameLimitMs(gameLimitMs)
{
    for (int n = 1; n <= arcadeMode::kLastLevel; ++n)
        if (const stageEntry* entry = arcadeMode::levelStage(n))
            if (isPicked(only, entry->name))
            {
                // A boss level is the one-boss script; building the script loads nothing.
                const bool boss = dynamic_cast<beatEmUpSegBuilderSingleBoss*>(entry->makeBuilder().get());
                levels.push_back({n, entry->name, boss});
            }
    const bool scripted = std::count(models.begin(), models.end(), playerModel::Scripted) > 0;
    const bool newcomer = std::count(models.begin(), models.end(), playerModel::Newcomer) > 0;
    for (std::size_t f = 0; f < fighters.size(); ++f)
    {
        const bool oneOnOne = fightsOneOnOne(fighters[f]);
        for (std::size_t l = 0; l < levels.size(); ++l)
        {
            if (scripted && (oneOnOne || levels[l].number <= kCrowdLevels))
                cells.push_back({f, l, playerModel::Scripted, {}});
            if (newcomer && levels[l].number == 1)
                cells.push_back({f, l, playerModel::Newcomer, {}});
        }
    }
}

std::vector<reportRun> arcadeTable::runs() const
{
    std::vector<reportRun> out;
    for (const cell& c : cells)
        for (int s = 1; s <= seeds; ++s)
        {
            reportRun r;
            r.what = reportRun::kind::Stage;
            r.stage = levels[c.level].stage;
            r.player = fighters[c.fighter];
            r.model = c.model;
            r.seed = static_cast<unsigned>(s);
            r.gameLimitMs = gameLimitMs;
            r.expectedSeconds = (levels[c.level].boss ? kBossMinutes : kStageMinutes) * 60;
            out.push_back(r);
        }
    return out;
}

void arcadeTable::take(std::size_t run, const runEnd& end)
{
    cells[run / static_cast<std::size_t>(seeds)].runs.push_back(end);
}

const arcadeTable::cell* arcadeTable::find(std::size_t fighter, std::size_t level, playerModel model) const
{
    for (const cell& c : cells)
        if (c.fighter == fighter && c.level == level && c.model == model)
            return &c;
    return nullptr;
}

void arcadeTable::print(std::FILE* out) const
{
    std::fprintf(out, "levels:");
    for (const level& l : levels)
        std::fprintf(out, " %d %s%s", l.number, l.stage.c_str(), &l == &levels.back() ? "" : ",");
    std::fprintf(
        out,
        "\nEach cell: runs cleared of %d, median minutes of game time over the clears; b marks a boss.\n"
        "Aims: %d of 10 clears a level, stages within %.0f minutes, bosses within %.0f; the newcomer "
        "%d of 10 on level 1; a stage crowd %d of 10 on levels 1 and 2.\n",
        seeds, kClearsOfTen, kStageMinutes, kBossMinutes, kNewcomerClearsOfTen, kClearsOfTen);
    std::fprintf(out, "%-15s", "fighter");
    for (const level& l : levels)
        std::fprintf(out, "%9s", (std::to_string(l.number) + (l.boss ? "b" : "")).c_str());
    std::fprintf(out, "%9s  %-22s %s\n", "new 1", "not ended in the game", "failed aims");

    for (std::size_t f = 0; f < fighters.size(); ++f)
    {
        std::fprintf(out, "%-15s", fighters[f].c_str());
        const bool oneOnOne = fightsOneOnOne(fighters[f]);
        std::vector<runEnd> every;
        std::vector<int> fewClears;
        std::string slow;
        // Prints a cell; says whether it clears often enough, and notes a slow one.
        auto printCell = [&](const cell* c, const std::string& label, int clearsOfTen, double minutes)
        {
            if (!c)
            {
                std::fprintf(out, "%9s", ".");
                return true;
            }
            every.insert(every.end(), c->runs.begin(), c->runs.end());
            const runTally t = tallyRuns(c->runs);
            const std::optional<double> m =
                t.gameSeconds ? std::optional<double>(*t.gameSeconds / 60) : std::nullopt;
            std::fprintf(out, "%9s", (std::to_string(t.cleared) + " " + orDash(m, "%.1f")).c_str());
            if (!meets(t.cleared, t.runs, clearsOfTen))
                return false;
            if (m && *m > minutes)
                slow += (slow.empty() ? "" : ", ") + label + " " + orDash(m, "%.1f");
            return true;
        };
        for (std::size_t l = 0; l < levels.size(); ++l)
            if (!printCell(find(f, l, playerModel::Scripted), "L" + std::to_string(levels[l].number),
                           kClearsOfTen,
                           !oneOnOne        ? kNoTimeAim
                           : levels[l].boss ? kBossMinutes
                                            : kStageMinutes))
                fewClears.push_back(levels[l].number);
        const auto first =
            std::find_if(levels.begin(), levels.end(), [](const level& l) { return l.number == 1; });
        const cell* newcomer =
            first == levels.end()
                ? nullptr
                : find(f, static_cast<std::size_t>(first - levels.begin()), playerModel::Newcomer);
        // The newcomer's aim is the one-on-one fighters'; a crowd's first level is shown without one.
        const bool newcomerClears =
            printCell(newcomer, "new L1", oneOnOne ? kNewcomerClearsOfTen : 0, kNoTimeAim);

        std::string failed;
        auto fail = [&](const std::string& what) { failed += (failed.empty() ? "" : "; ") + what; };
        if (!fewClears.empty())
            fail("too few clears " + levelSpans(fewClears));
        if (!slow.empty())
            fail("too slow " + slow + " min");
        if (!newcomerClears)
            fail("too few newcomer clears");
        std::fprintf(out, "  %-22s %s\n", unusualRuns(tallyRuns(every)).c_str(),
                     failed.empty() ? "-" : failed.c_str());
    }
}
