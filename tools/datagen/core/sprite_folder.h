// Sprite folders as the game loads them: numbered frame pictures and the
// `info` file giving each frame's timing, colour key and gameplay data.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/bmp.h"
#include "core/quantise.h"

namespace datagen
{
struct FrameParticle
{
    std::string name;
    int x = 0;
    int y = 0;
};

// One frame's fifteen items; the defaults suit a picture that neither hits
// nor moves.
struct FrameInfo
{
    int pause = 40;                      // ms, times the sprite's speed
    std::array<int, 3> key{255, 0, 255}; // key red -1: no colour key
    int anchorX = 0;
    int anchorY = 0;
    std::optional<std::array<int, 4>> collision; // unset: the whole frame
    std::array<int, 4> damageBox{-9999, -9999, -9999, -9999};
    int damage = 0;
    int flag = 0;
    int hitType = 0;
    int hitPointX = 0;
    int hitPointY = 0;
    int pointX = 0;
    int pointY = 0;
    std::string sound = "NULL";
    std::vector<FrameParticle> particles;
    int xStep = 0;
    int yBoost = 0;
    bool deflecting = false;
    std::string deflected = "NULL";
    std::string face = "NULL";
    std::vector<std::string> conditions;
    // Written as a '#' line before the frame, for people reading the file;
    // the first frame cannot have one.
    std::string note;
};

// A frame as listed in `info`: its picture's file name and size with its data.
struct InfoEntry
{
    std::string image;
    int width = 0;
    int height = 0;
    FrameInfo info;
};

// The whole `info` text. False with `error` set when a line would be longer
// than the game reads or a name would not read back as one word.
bool infoText(const std::vector<InfoEntry>& frames, std::string& out, std::string& error);

enum class FrameFile
{
    Bmp,       // f000.bmp
    Container, // f000.dat: a resource container holding the BMP
};

class SpriteFolder
{
public:
    explicit SpriteFolder(std::string folder, FrameFile kind = FrameFile::Bmp);
    SpriteFolder(const SpriteFolder&) = delete;
    SpriteFolder& operator=(const SpriteFolder&) = delete;

    // Writes the frame's picture at once; the `info` file waits for finish().
    bool add(const Canvas& picture, const FrameInfo& info, const QuantiseOptions& options = {});
    bool add(const IndexedImage& picture, const FrameInfo& info);
    // Writes `info`; false if it or any frame failed.
    bool finish();

    const std::string& folder() const { return dir; }

private:
    std::string dir;
    FrameFile kind;
    std::vector<InfoEntry> entries;
    bool failed = false;
};
} // namespace datagen
