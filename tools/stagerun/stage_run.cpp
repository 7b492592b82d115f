// One stage run as arcade mode sets it up: roster players on the generated
// data, optionally a computer ally, played by hand or by a player model; and
// one story chapter's fight as the campaign sets it up at that point.
#include "tools/stagerun/stage_run.h"

#include "control/ally_ai.h"
#include "control/beat_em_up_control.h"
#include "engine/clock.h"
#include "engine/gamepad.h"
#include "engine/globals.h"
#include "engine/platform.h"
#include "engine/present.h"
#include "fighter/character_data.h"
#include "fighter/fighter.h"
#include "fighter/input_checker.h"
#include "modes/arcade_mode.h"
#include "modes/loot_rules.h"
#include "modes/shop.h"
#include "modes/story_chapters.h"
#include "modes/story_mode.h"
#include "screens/beat_em_up_stage.h"
#include "screens/fight_ui.h"
#include "screens/stage_segments.h"
#include "stages/stage_table.h"
#include "tools/stagerun/scripted_player.h"

#include <chrono>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>
#include <memory>
#include <iterator>
#include <set>
#include <vector>

namespace
{
std::string chardataOf(const std::string& name)
{
    return "data/characters/" + name + "/chardata";
}

// The player's computer ally, following player 1.
struct rosterAlly
{
    rosterAlly(SDL_Surface* screen, const std::string& name, soundSet* sounds, partInfoList* effects,
               particleList* particles, Fighter* leader)
        : data(chardataOf(name).c_str(), screen, 0, sounds)
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

void restartGameClock()
{
    setTestClock(1000);
    freezeEnd = 0;
    setTestClockAutoAdvance(0);
}

namespace
{
// Drives a headless run on each presented frame: the clock, the time limit,
// the models' steps, and player 1's health as last seen on the field.
class headlessRun
{
public:
    headlessRun(const stageRunOptions& o) : o(o), start(gameTicks()) {}

    void frame(SDL_Surface* picture, beatEmUpStageBase* stage)
    {
        if (o.flashes && picture)
            o.flashes->frame(picture, gameTicks());
        if (o.scripted)
            stepGameClock();
        if (o.timeLimitMs && gameTicks() - start >= o.timeLimitMs)
            fullyQuit = true;
        for (auto& bot : bots)
            bot->step();
        if (watched)
        {
            health = watched->hp;
            maxHealth = watched->maxHP;
        }
        if (o.everyFrame && stage)
            o.everyFrame(*stage);
    }

    // Ends the run: a time limit's quit is not the caller's.
    void finish(stageRunResult& r)
    {
        r.gameMs = gameTicks() - start;
        r.healthLeft = health;
        r.maxHealth = maxHealth;
        if (o.timeLimitMs)
            fullyQuit = false;
    }

    const stageRunOptions& o;
    Uint32 start;
    std::vector<std::unique_ptr<scriptedPlayer>> bots;
    const Fighter* watched = nullptr;
    int health = 0;
    int maxHealth = 0;
};

template <typename Stage>
void play(Stage& stage, headlessRun& run, shotTaker& shots, playerControl* one, playerControl* two)
{
    const stageRunOptions& o = run.o;
    run.watched = one->fighter;
    if (o.scripted)
    {
        run.bots.push_back(std::make_unique<scriptedPlayer>(&stage, one, !o.realHealth, o.model, o.seed));
        if (two)
            run.bots.push_back(
                std::make_unique<scriptedPlayer>(&stage, two, !o.realHealth, o.model, o.seed + 1));
    }
    setFrameObserver(
        [&](SDL_Surface* s)
        {
            shots.look(s, stage);
            run.frame(s, &stage);
        });
    stage.update();
    setFrameObserver(nullptr);
    run.bots.clear();
    shots.save(stage.target, "last");
}

// The story's fights with the save of a point of the campaign, no ally, and a
// player model on the keys of player 1.
class storyRun : public storyMode
{
public:
    storyRun(SDL_Surface* screen, const storyFile& save, headlessRun& run) : save(save), run(run)
    {
        surface = screen;
    }

protected:
    storyFile savedStory() override { return save; }
    allyFile savedAllies() override
    {
        allyFile none;
        none.equippedAlly = 0;
        return none;
    }
    void playStage(beatEmUpStage& stage) override
    {
        shotTaker shots(run.o.shotsDir);
        play(stage, run, shots, stage.player, nullptr);
        segmentsReached = stage.currentSegment;
    }

public:
    int segmentsReached = 0;

private:
    storyFile save;
    headlessRun& run;
};

// The shop's purchases, made in this order whenever the coins allow the next:
// health and defence first, since a new player is hit more than he hits.
constexpr shop::Stat kPurchases[] = {
    shop::HP, shop::Defence, shop::Strength, shop::HP, shop::Defence, shop::Strength, shop::Speed,
    shop::HP, shop::Defence, shop::Strength, shop::Speed, shop::HP, shop::Defence, shop::Strength,
    shop::Speed, shop::HP, shop::Defence, shop::Strength, shop::Speed, shop::Speed,
};
} // namespace

bool enterGameFolder(const char* dataFolder)
{
    char real[4096];
    if (!realpath(dataFolder, real))
    {
        std::fprintf(stderr, "no data folder %s\n", dataFolder);
        return false;
    }
    const std::string data = real;
    const std::size_t slash = data.rfind('/');
    const std::string parent = slash == 0 ? "/" : data.substr(0, slash);
    if (data.substr(slash + 1) != "data" || chdir(parent.c_str()) != 0)
    {
        std::fprintf(stderr, "the data folder must be called \"data\": %s\n", real);
        return false;
    }
    return true;
}

bool characterFound(const std::string& name)
{
    std::FILE* file = openForReading(chardataOf(name));
    if (file)
        std::fclose(file);
    return file != nullptr;
}

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
        restartGameClock();
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
    headlessRun run(o);
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
        play(stage, run, shots, &one.control, &two->control);
        report(stage);
    }
    else
    {
        beatEmUpStage stage(script.get(), &one.control, ally ? &ally->control : nullptr, &ui, screen,
                            entry->background, nullptr, &playerParticles, &enemyParticles);
        r.buildMs =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - buildStart).count();
        play(stage, run, shots, &one.control, nullptr);
        report(stage);
    }
    run.finish(r);
    r.cleared = r.finished && r.winner == 1;
    r.segmentCount = script->numSegments;
    r.enemyCount = script->numEnemies;
    for (int i = 0; i < script->numEnemies; ++i)
        r.enemiesDown += script->enemies[i].fighter && script->enemies[i].fighter->hp < 1 ? 1 : 0;
    playerParticles.removeAll();
    enemyParticles.removeAll();
    return r;
}

storyFile storySaveBefore(int chapter)
{
    storyFile save;
    std::size_t bought = 0;
    for (int i = 0;; ++i)
    {
        while (bought < std::size(kPurchases))
        {
            int& level = shop::levelIn(save, kPurchases[bought]);
            const int price = shop::priceOfNextLevel(kPurchases[bought], level);
            if (price < 0 || save.coins < price)
                break;
            save.coins -= price;
            ++level;
            ++bought;
        }
        if (i >= chapter || i >= kChapterCount)
            return save;
        if (const LootReward* reward = lootReward(kChapters[static_cast<std::size_t>(i)].reward))
            applyStoryReward(*reward, save);
    }
}

stageRunResult runStoryChapter(SDL_Surface* screen, int chapter, const stageRunOptions& o)
{
    stageRunResult r;
    if (chapter < 0 || chapter >= kChapterCount)
        return r;
    const Chapter& c = kChapters[static_cast<std::size_t>(chapter)];
    const stageEntry* entry = c.stage.background ? storyStage(c.stage.level) : nullptr;
    if (c.stage.background && !entry)
        return r;
    r.found = true;
    GPad1.loadGamePad("data/gamepad/defualt.GPad");
    GPad2.loadGamePad("data/gamepad/defualt2.GPad");
    if (o.scripted)
        restartGameClock();
    headlessRun run(o);
    storyRun story(screen, storySaveBefore(chapter), run);
    FightEnd end;
    if (entry)
    {
        std::unique_ptr<beatEmUpSegmentBuilder> script = entry->makeBuilder();
        end = story.fight(c.stage.background, script.get());
        r.segmentsReached = story.segmentsReached;
        r.segmentCount = script->numSegments;
        r.enemyCount = script->numEnemies;
        for (int i = 0; i < script->numEnemies; ++i)
            r.enemiesDown += script->enemies[i].fighter && script->enemies[i].fighter->hp < 1 ? 1 : 0;
    }
    else
    {
        // The fighters exist only inside the fight: the model joins on its first frame.
        setFrameObserver(
            [&](SDL_Surface* picture)
            {
                Fighter* player = story.playerTarget.target;
                Fighter* boss = story.opponentTarget.target;
                if (o.scripted && run.bots.empty() && player && boss)
                {
                    run.bots.push_back(
                        std::make_unique<scriptedPlayer>(player, &GPad1, boss, o.model, o.seed, !o.realHealth));
                }
                run.watched = player;
                run.frame(picture, nullptr);
                if (boss)
                    r.enemiesDown = boss->hp < 1 ? 1 : 0;
            });
        r.enemyCount = 1;
        end = story.bossFight(c.boss);
        setFrameObserver(nullptr);
        run.watched = nullptr;
        run.bots.clear();
    }
    run.finish(r);
    r.finished = end != FightEnd::Left;
    r.cleared = end == FightEnd::Won;
    r.winner = r.cleared ? 1 : r.finished ? 2 : 0;
    return r;
}
