// Turning a pose into a picture: each body kind (people, hounds, ghosts,
// skulls, machines and props) draws its parts from the skeleton, dressed by a
// Style, and reports the points the frame data needs (fists, feet, weapon,
// muzzle) and the body's own box.
#pragma once

#include "content/roster/paint.h"
#include "content/roster/rig.h"

namespace datagen::roster
{
enum class BodyKind
{
    Human,
    Hound,
    Ghost,
    Skull,
    Tank,
    Sprayer,
    Door,
    PostBox,
    Window,
};

enum class Weapon
{
    None,
    Sword,      // one blade in the near hand
    GreatBlade, // a broad black blade
    Bat,
    Whip,       // an electric lash that extends with Pose::reach
    Gauntlets,  // armoured fists
    TwinSwords, // a blade in each hand
    Scythe,
    Spear,
    Knife,
    Rifle,
    ShieldBaton, // riot shield in the near hand, baton in the far
    Staff,
    Wrench,
    Claws,
    Crowbar,
    ArmCannon, // the near forearm is a gun
    Pistols,   // a pistol in each hand
    Cane,      // a showman's walking stick with a knob
};

enum class HairStyle
{
    None,
    Short,
    Spiky,
    Long,
    Ponytail,
    Slick,
    Mohawk,
    Bun,
    Messy,
};

enum class Headgear
{
    None,
    Goggles,
    Helmet,
    Cap,
    Hood,
    WeldMask,
    Visor, // a machine's eye slit
    Bandana,
    Crown,
    TopHat,
};

enum class Coat
{
    None,
    Jacket,   // open, to the hips
    LongCoat, // to the knees, tails swing
    Robe,     // to the ankles
    Vest,
};

// How a body is dressed and armed.
struct Style
{
    BodyKind kind = BodyKind::Human;
    Body body;
    HairStyle hair = HairStyle::Short;
    Headgear hat = Headgear::None;
    Coat coat = Coat::None;
    int sleeves = 2; // 0 bare arms, 1 short, 2 long
    int legwear = 2; // 0 bare legs, 1 shorts, 2 trousers, 3 skirt
    bool gloves = false;
    bool boots = false;
    bool belt = true;
    bool scarf = false;
    bool cape = false;
    bool beard = false;
    bool female = false;
    bool horns = false;
    bool wings = false;
    bool tail = false;
    bool zombie = false; // torn clothes, sunken eyes, a shambler's slack jaw
    bool glowEyes = false;
    bool armour = false;  // shoulder plates and a chest plate
    bool machine = false; // plated limbs and joints instead of cloth and skin
    bool bareChest = false;
    bool halfMask = false; // a stage mask over the eyes and nose
    Weapon weapon = Weapon::None;
    float weaponSize = 1.0f;
};

// The points and boxes a frame's data is made from, in figure pixels
// (anchor at 0, 0).
struct Hot
{
    Vec2 handN, handF, footN, footF, head, chest, pelvis;
    Vec2 gripN, tipN, gripF, tipF; // weapon segments (grip to tip)
    float tipRadius = 3.0f;
    Vec2 muzzle; // where shots leave
    Box body;    // what can be hit
    Box gas;     // a sprayer's cloud, when it sprays
};

void drawFigure(const Style& style, const Pose& pose, Drawing& out, Hot& hot);

// A weapon on its own, as an item picture shows it: held at `grip`, pointing
// `angle` degrees round from straight down. Gauntlets are an armoured fist.
void drawLooseWeapon(Drawing& out, Weapon weapon, float size, Vec2 grip, float angle);
} // namespace datagen::roster
