// The select characters' numbers for versus and arcade.
#include "content/roster/roster_numbers.h"

#include <algorithm>

#include "content/roster/motion.h"

namespace datagen::roster
{
const std::vector<FighterNumbers>& fighterNumbers()
{
    static const std::vector<FighterNumbers> rows = {
        // Nick's weapons other than the story's bat and sword.
        {"NickWhip", 0.78f, 0, 0, 0, false},
        {"NickSwords", 1.05f, 0, 0, 0, false},
        {"NickGauntlets", 0.56f, 0, 0, 0, false},
        {"NickBlackBlade", 1.14f, 0, 0, 0, false},
        // The story's bosses, whose blows the story's fights bear.
        {"Vlad", 2.8f, 8950, 50, 150, false},
        {"Spectre", 1.6f, 3770, 50, 150, false},
        {"Weldy", 2.25f, 2350, 50, 150, false},
        {"Brask", 1.9f, 1640, 50, 150, false},
        {"Oleck", 1.9f, 2240, 50, 150, false},
        {"Giancarlo", 1.6f, 2800, 50, 150, false},
        {"Johnny", 2.5f, 2640, 50, 150, false},
        {"Lilith", 1.6f, 4490, 50, 150, false},
        {"Mech", 1.6f, 3310, 50, 150, false},
        // The allies and the bonus characters.
        {"Male", 3.7f, 860, 0, 0, false},
        {"Female", 3.2f, 890, 0, 0, false},
        {"Rigby", 6.4f, 1000, 0, 0, false},
        {"Andy", 3.1f, 1000, 0, 0, false},
        {"Vellin", 4.1f, 760, 0, 0, false},
        {"Tavin", 3.3f, 780, 0, 0, false},
        {"Merrowby", 3.7f, 1090, 0, 0, false},
        {"Dravenholt", 2.7f, 930, 0, 0, false},
        {"Zhevan", 3.9f, 960, 0, 0, false},
        // The stage crowds, whose blows the story's stages bear.
        {"ZombieGuy", 1.25f, 9360, 40, 150, false},
        {"ZombieGal", 1.25f, 2190, 40, 150, false},
        {"FatZombie", 1.25f, 3800, 40, 150, false},
        {"MegaZombie", 1.25f, 1630, 40, 150, false},
        {"ArmyGunner", 1.25f, 530, 40, 150, false},
        {"ArmyShield", 1.25f, 260, 40, 150, false},
        {"Tank", 1.25f, 2880, 40, 150, false},
        {"HellHound", 1.25f, 520, 40, 150, false},
        {"HellSkull", 1.25f, 590, 40, 150, false},
        {"FiendM", 1.25f, 810, 40, 150, false},
        {"SadGhost", 1.25f, 1620, 40, 150, false},
        {"MegaGhost", 1.25f, 480, 40, 150, false},
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
        addFury(spec, n.furyEnergy, n.furyDamage, n.computerFury);
        spec.mp = std::max(spec.mp, n.furyEnergy);
    }
}
} // namespace datagen::roster
