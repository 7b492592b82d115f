// Particle kinds as the fighter engine reads them: the description file
// `particle` beside a kind's frames, and the list files naming the kinds.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace datagen
{
struct ParticleDescription
{
    int alpha = 255;  // 255 opaque
    int lifetime = 0; // ms; 0 lives until something else ends it
    bool gravity = false;
    bool extra = false;
    bool dieAtLastFrame = true;
    // OnDeath, OnHitPlayer, OnHitEnemy, OnHitTarget, OnHitAlly: each entry is
    // "NULL", "death true" or "<kind> <dx> <dy>". An empty list is written as
    // one "NULL", since the engine tests a list's first entry.
    std::array<std::vector<std::string>, 5> events;
};

enum ParticleEventList
{
    kOnDeath = 0,
    kOnHitPlayer = 1,
    kOnHitEnemy = 2,
    kOnHitTarget = 3,
    kOnHitAlly = 4,
};

// The description text; false with `error` set when an entry is not one line.
bool particleText(const ParticleDescription& d, std::string& out, std::string& error);

// "PARTS: n" and a "<name> 0" line for each kind.
std::string particleListText(const std::vector<std::string>& kinds);
} // namespace datagen
