// The walking dead: shamblers that claw, bite and seize, from the slight
// ZombieGuy to the hulking MegaZombie.
#include "content/roster/cast.h"

namespace datagen::roster
{
namespace
{
CharacterSpec zombie(const std::string& name)
{
    CharacterSpec s;
    s.name = name;
    s.style.zombie = true;
    s.style.hair = HairStyle::Messy;
    s.colours = colours({{Skin, 0x9cae86},
                         {Hair, 0x3a3428},
                         {Top, 0xb4ac94},
                         {Bottom, 0x5a4c3c},
                         {Accent, 0x4a3a2a},
                         {Shoes, 0x3a3230},
                         {Glow, 0xf0f0a0},
                         {Mouth, 0x5a1a1a}});
    monsterPalettes(s, {Top, Bottom, Accent});
    numbers(s, 220, 100, 2, 12, 0, 0, 1);
    return s;
}

// How hard their blows land is the roster's numbers table's.
KitOptions shambler(float tempo)
{
    KitOptions o;
    o.fighting = Fighting::Zombie;
    o.stageGrab = true;
    o.tempo = tempo;
    // Stage crowds keep to plain blows: a rush from every side at once left
    // a new player no opening.
    o.specials = false;
    return o;
}

CharacterSpec zombieGuy()
{
    CharacterSpec s = zombie("ZombieGuy");
    buildKit(s, shambler(3.0f));
    return s;
}

CharacterSpec zombieGal()
{
    CharacterSpec s = zombie("ZombieGal");
    s.style.female = true;
    s.style.hair = HairStyle::Long;
    s.style.legwear = 3;
    s.style.sleeves = 1;
    s.style.body.limb = 0.88f;
    s.style.body.chest = 11.0f;
    s.style.body.waist = 8.5f;
    s.style.body.hips = 11.0f;
    s.colours.base[Skin] = hex(0xa8b49a);
    s.colours.base[Top] = hex(0x7a4a6a);
    s.colours.base[Bottom] = hex(0x5a3a52);
    s.colours.base[Hair] = hex(0x6a3a22);
    numbers(s, 200, 100, 4, 13, 0, 0, 1);
    buildKit(s, shambler(1.9f));
    return s;
}

CharacterSpec fatZombie()
{
    CharacterSpec s = zombie("FatZombie");
    s.style.hair = HairStyle::None;
    s.style.sleeves = 0;
    s.style.body.belly = 14.0f;
    s.style.body.waist = 13.0f;
    s.style.body.chest = 15.0f;
    s.style.body.hips = 14.0f;
    s.style.body.limb = 1.35f;
    s.style.body.headR = 12.0f;
    s.colours.base[Top] = hex(0xd8d0b8);
    s.colours.base[Bottom] = hex(0x4a4e5a);
    s.colours.base[Skin] = hex(0xa0a47e);
    numbers(s, 400, 100, 2, 10, 0, 0, 1);
    buildKit(s, shambler(2.6f));
    return s;
}

CharacterSpec megaZombie()
{
    CharacterSpec s = zombie("MegaZombie");
    s.style.hair = HairStyle::Mohawk;
    s.style.bareChest = true;
    s.style.sleeves = 0;
    s.style.body = Body{}.scaled(1.45f);
    s.style.body.limb = 1.7f;
    s.style.body.chest = 22.0f;
    s.style.body.waist = 16.0f;
    s.style.body.belly = 6.0f;
    s.colours.base[Skin] = hex(0x8a9a7a);
    s.colours.base[Hair] = hex(0x2a1a14);
    s.colours.base[Bottom] = hex(0x3a3a44);
    numbers(s, 800, 100, 2, 10, 0, 0, 1);
    KitOptions o = shambler(1.8f);
    o.hunched = true;
    buildKit(s, o);
    s.selectScale = 1.25f;
    return s;
}
} // namespace

std::vector<CharacterSpec> theDead()
{
    return {zombieGuy(), zombieGal(), fatZombie(), megaZombie()};
}
} // namespace datagen::roster
