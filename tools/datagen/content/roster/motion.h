// The pose library and the standard kit: every body kind's resting
// animations, hit reactions, blocks, falls and poses, and each fighting
// style's chains, heavies, low and air attacks and specials, as keyframed
// clips with their frame data.
#pragma once

#include <string>

#include "content/roster/character.h"

namespace datagen::roster
{
// How a character fights; picks the clips of its arsenal.
enum class Fighting
{
    Brawler, // fists and feet (gauntlets and claws too)
    Blade,   // one-handed edge: sword, knife, twin swords, scythe, spear
    Blunt,   // bat, wrench, crowbar, staff, great blade: heavier swings
    Whip,
    Gunner, // rifle, pistols, arm cannon
    Shield,
    Zombie,
    Hound,
    Ghost,
    Skull,
    Tank,
    Sprayer,
    Door,
    Prop,
};

struct KitOptions
{
    Fighting fighting = Fighting::Brawler;
    // One-on-one grab: a hit-type-7 blow that holds and throws.
    bool grab = true;
    // A stage enemy's grab: a melee blow, then a grab shot that holds.
    bool stageGrab = false;
    // The kind a ranged special or attack fires ("" none).
    std::string projectile;
    // Add the style's generic specials (the hero forms bring their own).
    bool specials = true;
    // Damage of every blow times this.
    float power = 1.0f;
    // Walking and ducking pauses times this, and above 1 lying and rising
    // too (heavier bodies move slower and get up slower).
    float tempo = 1.0f;
    // Stance and walk flavour.
    bool swagger = false; // a cocky, upright stance
    bool hunched = false;
};

// Names of the sounds the kit uses for a character: "<name>Swing" and so on.
std::string soundName(const std::string& character, const char* what);

// Fills spec.anims and spec.moves with the standard kit (chardata numbers and
// style must be set first) and spec.sounds with the character's own sounds.
void buildKit(CharacterSpec& spec, const KitOptions& options);

// Drops the sounds no frame plays (call after adding moves of one's own).
void keepUsedSounds(CharacterSpec& spec);

// Multiplies the damage of every striking key of the character's moves (at least 1 each).
void scaleDamage(CharacterSpec& spec, float factor);

// Adds "fury", a player's special on down, back, A that costs `energy` power
// and deals `damage` in all, shaped from the character's hardest ground attack
// for close range; its blows sweep low. The computer's attack list leaves it out.
void addFury(CharacterSpec& spec, int energy, int damage);

// Adds "heavy", a player's blow on C (no other move answers it) that deals
// `damage` in all, shaped from the hardest close blow that is not a grab and
// sweeping low, costing nothing and showing no cut-in. The computer's attack
// list leaves it out, and on the stages and in the story's fights C swaps
// weapons, so it reaches versus only, where C is a third attack button.
void addHeavy(CharacterSpec& spec, int damage);

// Pose helpers for character files that add their own moves.
Pose guardPose(const CharacterSpec& spec, Fighting fighting);
Key key(const Pose& pose, int pause, int between = 0);
Key strikeKey(const Pose& pose, int pause, int between, Strike strike, int damage, int hitType);
MoveDef moveDef(const std::string& name, const std::string& command, std::vector<Key> keys);
} // namespace datagen::roster
