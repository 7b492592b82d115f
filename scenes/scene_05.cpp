// Scene 5: Nick meets Spectre, the demon army's maverick, who scorns his swordplay; the
// talk ends in a fight.
#include "scenes/scene_script.h"
#include "scenes/scenes.h"

namespace
{
constexpr sceneStep kSteps[] = {
    background("scene1/bg1"),
    left("scene2/nickNormal"),
    musicOn(),
    line("Nick", "Whoa, someone's still alive here?"),
    right("scene2/spectre"),
    line("???", "Clearly. Nothing gets past you, does it?"),
    right("scene0/vladWep"),
    line("Vlad", "Master, be careful. That is Spectre, a fighter of the demon army. He is feared for "
                 "his skill, and for being reckless enough to ignore orders whenever he likes."),
    line("Vlad", "Tread carefully here, master."),
    line("Nick", "Ugh, another demon creep in a hoodie. I really do not have the time for this."),
    right("scene2/spectre"),
    line("Nick", "Listen, Spectre. You can either help me put these undead back in the ground, or you "
                 "can get out of my way. Either way, quit wasting my time. You got that?"),
    line("Nick", "Well? Which'll it be?"),
    line("Spectre", "Work with you? I would sooner work with a zombie."),
    left("scene1/nickPumped"),
    line("Nick", "Excuse me?! Says WHO?"),
    line("Spectre", "Says me. You wave that blade around like a drunk with a broom, kid. You will "
                    "lose a hand before you hit anything."),
    line("Vlad", "He does have a point..."),
    left("scene1/nickShowVlad"),
    line("Nick", "Hush, Vlad. My method works just fine: I find the bad guy, I hit him really hard, "
                 "he stops moving. Done."),
    line("Spectre", "You are a fool. I will never help a clums-"),
    left("scene1/nickPumped"),
    line("Nick", "Quiet! Fight me!"),
    musicOff(),
};
static_assert(segmentCount(kSteps) == 38, "scene 5 has 38 steps");
} // namespace

void diaSegBuilderScene5::buildSegments()
{
    buildScene(*this, music, kSteps, __FILE__);
}
