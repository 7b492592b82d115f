// The story's two save records and their files: progress (story.conf) and allies (allies.conf).
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "engine/platform.h"

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

// The highest stat level the shop sells.
constexpr int kMaxStatLevel = 5;

// The one rule for a saved stat level, which the shop prices, sells and shows
// and the story's fighter gets: a hand-edited level is held within
// 0..kMaxStatLevel, so no save makes a fighter's speed, strength, defence or
// health negative or overflowing. The save itself keeps the level as read.
inline int statLevel(int saved)
{
    return std::clamp(saved, 0, kMaxStatLevel);
}

// A save written in full beside its file but not yet in place: the copy kept
// of the damaged file it replaces, when it needs one, then the file itself.
// A staged save dropped without its commit leaves every file as it was.
struct stagedSave
{
    std::vector<StagedFile> files;
    // Said once the kept copy is in place.
    std::string copyNote;
};

// The campaign's progress. Every user holds its own copy: construct, load,
// change, save; the file is the only thing they share.
class storyFile
{
public:
    storyFile();
    // Replaces the fields with the file's; a missing file is created from them.
    // A file that reads short or garbled (fewer lines than its 35, a line that
    // holds no plain number) gives 0 for what it lacks, and is remembered as
    // damaged: the first save over it keeps a copy of it beside it first.
    void loadStoryFile();
    // Writes every field; true when the file now holds them. A failed save
    // keeps the old file and says on the console which file and why. Writes
    // nothing after a load found the file there but could not read it, so the
    // defaults never replace the player's progress; over a damaged file, writes
    // only once a copy of it is kept (`keptCopyPath`).
    bool saveStoryFile();
    // The save in two steps, for a reward that writes both records' files:
    // `stageSave` writes every file of the save in full under temporary names
    // and puts none in place, `commitSave` renames them into place, the kept
    // copy first. Each answers and says its failures as `saveStoryFile` does.
    bool stageSave(stagedSave& staged) const;
    bool commitSave(stagedSave& staged);
    // The last load found the file but could not read it.
    bool unreadable() const { return readFailed; }
    // Why the last load read the file short or garbled, or "" when it read
    // cleanly; cleared once a save has written over it.
    const std::string& damage() const { return damaged; }

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
    std::string damaged;
};

// The equipped ally, which allies are unlocked and the bonus ally's folder.
class allyFile
{
public:
    allyFile();
    // Like the story's load; a file is damaged also when it ends before the
    // bonus ally's name (its eleventh line).
    void loadAllyFile();
    // Like the story's save: true when written, nothing over a file it could
    // not read, a copy kept before the first write over a damaged one.
    bool saveAllyFile();
    bool stageSave(stagedSave& staged) const;
    bool commitSave(stagedSave& staged);
    bool unreadable() const { return readFailed; }
    const std::string& damage() const { return damaged; }

    int equippedAlly;
    // Indexed by ally id; id 0, no ally, is always unlocked.
    int allyLocked[kAllyIds];
    std::string bonusAllyName;

private:
    bool readFailed = false;
    std::string damaged;
};

// Where the copy of a damaged save is kept before the first save over it:
// "<path>.bad", or "<path>.bad2", "<path>.bad3" ... when the earlier copies
// hold other files (an earlier copy is never overwritten) or a name cannot be
// written (a folder where its temporary goes). `n` counts from 1.
std::string keptCopyPath(const std::string& path, int n);
