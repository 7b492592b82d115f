// Scene 3: the beaten Vlad still insists on his duty, Nick knocks him flat and takes his
// blade, and the blade answers back in Vlad's voice.
#include "scenes/scene_script.h"
#include "scenes/scenes.h"

namespace
{
constexpr sceneStep kSteps[] = {
    background("scene0/bg1"),
    musicOn(),
    left("scene0/nickBat"),
    right("scene0/vladWeak"),
    line("Vlad", "You have bested me, boy, and I admit it freely. Yet my duty remains, and my "
                 "duty says you must die tonight."),
    line("Nick", "Oh, SHUT UP, you old bag!"),
    left("blankChara"),
    right("blankChara"),
    background("scene0/killVlad"),
    line("", "!"),
    line("Nick", "HA! Right on the old bean!"),
    background("scene0/vladDown"),
    line("Nick", "Lucky thing nobody was around to hear that."),
    line("Nick", "Sorry about the head, old timer. You didn't leave me much of a choice..."),
    left("scene1/nickShowVlad"),
    line("Nick", "Ooh, shiny! That's a nice blade. Red, sharp, a little bit evil... I'd say it "
                 "really suits me, eh?"),
    line("Vlad", "I beg to differ. A blade of my noble standing ill befits a ruffian with a baseball "
                 "bat."),
    left("scene1/nickPumped"),
    line("Nick", "WHAT THE HECK?!"),
    right("scene0/vladWep"),
    line("Vlad", "No doubt you are wondering, master, why the sword in your hand has suddenly begun "
                 "to speak."),
    line("Vlad", "Long ago, when I was young and proud, I bound my soul to this very blade. So long "
                 "as it endures, so do I. It seemed clever at the time..."),
    line("Vlad", "In hindsight, master, a plain death would've been kinder. Few know it better "
                 "than I."),
    left("scene1/nickNormal"),
    line("Nick", "Um, hold on. Why do you keep calling me master, anyway?"),
    line("Vlad", "Whoever wields this blade is my master, by the terms of the binding. Should the "
                 "word displease you, I can call you sir."),
    left("scene1/nickPumped"),
    line("Nick", "Call me Lord Nick the Great!"),
    line("Vlad", "No."),
    line("Nick", "Fine, fine. Master it is. It's got a nice ring to it, anyway. Now let's go find "
                 "something to hit, all right?"),
    musicOff(),
};
static_assert(segmentCount(kSteps) == 48, "scene 3 has 48 steps");
} // namespace

void diaSegBuilderScene3::buildSegments()
{
    buildScene(*this, music, kSteps, __FILE__);
}
