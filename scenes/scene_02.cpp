// Scene 2: a stranger's sword nearly takes Nick's head on the night street; Vlad names
// himself, asks Nick to cooperate in his own execution, and gets a duel instead.
#include "scenes/scene_script.h"
#include "scenes/scenes.h"

namespace
{
constexpr sceneStep kSteps[] = {
    background("scene0/vladAttack"),
    musicOn(),
    line("", "!?"),
    line("Nick", "Whoa! Watch where you swing that thing, buddy! You nearly took my head off!"),
    background("scene0/bg1"),
    right("scene0/vladDraw"),
    line("???", "That was precisely the idea."),
    left("scene0/nickBat"),
    line("Nick", "Wow. Is that how you say hello to everybody you meet?!"),
    right("scene0/vlad"),
    line("???", "I have come to put an end to your little resistance."),
    line("Nick", "What resistance? And who the heck are you, pal?"),
    line("Vlad", "I am Vlad, a captain of the demon army. I have been sent here to crush the "
                 "resistance, and to execute you. I would be most grateful for your cooperation."),
    left("scene0/nickFury"),
    line("Nick", "My cooperation?! Are you nuts?!?"),
    line("Vlad", "Is that a no?"),
    line("Nick", "That's a big fat NO."),
    right("scene0/vladDraw"),
    line("Vlad", "A pity. I had hoped we could settle this in a civilised manner. Sadly, your refusal "
                 "changes nothing. I must kill you all the same."),
    line("Nick", "Not a chance, old man. You're not laying a finger on me or my city."),
    line("Vlad", "Oh?"),
    line("Nick", "You want the resistance? You're looking at it! Come on, gramps, let's see what that "
                 "sword can do!"),
    line("Vlad", "Very well."),
    musicOff(),
};
static_assert(segmentCount(kSteps) == 39, "scene 2 has 39 steps");
} // namespace

void diaSegBuilderScene2::buildSegments()
{
    buildScene(*this, music, kSteps, __FILE__);
}
