// The story's pictures, folder by folder, written side by side.
#include "content/story.h"

#include "content/story_kit.h"
#include "core/jobs.h"

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
    };
    return pictures;
}
} // namespace story

bool writeStoryPictures(const std::string& dataDir)
{
    const std::vector<story::StoryPicture>& all = story::storyPictures();
    std::vector<char> ok(all.size(), 0);
    parallelFor(static_cast<int>(all.size()),
                [&](int i)
                {
                    const story::StoryPicture& p = all[static_cast<std::size_t>(i)];
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
} // namespace datagen
