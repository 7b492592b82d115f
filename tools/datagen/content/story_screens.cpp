// The story's own screens. The map is the city seen from above: blocks of
// roofs between minor streets, the story's road drawn wide along the links
// of the 24 node spots, and a landmark by each chapter (home street, border,
// rich street, long street, tower, elevator, harbour, airship, hell road,
// ruins); a strip of light paper at the top left carries the node's name.
// The loot screen is a light panel under a "REWARDS" title; its pictures are
// plates holding coins, experience, the weapons drawn as the roster draws
// them and the allies' own roster figures.
#include "content/story_screens.h"

#include "content/fight_look.h"
#include "content/look.h"
#include "content/roster/cast.h"
#include "content/roster/writer.h"
#include "core/files.h"
#include "core/noise.h"
#include "core/quantise.h"
#include "core/sprite_folder.h"
#include "modes/story_map.h"

#include <cmath>
#include <map>

namespace datagen
{
namespace
{
constexpr int kW = look::kScreenW;
constexpr int kH = look::kScreenH;
constexpr int kNodeSize = 20;
constexpr int kRingSize = 30;
constexpr int kItemSize = 48;

Vec2 nodeCentre(int node)
{
    const MapNode& n = kMapNodes[static_cast<std::size_t>(node)];
    return {n.x + kNodeSize * 0.5f, n.y + kNodeSize * 0.5f};
}

// A small deterministic generator for the roofs.
struct Dice
{
    std::uint32_t state;
    float next()
    {
        state = state * 1664525u + 1013904223u;
        return static_cast<float>(state >> 8) / 16777216.0f;
    }
};

void roofs(Canvas& c)
{
    const Colour tones[] = {hex(0x6b5a4e), hex(0x5a6168), hex(0x7a6a58), hex(0x4e5e5a),
                            hex(0x6e5048), hex(0x585a70), hex(0x807866)};
    Dice dice{0x51a7u};
    constexpr int kBlock = 48;
    for (int by = 0; by < kH; by += kBlock)
        for (int bx = 0; bx < kW; bx += kBlock)
        {
            // Two to four buildings share a block.
            const int count = 2 + static_cast<int>(dice.next() * 3.0f);
            for (int i = 0; i < count; ++i)
            {
                const float x0 = bx + 6.0f + dice.next() * 18.0f, y0 = by + 6.0f + dice.next() * 18.0f;
                const float x1 = std::min(bx + kBlock - 6.0f, x0 + 10.0f + dice.next() * 22.0f);
                const float y1 = std::min(by + kBlock - 6.0f, y0 + 10.0f + dice.next() * 22.0f);
                const Colour tone = tones[static_cast<int>(dice.next() * 7.0f) % 7];
                Mask shadow(kW, kH);
                shadow.rect(x0 + 3.0f, y0 + 3.0f, x1 + 3.0f, y1 + 3.0f);
                c.fill(shadow, solid(hex(0x101216)), Blend::Normal, 0.55f);
                Mask roof(kW, kH);
                roof.rect(x0, y0, x1, y1);
                c.fill(roof, linear(x0, y0, x1, y1,
                                    Gradient{{0.0f, shade(tone, 0.15f)}, {1.0f, shade(tone, -0.2f)}}));
                Mask ridge(kW, kH);
                ridge.rect(x0 + 2.0f, (y0 + y1) * 0.5f - 0.6f, x1 - 2.0f, (y0 + y1) * 0.5f + 0.6f);
                c.fill(ridge, solid(shade(tone, 0.35f)), Blend::Normal, 0.6f);
            }
        }
}

void streets(Canvas& c)
{
    // The grid of minor streets between the blocks.
    Mask minor(kW, kH);
    for (int x = 0; x <= kW; x += 48)
        minor.rect(x - 3.0f, 0.0f, x + 3.0f, kH);
    for (int y = 0; y <= kH; y += 48)
        minor.rect(0.0f, y - 3.0f, kW, y + 3.0f);
    c.fill(minor, solid(hex(0x34373d)));

    // The story's road along every link, wide and marked.
    Mask road(kW, kH);
    Mask kerb(kW, kH);
    Mask marks(kW, kH);
    for (int node = 0; node < kMapNodeCount; ++node)
        for (char way : {'R', 'D'})
        {
            const int next = mapLink(node, way);
            if (next < 0)
                continue;
            const Vec2 a = nodeCentre(node), b = nodeCentre(next);
            road.line(a, b, 14.0f);
            kerb.line(a, b, 18.0f);
            const float len = std::hypot(b.x - a.x, b.y - a.y);
            for (float t = 8.0f; t + 6.0f < len; t += 14.0f)
                marks.line(lerp(a, b, t / len), lerp(a, b, (t + 6.0f) / len), 1.4f);
        }
    c.fill(kerb, solid(hex(0xa89c86)));
    c.fill(road, linear(0, 0, 0, kH, Gradient{{0.0f, hex(0x4a4d55)}, {1.0f, hex(0x3e4148)}}));
    c.fill(marks, solid(hex(0xe8c85a)), Blend::Normal, 0.85f);
    // A warm pool of street light on every node spot.
    for (int node = 0; node < kMapNodeCount; ++node)
    {
        Mask pool(kW, kH);
        const Vec2 p = nodeCentre(node);
        pool.circle(p.x, p.y, 17.0f);
        c.fill(pool.blurred(5.0f), solid(hex(0xffc070)), Blend::Screen, 0.35f);
    }
}

void drawShape(Canvas& c, const std::vector<Vec2>& points, const Colour& colour, float shadow = 3.0f)
{
    Mask m(kW, kH);
    m.polygon(points);
    if (shadow > 0.0f)
        c.fill(m.shifted(static_cast<int>(shadow), static_cast<int>(shadow)).blurred(1.5f),
               solid(hex(0x0a0c10)), Blend::Normal, 0.6f);
    c.fill(m.grown(0.8f), solid(hex(0x14100c)));
    c.fill(m, solid(colour));
}

void box(Canvas& c, float x0, float y0, float x1, float y1, const Colour& colour, float shadow = 3.0f)
{
    drawShape(c, {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}}, colour, shadow);
}

void landmarks(Canvas& c)
{
    // Home street: Nick's house, a gabled red roof, and its yard.
    box(c, 22.0f, 272.0f, 70.0f, 306.0f, hex(0x4c7a3c), 0.0f);
    drawShape(c, {{30.0f, 278.0f}, {62.0f, 278.0f}, {62.0f, 290.0f}, {30.0f, 290.0f}}, hex(0xb8452e));
    drawShape(c, {{30.0f, 290.0f}, {62.0f, 290.0f}, {62.0f, 300.0f}, {30.0f, 300.0f}}, hex(0x8e3222), 0.0f);

    // The border: a striped barrier across the road and the guard's booth.
    for (int i = 0; i < 6; ++i)
        box(c, 160.0f, 236.0f + i * 6.0f, 165.0f, 242.0f + i * 6.0f, i % 2 ? hex(0xf0f0f0) : hex(0xd02020),
            0.0f);
    box(c, 150.0f, 196.0f, 172.0f, 214.0f, hex(0x8a8e96));

    // Rich street: a mansion with a lawn and a pool.
    box(c, 246.0f, 196.0f, 300.0f, 236.0f, hex(0x3f8a3a), 0.0f);
    box(c, 252.0f, 200.0f, 286.0f, 220.0f, hex(0xd8c8a0));
    box(c, 288.0f, 222.0f, 298.0f, 234.0f, hex(0x3aa8d8), 0.0f);

    // Long street: lamps along it.
    for (float x = 246.0f; x < 360.0f; x += 16.0f)
    {
        Mask lamp(kW, kH);
        lamp.circle(x, 309.0f, 1.6f);
        lamp.circle(x + 8.0f, 331.0f, 1.6f);
        c.fill(lamp.grown(3.0f).blurred(2.0f), solid(hex(0xffd890)), Blend::Screen, 0.7f);
        c.fill(lamp, solid(hex(0xfff4d0)));
    }

    // The tower: floors stepping up to its roof, with a long shadow.
    Mask towerShadow(kW, kH);
    towerShadow.polygon({{300.0f, 190.0f},
                         {346.0f, 190.0f},
                         {362.0f, 206.0f},
                         {362.0f, 252.0f},
                         {316.0f, 252.0f},
                         {300.0f, 236.0f}});
    c.fill(towerShadow.blurred(2.0f), solid(hex(0x08090c)), Blend::Normal, 0.6f);
    box(c, 296.0f, 186.0f, 342.0f, 232.0f, hex(0x7c8490), 0.0f);
    box(c, 302.0f, 192.0f, 336.0f, 226.0f, hex(0x98a0ac), 0.0f);
    box(c, 308.0f, 198.0f, 330.0f, 220.0f, hex(0xd8b048), 0.0f);

    // The elevator: its shaft beside the road, cables crossing it.
    box(c, 386.0f, 210.0f, 404.0f, 236.0f, hex(0x5a5e66));
    Mask cables(kW, kH);
    cables.line({388.0f, 212.0f}, {402.0f, 234.0f}, 1.2f);
    cables.line({402.0f, 212.0f}, {388.0f, 234.0f}, 1.2f);
    c.fill(cables, solid(hex(0xd8d0b8)));

    // The harbour: water east of the road, piers and a navy ship.
    Mask water(kW, kH);
    water.polygon(
        {{446.0f, 196.0f}, {kW + 0.0f, 196.0f}, {kW + 0.0f, 344.0f}, {470.0f, 344.0f}, {446.0f, 320.0f}});
    c.fill(water.grown(3.0f), solid(hex(0x8a8270)));
    c.fill(water, linear(0, 196, 0, 344, Gradient{{0.0f, hex(0x1e4a6a)}, {1.0f, hex(0x12304a)}}));
    for (int i = 0; i < 5; ++i)
    {
        Mask ripple(kW, kH);
        ripple.line({470.0f + i * 30.0f, 300.0f - i * 16.0f}, {486.0f + i * 30.0f, 300.0f - i * 16.0f}, 1.0f);
        c.fill(ripple, solid(hex(0x6a9ac0)), Blend::Normal, 0.7f);
    }
    box(c, 446.0f, 240.0f, 500.0f, 248.0f, hex(0x8a6a48), 0.0f);
    box(c, 446.0f, 280.0f, 486.0f, 288.0f, hex(0x8a6a48), 0.0f);
    drawShape(c, {{520.0f, 258.0f}, {600.0f, 258.0f}, {616.0f, 268.0f}, {600.0f, 278.0f}, {520.0f, 278.0f}},
              hex(0x6c7480));
    box(c, 548.0f, 262.0f, 572.0f, 274.0f, hex(0x9aa2ae), 0.0f);

    // The airship: a hull with fins, its shadow far below it.
    Mask hullShadow(kW, kH);
    hullShadow.ellipse(610.0f, 146.0f, 26.0f, 10.0f);
    c.fill(hullShadow.blurred(3.0f), solid(hex(0x08090c)), Blend::Normal, 0.5f);
    drawShape(c, {{612.0f, 108.0f}, {632.0f, 98.0f}, {632.0f, 118.0f}}, hex(0x7a4a3a), 0.0f);
    Mask hull(kW, kH);
    hull.ellipse(600.0f, 116.0f, 28.0f, 11.0f);
    c.fill(hull.grown(0.8f), solid(hex(0x14100c)));
    c.fill(hull, linear(0, 105, 0, 127, Gradient{{0.0f, hex(0xb8b0a0)}, {1.0f, hex(0x6a6458)}}));

    // The hell road: cracks glowing through the asphalt.
    Mask cracks(kW, kH);
    Dice dice{0xfe11u};
    for (int i = 0; i < 14; ++i)
    {
        const float x = 236.0f + dice.next() * 100.0f, y = 90.0f + dice.next() * 10.0f;
        cracks.polyline(
            {{x, y}, {x + 5.0f + dice.next() * 6.0f, y + 3.0f}, {x + 12.0f, y - 2.0f + dice.next() * 5.0f}},
            1.3f);
    }
    c.fill(cracks.grown(2.5f).blurred(3.0f), solid(hex(0xff3a10)), Blend::Screen, 0.8f);
    c.fill(cracks, solid(hex(0xffd040)));

    // The ruins: broken walls and rubble by the final run.
    const std::vector<std::vector<Vec2>> broken = {
        {{252.0f, 120.0f}, {280.0f, 118.0f}, {276.0f, 130.0f}, {262.0f, 134.0f}, {250.0f, 130.0f}},
        {{288.0f, 122.0f}, {312.0f, 126.0f}, {306.0f, 146.0f}, {292.0f, 140.0f}},
        {{258.0f, 138.0f}, {272.0f, 140.0f}, {266.0f, 150.0f}},
    };
    for (const auto& piece : broken)
        drawShape(c, piece, hex(0x77706a));
    Mask rubble(kW, kH);
    for (int i = 0; i < 24; ++i)
        rubble.circle(248.0f + dice.next() * 70.0f, 116.0f + dice.next() * 36.0f, 0.8f + dice.next() * 1.2f);
    c.fill(rubble, solid(hex(0x9a928a)));
}

Canvas mapBackdrop()
{
    Canvas c(kW, kH, hex(0x24262b));
    roofs(c);
    streets(c);
    landmarks(c);
    c.addGrain(0x3a9u, 0.025f);
    c.vignette(0.35f);

    // The light paper the node's name is written on.
    Mask paper(kW, kH);
    paper.polygon(
        {{0.0f, 0.0f}, {262.0f, 0.0f}, {256.0f, 8.0f}, {262.0f, 16.0f}, {254.0f, 24.0f}, {0.0f, 24.0f}});
    c.fill(paper.shifted(2, 2).blurred(2.0f), solid(hex(0x000000)), Blend::Normal, 0.5f);
    c.fill(paper, linear(0, 0, 262, 24, Gradient{{0.0f, hex(0xf4ecd8)}, {1.0f, hex(0xe4d8bc)}}));

    look::CaptionOptions caption;
    caption.cx = 560.0f;
    caption.cy = 462.0f;
    caption.size = 12.0f;
    caption.spacing = 3.0f;
    c.draw(look::caption("QUILLFEN CITY", caption), 0, 0);
    return c;
}

Canvas nodeIcon(bool open)
{
    Canvas c(kNodeSize, kNodeSize);
    Mask disc(kNodeSize, kNodeSize);
    disc.circle(10.0f, 10.0f, 8.5f);
    c.fill(disc.grown(1.0f), solid(hex(fightlook::kEdge)));
    if (open)
    {
        c.fill(disc, radial(8.0f, 7.0f, 10.0f,
                            Gradient{{0.0f, hex(0xfff6c0)}, {0.5f, hex(0xffb838)}, {1.0f, hex(0xc0501a)}}));
        Mask star(kNodeSize, kNodeSize);
        std::vector<Vec2> points;
        for (int i = 0; i < 10; ++i)
        {
            const float a = static_cast<float>(M_PI) * i / 5.0f - static_cast<float>(M_PI) / 2.0f;
            const float r = i % 2 ? 2.2f : 5.2f;
            points.push_back({10.0f + r * std::cos(a), 10.0f + r * std::sin(a)});
        }
        star.polygon(points);
        c.fill(star, solid(hex(0xffffff)));
    }
    else
    {
        c.fill(disc, solid(hex(0x4a4650)));
        // The padlock: its shackle and body.
        Mask shackle(kNodeSize, kNodeSize);
        shackle.ellipse(10.0f, 8.0f, 3.6f, 3.8f);
        c.fill(shackle.minus(fightlook::eroded(shackle, 1.4f)), solid(hex(0xb0aab8)));
        Mask body(kNodeSize, kNodeSize);
        body.roundedRect(5.5f, 9.0f, 14.5f, 15.5f, 1.2f);
        c.fill(body, solid(hex(0x9a94a4)));
        Mask hole(kNodeSize, kNodeSize);
        hole.circle(10.0f, 12.0f, 1.1f);
        c.fill(hole, solid(hex(0x24222a)));
    }
    return c;
}

Canvas cursorRing(int frame)
{
    Canvas c(kRingSize, kRingSize);
    const float pulse = 0.5f - 0.5f * std::cos(static_cast<float>(M_PI) * 0.5f * frame);
    const float r = 11.5f + 2.0f * pulse;
    Mask ring(kRingSize, kRingSize);
    ring.circle(15.0f, 15.0f, r);
    Mask inside(kRingSize, kRingSize);
    inside.circle(15.0f, 15.0f, r - 2.4f);
    const Mask band = ring.minus(inside);
    c.fill(band.grown(1.2f), solid(hex(fightlook::kEdge)));
    c.fill(band, solid(mix(hex(0x7ae8ff), hex(0xffffff), pulse)));
    return c;
}

// The plate every reward picture stands on.
Canvas itemPlate()
{
    Canvas c(kItemSize, kItemSize);
    Mask shape(kItemSize, kItemSize);
    shape.roundedRect(2.0f, 2.0f, kItemSize - 2.0f, kItemSize - 2.0f, 7.0f);
    fightlook::PlateStyle style;
    style.tone = -0.4f;
    fightlook::plate(c, shape, 2.0f, kItemSize - 2.0f, style);
    return c;
}

Canvas itemWith(const Canvas& picture)
{
    Canvas c = itemPlate();
    c.draw(picture, (kItemSize - picture.width()) / 2, (kItemSize - picture.height()) / 2);
    return c;
}

Canvas coinsPicture()
{
    Canvas c(40, 40);
    const Gradient gold{{0.0f, hex(0xfff0a0)}, {0.5f, hex(0xf0b830)}, {1.0f, hex(0x9a6410)}};
    const struct
    {
        float x, y;
        int height;
    } stacks[] = {{12.0f, 30.0f, 4}, {27.0f, 32.0f, 3}, {20.0f, 35.0f, 2}};
    for (const auto& s : stacks)
        for (int k = 0; k < s.height; ++k)
        {
            const float y = s.y - k * 4.5f;
            Mask coin(40, 40);
            coin.ellipse(s.x, y, 8.0f, 3.6f);
            coin.rect(s.x - 8.0f, y, s.x + 8.0f, y + 2.5f);
            coin.ellipse(s.x, y + 2.5f, 8.0f, 3.6f);
            c.fill(coin.grown(0.8f), solid(hex(0x3a2406)));
            c.fill(coin, linear(s.x - 8.0f, 0, s.x + 8.0f, 0, gold));
            Mask top(40, 40);
            top.ellipse(s.x, y, 6.2f, 2.4f);
            c.fill(top, solid(hex(0xffe070)));
        }
    return c;
}

Canvas expPicture()
{
    Canvas c(40, 40);
    Mask star(40, 40);
    std::vector<Vec2> points;
    for (int i = 0; i < 10; ++i)
    {
        const float a = static_cast<float>(M_PI) * i / 5.0f - static_cast<float>(M_PI) / 2.0f;
        const float r = i % 2 ? 7.0f : 17.0f;
        points.push_back({20.0f + r * std::cos(a), 21.0f + r * std::sin(a)});
    }
    star.polygon(points);
    c.fill(star.grown(3.0f).blurred(2.5f), solid(hex(0x40c8ff)), Blend::Normal, 0.8f);
    c.fill(star.grown(1.0f), solid(hex(0x06203a)));
    c.fill(star, radial(18.0f, 17.0f, 18.0f,
                        Gradient{{0.0f, hex(0xffffff)}, {0.5f, hex(0x80e0ff)}, {1.0f, hex(0x1a78c8)}}));
    Mask arrow(40, 40);
    arrow.polygon({{20.0f, 12.0f},
                   {26.0f, 20.0f},
                   {22.5f, 20.0f},
                   {22.5f, 28.0f},
                   {17.5f, 28.0f},
                   {17.5f, 20.0f},
                   {14.0f, 20.0f}});
    c.fill(arrow.grown(0.8f), solid(hex(0x06203a)));
    c.fill(arrow, solid(hex(0xfff4a0)));
    return c;
}

const roster::CharacterSpec* findSpec(const std::vector<roster::CharacterSpec>& specs,
                                      const std::string& name)
{
    for (const roster::CharacterSpec& s : specs)
        if (s.name == name)
            return &s;
    return nullptr;
}

bool writeItem(const std::string& dir, const Canvas& picture)
{
    return fightlook::writeFrames(dir, {picture}, {1000}, 0.3f);
}
} // namespace

bool writeLevelSelect(const std::string& dataDir)
{
    const std::string dir = joinPath(dataDir, "screens/levelSelect");
    bool ok = fightlook::writeFrames(dir, {mapBackdrop()}, {1000}, 0.4f, false);
    ok = fightlook::writeFrames(joinPath(dir, "node"), {nodeIcon(false), nodeIcon(true)}, {1000, 1000},
                                0.0f) &&
         ok;
    std::vector<Canvas> ring;
    for (int f = 0; f < 4; ++f)
        ring.push_back(cursorRing(f));
    return fightlook::writeFrames(joinPath(dir, "player"), ring, {60, 60, 60, 60}, 0.0f) && ok;
}

bool writeLootScreen(const std::string& dataDir)
{
    const std::string dir = joinPath(dataDir, "screens/loot");

    look::CityOptions city;
    city.fighters = false;
    Canvas back = look::duskCity(city);
    back.fill(solid(hex(0x140a22)), Blend::Normal, 0.45f);
    Mask panel(kW, kH);
    panel.roundedRect(140.0f, 140.0f, 520.0f, 460.0f, 10.0f);
    back.fill(panel.grown(4.0f).blurred(6.0f), solid(hex(0x000000)), Blend::Normal, 0.6f);
    fightlook::plate(back, panel.grown(3.0f).minus(panel), 137.0f, 463.0f);
    back.fill(panel, linear(0, 140, 0, 460, Gradient{{0.0f, hex(0xf6eedc)}, {1.0f, hex(0xe2d6bc)}}));
    fightlook::TextStyle title{look::titleFont(), 54.0f, 2.0f, 0.14f};
    float cap = 0.0f;
    const Mask letters = fightlook::lettering(title, "REWARDS", kW, kH, 330.0f, 84.0f, &cap);
    fightlook::fireLetters(back, letters, 84.0f - cap * 0.5f, 84.0f + cap * 0.5f);
    bool ok = fightlook::writeFrames(dir, {back}, {1000}, 0.4f, false);

    const std::vector<roster::CharacterSpec> heroes = roster::heroForms();
    std::vector<Canvas> weapons;
    for (const roster::CharacterSpec& hero : heroes)
        weapons.push_back(itemWith(fromIndexed(roster::weaponIcon(hero, 42, 42))));
    ok = fightlook::writeFrames(joinPath(dir, "weaponSet"), weapons, std::vector<int>(weapons.size(), 1000),
                                0.3f) &&
         ok;
    const char* const weaponFolders[6] = {"vlad", nullptr, "whip", "swords", "gauntlets", "blackblade"};
    for (std::size_t i = 0; i < weapons.size() && i < 6; ++i)
        if (weaponFolders[i])
            ok = writeItem(joinPath(dir, weaponFolders[i]), weapons[i]) && ok;

    ok = writeItem(joinPath(dir, "coins"), itemWith(coinsPicture())) && ok;
    ok = writeItem(joinPath(dir, "wexp"), itemWith(expPicture())) && ok;

    std::vector<roster::CharacterSpec> cast = roster::theAllies();
    for (auto&& group : {roster::theDemons(), roster::theBosses(), roster::theBonus()})
        cast.insert(cast.end(), group.begin(), group.end());
    const std::pair<const char*, const char*> allies[] = {
        {"sadghost", "SadGhost"}, {"male", "Male"},           {"female", "Female"}, {"andy", "Andy"},
        {"spectre", "Spectre"},   {"hellskull", "HellSkull"}, {"rigby", "Rigby"},
    };
    for (const auto& ally : allies)
    {
        const roster::CharacterSpec* spec = findSpec(cast, ally.second);
        if (!spec)
            return false;
        ok = writeItem(joinPath(dir, ally.first), itemWith(fromIndexed(roster::figureIcon(*spec, 42, 42)))) &&
             ok;
    }
    // The bonus allies stand together.
    Canvas bonus(42, 42);
    const char* const bonusNames[3] = {"Vellin", "Merrowby", "Tavin"};
    for (int i = 0; i < 3; ++i)
        if (const roster::CharacterSpec* spec = findSpec(cast, bonusNames[i]))
            bonus.draw(fromIndexed(roster::figureIcon(*spec, 20, 40)), 1 + i * 11, i == 1 ? 0 : 2);
    return writeItem(joinPath(dir, "bonuscharas"), itemWith(bonus)) && ok;
}
} // namespace datagen
