// Scene 8: the small gas nodes are done, but a far bigger one rides the subway, and Nick
// grudgingly agrees to board it.
#include "scenes/scene_script.h"
#include "scenes/scenes.h"

namespace
{
constexpr sceneStep kSteps[] = {
    background("scene1/bg1"),
    left("scene1/nickNormal"),
    right("scene0/vladWep"),
    musicOn(),
    line("Vlad", "Well begun, master."),
    left("scene1/nickPumped"),
    line("Nick", "Start? Aren't we done with this?!"),
    line("Vlad", "Only the small ones, I'm afraid. A far larger node rides the subway, circling "
                 "beneath the whole city as we speak. That is our next target."),
    line("Nick", "Gas on a subway?! What kind of sicko puts poison gas on a subway, huh?"),
    line("Vlad", "An efficient one, master. As the train circles the city, the gas rises up through "
                 "the tunnels and every vent and stairwell, reaching more people than any node above "
                 "ground."),
    line("Nick", "Wait. So you're telling me I've got to ride the subway?"),
    line("Vlad", "I am. It is your best chance of stopping the zombies before they overrun the city."),
    line("Nick", "Fighting zombies on a subway at rush hour? I'd better get a medal for this, Vlad. "
                 "Fine, let's go then."),
    musicOff(),
};
static_assert(segmentCount(kSteps) == 22, "scene 8 has 22 steps");
} // namespace

void diaSegBuilderScene8::buildSegments()
{
    buildScene(*this, music, kSteps, __FILE__);
}
