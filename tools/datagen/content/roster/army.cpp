// The turned army and its machines: riflemen, shield troopers, the tank, the
// mech, and the airship's armoured door.
#include "content/roster/cast.h"

namespace datagen::roster
{
namespace
{
CharacterSpec soldier(const std::string& name, Weapon weapon)
{
    CharacterSpec s;
    s.name = name;
    s.style.hair = HairStyle::Short;
    s.style.hat = Headgear::Helmet;
    s.style.boots = true;
    s.style.gloves = true;
    s.style.weapon = weapon;
    s.colours = colours({{Skin, 0xd8a07a},
                         {Top, 0x5e6a3a},
                         {Bottom, 0x56603a},
                         {Accent, 0x3a3428},
                         {Shoes, 0x2a2420},
                         {Armour, 0x4e5a34},
                         {Metal, 0x5a5e64},
                         {Wood, 0x6a4a2a},
                         {Glow, 0x9ad0ff}});
    costumePalettes(s, {Top, Bottom, Armour, Accent});
    numbers(s, 240, 100, 4, 15, 0, 0, 1);
    return s;
}

CharacterSpec gunner()
{
    CharacterSpec s = soldier("ArmyGunner", Weapon::Rifle);
    numbers(s, 240, 100, 4, 15, 30, 30, 1);
    KitOptions o;
    o.fighting = Fighting::Gunner;
    o.projectile = "bullet";
    buildKit(s, o);
    return s;
}

CharacterSpec shield()
{
    CharacterSpec s = soldier("ArmyShield", Weapon::ShieldBaton);
    s.style.armour = true;
    s.colours.base[Armour] = hex(0x3a4048);
    s.colours.base[Glow] = hex(0xc8e0f0);
    numbers(s, 300, 100, 3, 14, 0, 0, 1);
    KitOptions o;
    o.fighting = Fighting::Shield;
    o.power = 1.1f;
    buildKit(s, o);
    return s;
}

CharacterSpec tank()
{
    CharacterSpec s;
    s.name = "Tank";
    s.style.kind = BodyKind::Tank;
    s.colours = colours({{Armour, 0x5a6640},
                         {Metal, 0x6a6e70},
                         {Accent, 0x44482e},
                         {Dark, 0x24221e},
                         {Eye, 0xe8e0c8},
                         {Glow, 0xffb040}});
    costumePalettes(s, {Armour, Accent, Eye});
    numbers(s, 900, 100, 2, 0, 40, 40, 0);
    KitOptions o;
    o.fighting = Fighting::Tank;
    o.power = 1.4f;
    o.tempo = 1.2f;
    buildKit(s, o);
    s.selectScale = 1.3f;
    return s;
}

CharacterSpec mech()
{
    CharacterSpec s;
    s.name = "Mech";
    s.style.machine = true;
    s.style.hair = HairStyle::None;
    s.style.hat = Headgear::Visor;
    s.style.weapon = Weapon::ArmCannon;
    s.style.armour = true;
    s.style.belt = false;
    s.style.body = Body{}.scaled(1.35f);
    s.style.body.limb = 1.6f;
    s.style.body.chest = 20.0f;
    s.style.body.headR = 12.0f;
    s.colours = colours(
        {{Armour, 0x8a8e96}, {Metal, 0x50565e}, {Shoes, 0x3a3e44}, {Glow, 0xff4a30}, {Accent, 0xd0a030}});
    costumePalettes(s, {Armour, Accent, Glow});
    numbers(s, 900, 100, 3, 13, 60, 60, 0);
    KitOptions o;
    o.fighting = Fighting::Gunner;
    o.projectile = "fireball";
    o.power = 1.4f;
    o.tempo = 1.2f;
    buildKit(s, o);
    s.selectScale = 1.3f;
    return s;
}

CharacterSpec door()
{
    CharacterSpec s;
    s.name = "AirshipDoor";
    s.style.kind = BodyKind::Door;
    s.selectable = false;
    s.colours = colours(
        {{Armour, 0x6a6258}, {Metal, 0x8a8a84}, {Accent, 0xd8b030}, {Dark, 0x1c1a18}, {Glow, 0xff3020}});
    costumePalettes(s, {Armour, Metal, Accent});
    numbers(s, 500, 100, 0, 0, 30, 30, 0);
    KitOptions o;
    o.fighting = Fighting::Door;
    buildKit(s, o);
    return s;
}
} // namespace

std::vector<CharacterSpec> theArmy()
{
    return {gunner(), shield(), tank(), mech(), door()};
}
} // namespace datagen::roster
