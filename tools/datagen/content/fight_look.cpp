// Plates, trim and lettering of the fight screens. Colours come from the title
// screen: the menu buttons' plum metal and lavender light, the logo's gold and
// fire. Soft effects are avoided: the game keys its sprites with one colour,
// so every edge a player sees is a hard, dark outline.
#include "content/fight_look.h"

#include "core/jobs.h"
#include "core/quantise.h"
#include "core/sprite_folder.h"
#include "core/text.h"

#include <cmath>

namespace datagen::fightlook
{
namespace
{
Gradient gunmetal()
{
    return Gradient{
        {0.0f, hex(0x6e5a8c)}, {0.18f, hex(0x44345e)}, {0.55f, hex(0x261a36)}, {1.0f, hex(0x110a1a)}};
}

Gradient warmMetal()
{
    return Gradient{
        {0.0f, hex(0xffe27a)}, {0.45f, hex(0xffa02a)}, {0.55f, hex(0xff7a1c)}, {1.0f, hex(0xb8280c)}};
}

Gradient goldLeaf()
{
    return Gradient{{0.0f, hex(0xfff4c8)}, {0.5f, hex(0xffc24a)}, {1.0f, hex(0xc0601a)}};
}
} // namespace

Mask eroded(const Mask& m, float radius)
{
    return m.inverted().grown(radius).inverted();
}

void plate(Canvas& c, const Mask& shape, float top, float bottom, const PlateStyle& style)
{
    c.fill(shape.grown(style.edge), solid(hex(kEdge)));
    const Mask body = eroded(shape, style.rim);
    goldTrim(c, shape.minus(body), top, bottom);
    c.fill(body, linear(0, top, 0, bottom, style.warm ? warmMetal() : gunmetal()));
    if (style.tone != 0.0f)
        c.fill(body, solid(style.tone < 0.0f ? hex(0x05020a) : hex(0xd8c8f0)), Blend::Normal,
               std::fabs(style.tone));
    // Light from above: a bright top edge and a shaded underside.
    c.fill(body.minus(body.shifted(0, 1)), solid(hex(0xffffff)), Blend::Normal, 0.3f);
    c.fill(body.minus(body.shifted(0, -1)), solid(hex(0x000000)), Blend::Normal, 0.35f);
}

void goldTrim(Canvas& c, const Mask& trim, float top, float bottom)
{
    c.fill(trim, linear(0, top, 0, bottom, goldLeaf()));
}

Mask lettering(const TextStyle& style, const std::string& text, int w, int h, float cx, float cy,
               float* capHeight)
{
    Mask m(w, h);
    Typeface face(style.font);
    if (!face.ok())
        return m;
    face.setSize(style.size);
    face.setStyle(style.spacing, style.slant);
    face.drawCentred(m, text, cx, cy);
    if (capHeight)
        *capHeight = face.capHeight();
    return m;
}

float textWidth(const TextStyle& style, const std::string& text)
{
    Typeface face(style.font);
    if (!face.ok())
        return 0.0f;
    face.setSize(style.size);
    face.setStyle(style.spacing, style.slant);
    return face.measure(text);
}

void fireLetters(Canvas& c, const Mask& text, float top, float bottom, const FireStyle& s)
{
    const Mask edge = text.grown(s.edge);
    const Mask ring = text.grown(s.edge + s.ring);
    const Mask outline = ring.grown(1.5f);
    c.fill(outline.shifted(s.shadowX, s.shadowY), solid(hex(0x000000)));
    c.fill(outline, solid(hex(kEdge)));
    c.fill(ring, linear(0, top, 0, bottom, Gradient{{0.0f, hex(0xfff0b0)}, {1.0f, hex(0xffa23a)}}));
    c.fill(edge, solid(hex(0x1c0609)));
    // The logo's polished metal: pale gold above a hard horizon, fire below.
    c.fill(text, linear(0, top, 0, bottom,
                        Gradient{{0.0f, hex(0xffffff)},
                                 {0.2f, hex(0xfff1b8)},
                                 {0.5f, hex(0xffc53a)},
                                 {0.52f, hex(0xff8418)},
                                 {0.8f, hex(0xe8400f)},
                                 {1.0f, hex(0x9a1608)}}));
    c.fill(text.minus(text.shifted(0, 2)), solid(hex(0xffffff)), Blend::Normal, 0.7f);
    c.fill(text.minus(text.shifted(0, -2)), solid(hex(0x5a0a04)), Blend::Normal, 0.6f);
    if (s.heat > 0.0f)
    {
        c.fill(text, solid(hex(0xfffbea)), Blend::Normal, s.heat);
        c.fill(ring, solid(hex(0xffffff)), Blend::Screen, s.heat * 0.6f);
    }
}

void shine(Canvas& c, const Mask& over, float x, float top, float bottom, float strength)
{
    Mask sweep(c.width(), c.height());
    const float h = bottom - top;
    sweep.polygon({{x + h * 0.45f, top}, {x + h * 0.45f + 18.0f, top}, {x + 18.0f, bottom}, {x, bottom}});
    sweep.polygon({{x + h * 0.45f + 26.0f, top},
                   {x + h * 0.45f + 32.0f, top},
                   {x + 32.0f, bottom},
                   {x + 26.0f, bottom}},
                  0.7f);
    c.fill(sweep.times(over), solid(hex(0xffffff)), Blend::Normal, strength);
}

Canvas mirrored(const Canvas& c)
{
    Canvas out(c.width(), c.height());
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x)
            out.at(c.width() - 1 - x, y) = c.at(x, y);
    return out;
}

bool writeFrames(const std::string& dir, const std::vector<Canvas>& frames, const std::vector<int>& pauses,
                 float dither, bool keyed)
{
    std::vector<IndexedImage> images(frames.size());
    parallelFor(static_cast<int>(frames.size()),
                [&](int i)
                {
                    QuantiseOptions q;
                    q.dither = dither;
                    images[static_cast<std::size_t>(i)] = quantise(frames[static_cast<std::size_t>(i)], q);
                });
    SpriteFolder folder(dir);
    for (std::size_t i = 0; i < images.size(); ++i)
    {
        FrameInfo info;
        info.pause = i < pauses.size() ? pauses[i] : 100;
        if (!keyed)
            info.key = {-1, 0, 0};
        folder.add(images[i], info);
    }
    return folder.finish();
}
} // namespace datagen::fightlook
