// What a landed hit looks and sounds like on its victim, by hit type.
#pragma once

#include <string>

class Fighter;
class moveSet;
class moveInfo;

class hitRef
{
public:
    std::string soundReference(int hitType);
    std::string sfxReference(int hitType);
    // The victim's reaction move, or null when the hit has none or the set
    // lacks it; sets or clears the victim's falling flag.
    moveInfo* hitReference(moveSet* moves, int hitType, Fighter* victim);
    moveInfo* deathReference(moveSet* moves, int hitType, Fighter* victim);
};
