// The balance report's runs, each played in a child process of its own, and its grouping of the roster.
#include "tools/stagerun/report_runs.h"

#include "engine/clock.h"

#include "engine/globals.h"
#include "engine/startup.h"
#include "tools/stagerun/flash_meter.h"
#include "tools/stagerun/stage_run.h"
#include "tools/stagerun/versus_run.h"

#include <SDL.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>


bool playReportRun(const reportRun& run, runFigures& figures)
{
    // The game's chatter on stdout stays out of the report; stderr goes to the
    // report, which shows a crashed run's last lines (an abort's message).
    if (!std::freopen("/dev/null", "w", stdout))
        return false;
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    // The run is timed by the test clock alone: a read of SDL's clock ends it.
    restartGameClock();
    requireTestClock(true);
    if (SDL_Init(SDL_INIT_VIDEO) < 0)
        return false;
    SDL_Surface* window = openWindow(640, 480, false);
    if (!window)
        return false;
    screen = makeComposeSurface(window);
    if (!screen)
        return false;
    g_randomNumber.seed(run.seed);
    flashMeter flashes;
    if (run.what == reportRun::kind::Versus)
    {
        const peopleMatchOutcome m =
            playPeopleVersus(screen, run.player, run.opponent, run.model, run.seed, run.gameLimitMs);
        figures.finished = m.finished ? 1 : 0;
        figures.cleared = m.winner == 1 ? 1 : 0;
        figures.match.winner = m.winner;
        figures.match.rounds = m.rounds;
        for (int r = 0; r < m.rounds; ++r)
            figures.match.roundMs[r] = m.roundMs[r];
        figures.match.damageDealt[0] = m.damageDealt[0];
        figures.match.damageDealt[1] = m.damageDealt[1];
        figures.gameMs = m.gameMs;
    }
    else
    {
        stageRunOptions o;
        o.model = run.model;
        o.realHealth = true;
        o.seed = run.seed;
        o.timeLimitMs = run.gameLimitMs;
        o.stage = run.stage;
        o.player = run.player.empty() ? o.player : run.player;
        o.flashes = run.countFlashes ? &flashes : nullptr;
        const stageRunResult r = run.what == reportRun::kind::Chapter
                                     ? runStoryChapter(screen, run.chapter, o)
                                     : runStage(screen, o);
        if (!r.found)
            return false;
        figures.cleared = r.cleared ? 1 : 0;
        figures.finished = r.finished ? 1 : 0;
        figures.healthLeft = r.healthLeft;
        figures.maxHealth = r.maxHealth;
        figures.gameMs = r.gameMs;
    }
    figures.flashes = run.countFlashes ? flashes.mostInOneSecond() : 0;
    return true;
}

std::chrono::milliseconds wallLimitOf(const reportRun& run)
{
    const unsigned gameMs = run.gameLimitMs;
    // A run takes about a fortieth of its game time on a free core; three
    // minutes and a third of its game time leave room for a machine many
    // times over-committed, and still end a hung run.
    return std::chrono::minutes(3) + std::chrono::milliseconds(gameMs / 3);
}

std::string describeRun(const reportRun& run)
{
    std::string what;
    switch (run.what)
    {
    case reportRun::kind::Chapter:
        what = "chapter " + std::to_string(run.chapter);
        break;
    case reportRun::kind::Stage:
        what = run.stage + " with " + run.player;
        break;
    case reportRun::kind::Versus:
        what = run.player + " against " + run.opponent;
        break;
    }
    return what + ", " + playerModelName(run.model) + ", seed " + std::to_string(run.seed);
}
