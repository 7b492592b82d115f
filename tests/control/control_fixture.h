// Shared set-up for the control and AI tests: a fighter folder with real moves
// and an attack file, the fight effects and faces, a fighter loaded with what
// a control binds to it, a keyboard pad, hand-built events, held keys, an
// audio device that shows what plays, and the program-wide values put back.
#pragma once

#include <SDL.h>
#include <memory>
#include <string>
#include <vector>

#include "engine/audio.h"
#include "engine/gamepad.h"
#include "fighter/character_data.h"
#include "fighter/input_checker.h"
#include "fighter/particles.h"
#include "fighter/target.h"
#include "tests/support/character_fixture.h"

class moveInfo;

namespace testing_support
{
// A frame that hits: the body frame with an attack box reaching in front of
// the fighter (x +5 .. +40 from the anchor when facing right, y -60 .. -40),
// its damage and hit type, a hit point at (35, 30) of the picture, and
// "recoil" as the move its fighter plays when the blow is deflected.
InfoFrame strikeFrame(int damage, int hitType);

// A fighter with the moves the controls and AIs look up by name:
// - "jab" (command "A"): body, strike(10, hit type 1), body; interruptible.
// - "kick" (command "B"): body, strike(12, hit type 4), body; interruptible.
// - "throw" (no command): body, strike(5, hit type 7): a grab.
// - "parry" (no command): one deflecting strike(5, hit type 1).
// - "recoil": the deflected move.
// - reactions "hit1", "hit2", "hit3", "hit1Low", "hit2Low", not interruptible;
// - "blockHi", "blockLo", "blockAir", "crash", "pose1", "endPose1",
//   "backJump", "airBack", "airForward".
// The character can be changed before it is written (add frames with sounds,
// drop moves, rename the folder).
CharacterSpec fighterSpec(const std::string& folder = "data/characters/Fighter");

// The six sections of an AI's attack file, each a list of
// (move name, range letter, link key, cancel key).
struct AttackRecord
{
    std::string name;
    std::string range = "S";
    std::string linkKey = "NULL";
    std::string cancelKey = "NULL";
};
struct AttackFile
{
    std::vector<AttackRecord> ground, duck, aerial, deflect, cancel, linked;
};
// A small repertoire for fighterSpec(): jab at short range, kick at medium
// range, kick in the air, jab ducking, kick linked after jab.
AttackFile defaultAttacks();
std::string attackFileText(const AttackFile& file);
// Writes `aiFolder`/attack.
void writeAttackFile(const std::string& aiFolder, const AttackFile& file);

// Writes the character and its "ai/attack" file; returns the chardata path.
std::string writeFighter(const CharacterSpec& spec, const AttackFile& attacks = defaultAttacks());

// One particle kind under a list folder: its frames and description.
struct ParticleKind
{
    std::string name;
    std::vector<InfoFrame> frames; // empty: one small effect frame
    int lifetime = 1000;
    bool gravity = false;
    bool dieAtLastFrame = false;
    std::vector<std::string> onDeath, onHitPlayer, onHitEnemy, onHitTarget, onHitAlly;
};

// A projectile's frame: its picture's body box (0, 0) .. (40, 80), anchor
// (20, 80), with that damage and hit type.
InfoFrame projectileFrame(int damage, int hitType);

// The effect kinds of data/default/particle: "dustJump", "slash1".."slash3",
// "hit1".."hit3", "fleckNE", "fleckNW", "fleckSE", "fleckSW",
// "bloodSplat1", "special", and two projectiles that stand still and die
// when they hit an enemy: "shot" (damage 10, hit type 4) and "grabShot"
// (damage 5, hit type 7). A projectile's body box is (0, 0) .. (40, 80) of
// its picture, placed with its anchor (20, 80) at its position.
std::vector<ParticleKind> fightEffectKinds();
// data/default/particle with fightEffectKinds() and any extra kinds, and
// data/faces/face with one face "smile".
void writeFightEffects(const std::vector<ParticleKind>& extra = {});

// The damage number's font, data/font/Calibri2: every glyph 8 pixels wide
// and fully covered, so drawn text is a solid block.
void writeDamageFont();

// The shared fighter sounds of data/soundSet: the hit sounds by hit type
// ("Blade_Light01" ...), plus any extra names, each a one-second WAV.
void writeSoundSet(const std::vector<std::string>& extra = {});
// A one-second 16-bit mono WAV.
std::string wavBytes();

// The screen's lists a control shares: effect kinds and faces, the effect
// list and the backdrop list. Loads what writeFightEffects() wrote.
struct FightEffects
{
    explicit FightEffects(SDL_Surface* screen);
    FightEffects(const FightEffects&) = delete;
    FightEffects& operator=(const FightEffects&) = delete;

    // The kind names of the live particles of a list, in order ("?" for a
    // kind these lists do not hold).
    std::vector<std::string> names(const particleList& list);
    // How many live particles of that kind a list holds.
    int count(const particleList& list, const std::string& kind);

    // Kinds written beside the standard ones, so names() knows them.
    std::vector<std::string> extraNames;
    partInfoList kinds;
    partInfoList faces;
    particleList effects;
    particleList backdrop;
};

// One fighter loaded from a written character folder, with the sets, sound
// set, particle list, input checker and keyboard pad a control binds to it.
// The fighter stands on the ground at (x, g_GroundLevel) facing right.
class FighterRig
{
public:
    FighterRig(const std::string& chardata, SDL_Surface* screen, int x = 200);
    FighterRig(const FighterRig&) = delete;
    FighterRig& operator=(const FighterRig&) = delete;

    Fighter& fighter() { return data.fighter; }
    moveSet* moves() { return data.moves; }
    animationSet* anims() { return data.anims; }
    // The named move of this fighter's set, or null.
    moveInfo* move(const std::string& name);
    // Starts the named move and shows its frame `frame`.
    void perform(const std::string& name, int frame = 0);
    // Stands the fighter still on the ground at x, facing right or left.
    void stand(int x, bool facingRight = true);

    soundSet sounds;
    characterData data;
    particleList particles;
    inputChecker input;
    gamePad pad;
};

// A keyboard pad: A 'a', B 's', C 'd', the arrow keys, pause 'p';
// joystick buttons 0, 1, 2 and pause 9 (joystickIndex -1: keyboard).
gamePad keyboardPad();

SDL_Event keyDownEvent(SDLKey key);
SDL_Event joyButtonEvent(int joystick, int button);
SDL_Event joyAxisEvent(int joystick, int axis, int value);

// Keys held down in SDL's key state array for the holder's life.
class HeldKeys
{
public:
    explicit HeldKeys(std::vector<SDLKey> keys);
    ~HeldKeys();
    HeldKeys(const HeldKeys&) = delete;
    HeldKeys& operator=(const HeldKeys&) = delete;

private:
    std::vector<SDLKey> held;
};

// Saves the program-wide values the controls change (hit-stop, shake, quit
// and debug flags, the dead zone) and puts them back, releasing the test
// clock, when it goes.
class GlobalsGuard
{
public:
    GlobalsGuard();
    ~GlobalsGuard();
    GlobalsGuard(const GlobalsGuard&) = delete;
    GlobalsGuard& operator=(const GlobalsGuard&) = delete;

private:
    Uint32 freezeEndWas;
    int shakeAmtWas, shakeSizeWas, shakeDirWas;
    bool fullyQuitWas, debugToggleWas, debuggingWas;
    int deadZoneMinWas, deadZoneMaxWas;
};
} // namespace testing_support
