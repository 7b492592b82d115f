// Writes small character folders (chardata, info, moveset, sound and sprite
// folders) from a table, for tests of fighters, controls and AIs.
#include "tests/support/character_fixture.h"

#include <set>
#include <sstream>

namespace testing_support
{
InfoFrame bodyFrame()
{
    InfoFrame f;
    f.image = "body.bmp";
    f.pause = 50;
    f.anchorX = 20;
    f.anchorY = 80;
    f.col[0] = 5;
    f.col[1] = 5;
    f.col[2] = 35;
    f.col[3] = 79;
    f.dmg[0] = f.dmg[1] = f.dmg[2] = f.dmg[3] = -9999;
    return f;
}

std::vector<AnimSpec> standardAnims()
{
    std::vector<AnimSpec> anims;
    for (const char* name : {"standing", "walk", "duck", "running", "inAir", "inAirDown", "fallUp", "fallDown"})
        anims.push_back(AnimSpec{name, {}});
    return anims;
}

void writeSpriteFolder(const std::string& folder, const std::vector<InfoFrame>& frames)
{
    writeFile(folder + "/info", infoText(frames));
    std::set<std::string> images;
    for (const InfoFrame& f : frames)
        images.insert(f.image);
    Uint8 shade = 60;
    for (const std::string& image : images)
    {
        writeIndexedBmp(folder + "/" + image, 40, 80, 9, shade, 120, 200);
        shade = static_cast<Uint8>(shade + 40);
    }
}

std::string writeCharacter(const CharacterSpec& spec)
{
    const std::vector<AnimSpec> anims = spec.anims.empty() ? standardAnims() : spec.anims;
    const std::vector<InfoFrame> twoFrames = {bodyFrame(), bodyFrame()};

    std::ostringstream chardata;
    chardata << spec.name << "\n"
             << spec.hp << "\n"
             << spec.mp << "\n"
             << spec.speed << "\n"
             << spec.jump << "\n"
             << spec.bullets << "\n"
             << spec.bulletsMax << "\n"
             << spec.extra << "\n"
             << spec.folder << "\n";
    writeFile(spec.folder + "/chardata", chardata.str());

    std::ostringstream info;
    info << "ANIMS: " << anims.size() << "\n";
    for (const AnimSpec& a : anims)
    {
        info << a.name << "\n";
        writeSpriteFolder(spec.folder + "/" + a.name, a.frames.empty() ? twoFrames : a.frames);
    }
    writeFile(spec.folder + "/info", info.str());

    std::ostringstream moveset;
    moveset << "ANIMS: " << spec.moves.size() << "\n";
    for (const MoveSpec& m : spec.moves)
    {
        moveset << m.name << "\n"
                << m.command << "\n"
                << m.energy << "\n"
                << m.link << "\n"
                << m.linkFrame << "\n"
                << m.interruptible << "\n"
                << m.startFrom << "\n"
                << m.startFrame << "\n"
                << m.special << "\n"
                << m.flag10 << "\n"
                << m.condition << "\n";
        writeSpriteFolder(spec.folder + "/" + m.name, m.frames.empty() ? twoFrames : m.frames);
    }
    writeFile(spec.folder + "/moveset", moveset.str());

    std::ostringstream sound;
    sound << "SOUNDS: " << spec.sounds.size() << "\n";
    for (const std::string& s : spec.sounds)
        sound << s << "\n";
    writeFile(spec.folder + "/sound", sound.str());
    return spec.folder + "/chardata";
}

std::string particleDescriptionText(const ParticleKindSpec& kind)
{
    std::ostringstream o;
    o << kind.alpha << "\n"
      << kind.lifetime << "\n"
      << kind.gravity << "\n"
      << kind.extraFlag << "\n"
      << kind.dieAtLastFrame << "\n";
    for (const std::vector<std::string>& list : kind.events)
    {
        const std::vector<std::string> entries = list.empty() ? std::vector<std::string>{"NULL"} : list;
        o << entries.size() << "\n";
        for (const std::string& e : entries)
            o << e << "\n";
    }
    return o.str();
}

void writeParticleKinds(const std::string& dir, const std::string& file,
                        const std::vector<ParticleKindSpec>& kinds)
{
    std::ostringstream list;
    list << "PARTS: " << kinds.size() << "\n";
    for (const ParticleKindSpec& k : kinds)
    {
        list << k.name << " " << k.number << "\n";
        std::vector<InfoFrame> frames = k.frames;
        if (frames.empty())
        {
            InfoFrame f;
            f.image = "p.bmp";
            f.col[2] = f.col[3] = 9;
            frames.push_back(f);
        }
        const std::string folder = "data/" + dir + "/" + k.name;
        writeSpriteFolder(folder, frames);
        writeFile(folder + "/particle", particleDescriptionText(k));
    }
    writeFile("data/" + dir + "/" + file, list.str());
}
} // namespace testing_support
