// The story's two save records and their files: progress (story.conf) and allies (allies.conf).
#include "modes/save_files.h"

#include "engine/platform.h"
#include "engine/text_file.h"

#include <cstdio>
#include <vector>

const char* const kStoryPath = "data/gameFiles/story.conf";
const char* const kAlliesPath = "data/gameFiles/allies.conf";

namespace
{
const char* const kDefaultBonusAlly = "Merrowby";
constexpr int kStoryValues = 8 + 3 * kWeaponRecords;

// Opens a save file for reading. When that fails, `unreadable` tells whether
// the file exists but cannot be read: it is reported, and its record must
// never be saved over it, so no progress is lost. Otherwise the file is
// missing and is written from the record.
bool openSaveFile(TextFileReader& file, const char* path, bool& unreadable)
{
    unreadable = false;
    // A folder in the file's place opens on some systems but never reads.
    if (!isDirectory(path) && file.open(path, kMaxValueLine))
        return true;
    if (fileExists(path) || isDirectory(path))
    {
        std::printf("Unable to read %s; it is left as it is\n", path);
        unreadable = true;
    }
    return false;
}

void addLine(std::string& text, int value)
{
    text += std::to_string(value);
    text += '\n';
}
} // namespace

storyFile::storyFile()
    : primaryWeapon(1), secondaryWeapon(1), progress(0), coins(0), strengthLevel(0), defenceLevel(0),
      speedLevel(0), hpLevel(0)
{
    // Weapons 0 and 1 can be chosen from the start.
    for (int i = 0; i < kWeaponRecords; ++i)
        weapons[i] = {i <= 1 ? 0 : 1, 0, 0};
}

weaponRecord* storyFile::weapon(int index)
{
    return index >= 0 && index < kWeaponRecords ? &weapons[index] : nullptr;
}

const weaponRecord* storyFile::weapon(int index) const
{
    return index >= 0 && index < kWeaponRecords ? &weapons[index] : nullptr;
}

void storyFile::loadStoryFile()
{
    TextFileReader file;
    if (!openSaveFile(file, kStoryPath, readFailed))
    {
        // A missing file is created from the record; an unreadable one is left alone.
        saveStoryFile();
        return;
    }
    const std::vector<std::string> lines = readValueLines(file, kStoryValues);
    int* const single[] = {&primaryWeapon, &secondaryWeapon, &progress,   &coins,
                           &strengthLevel, &defenceLevel,    &speedLevel, &hpLevel};
    std::size_t at = 0;
    for (int* field : single)
        *field = parseInt(lines[at++]);
    for (weaponRecord& w : weapons)
    {
        w.locked = parseInt(lines[at++]);
        w.exp = parseInt(lines[at++]);
        w.level = parseInt(lines[at++]);
    }
}

void storyFile::saveStoryFile()
{
    if (readFailed)
        return;
    std::string text;
    for (int value :
         {primaryWeapon, secondaryWeapon, progress, coins, strengthLevel, defenceLevel, speedLevel, hpLevel})
        addLine(text, value);
    for (const weaponRecord& w : weapons)
    {
        addLine(text, w.locked);
        addLine(text, w.exp);
        addLine(text, w.level);
    }
    writeFileAtomically(kStoryPath, text);
}

allyFile::allyFile() : equippedAlly(0), bonusAllyName(kDefaultBonusAlly)
{
    for (int i = 0; i < kAllyIds; ++i)
        allyLocked[i] = i == 0 ? 0 : 1;
}

void allyFile::loadAllyFile()
{
    TextFileReader file;
    if (!openSaveFile(file, kAlliesPath, readFailed))
    {
        // A missing file is created from the record; an unreadable one is left alone.
        saveAllyFile();
        return;
    }
    const std::vector<std::string> lines = readValueLines(file, 1 + kAllyIds);
    equippedAlly = parseInt(lines[0]);
    for (int i = 0; i < kAllyIds; ++i)
        allyLocked[i] = parseInt(lines[static_cast<std::size_t>(i) + 1]);
    allyLocked[0] = 0;
    // A file that ends right after the flags' line end has an empty name;
    // one cut shorter keeps the default.
    if (file.eof())
        bonusAllyName = kDefaultBonusAlly;
    else if (!file.readLine(bonusAllyName))
        bonusAllyName.clear();
}

void allyFile::saveAllyFile()
{
    if (readFailed)
        return;
    allyLocked[0] = 0;
    std::string text;
    addLine(text, equippedAlly);
    for (int flag : allyLocked)
        addLine(text, flag);
    text += bonusAllyName;
    text += '\n';
    writeFileAtomically(kAlliesPath, text);
}
