// A versus fight between two computer players, set up as versus mode sets it up.
#include "tools/stagerun/versus_run.h"

#include "engine/clock.h"
#include "engine/globals.h"
#include "engine/present.h"
#include "modes/versus_mode.h"
#include "tools/stagerun/stage_run.h"

versusFighter rosterFighter(const std::string& name)
{
    return {"data/characters/" + name + "/chardata", "data/characters/" + name + "/ai"};
}

versusFight::versusFight(SDL_Surface* screen, const versusFighter& left, const versusFighter& right,
                         const std::string& background, int health)
    : one(left.chardata.c_str(), screen, 0, &sounds), two(right.chardata.c_str(), screen, 1, &sounds)
{
    chardataHealth[0] = one.fighter.maxHP;
    chardataHealth[1] = two.fighter.maxHP;
    if (health > 0)
        for (characterData* c : {&one, &two})
            c->fighter.setHP(health, health);
    one.fighter.x = 300;
    one.fighter.y = 500;
    two.fighter.x = 500;
    two.fighter.y = 500;
    ui.init(&one.fighter, &two.fighter, screen);
    effects.addList("default", screen);
    faces1.addList("faces", "face", screen);
    faces2.addList("faces", "face", screen);
    aimAtTwo.setTarget(&two.fighter);
    aimAtOne.setTarget(&one.fighter);
    ai1.init(screen);
    ai1.setup(&one.fighter, &effects, &list1, &sounds, one.anims, one.moves, &aimAtTwo,
              left.aiFolder.c_str());
    ai1.faceInfo = &faces1;
    ai2.init(screen);
    ai2.setup(&two.fighter, &effects, &list2, &sounds, two.anims, two.moves, &aimAtOne,
              right.aiFolder.c_str());
    ai2.faceInfo = &faces2;
    for (AI* ai : {&ai1, &ai2})
    {
        ai->thinkMode = 2;
        ai->aiLevel = 0;
    }
    match = std::make_unique<PlayerVsPlayerScreen>(&ai1, &ai2, &ui, screen, background, nullptr, &list1,
                                                   &list2, 2);
}

versusFight::~versusFight()
{
    match.reset();
    list1.removeAll();
    list2.removeAll();
}

void versusFight::play(const std::function<void(PlayerVsPlayerScreen&)>& everyFrame)
{
    setFrameObserver(
        [&](SDL_Surface*)
        {
            if (everyFrame)
                everyFrame(*match);
        });
    match->update();
    setFrameObserver(nullptr);
}

versusOutcome playVersus(SDL_Surface* screen, const std::string& player, const std::string& opponent,
                         const std::string& background, Uint32 limitMs, flashMeter* flashes)
{
    versusOutcome out;
    restartGameClock();
    const Uint32 start = gameTicks();
    {
        versusFight fight(screen, rosterFighter(player), rosterFighter(opponent), background, 1000000);
        fight.play(
            [&](PlayerVsPlayerScreen& match)
            {
                stepGameClock();
                if (flashes)
                    flashes->frame(match.target, gameTicks());
                if (gameTicks() - start >= limitMs)
                    fullyQuit = true;
            });
        out.healthLost[0] = fight.one.fighter.maxHP - fight.one.fighter.hp;
        out.healthLost[1] = fight.two.fighter.maxHP - fight.two.fighter.hp;
        out.chardataHealth[0] = fight.chardataHealth[0];
        out.chardataHealth[1] = fight.chardataHealth[1];
        out.gameMs = gameTicks() - start;
    }
    fullyQuit = false;
    return out;
}

peopleMatchOutcome playPeopleVersus(SDL_Surface* target, const std::string& one, const std::string& two,
                                    playerModel model, unsigned seed, Uint32 limitMs)
{
    peopleMatchOutcome out;
    restartGameClock();
    const Uint32 start = gameTicks();
    Uint32 roundStart = 0;
    bool fighting = false;
    auto endRound = [&]
    {
        if (fighting && out.rounds < kMostRounds)
            out.roundMs[out.rounds++] = gameTicks() - roundStart;
        fighting = false;
    };
    // Each side's health at the last frame: a fall is the other side's blow,
    // a rise the next round's fresh health.
    int lastHealth[2] = {0, 0};
    std::unique_ptr<scriptedPlayer> players[2];
    PlayerVsPlayerScreen* match = nullptr;
    auto countDamage = [&]
    {
        const Fighter* sides[2] = {match->control1->fighter, match->control2->fighter};
        for (int i = 0; i < 2; ++i)
        {
            if (sides[i]->hp < lastHealth[i])
                out.damageDealt[1 - i] += lastHealth[i] - sides[i]->hp;
            lastHealth[i] = sides[i]->hp;
        }
    };
    vsMode mode;
    mode.init(target);
    // Two picks of one character take two palettes, as at character select.
    const int palette2 = one == two ? 1 : 0;
    setFrameObserver(
        [&](SDL_Surface*)
        {
            stepGameClock();
            if (!match)
                return;
            if (match->state == 2 && !fighting)
            {
                fighting = true;
                roundStart = gameTicks();
            }
            else if (match->state != 2)
                endRound();
            countDamage();
            out.wins[0] = match->wins1;
            out.wins[1] = match->wins2;
            out.finished = match->checkForVictor();
            for (auto& p : players)
                p->step();
            if (gameTicks() - start >= limitMs)
                fullyQuit = true;
        });
    mode.fightMatch({one, 0}, {two, palette2},
                    [&](PlayerVsPlayerScreen& m)
                    {
                        match = &m;
                        lastHealth[0] = m.control1->fighter->hp;
                        lastHealth[1] = m.control2->fighter->hp;
                        Fighter* f1 = m.control1->fighter;
                        Fighter* f2 = m.control2->fighter;
                        players[0] = std::make_unique<scriptedPlayer>(f1, m.control1->pad, f2, model, seed);
                        players[1] = std::make_unique<scriptedPlayer>(f2, m.control2->pad, f1, model,
                                                                      seed * 2654435761u + 1u);
                        // Versus mode's third button strikes: both sides press it.
                        for (auto& p : players)
                            p->thirdButtonStrikes = true;
                    });
    setFrameObserver(nullptr);
    endRound();
    if (out.finished)
        out.winner = out.wins[0] > out.wins[1] ? 1 : out.wins[1] > out.wins[0] ? 2 : 0;
    out.gameMs = gameTicks() - start;
    fullyQuit = false;
    return out;
}
