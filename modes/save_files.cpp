// The story's two save records and their files: progress (story.conf) and allies (allies.conf).
#include "modes/save_files.h"

#include "engine/platform.h"
#include "engine/text_file.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <vector>

const char* const kStoryPath = "data/gameFiles/story.conf";
const char* const kAlliesPath = "data/gameFiles/allies.conf";

namespace
{
const char* const kDefaultBonusAlly = "Merrowby";
constexpr int kStoryValues = 8 + 3 * kWeaponRecords;
constexpr int kAllyValues = 1 + kAllyIds;
// How many copies of damaged saves are kept beside a save at most.
constexpr int kMaxKeptCopies = 99;

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

// A line as the savers write it, give or take blanks around it, a plus sign
// or leading zeros: a sign and digits within the int range. Anything else
// (a word, an empty line, "12abc", a number past the int range) reads as
// something other than what the line says.
bool plainNumber(const std::string& line)
{
    std::size_t at = line.find_first_not_of(" \t");
    if (at == std::string::npos)
        return false;
    const std::size_t end = line.find_last_not_of(" \t") + 1;
    bool negative = false;
    if (line[at] == '+' || line[at] == '-')
    {
        negative = line[at] == '-';
        ++at;
    }
    if (at == end)
        return false;
    const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
    long long value = 0;
    for (; at < end; ++at)
    {
        const char c = line[at];
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + (c - '0');
        if (value > limit)
            return false;
    }
    return true;
}

// Reads `count` one-value lines as the game always has (0 for what the file
// lacks) and says why they did not read cleanly: the first line that holds no
// plain number, or where the file ends short; "" when they read cleanly.
std::string readNumbers(TextFileReader& file, int count, std::vector<int>& values)
{
    int present = 0;
    const std::vector<std::string> lines = readValueLines(file, count, &present);
    std::string problem;
    values.clear();
    for (int i = 0; i < count; ++i)
    {
        const std::string& line = lines[static_cast<std::size_t>(i)];
        values.push_back(parseInt(line));
        if (problem.empty() && i < present && !plainNumber(line))
            problem = "line " + std::to_string(i + 1) + " holds no plain number";
    }
    if (problem.empty() && present < count)
        problem = present == 0 ? "it is empty" : "it ends after line " + std::to_string(present);
    return problem;
}

// Reads an open story file into `s`; says why it did not read cleanly, or "".
std::string readStory(TextFileReader& file, storyFile& s)
{
    std::vector<int> values;
    const std::string problem = readNumbers(file, kStoryValues, values);
    int* const single[] = {&s.primaryWeapon, &s.secondaryWeapon, &s.progress,   &s.coins,
                           &s.strengthLevel, &s.defenceLevel,    &s.speedLevel, &s.hpLevel};
    std::size_t at = 0;
    for (int* field : single)
        *field = values[at++];
    for (weaponRecord& w : s.weapons)
    {
        w.locked = values[at++];
        w.exp = values[at++];
        w.level = values[at++];
    }
    return problem;
}

// Reads an open ally file into `a`; says why it did not read cleanly, or "".
std::string readAllies(TextFileReader& file, allyFile& a)
{
    std::vector<int> values;
    std::string problem = readNumbers(file, kAllyValues, values);
    a.equippedAlly = values[0];
    for (int i = 0; i < kAllyIds; ++i)
        a.allyLocked[i] = values[static_cast<std::size_t>(i) + 1];
    a.allyLocked[0] = 0;
    // A file that ends right after the flags' line end has an empty name;
    // one cut shorter keeps the default.
    bool named = false;
    if (file.eof())
        a.bonusAllyName = kDefaultBonusAlly;
    else if (file.readLine(a.bonusAllyName))
        named = true;
    else
        a.bonusAllyName.clear();
    if (problem.empty() && !named)
        problem = "it ends after line " + std::to_string(kAllyValues) + ", before the bonus ally's name";
    return problem;
}

bool sameBytes(const std::string& path, const std::vector<unsigned char>& bytes)
{
    std::vector<unsigned char> kept;
    return readWholeFile(path, kept) && kept == bytes;
}

// A failure every name on the disk would meet alike: trying another is no use.
bool wholeDiskFails(int error)
{
    return error == ENOSPC || error == EDQUOT || error == EROFS || error == EIO;
}

// Before the first save over a file its record read short or garbled, stages
// a copy of the file beside it. Only a file that still reads so needs one
// (another record may have saved over it since), and a copy already kept of
// the same bytes serves again. A name the copy cannot be written under (a
// folder where its temporary goes) passes to the next. False, with the reason
// on the console, when no copy could be staged: the save must then write
// nothing.
bool stageDamagedCopy(const char* path, std::string (*readsAs)(TextFileReader&), stagedSave& staged)
{
    if (!fileExists(path) && !isDirectory(path))
        return true; // gone since: nothing to keep
    TextFileReader file;
    if (isDirectory(path) || !file.open(path, kMaxValueLine))
    {
        std::printf("Not saving %s: it cannot be read to keep a copy of it; it is left as it is\n", path);
        return false;
    }
    const std::string problem = readsAs(file);
    file.close();
    if (problem.empty())
        return true;
    std::vector<unsigned char> bytes;
    if (!readWholeFile(path, bytes))
    {
        std::printf("Not saving %s: it cannot be read to keep a copy of it; it is left as it is\n", path);
        return false;
    }
    for (int n = 1; n <= kMaxKeptCopies; ++n)
    {
        const std::string copy = keptCopyPath(path, n);
        if (fileExists(copy) || isDirectory(copy))
        {
            if (!sameBytes(copy, bytes))
                continue;
            std::printf("%s did not read cleanly (%s); a copy of it is already kept as %s\n", path,
                        problem.c_str(), copy.c_str());
            return true;
        }
        StagedFile written;
        if (written.write(copy, std::string(bytes.begin(), bytes.end())))
        {
            staged.files.push_back(std::move(written));
            staged.copyNote = std::string(path) + " did not read cleanly (" + problem +
                              "); kept a copy of it as " + copy + " before saving over it";
            return true;
        }
        if (wholeDiskFails(written.error()))
        {
            std::printf("Not saving %s: it did not read cleanly (%s) and no copy of it could be kept as %s; "
                        "it is left as it is\n",
                        path, problem.c_str(), copy.c_str());
            return false;
        }
    }
    std::printf("Not saving %s: it did not read cleanly (%s) and no copy of it could be kept as any of %s to "
                "%s; it is left as it is\n",
                path, problem.c_str(), keptCopyPath(path, 1).c_str(),
                keptCopyPath(path, kMaxKeptCopies).c_str());
    return false;
}

std::string storyReadsAs(TextFileReader& file)
{
    storyFile scratch;
    return readStory(file, scratch);
}

std::string alliesReadAs(TextFileReader& file)
{
    allyFile scratch;
    return readAllies(file, scratch);
}

// Stages the save's files: a copy of a damaged file first, then the file.
bool stageWrite(const char* path, const std::string& text, const std::string& damaged,
                std::string (*readsAs)(TextFileReader&), stagedSave& staged)
{
    staged = stagedSave();
    if (!damaged.empty() && !stageDamagedCopy(path, readsAs, staged))
        return false;
    StagedFile file;
    if (!file.write(path, text))
    {
        staged = stagedSave();
        return false;
    }
    staged.files.push_back(std::move(file));
    return true;
}

// Puts the staged files in place in order; the file itself comes last, so it
// is never replaced before the copy of it stands.
bool commitStaged(stagedSave& staged, std::string& damaged)
{
    if (staged.files.empty())
        return false;
    for (StagedFile& file : staged.files)
    {
        if (!file.commit())
        {
            staged = stagedSave();
            return false;
        }
        if (&file != &staged.files.back())
            std::printf("%s\n", staged.copyNote.c_str());
    }
    staged = stagedSave();
    damaged.clear();
    return true;
}

bool refuseUnreadable(const char* path)
{
    std::printf("Not saving %s: it could not be read when it was loaded, so it is left as it is\n", path);
    return false;
}

void addLine(std::string& text, int value)
{
    text += std::to_string(value);
    text += '\n';
}
} // namespace

std::string keptCopyPath(const std::string& path, int n)
{
    return path + ".bad" + (n > 1 ? std::to_string(n) : std::string());
}

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
    damaged.clear();
    TextFileReader file;
    if (!openSaveFile(file, kStoryPath, readFailed))
    {
        // A missing file is created from the record; an unreadable one is left alone.
        if (!readFailed)
            saveStoryFile();
        return;
    }
    damaged = readStory(file, *this);
}

bool storyFile::stageSave(stagedSave& staged) const
{
    staged = stagedSave();
    if (readFailed)
        return refuseUnreadable(kStoryPath);
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
    return stageWrite(kStoryPath, text, damaged, storyReadsAs, staged);
}

bool storyFile::commitSave(stagedSave& staged)
{
    return commitStaged(staged, damaged);
}

bool storyFile::saveStoryFile()
{
    stagedSave staged;
    return stageSave(staged) && commitSave(staged);
}

allyFile::allyFile() : equippedAlly(0), bonusAllyName(kDefaultBonusAlly)
{
    for (int i = 0; i < kAllyIds; ++i)
        allyLocked[i] = i == 0 ? 0 : 1;
}

void allyFile::loadAllyFile()
{
    damaged.clear();
    TextFileReader file;
    if (!openSaveFile(file, kAlliesPath, readFailed))
    {
        // A missing file is created from the record; an unreadable one is left alone.
        if (!readFailed)
            saveAllyFile();
        return;
    }
    damaged = readAllies(file, *this);
}

bool allyFile::stageSave(stagedSave& staged) const
{
    staged = stagedSave();
    if (readFailed)
        return refuseUnreadable(kAlliesPath);
    std::string text;
    addLine(text, equippedAlly);
    // Id 0, no ally, is always unlocked.
    addLine(text, 0);
    for (int id = 1; id < kAllyIds; ++id)
        addLine(text, allyLocked[id]);
    text += bonusAllyName;
    text += '\n';
    return stageWrite(kAlliesPath, text, damaged, alliesReadAs, staged);
}

bool allyFile::commitSave(stagedSave& staged)
{
    return commitStaged(staged, damaged);
}

bool allyFile::saveAllyFile()
{
    allyLocked[0] = 0;
    stagedSave staged;
    return stageSave(staged) && commitSave(staged);
}
