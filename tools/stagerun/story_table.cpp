// The story rows: each chapter's stage or boss fight as the campaign sets it up, played with real health.
#include "tools/stagerun/story_table.h"

#include "modes/story_chapters.h"
#include "tools/stagerun/report_options.h"

storyTable::storyTable(const std::vector<std::string>& only, const std::vector<playerModel>& models,
                       int seeds, unsigned gameLimitMs)
    : models(models), seeds(seeds), gameLimitMs(gameLimitMs)
{
    for (int i = 0; i < kChapterCount; ++i)
        if (isPicked(only, kChapters[static_cast<std::size_t>(i)].name))
            chapters.push_back(i);
    rows.resize(chapters.size() * models.size());
}

std::vector<reportRun> storyTable::runs() const
{
    std::vector<reportRun> out;
    for (int chapter : chapters)
        for (playerModel m : models)
            for (int s = 1; s <= seeds; ++s)
            {
                reportRun r;
                r.what = reportRun::kind::Chapter;
                r.chapter = chapter;
                r.model = m;
                r.seed = static_cast<unsigned>(s);
                r.countFlashes = true;
                r.gameLimitMs = gameLimitMs;
                // A stage's aim is 12 minutes, a boss fight's 5.
                const bool boss = !kChapters[static_cast<std::size_t>(chapter)].stage.background;
                r.expectedSeconds = boss ? 300 : 720;
                out.push_back(r);
            }
    return out;
}

void storyTable::take(std::size_t run, const runEnd& end)
{
    rows[run / static_cast<std::size_t>(seeds)].push_back(end);
}

void storyTable::print(std::FILE* out) const
{
    std::fprintf(out, "%-22s %-9s %8s %12s %10s %7s  %s\n", "chapter", "model", "cleared", "health left",
                 "game time", "flashes", "not ended in the game");
    for (std::size_t c = 0; c < chapters.size(); ++c)
        for (std::size_t m = 0; m < models.size(); ++m)
        {
            const runTally t = tallyRuns(rows[c * models.size() + m]);
            const std::string name =
                std::string("story ") + kChapters[static_cast<std::size_t>(chapters[c])].name;
            const std::string health = orDash(t.healthLeft, "%.0f") + "/" + std::to_string(t.maxHealth);
            const std::string time = orDash(t.gameSeconds, "%.0f s");
            std::fprintf(out, "%-22s %-9s %5d/%-2d %12s %10s %7d  %s\n", name.c_str(),
                         playerModelName(models[m]), t.cleared, t.runs, health.c_str(), time.c_str(),
                         t.flashes, unusualRuns(t).c_str());
        }
}
