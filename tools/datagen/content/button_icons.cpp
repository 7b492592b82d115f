// Controller-button icons for the HUD's command rows and the main menu's key
// legend: round gold-rimmed buttons, the three attack buttons in their own
// colours with their letter, the four directions as arrows on gunmetal. The
// faded set, shown for moves the fighter cannot afford yet, is the same
// icons drained of colour and light.
#include "content/fight_hud.h"

#include "content/fight_look.h"
#include "content/look.h"
#include "core/files.h"

namespace datagen
{
namespace
{
constexpr int kIcon = 18;

struct IconSpec
{
    const char* letter; // empty for an arrow
    float arrowAngle;   // quarter turns clockwise from pointing down
    std::uint32_t top, bottom;
};

// In the order the game numbers them: A, B, C, down, left, up, right.
const IconSpec kIcons[7] = {
    {"A", 0, 0xffc24a, 0xc8400c}, {"B", 0, 0xb48ae0, 0x4a2a78}, {"C", 0, 0x8ee0d0, 0x1e6a70},
    {"", 0, 0x6e5a8c, 0x1a1026},  {"", 1, 0x6e5a8c, 0x1a1026},  {"", 2, 0x6e5a8c, 0x1a1026},
    {"", 3, 0x6e5a8c, 0x1a1026},
};

Colour greyed(const Colour& c)
{
    const float grey = 0.3f * c.r + 0.55f * c.g + 0.15f * c.b;
    Colour out = mix(Colour{grey, grey, grey, c.a}, hex(0x2a2436, c.a), 0.35f);
    out.r *= 0.62f;
    out.g *= 0.62f;
    out.b *= 0.62f;
    return out;
}

Canvas icon(const IconSpec& spec, bool faded)
{
    Canvas c(kIcon, kIcon);
    const float mid = kIcon * 0.5f;
    Mask disc(kIcon, kIcon);
    disc.circle(mid, mid, 7.4f);
    c.fill(disc.grown(1.2f), solid(hex(fightlook::kEdge)));
    const Mask body = fightlook::eroded(disc, 1.5f);
    fightlook::goldTrim(c, disc.minus(body), 1.0f, kIcon - 1.0f);
    c.fill(body, linear(0, 3.0f, 0, kIcon - 3.0f, Gradient{{0.0f, hex(spec.top)}, {1.0f, hex(spec.bottom)}}));
    Mask gloss(kIcon, kIcon);
    gloss.ellipse(mid - 1.0f, 6.0f, 4.2f, 2.2f);
    c.fill(gloss.times(body), solid(hex(0xffffff)), Blend::Normal, 0.35f);

    Mask mark(kIcon, kIcon);
    if (*spec.letter)
    {
        fightlook::TextStyle style{look::menuFont(), 10.5f, 0.0f, 0.0f};
        mark = fightlook::lettering(style, spec.letter, kIcon, kIcon, mid, mid);
    }
    else
    {
        // An arrow pointing down, turned a quarter at a time.
        const std::vector<Vec2> down = {{-1.6f, -5.0f}, {1.6f, -5.0f}, {1.6f, 0.0f}, {4.6f, 0.0f},
                                        {0.0f, 5.0f},   {-4.6f, 0.0f}, {-1.6f, 0.0f}};
        std::vector<Vec2> turned;
        for (Vec2 p : down)
        {
            for (int q = 0; q < static_cast<int>(spec.arrowAngle); ++q)
                p = Vec2{-p.y, p.x};
            turned.push_back({mid + p.x, mid + p.y});
        }
        mark.polygon(turned);
    }
    c.fill(mark.grown(1.0f), solid(hex(fightlook::kEdge)), Blend::Normal, 0.9f);
    c.fill(mark, solid(hex(0xfffaf0)));
    if (faded)
        for (int y = 0; y < kIcon; ++y)
            for (int x = 0; x < kIcon; ++x)
                c.at(x, y) = greyed(c.at(x, y));
    return c;
}
} // namespace

Canvas buttonIcon(int index)
{
    return icon(kIcons[index < 0 || index > 6 ? 0 : index], false);
}

bool writeButtonIcons(const std::string& dataDir)
{
    std::vector<Canvas> bright, faded;
    for (const IconSpec& spec : kIcons)
    {
        bright.push_back(icon(spec, false));
        faded.push_back(icon(spec, true));
    }
    const std::vector<int> pauses(bright.size(), 100);
    const bool ok = fightlook::writeFrames(joinPath(dataDir, "screens/ui/buttons"), bright, pauses, 0.0f);
    return fightlook::writeFrames(joinPath(dataDir, "screens/ui/fadedButtons"), faded, pauses, 0.0f) && ok;
}
} // namespace datagen
