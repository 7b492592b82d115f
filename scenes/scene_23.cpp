// Scene 23: the jump to the airship: Rigby's call, Spectre's teleport and a miss high in the sky.
#include "scenes/scene_script.h"
#include "scenes/scenes.h"

namespace
{
constexpr sceneStep kSteps[] = {
    background("storyBG/navyFire"),
    left("scene1/nickPumped"),
    right("scene2/spectre"),
    musicOn(),
    line("Spectre", "Now, back to business. That airship must go down."),
    line("Nick", "Take it down? That thing is the size of a mall! How do we dent that?"),
    left("storyCharas/nickRadio"),
    line("", "*kzzzrrrkk*"),
    line("Rigby", "Nick, it's Rigby! Bad news: the airship has gone rogue. Nobody flies it for us "
                  "anymore, and it keeps looping over the town."),
    line("Rigby", "Bring it down, Nick, before its next bombing run. Right NOW!"),
    line("Nick", "Relax, I've got a plan. Super easy. No sweat. Trust me, you'll all be cheering "
                 "in five minutes."),
    line("Rigby", "What plan, Nick?"),
    line("Nick", "Just trust me, okay?"),
    line("", "*click*"),
    left("scene1/nickNormal"),
    line("Nick", "So, uh... Spectre, buddy? Got a plan, by any chance?!"),
    line("Spectre", "We teleport aboard, tear through the hull from the inside and wreck its "
                    "engines before the crew even knows we are in there."),
    line("Nick", "Tele-WHAT? Like magic?"),
    line("Spectre", "Go."),
    left("blankChara"),
    right("blankChara"),
    background("storyBG/navyJump"),
    line("", "*FWOOOSH!*"),
    background("storyBG/upHigh"),
    left("scene1/nickPumped"),
    line("Nick", "Wait. Where are we?"),
    right("scene0/vladWep"),
    line("Vlad", "Spectre, why are we out here? We were to land inside it!"),
    line("Nick", "We're... in the SKY?!"),
    right("scene2/spectre"),
    line("Spectre", "I missed. The hull was warded. So, we break in the hard way."),
    line("Nick", "MAGIC IS THE WORST!!"),
    right("scene0/vladWep"),
    line("Vlad", "Less yelling, master, and more fighting. The hatch is there."),
    line("Nick", "Fine. Let's roll!"),
    musicOff(),
};
static_assert(segmentCount(kSteps) == 57, "scene 23 has 57 steps");
} // namespace

void diaSegBuilderScene23::buildSegments()
{
    buildScene(*this, music, kSteps, __FILE__);
}
