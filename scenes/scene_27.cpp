// Scene 27: back from the underworld: the gate shut for good.
#include "scenes/scene_script.h"
#include "scenes/scenes.h"

namespace
{
constexpr sceneStep kSteps[] = {
    background("storyBG/hellgateOpen"),
    left("scene1/nickPumped"),
    right("scene0/vladWep"),
    musicOn(),
    line("Nick", "I'M BACK, BABY! Went to the underworld, punched a whole lot of demons, and "
                 "walked right back out again. Who does that?!"),
    line("Vlad", "Well done, master. Now shut that gate, and quickly, before anything else "
                 "crawls out of it and into our streets."),
    left("scene1/nickNormal"),
    line("Nick", "Close it? Uh, how? Do I need, like, a ritual? Some chanting? A goat?"),
    line("Vlad", "You push it shut. That is all, sir."),
    right("scene2/spectre"),
    line("Spectre", "The man who beat me in single combat cannot figure out a door. Pathetic."),
    line("Nick", "Fine, fine. I'm doing it!"),
    left("blankChara"),
    right("blankChara"),
    background("storyBG/hellgate"),
    line("", "*Nick shoves the portal shut, for good.*"),
    left("scene1/nickNormal"),
    background("storyBG/airshipSplode4"),
    line("Nick", "Huh. That was way too easy, dude."),
    left("scene1/nickPumped"),
    line("Nick", "Okay! Next stop: Lilith. Let's go hunt that demon lady down, guys!"),
    musicOff(),
};
static_assert(segmentCount(kSteps) == 31, "scene 27 has 31 steps");
} // namespace

void diaSegBuilderScene27::buildSegments()
{
    buildScene(*this, music, kSteps, __FILE__);
}
