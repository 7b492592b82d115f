// One libFuzzer entry per loader of the engine and the fighter, chosen when
// the target is built (FUZZ_LOADER): each writes its input where the loader
// reads that kind of file and loads it, so a crash, a hang or undefined
// behaviour in the loader is found.
#include "control/ai_attack_list.h"
#include "engine/audio.h"
#include "engine/background.h"
#include "engine/bmp_file.h"
#include "engine/config_file.h"
#include "engine/font.h"
#include "engine/gamepad.h"
#include "engine/platform.h"
#include "engine/sprite.h"
#include "engine/sprite_sheet.h"
#include "engine/text_file.h"
#include "fighter/animation_set.h"
#include "fighter/character_data.h"
#include "fighter/move_set.h"
#include "fighter/particles.h"
#include "tests/fuzz/fuzz_support.h"

#include <cstring>
#include <set>
#include <string>
#include <vector>

namespace
{
const char kOneFrame[] = "FILES: 1\nf000.bmp 30 255 0 255\n0 0\n0 0 8 8\n0 0 4 4\n1\n0\n1\n4 4\n0 "
                         "0\nNULL\n0\n1 0\n0\nNULL\nNULL\n0\n";

// The longest name a file of the folder can have.
constexpr std::size_t kLongestFileName = 255;

// A frame whose picture is not a .bmp is read from a resource container, and a
// missing or broken container ends the program as it is documented to. So
// every first word of a line gets a sound container of that name, and inputs
// whose first words could not name one in the sheet's folder (a folder's
// part, or longer than a file name may be) are passed over.
bool provideContainers(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::set<std::string> names;
    std::size_t start = 0;
    while (start < text.size())
    {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        stripLineEnd(line);
        const std::string name = firstWord(line);
        if (name.empty() || name == "." || name == ".." || name == "info" || name.size() > kLongestFileName ||
            name.find_first_of("/\\") != std::string::npos || name.find('\0') != std::string::npos)
            return false;
        names.insert(name);
        if (names.size() > 32)
            return false;
        start = end + 1;
    }
    static std::vector<std::uint8_t> container;
    if (container.empty())
    {
        writeSmallBitmap("bitmap.bmp");
        std::vector<unsigned char> bmp;
        readWholeFile("bitmap.bmp", bmp);
        container.assign(128, 0);
        const std::uint32_t n = static_cast<std::uint32_t>(bmp.size());
        for (int i = 0; i < 4; ++i)
            container.push_back(static_cast<std::uint8_t>(n >> (8 * i)));
        container.insert(container.end(), bmp.begin(), bmp.end());
    }
    for (const std::string& name : names)
        if (!CSpriteBase::checkBMPExtension(name))
            writeInput("s/" + name, container.data(), container.size());
    return true;
}

void loadSheet(SDL_Surface* screen)
{
    CSpriteBase sheet;
    if (sheet.init("s", true) != 0)
        return;
    CSprite sprite;
    sprite.init(&sheet, screen);
    for (bool facing : {true, false})
    {
        sprite.drawD(facing);
        sprite.moveD(facing);
        sprite.adjustPos(100, 100, facing);
        sprite.getColBox(facing);
        sprite.getHitPointX(facing);
        sprite.drawColBoxes();
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    SDL_Surface* screen = fuzzScreen();
    const std::string loader = FUZZ_LOADER;
    if (loader == "sprite_info")
    {
        if (!provideContainers(data, size))
            return 0;
        writeSmallBitmap("s/f000.bmp");
        writeInput("s/info", data, size);
        loadSheet(screen);
    }
    else if (loader == "bmp")
    {
        writeInput("s/info", reinterpret_cast<const std::uint8_t*>(kOneFrame), std::strlen(kOneFrame));
        writeInput("s/f000.bmp", data, size);
        loadSheet(screen);
    }
    else if (loader == "background")
    {
        writeSmallBitmap("data/background/b/layer/f000.bmp");
        writeInput("data/background/b/layer/info", reinterpret_cast<const std::uint8_t*>(kOneFrame),
                   std::strlen(kOneFrame));
        writeInput("data/background/b/info", data, size);
        background bg(screen);
        bg.init("b");
        bg.draw(0, 0);
    }
    else if (loader == "animations")
    {
        writeInput("c/info", data, size);
        animationSet set;
        set.loadAll("c");
    }
    else if (loader == "moves")
    {
        writeInput("c/moveset", data, size);
        moveSet set;
        set.loadAll("c");
    }
    else if (loader == "chardata")
    {
        writeInput("c/chardata", data, size);
        soundSet sounds;
        characterData character("c/chardata", screen, 1, &sounds);
    }
    else if (loader == "particles")
    {
        writeInput("data/p/particle", data, size);
        partInfoList kinds;
        kinds.addList("p", screen);
        particleList list;
        list.addParticleXY("dustJump", true, &kinds, screen, 0, 100, 100);
        for (int i = 0; i < 8; ++i)
            list.update();
    }
    else if (loader == "gamepad")
    {
        writeInput("pad.GPad", data, size);
        gamePad pad;
        pad.loadGamePad("pad.GPad");
    }
    else if (loader == "config")
    {
        writeInput("data/gameFiles/config.conf", data, size);
        configFile config;
        config.loadConfigFile();
        config.usableWidth();
        config.usableMusicVolume();
    }
    else if (loader == "font")
    {
        writeInput("f/font.ini", data, size);
        writeInput("f/font.raw", data, size);
        writeInput("f/font.dat", data, size);
        freeFont(initFont("f", 1, 1, 1, 1));
    }
    else if (loader == "sounds")
    {
        writeInput("snd/sound", data, size);
        soundSet sounds;
        sounds.getList("snd");
    }
    else if (loader == "attacks")
    {
        writeInput("ai/attack", data, size);
        aiAttackList attacks;
        attacks.getList("ai");
        attacks.getAttack('S', "ground");
    }
    return 0;
}
