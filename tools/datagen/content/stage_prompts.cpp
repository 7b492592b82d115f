// The "walk on" prompt a stage shows while it waits for the player to walk
// to a place: GO on an arrow plate pointing the way.
#include "content/stage_prompts.h"

#include "content/fight_look.h"
#include "content/look.h"
#include "core/files.h"

#include <vector>

namespace datagen
{
namespace
{
constexpr int kW = 104;
constexpr int kH = 72;
constexpr float kTop = 24.0f;
constexpr float kBottom = 68.0f;

// A chunky arrow pointing right, its tail at x, its tip 88 pixels on.
Mask arrowRight(float x)
{
    Mask m(kW, kH);
    const float mid = (kTop + kBottom) * 0.5f;
    m.polygon({{x, mid - 12.0f},
               {x + 56.0f, mid - 12.0f},
               {x + 56.0f, kTop},
               {x + 88.0f, mid},
               {x + 56.0f, kBottom},
               {x + 56.0f, mid + 12.0f},
               {x, mid + 12.0f}});
    return m;
}

Mask mirroredMask(const Mask& m)
{
    Mask out(m.width(), m.height());
    for (int y = 0; y < m.height(); ++y)
        for (int x = 0; x < m.width(); ++x)
            out.cell(m.width() - 1 - x, y) = m.at(x, y);
    return out;
}

Canvas prompt(bool right, int nudge, float heat)
{
    Canvas c(kW, kH);
    // Mirrored at rest, then nudged, so both arrows keep inside the frame.
    Mask arrow = arrowRight(6.0f);
    if (!right)
        arrow = mirroredMask(arrow);
    arrow = arrow.shifted(nudge, 0);
    fightlook::plate(c, arrow, kTop, kBottom);
    // The letters sit on the arrow's shaft, where it is at rest.
    const float shaftX = right ? 6.0f + 30.0f : kW - 1 - 36.0f;
    const float cy = (kTop + kBottom) * 0.5f + 1.0f;
    fightlook::TextStyle style{look::titleFont(), 27.0f, 0.5f, 0.14f};
    float cap = 0.0f;
    const Mask letters = fightlook::lettering(style, "GO", kW, kH, shaftX, cy, &cap);
    fightlook::FireStyle fire;
    fire.edge = 1.4f;
    fire.ring = 2.0f;
    fire.shadowX = 2;
    fire.shadowY = 2;
    fire.heat = heat;
    fightlook::fireLetters(c, letters, cy - cap * 0.5f, cy + cap * 0.5f, fire);
    return c;
}

bool writePrompt(const std::string& dir, bool right)
{
    const int nudges[4] = {0, 4, 8, 4};
    const float heats[4] = {0.0f, 0.3f, 0.8f, 0.3f};
    std::vector<Canvas> frames;
    for (int i = 0; i < 4; ++i)
        frames.push_back(prompt(right, right ? nudges[i] : -nudges[i], heats[i]));
    return fightlook::writeFrames(dir, frames, {80, 80, 80, 80});
}
} // namespace

bool writeStagePrompts(const std::string& dataDir)
{
    const std::string ui = joinPath(joinPath(dataDir, "screens"), "ui");
    bool ok = writePrompt(joinPath(ui, "goright"), true);
    return writePrompt(joinPath(ui, "goleft"), false) && ok;
}
} // namespace datagen
