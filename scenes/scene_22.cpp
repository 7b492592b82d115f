// Scene 22: Spectre beaten, and joining Nick against the general.
#include "scenes/scene_script.h"
#include "scenes/scenes.h"

namespace
{
constexpr sceneStep kSteps[] = {
    background("storyBG/navyFire"),
    left("scene1/nickPumped"),
    right("scene2/spectre"),
    musicOn(),
    line("Spectre",
         "Impossible. I lost? I lost to you, of all people? Where does that kind of power come from?"),
    line("Nick", "From awesome! Now stay put."),
    line("Spectre", "Stop now."),
    line("Nick", "Hey! I was just in the middle of finishing you off! Ugh."),
    line("Spectre", "I'll be on your side now."),
    line("Nick", "Oh, NOW you wanna be friends? After you nearly cut my head off? Your timing stinks."),
    line("Spectre", "Only a fool attacks a new partner."),
    line("Nick", "I said no to you once already, remember? Vlad, back me up here. Tell him to get lost. "
                 "Please, Vlad?"),
    right("scene0/vladWep"),
    line("Vlad",
         "He is strong, master, and strong allies are rare. I would keep him, but watch him carefully."),
    right("scene2/spectre"),
    line("Spectre", "Your sword is wise. You need me to stop the general."),
    line("Nick", "Fine! Fine. You can tag along. But why are you helping us? What's in it for you, huh? "
                 "Spill it, man."),
    line("Spectre", "I want to know where your power comes from. Nothing more than that."),
    line("Nick", "Whatever, man. Your problems aren't my problems. Now let's go find the general and kick "
                 "his butt already."),
    line("Spectre", "Not yet. First we need to bring the airship down."),
    musicOff(),
};
static_assert(segmentCount(kSteps) == 35, "scene 22 has 35 steps");
} // namespace

void diaSegBuilderScene22::buildSegments()
{
    buildScene(*this, music, kSteps, __FILE__);
}
