// What one roster character is: its look (style and colours), its numbers,
// its animations and moves as keyframed clips with frame data, its AI's
// attack list and its own sounds. Character files fill one of these in; the
// writer turns it into a character folder.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "content/roster/figure.h"
#include "core/wav.h"

namespace datagen::roster
{
// The part of the body a striking frame hits with.
enum class Strike
{
    None,
    HandN,
    HandF,
    FootN,
    FootF,
    WeaponN, // the near hand's weapon, grip to tip
    WeaponF,
    Head,   // bites and headbutts
    Body,   // charges, belly bumps, slams: the front half of the body box
    Gas,    // a sprayer's cloud
    Around, // everything within reach all round (spins, shockwaves)
};

// One keyframe; the frames between two keys are eased in-betweens.
struct Key
{
    Pose pose;
    int pause = 40;  // ms each frame of this key shows (before the 1.5 sprite speed)
    int between = 0; // in-betweens drawn before this key
    Strike strike = Strike::None;
    int damage = 0;
    int hitType = 1; // 1-3 blade, 4-6 blunt, 7 grab
    int xStep = 0;   // pixels a physics step, forward
    int yBoost = 0;
    std::string sound; // a sound name, or empty
    std::string shot;  // a particle kind that leaves the muzzle
    std::string puff;  // a particle kind at the feet (dust)
    std::string face;  // a face cut-in
    bool deflecting = false;
    bool holdIfDown = false; // stop here when the fighter has no health left
    int jumpIfUp = -1;       // with health left, jump to this frame
    float reachOut = 0.0f;   // damage box grows this far forward (shockwaves)
    bool sweepLow = false;   // the damage box reaches down to the shins: low bodies are hit too
    float hitRise = 0.0f;    // grabs: the hold point this far above the hand
};

struct Clip
{
    std::string name;
    std::vector<Key> keys;
};

enum class AiKind
{
    None,
    Ground,
    Duck,
    Aerial,
};

struct MoveDef
{
    Clip clip;
    std::string command = "zzz";
    int energy = 0;
    std::string link = "NULL";
    int linkFrame = 0;
    bool interruptible = true;
    std::string startFrom = "NULL";
    int startFrame = 0;
    bool special = false;
    std::string condition = "NULL";
    // The AI's use of it: its section and range letters (S, M, L, U, D).
    AiKind ai = AiKind::None;
    std::string ranges;
    std::string aiFollows; // the linked section: the attack this one follows
    std::string aiCancels; // the cancel section: the attack this one cancels into
    // A deflected frame of this move makes the attacker play this move.
    std::string deflected = "hit1";
};

struct CharacterSpec
{
    std::string name;
    Style style;
    Colours colours;
    // Palettes 1..7: each changes some ramps' base colours.
    std::array<std::vector<std::pair<int, Colour>>, 7> palettes;
    int hp = 100;
    int mp = 100;
    int speed = 4;
    int jump = 16;
    int bullets = 0;
    int bulletsMax = 0;
    int extra = 0;           // > 0: blood on hits
    std::vector<Clip> anims; // "standing" first
    std::vector<MoveDef> moves;
    std::vector<NamedSound> sounds;
    bool selectable = true; // has character-select pictures
    float selectScale = 1.6f;
};

// Every character the generator writes, roster order first.
const std::vector<std::string>& rosterNames();
std::vector<CharacterSpec> allCharacters();
} // namespace datagen::roster
