// The demon army's officers and champions, each with a weapon of their own.
#include "content/roster/cast.h"

namespace datagen::roster
{
namespace
{
CharacterSpec vlad()
{
    CharacterSpec s;
    s.name = "Vlad";
    s.style.hair = HairStyle::Slick;
    s.style.coat = Coat::LongCoat;
    s.style.cape = true;
    s.style.gloves = true;
    s.style.boots = true;
    s.style.glowEyes = true;
    s.style.weapon = Weapon::Sword;
    s.style.body = Body{}.scaled(1.06f);
    s.style.body.limb = 0.95f;
    s.colours = colours({{Skin, 0xe0d0c8},
                         {Hair, 0x18141c},
                         {Top, 0x2a2030},
                         {Bottom, 0x201a24},
                         {Inner, 0x8a1a24},
                         {Accent, 0xb89040},
                         {Metal, 0xc83838},
                         {Glow, 0xff3030},
                         {Shoes, 0x1a1418}});
    costumePalettes(s, {Top, Inner, Accent, Bottom});
    numbers(s, 400, 100, 5, 11, 0, 0, 1);
    KitOptions o;
    o.fighting = Fighting::Blade;
    o.projectile = "fireball";
    o.power = 1.2f;
    o.swagger = true;
    buildKit(s, o);
    return s;
}

CharacterSpec spectre()
{
    CharacterSpec s;
    s.name = "Spectre";
    s.style.hat = Headgear::Hood;
    s.style.hair = HairStyle::None;
    s.style.scarf = true;
    s.style.coat = Coat::Jacket;
    s.style.gloves = true;
    s.style.boots = true;
    s.style.glowEyes = true;
    s.style.weapon = Weapon::Scythe;
    s.colours = colours({{Skin, 0xb8c0c8},
                         {Top, 0x3a4658},
                         {Bottom, 0x2a303c},
                         {Inner, 0x1a1e26},
                         {Accent, 0x8a2a3a},
                         {Metal, 0xd0dce8},
                         {Glow, 0x60ffd0},
                         {Wood, 0x3a2a30}});
    costumePalettes(s, {Top, Accent, Bottom, Inner});
    numbers(s, 380, 100, 6, 17, 0, 0, 1);
    KitOptions o;
    o.fighting = Fighting::Blade;
    o.projectile = "knife";
    o.power = 1.15f;
    buildKit(s, o);
    return s;
}

CharacterSpec weldy()
{
    CharacterSpec s;
    s.name = "Weldy";
    s.style.hat = Headgear::WeldMask;
    s.style.hair = HairStyle::Short;
    s.style.coat = Coat::Vest;
    s.style.sleeves = 1;
    s.style.boots = true;
    s.style.gloves = true;
    s.style.weapon = Weapon::Whip;
    s.style.body.limb = 1.1f;
    s.colours = colours({{Skin, 0xc8946a},
                         {Top, 0x6a5a3a},
                         {Bottom, 0x3a4a3a},
                         {Inner, 0x8a8a80},
                         {Accent, 0x5a3a1a},
                         {Armour, 0x4a4a4e},
                         {Glow, 0x70d8ff},
                         {Extra2, 0xfff080}});
    costumePalettes(s, {Top, Bottom, Inner, Accent});
    numbers(s, 380, 100, 4, 15, 0, 0, 1);
    KitOptions o;
    o.fighting = Fighting::Whip;
    o.projectile = "fireball";
    o.power = 1.15f;
    buildKit(s, o);
    return s;
}

CharacterSpec brask()
{
    CharacterSpec s;
    s.name = "Brask";
    s.style.hair = HairStyle::None;
    s.style.beard = true;
    s.style.armour = true;
    s.style.sleeves = 0;
    s.style.boots = true;
    s.style.weapon = Weapon::Gauntlets;
    s.style.body = Body{}.scaled(1.2f);
    s.style.body.limb = 1.45f;
    s.style.body.chest = 18.0f;
    s.style.body.belly = 4.0f;
    s.colours = colours({{Skin, 0xc08a62},
                         {Hair, 0x8a3a1a},
                         {Top, 0x5a3a2a},
                         {Bottom, 0x3a3030},
                         {Armour, 0x6a6a72},
                         {Metal, 0x8a8e96},
                         {Accent, 0x7a2a1a}});
    costumePalettes(s, {Top, Bottom, Armour, Accent});
    numbers(s, 500, 100, 4, 13, 0, 0, 1);
    KitOptions o;
    o.fighting = Fighting::Brawler;
    o.power = 1.35f;
    o.tempo = 1.15f;
    buildKit(s, o);
    s.selectScale = 1.4f;
    return s;
}

CharacterSpec oleck()
{
    CharacterSpec s;
    s.name = "Oleck";
    s.style.hat = Headgear::Helmet;
    s.style.armour = true;
    s.style.boots = true;
    s.style.gloves = true;
    s.style.weapon = Weapon::Spear;
    s.style.body = Body{}.scaled(1.12f);
    s.style.body.limb = 0.95f;
    s.colours = colours({{Skin, 0xd8b090},
                         {Top, 0x3a4a5a},
                         {Bottom, 0x2a3440},
                         {Armour, 0x8a7a5a},
                         {Metal, 0xc0c8d0},
                         {Accent, 0x6a2a2a},
                         {Wood, 0x4a3a2a}});
    costumePalettes(s, {Top, Bottom, Armour, Accent});
    numbers(s, 450, 100, 5, 15, 0, 0, 1);
    KitOptions o;
    o.fighting = Fighting::Blade;
    o.power = 1.2f;
    buildKit(s, o);
    return s;
}

CharacterSpec giancarlo()
{
    CharacterSpec s;
    s.name = "Giancarlo";
    s.style.hair = HairStyle::Slick;
    s.style.beard = true;
    s.style.coat = Coat::Jacket;
    s.style.weapon = Weapon::TwinSwords;
    s.colours = colours({{Skin, 0xd8a07a},
                         {Hair, 0x1a1410},
                         {Top, 0xe8e4dc},
                         {Bottom, 0xe0dcd4},
                         {Inner, 0x2a2a34},
                         {Accent, 0xc0902a},
                         {Shoes, 0x6a3a1a},
                         {Metal, 0xe8ecf0}});
    costumePalettes(s, {Top, Bottom, Inner, Accent});
    numbers(s, 420, 100, 5, 16, 0, 0, 1);
    KitOptions o;
    o.fighting = Fighting::Blade;
    o.power = 1.2f;
    o.swagger = true;
    buildKit(s, o);
    return s;
}

CharacterSpec johnny()
{
    CharacterSpec s;
    s.name = "Johnny";
    s.style.hair = HairStyle::Messy;
    s.style.hat = Headgear::Bandana;
    s.style.coat = Coat::Vest;
    s.style.sleeves = 0;
    s.style.boots = true;
    s.style.glowEyes = true;
    s.style.weapon = Weapon::Knife;
    s.style.body.limb = 0.9f;
    s.colours = colours({{Skin, 0xd8b098},
                         {Hair, 0xd8d0b0},
                         {Top, 0x3a2a2a},
                         {Bottom, 0x2a2a3a},
                         {Inner, 0x8a1a1a},
                         {Accent, 0xc02020},
                         {Glow, 0xffe040}});
    costumePalettes(s, {Top, Bottom, Accent, Inner});
    numbers(s, 360, 100, 6, 17, 0, 0, 1);
    KitOptions o;
    o.fighting = Fighting::Blade;
    o.projectile = "knife";
    o.power = 1.1f;
    o.tempo = 0.85f;
    o.hunched = true;
    buildKit(s, o);
    return s;
}

CharacterSpec lilith()
{
    CharacterSpec s;
    s.name = "Lilith";
    s.style.female = true;
    s.style.hair = HairStyle::Long;
    s.style.horns = true;
    s.style.wings = true;
    s.style.tail = true;
    s.style.glowEyes = true;
    s.style.legwear = 3;
    s.style.boots = true;
    s.style.sleeves = 0;
    s.style.weapon = Weapon::GreatBlade;
    s.style.body = Body{}.scaled(1.08f);
    s.style.body.limb = 0.9f;
    s.style.body.chest = 11.5f;
    s.style.body.waist = 8.5f;
    s.style.body.hips = 11.5f;
    s.colours = colours({{Skin, 0xd8a8b0},
                         {Hair, 0x1a0e1a},
                         {Top, 0x3a0e1e},
                         {Bottom, 0x2a0a16},
                         {Accent, 0xc0903a},
                         {Metal, 0x1e1824},
                         {Glow, 0xff3a6a},
                         {Extra1, 0x4a1028},
                         {Shoes, 0x1a0a10},
                         {Eye, 0xe0d0c0}});
    costumePalettes(s, {Top, Bottom, Extra1, Accent});
    numbers(s, 500, 100, 5, 17, 0, 0, 1);
    KitOptions o;
    o.fighting = Fighting::Blunt;
    o.projectile = "fireball";
    o.power = 1.3f;
    o.swagger = true;
    buildKit(s, o);
    return s;
}
} // namespace

std::vector<CharacterSpec> theBosses()
{
    return {vlad(), spectre(), weldy(), brask(), oleck(), giancarlo(), johnny(), lilith()};
}
} // namespace datagen::roster
