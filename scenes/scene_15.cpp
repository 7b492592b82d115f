// Scene 15: the deserted lobby of Golden Tower and a lift full of company.
#include "scenes/scene_script.h"
#include "scenes/scenes.h"

namespace
{
constexpr sceneStep kSteps[] = {
    background("storyBG/goldFoyer"),
    left("scene1/nickNormal"),
    right("scene0/vladWep"),
    musicOn(),
    line("Nick",
         "Whoa, fancy! Marble, gold, chandeliers... and nobody's home. No trap either, far as I can see."),
    line("Nick", "HEY! Any demons hiding behind the potted plants? Come on out! I know you're in there! I'm "
                 "right here!"),
    line("Vlad", "I had hoped you would show a little caution."),
    left("scene1/nickNormal"),
    line("Nick", "Whatever. Let's take the lift up."),
    line("", "The lift doors slam shut. Ding."),
    right("scene1/zombie"),
    line("Zombie", "GRAAAH!"),
    right("scene0/vladWep"),
    line("Vlad", "Master, locking ourselves in a small metal box with the enemy was, tactically speaking, "
                 "not a wise decision."),
    line("Nick", "Beats taking the stairs any day. Come on, ugly, let's dance!"),
    musicOff(),
};
static_assert(segmentCount(kSteps) == 24, "scene 15 has 24 steps");
} // namespace

void diaSegBuilderScene15::buildSegments()
{
    buildScene(*this, music, kSteps, __FILE__);
}
