// Scene 32: Lilith over the burning city before the last fight.
#include "scenes/scene_script.h"
#include "scenes/scenes.h"

namespace
{
constexpr sceneStep kSteps[] = {
    background("storyBG/cityOnFire"),
    left("scene1/nickPumped"),
    right("storyCharas/lilith"),
    musicOn(),
    line("Nick", "Hey, Lilith! Remember me?"),
    line("Lilith", "You again. I'll admit, I didn't expect you to crawl back out of the "
                   "underworld. You're a stubborn little pest."),
    line("Lilith", "My zombies, my captains, Toulon, Johnny, my gate, my airship. All wrecked by "
                   "one loud, snotty little brat."),
    left("scene1/nickNormal"),
    line("Nick", "Brat?! I'm twenty-four!"),
    right("scene2/spectre"),
    line("Spectre", "Sure, kid."),
    right("storyCharas/rigby"),
    line("Rigby", "Twenty-four, no job, and plays video games all day. Adult."),
    right("scene0/vladWep"),
    line("Vlad", "True, master. A grown man does not sulk for hours about a lost video game."),
    left("scene0/nickFury"),
    line("Nick", "Okay, enough! Everybody zip it! We've got a demon general right here, so can "
                 "we please concentrate on her and not on me?!"),
    right("storyCharas/lilith"),
    line("Lilith", "Oh, don't stop on my account. Honestly, watching you lot bicker is far more "
                   "fun than the end of the world. And I've seen a couple of those."),
    line("Nick", "Hold on. What end of the world? I thought you just wanted zombies?"),
    line("Lilith", "Keep up, boy."),
    line("Nick", "Okay, the zombies starve Heaven. Then what? What's the end game?"),
    line("Lilith", "When the Devil rises to fight, Heaven will have no choice but to come down and "
                   "face him. This time, there will be no stopping it."),
    left("scene1/nickNormal"),
    line("Nick", "Huh?"),
    line("Lilith", "God and the Devil. The oldest rivalry of all. Light against dark, forever."),
    line("Lilith", "They fought for ages, and then they just stopped. Called it a draw. Went home. "
                   "Do you know how dull eternity gets without a good war, boy?"),
    left("scene0/vladWep"),
    line("Vlad", "If they fight, every soul on earth, in Heaven and below, will be destroyed. "
                 "Both realms will burn to ash, my lady. Not a thing will remain."),
    left("scene0/nickFury"),
    line("Nick", "Yep, what he said. Duh!"),
    line("Lilith", "Ha! Ha ha ha ha! Oh, you're adorable, the both of you."),
    line("Lilith", "A few thousand years of torturing the damned gets very old, boy. Same screams, "
                   "same fires, same sinners. I'm bored out of my mind."),
    left("scene1/nickPumped"),
    line("Nick", "So get a HOBBY! Knit a scarf! Take up bowling! Don't go blowing up the whole "
                 "world 'cause you're bored!"),
    line("Lilith", "Come now. A little apocalypse never hurt anyone, dear. Who would know better "
                   "than I?"),
    right("scene0/vladWep"),
    line("Vlad", "The angels are close, master. I can feel them coming."),
    line("Nick", "How do we stop this before it starts, Vlad?"),
    line("Vlad", "Kill her. With the general gone, the zombies have no leader, and Heaven has no "
                 "reason left to attack us, master."),
    line("Nick", "With pleasure. GAME ON, lady!"),
    right("storyCharas/lilith"),
    line("Lilith", "Such boldness. You've been lucky, boy, nothing more. And luck runs out. Let me "
                   "show you how."),
    left("blankChara"),
    right("blankChara"),
    background("storyBG/lilithFinal"),
    line("Lilith", "These games are done."),
    musicOff(),
};
static_assert(segmentCount(kSteps) == 76, "scene 32 has 76 steps");
} // namespace

void diaSegBuilderScene32::buildSegments()
{
    buildScene(*this, music, kSteps, __FILE__);
}
