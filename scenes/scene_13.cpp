// Scene 13: Brask and Oleck at the tower's door, arguing over who has to fight Nick.
#include "scenes/scene_script.h"
#include "scenes/scenes.h"

namespace
{
constexpr sceneStep kSteps[] = {
    background("storyBG/street3"),
    left("storyCharas/brask"),
    right("storyCharas/oleck"),
    musicOn(),
    line("Brask", "Oleck. Stand up."),
    line("Oleck",
         "Nope. I finally got this crate tilted just right. My back hasn't felt this good in three years."),
    line("Brask", "Come on, you lump. We've got company."),
    left("scene1/nickNormal"),
    line("Nick", "Uh. Hi."),
    line("Oleck", "Ugh, I'm way too tired for this. You go kill him, Brask. I'll supervise."),
    right("storyCharas/brask"),
    line("Brask", "Nope. We split the killing fifty-fifty, remember? That's the deal. You do the legs, I do "
                  "the arms. Same as always."),
    line("Nick", "Hey, I'm standing right here."),
    right("storyCharas/oleck"),
    line("Oleck", "Or, hear me out, we just let him walk in. Nobody saw him. We saw nothing. So easy."),
    line("Nick", "Yeah! I love this plan! Oleck, pal, you're a total genius."),
    right("storyCharas/brask"),
    line("Brask", "And when the general finds out we let someone through? He'll hang us off the roof by our "
                  "ankles. I should have joined the navy like my mom told me to."),
    right("storyCharas/oleck2"),
    line("Oleck", "Fine. Fine! Ugh. Let's just get this over with so I can lie back down, all right?"),
    left("storyCharas/brask"),
    line("Brask", "We'll scramble you like breakfast eggs, buddy!"),
    left("scene1/nickPumped"),
    line("Nick", "Hey! I said hi! Who taught you two your manners, huh?"),
    musicOff(),
};
static_assert(segmentCount(kSteps) == 38, "scene 13 has 38 steps");
} // namespace

void diaSegBuilderScene13::buildSegments()
{
    buildScene(*this, music, kSteps, __FILE__);
}
