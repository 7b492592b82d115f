// Scene 4: Nick's whole plan is to hit things; the street is empty until one zombie
// turns up for its interview.
#include "scenes/scene_script.h"
#include "scenes/scenes.h"

namespace
{
constexpr sceneStep kSteps[] = {
    background("scene1/bg1"),
    left("scene1/nickShowVlad"),
    musicOn(),
    line("Vlad", "If I may be so bold, master, what exactly is your plan now that we're allies?"),
    line("Nick", "Simple: I keep hitting stuff until there's nothing left."),
    line("Vlad", "That's it?"),
    line("Nick", "You and me, Vlad! We're gonna carve up every zombie in town. It'll be great!"),
    left("scene1/nickNormal"),
    line("Nick", "Huh. That's weird. Yesterday this whole street was crawling with zombies. So where "
                 "did they all go now?"),
    line("Nick", "Aw, come on! I finally get a cool new toy, and there isn't a single zombie "
                 "around to test it out on!"),
    line("Vlad", "A TOY?!"),
    right("scene1/zombie"),
    line("Zombie", "Uhhh"),
    left("scene1/nickPumped"),
    line("Nick", "There's one!"),
    line("Nick", "Congratulations, sir! Your application to be chopped in half has been accepted."),
    line("Nick", "In fact, you're so overqualified, we'll start you right now!"),
    musicOff(),
};
static_assert(segmentCount(kSteps) == 29, "scene 4 has 29 steps");
} // namespace

void diaSegBuilderScene4::buildSegments()
{
    buildScene(*this, music, kSteps, __FILE__);
}
