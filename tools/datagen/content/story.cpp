// The story's pictures, folder by folder, written side by side.
#include "content/story.h"

#include "content/story_kit.h"
#include "core/jobs.h"

#include <algorithm>

namespace datagen
{
namespace story
{
const std::vector<StoryPicture>& storyPictures()
{
    using K = PictureKind;
    static const std::vector<StoryPicture> pictures = {
        {"blankBg", K::Still, blankBg},
        {"blankChara", K::Keyed, blankChara},
        {"diaBox", K::Keyed, diaBox},
        // Scene 1.
        {"scene0/failgame", K::Still, failGame},
        {"scene0/failgame2", K::Still, failGame2},
        {"scene0/failgame3", K::Still, failGame3},
        {"scene0/nicksRoom", K::Still, nicksRoom},
        {"scene0/nicksGear", K::Still, nicksGear},
        {"scene0/nicksHall", K::Still, nicksHall},
        {"scene0/kill1", K::Still, kill1},
        {"scene0/exit", K::Still, exitToStreet},
        {"scene0/nickGaming", K::Portrait, nickGaming},
        {"scene0/nickBat", K::Portrait, nickBat},
        {"scene0/news", K::Portrait, news},
        {"scene0/landLord", K::Portrait, landLord},
        // Scenes 2 to 11.
        {"scene0/vladAttack", K::Still, vladAttack},
        {"scene0/bg1", K::Still, vladsStreetAtNight},
        {"scene0/killVlad", K::Still, killVlad},
        {"scene0/vladDown", K::Still, vladDown},
        {"scene1/bg1", K::Still, vladsStreetByDay},
        {"storyBG/trainTop", K::Still, trainTop},
        {"storyBG/donkill", K::Still, donKill},
        {"storyBG/gas1", K::Still, gasNode},
        {"storyBG/gas2", K::Still, gasNodeBurst},
        {"storyBG/trainSplode", K::Still, trainSplode},
        {"storyBG/darkness", K::Still, darkness},
        {"storyBG/street3", K::Still, goldenTowerStreet},
        {"scene0/vladDraw", K::Portrait, vladDraw},
        {"scene0/vlad", K::Portrait, vlad},
        {"scene0/vladWeak", K::Portrait, vladWeak},
        {"scene0/vladWep", K::Portrait, vladWep},
        {"scene0/nickFury", K::Portrait, nickFury},
        {"scene1/nickShowVlad", K::Portrait, nickShowVlad},
        {"scene1/nickPumped", K::Portrait, nickPumped},
        {"scene1/nickNormal", K::Portrait, nickNormal},
        {"scene2/nickNormal", K::Portrait, nickNormalLater},
        {"scene1/nickReady", K::Portrait, nickReady},
        {"scene1/zombie", K::Portrait, zombie},
        {"scene2/spectre", K::Portrait, spectre},
        {"scene2/spectrePhone", K::Portrait, spectrePhone},
        {"scene2/spectrePort", K::Portrait, spectrePort},
        {"storyCharas/don1", K::Portrait, donatello},
        // Scenes 12 to 22.
        {"storyBG/braskolkill", K::Still, braskOlKill},
        {"storyBG/goldFoyer", K::Still, goldFoyer},
        {"storyBG/gRoof1", K::Still, gRoof1},
        {"storyBG/gRoof2", K::Still, gRoof2},
        {"storyBG/gRoof3", K::Still, gRoof3},
        {"storyBG/gRoof4", K::Still, gRoof4},
        {"storyBG/airstrike", K::Still, airstrike},
        {"storyBG/navyDown", K::Still, navyDown},
        {"storyBG/navyFire", K::Still, navyFire},
        {"storyBG/giankill", K::Still, gianKill},
        {"storyCharas/nickRadio", K::Portrait, nickRadio},
        {"storyCharas/brask", K::Portrait, brask},
        {"storyCharas/oleck", K::Portrait, oleck},
        {"storyCharas/oleck2", K::Portrait, oleck2},
        {"storyCharas/braskdie", K::Portrait, braskDie},
        {"storyCharas/oleck2die", K::Portrait, oleck2Die},
        {"storyCharas/gian1", K::Portrait, gian1},
        {"storyCharas/gian2", K::Portrait, gian2},
        {"storyCharas/andy", K::Portrait, andy},
        // Scenes 23 to 33.
        {"storyBG/navyJump", K::Still, navyJump},
        {"storyBG/upHigh", K::Still, upHigh},
        {"storyBG/hangar", K::Still, hangar},
        {"storyBG/toulonDance", K::Still, toulonDance},
        {"storyBG/mk2", K::Still, mk2},
        {"storyBG/nickGetGloves", K::Still, nickGetGloves},
        {"storyBG/toulonkill", K::Still, toulonKill},
        {"storyBG/hangarTeleport", K::Still, hangarTeleport},
        {"storyBG/airshipSplode1", K::Still, airshipSplode1},
        {"storyBG/airshipSplode2", K::Still, airshipSplode2},
        {"storyBG/airshipSplode3", K::Still, airshipSplode3},
        {"storyBG/airshipSplode4", K::Still, airshipSplode4},
        {"storyBG/hellgate", K::Still, hellgate},
        {"storyBG/hellgateOpen", K::Still, hellgateOpen},
        {"storyBG/lilithThrow1", K::Still, lilithThrow1},
        {"storyBG/lilithThrow2", K::Still, lilithThrow2},
        {"storyBG/johnnykill", K::Still, johnnyKill},
        {"storyBG/johnnyGutter", K::Still, johnnyGutter},
        {"storyBG/cityOnFire", K::Still, cityOnFire},
        {"storyBG/lilithFinal", K::Still, lilithFinal},
        {"storyBG/lilithkill1", K::Still, lilithKill1},
        {"storyBG/lilithkill2", K::Still, lilithKill2},
        {"storyBG/lilithkill3", K::Still, lilithKill3},
        {"storyBG/rigspec", K::Still, rigSpec},
        {"storyCharas/toulon", K::Portrait, toulon},
        {"storyCharas/nickGauntlets", K::Portrait, nickGauntlets},
        {"storyCharas/lilith", K::Portrait, lilith},
        {"storyCharas/johnny", K::Portrait, johnny},
        {"storyCharas/rigby", K::Portrait, rigby},
    };
    return pictures;
}
} // namespace story

bool writeStoryPictures(const std::string& dataDir, const std::vector<std::string>& folders)
{
    std::vector<const story::StoryPicture*> chosen;
    for (const story::StoryPicture& p : story::storyPictures())
        if (folders.empty() || std::find(folders.begin(), folders.end(), p.folder) != folders.end())
            chosen.push_back(&p);
    if (chosen.size() < folders.size())
        return false;
    std::vector<char> ok(chosen.size(), 0);
    parallelFor(static_cast<int>(chosen.size()),
                [&](int i)
                {
                    const story::StoryPicture& p = *chosen[static_cast<std::size_t>(i)];
                    const Canvas picture = p.paint();
                    bool written = false;
                    switch (p.kind)
                    {
                    case story::PictureKind::Still:
                        written = story::writeStill(dataDir, p.folder, picture);
                        break;
                    case story::PictureKind::Portrait:
                        written = story::writePortrait(dataDir, p.folder, picture);
                        break;
                    case story::PictureKind::Keyed:
                        written = story::writeKeyed(dataDir, p.folder, picture);
                        break;
                    }
                    ok[static_cast<std::size_t>(i)] = written ? 1 : 0;
                });
    for (char c : ok)
        if (!c)
            return false;
    return true;
}

bool writeStoryPictures(const std::string& dataDir)
{
    return writeStoryPictures(dataDir, {});
}
} // namespace datagen
