// The story's two save records and their files: progress (story.conf) and allies (allies.conf).
#pragma once

#include <algorithm>
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

// A saved stat level as the shop sells it and the fighter gets it: a
// hand-edited level below 0 counts as 0.
inline int statLevel(int saved)
{
    return std::max(saved, 0);
}

// The campaign's progress. Every user holds its own copy: construct, load,
// change, save; the file is the only thing they share.
class storyFile
{
public:
    storyFile();
    // Replaces the fields with the file's; a missing file is created from them.
    void loadStoryFile();
    // Writes every field; a failed save keeps the old file. Writes nothing
    // after a load found the file there but could not read it, so the
    // defaults never replace the player's progress.
    void saveStoryFile();
    // The last load found the file but could not read it.
    bool unreadable() const { return readFailed; }

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

private:
    bool readFailed = false;
};

// The equipped ally, which allies are unlocked and the bonus ally's folder.
class allyFile
{
public:
    allyFile();
    void loadAllyFile();
    // Like the story's save, writes nothing over a file it could not read.
    void saveAllyFile();
    bool unreadable() const { return readFailed; }

    int equippedAlly;
    // Indexed by ally id; id 0, no ally, is always unlocked.
    int allyLocked[kAllyIds];
    std::string bonusAllyName;

private:
    bool readFailed = false;
};
