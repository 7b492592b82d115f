// How a stage or fight ended, read the same way by every mode that runs one.
#include "modes/fight_result.h"

FightEnd fightEnd(bool finished, int winner)
{
    if (!finished)
        return FightEnd::Left;
    return winner == 1 ? FightEnd::Won : FightEnd::Lost;
}
