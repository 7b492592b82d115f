// Folder creation and checked, all-or-nothing file writes.
#include "core/files.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>

namespace datagen
{
bool makeDirs(const std::string& path)
{
    std::string sofar;
    for (std::size_t i = 0; i <= path.size(); ++i)
    {
        if (i < path.size() && path[i] != '/')
            continue;
        sofar = path.substr(0, i);
        if (sofar.empty())
            continue;
        if (mkdir(sofar.c_str(), 0755) != 0 && errno != EEXIST)
        {
            std::fprintf(stderr, "datagen: cannot make folder %s: %s\n", sofar.c_str(), std::strerror(errno));
            return false;
        }
    }
    struct stat info;
    if (stat(path.c_str(), &info) != 0 || !S_ISDIR(info.st_mode))
    {
        std::fprintf(stderr, "datagen: %s is not a folder\n", path.c_str());
        return false;
    }
    return true;
}

bool writeBytes(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    const std::size_t slash = path.rfind('/');
    if (slash != std::string::npos && !makeDirs(path.substr(0, slash)))
        return false;
    const std::string temp = path + ".tmp";
    std::FILE* f = std::fopen(temp.c_str(), "wb");
    if (!f)
    {
        std::fprintf(stderr, "datagen: cannot write %s: %s\n", path.c_str(), std::strerror(errno));
        return false;
    }
    const bool written = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    const bool closed = std::fclose(f) == 0;
    if (!written || !closed || std::rename(temp.c_str(), path.c_str()) != 0)
    {
        std::fprintf(stderr, "datagen: cannot write %s: %s\n", path.c_str(), std::strerror(errno));
        std::remove(temp.c_str());
        return false;
    }
    return true;
}

bool writeText(const std::string& path, const std::string& text)
{
    if (text.find('\r') != std::string::npos)
    {
        std::fprintf(stderr, "datagen: %s would hold a CR; data files use LF line ends\n", path.c_str());
        return false;
    }
    return writeBytes(path, std::vector<std::uint8_t>(text.begin(), text.end()));
}

std::string joinPath(const std::string& folder, const std::string& name)
{
    if (folder.empty())
        return name;
    if (folder.back() == '/')
        return folder + name;
    return folder + "/" + name;
}
} // namespace datagen
