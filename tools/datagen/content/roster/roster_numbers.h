// Every character's balance numbers in one table: how hard its blows land,
// a player's own blows on it (heavy and fury), the health its chardata gives
// and, for Nick's forms, the weapon levels' specials. The numbers it holds
// reach the modes as HACKING.md tells.
#pragma once

#include <vector>

#include "content/roster/character.h"

namespace datagen::roster
{
struct FighterNumbers
{
    const char* name;
    // Times every blow of the standard kit and the character's own moves: the
    // blows the computer throws and a player's alike, in every mode.
    float damage;
    // "heavy" (C: no other move answers it): its whole damage, 0 for none.
    // Only a player presses it, and only in versus: on the stages and in the
    // story's fights C swaps weapons.
    int heavy;
    // The health its chardata gives (0: the character file's own). The story
    // reads it only for Nick's forms and the ally; a stage takes its enemies'
    // health from its script and a story boss from the story's table.
    int health;
    // "fury" (down, back, A: no other move answers it): its power cost and its
    // whole damage (0: none). Only a player uses it.
    int furyEnergy;
    int furyDamage;
    // Nick's forms: times the specials weapon levels 2 and 3 unlock ("...Lv2",
    // "...Lv3") strike on top, and times the Lv3 special strikes again as a
    // player's finisher (sweeping low, out of the computer's list).
    float unlocked = 1.0f;
    float finisher = 1.0f;
};

// One row per character the generator writes.
const std::vector<FighterNumbers>& fighterNumbers();

// The row of a character; null when it has none.
const FighterNumbers* numbersOf(const std::string& name);

// Every character of `specs` has exactly one row and every row names one of
// them; otherwise says which on stderr and answers false.
bool checkNumbers(const std::vector<CharacterSpec>& specs);

// Applies a row to a character built by its family's maker.
void applyNumbers(CharacterSpec& spec, const FighterNumbers& numbers);
} // namespace datagen::roster
