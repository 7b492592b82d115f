// The pictures played once over a fight: the round's start, the knock-out and
// the match winner.
#pragma once

#include <string>

namespace datagen
{
// data/fightStart (a FIGHT! banner that opens and lands), data/fightKO (K.O.
// on a burst of fire) and data/fightWinner (a WINNER banner sliding in). Each
// plays at speed 3 for about a second and a quarter and ends on a still.
bool writeRoundOverlays(const std::string& dataDir);
} // namespace datagen
