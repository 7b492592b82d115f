// Scene 28: Johnny Blade waits on the dark street.
#include "scenes/scene_script.h"
#include "scenes/scenes.h"

namespace
{
constexpr sceneStep kSteps[] = {
    background("scene0/bg1"),
    left("blankChara"),
    right("storyCharas/johnny"),
    musicOn(),
    line("???", "Welcome, welcome, little rabbit. The wolf is hungry."),
    left("scene1/nickNormal"),
    line("Nick", "Who the heck are you supposed to be, pal?"),
    line("???", "Johnny Blade, quick and sly, little bunny, say bye-bye!"),
    left("scene1/nickPumped"),
    line("Nick", "Uh... what?!?"),
    line("Johnny Blade", "Meet my sweetheart, so shiny, so bright! She sings so sweet when she bites at "
                         "night! Snicker-snack, she never lets go, she takes her time and takes it slow!"),
    line("Nick", "Yeah, great, real cute. But I've kind of got a war going on right now, so "
                 "maybe we could do this some other time?"),
    line("Johnny Blade", "No, no, no. No way out, little rabbit. You're caught, and Johnny picks your "
                         "end!"),
    left("scene1/nickNormal"),
    line("Nick", "Vlad, just who IS this psycho?"),
    right("scene0/vladWep"),
    line("Vlad", "Johnny Blade, sadly."),
    line("Nick", "I need way more than a name, Vlad!"),
    line("Vlad", "He was once a captain of ours, thrown out for being too dangerous even for his "
                 "own side. He must have fled the underworld through that open gate. He is fast, "
                 "and merciless."),
    line("Nick", "Wow, thanks Vlad. That's SO reassuring."),
    right("storyCharas/johnny"),
    line("Johnny Blade", "Your blood, your blood, Johnny wants your blood! Give it here, give it here! "
                         "Heee hee heee!"),
    left("scene1/nickPumped"),
    line("Nick", "That's it. I've had it with you. Let's rumble, knife boy!"),
    musicOff(),
};
static_assert(segmentCount(kSteps) == 39, "scene 28 has 39 steps");
} // namespace

void diaSegBuilderScene28::buildSegments()
{
    buildScene(*this, music, kSteps, __FILE__);
}
