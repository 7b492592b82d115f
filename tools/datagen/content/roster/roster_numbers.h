// The numbers that set how a select character fares against the others in
// versus and arcade: its damage, its health, and its fury.
#pragma once

#include <vector>

#include "content/roster/character.h"

namespace datagen::roster
{
struct FighterNumbers
{
    const char* name;
    // Times every blow of the character, on top of its family's and its own
    // factor (0: as they are). A move's damage reaches every mode.
    float damage;
    // The health its chardata gives (0: the character file's own). The story
    // reads it only for Nick's forms and the ally; a stage takes its enemies'
    // health from its script and a story boss from the story's table.
    int health;
    // "fury" (down, back, A: no other move answers it): its power cost and its whole damage (0: none).
    // Only a player uses it: the computer's attack list leaves it out, so the
    // story's bosses and crowds, and every computer fighter, fight without it.
    int furyEnergy;
    int furyDamage;
};

// One row per select character whose numbers differ from its family's.
const std::vector<FighterNumbers>& fighterNumbers();

// Applies a row to a character whose family damage is already set.
void applyNumbers(CharacterSpec& spec, const FighterNumbers& numbers);
} // namespace datagen::roster
