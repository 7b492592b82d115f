// Sprite sheets: the frames of one animation or picture set, loaded from a
// folder whose `info` file also carries each frame's gameplay data.
#pragma once

#include <SDL.h>
#include <functional>
#include <string>
#include <vector>

// One frame: its picture, display time and gameplay data.
class CSpriteFrame
{
public:
    CSpriteFrame() = default;
    ~CSpriteFrame();
    CSpriteFrame(const CSpriteFrame&) = delete;
    CSpriteFrame& operator=(const CSpriteFrame&) = delete;
    CSpriteFrame(CSpriteFrame&& other) noexcept;
    CSpriteFrame& operator=(CSpriteFrame&& other) noexcept;

    SDL_Surface* image = nullptr;
    int pause = 0;
    int colX1 = 0, colY1 = 0, colX2 = 0, colY2 = 0;
    int anchorX = 0, anchorY = 0;
    int dmgX1 = 0, dmgY1 = 0, dmgX2 = 0, dmgY2 = 0;
    int damage = 0;
    bool line6Flag = false;
    int hitType = 0;
    int hitPointX = 0, hitPointY = 0;
    int line9X = 0, line9Y = 0;
    std::string sound;
    int particleCount = 0;
    std::vector<std::string> particles;
    int xStep = 0, yBoost = 0;
    bool deflecting = false;
    std::string deflected;
    std::string face;
    int conditionCount = 0;
    std::vector<std::string> conditions;
    std::string imageFile;
};

class CSpriteBase
{
public:
    CSpriteBase();
    ~CSpriteBase();
    CSpriteBase(const CSpriteBase&) = delete;
    CSpriteBase& operator=(const CSpriteBase&) = delete;

    // Loads the folder `dir`; 0 on success, -1 when its `info` cannot be
    // opened or a .bmp frame image cannot be loaded. The second array holds
    // mirror images only with `mirror`, else the same pictures. Keyed frames
    // are encoded for drawing on `screen` as they load.
    int init(const char* dir, bool mirror);
    // Loads as `init` does but leaves the frames to be encoded by their first draw.
    int load(const char* dir, bool mirror);
    int init(const char* dir);
    int init(const std::string& dir, bool mirror = true) { return init(dir.c_str(), mirror); }

    void alphaAll(int alpha);
    void altFrameAlpha(int alpha);
    static bool checkBMPExtension(const std::string& file);
    // Reads the picture held in a one-image resource container; ends the
    // program (exit code 1) when the container cannot be read or decoded.
    SDL_Surface* loadFromResource(const char* dir, const char* file, const char* backDir);

    // Frame i of the normal (as loaded) or second (mirrored) array; null when
    // the sheet has no such frame.
    const CSpriteFrame* normalFrame(int i) const;
    const CSpriteFrame* secondFrame(int i) const;
    const CSpriteFrame* frameFor(int i, bool dir) const { return dir ? normalFrame(i) : secondFrame(i); }

    int frameCount() const { return numFrames; }
    bool isLoaded() const { return loaded == 1; }

    std::vector<CSpriteFrame> normal;
    std::vector<CSpriteFrame> second;
    SDL_Surface* paletteSource;
    int loaded;
    int numFrames;
    int width;
    int height;
    std::string name;
    bool mirror;
    bool released;

private:
    void encodeFor(SDL_Surface* target);
    void readFrame(class TextFileReader& file, const std::string& firstLine, int i, int key[3]);
};

// Run-length encodes a colour-keyed picture for blits to `target` now, as its
// first draw would, freeing its unencoded pixels; `target` looks unchanged,
// also when it cannot be locked (the picture is then encoded on its first
// draw, or its probe pixel is put back through a blit). Pictures that are not
// keyed, or already encoded, are left alone.
void encodeForDrawing(SDL_Surface* picture, SDL_Surface* target);

// How the sprite sheets lock a surface to reach its pixels (encoding a picture
// for its target, mirroring one): SDL_LockSurface unless set, and again when
// set empty. A test hands in one that fails, as a video surface's lock can.
using SurfaceLocker = std::function<int(SDL_Surface*)>;
void setSurfaceLocker(SurfaceLocker locker);
// The horizontal mirror image of a surface; the caller owns the result.
SDL_Surface* flip_surface(SDL_Surface* s);
Uint32 get_pixel32(SDL_Surface* surface, int x, int y);
void put_pixel32(SDL_Surface* surface, int x, int y, Uint32 pixel);
