// Shared set-up for the control and AI tests: a fighter folder with real moves
// and an attack file, the fight effects and faces, a fighter loaded with what
// a control binds to it, a keyboard pad, hand-built events, held keys, an
// audio device that shows what plays, and the program-wide values put back.
#include "tests/control/control_fixture.h"

#include "engine/clock.h"
#include "engine/globals.h"
#include "fighter/move_set.h"

#include <SDL_mixer.h>
#include <cstring>
#include <sstream>
#include <utility>

namespace testing_support
{
namespace
{
InfoFrame effectFrame()
{
    InfoFrame f;
    f.image = "fx.bmp";
    f.anchorX = 20;
    f.anchorY = 80;
    f.col[0] = 0;
    f.col[1] = 0;
    f.col[2] = 40;
    f.col[3] = 80;
    f.dmg[0] = f.dmg[1] = f.dmg[2] = f.dmg[3] = -9999;
    return f;
}

const char* const kHitSounds[] = {"Blade_Light01", "Blade_Medium01", "Blade_Heavy01",
                                  "Sharp_Hit1",    "Sharp_Hit2",     "Sharp_Hit3"};

void writeSection(std::ostringstream& out, const std::vector<AttackRecord>& records)
{
    out << "Attacks: " << records.size() << "\n";
    for (const AttackRecord& r : records)
        out << r.name << "\n" << r.range << "\n" << r.linkKey << "\n" << r.cancelKey << "\n";
}
void writeKinds(const std::string& folder, const std::string& listFile,
                const std::vector<ParticleKind>& kinds)
{
    std::ostringstream list;
    list << "PARTS: " << kinds.size() << "\n";
    for (const ParticleKind& k : kinds)
    {
        list << k.name << " 0\n";
        const std::string dir = "data/" + folder + "/" + k.name;
        writeSpriteFolder(dir, k.frames.empty() ? std::vector<InfoFrame>{effectFrame()} : k.frames);
        std::ostringstream d;
        d << 255 << "\n"
          << k.lifetime << "\n"
          << (k.gravity ? 1 : 0) << "\n0\n"
          << (k.dieAtLastFrame ? 1 : 0) << "\n";
        for (const auto* events : {&k.onDeath, &k.onHitPlayer, &k.onHitEnemy, &k.onHitTarget, &k.onHitAlly})
        {
            d << events->size() << "\n";
            for (const std::string& e : *events)
                d << e << "\n";
        }
        writeFile(dir + "/particle", d.str());
    }
    writeFile("data/" + folder + "/" + listFile, list.str());
}
} // namespace

InfoFrame strikeFrame(int damage, int hitType)
{
    InfoFrame f = bodyFrame();
    f.dmg[0] = 25;
    f.dmg[1] = 20;
    f.dmg[2] = 60;
    f.dmg[3] = 40;
    f.damage = damage;
    f.hitType = hitType;
    f.hitX = 35;
    f.hitY = 30;
    f.deflected = "recoil";
    return f;
}

InfoFrame projectileFrame(int damage, int hitType)
{
    InfoFrame f = effectFrame();
    f.damage = damage;
    f.hitType = hitType;
    return f;
}

CharacterSpec fighterSpec(const std::string& folder)
{
    CharacterSpec spec;
    spec.folder = folder;
    const std::size_t slash = folder.rfind('/');
    spec.name = slash == std::string::npos ? folder : folder.substr(slash + 1);

    // The jab comes first, so a lookup that fell back to the set's first
    // move would show up as a jab.
    MoveSpec jab{"jab", "A"};
    jab.frames = {bodyFrame(), strikeFrame(10, 1), bodyFrame()};
    spec.moves.push_back(jab);

    MoveSpec kick{"kick", "B"};
    kick.frames = {bodyFrame(), strikeFrame(12, 4), bodyFrame()};
    spec.moves.push_back(kick);

    MoveSpec grab{"throw"};
    grab.frames = {bodyFrame(), strikeFrame(5, 7)};
    spec.moves.push_back(grab);

    MoveSpec parry{"parry"};
    InfoFrame parryFrame = strikeFrame(5, 1);
    parryFrame.deflecting = 1;
    parry.frames = {parryFrame};
    spec.moves.push_back(parry);

    MoveSpec recoil{"recoil"};
    recoil.interruptible = 0;
    spec.moves.push_back(recoil);

    for (const char* name : {"hit1", "hit2", "hit3", "hit1Low", "hit2Low"})
    {
        MoveSpec reaction{name};
        reaction.interruptible = 0;
        spec.moves.push_back(reaction);
    }
    for (const char* name : {"blockHi", "blockLo", "blockAir", "crash", "pose1", "endPose1", "backJump",
                             "airBack", "airForward"})
        spec.moves.push_back(MoveSpec{name});
    return spec;
}

AttackFile defaultAttacks()
{
    AttackFile file;
    file.ground = {{"jab", "S"}, {"kick", "M"}};
    file.duck = {{"jab", "S"}};
    file.aerial = {{"kick", "S"}};
    file.linked = {{"kick", "S", "jab"}};
    return file;
}

std::string attackFileText(const AttackFile& file)
{
    std::ostringstream out;
    for (const auto* section :
         {&file.ground, &file.duck, &file.aerial, &file.deflect, &file.cancel, &file.linked})
        writeSection(out, *section);
    return out.str();
}

void writeAttackFile(const std::string& aiFolder, const AttackFile& file)
{
    writeFile(aiFolder + "/attack", attackFileText(file));
}

std::string writeFighter(const CharacterSpec& spec, const AttackFile& attacks)
{
    const std::string chardata = writeCharacter(spec);
    writeAttackFile(spec.folder + "/ai", attacks);
    return chardata;
}

std::vector<ParticleKind> fightEffectKinds()
{
    std::vector<ParticleKind> kinds;
    for (const char* name : {"dustJump", "slash1", "slash2", "slash3", "hit1", "hit2", "hit3", "fleckNE",
                             "fleckNW", "fleckSE", "fleckSW", "bloodSplat1", "special"})
        kinds.push_back(ParticleKind{name, {}, 1000, false, false, {}, {}, {}, {}, {}});
    ParticleKind shot{"shot", {projectileFrame(10, 4)}, 0, false, false, {}, {}, {"death true"}, {}, {}};
    ParticleKind grabShot{"grabShot", {projectileFrame(5, 7)}, 0,  false, false, {},
                          {},         {"death true"},          {}, {}};
    kinds.push_back(shot);
    kinds.push_back(grabShot);
    return kinds;
}

void writeFightEffects(const std::vector<ParticleKind>& extra)
{
    std::vector<ParticleKind> kinds = fightEffectKinds();
    kinds.insert(kinds.end(), extra.begin(), extra.end());
    writeKinds("default", "particle", kinds);
    writeKinds("faces", "face", {ParticleKind{"smile", {}, 1000, false, false, {}, {}, {}, {}, {}}});
}

void writeDamageFont()
{
    const int side = 256;
    writeFile("data/font/Calibri2/font.ini", std::to_string(side) + "\n");
    writeFile("data/font/Calibri2/font.raw", std::string(static_cast<std::size_t>(side * side), '\xff'));
    writeFile("data/font/Calibri2/font.dat", std::string(256, '\x08'));
}

std::string wavBytes()
{
    auto le32 = [](Uint32 v)
    {
        return std::string{static_cast<char>(v & 0xff), static_cast<char>((v >> 8) & 0xff),
                           static_cast<char>((v >> 16) & 0xff), static_cast<char>((v >> 24) & 0xff)};
    };
    auto le16 = [](Uint16 v) { return std::string{static_cast<char>(v & 0xff), static_cast<char>(v >> 8)}; };
    const int samples = 22050;
    const Uint32 dataSize = static_cast<Uint32>(samples * 2);
    std::string w = "RIFF" + le32(36 + dataSize) + "WAVEfmt " + le32(16) + le16(1) + le16(1) + le32(22050) +
                    le32(44100) + le16(2) + le16(16) + "data" + le32(dataSize);
    for (int i = 0; i < samples; ++i)
        w += le16(static_cast<Uint16>((i % 50) < 25 ? 8000 : -8000));
    return w;
}

void writeSoundSet(const std::vector<std::string>& extra)
{
    std::vector<std::string> names(std::begin(kHitSounds), std::end(kHitSounds));
    names.insert(names.end(), extra.begin(), extra.end());
    std::ostringstream list;
    list << "SOUNDS: " << names.size() << "\n";
    const std::string wav = wavBytes();
    for (const std::string& n : names)
    {
        list << n << "\n";
        writeFile("data/soundSet/" + n + ".wav", wav);
    }
    writeFile("data/soundSet/sound", list.str());
}

FightEffects::FightEffects(SDL_Surface* screen)
{
    kinds.addList("default", screen);
    faces.addList("faces", "face", screen);
}

std::vector<std::string> FightEffects::names(const particleList& list)
{
    std::vector<std::string> known;
    for (const ParticleKind& k : fightEffectKinds())
        known.push_back(k.name);
    known.insert(known.end(), extraNames.begin(), extraNames.end());
    std::vector<std::string> out;
    for (const particle& p : list.parts)
    {
        if (p.dead)
            continue;
        std::string name = "?";
        for (const std::string& k : known)
            if (p.info && p.info == kinds.findParticle(k))
                name = k;
        if (p.info && p.info == faces.findParticle("smile"))
            name = "smile";
        out.push_back(name);
    }
    return out;
}

int FightEffects::count(const particleList& list, const std::string& kind)
{
    int n = 0;
    for (const std::string& name : names(list))
        if (name == kind)
            ++n;
    return n;
}

FighterRig::FighterRig(const std::string& chardata, SDL_Surface* screen, int x)
    : data(chardata.c_str(), screen, 0, &sounds), input(data.moves, &data.fighter), pad(keyboardPad())
{
    stand(x);
}

moveInfo* FighterRig::move(const std::string& name)
{
    return data.moves ? data.moves->findMove(name) : nullptr;
}

void FighterRig::perform(const std::string& name, int frame)
{
    Fighter& f = fighter();
    f.changeAction(move(name));
    if (frame != 0)
        f.setFrame(frame);
}

void FighterRig::stand(int x, bool facingRight)
{
    Fighter& f = fighter();
    f.changeAnim("standing");
    f.x = x;
    f.y = g_GroundLevel;
    f.grounded = true;
    f.falling = false;
    f.vSpeed = 0;
    f.jumpsLeft = 2;
    f.acting = false;
    f.dir = facingRight;
}

gamePad keyboardPad()
{
    gamePad pad;
    pad.keyA = SDLK_a;
    pad.keyB = SDLK_s;
    pad.keyC = SDLK_d;
    pad.keyLeft = SDLK_LEFT;
    pad.keyRight = SDLK_RIGHT;
    pad.keyUp = SDLK_UP;
    pad.keyDown = SDLK_DOWN;
    pad.keyPause = SDLK_p;
    pad.joystickIndex = -1;
    pad.buttonA = 0;
    pad.buttonB = 1;
    pad.buttonC = 2;
    pad.buttonPause = 9;
    pad.xAxisCentred = true;
    pad.yAxisCentred = true;
    return pad;
}

SDL_Event keyDownEvent(SDLKey key)
{
    SDL_Event e;
    std::memset(&e, 0, sizeof e);
    e.type = SDL_KEYDOWN;
    e.key.state = SDL_PRESSED;
    e.key.keysym.sym = key;
    return e;
}

SDL_Event joyButtonEvent(int joystick, int button)
{
    SDL_Event e;
    std::memset(&e, 0, sizeof e);
    e.type = SDL_JOYBUTTONDOWN;
    e.jbutton.which = static_cast<Uint8>(joystick);
    e.jbutton.button = static_cast<Uint8>(button);
    e.jbutton.state = SDL_PRESSED;
    return e;
}

SDL_Event joyAxisEvent(int joystick, int axis, int value)
{
    SDL_Event e;
    std::memset(&e, 0, sizeof e);
    e.type = SDL_JOYAXISMOTION;
    e.jaxis.which = static_cast<Uint8>(joystick);
    e.jaxis.axis = static_cast<Uint8>(axis);
    e.jaxis.value = static_cast<Sint16>(value);
    return e;
}

HeldKeys::HeldKeys(std::vector<SDLKey> keys) : held(std::move(keys))
{
    Uint8* state = SDL_GetKeyState(nullptr);
    for (SDLKey k : held)
        state[k] = 1;
}

HeldKeys::~HeldKeys()
{
    Uint8* state = SDL_GetKeyState(nullptr);
    for (SDLKey k : held)
        state[k] = 0;
}

GlobalsGuard::GlobalsGuard()
    : freezeEndWas(freezeEnd), shakeAmtWas(shakeAmt), shakeSizeWas(shakeSize), shakeDirWas(shakeDir),
      fullyQuitWas(fullyQuit), debugToggleWas(debugToggle), debuggingWas(debugging),
      deadZoneMinWas(gamePadDeadZoneMin), deadZoneMaxWas(gamePadDeadZoneMax)
{
}

GlobalsGuard::~GlobalsGuard()
{
    freezeEnd = freezeEndWas;
    shakeAmt = shakeAmtWas;
    shakeSize = shakeSizeWas;
    shakeDir = shakeDirWas;
    fullyQuit = fullyQuitWas;
    debugToggle = debugToggleWas;
    debugging = debuggingWas;
    gamePadDeadZoneMin = deadZoneMinWas;
    gamePadDeadZoneMax = deadZoneMaxWas;
    releaseTestClock();
}
} // namespace testing_support
