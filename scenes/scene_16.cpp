// Scene 16: on the roof, Rigby's news of the airship, its pass over the city and the navy bombed.
#include "scenes/scene_script.h"
#include "scenes/scenes.h"

namespace
{
constexpr sceneStep kSteps[] = {
    background("storyBG/gRoof1"),
    left("scene1/nickNormal"),
    right("scene0/vladWep"),
    musicOn(),
    line("Nick", "See? Told you that lift ride was totally harmless."),
    line("Vlad", "It became harmless, master. Only after every last one of those things was dead."),
    line("", "Kssshhh..."),
    left("storyCharas/nickRadio"),
    line("Rigby", "Nick, it's me. Bad news."),
    line("Nick", "Go ahead, sweetie."),
    line("Rigby", "Command has written the whole operation off. As far as the army is concerned, this city "
                  "is gone. No more rescue teams."),
    line("Nick", "Written off? Ha! My ex did that to me once. I got over it quick."),
    line("Rigby", "It's worse. There's an airship on its way loaded with bombs. They're going to flatten the "
                  "whole city and everything in it."),
    line("Nick", "Cool! Big boom! Wait, hmm..."),
    line("Vlad", "Do you see it?"),
    line("Nick", "I'm in the city too."),
    line("Vlad", "Yes, master. And that means you're...?"),
    line("Nick", "I'D DIE!"),
    line("Vlad", "So would everyone left alive in this whole city, if that is any comfort."),
    line("Rigby", "The navy is sending ships too, to mop up whatever is left. Sorry, Nick."),
    line("", "VRRRRROOOOOM!"),
    line("Rigby", "It's here already! Damn!"),
    line("Nick", "Quick, hug me!"),
    line("Vlad", "No, master. I have no arms to hug you with."),
    left("blankChara"),
    right("blankChara"),
    background("storyBG/gRoof2"),
    line("", "Vmmmmm..."),
    background("storyBG/gRoof3"),
    line("", "VMMMMMMMRRRRRRR..."),
    background("storyBG/gRoof4"),
    line("", "VRRRRRRROOOOOOOOOOOOMMMM..."),
    background("storyBG/airstrike"),
    line("", "BOOM! BOOM! BOOOOM!"),
    background("storyBG/navyDown"),
    line("", "!"),
    left("scene1/nickNormal"),
    right("scene0/vladWep"),
    background("storyBG/gRoof1"),
    line("Nick", "Ha! The airship just bombed the navy instead of us! Nice going, army. You blew up your own "
                 "boats. Somebody's getting fired."),
    line("Rigby", "Nick, you're alive! That's no mistake, someone must have hijacked that airship. Get down "
                  "to the docks and rescue the survivors."),
    line("Nick", "So, let me get this straight. You want me to save the sailors who came to wipe us out?"),
    line("Rigby", "They were only following orders, Nick. And my younger brother, Andy, is a sailor. He was "
                  "on one of the ships."),
    line("Nick", "Why didn't you say so? I'm on it! Nobody hurts Rigby's baby brother."),
    line("Radio", "Krzzzzt."),
    line("Nick", "Think about it, Vlad. We save her brother, the news gets out, and bam: we're famous. "
                 "Heroes of the whole city."),
    line("Vlad", "Do tell, master."),
    line("Nick", "Heroes get the girl, Vlad. I can already see it. Our first date. The hugs..."),
    line("Vlad", "I am not at all sure..."),
    left("scene1/nickPumped"),
    line("Nick", "Glory! Rescues! Romance! That's what a hero is made of, Vlad. Come on, move "
                 "it!"),
    line("Vlad", "As you wish, master. I follow."),
    musicOff(),
};
static_assert(segmentCount(kSteps) == 89, "scene 16 has 89 steps");
} // namespace

void diaSegBuilderScene16::buildSegments()
{
    buildScene(*this, music, kSteps, __FILE__);
}
