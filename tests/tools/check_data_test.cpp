// The data checker against a small fighter folder with one fault put in at a
// time: each fault is reported once, at its file and line, and the clean
// folder draws no finding.
#include "tools/checkdata/check_data.h"

#include "core/bmp.h"
#include "core/synth.h"
#include "core/wav.h"
#include "tests/support/character_fixture.h"
#include "tests/support/test_support.h"

#include <cstdio>
#include <functional>
#include <gtest/gtest.h>

using namespace testing_support;

namespace
{
const std::string kDir = "data/characters/Tester";

// The fixture's body frame with its box inside the 40x80 picture.
InfoFrame body()
{
    InfoFrame f = bodyFrame();
    f.col[3] = 79;
    return f;
}

InfoFrame strike()
{
    InfoFrame f = body();
    f.dmg[0] = 20;
    f.dmg[1] = 30;
    f.dmg[2] = 39;
    f.dmg[3] = 40;
    f.damage = 5;
    f.hitType = 1;
    f.hitX = 36;
    f.hitY = 35;
    return f;
}

// A fighter with every name the engine asks for, a punch that sounds and
// sparks on its wind-up frame (the control steps past a frame whose events
// fire, so they never sit on the blow), a crash that holds the beaten, an
// attack file, palettes and a sound.
// Replaces line `line` (from 1) of a text file.
void replaceLine(const std::string& path, int line, const std::string& text)
{
    const std::string all = readFile(path);
    std::string out;
    int n = 1;
    std::size_t start = 0;
    while (start < all.size())
    {
        const std::size_t end = all.find('\n', start);
        const std::string l = all.substr(start, end == std::string::npos ? std::string::npos : end - start);
        out += (n == line ? text : l) + "\n";
        ++n;
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    writeFile(path, out);
}

int frameLine(int frame);

struct Folder
{
    CharacterSpec spec;
    std::string attack = "Attacks: 1\njab\nS\nNULL\nNULL\nAttacks: 0\nAttacks: 0\nAttacks: 0\nAttacks: 0\n"
                         "Attacks: 1\njab2\nS\njab\nNULL\n";

    Folder()
    {
        spec.folder = kDir;
        spec.name = "Tester";
        spec.anims = standardAnims();
        for (AnimSpec& a : spec.anims)
            a.frames = {body(), body()};
        for (const char* n : {"hit1", "hit2", "hit3", "hit1Low", "hit2Low", "blockHi", "blockLo", "blockAir"})
        {
            MoveSpec m(n);
            m.interruptible = 0;
            m.frames = {body(), body()};
            spec.moves.push_back(m);
        }
        for (const char* n : {"backJump", "airBack", "airForward", "pose1", "endPose1"})
        {
            MoveSpec m(n);
            m.frames = {body(), body()};
            spec.moves.push_back(m);
        }
        MoveSpec crash("crash");
        crash.interruptible = 0;
        InfoFrame down = body();
        down.conditions = {"HP < 1", "ANIM = STOP", "ELSE", "ANIM = START"};
        crash.frames = {body(), down, body()};
        spec.moves.push_back(crash);
        MoveSpec jab("jab", "A");
        InfoFrame swing = body();
        swing.sound = "TesterPunch";
        swing.particles = {"spark 10 40"};
        swing.face = "grin";
        jab.frames = {body(), swing, strike(), body()};
        spec.moves.push_back(jab);
        MoveSpec jab2("jab2", "A");
        jab2.link = "jab";
        jab2.linkFrame = 1;
        jab2.frames = {body(), strike(), body()};
        spec.moves.push_back(jab2);
        spec.sounds = {"TesterPunch"};
    }

    std::vector<std::function<void()>> after; // edits of the written files

    void write() const
    {
        writeCharacter(spec);
        writeFile(kDir + "/ai/attack", attack);
        datagen::Sound s = datagen::silence(0.05f);
        datagen::writeSoundFolder(kDir, {{"TesterPunch", s}});
        writeFile("data/soundSet/sound", "SOUNDS: 0\n");
        ParticleKindSpec spark;
        spark.name = "spark";
        ParticleKindSpec grin;
        grin.name = "grin";
        writeParticleKinds("default", "particle", {spark});
        writeParticleKinds("faces", "face", {grin});
        datagen::IndexedImage pal;
        pal.width = pal.height = 4;
        pal.palette[0] = datagen::kMagenta;
        pal.pixels.assign(16, 0);
        for (int p = 1; p <= 7; ++p)
            writeFile(kDir + "/palette/" + std::to_string(p) + ".bmp",
                      [&]
                      {
                          const std::vector<std::uint8_t> b = datagen::encodeBmp(pal);
                          return std::string(b.begin(), b.end());
                      }());
        for (const auto& edit : after)
            edit();
    }
};

MoveSpec& moveNamed(CharacterSpec& spec, const std::string& name)
{
    for (MoveSpec& m : spec.moves)
        if (m.name == name)
            return m;
    ADD_FAILURE() << "no move " << name;
    return spec.moves.front();
}

// The moveset's first line of a move's record.
int recordLine(const CharacterSpec& spec, const std::string& name)
{
    for (std::size_t i = 0; i < spec.moves.size(); ++i)
        if (spec.moves[i].name == name)
            return 2 + 11 * static_cast<int>(i);
    return 0;
}

// The info line where frame `frame` of a sprite folder starts: frames of the
// fixture have no particle or condition lines before it unless given.
int frameLine(int frame)
{
    return 2 + 16 * frame;
}

struct FaultCase
{
    const char* name;
    std::function<void(Folder&)> fault;
    std::function<std::string(const Folder&)> file;
    std::function<int(const Folder&)> line;
    const char* words;
};

void PrintTo(const FaultCase& c, std::ostream* os)
{
    *os << c.name;
}

class CheckData : public ::testing::TestWithParam<FaultCase>
{
protected:
    void SetUp() override { screen = openTestVideo(); }
    ScratchDir scratch;
    SDL_Surface* screen = nullptr;
};

std::string findingsText(const std::vector<checkdata::Finding>& fs)
{
    std::string s;
    for (const checkdata::Finding& f : fs)
        s += checkdata::describe(f) + "\n";
    return s;
}

TEST_F(CheckData, ACleanFolderDrawsNoFinding)
{
    Folder f;
    f.write();
    const std::vector<checkdata::Finding> found = checkdata::checkCharacter(screen, "Tester");
    EXPECT_TRUE(found.empty()) << findingsText(found);
}

// Blows struck in the air, and anti-air blows, may pass over a standing body.
TEST_F(CheckData, OnlyGroundBlowsMustReachAStandingBody)
{
    const std::pair<const char*, const char*> kHighBlows[] = {{"jab2", "ground = false"},
                                                             {"antiAirJab", "NULL"}};
    for (const auto& [name, condition] : kHighBlows)
    {
        SCOPED_TRACE(name);
        ScratchDir own;
        Folder f;
        MoveSpec& m = moveNamed(f.spec, "jab2");
        m.name = name;
        m.condition = condition;
        m.frames[1].dmg[1] = 0;
        m.frames[1].dmg[3] = 3;
        f.attack.replace(f.attack.rfind("jab2"), 4, name);
        f.write();
        const std::vector<checkdata::Finding> found = checkdata::checkCharacter(screen, "Tester");
        EXPECT_TRUE(found.empty()) << findingsText(found);
    }
}

TEST_P(CheckData, ReportsTheFaultAtItsFileAndLine)
{
    const FaultCase& c = GetParam();
    Folder f;
    c.fault(f);
    f.write();
    const std::vector<checkdata::Finding> found = checkdata::checkCharacter(screen, "Tester");
    ASSERT_FALSE(found.empty()) << c.name;
    bool matched = false;
    for (const checkdata::Finding& x : found)
        matched = matched || (x.file == c.file(f) && x.line == c.line(f) &&
                              x.message.find(c.words) != std::string::npos);
    EXPECT_TRUE(matched) << "wanted " << c.file(f) << ":" << c.line(f) << " with \"" << c.words << "\", got\n"
                         << findingsText(found);
}

const FaultCase kFaults[] = {
    {"missing engine animation", [](Folder& f) { f.spec.anims.pop_back(); },
     [](const Folder&) { return kDir + "/info"; }, [](const Folder&) { return 0; }, "fallDown"},
    {"missing engine move", [](Folder& f) { moveNamed(f.spec, "airForward").name = "dashForward"; },
     [](const Folder&) { return kDir + "/moveset"; }, [](const Folder&) { return 0; }, "airForward"},
    {"attack not in the move set",
     [](Folder& f) { f.attack.replace(f.attack.find("jab\nS"), 3, "uppercut"); },
     [](const Folder&) { return kDir + "/ai/attack"; }, [](const Folder&) { return 2; }, "uppercut"},
    {"link key not in the move set",
     [](Folder& f) { f.attack.replace(f.attack.rfind("jab\nNULL"), 3, "kick"); },
     [](const Folder&) { return kDir + "/ai/attack"; }, [](const Folder&) { return 13; }, "kick"},
    {"link not in the move set", [](Folder& f) { moveNamed(f.spec, "jab2").link = "jab0"; },
     [](const Folder&) { return kDir + "/moveset"; },
     [](const Folder& f) { return recordLine(f.spec, "jab2") + 3; }, "jab0"},
    {"start-from not in the move set", [](Folder& f) { moveNamed(f.spec, "jab2").startFrom = "feint"; },
     [](const Folder&) { return kDir + "/moveset"; },
     [](const Folder& f) { return recordLine(f.spec, "jab2") + 6; }, "feint"},
    {"deflected move not in the move set",
     [](Folder& f) { moveNamed(f.spec, "jab2").frames[1].deflected = "stagger"; },
     [](const Folder&) { return kDir + "/jab2/info"; }, [](const Folder&) { return frameLine(1) + 13; },
     "stagger"},
    {"particle kind that does not exist",
     [](Folder& f) { moveNamed(f.spec, "jab").frames[1].particles = {"sparkle 1 2"}; },
     [](const Folder&) { return kDir + "/jab/info"; }, [](const Folder&) { return frameLine(1) + 11; },
     "sparkle"},
    {"sound that does not exist", [](Folder& f) { moveNamed(f.spec, "jab").frames[1].sound = "TesterKick"; },
     [](const Folder&) { return kDir + "/jab/info"; }, [](const Folder&) { return frameLine(1) + 9; },
     "TesterKick"},
    {"face that does not exist", [](Folder& f) { moveNamed(f.spec, "jab").frames[1].face = "frown"; },
     [](const Folder&) { return kDir + "/jab/info"; }, [](const Folder&) { return frameLine(1) + 15; },
     "frown"},
    {"frame without an image",
     [](Folder& f)
     {
         moveNamed(f.spec, "jab2").frames[2].image = "gone.bmp";
         f.after.push_back([] { std::remove((kDir + "/jab2/gone.bmp").c_str()); });
     },
     [](const Folder&) { return kDir + "/jab2/info"; }, [](const Folder&) { return frameLine(2); },
     "no image"},
    {"collision box outside its frame",
     [](Folder& f)
     {
         moveNamed(f.spec, "pose1").frames = {body(), body()};
         moveNamed(f.spec, "pose1").frames[1].col[2] = 40;
     },
     [](const Folder&) { return kDir + "/pose1/info"; }, [](const Folder&) { return frameLine(1) + 2; },
     "collision box"},
    {"damage box outside its frame on a damage frame",
     [](Folder& f) { moveNamed(f.spec, "jab2").frames[1].dmg[3] = 80; },
     [](const Folder&) { return kDir + "/jab2/info"; }, [](const Folder&) { return frameLine(1) + 3; },
     "damage box"},
    {"damage box on the field of a harmless frame",
     [](Folder& f)
     {
         int* box = moveNamed(f.spec, "jab2").frames[2].dmg;
         box[0] = box[1] = 0;
         box[2] = box[3] = 10;
     },
     [](const Folder&) { return kDir + "/jab2/info"; }, [](const Folder&) { return frameLine(2) + 3; },
     "deals no damage"},
    {"move line that does not parse",
     [](Folder& f)
     {
         const int line = recordLine(f.spec, "jab") + 2;
         f.after.push_back([line] { replaceLine(kDir + "/moveset", line, "lots"); });
     },
     [](const Folder&) { return kDir + "/moveset"; },
     [](const Folder& f) { return recordLine(f.spec, "jab") + 2; }, "not a number"},
    {"command of letters no button makes", [](Folder& f) { moveNamed(f.spec, "jab2").command = "DXA"; },
     [](const Folder&) { return kDir + "/moveset"; },
     [](const Folder& f) { return recordLine(f.spec, "jab2") + 1; }, "command"},
    {"sprite info that does not parse",
     [](Folder& f)
     { f.after.push_back([] { replaceLine(kDir + "/jab/info", frameLine(1) + 2, "5 5 thirty 80"); }); },
     [](const Folder&) { return kDir + "/jab/info"; }, [](const Folder&) { return frameLine(1) + 2; },
     "does not parse"},
    {"interruptible reaction", [](Folder& f) { moveNamed(f.spec, "hit2").interruptible = 1; },
     [](const Folder&) { return kDir + "/moveset"; },
     [](const Folder& f) { return recordLine(f.spec, "hit2") + 5; }, "interruptible"},
    {"blow on a frame that plays a sound",
     [](Folder& f) { moveNamed(f.spec, "jab").frames[2].sound = "TesterPunch"; },
     // The wind-up's spark takes a line of its own.
     [](const Folder&) { return kDir + "/jab/info"; }, [](const Folder&) { return frameLine(2) + 1; },
     "never lands"},
    {"sound on a move's last frame",
     [](Folder& f) { moveNamed(f.spec, "jab2").frames[2].sound = "TesterPunch"; },
     [](const Folder&) { return kDir + "/jab2/info"; }, [](const Folder&) { return frameLine(2); },
     "last frame"},
    {"one-frame move", [](Folder& f) { moveNamed(f.spec, "endPose1").frames = {body()}; },
     [](const Folder&) { return kDir + "/moveset"; },
     [](const Folder& f) { return recordLine(f.spec, "endPose1"); }, "two frames"},
    {"crash that lets the beaten get up",
     [](Folder& f) { moveNamed(f.spec, "crash").frames[1].conditions.clear(); },
     [](const Folder&) { return kDir + "/crash/info"; }, [](const Folder&) { return 0; }, "without health"},
    {"crash that keeps a revived fighter down",
     [](Folder& f) { moveNamed(f.spec, "crash").frames[1].conditions = {"HP < 1", "ANIM = STOP"}; },
     [](const Folder&) { return kDir + "/crash/info"; }, [](const Folder&) { return 0; }, "once health is back"},
    // The fixture's standing body is 75 px tall; jab2 strikes 40-50 px up, in front of its middle.
    {"ground blow above a standing body",
     [](Folder& f)
     {
         int* box = moveNamed(f.spec, "jab2").frames[1].dmg;
         box[1] = 0;
         box[3] = 3;
     },
     [](const Folder&) { return kDir + "/moveset"; }, [](const Folder& f) { return recordLine(f.spec, "jab2"); },
     "misses a standing body"},
    {"ground blow behind the striker's middle",
     [](Folder& f)
     {
         int* box = moveNamed(f.spec, "jab2").frames[1].dmg;
         box[0] = 0;
         box[2] = 15;
     },
     [](const Folder&) { return kDir + "/moveset"; }, [](const Folder& f) { return recordLine(f.spec, "jab2"); },
     "misses a standing body"},
    {"condition an engine does not know",
     [](Folder& f) {
         moveNamed(f.spec, "crash").frames[1].conditions = {"HP < 1", "ANIM STOP"};
     },
     [](const Folder&) { return kDir + "/crash/info"; }, [](const Folder&) { return frameLine(1) + 17; },
     "three words"},
};

INSTANTIATE_TEST_SUITE_P(Faults, CheckData, ::testing::ValuesIn(kFaults),
                         [](const ::testing::TestParamInfo<FaultCase>& i)
                         {
                             std::string n = i.param.name;
                             for (char& ch : n)
                                 if (!std::isalnum(static_cast<unsigned char>(ch)))
                                     ch = '_';
                             return n;
                         });
} // namespace
