// Scene 12: after Long Street, Private Rigby on a dead trooper's radio, and the tower as a trap.
#include "scenes/scene_script.h"
#include "scenes/scenes.h"

namespace
{
constexpr sceneStep kSteps[] = {
    background("storyBG/street3"),
    left("scene1/nickNormal"),
    right("scene0/vladWep"),
    musicOn(),
    line("Nick", "Since when do soldiers shoot the folks they're meant to evacuate? That's so rude."),
    line("Vlad", "Did you see that, master? Each soldier swung, stepped and fired in the same rhythm, as if "
                 "one mind moved all of them."),
    line("Nick", "Meh, maybe they took dance class. Wait."),
    background("storyBG/street3"),
    line("Radio", "Kssshhh... Is anyone out there?"),
    line("Vlad", "It comes from the radio set on the dead trooper, master."),
    background("storyBG/street3"),
    left("storyCharas/nickRadio"),
    line("Nick", "Krrzt... Yo?"),
    right("blankChara"),
    line("Radio", "Thank goodness, somebody is alive out there! Who am I talking to? Identify yourself."),
    line("Nick", "Who am I? I am the guy who doesn't play by the rules. No boss, no badge, no bedtime. Just "
                 "me, my sword and a whole lot of attitude, baby."),
    line("Radio", "You're not a soldier?"),
    line("Nick", "Fine, no, I'm not army. Name's Nick. Just plain old Nick. Happy now, radio gal?"),
    line("Rigby", "This is Private Rigby, army signals, stationed at Golden Tower. Listen to me, Nick: "
                  "whatever you do, stay away from the tower."),
    line("Nick", "Too late for that, I'm practically standing in its shadow. And your buddies in green just "
                 "tried to turn me into a cheese grater."),
    line("Rigby",
         "They're not themselves. Something got into the troops guarding the tower. They moved together like "
         "puppets and opened fire on the civilians in the queue. I ran. I'm not proud of that."),
    line("Rigby", "The tower was our evacuation point. Hundreds of people were lined up at the doors, "
                  "waiting for the choppers. Now it's a slaughterhouse, and the troops are still inside."),
    line("Nick", "Then I'll deal with it. Nobody shoots at my city's grandmas and gets away with it. The "
                 "tower's mine, sweetheart."),
    line("Rigby", "One man against a tower full of possessed soldiers? Your odds are awful, Nick. Honestly, "
                  "they're the worst I've ever heard. Good luck, anyway. You'll need it."),
    line("Rigby", "I'll round up every survivor I can find and get them somewhere safe. Keep that radio on "
                  "you, Nick. Rigby, out."),
    left("scene1/nickNormal"),
    right("scene0/vladWep"),
    line("Vlad", "Master, the demons have not simply taken the tower. They have rigged it, floor by floor, "
                 "into a trap made for someone exactly like you. I doubt you are ready for that."),
    line("Nick", "Trap, schmap. I've walked into worse and walked out looking better. Besides, did you hear "
                 "that voice? Rigby sounds cute. Too cute. Let's go."),
    line("Vlad", "Fine, master. After you, as ever."),
    musicOff(),
};
static_assert(segmentCount(kSteps) == 51, "scene 12 has 51 steps");
} // namespace

void diaSegBuilderScene12::buildSegments()
{
    buildScene(*this, music, kSteps, __FILE__);
}
