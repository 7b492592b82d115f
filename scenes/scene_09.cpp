// Scene 9: on the train roof a masked stranger declaims that fate has made them foes.
#include "scenes/scene_script.h"
#include "scenes/scenes.h"

namespace
{
constexpr sceneStep kSteps[] = {
    background("storyBG/trainTop"),
    left("scene1/nickNormal"),
    right("storyCharas/don1"),
    musicOn(),
    line("???", "Alas! Alas! What sorrows fate hath writ for us on this rattling stage!"),
    line("Nick", "Uh... was that a question or a poem?"),
    line("???", "O cruel Fate! She hath set her face against us twain!"),
    line("???", "One man comes, sword in hand, to ruin the cargo this train bears..."),
    line("???", "...the other, duty-bound to guard it!"),
    line("???", "And so neither may triumph while the other yet draws breath; one must fall "
                "that the other may stand. Such is our plight."),
    line("???", "A plight so cruel, the very heavens would weep for it!"),
    line("Nick", "So... are we fighting now, or what, dude?"),
    line("???", "Then let blade and whip decide whose fate shall prevail today, sirrah!"),
    left("scene1/nickPumped"),
    line("Nick", "Ha! Now we're talking! GAME ON!"),
    musicOff(),
};
static_assert(segmentCount(kSteps) == 26, "scene 9 has 26 steps");
} // namespace

void diaSegBuilderScene9::buildSegments()
{
    buildScene(*this, music, kSteps, __FILE__);
}
