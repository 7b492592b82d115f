// Writes small character folders (chardata, info, moveset, sound and sprite
// folders) from a table, for tests of fighters, controls and AIs.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "tests/support/test_support.h"

namespace testing_support
{
// A body frame: 40x80 picture with its anchor at the feet (20, 80) and a
// collision box around the body.
InfoFrame bodyFrame();

struct AnimSpec
{
    std::string name;
    std::vector<InfoFrame> frames; // empty: two body frames
};

struct MoveSpec
{
    MoveSpec() = default;
    MoveSpec(std::string n, std::string c = "zzz") : name(std::move(n)), command(std::move(c)) {}

    std::string name;
    std::string command = "zzz";
    int energy = 0;
    std::string link = "NULL";
    int linkFrame = 0;
    int interruptible = 1;
    std::string startFrom = "NULL";
    int startFrame = 0;
    int special = 0;
    int flag10 = 0;
    std::string condition = "NULL";
    std::vector<InfoFrame> frames; // empty: two body frames
};

struct CharacterSpec
{
    std::string folder = "data/characters/Test";
    std::string name = "Test";
    int hp = 100;
    int mp = 100;
    int speed = 4;
    int jump = 16;
    int bullets = 0;
    int bulletsMax = 0;
    int extra = 0;
    // Defaults to the animations every fighter needs.
    std::vector<AnimSpec> anims;
    std::vector<MoveSpec> moves;
    std::vector<std::string> sounds;
};

// The animations the fighter itself asks for by name.
std::vector<AnimSpec> standardAnims();

// Writes the folder; returns the path of its chardata file.
std::string writeCharacter(const CharacterSpec& spec);
// Writes one sprite folder with a 40x80 BMP per frame (file names from the frames).
void writeSpriteFolder(const std::string& folder, const std::vector<InfoFrame>& frames);

// One particle kind: its sprite folder's frames and its description file.
struct ParticleKindSpec
{
    std::string name;
    std::vector<InfoFrame> frames; // empty: one 40x80 frame, body box (0, 0)-(9, 9), anchor (0, 0)
    int number = 1;                // the second word of the kind's line in the list file
    int alpha = 255;
    int lifetime = 0;
    int gravity = 0;
    int extraFlag = 0;
    int dieAtLastFrame = 0;
    // OnDeath, OnHitPlayer, OnHitEnemy, OnHitTarget, OnHitAlly; an empty list
    // is written as the single entry "NULL", as the game's data does.
    std::vector<std::string> events[5];
};

// The description file of a kind.
std::string particleDescriptionText(const ParticleKindSpec& kind);
// Writes the list file data/<dir>/<file> ("PARTS: n" and a line per kind) and
// every kind's folder data/<dir>/<name> with its frames and description.
void writeParticleKinds(const std::string& dir, const std::string& file,
                        const std::vector<ParticleKindSpec>& kinds);
} // namespace testing_support
