// The five bonus fighters: a ranger, a monk, a wizard, a knight and a
// shadow, each a style the rest of the roster does not have.
#include "content/roster/cast.h"

namespace datagen::roster
{
namespace
{
CharacterSpec vellin()
{
    CharacterSpec s;
    s.name = "Vellin";
    s.style.female = true;
    s.style.hair = HairStyle::Long;
    s.style.cape = true;
    s.style.boots = true;
    s.style.gloves = true;
    s.style.weapon = Weapon::Knife;
    s.style.weaponSize = 1.4f;
    s.style.body = Body{}.scaled(1.03f);
    s.style.body.limb = 0.85f;
    s.style.body.chest = 10.5f;
    s.style.body.waist = 8.0f;
    s.colours = colours({{Skin, 0xf0c8a8},
                         {Hair, 0xe8e0b0},
                         {Top, 0x3a6a3a},
                         {Bottom, 0x4a3a2a},
                         {Inner, 0x2a4a2a},
                         {Accent, 0x8a6a3a},
                         {Shoes, 0x5a3a20}});
    costumePalettes(s, {Top, Inner, Bottom, Accent});
    numbers(s, 280, 100, 6, 18, 0, 0, 1);
    KitOptions o;
    o.fighting = Fighting::Blade;
    o.projectile = "knife";
    buildKit(s, o);
    return s;
}

CharacterSpec tavin()
{
    CharacterSpec s;
    s.name = "Tavin";
    s.style.hair = HairStyle::None;
    s.style.bareChest = true;
    s.style.sleeves = 0;
    s.style.scarf = true;
    s.style.body.limb = 1.05f;
    s.colours = colours({{Skin, 0xb87a52}, {Bottom, 0xd87a1a}, {Accent, 0x8a2a1a}, {Shoes, 0x4a3a2a}});
    costumePalettes(s, {Bottom, Accent});
    numbers(s, 300, 100, 6, 18, 0, 0, 1);
    KitOptions o;
    o.fighting = Fighting::Brawler;
    o.projectile = "fireball";
    o.power = 1.1f;
    o.tempo = 0.9f;
    buildKit(s, o);
    return s;
}

CharacterSpec merrowby()
{
    CharacterSpec s;
    s.name = "Merrowby";
    s.style.hair = HairStyle::Long;
    s.style.beard = true;
    s.style.hat = Headgear::Hood;
    s.style.coat = Coat::Robe;
    s.style.weapon = Weapon::Staff;
    s.style.body = Body{}.scaled(0.97f);
    s.colours = colours({{Skin, 0xe0b898},
                         {Hair, 0xe8e8e8},
                         {Top, 0x3a3a8a},
                         {Bottom, 0x2a2a6a},
                         {Inner, 0x6a6ab0},
                         {Accent, 0xd0a040},
                         {Glow, 0x80c0ff},
                         {Wood, 0x5a3a1a}});
    costumePalettes(s, {Top, Bottom, Inner, Glow});
    numbers(s, 260, 100, 4, 14, 0, 0, 1);
    KitOptions o;
    o.fighting = Fighting::Blunt;
    o.projectile = "fireball";
    buildKit(s, o);
    return s;
}

CharacterSpec dravenholt()
{
    CharacterSpec s;
    s.name = "Dravenholt";
    s.style.hat = Headgear::Helmet;
    s.style.hair = HairStyle::None;
    s.style.armour = true;
    s.style.machine = false;
    s.style.cape = true;
    s.style.boots = true;
    s.style.gloves = true;
    s.style.weapon = Weapon::Sword;
    s.style.weaponSize = 1.25f;
    s.style.body = Body{}.scaled(1.1f);
    s.style.body.limb = 1.2f;
    s.colours = colours({{Skin, 0xd8a884},
                         {Top, 0x8a9098},
                         {Bottom, 0x6a7078},
                         {Armour, 0xb8c0c8},
                         {Inner, 0x8a1a1a},
                         {Accent, 0xd0a830},
                         {Metal, 0xdce4ec},
                         {Shoes, 0x5a5e66}});
    costumePalettes(s, {Inner, Accent, Top, Bottom});
    numbers(s, 380, 100, 4, 14, 0, 0, 1);
    KitOptions o;
    o.fighting = Fighting::Blade;
    o.power = 1.25f;
    o.tempo = 1.1f;
    buildKit(s, o);
    return s;
}

CharacterSpec zhevan()
{
    CharacterSpec s;
    s.name = "Zhevan";
    s.style.hat = Headgear::Hood;
    s.style.hair = HairStyle::None;
    s.style.scarf = true;
    s.style.boots = true;
    s.style.gloves = true;
    s.style.weapon = Weapon::TwinSwords;
    s.style.weaponSize = 0.8f;
    s.colours = colours({{Skin, 0xd8a880},
                         {Top, 0x24242e},
                         {Bottom, 0x1e1e26},
                         {Accent, 0x8a1a2a},
                         {Shoes, 0x18181e},
                         {Metal, 0xc8d0d8},
                         {Glow, 0xa0ff60}});
    costumePalettes(s, {Top, Bottom, Accent});
    numbers(s, 270, 100, 7, 19, 0, 0, 1);
    KitOptions o;
    o.fighting = Fighting::Blade;
    o.projectile = "knife";
    o.tempo = 0.85f;
    buildKit(s, o);
    return s;
}
} // namespace

std::vector<CharacterSpec> theBonus()
{
    return {vellin(), tavin(), merrowby(), dravenholt(), zhevan()};
}
} // namespace datagen::roster
