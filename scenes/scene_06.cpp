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
    line("Spectre", "Hold that thought. I must take this call. Wait here."),
    line("Nick", "Make it quick."),
    right("scene2/spectrePhone"),
    line("Spectre", "Speak. ... Heavy losses up front? So? That is no concern of mine, is it?"),
    left("scene1/nickPumped"),
    line("Nick", "Any time now... hellooo?"),
    line("Spectre", "Very well. I will bail out the vanguard once more. But this is the last time. "
                    "From now on, they can clean up their own messes without me."),
    line("Spectre", "Enough. I am on my way."),
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
