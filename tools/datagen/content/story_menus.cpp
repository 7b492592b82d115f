// The story's side menus in the menus' look. The shop is an arms dealer's back
// room with light plates for its prices and readouts; the weapon screen frames
// the hero form holding each weapon beside a light panel and a row of icon
// slots; the ally screen is a grid of busts beside a plinth for the equipped
// ally. Selection icons have four frames: unlocked, unlocked and selected,
// locked (greyed under a padlock), locked and selected.
#include "content/story_menus.h"

#include "content/fight_hud.h"
#include "content/fight_look.h"
#include "content/look.h"
#include "content/roster/cast.h"
#include "content/roster/writer.h"
#include "core/files.h"
#include "core/quantise.h"
#include "core/text.h"

#include <algorithm>
#include <cmath>

namespace datagen
{
namespace
{
constexpr int kW = look::kScreenW;
constexpr int kH = look::kScreenH;
const Colour kPaper = hex(0xf3ead6);
const Colour kPaperShade = hex(0xdccdb0);
const Colour kInk = hex(0x12060a);

using roster::CharacterSpec;

const CharacterSpec* findSpec(const std::vector<CharacterSpec>& specs, const std::string& name)
{
    for (const CharacterSpec& s : specs)
        if (s.name == name)
            return &s;
    return nullptr;
}

std::vector<CharacterSpec> everyone()
{
    std::vector<CharacterSpec> cast = roster::heroForms();
    for (auto&& group : {roster::theAllies(), roster::theDemons(), roster::theBosses(), roster::theBonus()})
        cast.insert(cast.end(), group.begin(), group.end());
    return cast;
}

// A light paper plate with a gold-trimmed dark rim, for black text.
void paperPlate(Canvas& c, float x0, float y0, float x1, float y1, float radius = 6.0f)
{
    Mask shadow(c.width(), c.height());
    shadow.roundedRect(x0 + 3.0f, y0 + 4.0f, x1 + 3.0f, y1 + 4.0f, radius);
    c.fill(shadow.blurred(3.0f), solid(hex(0x000000)), Blend::Normal, 0.5f);
    Mask rim(c.width(), c.height());
    rim.roundedRect(x0 - 3.0f, y0 - 3.0f, x1 + 3.0f, y1 + 3.0f, radius + 2.0f);
    Mask body(c.width(), c.height());
    body.roundedRect(x0, y0, x1, y1, radius);
    fightlook::plate(c, rim.minus(body), y0 - 3.0f, y1 + 3.0f);
    c.fill(body, linear(0, y0, 0, y1, Gradient{{0.0f, kPaper}, {1.0f, kPaperShade}}));
}

// Dark menu lettering centred on (cx, cy), for a plate or a light field.
void label(Canvas& c, const std::string& text, float cx, float cy, float size, const Colour& fill = kPaper)
{
    look::CaptionOptions o;
    o.cx = cx;
    o.cy = cy;
    o.size = size;
    o.spacing = 2.0f;
    o.fill = fill;
    c.draw(look::caption(text, o), 0, 0);
}

Canvas title(Canvas back, const std::string& text, float cy, float size)
{
    fightlook::TextStyle style{look::titleFont(), size, 2.0f, 0.14f};
    float cap = 0.0f;
    const Mask letters = fightlook::lettering(style, text, kW, kH, 320.0f, cy, &cap);
    fightlook::fireLetters(back, letters, cy - cap * 0.5f, cy + cap * 0.5f);
    return back;
}

// The dusk city dimmed under a room's tint.
Canvas dimCity(std::uint32_t tint, float amount)
{
    look::CityOptions city;
    city.fighters = false;
    Canvas back = look::duskCity(city);
    back.fill(solid(hex(tint)), Blend::Normal, amount);
    return back;
}

// A picture cut from a bigger one at (x, y) and scaled by `f` from a drawing
// of `w` x `h`: the roster's figure fitted in that size, then cropped.
Canvas figure(const CharacterSpec& spec, int w, int h)
{
    return fromIndexed(roster::figureIcon(spec, w, h));
}

// The four frames of a selection icon around `picture` on a square plate.
std::vector<Canvas> selectionFrames(int size, const Canvas& picture)
{
    std::vector<Canvas> frames;
    for (int f = 0; f < 4; ++f)
    {
        const bool selected = f == 1 || f == 3;
        const bool locked = f >= 2;
        Canvas c(size, size);
        Mask shape(size, size);
        shape.roundedRect(2.0f, 2.0f, size - 2.0f, size - 2.0f, 8.0f);
        fightlook::PlateStyle style;
        style.warm = selected;
        style.tone = selected ? 0.1f : -0.35f;
        fightlook::plate(c, shape, 2.0f, size - 2.0f, style);
        Canvas inner = picture;
        if (locked)
        {
            // Greyed and darkened.
            for (int y = 0; y < inner.height(); ++y)
                for (int x = 0; x < inner.width(); ++x)
                {
                    Colour& p = inner.at(x, y);
                    const float grey = (p.r * 0.3f + p.g * 0.59f + p.b * 0.11f) * 0.55f;
                    p.r = p.g = p.b = grey;
                }
        }
        c.draw(inner, (size - inner.width()) / 2, (size - inner.height()) / 2);
        if (locked)
        {
            const float cx = size * 0.5f, cy = size * 0.56f, s = size / 80.0f;
            Mask shackle(size, size);
            shackle.ellipse(cx, cy - 8.0f * s, 9.0f * s, 11.0f * s);
            Mask hole(size, size);
            hole.ellipse(cx, cy - 8.0f * s, 5.5f * s, 7.5f * s);
            Mask lock(size, size);
            lock.roundedRect(cx - 13.0f * s, cy - 4.0f * s, cx + 13.0f * s, cy + 15.0f * s, 3.0f * s);
            const Mask whole = shackle.minus(hole);
            c.fill(whole.grown(1.2f), solid(kInk));
            c.fill(whole, solid(hex(0xb8bcc4)));
            fightlook::plate(c, lock, cy - 4.0f * s, cy + 15.0f * s);
            Mask keyhole(size, size);
            keyhole.circle(cx, cy + 3.5f * s, 2.6f * s);
            keyhole.rect(cx - 1.2f * s, cy + 3.5f * s, cx + 1.2f * s, cy + 10.0f * s);
            c.fill(keyhole, solid(kInk));
        }
        if (selected)
        {
            Mask ring(size, size);
            ring.roundedRect(0.0f, 0.0f, size, size, 9.0f);
            Mask inside(size, size);
            inside.roundedRect(3.0f, 3.0f, size - 3.0f, size - 3.0f, 7.0f);
            fightlook::goldTrim(c, ring.minus(inside), 0.0f, static_cast<float>(size));
        }
        frames.push_back(c);
    }
    return frames;
}

bool writeIcon(const std::string& dir, int size, const Canvas& picture)
{
    return fightlook::writeFrames(dir, selectionFrames(size, picture), {1000, 1000, 1000, 1000}, 0.2f);
}

// Shop --------------------------------------------------------------------------------------------

constexpr int kShopButtonW = 320;
constexpr int kShopButtonH = 50;

Canvas shopBackdrop()
{
    // A back room: dark planks, racks of arms on the wall, a lamp over the counter.
    Canvas c(kW, kH);
    c.fill(linear(0, 0, 0, kH, Gradient{{0.0f, hex(0x2a1a14)}, {1.0f, hex(0x120a08)}}));
    Mask planks(kW, kH);
    for (int x = 0; x < kW; x += 46)
        planks.rect(x, 0, x + 2.0f, kH);
    c.fill(planks, solid(hex(0x0a0604)), Blend::Normal, 0.7f);
    // Racks of blades and bats along the back wall.
    Mask rack(kW, kH);
    rack.rect(340.0f, 120.0f, 640.0f, 126.0f);
    rack.rect(340.0f, 230.0f, 640.0f, 236.0f);
    c.fill(rack, solid(hex(0x6a4424)));
    Mask steel(kW, kH);
    for (int i = 0; i < 7; ++i)
    {
        const float x = 360.0f + i * 40.0f;
        steel.line({x, 130.0f}, {x + 6.0f, 225.0f}, 3.0f);
        steel.line({x - 6.0f, 138.0f}, {x + 8.0f, 138.0f}, 2.0f);
    }
    c.fill(steel.grown(1.0f), solid(kInk));
    c.fill(steel, linear(0, 130, 0, 225, Gradient{{0.0f, hex(0xe8eef4)}, {1.0f, hex(0x6a7484)}}));
    // The lamp's pool of warm light.
    Mask lamp(kW, kH);
    lamp.ellipse(420.0f, 60.0f, 260.0f, 220.0f);
    c.fill(lamp.blurred(40.0f), solid(hex(0xffb060)), Blend::Screen, 0.35f);
    c.vignette(0.5f);
    Canvas titled = title(c, "SHOP", 60.0f, 52.0f);
    // Light plates for the coins and the stat readouts.
    paperPlate(titled, 470.0f, 14.0f, 632.0f, 42.0f);
    paperPlate(titled, 460.0f, 284.0f, 632.0f, 372.0f);
    return titled;
}

// The stat icons on the left of the buttons: fist, shield, boot and heart.
Mask statIcon(int stat, float x, float y)
{
    Mask m(kShopButtonW, kShopButtonH);
    switch (stat)
    {
    case 0: // a fist
        m.roundedRect(x - 12.0f, y - 8.0f, x + 10.0f, y + 10.0f, 5.0f);
        m.roundedRect(x - 16.0f, y - 3.0f, x - 8.0f, y + 8.0f, 3.0f);
        break;
    case 1: // a shield
        m.polygon({{x - 12.0f, y - 12.0f},
                   {x + 12.0f, y - 12.0f},
                   {x + 10.0f, y + 3.0f},
                   {x, y + 13.0f},
                   {x - 10.0f, y + 3.0f}});
        break;
    case 2: // a boot
        m.polygon({{x - 8.0f, y - 13.0f},
                   {x + 2.0f, y - 13.0f},
                   {x + 2.0f, y + 2.0f},
                   {x + 14.0f, y + 5.0f},
                   {x + 14.0f, y + 12.0f},
                   {x - 9.0f, y + 12.0f}});
        break;
    default: // a heart
        m.circle(x - 6.0f, y - 4.0f, 7.0f);
        m.circle(x + 6.0f, y - 4.0f, 7.0f);
        m.polygon({{x - 13.0f, y - 2.0f}, {x + 13.0f, y - 2.0f}, {x, y + 13.0f}});
        break;
    }
    return m;
}

Canvas shopButton(int index, bool selected)
{
    Canvas c(kShopButtonW, kShopButtonH);
    Mask shape(kShopButtonW, kShopButtonH);
    shape.polygon({{2.0f, 2.0f},
                   {kShopButtonW - 14.0f, 2.0f},
                   {kShopButtonW - 2.0f, kShopButtonH - 2.0f},
                   {2.0f, kShopButtonH - 2.0f}});
    fightlook::PlateStyle style;
    style.warm = selected;
    fightlook::plate(c, shape, 2.0f, kShopButtonH - 2.0f, style);
    if (index == 4)
    {
        Canvas text(kW, kH);
        label(text, "LEAVE", kShopButtonW * 0.5f, kShopButtonH * 0.5f, 20.0f);
        c.draw(text.crop(0, 0, kShopButtonW, kShopButtonH), 0, 0);
        return c;
    }
    const Mask icon = statIcon(index, 27.0f, 25.0f);
    c.fill(icon.grown(1.5f), solid(kInk));
    const Colour colours[4] = {hex(0xf0b890), hex(0x9ab4d8), hex(0x9a6a40), hex(0xe83040)};
    c.fill(icon, solid(colours[index]));
    // The light field the price line is written on, 15 pixels down.
    Mask field(kShopButtonW, kShopButtonH);
    field.roundedRect(53.0f, 12.0f, kShopButtonW - 22.0f, 38.0f, 4.0f);
    c.fill(field, linear(0, 12, 0, 38, Gradient{{0.0f, kPaper}, {1.0f, kPaperShade}}));
    return c;
}

bool writeShop(const std::string& dataDir)
{
    const std::string dir = joinPath(dataDir, "screens/shop");
    const Canvas back = shopBackdrop();
    bool ok = fightlook::writeFrames(dir, {back}, {1000}, 0.4f, false);
    for (int i = 0; i < 5; ++i)
        ok = fightlook::writeFrames(joinPath(dir, "button" + std::to_string(i)),
                                    {shopButton(i, false), shopButton(i, true)}, {1000, 1000}, 0.2f) &&
             ok;
    return ok;
}

// Weapon selection -------------------------------------------------------------------------------

constexpr int kIconSize = 80;
constexpr int kBigW = 280;
constexpr int kBigH = 240;

Canvas weaponBackdrop()
{
    Canvas c = dimCity(0x180c24, 0.55f);
    c = title(c, "WEAPONS", 44.0f, 48.0f);
    paperPlate(c, 300.0f, 80.0f, 637.0f, 290.0f);
    // The frame round the big picture.
    Mask frame(kW, kH);
    frame.rect(12.0f, 100.0f, 18.0f + kBigW + 6.0f, 106.0f + kBigH + 6.0f);
    Mask inside(kW, kH);
    inside.rect(18.0f, 106.0f, 18.0f + kBigW, 106.0f + kBigH);
    fightlook::plate(c, frame.minus(inside), 100.0f, 106.0f + kBigH + 6.0f);
    c.fill(inside, solid(hex(0x0a0612)));
    // The icon slots along the bottom.
    for (int i = 0; i < 6; ++i)
    {
        const float x = 50.0f + 90.0f * i;
        Mask slot(kW, kH);
        slot.roundedRect(x - 4.0f, 356.0f, x + kIconSize + 4.0f, 360.0f + kIconSize + 4.0f, 10.0f);
        c.fill(slot, solid(hex(0x05030a)), Blend::Normal, 0.75f);
    }
    return c;
}

Canvas bigPicture(const CharacterSpec* hero, int weapon)
{
    Canvas c(kBigW, kBigH);
    c.fill(radial(kBigW * 0.5f, kBigH * 0.45f, 220.0f,
                  Gradient{{0.0f, hex(0x5a3c6e)}, {0.6f, hex(0x26183a)}, {1.0f, hex(0x0c0814)}}));
    Mask floor(kBigW, kBigH);
    floor.ellipse(kBigW * 0.5f, kBigH - 18.0f, 90.0f, 14.0f);
    c.fill(floor.blurred(4.0f), solid(hex(0x000000)), Blend::Normal, 0.5f);
    if (hero)
    {
        const Canvas body = figure(*hero, kBigW - 40, kBigH - 16);
        c.draw(body, (kBigW - body.width()) / 2, kBigH - 8 - body.height());
    }
    else
    {
        Canvas text(kW, kH);
        label(text, "?", kBigW * 0.5f, kBigH * 0.5f, 120.0f);
        c.draw(text.crop(0, 0, kBigW, kBigH), 0, 0);
    }
    (void)weapon;
    return c;
}

Canvas questionPicture()
{
    Canvas text(kW, kH);
    label(text, "?", 40.0f, 40.0f, 52.0f);
    return text.crop(10, 10, 60, 60);
}

Canvas percentage(int quarter)
{
    Canvas c(32, 16);
    Mask shape(32, 16);
    shape.roundedRect(0.5f, 0.5f, 31.5f, 15.5f, 3.0f);
    fightlook::PlateStyle style;
    style.warm = quarter == 4;
    style.tone = -0.2f;
    fightlook::plate(c, shape, 0.5f, 15.5f, style);
    Typeface face(look::menuFont());
    if (face.ok())
    {
        face.setSize(quarter == 4 ? 9.5f : 10.5f);
        Mask text(32, 16);
        face.drawCentred(text, std::to_string(quarter * 25) + "%", 16.0f, 8.0f);
        c.fill(text.grown(0.8f), solid(kInk));
        c.fill(text, solid(kPaper));
    }
    return c;
}

Canvas numberPlate(int n, bool selected)
{
    Canvas c(30, 30);
    Mask shape(30, 30);
    shape.roundedRect(1.0f, 1.0f, 29.0f, 29.0f, 5.0f);
    fightlook::PlateStyle style;
    style.warm = selected;
    fightlook::plate(c, shape, 1.0f, 29.0f, style);
    Typeface face(look::menuFont());
    if (face.ok())
    {
        face.setSize(16.0f);
        Mask text(30, 30);
        face.drawCentred(text, std::to_string(n), 15.0f, 15.0f);
        c.fill(text.grown(1.0f), solid(kInk));
        c.fill(text, solid(kPaper));
    }
    return c;
}

Canvas equippedBadge()
{
    Canvas c(24, 18);
    Mask shape(24, 18);
    shape.polygon({{1.0f, 1.0f}, {23.0f, 1.0f}, {23.0f, 12.0f}, {12.0f, 17.0f}, {1.0f, 12.0f}});
    fightlook::PlateStyle style;
    style.warm = true;
    fightlook::plate(c, shape, 1.0f, 17.0f, style);
    Mask tick(24, 18);
    tick.polyline({{6.0f, 8.0f}, {10.5f, 12.0f}, {18.0f, 4.0f}}, 2.4f);
    c.fill(tick.grown(0.8f), solid(kInk));
    c.fill(tick, solid(hex(0xfff6d0)));
    return c;
}

bool writeWeaponSelect(const std::string& dataDir)
{
    const std::string dir = joinPath(dataDir, "screens/weaponSelect");
    bool ok = fightlook::writeFrames(joinPath(dir, "new"), {weaponBackdrop()}, {1000}, 0.4f, false);
    ok = fightlook::writeFrames(joinPath(dir, "equipped"), {equippedBadge()}, {1000}, 0.0f) && ok;
    const std::vector<CharacterSpec> heroes = roster::heroForms();
    const char* const folders[6] = {"vlad", "bbbat", "whip", "swords", "gauntlets", "blackblade"};
    for (int i = 0; i < 6; ++i)
    {
        const CharacterSpec* hero =
            i < static_cast<int>(heroes.size()) ? &heroes[static_cast<std::size_t>(i)] : nullptr;
        const std::string folder = joinPath(dir, folders[i]);
        const Canvas icon = hero ? fromIndexed(roster::weaponIcon(*hero, 64, 64)) : questionPicture();
        ok = writeIcon(folder, kIconSize, icon) && ok;
        ok =
            fightlook::writeFrames(joinPath(folder, "big"), {bigPicture(hero, i)}, {1000}, 0.3f, false) && ok;
    }
    ok = writeIcon(joinPath(dir, "default"), kIconSize, questionPicture()) && ok;
    ok = fightlook::writeFrames(joinPath(dir, "default/big"), {bigPicture(nullptr, -1)}, {1000}, 0.3f,
                                false) &&
         ok;

    for (int i = 0; i < 6; ++i)
        ok = fightlook::writeFrames(joinPath(dataDir, "screens/10buttons/button" + std::to_string(i)),
                                    {numberPlate(i + 1, false), numberPlate(i + 1, true)}, {1000, 1000},
                                    0.0f) &&
             ok;
    std::vector<Canvas> quarters;
    for (int q = 0; q <= 4; ++q)
        quarters.push_back(percentage(q));
    return fightlook::writeFrames(joinPath(dataDir, "screens/ui/percentages"), quarters,
                                  std::vector<int>(quarters.size(), 1000), 0.0f) &&
           ok;
}

// Ally selection ---------------------------------------------------------------------------------

constexpr int kCellSize = 76;
constexpr int kPictureW = 240;
constexpr int kPictureH = 300;

// The figure's head and shoulders, fitted to a cell: the top of what the
// drawing covers, centred on it.
Canvas bust(const CharacterSpec& spec)
{
    const Canvas whole = figure(spec, kCellSize * 2, kCellSize * 3);
    const int w = std::min(whole.width(), kCellSize - 12);
    const int h = std::min(whole.height(), kCellSize - 12);
    int top = whole.height(), left = whole.width(), right = -1;
    for (int y = 0; y < whole.height() && y < top + h; ++y)
        for (int x = 0; x < whole.width(); ++x)
            if (whole.at(x, y).a > 0.5f)
            {
                top = std::min(top, y);
                left = std::min(left, x);
                right = std::max(right, x);
            }
    if (right < 0)
        return Canvas(w, h);
    const int x = std::clamp((left + right) / 2 - w / 2, 0, whole.width() - w);
    return whole.crop(x, std::min(top, whole.height() - h), w, h);
}

Canvas allyBackdrop()
{
    Canvas c = dimCity(0x0c1424, 0.5f);
    c = title(c, "ALLIES", 60.0f, 52.0f);
    // The grid's frame.
    Mask frame(kW, kH);
    frame.roundedRect(50.0f, 150.0f, 310.0f, 410.0f, 10.0f);
    Mask inside(kW, kH);
    inside.rect(58.0f, 158.0f, 302.0f, 402.0f);
    fightlook::plate(c, frame.minus(inside), 150.0f, 410.0f);
    c.fill(inside, solid(hex(0x08060e)), Blend::Normal, 0.8f);
    // The plinth the equipped ally stands on.
    Mask glow(kW, kH);
    glow.ellipse(502.0f, 300.0f, 150.0f, 190.0f);
    c.fill(glow.blurred(30.0f), solid(hex(0x60a0ff)), Blend::Screen, 0.3f);
    Mask plinth(kW, kH);
    plinth.polygon({{392.0f, 430.0f}, {612.0f, 430.0f}, {596.0f, 462.0f}, {408.0f, 462.0f}});
    plinth.ellipse(502.0f, 430.0f, 110.0f, 16.0f);
    fightlook::plate(c, plinth, 414.0f, 462.0f);
    return c;
}

Canvas equippedPicture(const std::vector<const CharacterSpec*>& group, const std::string& caption)
{
    Canvas c(kPictureW, kPictureH);
    if (group.empty())
    {
        Canvas text(kW, kH);
        label(text, caption, kPictureW * 0.5f, kPictureH * 0.5f, 30.0f);
        c.draw(text.crop(0, 0, kPictureW, kPictureH), 0, 0);
        return c;
    }
    const int n = static_cast<int>(group.size());
    const int w = n == 1 ? kPictureW - 10 : kPictureW * 2 / (n + 1);
    const int h = n == 1 ? kPictureH - 10 : kPictureH * 3 / 4;
    for (int i = 0; i < n; ++i)
    {
        const Canvas body = figure(*group[static_cast<std::size_t>(i)], w, h);
        const int x =
            n == 1 ? (kPictureW - body.width()) / 2 : i * (kPictureW - w) / (n - 1) + (w - body.width()) / 2;
        const int y = kPictureH - body.height() - (n == 1 ? 2 : (i % 2) * 24 + 2);
        c.draw(body, x, y);
    }
    return c;
}

bool writeAllySelect(const std::string& dataDir)
{
    const std::string dir = joinPath(dataDir, "screens/allySelect");
    bool ok = fightlook::writeFrames(dir, {allyBackdrop()}, {1000}, 0.4f, false);
    const std::vector<CharacterSpec> cast = everyone();
    // By ally id: cell folder and the roster figure it shows.
    const std::pair<const char*, const char*> allies[8] = {
        {"default", nullptr},       {"SadGhost", "SadGhost"}, {"Male", "Male"}, {"Female", "Female"},
        {"HellSkull", "HellSkull"}, {"spectre", "Spectre"},   {"Andy", "Andy"}, {"Rigby", "Rigby"},
    };
    std::vector<const CharacterSpec*> bonus;
    for (const char* name : {"Vellin", "Tavin", "Merrowby", "Dravenholt", "Zhevan"})
        if (const CharacterSpec* spec = findSpec(cast, name))
            bonus.push_back(spec);

    std::vector<Canvas> pictures;
    for (const auto& ally : allies)
    {
        const CharacterSpec* spec = ally.second ? findSpec(cast, ally.second) : nullptr;
        if (ally.second && !spec)
            return false;
        ok = writeIcon(joinPath(dir, ally.first), kCellSize, spec ? bust(*spec) : Canvas(1, 1)) && ok;
        pictures.push_back(spec ? equippedPicture({spec}, "") : equippedPicture({}, "NO ALLY"));
    }
    // The bonus cell: the five bonus fighters' heads side by side.
    Canvas heads(kCellSize - 10, kCellSize - 10);
    for (std::size_t i = 0; i < bonus.size(); ++i)
    {
        const Canvas b = bust(*bonus[i]);
        const Canvas small = b.crop(0, 0, std::min(b.width(), 26), std::min(b.height(), 34));
        heads.draw(small, static_cast<int>(i) * 10, i % 2 ? 28 : 4);
    }
    ok = writeIcon(joinPath(dir, "BonusCharas"), kCellSize, heads) && ok;
    pictures.push_back(equippedPicture(bonus, ""));
    return fightlook::writeFrames(joinPath(dir, "selected"), pictures,
                                  std::vector<int>(pictures.size(), 1000), 0.3f) &&
           ok;
}
} // namespace

bool writeStoryMenus(const std::string& dataDir)
{
    bool ok = writeShop(dataDir);
    ok = writeWeaponSelect(dataDir) && ok;
    return writeAllySelect(dataDir) && ok;
}
} // namespace datagen
