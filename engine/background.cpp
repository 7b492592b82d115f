// Stage backgrounds: layered sprites, fixed or scrolling with the camera, and
// the stage's music.
#include "engine/background.h"

#include "engine/memory_tracker.h"
#include "engine/text_file.h"

#include <cstdio>

background::background(SDL_Surface* t) : layerCount(0), target(t), loaded(false), width(0)
{
}

background::~background()
{
    layers.clear();
    // The track is freed without halting it first: freeing the playing
    // track stops it, any other keeps playing.
    music.freeMusic();
}

void background::init(std::string n)
{
    name = n;
    const std::string folder = "data/background/" + name;
    TextFileReader file;
    if (!file.open(folder + "/info", 4096))
    {
        std::printf("ERROR opening file %s\n\n", (folder + "/info").c_str());
        return;
    }
    std::string line;
    if (file.readLine(line))
        music.setupMusic(("data/music/" + line).c_str());

    int count = 0;
    if (file.readLine(line))
        count = parseInt(line);
    if (count < 0)
        count = 0;

    layers.clear();
    for (int i = 0; i < count; ++i)
    {
        std::string dir, alpha, x, y, scroll;
        // Each layer takes five lines; a file that ends early has no more layers.
        if (!file.readLine(dir) || !file.readLine(alpha) || !file.readLine(x) || !file.readLine(y) ||
            !file.readLine(scroll))
        {
            std::printf("Background %s lists %d layers but holds %d\n", name.c_str(), count, i);
            break;
        }
        M_OWNER();
        auto l = std::make_unique<layer>();
        // Layers are drawn from the stage's first frame, which encodes them; encoding the
        // widest (8000 columns) as they load would cost more than the rest of a stage's build.
        l->sheet.load((folder + "/" + dir).c_str(), false);
        l->sheet.alphaAll(parseInt(alpha));
        l->sprite.init(&l->sheet, target);
        l->sprite.x = parseCoordinate(x);
        l->sprite.y = parseCoordinate(y);
        l->sprite.setSpeed(3.0f);
        l->scrolls = parseInt(scroll) == 1;
        layers.push_back(std::move(l));
    }
    layerCount = static_cast<int>(layers.size());
    for (std::size_t i = 0; i < layers.size(); ++i)
        layers[i]->sheet.altFrameAlpha(i == 0 ? 20 : 50);
    loaded = true;
    setWidth();
}

void background::draw(int camX, int camY)
{
    for (auto& l : layers)
    {
        if (l->scrolls)
            l->sprite.drawCam(camX, camY);
        else
            l->sprite.draw();
    }
}

void background::drawAlpha(int camX, int camY)
{
    for (auto& l : layers)
    {
        if (l->scrolls)
            l->sprite.drawCam(false, camX, camY);
        else
            l->sprite.drawCam(false, 0, 0);
    }
}

void background::startMusic()
{
    music.play();
}

void background::stopMusic()
{
    music.stop();
}

void background::setWidth()
{
    for (auto& l : layers)
        if (l->sheet.width > width)
            width = l->sheet.width;
}
