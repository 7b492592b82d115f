// Loading sprite folders: the info format, colour keys, mirrored frames,
// resource containers and the picture flip.
#include "engine/globals.h"
#include "engine/sprite.h"
#include "engine/sprite_sheet.h"
#include "engine/text_file.h"
#include "tests/support/test_support.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <sstream>
#include <type_traits>
#include <unistd.h>

using namespace testing_support;

static_assert(!std::is_copy_constructible<CSpriteBase>::value && !std::is_copy_assignable<CSpriteBase>::value,
              "a sheet owns its pictures");

namespace
{
const SDL_Color kMagenta = {255, 0, 255, 0};
const SDL_Color kRed = {255, 0, 0, 0};
const SDL_Color kGreen = {0, 255, 0, 0};
const SDL_Color kBlue = {0, 0, 255, 0};
const Uint32 kBackground = 0x123456;

// The bytes of an 8-bit BMP with the given palette whose pixel (x, y) has
// palette index index(x, y).
std::vector<char> paletteBmpBytes(int w, int h, const SDL_Color (&colours)[256],
                                  const std::function<Uint8(int, int)>& index)
{
    SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 8, 0, 0, 0, 0);
    SDL_SetPalette(s, SDL_LOGPAL, const_cast<SDL_Color*>(colours), 0, 256);
    SDL_LockSurface(s);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            static_cast<Uint8*>(s->pixels)[y * s->pitch + x] = index(x, y);
    SDL_UnlockSurface(s);
    const std::string tmp = "indexed.tmp.bmp";
    SDL_SaveBMP(s, tmp.c_str());
    SDL_FreeSurface(s);
    const std::string bytes = readFile(tmp);
    std::remove(tmp.c_str());
    return std::vector<char>(bytes.begin(), bytes.end());
}

// A palette of greys whose entries 1 and 2 are `one` and `two`.
void greysWith(SDL_Color (&colours)[256], SDL_Color one, SDL_Color two)
{
    for (int i = 0; i < 256; ++i)
        colours[i] =
            SDL_Color{static_cast<Uint8>(i / 2), static_cast<Uint8>(i / 2), static_cast<Uint8>(i / 2), 0};
    colours[1] = one;
    colours[2] = two;
}

// The bytes of an 8-bit BMP whose columns left of `split` use palette index 1
// and the rest index 2; every other palette entry is grey.
std::vector<char> splitBmpBytes(int w, int h, int split, SDL_Color left, SDL_Color right)
{
    SDL_Color colours[256];
    greysWith(colours, left, right);
    return paletteBmpBytes(w, h, colours, [&](int x, int) { return static_cast<Uint8>(x < split ? 1 : 2); });
}

void writeBytes(const std::string& path, const std::vector<char>& bytes)
{
    writeFile(path, std::string(bytes.begin(), bytes.end()));
}

// "r,g,b" of a picture's colour key, or "none".
std::string keyOf(const SDL_Surface* s)
{
    if (!s || !(s->flags & SDL_SRCCOLORKEY))
        return "none";
    Uint8 r, g, b;
    SDL_GetRGB(s->format->colorkey, s->format, &r, &g, &b);
    return std::to_string(r) + "," + std::to_string(g) + "," + std::to_string(b);
}

Uint32 rgb(SDL_Color c)
{
    return SDL_MapRGB(screen->format, c.r, c.g, c.b);
}

class SpriteSheetTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_NE(openTestVideo(), nullptr); }
    void TearDown() override { setSurfaceLocker({}); }

    // Writes `info` into folder "s" with a 4x4 picture for every frame named in it.
    int load(const std::string& info, bool mirror = true)
    {
        writeFile("s/info", info);
        return sheet.init("s", mirror);
    }

    // Draws frame `i` of the sheet (normal or mirrored) at (0, 0) over a filled screen.
    void drawFrame(int i, bool dir)
    {
        SDL_FillRect(screen, nullptr, kBackground);
        CSprite sprite;
        sprite.init(&sheet, screen);
        sprite.animating = 0;
        sprite.frame = i;
        sprite.drawD(dir);
    }

    ScratchDir dir;
    CSpriteBase sheet;
};

TEST_F(SpriteSheetTest, ReadsEveryItemOfEveryFrame)
{
    writeIndexedBmp("s/a.bmp", 10, 8, 3, 1, 2, 3);
    writeIndexedBmp("s/b.bmp", 20, 6, 3, 1, 2, 3);
    InfoFrame a;
    a.image = "a.bmp";
    a.pause = 40;
    a.anchorX = 3;
    a.anchorY = 7;
    a.col[0] = 1, a.col[1] = 2, a.col[2] = 8, a.col[3] = 7;
    a.dmg[0] = 2, a.dmg[1] = 3, a.dmg[2] = 9, a.dmg[3] = 5;
    a.damage = 12;
    a.flag6 = 1;
    a.hitType = 2;
    a.hitX = 9, a.hitY = 4;
    a.l9x = 6, a.l9y = 5;
    a.sound = "punch1";
    a.particles = {"slash1 10 20"};
    a.xStep = 4, a.yBoost = -6;
    a.deflecting = 1;
    a.deflected = "parried";
    a.face = "angry";
    a.conditions = {"if state duck", "goto 3"};
    InfoFrame b;
    b.image = "b.bmp";
    b.pause = 70;
    b.flag6 = -2;
    b.deflecting = 0;

    ASSERT_EQ(load(infoText({a, b})), 0);
    ASSERT_EQ(sheet.frameCount(), 2);
    const CSpriteFrame& f = *sheet.normalFrame(0);
    ASSERT_NE(f.image, nullptr);
    EXPECT_EQ(f.imageFile, "a.bmp");
    EXPECT_EQ(f.pause, 40);
    EXPECT_EQ(std::vector<int>({f.anchorX, f.anchorY}), std::vector<int>({3, 7}));
    EXPECT_EQ(std::vector<int>({f.colX1, f.colY1, f.colX2, f.colY2}), std::vector<int>({1, 2, 8, 7}));
    EXPECT_EQ(std::vector<int>({f.dmgX1, f.dmgY1, f.dmgX2, f.dmgY2}), std::vector<int>({2, 3, 9, 5}));
    EXPECT_EQ(f.damage, 12);
    EXPECT_TRUE(f.line6Flag);
    EXPECT_EQ(f.hitType, 2);
    EXPECT_EQ(std::vector<int>({f.hitPointX, f.hitPointY, f.line9X, f.line9Y}),
              std::vector<int>({9, 4, 6, 5}));
    EXPECT_EQ(f.sound, "punch1");
    EXPECT_EQ(f.particleCount, 1);
    EXPECT_EQ(f.particles, std::vector<std::string>({"slash1 10 20\n"}));
    EXPECT_EQ(std::vector<int>({f.xStep, f.yBoost}), std::vector<int>({4, -6}));
    EXPECT_TRUE(f.deflecting);
    EXPECT_EQ(f.deflected, "parried");
    EXPECT_EQ(f.face, "angry");
    EXPECT_EQ(f.conditionCount, 2);
    EXPECT_EQ(f.conditions, std::vector<std::string>({"if state duck\n", "goto 3\n"}));

    const CSpriteFrame& g = *sheet.normalFrame(1);
    ASSERT_NE(g.image, nullptr);
    EXPECT_EQ(g.pause, 70);
    EXPECT_FALSE(g.line6Flag) << "only a positive flag is set";
    EXPECT_FALSE(g.deflecting);
    EXPECT_EQ(g.particleCount, 0);
    EXPECT_EQ(std::vector<int>({sheet.width, sheet.height}), std::vector<int>({20, 6}))
        << "the sheet takes the size of the last frame loaded";
}

struct LayoutCase
{
    const char* name;
    std::string info;
    int frames;                      // frameCount() after loading
    std::vector<std::string> loaded; // image file of each frame that has a picture, in order
    int firstAnchorX;                // frame 0's anchor x, when it was loaded
};

// Frame text with image `file` and anchor x `ax`.
std::string frame(const std::string& file, int ax = 0)
{
    InfoFrame f;
    f.image = file;
    f.anchorX = ax;
    return infoFrameText(f);
}

TEST_F(SpriteSheetTest, SkipsCommentsAndBlankLinesOnlyBetweenFrames)
{
    writeIndexedBmp("s/a.bmp", 4, 4, 3, 1, 2, 3);
    writeIndexedBmp("s/b.bmp", 4, 4, 3, 1, 2, 3);
    const std::string a = frame("a.bmp", 5);
    const std::string b = frame("b.bmp", 6);
    // A blank second line inside a frame is its anchor item: every later item
    // slides down one line (the last one, the condition count, is dropped so
    // the frame still takes fifteen lines).
    const std::string aLast = a.substr(0, a.rfind('\n', a.size() - 2) + 1);
    const std::string aSplit = a.substr(0, a.find('\n') + 1) + "\n" + aLast.substr(a.find('\n') + 1);

    const LayoutCase cases[] = {
        {"comments and blank lines between frames",
         "FILES: 2\n# walk\n\n\r\n" + a + "#next\n\n" + b,
         2,
         {"a.bmp", "b.bmp"},
         5},
        {"a comment before the count is read in its stead", "# sprite\nFILES: 2\n" + a + b, 0, {}, 0},
        {"a blank first line is read in the count's stead", "\nFILES: 2\n" + a + b, 0, {}, 0},
        {"the count needs its word", "2\n" + a + b, 0, {}, 0},
        {"a blank line inside a frame is an item", "FILES: 2\n" + aSplit + b, 2, {"a.bmp", "b.bmp"}, 0},
        {"a line starting with a blank is a frame's first line",
         "FILES: 1\n a.bmp 50 255 0 255\n" + b,
         1,
         {"a.bmp"},
         0},
        {"reading stops at the count", "FILES: 1\n" + a + b, 1, {"a.bmp"}, 5},
        {"frames past the file's end have no picture", "FILES: 3\n" + a, 3, {"a.bmp"}, 5},
        {"a negative count reads as none", "FILES: -3\n" + a, 0, {}, 0},
        {"an empty file has no frames", "", 0, {}, 0},
    };
    for (const LayoutCase& c : cases)
    {
        SCOPED_TRACE(c.name);
        CSpriteBase fresh;
        writeFile("s/info", c.info);
        ASSERT_EQ(fresh.init("s", true), 0);
        EXPECT_EQ(fresh.frameCount(), c.frames);
        std::vector<std::string> loaded;
        for (int i = 0; i < fresh.frameCount(); ++i)
            if (fresh.normalFrame(i)->image)
                loaded.push_back(fresh.normalFrame(i)->imageFile);
        EXPECT_EQ(loaded, c.loaded);
        if (!c.loaded.empty())
        {
            EXPECT_EQ(fresh.normalFrame(0)->anchorX, c.firstAnchorX);
        }
    }
}

TEST_F(SpriteSheetTest, AnAbsurdCountIsCappedByWhatTheFileCanHold)
{
    writeIndexedBmp("s/a.bmp", 4, 4, 3, 1, 2, 3);
    const std::string info = "FILES: 2000000000\n" + frame("a.bmp");
    ::testing::internal::CaptureStdout();
    ASSERT_EQ(load(info), 0);
    ::testing::internal::GetCapturedStdout();
    EXPECT_GE(sheet.frameCount(), 1);
    EXPECT_LE(sheet.frameCount(), static_cast<int>(info.size()));
    EXPECT_NE(sheet.normalFrame(0)->image, nullptr);
}

TEST_F(SpriteSheetTest, ShortAndOddCountsInsideAFrame)
{
    writeIndexedBmp("s/a.bmp", 4, 4, 3, 1, 2, 3);
    struct Case
    {
        const char* name;
        std::string info;
        std::vector<std::string> particles;
        std::vector<std::string> conditions;
        int xStep;
        std::string face;
    };
    const Case cases[] = {
        {"the file ends inside the particle lines",
         "FILES: 1\na.bmp 50 -1\n0 0\n0 0 0 0\n0 0 0 0\n0\n0\n0\n0 0\n0 0\nNULL\n2000000000\np1 1 1\np2 2 2",
         {"p1 1 1\n", "p2 2 2"},
         {},
         0,
         ""},
        {"a negative particle count takes no lines",
         "FILES: 1\na.bmp 50 -1\n0 0\n0 0 0 0\n0 0 0 0\n0\n0\n0\n0 0\n0 0\nNULL\n-2\n7 "
         "0\n0\nNULL\nsmile\n1\nend",
         {},
         {"end"},
         7,
         "smile"},
        {"the file ends after the first line", "FILES: 1\na.bmp 50 -1", {}, {}, 0, ""},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        CSpriteBase fresh;
        writeFile("s/info", c.info);
        ASSERT_EQ(fresh.init("s", true), 0);
        ASSERT_EQ(fresh.frameCount(), 1);
        const CSpriteFrame& f = *fresh.normalFrame(0);
        EXPECT_NE(f.image, nullptr);
        EXPECT_EQ(f.particles, c.particles);
        EXPECT_EQ(f.particleCount, static_cast<int>(c.particles.size()));
        EXPECT_EQ(f.conditions, c.conditions);
        EXPECT_EQ(f.conditionCount, static_cast<int>(c.conditions.size()));
        EXPECT_EQ(f.xStep, c.xStep);
        EXPECT_EQ(f.face, c.face);
    }
}

TEST_F(SpriteSheetTest, CrlfFilesLoadLikeLfFiles)
{
    writeIndexedBmp("s/a.bmp", 4, 4, 3, 1, 2, 3);
    InfoFrame f;
    f.image = "a.bmp";
    f.anchorX = 2;
    f.sound = "kick";
    f.particles = {"slash1 10 20", "spark 3 4"};
    f.face = "grin";
    f.conditions = {"if hit", "goto 0"};
    std::string lf = infoText({f, f});
    lf.insert(lf.find('\n') + 1, "\n# between\n");
    std::string crlf;
    for (char c : lf)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);

    CSpriteBase fromLf;
    writeFile("s/info", lf);
    ASSERT_EQ(fromLf.init("s", true), 0);
    writeFile("s/info", crlf);
    ASSERT_EQ(sheet.init("s", true), 0);
    ASSERT_EQ(fromLf.frameCount(), 2);
    ASSERT_EQ(sheet.frameCount(), 2);
    for (int i = 0; i < 2; ++i)
    {
        const CSpriteFrame& a = *fromLf.normalFrame(i);
        const CSpriteFrame& b = *sheet.normalFrame(i);
        EXPECT_NE(b.image, nullptr);
        EXPECT_EQ(b.imageFile, "a.bmp");
        EXPECT_EQ(b.anchorX, a.anchorX);
        EXPECT_EQ(b.sound, "kick");
        EXPECT_EQ(b.particles, std::vector<std::string>({"slash1 10 20\n", "spark 3 4\n"}));
        EXPECT_EQ(b.face, "grin");
        EXPECT_EQ(b.conditions, std::vector<std::string>({"if hit\n", "goto 0\n"}));
        EXPECT_EQ(b.conditions, a.conditions);
    }
}

TEST_F(SpriteSheetTest, LongLinesAreReportedAndKeptWhole)
{
    writeIndexedBmp("s/a.bmp", 4, 4, 3, 1, 2, 3);
    InfoFrame f;
    f.image = "a.bmp";
    const std::string longLine = "slash1 " + std::string(300, '9');
    f.particles = {longLine};
    f.face = "grin";
    ::testing::internal::CaptureStdout();
    ASSERT_EQ(load(infoText({f})), 0);
    const std::string out = ::testing::internal::GetCapturedStdout();
    EXPECT_NE(out.find("s/info"), std::string::npos) << out;
    const CSpriteFrame& g = *sheet.normalFrame(0);
    EXPECT_EQ(g.particles, std::vector<std::string>({longLine + "\n"}));
    EXPECT_EQ(g.face, "grin") << "the long line must not be split into the next items";
}

TEST_F(SpriteSheetTest, ColourKeyValuesCarryOverFromFrameToFrame)
{
    struct Case
    {
        std::string keyText; // what follows the pause on the frame's first line
        SDL_Color expected;  // key the frame should end up with
        bool keyed;
    };
    const Case cases[] = {
        {"", {0, 0, 0, 0}, true}, // before any frame the key is black
        {"255 0 255", {255, 0, 255, 0}, true},
        {"", {255, 0, 255, 0}, true},      // no numbers: all three carried over
        {"0 255", {0, 255, 255, 0}, true}, // blue carried over
        {"-1 0 0", {0, 0, 0, 0}, false},   // red -1: no key
        {"40", {40, 0, 0, 0}, true},       // green and blue carried from the -1 frame
    };
    std::string info = "FILES: " + std::to_string(std::size(cases)) + "\n";
    int i = 0;
    for (const Case& c : cases)
    {
        // Each picture holds the expected key colour in its palette, so a
        // correctly read key maps onto it exactly.
        const std::string file = "k" + std::to_string(i++) + ".bmp";
        writeIndexedBmp("s/" + file, 4, 4, 7, c.expected.r, c.expected.g, c.expected.b);
        InfoFrame f;
        f.image = file;
        f.key = c.keyText;
        info += infoFrameText(f);
    }
    ASSERT_EQ(load(info), 0);
    for (std::size_t k = 0; k < std::size(cases); ++k)
    {
        SCOPED_TRACE("frame " + std::to_string(k) + " \"" + cases[k].keyText + "\"");
        const SDL_Color e = cases[k].expected;
        const std::string want =
            cases[k].keyed ? std::to_string(e.r) + "," + std::to_string(e.g) + "," + std::to_string(e.b)
                           : "none";
        EXPECT_EQ(keyOf(sheet.normalFrame(static_cast<int>(k))->image), want);
        EXPECT_EQ(keyOf(sheet.secondFrame(static_cast<int>(k))->image), want);
    }
}

// Anchors, boxes, hit points and steps stay within an SDL rectangle's range
// however large the file writes them, so mirroring and moving by them never
// overflow.
TEST_F(SpriteSheetTest, CoordinatesAreKeptWithinTheRectangleRange)
{
    writeIndexedBmp("s/a.bmp", 4, 4, 1, 10, 20, 30);
    InfoFrame f;
    f.image = "a.bmp";
    std::vector<std::string> lines;
    std::istringstream text(infoText({f}));
    for (std::string line; std::getline(text, line);)
        lines.push_back(line);
    const std::string huge = "99999999999";
    lines[2] = "-" + huge + " " + huge;              // anchor
    lines[3] = "-" + huge + " 0 " + huge + " 32767"; // body box
    lines[4] = "0 -" + huge + " 40000 " + huge;      // damage box
    lines[8] = huge + " -" + huge;                   // hit point
    lines[12] = "-" + huge + " " + huge;             // step and lift
    std::string info;
    for (const std::string& l : lines)
        info += l + "\n";
    ASSERT_EQ(load(info), 0);
    const CSpriteFrame* n = sheet.normalFrame(0);
    const CSpriteFrame* m = sheet.secondFrame(0);
    ASSERT_NE(n, nullptr);
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(n->anchorX, kMinCoordinate);
    EXPECT_EQ(n->anchorY, kMaxCoordinate);
    EXPECT_EQ(n->colX1, kMinCoordinate);
    EXPECT_EQ(n->colX2, kMaxCoordinate);
    EXPECT_EQ(n->colY2, 32767);
    EXPECT_EQ(n->dmgY1, kMinCoordinate);
    EXPECT_EQ(n->dmgX2, kMaxCoordinate);
    EXPECT_EQ(n->hitPointX, kMaxCoordinate);
    EXPECT_EQ(n->hitPointY, kMinCoordinate);
    EXPECT_EQ(n->xStep, kMinCoordinate);
    EXPECT_EQ(n->yBoost, kMaxCoordinate);
    EXPECT_EQ(m->anchorX, 4 - kMinCoordinate) << "the mirror is formed without overflow";
    EXPECT_EQ(m->colX1, 4 - kMaxCoordinate);
}

TEST_F(SpriteSheetTest, SecondFramesAreMirroredOrCopied)
{
    // 100 wide: the left 10 columns red, the rest green.
    writeBytes("s/a.bmp", splitBmpBytes(100, 4, 10, kRed, kGreen));
    InfoFrame f;
    f.image = "a.bmp";
    f.key = "-1";
    f.anchorX = 30, f.anchorY = 90;
    f.col[0] = 20, f.col[1] = 10, f.col[2] = 60, f.col[3] = 90;
    f.dmg[0] = 5, f.dmg[1] = 15, f.dmg[2] = 45, f.dmg[3] = 55;
    f.hitX = 80, f.hitY = 40;
    f.l9x = 10, f.l9y = 5;

    struct Case
    {
        bool mirror;
        std::vector<int> x;   // anchor, collision x1 x2, damage x1 x2, hit point, second point
        SDL_Color leftPixel;  // colour at the second picture's x = 0
        SDL_Color rightPixel; // colour at the second picture's x = 99
    };
    const Case cases[] = {
        {true, {70, 40, 80, 55, 95, 20, 90}, kGreen, kRed},
        {false, {30, 20, 60, 5, 45, 80, 10}, kRed, kGreen},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.mirror ? "mirrored" : "copied");
        CSpriteBase fresh;
        writeFile("s/info", infoText({f}));
        ASSERT_EQ(fresh.init("s", c.mirror), 0);
        const CSpriteFrame& m = *fresh.secondFrame(0);
        EXPECT_EQ(std::vector<int>({m.anchorX, m.colX1, m.colX2, m.dmgX1, m.dmgX2, m.hitPointX, m.line9X}),
                  c.x);
        const CSpriteFrame& n = *fresh.normalFrame(0);
        EXPECT_EQ(std::vector<int>({n.anchorX, n.colX1, n.colX2, n.hitPointX}),
                  std::vector<int>({30, 20, 60, 80}))
            << "the normal frame keeps the values as written";
        ASSERT_NE(m.image, nullptr);
        EXPECT_EQ(m.image == n.image, !c.mirror) << "an unmirrored sheet holds each picture once";
        SDL_Rect at = {0, 0, 0, 0};
        SDL_FillRect(screen, nullptr, kBackground);
        SDL_BlitSurface(m.image, nullptr, screen, &at);
        EXPECT_EQ(pixelAt(screen, 0, 0), rgb(c.leftPixel));
        EXPECT_EQ(pixelAt(screen, 99, 3), rgb(c.rightPixel));
    }
}

TEST_F(SpriteSheetTest, ContainerPictureKeepsItsColourKeyAndTheWorkingDirectory)
{
    // 8 wide: the left 3 columns magenta (the key), the rest red.
    writeResourceContainer("s/walk.dat", splitBmpBytes(8, 2, 3, kMagenta, kRed), "walk");
    InfoFrame f;
    f.image = "walk.dat";
    f.key = "255 0 255";
    char before[4096];
    ASSERT_NE(getcwd(before, sizeof before), nullptr);
    ASSERT_EQ(load(infoText({f})), 0);
    char after[4096];
    ASSERT_NE(getcwd(after, sizeof after), nullptr);
    EXPECT_STREQ(after, before);
    EXPECT_EQ(std::vector<int>({sheet.width, sheet.height}), std::vector<int>({8, 2}));

    drawFrame(0, true);
    EXPECT_EQ(pixelAt(screen, 1, 1), kBackground) << "the magenta key shows what lies behind";
    EXPECT_EQ(pixelAt(screen, 5, 1), rgb(kRed));
    drawFrame(0, false);
    EXPECT_EQ(pixelAt(screen, 6, 1), kBackground) << "the mirrored picture keeps the key";
    EXPECT_EQ(pixelAt(screen, 1, 1), rgb(kRed));
}

TEST_F(SpriteSheetTest, KeyedFramesStayRunLengthEncodedWithAlpha)
{
    writeResourceContainer("s/walk.dat", splitBmpBytes(8, 2, 3, kMagenta, kRed), "walk");
    InfoFrame f;
    f.image = "walk.dat";
    f.key = "255 0 255";
    ASSERT_EQ(load(infoText({f})), 0);
    // Keyed frames are blitted encoded in both facings, also after the sheet
    // has been given an alpha (which makes SDL encode them again).
    drawFrame(0, true);
    drawFrame(0, false);
    sheet.alphaAll(200);
    sheet.altFrameAlpha(50);
    drawFrame(0, true);
    drawFrame(0, false);
    for (const CSpriteFrame* frame : {sheet.normalFrame(0), sheet.secondFrame(0)})
    {
        ASSERT_NE(frame, nullptr);
        EXPECT_TRUE(frame->image->flags & SDL_RLEACCEL);
    }
}

// A 13x7 8-bit picture whose pixel (x, y) has palette index (x * 3 + y * 5 + 1) % 4:
// 0 magenta (the key), 1 red, 2 green, 3 blue, so every row has several runs. Its
// corners (0, 0) and (12, 0), which encoding probes in the two facings, are red.
int patternIndex(int x, int y)
{
    return (x * 3 + y * 5 + 1) % 4;
}

std::vector<char> patternBmpBytes(int w, int h)
{
    SDL_Color colours[256] = {};
    const SDL_Color used[4] = {kMagenta, kRed, kGreen, kBlue};
    std::copy(used, used + 4, colours);
    return paletteBmpBytes(w, h, colours, [](int x, int y) { return static_cast<Uint8>(patternIndex(x, y)); });
}

// Keyed frames are encoded as they load, without a mark on the screen (the
// red pixel each facing's probe draws at (0, 0) is put back, also when the
// screen will not lock a second time to put it back), and draw exactly the
// picture the file holds, whole or clipped at any edge, in both facings of a
// mirrored sheet and of one that is not.
TEST_F(SpriteSheetTest, EncodedFramesDrawThePictureTheFileHolds)
{
    const int w = 13, h = 7;
    writeBytes("s/p.bmp", patternBmpBytes(w, h));
    InfoFrame f;
    f.image = "p.bmp";
    const SDL_Color colours[4] = {kMagenta, kRed, kGreen, kBlue};
    const struct
    {
        int x, y;
    } places[] = {{0, 0}, {100, 50}, {-5, -3}, {640 - 6, 480 - 2}};
    const struct
    {
        bool mirror;
        bool putBackLockFails;
    } runs[] = {{true, false}, {false, false}, {true, true}, {false, true}};
    for (const auto& [mirror, putBackLockFails] : runs)
    {
        SCOPED_TRACE(std::string(mirror ? "mirrored sheet" : "unmirrored sheet") +
                     (putBackLockFails ? ", the screen locks only once a probe" : ""));
        SDL_FillRect(screen, nullptr, kBackground);
        // Each probe locks the screen to keep its pixel, then to put it back.
        int screenLocks = 0;
        std::vector<Uint32> probed; // the screen's pixel (0, 0) as each put-back lock was asked for
        setSurfaceLocker(
            [&](SDL_Surface* s)
            {
                if (s != screen || ++screenLocks % 2 != 0)
                    return SDL_LockSurface(s);
                probed.push_back(static_cast<const Uint32*>(screen->pixels)[0]);
                return putBackLockFails ? -1 : SDL_LockSurface(s);
            });
        CSpriteBase fresh;
        writeFile("s/info", infoText({f}));
        ASSERT_EQ(fresh.init("s", mirror), 0);
        setSurfaceLocker({});
        EXPECT_EQ(probed, std::vector<Uint32>(mirror ? 2 : 1, rgb(kRed))) << "each facing's probe drew red";
        EXPECT_EQ(pixelAt(screen, 0, 0), kBackground) << "encoding leaves the screen as it was";
        for (bool dir : {true, false})
        {
            const CSpriteFrame* frame = fresh.frameFor(0, dir);
            ASSERT_NE(frame, nullptr);
            ASSERT_NE(frame->image, nullptr);
            EXPECT_TRUE(frame->image->flags & SDL_RLEACCEL) << "encoded at load";
            const bool flipped = mirror && !dir;
            for (const auto& at : places)
            {
                SCOPED_TRACE("facing " + std::string(dir ? "right" : "left") + " at " + std::to_string(at.x) +
                             "," + std::to_string(at.y));
                SDL_FillRect(screen, nullptr, kBackground);
                SDL_Rect to = {static_cast<Sint16>(at.x), static_cast<Sint16>(at.y), 0, 0};
                SDL_BlitSurface(frame->image, nullptr, screen, &to);
                int wrong = 0;
                for (int y = at.y - 1; y <= at.y + h; ++y)
                    for (int x = at.x - 1; x <= at.x + w; ++x)
                    {
                        if (x < 0 || y < 0 || x >= 640 || y >= 480)
                            continue;
                        const int px = x - at.x, py = y - at.y;
                        Uint32 want = kBackground;
                        if (px >= 0 && py >= 0 && px < w && py < h)
                        {
                            const int index = patternIndex(flipped ? w - 1 - px : px, py);
                            if (index != 0)
                                want = rgb(colours[index]);
                        }
                        wrong += pixelAt(screen, x, y) != want ? 1 : 0;
                    }
                EXPECT_EQ(wrong, 0);
            }
        }
    }
}

TEST_F(SpriteSheetTest, PaletteSourceRecoloursAfterTheKeyIsMapped)
{
    // Own palette: index 1 magenta (the key), index 2 red. The source palette
    // turns 1 blue and 2 green; magenta's nearest colour there is a grey, so a
    // key mapped after the swap would not hit index 1.
    writeBytes("s/a.bmp", splitBmpBytes(4, 2, 2, kMagenta, kRed));
    SDL_Surface* source = SDL_CreateRGBSurface(SDL_SWSURFACE, 1, 1, 8, 0, 0, 0, 0);
    SDL_Color colours[256];
    greysWith(colours, kBlue, kGreen);
    SDL_SetPalette(source, SDL_LOGPAL, colours, 0, 256);
    SDL_Surface* noPalette = SDL_CreateRGBSurface(SDL_SWSURFACE, 1, 1, 32, 0xFF0000, 0xFF00, 0xFF, 0);

    struct Case
    {
        const char* name;
        SDL_Surface* source;
        SDL_Color right;
    };
    const Case cases[] = {
        {"8-bit source", source, kGreen},
        {"a source without a palette is ignored", noPalette, kRed},
        {"no source", nullptr, kRed},
    };
    InfoFrame f;
    f.image = "a.bmp";
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        sheet.paletteSource = c.source;
        ASSERT_EQ(load(infoText({f})), 0);
        drawFrame(0, true);
        EXPECT_EQ(pixelAt(screen, 0, 0), kBackground);
        EXPECT_EQ(pixelAt(screen, 3, 1), rgb(c.right));
    }
    sheet.paletteSource = nullptr;
    SDL_FreeSurface(source);
    SDL_FreeSurface(noPalette);
}

TEST_F(SpriteSheetTest, MissingFilesFailAndKeepWhatWasRead)
{
    ::testing::internal::CaptureStdout();
    EXPECT_EQ(sheet.init("nowhere", true), -1);
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "ERROR opening file nowhere/info\n\n");
    EXPECT_EQ(sheet.frameCount(), 0);

    writeIndexedBmp("s/a.bmp", 6, 5, 3, 1, 2, 3);
    writeFile("s/bad.bmp", "not a picture");
    const std::string info = "FILES: 4\n" + frame("a.bmp") + frame("gone.bmp") + frame("a.bmp");
    const std::string withBad = "FILES: 3\n" + frame("a.bmp") + frame("bad.bmp") + frame("a.bmp");
    for (const std::string& text : {info, withBad})
    {
        CSpriteBase fresh;
        writeFile("s/info", text);
        EXPECT_EQ(fresh.init("s", true), -1);
        ASSERT_GE(fresh.frameCount(), 3);
        EXPECT_NE(fresh.normalFrame(0)->image, nullptr);
        EXPECT_NE(fresh.secondFrame(0)->image, nullptr);
        EXPECT_EQ(fresh.normalFrame(1)->image, nullptr);
        EXPECT_EQ(fresh.normalFrame(2)->image, nullptr) << "loading stops at the failed picture";
        EXPECT_EQ(std::vector<int>({fresh.width, fresh.height}), std::vector<int>({6, 5}));
    }
}

TEST_F(SpriteSheetTest, BrokenContainersEndTheProgram)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const std::vector<char> bmp = indexedBmpBytes(4, 4, 1, 255, 0, 0);
    writeResourceContainer("s/good.dat", bmp);
    writeResourceContainer("s/garbage.dat", std::vector<char>(40, 'x'));
    std::string longer = readFile("s/good.dat");
    const std::size_t tooLong = bmp.size() + 1;
    longer[128] = static_cast<char>(tooLong & 0xff);
    longer[129] = static_cast<char>((tooLong >> 8) & 0xff);
    writeFile("s/longer.dat", longer);
    std::string huge = longer;
    huge.replace(128, 4, "\xf0\xff\xff\xff");
    writeFile("s/huge.dat", huge);
    writeFile("s/short.dat", std::string(60, '\0'));

    struct Case
    {
        const char* image;
        const char* message;
    };
    const Case cases[] = {
        {"gone.dat", "Error opening resource file"}, {"garbage.dat", "Unable to load bitmap: "},
        {"longer.dat", "Unable to load bitmap: "},   {"huge.dat", "Unable to load bitmap: "},
        {"short.dat", "Unable to load bitmap: "},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.image);
        writeFile("s/info", "FILES: 1\n" + frame(c.image));
        // The bitmap message goes to standard output; send it where the death test looks.
        EXPECT_EXIT(
            {
                dup2(2, 1);
                sheet.init("s", true);
            },
            ::testing::ExitedWithCode(1), c.message);
    }
    EXPECT_EXIT(sheet.loadFromResource("nowhere", "good.dat", "."), ::testing::ExitedWithCode(1),
                "opendir failure");

    SDL_Surface* good = sheet.loadFromResource("s", "good.dat", ".");
    ASSERT_NE(good, nullptr);
    EXPECT_EQ(std::vector<int>({good->w, good->h}), std::vector<int>({4, 4}));
    SDL_FreeSurface(good);
}

TEST(SpriteSheetFlip, MirrorsEveryPixelAtEveryDepth)
{
    SDL_Surface* scratch = SDL_CreateRGBSurface(SDL_SWSURFACE, 8, 8, 32, 0xFF0000, 0xFF00, 0xFF, 0);
    for (int bpp : {8, 16, 24, 32})
        for (bool drawnOnce : {false, true})
        {
            SCOPED_TRACE(std::to_string(bpp) + " bits" + (drawnOnce ? ", run-length encoded by a draw" : ""));
            // Odd widths give 8- and 24-bit rows padding beyond the pixels.
            const int w = 5, h = 3;
            SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, bpp, 0, 0, 0, 0);
            ASSERT_NE(s, nullptr);
            if (s->format->palette)
            {
                SDL_Color colours[256];
                for (int i = 0; i < 256; ++i)
                    colours[i] = SDL_Color{static_cast<Uint8>(255 - i), static_cast<Uint8>(i), 0, 0};
                SDL_SetPalette(s, SDL_LOGPAL, colours, 0, 256);
            }
            const int bytes = s->format->BytesPerPixel;
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x)
                    for (int k = 0; k < bytes; ++k)
                        static_cast<Uint8*>(s->pixels)[y * s->pitch + x * bytes + k] =
                            static_cast<Uint8>(1 + x * 16 + y * 4 + k);
            SDL_SetColorKey(s, SDL_SRCCOLORKEY | SDL_RLEACCEL, 17);
            if (drawnOnce)
                SDL_BlitSurface(s, nullptr, scratch, nullptr);

            SDL_Surface* f = flip_surface(s);
            ASSERT_NE(f, nullptr);
            EXPECT_EQ(std::vector<int>({f->w, f->h, f->format->BitsPerPixel}), std::vector<int>({w, h, bpp}));
            EXPECT_TRUE(f->flags & SDL_SRCCOLORKEY);
            EXPECT_EQ(f->format->colorkey, s->format->colorkey);
            if (s->format->palette)
            {
                EXPECT_EQ(std::memcmp(f->format->palette->colors, s->format->palette->colors,
                                      256 * sizeof(SDL_Color)),
                          0);
            }
            ASSERT_EQ(SDL_LockSurface(s), 0);
            ASSERT_EQ(SDL_LockSurface(f), 0);
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x)
                {
                    const Uint8* a = static_cast<const Uint8*>(s->pixels) + y * s->pitch + x * bytes;
                    const Uint8* b =
                        static_cast<const Uint8*>(f->pixels) + y * f->pitch + (w - 1 - x) * bytes;
                    EXPECT_EQ(std::memcmp(a, b, static_cast<std::size_t>(bytes)), 0) << x << "," << y;
                }
            SDL_UnlockSurface(f);
            SDL_UnlockSurface(s);
            SDL_FreeSurface(f);
            SDL_FreeSurface(s);
        }
    SDL_FreeSurface(scratch);
    EXPECT_EQ(flip_surface(nullptr), nullptr);
}

// Encoding probes a target's pixel (0, 0) with the picture's own and puts the
// target's back byte for byte at every depth: with a second lock, through a
// blit when the target will not lock again, and not at all when it will not
// lock the first time (the picture is then encoded on its first draw).
TEST(SpriteSheetEncoding, TheProbedPixelGoesBackWhateverTheTargetsLocksDo)
{
    for (int bpp : {8, 16, 24, 32})
        for (int failingLock : {0, 1, 2})
        {
            SCOPED_TRACE(std::to_string(bpp) + " bits, " +
                         (failingLock == 0 ? std::string("every lock works")
                                           : "lock " + std::to_string(failingLock) + " fails"));
            SDL_Surface* target = SDL_CreateRGBSurface(SDL_SWSURFACE, 4, 2, bpp, 0, 0, 0, 0);
            // The picture is of the target's own format, so that it is run-length encoded for it.
            SDL_Surface* picture = SDL_CreateRGBSurface(SDL_SWSURFACE, 3, 2, bpp, target->format->Rmask,
                                                        target->format->Gmask, target->format->Bmask, 0);
            ASSERT_NE(target, nullptr);
            ASSERT_NE(picture, nullptr);
            if (target->format->palette)
            {
                SDL_Color colours[256];
                for (int i = 0; i < 256; ++i)
                    colours[i] = SDL_Color{static_cast<Uint8>(i), static_cast<Uint8>(255 - i),
                                           static_cast<Uint8>(i / 2), 0};
                SDL_SetPalette(target, SDL_LOGPAL, colours, 0, 256);
                SDL_SetPalette(picture, SDL_LOGPAL, colours, 0, 256);
            }
            const std::size_t bytes = target->format->BytesPerPixel;
            std::vector<Uint8> before(static_cast<std::size_t>(target->pitch * target->h));
            for (std::size_t i = 0; i < before.size(); ++i)
                before[i] = static_cast<Uint8>(0x51 + i);
            std::memcpy(target->pixels, before.data(), before.size());
            // Every pixel 0x2A.. but one, which is the key 0x01..
            std::memset(picture->pixels, 0x2A, static_cast<std::size_t>(picture->pitch * picture->h));
            std::memset(static_cast<Uint8*>(picture->pixels) + picture->pitch + 2 * bytes, 0x01, bytes);
            Uint32 key = 0;
            std::memset(&key, 0x01, bytes);
            SDL_SetColorKey(picture, SDL_SRCCOLORKEY | SDL_RLEACCEL, key);

            int locks = 0;
            std::vector<Uint8> probed;
            setSurfaceLocker(
                [&](SDL_Surface* s)
                {
                    if (s != target)
                        return SDL_LockSurface(s);
                    if (++locks == 2)
                        probed.assign(static_cast<Uint8*>(target->pixels),
                                      static_cast<Uint8*>(target->pixels) + bytes);
                    return locks == failingLock ? -1 : SDL_LockSurface(s);
                });
            encodeForDrawing(picture, target);
            setSurfaceLocker({});

            EXPECT_EQ(locks, failingLock == 1 ? 1 : 2);
            if (failingLock != 1)
            {
                EXPECT_EQ(probed, std::vector<Uint8>(bytes, 0x2A)) << "the probe drew the picture's pixel";
            }
            EXPECT_EQ(std::memcmp(target->pixels, before.data(), before.size()), 0)
                << "the target is unchanged";
            EXPECT_EQ((picture->flags & SDL_RLEACCEL) != 0, failingLock != 1) << "encoded once probed";
            SDL_FreeSurface(picture);
            SDL_FreeSurface(target);
        }
}

TEST(SpriteSheetPixels, ReadAndWriteFollowTheRowPitch)
{
    // A 3x3 picture whose rows are 5 pixels apart, as a picture inside a larger one is.
    std::vector<Uint32> memory(5 * 3, 0);
    SDL_Surface* s = SDL_CreateRGBSurfaceFrom(memory.data(), 3, 3, 32, 5 * 4, 0xFF0000, 0xFF00, 0xFF, 0);
    ASSERT_NE(s, nullptr);
    put_pixel32(s, 2, 1, 0xABCDEF);
    put_pixel32(s, 0, 2, 0x123456);
    EXPECT_EQ(memory[1 * 5 + 2], 0xABCDEFu);
    EXPECT_EQ(memory[2 * 5 + 0], 0x123456u);
    EXPECT_EQ(get_pixel32(s, 2, 1), 0xABCDEFu);
    EXPECT_EQ(get_pixel32(s, 0, 2), 0x123456u);
    EXPECT_EQ(std::count(memory.begin(), memory.end(), 0u), 13);
    SDL_FreeSurface(s);
}
} // namespace
