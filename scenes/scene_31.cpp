// Scene 31: after the final run: Rigby, Spectre and a nickname.
#include "scenes/scene_script.h"
#include "scenes/scenes.h"

namespace
{
constexpr sceneStep kSteps[] = {
    background("scene0/bg1"),
    left("scene1/nickNormal"),
    right("storyCharas/rigby"),
    musicOn(),
    line("Nick", "Rigby, that was awesome! Every shot, right between the eyes, and you made it "
                 "look like a dance. Where'd you learn that?!"),
    line("Rigby", "Thanks, but I couldn't have done it without Spectre. He covered me all the way "
                  "through that mess."),
    left("scene2/spectre"),
    line("Spectre", "You covered me, too. Your aim is steady."),
    line("Rigby", "Can I call you Joe?"),
    line("Spectre", "If you wish. It matters not to me."),
    left("scene0/nickFury"),
    line("Nick", "How about Captain Creepy-Pants? Ha!"),
    right("scene0/vladWep"),
    line("Vlad", "Ah, how mature."),
    left("scene1/nickPumped"),
    line("Nick", "Can we please finish this war already?"),
    musicOff(),
};
static_assert(segmentCount(kSteps) == 25, "scene 31 has 25 steps");
} // namespace

void diaSegBuilderScene31::buildSegments()
{
    buildScene(*this, music, kSteps, __FILE__);
}
