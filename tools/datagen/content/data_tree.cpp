// Runs the content steps side by side (each writes its own folders, so the
// order cannot change a byte), one per free core and the longest first, and
// stamps the tree once all have succeeded.
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
#include "core/jobs.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

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

    // The steps that take longest start first, so none of them is left running alone at the end.
    const char* const longestFirst[] = {"story", "levelselect", "backgrounds", "roster", "storymenus"};
    auto rank = [&](const ContentStep* s)
    {
        const auto* at = std::find_if(std::begin(longestFirst), std::end(longestFirst),
                                      [&](const char* name) { return std::strcmp(name, s->name) == 0; });
        return at - std::begin(longestFirst);
    };
    std::stable_sort(chosen.begin(), chosen.end(),
                     [&](const ContentStep* a, const ContentStep* b) { return rank(a) < rank(b); });

    std::vector<char> results(chosen.size(), 0);
    runOnCores(static_cast<int>(chosen.size()),
               [&](int i)
               {
                   const std::size_t k = static_cast<std::size_t>(i);
                   results[k] = chosen[k]->write(dataDir) ? 1 : 0;
               });
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
