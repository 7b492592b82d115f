// The benchmark's own small fighter, written when the data tree has no roster.
#include "tools/bench/bench_character.h"

#include <SDL.h>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <vector>

namespace
{
constexpr int kWidth = 64;
constexpr int kHeight = 96;

struct Frame
{
    int damage = 0;
    int hitType = 0;
    int pause = 60;
};

bool writeText(const std::string& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary);
    out << text;
    return static_cast<bool>(out);
}

// A keyed 8-bit picture: magenta around a body of one colour, and a fist
// reaching out on a blow's frame.
bool writePicture(const std::string& path, Uint8 shade, bool blow)
{
    SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, kWidth, kHeight, 8, 0, 0, 0, 0);
    if (!s)
        return false;
    SDL_Color colours[3] = {{255, 0, 255, 0}, {shade, 90, 60, 0}, {230, 200, 170, 0}};
    SDL_SetPalette(s, SDL_LOGPAL, colours, 0, 3);
    SDL_FillRect(s, nullptr, 0);
    SDL_Rect body = {18, 8, 28, 88};
    SDL_FillRect(s, &body, 1);
    SDL_Rect head = {22, 0, 20, 16};
    SDL_FillRect(s, &head, 2);
    if (blow)
    {
        SDL_Rect fist = {46, 30, 18, 10};
        SDL_FillRect(s, &fist, 2);
    }
    const bool saved = SDL_SaveBMP(s, path.c_str()) == 0;
    SDL_FreeSurface(s);
    return saved;
}

std::string frameText(const std::string& image, const Frame& f)
{
    std::ostringstream o;
    o << image << " " << f.pause << " 255 0 255\n"
      << kWidth / 2 << " " << kHeight << "\n"
      << "18 8 46 96\n";
    if (f.damage > 0)
        o << "40 26 64 44\n";
    else
        o << "-9999 -9999 -9999 -9999\n";
    o << f.damage << "\n0\n"
      << f.hitType << "\n"
      << "56 34\n0 0\nNULL\n0\n0 0\n0\nNULL\nNULL\n0\n";
    return o.str();
}

bool writeSheet(const std::string& folder, const std::vector<Frame>& frames, Uint8 shade)
{
    mkdir(folder.c_str(), 0755);
    std::ostringstream info;
    info << "FILES: " << frames.size() << "\n";
    bool ok = true;
    for (std::size_t i = 0; i < frames.size(); ++i)
    {
        const std::string image = "f" + std::to_string(i) + ".bmp";
        ok = writePicture(folder + "/" + image, static_cast<Uint8>(shade + 12 * i), frames[i].damage > 0) &&
             ok;
        info << frameText(image, frames[i]);
    }
    return writeText(folder + "/info", info.str()) && ok;
}
} // namespace

std::string writeBenchCharacter(const std::string& folder, const std::string& name, bool& ok)
{
    mkdir(folder.c_str(), 0755);
    ok = true;
    const std::vector<Frame> still = {Frame{}, Frame{}};
    const std::vector<Frame> blow = {Frame{}, Frame{10, 1, 60}, Frame{}};
    const std::vector<Frame> heavy = {Frame{}, Frame{}, Frame{14, 4, 80}, Frame{}};

    const char* anims[] = {"standing", "walk", "duck", "running", "inAir", "inAirDown", "fallUp", "fallDown"};
    std::ostringstream info;
    info << "ANIMS: " << sizeof anims / sizeof anims[0] << "\n";
    Uint8 shade = 40;
    for (const char* a : anims)
    {
        info << a << "\n";
        ok = writeSheet(folder + "/" + a, still, shade += 10) && ok;
    }
    ok = writeText(folder + "/info", info.str()) && ok;

    struct Move
    {
        const char* name;
        const char* command;
        int interruptible;
        const std::vector<Frame>* frames;
    };
    const Move moves[] = {
        {"jab", "A", 1, &blow},        {"kick", "B", 1, &heavy},         {"recoil", "zzz", 0, &still},
        {"hit1", "zzz", 0, &still},    {"hit2", "zzz", 0, &still},       {"hit3", "zzz", 0, &still},
        {"hit1Low", "zzz", 0, &still}, {"hit2Low", "zzz", 0, &still},    {"blockHi", "zzz", 1, &still},
        {"blockLo", "zzz", 1, &still}, {"blockAir", "zzz", 1, &still},   {"crash", "zzz", 0, &still},
        {"pose1", "zzz", 1, &still},   {"endPose1", "zzz", 1, &still},   {"backJump", "zzz", 1, &still},
        {"airBack", "zzz", 1, &still}, {"airForward", "zzz", 1, &still},
    };
    std::ostringstream moveset;
    moveset << "ANIMS: " << sizeof moves / sizeof moves[0] << "\n";
    for (const Move& m : moves)
    {
        moveset << m.name << "\n"
                << m.command << "\n0\nNULL\n0\n"
                << m.interruptible << "\nNULL\n0\n0\n0\nNULL\n";
        ok = writeSheet(folder + "/" + m.name, *m.frames, shade += 6) && ok;
    }
    ok = writeText(folder + "/moveset", moveset.str()) && ok;
    ok = writeText(folder + "/sound", "SOUNDS: 0\n") && ok;
    ok = writeText(folder + "/chardata", name + "\n100\n100\n4\n16\n0\n0\n0\n" + folder + "\n") && ok;

    // ground, duck, aerial, deflect, cancel and linked attacks
    mkdir((folder + "/ai").c_str(), 0755);
    ok = writeText(folder + "/ai/attack", "Attacks: 2\njab\nS\nNULL\nNULL\nkick\nM\nNULL\nNULL\n"
                                          "Attacks: 1\njab\nS\nNULL\nNULL\n"
                                          "Attacks: 1\nkick\nS\nNULL\nNULL\n"
                                          "Attacks: 0\nAttacks: 0\n"
                                          "Attacks: 1\nkick\nS\njab\nNULL\n") &&
         ok;
    return folder + "/chardata";
}
