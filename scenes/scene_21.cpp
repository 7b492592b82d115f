// Scene 21: Spectre waiting at the burning navy for his second duel.
#include "scenes/scene_script.h"
#include "scenes/scenes.h"

namespace
{
constexpr sceneStep kSteps[] = {
    background("storyBG/navyFire"),
    left("scene1/nickPumped"),
    right("scene2/spectre"),
    musicOn(),
    line("Nick", "Spectre! Again!"),
    line("Spectre", "Indeed so."),
    line("Nick", "Ugh, I hate that too-cool-for-school look."),
    line("Spectre", "Look, here comes the city's saviour. How very touching."),
    line("Nick", "Yeah? What's that mean, huh?"),
    line("Spectre", "The soldiers at the tower. The two gatekeepers. Giancarlo. My own unit. You beat every "
                    "one of them to get here, didn't you?"),
    line("Nick", "Yep. I can beat anything at all."),
    line("Spectre", "So it seems. You are strong. Strong enough to merit a duel."),
    left("scene1/nickNormal"),
    line("Nick", "Indeed so."),
    line("Spectre", "It's not nearly as cool when you say it."),
    left("scene1/nickPumped"),
    line("Nick", "Shut. Up."),
    right("scene0/vladWep"),
    line("Vlad", "Careful, master. Spectre is known for ignoring his orders whenever he can hunt down "
                 "stronger opponents."),
    line("Vlad", "He has grown since your last fight. He will be deadlier than before."),
    right("scene2/spectre"),
    line("Nick", "So am I! Come get some, pretty boy!"),
    line("Spectre", "Gladly."),
    musicOff(),
};
static_assert(segmentCount(kSteps) == 39, "scene 21 has 39 steps");
} // namespace

void diaSegBuilderScene21::buildSegments()
{
    buildScene(*this, music, kSteps, __FILE__);
}
