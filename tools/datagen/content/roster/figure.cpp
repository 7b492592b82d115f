// The body kinds' drawing. People are drawn far limbs first, then the torso,
// the near leg, the head and the near arm with its weapon on top.
#include "content/roster/figure.h"

#include <algorithm>
#include <cmath>

namespace datagen::roster
{
namespace
{
constexpr float kFar = -0.38f; // far limbs are in shade

// A point in a frame turned by `angle` (lean sense) and placed at `origin`.
struct Frame2
{
    Vec2 origin;
    float angle;
    float scale;
    Vec2 operator()(float x, float y) const { return origin + rotate(Vec2{x, y} * scale, angle); }
};

std::vector<Vec2> pts(const Frame2& f, std::initializer_list<Vec2> local)
{
    std::vector<Vec2> out;
    for (const Vec2& v : local)
        out.push_back(f(v.x, v.y));
    return out;
}

Vec2 perp(Vec2 v)
{
    return {-v.y, v.x};
}

// The blade or tool in one hand; returns the tip.
void drawWeapon(Drawing& d, Weapon w, float size, Vec2 grip, float foreAngle, float turn, float reach,
                float light, Vec2& tipOut, float& tipRadius, Vec2& muzzle, float phase)
{
    tipRadius = 3.0f;
    const float s = size;
    switch (w)
    {
    case Weapon::Sword:
    case Weapon::TwinSwords:
    case Weapon::GreatBlade:
    case Weapon::Knife:
    {
        const float len = (w == Weapon::GreatBlade   ? 60.0f
                           : w == Weapon::Knife      ? 14.0f
                           : w == Weapon::TwinSwords ? 36.0f
                                                     : 46.0f) *
                          s;
        const float width = (w == Weapon::GreatBlade ? 5.2f : w == Weapon::Knife ? 2.0f : 2.6f) * s;
        const Vec2 u = fromDown(foreAngle + 90.0f + turn);
        const Vec2 n = perp(u);
        Part& handle = d.add(Wood, light);
        handle.prims.push_back(capsule(grip - u * (6.0f * s), grip + u * (4.0f * s), 1.6f * s, 1.8f * s));
        Part& guard = d.add(w == Weapon::GreatBlade ? Glow : Accent, light);
        guard.prims.push_back(capsule(grip + u * (4.5f * s) - n * (4.5f * s),
                                      grip + u * (4.5f * s) + n * (4.5f * s), 1.3f * s, 1.3f * s));
        const Vec2 base = grip + u * (6.0f * s);
        const Vec2 tip = grip + u * (6.0f * s + len);
        Part& blade = d.add(Metal, light);
        blade.gloss = 0.6f;
        blade.prims.push_back(polygon({base - n * width, tip - n * (width * 0.3f) - u * (width * 1.2f), tip,
                                       tip + n * (width * 0.2f) - u * (width * 1.6f), base + n * width},
                                      width));
        if (w == Weapon::GreatBlade)
        {
            Part& rune = d.add(Glow, light);
            rune.flat = true;
            rune.edge = false;
            rune.prims.push_back(
                capsule(base + u * (len * 0.15f), base + u * (len * 0.75f), 0.9f * s, 0.6f * s));
        }
        tipOut = tip;
        tipRadius = width + 2.0f;
        return;
    }
    case Weapon::Bat:
    case Weapon::Crowbar:
    {
        const Vec2 u = fromDown(foreAngle + 90.0f + turn);
        const float len = (w == Weapon::Bat ? 40.0f : 34.0f) * s;
        Part& p = d.add(w == Weapon::Bat ? Wood : Metal, light);
        p.gloss = w == Weapon::Bat ? 0.2f : 0.5f;
        p.prims.push_back(capsule(grip - u * (5.0f * s), grip + u * len, (w == Weapon::Bat ? 2.0f : 1.6f) * s,
                                  (w == Weapon::Bat ? 4.6f : 1.6f) * s));
        if (w == Weapon::Crowbar)
            p.prims.push_back(capsule(grip + u * len, grip + u * (len - 3.0f * s) + perp(u) * (6.0f * s),
                                      1.6f * s, 1.4f * s));
        else
        {
            Part& tape = d.add(Accent, light);
            tape.prims.push_back(capsule(grip - u * (4.0f * s), grip + u * (4.0f * s), 2.2f * s, 2.2f * s));
        }
        tipOut = grip + u * len;
        tipRadius = 5.0f * s;
        return;
    }
    case Weapon::Wrench:
    {
        const Vec2 u = fromDown(foreAngle + 90.0f + turn);
        const Vec2 n = perp(u);
        const float len = 30.0f * s;
        Part& p = d.add(Metal, light);
        p.gloss = 0.5f;
        p.prims.push_back(capsule(grip - u * (4.0f * s), grip + u * len, 2.0f * s, 2.4f * s));
        const Vec2 head = grip + u * len;
        p.prims.push_back(
            polygon({head - n * (6.0f * s), head - n * (6.0f * s) + u * (7.0f * s),
                     head - n * (1.5f * s) + u * (7.0f * s), head - n * (1.5f * s) + u * (3.0f * s),
                     head + n * (1.5f * s) + u * (3.0f * s), head + n * (1.5f * s) + u * (7.0f * s),
                     head + n * (6.0f * s) + u * (7.0f * s), head + n * (6.0f * s)},
                    2.0f));
        tipOut = head + u * (5.0f * s);
        tipRadius = 7.0f * s;
        return;
    }
    case Weapon::Scythe:
    case Weapon::Spear:
    case Weapon::Staff:
    {
        const Vec2 u = fromDown(foreAngle + 90.0f + turn);
        const Vec2 n = perp(u);
        const float up = (w == Weapon::Staff ? 46.0f : 52.0f) * s;
        const float down = (w == Weapon::Staff ? 26.0f : 24.0f) * s;
        Part& shaft = d.add(Wood, light);
        shaft.prims.push_back(capsule(grip - u * down, grip + u * up, 1.7f * s, 1.7f * s));
        const Vec2 top = grip + u * up;
        if (w == Weapon::Scythe)
        {
            Part& blade = d.add(Metal, light);
            blade.gloss = 0.6f;
            const Vec2 a = top - n * (2.0f * s);
            blade.prims.push_back(
                polygon({top + n * (2.0f * s), top + n * (4.0f * s) - u * (6.0f * s),
                         a - n * (16.0f * s) - u * (10.0f * s), a - n * (30.0f * s) - u * (22.0f * s),
                         a - n * (22.0f * s) - u * (8.0f * s), a - n * (8.0f * s) + u * (1.0f * s)},
                        3.0f));
            tipOut = a - n * (30.0f * s) - u * (22.0f * s);
            tipRadius = 8.0f * s;
        }
        else if (w == Weapon::Spear)
        {
            Part& blade = d.add(Metal, light);
            blade.gloss = 0.6f;
            blade.prims.push_back(
                polygon({top - n * (3.5f * s), top + u * (16.0f * s), top + n * (3.5f * s)}, 2.0f));
            Part& axe = d.add(Metal, light - 0.1f);
            axe.prims.push_back(polygon({top - u * (2.0f * s), top - n * (10.0f * s) - u * (4.0f * s),
                                         top - n * (11.0f * s) + u * (6.0f * s), top + u * (3.0f * s)},
                                        2.0f));
            tipOut = top + u * (16.0f * s);
            tipRadius = 5.0f * s;
        }
        else
        {
            Part& orb = d.add(Glow, light);
            orb.flat = false;
            orb.gloss = 0.8f;
            orb.prims.push_back(circle(top + u * (5.0f * s), 5.5f * s));
            tipOut = top + u * (5.0f * s);
            tipRadius = 7.0f * s;
        }
        return;
    }
    case Weapon::Whip:
    {
        const Vec2 u = fromDown(foreAngle + 40.0f + turn);
        Part& handle = d.add(Wood, light);
        handle.prims.push_back(capsule(grip - u * (4.0f * s), grip + u * (8.0f * s), 1.8f * s, 1.8f * s));
        // The lash: a curve that straightens as it extends.
        const float len = (14.0f + 80.0f * reach) * s;
        const Vec2 start = grip + u * (8.0f * s);
        const Vec2 sag{0.0f, (1.0f - reach) * 18.0f * s + 4.0f * s};
        const Vec2 end = start + u * len + sag * 0.6f;
        const Vec2 ctrl = start + u * (len * 0.5f) + sag;
        Part& lash = d.add(Glow, light);
        lash.gloss = 0.4f;
        const std::vector<Vec2> curve = quadCurve(start, ctrl, end, 10);
        for (std::size_t i = 0; i + 1 < curve.size(); ++i)
            lash.prims.push_back(capsule(curve[i], curve[i + 1], 1.7f * s, 1.4f * s));
        if (reach > 0.6f)
        {
            // Sparks at the crackling tip.
            Part& spark = d.add(Extra2, 0.3f);
            spark.flat = true;
            for (int k = 0; k < 4; ++k)
            {
                const float a = phase * 360.0f + k * 90.0f;
                spark.prims.push_back(capsule(end, end + fromDown(a) * (7.0f * s), 0.9f * s, 0.4f * s));
            }
        }
        tipOut = end;
        tipRadius = 6.0f * s;
        return;
    }
    case Weapon::Rifle:
    {
        const Vec2 u = fromDown(foreAngle + turn);
        const Vec2 n = perp(u);
        Part& stock = d.add(Wood, light);
        stock.prims.push_back(
            polygon({grip - u * (16.0f * s) + n * (2.0f * s), grip - u * (16.0f * s) - n * (4.5f * s),
                     grip + u * (6.0f * s) - n * (3.0f * s), grip + u * (6.0f * s) + n * (2.5f * s)},
                    2.0f));
        Part& body = d.add(Metal, light);
        body.gloss = 0.4f;
        body.prims.push_back(capsule(grip + u * (2.0f * s), grip + u * (30.0f * s), 2.6f * s, 1.4f * s));
        body.prims.push_back(
            capsule(grip + u * (8.0f * s), grip + u * (10.0f * s) + n * (6.0f * s), 1.6f * s, 1.6f * s));
        tipOut = grip + u * (32.0f * s);
        muzzle = tipOut;
        tipRadius = 4.0f;
        return;
    }
    case Weapon::Pistols:
    {
        const Vec2 u = fromDown(foreAngle + turn);
        const Vec2 n = perp(u);
        Part& gun = d.add(Metal, light);
        gun.gloss = 0.5f;
        gun.prims.push_back(capsule(grip, grip + u * (12.0f * s), 2.2f * s, 1.8f * s));
        gun.prims.push_back(capsule(grip, grip + n * (5.0f * s) - u * (1.0f * s), 1.8f * s, 1.8f * s));
        tipOut = grip + u * (13.0f * s);
        muzzle = tipOut;
        return;
    }
    case Weapon::Claws:
    {
        const Vec2 u = fromDown(foreAngle + turn);
        const Vec2 n = perp(u);
        Part& claws = d.add(Eye, light);
        for (int k = -1; k <= 1; ++k)
            claws.prims.push_back(capsule(grip + n * (k * 2.0f * s),
                                          grip + u * (11.0f * s) + n * (k * 3.0f * s), 1.2f * s, 0.3f * s));
        tipOut = grip + u * (11.0f * s);
        tipRadius = 5.0f;
        return;
    }
    case Weapon::Cane:
    {
        // Held by the knob, hanging on along the forearm.
        const Vec2 u = fromDown(foreAngle + turn);
        Part& stick = d.add(Dark, light);
        stick.gloss = 0.6f;
        stick.prims.push_back(capsule(grip - u * (4.0f * s), grip + u * (30.0f * s), 1.3f * s, 1.3f * s));
        Part& knob = d.add(Accent, light);
        knob.gloss = 0.8f;
        knob.prims.push_back(circle(grip - u * (5.0f * s), 3.2f * s));
        tipOut = grip + u * (30.0f * s);
        tipRadius = 4.0f;
        return;
    }
    case Weapon::ShieldBaton: // the baton; the shield is drawn with the near arm
    {
        const Vec2 u = fromDown(foreAngle + 90.0f + turn);
        Part& p = d.add(Dark, light);
        p.gloss = 0.4f;
        p.prims.push_back(capsule(grip - u * (4.0f * s), grip + u * (24.0f * s), 1.8f * s, 2.0f * s));
        tipOut = grip + u * (24.0f * s);
        tipRadius = 4.0f;
        return;
    }
    default:
        tipOut = grip;
        return;
    }
}

bool twoHanded(Weapon w)
{
    return w == Weapon::Rifle || w == Weapon::Scythe || w == Weapon::Spear;
}

int sleeveRamp(const Style& st, bool upper)
{
    if (st.machine)
        return Armour;
    if (st.sleeves == 2 || (st.sleeves == 1 && upper))
        return st.coat == Coat::None || st.coat == Coat::Vest ? Top : Top;
    return Skin;
}

void drawArm(Drawing& d, const Style& st, const Body& b, Vec2 shoulder, Vec2 elbow, Vec2 hand, float light,
             bool fistOnTop)
{
    const float l = b.limb;
    Part& upper = d.add(sleeveRamp(st, true), light);
    upper.prims.push_back(capsule(shoulder, elbow, 4.6f * l, 3.9f * l));
    if (st.armour || st.machine)
    {
        Part& plate = d.add(Armour, light);
        plate.gloss = 0.4f;
        plate.prims.push_back(ellipse(shoulder + (elbow - shoulder) * 0.15f, 6.5f * l, 5.5f * l));
    }
    Part& fore = d.add(sleeveRamp(st, false), light);
    fore.prims.push_back(capsule(elbow, hand, 3.8f * l, 3.2f * l));
    if (st.zombie && st.sleeves == 2)
    {
        // Torn cuff: bare wrist showing.
        Part& wrist = d.add(Skin, light);
        wrist.prims.push_back(capsule(elbow + (hand - elbow) * 0.7f, hand, 3.0f * l, 2.9f * l));
    }
    if (fistOnTop)
    {
        const bool big = st.weapon == Weapon::Gauntlets;
        Part& fist = d.add(big || st.machine ? Metal : (st.gloves ? Accent : Skin), light);
        fist.gloss = big ? 0.6f : 0.0f;
        const float r = big ? b.hand * 1.8f : b.hand;
        if (big)
            fist.prims.push_back(capsule(elbow + (hand - elbow) * 0.55f, hand, r * 0.8f, r * 0.9f));
        fist.prims.push_back(circle(hand, r));
    }
}

void drawLeg(Drawing& d, const Style& st, const Body& b, Vec2 hip, Vec2 knee, Vec2 ankle, Vec2 toe,
             float light)
{
    const float l = b.limb;
    const int thighRamp = st.machine ? Armour : (st.legwear == 0 ? Skin : Bottom);
    const int shinRamp = st.machine ? Armour : (st.legwear >= 2 ? Bottom : Skin);
    Part& thigh = d.add(thighRamp, light);
    thigh.prims.push_back(capsule(hip, knee, 6.2f * l, 4.8f * l));
    Part& shin = d.add(shinRamp, light);
    shin.prims.push_back(capsule(knee, ankle, 4.7f * l, 3.6f * l));
    if (st.zombie && st.legwear >= 2)
    {
        Part& rip = d.add(Skin, light);
        rip.prims.push_back(
            capsule(knee + (ankle - knee) * 0.45f, knee + (ankle - knee) * 0.7f, 3.2f * l, 3.0f * l));
    }
    if (st.boots || st.machine)
    {
        Part& boot = d.add(Shoes, light);
        boot.prims.push_back(capsule(knee + (ankle - knee) * 0.6f, ankle, 4.4f * l, 4.2f * l));
    }
    Part& foot = d.add(st.legwear == 0 && !st.boots ? Skin : Shoes, light);
    const Vec2 u = toe - ankle;
    foot.prims.push_back(capsule(ankle - u * 0.18f, toe, 3.6f * l, 2.6f * l));
    if (st.machine)
        foot.gloss = 0.4f;
}

void drawHair(Drawing& d, const Style& st, const Frame2& h, float r, float cape, bool back)
{
    switch (st.hair)
    {
    case HairStyle::None:
        return;
    case HairStyle::Long:
        if (back)
        {
            Part& p = d.add(Hair);
            p.prims.push_back(polygon(pts(h, {{-0.9f * r, -0.3f * r},
                                              {0.2f * r, -0.6f * r},
                                              {0.1f * r, 0.4f * r},
                                              {-0.6f * r - cape * 4.0f, 2.6f * r},
                                              {-1.2f * r - cape * 6.0f, 2.2f * r}}),
                                      3.0f));
        }
        break;
    case HairStyle::Ponytail:
        if (back)
        {
            Part& p = d.add(Hair);
            p.prims.push_back(
                capsule(h(-0.8f * r, -0.5f * r), h(-1.6f * r - cape * 5.0f, 0.9f * r), 0.32f * r, 0.16f * r));
        }
        break;
    case HairStyle::Bun:
        if (back)
        {
            Part& p = d.add(Hair);
            p.prims.push_back(circle(h(-0.85f * r, -0.55f * r), 0.42f * r));
        }
        break;
    default:
        break;
    }
    if (back)
        return;
    Part& top = d.add(Hair);
    switch (st.hair)
    {
    case HairStyle::Spiky:
        top.prims.push_back(polygon(pts(h, {{0.75f * r, -0.45f * r},
                                            {0.95f * r, -1.05f * r},
                                            {0.35f * r, -0.95f * r},
                                            {0.2f * r, -1.6f * r},
                                            {-0.25f * r, -1.0f * r},
                                            {-0.75f * r, -1.45f * r},
                                            {-0.85f * r, -0.75f * r},
                                            {-1.45f * r, -0.7f * r},
                                            {-1.05f * r, -0.2f * r},
                                            {-1.15f * r, 0.35f * r},
                                            {-0.55f * r, 0.1f * r},
                                            {0.0f, -0.4f * r}}),
                                    2.0f));
        break;
    case HairStyle::Mohawk:
        top.prims.push_back(polygon(pts(h, {{0.5f * r, -0.8f * r},
                                            {0.3f * r, -1.55f * r},
                                            {-0.2f * r, -1.4f * r},
                                            {-0.8f * r, -1.2f * r},
                                            {-1.1f * r, -0.5f * r},
                                            {-0.3f * r, -0.75f * r}}),
                                    2.0f));
        break;
    case HairStyle::Slick:
        top.prims.push_back(polygon(pts(h, {{0.7f * r, -0.6f * r},
                                            {0.2f * r, -1.08f * r},
                                            {-0.7f * r, -0.95f * r},
                                            {-1.2f * r, -0.35f * r},
                                            {-1.05f * r, 0.3f * r},
                                            {-0.55f * r, 0.0f},
                                            {0.1f * r, -0.5f * r}}),
                                    3.0f));
        break;
    case HairStyle::Messy:
        top.prims.push_back(polygon(pts(h, {{0.85f * r, -0.35f * r},
                                            {0.7f * r, -0.95f * r},
                                            {0.1f * r, -1.2f * r},
                                            {-0.6f * r, -1.1f * r},
                                            {-1.15f * r, -0.6f * r},
                                            {-1.25f * r, 0.45f * r},
                                            {-0.8f * r, 0.2f * r},
                                            {-0.6f * r, 0.6f * r},
                                            {-0.35f * r, -0.1f * r},
                                            {0.3f * r, -0.55f * r}}),
                                    2.5f));
        break;
    default: // short, long, ponytail and bun share the cap of hair
        top.prims.push_back(polygon(pts(h, {{0.8f * r, -0.45f * r},
                                            {0.5f * r, -0.95f * r},
                                            {-0.2f * r, -1.12f * r},
                                            {-0.9f * r, -0.8f * r},
                                            {-1.1f * r, -0.1f * r},
                                            {-0.85f * r, 0.45f * r},
                                            {-0.45f * r, 0.35f * r},
                                            {-0.3f * r, -0.2f * r},
                                            {0.35f * r, -0.5f * r}}),
                                    3.0f));
        break;
    }
}

void drawHead(Drawing& d, const Style& st, const Body& b, const Skeleton& k, const Pose& p)
{
    const float r = b.headR;
    const Frame2 h{k.head, k.headAngle, 1.0f};
    drawHair(d, st, h, r, p.cape, true);
    Part& neck = d.add(st.machine ? Metal : Skin, -0.1f);
    neck.prims.push_back(
        capsule(k.neck + (k.neck - k.chest) * 0.05f, h(-0.1f * r, 0.6f * r), 3.6f * b.limb, 3.4f * b.limb));

    if (st.hat == Headgear::Hood)
    {
        Part& hood = d.add(Top);
        hood.prims.push_back(ellipse(h(-0.15f * r, -0.08f * r), 1.3f * r, 1.25f * r, k.headAngle));
        hood.prims.push_back(capsule(h(-0.6f * r, 0.6f * r), h(-1.0f * r, 1.4f * r), 0.7f * r, 0.5f * r));
    }
    Part& skull = d.add(st.machine ? Armour : Skin);
    skull.gloss = st.machine ? 0.5f : 0.08f;
    skull.prims.push_back(ellipse(h(0.0f, 0.0f), 0.98f * r, 1.0f * r, k.headAngle));
    skull.prims.push_back(ellipse(h(0.32f * r, 0.38f * r), 0.62f * r, 0.58f * r, k.headAngle)); // jaw
    if (!st.machine)
        skull.prims.push_back(ellipse(h(0.92f * r, 0.05f * r), 0.2f * r, 0.16f * r, k.headAngle)); // nose
    if (!st.machine && st.hat != Headgear::Hood)
    {
        Part& ear = d.add(Skin, -0.25f);
        ear.prims.push_back(ellipse(h(-0.12f * r, 0.05f * r), 0.2f * r, 0.27f * r, k.headAngle));
    }
    if (st.beard)
    {
        Part& beard = d.add(Hair);
        beard.prims.push_back(polygon(pts(h, {{-0.1f * r, 0.2f * r},
                                              {0.85f * r, 0.35f * r},
                                              {0.7f * r, 0.95f * r},
                                              {0.2f * r, 1.1f * r},
                                              {-0.2f * r, 0.6f * r}}),
                                      2.0f));
    }
    // Eye, brow, mouth.
    const bool glow = st.glowEyes || st.zombie;
    if (st.machine || st.hat == Headgear::Visor)
    {
        Part& slit = d.add(Glow);
        slit.flat = true;
        slit.prims.push_back(
            capsule(h(0.2f * r, -0.15f * r), h(0.85f * r, -0.12f * r), 0.14f * r, 0.14f * r));
    }
    else if (st.hat != Headgear::WeldMask)
    {
        Part& white = d.add(glow ? Dark : Eye);
        white.edge = false;
        white.prims.push_back(
            ellipse(h(0.55f * r, -0.1f * r), 0.17f * r, 0.2f * r * std::max(0.25f, p.eyes), k.headAngle));
        Part& pupil = d.add(glow ? Glow : Dark);
        pupil.flat = true;
        pupil.edge = false;
        pupil.prims.push_back(circle(h(0.62f * r, -0.08f * r), 0.09f * r * std::max(0.3f, p.eyes) + 0.3f));
        Part& brow = d.add(st.hair == HairStyle::None ? Skin : Hair, -0.3f);
        brow.edge = false;
        const float angry = glow ? 0.12f : 0.0f;
        brow.prims.push_back(capsule(h(0.36f * r, -0.36f * r - angry * r),
                                     h(0.78f * r, -0.3f * r + angry * r), 0.08f * r + 0.4f,
                                     0.07f * r + 0.4f));
        if (st.female)
        {
            Part& lash = d.add(Dark);
            lash.edge = false;
            lash.prims.push_back(capsule(h(0.45f * r, -0.24f * r), h(0.74f * r, -0.27f * r),
                                         0.05f * r + 0.35f, 0.05f * r + 0.35f));
        }
    }
    Part& mouth = d.add(Mouth);
    mouth.edge = false;
    if (p.jaw > 0.1f || st.zombie)
    {
        const float o = std::max(p.jaw, st.zombie ? 0.35f : 0.0f);
        mouth.prims.push_back(
            ellipse(h(0.66f * r, 0.5f * r), 0.2f * r, (0.08f + 0.22f * o) * r, k.headAngle));
        if (st.zombie)
        {
            Part& teeth = d.add(Eye);
            teeth.edge = false;
            teeth.prims.push_back(capsule(h(0.55f * r, 0.42f * r), h(0.78f * r, 0.42f * r), 0.05f * r + 0.3f,
                                          0.05f * r + 0.3f));
        }
    }
    else
        mouth.prims.push_back(
            capsule(h(0.52f * r, 0.5f * r), h(0.8f * r, 0.46f * r), 0.05f * r + 0.3f, 0.05f * r + 0.3f));

    drawHair(d, st, h, r, p.cape, false);
    if (st.halfMask)
    {
        Part& mask = d.add(Eye);
        mask.gloss = 0.5f;
        mask.prims.push_back(polygon(pts(h, {{1.05f * r, -0.45f * r},
                                             {1.08f * r, 0.2f * r},
                                             {0.75f * r, 0.3f * r},
                                             {0.2f * r, 0.05f * r},
                                             {0.15f * r, -0.5f * r}}),
                                     1.5f));
        Part& hole = d.add(Dark);
        hole.flat = true;
        hole.edge = false;
        hole.prims.push_back(ellipse(h(0.6f * r, -0.12f * r), 0.16f * r, 0.1f * r, k.headAngle));
    }
    switch (st.hat)
    {
    case Headgear::Goggles:
    {
        Part& band = d.add(Dark);
        band.prims.push_back(
            capsule(h(-0.95f * r, -0.35f * r), h(0.5f * r, -0.62f * r), 0.14f * r, 0.14f * r));
        Part& lens = d.add(Glow);
        lens.gloss = 0.8f;
        lens.prims.push_back(ellipse(h(0.55f * r, -0.62f * r), 0.3f * r, 0.22f * r, k.headAngle));
        break;
    }
    case Headgear::Helmet:
    {
        Part& helmet = d.add(Armour);
        helmet.gloss = 0.3f;
        helmet.prims.push_back(polygon(pts(h, {{1.05f * r, -0.3f * r},
                                               {0.7f * r, -1.05f * r},
                                               {-0.3f * r, -1.3f * r},
                                               {-1.1f * r, -0.8f * r},
                                               {-1.25f * r, 0.1f * r},
                                               {-0.6f * r, 0.0f},
                                               {0.2f * r, -0.3f * r}}),
                                       3.0f));
        Part& strap = d.add(Dark);
        strap.edge = false;
        strap.prims.push_back(
            capsule(h(0.05f * r, -0.2f * r), h(0.35f * r, 0.8f * r), 0.07f * r + 0.3f, 0.07f * r + 0.3f));
        break;
    }
    case Headgear::Cap:
    {
        Part& cap = d.add(Accent);
        cap.prims.push_back(polygon(pts(h, {{0.8f * r, -0.45f * r},
                                            {0.5f * r, -1.05f * r},
                                            {-0.4f * r, -1.15f * r},
                                            {-1.0f * r, -0.6f * r},
                                            {-0.9f * r, -0.2f * r}}),
                                    3.0f));
        cap.prims.push_back(capsule(h(0.6f * r, -0.45f * r), h(1.45f * r, -0.38f * r), 0.12f * r, 0.1f * r));
        break;
    }
    case Headgear::WeldMask:
    {
        Part& mask = d.add(Armour);
        mask.gloss = 0.3f;
        mask.prims.push_back(polygon(
            pts(h,
                {{1.15f * r, -0.7f * r}, {1.2f * r, 0.85f * r}, {0.2f * r, 1.0f * r}, {0.1f * r, -0.9f * r}}),
            2.5f));
        Part& glass = d.add(Glow);
        glass.gloss = 0.9f;
        glass.prims.push_back(polygon(pts(h, {{1.2f * r, -0.35f * r},
                                              {1.22f * r, 0.05f * r},
                                              {0.6f * r, 0.05f * r},
                                              {0.6f * r, -0.35f * r}}),
                                      1.0f));
        break;
    }
    case Headgear::Bandana:
    {
        Part& band = d.add(Accent);
        band.prims.push_back(
            capsule(h(-0.95f * r, -0.3f * r), h(0.75f * r, -0.55f * r), 0.2f * r, 0.18f * r));
        band.prims.push_back(
            capsule(h(-0.95f * r, -0.3f * r), h(-1.7f * r - p.cape * 4.0f, 0.3f * r), 0.14f * r, 0.1f * r));
        break;
    }
    case Headgear::Crown:
    {
        Part& crown = d.add(Accent);
        crown.gloss = 0.7f;
        crown.prims.push_back(polygon(pts(h, {{0.6f * r, -0.7f * r},
                                              {0.75f * r, -1.35f * r},
                                              {0.3f * r, -1.0f * r},
                                              {0.0f, -1.45f * r},
                                              {-0.3f * r, -1.05f * r},
                                              {-0.75f * r, -1.3f * r},
                                              {-0.65f * r, -0.65f * r}}),
                                      1.5f));
        break;
    }
    case Headgear::TopHat:
    {
        Part& hat = d.add(Dark);
        hat.gloss = 0.4f;
        hat.prims.push_back(polygon(pts(h, {{0.55f * r, -0.8f * r},
                                            {0.62f * r, -2.3f * r},
                                            {-0.75f * r, -2.35f * r},
                                            {-0.7f * r, -0.85f * r}}),
                                    1.5f));
        hat.prims.push_back(capsule(h(-1.2f * r, -0.78f * r), h(1.1f * r, -0.72f * r), 0.14f * r, 0.14f * r));
        Part& band = d.add(Accent);
        band.edge = false;
        band.prims.push_back(polygon(pts(h, {{0.57f * r, -0.95f * r},
                                             {0.59f * r, -1.25f * r},
                                             {-0.72f * r, -1.28f * r},
                                             {-0.7f * r, -0.98f * r}}),
                                     1.0f));
        break;
    }
    default:
        break;
    }
    if (st.horns)
    {
        Part& horn = d.add(Eye, -0.1f);
        horn.prims.push_back(polygon(pts(h, {{0.25f * r, -0.8f * r},
                                             {0.55f * r, -1.5f * r},
                                             {0.05f * r, -2.0f * r},
                                             {0.25f * r, -1.45f * r},
                                             {-0.2f * r, -0.85f * r}}),
                                     2.0f));
    }
}

void drawHuman(const Style& st, const Pose& p, Drawing& d, Hot& hot)
{
    const Body& b = st.body;
    const Skeleton k = solveHuman(b, p);
    const float l = b.limb;
    const Vec2 up = fromDown(180.0f - k.torsoAngle);
    const Vec2 fwd{-up.y, up.x}; // across the torso toward the front
    const Vec2 fwdN = Vec2{up.y * -1.0f, up.x} * -1.0f;
    (void)fwdN;
    const Vec2 front = rotate({1.0f, 0.0f}, k.torsoAngle);

    // Behind everything: wings, cape, tail, long hair.
    if (st.wings)
    {
        Part& wing = d.add(Extra1, -0.15f);
        const float spread = p.wings;
        const Vec2 root = k.chest - front * 4.0f;
        const Vec2 tipA = root + fromDown(200.0f + spread * 30.0f) * (46.0f * l);
        const Vec2 tipB = root + fromDown(235.0f + spread * 25.0f) * (40.0f * l);
        wing.prims.push_back(
            polygon({root, tipA, root + (tipA - root) * 0.6f + Vec2{-6.0f, 14.0f}, tipB,
                     root + (tipB - root) * 0.5f + Vec2{-4.0f, 16.0f}, root + Vec2{-8.0f, 22.0f}},
                    3.0f));
        Part& bone = d.add(Extra1, -0.35f);
        bone.prims.push_back(capsule(root, tipA, 1.6f * l, 1.0f * l));
        bone.prims.push_back(capsule(root, tipB, 1.4f * l, 0.9f * l));
    }
    if (st.cape)
    {
        Part& cape = d.add(Inner, -0.2f);
        const Vec2 sh = k.shoulderF;
        const float swing = 10.0f + p.cape * 14.0f;
        cape.prims.push_back(polygon(
            {sh + front * 3.0f, sh - front * 5.0f, k.pelvis - front * (swing + 6.0f) + Vec2{0.0f, 28.0f * l},
             k.pelvis - front * (swing - 6.0f) + Vec2{0.0f, 36.0f * l}, k.pelvis + Vec2{0.0f, 8.0f}},
            4.0f));
    }
    if (st.tail)
    {
        Part& tail = d.add(Skin, -0.2f);
        const Vec2 a = k.pelvis - front * (b.hips * 0.8f);
        const Vec2 c1 = a - front * 18.0f + Vec2{0.0f, 10.0f + p.tail * 8.0f};
        const Vec2 c2 = c1 - front * 10.0f + Vec2{0.0f, -14.0f};
        const std::vector<Vec2> curve = quadCurve(a, c1, c2, 6);
        for (std::size_t i = 0; i + 1 < curve.size(); ++i)
            tail.prims.push_back(capsule(curve[i], curve[i + 1], 2.4f * l, 1.8f * l));
        tail.prims.push_back(polygon({c2, c2 + Vec2{-5.0f, -6.0f}, c2 + Vec2{2.0f, -9.0f}}, 1.5f));
    }
    if (st.coat == Coat::LongCoat || st.coat == Coat::Robe)
    {
        // The coat's back panel hangs behind the legs.
        Part& coatBack = d.add(Top, -0.3f);
        const float drop = st.coat == Coat::Robe ? b.hip * 0.95f : b.hip * 0.7f;
        const float trail = 8.0f + p.cape * 10.0f;
        coatBack.prims.push_back(
            polygon({k.pelvis + up * 6.0f - front * (b.hips + 1.0f), k.pelvis + up * 6.0f + front * 4.0f,
                     k.pelvis + Vec2{2.0f, drop}, k.pelvis + Vec2{-trail - 4.0f, drop - 2.0f}},
                    4.0f));
    }

    // Far arm, its weapon, far leg.
    const bool farWeapon =
        st.weapon == Weapon::TwinSwords || st.weapon == Weapon::ShieldBaton || st.weapon == Weapon::Pistols;
    hot.gripF = k.handF;
    hot.tipF = k.handF;
    if (farWeapon)
    {
        Vec2 m{};
        float tr = 3.0f;
        const Weapon fw = st.weapon == Weapon::ShieldBaton ? Weapon::ShieldBaton : st.weapon;
        drawWeapon(d, fw, st.weaponSize, k.handF, k.foreF, p.weaponF, p.reach, kFar, hot.tipF, tr, m,
                   p.phase);
    }
    if (twoHanded(st.weapon))
    {
        // The far hand holds the weapon too: drawn with the near arm below.
    }
    drawArm(d, st, b, k.shoulderF, k.elbowF, k.handF, kFar, true);
    drawLeg(d, st, b, k.hipF, k.kneeF, k.ankleF, k.toeF, kFar);

    // Torso.
    const Vec2 chestC = k.chest + front * (b.belly * 0.3f);
    Part& pelvis = d.add(st.machine ? Armour : (st.legwear == 0 ? Skin : Bottom));
    pelvis.prims.push_back(ellipse(k.pelvis + up * 2.0f, b.hips, b.hips * 0.9f, k.torsoAngle));
    Part& torso = d.add(st.machine ? Armour : (st.bareChest ? Skin : Top));
    torso.gloss = st.machine ? 0.4f : 0.0f;
    torso.prims.push_back(capsule(k.pelvis + up * 6.0f, k.neck - up * 5.0f, b.waist, b.chest));
    torso.prims.push_back(ellipse(chestC, b.chest * 1.02f, b.torso * 0.38f, k.torsoAngle));
    if (b.belly > 0.0f)
        torso.prims.push_back(ellipse(k.pelvis + up * (b.torso * 0.3f) + front * (b.belly * 0.6f),
                                      b.waist + b.belly * 0.8f, b.torso * 0.34f + b.belly * 0.2f,
                                      k.torsoAngle));
    if (st.female)
        torso.prims.push_back(
            ellipse(k.chest + front * (b.chest * 0.7f) - up * 2.0f, 4.2f * l, 4.0f * l, k.torsoAngle));
    if (st.coat == Coat::Jacket || st.coat == Coat::LongCoat || st.coat == Coat::Vest)
    {
        // Open front: the shirt shows down the middle.
        Part& shirt = d.add(Inner, 0.1f);
        shirt.prims.push_back(polygon({k.neck - up * 4.0f + front * (b.chest * 0.3f),
                                       k.neck - up * 4.0f + front * (b.chest * 0.95f),
                                       k.pelvis + up * 7.0f + front * (b.waist * 0.95f + b.belly * 0.6f),
                                       k.pelvis + up * 7.0f + front * (b.waist * 0.45f)},
                                      2.0f));
        Part& lapel = d.add(Top, 0.15f);
        lapel.prims.push_back(capsule(k.neck - up * 3.0f + front * (b.chest * 0.55f),
                                      k.pelvis + up * 10.0f + front * (b.waist * 0.5f), 1.6f * l, 1.3f * l));
    }
    if (st.zombie && !st.bareChest)
    {
        Part& tear = d.add(Skin, -0.1f);
        tear.prims.push_back(polygon({k.pelvis + up * 9.0f + front * (b.waist * 0.2f),
                                      k.pelvis + up * 16.0f + front * (b.waist + 1.0f),
                                      k.pelvis + up * 12.0f + front * (b.waist + 1.5f),
                                      k.pelvis + up * 6.0f + front * (b.waist * 0.9f)},
                                     1.5f));
    }
    if (st.armour)
    {
        Part& plate = d.add(Armour, 0.05f);
        plate.gloss = 0.5f;
        plate.prims.push_back(ellipse(k.chest + front * 2.0f, b.chest * 0.95f, b.torso * 0.3f, k.torsoAngle));
    }
    if (st.belt && st.legwear != 0)
    {
        Part& belt = d.add(Accent);
        belt.prims.push_back(capsule(k.pelvis + up * 6.5f - front * (b.waist + b.belly * 0.2f),
                                     k.pelvis + up * 6.5f + front * (b.waist + b.belly * 0.6f), 1.8f * l,
                                     1.8f * l));
    }
    if (st.scarf)
    {
        Part& scarf = d.add(Accent);
        scarf.prims.push_back(capsule(k.neck - up * 3.0f - front * 5.0f, k.neck - up * 3.0f + front * 5.0f,
                                      3.2f * l, 3.2f * l));
        scarf.prims.push_back(capsule(k.neck - up * 3.0f - front * 5.0f,
                                      k.neck - front * (14.0f + p.cape * 8.0f) - up * (10.0f - p.cape * 6.0f),
                                      2.6f * l, 1.6f * l));
    }

    // Near leg, then skirts and coat fronts over it.
    drawLeg(d, st, b, k.hipN, k.kneeN, k.ankleN, k.toeN, 0.0f);
    if (st.legwear == 3 || st.coat == Coat::LongCoat || st.coat == Coat::Robe)
    {
        const bool skirt = st.legwear == 3;
        Part& hem = d.add(skirt ? Bottom : Top, 0.0f);
        const float drop = st.coat == Coat::Robe ? b.hip * 0.92f : (skirt ? b.hip * 0.5f : b.hip * 0.66f);
        const Vec2 kneeMid = (k.kneeN + k.kneeF) * 0.5f;
        const Vec2 hemBack = k.pelvis + Vec2{-b.hips - 6.0f - p.cape * 6.0f, drop};
        const Vec2 hemFront{std::max(kneeMid.x, k.kneeN.x) + 4.0f, k.pelvis.y + drop};
        hem.prims.push_back(polygon({k.pelvis + up * 6.0f - front * (b.hips + 0.5f),
                                     k.pelvis + up * 6.0f + front * (b.hips * 0.7f), hemFront, hemBack},
                                    4.0f));
    }

    drawHead(d, st, b, k, p);

    // Near arm and weapon. A two-handed weapon's far hand rests on it.
    Vec2 muzzle = k.handN + fromDown(k.foreN) * 4.0f;
    hot.gripN = k.handN;
    hot.tipN = k.handN;
    if (st.weapon == Weapon::ShieldBaton)
    {
        drawArm(d, st, b, k.shoulderN, k.elbowN, k.handN, 0.0f, true);
        Part& shield = d.add(Armour, 0.05f);
        shield.gloss = 0.7f;
        const Vec2 c = k.handN + front * 3.0f;
        const float lift = p.reach * 10.0f;
        shield.prims.push_back(polygon({c + Vec2{4.0f, -34.0f - lift}, c + Vec2{8.0f, -30.0f - lift},
                                        c + Vec2{8.0f, 26.0f - lift}, c + Vec2{4.0f, 30.0f - lift},
                                        c + Vec2{-2.0f, 26.0f - lift}, c + Vec2{-2.0f, -30.0f - lift}},
                                       2.5f));
        Part& window = d.add(Glow, 0.2f);
        window.edge = false;
        window.flat = true;
        window.prims.push_back(
            capsule(c + Vec2{3.0f, -26.0f - lift}, c + Vec2{3.0f, -18.0f - lift}, 1.6f, 1.6f));
        hot.gripN = c + Vec2{3.0f, -30.0f - lift};
        hot.tipN = c + Vec2{5.0f, 26.0f - lift};
    }
    else if (st.weapon == Weapon::ArmCannon)
    {
        drawArm(d, st, b, k.shoulderN, k.elbowN, k.elbowN, 0.0f, false);
        const Vec2 u = fromDown(k.foreN);
        Part& gun = d.add(Metal);
        gun.gloss = 0.6f;
        gun.prims.push_back(capsule(k.elbowN, k.elbowN + u * (b.foreArm + 8.0f), 6.0f * l, 5.0f * l));
        Part& bore = d.add(Glow);
        bore.flat = true;
        bore.prims.push_back(circle(k.elbowN + u * (b.foreArm + 8.0f), 2.6f * l));
        hot.gripN = k.elbowN;
        hot.tipN = k.elbowN + u * (b.foreArm + 10.0f);
        muzzle = hot.tipN;
    }
    else
    {
        if (st.weapon != Weapon::None && st.weapon != Weapon::Gauntlets)
        {
            float tr = 3.0f;
            drawWeapon(d, st.weapon, st.weaponSize, k.handN, k.foreN, p.weapon, p.reach, 0.0f, hot.tipN, tr,
                       muzzle, p.phase);
            hot.tipRadius = tr;
        }
        drawArm(d, st, b, k.shoulderN, k.elbowN, k.handN, 0.0f, true);
    }
    hot.handN = k.handN;
    hot.handF = k.handF;
    hot.footN = k.toeN;
    hot.footF = k.toeF;
    hot.head = k.head;
    hot.chest = k.chest;
    hot.pelvis = k.pelvis;
    hot.muzzle = muzzle;
    // The body box: torso, head and legs, not the arms.
    Box body;
    for (Vec2 v : {k.pelvis, k.chest, k.neck, k.kneeN, k.kneeF, k.ankleN, k.ankleF})
        body.add(v, b.waist * 0.8f);
    body.add(k.head, b.headR * 0.9f);
    hot.body = body;
    (void)fwd;
}

// Four legs, a long body, a snapping head and a tail.
void drawHound(const Style& st, const Pose& p, Drawing& d, Hot& hot)
{
    const Body& b = st.body;
    const float l = b.limb;
    const Vec2 c = p.pelvis * b.hip;
    const Vec2 spine = rotate({1.0f, 0.0f}, p.lean + p.spin);
    const Vec2 down = perp(spine); // below the spine
    const Vec2 shoulder = c + spine * (b.torso * 0.5f);
    const Vec2 hip = c - spine * (b.torso * 0.5f);
    auto leg = [&](Vec2 root, const Limb& limb, float light, bool front)
    {
        const Vec2 knee = root + fromDown(limb.upper - p.spin) * (b.thigh);
        const Vec2 paw = knee + fromDown(limb.upper + limb.bend - p.spin) * (b.shin);
        Part& upper = d.add(Top, light);
        upper.prims.push_back(capsule(root, knee, (front ? 5.0f : 6.5f) * l, 3.4f * l));
        Part& lower = d.add(Top, light);
        lower.prims.push_back(capsule(knee, paw, 3.2f * l, 2.6f * l));
        Part& foot = d.add(Dark, light);
        foot.prims.push_back(ellipse(paw + Vec2{2.0f, 0.0f}, 4.0f * l, 2.4f * l));
        Part& claw = d.add(Eye, light);
        claw.edge = false;
        claw.prims.push_back(capsule(paw + Vec2{4.0f, 1.0f}, paw + Vec2{7.0f * l, 2.0f}, 0.8f, 0.4f));
        return paw;
    };
    // Tail behind.
    Part& tail = d.add(Top, -0.2f);
    const Vec2 t1 = hip - spine * 12.0f + rotate({0.0f, -6.0f - p.tail * 8.0f}, p.lean);
    const Vec2 t2 = t1 - spine * 12.0f + Vec2{0.0f, -p.tail * 10.0f + 6.0f};
    tail.prims.push_back(capsule(hip, t1, 3.0f * l, 2.2f * l));
    tail.prims.push_back(capsule(t1, t2, 2.2f * l, 1.0f * l));
    Part& flame = d.add(Glow, 0.0f);
    flame.flat = true;
    flame.prims.push_back(
        polygon({t2 + Vec2{-2.0f, 2.0f}, t2 + Vec2{-8.0f, -6.0f - 4.0f * std::sin(p.phase * 6.28f)},
                 t2 + Vec2{1.0f, -3.0f}},
                1.5f));
    const Vec2 pawFF = leg(shoulder - spine * 3.0f, p.armF, kFar, true);
    const Vec2 pawHF = leg(hip + spine * 2.0f, p.hindF, kFar, false);
    (void)pawFF;
    (void)pawHF;
    Part& body = d.add(Top);
    body.prims.push_back(ellipse(c, b.torso * 0.62f, b.chest, p.lean + p.spin));
    body.prims.push_back(ellipse(shoulder, b.chest * 1.05f, b.chest * 1.1f, p.lean + p.spin));
    Part& spines = d.add(Dark, 0.0f);
    for (int i = 0; i < 5; ++i)
    {
        const Vec2 base = c + spine * (-14.0f + i * 7.0f) - down * (b.chest * 0.9f);
        spines.prims.push_back(polygon(
            {base - spine * 3.0f, base - down * (5.0f + (i % 2) * 3.0f) - spine * 2.0f, base + spine * 3.0f},
            1.0f));
    }
    Part& belly = d.add(Extra1, 0.1f);
    belly.edge = false;
    belly.prims.push_back(
        ellipse(c + down * (b.chest * 0.55f), b.torso * 0.45f, b.chest * 0.35f, p.lean + p.spin));
    const Vec2 pawHN = leg(hip, p.hindN, 0.0f, false);
    // Neck and head.
    const Vec2 neck = shoulder + spine * 6.0f - down * 6.0f;
    const float headAngle = p.lean + p.spin + p.head;
    const Frame2 h{neck + rotate({10.0f, -2.0f}, headAngle), headAngle, 1.0f};
    Part& neckPart = d.add(Top);
    neckPart.prims.push_back(capsule(shoulder, h(0.0f, 0.0f), 7.0f * l, 6.0f * l));
    Part& ear = d.add(Top, -0.2f);
    ear.prims.push_back(polygon({h(-3.0f, -4.0f), h(-9.0f, -14.0f), h(1.0f, -6.0f)}, 1.5f));
    Part& jawLow = d.add(Top, -0.1f);
    const float open = p.jaw * 28.0f;
    const Vec2 jawEnd = h(0.0f, 2.0f) + rotate({16.0f, 0.0f}, headAngle + open);
    jawLow.prims.push_back(capsule(h(0.0f, 3.0f), jawEnd, 4.0f * l, 2.2f * l));
    Part& mouth = d.add(Mouth);
    mouth.edge = false;
    if (p.jaw > 0.15f)
        mouth.prims.push_back(polygon({h(2.0f, 1.0f), h(16.0f, -1.0f), jawEnd}, 1.0f));
    Part& skull = d.add(Top);
    skull.prims.push_back(ellipse(h(0.0f, -1.0f), 8.0f * l, 6.5f * l, headAngle));
    skull.prims.push_back(capsule(h(2.0f, -1.0f), h(17.0f, 0.0f), 5.0f * l, 3.0f * l));
    Part& nose = d.add(Dark);
    nose.prims.push_back(circle(h(17.5f, -1.0f), 1.8f));
    Part& teeth = d.add(Eye);
    teeth.edge = false;
    teeth.prims.push_back(polygon({h(10.0f, 2.0f), h(12.0f, 5.0f), h(14.0f, 2.0f)}, 0.5f));
    Part& eye = d.add(Glow);
    eye.flat = true;
    eye.prims.push_back(ellipse(h(5.0f, -4.0f), 2.2f, 1.6f, headAngle));
    const Vec2 pawFN = leg(shoulder, p.armN, 0.0f, true);

    hot.head = h(17.0f, 1.0f);
    hot.handN = pawFN;
    hot.handF = pawFN;
    hot.footN = pawHN;
    hot.footF = pawHN;
    hot.chest = shoulder;
    hot.pelvis = c;
    hot.gripN = h(4.0f, 0.0f);
    hot.tipN = h(20.0f, 2.0f);
    hot.gripF = hot.gripN;
    hot.tipF = hot.tipN;
    hot.tipRadius = 7.0f;
    hot.muzzle = h(18.0f, 0.0f);
    Box box;
    box.add(c, b.chest);
    box.add(shoulder, b.chest);
    box.add(hip, b.chest * 0.8f);
    box.add(h(8.0f, 0.0f), 7.0f);
    box.add(pawFN);
    box.add(pawHN);
    hot.body = box;
}

// A hovering sheet: a hooded head, a body that trails off into a wisp, and
// thin arms.
void drawGhost(const Style& st, const Pose& p, Drawing& d, Hot& hot)
{
    const Body& b = st.body;
    const float l = b.limb;
    const Vec2 c = p.pelvis * b.hip;
    const float tilt = p.lean + p.spin;
    const Frame2 f{c, tilt, l};
    const float wave = std::sin(p.phase * 6.2832f);
    Part& farArm = d.add(Top, kFar);
    const Vec2 shF = f(-4.0f, -26.0f);
    const Vec2 elF = shF + fromDown(p.armF.upper - p.spin) * (b.upperArm);
    const Vec2 haF = elF + fromDown(p.armF.upper + p.armF.bend - p.spin) * (b.foreArm);
    farArm.prims.push_back(capsule(shF, elF, 4.0f * l, 3.0f * l));
    farArm.prims.push_back(capsule(elF, haF, 3.0f * l, 3.6f * l));
    Part& body = d.add(Top);
    body.gloss = 0.2f;
    body.prims.push_back(polygon(pts(f, {{-14.0f, -30.0f},
                                         {0.0f, -44.0f},
                                         {14.0f, -32.0f},
                                         {16.0f, -6.0f},
                                         {12.0f, 14.0f},
                                         {4.0f, 10.0f + wave * 3.0f},
                                         {-4.0f, 24.0f},
                                         {-10.0f, 14.0f - wave * 3.0f},
                                         {-24.0f - p.cape * 10.0f, 34.0f + wave * 4.0f},
                                         {-18.0f, 6.0f}}),
                                 6.0f));
    const Frame2 h{f(2.0f, -38.0f), tilt + p.head, l};
    Part& head = d.add(Top, 0.1f);
    head.prims.push_back(ellipse(h(0.0f, 0.0f), 14.0f * l, 13.0f * l, tilt + p.head));
    Part& eyes = d.add(Dark);
    eyes.edge = false;
    eyes.prims.push_back(
        ellipse(h(6.0f, -2.0f), 2.6f * l, (3.8f * std::max(0.3f, p.eyes)) * l, tilt + p.head));
    eyes.prims.push_back(
        ellipse(h(12.0f, -2.0f), 1.8f * l, (3.4f * std::max(0.3f, p.eyes)) * l, tilt + p.head));
    if (st.glowEyes)
    {
        Part& pupils = d.add(Glow);
        pupils.flat = true;
        pupils.edge = false;
        pupils.prims.push_back(circle(h(6.5f, -2.0f), 1.2f * l));
        pupils.prims.push_back(circle(h(12.0f, -2.0f), 1.0f * l));
    }
    Part& mouth = d.add(Dark);
    mouth.edge = false;
    mouth.prims.push_back(ellipse(h(9.0f, 6.0f), 2.6f * l, (1.2f + 4.0f * p.jaw) * l, tilt + p.head));
    if (st.zombie) // tears
    {
        Part& tear = d.add(Glow);
        tear.flat = true;
        tear.edge = false;
        tear.prims.push_back(capsule(h(6.0f, 2.0f), h(5.5f, 8.0f + wave * 2.0f), 0.9f * l, 1.2f * l));
    }
    if (st.horns || st.hat == Headgear::Crown)
    {
        Part& crown = d.add(Accent);
        crown.gloss = 0.6f;
        crown.prims.push_back(polygon(pts(h, {{-9.0f, -10.0f},
                                              {-8.0f, -20.0f},
                                              {-3.0f, -14.0f},
                                              {2.0f, -22.0f},
                                              {6.0f, -14.0f},
                                              {11.0f, -19.0f},
                                              {10.0f, -9.0f}}),
                                      1.0f));
    }
    Part& nearArm = d.add(Top, 0.05f);
    const Vec2 shN = f(4.0f, -24.0f);
    const Vec2 elN = shN + fromDown(p.armN.upper - p.spin) * (b.upperArm);
    const Vec2 haN = elN + fromDown(p.armN.upper + p.armN.bend - p.spin) * (b.foreArm);
    nearArm.prims.push_back(capsule(shN, elN, 4.0f * l, 3.0f * l));
    nearArm.prims.push_back(capsule(elN, haN, 3.0f * l, 4.0f * l));
    Part& fingers = d.add(Top, 0.05f);
    for (int k = -1; k <= 1; ++k)
        fingers.prims.push_back(
            capsule(haN, haN + fromDown(p.armN.upper + p.armN.bend - p.spin + k * 25.0f) * (6.0f * l),
                    1.4f * l, 0.6f * l));

    hot.handN = haN;
    hot.handF = haF;
    hot.head = h(0.0f, 0.0f);
    hot.chest = f(0.0f, -20.0f);
    hot.pelvis = c;
    hot.footN = f(-4.0f, 20.0f);
    hot.footF = hot.footN;
    hot.gripN = elN;
    hot.tipN = haN;
    hot.gripF = elF;
    hot.tipF = haF;
    hot.tipRadius = 6.0f * l;
    hot.muzzle = h(14.0f, 4.0f);
    Box box;
    box.add(h(0.0f, 0.0f), 13.0f * l);
    box.add(f(0.0f, -10.0f), 15.0f * l);
    box.add(f(-2.0f, 14.0f), 10.0f * l);
    hot.body = box;
}

// A burning skull.
void drawSkull(const Style& st, const Pose& p, Drawing& d, Hot& hot)
{
    const float l = st.body.limb;
    const Vec2 c = p.pelvis * st.body.hip;
    const float a = p.lean + p.spin;
    const Frame2 f{c, a, l};
    const float w = std::sin(p.phase * 6.2832f);
    Part& flames = d.add(Glow, 0.0f);
    flames.flat = true;
    flames.prims.push_back(polygon(pts(f, {{-10.0f, -14.0f},
                                           {-30.0f - w * 4.0f, -30.0f},
                                           {-22.0f, -12.0f},
                                           {-40.0f + w * 3.0f, -6.0f},
                                           {-20.0f, 0.0f},
                                           {-34.0f, 10.0f + w * 3.0f},
                                           {-12.0f, 10.0f},
                                           {0.0f, 14.0f},
                                           {4.0f, -16.0f}}),
                                   3.0f));
    Part& inner = d.add(Extra2, 0.2f);
    inner.flat = true;
    inner.edge = false;
    inner.prims.push_back(polygon(
        pts(f,
            {{-8.0f, -10.0f}, {-22.0f, -18.0f + w * 3.0f}, {-16.0f, -4.0f}, {-24.0f, 6.0f}, {-6.0f, 6.0f}}),
        2.0f));
    Part& jaw = d.add(Eye, -0.15f);
    const float open = p.jaw * 30.0f;
    const Frame2 j{f(-2.0f, 8.0f), a + open, l};
    jaw.prims.push_back(polygon(pts(j, {{-4.0f, -2.0f}, {16.0f, 0.0f}, {15.0f, 7.0f}, {0.0f, 7.0f}}), 2.5f));
    Part& teethLow = d.add(Eye, 0.1f);
    for (int k = 0; k < 4; ++k)
        teethLow.prims.push_back(capsule(j(4.0f + k * 3.2f, 0.0f), j(4.0f + k * 3.2f, -3.0f), 1.1f, 0.8f));
    Part& cranium = d.add(Eye);
    cranium.gloss = 0.3f;
    cranium.prims.push_back(ellipse(f(0.0f, -6.0f), 16.0f, 14.0f, a));
    cranium.prims.push_back(ellipse(f(9.0f, 3.0f), 8.0f, 7.0f, a));
    Part& socket = d.add(Dark);
    socket.prims.push_back(ellipse(f(6.0f, -5.0f), 4.6f, 5.0f, a));
    socket.prims.push_back(ellipse(f(14.0f, -4.0f), 2.6f, 4.4f, a));
    Part& nose = d.add(Dark);
    nose.edge = false;
    nose.prims.push_back(polygon(pts(f, {{12.0f, 2.0f}, {14.0f, 6.0f}, {10.0f, 6.0f}}), 0.5f));
    Part& eye = d.add(Glow);
    eye.flat = true;
    eye.edge = false;
    eye.prims.push_back(circle(f(6.5f, -4.5f), 1.8f + p.glow * 1.5f));
    eye.prims.push_back(circle(f(14.0f, -4.0f), 1.2f + p.glow));
    Part& teeth = d.add(Eye, 0.1f);
    for (int k = 0; k < 4; ++k)
        teeth.prims.push_back(capsule(f(5.0f + k * 3.2f, 8.0f), f(5.0f + k * 3.2f, 11.0f), 1.1f, 0.8f));
    Part& crack = d.add(Dark);
    crack.edge = false;
    crack.prims.push_back(capsule(f(-6.0f, -18.0f), f(-2.0f, -10.0f), 0.6f, 0.6f));
    crack.prims.push_back(capsule(f(-2.0f, -10.0f), f(-5.0f, -5.0f), 0.6f, 0.5f));

    hot.head = f(14.0f, 4.0f);
    hot.handN = hot.head;
    hot.handF = hot.head;
    hot.footN = f(0.0f, 14.0f);
    hot.footF = hot.footN;
    hot.chest = c;
    hot.pelvis = c;
    hot.gripN = f(4.0f, 6.0f);
    hot.tipN = f(20.0f, 6.0f);
    hot.gripF = hot.gripN;
    hot.tipF = hot.tipN;
    hot.tipRadius = 8.0f;
    hot.muzzle = f(20.0f, 8.0f);
    Box box;
    box.add(f(2.0f, -2.0f), 16.0f);
    hot.body = box;
}

void drawTank(const Style& st, const Pose& p, Drawing& d, Hot& hot)
{
    const float l = st.body.limb;
    const Vec2 o{p.pelvis.x * st.body.hip, p.pelvis.y * st.body.hip + st.body.hip}; // ground under the middle
    const Frame2 f{o, p.spin, l};
    // Treads with turning wheels.
    Part& tread = d.add(Dark, -0.1f);
    tread.prims.push_back(capsule(f(-62.0f, -14.0f), f(62.0f, -14.0f), 14.0f, 14.0f));
    Part& wheels = d.add(Metal, 0.0f);
    wheels.gloss = 0.4f;
    for (int k = 0; k < 6; ++k)
        wheels.prims.push_back(circle(f(-60.0f + k * 24.0f, -14.0f), 9.0f));
    Part& bolts = d.add(Dark, 0.0f);
    bolts.edge = false;
    for (int k = 0; k < 6; ++k)
    {
        const Vec2 centre = f(-60.0f + k * 24.0f, -14.0f);
        const Vec2 spoke = fromDown(p.phase * 360.0f + k * 20.0f) * 5.5f;
        bolts.prims.push_back(capsule(centre - spoke, centre + spoke, 1.3f, 1.3f));
    }
    Part& treadPlates = d.add(Dark, 0.2f);
    treadPlates.edge = false;
    for (int k = 0; k < 12; ++k)
    {
        const float x = -66.0f + std::fmod(k * 11.0f + p.phase * 11.0f, 132.0f);
        treadPlates.prims.push_back(capsule(f(x, -29.0f), f(x + 4.0f, -29.0f), 1.4f, 1.4f));
    }
    // Hull.
    Part& hull = d.add(Armour);
    hull.gloss = 0.25f;
    hull.prims.push_back(polygon(pts(f, {{-74.0f, -28.0f},
                                         {76.0f, -28.0f},
                                         {86.0f, -44.0f},
                                         {60.0f, -58.0f},
                                         {-66.0f, -58.0f},
                                         {-80.0f, -44.0f}}),
                                 4.0f));
    Part& skirt = d.add(Accent, -0.1f);
    skirt.prims.push_back(
        polygon(pts(f, {{-78.0f, -40.0f}, {82.0f, -40.0f}, {78.0f, -34.0f}, {-74.0f, -34.0f}}), 1.5f));
    // Turret and gun.
    const float gunAngle = p.weapon; // + raises the barrel
    const Vec2 pivot = f(10.0f, -66.0f);
    const Vec2 u = rotate({1.0f, 0.0f}, -gunAngle + p.spin);
    const float recoil = p.reach * 10.0f;
    Part& barrel = d.add(Metal);
    barrel.gloss = 0.5f;
    barrel.prims.push_back(capsule(pivot + u * (10.0f - recoil), pivot + u * (78.0f - recoil), 4.2f, 3.4f));
    barrel.prims.push_back(capsule(pivot + u * (70.0f - recoil), pivot + u * (80.0f - recoil), 5.0f, 5.0f));
    Part& turret = d.add(Armour, 0.1f);
    turret.gloss = 0.3f;
    turret.prims.push_back(polygon(
        pts(f, {{-40.0f, -58.0f}, {40.0f, -58.0f}, {34.0f, -80.0f}, {-18.0f, -86.0f}, {-36.0f, -76.0f}}),
        4.0f));
    Part& hatch = d.add(Metal, 0.0f);
    hatch.prims.push_back(ellipse(f(-8.0f, -88.0f - p.open * 4.0f), 12.0f, 4.0f, p.spin - p.open * 30.0f));
    Part& star = d.add(Eye, 0.2f);
    star.edge = false;
    star.prims.push_back(circle(f(-6.0f, -70.0f), 4.5f));
    Part& mg = d.add(Metal, -0.1f);
    mg.prims.push_back(capsule(f(56.0f, -52.0f), f(76.0f, -54.0f - p.glow * 2.0f), 2.0f, 1.6f));
    hot.muzzle = pivot + u * (82.0f - recoil);
    hot.gripN = pivot;
    hot.tipN = hot.muzzle;
    hot.gripF = f(60.0f, -40.0f);
    hot.tipF = f(90.0f, -30.0f);  // the ram at the front
    hot.handN = f(76.0f, -53.0f); // the machine gun
    hot.handF = hot.handN;
    hot.head = f(0.0f, -72.0f);
    hot.chest = f(0.0f, -44.0f);
    hot.pelvis = f(0.0f, -30.0f);
    hot.footN = f(70.0f, -10.0f);
    hot.footF = hot.footN;
    hot.tipRadius = 8.0f;
    Box box;
    box.add(f(-74.0f, -84.0f));
    box.add(f(82.0f, 0.0f));
    hot.body = box;
}

// The gas node: a pressurised tank on struts with vents that cough green gas.
void drawSprayer(const Style& st, const Pose& p, Drawing& d, Hot& hot)
{
    (void)st;
    const Vec2 o{p.pelvis.x * st.body.hip, p.pelvis.y * st.body.hip + st.body.hip};
    const Frame2 f{o, p.spin, 1.0f};
    const float pulse = 0.5f + 0.5f * std::sin(p.phase * 6.2832f);
    Part& legs = d.add(Metal, -0.2f);
    legs.prims.push_back(capsule(f(-22.0f, -30.0f), f(-30.0f, 0.0f), 3.0f, 3.0f));
    legs.prims.push_back(capsule(f(22.0f, -30.0f), f(30.0f, 0.0f), 3.0f, 3.0f));
    legs.prims.push_back(capsule(f(0.0f, -30.0f), f(0.0f, 0.0f), 3.0f, 3.0f));
    Part& feet = d.add(Dark);
    feet.prims.push_back(capsule(f(-36.0f, -2.0f), f(36.0f, -2.0f), 3.0f, 3.0f));
    Part& tank = d.add(Armour);
    tank.gloss = 0.4f;
    tank.prims.push_back(capsule(f(0.0f, -44.0f), f(0.0f, -96.0f), 26.0f, 24.0f));
    Part& bands = d.add(Metal, 0.1f);
    bands.gloss = 0.5f;
    bands.prims.push_back(capsule(f(-26.0f, -54.0f), f(26.0f, -54.0f), 3.0f, 3.0f));
    bands.prims.push_back(capsule(f(-25.0f, -86.0f), f(25.0f, -86.0f), 3.0f, 3.0f));
    Part& gauge = d.add(Glow, 0.0f);
    gauge.flat = true;
    gauge.prims.push_back(ellipse(f(0.0f, -70.0f), 9.0f, 12.0f));
    Part& level = d.add(Extra1, 0.0f);
    level.flat = true;
    level.edge = false;
    const float fill = 6.0f + 10.0f * pulse;
    level.prims.push_back(polygon(
        pts(f, {{-8.0f, -60.0f}, {8.0f, -60.0f}, {8.0f, -60.0f - fill}, {-8.0f, -60.0f - fill}}), 1.0f));
    Part& pipes = d.add(Metal);
    pipes.gloss = 0.4f;
    pipes.prims.push_back(capsule(f(18.0f, -104.0f), f(34.0f, -116.0f), 3.0f, 3.0f));
    pipes.prims.push_back(capsule(f(-18.0f, -104.0f), f(-34.0f, -116.0f), 3.0f, 3.0f));
    pipes.prims.push_back(capsule(f(24.0f, -70.0f), f(40.0f, -72.0f), 3.0f, 3.0f));
    Part& nozzles = d.add(Dark);
    nozzles.prims.push_back(capsule(f(34.0f, -116.0f), f(38.0f, -120.0f), 4.5f, 5.0f));
    nozzles.prims.push_back(capsule(f(-34.0f, -116.0f), f(-38.0f, -120.0f), 4.5f, 5.0f));
    nozzles.prims.push_back(capsule(f(40.0f, -72.0f), f(46.0f, -72.0f), 4.5f, 5.5f));
    Part& lamp = d.add(Glow, 0.0f);
    lamp.flat = true;
    lamp.prims.push_back(circle(f(0.0f, -122.0f), 3.0f + pulse * 2.0f + p.glow * 2.0f));
    hot.body = Box{};
    hot.body.add(f(-28.0f, -124.0f));
    hot.body.add(f(28.0f, 0.0f));
    // Gas: puffs grow out of the nozzles with `reach`.
    hot.gas = Box{};
    if (p.reach > 0.02f)
    {
        Part& gas = d.add(Extra1, 0.1f);
        gas.edgeWidth = 0.8f;
        const float r = p.reach;
        for (int k = 0; k < 6; ++k)
        {
            const float t = (k + 1) / 6.0f * r;
            const float wob = std::sin(p.phase * 6.2832f + k) * 4.0f;
            const Vec2 side = f(46.0f + t * 70.0f, -72.0f + wob - t * 10.0f);
            const Vec2 top = f(38.0f + t * 40.0f, -124.0f - t * 30.0f + wob);
            const Vec2 back = f(-38.0f - t * 30.0f, -124.0f - t * 26.0f - wob);
            const float rad = 6.0f + 14.0f * t;
            gas.prims.push_back(circle(side, rad));
            gas.prims.push_back(circle(top, rad * 0.8f));
            gas.prims.push_back(circle(back, rad * 0.6f));
            hot.gas.add(side, rad * 0.8f);
        }
    }
    hot.muzzle = f(48.0f, -72.0f);
    hot.gripN = f(46.0f, -72.0f);
    hot.tipN = f(46.0f + 70.0f * p.reach, -72.0f);
    hot.gripF = hot.gripN;
    hot.tipF = hot.tipN;
    hot.tipRadius = 12.0f;
    hot.head = f(0.0f, -122.0f);
    hot.chest = f(0.0f, -70.0f);
    hot.pelvis = f(0.0f, -40.0f);
    hot.handN = hot.handF = hot.muzzle;
    hot.footN = hot.footF = f(0.0f, 0.0f);
}

// An airship's bulkhead door with a gun behind its shutters.
void drawDoor(const Style& st, const Pose& p, Drawing& d, Hot& hot)
{
    (void)st;
    const Vec2 o{p.pelvis.x * st.body.hip, p.pelvis.y * st.body.hip + st.body.hip};
    const Frame2 f{o, p.spin, 1.0f};
    const float br = p.broken;
    Part& frame = d.add(Armour, -0.1f);
    frame.gloss = 0.3f;
    frame.prims.push_back(polygon(pts(f, {{-44.0f, 0.0f},
                                          {-44.0f, -150.0f},
                                          {-30.0f, -164.0f},
                                          {30.0f, -164.0f},
                                          {44.0f, -150.0f},
                                          {44.0f, 0.0f},
                                          {30.0f, 0.0f},
                                          {30.0f, -146.0f},
                                          {-30.0f, -146.0f},
                                          {-30.0f, 0.0f}}),
                                  3.0f));
    Part& back = d.add(Dark, 0.0f);
    back.prims.push_back(
        polygon(pts(f, {{-30.0f, 0.0f}, {-30.0f, -146.0f}, {30.0f, -146.0f}, {30.0f, 0.0f}}), 1.0f));
    // The gun on its mount, seen when the shutters part.
    const Vec2 pivot = f(0.0f, -96.0f);
    const Vec2 u = rotate({1.0f, 0.0f}, -p.weapon + p.spin);
    const float out = p.open * 26.0f - p.reach * 6.0f;
    Part& gun = d.add(Metal, 0.0f);
    gun.gloss = 0.5f;
    gun.prims.push_back(capsule(pivot, pivot + u * (20.0f + out), 5.0f, 3.4f));
    gun.prims.push_back(circle(pivot, 9.0f));
    const float gap = p.open * 22.0f;
    Part& left = d.add(Metal, -0.05f);
    left.gloss = 0.3f;
    Part& right = d.add(Metal, 0.05f);
    right.gloss = 0.3f;
    if (br < 0.5f)
    {
        left.prims.push_back(polygon(
            pts(f, {{-30.0f, 0.0f}, {-30.0f, -146.0f}, {-gap * 0.5f, -146.0f}, {-gap * 0.5f, 0.0f}}), 2.0f));
        right.prims.push_back(polygon(
            pts(f, {{gap * 0.5f, 0.0f}, {gap * 0.5f, -146.0f}, {30.0f, -146.0f}, {30.0f, 0.0f}}), 2.0f));
    }
    else
    {
        // Blown out: buckled halves hanging from the frame.
        left.prims.push_back(polygon(
            pts(f,
                {{-30.0f, -40.0f}, {-30.0f, -146.0f}, {-12.0f, -140.0f}, {-20.0f, -90.0f}, {-8.0f, -70.0f}}),
            2.0f));
        right.prims.push_back(
            polygon(pts(f, {{30.0f, -60.0f}, {30.0f, -146.0f}, {14.0f, -120.0f}, {22.0f, -96.0f}}), 2.0f));
        Part& debris = d.add(Metal, -0.2f);
        debris.prims.push_back(
            polygon(pts(f, {{-26.0f, 0.0f}, {-14.0f, -10.0f}, {10.0f, -6.0f}, {20.0f, 0.0f}}), 2.0f));
    }
    Part& lamp = d.add(br < 0.5f ? Glow : Dark, 0.0f);
    lamp.flat = true;
    lamp.prims.push_back(capsule(f(-16.0f, -156.0f), f(16.0f, -156.0f), 3.0f, 3.0f));
    Part& rivets = d.add(Dark);
    rivets.edge = false;
    for (int k = 0; k < 6; ++k)
    {
        rivets.prims.push_back(circle(f(-38.0f, -12.0f - k * 24.0f), 1.5f));
        rivets.prims.push_back(circle(f(38.0f, -12.0f - k * 24.0f), 1.5f));
    }
    Part& stripes = d.add(Accent, 0.0f);
    stripes.edge = false;
    for (int k = 0; k < 4; ++k)
        stripes.prims.push_back(polygon(pts(f, {{-44.0f + k * 22.0f, 0.0f},
                                                {-34.0f + k * 22.0f, -10.0f},
                                                {-26.0f + k * 22.0f, -10.0f},
                                                {-36.0f + k * 22.0f, 0.0f}}),
                                        0.5f));
    hot.muzzle = pivot + u * (24.0f + out);
    hot.gripN = pivot;
    hot.tipN = hot.muzzle;
    hot.gripF = f(30.0f, -120.0f);
    hot.tipF = f(52.0f, -40.0f);
    hot.tipRadius = 10.0f;
    hot.head = f(0.0f, -150.0f);
    hot.chest = f(0.0f, -96.0f);
    hot.pelvis = f(0.0f, -50.0f);
    hot.handN = hot.handF = hot.muzzle;
    hot.footN = hot.footF = f(0.0f, 0.0f);
    hot.body = Box{};
    hot.body.add(f(-40.0f, -160.0f));
    hot.body.add(f(40.0f, 0.0f));
}

void drawPostBox(const Style& st, const Pose& p, Drawing& d, Hot& hot)
{
    const Vec2 o{p.pelvis.x * st.body.hip, p.pelvis.y * st.body.hip + st.body.hip};
    const float br = p.broken;
    const Frame2 f{o, p.spin * (1.0f - br) + br * 12.0f, 1.0f};
    Part& base = d.add(Dark);
    base.prims.push_back(
        polygon(pts(f, {{-16.0f, 0.0f}, {16.0f, 0.0f}, {14.0f, -6.0f}, {-14.0f, -6.0f}}), 1.0f));
    Part& body = d.add(Top);
    body.gloss = 0.35f;
    const float dent = br * 6.0f;
    body.prims.push_back(
        polygon(pts(f, {{-13.0f, -4.0f}, {13.0f, -4.0f}, {13.0f - dent, -60.0f}, {-13.0f, -60.0f}}), 7.0f));
    if (br < 0.5f)
        body.prims.push_back(ellipse(f(0.0f, -60.0f), 15.0f, 9.0f));
    Part& band = d.add(Dark, 0.1f);
    band.prims.push_back(polygon(pts(f, {{-13.0f, -48.0f},
                                         {13.0f - dent * 0.8f, -48.0f},
                                         {13.0f - dent * 0.8f, -44.0f},
                                         {-13.0f, -44.0f}}),
                                 0.5f));
    Part& slot = d.add(Dark, 0.0f);
    slot.prims.push_back(capsule(f(-7.0f, -40.0f), f(7.0f - dent, -40.0f), 1.6f, 1.6f));
    Part& plate = d.add(Eye, 0.2f);
    plate.prims.push_back(polygon(
        pts(f,
            {{-6.0f, -30.0f}, {6.0f - dent * 0.5f, -30.0f}, {6.0f - dent * 0.5f, -22.0f}, {-6.0f, -22.0f}}),
        1.0f));
    Part& crest = d.add(Accent, 0.0f);
    crest.edge = false;
    crest.prims.push_back(circle(f(0.0f, -14.0f), 3.0f));
    if (br >= 0.5f)
    {
        // The lid knocked off and letters spilled at its foot.
        Part& lid = d.add(Top, -0.1f);
        lid.prims.push_back(ellipse(f(26.0f, -5.0f), 14.0f, 5.0f, 20.0f));
        Part& letters = d.add(Eye, 0.1f);
        letters.prims.push_back(
            polygon(pts(f, {{-30.0f, -2.0f}, {-18.0f, -6.0f}, {-16.0f, -1.0f}, {-28.0f, 3.0f}}), 0.5f));
        letters.prims.push_back(
            polygon(pts(f, {{16.0f, -14.0f}, {26.0f, -18.0f}, {28.0f, -12.0f}, {18.0f, -9.0f}}), 0.5f));
        letters.prims.push_back(
            polygon(pts(f, {{-10.0f, -64.0f}, {0.0f, -70.0f}, {3.0f, -64.0f}, {-7.0f, -59.0f}}), 0.5f));
    }
    hot.body = Box{};
    hot.body.add(f(-14.0f, -68.0f));
    hot.body.add(f(14.0f, 0.0f));
    hot.head = f(0.0f, -60.0f);
    hot.chest = f(0.0f, -36.0f);
    hot.pelvis = f(0.0f, -20.0f);
    hot.handN = hot.handF = hot.footN = hot.footF = hot.muzzle = hot.gripN = hot.tipN = hot.gripF = hot.tipF =
        hot.chest;
}

// A window pane on its frame; `Style::hair` picks the style (None: tall
// sash, else wide with bars).
void drawWindow(const Style& st, const Pose& p, Drawing& d, Hot& hot)
{
    const Vec2 o{p.pelvis.x * st.body.hip, p.pelvis.y * st.body.hip + st.body.hip};
    const float br = p.broken;
    const Frame2 f{o, p.spin * (1.0f - br), 1.0f};
    const bool wide = st.hair != HairStyle::None;
    const float w = wide ? 34.0f : 24.0f;
    const float top = wide ? -90.0f : -110.0f;
    const float bottom = -20.0f;
    Part& sill = d.add(Wood, -0.1f);
    sill.prims.push_back(polygon(
        pts(f,
            {{-w - 6.0f, bottom + 6.0f}, {w + 6.0f, bottom + 6.0f}, {w + 4.0f, bottom}, {-w - 4.0f, bottom}}),
        1.0f));
    Part& stand = d.add(Metal, -0.2f);
    stand.prims.push_back(capsule(f(-w + 4.0f, bottom + 6.0f), f(-w + 2.0f, 0.0f), 2.0f, 2.0f));
    stand.prims.push_back(capsule(f(w - 4.0f, bottom + 6.0f), f(w - 2.0f, 0.0f), 2.0f, 2.0f));
    Part& glass = d.add(Glow, 0.0f);
    glass.gloss = 0.9f;
    if (br < 0.5f)
        glass.prims.push_back(polygon(pts(f, {{-w, bottom}, {w, bottom}, {w, top}, {-w, top}}), 6.0f));
    else
    {
        // Jagged shards left in the frame.
        glass.prims.push_back(polygon(
            pts(f, {{-w, bottom}, {-w + 10.0f, bottom}, {-w + 4.0f, bottom - 22.0f}, {-w, bottom - 30.0f}}),
            1.0f));
        glass.prims.push_back(
            polygon(pts(f, {{w, top}, {w - 14.0f, top}, {w - 4.0f, top + 26.0f}, {w, top + 18.0f}}), 1.0f));
        glass.prims.push_back(polygon(pts(f, {{-w, top}, {-w + 8.0f, top}, {-w, top + 14.0f}}), 1.0f));
        glass.prims.push_back(
            polygon(pts(f, {{-w - 18.0f, -2.0f}, {-w - 10.0f, -6.0f}, {-w - 6.0f, 0.0f}}), 0.5f));
        glass.prims.push_back(
            polygon(pts(f, {{w + 8.0f, -1.0f}, {w + 16.0f, -5.0f}, {w + 20.0f, 0.0f}}), 0.5f));
    }
    if (br > 0.1f && br < 0.5f)
    {
        Part& cracks = d.add(Eye, 0.4f);
        cracks.edge = false;
        const Vec2 c = f(4.0f, (top + bottom) * 0.5f);
        for (int k = 0; k < 6; ++k)
            cracks.prims.push_back(capsule(c, c + fromDown(k * 60.0f + 15.0f) * (w * 0.9f), 0.7f, 0.4f));
    }
    Part& frame = d.add(Wood, 0.0f);
    frame.prims.push_back(capsule(f(-w, bottom), f(-w, top), 2.6f, 2.6f));
    frame.prims.push_back(capsule(f(w, bottom), f(w, top), 2.6f, 2.6f));
    frame.prims.push_back(capsule(f(-w, top), f(w, top), 2.6f, 2.6f));
    frame.prims.push_back(capsule(f(-w, bottom), f(w, bottom), 2.6f, 2.6f));
    if (wide)
        frame.prims.push_back(capsule(f(0.0f, bottom), f(0.0f, top), 2.0f, 2.0f));
    frame.prims.push_back(capsule(f(-w, (top + bottom) * 0.5f), f(w, (top + bottom) * 0.5f), 2.0f, 2.0f));
    hot.body = Box{};
    hot.body.add(f(-w, top));
    hot.body.add(f(w, 0.0f));
    hot.head = f(0.0f, top);
    hot.chest = f(0.0f, (top + bottom) * 0.5f);
    hot.pelvis = f(0.0f, bottom);
    hot.handN = hot.handF = hot.footN = hot.footF = hot.muzzle = hot.gripN = hot.tipN = hot.gripF = hot.tipF =
        hot.chest;
}
} // namespace

void drawLooseWeapon(Drawing& out, Weapon weapon, float size, Vec2 grip, float angle)
{
    const Vec2 u = fromDown(angle);
    const Vec2 n = perp(u);
    const float s = size;
    Vec2 tip, muzzle;
    float tipRadius = 0.0f;
    switch (weapon)
    {
    case Weapon::Gauntlets:
    {
        // A plated cuff and the clenched fist at its end.
        Part& cuff = out.add(Armour);
        cuff.gloss = 0.5f;
        cuff.prims.push_back(capsule(grip - u * (10.0f * s), grip + u * (2.0f * s), 6.0f * s, 7.5f * s));
        Part& fist = out.add(Metal);
        fist.gloss = 0.8f;
        fist.prims.push_back(ellipse(grip + u * (9.0f * s), 10.0f * s, 9.0f * s, angle));
        for (int k = 0; k < 4; ++k)
        {
            Part& finger = out.add(Metal, 0.25f);
            finger.gloss = 0.6f;
            const Vec2 base = grip + u * (14.0f * s) + n * ((k - 1.5f) * 4.6f * s);
            finger.prims.push_back(capsule(base - u * (3.0f * s), base + u * (2.0f * s), 2.5f * s, 2.3f * s));
        }
        Part& thumb = out.add(Metal, -0.1f);
        thumb.prims.push_back(capsule(grip + u * (6.0f * s) - n * (9.0f * s),
                                      grip + u * (12.0f * s) - n * (5.0f * s), 2.6f * s, 2.2f * s));
        return;
    }
    case Weapon::TwinSwords:
        // Two blades crossed at their middles.
        {
            const Vec2 v = fromDown(angle + 90.0f);
            drawWeapon(out, weapon, s, grip, angle - 90.0f, 0.0f, 1.0f, 0.0f, tip, tipRadius, muzzle, 0.0f);
            drawWeapon(out, weapon, s, grip + (u - v) * (20.0f * s), angle, 0.0f, 1.0f, 0.2f, tip, tipRadius,
                       muzzle, 0.0f);
        }
        return;
    case Weapon::Whip:
    {
        // The handle, and the lash coiled beside it.
        Part& handle = out.add(Wood);
        handle.prims.push_back(capsule(grip, grip + u * (16.0f * s), 2.6f * s, 2.2f * s));
        Part& lash = out.add(Glow);
        lash.gloss = 0.5f;
        const Vec2 centre = grip + u * (26.0f * s) + n * (6.0f * s);
        Vec2 last = grip + u * (16.0f * s);
        for (int k = 0; k <= 30; ++k)
        {
            const float a = k * 26.0f;
            const float r = (15.0f - k * 0.3f) * s;
            const Vec2 p = centre + fromDown(angle + 180.0f + a) * r;
            lash.prims.push_back(capsule(last, p, 1.9f * s, 1.9f * s));
            last = p;
        }
        Part& spark = out.add(Extra2, 0.3f);
        spark.flat = true;
        for (int k = 0; k < 4; ++k)
            spark.prims.push_back(
                capsule(last, last + fromDown(45.0f + k * 90.0f) * (5.0f * s), 0.9f * s, 0.4f * s));
        return;
    }
    default:
        // The blade runs along foreAngle + 90 degrees from the hand.
        drawWeapon(out, weapon, s, grip, angle - 90.0f, 0.0f, 1.0f, 0.0f, tip, tipRadius, muzzle, 0.0f);
        return;
    }
}

void drawFigure(const Style& style, const Pose& pose, Drawing& out, Hot& hot)
{
    switch (style.kind)
    {
    case BodyKind::Human:
        drawHuman(style, pose, out, hot);
        break;
    case BodyKind::Hound:
        drawHound(style, pose, out, hot);
        break;
    case BodyKind::Ghost:
        drawGhost(style, pose, out, hot);
        break;
    case BodyKind::Skull:
        drawSkull(style, pose, out, hot);
        break;
    case BodyKind::Tank:
        drawTank(style, pose, out, hot);
        break;
    case BodyKind::Sprayer:
        drawSprayer(style, pose, out, hot);
        break;
    case BodyKind::Door:
        drawDoor(style, pose, out, hot);
        break;
    case BodyKind::PostBox:
        drawPostBox(style, pose, out, hot);
        break;
    case BodyKind::Window:
        drawWindow(style, pose, out, hot);
        break;
    }
}
} // namespace datagen::roster
