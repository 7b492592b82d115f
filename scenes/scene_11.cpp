// Scene 11: out of the tunnels, a megaphone calls the city's staff to Golden Tower.
#include "scenes/scene_script.h"
#include "scenes/scenes.h"

namespace
{
constexpr sceneStep kSteps[] = {
    background("storyBG/darkness"),
    left("scene1/nickNormal"),
    right("scene0/vladWep"),
    musicOn(),
    line("Vlad", "At last, an exit."),
    line("Nick", "At last? Dude, I did all the walking. You just hung out."),
    line("Vlad", "Yet I had to be present the whole way."),
    background("storyBG/street3"),
    line("MEGAPHONE", "ATTENTION! ALL CITY STAFF MUST REPORT TO GOLDEN TOWER FOR EVACUATION IMMEDIATELY. "
                      "GO!"),
    line("MEGAPHONE", "I REPEAT: ALL STAFF TO GOLDEN TOWER NOW!"),
    line("Nick", "Golden Tower? Hey, that's right over there. Guess we're checking it out, huh."),
    musicOff(),
};
static_assert(segmentCount(kSteps) == 18, "scene 11 has 18 steps");
} // namespace

void diaSegBuilderScene11::buildSegments()
{
    buildScene(*this, music, kSteps, __FILE__);
}
