// The balance report's runs, each played in a child process of its own, and its grouping of the roster.
#include "tools/stagerun/report_runs.h"

#include "engine/clock.h"

#include "engine/globals.h"
#include "engine/startup.h"
#include "screens/character_select.h"
#include "stages/stage_table.h"
#include "tools/stagerun/flash_meter.h"
#include "tools/stagerun/stage_run.h"
#include "tools/stagerun/versus_run.h"

#include <SDL.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace
{
// The characters built to fight one on one (the heroes, the bosses and the
// versus roster); the game keeps no such list, and the report judges them by
// their own aims. Every other select character is a stage crowd.
const char* const kOneOnOne[] = {
    "Nick",  "NickBBBat", "NickWhip", "NickSwords", "NickGauntlets", "NickBlackBlade", "Vlad",   "Spectre",
    "Weldy", "Brask",     "Oleck",    "Giancarlo",  "Johnny",        "Lilith",         "Male",   "Female",
    "Rigby", "Andy",      "Vellin",   "Tavin",      "Merrowby",      "Dravenholt",     "Zhevan", "Mech",
};

// Where a versus fight is fought: the first stage's background.
constexpr const char* kVersusStage = "Lv0";
} // namespace

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
        const stageEntry* ground = findStage(kVersusStage);
        if (!ground)
            return false;
        const versusOutcome v = playVersus(screen, run.player, run.opponent, ground->background, kVersusMs,
                                           run.countFlashes ? &flashes : nullptr);
        // What one lost the other dealt.
        figures.damageDealt[0] = v.healthLost[1];
        figures.damageDealt[1] = v.healthLost[0];
        figures.ownHealth[0] = v.chardataHealth[0];
        figures.ownHealth[1] = v.chardataHealth[1];
        figures.gameMs = v.gameMs;
        figures.finished = 1;
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
    const unsigned gameMs = run.what == reportRun::kind::Versus ? kVersusMs : run.gameLimitMs;
    // A run takes about a fortieth of its game time on a free core; three
    // minutes and a third of its game time leave room for a machine many
    // times over-committed, and still end a hung run.
    return std::chrono::minutes(3) + std::chrono::milliseconds(gameMs / 3);
}

std::vector<std::string> selectCharacters()
{
    return characterSelectScreen::getAllCharacters();
}

bool fightsOneOnOne(const std::string& name)
{
    return std::find(std::begin(kOneOnOne), std::end(kOneOnOne), name) != std::end(kOneOnOne);
}
