// The select characters' numbers for versus and arcade.
#include "content/roster/roster_numbers.h"

#include <algorithm>

#include "content/roster/motion.h"

namespace datagen::roster
{
const std::vector<FighterNumbers>& fighterNumbers()
{
    // The health column is fitted from the balance report's versus table: a
    // character whose knock-out times stand at a median ratio r to its
    // opponents' (the one-on-one fighters against each other, the crowds
    // against each other) gets about its health divided by r. A light hitter
    // therefore has much health, and its fights last.
    static const std::vector<FighterNumbers> rows = {
        // Nick's weapons other than the story's bat and sword.
        {"NickWhip", 0.76f, 0, 0, 0},
        {"NickSwords", 1.15f, 0, 0, 0},
        {"NickGauntlets", 0.81f, 0, 0, 0},
        {"NickBlackBlade", 1.12f, 0, 0, 0},
        // The story's bosses, whose blows the story's fights bear.
        {"Vlad", 2.8f, 8770, 30, 600},
        {"Spectre", 1.6f, 3750, 30, 600},
        {"Weldy", 2.25f, 2280, 30, 600},
        {"Brask", 1.9f, 1520, 30, 600},
        {"Oleck", 1.9f, 2130, 30, 600},
        {"Giancarlo", 1.6f, 2980, 30, 600},
        {"Johnny", 2.5f, 2770, 30, 600},
        {"Lilith", 1.6f, 4400, 30, 600},
        {"Mech", 1.6f, 3410, 30, 600},
        // The allies and the bonus characters.
        {"Male", 3.7f, 860, 30, 400},
        {"Female", 3.2f, 870, 30, 400},
        {"Rigby", 6.4f, 1020, 30, 400},
        {"Andy", 3.1f, 1100, 30, 400},
        {"Vellin", 4.1f, 860, 30, 400},
        {"Tavin", 3.3f, 810, 30, 400},
        {"Merrowby", 3.7f, 1120, 30, 400},
        {"Dravenholt", 2.7f, 940, 30, 400},
        {"Zhevan", 3.9f, 960, 30, 400},
        // The stage crowds, whose blows the story's stages bear.
        {"ZombieGuy", 1.25f, 9360, 40, 150},
        {"ZombieGal", 1.25f, 2190, 40, 150},
        {"FatZombie", 1.25f, 3800, 40, 150},
        {"MegaZombie", 1.25f, 1630, 40, 150},
        {"ArmyGunner", 1.25f, 530, 40, 150},
        {"ArmyShield", 1.25f, 260, 40, 150},
        {"Tank", 1.25f, 2880, 40, 150},
        {"HellHound", 1.25f, 520, 40, 150},
        {"HellSkull", 1.25f, 590, 40, 150},
        {"FiendM", 1.25f, 810, 40, 150},
        {"SadGhost", 1.25f, 1620, 40, 150},
        {"MegaGhost", 1.25f, 480, 30, 250},
    };
    return rows;
}

void applyNumbers(CharacterSpec& spec, const FighterNumbers& n)
{
    if (n.damage > 0.0f && n.damage != 1.0f)
        scaleDamage(spec, n.damage);
    if (n.health > 0)
        spec.hp = n.health;
    if (n.furyDamage > 0)
    {
        addFury(spec, n.furyEnergy, n.furyDamage);
        spec.mp = std::max(spec.mp, n.furyEnergy);
    }
}
} // namespace datagen::roster
