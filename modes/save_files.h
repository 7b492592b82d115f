// The story's two save records and their files: progress (story.conf) and allies (allies.conf).
#pragma once

#include <string>

extern const char* const kStoryPath;
extern const char* const kAlliesPath;

// Weapon records the story file holds; the six weapons use 0 to 5.
constexpr int kWeaponRecords = 9;
// Ally ids 0 (no ally) to 8 (the bonus ally).
constexpr int kAllyIds = 9;

struct weaponRecord
{
    int locked;
    int exp;
    int level;
};

// The campaign's progress. Every user holds its own copy: construct, load,
// change, save; the file is the only thing they share.
class storyFile
{
public:
    storyFile();
    // Replaces the fields with the file's; a missing file is created from them.
    void loadStoryFile();
    // Writes every field; a failed save keeps the old file.
    void saveStoryFile();

    // The record of weapon `index`, or null outside 0..8 (a weapon number
    // read from a hand-edited file names no record).
    weaponRecord* weapon(int index);
    const weaponRecord* weapon(int index) const;

    int primaryWeapon;
    int secondaryWeapon;
    int progress;
    int coins;
    int strengthLevel;
    int defenceLevel;
    int speedLevel;
    int hpLevel;
    weaponRecord weapons[kWeaponRecords];
};

// The equipped ally, which allies are unlocked and the bonus ally's folder.
class allyFile
{
public:
    allyFile();
    void loadAllyFile();
    void saveAllyFile();

    int equippedAlly;
    // Indexed by ally id; id 0, no ally, is always unlocked.
    int allyLocked[kAllyIds];
    std::string bonusAllyName;
};
