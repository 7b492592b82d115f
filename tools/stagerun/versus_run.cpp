// A versus fight between two computer players, set up as versus mode sets it up.
#include "tools/stagerun/versus_run.h"

#include "engine/clock.h"
#include "engine/globals.h"
#include "engine/present.h"
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
