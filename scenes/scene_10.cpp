// Scene 10: Donatello dies in verse, Nick smashes the train's gas node mid-warning and the
// train blows up.
#include "scenes/scene_script.h"
#include "scenes/scenes.h"

namespace
{
constexpr sceneStep kSteps[] = {
    background("storyBG/donkill"),
    left("blankChara"),
    right("blankChara"),
    musicOn(),
    line("???", "Ah... the light grows dim, the wheels fall silent, and my verses drift away like "
                "smoke upon the wind."),
    line("???", "Farewell, sweet world of the living... and farewell to thee, O my foe..."),
    line("???", "Seize thy destiny, young one... seize it... urk."),
    left("scene1/nickNormal"),
    line("Nick", "Okay, I'm pretty sure he's dead now. Who was that guy, huh?"),
    right("scene0/vladWep"),
    line("Vlad", "That was Donatello, master: a commando of the demon army, and a poet, in his way."),
    line("Nick", "And you couldn't have mentioned the ELECTRIC WHIP before he fried my eyebrows off?!"),
    line("Vlad", "I did not want him to know I was nearby."),
    line("Nick", "Huh. Fair enough."),
    line("Nick", "Whatever! Now for the fun part: I'm gonna wreck this whole dumb train!"),
    left("blankChara"),
    right("blankChara"),
    background("storyBG/gas1"),
    line("Vlad", "Master, this is the gas node. You must take great care when disarming it. Should "
                 "you strike it carelessly, then..."),
    left("scene1/nickPumped"),
    line("Nick", "HYAAAAAAAAAAAAAAAAAAA!!"),
    line("", "Nick hits it hard."),
    background("storyBG/gas2"),
    line("Vlad", "...the pressure valves will fail and the whole node will rupture. And that appears "
                 "to be exactly what is happening now. We must go. Now!"),
    left("scene1/nickNormal"),
    line("Nick", "Whoa, whoa, it's making a super scary noise! Vlad, we have to get out of here!"),
    right("scene0/vladWep"),
    line("Vlad", "*sigh*"),
    line("Nick", "Vlad! Hit the deck!!"),
    background("storyBG/trainSplode"),
    left("blankChara"),
    right("blankChara"),
    line("", "!!!"),
    left("scene0/nickFury"),
    right("scene0/vladWep"),
    line("Nick", "WOOHOO! Did you see that?! I just blew up a whole dang train!"),
    line("Vlad", "Bravo, master. Truly inspired. Now kindly find us a way out of this hole."),
    left("scene1/nickNormal"),
    line("Nick", "Yeah, yeah..."),
    musicOff(),
};
static_assert(segmentCount(kSteps) == 60, "scene 10 has 60 steps");
} // namespace

void diaSegBuilderScene10::buildSegments()
{
    buildScene(*this, music, kSteps, __FILE__);
}
