// Scene 6: Spectre breaks off the fight to take a call from the front and teleports away.
#include "scenes/scene_script.h"
#include "scenes/scenes.h"

namespace
{
constexpr sceneStep kSteps[] = {
    background("scene1/bg1"),
    left("scene1/nickReady"),
    right("scene2/spectre"),
    musicOn(),
    line("Spectre", "Hold that thought, genius. I have to take this call."),
    line("Nick", "Make it quick."),
    right("scene2/spectrePhone"),
    line("Spectre", "Yeah? ... Heavy losses up front? So what? Not exactly my problem, is it?"),
    left("scene1/nickPumped"),
    line("Nick", "Any time now... hellooo?"),
    line("Spectre", "Fine. FINE. I'll come bail out the vanguard again. But this is the last time, you "
                    "hear me?! Next time they can clean up their own messes."),
    line("Spectre", "Yeah, yeah. I'm coming."),
    right("scene2/spectrePort"),
    line("", "FZZT! Spectre teleports."),
    right("blankChara"),
    left("scene0/nickFury"),
    line("Nick", "HEY! Get back here! We're not done yet, you yellow-bellied punk!"),
    left("scene1/nickNormal"),
    line("Nick", "Jeez, what a jerk. Ditches a fight halfway through and doesn't even say goodbye."),
    musicOff(),
};
static_assert(segmentCount(kSteps) == 29, "scene 6 has 29 steps");
} // namespace

void diaSegBuilderScene6::buildSegments()
{
    buildScene(*this, music, kSteps, __FILE__);
}
