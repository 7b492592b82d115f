// Scene 1: Nick loses another game on a Saturday night, hears the news of the
// zombies, gears up and meets his landlord on the way out.
#include "scenes/scene_script.h"
#include "scenes/scenes.h"

namespace
{
constexpr sceneStep kSteps[] = {
    background("scene0/failgame"),
    musicOn(),
    line("Nick", "Another Saturday night stuck at home, mashing buttons."),
    background("scene0/failgame2"),
    line("Nick", "Come on, just ONE win..."),
    background("scene0/failgame3"),
    line("Nick", "WHAT?! I blocked that! This game is rigged, the AI reads my input!"),
    background("scene0/nicksRoom"),
    line("", "*KNOCK KNOCK KNOCK*"),
    left("scene0/nickGaming"),
    line("Nick", "GO AWAY! I'll pay rent Monday!"),
    line("Nick", "Uh, I mean... nobody is home! Come back tomorrow!"),
    line("", "..."),
    line("Nick", "Phew, I think he's gone. Forget this game, let's see what's on TV..."),
    right("scene0/news"),
    line("News Reporter", "Stay inside, viewers. I repeat: inside."),
    line("News Reporter", "The creatures have taken the streets. Lock your doors, board up your windows "
                          "and stay calm."),
    line("Nick", "Uh oh. That's never good."),
    line("News Reporter", "Authorities now confirm that the attackers are... um... I can't believe I'm "
                          "saying this... zombies. Yes, folks. Actual zombies."),
    line("Nick", "Zombies? ZOMBIES? SWEET!"),
    right("blankChara"),
    line("", "*click* *fzzt*"),
    line("Nick", "My boring night just turned into the brawl of the century!"),
    line("Nick", "Time to dig out my old zombie survival gear!"),
    text("Nick", "First up: gloves. Can't punch the undead with bare knuckles."),
    left("blankChara"),
    background("scene0/nicksGear"),
    wait(),
    line("Nick", "Next: safety goggles, because nobody wants zombie guts in their eyes."),
    line("Nick", "And last: my trusty baseball bat. Heavy as heck!"),
    left("scene0/nickBat"),
    line("Nick", "Listen up, zombies! Nick is coming to crack some skulls!"),
    background("scene0/nicksHall"),
    line("", "*WHAM!* *CRASH!!*"),
    line("Nick", "Wait, is that my landlord? Dude, you're a zombie and you STILL want the rent money?!"),
    right("scene0/landLord"),
    line("Zombie Landlord", "Rrrr?"),
    line("Nick", "Here's your payment, pal!"),
    left("blankChara"),
    right("blankChara"),
    background("scene0/kill1"),
    line("Nick", "RENT'S PAID!!!"),
    left("scene0/nickBat"),
    background("scene0/exit"),
    line("Nick", "Home run! Man, my old baseball team should never have let me go."),
    line("Nick", "The news said the whole city is crawling. Time to see how bad it is."),
    line("Nick", "GAME ON, undead!"),
    musicOff(),
};
static_assert(segmentCount(kSteps) == 75, "scene 1 has 75 steps");
} // namespace

void diaSegBuilderScene1::buildSegments()
{
    buildScene(*this, music, kSteps, __FILE__);
}
