// Scene 26: Lilith's gate: the general shows herself and throws Nick into the underworld.
#include "scenes/scene_script.h"
#include "scenes/scenes.h"

namespace
{
constexpr sceneStep kSteps[] = {
    background("storyBG/airshipSplode4"),
    left("blankChara"),
    right("storyCharas/lilith"),
    musicOn(),
    line("???", "Well, well. Hey there."),
    left("scene2/spectre"),
    line("Joe", "...!?"),
    left("scene1/nickPumped"),
    line("Nick", "Nice! We just dropped a whole airship out of the sky, and now a lady shows up. "
                 "So who are you, gorgeous?"),
    left("scene0/vladWep"),
    line("Vlad", "Careful, master! She's Lil..."),
    line("???", "Lilith, dear. General of the legions below, and once the commander of these "
                "two traitors. Vlad. Joe. Did you miss me? Naturally, you did."),
    line("Lilith", "And I'm going to kill all three of you. Those troops you have been cutting "
                   "down all week? All mine. Each rotten, shambling one of them."),
    left("scene1/nickNormal"),
    line("Nick", "Gee, thanks. So the zombies, the chaos, this whole mess... that's you?"),
    line("Lilith", "Took you long enough. Your fists are quicker than your wits."),
    line("Nick", "Lady, you're about to get punched into next week. But first: why here? Of all "
                 "the towns in the world, why pick on ours?"),
    line("Lilith", "Nothing personal, boy. Your town simply sits nearest to the underworld. "
                   "Closest door, shortest stroll. That's all."),
    line("Nick", "Location, location, location, huh? Okay, jokes aside: what is it you REALLY "
                 "want?"),
    left("scene0/vladWep"),
    line("Vlad", "Has the underworld run out of room, my lady? Too many souls down there to hold "
                 "them all?"),
    line("Lilith", "Out of room? Oh, Vlad. Ever the loyal little dog, fetching the dullest "
                   "answers. No. The underworld has room to spare; it always will. I want more "
                   "than space, pet. I want far, far more than that."),
    line("Lilith", "Let me put it simply. A quiz, pet. When the dead rise and walk the earth as "
                   "zombies, what happens to the soul inside them?"),
    left("scene0/vladWep"),
    line("Vlad", "It stays in the body."),
    line("Lilith", "Correct. Trapped. It can't pass on, so it never reaches Heaven. Heaven feeds "
                   "on the souls it receives, and it starves a little for every soul my zombies "
                   "keep from it."),
    line("Vlad", "Heaven will not sit by and starve. It will strike back, with all its armies. "
                 "My lady, this is madness. Pure madness!"),
    line("Lilith", "Exactly. It will be soon, too. Heaven's armies will come pouring down upon "
                   "this world, wings and swords and all."),
    left("scene2/spectre"),
    line("Joe", "So the Devil rises to meet them. Heaven versus Hell."),
    line("Lilith", "You know how the Devil adores a good war. He would never miss this one for "
                   "anything. And so, my darlings, it's time to fight."),
    line("Lilith", "But first, Nick, I have a little trip planned for you. A tour of the "
                   "underworld. Come along."),
    left("scene0/nickFury"),
    line("Nick", "No way! Forget it!"),
    line("Lilith", "Most people have to die to get there. It's the usual route. But for you, I've "
                   "got a faster one in mind."),
    background("storyBG/hellgate"),
    left("scene1/nickPumped"),
    line("Nick", "WHOA! What's THAT?! Is it alive?"),
    background("storyBG/hellgateOpen"),
    line("Lilith", "You'll see soon enough."),
    left("blankChara"),
    right("blankChara"),
    background("storyBG/lilithThrow1"),
    line("", "!"),
    background("storyBG/lilithThrow2"),
    line("", "!!!"),
    right("storyCharas/lilith"),
    left("scene2/spectre"),
    background("storyBG/hellgateOpen"),
    line("Lilith", "The gate stays open, Joe, so you can follow your new friend down if you'd "
                   "like. I would hate for him to be lonely down there in the dark. Good luck."),
    line("Lilith", "And by my decree, no one crosses between the worlds tonight. No teleports, no "
                   "tricks. You walk through that gate, or not at all."),
    line("Lilith", "Ta-ta now!"),
    line("Joe", "I'll go. Someone has to save the fool."),
    musicOff(),
};
static_assert(segmentCount(kSteps) == 85, "scene 26 has 85 steps");
} // namespace

void diaSegBuilderScene26::buildSegments()
{
    buildScene(*this, music, kSteps, __FILE__);
}
