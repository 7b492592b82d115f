// Sprite folder writing: frame files named f000, f001, ... and the info file.
#include "core/sprite_folder.h"

#include "core/files.h"

#include <cstdio>

namespace datagen
{
namespace
{
// The game reads data lines of at most 253 characters before the LF.
constexpr std::size_t kLongestLine = 253;

bool isWord(const std::string& s)
{
    if (s.empty())
        return false;
    for (char c : s)
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r')
            return false;
    return true;
}

bool isOneLine(const std::string& s)
{
    return s.find('\n') == std::string::npos && s.find('\r') == std::string::npos;
}

std::string numbers(std::initializer_list<int> values)
{
    std::string s;
    for (int v : values)
    {
        if (!s.empty())
            s += ' ';
        s += std::to_string(v);
    }
    return s;
}
} // namespace

bool infoText(const std::vector<InfoEntry>& frames, std::string& out, std::string& error)
{
    std::vector<std::string> lines;
    lines.push_back("FILES: " + std::to_string(frames.size()));
    for (std::size_t i = 0; i < frames.size(); ++i)
    {
        const InfoEntry& e = frames[i];
        const FrameInfo& f = e.info;
        const std::string where = "frame " + std::to_string(i) + ": ";
        for (const std::string* name : {&e.image, &f.sound, &f.deflected, &f.face})
            if (!isWord(*name))
            {
                error = where + "\"" + *name + "\" is not a single word";
                return false;
            }
        if (!f.note.empty())
        {
            // Comment lines may only stand between frames.
            if (!isOneLine(f.note) || i == 0)
            {
                error = where + "a note must be one line and follow an earlier frame";
                return false;
            }
            lines.push_back("# " + f.note);
        }
        const std::array<int, 4> col =
            f.collision ? *f.collision : std::array<int, 4>{0, 0, e.width - 1, e.height - 1};
        lines.push_back(e.image + " " + numbers({f.pause, f.key[0], f.key[1], f.key[2]}));
        lines.push_back(numbers({f.anchorX, f.anchorY}));
        lines.push_back(numbers({col[0], col[1], col[2], col[3]}));
        lines.push_back(numbers({f.damageBox[0], f.damageBox[1], f.damageBox[2], f.damageBox[3]}));
        lines.push_back(std::to_string(f.damage));
        lines.push_back(std::to_string(f.flag));
        lines.push_back(std::to_string(f.hitType));
        lines.push_back(numbers({f.hitPointX, f.hitPointY}));
        lines.push_back(numbers({f.pointX, f.pointY}));
        lines.push_back(f.sound);
        lines.push_back(std::to_string(f.particles.size()));
        for (const FrameParticle& p : f.particles)
        {
            if (!isWord(p.name))
            {
                error = where + "particle \"" + p.name + "\" is not a single word";
                return false;
            }
            lines.push_back(p.name + " " + numbers({p.x, p.y}));
        }
        lines.push_back(numbers({f.xStep, f.yBoost}));
        lines.push_back(f.deflecting ? "1" : "0");
        lines.push_back(f.deflected);
        lines.push_back(f.face);
        lines.push_back(std::to_string(f.conditions.size()));
        for (const std::string& c : f.conditions)
        {
            if (!isOneLine(c) || c.empty())
            {
                error = where + "condition \"" + c + "\" must be one non-empty line";
                return false;
            }
            lines.push_back(c);
        }
    }
    out.clear();
    for (const std::string& line : lines)
    {
        if (line.size() > kLongestLine)
        {
            error = "line longer than " + std::to_string(kLongestLine) +
                    " characters: " + line.substr(0, 40) + "...";
            return false;
        }
        out += line;
        out += '\n';
    }
    return true;
}

SpriteFolder::SpriteFolder(std::string folder, FrameFile k) : dir(std::move(folder)), kind(k) {}

bool SpriteFolder::add(const Canvas& picture, const FrameInfo& info, const QuantiseOptions& options)
{
    return add(quantise(picture, options), info);
}

bool SpriteFolder::add(const IndexedImage& picture, const FrameInfo& info)
{
    char name[32];
    std::snprintf(name, sizeof name, "f%03zu.%s", entries.size(), kind == FrameFile::Bmp ? "bmp" : "dat");
    const std::vector<std::uint8_t> bmp = encodeBmp(picture);
    bool ok = false;
    if (kind == FrameFile::Bmp)
    {
        ok = writeBytes(joinPath(dir, name), bmp);
    }
    else
    {
        std::vector<std::uint8_t> container;
        std::string error;
        ok = encodeResourceContainer(name, bmp, container, error) &&
             writeBytes(joinPath(dir, name), container);
        if (!error.empty())
            std::fprintf(stderr, "datagen: %s: %s\n", dir.c_str(), error.c_str());
    }
    failed = failed || !ok;
    entries.push_back({name, picture.width, picture.height, info});
    return ok;
}

bool SpriteFolder::finish()
{
    std::string text;
    std::string error;
    if (!infoText(entries, text, error))
    {
        std::fprintf(stderr, "datagen: %s/info: %s\n", dir.c_str(), error.c_str());
        return false;
    }
    if (!makeDirs(dir) || !writeText(joinPath(dir, "info"), text))
        return false;
    return !failed;
}
} // namespace datagen
