// Sprites over a sheet: the frame clock, facing, play-once sprites and value bars.
#include "engine/clock.h"
#include "engine/globals.h"
#include "engine/sprite.h"
#include "tests/support/test_support.h"

#include <functional>
#include <gtest/gtest.h>

using namespace testing_support;

namespace
{
const Uint32 kBackground = 0x123456;
const Uint32 kBarColour = 0x99FF00;

// The colour frame i of a test sheet is painted in.
SDL_Color frameColour(int i)
{
    return SDL_Color{static_cast<Uint8>(40 + 20 * i), 200, 10, 0};
}

class SpriteTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_NE(openTestVideo(), nullptr);
        setTestClock(1000);
        SDL_FillRect(screen, nullptr, kBackground);
    }
    void TearDown() override { releaseTestClock(); }

    // Loads a sheet of 4x4 frames, frame i painted frameColour(i) and shown
    // for pauses[i] (times the sprite's speed).
    void loadSheet(CSpriteBase& sheet, const std::vector<int>& pauses)
    {
        const std::string folder = "sheet" + std::to_string(sheets++);
        std::vector<InfoFrame> frames;
        for (std::size_t i = 0; i < pauses.size(); ++i)
        {
            InfoFrame f;
            f.image = "f" + std::to_string(i) + ".bmp";
            f.pause = pauses[i];
            f.key = "-1";
            const SDL_Color c = frameColour(static_cast<int>(i));
            writeIndexedBmp(folder + "/" + f.image, 4, 4, 9, c.r, c.g, c.b);
            frames.push_back(f);
        }
        writeFile(folder + "/info", infoText(frames));
        ASSERT_EQ(sheet.init(folder, true), 0);
    }

    // Loads a one-frame sheet from a single info frame and picture.
    void loadOne(CSpriteBase& sheet, const InfoFrame& f, const std::vector<char>& bmp)
    {
        const std::string folder = "sheet" + std::to_string(sheets++);
        writeFile(folder + "/" + f.image, std::string(bmp.begin(), bmp.end()));
        writeFile(folder + "/info", infoText({f}));
        ASSERT_EQ(sheet.init(folder, true), 0);
    }

    ScratchDir dir;
    int sheets = 0;
};

// The ways a sprite is drawn; each runs the frame clock first.
struct DrawKind
{
    const char* name;
    std::function<void(CSprite&)> draw;
};

const DrawKind kDrawKinds[] = {
    {"draw", [](CSprite& s) { s.draw(); }},
    {"drawD facing right", [](CSprite& s) { s.drawD(true); }},
    {"drawD facing left", [](CSprite& s) { s.drawD(false); }},
    {"drawCam", [](CSprite& s) { s.drawCam(3, 4); }},
    {"drawCam facing left", [](CSprite& s) { s.drawCam(false, 3, 4); }},
};

struct Step
{
    Uint32 advance; // ms the clock moves before the draw
    int frame;      // frame shown after the draw
};

struct ClockCase
{
    const char* name;
    Uint32 start;
    std::vector<int> pauses;
    float speed;
    std::vector<Step> steps;
};

TEST_F(SpriteTest, FrameClockStepsOnceThePauseTimesSpeedHasPassed)
{
    const ClockCase cases[] = {
        {"pause 50 at speed 3 lasts 150 ms", 1000, {50, 50, 50}, 3.0f, {{150, 0}, {1, 1}, {150, 1}, {1, 2}}},
        {"a late draw advances only one frame", 1000, {50, 50, 50}, 3.0f, {{400, 1}, {0, 1}, {400, 2}}},
        {"the last frame wraps to the first", 1000, {10, 10}, 1.0f, {{11, 1}, {11, 0}, {11, 1}}},
        {"each frame keeps its own pause", 1000, {10, 100}, 1.0f, {{11, 1}, {100, 1}, {1, 0}}},
        {"the due time is single precision", 16777217, {50, 50}, 1.0f, {{50, 1}}},
    };
    for (const DrawKind& kind : kDrawKinds)
        for (const ClockCase& c : cases)
        {
            SCOPED_TRACE(std::string(kind.name) + ": " + c.name);
            CSpriteBase sheet;
            loadSheet(sheet, c.pauses);
            setTestClock(c.start);
            CSprite sprite;
            sprite.init(&sheet, screen);
            sprite.setSpeed(c.speed);
            sprite.setFrame(0);
            for (const Step& s : c.steps)
            {
                advanceTestClock(s.advance);
                kind.draw(sprite);
                EXPECT_EQ(sprite.getFrame(), s.frame) << "after +" << s.advance;
            }
        }
}

TEST_F(SpriteTest, AStillSpriteKeepsItsFrame)
{
    CSpriteBase sheet;
    loadSheet(sheet, {10, 10});
    CSprite sprite;
    sprite.init(&sheet, screen);
    sprite.setSpeed(1.0f);
    sprite.setFrame(1);
    sprite.animating = 0;
    advanceTestClock(1000);
    sprite.draw();
    EXPECT_EQ(sprite.getFrame(), 1);
}

TEST_F(SpriteTest, DrawsTheFacingPictureAtItsPositionLessTheCamera)
{
    // 6 wide: the left 2 columns red, the rest blue.
    CSpriteBase sheet;
    InfoFrame f;
    f.image = "a.bmp";
    f.key = "-1";
    SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, 6, 2, 8, 0, 0, 0, 0);
    SDL_Color colours[3] = {{0, 0, 0, 0}, {255, 0, 0, 0}, {0, 0, 255, 0}};
    SDL_SetPalette(s, SDL_LOGPAL, colours, 0, 3);
    SDL_FillRect(s, nullptr, 2);
    SDL_Rect left = {0, 0, 2, 2};
    SDL_FillRect(s, &left, 1);
    SDL_SaveBMP(s, "pattern.bmp");
    SDL_FreeSurface(s);
    const std::string bytes = readFile("pattern.bmp");
    loadOne(sheet, f, std::vector<char>(bytes.begin(), bytes.end()));

    const Uint32 red = SDL_MapRGB(screen->format, 255, 0, 0);
    const Uint32 blue = SDL_MapRGB(screen->format, 0, 0, 255);
    struct Case
    {
        const char* name;
        std::function<void(CSprite&)> draw;
        int left; // screen x of the picture's left edge
        int top;
        bool mirrored;
    };
    const Case cases[] = {
        {"draw", [](CSprite& p) { p.draw(); }, 10, 20, false},
        {"drawD right", [](CSprite& p) { p.drawD(true); }, 10, 20, false},
        {"drawD left", [](CSprite& p) { p.drawD(false); }, 10, 20, true},
        {"drawCam", [](CSprite& p) { p.drawCam(4, 5); }, 6, 15, false},
        {"drawCam left", [](CSprite& p) { p.drawCam(false, 4, 5); }, 6, 15, true},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        SDL_FillRect(screen, nullptr, kBackground);
        CSprite sprite;
        sprite.init(&sheet, screen);
        sprite.x = 10;
        sprite.y = 20;
        c.draw(sprite);
        EXPECT_EQ(pixelAt(screen, c.left, c.top + 1), c.mirrored ? blue : red);
        EXPECT_EQ(pixelAt(screen, c.left + 5, c.top), c.mirrored ? red : blue);
        EXPECT_EQ(pixelAt(screen, c.left - 1, c.top), kBackground);
        EXPECT_EQ(pixelAt(screen, c.left + 6, c.top), kBackground);
    }
}

TEST_F(SpriteTest, PositionBoxesAndHitPointsFollowTheFacing)
{
    // A 100-wide frame: anchor (30, 90), collision box (20, 10)-(60, 90), hit point (80, 40).
    CSpriteBase sheet;
    InfoFrame f;
    f.image = "a.bmp";
    f.key = "-1";
    f.anchorX = 30, f.anchorY = 90;
    f.col[0] = 20, f.col[1] = 10, f.col[2] = 60, f.col[3] = 90;
    f.hitX = 80, f.hitY = 40;
    loadOne(sheet, f, indexedBmpBytes(100, 100, 1, 9, 9, 9));

    struct Case
    {
        bool facing;
        int x; // after adjustPos(200, 300, facing)
        int box[4];
        int hitX;
    };
    const Case cases[] = {
        {true, 170, {190, 220, 230, 300}, 220},
        {false, 130, {170, 220, 210, 300}, 80},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.facing ? "facing right" : "facing left");
        CSprite sprite;
        sprite.init(&sheet, screen);
        sprite.adjustPos(200, 300, c.facing);
        EXPECT_EQ(sprite.x, c.x);
        EXPECT_EQ(sprite.y, 210);
        const colBox b = sprite.getColBox(c.facing);
        EXPECT_EQ(std::vector<int>({b.x1, b.y1, b.x2, b.y2}), std::vector<int>(c.box, c.box + 4));
        EXPECT_EQ(sprite.getHitPointX(c.facing), c.hitX);
        EXPECT_EQ(sprite.getHitPointY(), 160);
    }
}

TEST_F(SpriteTest, FrameDataIsReadFromTheCurrentFrame)
{
    CSpriteBase sheet;
    InfoFrame f;
    f.image = "a.bmp";
    f.damage = 7;
    f.hitType = 3;
    f.sound = "punch2";
    f.particles = {"slash1 10 20", "spark 1 2"};
    f.deflecting = 1;
    f.deflected = "bounce";
    f.face = "grin";
    f.conditions = {"if air", "goto 2"};
    loadOne(sheet, f, indexedBmpBytes(4, 4, 1, 9, 9, 9));
    CSprite sprite;
    sprite.init(&sheet, screen);

    EXPECT_EQ(sprite.returnPartNum(), 2);
    EXPECT_EQ(sprite.returnParticle(1), "slash1 10 20\n") << "particles are counted from 1";
    EXPECT_EQ(sprite.returnParticle(2), "spark 1 2\n");
    EXPECT_EQ(sprite.returnParticle(0), "");
    EXPECT_EQ(sprite.returnParticle(3), "");
    ASSERT_EQ(sprite.getConditionNum(), 2);
    ASSERT_NE(sprite.getConditions(), nullptr);
    EXPECT_EQ(sprite.getConditions()[1], "goto 2\n");
    EXPECT_EQ(sprite.getDamage(), 7);
    EXPECT_EQ(sprite.getHitType(), 3);
    EXPECT_EQ(sprite.returnSound(), "punch2");
    EXPECT_TRUE(sprite.getDeflecting());
    EXPECT_EQ(sprite.getDeflected(), "bounce");
    EXPECT_EQ(sprite.getFace(), "grin");
}

TEST_F(SpriteTest, EmptySheetsAndFramesWithoutPicturesDrawNothing)
{
    CSpriteBase neverLoaded;
    CSpriteBase noFrames;
    writeFile("none/info", "FILES: 0\n");
    ASSERT_EQ(noFrames.init("none", true), 0);
    CSpriteBase shortFile;
    writeFile("short/info", "FILES: 2\n" + infoFrameText(InfoFrame{}));
    writeIndexedBmp("short/f0.bmp", 4, 4, 9, 1, 2, 3);
    ASSERT_EQ(shortFile.init("short", true), 0);
    ASSERT_EQ(shortFile.frameCount(), 2);

    struct Case
    {
        const char* name;
        CSpriteBase* sheet;
        int frame;
    };
    const Case cases[] = {
        {"no sheet", nullptr, 0},
        {"a sheet never loaded", &neverLoaded, 0},
        {"a sheet of no frames", &noFrames, 0},
        {"a frame past the file's end", &shortFile, 1},
        {"a frame past the sheet's end", &shortFile, 5},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        SDL_FillRect(screen, nullptr, kBackground);
        CSprite sprite;
        sprite.init(c.sheet, screen);
        sprite.setSpeed(1.0f);
        sprite.frame = c.frame;
        sprite.animating = 0;
        sprite.x = 2;
        sprite.y = 2;
        for (const DrawKind& kind : kDrawKinds)
            kind.draw(sprite);
        EXPECT_EQ(pixelAt(screen, 3, 3), kBackground);
        sprite.adjustPos(50, 60, true);
        sprite.getColBox(false);
        sprite.getHitPointX(false);
        sprite.getHitPointY();
        sprite.moveD(true);
        EXPECT_EQ(sprite.returnParticle(1), "");
        EXPECT_EQ(sprite.returnSound(), "");

        CSpriteNoLoop once;
        once.init(c.sheet, screen);
        once.frame = c.frame;
        once.draw();
        EXPECT_EQ(pixelAt(screen, 1, 1), kBackground);
    }
}

struct OnceStep
{
    Uint32 advance;
    int frame;
    bool finished;
};

TEST_F(SpriteTest, PlayOnceSpritesHoldTheLastFrameAndFinish)
{
    struct Case
    {
        const char* name;
        std::vector<int> pauses;
        std::vector<OnceStep> steps;
    };
    // The clock starts at 1000 when the sprite is made; the sheet is loaded
    // and the sprite drawn later, as a fight does.
    const Case cases[] = {
        {"two frames",
         {50, 50},
         {{50, 0, false}, {1, 1, false}, {50, 1, false}, {1, 1, true}, {5000, 1, true}}},
        {"one frame ends when its time is out", {30}, {{30, 0, false}, {1, 0, true}, {100, 0, true}}},
        {"no frames end at the first draw", {}, {{0, 0, true}}},
    };
    for (const DrawKind& kind : kDrawKinds)
        for (const Case& c : cases)
        {
            SCOPED_TRACE(std::string(kind.name) + ": " + c.name);
            setTestClock(1000);
            CSpriteNoLoop once;
            CSpriteBase sheet;
            if (!c.pauses.empty())
                loadSheet(sheet, c.pauses);
            once.init(&sheet, screen);
            once.setSpeed(1.0f);
            EXPECT_FALSE(once.finished);
            for (const OnceStep& s : c.steps)
            {
                advanceTestClock(s.advance);
                kind.draw(once);
                EXPECT_EQ(once.getFrame(), s.frame) << "after +" << s.advance;
                EXPECT_EQ(once.finished, s.finished) << "after +" << s.advance;
            }
        }
}

TEST_F(SpriteTest, RewindPlaysAPlayOnceSpriteAgain)
{
    CSpriteBase sheet;
    loadSheet(sheet, {20, 20});
    CSpriteNoLoop once;
    once.init(&sheet, screen);
    once.setSpeed(1.0f);
    for (int i = 0; i < 3; ++i)
    {
        advanceTestClock(21);
        once.draw();
    }
    ASSERT_TRUE(once.finished);

    advanceTestClock(500);
    once.rewind();
    EXPECT_FALSE(once.finished);
    EXPECT_EQ(once.getFrame(), 0);
    advanceTestClock(20);
    once.draw();
    EXPECT_EQ(once.getFrame(), 0) << "the first frame's time starts at the rewind";
    advanceTestClock(1);
    once.draw();
    EXPECT_EQ(once.getFrame(), 1);
}

TEST_F(SpriteTest, PlayOnceDrawsItsStoredFacing)
{
    CSpriteBase sheet;
    InfoFrame f;
    f.image = "a.bmp";
    f.key = "-1";
    SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, 4, 1, 8, 0, 0, 0, 0);
    SDL_Color colours[3] = {{0, 0, 0, 0}, {255, 0, 0, 0}, {0, 0, 255, 0}};
    SDL_SetPalette(s, SDL_LOGPAL, colours, 0, 3);
    SDL_FillRect(s, nullptr, 2);
    SDL_Rect left = {0, 0, 1, 1};
    SDL_FillRect(s, &left, 1);
    SDL_SaveBMP(s, "pattern.bmp");
    SDL_FreeSurface(s);
    const std::string bytes = readFile("pattern.bmp");
    loadOne(sheet, f, std::vector<char>(bytes.begin(), bytes.end()));
    const Uint32 red = SDL_MapRGB(screen->format, 255, 0, 0);

    for (bool facing : {true, false})
        for (bool dir : {true, false})
        {
            SCOPED_TRACE(std::string("facing ") + (facing ? "right" : "left") + ", drawn " +
                         (dir ? "right" : "left"));
            SDL_FillRect(screen, nullptr, kBackground);
            CSpriteNoLoop once;
            once.init(&sheet, screen);
            once.facing = facing;
            once.drawD(dir);
            EXPECT_EQ(pixelAt(screen, facing ? 0 : 3, 0), red);
        }
}

class SpriteBarTest : public SpriteTest
{
protected:
    void SetUp() override
    {
        SpriteTest::SetUp();
        // A 300x20 frame that is all colour key, so only the bar shows.
        InfoFrame f;
        f.image = "bar.bmp";
        loadOne(sheet, f, indexedBmpBytes(300, 20, 4, 255, 0, 255));
    }

    // The screen columns of row y holding `colour`, as [first, first + count).
    static std::pair<int, int> run(int y, Uint32 colour)
    {
        int first = -1, count = 0;
        for (int x = 0; x < screen->w; ++x)
            if (pixelAt(screen, x, y) == colour)
            {
                if (first < 0)
                    first = x;
                ++count;
            }
        return {first, count};
    }

    CSpriteBase sheet;
};

TEST_F(SpriteBarTest, FillsItsShareOfTheWidthClippedToTheSheet)
{
    struct Case
    {
        const char* name;
        int spriteX;
        int barX, barWidth, max, value;
        bool reverse, black;
        std::pair<int, int> fill; // screen columns of the fill, first and count
        std::pair<int, int> dark; // screen columns of the black backing
    };
    // The sprite stands at y 50 and every bar at y 5 in it, 4 high.
    const Case cases[] = {
        {"a quarter of 274", 100, 10, 274, 1000, 250, false, false, {110, 68}, {-1, 0}},
        {"reversed from the right end", 100, 10, 274, 1000, 250, true, false, {316, 68}, {-1, 0}},
        {"a value above the maximum is full", 100, 10, 274, 1000, 5000, false, false, {110, 274}, {-1, 0}},
        {"a negative value is empty", 100, 10, 274, 1000, -5, false, false, {-1, 0}, {-1, 0}},
        {"no maximum is empty", 100, 10, 274, 0, 10, false, true, {-1, 0}, {110, 274}},
        {"a negative maximum is empty", 100, 10, 274, -5, 10, false, false, {-1, 0}, {-1, 0}},
        {"black backs the unfilled part", 100, 10, 100, 100, 30, false, true, {110, 30}, {140, 70}},
        {"reversed over black", 100, 10, 100, 100, 30, true, true, {180, 30}, {110, 70}},
        {"clipped at the sheet's right edge", 100, 250, 100, 100, 100, false, false, {350, 50}, {-1, 0}},
        {"starting past the sheet it has no width", 100, 320, 100, 100, 100, false, true, {-1, 0}, {-1, 0}},
        {"hanging off the screen's left edge", -10, 0, 40, 100, 50, false, true, {0, 10}, {10, 20}},
        {"reversed off the screen's left edge", -30, 0, 40, 100, 50, true, true, {0, 10}, {-1, 0}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        SDL_FillRect(screen, nullptr, kBackground);
        CSpriteBar bar;
        bar.init(&sheet, screen);
        bar.x = c.spriteX;
        bar.y = 50;
        bar.blackBacking = c.black;
        bar.setBar(c.barX, 5, c.barWidth, 4, c.max, c.value, c.reverse);
        bar.draw();
        for (int y : {55, 58})
        {
            EXPECT_EQ(run(y, kBarColour), c.fill) << "row " << y;
            EXPECT_EQ(run(y, 0), c.dark) << "row " << y;
        }
        EXPECT_EQ(run(54, kBarColour).second + run(59, kBarColour).second + run(54, 0).second +
                      run(59, 0).second,
                  0)
            << "nothing above or below the bar";
    }
}

TEST_F(SpriteBarTest, ValueStaysBetweenZeroAndTheMaximum)
{
    CSpriteBar bar;
    bar.init(&sheet, screen);
    bar.setBar(0, 0, 100, 4, 200, 150, false);
    EXPECT_EQ(bar.value, 150);
    bar.updateBar(80);
    EXPECT_EQ(bar.value, 200);
    bar.updateBar(-250);
    EXPECT_EQ(bar.value, 0);
    bar.setBarValue(999);
    EXPECT_EQ(bar.value, 200);
    bar.setBarValue(-1);
    EXPECT_EQ(bar.value, 0);
}

TEST_F(SpriteBarTest, ABarHigherThanItsSheetIsCut)
{
    CSpriteBar bar;
    bar.init(&sheet, screen);
    bar.setBar(0, 15, 10, 40, 10, 10, false);
    bar.draw();
    EXPECT_EQ(pixelAt(screen, 0, 19), kBarColour);
    EXPECT_EQ(pixelAt(screen, 0, 20), kBackground);
}
} // namespace
