// Scene 25: Toulon's end, the escape by teleport and the airship's fall.
#include "scenes/scene_script.h"
#include "scenes/scenes.h"

namespace
{
constexpr sceneStep kSteps[] = {
    background("storyBG/hangar"),
    left("scene1/nickPumped"),
    musicOn(),
    line("Nick", "Your turn, Colonel."),
    right("scene2/spectre"),
    line("Spectre", "The wreck is leaking fuel. It could blow any time. I can shift us out. Hold on "
                    "to me."),
    line("Nick", "Not till he pays."),
    right("scene2/spectre"),
    line("Spectre", "Then be quick."),
    right("storyCharas/toulon"),
    line("Toulon the Fantastic",
         "Ah, well, this has been a delightful evening, truly, but I have a prior "
         "engagement elsewhere, so if you would excuse me, I shall just slip away now!"),
    line("Nick", "This is for our soldiers, and for the worst show I've ever seen!"),
    left("blankChara"),
    right("blankChara"),
    background("storyBG/nickGetGloves"),
    line("", "!"),
    left("storyCharas/nickGauntlets"),
    right("storyCharas/toulon"),
    line("Toulon the Fantastic", "Now, now, dear boy, let us not do anything hasty..."),
    left("blankChara"),
    right("blankChara"),
    background("storyBG/toulonkill"),
    line("", "!"),
    right("scene2/spectre"),
    line("Spectre", "He's finished. The blast will do the rest. Leave!"),
    right("blankChara"),
    background("storyBG/hangarTeleport"),
    line("", "*FWOOOSH!*"),
    background("storyBG/airshipSplode1"),
    line("", "..."),
    background("storyBG/airshipSplode2"),
    line("", "!"),
    background("storyBG/airshipSplode3"),
    line("", "!"),
    background("storyBG/airshipSplode4"),
    line("", "..."),
    left("storyCharas/nickGauntlets"),
    line("Nick", "See? Told ya the back door was the best way in!"),
    line("", "*kshhhhkrrrkk*"),
    left("storyCharas/nickRadio"),
    line("Rigby", "Nick! You did it! I saw the whole thing from the tower. The airship is down, "
                  "and the town is safe from it. Thank you, all of you. Seriously."),
    line("Rigby", "But what happened to the soldiers he controlled?"),
    right("scene2/spectre"),
    line("Spectre", "They died the moment he possessed them. I am sorry."),
    left("scene1/nickPumped"),
    line("Nick", "What?"),
    right("scene0/vladWep"),
    line("Vlad", "His soul was split among every soldier he held. When he died, the pieces went "
                 "with him, and so did the last sparks in their bodies."),
    right("scene2/spectre"),
    line("Spectre", "Marionettes, cut loose."),
    line("Rigby", "No. I can't..."),
    right("scene0/vladWep"),
    line("Vlad", "Take what comfort you can: his host is gone, their ranks are thinned, and "
                 "their chain of command is broken to pieces. They won't regroup in any hurry, "
                 "Rigby."),
    line("Vlad", "This war can be won, master. Only one of their commanders is left standing "
                 "now: the general."),
    line("Nick", "Then that's who I'm hunting next. Watch out, General! Nick is coming for ya, "
                 "pal!"),
    musicOff(),
};
static_assert(segmentCount(kSteps) == 83, "scene 25 has 83 steps");
} // namespace

void diaSegBuilderScene25::buildSegments()
{
    buildScene(*this, music, kSteps, __FILE__);
}
