// The 2D skeleton the roster is posed with: body proportions, one pose (the
// angles and targets an animator keys), and the joint positions a pose gives.
#pragma once

#include <cmath>

#include "core/mask.h"

namespace datagen::roster
{
constexpr float kPi = 3.14159265f;
inline float rad(float degrees)
{
    return degrees * kPi / 180.0f;
}
// A unit vector at `degrees` from straight down, turning toward the facing
// (+x) for positive angles. Screen y grows downward.
inline Vec2 fromDown(float degrees)
{
    return {std::sin(rad(degrees)), std::cos(rad(degrees))};
}
inline float length(Vec2 v)
{
    return std::sqrt(v.x * v.x + v.y * v.y);
}
inline Vec2 rotate(Vec2 v, float degrees)
{
    const float c = std::cos(rad(degrees)), s = std::sin(rad(degrees));
    return {v.x * c - v.y * s, v.x * s + v.y * c};
}

// Bone lengths and widths in pixels. Leg and arm lengths set the size; poses
// are written in units of the hip height, so one pose fits every body.
struct Body
{
    float hip = 58.0f; // standing hip height
    float thigh = 29.0f;
    float shin = 29.0f;
    float torso = 32.0f; // pelvis to the base of the neck
    float neck = 6.0f;
    float headR = 11.0f;
    float upperArm = 22.0f;
    float foreArm = 20.0f;
    float hand = 4.5f;   // fist radius
    float foot = 11.0f;  // heel to toe
    float chest = 12.5f; // half the chest's depth as seen from the side
    float waist = 9.5f;
    float hips = 10.5f;
    float belly = 0.0f;         // extra belly depth
    float limb = 1.0f;          // limb thickness factor
    float shoulderDepth = 4.0f; // far shoulder sits this far behind the near one

    // All lengths times `f` (limb widths too).
    Body scaled(float f) const;
};

// One limb seen from the side: the upper bone's angle from straight down
// (world, + toward the facing) and the lower bone's bend from the upper one.
struct Limb
{
    float upper = 0.0f;
    float bend = 0.0f;
};

// Everything an animator keys. Positions are in hip heights from the anchor
// (the point on the ground between the feet); angles are degrees.
struct Pose
{
    Vec2 pelvis{0.0f, -1.0f};
    float lean = 0.0f; // torso from upright, + forward
    float head = 0.0f; // head tilt from the torso, + nodding forward
    Limb armN{10.0f, 20.0f};
    Limb armF{-8.0f, 25.0f};
    Vec2 footN{0.12f, 0.0f};
    Vec2 footF{-0.12f, 0.0f};
    float toeN = 0.0f; // foot tilt, + toes up
    float toeF = 0.0f;
    float weapon = 0.0f; // weapon turn from the forearm
    float weaponF = 0.0f;
    float spin = 0.0f;  // the whole body turned about the pelvis, + forward
    float reach = 0.0f; // whip and chain extension 0..1, shield raise, etc.
    // Four-legged bodies: the hind legs (front legs use armN/armF).
    Limb hindN{0.0f, 0.0f};
    Limb hindF{0.0f, 0.0f};
    float tail = 0.0f;
    float jaw = 0.0f;    // mouth open 0..1
    float eyes = 1.0f;   // 1 open, 0 shut
    float wings = 0.0f;  // -1 folded .. 1 spread
    float cape = 0.0f;   // cloth swing, + trailing back
    float phase = 0.0f;  // a cycle for treads, flames, bobbing (0..1)
    float open = 0.0f;   // hatches and doors, 0 shut .. 1 open
    float broken = 0.0f; // props: 0 whole .. 1 shattered
    float glow = 0.0f;   // charge light 0..1
};

Pose mix(const Pose& a, const Pose& b, float t);

// Joint positions in pixels, anchor at (0, 0), after the whole-body spin.
struct Skeleton
{
    Vec2 pelvis, chest, neck, head;
    Vec2 shoulderN, elbowN, handN, shoulderF, elbowF, handF;
    Vec2 hipN, kneeN, ankleN, toeN, hipF, kneeF, ankleF, toeF;
    float torsoAngle = 0.0f; // degrees, the torso's lean plus spin
    float headAngle = 0.0f;
    float foreN = 0.0f; // forearm directions, degrees from down
    float foreF = 0.0f;
    float upperN = 0.0f;
    float upperF = 0.0f;
    float spin = 0.0f;
};

// Forward kinematics for the arms, two-bone IK for the legs (knees bend
// toward the facing).
Skeleton solveHuman(const Body& body, const Pose& pose);

// Where a two-bone chain from `root` reaching for `target` puts its middle
// joint; `bendSign` +1 bends it toward +x.
Vec2 twoBoneJoint(Vec2 root, Vec2 target, float upper, float lower, float bendSign, Vec2* reached = nullptr);

// Eases for in-betweens.
float easeInOut(float t);
float easeOut(float t);
float easeIn(float t);
} // namespace datagen::roster
