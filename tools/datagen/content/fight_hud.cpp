// The HUD's frames and readouts. The game paints each bar into its window and
// then draws the frame over it, so a frame's window is keyed out exactly and
// framed by a dark lip and a line of gold; the border behind the bars carries
// the plate they sit on and a medallion between them.
#include "content/fight_hud.h"

#include "content/fight_look.h"
#include "content/look.h"
#include "core/files.h"

namespace datagen
{
namespace
{
using fightlook::plate;
using fightlook::PlateStyle;

constexpr int kBarH = 21;
constexpr int kRageSize = 24;
// The rage badge is drawn with its middle on the power bar's top edge; rows
// from here down would cover the ends of the bar's window.
constexpr int kRageClearFrom = kRageSize / 2 + kPowerBarWindow.y;
constexpr int kComboW = 22;
constexpr int kComboH = 24;
constexpr int kCaptionW = 50;

// Corner cuts of a frame: top-left, top-right, bottom-right, bottom-left.
struct Chamfers
{
    float tl, tr, br, bl;
};

Mask chamferedRect(int w, int h, float inset, const Chamfers& k)
{
    const float x0 = inset, y0 = inset, x1 = w - inset, y1 = h - inset;
    Mask m(w, h);
    m.polygon({{x0 + k.tl, y0},
               {x1 - k.tr, y0},
               {x1, y0 + k.tr},
               {x1, y1 - k.br},
               {x1 - k.br, y1},
               {x0 + k.bl, y1},
               {x0, y1 - k.bl},
               {x0, y0 + k.tl}});
    return m;
}

void keyOut(Canvas& c, int x, int y, int w, int h)
{
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i)
            c.at(i, j) = Colour{0, 0, 0, 0};
}

// A frame of the window's size plus eight pixels all round.
Canvas barFrame(const BarWindow& win, const Chamfers& cuts)
{
    const int w = win.x * 2 + win.w;
    Canvas c(w, kBarH);
    PlateStyle bright;
    bright.tone = 0.12f;
    plate(c, chamferedRect(w, kBarH, 1.3f, cuts), 0.0f, kBarH, bright);

    // Ticks every tenth of the bar along the lower band, and a stud at each end.
    Mask ticks(w, kBarH);
    for (int k = 1; k < 10; ++k)
    {
        const float x = win.x + win.w * k / 10.0f;
        ticks.rect(x - 0.5f, win.y + win.h + 3.0f, x + 0.5f, win.y + win.h + (k == 5 ? 6.0f : 5.0f));
    }
    ticks.circle(4.0f, kBarH * 0.5f, 1.3f);
    ticks.circle(w - 4.0f, kBarH * 0.5f, 1.3f);
    fightlook::goldTrim(c, ticks, win.y, kBarH);

    // The window sits in a dark recess ringed with gold.
    Mask lip(w, kBarH);
    lip.rect(win.x - 2.0f, win.y - 2.0f, win.x + win.w + 2.0f, win.y + win.h + 2.0f);
    Mask gold(w, kBarH);
    gold.rect(win.x - 3.0f, win.y - 3.0f, win.x + win.w + 3.0f, win.y + win.h + 3.0f);
    fightlook::goldTrim(c, gold.minus(lip), win.y - 3.0f, win.y + win.h + 3.0f);
    c.fill(lip, solid(hex(0x07030a)));
    Mask glint(w, kBarH);
    glint.rect(win.x - 2.0f, win.y + win.h + 1.0f, win.x + win.w + 2.0f, win.y + win.h + 2.0f);
    c.fill(glint, solid(hex(0x6e5a8c)));
    keyOut(c, win.x, win.y, win.w, win.h);
    return c;
}

Canvas border()
{
    const int w = look::kScreenW, h = look::kScreenH;
    Canvas c(w, h);
    // The plate the health bars sit on, with a wider tab under the medallion.
    Mask top(w, h);
    top.polygon({{-4.0f, 64.0f},
                 {290.0f, 64.0f},
                 {300.0f, 58.0f},
                 {340.0f, 58.0f},
                 {350.0f, 64.0f},
                 {644.0f, 64.0f},
                 {644.0f, 100.0f},
                 {360.0f, 100.0f},
                 {346.0f, 112.0f},
                 {294.0f, 112.0f},
                 {280.0f, 100.0f},
                 {-4.0f, 100.0f}});
    // Short wings hang below the plate at both outer ends.
    top.polygon({{-4.0f, 99.0f}, {96.0f, 99.0f}, {88.0f, 105.0f}, {-4.0f, 105.0f}});
    top.polygon({{644.0f, 99.0f}, {544.0f, 99.0f}, {552.0f, 105.0f}, {644.0f, 105.0f}});
    PlateStyle dim;
    dim.tone = -0.45f;
    plate(c, top, 64.0f, 105.0f, dim);

    // The medallion between the bars: a diamond with VS in fire metal.
    Mask diamond(w, h);
    diamond.polygon({{320.0f, 52.0f}, {348.0f, 82.0f}, {320.0f, 112.0f}, {292.0f, 82.0f}});
    plate(c, diamond, 52.0f, 112.0f);
    Mask inner(w, h);
    inner.polygon({{320.0f, 58.0f}, {342.0f, 82.0f}, {320.0f, 106.0f}, {298.0f, 82.0f}});
    fightlook::goldTrim(c, inner.minus(fightlook::eroded(inner, 1.5f)), 58.0f, 106.0f);
    fightlook::TextStyle vs{look::titleFont(), 19.0f, 0.0f, 0.14f};
    float cap = 0.0f;
    const Mask letters = fightlook::lettering(vs, "VS", w, h, 320.0f, 82.0f, &cap);
    fightlook::FireStyle small;
    small.edge = 1.0f;
    small.ring = 0.8f;
    small.shadowX = 1;
    small.shadowY = 1;
    fightlook::fireLetters(c, letters, 82.0f - cap * 0.5f, 82.0f + cap * 0.5f, small);

    // Brackets in the four corners of the screen.
    Mask corners(w, h);
    const float in = 6.0f, arm = 30.0f, t = 3.0f;
    for (int sx = 0; sx < 2; ++sx)
        for (int sy = 0; sy < 2; ++sy)
        {
            const float x = sx ? w - in : in;
            const float y = sy ? h - in : in;
            const float dx = sx ? -1.0f : 1.0f;
            const float dy = sy ? -1.0f : 1.0f;
            corners.polygon({{x, y},
                             {x + dx * arm, y},
                             {x + dx * (arm - t), y + dy * t},
                             {x + dx * t, y + dy * t},
                             {x + dx * t, y + dy * (arm - t)},
                             {x, y + dy * arm}});
        }
    c.fill(corners.grown(1.3f), solid(hex(fightlook::kEdge)));
    fightlook::goldTrim(c, corners, 0.0f, h);
    return c;
}

Canvas rageBadge()
{
    Canvas c(kRageSize, kRageSize);
    Mask shield(kRageSize, kRageSize);
    shield.polygon(
        {{12.0f, 0.8f}, {21.5f, 4.2f}, {20.0f, 12.5f}, {12.0f, 18.6f}, {4.0f, 12.5f}, {2.5f, 4.2f}});
    plate(c, shield, 0.8f, 18.6f);
    // A flame of three tongues on the shield.
    auto at = [](float x, float y) { return Vec2{12.0f + (x - 12.0f) * 0.86f, 16.0f + (y - 16.0f) * 0.9f}; };
    const std::vector<std::vector<Vec2>> parts = {
        cubicCurve(at(12, 16), at(6, 16), at(5, 10), at(8.5f, 6.5f), 8),
        cubicCurve(at(8.5f, 6.5f), at(8.5f, 9), at(9.5f, 9.5f), at(10, 9), 5),
        cubicCurve(at(10, 9), at(9, 5), at(11, 3), at(13, 0.5f), 6),
        cubicCurve(at(13, 0.5f), at(13, 4), at(14.5f, 5.5f), at(15, 7.5f), 5),
        cubicCurve(at(15, 7.5f), at(16, 6.5f), at(16.2f, 5.5f), at(16, 4.5f), 4),
        cubicCurve(at(16, 4.5f), at(19, 8), at(19, 16), at(12, 16), 8),
    };
    std::vector<Vec2> outline;
    for (const std::vector<Vec2>& part : parts)
        outline.insert(outline.end(), part.begin() + (outline.empty() ? 0 : 1), part.end());
    Mask flame(kRageSize, kRageSize);
    flame.polygon(outline);
    c.fill(flame.grown(1.0f), solid(hex(fightlook::kEdge)));
    c.fill(flame, linear(0, 2.5f, 0, 15.0f,
                         Gradient{{0.0f, hex(0xfff6c0)},
                                  {0.35f, hex(0xffc53a)},
                                  {0.7f, hex(0xff6a14)},
                                  {1.0f, hex(0xc8240a)}}));
    Mask core(kRageSize, kRageSize);
    core.ellipse(12.2f, 12.2f, 2.0f, 2.6f);
    c.fill(core.times(flame), solid(hex(0xfffbe0)), Blend::Normal, 0.9f);
    // Keep the rows over the bar's window clear whatever the drawing did.
    for (int y = kRageClearFrom; y < kRageSize; ++y)
        for (int x = 0; x < kRageSize; ++x)
            c.at(x, y) = Colour{0, 0, 0, 0};
    return c;
}

Canvas comboGlyph(const std::string& text, int w, float size, bool caption)
{
    Canvas c(w, kComboH);
    fightlook::TextStyle style{look::menuFont(), size, caption ? 1.0f : 0.0f, 0.16f};
    float cap = 0.0f;
    const float cy = caption ? kComboH * 0.6f : kComboH * 0.5f - 1.0f;
    const Mask m = fightlook::lettering(style, text, w, kComboH, w * 0.5f - 1.0f, cy, &cap);
    fightlook::FireStyle s;
    s.edge = caption ? 1.2f : 1.4f;
    s.ring = caption ? 0.0f : 1.0f;
    s.shadowX = 2;
    s.shadowY = 2;
    fightlook::fireLetters(c, m, cy - cap * 0.5f, cy + cap * 0.5f, s);
    return c;
}
} // namespace

bool writeFightHud(const std::string& dataDir)
{
    using fightlook::writeFrames;
    const Canvas health = barFrame(kHealthBarWindow, Chamfers{3.0f, 3.0f, 3.0f, 7.0f});
    bool ok = writeFrames(joinPath(dataDir, "hpBar"), {health}, {100});
    ok = writeFrames(joinPath(dataDir, "hpBarReverse"), {fightlook::mirrored(health)}, {100}) && ok;
    ok = writeFrames(joinPath(dataDir, "powBar"),
                     {barFrame(kPowerBarWindow, Chamfers{3.0f, 3.0f, 6.0f, 6.0f})}, {100}) &&
         ok;
    ok = writeFrames(joinPath(dataDir, "wexpBar"),
                     {barFrame(kWeaponExpBarWindow, Chamfers{3.0f, 3.0f, 6.0f, 6.0f})}, {100}) &&
         ok;
    ok = writeFrames(joinPath(dataDir, "border"), {border()}, {1000}) && ok;
    ok = writeFrames(joinPath(dataDir, "screens/ui/rage"), {rageBadge()}, {100}) && ok;

    std::vector<Canvas> digits{Canvas(kComboW, kComboH)};
    for (int d = 0; d <= 9; ++d)
        digits.push_back(comboGlyph(std::to_string(d), kComboW, 23.0f, false));
    ok = writeFrames(joinPath(dataDir, "comboNum"), digits, std::vector<int>(digits.size(), 100)) && ok;
    ok = writeFrames(joinPath(dataDir, "comboText"),
                     {Canvas(kCaptionW, kComboH), comboGlyph("HITS", kCaptionW, 12.0f, true)}, {100, 100}) &&
         ok;
    return ok;
}
} // namespace datagen
