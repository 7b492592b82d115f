// Sprite sheets: the frames of one animation or picture set, loaded from a
// folder whose `info` file also carries each frame's gameplay data.
#include "engine/sprite_sheet.h"

#include "engine/bmp_file.h"
#include "engine/globals.h"
#include "engine/memory_tracker.h"
#include "engine/platform.h"
#include "engine/text_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <utility>

CSpriteFrame::~CSpriteFrame()
{
    if (image)
        SDL_FreeSurface(image);
}

CSpriteFrame::CSpriteFrame(CSpriteFrame&& other) noexcept
{
    *this = std::move(other);
}

CSpriteFrame& CSpriteFrame::operator=(CSpriteFrame&& other) noexcept
{
    if (this == &other)
        return *this;
    if (image)
        SDL_FreeSurface(image);
    image = other.image;
    other.image = nullptr;
    pause = other.pause;
    colX1 = other.colX1;
    colY1 = other.colY1;
    colX2 = other.colX2;
    colY2 = other.colY2;
    anchorX = other.anchorX;
    anchorY = other.anchorY;
    dmgX1 = other.dmgX1;
    dmgY1 = other.dmgY1;
    dmgX2 = other.dmgX2;
    dmgY2 = other.dmgY2;
    damage = other.damage;
    line6Flag = other.line6Flag;
    hitType = other.hitType;
    hitPointX = other.hitPointX;
    hitPointY = other.hitPointY;
    line9X = other.line9X;
    line9Y = other.line9Y;
    sound = std::move(other.sound);
    particleCount = other.particleCount;
    particles = std::move(other.particles);
    xStep = other.xStep;
    yBoost = other.yBoost;
    deflecting = other.deflecting;
    deflected = std::move(other.deflected);
    face = std::move(other.face);
    conditionCount = other.conditionCount;
    conditions = std::move(other.conditions);
    imageFile = std::move(other.imageFile);
    return *this;
}

CSpriteBase::CSpriteBase()
    : paletteSource(nullptr), loaded(0), numFrames(0), width(0), height(0), mirror(false), released(false)
{
}

CSpriteBase::~CSpriteBase()
{
    if (loaded == 1 && !released)
    {
        normal.clear();
        released = true;
        second.clear();
    }
}

int CSpriteBase::init(const char* dir)
{
    return init(dir, true);
}

const CSpriteFrame* CSpriteBase::normalFrame(int i) const
{
    if (i < 0 || i >= static_cast<int>(normal.size()))
        return nullptr;
    return &normal[static_cast<std::size_t>(i)];
}

const CSpriteFrame* CSpriteBase::secondFrame(int i) const
{
    if (i < 0 || i >= static_cast<int>(second.size()))
        return nullptr;
    return &second[static_cast<std::size_t>(i)];
}

namespace
{
bool isSkippedBetweenFrames(const std::string& line)
{
    return line.empty() || line[0] == '#' || line[0] == '\r' || line[0] == '\n';
}

// Reads `count` lines kept whole (line end included); stops at the end of
// the file, so the list never claims more lines than the file holds.
std::vector<std::string> readWholeLines(TextFileReader& file, int count)
{
    std::vector<std::string> lines;
    std::string line;
    for (int i = 0; i < count && file.readLineKeepEnd(line); ++i)
        lines.push_back(line);
    return lines;
}
} // namespace

void CSpriteBase::readFrame(TextFileReader& file, const std::string& firstLine, int i, int key[3])
{
    CSpriteFrame& f = normal[static_cast<std::size_t>(i)];
    CSpriteFrame& m = second[static_cast<std::size_t>(i)];
    std::string line;
    auto next = [&]() -> const std::string& {
        if (!file.readLine(line))
            line.clear();
        return line;
    };

    {
        LineScan s(firstLine);
        std::string file;
        if (s.word(file))
        {
            f.imageFile = file;
            m.imageFile = file;
            name = file;
        }
        s.integer(f.pause) && s.integer(key[0]) && s.integer(key[1]) && s.integer(key[2]);
    }
    {
        LineScan s(next());
        s.coordinate(f.anchorX) && s.coordinate(f.anchorY);
    }
    {
        LineScan s(next());
        s.coordinate(f.colX1) && s.coordinate(f.colY1) && s.coordinate(f.colX2) && s.coordinate(f.colY2);
    }
    {
        LineScan s(next());
        s.coordinate(f.dmgX1) && s.coordinate(f.dmgY1) && s.coordinate(f.dmgX2) && s.coordinate(f.dmgY2);
    }
    LineScan(next()).integer(f.damage);
    {
        int flag = 0;
        if (LineScan(next()).integer(flag))
            f.line6Flag = flag > 0;
    }
    LineScan(next()).integer(f.hitType);
    {
        LineScan s(next());
        s.coordinate(f.hitPointX) && s.coordinate(f.hitPointY);
    }
    {
        LineScan s(next());
        s.coordinate(f.line9X) && s.coordinate(f.line9Y);
    }
    LineScan(next()).word(f.sound);
    {
        int count = 0;
        LineScan(next()).integer(count);
        f.particles = readWholeLines(file, count);
        f.particleCount = static_cast<int>(f.particles.size());
    }
    {
        LineScan s(next());
        s.coordinate(f.xStep) && s.coordinate(f.yBoost);
    }
    {
        int flag = 0;
        if (LineScan(next()).integer(flag))
            f.deflecting = flag > 0;
    }
    LineScan(next()).word(f.deflected);
    LineScan(next()).word(f.face);
    {
        int count = 0;
        LineScan(next()).integer(count);
        f.conditions = readWholeLines(file, count);
        f.conditionCount = static_cast<int>(f.conditions.size());
    }
}

int CSpriteBase::init(const char* dir, bool mirrorFrames)
{
    const int result = load(dir, mirrorFrames);
    encodeFor(screen);
    return result;
}

void CSpriteBase::encodeFor(SDL_Surface* target)
{
    for (auto* frames : {&normal, &second})
        for (CSpriteFrame& f : *frames)
            encodeForDrawing(f.image, target);
}

int CSpriteBase::load(const char* dir, bool mirrorFrames)
{
    mirror = mirrorFrames;
    int key[3] = {0, 0, 0};
    const std::string folder = dir ? dir : "";
    const std::string infoPath = folder + "/info";

    TextFileReader file;
    if (!file.open(infoPath))
    {
        std::printf("ERROR opening file %s\n\n", infoPath.c_str());
        return -1;
    }

    std::string line;
    int count = file.readCount("FILES:");
    // Every frame takes fifteen lines, so a file can hold no more frames than
    // that; a larger count is a damaged file, not a reason to allocate.
    const long long most = file.size() / 15 + 1;
    if (count > most)
    {
        std::printf("Frame count %d in %s is more than the file holds\n", count, infoPath.c_str());
        count = static_cast<int>(most);
    }
    normal.clear();
    second.clear();
    normal.resize(static_cast<std::size_t>(count));
    second.resize(static_cast<std::size_t>(count));
    numFrames = count;
    loaded = 1;
    released = false;

    int i = 0;
    while (i < count && file.readLine(line))
    {
        if (isSkippedBetweenFrames(line))
            continue;
        readFrame(file, line, i, key);
        CSpriteFrame& f = normal[static_cast<std::size_t>(i)];
        CSpriteFrame& m = second[static_cast<std::size_t>(i)];

        const std::string imagePath = folder + "/" + f.imageFile;
        SDL_Surface* loadedImage = nullptr;
        if (checkBMPExtension(f.imageFile))
        {
            loadedImage = loadCheckedBMP(imagePath);
            if (!loadedImage)
                return -1;
        }
        else
        {
            loadedImage = loadFromResource(folder.c_str(), f.imageFile.c_str(), ".");
        }

        if (key[0] >= 0)
            SDL_SetColorKey(loadedImage, SDL_SRCCOLORKEY | SDL_RLEACCEL,
                            SDL_MapRGB(loadedImage->format, static_cast<Uint8>(key[0] % 256),
                                       static_cast<Uint8>(key[1] % 256), static_cast<Uint8>(key[2] % 256)));
        if (paletteSource && paletteSource->format->palette && loadedImage->format->palette)
        {
            SDL_Palette* pal = paletteSource->format->palette;
            const int colours = pal->ncolors < 256 ? pal->ncolors : 256;
            SDL_SetPalette(loadedImage, SDL_LOGPAL | SDL_PHYSPAL, pal->colors, 0, colours);
        }

        f.image = SDL_DisplayFormat(loadedImage);
        if (f.image)
        {
            width = f.image->w;
            height = f.image->h;
            const int w = f.image->w;
            if (mirror)
            {
                // Flipped from the converted picture, so it is in the display format already.
                m.image = flip_surface(f.image);
                m.anchorX = w - f.anchorX;
                m.colX1 = w - f.colX2;
                m.colX2 = w - f.colX1;
                m.dmgX1 = w - f.dmgX2;
                m.dmgX2 = w - f.dmgX1;
                m.hitPointX = w - f.hitPointX;
                m.line9X = w - f.line9X;
            }
            else
            {
                // Facing left draws the same picture: both frames hold the one surface.
                m.image = f.image;
                ++f.image->refcount;
                m.anchorX = f.anchorX;
                m.colX1 = f.colX1;
                m.colX2 = f.colX2;
                m.dmgX1 = f.dmgX1;
                m.dmgX2 = f.dmgX2;
                m.hitPointX = f.hitPointX;
                m.line9X = f.line9X;
            }
        }
        SDL_FreeSurface(loadedImage);
        ++i;
    }
    return 0;
}

void CSpriteBase::alphaAll(int alpha)
{
    if (alphaOp == 0)
        return;
    for (auto* frames : {&normal, &second})
        for (CSpriteFrame& f : *frames)
            if (f.image)
                SDL_SetAlpha(f.image, SDL_SRCALPHA | SDL_RLEACCEL, static_cast<Uint8>(alpha));
}

void CSpriteBase::altFrameAlpha(int alpha)
{
    if (alphaOp == 0)
        return;
    for (CSpriteFrame& f : second)
    {
        if (!f.image)
            continue;
        SDL_Surface* copy = SDL_DisplayFormat(f.image);
        if (!copy)
            continue;
        SDL_FreeSurface(f.image);
        f.image = copy;
        SDL_SetAlpha(f.image, SDL_SRCALPHA | SDL_RLEACCEL, static_cast<Uint8>(alpha));
    }
}

bool CSpriteBase::checkBMPExtension(const std::string& file)
{
    const std::size_t dot = file.rfind('.');
    const std::string ext = dot == std::string::npos ? file : file.substr(dot + 1);
    return ext == "bmp";
}

SDL_Surface* CSpriteBase::loadFromResource(const char* dir, const char* file, const char*)
{
    DIR* d = opendir(dir);
    if (!d)
    {
        std::perror("opendir failure");
        std::exit(1);
    }
    closedir(d);

    // The container is read where it lies; the working directory is never changed.
    const std::string path = std::string(dir) + "/" + file;
    std::FILE* f = isDirectory(path) ? nullptr : std::fopen(path.c_str(), "rb");
    if (!f)
    {
        if (isDirectory(path))
            errno = EISDIR;
        std::perror("Error opening resource file");
        std::exit(1);
    }
    const long long total = fileSizeOf(path);
    unsigned char header[132];
    if (std::fread(header, 1, sizeof header, f) != sizeof header)
    {
        std::fclose(f);
        std::printf("Unable to load bitmap: %s\n", ("resource file too short: " + path).c_str());
        std::exit(1);
    }
    const Uint32 length = static_cast<Uint32>(header[128]) | (static_cast<Uint32>(header[129]) << 8) |
                          (static_cast<Uint32>(header[130]) << 16) | (static_cast<Uint32>(header[131]) << 24);
    if (static_cast<long long>(length) > total - 132)
    {
        std::fclose(f);
        std::printf("Unable to load bitmap: %s\n", ("resource length runs past the end of " + path).c_str());
        std::exit(1);
    }
    void* buffer = m_allocator("CSpriteBase", __LINE__, "??", 3, length ? length : 1);
    if (!buffer)
    {
        std::fclose(f);
        std::puts("Unable to LOOOOOAAAAAAAD!");
        std::exit(1);
    }
    const std::size_t got = std::fread(buffer, 1, length, f);
    std::fclose(f);
    SDL_Surface* image = nullptr;
    if (got == length)
        image = loadCheckedBMP(buffer, length);
    m_deallocator("CSpriteBase", __LINE__, "??", 8, buffer);
    if (!image)
    {
        std::printf("Unable to load bitmap: %s\n", SDL_GetError());
        std::exit(1);
    }
    return image;
}

namespace
{
// One row's pixels in reverse order, a whole pixel at a time.
template <typename Pixel>
void reverseRow(const Pixel* src, Pixel* dst, int w)
{
    std::reverse_copy(src, src + w, dst);
}

SurfaceLocker surfaceLocker;

int lockSurface(SDL_Surface* s)
{
    return surfaceLocker ? surfaceLocker(s) : SDL_LockSurface(s);
}

// Puts `kept` back as pixel (0, 0) of `target` through a blit from a one-pixel
// surface of the target's own format, which copies it unchanged and leaves the
// locking to SDL.
void blitPixelBack(SDL_Surface* target, const Uint8* kept)
{
    const SDL_PixelFormat* fmt = target->format;
    SDL_Surface* pixel = SDL_CreateRGBSurface(SDL_SWSURFACE, 1, 1, fmt->BitsPerPixel, fmt->Rmask, fmt->Gmask,
                                              fmt->Bmask, fmt->Amask);
    if (!pixel)
        return;
    // No blending: the copy is byte for byte.
    SDL_SetAlpha(pixel, 0, SDL_ALPHA_OPAQUE);
    if (fmt->palette && pixel->format->palette)
        SDL_SetPalette(pixel, SDL_LOGPAL, fmt->palette->colors, 0, fmt->palette->ncolors);
    std::memcpy(pixel->pixels, kept, fmt->BytesPerPixel);
    SDL_Rect one = {0, 0, 1, 1};
    SDL_Rect at = {0, 0, 1, 1};
    SDL_LowerBlit(pixel, &one, target, &at);
    SDL_FreeSurface(pixel);
}
} // namespace

void setSurfaceLocker(SurfaceLocker locker)
{
    surfaceLocker = std::move(locker);
}

SDL_Surface* flip_surface(SDL_Surface* s)
{
    if (!s)
        return nullptr;
    const bool keyed = (s->flags & SDL_SRCCOLORKEY) != 0;
    SDL_PixelFormat* fmt = s->format;
    SDL_Surface* out = SDL_CreateRGBSurface(SDL_SWSURFACE, s->w, s->h, fmt->BitsPerPixel, fmt->Rmask, fmt->Gmask,
                                            fmt->Bmask, keyed ? 0 : fmt->Amask);
    if (!out)
        return nullptr;
    if (fmt->palette && out->format->palette)
        SDL_SetPalette(out, SDL_LOGPAL, fmt->palette->colors, 0, fmt->palette->ncolors);
    // A keyed picture that has been drawn is run-length encoded and has no
    // pixels until it is locked.
    const bool locked = SDL_MUSTLOCK(s);
    if (locked && lockSurface(s) != 0)
    {
        SDL_FreeSurface(out);
        return nullptr;
    }
    const int bpp = fmt->BytesPerPixel;
    for (int y = 0; y < s->h; ++y)
    {
        const Uint8* src = static_cast<const Uint8*>(s->pixels) + y * s->pitch;
        Uint8* dst = static_cast<Uint8*>(out->pixels) + y * out->pitch;
        switch (bpp)
        {
        case 4:
            reverseRow(reinterpret_cast<const Uint32*>(src), reinterpret_cast<Uint32*>(dst), s->w);
            break;
        case 2:
            reverseRow(reinterpret_cast<const Uint16*>(src), reinterpret_cast<Uint16*>(dst), s->w);
            break;
        case 1:
            reverseRow(src, dst, s->w);
            break;
        default:
            for (int x = 0; x < s->w; ++x)
                std::memcpy(dst + (s->w - 1 - x) * bpp, src + x * bpp, static_cast<std::size_t>(bpp));
        }
    }
    if (locked)
        SDL_UnlockSurface(s);
    if (keyed)
        SDL_SetColorKey(out, SDL_SRCCOLORKEY | SDL_RLEACCEL, fmt->colorkey);
    return out;
}

void encodeForDrawing(SDL_Surface* picture, SDL_Surface* target)
{
    if (!picture || !target || (picture->flags & (SDL_SRCCOLORKEY | SDL_RLEACCELOK | SDL_RLEACCEL)) !=
                                     (SDL_SRCCOLORKEY | SDL_RLEACCELOK))
        return;
    if (picture->w < 1 || picture->h < 1 || target->w < 1 || target->h < 1)
        return;
    // SDL encodes a keyed picture on its first blit to a surface of its own
    // format and then frees the unencoded pixels. One pixel is blitted and the
    // target's pixel put back, so nothing on the target changes.
    const std::size_t bytes = target->format->BytesPerPixel;
    Uint8 kept[4] = {0, 0, 0, 0};
    // A target that cannot be locked is not probed: the picture is encoded on its first draw.
    if (lockSurface(target) != 0)
        return;
    std::memcpy(kept, target->pixels, bytes);
    SDL_UnlockSurface(target);
    SDL_Rect from = {0, 0, 1, 1};
    SDL_Rect to = {0, 0, 1, 1};
    SDL_LowerBlit(picture, &from, target, &to);
    if (lockSurface(target) != 0)
    {
        // The probe has drawn on the target, which will not lock again: the
        // pixel goes back the way the probe came.
        blitPixelBack(target, kept);
        return;
    }
    std::memcpy(target->pixels, kept, bytes);
    SDL_UnlockSurface(target);
}

// Rows are `pitch` bytes apart, which can be more than the width's worth of
// pixels (a picture inside a larger one, or a video surface).
Uint32 get_pixel32(SDL_Surface* surface, int x, int y)
{
    const Uint8* row = static_cast<const Uint8*>(surface->pixels) + y * surface->pitch;
    return reinterpret_cast<const Uint32*>(row)[x];
}

void put_pixel32(SDL_Surface* surface, int x, int y, Uint32 pixel)
{
    Uint8* row = static_cast<Uint8*>(surface->pixels) + y * surface->pitch;
    reinterpret_cast<Uint32*>(row)[x] = pixel;
}
