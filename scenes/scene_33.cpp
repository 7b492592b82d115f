// Scene 33: the end of the story: Lilith's fall, the farewells and a new job for Nick.
#include "scenes/scene_script.h"
#include "scenes/scenes.h"

namespace
{
constexpr sceneStep kSteps[] = {
    background("storyBG/lilithkill1"),
    left("blankChara"),
    right("blankChara"),
    musicOn(),
    line("Lilith", "Impossible. How could a mere boy beat me? A boy, of all things!"),
    line("Nick", "I am not a kid! I'm TWENTY-FOUR, lady!"),
    background("storyBG/lilithkill2"),
    line("Lilith", "AAAGH!!"),
    line("Lilith", "Beaten by a boy. This is utterly humiliating."),
    background("storyBG/lilithkill3"),
    line("Nick", "Game over, lady! Ha!"),
    background("storyBG/cityOnFire"),
    left("scene1/nickNormal"),
    line("Nick", "Well, her troops are all... de-parted! Get it? 'Cause they were dead, and now "
                 "they're parted from their bodies? De-parted? Anybody?"),
    right("scene2/spectre"),
    line("Spectre", "That was terrible."),
    right("scene0/vladWep"),
    line("Vlad", "Indeed, master. That was your very worst joke yet."),
    right("storyCharas/rigby"),
    line("Rigby", "Nick, we just watched the end of the end of the world, and THAT is what you "
                  "say? That is the line every history book will include."),
    left("scene0/nickFury"),
    line("Nick", "Oh, come ON! I just saved the entire planet, Heaven, AND the underworld, and "
                 "all I get is jokes about my jokes? Where's the thanks, people?!"),
    line("Rigby", "Okay, okay. It is over, Nick. It is finally over. Thank you. Truly. For "
                  "everything. For Andy, for the town, for all of us."),
    left("scene1/nickNormal"),
    line("Nick", "Now THAT'S what I call thanks."),
    right("scene0/vladWep"),
    line("Vlad", "Well done, master."),
    right("scene2/spectre"),
    line("Spectre", "Whatever."),
    right("scene0/vladWep"),
    line("Vlad", "We can celebrate later, master. There is still one task left before we can "
                 "relax."),
    line("Nick", "Huh? What task is that?"),
    line("Vlad", "The dead still walk these streets. If we fail to wipe out every last zombie, "
                 "the infection will spread all over again."),
    left("scene1/nickPumped"),
    line("Nick", "Then it's settled! As of today, I, Nick, am officially a professional zombie "
                 "hunter. Now hiring! Who's with me? Spectre? You're in, right? Anyone? Anyone?"),
    right("scene2/spectre"),
    line("Spectre", "I'm out."),
    left("scene0/nickFury"),
    line("Nick", "!?"),
    line("Spectre", "I have other plans. And you have no more lessons to teach me."),
    left("scene1/nickNormal"),
    line("Nick", "Learn from me? So come on, then, what IS the secret of my strength?"),
    line("Spectre", "Reckless style. And yet you show no fear."),
    line("Nick", "Heh! I'll take it! Nick the Fearless!"),
    line("Spectre", "It was not a compliment. You are too dim to even sense when you're in mortal "
                    "danger."),
    line("Nick", "Hey, I sense danger all the time! I just choose to ignore it, 'cause I'm "
                 "awesome like that. Anyway... Rigby, you're gonna stick around, right? You and "
                 "me, saving the world..."),
    right("storyCharas/rigby"),
    line("Rigby", "Sorry, Nick. You're sweet, but I'm leaving with Joe. The two of us have plans "
                  "of our own."),
    left("blankChara"),
    right("blankChara"),
    background("storyBG/rigspec"),
    line("Spectre", "Indeed. Let us go, Rigby."),
    line("Rigby", "Bye, Nick! Stay weird!"),
    line("Nick", "WAIT, WHAT?! NO!"),
    line("", "*Off they walk into the sunset*"),
    background("storyBG/cityOnFire"),
    left("scene0/nickFury"),
    line("Nick", "Unbelievable! I save the world and the SIDEKICK gets the girl?! Him? The "
                 "gloomy, spooky guy?!"),
    right("storyCharas/andy"),
    line("Andy", "Um... guys? Did you all just forget about me here?"),
    left("scene1/nickNormal"),
    line("Nick", "Yeah, little man. We all forgot you. But hey, I got dumped first, so my "
                 "problem wins, okay?"),
    right("scene0/vladWep"),
    line("Vlad", "Cheer up, master. A great many zombies still walk the streets, and nothing "
                 "mends a broken heart quite like a good, long hunt."),
    line("Nick", "You know what? You're right, Vlad! Nick's Zombie Extermination Squad is "
                 "officially open for business! Let's get to work!"),
    line("Vlad", "Yes, master! As you always say: GAME ON!"),
    left("scene1/nickPumped"),
    line("Nick", "Zombie hunters, GAME ON!!!"),
    musicOff(),
};
static_assert(segmentCount(kSteps) == 107, "scene 33 has 107 steps");
} // namespace

void diaSegBuilderScene33::buildSegments()
{
    buildScene(*this, music, kSteps, __FILE__);
}
