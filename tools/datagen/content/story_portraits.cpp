// The story's portraits: roster characters waist-up in their own looks,
// facing right (the right slot mirrors them), and the blank portrait.
#include "content/story.h"
#include "content/story_kit.h"
#include "core/mask.h"
#include "core/text.h"

namespace datagen::story
{
Canvas blankChara()
{
    return Canvas(16, 16);
}

Canvas nickGaming()
{
    Pose atHome{"Nick"};
    atHome.unarmed = true;
    atHome.coatOff = true;
    Canvas c = portrait(atHome);
    // A game pad held at the waist, its cable trailing off.
    Mask pad(c.width(), c.height());
    pad.roundedRect(218, 308, 302, 340, 14);
    pad.circle(226, 334, 16);
    pad.circle(294, 334, 16);
    c.fill(pad.grown(2.0f), solid(hex(0x0a0a0c)));
    c.fill(pad, linear(0, 318, 0, 360, Gradient{{0.0f, hex(0x4a4a54)}, {1.0f, hex(0x1e1e24)}}));
    Mask buttons(c.width(), c.height());
    buttons.circle(282, 320, 4);
    buttons.circle(292, 328, 4);
    Mask cross(c.width(), c.height());
    cross.rect(230, 323, 248, 328);
    cross.rect(236, 317, 241, 334);
    c.fill(buttons, solid(hex(0xe04040)));
    c.fill(cross, solid(hex(0x0c0c0c)));
    Mask cable(c.width(), c.height());
    cable.polyline({{260, 340}, {250, 360}, {230, 380}}, 3);
    c.fill(cable, solid(hex(0x101010)));
    return c;
}

Canvas nickBat()
{
    return portrait(Pose{"NickBBBat", "standing", 0, 2.0f, 0, false});
}

Canvas news()
{
    Canvas c(kPortraitW, kPortraitH);
    // A television set: the bezel, a studio backdrop, the reporter at the desk.
    const float x0 = 12, y0 = 40, x1 = 308, y1 = 290;
    Mask bezel(c.width(), c.height());
    bezel.roundedRect(x0, y0, x1, y1, 16);
    c.fill(bezel.grown(3.0f), solid(hex(0x08080a)));
    c.fill(bezel, linear(0, y0, 0, y1, Gradient{{0.0f, hex(0x4a4a50)}, {1.0f, hex(0x1a1a1e)}}));
    const int sx = 28, sy = 56, sw = 264, sh = 200;
    Canvas screen(sw, sh);
    screen.fill(linear(0, 0, 0, sh, Gradient{{0.0f, hex(0x1a3a7a)}, {1.0f, hex(0x0a1a3a)}}));
    Mask grid(sw, sh);
    for (float x = 0; x < sw; x += 22)
        grid.rect(x, 0, x + 1, sh);
    screen.fill(grid, solid(hex(0x6aa0ff)), Blend::Normal, 0.15f);
    // The reporter faces right here, so that in the right slot she looks across at Nick.
    screen.draw(bust(Pose{"Male", "standing", 0, 1.0f, 5, false, true}, 200, sh - 20, 0.4f), 10, 20);
    // The microphone before the chin.
    Mask mic(sw, sh);
    mic.limb({140, 120}, {128, 175}, 4, 5);
    mic.circle(142, 112, 9);
    screen.fill(mic.grown(1.5f), solid(hex(0x000000)));
    screen.fill(mic, solid(hex(0x404048)));
    // The captions, painted turned round so that they read in the mirrored slot.
    Canvas captions(sw, sh);
    Mask bar(sw, sh);
    bar.rect(0, sh - 38, sw, sh - 12);
    captions.fill(bar, solid(hex(0xc01818)), Blend::Normal, 0.9f);
    Typeface face("/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf");
    if (face.ok())
    {
        face.setSize(14.0f);
        Mask words(sw, sh);
        face.draw(words, "ZOMBIES IN THE CITY", 10, sh - 19);
        captions.fill(words, solid(hex(0xffffff)));
        Mask tag(sw, sh);
        tag.roundedRect(10, 10, 62, 32, 4);
        captions.fill(tag, solid(hex(0xe01010)));
        Mask live(sw, sh);
        face.draw(live, "LIVE", 17, 27);
        captions.fill(live, solid(hex(0xffffff)));
    }
    screen.draw(mirrored(captions), 0, 0);
    Mask lines(sw, sh);
    for (int y = 0; y < sh; y += 3)
        lines.rect(0, static_cast<float>(y), static_cast<float>(sw), y + 1.0f);
    screen.fill(lines, solid(hex(0x000000)), Blend::Normal, 0.15f);
    screen.vignette(0.35f);
    c.draw(screen, sx, sy);
    // Feet and a knob under the set.
    Mask stand(c.width(), c.height());
    stand.rect(70, y1, 90, y1 + 24);
    stand.rect(230, y1, 250, y1 + 24);
    c.fill(stand, solid(hex(0x1a1a1e)));
    return c;
}

Canvas landLord()
{
    Canvas c = portrait(Pose{"ZombieGuy", "standing", 0, 2.0f, 0, false});
    return c;
}
} // namespace datagen::story
