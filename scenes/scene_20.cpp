// Scene 20: Andy among the burning ships, and Rigby on the radio.
#include "scenes/scene_script.h"
#include "scenes/scenes.h"

namespace
{
constexpr sceneStep kSteps[] = {
    background("storyBG/navyFire"),
    left("scene1/nickNormal"),
    right("scene0/vladWep"),
    musicOn(),
    line("Nick", "Did you see us? We were awesome out there!"),
    line("Vlad", "We charged head first. It was folly."),
    right("storyCharas/andy"),
    line("???", "St-stay back! I'll shoot! I swear I will!"),
    left("scene0/nickFury"),
    line("Nick", "WHOA! EASY! I'M A GOOD GUY, OK?!"),
    line("???", "Please don't hurt me, please!"),
    line("Nick", "I'M RESCUING YOU! NOW STOP AIMING THAT PISTOL AT ME!"),
    line("???", "AAAH!"),
    right("scene0/vladWep"),
    line("Vlad",
         "Master, perhaps shouting at a frightened survivor is not the best way to settle him down. Hm?"),
    line("Nick",
         "Fine, fine. Hey, kid, are you Rigby's little brother? Private Rigby, from the army's radio?"),
    right("storyCharas/andy"),
    line("???", "Y-yeah, she's my sister. Why? And no, she's not that cute, before you even "
                "ask."),
    left("scene1/nickNormal"),
    line("Nick", "What luck, the first guy I find is the right one! So, is she cute? Come on, "
                 "honestly. Tall? Short? Blonde? Brunette? Would she go for a guy with a big "
                 "sword? Well?"),
    left("storyCharas/nickRadio"),
    line("", "Kssshhhh..."),
    line("Rigby", "Nick? Rigby here. Did you find Andy yet? C'mon, talk to me, what is going on?"),
    line("Nick", "Yep, got him right here. Rescue in progress, ma'am. I'll get him off the docks in one "
                 "piece, promise."),
    right("scene0/vladWep"),
    line("Vlad", "I doubt that."),
    right("storyCharas/andy"),
    line("Andy", "Sis! It's really you! Who's this guy? He's with you? He yelled at me!"),
    line("Rigby", "Andy, you idiot, I told you not to join the navy! I was worried sick about you. Stay "
                  "close to Nick. He's loud and rude, but he'll keep you safe. I hope."),
    right("scene0/vladWep"),
    line("Vlad", "Master, quiet. We are not alone. Someone is coming."),
    left("scene1/nickPumped"),
    line("Nick", "Huh?!"),
    musicOff(),
};
static_assert(segmentCount(kSteps) == 53, "scene 20 has 53 steps");
} // namespace

void diaSegBuilderScene20::buildSegments()
{
    buildScene(*this, music, kSteps, __FILE__);
}
