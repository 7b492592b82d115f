// The standard kit. Poses are written for a body facing right in hip-height
// units; every clip is keys with eased in-betweens. Reactions and blocks are
// not interruptible; sounds, shots, dust and faces sit on inner frames only.
#include "content/roster/motion.h"

#include <algorithm>
#include <cmath>

#include "core/synth.h"

namespace datagen::roster
{
namespace
{
constexpr float kTau = 6.2831853f;

struct Ctx
{
    const CharacterSpec& spec;
    const KitOptions& opt;
    bool human() const { return spec.style.kind == BodyKind::Human; }
    // What cannot walk is not moved by its own dashes or by blows either: a
    // gas node or a door pushed out of the field could never come back.
    bool rooted() const { return spec.speed == 0; }
    std::string snd(const char* what) const { return soundName(spec.name, what); }
    int dmg(int base) const { return std::max(1, static_cast<int>(std::lround(base * opt.power))); }
    int ps(int pause) const { return std::max(20, static_cast<int>(std::lround(pause * opt.tempo))); }
    // A weapon turn written for blades; guns and claws lie along the forearm.
    float turn(float bladeValue) const
    {
        const Weapon w = spec.style.weapon;
        return w == Weapon::Rifle || w == Weapon::Pistols || w == Weapon::Claws || w == Weapon::ArmCannon
                   ? 0.0f
                   : bladeValue;
    }
    // Blade types cut (hit types 1-3), the rest strike (4-6).
    int ht(int weight) const
    {
        const bool edge = opt.fighting == Fighting::Blade || opt.fighting == Fighting::Whip ||
                          spec.style.weapon == Weapon::Claws || spec.style.weapon == Weapon::GreatBlade;
        return edge ? weight : weight + 3;
    }
};

Key mk(const Pose& p, int pause, int between = 0)
{
    Key k;
    k.pose = p;
    k.pause = pause;
    k.between = between;
    return k;
}

Key hit(const Pose& p, int pause, int between, Strike s, int damage, int hitType)
{
    Key k = mk(p, pause, between);
    k.strike = s;
    k.damage = damage;
    k.hitType = hitType;
    return k;
}

MoveDef def(const std::string& name, const std::string& command, std::vector<Key> keys)
{
    MoveDef m;
    m.clip.name = name;
    m.clip.keys = std::move(keys);
    m.command = command;
    return m;
}

MoveDef reaction(const std::string& name, std::vector<Key> keys)
{
    MoveDef m = def(name, "zzz", std::move(keys));
    m.interruptible = false;
    return m;
}

MoveDef attack(const std::string& name, const std::string& command, std::vector<Key> keys, AiKind ai,
               const std::string& ranges, const std::string& condition)
{
    MoveDef m = def(name, command, std::move(keys));
    m.ai = ai;
    m.ranges = ranges;
    m.condition = condition;
    return m;
}

MoveDef linked(MoveDef m, const std::string& from, int frame)
{
    m.link = from;
    m.linkFrame = frame;
    m.aiFollows = from;
    m.condition = "NULL";
    return m;
}

MoveDef special(MoveDef m, int energy)
{
    m.energy = energy;
    m.special = true;
    m.interruptible = false;
    return m;
}

// A second blow linked after a heavy one: the same swing carried on further
// and harder.
void followUp(std::vector<MoveDef>& moves, const std::string& from, const std::string& name, int linkFrame,
              int extra)
{
    const MoveDef* base = nullptr;
    for (const MoveDef& m : moves)
        if (m.clip.name == from)
            base = &m;
    if (!base)
        return;
    MoveDef f = *base;
    f.clip.name = name;
    f.ai = AiKind::None;
    f.ranges.clear();
    for (Key& k : f.clip.keys)
    {
        if (k.damage > 0)
            k.damage += extra;
        if (k.xStep > 0 || k.strike != Strike::None)
            k.xStep += 2;
    }
    moves.push_back(linked(f, from, linkFrame));
}

const char* kGround = "ground = true";
const char* kAir = "ground = false";

// Which keys' frames may carry events: any key but the first and last.
void checkInner(std::vector<Key>& keys)
{
    if (keys.empty())
        return;
    for (Key* k : {&keys.front(), &keys.back()})
    {
        k->sound.clear();
        k->shot.clear();
        k->puff.clear();
        k->face.clear();
    }
}

// ---------------------------------------------------------------- people

Pose guard(const Ctx& c)
{
    Pose p;
    const Weapon w = c.spec.style.weapon;
    p.pelvis = {0.0f, -0.95f};
    p.footN = {0.2f, 0.0f};
    p.footF = {-0.2f, 0.0f};
    p.lean = 6.0f;
    switch (c.opt.fighting)
    {
    case Fighting::Brawler:
        p.armN = {38.0f, 100.0f};
        p.armF = {22.0f, 112.0f};
        if (c.opt.swagger)
            p.armN = {20.0f, 70.0f}, p.lean = 0.0f;
        break;
    case Fighting::Blade:
    case Fighting::Blunt:
        p.armN = {30.0f, 55.0f};
        // Polearms stand up and forward; blades point at the foe.
        p.weapon = w == Weapon::Staff || w == Weapon::Scythe ? -15.0f : w == Weapon::Spear ? -35.0f : -35.0f;
        p.armF = {15.0f, 70.0f};
        p.weaponF = -40.0f;
        if (w == Weapon::Scythe || w == Weapon::Spear || w == Weapon::Staff)
            p.armF = {45.0f, 60.0f};
        break;
    case Fighting::Whip:
        p.armN = {25.0f, 50.0f};
        p.armF = {20.0f, 100.0f};
        p.reach = 0.1f;
        break;
    case Fighting::Gunner:
        if (w == Weapon::Rifle)
        {
            p.armN = {35.0f, 45.0f};
            p.armF = {45.0f, 50.0f};
            p.weapon = 15.0f;
        }
        else
        {
            p.armN = {40.0f, 40.0f};
            p.armF = {30.0f, 50.0f};
        }
        break;
    case Fighting::Shield:
        p.armN = {40.0f, 55.0f};
        p.armF = {10.0f, 60.0f};
        p.weaponF = -30.0f;
        break;
    case Fighting::Zombie:
        p.lean = 20.0f;
        p.head = 14.0f;
        p.pelvis = {0.0f, -0.93f};
        p.armN = {78.0f, 8.0f};
        p.armF = {66.0f, 14.0f};
        p.jaw = 0.3f;
        break;
    default:
        break;
    }
    if (c.opt.hunched)
        p.lean += 12.0f, p.head += 8.0f;
    return p;
}

Pose crouched(const Ctx& c)
{
    Pose p = guard(c);
    p.pelvis = {-0.05f, -0.6f};
    p.footN = {0.3f, 0.0f};
    p.footF = {-0.3f, 0.0f};
    p.lean += 14.0f;
    p.head -= 8.0f;
    return p;
}

Pose lying(const Ctx& c)
{
    Pose p = guard(c);
    p.spin = -88.0f;
    p.lean = 0.0f;
    p.head = 10.0f;
    p.pelvis = {0.1f, -0.24f};
    p.footN = {0.08f, -0.05f};
    p.footF = {-0.06f, 0.0f};
    p.armN = {150.0f, 20.0f};
    p.armF = {-10.0f, 30.0f};
    p.eyes = 0.0f;
    p.jaw = 0.4f;
    p.weapon = c.turn(-90.0f);
    return p;
}

Clip humanStanding(const Ctx& c)
{
    Clip clip{"standing", {}};
    const Pose g = guard(c);
    for (int i = 0; i < 4; ++i)
    {
        Pose p = g;
        const float s = std::sin(i / 4.0f * kTau);
        p.pelvis.y += 0.012f * s;
        p.lean += 1.5f * s;
        p.armN.upper += 2.0f * s;
        p.armF.upper -= 2.0f * s;
        p.reach += 0.03f * s;
        p.phase = i / 4.0f;
        p.cape = 0.1f + 0.1f * s;
        clip.keys.push_back(mk(p, c.ps(110)));
    }
    return clip;
}

// A gait: feet planted for the stance part of each cycle, swinging forward
// and up for the rest, the arms swinging against them.
Clip humanGait(const Ctx& c, const std::string& name, bool run)
{
    Clip clip{name, {}};
    const int frames = run ? 6 : 8;
    const int pause = run ? 40 : 40;
    // Ground covered in one cycle: steps of 30 ms, speed (x2 running) each.
    const float cycleMs = frames * pause * 1.5f;
    const float distance = cycleMs / 30.0f * c.spec.speed * (run ? 2.0f : 1.0f);
    const float half = distance * 0.5f / c.spec.style.body.hip * 0.5f;
    const Pose g = guard(c);
    const bool shamble = c.opt.fighting == Fighting::Zombie;
    for (int i = 0; i < frames; ++i)
    {
        Pose p = g;
        const float t = static_cast<float>(i) / frames;
        auto foot = [&](float ph, Vec2& f, float& toe)
        {
            ph = ph - std::floor(ph);
            const float stance = run ? 0.4f : 0.55f;
            if (ph < stance)
            {
                f = {half - 2.0f * half * (ph / stance), 0.0f};
                toe = ph > stance * 0.7f ? -15.0f : 0.0f;
            }
            else
            {
                const float s = (ph - stance) / (1.0f - stance);
                f = {-half + 2.0f * half * easeInOut(s), -std::sin(s * kPi) * (run ? 0.42f : 0.2f)};
                toe = run ? -25.0f * (1.0f - s) : 10.0f * s;
                if (shamble)
                    f.y *= 0.4f, toe = -20.0f;
            }
        };
        foot(t, p.footN, p.toeN);
        foot(t + 0.5f, p.footF, p.toeF);
        const float bob = std::cos(t * 2.0f * kTau);
        p.pelvis = {0.0f, (run ? -0.9f : -0.95f) + bob * (run ? 0.05f : 0.025f)};
        const float swing = std::sin(t * kTau);
        const bool freeArms =
            c.opt.fighting == Fighting::Brawler || shamble || c.opt.fighting == Fighting::Whip;
        const float armSwing = run ? 40.0f : (freeArms ? 22.0f : 10.0f);
        if (!shamble && c.opt.fighting != Fighting::Gunner && c.opt.fighting != Fighting::Shield)
        {
            p.armN.upper += -armSwing * swing;
            p.armF.upper += armSwing * swing;
        }
        if (run)
        {
            p.lean = g.lean + 14.0f;
            if (c.opt.fighting == Fighting::Brawler)
                p.armN.bend = 85.0f, p.armF.bend = 90.0f;
        }
        if (shamble)
        {
            p.lean += 6.0f * swing;
            p.head += 10.0f * std::sin(t * kTau + 1.0f);
            p.armN.upper += 8.0f * bob;
            p.armF.upper -= 6.0f * bob;
        }
        p.cape = run ? 0.9f : 0.3f;
        p.phase = t;
        clip.keys.push_back(mk(p, c.ps(pause)));
    }
    return clip;
}

Pose airborne(const Ctx& c, bool rising)
{
    Pose p = guard(c);
    p.pelvis = {0.0f, -1.0f};
    p.footN = rising ? Vec2{0.25f, -0.35f} : Vec2{0.18f, -0.1f};
    p.footF = rising ? Vec2{-0.1f, -0.22f} : Vec2{-0.15f, 0.0f};
    p.toeN = rising ? -20.0f : -30.0f;
    p.toeF = -30.0f;
    p.cape = rising ? -0.2f : 0.6f;
    return p;
}

Clip twoFrames(const std::string& name, const Pose& a, const Pose& b, int pause)
{
    return Clip{name, {mk(a, pause), mk(b, pause)}};
}

std::vector<Clip> humanAnims(const Ctx& c)
{
    std::vector<Clip> out;
    out.push_back(humanStanding(c));
    out.push_back(humanGait(c, "walk", false));
    Pose d1 = crouched(c), d2 = crouched(c);
    d2.pelvis.y += 0.02f;
    out.push_back(twoFrames("duck", d1, d2, c.ps(120)));
    out.push_back(humanGait(c, "running", true));
    Pose up = airborne(c, true), up2 = up;
    up2.cape = 0.0f;
    out.push_back(twoFrames("inAir", up, up2, 60));
    Pose down = airborne(c, false), down2 = down;
    down2.cape = 0.8f;
    out.push_back(twoFrames("inAirDown", down, down2, 60));
    Pose fu = airborne(c, true);
    fu.spin = -35.0f;
    fu.armN = {150.0f, 30.0f};
    fu.armF = {-40.0f, 30.0f};
    fu.eyes = 0.2f;
    fu.jaw = 0.5f;
    Pose fu2 = fu;
    fu2.spin = -45.0f;
    out.push_back(twoFrames("fallUp", fu, fu2, 60));
    Pose fd = fu;
    fd.spin = -70.0f;
    fd.footN = {0.3f, -0.2f};
    Pose fd2 = fd;
    fd2.spin = -78.0f;
    out.push_back(twoFrames("fallDown", fd, fd2, 60));
    return out;
}

// Reactions: a snap, a fold, a throw off the feet; crouched versions; blocks.
void humanReactions(const Ctx& c, std::vector<MoveDef>& moves)
{
    const Pose g = guard(c);
    Pose snap = g;
    snap.lean = -14.0f;
    snap.head = -22.0f;
    snap.pelvis.x -= 0.06f;
    snap.eyes = 0.2f;
    snap.jaw = 0.6f;
    snap.armN.upper -= 20.0f;
    snap.armF.upper -= 25.0f;
    snap.cape = 0.8f;
    std::vector<Key> h1 = {mk(snap, 40), mk(snap, 70), mk(g, 50, 1)};
    h1[1].sound = c.snd("Hurt");
    moves.push_back(reaction("hit1", h1));

    Pose fold = g;
    fold.lean = 34.0f;
    fold.head = 20.0f;
    fold.pelvis = {-0.12f, -0.9f};
    fold.armN = {15.0f, 40.0f};
    fold.armF = {5.0f, 50.0f};
    fold.eyes = 0.0f;
    fold.jaw = 0.7f;
    std::vector<Key> h2 = {mk(fold, 40), mk(fold, 80), mk(g, 50, 1)};
    h2[0].xStep = -3;
    h2[1].xStep = -2;
    h2[1].sound = c.snd("Hurt");
    moves.push_back(reaction("hit2", h2));

    Pose thrown = g;
    thrown.lean = -40.0f;
    thrown.head = -20.0f;
    thrown.pelvis = {-0.1f, -0.82f};
    thrown.footN = {0.4f, -0.15f};
    thrown.footF = {0.15f, 0.0f};
    thrown.armN = {170.0f, 20.0f};
    thrown.armF = {-60.0f, 20.0f};
    thrown.eyes = 0.0f;
    thrown.jaw = 0.8f;
    thrown.cape = 1.0f;
    Pose thrown2 = thrown;
    thrown2.spin = -30.0f;
    thrown2.pelvis = {-0.15f, -0.6f};
    std::vector<Key> h3 = {mk(thrown, 40), mk(thrown, 60), mk(thrown2, 60, 1)};
    for (Key& k : h3)
        k.xStep = -6;
    h3[1].sound = c.snd("Hurt");
    moves.push_back(reaction("hit3", h3));

    const Pose cr = crouched(c);
    Pose lowSnap = cr;
    lowSnap.lean = -6.0f;
    lowSnap.head = -20.0f;
    lowSnap.eyes = 0.2f;
    lowSnap.jaw = 0.5f;
    std::vector<Key> l1 = {mk(lowSnap, 40), mk(lowSnap, 70), mk(cr, 50, 1)};
    l1[1].sound = c.snd("Hurt");
    moves.push_back(reaction("hit1Low", l1));
    Pose lowFold = cr;
    lowFold.lean = 40.0f;
    lowFold.head = 20.0f;
    lowFold.pelvis.x -= 0.1f;
    lowFold.eyes = 0.0f;
    lowFold.jaw = 0.7f;
    std::vector<Key> l2 = {mk(lowFold, 40), mk(lowFold, 80), mk(cr, 50, 1)};
    l2[1].xStep = -3;
    l2[1].sound = c.snd("Hurt");
    moves.push_back(reaction("hit2Low", l2));

    // Blocks: forearms (or the weapon, or the shield) across the body.
    Pose hi = g;
    hi.lean = -4.0f;
    hi.head = 10.0f;
    hi.armN = {30.0f, 140.0f};
    hi.armF = {20.0f, 145.0f};
    hi.weapon = c.turn(-130.0f);
    hi.eyes = 0.5f;
    if (c.opt.fighting == Fighting::Shield)
        hi.armN = {60.0f, 60.0f}, hi.reach = 1.0f;
    std::vector<Key> bh = {mk(hi, 30), mk(hi, 80), mk(g, 40)};
    bh[1].xStep = -2;
    bh[1].deflecting = c.opt.fighting == Fighting::Shield;
    moves.push_back(reaction("blockHi", bh));
    Pose lo = crouched(c);
    lo.armN = {60.0f, 110.0f};
    lo.armF = {45.0f, 120.0f};
    lo.weapon = c.turn(-130.0f);
    lo.eyes = 0.5f;
    std::vector<Key> bl = {mk(lo, 30), mk(lo, 80), mk(crouched(c), 40)};
    bl[1].xStep = -2;
    moves.push_back(reaction("blockLo", bl));
    Pose air = airborne(c, true);
    air.armN = {40.0f, 135.0f};
    air.armF = {30.0f, 140.0f};
    air.footN = {0.3f, -0.4f};
    air.weapon = c.turn(-130.0f);
    moves.push_back(reaction("blockAir", {mk(air, 30), mk(air, 80), mk(airborne(c, false), 40)}));

    // Down and, with health left, up again.
    const Pose down = lying(c);
    Pose bounce = down;
    bounce.pelvis.y -= 0.12f;
    bounce.spin = -80.0f;
    Pose sit = down;
    sit.spin = -45.0f;
    sit.pelvis = {0.0f, -0.3f};
    sit.footN = {0.55f, 0.0f};
    sit.footF = {0.4f, 0.0f};
    sit.armF = {-30.0f, 10.0f};
    sit.eyes = 0.6f;
    Pose kneel = crouched(c);
    kneel.pelvis = {0.0f, -0.55f};
    kneel.footN = {0.35f, 0.0f};
    kneel.footF = {-0.25f, -0.02f};
    kneel.toeF = -50.0f;
    // Heavy, slow bodies lie longer and rise slower.
    const auto rise = [&](int pause) { return c.opt.tempo > 1.0f ? c.ps(pause) : pause; };
    std::vector<Key> crash = {mk(bounce, 50),         mk(down, 60),            mk(down, rise(160)),
                              mk(sit, rise(60), 1), mk(kneel, rise(60), 1), mk(g, 50, 1)};
    crash[1].puff = "dustJump";
    crash[1].sound = c.snd("Thud");
    crash[2].holdIfDown = true;
    MoveDef cm = reaction("crash", crash);
    moves.push_back(cm);
}

void humanMovement(const Ctx& c, std::vector<MoveDef>& moves)
{
    const Pose g = guard(c);
    Pose crouch = crouched(c);
    Pose hop = airborne(c, true);
    hop.pelvis = {0.0f, -1.35f};
    hop.footN = {0.1f, -0.45f};
    hop.footF = {-0.2f, -0.35f};
    hop.lean = -8.0f;
    std::vector<Key> back = {mk(crouch, 40), mk(hop, 50, 1), mk(hop, 50), mk(crouch, 40, 1), mk(g, 40)};
    back[1].xStep = back[2].xStep = back[3].xStep = -8;
    back[1].puff = "dustJump";
    back[2].sound = c.snd("Swing");
    MoveDef bj = def("backJump", "zzz", back);
    moves.push_back(bj);

    Pose tuck = airborne(c, true);
    tuck.spin = -20.0f;
    tuck.footN = {0.25f, -0.5f};
    tuck.footF = {0.0f, -0.45f};
    Pose dashF = airborne(c, false);
    dashF.lean = 25.0f;
    dashF.cape = 1.0f;
    std::vector<Key> ab = {mk(tuck, 40), mk(tuck, 50), mk(tuck, 50), mk(airborne(c, false), 40, 1)};
    for (Key& k : ab)
        k.xStep = -8;
    ab[1].sound = c.snd("Swing");
    moves.push_back(def("airBack", "zzz", ab));
    std::vector<Key> af = {mk(dashF, 40), mk(dashF, 50), mk(dashF, 50), mk(airborne(c, false), 40, 1)};
    for (Key& k : af)
        k.xStep = 9;
    af[1].sound = c.snd("Swing");
    moves.push_back(def("airForward", "zzz", af));

    // Intro: a flourish of the weapon (or cracked knuckles) and a shout.
    Pose p0 = g;
    p0.lean = -4.0f;
    p0.armN = {10.0f, 20.0f};
    p0.armF = {5.0f, 20.0f};
    p0.weapon = c.turn(0.0f);
    Pose p1 = g;
    p1.armN = {165.0f, 10.0f};
    p1.weapon = c.turn(-90.0f);
    p1.head = -10.0f;
    p1.jaw = 0.8f;
    p1.cape = 0.8f;
    p1.glow = 1.0f;
    std::vector<Key> intro = {mk(p0, 80), mk(p0, 80), mk(p1, 60, 2), mk(p1, 200), mk(g, 60, 2)};
    intro[3].sound = c.snd("Shout");
    moves.push_back(def("pose1", "zzz", intro));
    // Victory: arm up, head back.
    Pose v = g;
    v.armN = {175.0f, 5.0f};
    v.armF = {10.0f, 40.0f};
    v.weapon = c.turn(-90.0f);
    v.head = -15.0f;
    v.jaw = 0.6f;
    v.lean = -6.0f;
    v.pelvis.y = -1.0f;
    Pose v2 = v;
    v2.armN.upper = 165.0f;
    v2.pelvis.y = -0.97f;
    std::vector<Key> win = {mk(g, 60), mk(v, 80, 2), mk(v2, 120), mk(v, 120), mk(v2, 200)};
    win[2].sound = c.snd("Shout");
    moves.push_back(def("endPose1", "zzz", win));
}

// The arsenal of the fist fighter.
void brawlerArsenal(const Ctx& c, std::vector<MoveDef>& m)
{
    const Pose g = guard(c);
    // Jab, cross, uppercut.
    Pose jab = g;
    jab.armN = {88.0f, 4.0f};
    jab.lean = 14.0f;
    jab.pelvis.x = 0.05f;
    std::vector<Key> k1 = {mk(g, 30), hit(jab, 50, 1, Strike::HandN, c.dmg(5), c.ht(1)), mk(jab, 40),
                           mk(g, 40, 1)};
    k1[1].sound = c.snd("Swing");
    m.push_back(attack("jab1", "A", k1, AiKind::Ground, "S", kGround));
    Pose cross = g;
    cross.armF = {90.0f, 0.0f};
    cross.armN = {20.0f, 110.0f};
    cross.lean = 20.0f;
    cross.pelvis.x = 0.1f;
    cross.footF = {-0.1f, 0.0f};
    cross.toeF = -30.0f;
    std::vector<Key> k2 = {mk(g, 30), hit(cross, 50, 1, Strike::HandF, c.dmg(6), c.ht(1)), mk(cross, 40),
                           mk(g, 40, 1)};
    k2[1].sound = c.snd("Swing");
    k2[1].xStep = 2;
    m.push_back(linked(attack("jab2", "A", k2, AiKind::None, "", "NULL"), "jab1", 1));
    Pose dip = g;
    dip.pelvis = {0.0f, -0.82f};
    dip.lean = 25.0f;
    dip.armN = {20.0f, 60.0f};
    Pose upper = g;
    upper.pelvis = {0.08f, -1.02f};
    upper.lean = -8.0f;
    upper.armN = {155.0f, 25.0f};
    upper.footF = {-0.15f, -0.05f};
    upper.toeF = -40.0f;
    upper.jaw = 0.6f;
    // The uppercut lands on the way up, while the fist is still at a standing foe's chin.
    Pose rising = g;
    rising.pelvis = {0.06f, -0.88f};
    rising.lean = 0.0f;
    rising.armN = {95.0f, 45.0f};
    rising.jaw = 0.6f;
    std::vector<Key> k3 = {mk(g, 30), mk(dip, 50, 1), hit(rising, 50, 0, Strike::HandN, c.dmg(9), c.ht(2)),
                           mk(upper, 60, 1), mk(g, 50, 1)};
    k3[2].sound = c.snd("Swing");
    k3[2].xStep = 3;
    m.push_back(linked(attack("jab3", "A", k3, AiKind::None, "", "NULL"), "jab2", 1));

    // Front kick, then a spinning heel.
    Pose chamber = g;
    chamber.footN = {0.25f, -0.55f};
    chamber.toeN = -20.0f;
    chamber.lean = -6.0f;
    Pose kick = g;
    kick.footN = {1.0f, -0.85f};
    kick.toeN = 40.0f;
    kick.lean = -22.0f;
    kick.pelvis = {-0.08f, -0.97f};
    kick.armN = {60.0f, 60.0f};
    std::vector<Key> kk = {mk(g, 30), mk(chamber, 40, 1), hit(kick, 60, 1, Strike::FootN, c.dmg(10), c.ht(2)),
                           mk(kick, 40), mk(g, 50, 1)};
    kk[2].sound = c.snd("Swing");
    kk[2].xStep = 2;
    m.push_back(attack("kick1", "B", kk, AiKind::Ground, "SM", kGround));
    Pose wind = g;
    wind.spin = 0.0f;
    wind.lean = 30.0f;
    wind.footF = {0.2f, 0.0f};
    wind.footN = {-0.3f, -0.3f};
    Pose heel = g;
    heel.lean = -40.0f;
    heel.footN = {1.05f, -1.05f};
    heel.toeN = 10.0f;
    heel.footF = {-0.05f, 0.0f};
    heel.armN = {100.0f, 20.0f};
    heel.armF = {-60.0f, 10.0f};
    heel.cape = 1.0f;
    std::vector<Key> kh = {mk(g, 30), mk(wind, 50, 1), hit(heel, 60, 1, Strike::FootN, c.dmg(14), c.ht(3)),
                           mk(heel, 50), mk(g, 60, 2)};
    kh[2].sound = c.snd("Swing");
    kh[2].xStep = 3;
    m.push_back(linked(attack("kick2", "B", kh, AiKind::None, "", "NULL"), "kick1", 2));

    // Low sweep.
    Pose low = crouched(c);
    Pose sweep = low;
    sweep.pelvis = {-0.1f, -0.45f};
    sweep.footN = {1.05f, 0.0f};
    sweep.toeN = 10.0f;
    sweep.lean = 30.0f;
    sweep.armF = {-20.0f, 0.0f};
    std::vector<Key> ls = {mk(low, 30), hit(sweep, 60, 1, Strike::FootN, c.dmg(7), c.ht(2)), mk(sweep, 40),
                           mk(low, 50, 1)};
    ls[1].sound = c.snd("Swing");
    ls[1].puff = "dustJump";
    m.push_back(attack("lowSweep", "DA", ls, AiKind::Duck, "SM", kGround));
    Pose lowPunch = low;
    lowPunch.armN = {75.0f, 5.0f};
    lowPunch.lean = 28.0f;
    std::vector<Key> lp = {mk(low, 30), hit(lowPunch, 50, 1, Strike::HandN, c.dmg(6), c.ht(1)),
                           mk(low, 40, 1)};
    lp[1].sound = c.snd("Swing");
    m.push_back(attack("lowPunch", "DB", lp, AiKind::Duck, "S", kGround));

    // Air: a flying knee-kick and a hammer blow.
    Pose air = airborne(c, false);
    Pose flying = air;
    flying.footN = {0.9f, -0.35f};
    flying.toeN = 30.0f;
    flying.footF = {-0.1f, -0.5f};
    flying.lean = -15.0f;
    std::vector<Key> ak = {mk(air, 30), hit(flying, 60, 1, Strike::FootN, c.dmg(8), c.ht(1)), mk(flying, 80),
                           mk(air, 40)};
    ak[1].sound = c.snd("Swing");
    m.push_back(attack("airKick", "A", ak, AiKind::Aerial, "SMU", kAir));
    Pose raise = air;
    raise.armN = {170.0f, 20.0f};
    raise.armF = {165.0f, 30.0f};
    Pose hammer = air;
    hammer.armN = {60.0f, 10.0f};
    hammer.armF = {55.0f, 15.0f};
    hammer.lean = 25.0f;
    std::vector<Key> ah = {mk(air, 30), mk(raise, 40, 1),
                           hit(hammer, 60, 1, Strike::HandN, c.dmg(11), c.ht(3)), mk(hammer, 60),
                           mk(air, 40)};
    ah[2].sound = c.snd("Swing");
    m.push_back(attack("airSmash", "B", ah, AiKind::Aerial, "MD", kAir));
}

// Swings of an edged or heavy weapon.
void weaponArsenal(const Ctx& c, std::vector<MoveDef>& m, bool heavy)
{
    const Pose g = guard(c);
    const int slow = heavy ? 10 : 0;
    // Slash down, slash up, then a spinning cut.
    Pose high = g;
    high.armN = {165.0f, 35.0f};
    high.weapon = -100.0f;
    high.lean = -5.0f;
    Pose down = g;
    down.armN = {75.0f, 5.0f};
    down.weapon = -90.0f;
    down.lean = 20.0f;
    down.pelvis.x = 0.06f;
    std::vector<Key> s1 = {mk(g, 30), mk(high, 40 + slow, 1),
                           hit(down, 40, 1, Strike::WeaponN, c.dmg(heavy ? 8 : 6), c.ht(1)), mk(down, 50),
                           mk(g, 40, 1)};
    s1[2].sound = c.snd("Swing");
    m.push_back(attack("slash1", "A", s1, AiKind::Ground, "SM", kGround));
    Pose low = g;
    low.armN = {20.0f, -10.0f};
    low.weapon = -90.0f;
    low.lean = 15.0f;
    Pose up = g;
    up.armN = {150.0f, 10.0f};
    up.weapon = -90.0f;
    up.lean = -10.0f;
    up.pelvis.x = 0.08f;
    // The upward cut lands halfway up, across a standing foe's chest, low
    // enough to bite a tank's turret.
    Pose across2 = g;
    across2.armN = {80.0f, 10.0f};
    across2.weapon = -90.0f;
    across2.lean = 0.0f;
    across2.pelvis.x = 0.08f;
    std::vector<Key> s2 = {mk(down, 30), mk(low, 40, 1),
                           hit(across2, 40, 0, Strike::WeaponN, c.dmg(heavy ? 9 : 7), c.ht(2)), mk(up, 50, 1),
                           mk(g, 40, 1)};
    s2[2].sound = c.snd("Swing");
    s2[2].xStep = 2;
    m.push_back(linked(attack("slash2", "A", s2, AiKind::None, "", "NULL"), "slash1", 2));
    Pose back = g;
    back.armN = {-50.0f, -30.0f};
    back.weapon = -90.0f;
    back.lean = 25.0f;
    Pose across = g;
    across.armN = {84.0f, 0.0f};
    across.weapon = -90.0f;
    across.lean = 5.0f;
    across.pelvis.x = 0.12f;
    across.cape = 1.0f;
    std::vector<Key> s3 = {mk(g, 30), mk(back, 50 + slow, 1),
                           hit(across, 40, 1, Strike::WeaponN, c.dmg(heavy ? 13 : 10), c.ht(3)),
                           mk(across, 70), mk(g, 50, 1)};
    s3[2].sound = c.snd("Swing");
    s3[2].xStep = 4;
    m.push_back(linked(attack("slash3", "A", s3, AiKind::None, "", "NULL"), "slash2", 2));

    // Heavy: a two-handed overhead chop, then a lunging thrust.
    Pose wind = g;
    wind.armN = {175.0f, 40.0f};
    wind.armF = {170.0f, 40.0f};
    wind.weapon = -110.0f;
    wind.lean = -12.0f;
    wind.pelvis.x = -0.05f;
    Pose chop = g;
    chop.armN = {60.0f, 0.0f};
    chop.armF = {55.0f, 5.0f};
    chop.weapon = -90.0f;
    chop.lean = 32.0f;
    chop.pelvis = {0.1f, -0.85f};
    chop.footN = {0.45f, 0.0f};
    std::vector<Key> h1 = {mk(g, 30), mk(wind, 60 + slow, 2),
                           hit(chop, 40, 1, Strike::WeaponN, c.dmg(heavy ? 16 : 13), c.ht(3)), mk(chop, 90),
                           mk(g, 50, 2)};
    h1[2].sound = c.snd("Swing");
    h1[3].puff = "dustJump";
    h1[2].xStep = 3;
    m.push_back(attack("chop", "B", h1, AiKind::Ground, "SM", kGround));
    Pose draw = g;
    draw.armN = {30.0f, 100.0f};
    draw.weapon = -150.0f;
    draw.pelvis.x = -0.1f;
    Pose thrust = g;
    thrust.armN = {88.0f, 0.0f};
    thrust.weapon = -90.0f;
    thrust.lean = 25.0f;
    thrust.pelvis = {0.2f, -0.88f};
    thrust.footN = {0.6f, 0.0f};
    thrust.footF = {-0.3f, 0.0f};
    std::vector<Key> h2 = {mk(chop, 30), mk(draw, 50, 1),
                           hit(thrust, 50, 1, Strike::WeaponN, c.dmg(heavy ? 14 : 12), c.ht(2)),
                           mk(thrust, 60), mk(g, 50, 1)};
    for (int i = 1; i <= 3; ++i)
        h2[i].xStep = 4;
    h2[2].sound = c.snd("Swing");
    m.push_back(linked(attack("thrust", "B", h2, AiKind::None, "", "NULL"), "chop", 3));

    // Low: a sweeping cut at the shins.
    Pose cr = crouched(c);
    Pose sweep = cr;
    sweep.armN = {80.0f, -30.0f};
    sweep.weapon = -70.0f;
    sweep.lean = 30.0f;
    Pose sweepWind = cr;
    sweepWind.armN = {-20.0f, -40.0f};
    sweepWind.weapon = -90.0f;
    std::vector<Key> ls = {mk(cr, 30), mk(sweepWind, 40, 1),
                           hit(sweep, 50, 1, Strike::WeaponN, c.dmg(7), c.ht(2)), mk(cr, 50, 1)};
    ls[2].sound = c.snd("Swing");
    m.push_back(attack("lowCut", "DA", ls, AiKind::Duck, "SM", kGround));

    // Air: a cleaving arc and a plunge.
    Pose air = airborne(c, false);
    Pose airHigh = air;
    airHigh.armN = {170.0f, 30.0f};
    airHigh.weapon = -100.0f;
    Pose airLow = air;
    airLow.armN = {60.0f, 0.0f};
    airLow.weapon = -90.0f;
    airLow.lean = 20.0f;
    std::vector<Key> as = {mk(air, 30), mk(airHigh, 40, 1),
                           hit(airLow, 50, 1, Strike::WeaponN, c.dmg(9), c.ht(2)), mk(airLow, 60),
                           mk(air, 40)};
    as[2].sound = c.snd("Swing");
    m.push_back(attack("airSlash", "A", as, AiKind::Aerial, "SMU", kAir));
    Pose plunge = air;
    plunge.armN = {10.0f, 0.0f};
    plunge.weapon = 90.0f;
    plunge.footN = {0.2f, -0.6f};
    plunge.footF = {-0.1f, -0.55f};
    std::vector<Key> ap = {mk(air, 30), mk(airHigh, 40, 1),
                           hit(plunge, 60, 1, Strike::WeaponN, c.dmg(12), c.ht(3)), mk(plunge, 80),
                           mk(air, 40)};
    ap[2].sound = c.snd("Swing");
    m.push_back(attack("airPlunge", "B", ap, AiKind::Aerial, "MD", kAir));
}

void whipArsenal(const Ctx& c, std::vector<MoveDef>& m)
{
    const Pose g = guard(c);
    Pose wind = g;
    wind.armN = {170.0f, 20.0f};
    wind.reach = 0.2f;
    wind.weapon = -60.0f;
    Pose crack = g;
    crack.armN = {95.0f, 0.0f};
    crack.reach = 1.0f;
    crack.weapon = -40.0f;
    crack.lean = 15.0f;
    Pose recoil = crack;
    recoil.reach = 0.6f;
    std::vector<Key> w1 = {mk(g, 30), mk(wind, 40, 1), hit(crack, 50, 1, Strike::WeaponN, c.dmg(6), c.ht(1)),
                           mk(recoil, 40), mk(g, 40, 1)};
    w1[2].sound = c.snd("Zap");
    m.push_back(attack("lash1", "A", w1, AiKind::Ground, "SM", kGround));
    Pose side = g;
    side.armN = {-30.0f, -20.0f};
    side.reach = 0.3f;
    Pose sweep = g;
    sweep.armN = {80.0f, 10.0f};
    sweep.reach = 1.0f;
    sweep.weapon = -20.0f;
    sweep.lean = 10.0f;
    std::vector<Key> w2 = {mk(crack, 30), mk(side, 40, 1),
                           hit(sweep, 50, 1, Strike::WeaponN, c.dmg(7), c.ht(2)), mk(sweep, 40),
                           mk(g, 40, 1)};
    w2[2].sound = c.snd("Zap");
    m.push_back(linked(attack("lash2", "A", w2, AiKind::None, "", "NULL"), "lash1", 2));
    Pose overhead = g;
    overhead.armN = {190.0f, 10.0f};
    overhead.reach = 0.4f;
    overhead.lean = -10.0f;
    Pose slam = g;
    slam.armN = {70.0f, 0.0f};
    slam.reach = 1.0f;
    slam.weapon = 10.0f;
    slam.lean = 28.0f;
    slam.pelvis = {0.05f, -0.88f};
    std::vector<Key> w3 = {mk(g, 30), mk(overhead, 60, 2),
                           hit(slam, 50, 1, Strike::WeaponN, c.dmg(12), c.ht(3)), mk(slam, 80), mk(g, 50, 1)};
    w3[2].sound = c.snd("Zap");
    w3[3].puff = "dustJump";
    m.push_back(attack("whipCrack", "B", w3, AiKind::Ground, "ML", kGround));
    Pose cr = crouched(c);
    Pose lowLash = cr;
    lowLash.armN = {80.0f, -10.0f};
    lowLash.reach = 0.9f;
    lowLash.weapon = 20.0f;
    std::vector<Key> lw = {mk(cr, 30), hit(lowLash, 60, 1, Strike::WeaponN, c.dmg(6), c.ht(1)),
                           mk(cr, 50, 1)};
    lw[1].sound = c.snd("Zap");
    m.push_back(attack("lowLash", "DA", lw, AiKind::Duck, "SM", kGround));
    Pose air = airborne(c, false);
    Pose airCrack = air;
    airCrack.armN = {70.0f, 0.0f};
    airCrack.reach = 1.0f;
    airCrack.weapon = 20.0f;
    std::vector<Key> aw = {mk(air, 30), hit(airCrack, 60, 1, Strike::WeaponN, c.dmg(8), c.ht(2)),
                           mk(airCrack, 60), mk(air, 40)};
    aw[1].sound = c.snd("Zap");
    m.push_back(attack("airLash", "A", aw, AiKind::Aerial, "SMUD", kAir));
    followUp(m, "whipCrack", "whipCrack2", 3, 3);
}

void gunnerArsenal(const Ctx& c, std::vector<MoveDef>& m)
{
    const Pose g = guard(c);
    const bool cannon = c.spec.style.weapon == Weapon::ArmCannon;
    const std::string round = c.opt.projectile.empty() ? "bullet" : c.opt.projectile;
    // Butt stroke (or a cannon punch), then a kick.
    Pose butt = g;
    butt.armN = {70.0f, 60.0f};
    butt.armF = {80.0f, 30.0f};
    butt.weapon = -60.0f;
    butt.lean = 18.0f;
    butt.pelvis.x = 0.05f;
    std::vector<Key> b1 = {mk(g, 30),
                           hit(butt, 50, 1, cannon ? Strike::WeaponN : Strike::HandF, c.dmg(6), c.ht(1)),
                           mk(butt, 40), mk(g, 40, 1)};
    b1[1].sound = c.snd("Swing");
    m.push_back(attack("buttStrike", "A", b1, AiKind::Ground, "S", kGround));
    Pose kick = g;
    kick.footN = {0.9f, -0.5f};
    kick.toeN = 20.0f;
    kick.lean = -15.0f;
    std::vector<Key> b2 = {mk(g, 30), hit(kick, 60, 1, Strike::FootN, c.dmg(8), c.ht(2)), mk(kick, 40),
                           mk(g, 40, 1)};
    b2[1].sound = c.snd("Swing");
    m.push_back(linked(attack("bootKick", "A", b2, AiKind::None, "", "NULL"), "buttStrike", 1));
    // Aimed shot.
    Pose aim = g;
    aim.armN = {80.0f, 10.0f};
    aim.armF = {70.0f, 25.0f};
    aim.weapon = 0.0f;
    aim.lean = 2.0f;
    if (c.spec.style.weapon == Weapon::Pistols)
        aim.armF = {85.0f, 5.0f};
    Pose kickBack = aim;
    kickBack.armN.upper += 8.0f;
    kickBack.lean = -4.0f;
    kickBack.glow = 1.0f;
    std::vector<Key> shot = {mk(g, 30), mk(aim, 60, 1), mk(kickBack, 60), mk(aim, 60), mk(g, 40, 1)};
    shot[2].shot = round;
    shot[2].sound = c.snd("Shot");
    m.push_back(attack("shoot", "B", shot, AiKind::Ground, "ML", kGround));
    // Low: a crouched shot.
    Pose cr = crouched(c);
    Pose lowAim = cr;
    lowAim.armN = {82.0f, 8.0f};
    lowAim.armF = {70.0f, 25.0f};
    lowAim.weapon = 0.0f;
    lowAim.lean = 4.0f;
    std::vector<Key> ls = {mk(cr, 30), mk(lowAim, 60, 1), mk(lowAim, 80), mk(cr, 40, 1)};
    ls[2].shot = round;
    ls[2].sound = c.snd("Shot");
    m.push_back(attack("lowShot", "DB", ls, AiKind::Duck, "ML", kGround));
    Pose lowButt = cr;
    lowButt.armN = {60.0f, 70.0f};
    lowButt.armF = {75.0f, 30.0f};
    lowButt.lean = 30.0f;
    std::vector<Key> lb = {mk(cr, 30),
                           hit(lowButt, 60, 1, cannon ? Strike::WeaponN : Strike::HandF, c.dmg(6), c.ht(2)),
                           mk(cr, 50, 1)};
    lb[1].sound = c.snd("Swing");
    m.push_back(attack("lowStrike", "DA", lb, AiKind::Duck, "S", kGround));
    // Air: a downward shot and a stomp.
    Pose air = airborne(c, false);
    Pose airAim = air;
    airAim.armN = {60.0f, 5.0f};
    airAim.armF = {50.0f, 20.0f};
    airAim.weapon = 0.0f;
    std::vector<Key> as = {mk(air, 30), mk(airAim, 50, 1), mk(airAim, 80), mk(air, 40)};
    as[2].shot = round;
    as[2].sound = c.snd("Shot");
    m.push_back(attack("airShot", "B", as, AiKind::Aerial, "MLU", kAir));
    Pose stomp = air;
    stomp.footN = {0.4f, 0.05f};
    stomp.toeN = 0.0f;
    std::vector<Key> ak = {mk(air, 30), hit(stomp, 60, 1, Strike::FootN, c.dmg(8), c.ht(2)), mk(stomp, 60),
                           mk(air, 40)};
    ak[1].sound = c.snd("Swing");
    m.push_back(attack("airStomp", "A", ak, AiKind::Aerial, "SD", kAir));
    followUp(m, "shoot", "shootAgain", 2, 0);
}

void shieldArsenal(const Ctx& c, std::vector<MoveDef>& m)
{
    const Pose g = guard(c);
    // Baton chops over the shield.
    Pose up = g;
    up.armF = {170.0f, 30.0f};
    up.weaponF = -100.0f;
    Pose chop = g;
    chop.armF = {80.0f, 5.0f};
    chop.weaponF = -90.0f;
    chop.lean = 18.0f;
    std::vector<Key> b1 = {mk(g, 30), mk(up, 40, 1), hit(chop, 50, 1, Strike::WeaponF, c.dmg(6), c.ht(1)),
                           mk(chop, 40), mk(g, 40, 1)};
    b1[2].sound = c.snd("Swing");
    m.push_back(attack("baton1", "A", b1, AiKind::Ground, "S", kGround));
    std::vector<Key> b2 = {mk(chop, 30), mk(up, 40, 1), hit(chop, 50, 1, Strike::WeaponF, c.dmg(7), c.ht(2)),
                           mk(chop, 40), mk(g, 40, 1)};
    b2[2].sound = c.snd("Swing");
    b2[2].xStep = 3;
    m.push_back(linked(attack("baton2", "A", b2, AiKind::None, "", "NULL"), "baton1", 2));
    // Shield bash: the shield turns blows aside while it drives forward.
    Pose brace = g;
    brace.armN = {25.0f, 70.0f};
    brace.lean = 20.0f;
    brace.pelvis.x = -0.08f;
    Pose bash = g;
    bash.armN = {75.0f, 20.0f};
    bash.lean = 24.0f;
    bash.pelvis = {0.15f, -0.9f};
    bash.footN = {0.5f, 0.0f};
    std::vector<Key> sb = {mk(g, 30), mk(brace, 50, 1), hit(bash, 50, 1, Strike::WeaponN, c.dmg(10), c.ht(3)),
                           mk(bash, 60), mk(g, 50, 1)};
    for (Key& k : sb)
        k.deflecting = true;
    sb[2].xStep = sb[3].xStep = 6;
    sb[2].sound = c.snd("Thud");
    sb.front().deflecting = false;
    m.push_back(attack("shieldBash", "B", sb, AiKind::Ground, "SM", kGround));
    Pose cr = crouched(c);
    Pose jab = cr;
    jab.armF = {70.0f, 0.0f};
    jab.weaponF = -90.0f;
    std::vector<Key> lj = {mk(cr, 30), hit(jab, 50, 1, Strike::WeaponF, c.dmg(6), c.ht(1)), mk(cr, 50, 1)};
    lj[1].sound = c.snd("Swing");
    m.push_back(attack("lowJab", "DA", lj, AiKind::Duck, "S", kGround));
    Pose air = airborne(c, false);
    Pose drop = air;
    drop.armN = {40.0f, 60.0f};
    drop.reach = 1.0f;
    drop.footN = {0.3f, -0.1f};
    std::vector<Key> ad = {mk(air, 30), hit(drop, 60, 1, Strike::WeaponN, c.dmg(9), c.ht(2)), mk(drop, 80),
                           mk(air, 40)};
    ad[1].sound = c.snd("Thud");
    m.push_back(attack("airBash", "A", ad, AiKind::Aerial, "SMUD", kAir));
    followUp(m, "shieldBash", "shieldRam", 3, 3);
}

void zombieArsenal(const Ctx& c, std::vector<MoveDef>& m)
{
    const Pose g = guard(c);
    Pose raise = g;
    raise.armN = {150.0f, 20.0f};
    raise.lean = 5.0f;
    raise.jaw = 0.8f;
    Pose claw = g;
    claw.armN = {60.0f, 10.0f};
    claw.lean = 30.0f;
    claw.pelvis.x = 0.06f;
    std::vector<Key> c1 = {mk(g, 40), mk(raise, 60, 1), hit(claw, 50, 1, Strike::HandN, c.dmg(6), c.ht(1)),
                           mk(claw, 60), mk(g, 60, 1)};
    c1[2].sound = c.snd("Growl");
    m.push_back(attack("claw1", "A", c1, AiKind::Ground, "S", kGround));
    Pose raiseF = g;
    raiseF.armF = {150.0f, 20.0f};
    raiseF.jaw = 0.8f;
    Pose clawF = g;
    clawF.armF = {65.0f, 10.0f};
    clawF.armN = {30.0f, 20.0f};
    clawF.lean = 30.0f;
    std::vector<Key> c2 = {mk(claw, 40), mk(raiseF, 60, 1),
                           hit(clawF, 50, 1, Strike::HandF, c.dmg(7), c.ht(2)), mk(clawF, 60), mk(g, 60, 1)};
    c2[2].sound = c.snd("Growl");
    m.push_back(linked(attack("claw2", "A", c2, AiKind::None, "", "NULL"), "claw1", 2));
    // Lunging bite.
    Pose rear = g;
    rear.lean = -5.0f;
    rear.head = -20.0f;
    rear.jaw = 1.0f;
    rear.pelvis.x = -0.1f;
    Pose bite = g;
    bite.lean = 45.0f;
    bite.head = 5.0f;
    bite.jaw = 0.1f;
    bite.pelvis = {0.2f, -0.88f};
    bite.footN = {0.55f, 0.0f};
    bite.armN = {100.0f, 10.0f};
    bite.armF = {95.0f, 15.0f};
    std::vector<Key> bt = {mk(g, 40), mk(rear, 70, 1), hit(bite, 50, 1, Strike::Head, c.dmg(11), c.ht(2)),
                           mk(bite, 90), mk(g, 60, 2)};
    bt[2].sound = c.snd("Growl");
    bt[1].xStep = bt[2].xStep = 4;
    // Only at arm's length: a lunge from further off gave a crowd no gaps.
    m.push_back(attack("bite", "B", bt, AiKind::Ground, "S", kGround));
    // Low grab at the ankles.
    Pose cr = crouched(c);
    Pose grabLow = cr;
    grabLow.armN = {70.0f, -10.0f};
    grabLow.armF = {60.0f, -5.0f};
    grabLow.lean = 40.0f;
    std::vector<Key> lg = {mk(cr, 40), hit(grabLow, 70, 1, Strike::HandN, c.dmg(7), c.ht(1)), mk(cr, 60, 1)};
    lg[1].sound = c.snd("Growl");
    m.push_back(attack("ankleClaw", "DA", lg, AiKind::Duck, "SM", kGround));
    Pose air = airborne(c, false);
    Pose pounce = air;
    pounce.armN = {95.0f, 0.0f};
    pounce.armF = {90.0f, 5.0f};
    pounce.lean = 30.0f;
    pounce.jaw = 1.0f;
    std::vector<Key> ap = {mk(air, 40), hit(pounce, 70, 1, Strike::HandN, c.dmg(8), c.ht(2)), mk(pounce, 60),
                           mk(air, 40)};
    ap[1].sound = c.snd("Growl");
    m.push_back(attack("airPounce", "A", ap, AiKind::Aerial, "SMUD", kAir));
    followUp(m, "bite", "maul", 3, 3);
}

// A lunging or holding grab. One-on-one: a hit-type-7 blow holds the victim
// at the hand while it is lifted, and a last heavy blow throws it. On a
// stage: the blow lands, a grab shot pins the player, then a bite.
void grabMoves(const Ctx& c, std::vector<MoveDef>& m)
{
    if (!c.human())
        return;
    const Pose g = guard(c);
    Pose reach = g;
    reach.armN = {85.0f, 10.0f};
    reach.armF = {80.0f, 15.0f};
    reach.lean = 20.0f;
    reach.pelvis.x = 0.06f;
    reach.weapon = c.turn(-140.0f);
    Pose lift = g;
    lift.armN = {140.0f, 10.0f};
    lift.armF = {135.0f, 15.0f};
    lift.lean = -10.0f;
    lift.jaw = 0.7f;
    lift.weapon = c.turn(-140.0f);
    Pose slam = g;
    slam.armN = {40.0f, 10.0f};
    slam.armF = {35.0f, 15.0f};
    slam.lean = 35.0f;
    slam.pelvis = {0.05f, -0.82f};
    slam.weapon = c.turn(-140.0f);
    if (c.opt.grab)
    {
        Key hold = hit(reach, 60, 1, Strike::HandN, 1, 7);
        Key up = hit(lift, 60, 2, Strike::HandN, 1, 7);
        up.hitRise = 24.0f;
        Key throwKey = hit(slam, 50, 1, Strike::HandN, c.dmg(14), c.ht(3));
        std::vector<Key> k = {mk(g, 30), hold, up, throwKey, mk(slam, 60), mk(g, 50, 1)};
        k[2].sound = c.snd("Shout");
        k[3].sound = c.snd("Thud");
        k[3].puff = "dustJump";
        m.push_back(attack("grab", "RB", k, AiKind::Ground, "S", kGround));
    }
    if (c.opt.stageGrab)
    {
        Pose hug = reach;
        hug.armN = {100.0f, 40.0f};
        hug.armF = {95.0f, 45.0f};
        hug.jaw = 1.0f;
        Pose chomp = hug;
        chomp.head = 20.0f;
        chomp.jaw = 0.1f;
        Key seize = hit(reach, 60, 1, Strike::HandN, c.dmg(4), c.ht(1));
        Key pin = mk(hug, 60);
        pin.shot = "grabShot";
        std::vector<Key> k = {mk(g, 40),    seize,          pin,         mk(chomp, 120, 1),
                              mk(hug, 120), mk(chomp, 120), mk(g, 60, 1)};
        k[3].sound = c.snd("Growl");
        k[5].sound = c.snd("Growl");
        m.push_back(attack("seize", "LA", k, AiKind::Ground, "S", kGround));
    }
}

// Generic specials: a rushing blow, a rising blow and (with a projectile) a
// shot, each costing power and showing a face.
void humanSpecials(const Ctx& c, std::vector<MoveDef>& m)
{
    const Pose g = guard(c);
    const bool armed = c.spec.style.weapon != Weapon::None && c.spec.style.weapon != Weapon::Gauntlets &&
                       c.spec.style.weapon != Weapon::Claws;
    const Strike s = armed && c.opt.fighting != Fighting::Gunner ? Strike::WeaponN : Strike::HandN;
    Pose load = g;
    load.pelvis = {-0.1f, -0.85f};
    load.lean = 25.0f;
    load.armN = {-30.0f, 80.0f};
    load.weapon = c.turn(-120.0f);
    load.glow = 1.0f;
    Pose rush = g;
    rush.pelvis = {0.25f, -0.85f};
    rush.lean = 30.0f;
    rush.armN = {90.0f, 0.0f};
    rush.weapon = c.turn(-90.0f);
    rush.footN = {0.6f, 0.0f};
    rush.footF = {-0.45f, -0.05f};
    rush.cape = 1.0f;
    rush.reach = 1.0f;
    std::vector<Key> r = {mk(g, 30),
                          mk(load, 60, 1),
                          hit(rush, 40, 1, s, c.dmg(16), c.ht(3)),
                          hit(rush, 40, 0, s, c.dmg(16), c.ht(3)),
                          mk(rush, 60),
                          mk(g, 50, 2)};
    r[1].face = "faceAngry";
    r[2].sound = c.snd("Shout");
    r[2].puff = "dustJump";
    for (int i = 2; i <= 4; ++i)
        r[static_cast<std::size_t>(i)].xStep = 10;
    m.push_back(special(attack("rushStrike", "DRA", r, AiKind::Ground, "ML", kGround), 25));

    Pose sink = crouched(c);
    sink.armN = {10.0f, 30.0f};
    sink.weapon = c.turn(-90.0f);
    sink.glow = 1.0f;
    Pose rise = g;
    rise.pelvis = {0.1f, -1.25f};
    rise.footN = {0.15f, -0.3f};
    rise.footF = {-0.1f, -0.15f};
    rise.toeN = rise.toeF = -30.0f;
    rise.armN = {175.0f, 5.0f};
    rise.weapon = c.turn(-90.0f);
    rise.lean = -10.0f;
    rise.jaw = 0.8f;
    rise.cape = 0.8f;
    std::vector<Key> u = {mk(g, 30), mk(sink, 60, 1),
                          hit(rise, 40, 1, armed ? s : Strike::HandN, c.dmg(18), c.ht(3)), mk(rise, 80),
                          mk(g, 60, 2)};
    u[1].face = "faceShout";
    u[2].sound = c.snd("Shout");
    u[2].xStep = 2;
    // An anti-air blow: it strikes above a standing body, at a foe coming down.
    m.push_back(special(attack("antiAirRise", "RDA", u, AiKind::Ground, "D", kGround), 30));

    if (!c.opt.projectile.empty())
    {
        Pose cast = g;
        cast.armN = {-20.0f, 90.0f};
        cast.armF = {-10.0f, 80.0f};
        cast.weapon = c.turn(-90.0f);
        cast.glow = 1.0f;
        Pose thrust = g;
        thrust.armN = {90.0f, 0.0f};
        thrust.armF = {85.0f, 5.0f};
        thrust.weapon = c.turn(0.0f);
        thrust.lean = 15.0f;
        thrust.glow = 1.0f;
        std::vector<Key> f = {mk(g, 30), mk(cast, 70, 1), mk(thrust, 60, 1), mk(thrust, 80), mk(g, 50, 1)};
        f[1].face = "faceFocus";
        f[2].shot = c.opt.projectile;
        f[2].sound = c.snd("Shout");
        m.push_back(special(attack("launch", "DRB", f, AiKind::Ground, "L", kGround), 20));
    }
}

// ---------------------------------------------------------------- others

// Builds reactions, blocks and a crash for a body that is not a person from
// a resting pose and a way of bending it.
void creatureReactions(const Ctx& c, const Pose& rest, std::vector<MoveDef>& moves, bool breakable)
{
    auto shaken = [&](float amount)
    {
        Pose p = rest;
        p.spin = -8.0f * amount;
        p.lean = -10.0f * amount;
        p.pelvis.x -= 0.05f * amount;
        p.eyes = 0.2f;
        p.jaw = 0.8f;
        p.glow = 1.0f;
        p.tail = 1.0f;
        p.head = -15.0f * amount;
        p.broken = breakable ? 0.2f : 0.0f;
        return p;
    };
    const bool rooted = breakable || c.rooted();
    std::vector<Key> h1 = {mk(shaken(1.0f), 40), mk(shaken(1.2f), 60), mk(rest, 50, 1)};
    h1[1].sound = c.snd("Hurt");
    moves.push_back(reaction("hit1", h1));
    std::vector<Key> h2 = {mk(shaken(1.6f), 40), mk(shaken(2.0f), 80), mk(rest, 50, 1)};
    h2[0].xStep = rooted ? 0 : -2;
    h2[1].sound = c.snd("Hurt");
    moves.push_back(reaction("hit2", h2));
    Pose over = shaken(3.0f);
    over.spin = -25.0f;
    std::vector<Key> h3 = {mk(shaken(2.5f), 40), mk(over, 60), mk(over, 60)};
    for (Key& k : h3)
        k.xStep = rooted ? 0 : -5;
    h3[1].sound = c.snd("Hurt");
    moves.push_back(reaction("hit3", h3));
    moves.push_back(reaction("hit1Low", h1));
    moves.push_back(reaction("hit2Low", h2));

    // Down: slumped or wrecked; with health left it rights itself again.
    Pose down = rest;
    if (c.spec.style.kind == BodyKind::Hound)
    {
        // Sprawled on the ground, legs out front and back, head down.
        down.pelvis = {0.0f, -0.42f};
        down.lean = 4.0f;
        down.head = 25.0f;
        down.armN = {80.0f, 10.0f};
        down.armF = {70.0f, 15.0f};
        down.hindN = {-75.0f, -5.0f};
        down.hindF = {-85.0f, 0.0f};
        down.jaw = 0.6f;
        down.eyes = 0.0f;
    }
    else if (c.spec.style.kind == BodyKind::Ghost || c.spec.style.kind == BodyKind::Skull)
    {
        down.pelvis = {0.0f, c.spec.style.kind == BodyKind::Skull ? -0.3f : -0.45f};
        down.spin = -70.0f;
        down.eyes = 0.0f;
        down.jaw = 0.5f;
        down.glow = 0.0f;
    }
    else
    {
        down.spin = -6.0f;
        down.broken = 1.0f;
        down.open = 0.3f;
        down.glow = 0.0f;
    }
    Pose impact = down;
    impact.pelvis.y -= 0.08f;
    std::vector<Key> crash;
    if (breakable)
    {
        // Props: with health left only a wobble (the break frames are jumped
        // over); at none, cracks, the break, and the wreck held.
        Pose wobble = rest;
        wobble.spin = 6.0f;
        Pose cracked = rest;
        cracked.broken = 0.3f;
        cracked.spin = -4.0f;
        Key w = mk(wobble, 40);
        w.jumpIfUp = 4;
        Key wreck = mk(down, 200);
        wreck.holdIfDown = true;
        crash = {w, mk(cracked, 60), mk(down, 60), wreck, mk(wobble, 50), mk(rest, 50)};
        crash[1].sound = c.snd("Thud");
        crash[2].puff = "dustJump";
    }
    else
    {
        Key hold = mk(down, 200);
        hold.holdIfDown = true;
        crash = {mk(impact, 50), mk(down, 60), hold, mk(rest, 60, 2), mk(rest, 50)};
        crash[1].sound = c.snd("Thud");
        crash[1].puff = "dustJump";
    }
    moves.push_back(reaction("crash", crash));
    if (breakable)
        return;
    Pose brace = rest;
    brace.lean = -6.0f;
    brace.spin = -4.0f;
    brace.eyes = 0.5f;
    brace.open = 0.0f;
    brace.jaw = 0.0f;
    std::vector<Key> b = {mk(brace, 30), mk(brace, 80), mk(rest, 40)};
    b[1].xStep = rooted ? 0 : -1;
    moves.push_back(reaction("blockHi", b));
    moves.push_back(reaction("blockLo", b));
    moves.push_back(reaction("blockAir", b));
}

// A body that moves without legs to speak of: the same few frames for every
// resting state, bobbing or rolling.
std::vector<Clip> creatureAnims(const Ctx& c, const Pose& rest, float bob, float travel)
{
    auto cycle = [&](const std::string& name, int frames, float speedUp, float lean)
    {
        Clip clip{name, {}};
        for (int i = 0; i < frames; ++i)
        {
            Pose p = rest;
            const float t = static_cast<float>(i) / frames;
            p.pelvis.y += bob * std::sin(t * kTau);
            p.phase = t * speedUp;
            p.lean += lean;
            p.cape = 0.3f + 0.3f * std::sin(t * kTau);
            p.tail = std::sin(t * kTau);
            p.jaw = rest.jaw + 0.1f * std::sin(t * kTau * 2.0f);
            p.armN.upper += 10.0f * std::sin(t * kTau);
            p.armF.upper -= 10.0f * std::sin(t * kTau);
            clip.keys.push_back(mk(p, c.ps(90)));
        }
        return clip;
    };
    std::vector<Clip> out;
    out.push_back(cycle("standing", 4, 1.0f, 0.0f));
    out.push_back(cycle("walk", 6, 1.0f + travel, 6.0f));
    Pose low = rest;
    low.pelvis.y *= 0.8f;
    low.lean += 6.0f;
    Pose low2 = low;
    low2.phase = 0.5f;
    out.push_back(twoFrames("duck", low, low2, c.ps(120)));
    out.push_back(cycle("running", 4, 2.0f + travel, 14.0f));
    Pose up = rest;
    up.lean -= 10.0f;
    up.cape = 0.8f;
    Pose up2 = up;
    up2.phase = 0.5f;
    out.push_back(twoFrames("inAir", up, up2, 60));
    Pose dn = rest;
    dn.lean += 10.0f;
    dn.cape = -0.3f;
    Pose dn2 = dn;
    dn2.phase = 0.5f;
    out.push_back(twoFrames("inAirDown", dn, dn2, 60));
    Pose fu = rest;
    fu.spin = -30.0f;
    fu.eyes = 0.1f;
    fu.jaw = 0.8f;
    Pose fu2 = fu;
    fu2.spin = -40.0f;
    out.push_back(twoFrames("fallUp", fu, fu2, 60));
    Pose fd = fu;
    fd.spin = -60.0f;
    Pose fd2 = fd;
    fd2.spin = -66.0f;
    out.push_back(twoFrames("fallDown", fd, fd2, 60));
    return out;
}

void creatureMovement(const Ctx& c, const Pose& rest, std::vector<MoveDef>& m)
{
    Pose back = rest;
    back.lean = -12.0f;
    back.pelvis.y -= 0.15f;
    std::vector<Key> bj = {mk(rest, 40), mk(back, 50, 1), mk(back, 50), mk(rest, 40, 1)};
    for (std::size_t i = 1; i < bj.size(); ++i)
        bj[i].xStep = c.rooted() ? 0 : -7;
    bj[1].sound = c.snd("Swing");
    m.push_back(def("backJump", "zzz", bj));
    std::vector<Key> ab = bj;
    m.push_back(def("airBack", "zzz", ab));
    Pose fwd = rest;
    fwd.lean = 16.0f;
    fwd.cape = 1.0f;
    std::vector<Key> af = {mk(rest, 40), mk(fwd, 50, 1), mk(fwd, 50), mk(rest, 40, 1)};
    for (std::size_t i = 1; i < af.size(); ++i)
        af[i].xStep = c.rooted() ? 0 : 8;
    af[1].sound = c.snd("Swing");
    m.push_back(def("airForward", "zzz", af));
    Pose loud = rest;
    loud.jaw = 1.0f;
    loud.glow = 1.0f;
    loud.lean = -8.0f;
    loud.open = 1.0f;
    loud.wings = 1.0f;
    loud.armN = {160.0f, 10.0f};
    loud.armF = {150.0f, 10.0f};
    loud.hindN = rest.hindN;
    std::vector<Key> intro = {mk(rest, 80), mk(loud, 70, 2), mk(loud, 220), mk(rest, 60, 2)};
    intro[2].sound = c.snd("Shout");
    m.push_back(def("pose1", "zzz", intro));
    std::vector<Key> win = {mk(rest, 60), mk(loud, 70, 2), mk(loud, 250), mk(rest, 200, 1)};
    win[2].sound = c.snd("Shout");
    m.push_back(def("endPose1", "zzz", win));
}

Pose houndRest()
{
    Pose p;
    p.pelvis = {0.0f, -1.02f};
    p.lean = 0.0f;
    p.head = -10.0f;
    p.armN = {8.0f, -10.0f};
    p.armF = {-6.0f, -4.0f};
    p.hindN = {28.0f, -40.0f};
    p.hindF = {16.0f, -34.0f};
    p.jaw = 0.25f;
    return p;
}

std::vector<Clip> houndAnims(const Ctx& c)
{
    const Pose rest = houndRest();
    auto gait = [&](const std::string& name, int frames, float amp, float bounce)
    {
        Clip clip{name, {}};
        for (int i = 0; i < frames; ++i)
        {
            Pose p = rest;
            const float t = static_cast<float>(i) / frames;
            const float s = std::sin(t * kTau), s2 = std::sin(t * kTau + kPi);
            p.armN.upper += amp * s;
            p.armN.bend = -25.0f * std::max(0.0f, -s) - 5.0f;
            p.armF.upper += amp * s2;
            p.armF.bend = -25.0f * std::max(0.0f, -s2) - 5.0f;
            p.hindN.upper += amp * s2;
            p.hindF.upper += amp * s;
            p.pelvis.y += bounce * std::fabs(std::cos(t * kTau));
            p.lean = 4.0f * s;
            p.tail = s;
            p.jaw = 0.4f;
            p.phase = t;
            clip.keys.push_back(mk(p, 40));
        }
        return clip;
    };
    std::vector<Clip> out;
    std::vector<Clip> idle = creatureAnims(c, rest, 0.015f, 0.0f);
    out.push_back(idle[0]);
    out.push_back(gait("walk", 8, 22.0f, 0.03f));
    Pose low = rest;
    low.pelvis.y = -0.75f;
    low.armN = {40.0f, -60.0f};
    low.armF = {30.0f, -55.0f};
    low.hindN = {60.0f, -90.0f};
    low.hindF = {50.0f, -85.0f};
    low.head = 10.0f;
    low.jaw = 0.6f;
    out.push_back(twoFrames("duck", low, low, 120));
    out.push_back(gait("running", 6, 40.0f, -0.08f));
    Pose leap = rest;
    leap.armN = {70.0f, -20.0f};
    leap.armF = {60.0f, -20.0f};
    leap.hindN = {-50.0f, 20.0f};
    leap.hindF = {-40.0f, 15.0f};
    leap.lean = -12.0f;
    out.push_back(twoFrames("inAir", leap, leap, 60));
    Pose land = leap;
    land.lean = 12.0f;
    land.armN = {30.0f, -10.0f};
    out.push_back(twoFrames("inAirDown", land, land, 60));
    out.push_back(idle[6]);
    out.push_back(idle[7]);
    return out;
}

void houndArsenal(const Ctx& c, std::vector<MoveDef>& m)
{
    const Pose rest = houndRest();
    Pose open = rest;
    open.jaw = 1.0f;
    open.head = -25.0f;
    open.lean = -6.0f;
    Pose snap = rest;
    snap.jaw = 0.0f;
    snap.head = 10.0f;
    snap.lean = 8.0f;
    snap.pelvis.x = 0.12f;
    std::vector<Key> b1 = {mk(rest, 30), mk(open, 40, 1), hit(snap, 50, 0, Strike::Head, c.dmg(6), c.ht(1)),
                           mk(rest, 40, 1)};
    b1[2].sound = c.snd("Growl");
    m.push_back(attack("snap1", "A", b1, AiKind::Ground, "S", kGround));
    std::vector<Key> b2 = {mk(snap, 30), mk(open, 40, 1), hit(snap, 50, 0, Strike::Head, c.dmg(7), c.ht(2)),
                           mk(rest, 40, 1)};
    b2[2].sound = c.snd("Growl");
    b2[2].xStep = 3;
    m.push_back(linked(attack("snap2", "A", b2, AiKind::None, "", "NULL"), "snap1", 2));
    // Pounce: a leap at the throat.
    Pose crouch = rest;
    crouch.pelvis.y = -0.8f;
    crouch.hindN = {60.0f, -90.0f};
    crouch.hindF = {50.0f, -85.0f};
    crouch.armN = {30.0f, -50.0f};
    crouch.lean = 8.0f;
    Pose leap = rest;
    leap.pelvis = {0.2f, -1.5f};
    leap.armN = {110.0f, -10.0f};
    leap.armF = {100.0f, -10.0f};
    leap.hindN = {-60.0f, 20.0f};
    leap.hindF = {-50.0f, 20.0f};
    leap.lean = -15.0f;
    leap.jaw = 1.0f;
    std::vector<Key> p = {mk(rest, 30), mk(crouch, 60, 1),
                          hit(leap, 50, 1, Strike::HandN, c.dmg(11), c.ht(2)),
                          hit(leap, 50, 0, Strike::Head, c.dmg(11), c.ht(2)), mk(rest, 50, 2)};
    for (int i = 2; i <= 4; ++i)
        p[static_cast<std::size_t>(i)].xStep = 8;
    p[2].sound = c.snd("Growl");
    p[4].puff = "dustJump";
    m.push_back(attack("pounce", "B", p, AiKind::Ground, "ML", kGround));
    Pose low = crouch;
    low.head = 20.0f;
    low.jaw = 1.0f;
    Pose lowSnap = low;
    lowSnap.jaw = 0.0f;
    lowSnap.pelvis.x = 0.1f;
    std::vector<Key> ls = {mk(crouch, 30), mk(low, 40, 1),
                           hit(lowSnap, 60, 0, Strike::Head, c.dmg(7), c.ht(1)), mk(crouch, 40, 1)};
    ls[2].sound = c.snd("Growl");
    m.push_back(attack("lowSnap", "DA", ls, AiKind::Duck, "S", kGround));
    Pose air = rest;
    air.armN = {110.0f, -10.0f};
    air.armF = {100.0f, -10.0f};
    air.hindN = {-40.0f, 20.0f};
    air.jaw = 1.0f;
    // The growl goes on the in-between before the blow (a frame with a sound
    // is stepped past at once); the first frame must not carry it.
    std::vector<Key> ab = {mk(air, 30), hit(air, 60, 1, Strike::HandN, c.dmg(9), c.ht(2)), mk(air, 60),
                           mk(rest, 40)};
    ab[1].sound = c.snd("Growl");
    m.push_back(attack("airMaul", "A", ab, AiKind::Aerial, "SMUD", kAir));
    followUp(m, "pounce", "pounceAgain", 3, 2);
    if (c.opt.specials)
    {
        Pose breathe = rest;
        breathe.jaw = 1.0f;
        breathe.head = -5.0f;
        breathe.glow = 1.0f;
        std::vector<Key> f = {mk(rest, 30), mk(open, 70, 1), mk(breathe, 60), mk(breathe, 90),
                              mk(rest, 50, 1)};
        f[2].shot = "fireball";
        f[2].sound = c.snd("Shout");
        m.push_back(special(attack("fireBreath", "DRA", f, AiKind::Ground, "ML", kGround), 25));
        std::vector<Key> frenzy = {mk(rest, 30),
                                   mk(open, 30),
                                   hit(snap, 40, 0, Strike::Head, c.dmg(6), c.ht(1)),
                                   mk(open, 30),
                                   hit(snap, 40, 0, Strike::Head, c.dmg(6), c.ht(2)),
                                   mk(open, 30),
                                   hit(snap, 50, 0, Strike::Head, c.dmg(9), c.ht(3)),
                                   mk(rest, 50, 1)};
        for (std::size_t i = 1; i + 1 < frenzy.size(); ++i)
            frenzy[i].xStep = 3;
        frenzy[2].sound = frenzy[4].sound = frenzy[6].sound = c.snd("Growl");
        m.push_back(special(attack("frenzy", "DRB", frenzy, AiKind::Ground, "S", kGround), 30));
    }
}

Pose floatRest(const Ctx& c)
{
    Pose p;
    p.pelvis = {0.0f, -1.0f};
    p.armN = {50.0f, 30.0f};
    p.armF = {40.0f, 30.0f};
    p.jaw = c.spec.style.kind == BodyKind::Skull ? 0.2f : 0.1f;
    return p;
}

void floaterArsenal(const Ctx& c, std::vector<MoveDef>& m)
{
    const Pose rest = floatRest(c);
    const bool skull = c.spec.style.kind == BodyKind::Skull;
    const Strike touch = skull ? Strike::Head : Strike::HandN;
    Pose wind = rest;
    wind.armN = {170.0f, 20.0f};
    wind.lean = -10.0f;
    wind.jaw = 1.0f;
    Pose swipe = rest;
    swipe.armN = {55.0f, 0.0f};
    swipe.lean = 20.0f;
    swipe.pelvis.x = 0.1f;
    swipe.jaw = skull ? 0.0f : 0.6f;
    std::vector<Key> s1 = {mk(rest, 30), mk(wind, 40, 1), hit(swipe, 50, 1, touch, c.dmg(6), c.ht(1)),
                           mk(rest, 40, 1)};
    s1[2].sound = c.snd("Growl");
    m.push_back(attack("swipe1", "A", s1, AiKind::Ground, "S", kGround));
    Pose windF = rest;
    windF.armF = {170.0f, 20.0f};
    windF.jaw = 1.0f;
    Pose swipeF = rest;
    swipeF.armF = {55.0f, 0.0f};
    swipeF.lean = 20.0f;
    swipeF.pelvis.x = 0.12f;
    swipeF.jaw = 0.0f;
    std::vector<Key> s2 = {mk(swipe, 30), mk(windF, 40, 1),
                           hit(swipeF, 50, 1, skull ? Strike::Head : Strike::HandF, c.dmg(7), c.ht(2)),
                           mk(rest, 40, 1)};
    s2[2].sound = c.snd("Growl");
    m.push_back(linked(attack("swipe2", "A", s2, AiKind::None, "", "NULL"), "swipe1", 2));
    // Swoop: a rush through the foe.
    Pose draw = rest;
    draw.lean = -20.0f;
    draw.pelvis.y -= 0.2f;
    draw.cape = -0.5f;
    Pose swoop = rest;
    swoop.lean = 30.0f;
    swoop.pelvis = {0.2f, -0.7f};
    swoop.armN = {90.0f, 0.0f};
    swoop.armF = {80.0f, 0.0f};
    swoop.cape = 1.0f;
    swoop.jaw = 1.0f;
    std::vector<Key> sw = {mk(rest, 30), mk(draw, 50, 1), hit(swoop, 40, 1, Strike::Body, c.dmg(11), c.ht(3)),
                           hit(swoop, 40, 0, Strike::Body, c.dmg(11), c.ht(3)), mk(rest, 50, 2)};
    for (int i = 2; i <= 4; ++i)
        sw[static_cast<std::size_t>(i)].xStep = 9;
    sw[2].sound = c.snd("Shout");
    m.push_back(attack("swoop", "B", sw, AiKind::Ground, "ML", kGround));
    Pose low = rest;
    low.pelvis.y = -0.55f;
    low.lean = 20.0f;
    low.armN = {60.0f, 0.0f};
    low.jaw = 0.8f;
    std::vector<Key> ls = {mk(rest, 30), hit(low, 60, 1, touch, c.dmg(7), c.ht(1)), mk(rest, 50, 1)};
    ls[1].sound = c.snd("Growl");
    m.push_back(attack("lowSwipe", "DA", ls, AiKind::Duck, "S", kGround));
    std::vector<Key> as = {mk(rest, 30), hit(swipe, 60, 1, touch, c.dmg(8), c.ht(2)), mk(swipe, 50),
                           mk(rest, 40)};
    as[1].sound = c.snd("Growl");
    m.push_back(attack("airSwipe", "A", as, AiKind::Aerial, "SMUD", kAir));
    followUp(m, "swoop", "swoopBack", 3, 2);
    if (c.opt.specials)
    {
        // Wail: a ring of cold air all round.
        Pose wail = rest;
        wail.jaw = 1.0f;
        wail.glow = 1.0f;
        wail.armN = {150.0f, 10.0f};
        wail.armF = {140.0f, 10.0f};
        wail.lean = -10.0f;
        Key ring = hit(wail, 60, 1, Strike::Around, c.dmg(14), c.ht(3));
        ring.reachOut = 30.0f;
        std::vector<Key> w = {mk(rest, 30), mk(wind, 60, 1), ring, mk(wail, 100), mk(rest, 60, 2)};
        w[2].sound = c.snd("Shout");
        m.push_back(special(attack("wail", "DDA", w, AiKind::Ground, "SU", kGround), 30));
        if (!c.opt.projectile.empty())
        {
            Pose spit = rest;
            spit.jaw = 1.0f;
            spit.glow = 1.0f;
            spit.lean = 10.0f;
            std::vector<Key> f = {mk(rest, 30), mk(wind, 60, 1), mk(spit, 60), mk(spit, 90), mk(rest, 50, 1)};
            f[2].shot = c.opt.projectile;
            f[2].sound = c.snd("Shout");
            m.push_back(special(attack("spit", "DRA", f, AiKind::Ground, "L", kGround), 20));
        }
    }
}

Pose machineRest(const Ctx& c)
{
    Pose p;
    p.pelvis = {0.0f, -1.0f};
    if (c.spec.style.kind == BodyKind::Tank)
        p.weapon = 2.0f;
    return p;
}

void machineArsenal(const Ctx& c, std::vector<MoveDef>& m)
{
    const Pose rest = machineRest(c);
    const BodyKind kind = c.spec.style.kind;
    if (kind == BodyKind::Tank)
    {
        Pose raise = rest;
        raise.weapon = 6.0f;
        Pose fire = raise;
        fire.reach = 1.0f;
        fire.spin = -3.0f;
        fire.glow = 1.0f;
        std::vector<Key> mg = {mk(rest, 40), mk(rest, 50), mk(fire, 50),
                               mk(rest, 50), mk(fire, 50), mk(rest, 60)};
        // A short burst: a second bullet on its heels left nothing to dodge.
        mg[2].shot = "bullet";
        mg[2].sound = c.snd("Shot");
        mg[2].xStep = mg[4].xStep = -1;
        // The machine gun sits at Hot::handN.
        for (Key& k : mg)
            k.pose.open = 0.0f;
        // A tank fires only at what it can see: shelling from beyond the
        // view gives a player nothing to dodge.
        MoveDef gun = attack("machineGun", "A", mg, AiKind::Ground, "M", kGround);
        m.push_back(gun);
        std::vector<Key> cannon = {mk(rest, 40), mk(raise, 80, 2), mk(fire, 60), mk(fire, 120),
                                   mk(rest, 60, 2)};
        cannon[2].shot = "fireball";
        cannon[2].sound = c.snd("Boom");
        cannon[2].xStep = -3;
        cannon[3].puff = "dustJump";
        // One shell at a time: each knocks its target down.
        m.push_back(attack("cannon", "B", cannon, AiKind::Ground, "S", kGround));
        Pose ram = rest;
        ram.spin = 4.0f;
        ram.phase = 1.0f;
        std::vector<Key> r = {mk(rest, 40), hit(ram, 50, 1, Strike::WeaponF, c.dmg(12), c.ht(2)),
                              hit(ram, 50, 0, Strike::WeaponF, c.dmg(12), c.ht(3)), mk(rest, 60, 1)};
        r[1].xStep = r[2].xStep = 7;
        r[1].sound = c.snd("Thud");
        r[1].puff = "dustJump";
        m.push_back(attack("ram", "DA", r, AiKind::Duck, "S", kGround));
        m.push_back(attack("treadCrush", "DB", r, AiKind::Ground, "S", kGround));
        m.back().clip.name = "treadCrush";
        if (c.opt.specials)
        {
            std::vector<Key> bar = {mk(rest, 40), mk(raise, 60, 1), mk(fire, 60), mk(raise, 60),
                                    mk(fire, 60), mk(raise, 60),    mk(fire, 60), mk(rest, 60, 2)};
            bar[2].shot = bar[4].shot = bar[6].shot = "fireball";
            bar[2].sound = bar[4].sound = bar[6].sound = c.snd("Boom");
            // A player's move: a computer tank's barrage pinned a player down
            // from beyond the view.
            m.push_back(special(attack("barrage", "DRB", bar, AiKind::None, "", kGround), 40));
        }
        return;
    }
    if (kind == BodyKind::Sprayer)
    {
        auto puff = [&](const std::string& name, const std::string& cmd, float reach, int damage, int weight,
                        AiKind ai, const std::string& ranges)
        {
            Pose a = rest;
            a.glow = 1.0f;
            Pose b = rest;
            b.reach = reach;
            b.phase = 0.3f;
            Pose b2 = b;
            b2.phase = 0.6f;
            b2.reach = reach * 1.1f;
            std::vector<Key> k = {mk(rest, 40), mk(a, 50, 1),
                                  hit(b, 50, 1, Strike::Gas, c.dmg(damage), c.ht(weight)),
                                  hit(b2, 60, 0, Strike::Gas, c.dmg(damage), c.ht(weight)), mk(rest, 60, 2)};
            k[2].sound = c.snd("Hiss");
            return attack(name, cmd, k, ai, ranges, kGround);
        };
        m.push_back(puff("vent1", "A", 0.45f, 5, 1, AiKind::Ground, "S"));
        m.push_back(linked(puff("vent2", "A", 0.65f, 6, 2, AiKind::None, ""), "vent1", 2));
        m.push_back(puff("spray", "B", 1.0f, 9, 2, AiKind::Ground, "SM"));
        m.push_back(puff("hiss", "DA", 0.35f, 5, 1, AiKind::Duck, "S"));
        if (c.opt.specials)
        {
            Pose surge = rest;
            surge.glow = 1.0f;
            surge.spin = 2.0f;
            Pose burst = rest;
            burst.reach = 1.2f;
            burst.phase = 0.5f;
            Key ring = hit(burst, 60, 1, Strike::Around, c.dmg(15), c.ht(3));
            ring.reachOut = 40.0f;
            std::vector<Key> k = {mk(rest, 40), mk(surge, 60, 2), ring, mk(burst, 80), mk(rest, 60, 2)};
            k[2].sound = c.snd("Hiss");
            m.push_back(special(attack("overpressure", "DDA", k, AiKind::Ground, "SM", kGround), 30));
        }
        return;
    }
    // The door: its gun fires through the parted shutters; the shutters slam.
    Pose open = rest;
    open.open = 1.0f;
    Pose fire = open;
    fire.reach = 1.0f;
    fire.glow = 1.0f;
    std::vector<Key> burst = {mk(rest, 40), mk(open, 50, 2), mk(fire, 50),   mk(open, 50),
                              mk(fire, 50), mk(open, 50),    mk(rest, 50, 2)};
    burst[2].shot = burst[4].shot = "bullet";
    burst[2].sound = burst[4].sound = c.snd("Shot");
    m.push_back(attack("turret", "B", burst, AiKind::Ground, "ML", kGround));
    followUp(m, "turret", "turretAgain", 4, 0);
    Pose slamOut = rest;
    slamOut.spin = 3.0f;
    std::vector<Key> slam = {mk(rest, 40), mk(open, 50, 1),
                             hit(slamOut, 50, 1, Strike::WeaponF, c.dmg(9), c.ht(2)), mk(rest, 60, 1)};
    slam[2].sound = c.snd("Thud");
    m.push_back(attack("shutterSlam", "A", slam, AiKind::Ground, "S", kGround));
    m.push_back(attack("lowSlam", "DA", slam, AiKind::Duck, "S", kGround));
    m.back().clip.name = "lowSlam";
    if (c.opt.specials)
    {
        std::vector<Key> clamp = {mk(rest, 40), mk(open, 60, 2), mk(fire, 60), mk(fire, 200),
                                  mk(rest, 60, 2)};
        clamp[2].shot = "grabShot";
        clamp[2].sound = c.snd("Shot");
        m.push_back(special(attack("clamp", "DRB", clamp, AiKind::Ground, "SM", kGround), 30));
    }
}

// ---------------------------------------------------------------- sounds

Sound swingSound(float pitch, std::uint32_t seed, bool zap)
{
    Sound s = silence(0.22f);
    Note n;
    n.wave = Wave::Noise;
    n.length = 0.12f;
    n.volume = 0.55f;
    n.seed = seed;
    n.envelope = {0.02f, 0.08f, 0.3f, 0.08f};
    play(s, n);
    lowPass(s, 2200.0f * pitch);
    highPass(s, 500.0f * pitch);
    if (zap)
    {
        Note z;
        z.wave = Wave::Square;
        z.length = 0.12f;
        z.fromHz = 900.0f * pitch;
        z.toHz = 240.0f * pitch;
        z.volume = 0.25f;
        z.vibratoHz = 70.0f;
        z.vibratoCents = 200.0f;
        play(s, z);
    }
    normalise(s, kFightSoundLevel * 0.7f);
    return s;
}

// A vowel-ish shout: a buzzy tone through a band of formants.
Sound voice(float pitch, float length, float fall, std::uint32_t seed, bool rough)
{
    Sound s = silence(length + 0.1f);
    Note n;
    n.wave = Wave::Saw;
    n.length = length;
    n.fromHz = 180.0f * pitch;
    n.toHz = 180.0f * pitch * fall;
    n.volume = 0.5f;
    n.vibratoHz = 6.0f;
    n.vibratoCents = 30.0f;
    n.envelope = {0.02f, 0.1f, 0.7f, 0.08f};
    play(s, n);
    if (rough)
    {
        Note r;
        r.wave = Wave::Noise;
        r.length = length;
        r.volume = 0.25f;
        r.seed = seed;
        play(s, r);
    }
    lowPass(s, 1500.0f * pitch, 2.0f);
    highPass(s, 200.0f);
    normalise(s, kFightSoundLevel * 0.75f);
    return s;
}

Sound thud(float pitch, std::uint32_t seed)
{
    Sound s = silence(0.3f);
    Note n;
    n.wave = Wave::Sine;
    n.length = 0.05f;
    n.fromHz = 120.0f * pitch;
    n.toHz = 45.0f * pitch;
    n.volume = 0.8f;
    n.envelope = {0.002f, 0.2f, 0.0f, 0.1f};
    play(s, n);
    Note k;
    k.wave = Wave::Noise;
    k.length = 0.04f;
    k.volume = 0.4f;
    k.seed = seed;
    k.envelope = {0.001f, 0.05f, 0.0f, 0.05f};
    play(s, k);
    lowPass(s, 900.0f);
    normalise(s, kFightSoundLevel * 0.8f);
    return s;
}

Sound shotSound(float pitch, std::uint32_t seed, bool big)
{
    Sound s = silence(big ? 0.7f : 0.3f);
    Note crack;
    crack.wave = Wave::Noise;
    crack.length = big ? 0.15f : 0.04f;
    crack.volume = 0.9f;
    crack.seed = seed;
    crack.envelope = {0.001f, big ? 0.4f : 0.12f, 0.0f, big ? 0.2f : 0.08f};
    play(s, crack);
    Note boom;
    boom.wave = Wave::Sine;
    boom.length = 0.05f;
    boom.fromHz = (big ? 90.0f : 220.0f) * pitch;
    boom.toHz = (big ? 35.0f : 90.0f) * pitch;
    boom.volume = 0.8f;
    boom.envelope = {0.001f, big ? 0.4f : 0.1f, 0.0f, 0.1f};
    play(s, boom);
    lowPass(s, big ? 1200.0f : 4000.0f);
    if (big)
        echo(s, 0.09f, 0.3f, 0.3f, 0.2f);
    normalise(s, kFightSoundLevel * 0.85f);
    return s;
}

Sound hiss(std::uint32_t seed)
{
    Sound s = silence(0.6f);
    Note n;
    n.wave = Wave::Noise;
    n.length = 0.45f;
    n.volume = 0.6f;
    n.seed = seed;
    n.envelope = {0.05f, 0.1f, 0.7f, 0.15f};
    play(s, n);
    highPass(s, 2500.0f);
    normalise(s, kFightSoundLevel * 0.6f);
    return s;
}

std::uint32_t nameSeed(const std::string& name)
{
    std::uint32_t h = 2166136261u;
    for (char ch : name)
        h = (h ^ static_cast<std::uint8_t>(ch)) * 16777619u;
    return h;
}

std::vector<NamedSound> kitSounds(const Ctx& c)
{
    const std::uint32_t seed = nameSeed(c.spec.name);
    // Voices: lower for big bodies and monsters, higher for the small.
    float pitch = 1.0f;
    if (c.spec.style.female)
        pitch = 1.6f;
    pitch *= 58.0f / std::max(30.0f, c.spec.style.body.hip);
    pitch *= 0.9f + 0.2f * ((seed % 100) / 100.0f);
    const bool monster = !c.human() || c.opt.fighting == Fighting::Zombie || c.spec.style.horns;
    std::vector<NamedSound> out;
    out.push_back({c.snd("Swing"), swingSound(1.0f + ((seed >> 8) % 30) / 100.0f, seed, false)});
    out.push_back({c.snd("Zap"), swingSound(1.3f, seed + 1, true)});
    out.push_back({c.snd("Hurt"), voice(pitch * 1.2f, 0.18f, 0.7f, seed + 2, monster)});
    out.push_back({c.snd("Shout"), voice(pitch, 0.35f, 1.15f, seed + 3, monster)});
    out.push_back({c.snd("Growl"), voice(pitch * 0.6f, 0.3f, 0.8f, seed + 4, true)});
    out.push_back({c.snd("Thud"), thud(1.0f, seed + 5)});
    out.push_back({c.snd("Shot"), shotSound(1.0f, seed + 6, false)});
    out.push_back({c.snd("Boom"), shotSound(1.0f, seed + 7, true)});
    out.push_back({c.snd("Hiss"), hiss(seed + 8)});
    return out;
}
} // namespace

std::string soundName(const std::string& character, const char* what)
{
    return character + what;
}

Pose guardPose(const CharacterSpec& spec, Fighting fighting)
{
    KitOptions o;
    o.fighting = fighting;
    const Ctx c{spec, o};
    if (spec.style.kind == BodyKind::Hound)
        return houndRest();
    if (spec.style.kind == BodyKind::Ghost || spec.style.kind == BodyKind::Skull)
        return floatRest(c);
    if (spec.style.kind != BodyKind::Human)
        return machineRest(c);
    return guard(c);
}

Key key(const Pose& pose, int pause, int between)
{
    return mk(pose, pause, between);
}

Key strikeKey(const Pose& pose, int pause, int between, Strike strike, int damage, int hitType)
{
    return hit(pose, pause, between, strike, damage, hitType);
}

MoveDef moveDef(const std::string& name, const std::string& command, std::vector<Key> keys)
{
    return def(name, command, std::move(keys));
}

void buildKit(CharacterSpec& spec, const KitOptions& options)
{
    const Ctx c{spec, options};
    std::vector<Clip> anims;
    std::vector<MoveDef> moves;
    switch (options.fighting)
    {
    case Fighting::Prop:
    {
        Pose rest;
        anims.push_back(Clip{"standing", {mk(rest, 200), mk(rest, 200)}});
        creatureReactions(c, rest, moves, true);
        // Props only stand, react and break: no blocks.
        spec.anims = anims;
        spec.moves = moves;
        spec.sounds = kitSounds(c);
        return;
    }
    case Fighting::Hound:
        anims = houndAnims(c);
        creatureReactions(c, houndRest(), moves, false);
        creatureMovement(c, houndRest(), moves);
        houndArsenal(c, moves);
        break;
    case Fighting::Ghost:
    case Fighting::Skull:
        anims = creatureAnims(c, floatRest(c), 0.06f, 0.5f);
        creatureReactions(c, floatRest(c), moves, false);
        creatureMovement(c, floatRest(c), moves);
        floaterArsenal(c, moves);
        break;
    case Fighting::Tank:
    case Fighting::Sprayer:
    case Fighting::Door:
        anims = creatureAnims(c, machineRest(c), 0.005f, 1.0f);
        creatureReactions(c, machineRest(c), moves, false);
        creatureMovement(c, machineRest(c), moves);
        machineArsenal(c, moves);
        break;
    default:
        anims = humanAnims(c);
        humanReactions(c, moves);
        humanMovement(c, moves);
        switch (options.fighting)
        {
        case Fighting::Brawler:
            brawlerArsenal(c, moves);
            break;
        case Fighting::Blade:
            weaponArsenal(c, moves, false);
            break;
        case Fighting::Blunt:
            weaponArsenal(c, moves, true);
            break;
        case Fighting::Whip:
            whipArsenal(c, moves);
            break;
        case Fighting::Gunner:
            gunnerArsenal(c, moves);
            break;
        case Fighting::Shield:
            shieldArsenal(c, moves);
            break;
        case Fighting::Zombie:
            zombieArsenal(c, moves);
            break;
        default:
            break;
        }
        grabMoves(c, moves);
        if (options.specials)
            humanSpecials(c, moves);
        break;
    }
    for (MoveDef& m : moves)
        checkInner(m.clip.keys);
    spec.anims = anims;
    spec.moves = moves;
    spec.sounds = kitSounds(c);
}

void scaleDamage(CharacterSpec& spec, float factor)
{
    for (MoveDef& m : spec.moves)
        for (Key& k : m.clip.keys)
            if (k.damage > 0)
                k.damage = std::max(1, static_cast<int>(std::lround(k.damage * factor)));
}

void keepUsedSounds(CharacterSpec& spec)
{
    auto used = [&](const std::string& name)
    {
        auto in = [&](const Clip& c)
        { return std::any_of(c.keys.begin(), c.keys.end(), [&](const Key& k) { return k.sound == name; }); };
        return std::any_of(spec.anims.begin(), spec.anims.end(), in) ||
               std::any_of(spec.moves.begin(), spec.moves.end(),
                           [&](const MoveDef& m) { return in(m.clip); });
    };
    spec.sounds.erase(std::remove_if(spec.sounds.begin(), spec.sounds.end(),
                                     [&](const NamedSound& s) { return !used(s.name); }),
                      spec.sounds.end());
}
} // namespace datagen::roster

namespace datagen::roster
{
namespace
{
int totalDamage(const MoveDef& m)
{
    int sum = 0;
    for (const Key& k : m.clip.keys)
        sum += k.damage;
    return sum;
}

bool grabs(const MoveDef& m)
{
    return std::any_of(m.clip.keys.begin(), m.clip.keys.end(), [](const Key& k) { return k.hitType == 7; });
}

// The hardest-hitting ground attack the computer uses up close: a blow that
// lands, the shape of a player's own moves; a grab only where `grabsToo`.
// Null when there is none.
const MoveDef* hardestCloseAttack(const CharacterSpec& spec, bool grabsToo)
{
    const MoveDef* base = nullptr;
    for (const MoveDef& m : spec.moves)
        if (m.ai == AiKind::Ground && m.ranges.find('S') != std::string::npos && m.energy == 0 &&
            (grabsToo || !grabs(m)) && (!base || totalDamage(m) > totalDamage(*base)))
            base = &m;
    return base;
}

// A copy of `base` that only a player starts, by `command` on the ground:
// out of the computer's list, its whole `damage` spread over the striking
// keys (the last carrying what is left), each sweeping down to the shins so
// a tank's hull and a hound are in reach.
MoveDef playerMove(const MoveDef& base, const std::string& name, const std::string& command, int damage)
{
    MoveDef m = base;
    m.clip.name = name;
    m.command = command;
    m.condition = "ground = true";
    m.startFrom = "NULL";
    m.startFrame = 0;
    m.link = "NULL";
    m.linkFrame = 0;
    m.aiFollows.clear();
    m.aiCancels.clear();
    m.ai = AiKind::None;
    m.ranges.clear();
    const int strikes = static_cast<int>(
        std::count_if(m.clip.keys.begin(), m.clip.keys.end(), [](const Key& k) { return k.damage > 0; }));
    int left = damage;
    int seen = 0;
    for (Key& k : m.clip.keys)
    {
        if (k.damage <= 0)
            continue;
        ++seen;
        k.sweepLow = true;
        k.damage = seen == strikes ? left : damage / strikes;
        left -= k.damage;
    }
    return m;
}
} // namespace

void addFury(CharacterSpec& spec, int energy, int damage)
{
    const MoveDef* base = hardestCloseAttack(spec, true);
    if (!base)
        return;
    MoveDef fury = playerMove(*base, "fury", "DLA", damage);
    fury.energy = energy;
    fury.special = true;
    fury.interruptible = false;
    // The cut-in shows on the first frame that already fires something, never a
    // blow's own frame or the last, where the control would step past it.
    for (std::size_t i = 0; i + 1 < fury.clip.keys.size(); ++i)
    {
        Key& k = fury.clip.keys[i];
        if (k.damage > 0)
            break;
        if (!k.face.empty() || !k.sound.empty())
        {
            k.face = "faceShout";
            break;
        }
    }
    spec.moves.insert(spec.moves.begin(), std::move(fury));
}

void addHeavy(CharacterSpec& spec, int damage)
{
    const MoveDef* base = hardestCloseAttack(spec, false);
    if (!base)
        return;
    MoveDef heavy = playerMove(*base, "heavy", "C", damage);
    heavy.energy = 0;
    heavy.special = false;
    spec.moves.insert(spec.moves.begin(), std::move(heavy));
}
} // namespace datagen::roster
