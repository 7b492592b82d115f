// The story's portraits: roster characters waist-up in their own looks,
// facing right (the right slot mirrors them), and the blank portrait.
#include <algorithm>
#include <functional>

#include <cmath>

#include "content/roster/cast.h"
#include "content/story.h"
#include "content/story_kit.h"
#include "core/mask.h"
#include "core/noise.h"
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
    Pose p{"NickBBBat"};
    // The bat resting on his shoulder, the free arm hanging easy.
    p.repose = [](roster::Pose& q)
    {
        q.armN = {20.0f, 140.0f};
        q.weapon = -10.0f;
        q.armF = {-10.0f, 30.0f};
    };
    return portrait(p);
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

namespace
{
// A zombie waist-up, the near arm raised `raise` degrees from hanging and bent
// `bend` at the elbow, the far one a little lower, the mouth `jaw` open.
Canvas zombieReaching(float raise, float bend, float jaw)
{
    Pose p{"ZombieGuy"};
    p.repose = [=](roster::Pose& q)
    {
        q.armN = {raise, bend};
        q.armF = {raise - 10.0f, bend + 5.0f};
        q.jaw = jaw;
    };
    return portrait(p);
}
} // namespace

Canvas landLord()
{
    // Shambling at the door, arms half raised, elbows bent.
    return zombieReaching(55.0f, 45.0f, 0.5f);
}

// Scenes 2 to 11: Vlad and his blade, Nick's moods, Spectre, a zombie and Donatello.
namespace
{
// Figure pixels in the rows y0..y1 pushed towards a colour.
void tint(Canvas& c, int y0, int y1, Colour colour, float amount)
{
    for (int y = std::max(0, y0); y < std::min(c.height(), y1); ++y)
        for (int x = 0; x < c.width(); ++x)
        {
            Colour& p = c.at(x, y);
            if (p.a > 0.0f)
                p = withAlpha(mix(p, colour, amount), p.a);
        }
}

// The first row a portrait's figure reaches, and the figure's left and right
// in the `rows` below it.
struct Head
{
    int top = 0;
    float left = 0.0f, right = 0.0f;
};

Head headOf(const Canvas& c, int rows)
{
    Head h;
    h.left = static_cast<float>(c.width());
    while (h.top < c.height() &&
           [&]
           {
               for (int x = 0; x < c.width(); ++x)
                   if (c.at(x, h.top).a > 0.5f)
                       return false;
               return true;
           }())
        ++h.top;
    for (int y = h.top; y < std::min(c.height(), h.top + rows); ++y)
        for (int x = 0; x < c.width(); ++x)
            if (c.at(x, y).a > 0.5f)
            {
                h.left = std::min(h.left, static_cast<float>(x));
                h.right = std::max(h.right, static_cast<float>(x));
            }
    return h;
}

void bloodDrops(Canvas& c, float x, float y, float spread, std::uint32_t seed)
{
    Rng rng(seed);
    Mask m(c.width(), c.height());
    for (int i = 0; i < 7; ++i)
    {
        const float px = x + rng.range(-spread, spread), py = y + rng.range(-spread * 0.5f, spread);
        const float r = rng.range(2.0f, 4.5f);
        m.ellipse(px, py, r, r * 1.4f);
        m.line({px, py}, {px, py - r * 2.2f}, r * 0.8f);
    }
    c.fill(m.grown(1.0f), solid(hex(0x3a0408)));
    c.fill(m, solid(hex(0xb01018)));
}

// Nick with Vlad's blade in his near hand, his arms as `arms` sets them.
Canvas nickWithBlade(const std::function<void(roster::Pose&)>& arms, float cutAt = 0.55f)
{
    Pose p{"Nick"};
    p.repose = arms;
    return portrait(p, cutAt);
}

// Nick at ease, the blade on his shoulder.
Canvas nickAtEase(float upper, float bend, float blade, float freeArm, float head)
{
    return nickWithBlade(
        [=](roster::Pose& q)
        {
            q.armN = {upper, bend};
            q.weapon = blade;
            q.armF = {freeArm, 30.0f};
            q.head = head;
        });
}

Pose spectreUnarmed(const std::function<void(roster::Pose&)>& arms)
{
    Pose p{"Spectre"};
    p.unarmed = true;
    p.repose = arms;
    return p;
}

// Arms folded across the chest.
void armsFolded(roster::Pose& q)
{
    q.armN = {30.0f, 130.0f};
    q.armF = {30.0f, 125.0f};
    q.lean = -4.0f;
}
} // namespace

Canvas vladDraw()
{
    Pose p{"Vlad", "slash1", 0};
    // The blade drawn and raised, its point standing over his shoulder.
    p.repose = [](roster::Pose& q) { q.weapon = 90.0f - (q.armN.upper + q.armN.bend) - 20.0f; };
    Canvas c = portrait(p, 0.6f);
    const Head h = headOf(c, 40);
    tint(c, h.top, h.top + 50, hex(0x400010), 0.15f);
    return c;
}

Canvas vlad()
{
    Pose p{"Vlad"};
    // Upright, the hand resting on the hilt.
    p.repose = [](roster::Pose& q)
    {
        q.armN = {10.0f, 70.0f};
        q.weapon = 110.0f;
        q.lean = -3.0f;
    };
    return portrait(p);
}

Canvas vladWeak()
{
    Pose p{"Vlad"};
    // Reeling: head thrown back, eyes half shut, the sword arm dropped to his side.
    p.repose = [](roster::Pose& q)
    {
        q.lean = -6.0f;
        q.head = -20.0f;
        q.eyes = 0.2f;
        q.jaw = 0.5f;
        q.armN = {12.0f, 25.0f};
        q.weapon = -60.0f;
    };
    Canvas c = portrait(p);
    const Head h = headOf(c, 40);
    bloodDrops(c, (h.left + h.right) / 2, h.top + 40.0f, 25, 43);
    return c;
}

Canvas vladWep()
{
    Canvas c(kPortraitW, kPortraitH);
    vladBlade(c, {160.0f, 292.0f}, -90.0f, 280.0f, 1.0f, 0.15f);
    return c;
}

Canvas nickFury()
{
    Pose p{"Nick"};
    p.unarmed = true;
    // Shouting, fists clenched at his sides, red in the face.
    p.repose = [](roster::Pose& q)
    {
        q.armN = {20.0f, 110.0f};
        q.armF = {-20.0f, 110.0f};
        q.lean = 8.0f;
        q.head = -12.0f;
        q.jaw = 1.0f;
    };
    Canvas c = portrait(p);
    const Head h = headOf(c, 40);
    tint(c, h.top, h.top + 90, hex(0xff2010), 0.3f);
    return c;
}

Canvas nickShowVlad()
{
    return nickWithBlade(
        [](roster::Pose& q)
        {
            q.armN = {50.0f, 60.0f};
            q.weapon = 60.0f;
            q.head = -15.0f;
        },
        0.6f);
}

Canvas nickPumped()
{
    Pose p{"Nick"};
    p.unarmed = true;
    p.repose = [](roster::Pose& q)
    {
        q.armN = {115.0f, 55.0f};
        q.armF = {-15.0f, 60.0f};
        q.jaw = 0.6f;
    };
    return portrait(p);
}

Canvas nickNormal()
{
    return nickAtEase(20.0f, 140.0f, -10.0f, -10.0f, 0.0f);
}

Canvas nickNormalLater()
{
    return nickAtEase(35.0f, 120.0f, -30.0f, 10.0f, -8.0f);
}

Canvas nickReady()
{
    // On guard, the blade held low across his body, its point trailing behind.
    return nickWithBlade(
        [](roster::Pose& q)
        {
            q.armN = {30.0f, 60.0f};
            q.weapon = 105.0f;
            q.armF = {30.0f, 70.0f};
            q.lean = 6.0f;
        });
}

Canvas zombie()
{
    // Reaching for Nick, mouth wide.
    return zombieReaching(80.0f, 35.0f, 1.0f);
}

Canvas spectre()
{
    return portrait(spectreUnarmed(armsFolded));
}

Canvas spectrePhone()
{
    Canvas c = portrait(spectreUnarmed(
        [](roster::Pose& q)
        {
            q.armN = {25.0f, 165.0f};
            q.armF = {30.0f, 120.0f};
            q.head = 10.0f;
            q.lean = -6.0f;
        }));
    // The phone held to the side of his hood.
    const Head h = headOf(c, 60);
    const float x = h.left + (h.right - h.left) * 0.3f, y = h.top + 110.0f;
    Mask phone(kPortraitW, kPortraitH), screen(kPortraitW, kPortraitH), hand(kPortraitW, kPortraitH);
    phone.roundedRect(x - 9, y - 26, x + 9, y + 22, 4);
    screen.roundedRect(x - 6, y - 20, x + 6, y + 14, 2);
    hand.ellipse(x, y + 20, 13, 11);
    c.fill(phone.grown(1.5f), solid(hex(0x0a0a10)));
    c.fill(phone, solid(hex(0x2a2a34)));
    c.fill(screen, solid(hex(0x60ffd0)), Blend::Normal, 0.8f);
    c.fill(hand.grown(1.5f), solid(hex(0x0a0a10)));
    c.fill(hand, solid(hex(0x8a2a3a)));
    return c;
}

Canvas spectrePort()
{
    // Fading out in bands of his own teal, inside a column of teleport light.
    Canvas c = spectre();
    const Head h = headOf(c, 1);
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x)
        {
            Colour& px = c.at(x, y);
            if (px.a > 0.0f && ((y / 3) % 3 == 0 || y > h.top + (kPortraitH - h.top) * 0.6f))
                px = withAlpha(mix(px, hex(0x60ffd0), 0.7f), px.a);
        }
    Canvas flare(kPortraitW, kPortraitH);
    teleportFlare(flare, 160, 380, 380, hex(0x60ffd0), 53);
    // Only the flare's bright part: the portrait is keyed round what is left.
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x)
        {
            const Colour f = flare.at(x, y);
            if (f.a > 0.55f)
                c.blendPixel(x, y, withAlpha(f, 1.0f), std::min(1.0f, f.a));
        }
    return c;
}

Canvas donatello()
{
    return portrait(Pose{"Weldy", "pose1", 2}, 0.6f);
}

// Scenes 12 to 22.
namespace
{
// The middle of a portrait's head, taking its top `rows` rows as the head.
Vec2 headCentre(const Canvas& c, int rows)
{
    const Head h = headOf(c, rows);
    return {(h.left + h.right) / 2.0f, h.top + rows * 0.5f};
}

// A portrait of someone taking it easy on a supply crate, its lid tilted by `tilt`.
Canvas onCrate(const Canvas& portrait, float crateTop, float tilt)
{
    Canvas c(kPortraitW, kPortraitH);
    Mask box(c.width(), c.height()), slats(c.width(), c.height());
    const float x0 = 10.0f, x1 = 310.0f, bottom = kPortraitH + 20.0f;
    box.polygon({{x0, crateTop + tilt}, {x1, crateTop - tilt}, {x1, bottom}, {x0, bottom}});
    for (float x = x0 + 6.0f; x < x1; x += 26.0f)
        slats.rect(x, crateTop - std::fabs(tilt), x + 3.0f, bottom);
    slats.line({x0, crateTop + tilt + 10.0f}, {x1, crateTop - tilt + 10.0f}, 3.0f);
    c.fill(box, linear(0, crateTop, 0, bottom, Gradient{{0.0f, hex(0x8a6a3a)}, {1.0f, hex(0x4a3418)}}));
    c.fill(slats.times(box), solid(hex(0x3a2a14)), Blend::Normal, 0.7f);
    c.fill(box.grown(2.0f).minus(box), solid(hex(0x1a1208)));
    c.draw(portrait, 0, 0);
    return c;
}
} // namespace

Canvas nickRadio()
{
    Pose nick{"Nick"};
    nick.unarmed = true;
    // The far hand holds the handset to his ear; the near arm hangs easy.
    nick.repose = [](roster::Pose& q)
    {
        q.armF = {115.0f, 140.0f};
        q.armN = {-5.0f, 25.0f};
        q.head = 6.0f;
    };
    const Canvas figure = portrait(nick);
    const Head h = headOf(figure, 90);
    const float midX = (h.left + h.right) / 2.0f;
    Canvas c(kPortraitW, kPortraitH);
    // The red sword slung on his back, its hilt standing over the far shoulder.
    vladBlade(c, {h.left + 10.0f, h.top + 150.0f}, 65.0f, 260.0f, 0.0f, 0.1f);
    c.draw(figure, 0, 0);
    // A soldier's radio handset from his ear to the hand at his chin, its
    // cord coiling down and away.
    const Vec2 ear{midX - 8.0f, h.top + 105.0f}, mouth{h.right - 10.0f, h.top + 140.0f};
    Mask handset(kPortraitW, kPortraitH), cord(kPortraitW, kPortraitH);
    handset.line(ear, mouth, 9.0f);
    handset.ellipse(ear.x, ear.y, 13.0f, 17.0f);
    handset.ellipse(mouth.x, mouth.y, 12.0f, 10.0f);
    std::vector<Vec2> coil;
    for (int k = 0; k <= 60; ++k)
    {
        const float t = k / 60.0f;
        coil.push_back({mouth.x - t * 140 + std::sin(t * 40) * 5, mouth.y + 10 + t * 220});
    }
    cord.polyline(coil, 2.2f);
    c.fill(cord, solid(hex(0x1a1a14)));
    c.fill(handset.grown(1.5f), solid(hex(0x101008)));
    c.fill(handset,
           linear(ear.x, ear.y, mouth.x, mouth.y, Gradient{{0.0f, hex(0x3a4a2a)}, {1.0f, hex(0x5a6a3a)}}));
    return c;
}

Canvas brask()
{
    // Slouched on a crate, elbows on his knees.
    return onCrate(portrait(Pose{"Brask", "duck", 0, 2.0f, 0, false}, 0.75f), 300.0f, 0.0f);
}

Canvas oleck()
{
    Pose oleck{"Oleck"};
    oleck.unarmed = true;
    // Leaning far back, hands on his belly, eyes shut.
    oleck.repose = [](roster::Pose& q)
    {
        q.lean = -22.0f;
        q.head = -12.0f;
        q.armN = {10.0f, 100.0f};
        q.armF = {5.0f, 105.0f};
        q.eyes = 0.0f;
    };
    return onCrate(portrait(oleck, 0.7f), 310.0f, 12.0f);
}

Canvas oleck2()
{
    Pose oleck{"Oleck"};
    // On guard, the spear upright in his fist.
    oleck.repose = [](roster::Pose& q)
    {
        q.armN = {40.0f, 50.0f};
        q.armF = {30.0f, 60.0f};
        q.weapon = 0.0f;
        q.lean = 6.0f;
    };
    return portrait(oleck);
}

namespace
{
// Beaten and sagging: the head dropped, shoulders slumped, arms hanging.
void sagging(roster::Pose& q)
{
    q.lean = 14.0f;
    q.head = 24.0f;
    q.armN = {8.0f, 10.0f};
    q.armF = {-4.0f, 8.0f};
    q.eyes = 0.3f;
    q.jaw = 0.4f;
}
} // namespace

Canvas braskDie()
{
    Pose brask{"Brask"};
    brask.repose = sagging;
    Canvas c = portrait(brask);
    bloodied(c, 301);
    return c;
}

Canvas oleck2Die()
{
    Pose oleck{"Oleck"};
    oleck.unarmed = true;
    oleck.repose = sagging;
    Canvas c = portrait(oleck);
    bloodied(c, 303);
    return c;
}

namespace
{
// Giancarlo at his ease, arms folded, eyes half shut.
Canvas giancarloCalm()
{
    Pose gian{"Giancarlo"};
    gian.unarmed = true;
    gian.repose = [](roster::Pose& q)
    {
        q.armN = {30.0f, 130.0f};
        q.armF = {30.0f, 125.0f};
        q.lean = -3.0f;
        q.eyes = 0.5f;
    };
    return portrait(gian);
}
} // namespace

Canvas gian1()
{
    return giancarloCalm();
}

Canvas gian2()
{
    const Canvas figure = giancarloCalm();
    const Vec2 head = headCentre(figure, 80);
    Canvas c(kPortraitW, kPortraitH);
    spirits(c, head.x, head.y + 120, 140, 6, 311, 0.0f);
    c.draw(figure, 0, 0);
    spirits(c, head.x, head.y + 150, 150, 3, 313, 0.0f);
    return c;
}

namespace
{
// A pistol in profile: the slide back from `muzzle` along `back`, the grip
// under its rear on the `down` side.
void pistol(Canvas& c, Vec2 muzzle, Vec2 back, Vec2 down, float length)
{
    const float t = length * 0.24f;
    const Vec2 top = muzzle - down * (t * 0.5f), rear = muzzle + back * length;
    Mask gun(c.width(), c.height()), shine(c.width(), c.height()), guard(c.width(), c.height());
    gun.polygon({top, rear - down * (t * 0.5f), rear + down * (t * 0.5f), muzzle + down * (t * 0.5f)});
    const Vec2 g0 = muzzle + back * (length * 0.7f) + down * (t * 0.4f), g1 = rear + down * (t * 0.4f);
    const Vec2 rake = down * (length * 0.5f) + back * (length * 0.12f);
    gun.polygon({g0, g1, g1 + rake, g0 + rake});
    const Vec2 ring = muzzle + back * (length * 0.55f) + down * (t * 0.5f + length * 0.1f);
    guard.circle(ring.x, ring.y, length * 0.11f);
    guard = guard.minus(guard.inverted().grown(2.5f).inverted());
    shine.line(top + back * 3.0f + down * 2.5f, rear - down * (t * 0.5f - 2.5f) - back * 3.0f, 2.0f);
    c.fill(gun.grown(1.5f), solid(hex(0x08080a)));
    c.fill(guard.grown(1.0f), solid(hex(0x08080a)));
    c.fill(gun, solid(hex(0x34363e)));
    c.fill(guard, solid(hex(0x34363e)));
    c.fill(shine, solid(hex(0x9a9ea8)), Blend::Normal, 0.8f);
    Mask bore(c.width(), c.height());
    bore.circle(muzzle.x + back.x * 2.0f, muzzle.y + back.y * 2.0f, t * 0.18f);
    c.fill(bore, solid(hex(0x000000)));
}

// Redraws the gun the roster puts in `armed`'s near hand as a pistol: what
// the armed portrait adds to the bare-handed one gives its line; the muzzle
// is the end away from the head, and the hand stays over the grip.
void drawPistolOver(Canvas& armed, const Canvas& bare, Vec2 head)
{
    // Figure in both pictures, in the same colour.
    const auto sameFigure = [&](int x, int y)
    {
        const Colour& p = armed.at(x, y);
        const Colour& q = bare.at(x, y);
        return p.a > 0.5f && q.a > 0.5f &&
               std::fabs(p.r - q.r) + std::fabs(p.g - q.g) + std::fabs(p.b - q.b) <= 0.05f;
    };
    std::vector<Vec2> gun;
    for (int y = 0; y < armed.height(); ++y)
        for (int x = 0; x < armed.width(); ++x)
            if (armed.at(x, y).a > 0.5f && !sameFigure(x, y))
                gun.push_back({static_cast<float>(x), static_cast<float>(y)});
    if (gun.size() < 20)
        return;
    // The line through the gun's pixels.
    Vec2 mid{0.0f, 0.0f};
    for (const Vec2& p : gun)
        mid = mid + p;
    mid = mid * (1.0f / static_cast<float>(gun.size()));
    float sxx = 0.0f, syy = 0.0f, sxy = 0.0f;
    for (const Vec2& p : gun)
    {
        const Vec2 d = p - mid;
        sxx += d.x * d.x;
        syy += d.y * d.y;
        sxy += d.x * d.y;
    }
    const float angle = 0.5f * std::atan2(2.0f * sxy, sxx - syy);
    Vec2 u{std::cos(angle), std::sin(angle)};
    float lo = 1e9f, hi = -1e9f;
    for (const Vec2& p : gun)
    {
        const float s = (p - mid).x * u.x + (p - mid).y * u.y;
        lo = std::min(lo, s);
        hi = std::max(hi, s);
    }
    // Point u from the muzzle back to the hand.
    const Vec2 endLo = mid + u * lo, endHi = mid + u * hi;
    const auto dist = [](Vec2 a, Vec2 b) { return std::hypot(a.x - b.x, a.y - b.y); };
    Vec2 muzzle = endHi;
    if (dist(endLo, head) > dist(endHi, head))
        muzzle = endLo;
    else
        u = u * -1.0f;
    const float length = (hi - lo) * 0.8f;
    Vec2 down{-u.y, u.x};
    if (down.y < 0.0f)
        down = down * -1.0f;
    // The hand: where the armed portrait shows the figure over the old gun's line.
    Canvas over = armed;
    for (const Vec2& p : gun)
        over.at(static_cast<int>(p.x), static_cast<int>(p.y)) =
            bare.at(static_cast<int>(p.x), static_cast<int>(p.y));
    pistol(over, muzzle, u, down, length);
    const Vec2 hand = muzzle + u * (length * 0.85f) + down * (length * 0.2f);
    const float reach = length * 0.28f;
    for (int y = 0; y < armed.height(); ++y)
        for (int x = 0; x < armed.width(); ++x)
        {
            const bool inHand = dist({static_cast<float>(x), static_cast<float>(y)}, hand) < reach;
            if (!(inHand && sameFigure(x, y)))
                armed.at(x, y) = over.at(x, y);
        }
}
} // namespace

Canvas andy()
{
    Pose andy{"Andy", "blockHi", 0, 2.0f, 0, false};
    andy.holding = roster::Weapon::Pistols;
    Canvas c = portrait(andy);
    Pose bare = andy;
    bare.holding = std::nullopt;
    bare.unarmed = true;
    drawPistolOver(c, portrait(bare), headCentre(c, 80));
    const Vec2 head = headCentre(c, 80);
    // Shaking hands and a sweating brow.
    Mask shake(kPortraitW, kPortraitH), sweat(kPortraitW, kPortraitH);
    for (float side : {-1.0f, 1.0f})
        for (int k = 0; k < 3; ++k)
        {
            const float x = head.x + side * (70 + k * 8);
            shake.line({x, head.y + 60 + k * 6}, {x + side * 4, head.y + 80 + k * 6}, 2.0f);
        }
    sweat.ellipse(head.x + 30, head.y - 10, 4, 7);
    sweat.ellipse(head.x - 28, head.y + 2, 3, 6);
    c.fill(shake, solid(hex(0xffffff)), Blend::Normal, 0.9f);
    c.fill(sweat, solid(hex(0xa8d8ff)));
    return c;
}

// Scenes 23 to 33: Toulon the Fantastic, Nick in the gauntlets, Lilith, Johnny Blade and Rigby.
const roster::CharacterSpec& toulonLook()
{
    static const roster::CharacterSpec look = []
    {
        using namespace roster;
        CharacterSpec s;
        s.name = "Toulon";
        s.style.hair = HairStyle::Slick;
        s.style.hat = Headgear::TopHat;
        s.style.halfMask = true;
        s.style.coat = Coat::LongCoat;
        s.style.cape = true;
        s.style.gloves = true;
        s.style.boots = true;
        s.style.weapon = Weapon::Cane;
        s.style.body.limb = 0.95f;
        s.colours = colours({{Skin, 0xe8d4c4},
                             {Hair, 0x2a1a12},
                             {Top, 0x1e1a2a},
                             {Bottom, 0x1a1620},
                             {Inner, 0xf0ece4},
                             {Accent, 0xd0a030},
                             {Extra1, 0x8a1020},
                             {Eye, 0xf4f0e8},
                             {Dark, 0x141018},
                             {Shoes, 0x0e0c10}});
        KitOptions o;
        o.fighting = Fighting::Blunt;
        o.swagger = true;
        buildKit(s, o);
        return s;
    }();
    return look;
}

namespace
{
Pose toulonPose(const std::function<void(roster::Pose&)>& repose = {})
{
    Pose p{"Toulon"};
    p.look = &toulonLook();
    p.repose = repose;
    return p;
}
} // namespace

Canvas toulon()
{
    // The cane held upright before his chest like a wand, the free hand behind it.
    return portrait(toulonPose(
        [](roster::Pose& q)
        {
            q.armN = {30.0f, 130.0f};
            q.weapon = 0.0f;
            q.armF = {20.0f, 120.0f};
            q.head = -6.0f;
            q.jaw = 0.4f;
        }));
}

Canvas nickGauntlets()
{
    Pose p{"NickGauntlets"};
    // Both armoured fists up before the chest.
    p.repose = [](roster::Pose& q)
    {
        q.armN = {60.0f, 90.0f};
        q.armF = {45.0f, 100.0f};
        q.lean = 6.0f;
        q.jaw = 0.3f;
    };
    return portrait(p);
}

Canvas lilith()
{
    Pose p{"Lilith"};
    p.unarmed = true;
    p.repose = [](roster::Pose& q)
    {
        armsFolded(q);
        q.head = -8.0f;
        q.wings = 0.2f;
    };
    Canvas c = portrait(p);
    // A cold smile: a thin curve under the nose.
    const Head h = headOf(c, 60);
    const float x = h.left + (h.right - h.left) * 0.72f, y = h.top + 58.0f;
    Mask smile(kPortraitW, kPortraitH);
    smile.polyline({{x - 9, y - 2}, {x - 2, y + 2}, {x + 7, y - 3}}, 1.6f);
    c.fill(smile.times(c.alphaMask()), solid(hex(0x5a0a1a)));
    return c;
}

Canvas johnny()
{
    Pose p{"Johnny"};
    // The knife held up by the face, grinning.
    p.repose = [](roster::Pose& q)
    {
        q.armN = {120.0f, 80.0f};
        q.weapon = -90.0f;
        q.armF = {20.0f, 60.0f};
        q.head = -10.0f;
        q.lean = 10.0f;
        q.jaw = 0.8f;
    };
    return portrait(p);
}

Canvas rigby()
{
    Pose p{"Rigby"};
    // The rifle resting on her shoulder.
    p.repose = [](roster::Pose& q)
    {
        q.armN = {30.0f, 130.0f};
        q.weapon = 180.0f;
        q.armF = {-10.0f, 30.0f};
    };
    return portrait(p);
}
} // namespace datagen::story
