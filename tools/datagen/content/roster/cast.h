// Shared helpers of the character files and the families they define.
#pragma once

#include <initializer_list>
#include <utility>

#include "content/roster/motion.h"

namespace datagen::roster
{
// A neutral set of ramp colours with the given ones changed.
Colours colours(std::initializer_list<std::pair<int, std::uint32_t>> changes);

// Seven recolourings of a costume: each palette gives the listed ramps
// (first, second, third...) the colours of one scheme.
void costumePalettes(CharacterSpec& spec, std::initializer_list<int> ramps);
// Seven skin tints for monsters and the dead, plus costume colours.
void monsterPalettes(CharacterSpec& spec, std::initializer_list<int> ramps);
// Sets numbers in one line: hp, mp, speed, jump, bullets, bulletsMax, extra.
void numbers(CharacterSpec& spec, int hp, int mp, int speed, int jump, int bullets, int bulletsMax,
             int extra);

// The families, each in its own file.
std::vector<CharacterSpec> heroForms(); // Nick and his five weapon forms
std::vector<CharacterSpec> theDead();   // ZombieGuy, ZombieGal, FatZombie, MegaZombie
std::vector<CharacterSpec> theArmy();   // ArmyGunner, ArmyShield, Tank, Mech, AirshipDoor
std::vector<CharacterSpec> theDemons(); // HellHound, HellSkull, FiendM, SadGhost, MegaGhost, GasSprayer
std::vector<CharacterSpec> theBosses(); // Vlad, Spectre, Weldy, Brask, Oleck, Giancarlo, Johnny, Lilith
std::vector<CharacterSpec> theAllies(); // Male, Female, Rigby, Andy
std::vector<CharacterSpec> theBonus();  // Vellin, Tavin, Merrowby, Dravenholt, Zhevan
std::vector<CharacterSpec> theProps();  // PostBox, window1, window2
} // namespace datagen::roster
