// Stage backgrounds. The engine moves a scrolling layer one to one with the
// camera and never moves a fixed one, so depth comes from a fixed sky and
// horizon behind scenery that scrolls. Fighters stand at y 348 on floors
// drawn from about y 318 down; props stand behind that line.
#include "content/backgrounds.h"

#include "content/backgrounds_scenes.h"
#include "content/music.h"
#include "content/stage_kit.h"
#include "core/files.h"
#include "core/jobs.h"
#include "core/quantise.h"
#include "core/sprite_folder.h"
#include "core/strips.h"

#include <algorithm>
#include <cstdio>

namespace datagen
{
using namespace stage;

namespace
{
std::vector<Stage> allStages()
{
    return {nicksPlace(),  borderStreet(false), borderStreet(true), richStreet(),     longStreet(),
            towerBase(),   elevatorBattle(),    toTheNavy(),        airship(),        hellRoad(),
            finalRun(),    credits(),           burningBase(),      trainBattle(),    towerTop(),
            burningNavy(), airshipHangar(),     darkStreet(),       destroyedStreet()};
}

int widest(const Stage& s)
{
    int w = 0;
    for (const Layer& l : s.layers)
        w = std::max(w, l.width);
    return w;
}

struct Job
{
    std::size_t stage, layer;
    int frame;
};

std::string infoText(const Stage& s)
{
    std::string text = backgroundMusicFile(s.name) + "\n" + std::to_string(s.layers.size()) + "\n";
    for (const Layer& l : s.layers)
        text += l.folder + "\n" + std::to_string(l.alpha) + "\n" + std::to_string(l.x) + "\n" +
                std::to_string(l.y) + "\n" + (l.scrolls ? "1" : "0") + "\n";
    return text;
}
} // namespace

const std::vector<BackgroundSize>& backgroundSizes()
{
    static const std::vector<BackgroundSize> sizes = []
    {
        std::vector<BackgroundSize> out;
        for (const Stage& s : allStages())
            out.push_back({s.name, widest(s)});
        return out;
    }();
    return sizes;
}

namespace
{
bool writeStages(const std::string& dataDir, const std::vector<Stage>& stages)
{
    std::vector<Job> jobs;
    for (std::size_t s = 0; s < stages.size(); ++s)
        for (std::size_t l = 0; l < stages[s].layers.size(); ++l)
            for (int f = 0; f < stages[s].layers[l].frames; ++f)
                jobs.push_back({s, l, f});
    // The widest pictures first, so the long stages do not finish last alone.
    std::stable_sort(jobs.begin(), jobs.end(),
                     [&](const Job& a, const Job& b) {
                         return stages[a.stage].layers[a.layer].width > stages[b.stage].layers[b.layer].width;
                     });
    std::vector<IndexedImage> images(jobs.size());
    parallelFor(static_cast<int>(jobs.size()),
                [&](int i)
                {
                    const Job& j = jobs[static_cast<std::size_t>(i)];
                    const Layer& layer = stages[j.stage].layers[j.layer];
                    const Canvas picture = paintInStrips(layer.width, layer.height, 640, 40,
                                                         [&](Canvas& c, int x0)
                                                         {
                                                             View v{c, static_cast<float>(x0)};
                                                             layer.paint(v, j.frame);
                                                         });
                    QuantiseOptions q;
                    q.dither = layer.opaque ? 0.7f : 0.5f;
                    q.cutoff = 0.5f;
                    images[static_cast<std::size_t>(i)] = quantise(picture, q);
                });

    bool ok = true;
    for (std::size_t s = 0; s < stages.size(); ++s)
    {
        const std::string dir = joinPath(joinPath(dataDir, "background"), stages[s].name);
        for (std::size_t l = 0; l < stages[s].layers.size(); ++l)
        {
            const Layer& layer = stages[s].layers[l];
            SpriteFolder folder(joinPath(dir, layer.folder));
            for (int f = 0; f < layer.frames; ++f)
                for (std::size_t i = 0; i < jobs.size(); ++i)
                    if (jobs[i].stage == s && jobs[i].layer == l && jobs[i].frame == f)
                    {
                        FrameInfo info;
                        info.pause = layer.pause;
                        if (layer.opaque)
                            info.key = {-1, 0, 0};
                        folder.add(images[i], info);
                    }
            ok = folder.finish() && ok;
        }
        ok = writeText(joinPath(dir, "info"), infoText(stages[s])) && ok;
    }
    return ok;
}
} // namespace

bool writeBackgrounds(const std::string& dataDir)
{
    return writeStages(dataDir, allStages());
}

bool writeStageBackgrounds(const std::string& dataDir, const std::vector<std::string>& names)
{
    const std::vector<Stage> all = allStages();
    std::vector<Stage> chosen;
    bool ok = true;
    for (const std::string& name : names)
    {
        const auto it = std::find_if(all.begin(), all.end(), [&](const Stage& s) { return s.name == name; });
        if (it == all.end())
        {
            std::fprintf(stderr, "datagen: there is no stage \"%s\"\n", name.c_str());
            ok = false;
        }
        else
        {
            chosen.push_back(*it);
        }
    }
    return ok && writeStages(dataDir, chosen);
}
} // namespace datagen
