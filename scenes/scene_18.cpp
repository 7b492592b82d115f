// Scene 18: Giancarlo's last proverb and the road to the docks.
#include "scenes/scene_script.h"
#include "scenes/scenes.h"

namespace
{
constexpr sceneStep kSteps[] = {
    background("storyBG/gRoof1"),
    left("scene1/nickPumped"),
    right("storyCharas/gian1"),
    musicOn(),
    line("Nick", "Any final words?"),
    line("Giancarlo", "Que sera, sera."),
    line("Nick", "Take that back!"),
    left("blankChara"),
    right("blankChara"),
    background("storyBG/giankill"),
    line("", "!"),
    background("storyBG/gRoof1"),
    right("scene0/vladWep"),
    line("Vlad", "It means: whatever will be, will be, master. Nothing more."),
    left("scene1/nickNormal"),
    line("Nick",
         "Hmph. Well, it was kind of a dumb thing to say anyway. Come on, Vlad. Let's hit the docks."),
    line("Vlad", "Very well. Heroism lies ahead."),
    musicOff(),
};
static_assert(segmentCount(kSteps) == 25, "scene 18 has 25 steps");
} // namespace

void diaSegBuilderScene18::buildSegments()
{
    buildScene(*this, music, kSteps, __FILE__);
}
