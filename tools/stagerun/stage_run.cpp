// One stage run as arcade mode sets it up: roster players on the generated
// data, optionally a computer ally, played by hand or by the scripted player.
#include "tools/stagerun/stage_run.h"

#include "control/ally_ai.h"
#include "control/beat_em_up_control.h"
#include "engine/clock.h"
#include "engine/gamepad.h"
#include "engine/globals.h"
#include "engine/present.h"
#include "fighter/character_data.h"
#include "fighter/fighter.h"
#include "fighter/input_checker.h"
#include "modes/arcade_mode.h"
#include "screens/beat_em_up_stage.h"
#include "screens/fight_ui.h"
#include "screens/stage_segments.h"
#include "stages/stage_table.h"
#include "tools/stagerun/scripted_player.h"

#include <chrono>
#include <memory>
#include <set>

namespace
{
// The player's computer ally, following player 1.
struct rosterAlly
{
    rosterAlly(SDL_Surface* screen, const std::string& name, soundSet* sounds, partInfoList* effects,
               particleList* particles, Fighter* leader)
        : data(("data/characters/" + name + "/chardata").c_str(), screen, 0, sounds)
    {
        faces.addList("faces", "face", screen);
        control.init(screen);
        const std::string aiFolder = "data/characters/" + name + "/ai";
        control.setup(&data.fighter, effects, particles, sounds, data.anims, data.moves, &nowhere,
                      aiFolder.c_str());
        control.faceInfo = &faces;
        control.leader = leader;
    }

    characterData data;
    partInfoList faces;
    Target nowhere;
    AIAllyBeatEmUp control;
};

// Writes the run's pictures: the first fight frame, each wave as it wakes,
// each trigger's arrow, and the last frame.
class shotTaker
{
public:
    shotTaker(const std::string& dir) : dir(dir) {}

    void look(SDL_Surface* s, beatEmUpStageBase& stage)
    {
        if (dir.empty() || stage.state != 2)
            return;
        beatEmUpSegmentBuilder* b = stage.builder;
        if (!fightShown)
        {
            fightShown = true;
            save(s, "fight");
        }
        const int i = stage.currentSegment;
        if (i > 0 && !taken.count(i - 1))
            if (auto* wake = dynamic_cast<beatEmUpSegActivateWave*>(b->segments[i - 1]))
            {
                taken.insert(i - 1);
                save(s, "wave" + std::to_string(wake->wave));
            }
        if (i < b->numSegments && !taken.count(i) && ++framesOnTrigger > 10)
            if (auto* trigger = dynamic_cast<beatEmUpSegPosTrigger*>(b->segments[i]))
            {
                taken.insert(i);
                framesOnTrigger = 0;
                save(s, "trigger" + std::to_string(trigger->x));
            }
    }

    void save(SDL_Surface* s, const std::string& what)
    {
        if (dir.empty())
            return;
        char number[16];
        std::snprintf(number, sizeof number, "%02d-", ++count);
        SDL_SaveBMP(s, (dir + "/" + number + what + ".bmp").c_str());
    }

private:
    std::string dir;
    bool fightShown = false;
    std::set<int> taken;
    int framesOnTrigger = 0;
    int count = 0;
};

// A headless run holds the game clock and moves it on by 33 ms a frame: every
// frame then takes one step of movement (a step is due every 30 ms), the pace
// of the game at 30 frames a second or more, and the game time is the time a
// player would have played.
constexpr Uint32 kFrameMs = 33;

} // namespace

void stepGameClock()
{
    // A hit-stop holds this picture until it ends.
    const Uint32 now = gameTicks();
    const Uint32 next = freezeEnd >= now + kFrameMs ? freezeEnd + 1 : now + kFrameMs;
    advanceTestClock(next - now);
}

namespace
{
template <typename Stage>
void play(Stage& stage, const stageRunOptions& o, shotTaker& shots, playerControl* one, playerControl* two)
{
    const Uint32 start = gameTicks();
    bool timeUp = false;
    std::unique_ptr<scriptedPlayer> bot1, bot2;
    if (o.scripted)
    {
        bot1 = std::make_unique<scriptedPlayer>(&stage, one, true);
        if (two)
            bot2 = std::make_unique<scriptedPlayer>(&stage, two, true);
    }
    setFrameObserver(
        [&](SDL_Surface* s)
        {
            if (o.scripted)
                stepGameClock();
            if (o.timeLimitMs > 0 && gameTicks() - start >= o.timeLimitMs && !fullyQuit)
                fullyQuit = timeUp = true;
            shots.look(s, stage);
            if (bot1)
                bot1->step();
            if (bot2)
                bot2->step();
            if (o.everyFrame)
                o.everyFrame(stage);
        });
    stage.update();
    setFrameObserver(nullptr);
    if (timeUp)
        fullyQuit = false;
    shots.save(stage.target, "last");
}
} // namespace

stageRunResult runStage(SDL_Surface* screen, const stageRunOptions& o)
{
    stageRunResult r;
    const stageEntry* entry = findStage(o.stage);
    if (!entry)
        return r;
    r.found = true;
    // The clock is held before the players are built: a fighter's first pose
    // times itself from the clock, and an earlier run's clock, left ahead,
    // would hold the pose, and the player, for that run's whole length.
    if (o.scripted)
    {
        setTestClock(1000);
        // The clock starts again: an earlier run's hit-stop must not hold this one.
        freezeEnd = 0;
        setTestClockAutoAdvance(0);
    }
    GPad1.loadGamePad("data/gamepad/defualt.GPad");
    GPad2.loadGamePad("data/gamepad/defualt2.GPad");
    soundSet sounds;
    basicFightUI ui;
    particleList playerParticles;
    particleList enemyParticles;
    partInfoList effects;
    effects.addList("default", screen);
    arcadePlayer one(screen, o.player, 0, &sounds, &effects, &playerParticles, &GPad1);
    one.data.fighter.strength = o.strength;
    std::unique_ptr<arcadePlayer> two;
    std::unique_ptr<rosterAlly> ally;
    if (o.twoPlayers)
    {
        two =
            std::make_unique<arcadePlayer>(screen, o.player, 1, &sounds, &effects, &playerParticles, &GPad2);
        two->data.fighter.strength = o.strength;
    }
    else if (!o.ally.empty())
        ally = std::make_unique<rosterAlly>(screen, o.ally, &sounds, &effects, &playerParticles,
                                            &one.data.fighter);
    ui.init(&one.data.fighter, two ? &two->data.fighter : &one.data.fighter, screen);
    if (!two)
        ui.setFighters(&one.data.fighter, nullptr);

    std::unique_ptr<beatEmUpSegmentBuilder> script = entry->makeBuilder();
    shotTaker shots(o.shotsDir);
    const Uint32 start = gameTicks();
    const auto buildStart = std::chrono::steady_clock::now();
    auto report = [&](beatEmUpStageBase& stage)
    {
        r.finished = stage.finished;
        r.winner = stage.getWinner();
        r.segmentsReached = stage.currentSegment;
    };
    if (two)
    {
        beatEmUp2PlayerStage stage(script.get(), &one.control, &two->control, &ui, screen, entry->background,
                                   nullptr, &playerParticles, &enemyParticles);
        r.buildMs =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - buildStart).count();
        play(stage, o, shots, &one.control, &two->control);
        report(stage);
    }
    else
    {
        beatEmUpStage stage(script.get(), &one.control, ally ? &ally->control : nullptr, &ui, screen,
                            entry->background, nullptr, &playerParticles, &enemyParticles);
        r.buildMs =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - buildStart).count();
        play(stage, o, shots, &one.control, nullptr);
        report(stage);
    }
    r.gameMs = gameTicks() - start;
    r.segmentCount = script->numSegments;
    r.enemyCount = script->numEnemies;
    for (int i = 0; i < script->numEnemies; ++i)
        r.enemiesDown += script->enemies[i].fighter && script->enemies[i].fighter->hp < 1 ? 1 : 0;
    playerParticles.removeAll();
    enemyParticles.removeAll();
    return r;
}
