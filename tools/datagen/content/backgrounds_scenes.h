// The recipe of each stage background: its layers and how each is painted.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "content/stage_kit.h"

namespace datagen
{
struct Layer
{
    std::string folder;
    int alpha = 255;
    int x = 0;
    int y = 0;
    bool scrolls = true;
    int width = 640;
    int height = stage::kHeight;
    int frames = 1;
    int pause = 100; // ms; the engine shows each frame three times as long
    bool opaque = false;
    std::function<void(stage::View& v, int frame)> paint;
};

struct Stage
{
    std::string name;
    std::vector<Layer> layers;
};

// Layers shared by the recipes: a fixed 640x480 sky, and a loop of flames
// standing at (x, y) in field coordinates.
Layer skyLayer(const stage::SkyStyle& style);
Layer fireLayer(const std::string& folder, int x, int y, int w, int h, std::uint32_t seed, float heat = 1.0f);
stage::SkyStyle nightSky(std::uint32_t seed, Colour low);

// Streets (backgrounds_streets.cpp).
Stage borderStreet(bool night);
Stage richStreet();
Stage longStreet();
Stage towerBase();
Stage finalRun();
Stage darkStreet();
Stage destroyedStreet();
Stage credits();
// Indoors, on board and elsewhere (backgrounds_places.cpp).
Stage nicksPlace();
Stage elevatorBattle();
Stage trainBattle();
Stage towerTop();
Stage toTheNavy();
Stage burningNavy();
Stage airship();
Stage airshipHangar();
Stage hellRoad();
Stage burningBase();
} // namespace datagen
