// The balance report's arithmetic: medians and a row's tally.
#include "tools/stagerun/balance_figures.h"

#include <algorithm>

std::optional<double> median(std::vector<double> values)
{
    if (values.empty())
        return std::nullopt;
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    if (n % 2)
        return values[n / 2];
    const double low = values[n / 2 - 1];
    const double high = values[n / 2];
    // Halving each keeps two never-times, or two huge ones, as they are.
    return low == high ? low : low / 2 + high / 2;
}

runTally tallyRuns(const std::vector<runEnd>& runs)
{
    runTally t;
    std::vector<double> health;
    std::vector<double> seconds;
    for (const runEnd& r : runs)
    {
        ++t.runs;
        switch (r.end)
        {
        case childEnd::FailedToStart:
            ++t.failedToStart;
            continue;
        case childEnd::Crashed:
            ++t.crashed;
            continue;
        case childEnd::TimedOut:
            ++t.timedOut;
            continue;
        case childEnd::Ran:
            break;
        }
        const runFigures& f = r.figures;
        t.maxHealth = std::max(t.maxHealth, f.maxHealth);
        t.flashes = std::max(t.flashes, f.flashes);
        if (f.cleared)
        {
            ++t.cleared;
            health.push_back(f.healthLeft);
            seconds.push_back(f.gameMs / 1000.0);
        }
        else if (f.finished)
            ++t.lost;
        else
            ++t.leftAtLimit;
    }
    t.healthLeft = median(health);
    t.gameSeconds = median(seconds);
    return t;
}
