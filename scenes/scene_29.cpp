// Scene 29: Johnny Blade's end in the gutter.
#include "scenes/scene_script.h"
#include "scenes/scenes.h"

namespace
{
constexpr sceneStep kSteps[] = {
    background("scene0/bg1"),
    left("blankChara"),
    right("storyCharas/johnny"),
    musicOn(),
    line("Johnny Blade", "Hee hee... so the rabbit bites back... maybe the rabbit wins, then!"),
    left("scene1/nickPumped"),
    line("Nick", "Enough! I am SO done with you, pal!"),
    left("blankChara"),
    right("blankChara"),
    background("storyBG/johnnykill"),
    line("", "!"),
    background("storyBG/johnnyGutter"),
    line("Johnny Blade", "So... this is how Johnny ends... in a gutter... hee... how perfect."),
    right("scene2/spectre"),
    line("Spectre", "Good riddance. That rabid dog is done for."),
    left("scene1/nickNormal"),
    line("Nick", "Totally. That guy got on my last nerve, and then some."),
    right("scene0/vladWep"),
    line("Vlad", "Well fought, master. But now we must hurry. Lilith won't wait for us."),
    musicOff(),
};
static_assert(segmentCount(kSteps) == 27, "scene 29 has 27 steps");
} // namespace

void diaSegBuilderScene29::buildSegments()
{
    buildScene(*this, music, kSteps, __FILE__);
}
