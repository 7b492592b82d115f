// The pause menu. Its backdrop is drawn over the frozen fight on every frame
// of the pause and nothing clears it, so the picture is keyed: a band of dark
// scan lines dims the fight across the middle of the screen, and a plate in
// it holds the title and the buttons. The opening frames reveal that same
// picture a little more each time, so whatever has been drawn is always part
// of the finished overlay, even when the sprite loops back to its start.
#include "content/fight_menus.h"

#include "content/fight_look.h"
#include "content/look.h"
#include "content/screens.h"
#include "core/files.h"
#include "core/quantise.h"
#include "core/sprite_folder.h"

#include <cmath>

namespace datagen
{
namespace
{
constexpr int kColumnX = 224;
constexpr int kColumnY = 250;
constexpr int kButtonW = 192;
constexpr int kButtonH = 30;
constexpr float kMidY = 250.0f;
constexpr float kBandTop = 160.0f;
constexpr float kBandBottom = 340.0f;
const char* const kLabels[2] = {"RESUME", "QUIT"};

Canvas overlay()
{
    const int w = look::kScreenW, h = look::kScreenH;
    Canvas c(w, h);
    // Every other row of the band darkened: the fight shows through, dimmed.
    for (int y = static_cast<int>(kBandTop); y < static_cast<int>(kBandBottom); y += 2)
        for (int x = 0; x < w; ++x)
            c.at(x, y) = hex(0x0a0612);
    Mask rails(w, h);
    rails.rect(0, kBandTop - 3.0f, w, kBandTop);
    rails.rect(0, kBandBottom, w, kBandBottom + 3.0f);
    c.fill(rails.grown(1.0f), solid(hex(fightlook::kEdge)));
    fightlook::goldTrim(c, rails, kBandTop - 3.0f, kBandBottom + 3.0f);

    Mask panel(w, h);
    panel.polygon({{212.0f, 174.0f}, {452.0f, 174.0f}, {428.0f, 326.0f}, {188.0f, 326.0f}});
    fightlook::plate(c, panel, 174.0f, 326.0f);
    // A darker well behind the buttons so their own plates stand out.
    Mask well(w, h);
    well.polygon({{218.0f, 242.0f}, {434.0f, 242.0f}, {422.0f, 316.0f}, {206.0f, 316.0f}});
    c.fill(well, solid(hex(0x0a0612)), Blend::Normal, 0.55f);

    fightlook::TextStyle title{look::titleFont(), 34.0f, 1.5f, 0.14f};
    float cap = 0.0f;
    const Mask letters = fightlook::lettering(title, "PAUSED", w, h, 320.0f, 210.0f, &cap);
    fightlook::FireStyle fire;
    fire.edge = 1.5f;
    fire.ring = 2.0f;
    fire.shadowX = 2;
    fire.shadowY = 3;
    fightlook::fireLetters(c, letters, 210.0f - cap * 0.5f, 210.0f + cap * 0.5f, fire);
    return c;
}

// The finished overlay with the rows further than `reach` from the middle of
// the band keyed out. Cut from the one quantised picture, so every colour
// drawn is exactly the finished overlay's.
IndexedImage revealed(const IndexedImage& full, float reach)
{
    IndexedImage part = full;
    for (int y = 0; y < part.height; ++y)
        if (std::fabs(y + 0.5f - kMidY) >= reach)
            for (int x = 0; x < part.width; ++x)
                part.pixels[static_cast<std::size_t>(y) * part.width + x] = kKeyIndex;
    return part;
}
} // namespace

bool writePauseScreen(const std::string& dataDir)
{
    const std::string dir = joinPath(dataDir, "screens/pause");
    const Canvas full = overlay();
    QuantiseOptions options;
    options.dither = 0.4f;
    const IndexedImage finished = quantise(full, options);
    // The last frame stays for good; the sprite loops, but only back through
    // parts of the same picture.
    const float reach[3] = {14.0f, 44.0f, 82.0f};
    SpriteFolder backdrop(dir);
    for (float r : reach)
    {
        FrameInfo opening;
        opening.pause = 12;
        backdrop.add(revealed(finished, r), opening);
    }
    FrameInfo held;
    held.pause = 3000;
    backdrop.add(finished, held);
    bool ok = backdrop.finish();

    for (int i = 0; i < 2; ++i)
    {
        const Canvas behind = full.crop(kColumnX, kColumnY + i * kButtonH, kButtonW, kButtonH);
        QuantiseOptions q;
        q.matte = &behind;
        q.cutoff = 0.03f;
        q.dither = 0.5f;
        SpriteFolder button(joinPath(dir, "button" + std::to_string(i)));
        button.add(menuButton(kLabels[i], false), FrameInfo{}, q);
        button.add(menuButton(kLabels[i], true), FrameInfo{}, q);
        ok = button.finish() && ok;
    }
    return ok;
}
} // namespace datagen
