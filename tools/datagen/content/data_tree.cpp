// Runs the content steps side by side (each writes its own folders, so the
// order cannot change a byte) and stamps the tree once all have succeeded.
#include "content/data_tree.h"

#include "content/backgrounds.h"
#include "content/effects.h"
#include "content/fight_hud.h"
#include "content/fight_menus.h"
#include "content/fight_sounds.h"
#include "content/fonts.h"
#include "content/gamepads.h"
#include "content/hud_readouts.h"
#include "content/menu_sounds.h"
#include "content/music.h"
#include "content/round_overlays.h"
#include "content/roster/roster.h"
#include "content/screens.h"
#include "content/stage_prompts.h"
#include "content/story_menus.h"
#include "content/story_screens.h"
#include "content/story.h"
#include "core/files.h"

#include <cstdio>
#include <thread>

namespace datagen
{
namespace
{
// The game writes its settings here; we only make sure the folder exists.
bool makeGameFilesFolder(const std::string& dataDir)
{
    return makeDirs(joinPath(dataDir, "gameFiles"));
}
} // namespace

const std::vector<ContentStep>& contentSteps()
{
    static const std::vector<ContentStep> steps = {
        {"gamefiles", makeGameFilesFolder},
        {"gamepads", writeGamepads},
        {"menusounds", writeMenuSounds},
        {"loading", writeLoadingScreen},
        {"splash", writeSplash},
        {"title", writeTitleScreen},
        {"fonts", writeFonts},
        {"fightsounds", writeFightSounds},
        {"effects", writeDefaultParticles},
        {"faces", writeFaceParticles},
        {"hud", writeHudReadouts},
        {"music", writeMusic},
        {"backgrounds", writeBackgrounds},
        {"roster", writeRoster},
        {"fighthud", writeFightHud},
        {"buttonicons", writeButtonIcons},
        {"overlays", writeRoundOverlays},
        {"pause", writePauseScreen},
        {"storymenus", writeStoryMenus},
        {"charselect", writeCharacterSelect},
        {"options", writeOptionScreens},
        {"winning", writeWinnerScreen},
        {"levelselect", writeLevelSelect},
        {"loot", writeLootScreen},
        {"goarrows", writeStagePrompts},
        {"story", writeStoryPictures},
    };
    return steps;
}

bool generateDataTree(const std::string& outdir, const std::vector<std::string>& only)
{
    const std::string dataDir = joinPath(outdir, "data");
    if (!makeDirs(dataDir))
        return false;
    std::vector<const ContentStep*> chosen;
    for (const std::string& name : only)
    {
        const ContentStep* found = nullptr;
        for (const ContentStep& s : contentSteps())
            if (name == s.name)
                found = &s;
        if (!found)
        {
            std::fprintf(stderr, "datagen: no content step called \"%s\"\n", name.c_str());
            return false;
        }
        chosen.push_back(found);
    }
    if (only.empty())
        for (const ContentStep& s : contentSteps())
            chosen.push_back(&s);

    std::vector<char> results(chosen.size(), 0);
    std::vector<std::thread> workers;
    for (std::size_t i = 0; i < chosen.size(); ++i)
        workers.emplace_back([&, i] { results[i] = chosen[i]->write(dataDir) ? 1 : 0; });
    for (std::thread& t : workers)
        t.join();
    bool ok = true;
    for (std::size_t i = 0; i < chosen.size(); ++i)
        if (!results[i])
        {
            std::fprintf(stderr, "datagen: %s failed\n", chosen[i]->name);
            ok = false;
        }
    if (!ok || !only.empty())
        return ok;
    return writeText(joinPath(dataDir, ".generated"), "Quillfen default data\n");
}
} // namespace datagen
