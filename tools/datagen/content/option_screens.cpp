// The options screens and the small menus the modes open, in the title
// screen's look: the dusk city, a fire-metal title on a gold-trimmed plate,
// slanted buttons matted onto the shaded part of the picture they sit on.
#include "content/fight_hud.h"
#include "content/fight_look.h"
#include "content/look.h"
#include "content/screens.h"
#include "core/files.h"
#include "core/mask.h"
#include "core/sprite_folder.h"
#include "core/text.h"

#include <cmath>

namespace datagen
{
namespace
{
constexpr int kW = look::kScreenW;
constexpr int kH = look::kScreenH;
constexpr std::uint32_t kShade = 0x05020a;

// A title in the logo's fire metal on a plate centred on (cx, cy).
void title(Canvas& c, const std::string& text, float cx, float cy, float size = 40.0f)
{
    fightlook::TextStyle style{look::titleFont(), size, 1.5f, 0.14f};
    const float half = std::min(300.0f, fightlook::textWidth(style, text) * 0.5f + 30.0f);
    Mask plate(kW, kH);
    plate.polygon({{cx - half + 12.0f, cy - size * 0.75f},
                   {cx + half + 12.0f, cy - size * 0.75f},
                   {cx + half - 12.0f, cy + size * 0.75f},
                   {cx - half - 12.0f, cy + size * 0.75f}});
    fightlook::plate(c, plate, cy - size * 0.75f, cy + size * 0.75f,
                     fightlook::PlateStyle{1.3f, 1.5f, false, -0.4f});
    float cap = 0.0f;
    const Mask letters = fightlook::lettering(style, text, kW, kH, cx, cy, &cap);
    fightlook::fireLetters(c, letters, cy - cap * 0.5f, cy + cap * 0.5f);
}

// A soft dark area that keeps buttons and notes readable over the city.
void shade(Canvas& c, float x0, float y0, float x1, float y1, float opacity = 0.55f)
{
    Mask m(kW, kH);
    m.roundedRect(x0, y0, x1, y1, 16.0f);
    c.fill(m.blurred(10.0f), solid(hex(kShade)), Blend::Normal, opacity);
}

// Plain lines of menu text, centred on cx, one every `step` pixels from y.
void lines(Canvas& c, const std::vector<std::string>& text, float cx, float y, float step, float size = 16.0f)
{
    look::CaptionOptions o;
    o.cx = cx;
    o.size = size;
    o.spacing = 1.0f;
    for (std::size_t i = 0; i < text.size(); ++i)
    {
        o.cy = y + step * static_cast<float>(i);
        c.draw(look::caption(text[i], o), 0, 0);
    }
}

Canvas city()
{
    look::CityOptions o;
    o.fighters = false;
    return look::duskCity(o);
}

bool writeBackdrop(const std::string& dir, const Canvas& picture)
{
    FrameInfo still;
    still.key = {-1, 0, 0};
    still.pause = 1000;
    SpriteFolder folder(dir);
    return folder.add(picture, still) && folder.finish();
}

bool writeArcade(const std::string& screens)
{
    Canvas c = city();
    shade(c, -20.0f, 138.0f, 212.0f, 252.0f, 0.7f);
    title(c, "ARCADE", 380.0f, 80.0f, 48.0f);
    const std::string dir = joinPath(screens, "arcade");
    return writeBackdrop(dir, c) &&
           writeMenuButtons(joinPath(dir, "Players"), c, {"1 PLAYER", "2 PLAYERS", "BACK"}, 0, 150);
}

bool writeGameOver(const std::string& screens)
{
    Canvas c = city();
    // Night has fallen on the city.
    c.fill(solid(hex(0x12020a)), Blend::Multiply, 0.35f);
    c.fill(solid(hex(0x300008)), Blend::Normal, 0.35f);
    title(c, "GAME OVER", 320.0f, 170.0f, 56.0f);
    // The plate behind the pause menu's RESUME and QUIT.
    Mask well(kW, kH);
    well.polygon({{212.0f, 240.0f}, {436.0f, 240.0f}, {428.0f, 320.0f}, {204.0f, 320.0f}});
    c.fill(well, solid(hex(kShade)), Blend::Normal, 0.6f);
    fightlook::goldTrim(c, well.grown(2.0f).minus(well), 238.0f, 322.0f);
    return writeBackdrop(joinPath(screens, "gameOver"), c);
}

bool writeHint(const std::string& screens)
{
    Canvas c = city();
    shade(c, 60.0f, 140.0f, 580.0f, 420.0f, 0.75f);
    title(c, "DUAL WIELDING", 320.0f, 80.0f, 44.0f);
    // The C button, drawn large, beside what it does.
    const Canvas icon = buttonIcon(2);
    const int zoom = 3;
    for (int y = 0; y < icon.height() * zoom; ++y)
        for (int x = 0; x < icon.width() * zoom; ++x)
        {
            const Colour& p = icon.at(x / zoom, y / zoom);
            c.blendPixel(100 + x, 170 + y, withAlpha(p, 1.0f), p.a);
        }
    look::CaptionOptions o;
    o.size = 18.0f;
    o.spacing = 1.0f;
    o.cx = 360.0f;
    o.cy = 197.0f;
    c.draw(look::caption("switch between your two weapons", o), 0, 0);
    lines(c,
          {"Weapons level up with the experience", "they gain in your hands.", "",
           "Shops and Weapon Select open on the map."},
          320.0f, 280.0f, 28.0f);
    lines(c, {"Press a button to go on"}, 320.0f, 400.0f, 0.0f, 13.0f);
    return writeBackdrop(joinPath(screens, "hint/hint2"), c);
}

bool writeResetData(const std::string& screens)
{
    Canvas c = city();
    shade(c, 190.0f, 236.0f, 450.0f, 320.0f, 0.7f);
    title(c, "ERASE ALL STORY PROGRESS?", 320.0f, 170.0f, 30.0f);
    const std::string dir = joinPath(screens, "resetData");
    return writeBackdrop(dir, c) && writeMenuButtons(dir, c, {"NO", "YES"}, 224, 250);
}

// The volume screen's big buttons: 280x150 plates with the label level with
// the bar the game draws beside them.
Canvas soundPlate(const std::string& label, bool selected)
{
    Canvas p(280, 150);
    Mask shape(280, 150);
    shape.polygon({{24.0f, 40.0f}, {270.0f, 40.0f}, {256.0f, 110.0f}, {10.0f, 110.0f}});
    fightlook::PlateStyle style;
    style.warm = selected;
    fightlook::plate(p, shape, 40.0f, 110.0f, style);
    fightlook::TextStyle text{look::menuFont(), 26.0f, 2.0f, 0.12f};
    float cap = 0.0f;
    const Mask letters = fightlook::lettering(text, label, 280, 150, 140.0f, 75.0f, &cap);
    p.fill(letters.grown(1.5f), solid(hex(fightlook::kEdge)));
    p.fill(letters, solid(selected ? hex(0xffffff) : hex(0xd8cce8)));
    return p;
}

bool writeSoundButtons(const std::string& dir, const Canvas& backdrop)
{
    bool ok = true;
    const char* const labels[2] = {"MUSIC", "EFFECTS"};
    for (int i = 0; i < 2; ++i)
    {
        const Canvas behind = backdrop.crop(0, 150 + 150 * i, 280, 150);
        QuantiseOptions q;
        q.matte = &behind;
        q.cutoff = 0.03f;
        q.dither = 0.5f;
        SpriteFolder button(joinPath(dir, "button" + std::to_string(i)));
        button.add(soundPlate(labels[i], false), FrameInfo{}, q);
        button.add(soundPlate(labels[i], true), FrameInfo{}, q);
        ok = button.finish() && ok;
    }
    // SAVE under the two plates, at y 450.
    SpriteFolder save(joinPath(dir, "button2"));
    const Canvas behind = backdrop.crop(0, 450, 192, 30);
    QuantiseOptions q;
    q.matte = &behind;
    q.cutoff = 0.03f;
    save.add(menuButton("SAVE", false), FrameInfo{}, q);
    save.add(menuButton("SAVE", true), FrameInfo{}, q);
    return save.finish() && ok;
}

bool writeOptions(const std::string& screens)
{
    Canvas c = city();
    shade(c, 208.0f, 318.0f, 432.0f, 500.0f);
    title(c, "OPTIONS", 320.0f, 80.0f, 48.0f);
    const std::string dir = joinPath(screens, "options");
    bool ok = writeBackdrop(dir, c);
    ok = writeMenuButtons(dir, c, {"SCREEN SIZE", "SOUND", "CONTROLS", "RESET DATA", "BACK"}, 224, 330) && ok;
    ok = writeMenuButtons(joinPath(dir, "ScreenSize"), c,
                          {"640\xC3\x97"
                           "480 FULL SCREEN",
                           "640\xC3\x97"
                           "480 WINDOW",
                           "800\xC3\x97"
                           "600",
                           "1024\xC3\x97"
                           "768",
                           "BACK"},
                          224, 330) &&
         ok;
    return writeSoundButtons(joinPath(dir, "Sound/buttons"), c) && ok;
}

bool writeControls(const std::string& screens)
{
    Canvas c = city();
    shade(c, 208.0f, 378.0f, 432.0f, 500.0f);
    title(c, "CONTROLS", 320.0f, 80.0f, 48.0f);
    lines(c, {"Choose whose keys and buttons to change."}, 320.0f, 340.0f, 0.0f);
    const std::string dir = joinPath(screens, "options/Controls");
    return writeBackdrop(dir, c) &&
           writeMenuButtons(joinPath(dir, "players"), c, {"PLAYER 1", "PLAYER 2", "BACK"}, 224, 390);
}

// A gamepad with leader lines from its parts to where the game writes each
// key's name (the game draws the boxes there).
Canvas padPicture()
{
    Canvas c = city();
    c.fill(solid(hex(kShade)), Blend::Normal, 0.35f);
    Mask body(kW, kH);
    body.roundedRect(150.0f, 150.0f, 490.0f, 270.0f, 50.0f);
    body.ellipse(190.0f, 260.0f, 52.0f, 70.0f);
    body.ellipse(450.0f, 260.0f, 52.0f, 70.0f);
    fightlook::plate(c, body, 150.0f, 330.0f, fightlook::PlateStyle{1.6f, 1.8f, false, -0.2f});

    // The cross of the directions, the start button and the three action buttons.
    Mask cross(kW, kH);
    cross.roundedRect(200.0f, 196.0f, 214.0f, 244.0f, 3.0f);
    cross.roundedRect(183.0f, 213.0f, 231.0f, 227.0f, 3.0f);
    c.fill(cross.grown(1.5f), solid(hex(fightlook::kEdge)));
    c.fill(cross, solid(hex(0x2a2036)));
    Mask start(kW, kH);
    start.roundedRect(306.0f, 240.0f, 336.0f, 252.0f, 6.0f);
    c.fill(start.grown(1.5f), solid(hex(fightlook::kEdge)));
    c.fill(start, solid(hex(0x6e5a8c)));
    const struct
    {
        float x, y;
        std::uint32_t top, bottom;
    } buttons[3] = {{410.0f, 200.0f, 0xffc24a, 0xc8400c},
                    {440.0f, 226.0f, 0xb48ae0, 0x4a2a78},
                    {452.0f, 190.0f, 0x8ee0d0, 0x1e6a70}};
    for (const auto& b : buttons)
    {
        Mask disc(kW, kH);
        disc.circle(b.x, b.y, 11.0f);
        c.fill(disc.grown(1.5f), solid(hex(fightlook::kEdge)));
        c.fill(disc,
               linear(0, b.y - 11.0f, 0, b.y + 11.0f, Gradient{{0.0f, hex(b.top)}, {1.0f, hex(b.bottom)}}));
    }

    // From each part to its label: up, down, left, right, A, B, C, pause.
    const Vec2 parts[8] = {{207.0f, 198.0f}, {207.0f, 244.0f}, {185.0f, 220.0f}, {229.0f, 220.0f},
                           {410.0f, 200.0f}, {440.0f, 226.0f}, {452.0f, 190.0f}, {321.0f, 252.0f}};
    const Vec2 labels[8] = {{169.0f, 123.0f}, {102.0f, 236.0f}, {148.0f, 169.0f}, {252.0f, 111.0f},
                            {445.0f, 130.0f}, {487.0f, 176.0f}, {507.0f, 127.0f}, {301.0f, 319.0f}};
    // The game's box for a key runs from 2 pixels left of its spot, 4 pixels
    // wider than the key's name, from 5 above to 20 below: for a name of one
    // narrow letter ("i") about 8 pixels wide. Each leader ends inside that
    // narrowest box, so no box leaves a stub of line poking out past it.
    Mask leaders(kW, kH);
    for (int i = 0; i < 8; ++i)
    {
        const Vec2 spot{labels[i].x + 2.0f, labels[i].y + 7.0f};
        leaders.line(parts[i], spot, 1.6f);
        leaders.circle(parts[i].x, parts[i].y, 2.6f);
    }
    c.fill(leaders.grown(1.2f), solid(hex(fightlook::kEdge)), Blend::Normal, 0.8f);
    c.fill(leaders, solid(hex(0xffd27a)));

    // The notes the game writes at the lower right stay on dark.
    Mask notes(kW, kH);
    notes.rect(437.0f, 400.0f, 640.0f, 460.0f);
    c.fill(notes, solid(hex(kShade)), Blend::Normal, 0.85f);
    shade(c, 208.0f, 350.0f, 432.0f, 500.0f);
    return c;
}

bool writeMapping(const std::string& screens)
{
    const Canvas c = padPicture();
    const std::string dir = joinPath(screens, "options/Controls/map");
    return writeBackdrop(dir, c) &&
           writeMenuButtons(dir, c, {"KEYS", "PAD BUTTONS", "JOYSTICK OFF", "SAVE"}, 224, 360);
}
} // namespace

bool writeOptionScreens(const std::string& dataDir)
{
    const std::string screens = joinPath(dataDir, "screens");
    bool ok = writeArcade(screens);
    ok = writeGameOver(screens) && ok;
    ok = writeHint(screens) && ok;
    ok = writeResetData(screens) && ok;
    ok = writeOptions(screens) && ok;
    ok = writeControls(screens) && ok;
    return writeMapping(screens) && ok;
}
} // namespace datagen
