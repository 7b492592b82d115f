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
        {"NickWhip", 0.78f, 0, 0, 0},
        {"NickSwords", 1.05f, 0, 0, 0},
        {"NickGauntlets", 0.56f, 0, 0, 0},
        {"NickBlackBlade", 1.14f, 0, 0, 0},
        // The story's bosses, whose blows the story's fights bear.
        {"Vlad", 2.8f, 8950, 50, 150},
        {"Spectre", 1.6f, 3770, 50, 150},
        {"Weldy", 2.25f, 2350, 50, 150},
        {"Brask", 1.9f, 1700, 50, 150},
        {"Oleck", 1.9f, 2240, 50, 150},
        {"Giancarlo", 1.6f, 2800, 50, 150},
        {"Johnny", 2.5f, 2640, 50, 150},
        {"Lilith", 1.6f, 4490, 50, 150},
        {"Mech", 1.6f, 3310, 50, 150},
        // The allies and the bonus characters.
        {"Male", 3.7f, 860, 0, 0},
        {"Female", 3.2f, 890, 0, 0},
        {"Rigby", 6.4f, 1000, 0, 0},
        {"Andy", 3.1f, 1000, 0, 0},
        {"Vellin", 4.1f, 760, 0, 0},
        {"Tavin", 3.3f, 780, 0, 0},
        {"Merrowby", 3.7f, 1090, 0, 0},
        {"Dravenholt", 2.7f, 990, 0, 0},
        {"Zhevan", 3.9f, 960, 0, 0},
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
        {"MegaGhost", 1.25f, 480, 40, 150},
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
