// Scene 17: a soft-spoken stranger on the roof, named by Vlad as Giancarlo.
#include "scenes/scene_script.h"
#include "scenes/scenes.h"

namespace
{
constexpr sceneStep kSteps[] = {
    background("storyBG/gRoof1"),
    left("blankChara"),
    right("storyCharas/gian1"),
    musicOn(),
    line("???", "No, you may not pass. If you insist, I will have to teach you some manners, friend."),
    left("scene1/nickNormal"),
    line("Nick", "Whoa! Where did you come from?! Were you standing there the entire time?"),
    line("???", "Your shoulders are raised, your fists are clenched and your jaw is tight. You carry so much "
                "anger, my friend. Breathe in slowly. Calm down. Be at peace."),
    left("scene1/nickPumped"),
    line("Nick", "CALM?!?"),
    line("???", "Rest is good for the mood, friend. As the old saying goes, the man who rests long lives "
                "long. And a long life is a happy life, you'll see."),
    left("scene1/nickNormal"),
    line("Nick", "Oh yeah? The guys who lie around doing nothing are the first ones eaten by zombies. I've "
                 "seen it happen, pal."),
    line("???", "And you, my friend, will have wrinkles before you are thirty. Deep ones. I can see them "
                "coming already, right there and there."),
    line("Nick", "Wrinkles?! Listen here, grandpa. The only thing you'll see coming is my sword, right "
                 "before it cuts you clean in half."),
    line("???", "Such stress! Try warm tea, a long bath, a walk in the gardens. Or allow me: a shoulder "
                "massage works wonders. Come, just let me loosen those knots."),
    left("scene1/nickPumped"),
    line("Nick", "HANDS OFF! Personal space, man! Back it off, you creep!"),
    right("scene0/vladWep"),
    line("Vlad", "Master, I know him. He is Giancarlo, a hired killer who fights with the spirits of the "
                 "dead. Do not let his soft words fool you."),
    right("storyCharas/gian1"),
    line("Giancarlo", "Ah, my name is known. What a pity, friend. You will never learn to unwind, and so you "
                      "will never know peace. Such a shame for one so young and angry."),
    right("storyCharas/gian2"),
    line("Giancarlo", "Allow me to kill you, then, my friend."),
    left("scene0/nickFury"),
    line("Nick", "Never! Not ever!"),
    musicOff(),
};
static_assert(segmentCount(kSteps) == 41, "scene 17 has 41 steps");
} // namespace

void diaSegBuilderScene17::buildSegments()
{
    buildScene(*this, music, kSteps, __FILE__);
}
