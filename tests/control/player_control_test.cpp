// The player's control: keys and joystick to command letters, pause
// requests, jumps, walking, running, ducking and blocking, moves from the
// input buffer, runs and air dashes, frame events, facing, push-back,
// landing and the poses.
#include "control/beat_em_up_control.h"
#include "control/dual_weapon_control.h"
#include "control/player_control.h"
#include "engine/clock.h"
#include "engine/globals.h"
#include "fighter/animation_set.h"
#include "fighter/move_set.h"
#include "screens/fight_ui.h"
#include "tests/control/control_fixture.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <memory>

using namespace testing_support;

namespace
{

// The hero's moves: the standard ones, a "cross" that chains from the jab,
// and moves whose frames carry events.
CharacterSpec heroSpec()
{
    CharacterSpec spec = fighterSpec("data/characters/Hero");
    MoveSpec cross{"cross", "B"};
    cross.startFrom = "jab";
    spec.moves.push_back(cross);

    // Sound and particles on its first frame.
    MoveSpec swing{"swing"};
    InfoFrame loud = bodyFrame();
    loud.sound = "swish";
    loud.particles = {"dustJump 0 0", "slash1 10 10"};
    swing.frames = {loud, bodyFrame(), bodyFrame()};
    spec.moves.push_back(swing);

    // Its only frame carries a particle: the frame stays on screen.
    MoveSpec flourish{"flourish"};
    InfoFrame last = bodyFrame();
    last.particles = {"slash2 0 0"};
    flourish.frames = {last};
    spec.moves.push_back(flourish);

    // A face on a special move.
    MoveSpec smirk{"smirk"};
    InfoFrame face = bodyFrame();
    face.face = "smile";
    smirk.frames = {face, bodyFrame()};
    smirk.special = 1;
    smirk.energy = 0;
    spec.moves.push_back(smirk);

    // Only conditions: heals one point on every update while it shows.
    MoveSpec regen{"regen"};
    InfoFrame heal = bodyFrame();
    heal.conditions = {"ground = true", "HP + 1"};
    regen.frames = {heal};
    spec.moves.push_back(regen);

    // A looping animation whose second (last) frame throws dust.
    spec.anims = standardAnims();
    InfoFrame dusty = bodyFrame();
    dusty.particles = {"dustJump 0 0"};
    spec.anims.push_back(AnimSpec{"taunt", {bodyFrame(), dusty}});
    return spec;
}

// The hero without some moves, in a folder of its own.
CharacterSpec sparseHero(std::initializer_list<const char*> missing)
{
    CharacterSpec spec = heroSpec();
    spec.folder = "data/characters/Sparse";
    for (const char* name : missing)
        spec.moves.erase(std::remove_if(spec.moves.begin(), spec.moves.end(),
                                        [&](const MoveSpec& m) { return m.name == name; }),
                         spec.moves.end());
    return spec;
}

// The hero against a foe, each with a one-on-one player control aimed at
// the other.
struct Duel
{
    Duel(SDL_Surface* s, const CharacterSpec& heroSpec)
        : fx(s), hero(writeFighter(heroSpec), s, 200),
          foe(writeFighter(fighterSpec("data/characters/Foe")), s, 400)
    {
        heroTarget.setTarget(&foe.fighter());
        foeTarget.setTarget(&hero.fighter());
        bind(control, hero, heroTarget, s);
        bind(other, foe, foeTarget, s);
    }

    void bind(playerControl& c, FighterRig& rig, Target& t, SDL_Surface* s)
    {
        c.init(s);
        c.setup(&rig.fighter(), &fx.kinds, &rig.particles, &rig.sounds, rig.anims(), rig.moves(), &rig.pad,
                &rig.input, &t);
        c.effects = &fx.effects;
        c.specialBackdrop = &fx.backdrop;
    }

    // A key press through the control's event handling.
    void press(SDLKey key)
    {
        SDL_Event e = keyDownEvent(key);
        control.inputChecking(&e);
    }

    FightEffects fx;
    FighterRig hero;
    FighterRig foe;
    Target heroTarget;
    Target foeTarget;
    playerControl control;
    playerControl other;
};

class PlayerControlTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        screen = openTestVideo();
        ASSERT_NE(screen, nullptr);
        setTestClock(10000);
        writeFightEffects();
        writeSoundSet({"swish"});
        duel = std::make_unique<Duel>(screen, heroSpec());
        // The first update measures from tick 0; later ones from here.
        control().update();
    }

    playerControl& control() { return duel->control; }
    Fighter& hero() { return duel->hero.fighter(); }
    FighterRig& heroRig() { return duel->hero; }
    std::string letters() { return duel->hero.input.bufferText(); }

    GlobalsGuard globals;
    ScratchDir dir;
    AudioSession audio;
    SDL_Surface* screen = nullptr;
    std::unique_ptr<Duel> duel;
};

struct KeyCase
{
    SDLKey key;
    bool facingRight;
    const char* letters;
};

const KeyCase kKeys[] = {
    {SDLK_a, true, "A"},     {SDLK_s, true, "B"},     {SDLK_d, true, "C"},    {SDLK_DOWN, true, "D"},
    {SDLK_UP, true, "U"},    {SDLK_RIGHT, true, "R"}, {SDLK_LEFT, true, "L"}, {SDLK_RIGHT, false, "L"},
    {SDLK_LEFT, false, "R"}, {SDLK_a, false, "A"},    {SDLK_x, true, ""},     {SDLK_p, true, ""},
};

TEST_F(PlayerControlTest, KeysGiveLettersTowardAndAwayFromTheFacing)
{
    for (const KeyCase& c : kKeys)
    {
        SCOPED_TRACE(testing::Message()
                     << "key " << c.key << (c.facingRight ? " facing right" : " facing left"));
        heroRig().stand(200, c.facingRight);
        duel->hero.input.deleteList();
        duel->press(c.key);
        EXPECT_EQ(letters(), c.letters);
    }
}

TEST_F(PlayerControlTest, PressesAreStampedWithTheUpdateTickAndTheFighterState)
{
    advanceTestClock(40);
    control().update();
    heroRig().perform("jab");
    advanceTestClock(5);
    duel->press(SDLK_a);
    ASSERT_EQ(duel->hero.input.buffer.size(), 1u);
    EXPECT_EQ(duel->hero.input.buffer[0].time, 10040) << "the tick of the latest update, not of the press";
    EXPECT_EQ(duel->hero.input.buffer[0].state, "jab");
}

// Which events ask for the pause, by control: the one-on-one player, the
// boss-fight player and the stage player, on the keyboard or a joystick.
enum class Kind
{
    Player,
    BossFight,
    Stage
};

struct PauseCase
{
    Kind kind;
    bool joystick;
    SDL_Event event;
    bool quitting;
    bool pause;
};

std::vector<PauseCase> pauseCases()
{
    std::vector<PauseCase> cases;
    for (Kind k : {Kind::Player, Kind::BossFight, Kind::Stage})
    {
        // Escape, or any key while the game is quitting, in both modes.
        cases.push_back({k, false, keyDownEvent(SDLK_ESCAPE), false, true});
        cases.push_back({k, true, keyDownEvent(SDLK_ESCAPE), false, true});
        cases.push_back({k, false, keyDownEvent(SDLK_x), true, true});
        cases.push_back({k, true, keyDownEvent(SDLK_x), true, true});
        cases.push_back({k, false, keyDownEvent(SDLK_x), false, false});
        // The mapped pause key counts only on the keyboard, and not in a boss fight.
        cases.push_back({k, false, keyDownEvent(SDLK_p), false, k != Kind::BossFight});
        cases.push_back({k, true, keyDownEvent(SDLK_p), false, false});
        // The mapped pause button of the player's own joystick, not in a boss fight.
        cases.push_back({k, true, joyButtonEvent(0, 9), false, k != Kind::BossFight});
        cases.push_back({k, true, joyButtonEvent(1, 9), false, false});
        cases.push_back({k, false, joyButtonEvent(0, 9), false, false});
    }
    return cases;
}

TEST_F(PlayerControlTest, PauseRequestsByControlAndInputMode)
{
    for (const PauseCase& c : pauseCases())
    {
        SCOPED_TRACE(testing::Message()
                     << "control " << static_cast<int>(c.kind) << (c.joystick ? " joystick" : " keyboard")
                     << " event " << static_cast<int>(c.event.type) << " key " << c.event.key.keysym.sym
                     << " quitting " << c.quitting);
        gamePad pad = keyboardPad();
        pad.joystickIndex = c.joystick ? 0 : -1;
        fullyQuit = c.quitting;
        SDL_Event e = c.event;
        int pause = 0;
        FighterRig& rig = heroRig();
        if (c.kind == Kind::Player)
        {
            playerControl p;
            p.init(screen);
            p.setup(&rig.fighter(), &duel->fx.kinds, &rig.particles, &rig.sounds, rig.anims(), rig.moves(),
                    &pad, &rig.input, &duel->heroTarget);
            p.inputChecking(&e);
            pause = p.pauseRequest;
        }
        else if (c.kind == Kind::BossFight)
        {
            playerDualWepControl p;
            p.init(screen);
            p.setup(&rig.fighter(), &duel->fx.kinds, &rig.particles, &rig.sounds, rig.anims(), nullptr,
                    rig.moves(), nullptr, &pad, &rig.input, nullptr, &duel->heroTarget);
            p.inputChecking(&e);
            pause = p.pauseRequest;
        }
        else
        {
            playerBeatEmControl p;
            p.init(screen);
            p.setup(&rig.fighter(), &duel->fx.kinds, &rig.particles, &rig.sounds, rig.anims(), nullptr,
                    rig.moves(), nullptr, &pad, &rig.input, nullptr);
            p.inputChecking(&e);
            pause = p.pauseRequest;
        }
        EXPECT_EQ(pause, c.pause ? 1 : 0);
    }
}

// A stick moved through a series of positions, and the letters it gave.
struct StickCase
{
    const char* name;
    bool facingRight;
    std::vector<std::pair<int, int>> moves; // (axis, value)
    const char* letters;
};

const StickCase kSticks[] = {
    {"right once past the dead zone", true, {{0, 10001}}, "R"},
    {"held right gives one letter", true, {{0, 20000}, {0, 25000}, {0, 30000}}, "R"},
    {"back to centre and out again", true, {{0, 20000}, {0, 0}, {0, 20000}}, "RR"},
    {"the dead zone's edge is centred for letters", true, {{0, 10000}}, ""},
    {"the edge counts as pushed, so the next push gives nothing", true, {{0, 10000}, {0, 20000}}, ""},
    {"strictly inside the zone re-arms the axis", true, {{0, 10000}, {0, 9999}, {0, 20000}}, "R"},
    {"the lower edge too", true, {{0, -10000}, {0, -20000}, {0, -9999}, {0, -20000}}, "L"},
    {"left facing right", true, {{0, -20000}}, "L"},
    {"right facing left is back", false, {{0, 20000}}, "L"},
    {"left facing left is forward", false, {{0, -20000}}, "R"},
    {"up jumps", true, {{1, -20000}}, "U"},
    {"down", true, {{1, 20000}}, "D"},
    {"the axes re-arm separately", true, {{0, 20000}, {1, 20000}, {0, 20000}}, "RD"},
    {"a third axis gives nothing", true, {{2, 30000}}, ""},
};

TEST_F(PlayerControlTest, StickGivesOneLetterPerPushOutOfTheDeadZone)
{
    for (const StickCase& c : kSticks)
    {
        SCOPED_TRACE(c.name);
        heroRig().stand(200, c.facingRight);
        duel->hero.input.deleteList();
        duel->hero.pad = keyboardPad();
        duel->hero.pad.joystickIndex = 0;
        for (auto [axis, value] : c.moves)
        {
            SDL_Event e = joyAxisEvent(0, axis, value);
            control().inputChecking(&e);
        }
        EXPECT_EQ(letters(), c.letters);
    }
}

TEST_F(PlayerControlTest, JoystickModeReadsOnlyItsOwnStickAndButtons)
{
    duel->hero.pad.joystickIndex = 1;
    const SDL_Event events[] = {joyButtonEvent(1, 0),     joyButtonEvent(1, 1),      joyButtonEvent(1, 2),
                                joyButtonEvent(0, 0),     joyAxisEvent(0, 0, 20000), keyDownEvent(SDLK_a),
                                joyAxisEvent(1, 1, 20000)};
    for (SDL_Event e : events)
        control().inputChecking(&e);
    EXPECT_EQ(letters(), "ABCD") << "the other joystick's events and the keyboard's letters are ignored";
}

TEST_F(PlayerControlTest, JumpThrowsDustOnlyFromTheGroundAndBuffersEveryPress)
{
    Fighter& f = hero();
    duel->press(SDLK_UP);
    EXPECT_FALSE(f.grounded);
    EXPECT_EQ(f.vSpeed, f.jump);
    EXPECT_EQ(duel->fx.count(duel->fx.effects, "dustJump"), 1);

    duel->press(SDLK_UP);
    EXPECT_EQ(f.vSpeed, f.jump - 2) << "the last jump left is a little lower";
    EXPECT_EQ(duel->fx.count(duel->fx.effects, "dustJump"), 1) << "no dust in the air";

    f.vSpeed = 3;
    duel->press(SDLK_UP);
    EXPECT_EQ(f.vSpeed, 3) << "no jump is left";
    EXPECT_EQ(letters(), "UUU");
}

TEST_F(PlayerControlTest, NoDustWhenTheFighterCannotJump)
{
    Fighter& f = hero();
    heroRig().perform("jab");
    duel->press(SDLK_UP);
    EXPECT_TRUE(f.grounded) << "a move in progress keeps it on the ground";
    heroRig().stand(200);
    f.jump = 0;
    duel->press(SDLK_UP);
    EXPECT_EQ(duel->fx.count(duel->fx.effects, "dustJump"), 0);
    EXPECT_EQ(letters(), "UU");
}

// One walking step from the held keys.
struct WalkCase
{
    const char* name;
    std::vector<SDLKey> keys;
    const char* startState; // an animation, a move, or "fallDown" for a knocked-down fighter
    bool facingRight;
    bool grounded;
    int dx;
    bool blocking;
    const char* state;
};

const WalkCase kWalks[] = {
    {"back while facing right walks back and blocks", {SDLK_LEFT}, "standing", true, true, -4, true, "walk"},
    {"forward walks forward", {SDLK_RIGHT}, "standing", true, true, 4, false, "walk"},
    {"back while facing left", {SDLK_RIGHT}, "standing", false, true, 4, true, "walk"},
    {"both keys: right wins the facing", {SDLK_LEFT, SDLK_RIGHT}, "standing", true, true, 0, false, "walk"},
    {"no keys after walking stands", {}, "walk", true, true, 0, false, "standing"},
    {"running forward doubles the speed", {SDLK_RIGHT}, "running", true, true, 8, false, "running"},
    {"running facing left", {SDLK_LEFT}, "running", false, true, -8, false, "running"},
    {"running without the forward key stops", {SDLK_LEFT}, "running", true, true, 0, false, "standing"},
    {"ducking holds still yet blocks backward", {SDLK_LEFT}, "duck", true, true, 0, true, "standing"},
    {"ducking while down is held", {SDLK_DOWN, SDLK_LEFT}, "duck", true, true, 0, true, "duck"},
    {"down while walking ducks", {SDLK_DOWN}, "walk", true, true, 0, false, "duck"},
    {"a move on the ground holds the fighter in place", {SDLK_LEFT}, "jab", true, true, 0, true, "jab"},
    {"a move in the air still drifts", {SDLK_RIGHT}, "jab", true, false, 4, false, "jab"},
    {"the air animation is kept", {SDLK_LEFT}, "inAir", true, false, -4, true, "inAir"},
    {"a knocked-down fighter drifts without a new animation",
     {SDLK_LEFT},
     "fallDown",
     true,
     false,
     -4,
     true,
     "fallDown"},
};

TEST_F(PlayerControlTest, WalkingStepFromTheHeldKeys)
{
    for (const WalkCase& c : kWalks)
    {
        SCOPED_TRACE(c.name);
        Fighter& f = hero();
        heroRig().stand(200, c.facingRight);
        const std::string start = c.startState;
        if (heroRig().move(start))
            heroRig().perform(start);
        else
            f.changeAnim(start);
        f.grounded = c.grounded;
        f.falling = start == "fallDown";
        control().blocking = !c.blocking;
        {
            HeldKeys held(c.keys);
            control().keyboardMovement();
        }
        EXPECT_EQ(f.x - 200, c.dx);
        EXPECT_EQ(f.dir, c.facingRight) << "walking never turns the fighter";
        EXPECT_EQ(control().blocking, c.blocking);
        EXPECT_EQ(f.state, c.state);
    }
}

// In stick mode with no stick bound the step runs as for a centred stick: a
// walking fighter stops and drops its block.
TEST_F(PlayerControlTest, StickModeWithoutAStickStepsAsCentred)
{
    Fighter& f = hero();
    heroRig().stand(200, true);
    f.changeAnim("walk");
    duel->hero.pad.joystickIndex = 0;
    control().joystick = nullptr;
    control().blocking = true;
    control().accum = 5.0f;
    control().joystickMovement(nullptr);
    EXPECT_EQ(f.state, "standing");
    EXPECT_FALSE(control().blocking);
    EXPECT_EQ(f.x, 200);
}

TEST_F(PlayerControlTest, WalkingWaitsForTheStepAccumulator)
{
    Fighter& f = hero();
    HeldKeys held({SDLK_RIGHT});
    control().accum = 0.0f;
    advanceTestClock(30);
    control().update();
    control().movementChecking(nullptr);
    EXPECT_EQ(f.x, 200) << "30 ms make exactly the step total, which is not enough";
    advanceTestClock(1);
    control().update();
    control().movementChecking(nullptr);
    EXPECT_EQ(f.x, 204);
    EXPECT_EQ(control().accum, 0.0f);
    control().movementChecking(nullptr);
    EXPECT_EQ(f.x, 204) << "one step per accumulator total";
}

TEST_F(PlayerControlTest, FirstUpdateAfterInitMakesAStepDueAtOnce)
{
    control().init(screen);
    control().setup(&hero(), &duel->fx.kinds, &heroRig().particles, &heroRig().sounds, heroRig().anims(),
                    heroRig().moves(), &heroRig().pad, &heroRig().input, &duel->heroTarget);
    control().update();
    EXPECT_GT(control().accum, static_cast<float>(accumTot));
    HeldKeys held({SDLK_RIGHT});
    control().movementChecking(nullptr);
    EXPECT_EQ(hero().x, 204);
}

// Commands from the input buffer, started by the movement step.
struct CommandCase
{
    const char* name;
    const char* startMove; // "" to stand
    int startFrame;
    bool falling;
    std::vector<SDLKey> keys;
    const char* state;
};

const CommandCase kCommands[] = {
    {"a button starts its move", "", 0, false, {SDLK_a}, "jab"},
    {"a busy fighter ignores a move that starts only from idle", "kick", 0, false, {SDLK_a}, "kick"},
    {"a move that names the running move as its start chains", "jab", 1, false, {SDLK_s}, "cross"},
    {"a knocked-down fighter gets no move", "", 0, true, {SDLK_a}, "standing"},
};

TEST_F(PlayerControlTest, CommandsStartMovesUnlessBusyOrKnockedDown)
{
    for (const CommandCase& c : kCommands)
    {
        SCOPED_TRACE(c.name);
        heroRig().stand(200);
        duel->hero.input.deleteList();
        if (*c.startMove)
            heroRig().perform(c.startMove, c.startFrame);
        hero().falling = c.falling;
        for (SDLKey k : c.keys)
            duel->press(k);
        control().accum = 0.0f;
        control().movementChecking(nullptr);
        EXPECT_EQ(hero().state, c.state);
    }
}

// A double tap, with no command matched: a back jump or a run on the
// ground, an air dash in the air; a missing move does nothing.
struct RunCase
{
    const char* name;
    bool grounded;
    bool facingRight;
    SDLKey key;
    bool dropMoves;
    const char* state;
    bool falling;
};

const RunCase kRuns[] = {
    {"back twice on the ground jumps back", true, true, SDLK_LEFT, false, "backJump", false},
    {"forward twice runs", true, true, SDLK_RIGHT, false, "running", false},
    {"forward is the facing", true, false, SDLK_LEFT, false, "running", false},
    {"back twice in the air", false, true, SDLK_LEFT, false, "airBack", false},
    {"forward twice in the air", false, false, SDLK_LEFT, false, "airForward", false},
    {"no back jump in the set", true, true, SDLK_LEFT, true, "standing", false},
    {"no air dash in the set still stops a fall", false, true, SDLK_RIGHT, true, "inAir", false},
};

TEST_F(PlayerControlTest, DoubleTapsRunJumpBackOrDash)
{
    Duel sparse(screen, sparseHero({"backJump", "airBack", "airForward"}));
    for (const RunCase& c : kRuns)
    {
        SCOPED_TRACE(c.name);
        Duel& d = c.dropMoves ? sparse : *duel;
        FighterRig& rig = d.hero;
        rig.stand(200, c.facingRight);
        rig.input.deleteList();
        if (!c.grounded)
        {
            rig.fighter().changeAnim("inAir");
            rig.fighter().grounded = false;
            rig.fighter().y = 250;
            rig.fighter().falling = true;
        }
        d.control.update();
        d.press(c.key);
        d.press(c.key);
        d.control.accum = 0.0f;
        d.control.movementChecking(nullptr);
        EXPECT_EQ(rig.fighter().state, c.state);
        if (!c.grounded)
        {
            EXPECT_EQ(rig.fighter().falling, c.falling);
        }
    }
}

TEST_F(PlayerControlTest, FrameSoundAndParticlesFireOnceAndTheFrameIsLeftAtOnce)
{
    ASSERT_TRUE(audio.open());
    heroRig().perform("swing");
    control().update();
    EXPECT_EQ(audio.playing(), 1);
    EXPECT_EQ(heroRig().particles.size(), 2);
    EXPECT_EQ(hero().frame, 1);
    audio.silence();
    control().update();
    control().update();
    EXPECT_EQ(audio.playing(), 0);
    EXPECT_EQ(heroRig().particles.size(), 2);
    EXPECT_EQ(hero().frame, 1) << "a frame without events is not skipped";
}

TEST_F(PlayerControlTest, FrameParticlesAreCreatedAtTheFighterWithItsFacing)
{
    heroRig().stand(300, false);
    heroRig().perform("swing");
    control().update();
    ASSERT_EQ(heroRig().particles.size(), 2);
    const particle& slash = heroRig().particles.parts.back();
    EXPECT_FALSE(slash.facing);
    EXPECT_EQ(slash.owner, &hero());
    // Placed 10 pixels in front (to the left) and 10 up from the anchor.
    EXPECT_EQ(slash.x, 290);
    EXPECT_EQ(slash.y, g_GroundLevel - 10);
    EXPECT_EQ(slash.spawnTime, control().lastTick);
}

TEST_F(PlayerControlTest, LastFrameEventsFireOncePerShowing)
{
    heroRig().perform("flourish");
    for (int i = 0; i < 4; ++i)
    {
        advanceTestClock(10);
        control().update();
    }
    EXPECT_EQ(heroRig().particles.size(), 1) << "the last frame stays on screen and fires once";

    // Played again after it ended: a new showing.
    heroRig().stand(200);
    heroRig().perform("flourish");
    control().update();
    EXPECT_EQ(heroRig().particles.size(), 2);
}

TEST_F(PlayerControlTest, RestartedMoveFiresItsFirstFrameAgain)
{
    heroRig().perform("swing");
    control().update();
    ASSERT_EQ(heroRig().particles.size(), 2);
    // Started again before its frame clock moved on.
    heroRig().perform("swing");
    control().update();
    EXPECT_EQ(heroRig().particles.size(), 4);
}

TEST_F(PlayerControlTest, LoopingAnimationFiresOnEveryPass)
{
    Fighter& f = hero();
    f.changeAnim("taunt");
    int showings = 0;
    int previous = f.frame;
    for (int i = 0; i < 40; ++i)
    {
        advanceTestClock(40);
        f.drawCam(0, 0);
        if (f.frame == 1 && previous != 1)
            ++showings;
        control().update();
        previous = f.frame;
    }
    EXPECT_GE(showings, 3);
    EXPECT_EQ(heroRig().particles.size(), showings) << "once per pass, not once per update";
}

TEST_F(PlayerControlTest, FaceEffectAndSpecialBackdrop)
{
    partInfoList* faces = &duel->fx.faces;
    // Without face descriptions nothing fires and the frame stays.
    heroRig().perform("smirk");
    control().update();
    EXPECT_EQ(duel->fx.effects.size(), 0);
    EXPECT_EQ(duel->fx.backdrop.size(), 0);
    EXPECT_EQ(hero().frame, 0);

    control().faceInfo = faces;
    control().update();
    ASSERT_EQ(duel->fx.names(duel->fx.effects), std::vector<std::string>{"smile"});
    EXPECT_EQ(duel->fx.names(duel->fx.backdrop), std::vector<std::string>{"special"});
    const particle& face = duel->fx.effects.parts.front();
    EXPECT_EQ(face.y, g_GroundLevel - 150);
    EXPECT_EQ(face.x, 200);
    EXPECT_EQ(hero().frame, 1);
}

TEST_F(PlayerControlTest, FrameConditionsRunOnEveryUpdate)
{
    hero().hp = 50;
    heroRig().perform("regen");
    for (int i = 0; i < 3; ++i)
        control().update();
    EXPECT_EQ(hero().hp, 53);
    EXPECT_EQ(hero().frame, 0) << "conditions alone do not move the frame on";
}

TEST_F(PlayerControlTest, CommandListGoesToThePlayersSideOfTheDisplay)
{
    basicFightUI ui;
    control().update();
    EXPECT_EQ(ui.player1Commands, "");
    control().fightUI = &ui;
    control().playerNumber = 2;
    heroRig().moves()->findMove("jab")->energyUsage = 20;
    control().update();
    EXPECT_EQ(ui.player1Commands, "");
    EXPECT_EQ(ui.player2Commands, "2A ");
    control().playerNumber = 1;
    control().update();
    EXPECT_EQ(ui.player1Commands, "2A ");
}

// Facing and push-back, one physics step each.
struct StepCase
{
    const char* name;
    int heroX;
    int foeX;
    int heroHp;
    const char* heroMove;
    bool heroFacingRight;
    int x;
    bool facingRight;
};

const StepCase kSteps[] = {
    {"turns to a target on its right", 200, 400, 100, "", false, 200, true},
    {"turns to a target on its left", 400, 200, 100, "", true, 400, false},
    {"a target straight above is not to the right", 300, 300, 100, "", true, 304, false},
    {"a busy fighter is not turned", 400, 200, 100, "jab", true, 400, true},
    {"pressed bodies step back by the own speed", 200, 220, 100, "", true, 196, true},
    {"pressed from the left", 220, 200, 100, "", false, 224, false},
    {"a fighter without health is not pushed", 200, 220, 0, "", true, 200, true},
};

TEST_F(PlayerControlTest, PhysicsStepFacesTheTargetAndPushesBodiesApart)
{
    for (const StepCase& c : kSteps)
    {
        SCOPED_TRACE(c.name);
        heroRig().stand(c.heroX, c.heroFacingRight);
        duel->foe.stand(c.foeX);
        hero().hp = c.heroHp;
        if (*c.heroMove)
            heroRig().perform(c.heroMove);
        control().accum = 4.0f;
        control().updatePosition();
        EXPECT_EQ(hero().x, c.x);
        EXPECT_EQ(hero().dir, c.facingRight);
        EXPECT_EQ(control().accum, 0.0f);
    }
}

TEST_F(PlayerControlTest, KnockedDownFighterCrashesOnceWhenItLands)
{
    Duel sparse(screen, sparseHero({"crash"}));
    for (Duel* d : {duel.get(), &sparse})
    {
        SCOPED_TRACE(d == &sparse ? "without a crash move" : "with a crash move");
        Fighter& f = d->hero.fighter();
        d->hero.stand(200);
        f.changeAnim("fallDown");
        f.falling = true;
        f.grounded = false;
        f.y = g_GroundLevel - 1;
        f.vSpeed = -1;
        int crashes = 0;
        for (int i = 0; i < 5; ++i)
        {
            d->control.accum = 4.0f;
            d->control.updatePosition();
            if (f.state == "crash" && f.frame == 0 && f.returnBusy())
            {
                ++crashes;
                f.setFrame(1);
            }
        }
        EXPECT_TRUE(f.grounded);
        EXPECT_FALSE(f.falling);
        EXPECT_EQ(crashes, d == &sparse ? 0 : 1);
        if (d == &sparse)
        {
            EXPECT_EQ(f.returnMoveName(), "NULL") << "no other move stands in for the crash";
        }
    }
}

TEST_F(PlayerControlTest, PosesPlayOnlyWhenTheSetHasThem)
{
    control().doStartPose();
    EXPECT_EQ(hero().state, "pose1");
    control().doEndPose();
    EXPECT_EQ(hero().state, "endPose1");

    Duel sparse(screen, sparseHero({"pose1", "endPose1"}));
    sparse.control.doStartPose();
    EXPECT_EQ(sparse.hero.fighter().state, "standing");
    sparse.control.doEndPose();
    EXPECT_EQ(sparse.hero.fighter().returnMoveName(), "NULL");
}

TEST_F(PlayerControlTest, UnboundControlDoesNothing)
{
    playerControl bare;
    bare.init(screen);
    SDL_Event key = keyDownEvent(SDLK_a);
    bare.update();
    bare.inputChecking(&key);
    bare.movementChecking(&key);
    bare.updatePosition();
    bare.updateDamageCollision();
    bare.checkDeflectCollision();
    bare.takeDamage(10, 1);
    bare.takeBlocking();
    bare.doStartPose();
    bare.displayText(0, 0);
    bare.addSFX("slash1", nullptr);
    EXPECT_EQ(bare.pauseRequest, 0);

    // A fighter with no pad, input, target, lists or sounds.
    playerControl loose;
    loose.init(screen);
    loose.setup(&hero(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
    heroRig().perform("swing");
    loose.update();
    loose.inputChecking(&key);
    loose.movementChecking(&key);
    loose.accum = 4.0f;
    loose.updatePosition();
    loose.checkDeflectCollision();
    loose.takeDamage(10, 1);
    loose.addSFX("slash1", &hero());
    EXPECT_EQ(hero().hp, 100) << "no move set: no reaction, so no damage";
}
} // namespace
