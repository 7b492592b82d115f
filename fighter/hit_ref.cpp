// What a landed hit looks and sounds like on its victim, by hit type.
#include "fighter/hit_ref.h"

#include "engine/globals.h"
#include "fighter/fighter.h"
#include "fighter/move_set.h"

std::string hitRef::soundReference(int hitType)
{
    switch (hitType)
    {
    case 1:
        return "Blade_Light01";
    case 2:
        return "Blade_Medium01";
    case 3:
        return "Blade_Heavy01";
    case 4:
        return "Sharp_Hit1";
    case 5:
        return "Sharp_Hit2";
    case 6:
        return "Sharp_Hit3";
    default:
        return "NULL";
    }
}

std::string hitRef::sfxReference(int hitType)
{
    const int r = g_randomNumber.getNumber(3);
    if (hitType >= 1 && hitType <= 3)
        return "slash" + std::to_string(r + 1);
    if (hitType >= 4 && hitType <= 6)
        return "hit" + std::to_string(r + 1);
    return "NULL";
}

moveInfo* hitRef::hitReference(moveSet* moves, int hitType, Fighter* victim)
{
    if (!victim)
        return nullptr;
    const bool inAir = !victim->grounded;
    const bool ducking = !inAir && victim->state == "duck";
    std::string name;
    switch (hitType)
    {
    case 1:
    case 4:
    case 2:
    case 5:
    {
        const std::string level = (hitType == 1 || hitType == 4) ? "1" : "2";
        if (ducking)
        {
            name = "hit" + level + "Low";
            victim->changeFalling(false);
        }
        else
        {
            name = "hit" + level;
            if (inAir)
                victim->changeFalling(false);
        }
        break;
    }
    case 3:
    case 6:
        name = "hit3";
        victim->changeFalling(true);
        break;
    default:
        return nullptr;
    }
    return moves ? moves->findMove(name) : nullptr;
}

moveInfo* hitRef::deathReference(moveSet* moves, int, Fighter* victim)
{
    if (victim)
        victim->changeFalling(true);
    return moves ? moves->findMove("hit3") : nullptr;
}
