// Scene 30: Rigby met in person, with Andy, before the final run.
#include "scenes/scene_script.h"
#include "scenes/scenes.h"

namespace
{
constexpr sceneStep kSteps[] = {
    background("scene0/bg1"),
    left("blankChara"),
    right("storyCharas/rigby"),
    musicOn(),
    line("???", "NICK!"),
    left("scene1/nickNormal"),
    line("Nick", "Rigby?! No way! Really?"),
    right("storyCharas/andy"),
    line("Andy", "SIS!"),
    right("storyCharas/rigby"),
    line("Rigby", "Not now, Andy. We don't have time."),
    right("storyCharas/andy"),
    line("Andy", "Sorry, sis."),
    right("storyCharas/rigby"),
    line("Rigby", "Nick! I thought you were dead when the radio went quiet for hours!"),
    left("scene0/nickFury"),
    line("Nick", "Aw, a little trip to the underworld, nothing serious. Anyway... wow. You're "
                 "even prettier in person than on the radio. Are you free later?!"),
    right("scene0/vladWep"),
    line("Vlad", "Forgive him, my lady. He has been through a lot. Master, perhaps a little "
                 "restraint, hmm?"),
    left("scene1/nickNormal"),
    line("Nick", "Romance tips from YOU? Hard pass, Vlad."),
    line("Vlad", "I'll have you know, I was quite the charmer in my day."),
    right("storyCharas/rigby"),
    line("Rigby", "Will you two stop chattering for one second and listen to me!"),
    line("Nick", "Yes ma'am!"),
    line("Rigby", "While you were gone, I fortified the tower and took in every survivor I could "
                  "find. They're all safe for now, but we can't hold out forever, Nick."),
    left("scene0/nickFury"),
    line("Nick", "You are amazing. Seriously. Is there anything you can't do?!"),
    line("Rigby", "A woman is tearing up the streets a few blocks ahead. Red eyes, black wings. I "
                  "have never seen anything that strong. I think she's their general, Nick."),
    line("Nick", "That's Lilith, all right. So hey, when this is over, want to grab a bite? I "
                 "know a great burger spot around here!"),
    line("Rigby", "A burger? Why?"),
    right("scene0/vladWep"),
    line("Vlad", "Master, please. Lilith first, burgers later. The longer we wait, the stronger "
                 "she gets."),
    left("scene1/nickNormal"),
    line("Nick", "Right, right. So let's punch our way through to Lilith and end this war once "
                 "and for all!"),
    musicOff(),
};
static_assert(segmentCount(kSteps) == 55, "scene 30 has 55 steps");
} // namespace

void diaSegBuilderScene30::buildSegments()
{
    buildScene(*this, music, kSteps, __FILE__);
}
