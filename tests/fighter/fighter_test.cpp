// The fighter: health, power and damage arithmetic, jumps and gravity, moves
// and their ends, the animation and power clocks, boxes and drawing by facing.
#include "engine/clock.h"
#include "engine/globals.h"
#include "fighter/animation_set.h"
#include "fighter/combo.h"
#include "fighter/fighter.h"
#include "fighter/move_set.h"
#include "tests/support/character_fixture.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <gtest/gtest.h>
#include <vector>

using namespace testing_support;

namespace
{
const Uint32 kBackground = 0x123456;

// Whether every sampled pixel of the screen is `colour`.
bool screenIs(Uint32 colour)
{
    for (int y = 0; y < screen->h; y += 5)
        for (int x = 0; x < screen->w; x += 5)
            if (pixelAt(screen, x, y) != colour)
                return false;
    return true;
}

// A 40x80 frame whose anchor and boxes sit off-centre, so mirroring shows.
InfoFrame punchFrame()
{
    InfoFrame f = bodyFrame();
    f.image = "punch.bmp";
    f.anchorX = 10;
    f.anchorY = 80;
    f.col[0] = 0, f.col[1] = 5, f.col[2] = 30, f.col[3] = 80;
    f.dmg[0] = 25, f.dmg[1] = 20, f.dmg[2] = 40, f.dmg[3] = 30;
    f.damage = 10;
    return f;
}

InfoFrame stepFrame(int xStep, int yBoost)
{
    InfoFrame f = bodyFrame();
    f.xStep = xStep;
    f.yBoost = yBoost;
    return f;
}

CharacterSpec fighterCharacter()
{
    CharacterSpec spec;
    spec.anims = standardAnims();
    for (AnimSpec& a : spec.anims)
        if (a.name == "walk")
            a.frames = {stepFrame(3, 0), stepFrame(3, 0)};
    MoveSpec punch("punch", "A");
    InfoFrame recovery = punchFrame();
    recovery.damage = 0;
    punch.frames = {punchFrame(), recovery};
    MoveSpec single("single", "B");
    single.frames = {bodyFrame()};
    MoveSpec special("special", "DRC");
    special.energy = 30;
    special.special = 1;
    special.interruptible = 0;
    MoveSpec launch("launch", "UA");
    launch.frames = {stepFrame(0, 20), stepFrame(0, 0)};
    MoveSpec blank("blank", "C");
    // Its picture is removed after writing: the frame's data loads, its image does not.
    MoveSpec torn("torn", "zzz");
    InfoFrame tornFrame = punchFrame();
    tornFrame.image = "torn.bmp";
    tornFrame.xStep = 5;
    torn.frames = {tornFrame};
    MoveSpec smash("smash", "zzz");
    InfoFrame huge = punchFrame();
    huge.damage = 2000000000;
    smash.frames = {huge};
    spec.moves = {punch, single, special, launch, blank, torn, smash};
    return spec;
}

class FighterTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_NE(openTestVideo(), nullptr);
        SDL_FillRect(screen, nullptr, kBackground);
        setTestClock(10000);
        const CharacterSpec spec = fighterCharacter();
        writeCharacter(spec);
        // A move sheet without frames.
        writeFile(spec.folder + "/blank/info", "FILES: 0\n");
        std::remove((spec.folder + "/torn/torn.bmp").c_str());
        anims.loadAll(spec.folder);
        moves.loadAll(spec.folder);
        ASSERT_EQ(anims.count, 8);
        ASSERT_EQ(moves.count, 7);
        f.initS(&anims, screen);
        f.setSpeed(1.5f);
        f.x = 100;
        f.y = 300;
        f.setHP(100, 100);
        f.setPower(0, 100);
    }
    void TearDown() override { releaseTestClock(); }

    void land()
    {
        for (int i = 0; i < 100 && !f.grounded; ++i)
            f.Gravity();
        ASSERT_TRUE(f.grounded);
    }

    // Draws once a millisecond until the fighter no longer performs a move.
    int drawUntilMoveEnds()
    {
        int draws = 0;
        while (f.returnBusy() && draws < 10000)
        {
            advanceTestClock(1);
            f.draw();
            ++draws;
        }
        return draws;
    }

    moveInfo* move(const char* name)
    {
        moveInfo* m = moves.findMove(name);
        EXPECT_NE(m, nullptr) << name;
        return m;
    }

    ScratchDir dir;
    animationSet anims;
    moveSet moves;
    Fighter f;
};

TEST(FighterFresh, StartsWalkingWithNoJumpsAndNoSets)
{
    Fighter f;
    EXPECT_EQ(f.state, "walk");
    EXPECT_EQ(f.lastState, "walk");
    EXPECT_EQ(f.speed, 4);
    EXPECT_EQ(f.jump, 16);
    EXPECT_EQ(f.jumpsLeft, 0);
    EXPECT_TRUE(f.dir);
    EXPECT_FALSE(f.grounded);
    EXPECT_EQ(f.leftBound, boundaryXLeft);
    EXPECT_EQ(f.rightBound, boundaryXRight);
    EXPECT_EQ(f.moves, nullptr);
    EXPECT_EQ(f.returnMoveName(), "NULL");
    EXPECT_FALSE(f.hasFrame());
}

TEST_F(FighterTest, InitShowsStandingUnderTheNameWalk)
{
    EXPECT_EQ(f.state, "walk");
    EXPECT_EQ(f.getSheet(), anims.returnAnimation("standing"));
    EXPECT_EQ(f.target, screen);
    EXPECT_FALSE(f.returnBusy());
    EXPECT_TRUE(f.hasFrame());

    // Binding again drops the move, the combo counter and the knock-down.
    comboCounter counter;
    counter.addCombo(4);
    f.setComCounter(&counter);
    f.changeAction(move("punch"));
    f.falling = true;
    f.initS(&anims, screen);
    EXPECT_FALSE(f.returnBusy());
    EXPECT_EQ(f.comCounter, nullptr);
    EXPECT_EQ(f.getCombo(), 0);
    EXPECT_FALSE(f.falling);
    EXPECT_EQ(f.state, "walk");
}

TEST(FighterHealth, ChangeHPReducesDamageByDefenceAndClamps)
{
    struct Case
    {
        const char* name;
        int defence, hp, maxHP, d, expected;
    };
    const Case cases[] = {
        {"defence 2 takes 2 off a hit of 10", 2, 50, 100, -10, 42},
        {"defence 2 leaves a hit of 3 whole", 2, 50, 100, -3, 47},
        {"defence 0 changes nothing", 0, 50, 100, -10, 40},
        {"defence 5 truncates 3.5 to 3", 5, 50, 100, -7, 46},
        {"healing is not reduced", 2, 50, 100, 10, 60},
        {"healing stops at the maximum", 0, 90, 100, 50, 100},
        {"a hit past zero stops at zero", 0, 5, 100, -10, 0},
        {"the largest heal stops at the maximum", 0, 50, 100, INT_MAX, 100},
        {"the largest hit stops at zero", 2, 50, 100, INT_MIN, 0},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        Fighter f;
        f.defence = c.defence;
        f.setHP(c.hp, c.maxHP);
        f.changeHP(c.d);
        EXPECT_EQ(f.hp, c.expected);
    }
}

TEST(FighterHealth, SetHPLevelRaisesHealthAndMaximum)
{
    struct Case
    {
        int hp, maxHP, level, expected;
    };
    const Case cases[] = {
        {100, 100, 0, 100},
        {100, 100, 5, 150},
        {40, 100, 5, 150},
        {33, 33, 1, 36},
        {100, 100, -10, 0},
        {1000000000, 1000000000, 5, 1500000000},
        {2000000000, 2000000000, 5, INT_MAX},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE("maxHP " + std::to_string(c.maxHP) + " level " + std::to_string(c.level));
        Fighter f;
        f.setHP(c.hp, c.maxHP);
        f.setHPLevel(c.level);
        EXPECT_EQ(f.maxHP, c.expected);
        EXPECT_EQ(f.hp, c.expected);
    }
}

TEST(FighterHealth, SettersStoreWhatTheyAreGivenAndChangePowerClamps)
{
    Fighter f;
    f.setHP(150, 100);
    f.setPower(-5, 50);
    EXPECT_EQ(f.hp, 150);
    EXPECT_EQ(f.power, -5);
    f.changePower(INT_MIN);
    EXPECT_EQ(f.power, 0);
    f.changePower(INT_MAX);
    EXPECT_EQ(f.power, 50);
    f.setPower(-5, 50);
    f.changePower(10);
    EXPECT_EQ(f.power, 5);
    f.changePower(100);
    EXPECT_EQ(f.power, 50);
    f.changePower(-80);
    EXPECT_EQ(f.power, 0);
}

TEST_F(FighterTest, DamageGrowsWithStrengthAndCombo)
{
    struct Case
    {
        const char* name;
        int strength;
        int combo; // -1: no counter attached
        int expected;
    };
    const Case cases[] = {
        {"no counter", 0, -1, 10},
        {"combo 0", 0, 0, 10},
        {"combo 2 keeps 1.0", 0, 2, 10},
        {"combo 3 gives 1.1", 0, 3, 11},
        {"combo 6 gives 1.2", 0, 6, 12},
        {"strength 5", 5, -1, 15},
        {"strength 5 and combo 3", 5, 3, 16},
        // The cap is the single-precision 9.9, a little below 9.9.
        {"combo 300 caps at 9.9", 0, 300, 98},
    };
    f.changeAction(move("punch"));
    ASSERT_EQ(f.getFrame(), 0);
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        comboCounter counter;
        if (c.combo >= 0)
            counter.addCombo(c.combo);
        f.setComCounter(c.combo >= 0 ? &counter : nullptr);
        f.strength = c.strength;
        EXPECT_EQ(f.getDamage(), c.expected);
        EXPECT_EQ(f.getCombo(), c.combo >= 0 ? c.combo : 0);
    }
    f.setComCounter(nullptr);
}

TEST_F(FighterTest, DamageBeyondTheIntRangeSaturates)
{
    f.changeAction(move("smash"));
    EXPECT_EQ(f.getDamage(), 2000000000);
    f.strength = 5;
    EXPECT_EQ(f.getDamage(), INT_MAX);
}

TEST_F(FighterTest, ComboCallsReachTheAttachedCounterOnly)
{
    f.addCombo(2);
    f.breakCombo();
    EXPECT_EQ(f.getCombo(), 0);
    comboCounter counter;
    f.setComCounter(&counter);
    f.addCombo(2);
    f.addCombo(1);
    EXPECT_EQ(counter.combo, 3);
    EXPECT_EQ(f.getCombo(), 3);
    f.breakCombo();
    EXPECT_EQ(counter.combo, 0);
    f.setComCounter(nullptr);
}

TEST_F(FighterTest, AFreshFighterFallsOntoTheGroundOnItsEleventhStep)
{
    const int expectedY[] = {300, 301, 303, 306, 310, 315, 321, 328, 336, 345, 348};
    for (int step = 0; step < 11; ++step)
    {
        SCOPED_TRACE("step " + std::to_string(step + 1));
        EXPECT_FALSE(f.grounded);
        f.Gravity();
        EXPECT_EQ(f.y, expectedY[step]);
        EXPECT_EQ(f.state, step < 10 ? "inAirDown" : "standing");
    }
    EXPECT_TRUE(f.grounded);
    EXPECT_EQ(f.state, "standing");
    EXPECT_EQ(f.jumpsLeft, 2);
    EXPECT_EQ(f.vSpeed, -11) << "landing keeps the vertical speed";
    f.Gravity();
    EXPECT_EQ(f.y, 348);
    EXPECT_EQ(f.state, "standing");
}

TEST_F(FighterTest, JumpsTwiceAfterLandingTheSecondTwoSlower)
{
    f.Jump(16);
    EXPECT_EQ(f.vSpeed, 0) << "no jumps before the first landing";
    EXPECT_EQ(f.state, "walk");
    land();

    f.Jump(16);
    EXPECT_EQ(f.vSpeed, 16);
    EXPECT_EQ(f.jumpsLeft, 1);
    EXPECT_EQ(f.state, "inAir");
    EXPECT_FALSE(f.grounded);
    f.Gravity();
    EXPECT_EQ(f.y, 332);

    f.Jump(16);
    EXPECT_EQ(f.vSpeed, 14);
    EXPECT_EQ(f.jumpsLeft, 0);
    f.Gravity();
    f.Jump(16);
    EXPECT_EQ(f.vSpeed, 13) << "a third jump in the air does nothing";
}

TEST_F(FighterTest, AJumpOf16LandsOnItsThirtyThirdStep)
{
    land();
    f.Jump(16);
    int steps = 0;
    int highest = f.y;
    while (!f.grounded && steps < 100)
    {
        f.Gravity();
        ++steps;
        highest = std::min(highest, f.y);
        const char* air = f.vSpeed > 0 ? "inAir" : "inAirDown";
        EXPECT_EQ(f.state, f.grounded ? "standing" : air) << "step " << steps;
    }
    EXPECT_EQ(steps, 33);
    EXPECT_EQ(highest, 348 - 136);
    EXPECT_EQ(f.y, 348);
    EXPECT_EQ(f.state, "standing");
}

TEST_F(FighterTest, JumpIsRefusedWhileActingOrWithoutJumpStrength)
{
    land();
    f.jump = 0;
    f.Jump(16);
    EXPECT_TRUE(f.grounded);
    f.jump = 16;

    f.changeAction(move("punch"));
    f.Jump(16);
    EXPECT_TRUE(f.grounded);
    // A plain animation ends the move but not the acting flag.
    f.changeAnim("standing");
    EXPECT_FALSE(f.returnBusy());
    EXPECT_TRUE(f.acting);
    f.Jump(16);
    EXPECT_TRUE(f.grounded);
    EXPECT_EQ(f.jumpsLeft, 2);
}

TEST_F(FighterTest, KnockedDownFightersShowFallAnimationsAndLandWithoutStanding)
{
    land();
    f.Jump(3);
    f.changeFalling(true);
    std::vector<std::string> shown;
    while (!f.grounded)
    {
        f.Gravity();
        shown.push_back(f.state);
    }
    EXPECT_EQ(shown, std::vector<std::string>(
                         {"fallUp", "fallUp", "fallDown", "fallDown", "fallDown", "fallDown", "fallDown"}));
    EXPECT_EQ(f.state, "fallDown") << "a knocked-down fighter lands without standing up";
    EXPECT_EQ(f.y, 348);
    EXPECT_EQ(f.jumpsLeft, 2);
}

TEST_F(FighterTest, GravityMovesTheFighterByItsFrameSteps)
{
    land();
    f.changeAnim("walk");
    f.Gravity();
    EXPECT_EQ(f.x, 103);
    f.setDir(false);
    f.Gravity();
    f.Gravity();
    EXPECT_EQ(f.x, 97);
    EXPECT_EQ(f.y, 348);
}

TEST_F(FighterTest, ALaunchingFrameLiftsAFighterThatLandedWithDownwardSpeed)
{
    land();
    ASSERT_EQ(f.vSpeed, -11);
    f.changeAction(move("launch"));
    f.Gravity();
    // -11 + 20 = 9 upwards, taken at once, then one less.
    EXPECT_FALSE(f.grounded);
    EXPECT_EQ(f.y, 339);
    EXPECT_EQ(f.vSpeed, 8);
    EXPECT_EQ(f.state, "launch") << "a move keeps its sheet in the air";

    // A boost is only taken while the speed is downwards.
    f.Gravity();
    EXPECT_EQ(f.vSpeed, 7);
}

TEST_F(FighterTest, MovesEndInTheRestingStateTheyStartedFrom)
{
    struct Case
    {
        const char* name;
        const char* before; // animation shown first ("" = leave "walk")
        const char* then;   // a second animation before the move ("" = none)
        const char* ends;
    };
    const Case cases[] = {
        {"from walk", "", "", "standing"},
        {"from standing", "standing", "", "standing"},
        {"from duck", "duck", "", "duck"},
        {"running keeps the earlier duck", "duck", "running", "duck"},
        {"running keeps the earlier walk", "", "running", "standing"},
    };
    land();
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        f.state = "walk";
        f.lastState = "walk";
        if (*c.before)
            f.changeAnim(c.before);
        if (*c.then)
        {
            f.changeAction(move("single"));
            drawUntilMoveEnds();
            f.changeAnim(c.then);
        }
        f.changeAction(move("punch"));
        EXPECT_EQ(f.state, "punch");
        EXPECT_TRUE(f.returnBusy());
        EXPECT_TRUE(f.acting);
        drawUntilMoveEnds();
        EXPECT_EQ(f.state, c.ends);
        EXPECT_FALSE(f.acting);
        EXPECT_EQ(f.getSheet(), anims.returnAnimation(c.ends));
    }
}

TEST_F(FighterTest, AMoveStartedFromAMoveKeepsTheFirstRestingState)
{
    land();
    f.changeAnim("duck");
    f.changeAction(move("punch"));
    f.changeAction(move("single"));
    EXPECT_EQ(f.lastState, "duck");
    drawUntilMoveEnds();
    EXPECT_EQ(f.state, "duck");
}

TEST_F(FighterTest, AMovePlaysThroughItsFramesOnTheClock)
{
    land();
    f.changeAction(move("punch"));
    f.grabbing = true;
    f.setFrame(0);
    // Frames pause 50 at speed 1.5: 75 ms each.
    advanceTestClock(75);
    f.draw();
    EXPECT_EQ(f.getFrame(), 0);
    advanceTestClock(1);
    f.draw();
    EXPECT_EQ(f.getFrame(), 1);
    EXPECT_EQ(f.state, "punch");
    advanceTestClock(500);
    f.draw();
    EXPECT_EQ(f.state, "standing") << "a late draw ends the move";
    EXPECT_EQ(f.getFrame(), 0);
    EXPECT_FALSE(f.returnBusy());
    EXPECT_FALSE(f.acting);
    EXPECT_FALSE(f.grabbing);
    EXPECT_TRUE(f.grounded);
}

TEST_F(FighterTest, OneFrameAndFramelessMovesEnd)
{
    land();
    advanceTestClock(1000);
    f.animating = 0;
    f.changeAction(move("single"));
    EXPECT_EQ(f.animating, 1);
    EXPECT_EQ(drawUntilMoveEnds(), 1) << "the clock last ran long ago";
    f.changeAction(move("single"));
    EXPECT_EQ(drawUntilMoveEnds(), 76);
    EXPECT_EQ(f.state, "standing");

    f.changeAction(move("blank"));
    EXPECT_FALSE(f.hasFrame());
    EXPECT_EQ(drawUntilMoveEnds(), 1);
    EXPECT_EQ(f.state, "standing");
    EXPECT_FALSE(f.acting);
    EXPECT_TRUE(f.hasFrame());
}

TEST_F(FighterTest, AMoveEndingInTheAirLeavesTheGround)
{
    land();
    f.changeAction(move("punch"));
    f.y = 320;
    drawUntilMoveEnds();
    EXPECT_FALSE(f.grounded);
    EXPECT_EQ(f.state, "standing");
    f.Gravity();
    EXPECT_EQ(f.state, "inAirDown");
}

TEST_F(FighterTest, StartingAMoveSpendsPowerAndSetsItsFlags)
{
    f.setPower(20, 100);
    f.grabbing = true;
    f.changeAction(move("special"));
    EXPECT_EQ(f.power, 0) << "the caller decides whether it may start";
    EXPECT_FALSE(f.grabbing);
    EXPECT_TRUE(f.getSpecial());
    EXPECT_FALSE(f.returnHitable());
    EXPECT_EQ(f.returnMoveName(), "special");
    EXPECT_EQ(f.getSheet(), &move("special")->sheet);

    f.setPower(50, 100);
    f.changeAction(move("punch"));
    EXPECT_EQ(f.power, 50);
    EXPECT_TRUE(f.returnHitable());
    EXPECT_FALSE(f.getSpecial());

    f.changeAction(nullptr);
    EXPECT_EQ(f.returnMoveName(), "punch");
    EXPECT_EQ(f.state, "punch");
}

TEST_F(FighterTest, AnimationsRestartAndDuckOnlyFromWalk)
{
    f.changeAnim("running");
    f.setFrame(1);
    f.grabbing = true;
    advanceTestClock(5);
    f.setRunning();
    EXPECT_EQ(f.getFrame(), 0);
    EXPECT_EQ(f.lastChange, 10005);
    EXPECT_FALSE(f.grabbing);

    f.duck();
    EXPECT_EQ(f.state, "running");
    f.state = "walk";
    f.duck();
    EXPECT_EQ(f.state, "duck");
    EXPECT_EQ(f.getSheet(), anims.returnAnimation("duck"));

    f.changeAnim("noSuchAnimation");
    EXPECT_EQ(f.state, "noSuchAnimation");
    EXPECT_EQ(f.getSheet(), anims.returnAnimation("standing")) << "the first listed animation";
}

TEST_F(FighterTest, PowerRegeneratesOncePer200MsOfDrawing)
{
    f.lastPowerTick = 10000;
    const struct
    {
        Uint32 advance;
        int power;
    } steps[] = {{100, 0}, {100, 0}, {1, 1}, {200, 1}, {1, 2}, {5000, 3}, {1, 3}};
    for (const auto& s : steps)
    {
        advanceTestClock(s.advance);
        f.draw();
        EXPECT_EQ(f.power, s.power) << "at " << gameTicks();
    }
    f.setPower(100, 100);
    advanceTestClock(1000);
    f.draw();
    EXPECT_EQ(f.power, 100);
}

TEST_F(FighterTest, BoundaryKeepsTwoPixelsInsideTheField)
{
    f.leftBound = 0;
    f.rightBound = 640;
    const int cases[][2] = {{-50, 2}, {1, 2}, {2, 2}, {320, 320}, {638, 638}, {639, 638}, {900, 638}};
    for (const auto& c : cases)
    {
        f.x = c[0];
        f.boundary();
        EXPECT_EQ(f.x, c[1]) << "from " << c[0];
    }
}

TEST_F(FighterTest, BoxesAreInWorldCoordinatesAndMirrorWithTheFacing)
{
    f.changeAction(move("punch"));
    f.x = 100;
    f.y = 300;
    struct Case
    {
        bool dir;
        int cbox[4];
        int dbox[4];
    };
    // 40 wide, anchor x 10: mirrored the anchor is at 30.
    const Case cases[] = {
        {true, {90, 225, 120, 300}, {115, 240, 130, 250}},
        {false, {80, 225, 110, 300}, {70, 240, 85, 250}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.dir ? "facing right" : "facing left");
        f.setDir(c.dir);
        const colBox b = f.getCBox();
        const colBox d = f.getDBox();
        EXPECT_EQ(std::vector<int>({b.x1, b.y1, b.x2, b.y2}), std::vector<int>(c.cbox, c.cbox + 4));
        EXPECT_EQ(std::vector<int>({d.x1, d.y1, d.x2, d.y2}), std::vector<int>(c.dbox, c.dbox + 4));
    }
}

TEST_F(FighterTest, DrawsWithTheAnchorOnItsPositionLessTheCamera)
{
    f.changeAction(move("punch"));
    f.animating = 0;
    f.x = 200;
    f.y = 300;
    struct Case
    {
        bool dir;
        int camX, camY;
        int left, top; // the picture's top-left on screen
    };
    const Case cases[] = {
        {true, 0, 0, 190, 220},
        {false, 0, 0, 170, 220},
        {true, 50, 20, 140, 200},
        {false, 50, 20, 120, 200},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(std::string(c.dir ? "right" : "left") + " cam " + std::to_string(c.camX));
        SDL_FillRect(screen, nullptr, kBackground);
        f.setDir(c.dir);
        f.drawn = 0;
        f.drawCam(c.camX, c.camY);
        EXPECT_EQ(f.drawn, 1);
        EXPECT_NE(pixelAt(screen, c.left, c.top), kBackground);
        EXPECT_NE(pixelAt(screen, c.left + 39, c.top + 79), kBackground);
        EXPECT_EQ(pixelAt(screen, c.left - 1, c.top), kBackground);
        EXPECT_EQ(pixelAt(screen, c.left + 40, c.top), kBackground);
        EXPECT_EQ(pixelAt(screen, c.left, c.top - 1), kBackground);
    }
}

TEST_F(FighterTest, DebugBoxesShowTheBodyTheAnchorAndTheBlow)
{
    f.changeAction(move("punch"));
    f.animating = 0;
    f.x = 200;
    f.y = 300;
    f.drawColBoxes();
    const Uint32 body = SDL_MapRGB(screen->format, 0xFF, 0xCC, 0x00);
    const Uint32 anchor = SDL_MapRGB(screen->format, 0x00, 0x00, 0xCC);
    const Uint32 blow = SDL_MapRGB(screen->format, 0xFF, 0x00, 0x00);
    EXPECT_EQ(pixelAt(screen, 192, 230), body);
    EXPECT_EQ(pixelAt(screen, 199, 298), anchor);
    EXPECT_EQ(pixelAt(screen, 220, 245), blow);
    EXPECT_EQ(pixelAt(screen, 250, 245), kBackground);
    // Each box covers its corners, right and bottom edges included, and no more.
    const struct
    {
        const char* name;
        colBox box;
        Uint32 colour;
    } boxes[] = {{"body", f.getCBox(), body}, {"blow", f.getDBox(), blow}};
    for (const auto& b : boxes)
    {
        SCOPED_TRACE(b.name);
        EXPECT_EQ(pixelAt(screen, b.box.x2, b.box.y2), b.colour);
        EXPECT_EQ(pixelAt(screen, b.box.x2, b.box.y1), b.colour);
        EXPECT_NE(pixelAt(screen, b.box.x2 + 1, b.box.y2), b.colour);
        EXPECT_NE(pixelAt(screen, b.box.x2, b.box.y2 + 1), b.colour);
    }

    SDL_FillRect(screen, nullptr, kBackground);
    f.setFrame(1); // the same boxes without damage: no blow box
    f.drawColBoxes();
    EXPECT_EQ(pixelAt(screen, 192, 230), body);
    EXPECT_EQ(pixelAt(screen, 230, 245), kBackground);
}

TEST_F(FighterTest, AFighterWithoutFramesDrawsHitsAndMovesNothing)
{
    animationSet empty;
    empty.loadAll("data/characters/Nobody");
    Fighter ghost;
    ghost.initS(&empty, screen);
    ghost.setHP(100, 100);
    ghost.setPower(0, 100);
    ghost.x = 100;
    ghost.y = 348;
    ghost.grounded = true;
    EXPECT_EQ(ghost.getSheet(), nullptr);

    // The same for a fighter whose move has a frameless sheet.
    f.changeAction(move("blank"));
    f.strength = 5;
    f.x = 100;
    f.y = 348;
    f.grounded = true;

    // And for one whose frame lost its picture.
    Fighter torn;
    torn.initS(&anims, screen);
    torn.changeAction(move("torn"));
    torn.x = 100;
    torn.y = 348;
    torn.grounded = true;

    for (Fighter* g : {&ghost, &f, &torn})
    {
        SCOPED_TRACE(g == &ghost ? "empty animation set"
                     : g == &f   ? "frameless move"
                                 : "frame without picture");
        SDL_FillRect(screen, nullptr, kBackground);
        EXPECT_FALSE(g->hasFrame());
        EXPECT_EQ(g->getDamage(), 0);
        const colBox b = g->getCBox();
        const colBox d = g->getDBox();
        EXPECT_LT(b.x2, -1000);
        EXPECT_LT(d.x2, -1000);
        g->Gravity();
        EXPECT_EQ(g->x, 100);
        g->drawColBoxes();
        g->updateBG();
        EXPECT_TRUE(screenIs(kBackground));
    }
    advanceTestClock(1000);
    ghost.draw();
    ghost.changeAnim("standing");
    ghost.draw();
    EXPECT_EQ(ghost.drawn, 1);
    EXPECT_TRUE(screenIs(kBackground));
}
} // namespace
