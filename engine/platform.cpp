// The few operating-system services the game needs, in one place.
#include "engine/platform.h"

#include <cerrno>
#include <cstdlib>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

void hideConsoleWindow()
{
}

bool isDirectory(const std::string& path)
{
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

namespace
{
ReadRefusal g_readRefusal;
} // namespace

std::FILE* openForReading(const std::string& path)
{
    if (g_readRefusal && g_readRefusal(path))
    {
        errno = EACCES;
        return nullptr;
    }
    return std::fopen(path.c_str(), "rb");
}

void setReadRefusal(ReadRefusal refused)
{
    g_readRefusal = std::move(refused);
}

bool readWholeFile(const std::string& path, std::vector<unsigned char>& bytes)
{
    bytes.clear();
    const long long size = fileExists(path) ? fileSizeOf(path) : -1;
    if (size < 0)
        return false;
    std::FILE* f = openForReading(path);
    if (!f)
        return false;
    bytes.resize(static_cast<std::size_t>(size));
    const bool read = std::fread(bytes.data(), 1, bytes.size(), f) == bytes.size();
    const bool closed = std::fclose(f) == 0;
    if (!read || !closed)
        bytes.clear();
    return read && closed;
}

bool fileExists(const std::string& path)
{
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

long long fileSizeOf(const std::string& path)
{
    struct stat st;
    if (stat(path.c_str(), &st) != 0)
        return -1;
    return static_cast<long long>(st.st_size);
}

namespace
{
std::string joinPath(const std::string& dir, const std::string& name)
{
    if (dir.empty())
        return name;
    if (dir.back() == '/')
        return dir + name;
    return dir + "/" + name;
}
} // namespace

std::string resolvePathNoCase(const std::string& dir, const std::string& name)
{
    const std::string exact = joinPath(dir, name);
    struct stat st;
    if (stat(exact.c_str(), &st) == 0)
        return exact;
    DIR* d = opendir(dir.empty() ? "." : dir.c_str());
    if (!d)
        return exact;
    std::string found = exact;
    while (dirent* entry = readdir(d))
    {
        if (strcasecmp(entry->d_name, name.c_str()) == 0)
        {
            found = joinPath(dir, entry->d_name);
            break;
        }
    }
    closedir(d);
    return found;
}

std::string resolveFilePathNoCase(const std::string& path)
{
    std::string resolved = (!path.empty() && path[0] == '/') ? "/" : "";
    std::size_t start = resolved.size();
    while (start < path.size())
    {
        std::size_t slash = path.find('/', start);
        if (slash == std::string::npos)
            slash = path.size();
        const std::string part = path.substr(start, slash - start);
        if (part.empty() || part == "." || part == "..")
            resolved = joinPath(resolved, part);
        else
            resolved = resolvePathNoCase(resolved, part);
        start = slash + 1;
    }
    return resolved;
}

bool makeDirectory(const std::string& path)
{
    if (mkdir(path.c_str(), 0755) != 0 && errno != EEXIST)
        return false;
    return isDirectory(path);
}

namespace
{
WriteFaults g_writeFaults;
} // namespace

void setWriteFaults(WriteFaults faults)
{
    g_writeFaults = std::move(faults);
}

StagedFile::~StagedFile()
{
    drop();
}

StagedFile::StagedFile(StagedFile&& other) noexcept
    : target(std::move(other.target)), temp(std::move(other.temp)), written(other.written),
      failure(other.failure), renameFails(other.renameFails)
{
    other.written = false;
}

StagedFile& StagedFile::operator=(StagedFile&& other) noexcept
{
    if (this != &other)
    {
        drop();
        target = std::move(other.target);
        temp = std::move(other.temp);
        written = other.written;
        failure = other.failure;
        renameFails = other.renameFails;
        other.written = false;
    }
    return *this;
}

void StagedFile::drop()
{
    if (written)
        std::remove(temp.c_str());
    written = false;
}

bool StagedFile::fail(const std::string& failedPath, const char* doing)
{
    failure = errno;
    std::printf("Unable to save %s: cannot %s %s: %s\n", target.c_str(), doing, failedPath.c_str(),
                std::strerror(failure));
    return false;
}

bool StagedFile::write(const std::string& path, const std::string& contents)
{
    drop();
    target = path;
    temp = path + ".tmp";
    failure = 0;
    renameFails = false;
    const WriteFault fault = g_writeFaults ? g_writeFaults(path) : WriteFault{};
    std::FILE* f = std::fopen(temp.c_str(), "wb");
    if (!f)
        return fail(temp, "write");
    // From here on the temporary exists and is removed when anything fails.
    written = true;
    const std::size_t size =
        fault.bytesWritten >= 0 && static_cast<unsigned long long>(fault.bytesWritten) < contents.size()
            ? static_cast<std::size_t>(fault.bytesWritten)
            : contents.size();
    bool ok = std::fwrite(contents.data(), 1, size, f) == size;
    ok = std::fflush(f) == 0 && ok;
    int error = ok ? 0 : errno;
    if (ok && size < contents.size())
    {
        ok = false;
        error = ENOSPC;
    }
    if (std::fclose(f) != 0 && ok)
    {
        ok = false;
        error = errno;
    }
    if (!ok)
    {
        drop();
        errno = error;
        return fail(temp, "write");
    }
    renameFails = fault.renameFails;
    return true;
}

bool StagedFile::commit()
{
    if (!written)
    {
        errno = failure ? failure : ENOENT;
        return fail(temp, "rename");
    }
    if (renameFails)
        errno = EIO;
    if (renameFails || std::rename(temp.c_str(), target.c_str()) != 0)
    {
        const int error = errno;
        drop();
        errno = error;
        return fail(temp, "rename");
    }
    written = false;
    return true;
}

bool writeFileAtomically(const std::string& path, const std::string& contents)
{
    StagedFile file;
    return file.write(path, contents) && file.commit();
}

long long peakMemoryBytes()
{
    std::FILE* f = std::fopen("/proc/self/status", "r");
    if (!f)
        return 0;
    char line[256];
    long long kb = 0;
    while (std::fgets(line, sizeof line, f))
        if (std::strncmp(line, "VmHWM:", 6) == 0)
        {
            kb = std::atoll(line + 6);
            break;
        }
    std::fclose(f);
    return kb * 1024;
}

bool resetPeakMemory()
{
    // Writing 5 to clear_refs sets the peak back to the resident size. A
    // refused write shows when the buffer is flushed, at the close.
    std::FILE* f = std::fopen("/proc/self/clear_refs", "w");
    if (!f)
        return false;
    const bool written = std::fputs("5", f) >= 0;
    return std::fclose(f) == 0 && written;
}
