// Readout glyphs in the HUD's style: heavy italic figures in a hot yellow to
// red fill, a dark outline and a hard drop shadow, keyed magenta around.
#include "content/hud_readouts.h"

#include "content/look.h"
#include "core/files.h"
#include "core/mask.h"
#include "core/sprite_folder.h"
#include "core/text.h"

namespace datagen
{
namespace
{
constexpr int kDigitW = 14;
constexpr int kDigitH = 20;
constexpr int kDotW = 7;
constexpr int kLabelW = 34;

Canvas readoutGlyph(const std::string& text, int w, int h, float size, float spacing)
{
    Canvas c(w, h);
    Typeface face(look::menuFont());
    if (!face.ok())
        return c;
    face.setSize(size);
    face.setStyle(spacing, 0.12f);
    Mask m(w, h);
    face.drawCentred(m, text, w * 0.5f, h * 0.5f);
    const Mask edge = m.grown(1.4f);
    c.fill(edge.shifted(1, 1), solid(hex(0x000000)));
    c.fill(edge, solid(hex(0x1a0606)));
    c.fill(m, linear(0, h * 0.2f, 0, h * 0.8f,
                     Gradient{{0.0f, hex(0xfffbe0)},
                              {0.45f, hex(0xffd23a)},
                              {0.55f, hex(0xff9a1c)},
                              {1.0f, hex(0xd8300c)}}));
    return c;
}

bool writeSheet(const std::string& dir, const std::vector<Canvas>& frames)
{
    SpriteFolder folder(dir);
    FrameInfo info;
    info.pause = 100;
    QuantiseOptions q;
    q.dither = 0.0f;
    for (const Canvas& f : frames)
        folder.add(f, info, q);
    return folder.finish();
}
} // namespace

bool writeHudReadouts(const std::string& dataDir)
{
    std::vector<Canvas> digits{Canvas(kDigitW, kDigitH)};
    for (int d = 0; d <= 9; ++d)
        digits.push_back(readoutGlyph(std::to_string(d), kDigitW, kDigitH, 17.0f, 0.0f));

    Canvas dot(kDotW, kDigitH);
    Mask m(kDotW, kDigitH);
    m.rect(1.5f, 13.0f, 5.0f, 16.5f);
    dot.fill(m.grown(1.2f).shifted(1, 1), solid(hex(0x000000)));
    dot.fill(m.grown(1.2f), solid(hex(0x1a0606)));
    dot.fill(m, solid(hex(0xffb02a)));

    bool ok = writeSheet(joinPath(dataDir, "damageNum"), digits);
    ok = writeSheet(joinPath(dataDir, "damageText"),
                    {Canvas(kLabelW, kDigitH), readoutGlyph("DMG", kLabelW, kDigitH, 10.0f, 0.5f)}) &&
         ok;
    return writeSheet(joinPath(dataDir, "damageDot"), {Canvas(kDotW, kDigitH), dot}) && ok;
}
} // namespace datagen
