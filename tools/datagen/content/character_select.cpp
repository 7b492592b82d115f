// Character select: the dusk city dimmed behind two lit stands, one for each
// player, where the panels' pictures are drawn (from x 50 and x 390, the
// fighter standing on y 380 over x + 80), the title and a VS medallion in the
// free column between them, and a key hint along the bottom. The backdrop plays
// once as a shine crosses the title; the turn bar is the plate under a
// fighter that flashes each time the player turns to another.
#include "content/fight_menus.h"

#include "content/fight_look.h"
#include "content/look.h"
#include "core/files.h"

#include <cmath>

namespace datagen
{
namespace
{
constexpr int kPanelX[2] = {50, 390};
constexpr int kPanelW = 200;
constexpr int kFloorY = 380;
constexpr int kStandOffset = 80;
constexpr int kTurnBarW = 160;
constexpr int kTurnBarH = 40;
constexpr float kTitleY[3] = {62.0f, 100.0f, 138.0f};
const char* const kTitle[3] = {"SELECT", "YOUR", "FIGHTER"};

void paintStand(Canvas& c, int px, const char* tag)
{
    const int w = look::kScreenW, h = look::kScreenH;
    const float x0 = static_cast<float>(px), x1 = x0 + kPanelW;
    const float stand = x0 + kStandOffset;
    // The stand's well, darker than the city, with a light falling on the spot.
    Mask well(w, h);
    well.rect(x0, 0.0f, x1, kFloorY);
    c.fill(well, linear(0, 0, 0, kFloorY, Gradient{{0.0f, hex(0x07040c)}, {1.0f, hex(0x1a0c22)}}),
           Blend::Normal, 0.72f);
    Mask beam(w, h);
    beam.polygon(
        {{stand - 18.0f, 0.0f}, {stand + 18.0f, 0.0f}, {stand + 70.0f, kFloorY}, {stand - 70.0f, kFloorY}});
    c.fill(beam.times(well).blurred(8.0f),
           linear(0, 0, 0, kFloorY, Gradient{{0.0f, hex(0xffb060, 0.0f)}, {1.0f, hex(0xff8a3a, 0.3f)}}),
           Blend::Screen);
    Mask pool(w, h);
    pool.ellipse(stand, kFloorY, 86.0f, 14.0f);
    c.fill(pool.blurred(5.0f), solid(hex(0xff9a4a)), Blend::Screen, 0.5f);

    Mask rails(w, h);
    rails.rect(x0 - 1.5f, 0.0f, x0 + 1.5f, kFloorY);
    rails.rect(x1 - 1.5f, 0.0f, x1 + 1.5f, kFloorY);
    c.fill(rails.grown(1.2f), solid(hex(fightlook::kEdge)));
    fightlook::goldTrim(c, rails, 0.0f, kFloorY);

    // The player's tag beside where the turn bar plays.
    Mask badge(w, h);
    const float bx = x0 + kTurnBarW + 4.0f, by = kFloorY + 8.0f;
    badge.polygon({{bx + 6.0f, by}, {bx + 34.0f, by}, {bx + 28.0f, by + 24.0f}, {bx, by + 24.0f}});
    fightlook::PlateStyle warm;
    warm.warm = true;
    fightlook::plate(c, badge, by, by + 24.0f, warm);
    fightlook::TextStyle style{look::menuFont(), 13.0f, 0.5f, 0.12f};
    const Mask letters = fightlook::lettering(style, tag, w, h, bx + 17.0f, by + 12.0f);
    c.fill(letters.grown(1.3f), solid(hex(0x4a0c04)));
    c.fill(letters, solid(hex(0xffffff)));
}

struct TitleLine
{
    Mask letters;
    float top, bottom;
};

constexpr float kMidX = (kPanelX[0] + kPanelW + kPanelX[1]) * 0.5f;

std::vector<TitleLine> titleLines()
{
    std::vector<TitleLine> lines;
    for (int line = 0; line < 3; ++line)
    {
        fightlook::TextStyle style{look::titleFont(), line == 1 ? 24.0f : 27.0f, 0.5f, 0.14f};
        float cap = 0.0f;
        Mask letters = fightlook::lettering(style, kTitle[line], look::kScreenW, look::kScreenH, kMidX,
                                            kTitleY[line], &cap);
        lines.push_back({std::move(letters), kTitleY[line] - cap * 0.5f, kTitleY[line] + cap * 0.5f});
    }
    return lines;
}

Canvas backdrop(const std::vector<TitleLine>& title)
{
    const int w = look::kScreenW, h = look::kScreenH;
    look::CityOptions city;
    city.fighters = false;
    city.sunRise = 40.0f;
    Canvas c = look::duskCity(city);
    c.fill(solid(hex(0x140a22)), Blend::Normal, 0.55f);

    // The floor the fighters stand on, lit along its edge.
    Mask floor(w, h);
    floor.rect(0.0f, kFloorY, w, h);
    c.fill(floor, linear(0, kFloorY, 0, h,
                         Gradient{{0.0f, hex(0x2a1c3a)}, {0.3f, hex(0x160e20)}, {1.0f, hex(0x07040a)}}));
    Mask edge(w, h);
    edge.rect(0.0f, kFloorY - 1.0f, w, kFloorY + 2.0f);
    c.fill(edge.blurred(3.0f), solid(hex(0xff8a3a)), Blend::Screen, 0.7f);
    fightlook::goldTrim(c, edge, kFloorY - 1.0f, kFloorY + 2.0f);

    paintStand(c, kPanelX[0], "P1");
    paintStand(c, kPanelX[1], "P2");

    // The title stacked in the free column, and the medallion under it.
    fightlook::FireStyle fire;
    fire.edge = 1.4f;
    fire.ring = 1.8f;
    fire.shadowX = 2;
    fire.shadowY = 3;
    for (const TitleLine& line : title)
        fightlook::fireLetters(c, line.letters, line.top, line.bottom, fire);
    Mask diamond(w, h);
    diamond.polygon({{kMidX, 206.0f}, {kMidX + 40.0f, 250.0f}, {kMidX, 294.0f}, {kMidX - 40.0f, 250.0f}});
    fightlook::plate(c, diamond, 206.0f, 294.0f);
    Mask inner(w, h);
    inner.polygon({{kMidX, 214.0f}, {kMidX + 32.0f, 250.0f}, {kMidX, 286.0f}, {kMidX - 32.0f, 250.0f}});
    fightlook::goldTrim(c, inner.minus(fightlook::eroded(inner, 1.5f)), 214.0f, 286.0f);
    fightlook::TextStyle vs{look::titleFont(), 30.0f, 0.0f, 0.14f};
    float cap = 0.0f;
    const Mask vsLetters = fightlook::lettering(vs, "VS", w, h, kMidX, 250.0f, &cap);
    fightlook::FireStyle small;
    small.edge = 1.2f;
    small.ring = 1.2f;
    small.shadowX = 1;
    small.shadowY = 2;
    fightlook::fireLetters(c, vsLetters, 250.0f - cap * 0.5f, 250.0f + cap * 0.5f, small);

    look::CaptionOptions hint;
    hint.cy = 452.0f;
    hint.size = 11.0f;
    hint.spacing = 2.0f;
    hint.fill = hex(0xd8cce8);
    c.draw(look::caption("LEFT / RIGHT  FIGHTER      UP / DOWN  COLOURS", hint), 0, 0);
    return c;
}

// The stand's plate: a gunmetal step with gold chevrons pointing both ways,
// at `flash` white-hot with the chevrons thrown outwards, and a streak of
// light at `sweep` (0..1 across; < 0 none).
Canvas turnBar(float flash, float sweep)
{
    Canvas c(kTurnBarW, kTurnBarH);
    Mask step(kTurnBarW, kTurnBarH);
    step.polygon({{8.0f, 3.0f}, {152.0f, 3.0f}, {140.0f, 19.0f}, {20.0f, 19.0f}});
    fightlook::plate(c, step, 3.0f, 19.0f);
    if (flash > 0.0f)
        c.fill(fightlook::eroded(step, 1.0f), solid(hex(0xffc070)), Blend::Screen, flash);
    Mask gem(kTurnBarW, kTurnBarH);
    gem.polygon({{80.0f, 6.0f}, {86.0f, 11.0f}, {80.0f, 16.0f}, {74.0f, 11.0f}});
    fightlook::PlateStyle warm;
    warm.warm = true;
    warm.edge = 1.0f;
    fightlook::plate(c, gem, 6.0f, 16.0f, warm);

    const float out = 10.0f * flash;
    Mask chevrons(kTurnBarW, kTurnBarH);
    for (int i = 0; i < 2; ++i)
    {
        const float x = 40.0f + i * 8.0f + out;
        chevrons.polyline({{80.0f - x + 5.0f, 23.0f}, {80.0f - x, 29.0f}, {80.0f - x + 5.0f, 35.0f}}, 2.4f);
        chevrons.polyline({{80.0f + x - 5.0f, 23.0f}, {80.0f + x, 29.0f}, {80.0f + x - 5.0f, 35.0f}}, 2.4f);
    }
    c.fill(chevrons.grown(1.2f), solid(hex(fightlook::kEdge)));
    fightlook::goldTrim(c, chevrons, 23.0f, 35.0f);
    if (flash > 0.0f)
        c.fill(chevrons, solid(hex(0xffffff)), Blend::Normal, flash);
    if (sweep >= 0.0f)
        fightlook::shine(c, step, -20.0f + 180.0f * sweep, 3.0f, 19.0f, 0.7f);
    return c;
}
} // namespace

bool writeCharacterSelect(const std::string& dataDir)
{
    const std::string dir = joinPath(dataDir, "screens/characterSelect");
    const std::vector<TitleLine> title = titleLines();
    const Canvas still = backdrop(title);
    // A shine runs down across the title once, then the still holds.
    std::vector<Canvas> frames;
    for (float shine : {0.0f, 0.2f, 0.4f, 0.6f, 0.8f, 1.0f})
    {
        Canvas c = still;
        for (std::size_t line = 0; line < title.size(); ++line)
            fightlook::shine(c, title[line].letters, kMidX - 110.0f + 200.0f * shine - line * 14.0f,
                             title[line].top - 3.0f, title[line].bottom + 3.0f);
        frames.push_back(std::move(c));
    }
    frames.push_back(still);
    bool ok = fightlook::writeFrames(dir, frames, {20, 20, 20, 20, 20, 20, 1000}, 0.6f, false);

    const std::vector<Canvas> bars = {turnBar(1.0f, -1.0f), turnBar(0.6f, 0.05f), turnBar(0.3f, 0.25f),
                                      turnBar(0.1f, 0.45f), turnBar(0.0f, 0.65f), turnBar(0.0f, 0.85f),
                                      turnBar(0.0f, -1.0f)};
    return fightlook::writeFrames(joinPath(dir, "turnBar"), bars, {15, 15, 15, 15, 15, 15, 100}) && ok;
}
} // namespace datagen
