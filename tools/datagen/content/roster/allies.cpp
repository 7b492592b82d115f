// The survivors who fight at Nick's side.
#include "content/roster/cast.h"

namespace datagen::roster
{
namespace
{
CharacterSpec male()
{
    CharacterSpec s;
    s.name = "Male";
    s.style.hair = HairStyle::Short;
    s.style.sleeves = 1;
    s.style.weapon = Weapon::Crowbar;
    s.colours =
        colours({{Skin, 0xc8906a}, {Hair, 0x2a1a12}, {Top, 0x3a7a9a}, {Bottom, 0x4a4a52}, {Shoes, 0x6a4a2a}});
    costumePalettes(s, {Top, Bottom, Shoes});
    numbers(s, 280, 100, 5, 16, 0, 0, 1);
    KitOptions o;
    o.fighting = Fighting::Blunt;
    buildKit(s, o);
    return s;
}

CharacterSpec female()
{
    CharacterSpec s;
    s.name = "Female";
    s.style.female = true;
    s.style.hair = HairStyle::Ponytail;
    s.style.sleeves = 0;
    s.style.body.limb = 0.85f;
    s.style.body.chest = 10.5f;
    s.style.body.waist = 8.0f;
    s.style.body.hips = 10.5f;
    s.colours = colours({{Skin, 0xe8b894},
                         {Hair, 0xa85a2a},
                         {Top, 0x2a9a7a},
                         {Bottom, 0x2a2a3a},
                         {Shoes, 0xe8e8e8},
                         {Accent, 0x1a1a1a}});
    costumePalettes(s, {Top, Bottom, Hair});
    numbers(s, 260, 100, 6, 17, 0, 0, 1);
    KitOptions o;
    o.fighting = Fighting::Brawler;
    o.projectile = "knife";
    buildKit(s, o);
    return s;
}

CharacterSpec rigby()
{
    CharacterSpec s;
    s.name = "Rigby";
    s.style.female = true;
    s.style.hair = HairStyle::Bun;
    s.style.hat = Headgear::Cap;
    s.style.boots = true;
    s.style.gloves = true;
    s.style.weapon = Weapon::Rifle;
    s.style.body.limb = 0.88f;
    s.style.body.chest = 11.0f;
    s.style.body.waist = 8.5f;
    s.style.body.hips = 10.5f;
    s.colours = colours({{Skin, 0xe0a880},
                         {Hair, 0xc87a3a},
                         {Top, 0x6a7a4a},
                         {Bottom, 0x5a6440},
                         {Accent, 0x4a5a3a},
                         {Shoes, 0x2a2420},
                         {Metal, 0x4a4e54}});
    costumePalettes(s, {Top, Bottom, Accent});
    numbers(s, 260, 100, 5, 16, 40, 40, 1);
    KitOptions o;
    o.fighting = Fighting::Gunner;
    o.projectile = "bullet";
    buildKit(s, o);
    return s;
}

CharacterSpec andy()
{
    CharacterSpec s;
    s.name = "Andy";
    s.style.hair = HairStyle::Messy;
    s.style.hat = Headgear::Cap;
    s.style.coat = Coat::Jacket;
    s.style.weapon = Weapon::Wrench;
    s.style.body = Body{}.scaled(0.92f);
    s.colours = colours({{Skin, 0xe4ae86},
                         {Hair, 0xc87a3a},
                         {Top, 0xd0a020},
                         {Bottom, 0x3a4a6a},
                         {Inner, 0x2a2a30},
                         {Accent, 0x2a6aa0},
                         {Shoes, 0xc02a2a}});
    costumePalettes(s, {Top, Bottom, Accent, Inner});
    numbers(s, 260, 100, 5, 17, 0, 0, 1);
    KitOptions o;
    o.fighting = Fighting::Blunt;
    buildKit(s, o);
    return s;
}
} // namespace

std::vector<CharacterSpec> theAllies()
{
    return {male(), female(), rigby(), andy()};
}
} // namespace datagen::roster
