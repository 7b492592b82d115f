// The title screen: the dusk city with the logo, and the five menu buttons
// the menu stacks from (224, 330), each matted onto the part of the backdrop
// it covers so its soft edges blend as if drawn with alpha.
#include "content/look.h"
#include "content/screens.h"

#include "core/files.h"
#include "core/mask.h"
#include "core/sprite_folder.h"
#include "core/text.h"

namespace datagen
{
namespace
{
constexpr int kButtonW = 192;
constexpr int kButtonH = 30;
constexpr int kColumnX = 224;
constexpr int kColumnY = 330;
// The selected button's arrows sit in its slanted ends, the nearer to the
// middle reaching in to this column; a label, centred on the button with its
// 1.5-pixel edge, keeps a few pixels clear of both.
constexpr float kArrowBackR = 168.0f;
constexpr float kLabelRoom = 2.0f * (kArrowBackR - kButtonW / 2.0f) - 8.0f;
const char* const kLabels[5] = {"STORY", "ARCADE", "VERSUS", "OPTIONS", "EXIT"};

Mask buttonShape()
{
    // Leaning like the fighters' stance; the slant reads as motion.
    Mask m(kButtonW, kButtonH);
    m.polygon({{14.0f, 4.0f}, {189.0f, 4.0f}, {178.0f, 26.0f}, {3.0f, 26.0f}});
    return m;
}

Canvas titleBackdrop()
{
    Canvas c = look::duskCity();
    // A soft shade behind the button column keeps the labels readable.
    Mask shade(look::kScreenW, look::kScreenH);
    shade.roundedRect(208, 318, 432, 500, 20);
    c.fill(shade.blurred(12.0f), solid(hex(0x05020a)), Blend::Normal, 0.5f);
    c.draw(look::logo(), 0, 0);
    look::CaptionOptions tag;
    tag.cy = 212.0f;
    tag.size = 13.0f;
    tag.spacing = 4.0f;
    tag.fill = hex(0xffe6c0);
    c.draw(look::caption("FISTS OF THE FALLEN CITY", tag), 0, 0);
    return c;
}
} // namespace

Canvas menuButton(const std::string& label, bool selected)
{
    Canvas c(kButtonW, kButtonH);
    const Mask shape = buttonShape();
    const Mask rim = shape.grown(1.3f).minus(shape);
    if (selected)
    {
        c.fill(shape.grown(3.0f).blurred(2.0f), solid(hex(0xff6a1a)), Blend::Normal, 0.85f);
        c.fill(shape, linear(0, 4, 0, 26,
                             Gradient{{0.0f, hex(0xffe27a)},
                                      {0.45f, hex(0xffa02a)},
                                      {0.55f, hex(0xff7a1c)},
                                      {1.0f, hex(0xb8280c)}}));
        c.fill(rim, solid(hex(0xfff4c8)));
        Mask arrows(kButtonW, kButtonH);
        arrows.polygon({{13.0f, 10.0f}, {21.0f, 15.0f}, {11.0f, 20.0f}});
        arrows.polygon({{170.0f, 10.0f}, {178.0f, 15.0f}, {kArrowBackR, 20.0f}});
        c.fill(arrows, solid(hex(0x4a0c04)));
    }
    else
    {
        c.fill(shape,
               linear(0, 4, 0, 26, Gradient{{0.0f, hex(0x3a2c50, 0.85f)}, {1.0f, hex(0x120a1c, 0.92f)}}));
        c.fill(rim, solid(hex(0x9a78c0)), Blend::Normal, 0.7f);
        c.fill(shape.minus(shape.shifted(0, 1)), solid(hex(0xffffff)), Blend::Normal, 0.25f);
    }

    Typeface face(look::menuFont());
    if (face.ok())
    {
        // A label stays between the arrows a selected button shows, and the
        // same size when idle: long ones are set tighter, then smaller.
        float size = 14.0f, spacing = 2.5f;
        face.setSize(size);
        face.setStyle(spacing, 0.0f);
        while (face.measure(label) > kLabelRoom && spacing > 0.0f)
        {
            spacing -= 0.5f;
            face.setStyle(spacing, 0.0f);
        }
        while (face.measure(label) > kLabelRoom && size > 9.0f)
        {
            size -= 0.5f;
            face.setSize(size);
        }
        Mask text(kButtonW, kButtonH);
        face.drawCentred(text, label, 96.0f, 15.0f);
        c.fill(text.grown(1.5f), solid(selected ? hex(0x4a0c04) : hex(0x06030a)), Blend::Normal, 0.85f);
        c.fill(text, solid(selected ? hex(0xffffff) : hex(0xd8cce8)));
    }
    return c;
}

bool writeTitleScreen(const std::string& dataDir)
{
    const std::string dir = joinPath(dataDir, "screens/main");
    const Canvas backdrop = titleBackdrop();
    FrameInfo still;
    still.key = {-1, 0, 0};
    still.pause = 1000;
    SpriteFolder main(dir);
    main.add(backdrop, still);
    bool ok = main.finish();

    return writeMenuButtons(dir, backdrop, {kLabels, kLabels + 5}, kColumnX, kColumnY) && ok;
}

bool writeMenuButtons(const std::string& dir, const Canvas& backdrop, const std::vector<std::string>& labels, int x,
                      int y)
{
    bool ok = true;
    for (std::size_t i = 0; i < labels.size(); ++i)
    {
        const Canvas behind = backdrop.crop(x, y + static_cast<int>(i) * kButtonH, kButtonW, kButtonH);
        QuantiseOptions q;
        q.matte = &behind;
        q.cutoff = 0.03f;
        q.dither = 0.5f;
        SpriteFolder button(joinPath(dir, "button" + std::to_string(i)));
        button.add(menuButton(labels[i], false), FrameInfo{}, q);
        button.add(menuButton(labels[i], true), FrameInfo{}, q);
        ok = button.finish() && ok;
    }
    return ok;
}
} // namespace datagen
