// Scene 7: Vlad tells Nick of the gas nodes in the rich quarter, and Nick sets off to
// wreck them.
#include "scenes/scene_script.h"
#include "scenes/scenes.h"

namespace
{
constexpr sceneStep kSteps[] = {
    background("scene1/bg1"),
    left("scene1/nickNormal"),
    right("scene0/vladWep"),
    musicOn(),
    line("Vlad", "Master, if I may: hacking at the undead one at a time will not win this war. You "
                 "need a new approach."),
    line("Nick", "Oh, sure. Because killing every single zombie I meet has been SUCH a terrible "
                 "strategy so far, right?"),
    line("Vlad", "My former allies have placed gas nodes throughout the rich quarter of the city. I "
                 "know their ways."),
    line("Vlad", "The gas they spew turns ordinary people into the undead far faster than you could "
                 "ever cut them down. Destroy the nodes, master, and the tide will turn in our favour."),
    line("Nick", "Ugh, the rich quarter?! That place is the worst. Snobby neighbours, fancy cars, "
                 "tiny dogs in handbags, and everyone looks down their nose at you. Do I HAVE to?"),
    left("scene1/nickPumped"),
    line("Nick", "Hey rich guys! Nice nose jobs, losers!"),
    line("Nick", "Actually, you know what? Smashing up their street sounds great!"),
    musicOff(),
};
static_assert(segmentCount(kSteps) == 20, "scene 7 has 20 steps");
} // namespace

void diaSegBuilderScene7::buildSegments()
{
    buildScene(*this, music, kSteps, __FILE__);
}
