// Scene 24: the airship's rear hangar: Toulon the Fantastic's show and his war machine.
#include "scenes/scene_script.h"
#include "scenes/scenes.h"

namespace
{
constexpr sceneStep kSteps[] = {
    background("storyBG/hangar"),
    left("scene1/nickNormal"),
    right("scene0/vladWep"),
    musicOn(),
    line("Vlad", "Master, you missed the turn to the bridge three halls ago."),
    line("Nick", "Nah, my gut says this way. My gut has never been wrong. Well, not today, "
                 "anyway."),
    right("scene2/spectre"),
    line("Spectre", "We are in the rear hangar. The stern. The bridge is at the very front of this "
                    "ship, a long, long way from where we stand."),
    line("Spectre", "The officer we hunt won't be back here."),
    line("Nick", "Hey, the scenic route has perks! Lots of goons to punch. So, which officer are "
                 "we after?"),
    right("storyCharas/toulon"),
    line("???", "That would be I, dear boy. Ta-da!"),
    background("storyBG/toulonDance"),
    left("blankChara"),
    right("blankChara"),
    line("", "."),
    line("", ".."),
    line("", "..."),
    line("", "...."),
    background("storyBG/hangar"),
    left("scene1/nickNormal"),
    line("Nick", "What did I just watch? Was that art?!"),
    right("storyCharas/toulon"),
    line("???", "I am Colonel Toulon, commander of this fine vessel, but my audience knows me "
                "by a grander name: Toulon the Fantastic! Charmed, boys."),
    line("Toulon the Fantastic", "Please, hold all applause until the very end of the show."),
    line("Nick", "Toulon the FANTASTIC? More like Toulon the Lame-tastic! Vlad, Spectre, can "
                 "anyone explain this clown to me?"),
    right("scene0/vladWep"),
    line("Vlad", "He is Toulon the Puppeteer, master. He can seize any feeble mind and wear it "
                 "like a glove, and the weaker the will, the stronger his grip. Guard your "
                 "minds."),
    line("Vlad", "He made our soldiers turn their guns on the townsfolk. That was his work, not "
                 "theirs. All of it."),
    right("scene2/spectre"),
    line("Spectre", "We came for the airship. And for him. He dies today."),
    left("storyCharas/nickRadio"),
    line("Rigby", "Hell yes, he does!!"),
    line("Nick", "Wait, the radio is on?!"),
    line("Rigby", "You monster! Those soldiers were good men, and you made them gun down the "
                  "people they swore to protect. Nick, finish him!"),
    right("storyCharas/toulon"),
    line("Toulon the Fantastic",
         "My, my, such anger. Splendid! Anger makes for a marvellous audience. And now, "
         "for my grandest trick of all..."),
    left("blankChara"),
    right("blankChara"),
    background("storyBG/mk2"),
    line("Toulon the Fantastic",
         "Behold my masterpiece, the Mark Two! Ten tons of steel, twin cannons and "
         "enough raw power to flatten a city block. Isn't she magnificent, darlings?!"),
    line("Toulon the Fantastic",
         "A one-night-only show, never to be repeated, for the audience is never around "
         "for the encore! Mwa-hahaha!"),
    left("scene1/nickPumped"),
    line("Nick", "I'll rip that tin can apart bolt by bolt and piece by piece!"),
    musicOff(),
};
static_assert(segmentCount(kSteps) == 69, "scene 24 has 69 steps");
} // namespace

void diaSegBuilderScene24::buildSegments()
{
    buildScene(*this, music, kSteps, __FILE__);
}
