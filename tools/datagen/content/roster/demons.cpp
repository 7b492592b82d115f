// What comes up from below: hounds on four legs, burning skulls, fiends,
// ghosts that float, and the gas node that turns the living.
#include "content/roster/cast.h"

namespace datagen::roster
{
namespace
{
CharacterSpec hellHound()
{
    CharacterSpec s;
    s.name = "HellHound";
    s.style.kind = BodyKind::Hound;
    Body b;
    b.hip = 34.0f;
    b.thigh = 19.0f;
    b.shin = 18.0f;
    b.torso = 44.0f;
    b.chest = 12.0f;
    b.limb = 1.0f;
    s.style.body = b;
    s.colours = colours({{Top, 0x4a2a26},
                         {Dark, 0x1a1014},
                         {Extra1, 0x8a4a3a},
                         {Glow, 0xff8a20},
                         {Eye, 0xf0e0c0},
                         {Mouth, 0xa02020}});
    costumePalettes(s, {Top, Extra1, Glow});
    numbers(s, 220, 100, 6, 15, 0, 0, 1);
    KitOptions o;
    o.fighting = Fighting::Hound;
    o.grab = false;
    buildKit(s, o);
    s.selectScale = 1.8f;
    return s;
}

CharacterSpec hellSkull()
{
    CharacterSpec s;
    s.name = "HellSkull";
    s.style.kind = BodyKind::Skull;
    s.style.body.hip = 62.0f;
    s.colours = colours({{Eye, 0xe8dcc0}, {Dark, 0x1a0e0a}, {Glow, 0xff7a18}, {Extra2, 0xffe070}});
    costumePalettes(s, {Glow, Eye, Extra2});
    numbers(s, 160, 100, 5, 14, 0, 0, 0);
    KitOptions o;
    o.fighting = Fighting::Skull;
    o.projectile = "fireball";
    buildKit(s, o);
    s.selectScale = 2.0f;
    return s;
}

CharacterSpec fiend()
{
    CharacterSpec s;
    s.name = "FiendM";
    s.style.hair = HairStyle::None;
    s.style.horns = true;
    s.style.tail = true;
    s.style.wings = true;
    s.style.glowEyes = true;
    s.style.bareChest = true;
    s.style.sleeves = 0;
    s.style.legwear = 2;
    s.style.weapon = Weapon::Claws;
    s.style.body.limb = 1.1f;
    s.style.body.chest = 13.5f;
    s.colours = colours({{Skin, 0xb8382a},
                         {Bottom, 0x2a1e24},
                         {Accent, 0x4a2a1a},
                         {Eye, 0xe8d8b0},
                         {Glow, 0xffd030},
                         {Extra1, 0x5a1e24},
                         {Shoes, 0x2a1a1a}});
    monsterPalettes(s, {Bottom, Extra1, Accent});
    numbers(s, 260, 100, 5, 16, 0, 0, 1);
    KitOptions o;
    o.fighting = Fighting::Brawler;
    o.projectile = "fireball";
    o.hunched = true;
    buildKit(s, o);
    return s;
}

CharacterSpec ghost(const std::string& name, float size)
{
    CharacterSpec s;
    s.name = name;
    s.style.kind = BodyKind::Ghost;
    s.style.body.hip = 58.0f * size;
    s.style.body.limb = size;
    s.style.body.upperArm = 16.0f * size;
    s.style.body.foreArm = 15.0f * size;
    s.colours = colours({{Top, 0xc8dcf0}, {Dark, 0x1a2030}, {Glow, 0x80f0ff}, {Accent, 0xe0c040}});
    costumePalettes(s, {Top, Glow, Accent});
    numbers(s, 180, 100, 4, 14, 0, 0, 0);
    return s;
}

CharacterSpec sadGhost()
{
    CharacterSpec s = ghost("SadGhost", 0.9f);
    s.style.zombie = true; // tears
    s.colours.base[Top] = hex(0xb8c8e8);
    KitOptions o;
    o.fighting = Fighting::Ghost;
    o.grab = false;
    o.power = 0.9f;
    buildKit(s, o);
    s.selectScale = 2.0f;
    return s;
}

CharacterSpec megaGhost()
{
    CharacterSpec s = ghost("MegaGhost", 1.7f);
    s.style.glowEyes = true;
    s.style.hat = Headgear::Crown;
    s.colours.base[Top] = hex(0x9ab8a8);
    s.colours.base[Glow] = hex(0xff4060);
    numbers(s, 700, 100, 3, 12, 0, 0, 0);
    KitOptions o;
    o.fighting = Fighting::Ghost;
    o.projectile = "grabShot";
    o.power = 1.5f;
    o.tempo = 1.2f;
    buildKit(s, o);
    s.selectScale = 1.3f;
    return s;
}

CharacterSpec gasSprayer()
{
    CharacterSpec s;
    s.name = "GasSprayer";
    s.style.kind = BodyKind::Sprayer;
    s.selectable = false;
    s.colours = colours(
        {{Armour, 0x5a6a52}, {Metal, 0x7a7e78}, {Dark, 0x1e221c}, {Glow, 0x9aff60}, {Extra1, 0x7ac84a}});
    costumePalettes(s, {Armour, Extra1, Glow});
    numbers(s, 1000, 100, 0, 0, 0, 0, 0);
    KitOptions o;
    o.fighting = Fighting::Sprayer;
    buildKit(s, o);
    return s;
}
} // namespace

std::vector<CharacterSpec> theDemons()
{
    return {hellHound(), hellSkull(), fiend(), sadGhost(), megaGhost(), gasSprayer()};
}
} // namespace datagen::roster
