// Scene 14: Brask and Oleck beaten at the tower's foot, and the way in open.
#include "scenes/scene_script.h"
#include "scenes/scenes.h"

namespace
{
constexpr sceneStep kSteps[] = {
    background("storyBG/street3"),
    left("scene1/nickNormal"),
    right("storyCharas/oleck2die"),
    musicOn(),
    line("Nick", "Ha! So who's scrambled now, egg boys?"),
    line("Oleck", "Uggh."),
    left("storyCharas/braskdie"),
    line("Brask", "My ribs are in places ribs should never be."),
    line("Oleck", "I don't think we'll make it."),
    line("Brask", "Look on the bright side, buddy. No more army. We are free, finally."),
    line("Oleck", "Heh. Up top, partner."),
    left("blankChara"),
    right("blankChara"),
    background("storyBG/braskolkill"),
    line("", "!"),
    right("scene0/vladWep"),
    line("Vlad", "They spent their last strength on a celebration. There are worse ways to go."),
    left("scene0/nickFury"),
    line("Nick", "Great, now I feel like the bad guy. Who were those two clowns, anyway, Vlad?"),
    line("Vlad", "I have no idea, master. But they guarded the door, and the road into the tower is open."),
    left("scene1/nickNormal"),
    line("Nick", "Sweet! Onward!"),
    musicOff(),
};
static_assert(segmentCount(kSteps) == 34, "scene 14 has 34 steps");
} // namespace

void diaSegBuilderScene14::buildSegments()
{
    buildScene(*this, music, kSteps, __FILE__);
}
