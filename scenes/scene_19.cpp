// Scene 19: a street full of enemies between Nick and the docks.
#include "scenes/scene_script.h"
#include "scenes/scenes.h"

namespace
{
constexpr sceneStep kSteps[] = {
    background("scene0/bg1"),
    left("scene1/nickNormal"),
    right("scene0/vladWep"),
    musicOn(),
    line(
        "Nick",
        "Man, look at that street. Wall to wall ugly faces between us and the docks. All of them mad at us."),
    line("Vlad", "Master, we could slip through the back alleys instead, quiet and unseen, and reach the "
                 "docks without a single fight."),
    line("Nick", "Sneak around like a bunch of cowards? Nope. We're heroes!"),
    line("Vlad", "Yes, but--"),
    line("Nick", "Do you know what heroes do, Vlad? Do you?"),
    line("Vlad", "I fear that I am about to."),
    left("scene1/nickPumped"),
    line("Nick", "We go charging down the middle!"),
    musicOff(),
};
static_assert(segmentCount(kSteps) == 20, "scene 19 has 20 steps");
} // namespace

void diaSegBuilderScene19::buildSegments()
{
    buildScene(*this, music, kSteps, __FILE__);
}
