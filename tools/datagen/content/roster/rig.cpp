// Kinematics of the roster's skeleton.
#include "content/roster/rig.h"

#include <algorithm>

namespace datagen::roster
{
Body Body::scaled(float f) const
{
    Body b = *this;
    for (float* v : {&b.hip, &b.thigh, &b.shin, &b.torso, &b.neck, &b.headR, &b.upperArm, &b.foreArm, &b.hand,
                     &b.foot, &b.chest, &b.waist, &b.hips, &b.belly, &b.shoulderDepth})
        *v *= f;
    b.limb = limb * f;
    return b;
}

namespace
{
float lerpf(float a, float b, float t)
{
    return a + (b - a) * t;
}
Limb lerpLimb(const Limb& a, const Limb& b, float t)
{
    return {lerpf(a.upper, b.upper, t), lerpf(a.bend, b.bend, t)};
}
} // namespace

Pose mix(const Pose& a, const Pose& b, float t)
{
    Pose p;
    p.pelvis = lerp(a.pelvis, b.pelvis, t);
    p.lean = lerpf(a.lean, b.lean, t);
    p.head = lerpf(a.head, b.head, t);
    p.armN = lerpLimb(a.armN, b.armN, t);
    p.armF = lerpLimb(a.armF, b.armF, t);
    p.footN = lerp(a.footN, b.footN, t);
    p.footF = lerp(a.footF, b.footF, t);
    p.toeN = lerpf(a.toeN, b.toeN, t);
    p.toeF = lerpf(a.toeF, b.toeF, t);
    p.weapon = lerpf(a.weapon, b.weapon, t);
    p.weaponF = lerpf(a.weaponF, b.weaponF, t);
    p.spin = lerpf(a.spin, b.spin, t);
    p.reach = lerpf(a.reach, b.reach, t);
    p.hindN = lerpLimb(a.hindN, b.hindN, t);
    p.hindF = lerpLimb(a.hindF, b.hindF, t);
    p.tail = lerpf(a.tail, b.tail, t);
    p.jaw = lerpf(a.jaw, b.jaw, t);
    p.eyes = lerpf(a.eyes, b.eyes, t);
    p.wings = lerpf(a.wings, b.wings, t);
    p.cape = lerpf(a.cape, b.cape, t);
    p.phase = lerpf(a.phase, b.phase, t);
    p.open = lerpf(a.open, b.open, t);
    p.broken = lerpf(a.broken, b.broken, t);
    p.glow = lerpf(a.glow, b.glow, t);
    return p;
}

Vec2 twoBoneJoint(Vec2 root, Vec2 target, float upper, float lower, float bendSign, Vec2* reached)
{
    Vec2 d = target - root;
    float dist = length(d);
    const float maxReach = (upper + lower) * 0.999f;
    const float minReach = std::fabs(upper - lower) + 0.5f;
    if (dist < 1e-4f)
        d = {0.0f, 1.0f}, dist = minReach;
    const Vec2 dir = d * (1.0f / dist);
    dist = std::clamp(dist, minReach, maxReach);
    if (reached)
        *reached = root + dir * dist;
    // Law of cosines: the angle at the root between the reach line and the upper bone.
    const float cosA =
        std::clamp((upper * upper + dist * dist - lower * lower) / (2.0f * upper * dist), -1.0f, 1.0f);
    const float a = std::acos(cosA);
    // Turning the reach direction toward +x (for a downward reach) bends the joint forward.
    const float s = bendSign * (dir.y >= 0.0f ? -1.0f : 1.0f);
    const float c = std::cos(a), sn = std::sin(a) * s;
    const Vec2 turned{dir.x * c - dir.y * sn, dir.x * sn + dir.y * c};
    return root + turned * upper;
}

Skeleton solveHuman(const Body& b, const Pose& p)
{
    Skeleton k;
    const Vec2 pelvis = p.pelvis * b.hip;
    const Vec2 up = fromDown(180.0f - p.lean); // the torso's direction, pelvis to neck
    k.pelvis = pelvis;
    k.neck = pelvis + up * b.torso;
    k.chest = pelvis + up * (b.torso * 0.7f);
    k.torsoAngle = p.lean;
    k.headAngle = p.lean + p.head;
    k.head = k.neck + fromDown(180.0f - p.lean - p.head * 0.5f) * (b.neck + b.headR * 0.85f);
    const Vec2 back = fromDown(270.0f - p.lean); // toward the back, across the torso
    k.shoulderN = k.neck + up * (-b.neck * 0.35f) + back * 1.0f;
    k.shoulderF = k.shoulderN + back * b.shoulderDepth + up * 1.0f;

    k.upperN = p.armN.upper;
    k.upperF = p.armF.upper;
    k.foreN = p.armN.upper + p.armN.bend;
    k.foreF = p.armF.upper + p.armF.bend;
    k.elbowN = k.shoulderN + fromDown(k.upperN) * b.upperArm;
    k.handN = k.elbowN + fromDown(k.foreN) * b.foreArm;
    k.elbowF = k.shoulderF + fromDown(k.upperF) * b.upperArm;
    k.handF = k.elbowF + fromDown(k.foreF) * b.foreArm;

    const Vec2 across = back * (-b.hips * 0.25f);
    k.hipN = pelvis + across;
    k.hipF = pelvis - across * 1.4f;
    const Vec2 targetN = p.footN * b.hip + Vec2{0.0f, -b.foot * 0.25f};
    const Vec2 targetF = p.footF * b.hip + Vec2{0.0f, -b.foot * 0.25f};
    k.kneeN = twoBoneJoint(k.hipN, targetN, b.thigh, b.shin, 1.0f, &k.ankleN);
    k.kneeF = twoBoneJoint(k.hipF, targetF, b.thigh, b.shin, 1.0f, &k.ankleF);
    k.toeN = k.ankleN + fromDown(90.0f + p.toeN) * b.foot;
    k.toeF = k.ankleF + fromDown(90.0f + p.toeF) * b.foot;

    k.spin = p.spin;
    if (p.spin != 0.0f)
    {
        for (Vec2* v :
             {&k.chest, &k.neck, &k.head, &k.shoulderN, &k.elbowN, &k.handN, &k.shoulderF, &k.elbowF,
              &k.handF, &k.hipN, &k.kneeN, &k.ankleN, &k.toeN, &k.hipF, &k.kneeF, &k.ankleF, &k.toeF})
            *v = pelvis + rotate(*v - pelvis, p.spin);
        k.torsoAngle += p.spin;
        k.headAngle += p.spin;
        k.foreN -= p.spin;
        k.foreF -= p.spin;
        k.upperN -= p.spin;
        k.upperF -= p.spin;
    }
    return k;
}

float easeInOut(float t)
{
    return t * t * (3.0f - 2.0f * t);
}
float easeOut(float t)
{
    return 1.0f - (1.0f - t) * (1.0f - t);
}
float easeIn(float t)
{
    return t * t;
}
} // namespace datagen::roster
