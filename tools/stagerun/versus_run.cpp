// A versus fight between two computer players, set up as versus mode sets it up.
#include "tools/stagerun/versus_run.h"

#include "engine/globals.h"
#include "engine/present.h"

versusFighter rosterFighter(const std::string& name)
{
    return {"data/characters/" + name + "/chardata", "data/characters/" + name + "/ai"};
}

versusFight::versusFight(SDL_Surface* screen, const versusFighter& left, const versusFighter& right,
                         const std::string& background, int health)
    : one(left.chardata.c_str(), screen, 0, &sounds), two(right.chardata.c_str(), screen, 1, &sounds)
{
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
