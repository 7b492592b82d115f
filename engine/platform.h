// The few operating-system services the game needs, in one place.
#pragma once

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

// Hides the process's console window where the system gives it one. Desktop
// Linux starts the game without a console window of its own, so this does
// nothing there.
void hideConsoleWindow();

bool isDirectory(const std::string& path);
bool fileExists(const std::string& path);
// Size in bytes, or -1 when the file cannot be examined.
long long fileSizeOf(const std::string& path);

// Opens a file for reading ("rb"), or null with errno set. The game's text
// data and saves are read through here.
std::FILE* openForReading(const std::string& path);

// Makes openForReading refuse every path `refused` answers true for, as for a
// user without read permission (tests run as root, who may read anything).
// An empty function refuses nothing.
using ReadRefusal = std::function<bool(const std::string& path)>;
void setReadRefusal(ReadRefusal refused);

// Reads a whole regular file (not a folder or device) into `bytes`, checking
// every call; false when it cannot be read, leaving `bytes` empty.
bool readWholeFile(const std::string& path, std::vector<unsigned char>& bytes);

// Finds `name` inside `dir` comparing names without regard to case, the way
// the game's data was laid out on case-insensitive disks. Returns the path of
// the file as it exists ("dir/realName"), an exact match first; when nothing
// matches returns "dir/name".
std::string resolvePathNoCase(const std::string& dir, const std::string& name);

// Resolves a whole relative path ("data/gamepad/defualt.GPad") one component
// at a time with `resolvePathNoCase`.
std::string resolveFilePathNoCase(const std::string& path);

// Creates a folder (one level); true when it exists afterwards.
bool makeDirectory(const std::string& path);

// A file written in full under a temporary name in its folder ("<path>.tmp"),
// then renamed over `path` by `commit`, so a failed save never leaves a
// half-written file. Saves that must land together (a story reward's) write
// every file first and rename only once all are written. A staged file never
// committed is removed as its holder ends, leaving `path` as it was.
class StagedFile
{
public:
    StagedFile() = default;
    ~StagedFile();
    StagedFile(StagedFile&& other) noexcept;
    StagedFile& operator=(StagedFile&& other) noexcept;
    StagedFile(const StagedFile&) = delete;
    StagedFile& operator=(const StagedFile&) = delete;

    // Writes `contents` to the temporary, checking every call. False when
    // anything fails: the console names `path`, the file that failed and why,
    // and the temporary is removed.
    bool write(const std::string& path, const std::string& contents);
    // Renames the written temporary over `path`; false, said likewise, when
    // the rename fails or nothing was written.
    bool commit();
    // The errno of the last failure, 0 when none.
    int error() const { return failure; }
    const std::string& path() const { return target; }

private:
    void drop();
    bool fail(const std::string& failedPath, const char* doing);

    std::string target;
    std::string temp;
    bool written = false;
    int failure = 0;
    bool renameFails = false;
};

// Writes `contents` to `path` through a `StagedFile` committed at once. Returns
// false, printing the reason naming the file, when anything fails.
bool writeFileAtomically(const std::string& path, const std::string& contents);

// Makes writes fail as a full disk or a failing device makes them, for tests.
// `faults` is asked once per staged file, as its temporary is written, with
// the file's `path`.
struct WriteFault
{
    // How many bytes reach the temporary before its write fails with ENOSPC;
    // -1 lets every byte through.
    long long bytesWritten = -1;
    // The rename into place fails with EIO.
    bool renameFails = false;
};
using WriteFaults = std::function<WriteFault(const std::string& path)>;
// An empty function makes no write fail.
void setWriteFaults(WriteFaults faults);

// The most memory the process has held at once since it started or since the
// last `resetPeakMemory`, in bytes; 0 where the system does not tell.
long long peakMemoryBytes();
// Starts the peak over from what the process holds now, where the system
// allows; false where it refuses (no /proc, or a kernel or sandbox that does
// not let the process clear its own peak).
bool resetPeakMemory();
