// The story's backgrounds and stills, and the dialogue box and blank
// background every scene starts from.
#include <algorithm>
#include <cmath>

#include "content/airship_drawing.h"
#include "content/backgrounds_scenes.h"
#include "content/look.h"
#include "content/stage_kit.h"
#include "content/story.h"
#include "content/story_kit.h"
#include "core/mask.h"
#include "core/noise.h"
#include "core/text.h"

namespace datagen::story
{
namespace
{
// The menus' cream and ink, shared with the title and pause screens.
const Colour kCream = hex(0xf4ead8);
const Colour kInk = hex(0x2a1810);

// A rounded rectangle of a colour with a lighter top edge: cabinets, frames, bezels.
void panel(Canvas& c, float x0, float y0, float x1, float y1, float radius, Colour colour)
{
    Mask m(c.width(), c.height());
    m.roundedRect(x0, y0, x1, y1, radius);
    c.fill(m.grown(3.0f).blurred(3.0f).shifted(4, 5), solid(hex(0x000000)), Blend::Normal, 0.45f);
    c.fill(m, linear(0, y0, 0, y1, Gradient{{0.0f, shade(colour, 0.18f)}, {1.0f, shade(colour, -0.2f)}}));
}

// Nick's television filling the view, the invented fighting game on its
// screen: a street stage, his fighter on the left, the computer's on the
// right, their health bars above.
struct TvGame
{
    float playerHealth = 0.1f;
    Pose player{"Male", "hit1", 0, 1.15f, 3, false};
    Pose cpu{"Brask", "kick1", 1, 1.15f, 2, true};
    float playerX = 250.0f, cpuX = 380.0f;
    bool burst = true;
    const char* banner = nullptr;
    float dim = 0.0f;
};

constexpr float kScreenX0 = 44.0f, kScreenY0 = 40.0f, kScreenX1 = 596.0f, kScreenY1 = 340.0f;

Canvas television(const TvGame& g)
{
    Canvas c(kStillW, kStillH, hex(0x141018));
    c.fill(radial(320, 200, 420, Gradient{{0.0f, hex(0x3a4a7a, 0.5f)}, {1.0f, hex(0x000000, 0.0f)}}));
    panel(c, 14, 16, 626, 372, 14, hex(0x242428));
    Mask speaker(c.width(), c.height());
    for (float x = 70; x < 580; x += 8)
        speaker.rect(x, 352, x + 4, 360);
    c.fill(speaker, solid(hex(0x0c0c10)));
    const int sw = static_cast<int>(kScreenX1 - kScreenX0), sh = static_cast<int>(kScreenY1 - kScreenY0);
    Canvas game = place(borderStreet(false), 500.0f).crop(44, 100, sw, sh);
    // Field feet at y 348 land 248 down the screen.
    const float feet = 348.0f - 100.0f;
    stand(game, figure(g.player), g.playerX - kScreenX0, feet + (g.player.clip == "crash" ? 4.0f : 0.0f));
    stand(game, figure(g.cpu), g.cpuX - kScreenX0, feet);
    if (g.burst)
        impactBurst(game, (g.playerX + g.cpuX) * 0.5f - kScreenX0, feet - 110.0f, 46.0f, hex(0xffd040), 12);
    // Health bars: the player's nearly gone.
    const float barW = 220.0f;
    for (int side = 0; side < 2; ++side)
    {
        const float x0 = side == 0 ? 16.0f : sw - 16.0f - barW;
        Mask back(sw, sh), fillBar(sw, sh);
        back.rect(x0 - 2, 12, x0 + barW + 2, 30);
        const float left = side == 0 ? g.playerHealth : 0.92f;
        if (side == 0)
            fillBar.rect(x0 + barW * (1.0f - left), 14, x0 + barW, 28);
        else
            fillBar.rect(x0, 14, x0 + barW * left, 28);
        game.fill(back, solid(hex(0x101010)));
        game.fill(fillBar, linear(0, 14, 0, 28, Gradient{{0.0f, hex(0xfff080)}, {1.0f, hex(0xd07010)}}));
    }
    if (g.dim > 0.0f)
        game.fill(solid(hex(0x000000)), Blend::Normal, g.dim);
    if (g.banner)
        bigText(game, g.banner, sw * 0.5f, sh * 0.42f, 78.0f, hex(0xff4030), hex(0x200000));
    // Scanlines and glass glare.
    Mask lines(sw, sh);
    for (int y = 0; y < sh; y += 3)
        lines.rect(0, static_cast<float>(y), static_cast<float>(sw), y + 1.0f);
    game.fill(lines, solid(hex(0x000000)), Blend::Normal, 0.18f);
    game.fill(radial(sw * 0.3f, sh * 0.2f, sw * 0.7f,
                     Gradient{{0.0f, hex(0xffffff, 0.12f)}, {1.0f, hex(0xffffff, 0.0f)}}),
              Blend::Screen);
    game.vignette(0.45f);
    c.draw(game, static_cast<int>(kScreenX0), static_cast<int>(kScreenY0));
    // The glow of the screen on the room below.
    glow(c, 320, 420, 320, hex(0x5a7ad0), 0.25f);
    return c;
}

// The corridor outside Nick's flat, in one-point perspective.
Canvas corridor(bool doorDown)
{
    Canvas c(kStillW, kStillH, hex(0x201814));
    const float vx = 330.0f;
    const float bx0 = 250.0f, by0 = 120.0f, bx1 = 410.0f, by1 = 250.0f; // the far wall
    Mask floor(c.width(), c.height()), ceiling(c.width(), c.height()), leftWall(c.width(), c.height()),
        rightWall(c.width(), c.height()), back(c.width(), c.height());
    floor.polygon({{bx0, by1}, {bx1, by1}, {640, 480}, {0, 480}});
    ceiling.polygon({{0, 0}, {640, 0}, {bx1, by0}, {bx0, by0}});
    leftWall.polygon({{0, 0}, {bx0, by0}, {bx0, by1}, {0, 480}});
    rightWall.polygon({{640, 0}, {640, 480}, {bx1, by1}, {bx1, by0}});
    back.rect(bx0, by0, bx1, by1);
    c.fill(floor, linear(0, by1, 0, 480, Gradient{{0.0f, hex(0x3a2a22)}, {1.0f, hex(0x6a4a34)}}));
    c.fill(ceiling, linear(0, 0, 0, by0, Gradient{{0.0f, hex(0x4a443a)}, {1.0f, hex(0x2a2620)}}));
    c.fill(leftWall, linear(0, 0, bx0, 0, Gradient{{0.0f, hex(0x7a6a48)}, {1.0f, hex(0x3a3224)}}));
    c.fill(rightWall, linear(640, 0, bx1, 0, Gradient{{0.0f, hex(0x6a5a3c)}, {1.0f, hex(0x342c20)}}));
    c.fill(back, solid(hex(0x2a241c)));
    // Carpet runner down the middle, and doors along both walls.
    Mask runner(c.width(), c.height());
    runner.polygon({{vx - 30, by1}, {vx + 30, by1}, {470, 480}, {190, 480}});
    c.fill(runner, linear(0, by1, 0, 480, Gradient{{0.0f, hex(0x3a1014)}, {1.0f, hex(0x7a2028)}}));
    auto wallPoint = [&](bool right, float t, float y)
    {
        // t 0 at the near edge, 1 at the far wall; y 0 floor .. 1 ceiling.
        const float nearX = right ? 640.0f : 0.0f, farX = right ? bx1 : bx0;
        const float x = nearX + (farX - nearX) * t;
        const float floorY = 480.0f + (by1 - 480.0f) * t, ceilY = 0.0f + (by0 - 0.0f) * t;
        return Vec2{x, floorY + (ceilY - floorY) * y};
    };
    for (bool right : {false, true})
        for (float t : {0.35f, 0.7f})
        {
            Mask door(c.width(), c.height());
            const float t0 = t, t1 = t + 0.12f;
            door.polygon({wallPoint(right, t0, 0.0f), wallPoint(right, t1, 0.0f), wallPoint(right, t1, 0.72f),
                          wallPoint(right, t0, 0.72f)});
            c.fill(door.grown(2.0f), solid(hex(0x1a120c)));
            c.fill(door, solid(hex(0x5a3a22)));
        }
    // Ceiling lamps, one flickering out.
    for (float t : {0.25f, 0.6f})
    {
        const float y = 0.0f + (by0 - 0.0f) * t + 6.0f;
        Mask lamp(c.width(), c.height());
        lamp.ellipse(vx, y, 40.0f * (1.0f - t * 0.7f), 5.0f);
        c.fill(lamp, solid(hex(0xfff0c0)));
        glow(c, vx, y + 30.0f, 200.0f * (1.0f - t * 0.6f), hex(0xffd890), t > 0.5f ? 0.2f : 0.45f);
    }
    if (doorDown)
    {
        // Nick's own door, kicked off its hinges, lies across the near floor.
        Mask slab(c.width(), c.height());
        slab.polygon({{60, 470}, {110, 372}, {330, 392}, {300, 480}});
        c.fill(slab.grown(2.0f), solid(hex(0x140c08)));
        c.fill(slab, linear(60, 470, 330, 392, Gradient{{0.0f, hex(0x6a4428)}, {1.0f, hex(0x8a5a34)}}));
        Mask knob(c.width(), c.height());
        knob.circle(272, 420, 6);
        c.fill(knob, solid(hex(0xd8b050)));
        Rng rng(5);
        Mask splinters(c.width(), c.height());
        for (int i = 0; i < 18; ++i)
        {
            const Vec2 p{rng.range(40.0f, 420.0f), rng.range(360.0f, 470.0f)};
            splinters.line(p, p + Vec2{rng.range(-18.0f, 18.0f), rng.range(-6.0f, 6.0f)},
                           rng.range(1.5f, 3.0f));
        }
        c.fill(splinters, solid(hex(0xb08050)));
        // The empty door frame on the left wall, nearest.
        Mask frame(c.width(), c.height());
        frame.polygon({wallPoint(false, 0.02f, 0.0f), wallPoint(false, 0.16f, 0.0f),
                       wallPoint(false, 0.16f, 0.75f), wallPoint(false, 0.02f, 0.75f)});
        c.fill(frame.grown(5.0f), solid(hex(0xe0d8c0)));
        c.fill(frame, solid(hex(0x0c0a08)));
    }
    c.vignette(0.4f);
    return c;
}
} // namespace

Canvas blankBg()
{
    return Canvas(kStillW, kStillH, hex(0x000000));
}

Canvas diaBox()
{
    const int w = 640, h = 100;
    Canvas c(w, h);
    Mask body(w, h);
    body.roundedRect(0, 0, w, h, 8);
    c.fill(body, solid(kInk));
    Mask inner(w, h);
    inner.roundedRect(2, 2, w - 2, h - 2, 6);
    c.fill(inner, linear(0, 0, 0, h, Gradient{{0.0f, hex(0xfbf4e6)}, {1.0f, kCream}}));
    // The name tab: a warmer strip at the top left, under the speaker's name.
    Mask tab(w, h);
    tab.roundedRect(4, 3, 236, 25, 6);
    c.fill(tab, solid(hex(0xe6d2ae)));
    Mask tabEdge(w, h);
    tabEdge.rect(8, 25, 232, 26);
    c.fill(tabEdge, solid(kInk), Blend::Normal, 0.6f);
    return c;
}

Canvas failGame()
{
    return television(TvGame{});
}

Canvas failGame2()
{
    TvGame g;
    g.playerHealth = 0.0f;
    g.player = Pose{"Male", "crash", 99, 1.15f, 3, false};
    g.cpu = Pose{"Brask", "standing", 0, 1.15f, 2, true};
    g.playerX = 230.0f;
    g.cpuX = 420.0f;
    g.burst = false;
    g.banner = "K.O.";
    return television(g);
}

Canvas failGame3()
{
    TvGame g;
    g.playerHealth = 0.0f;
    g.player = Pose{"Male", "crash", 99, 1.15f, 3, false};
    g.cpu = Pose{"Brask", "endPose1", 99, 1.15f, 2, true};
    g.playerX = 230.0f;
    g.cpuX = 400.0f;
    g.burst = false;
    g.banner = "YOU LOSE";
    g.dim = 0.45f;
    return television(g);
}

Canvas nicksRoom()
{
    Canvas c = place(nicksPlace(), 40.0f);
    // The front door at the right, behind the couch's end.
    Mask frame(c.width(), c.height()), door(c.width(), c.height());
    frame.rect(470, 120, 580, 320);
    door.rect(478, 128, 572, 318);
    c.fill(frame, solid(hex(0xf0e8d8)));
    c.fill(door, linear(478, 0, 572, 0, Gradient{{0.0f, hex(0x7a4a2a)}, {1.0f, hex(0x5a3420)}}));
    Mask panels(c.width(), c.height()), knob(c.width(), c.height());
    panels.rect(490, 145, 560, 210);
    panels.rect(490, 230, 560, 300);
    knob.circle(560, 228, 5);
    c.fill(panels, solid(hex(0x4a2a18)), Blend::Normal, 0.6f);
    c.fill(knob, solid(hex(0xd8b050)));
    // Night: the television's blue and a lamp's warmth.
    c.fill(solid(hex(0x20284a)), Blend::Multiply, 0.35f);
    glow(c, 150, 256, 220, hex(0x6a9aff), 0.35f);
    return c;
}

Canvas nicksGear()
{
    Canvas c(kStillW, kStillH);
    // A table top seen from above, boards running across.
    c.fill(linear(0, 0, 0, 480, Gradient{{0.0f, hex(0x6a4228)}, {1.0f, hex(0x3a2414)}}));
    Mask seams(c.width(), c.height());
    for (float y = 30; y < 480; y += 64)
        seams.rect(0, y, 640, y + 3);
    c.fill(seams, solid(hex(0x24140a)), Blend::Normal, 0.7f);
    c.addGrain(21, 0.04f);
    glow(c, 320, 180, 380, hex(0xffd8a0), 0.3f);
    // The bat, corner to corner.
    Mask bat(c.width(), c.height());
    bat.limb({80, 330}, {560, 90}, 12, 34);
    bat.circle(76, 332, 14);
    c.fill(bat.grown(3.0f).blurred(3.0f).shifted(6, 8), solid(hex(0x000000)), Blend::Normal, 0.5f);
    c.fill(bat, linear(0, 90, 0, 340, Gradient{{0.0f, hex(0xe0b070)}, {1.0f, hex(0xa06a38)}}));
    Mask grip(c.width(), c.height());
    grip.limb({90, 325}, {200, 268}, 13, 15);
    c.fill(grip, solid(hex(0x202020)));
    // The gloves, a pair of red fingerless mitts at the bottom left.
    for (int i = 0; i < 2; ++i)
    {
        const float x = 150.0f + i * 120.0f, y = 380.0f + i * 14.0f;
        Mask glove(c.width(), c.height());
        glove.roundedRect(x - 46, y - 40, x + 46, y + 40, 24);
        glove.roundedRect(x - 30, y + 30, x + 30, y + 62, 8);
        c.fill(glove.grown(3.0f).blurred(3.0f).shifted(5, 6), solid(hex(0x000000)), Blend::Normal, 0.5f);
        c.fill(glove, radial(x - 15, y - 20, 80, Gradient{{0.0f, hex(0xe04040)}, {1.0f, hex(0x7a1010)}}));
        Mask knuckles(c.width(), c.height());
        for (int k = 0; k < 4; ++k)
            knuckles.circle(x - 30 + k * 20, y - 30, 7);
        c.fill(knuckles, solid(hex(0x3a0808)), Blend::Normal, 0.5f);
        Mask cuff(c.width(), c.height());
        cuff.rect(x - 30, y + 44, x + 30, y + 56);
        c.fill(cuff, solid(hex(0x181818)));
    }
    // Safety goggles at the top left: two clear lenses on a strap.
    Mask strap(c.width(), c.height());
    strap.polyline({{40, 150}, {90, 120}, {330, 120}, {380, 150}}, 8);
    c.fill(strap, solid(hex(0x303030)));
    for (float x : {150.0f, 270.0f})
    {
        Mask lens(c.width(), c.height());
        lens.roundedRect(x - 56, 80, x + 56, 160, 26);
        c.fill(lens.grown(6.0f), solid(hex(0xe8c020)));
        c.fill(lens,
               linear(0, 80, 0, 160, Gradient{{0.0f, hex(0xd0f0ff, 0.7f)}, {1.0f, hex(0x80a0c0, 0.5f)}}));
        Mask shine(c.width(), c.height());
        shine.ellipse(x - 20, 102, 22, 8);
        c.fill(shine, solid(hex(0xffffff)), Blend::Normal, 0.7f);
    }
    c.vignette(0.5f);
    return c;
}

Canvas nicksHall()
{
    return corridor(true);
}

Canvas kill1()
{
    Canvas c = corridor(false);
    c.fill(solid(hex(0x000000)), Blend::Normal, 0.25f);
    speedLines(c, 40, 60, 600, 340, 195.0f, hex(0xffffff), 7);
    stand(c, figure(Pose{"ZombieGuy", "hit1", 0, 2.5f, 0, true}), 440, 380);
    stand(c, figure(Pose{"NickBBBat", "chop", 2, 2.5f, 0, false}), 220, 380);
    impactBurst(c, 380, 250, 64, hex(0xffe060), 31);
    bigText(c, "WHAM!", 450, 70, 60, hex(0xffd030), hex(0x301000));
    return c;
}

Canvas exitToStreet()
{
    // The street through the doorway: a burning night, smoke over the roofs.
    Canvas street = place(destroyedStreet(), 300.0f);
    street.fill(solid(hex(0x20204a)), Blend::Multiply, 0.4f);
    flamesAt(street, 150, 330, 120, 150, 41);
    flamesAt(street, 520, 320, 90, 120, 42, 0.8f);
    smokeOver(street, 0, 0, 640, 260, hex(0x201818), 0.7f, 43);
    glow(street, 320, 300, 300, hex(0xff7020), 0.25f);
    Canvas c(kStillW, kStillH, hex(0x120c0a));
    // The dark entrance hall round the open doorway.
    const int dx0 = 150, dy0 = 40, dx1 = 490, dy1 = 440;
    c.draw(street.crop(dx0, dy0, dx1 - dx0, dy1 - dy0), dx0, dy0);
    Mask frame(c.width(), c.height());
    frame.rect(dx0 - 14, dy0 - 14, dx1 + 14, dy1);
    Mask hole(c.width(), c.height());
    hole.rect(dx0, dy0, dx1, dy1);
    c.fill(frame.minus(hole), solid(hex(0x3a2a20)));
    // Firelight spills in on the floor and the frame.
    glow(c, 320, 440, 260, hex(0xff8030), 0.35f);
    c.vignette(0.35f);
    return c;
}

// Scenes 2 to 11: Vlad's street, the subway train and the way to Golden Tower.
namespace
{
// Where the street and train stills look from.
constexpr float kStreetCamera = 300.0f;

Canvas vladsStreet(bool night)
{
    return place(borderStreet(night), kStreetCamera);
}

Canvas trainRoof()
{
    return place(trainBattle(), kStreetCamera);
}

void darken(Canvas& c, float amount)
{
    c.fill(solid(hex(0x000000)), Blend::Normal, amount);
}

// The gas node riding the train roof in its haze; burst, split open under
// the red glare of the alarm.
Canvas gasNodeOnTrain(bool burst)
{
    Canvas c = trainRoof();
    darken(c, 0.3f);
    Pose node{"GasSprayer", burst ? "overpressure" : "standing", burst ? 2 : 0, 2.5f};
    const Canvas n = figure(node);
    glow(c, 320, 220, 260, hex(0x60ff60), burst ? 0.3f : 0.45f);
    stand(c, n, 320, 352);
    if (!burst)
    {
        smokeOver(c, 0, 200, 640, 380, hex(0x60c040), 0.45f, 95);
        return c;
    }
    const float top = 352.0f - n.height(), h = static_cast<float>(n.height());
    Mask split(640, 480);
    split.polygon({{316, top + h * 0.1f},
                   {346, top + h * 0.3f},
                   {330, top + h * 0.45f},
                   {356, top + h * 0.62f},
                   {330, top + h * 0.8f},
                   {306, top + h * 0.62f},
                   {288, top + h * 0.45f},
                   {304, top + h * 0.3f}});
    c.fill(split.grown(3.0f), solid(hex(0x0a140a)));
    c.fill(split, solid(hex(0xe0ff90)));
    glow(c, 322, top + h * 0.45f, 120, hex(0x80ff40), 0.7f);
    smokeOver(c, 120, 40, 560, 360, hex(0x70e040), 0.9f, 97);
    c.fill(solid(hex(0xff1010)), Blend::Multiply, 0.35f);
    glow(c, 40, 30, 180, hex(0xff2010), 0.8f);
    glow(c, 600, 30, 180, hex(0xff2010), 0.8f);
    return c;
}

// A subway tunnel running away to a point of light of colour `far`.
Canvas tunnel(Colour far, float light)
{
    Canvas c(kStillW, kStillH, hex(0x040406));
    const Vec2 vp{330.0f, 210.0f};
    for (int i = 0; i < 14; ++i)
    {
        const float t = std::pow(0.78f, static_cast<float>(i));
        Mask rib(640, 480), hole(640, 480);
        rib.roundedRect(vp.x - 420 * t, vp.y - 330 * t, vp.x + 420 * t, vp.y + 300 * t, 300 * t);
        hole.roundedRect(vp.x - 400 * t, vp.y - 312 * t, vp.x + 400 * t, vp.y + 300 * t, 290 * t);
        c.fill(rib.minus(hole), solid(mix(hex(0x202028), far, (1.0f - t) * 0.5f)), Blend::Normal,
               0.25f + 0.5f * light * (1.0f - t));
    }
    Mask rails(640, 480);
    for (float s : {-120.0f, -60.0f, 60.0f, 120.0f})
        rails.line({vp.x + s * 4.0f, 480.0f}, {vp.x + s * 0.08f, vp.y + 12.0f}, 2.0f);
    c.fill(rails, solid(mix(hex(0x303038), far, 0.3f)), Blend::Normal, 0.8f);
    glow(c, vp.x, vp.y, 40 + 60 * light, far, 0.5f + 0.5f * light);
    Mask end(640, 480);
    end.ellipse(vp.x, vp.y, 9, 12);
    c.fill(end.blurred(3.0f), solid(mix(far, hex(0xffffff), 0.6f)), Blend::Normal,
           std::min(1.0f, 0.4f + light));
    c.vignette(0.6f);
    return c;
}

// Golden Tower: a gold-glass skyscraper over the low roofs at the far end of the street.
void goldenTower(Canvas& c)
{
    const float x0 = 380, x1 = 570, mid = (x0 + x1) / 2, top = 14;
    Mask tower(640, 480);
    tower.polygon({{x0, 480},
                   {x0, top + 70},
                   {x0 + 25, top + 40},
                   {x0 + 25, top + 22},
                   {mid, top},
                   {x1 - 25, top + 22},
                   {x1 - 25, top + 40},
                   {x1, top + 70},
                   {x1, 480}});
    c.fill(tower, linear(x0, 0, x1, 0,
                         Gradient{{0.0f, hex(0x7a5a18)},
                                  {0.4f, hex(0xf4d878)},
                                  {0.5f, hex(0xffeeb0)},
                                  {0.6f, hex(0xd8b040)},
                                  {1.0f, hex(0x5a3e0c)}}));
    c.fill(tower, linear(0, top, 0, 300, Gradient{{0.0f, hex(0xffffff, 0.0f)}, {1.0f, hex(0x2a1a40, 0.5f)}}));
    Mask grid(640, 480);
    for (float y = top + 30; y < 480; y += 12)
        grid.rect(x0, y, x1, y + 1.5f);
    for (float x = x0 + 12; x < x1; x += 12)
        grid.rect(x, top + 20, x + 1.2f, 480);
    c.fill(grid.times(tower), solid(hex(0x3a2808)), Blend::Normal, 0.55f);
    Rng rng(171);
    Mask lit(640, 480);
    for (int i = 0; i < 40; ++i)
    {
        const float x = x0 + 12 * std::floor(rng.range(0.0f, (x1 - x0) / 12)),
                    y = top + 30 + 12 * std::floor(rng.range(0.0f, 14.0f));
        lit.rect(x + 2, y + 2, x + 11, y + 11);
    }
    c.fill(lit.times(tower), solid(hex(0xfff0c0)), Blend::Normal, 0.7f);
    Mask spire(640, 480);
    spire.line({mid, top}, {mid, top - 14}, 3.0f);
    c.fill(spire, solid(hex(0xe8d090)));
    glow(c, mid, top - 12, 30, hex(0xffe0a0), 0.9f);
    glow(c, mid, top + 60, 160, hex(0xffc860), 0.25f);
}
} // namespace

Canvas vladAttack()
{
    Canvas c = vladsStreet(true);
    darken(c, 0.25f);
    // The arc of the cut sweeps across the street; the blade is a smear in front of it.
    Mask outer(640, 480), inner(640, 480), above(640, 480);
    outer.ellipse(250, 140, 420, 250);
    inner.ellipse(205, 95, 410, 235);
    above.rect(0, 0, 640, kBoxTop);
    const Mask arc = outer.minus(inner).times(above);
    speedLines(c, 0, 40, 640, kBoxTop, 200.0f, hex(0xff9080), 311);
    c.fill(arc.grown(10.0f).blurred(12.0f), solid(hex(0xc01018)), Blend::Add, 0.9f);
    c.fill(arc.grown(2.0f), solid(hex(0xff3a30)), Blend::Normal, 0.95f);
    c.fill(arc.minus(arc.inverted().grown(4.0f)), solid(hex(0xffe0d0)));
    for (int i = 5; i >= 0; --i)
    {
        Canvas smear(640, 480);
        vladBlade(smear, {470.0f - i * 14.0f, 330.0f - i * 18.0f}, 200.0f - i * 5.0f, 300.0f, 0.0f);
        c.draw(smear, 0, 0, Blend::Normal, i == 0 ? 1.0f : 0.22f);
    }
    glow(c, 470, 330, 90, hex(0xff4030), 0.6f);
    return c;
}

Canvas vladsStreetAtNight()
{
    return vladsStreet(true);
}

Canvas vladsStreetByDay()
{
    return vladsStreet(false);
}

Canvas killVlad()
{
    Canvas c = vladsStreet(true);
    darken(c, 0.35f);
    const Canvas nick = figure(Pose{"NickBBBat", "chop", 1, 2.5f});
    const Canvas vlad = figure(Pose{"Vlad", "hit3", 0, 2.5f, 0, true});
    stand(c, vlad, 390, 360);
    stand(c, nick, 250, 360);
    const float head = 360.0f - vlad.height() + 22.0f;
    impactBurst(c, 390.0f - vlad.width() * 0.2f, head, 80.0f, hex(0xffd040), 71);
    speedLines(c, 170, 80, 330, 220, 60.0f, hex(0xffffff), 73);
    return c;
}

Canvas vladDown()
{
    Canvas c = vladsStreet(true);
    darken(c, 0.2f);
    // Flat on his back, out cold: drawn standing straight, arms at his sides,
    // then laid down head first to the left, face to the sky, so that his
    // coat and cape lie under him instead of hanging from him.
    Pose vlad{"Vlad", "standing", 0, 3.0f};
    vlad.unarmed = true;
    vlad.repose = [](roster::Pose& q)
    {
        q.lean = 0.0f;
        q.head = 12.0f;
        q.armN = {-4.0f, 6.0f};
        q.armF = {4.0f, 6.0f};
        q.footN = {0.05f, 0.0f};
        q.footF = {-0.05f, 0.0f};
        q.eyes = 0.0f;
        q.jaw = 0.4f;
    };
    const Canvas upright = figure(vlad);
    Canvas lying(upright.height(), upright.width());
    for (int y = 0; y < upright.height(); ++y)
        for (int x = 0; x < upright.width(); ++x)
            lying.at(y, upright.width() - 1 - x) = upright.at(x, y);
    stand(c, lying, 300, 376);
    vladBlade(c, {512.0f, 370.0f}, -6.0f, 118.0f, 0.45f);
    return c;
}

Canvas trainTop()
{
    return trainRoof();
}

Canvas donKill()
{
    Canvas c = trainRoof();
    darken(c, 0.15f);
    stand(c, figure(Pose{"Weldy", "fallUp", 1, 3.0f, 0, true}), 330, 340);
    // The whip's last sparks, dying on the roof.
    Rng rng(91);
    Mask sparks(640, 480);
    for (int i = 0; i < 18; ++i)
    {
        const Vec2 p{rng.range(120.0f, 300.0f), rng.range(230.0f, 340.0f)};
        sparks.line(p, p + Vec2{rng.range(-10.0f, 10.0f), rng.range(-10.0f, 10.0f)}, 1.5f);
    }
    glow(c, 210, 290, 70, hex(0x70d8ff), 0.35f);
    c.fill(sparks, solid(hex(0xc0f0ff)), Blend::Add, 0.8f);
    return c;
}

Canvas gasNode()
{
    return gasNodeOnTrain(false);
}

Canvas gasNodeBurst()
{
    return gasNodeOnTrain(true);
}

Canvas trainSplode()
{
    Canvas c = tunnel(hex(0xff8030), 0.8f);
    // The carriage blown apart in the middle of the tunnel.
    Mask car(640, 480), windows(640, 480);
    car.roundedRect(40, 230, 600, 350, 16);
    for (int i = 0; i < 7; ++i)
        windows.roundedRect(70 + i * 76, 250, 120 + i * 76, 290, 6);
    c.fill(car, linear(0, 230, 0, 350, Gradient{{0.0f, hex(0x8a2a26)}, {1.0f, hex(0x3a1010)}}));
    c.fill(windows, solid(hex(0xffc060)));
    Rng rng(131);
    Mask debris(640, 480);
    for (int i = 0; i < 26; ++i)
    {
        const Vec2 p{rng.range(120.0f, 520.0f), rng.range(60.0f, 330.0f)};
        const float r = rng.range(5.0f, 16.0f), a = rng.range(0.0f, 6.28f);
        debris.polygon({p + Vec2{std::cos(a) * r, std::sin(a) * r},
                        p + Vec2{std::cos(a + 2.2f) * r * 0.6f, std::sin(a + 2.2f) * r * 0.6f},
                        p + Vec2{std::cos(a + 4.0f) * r, std::sin(a + 4.0f) * r}});
    }
    flamesAt(c, 320, 360, 420, 300, 133, 1.3f);
    flamesAt(c, 140, 360, 200, 160, 135, 1.0f);
    flamesAt(c, 510, 360, 220, 180, 137, 1.0f);
    impactBurst(c, 320, 250, 170, hex(0xffb040), 139);
    c.fill(debris.grown(1.0f), solid(hex(0x100808)));
    c.fill(debris, solid(hex(0x3a3a40)));
    smokeOver(c, 0, 0, 640, 240, hex(0x302828), 0.8f, 141);
    return c;
}

Canvas darkness()
{
    return tunnel(hex(0xd8c890), 0.5f);
}

Canvas goldenTowerStreet()
{
    return place(longStreet(), 1800.0f, goldenTower);
}

// Scenes 12 to 22: the tower, the airship's raid and the navy.
namespace
{
// The tower's roof at night, an airship in the sky when `ship` is given.
Canvas roofUnder(const AirshipPose* ship)
{
    Canvas c = place(towerTop(), 80.0f);
    if (ship)
        drawAirship(c, *ship);
    return c;
}

// A warship seen from high above, foreshortened: a pointed hull, decks,
// turrets and a funnel; `angle` turns it on the water.
void shipFromAbove(Canvas& c, Vec2 centre, float length, float angle, Colour grey)
{
    const auto at = [&](float u, float v)
    {
        const float x = u * length, y = v * length * 0.8f;
        return Vec2{centre.x + x * std::cos(angle) - y * std::sin(angle),
                    centre.y + x * std::sin(angle) * 0.55f + y * std::cos(angle)};
    };
    const auto beam = [](float u)
    {
        const float bow = std::max(0.0f, (u - 0.1f) / 0.4f);
        return 0.12f * std::sqrt(std::max(0.0f, 1.0f - bow * bow)) * (u < -0.45f ? 0.85f : 1.0f);
    };
    Mask hull(c.width(), c.height()), decks(c.width(), c.height()), guns(c.width(), c.height());
    std::vector<Vec2> outline;
    for (int i = 0; i <= 24; ++i)
        outline.push_back(at(-0.5f + i / 24.0f, -beam(-0.5f + i / 24.0f)));
    for (int i = 24; i >= 0; --i)
        outline.push_back(at(-0.5f + i / 24.0f, beam(-0.5f + i / 24.0f)));
    hull.polygon(outline);
    c.fill(hull.grown(3.0f).blurred(3.0f), solid(hex(0x0a1418)), Blend::Normal, 0.6f);
    c.fill(hull, solid(grey));
    decks.polygon({at(-0.12f, -0.04f), at(0.1f, -0.04f), at(0.1f, 0.04f), at(-0.12f, 0.04f)});
    c.fill(decks, solid(shade(grey, 0.15f)));
    for (float u : {-0.32f, -0.2f, 0.22f, 0.34f})
    {
        const Vec2 p = at(u, 0.0f);
        guns.circle(p.x, p.y, length * 0.022f);
        guns.line(p, at(u + (u > 0.0f ? 0.08f : -0.08f), 0.0f), std::max(1.0f, length * 0.006f));
    }
    c.fill(guns, solid(shade(grey, -0.25f)));
    Mask funnel(c.width(), c.height());
    const Vec2 f = at(-0.02f, 0.0f);
    funnel.ellipse(f.x, f.y, length * 0.02f, length * 0.014f);
    c.fill(funnel, solid(hex(0x1a1a1e)));
}

// A fireball with smoke rising from it.
void blast(Canvas& c, Vec2 at, float r, std::uint32_t seed)
{
    Mask fire(c.width(), c.height()), core(c.width(), c.height()), smoke(c.width(), c.height());
    Rng rng(seed);
    for (int i = 0; i < 9; ++i)
    {
        const float a = rng.range(0.0f, 6.2832f), d = rng.range(0.0f, r * 0.6f);
        fire.circle(at.x + std::cos(a) * d, at.y + std::sin(a) * d * 0.7f, rng.range(r * 0.35f, r * 0.6f));
    }
    for (int i = 0; i < 7; ++i)
        smoke.circle(at.x + rng.range(-r, r) * 0.6f, at.y - r * rng.range(0.5f, 2.2f),
                     rng.range(r * 0.4f, r * 0.8f));
    core.circle(at.x, at.y, r * 0.35f);
    c.fill(smoke.blurred(r * 0.15f), solid(hex(0x1a1210)), Blend::Normal, 0.85f);
    c.fill(fire.grown(r * 0.3f).blurred(r * 0.4f), solid(hex(0xff5a10)), Blend::Add, 0.6f);
    c.fill(fire, radial(at.x, at.y, r,
                        Gradient{{0.0f, hex(0xfff0a0)}, {0.5f, hex(0xffa030)}, {1.0f, hex(0xc03a10)}}));
    c.fill(core.blurred(r * 0.1f), solid(hex(0xffffff)), Blend::Normal, 0.8f);
}

// A falling bomb, nose along `angle`, with a faint streak behind it.
void bomb(Canvas& c, Vec2 at, float size, float angle)
{
    const float ca = std::cos(angle), sa = std::sin(angle);
    const auto p = [&](float u, float v) {
        return Vec2{at.x + (u * ca - v * sa) * size, at.y + (u * sa + v * ca) * size};
    };
    Mask body(c.width(), c.height()), fins(c.width(), c.height()), streak(c.width(), c.height());
    std::vector<Vec2> outline;
    for (int i = 0; i < 20; ++i)
    {
        const float a = 6.2832f * i / 20.0f;
        outline.push_back(p(std::cos(a) * (std::cos(a) > 0.0f ? 1.0f : 1.6f), std::sin(a) * 0.45f));
    }
    body.polygon(outline);
    fins.polygon({p(-1.3f, 0.0f), p(-2.0f, -0.6f), p(-2.0f, 0.6f)});
    streak.line(p(-2.0f, 0.0f), p(-7.0f, 0.0f), size * 0.3f);
    c.fill(streak.blurred(size * 0.3f), solid(hex(0xffc080)), Blend::Normal, 0.25f);
    c.fill(fins, solid(hex(0x2a2a2a)));
    c.fill(body, solid(hex(0x3a3834)));
}

// A warship broadside, bow to the right, heeled over by `list` radians and
// settled `sink` pixels deeper, burning on its decks.
void listingWarship(Canvas& c, float x0, float x1, float water, float list, float sink, std::uint32_t seed)
{
    const float len = x1 - x0, mid = (x0 + x1) / 2.0f;
    const auto at = [&](float x, float up)
    {
        const float dx = x - mid, dy = -up;
        return Vec2{mid + dx * std::cos(list) - dy * std::sin(list),
                    water + sink + dx * std::sin(list) + dy * std::cos(list)};
    };
    const auto box = [&](Mask& m, float a, float b, float y0, float y1) {
        m.polygon({at(a, y0), at(b, y0), at(b, y1), at(a, y1)});
    };
    Mask hull(c.width(), c.height()), works(c.width(), c.height()), guns(c.width(), c.height());
    hull.polygon({at(x0, 50), at(x1, 60), at(x1 - 40, -10), at(x0 + 20, -10)});
    box(works, x0 + len * 0.35f, x0 + len * 0.6f, 50, 100);
    box(works, x0 + len * 0.42f, x0 + len * 0.54f, 100, 150);
    box(works, x0 + len * 0.47f, x0 + len * 0.49f, 150, 200);
    box(works, x0 + len * 0.62f, x0 + len * 0.68f, 50, 120);
    for (float t : {0.18f, 0.8f})
    {
        box(guns, x0 + len * t - 24, x0 + len * t + 24, 50, 72);
        box(guns, x0 + len * t, x0 + len * t + 60, 62, 66);
    }
    Mask sea(c.width(), c.height());
    sea.rect(0, water, c.width(), c.height());
    const Colour grey = hex(0x3a3636);
    c.fill(hull.minus(sea), solid(shade(grey, -0.1f)));
    c.fill(works.minus(sea), solid(shade(grey, 0.05f)));
    c.fill(guns.minus(sea), solid(shade(grey, -0.3f)));
    Mask ports(c.width(), c.height());
    for (float x = x0 + 40; x < x1 - 60; x += 26)
    {
        const Vec2 p = at(x, 30);
        ports.circle(p.x, p.y, 2.2f);
    }
    c.fill(ports.minus(sea), solid(hex(0xffa040)));
    Rng rng(seed);
    for (int i = 0; i < 3; ++i)
    {
        const Vec2 p = at(rng.range(x0 + len * 0.1f, x1 - len * 0.2f), 60);
        const int w = static_cast<int>(rng.range(70.0f, 130.0f)),
                  h = static_cast<int>(rng.range(60.0f, 120.0f));
        flamesAt(c, p.x, p.y + 10.0f, w, h, seed + static_cast<std::uint32_t>(i));
    }
}
} // namespace

Canvas braskOlKill()
{
    Canvas c = place(towerBase(), 80.0f);
    Pose brask{"Brask", "crash", 2, 2.3f, 0, true};
    Pose oleck{"Oleck", "crash", 2, 2.3f, 0, false};
    oleck.unarmed = true;
    Canvas b = figure(brask), o = figure(oleck);
    bloodied(b, 321);
    bloodied(o, 323);
    const float ground = 356.0f;
    Mask pools(c.width(), c.height());
    pools.ellipse(230, ground + 2, 80, 8);
    pools.ellipse(420, ground + 4, 90, 9);
    c.fill(pools, solid(hex(0x6a0808)), Blend::Normal, 0.7f);
    // Slumped head to head at the tower's foot, hands meeting in a last slap.
    stand(c, b, 334.0f - b.width() / 2.0f, ground);
    stand(c, o, 306.0f + o.width() / 2.0f, ground);
    impactBurst(c, 320, ground - std::min(b.height(), o.height()) * 0.7f, 22, hex(0xfff0c0), 325);
    return c;
}

Canvas goldFoyer()
{
    Canvas c(kStillW, kStillH);
    // Veined cream marble on the back wall, a gilt cornice and skirting.
    c.fill(
        [](float x, float y)
        {
            const float n = fractalNoise(x / 90.0f, y / 60.0f, 251, 5);
            const float vein = 1.0f - std::min(1.0f, std::fabs(n - 0.5f) * 40.0f);
            return shade(mix(hex(0xeee4d0), hex(0xd8cab0), y / 320.0f), -0.35f * vein);
        });
    Mask ceiling(kStillW, kStillH), trim(kStillW, kStillH);
    ceiling.rect(0, 0, kStillW, 36);
    trim.rect(0, 34, kStillW, 40);
    trim.rect(0, 300, kStillW, 306);
    c.fill(ceiling, linear(0, 0, 0, 36, Gradient{{0.0f, hex(0x3a2a18)}, {1.0f, hex(0x6a4a20)}}));
    c.fill(trim, solid(hex(0xc8a040)));
    // The lift: brass doors shut, the floor dial above them.
    Mask lift(kStillW, kStillH), seam(kStillW, kStillH), dial(kStillW, kStillH), needle(kStillW, kStillH);
    lift.rect(470, 150, 570, 300);
    seam.rect(519, 150, 521, 300);
    dial.ellipse(520, 128, 30, 14);
    needle.line({520, 134}, {540, 120}, 2);
    c.fill(lift.grown(6), solid(hex(0x8a6a28)));
    c.fill(lift, linear(470, 0, 570, 0,
                        Gradient{{0.0f, hex(0xa88a40)}, {0.5f, hex(0xf0d890)}, {1.0f, hex(0x9a7a30)}}));
    c.fill(seam, solid(hex(0x5a4418)));
    c.fill(dial, solid(hex(0xd8b860)));
    c.fill(needle, solid(hex(0x2a1a08)));
    const Gradient gold{
        {0.0f, hex(0x7a5a18)}, {0.35f, hex(0xf8e090)}, {0.6f, hex(0xd0a840)}, {1.0f, hex(0x5a4010)}};
    for (float cx : {40.0f, 190.0f, 420.0f, 610.0f})
    {
        Mask column(kStillW, kStillH), ends(kStillW, kStillH), flutes(kStillW, kStillH);
        column.rect(cx - 20, 40, cx + 20, 306);
        ends.rect(cx - 28, 40, cx + 28, 56);
        ends.rect(cx - 28, 290, cx + 28, 306);
        for (float fx = cx - 14; fx < cx + 16; fx += 7)
            flutes.rect(fx, 60, fx + 1.5f, 286);
        c.fill(column, linear(cx - 20, 0, cx + 20, 0, gold));
        c.fill(flutes, solid(hex(0x6a4a10)), Blend::Normal, 0.4f);
        c.fill(ends, linear(cx - 28, 0, cx + 28, 0, gold));
    }
    // Black and white marble tiles running back to the wall, a red runner on them.
    Mask floor(kStillW, kStillH);
    floor.rect(0, 306, kStillW, kStillH);
    c.fill(floor,
           [](float x, float y)
           {
               const float depth = y - 300.0f;
               const int across = static_cast<int>(std::floor((x - 320.0f) / depth * 60.0f / 40.0f));
               const int back = static_cast<int>(std::floor(4000.0f / depth / 20.0f));
               const bool dark = (across + back) % 2 != 0;
               return shade(dark ? hex(0x2a2624) : hex(0xe8e0d0),
                            (fractalNoise(x / 30, y / 10, 253, 3) - 0.5f) * 0.2f);
           });
    Mask runner(kStillW, kStillH);
    runner.polygon({{280, 330}, {360, 330}, {450, 480}, {190, 480}});
    c.fill(runner.grown(3.0f), solid(hex(0xc8a040)));
    c.fill(runner, linear(0, 330, 0, 480, Gradient{{0.0f, hex(0x6a1010)}, {1.0f, hex(0xa01818)}}));
    // The reception desk, nobody behind it.
    Mask desk(kStillW, kStillH), top(kStillW, kStillH), band(kStillW, kStillH), bell(kStillW, kStillH);
    desk.rect(230, 240, 410, 330);
    top.rect(222, 232, 418, 242);
    band.rect(230, 270, 410, 276);
    bell.ellipse(380, 230, 8, 5);
    c.fill(desk, linear(0, 240, 0, 330, Gradient{{0.0f, hex(0x5a3018)}, {1.0f, hex(0x2a160a)}}));
    c.fill(band, solid(hex(0xd8b050)));
    c.fill(top, solid(hex(0x3a1e10)));
    c.fill(bell, solid(hex(0xe8c860)));
    // Two lit chandeliers.
    for (float cx : {130.0f, 330.0f})
    {
        Mask chain(kStillW, kStillH), frame(kStillW, kStillH), drops(kStillW, kStillH),
            bulbs(kStillW, kStillH);
        chain.rect(cx - 1, 36, cx + 1, 70);
        frame.ellipse(cx, 84, 46, 8);
        frame.ellipse(cx, 100, 26, 6);
        for (int i = 0; i < 18; ++i)
        {
            const float a = 6.2832f * i / 18.0f;
            drops.ellipse(cx + std::cos(a) * 44, 92 + std::sin(a) * 7, 2, 5);
        }
        for (int i = 0; i < 8; ++i)
        {
            const float a = 6.2832f * i / 8.0f;
            bulbs.circle(cx + std::cos(a) * 40, 76 + std::sin(a) * 7, 3);
        }
        c.fill(chain, solid(hex(0x8a6a28)));
        c.fill(frame, solid(hex(0xb89038)), Blend::Normal, 0.6f);
        c.fill(frame.minus(frame.shifted(0, 3)), solid(hex(0xd8b050)));
        c.fill(drops, solid(hex(0xf8f8ff)), Blend::Normal, 0.85f);
        glow(c, cx, 80, 60, hex(0xfff0c0), 0.6f);
        c.fill(bulbs, solid(hex(0xfff8e0)));
    }
    c.vignette(0.3f);
    return c;
}

Canvas gRoof1()
{
    return roofUnder(nullptr);
}

// The airship comes over the roof in three pictures: a speck in the far sky,
// larger and lower with its engines glowing, then its belly overhead.
Canvas gRoof2()
{
    AirshipPose ship;
    ship.centre = {470, 150};
    ship.length = 46;
    ship.noseLeft = true;
    ship.glow = 0.3f;
    ship.haze = 0.55f;
    ship.hazeColour = hex(0x3a2a5a);
    return roofUnder(&ship);
}

Canvas gRoof3()
{
    AirshipPose ship;
    ship.centre = {330, 150};
    ship.length = 420;
    ship.tilt = -0.06f;
    ship.belly = 0.3f;
    ship.noseLeft = true;
    ship.glow = 1.0f;
    ship.haze = 0.35f;
    ship.hazeColour = hex(0x2a2040);
    return roofUnder(&ship);
}

Canvas gRoof4()
{
    AirshipPose ship;
    ship.centre = {330, 20};
    ship.length = 1900;
    ship.tilt = 0.08f;
    ship.belly = 1.0f;
    ship.noseLeft = true;
    ship.glow = 1.0f;
    ship.haze = 0.2f;
    ship.hazeColour = hex(0x1a1020);
    Canvas c = roofUnder(&ship);
    // Its shadow over the roof.
    c.fill(linear(0, 120, 0, kStillH, Gradient{{0.0f, hex(0x000000, 0.35f)}, {1.0f, hex(0x000000, 0.1f)}}));
    return c;
}

Canvas airstrike()
{
    Canvas c(kStillW, kStillH);
    c.fill(linear(0, 0, 0, 200, Gradient{{0.0f, hex(0x0c0a14)}, {1.0f, hex(0x3a1a1a)}}));
    // The harbour far below: dark water and a long quay in steep perspective.
    Mask sea(kStillW, kStillH), quay(kStillW, kStillH), edge(kStillW, kStillH), marks(kStillW, kStillH);
    sea.rect(0, 170, kStillW, kStillH);
    c.fill(sea,
           [](float x, float y)
           {
               const float n = fractalNoise(x / 50.0f, y / 12.0f, 211, 4);
               return shade(mix(hex(0x0e2430), hex(0x1a3a48), (y - 170.0f) / 310.0f), (n - 0.5f) * 0.5f);
           });
    quay.polygon({{640, 180}, {420, 180}, {250, 480}, {640, 480}});
    c.fill(quay, [](float x, float y)
           { return shade(hex(0x5a5852), (fractalNoise(x / 20, y / 20, 213, 3) - 0.5f) * 0.3f); });
    edge.line({420, 180}, {250, 480}, 3);
    c.fill(edge, solid(hex(0x2a2826)));
    for (float t = 0.1f; t < 1.0f; t += 0.15f)
    {
        const Vec2 a = lerp({440, 180}, {290, 480}, t);
        marks.rect(a.x + 10, a.y, a.x + 60 + t * 40, a.y + 4 + t * 4);
    }
    c.fill(marks, solid(hex(0x7a7668)));
    shipFromAbove(c, {230, 215}, 260, -0.25f, hex(0x6a727e));
    shipFromAbove(c, {330, 320}, 360, -0.5f, hex(0x646c78));
    shipFromAbove(c, {150, 420}, 380, -0.45f, hex(0x5e6672));
    // The airship above them, side on, its bombs falling in lines.
    AirshipPose ship;
    ship.centre = {360, 70};
    ship.length = 380;
    ship.belly = 0.25f;
    ship.noseLeft = true;
    ship.glow = 1.0f;
    ship.haze = 0.3f;
    ship.hazeColour = hex(0x2a1a20);
    drawAirship(c, ship);
    blast(c, {300, 300}, 46, 221);
    blast(c, {180, 400}, 60, 223);
    blast(c, {250, 230}, 30, 227);
    for (int i = 0; i < 5; ++i)
        bomb(c, {330.0f - i * 10.0f, 125.0f + i * 30.0f}, 7.0f + i * 1.2f, 1.75f);
    for (int i = 0; i < 3; ++i)
        bomb(c, {420.0f - i * 6.0f, 120.0f + i * 34.0f}, 7.0f + i * 1.2f, 1.7f);
    c.vignette(0.4f);
    return c;
}

Canvas navyDown()
{
    Canvas c(kStillW, kStillH);
    stage::SkyStyle sky = nightSky(231, hex(0xb03a1a));
    sky.sky = Gradient{{0.0f, hex(0x100606)}, {0.6f, hex(0x4a1410)}, {1.0f, hex(0xd05a20)}};
    sky.moon = false;
    sky.skylines = 0;
    sky.clouds = 0.6f;
    sky.cloudDark = hex(0x2a1410);
    sky.cloudLit = hex(0xa04020);
    sky.horizon = 280.0f;
    c.draw(stage::paintSky(sky), 0, 0);
    smokeOver(c, 0, 0, kStillW, 260, hex(0x1a1010), 0.9f, 233);
    Mask sea(kStillW, kStillH);
    sea.rect(0, 280, kStillW, kStillH);
    c.fill(sea,
           [](float x, float y)
           {
               const float n = fractalNoise(x / 40.0f, y / 6.0f, 235, 3);
               return shade(mix(hex(0x2a1410), hex(0x0a0a10), (y - 280.0f) / 200.0f), (n - 0.5f) * 0.4f);
           });
    // Two warships at their berths, burning and heeling over.
    listingWarship(c, 380, 700, 300, 0.12f, 8, 237);
    listingWarship(c, -80, 320, 330, -0.2f, 14, 239);
    Mask firelight(kStillW, kStillH);
    for (int y = 290; y < kStillH; y += 2)
        for (int x = 0; x < kStillW; ++x)
            if (valueNoise(x / 10.0f, y / 2.0f, 241) > 0.8f)
                firelight.cell(x, y) = 1.0f;
    c.fill(firelight, solid(hex(0xff8a30)), Blend::Normal, 0.45f);
    // The quay's edge in front.
    Mask quay(kStillW, kStillH), bollards(kStillW, kStillH);
    quay.rect(0, 430, kStillW, kStillH);
    for (float x = 60; x < kStillW; x += 180)
    {
        bollards.roundedRect(x - 9, 414, x + 9, 434, 3);
        bollards.roundedRect(x - 12, 411, x + 12, 417, 2);
    }
    c.fill(quay, linear(0, 430, 0, 480, Gradient{{0.0f, hex(0x4a403a)}, {1.0f, hex(0x1a1614)}}));
    c.fill(bollards, solid(hex(0x1a1618)));
    c.vignette(0.4f);
    return c;
}

Canvas navyFire()
{
    return place(burningNavy(), 80.0f);
}

Canvas gianKill()
{
    Canvas c = place(towerTop(), 200.0f);
    Pose nick{"Nick", "slash1", 2, 2.0f, 0, false};
    Pose gian{"Giancarlo", "hit3", 0, 2.0f, 0, true};
    gian.unarmed = true;
    // The red blade's cut through him at the roof's edge, his spirits flung away.
    stand(c, figure(gian), 420, 360);
    stand(c, figure(nick), 230, 360);
    speedLines(c, 300, 150, 560, 330, -35, hex(0xff4040), 331);
    Mask cut(kStillW, kStillH);
    cut.line({300, 300}, {540, 170}, 6);
    c.fill(cut.blurred(6), solid(hex(0xff3030)), Blend::Add, 0.8f);
    c.fill(cut, solid(hex(0xfff0f0)));
    spirits(c, 430, 230, 200, 9, 333, 0.6f);
    return c;
}

// Scenes 23 to 33: the docks, the airship's hangar, Lilith's gate, the dark
// street and the burning city.
namespace
{
const Colour kTeleportTeal = hex(0x60ffd0);

// Where the hangar stills look from: the great door open on the sky in the middle.
constexpr float kHangarCamera = 80.0f;
// Feet on the hangar and street floors.
constexpr float kFloor = 366.0f;

// A stage light from `from` falling on the floor round (x, floorY).
void spotlight(Canvas& c, Vec2 from, float x, float floorY, float halfWidth, Colour colour, float strength)
{
    Mask cone(c.width(), c.height());
    cone.polygon(
        {{from.x - 8.0f, from.y}, {from.x + 8.0f, from.y}, {x + halfWidth, floorY}, {x - halfWidth, floorY}});
    c.fill(cone.blurred(8.0f), solid(colour), Blend::Screen, 0.35f * strength);
    Mask pool(c.width(), c.height());
    pool.ellipse(x, floorY, halfWidth * 1.1f, halfWidth * 0.18f);
    c.fill(pool.blurred(6.0f), solid(colour), Blend::Screen, 0.45f * strength);
    glow(c, from.x, from.y, 30.0f, colour, strength);
}

// A figure drawn to stand `height` pixels tall, however big its body.
Canvas figureOfHeight(Pose pose, float height)
{
    const Canvas first = figure(pose);
    if (first.height() == 0)
        return first;
    pose.scale *= height / static_cast<float>(first.height());
    return figure(pose);
}

// The hangar with its lamps dimmed for a show, lit by spotlights from the trusses.
Canvas hangarShow(float dim)
{
    Canvas c = place(airshipHangar(), kHangarCamera);
    darken(c, dim);
    return c;
}

Pose toulonIn(const std::string& clip, int key, float scale,
              const std::function<void(roster::Pose&)>& repose = {})
{
    Pose p{"Toulon", clip, key, scale};
    p.look = &toulonLook();
    p.repose = repose;
    return p;
}

// A rift of torn air standing on the street: a jagged red tear `open` wide
// (0 a crack .. 1 gaping), what lies beyond painted by `inside`.
void rift(Canvas& c, float cx, float feetY, float height, float open, const Canvas* inside,
          std::uint32_t seed)
{
    Rng rng(seed);
    const float top = feetY - height, halfW = 10.0f + 110.0f * open;
    std::vector<Vec2> left, right;
    const int steps = 14;
    for (int i = 0; i <= steps; ++i)
    {
        const float t = static_cast<float>(i) / steps;
        const float y = top + height * t;
        // Widest a little below the middle, pinched at both ends.
        const float w = halfW * std::pow(std::sin(3.14159265f * t), 0.7f);
        const float jag = (i == 0 || i == steps) ? 0.0f : rng.range(-0.35f, 0.35f) * w;
        left.push_back({cx - w + jag, y});
        right.push_back({cx + w + jag * 0.6f, y});
    }
    std::vector<Vec2> outline = left;
    outline.insert(outline.end(), right.rbegin(), right.rend());
    Mask tear(c.width(), c.height());
    tear.polygon(outline);
    glow(c, cx, feetY - height * 0.5f, height * (0.6f + 0.4f * open), hex(0xff2010), 0.7f);
    c.fill(tear.grown(8.0f).blurred(6.0f), solid(hex(0xff3010)), Blend::Add, 0.9f);
    c.fill(tear.grown(3.0f), solid(hex(0xffb060)));
    if (inside)
    {
        Canvas beyond = *inside;
        c.fill(tear,
               [&beyond](float x, float y)
               {
                   const int ix = std::clamp(static_cast<int>(x), 0, beyond.width() - 1);
                   const int iy = std::clamp(static_cast<int>(y), 0, beyond.height() - 1);
                   return beyond.at(ix, iy);
               });
    }
    else
        c.fill(tear, solid(hex(0x1a0204)));
    // Sparks torn off its edges.
    Mask sparks(c.width(), c.height());
    for (int i = 0; i < 50; ++i)
    {
        const Vec2 p = (i % 2 ? left : right)[static_cast<std::size_t>(rng.range(1.0f, steps - 1.0f))];
        const Vec2 d{rng.range(-30.0f, 30.0f), rng.range(-30.0f, 10.0f)};
        sparks.line(p + d * 0.3f, p + d, rng.range(1.0f, 2.0f));
    }
    c.fill(sparks, solid(hex(0xffd080)), Blend::Add);
}

// The smoky street where Lilith opens her gate.
Canvas gateStreet()
{
    Canvas c = place(destroyedStreet(), 200.0f);
    darken(c, 0.3f);
    smokeOver(c, 0, 0, 640, 300, hex(0x2a2020), 0.8f, 233);
    return c;
}

// The underworld beyond the gate, in the colours of its road.
Canvas underworld()
{
    Canvas c = place(hellRoad(), 600.0f);
    glow(c, 320, 240, 260, hex(0xff6020), 0.4f);
    return c;
}

// The burning city of the last fight, at dusk.
Canvas burningCity()
{
    Canvas c = place(destroyedStreet(), 420.0f);
    c.fill(solid(hex(0x4a1a2a)), Blend::Multiply, 0.35f);
    flamesAt(c, 90, 330, 140, 170, 251);
    flamesAt(c, 560, 326, 120, 150, 253, 0.9f);
    flamesAt(c, 330, 300, 70, 80, 255, 0.7f);
    smokeOver(c, 0, 0, 640, 240, hex(0x2a1a1a), 0.75f, 257);
    glow(c, 320, 320, 340, hex(0xff6a20), 0.25f);
    return c;
}

// The dark street where Johnny Blade waits.
Canvas johnnysStreet()
{
    return place(darkStreet(), 300.0f);
}

// Lilith beaten to her knees, looking up, her blade gone.
Pose kneeling(float head, float jaw, float wings)
{
    Pose p{"Lilith", "crash", 4, 3.0f, 0, true};
    p.unarmed = true;
    p.repose = [=](roster::Pose& q)
    {
        q.head = head;
        q.jaw = jaw;
        q.wings = wings;
        q.eyes = 1.0f;
        q.armN = {30.0f, 40.0f};
        q.armF = {10.0f, 30.0f};
        // Both knees on the street, the shins behind her.
        q.pelvis = {0.0f, -0.5f};
        q.footN = {-0.12f, -0.02f};
        q.footF = {-0.3f, -0.02f};
        q.toeN = -60.0f;
        q.toeF = -60.0f;
        q.lean = 8.0f;
    };
    return p;
}

// A demon's bat wings spread wide from `root` to either side, `span` across.
void batWings(Canvas& c, Vec2 root, float span, Colour colour)
{
    for (const float side : {-1.0f, 1.0f})
    {
        const auto at = [&](float x, float y) {
            return root + Vec2{side * x * span * 0.5f, y * span * 0.5f};
        };
        const Vec2 wrist = at(0.55f, -0.55f), tip = at(1.0f, -0.35f);
        const Vec2 fingers[] = {tip, at(0.95f, 0.15f), at(0.7f, 0.45f)};
        Mask membrane(c.width(), c.height()), bones(c.width(), c.height());
        // Scalloped between the fingers.
        membrane.polygon({root, wrist, fingers[0], at(0.8f, -0.05f), fingers[1], at(0.62f, 0.2f), fingers[2],
                          at(0.3f, 0.25f), at(0.08f, 0.3f)});
        bones.line(root, wrist, span * 0.018f);
        for (const Vec2& f : fingers)
            bones.line(wrist, f, span * 0.008f);
        c.fill(membrane.grown(2.0f), solid(hex(0x12060c)));
        c.fill(membrane,
               linear(root.x, root.y, tip.x, tip.y, Gradient{{0.0f, colour}, {1.0f, shade(colour, 0.25f)}}));
        c.fill(bones.grown(1.5f), solid(hex(0x12060c)));
        c.fill(bones, solid(shade(colour, -0.3f)));
    }
}

// Open sky far above the city: clouds round about, the streets a grey haze
// at the bottom, smoke rising from them where `burning`.
Canvas skyOverCity(float burning)
{
    stage::SkyStyle sky;
    sky.sky = Gradient{{0.0f, hex(0x2a5ab0)}, {0.6f, hex(0x7ab0e8)}, {1.0f, hex(0xe8d8c8)}};
    sky.horizon = 400.0f;
    sky.clouds = 0.35f;
    sky.cloudY = 150.0f;
    sky.cloudDark = hex(0xc8d4e8);
    sky.cloudLit = hex(0xffffff);
    sky.skylines = 2;
    sky.farCity = hex(0x8a94a8);
    sky.nearCity = hex(0x6a7288);
    sky.farTop = 400.0f;
    sky.nearTop = 425.0f;
    sky.seed = 281;
    Canvas c = stage::paintSky(sky);
    if (burning > 0.0f)
    {
        Rng rng(283);
        for (int i = 0; i < 5; ++i)
        {
            const float x = rng.range(40.0f, 600.0f);
            glow(c, x, 440.0f, 50.0f, hex(0xff7020), 0.6f * burning);
            smokeOver(c, x - 40.0f, 260.0f, x + 40.0f, 440.0f, hex(0x3a3434), 0.6f * burning, 285 + i);
        }
    }
    return c;
}

// The airship side on over the city, as the escape shows it from outside.
AirshipPose shipOutside()
{
    AirshipPose ship;
    ship.centre = {330.0f, 170.0f};
    ship.length = 470.0f;
    ship.belly = 0.15f;
    ship.noseLeft = true;
    ship.glow = 0.8f;
    ship.haze = 0.1f;
    return ship;
}

// Fire breaking out along the hull from the stern (`along` -0.5) to `reach`.
void hullFire(Canvas& c, const AirshipPose& ship, float reach, float heat, std::uint32_t seed)
{
    Rng rng(seed);
    for (float along = -0.45f; along <= reach; along += 0.12f)
    {
        const Vec2 p = airshipPoint(ship, along, rng.range(-0.05f, 0.08f));
        const float size = ship.length * rng.range(0.12f, 0.2f);
        flamesAt(c, p.x, p.y + size * 0.3f, static_cast<int>(size), static_cast<int>(size * 1.2f),
                 seed + static_cast<std::uint32_t>(along * 100.0f + 50.0f), heat);
    }
}

// A jagged scrap of hull r across round p, turned by `turn` radians.
std::vector<Vec2> shard(Vec2 p, float r, float turn)
{
    std::vector<Vec2> out;
    for (const float a : {0.0f, 2.1f, 3.4f, 4.6f})
        out.push_back(p + Vec2{std::cos(a + turn), std::sin(a + turn)} * (a == 3.4f ? r * 0.5f : r));
    return out;
}

// Black smoke trailing back and up from a point on the ship.
void smokeTrail(Canvas& c, Vec2 from, float width, std::uint32_t seed)
{
    smokeOver(c, from.x - width * 0.4f, from.y - width * 1.4f, from.x + width * 1.6f, from.y + width * 0.2f,
              hex(0x1a1616), 0.85f, seed);
}

// Ash and motes of light rising from a figure as it comes apart.
void ashAndLight(Canvas& c, float x0, float y0, float x1, float y1, std::uint32_t seed)
{
    Rng rng(seed);
    Mask ash(c.width(), c.height()), motes(c.width(), c.height());
    for (int i = 0; i < 160; ++i)
    {
        const Vec2 p{rng.range(x0, x1), rng.range(y0, y1)};
        if (i % 3 == 0)
            motes.circle(p.x, p.y, rng.range(1.0f, 2.5f));
        else
            ash.polygon({p, p + Vec2{rng.range(2.0f, 6.0f), rng.range(-2.0f, 2.0f)},
                         p + Vec2{rng.range(0.0f, 4.0f), rng.range(2.0f, 5.0f)}});
    }
    c.fill(ash, solid(hex(0x2a2426)), Blend::Normal, 0.85f);
    c.fill(motes.grown(2.0f).blurred(2.0f), solid(hex(0xffd0a0)), Blend::Add, 0.8f);
    c.fill(motes, solid(hex(0xffffff)), Blend::Add);
}
} // namespace

Canvas navyJump()
{
    Canvas c = place(burningNavy(), 200.0f);
    darken(c, 0.35f);
    glow(c, 320, 240, 360, kTeleportTeal, 0.3f);
    // Nick, Spectre and Vlad, thinning to bands of light in the flare.
    const struct
    {
        Pose pose;
        float x;
    } three[] = {{Pose{"Nick", "standing", 0, 2.2f}, 200.0f},
                 {Pose{"Vlad", "standing", 0, 2.2f}, 330.0f},
                 {Pose{"Spectre", "standing", 0, 2.2f, 0, true}, 460.0f}};
    std::uint32_t seed = 201;
    for (const auto& one : three)
    {
        Canvas fig = figure(one.pose);
        for (int y = 0; y < fig.height(); ++y)
            for (int x = 0; x < fig.width(); ++x)
            {
                Colour& px = fig.at(x, y);
                if (px.a > 0.0f)
                    px = withAlpha(mix(px, kTeleportTeal, (y / 3) % 2 ? 0.75f : 0.35f),
                                   px.a * ((y / 3) % 2 ? 0.5f : 0.85f));
            }
        stand(c, fig, one.x, kFloor);
        teleportFlare(c, one.x, kFloor, 300.0f, kTeleportTeal, seed++);
    }
    return c;
}

Canvas upHigh()
{
    Canvas c = skyOverCity(0.6f);
    AirshipPose ship;
    ship.centre = {420.0f, 100.0f};
    ship.length = 600.0f;
    ship.belly = 0.35f;
    ship.tilt = 0.04f;
    ship.noseLeft = true;
    ship.glow = 0.9f;
    drawAirship(c, ship);
    // Nick, Vlad and Spectre tumbling past its flank, small against the sky.
    const struct
    {
        const char* who;
        Vec2 at;
        float spin;
    } three[] = {{"Nick", {150.0f, 250.0f}, 40.0f},
                 {"Vlad", {230.0f, 310.0f}, -30.0f},
                 {"Spectre", {100.0f, 330.0f}, 70.0f}};
    for (const auto& one : three)
    {
        Pose p{one.who, "inAir", 0, 0.65f};
        const float spin = one.spin;
        p.repose = [spin](roster::Pose& q)
        {
            q.spin = spin;
            q.armN = {160.0f, 20.0f};
            q.armF = {140.0f, 30.0f};
            q.jaw = 1.0f;
        };
        stand(c, figure(p), one.at.x, one.at.y);
    }
    speedLines(c, 40, 200, 340, 380, -90.0f, hex(0xffffff), 287);
    return c;
}

Canvas hangar()
{
    return place(airshipHangar(), kHangarCamera);
}

Canvas toulonDance()
{
    Canvas c = hangarShow(0.55f);
    spotlight(c, {140.0f, 40.0f}, 320.0f, kFloor, 90.0f, hex(0xfff0c0), 1.0f);
    spotlight(c, {520.0f, 40.0f}, 320.0f, kFloor, 80.0f, hex(0xffa0e0), 0.8f);
    // On his toes, the cane flung up, the cape swinging.
    stand(c,
          figure(toulonIn("standing", 0, 2.6f,
                          [](roster::Pose& q)
                          {
                              q.armN = {150.0f, 10.0f};
                              q.weapon = 20.0f;
                              q.armF = {-100.0f, 20.0f};
                              q.footF = {-0.3f, -0.15f};
                              q.toeN = -20.0f;
                              q.cape = 1.0f;
                              q.lean = -8.0f;
                              q.jaw = 0.6f;
                          })),
          320.0f, kFloor);
    // Confetti in the light.
    Rng rng(211);
    for (int i = 0; i < 70; ++i)
    {
        Mask bit(640, 480);
        const Vec2 p{rng.range(180.0f, 460.0f), rng.range(30.0f, 360.0f)};
        bit.rect(p.x, p.y, p.x + rng.range(3.0f, 6.0f), p.y + rng.range(2.0f, 4.0f));
        const Colour colours[] = {hex(0xffd030), hex(0xff4060), hex(0x60c0ff), hex(0xffffff)};
        c.fill(bit, solid(colours[i % 4]));
    }
    return c;
}

namespace
{
// The twin cannons on a shoulder: a drum at `mount` and two barrels
// `length` long, one over the other, pointing forward and a little up.
void twinCannon(Canvas& c, Vec2 mount, float length)
{
    const float a = -8.0f * 3.14159265f / 180.0f;
    const Vec2 u{std::cos(a), std::sin(a)}, n{-u.y, u.x};
    const Colour steel = hex(0x7a7e88), dark = hex(0x3a3e46), edge = hex(0x0c0c10);
    for (float side : {-1.0f, 1.0f})
    {
        // The upper barrel is the far one, a shade darker.
        const float light = side < 0.0f ? -0.2f : 0.0f;
        const Vec2 root = mount + n * (side * 17.0f), muzzle = root + u * length;
        Mask barrel(c.width(), c.height()), bands(c.width(), c.height());
        barrel.polygon({root - n * 13.0f, muzzle - n * 10.0f, muzzle + n * 10.0f, root + n * 13.0f});
        barrel.polygon({muzzle - u * 22.0f - n * 14.0f, muzzle - n * 14.0f, muzzle + n * 14.0f,
                        muzzle - u * 22.0f + n * 14.0f});
        for (float t : {0.35f, 0.6f})
        {
            const Vec2 b = root + u * (length * t);
            bands.polygon({b - n * 14.0f, b + u * 8.0f - n * 14.0f, b + u * 8.0f + n * 14.0f, b + n * 14.0f});
        }
        c.fill(barrel.grown(2.5f), solid(edge));
        c.fill(barrel, linear(0, root.y - 13.0f, 0, root.y + 13.0f,
                              Gradient{{0.0f, shade(steel, light)}, {1.0f, shade(dark, light)}}));
        c.fill(bands, solid(shade(dark, light)));
        Mask bore(c.width(), c.height());
        bore.ellipse(muzzle.x, muzzle.y, 5.0f, 9.0f);
        c.fill(bore, solid(hex(0x050505)));
    }
    Mask drum(c.width(), c.height());
    drum.roundedRect(mount.x - 60.0f, mount.y - 42.0f, mount.x + 40.0f, mount.y + 42.0f, 16.0f);
    c.fill(drum.grown(3.0f), solid(edge));
    c.fill(drum, linear(0, mount.y - 42.0f, 0, mount.y + 42.0f, Gradient{{0.0f, steel}, {1.0f, dark}}));
    Mask rivets(c.width(), c.height());
    for (float dx : {-44.0f, -16.0f, 12.0f})
        for (float dy : {-28.0f, 28.0f})
            rivets.circle(mount.x + dx, mount.y + dy, 3.5f);
    c.fill(rivets, solid(shade(steel, 0.3f)));
}
} // namespace

Canvas mk2()
{
    Canvas c = hangarShow(0.6f);
    spotlight(c, {90.0f, 30.0f}, 320.0f, kFloor + 10.0f, 170.0f, hex(0xfff0d0), 1.0f);
    spotlight(c, {560.0f, 30.0f}, 320.0f, kFloor + 10.0f, 150.0f, hex(0xffd0a0), 0.9f);
    // Ten tons of steel looming over the stage, cut off below the waist by
    // the frame, its twin cannons on its shoulder.
    Pose pose{"Mech", "pose1", 1};
    pose.repose = [](roster::Pose& q)
    {
        q.lean = -4.0f;
        q.head = -6.0f;
    };
    const Canvas mech = figureOfHeight(pose, 700.0f);
    const float cx = 330.0f, feetY = 720.0f, top = feetY - mech.height();
    // The shoulders: the widest rows near the top of the body.
    int shoulderY = 0, shoulderL = 0, shoulderR = 0;
    for (int y = mech.height() / 12; y < mech.height() / 3; ++y)
    {
        int l = mech.width(), r = -1;
        for (int x = 0; x < mech.width(); ++x)
            if (mech.at(x, y).a > 0.5f)
            {
                l = std::min(l, x);
                r = std::max(r, x);
            }
        if (r - l > shoulderR - shoulderL)
            shoulderY = y, shoulderL = l, shoulderR = r;
    }
    const float sx = cx - mech.width() / 2.0f, sy = top + static_cast<float>(shoulderY) - 36.0f;
    stand(c, mech, cx, feetY);
    twinCannon(c, {sx + shoulderL + (shoulderR - shoulderL) * 0.12f, sy}, 300.0f);
    glow(c, cx, top + mech.height() * 0.06f, 80.0f, hex(0xff4a30), 0.9f);
    return c;
}

Canvas nickGetGloves()
{
    Canvas c = hangarShow(0.5f);
    c.fill(radial(320, 200, 400, Gradient{{0.0f, hex(0x000000, 0.0f)}, {1.0f, hex(0x000000, 0.7f)}}));
    speedLines(c, 0, 0, 640, kBoxTop, 0.0f, hex(0xffffff), 221);
    // The two steel fists, close up, knuckles forward: a huge Nick from the
    // shoulders down, his arms thrust forward and down from the top left, so
    // the fists fill the right half and only the portrait shows his head.
    Pose p{"NickGauntlets", "standing", 0, 7.0f};
    p.repose = [](roster::Pose& q)
    {
        q.armN = {62.0f, 4.0f};
        q.armF = {52.0f, 8.0f};
        q.lean = 10.0f;
    };
    // From below the chin down, the back of the shoulders to the knuckles.
    struct Shot
    {
        int x0, y0, x1, y1;
    };
    const auto shotOf = [](const Canvas& fig)
    {
        // Nick's chin is a quarter of the way down him.
        const int chinY = fig.height() * 27 / 100;
        int reachX = 0, reachY = 0, backX = fig.width();
        for (int y = chinY; y < fig.height(); ++y)
            for (int x = fig.width() - 1; x > reachX; --x)
                if (fig.at(x, y).a > 0.5f)
                {
                    reachX = x;
                    reachY = y;
                    break;
                }
        for (int y = chinY; y < std::min(fig.height(), reachY + fig.height() / 10); ++y)
            for (int x = 0; x < backX; ++x)
                if (fig.at(x, y).a > 0.5f)
                {
                    backX = x;
                    break;
                }
        return Shot{backX, chinY, std::min(fig.width(), reachX + 24), fig.height()};
    };
    Canvas fig = figure(p);
    Shot shot = shotOf(fig);
    p.scale *= 700.0f / static_cast<float>(std::max(1, shot.x1 - shot.x0));
    fig = figure(p);
    shot = shotOf(fig);
    const Canvas fists = fig.crop(shot.x0, shot.y0, shot.x1 - shot.x0, shot.y1 - shot.y0);
    glow(c, 450.0f, 230.0f, 280.0f, hex(0xffc060), 0.4f);
    c.draw(fists, 630 - fists.width(), 0);
    // Sparks off the steel.
    Rng rng(223);
    Mask sparks(640, 480);
    for (int i = 0; i < 60; ++i)
    {
        const Vec2 at{rng.range(300.0f, 620.0f), rng.range(40.0f, 340.0f)};
        const Vec2 d{rng.range(-24.0f, 24.0f), rng.range(-24.0f, 24.0f)};
        sparks.line(at, at + d, rng.range(1.0f, 2.5f));
    }
    c.fill(sparks.grown(1.5f).blurred(2.0f), solid(hex(0xff9020)), Blend::Add, 0.8f);
    c.fill(sparks, solid(hex(0xfff0c0)), Blend::Add);
    return c;
}

Canvas toulonKill()
{
    Canvas c = hangarShow(0.35f);
    Pose struck = toulonIn("hit3", 0, 2.6f);
    struck.faceLeft = true;
    stand(c, figure(struck), 400.0f, kFloor);
    stand(c, figure(Pose{"NickGauntlets", "rushStrike", 2, 2.6f}), 230.0f, kFloor);
    impactBurst(c, 360.0f, 200.0f, 90.0f, hex(0xffd040), 223);
    speedLines(c, 60, 120, 360, 280, 180.0f, hex(0xffffff), 225);
    return c;
}

Canvas hangarTeleport()
{
    Canvas c = hangar();
    c.fill(solid(hex(0x3a1008)), Blend::Multiply, 0.4f);
    flamesAt(c, 80, kFloor, 220, 260, 227, 1.2f);
    flamesAt(c, 560, kFloor, 240, 280, 229, 1.2f);
    flamesAt(c, 330, kFloor - 30, 160, 120, 231, 0.8f);
    smokeOver(c, 0, 0, 640, 220, hex(0x201414), 0.85f, 233);
    teleportFlare(c, 320, kFloor, 330, kTeleportTeal, 235);
    return c;
}

Canvas airshipSplode1()
{
    Canvas c = skyOverCity(0.5f);
    const AirshipPose ship = shipOutside();
    drawAirship(c, ship);
    hullFire(c, ship, -0.35f, 0.8f, 291);
    smokeTrail(c, airshipPoint(ship, -0.45f, -0.1f), 90.0f, 293);
    return c;
}

Canvas airshipSplode2()
{
    Canvas c = skyOverCity(0.5f);
    const AirshipPose ship = shipOutside();
    drawAirship(c, ship);
    hullFire(c, ship, -0.2f, 1.0f, 295);
    smokeTrail(c, airshipPoint(ship, -0.4f, -0.1f), 120.0f, 297);
    const Vec2 blast = airshipPoint(ship, -0.25f, 0.0f);
    impactBurst(c, blast.x, blast.y, 110.0f, hex(0xffb040), 299);
    return c;
}

Canvas airshipSplode3()
{
    Canvas c = skyOverCity(0.6f);
    AirshipPose ship = shipOutside();
    ship.tilt = -0.08f;
    drawAirship(c, ship);
    hullFire(c, ship, 0.3f, 1.2f, 301);
    // The hull torn open in the middle, the sky showing through, fragments flung out.
    const Vec2 tear = airshipPoint(ship, 0.0f, 0.0f);
    smokeTrail(c, airshipPoint(ship, -0.3f, -0.1f), 160.0f, 303);
    impactBurst(c, tear.x, tear.y, 220.0f, hex(0xffd060), 305);
    glow(c, tear.x, tear.y, 260.0f, hex(0xff8020), 0.8f);
    Rng rng(307);
    Mask shards(640, 480);
    for (int i = 0; i < 30; ++i)
    {
        const float a = rng.range(0.0f, 6.2831853f), d = rng.range(120.0f, 280.0f),
                    r = rng.range(6.0f, 16.0f);
        const Vec2 p = tear + Vec2{std::cos(a) * d, std::sin(a) * d * 0.7f};
        shards.polygon(shard(p, r, rng.range(0.0f, 6.2831853f)));
    }
    c.fill(shards.grown(1.0f), solid(hex(0x1a1010)));
    c.fill(shards, solid(hex(0x5a4a48)));
    return c;
}

Canvas airshipSplode4()
{
    Canvas c = skyOverCity(1.0f);
    c.fill(solid(hex(0x5a3a3a)), Blend::Multiply, 0.3f);
    // Broken in two and nose down, trailing fire and smoke toward the streets.
    AirshipPose bow = shipOutside();
    bow.centre = {250.0f, 250.0f};
    bow.length = 420.0f;
    bow.tilt = -0.45f;
    bow.glow = 0.0f;
    AirshipPose stern = bow;
    stern.centre = {470.0f, 170.0f};
    stern.length = 300.0f;
    stern.tilt = 0.5f;
    smokeOver(c, 0, 0, 640, 300, hex(0x2a2222), 0.8f, 311);
    Canvas front(640, 480), back(640, 480);
    drawAirship(front, bow);
    drawAirship(back, stern);
    // Keep the nose half of one and the tail half of the other.
    const Vec2 cutA = airshipPoint(bow, 0.0f, 0.0f), cutB = airshipPoint(stern, 0.0f, 0.0f);
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x)
        {
            if (x > cutA.x)
                front.at(x, y) = Colour{0, 0, 0, 0};
            if (x < cutB.x)
                back.at(x, y) = Colour{0, 0, 0, 0};
        }
    c.draw(back, 0, 0);
    c.draw(front, 0, 0);
    hullFire(c, bow, 0.0f, 1.2f, 313);
    hullFire(c, stern, 0.0f, 1.1f, 315);
    smokeTrail(c, cutA, 150.0f, 317);
    smokeTrail(c, cutB, 120.0f, 319);
    Rng rng(321);
    Mask debris(640, 480);
    for (int i = 0; i < 24; ++i)
    {
        const Vec2 p{rng.range(120.0f, 560.0f), rng.range(240.0f, 400.0f)};
        const float r = rng.range(4.0f, 12.0f);
        debris.polygon(shard(p, r, rng.range(0.0f, 6.2831853f)));
    }
    c.fill(debris, solid(hex(0x201818)));
    return c;
}

Canvas hellgate()
{
    Canvas c = gateStreet();
    rift(c, 330.0f, kFloor, 300.0f, 0.15f, nullptr, 241);
    return c;
}

Canvas hellgateOpen()
{
    Canvas c = gateStreet();
    const Canvas beyond = underworld();
    rift(c, 330.0f, kFloor, 330.0f, 1.0f, &beyond, 241);
    return c;
}

Canvas lilithThrow1()
{
    Canvas c = gateStreet();
    const Canvas beyond = underworld();
    rift(c, 500.0f, kFloor, 320.0f, 0.8f, &beyond, 243);
    // Lilith lifts Nick off his feet by the collar.
    stand(c, figure(Pose{"Lilith", "grab", 1, 2.6f, 0, false, true}), 230.0f, kFloor);
    Pose nick{"Nick", "hit1", 0, 2.4f, 0, true};
    nick.repose = [](roster::Pose& q)
    {
        q.footN = {0.2f, 0.15f};
        q.footF = {-0.05f, 0.1f};
        q.jaw = 0.8f;
    };
    stand(c, figure(nick), 340.0f, kFloor - 40.0f);
    return c;
}

Canvas lilithThrow2()
{
    Canvas c = gateStreet();
    const Canvas beyond = underworld();
    rift(c, 470.0f, kFloor, 330.0f, 0.9f, &beyond, 243);
    stand(c, figure(Pose{"Lilith", "slash1", 3, 2.6f, 0, false, true}), 170.0f, kFloor);
    // Nick flying head first into it.
    Pose nick{"Nick", "fallUp", 0, 2.4f};
    nick.repose = [](roster::Pose& q) { q.spin = 80.0f; };
    stand(c, figure(nick), 420.0f, 260.0f);
    speedLines(c, 200, 150, 420, 300, 0.0f, hex(0xffffff), 245);
    return c;
}

Canvas johnnyKill()
{
    Canvas c = johnnysStreet();
    darken(c, 0.2f);
    stand(c, figure(Pose{"Johnny", "hit3", 0, 2.6f, 0, true}), 410.0f, kFloor);
    stand(c, figure(Pose{"Nick", "slash2", 2, 2.6f}), 240.0f, kFloor);
    impactBurst(c, 380.0f, 210.0f, 80.0f, hex(0xff5040), 247);
    speedLines(c, 150, 90, 380, 260, 30.0f, hex(0xffffff), 249);
    return c;
}

Canvas johnnyGutter()
{
    Canvas c = johnnysStreet();
    darken(c, 0.25f);
    // Flat on his back by the curb, the knife fallen from his hand.
    Pose down{"Johnny", "crash", 2, 2.6f};
    down.unarmed = true;
    stand(c, figure(down), 300.0f, kFloor + 8.0f);
    Mask knife(640, 480), handle(640, 480);
    knife.polygon({{150, 374}, {214, 366}, {226, 371}, {214, 377}});
    handle.roundedRect(118, 370, 152, 381, 3);
    c.fill(knife.grown(1.5f), solid(hex(0x101014)));
    c.fill(knife, linear(150, 366, 150, 377, Gradient{{0.0f, hex(0xf0f4f8)}, {1.0f, hex(0x8a9098)}}));
    c.fill(handle.grown(1.5f), solid(hex(0x101014)));
    c.fill(handle, solid(hex(0x3a2a2a)));
    glow(c, 200, 370, 40, hex(0xffffff), 0.3f);
    return c;
}

Canvas cityOnFire()
{
    return burningCity();
}

Canvas lilithFinal()
{
    Canvas c = burningCity();
    darken(c, 0.2f);
    Pose p{"Lilith", "standing", 0};
    p.repose = [](roster::Pose& q)
    {
        q.wings = 1.0f;
        q.armN = {40.0f, 30.0f};
        q.armF = {-40.0f, 30.0f};
        q.lean = -4.0f;
        q.head = -6.0f;
    };
    const Canvas fig = figureOfHeight(p, 350.0f);
    glow(c, 320.0f, kFloor - fig.height() * 0.6f, 260.0f, hex(0xff3a6a), 0.5f);
    batWings(c, {300.0f, kFloor + 20.0f - fig.height() * 0.68f}, 560.0f, hex(0x4a1028));
    stand(c, fig, 320.0f, kFloor + 20.0f);
    return c;
}

Canvas lilithKill1()
{
    Canvas c = burningCity();
    darken(c, 0.25f);
    stand(c, figure(Pose{"Lilith", "hit2", 0, 2.6f, 0, true}), 420.0f, kFloor);
    stand(c, figure(Pose{"Nick", "thrust", 2, 2.6f}), 240.0f, kFloor);
    impactBurst(c, 395.0f, 220.0f, 70.0f, hex(0xff3a6a), 261);
    return c;
}

Canvas lilithKill2()
{
    Canvas c = burningCity();
    darken(c, 0.35f);
    stand(c, figure(kneeling(-20.0f, 0.6f, -0.6f)), 330.0f, kFloor + 20.0f);
    return c;
}

Canvas lilithKill3()
{
    Canvas c = burningCity();
    darken(c, 0.3f);
    Canvas fig = figure(kneeling(-30.0f, 0.0f, 0.8f));
    // Bands of her turning to light from the top down.
    for (int y = 0; y < fig.height(); ++y)
        for (int x = 0; x < fig.width(); ++x)
        {
            Colour& px = fig.at(x, y);
            const float t = 1.0f - static_cast<float>(y) / fig.height();
            if (px.a > 0.0f)
                px = withAlpha(mix(px, hex(0xfff0d0), 0.3f + 0.5f * t), px.a * (1.0f - 0.6f * t));
        }
    glow(c, 330.0f, kFloor - fig.height() * 0.6f, 220.0f, hex(0xffe0b0), 0.7f);
    stand(c, fig, 330.0f, kFloor + 20.0f);
    ashAndLight(c, 230.0f, 40.0f, 450.0f, kFloor - fig.height() * 0.4f, 263);
    return c;
}

Canvas rigSpec()
{
    Canvas c = place(destroyedStreet(), 600.0f);
    // Dusk: a low orange sun behind the smoke.
    c.fill(solid(hex(0x6a3a5a)), Blend::Multiply, 0.35f);
    glow(c, 520.0f, 250.0f, 300.0f, hex(0xff9040), 0.5f);
    flamesAt(c, 60, 330, 100, 120, 271, 0.7f);
    smokeOver(c, 0, 0, 640, 200, hex(0x3a2a2a), 0.5f, 273);
    // Side by side, small, walking off toward the light.
    stand(c, figure(Pose{"Rigby", "walk", 1, 1.3f}), 420.0f, kFloor - 30.0f);
    stand(c, figure(Pose{"Spectre", "walk", 2, 1.35f}), 460.0f, kFloor - 30.0f);
    return c;
}
} // namespace datagen::story
