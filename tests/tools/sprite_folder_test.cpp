// Sprite folders written by the generator, read back by the game's own sheet
// loader, and the info writer's refusals.
#include "core/sprite_folder.h"

#include "engine/sprite_sheet.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

using namespace datagen;
using testing_support::ScratchDir;

namespace
{
// A 5x3 frame: clear left column, a red pixel at (2,1), the rest blue.
Canvas smallFrame()
{
    Canvas c(5, 3, Colour{0, 0, 1, 1});
    for (int y = 0; y < 3; ++y)
        c.at(0, y) = Colour{0, 0, 0, 0};
    c.at(2, 1) = Colour{1, 0, 0, 1};
    return c;
}

FrameInfo hittingFrame()
{
    FrameInfo f;
    f.pause = 70;
    f.anchorX = 2;
    f.anchorY = 3;
    f.collision = std::array<int, 4>{1, 0, 4, 2};
    f.damageBox = {3, 0, 4, 1};
    f.damage = 12;
    f.hitType = 2;
    f.hitPointX = 4;
    f.hitPointY = 1;
    f.sound = "Punch01";
    f.particles = {{"spark", 3, -2}, {"dust", -1, 0}};
    f.xStep = 5;
    f.yBoost = -7;
    f.deflecting = true;
    f.deflected = "Fireball";
    f.face = "Hurt";
    f.conditions = {"if dist < 40", "then 3"};
    f.note = "the punch lands";
    return f;
}
} // namespace

TEST(SpriteFolder, GameLoaderReadsEveryItemBackFromBmpAndContainerFrames)
{
    ASSERT_NE(testing_support::openTestVideo(), nullptr);
    for (FrameFile kind : {FrameFile::Bmp, FrameFile::Container})
    {
        SCOPED_TRACE(kind == FrameFile::Bmp ? "bmp" : "container");
        ScratchDir scratch;
        SpriteFolder folder("sheet", kind);
        ASSERT_TRUE(folder.add(smallFrame(), FrameInfo{}));
        ASSERT_TRUE(folder.add(smallFrame(), hittingFrame()));
        ASSERT_TRUE(folder.finish());

        CSpriteBase sheet;
        ASSERT_EQ(sheet.init("sheet", false), 0);
        ASSERT_EQ(sheet.frameCount(), 2);
        const CSpriteFrame& plain = *sheet.normalFrame(0);
        EXPECT_EQ(plain.pause, 40);
        EXPECT_EQ(plain.colX2, 4); // the whole frame by default
        EXPECT_EQ(plain.colY2, 2);
        EXPECT_EQ(plain.dmgX1, -9999);
        EXPECT_EQ(plain.sound, "NULL");
        EXPECT_EQ(plain.particleCount, 0);
        EXPECT_EQ(plain.deflected, "NULL");
        EXPECT_EQ(plain.face, "NULL");

        const CSpriteFrame& hit = *sheet.normalFrame(1);
        EXPECT_EQ(hit.imageFile, kind == FrameFile::Bmp ? "f001.bmp" : "f001.dat");
        EXPECT_EQ(hit.pause, 70);
        EXPECT_EQ(hit.anchorX, 2);
        EXPECT_EQ(hit.anchorY, 3);
        EXPECT_EQ(hit.colX1, 1);
        EXPECT_EQ(hit.dmgX1, 3);
        EXPECT_EQ(hit.dmgY2, 1);
        EXPECT_EQ(hit.damage, 12);
        EXPECT_EQ(hit.hitType, 2);
        EXPECT_EQ(hit.hitPointX, 4);
        EXPECT_EQ(hit.sound, "Punch01");
        ASSERT_EQ(hit.particles.size(), 2u);
        EXPECT_EQ(hit.particles[1], "dust -1 0\n");
        EXPECT_EQ(hit.xStep, 5);
        EXPECT_EQ(hit.yBoost, -7);
        EXPECT_TRUE(hit.deflecting);
        EXPECT_EQ(hit.deflected, "Fireball");
        EXPECT_EQ(hit.face, "Hurt");
        ASSERT_EQ(hit.conditions.size(), 2u);
        EXPECT_EQ(hit.conditions[0], "if dist < 40\n");

        // The picture: keyed where clear, its colours where not (read under a
        // lock, since a loaded keyed frame is run-length encoded).
        SDL_Surface* img = hit.image;
        ASSERT_NE(img, nullptr);
        ASSERT_EQ(img->w, 5);
        ASSERT_TRUE(img->flags & SDL_SRCCOLORKEY);
        EXPECT_EQ(testing_support::pixelAt(img, 0, 1), img->format->colorkey);
        EXPECT_NE(testing_support::pixelAt(img, 1, 1), img->format->colorkey);
        Uint8 r, g, b;
        SDL_GetRGB(testing_support::pixelAt(img, 2, 1), img->format, &r, &g, &b);
        EXPECT_EQ(r, 255);
        EXPECT_EQ(b, 0);
        SDL_GetRGB(testing_support::pixelAt(img, 4, 2), img->format, &r, &g, &b);
        EXPECT_EQ(b, 255);
    }
}

TEST(SpriteFolder, InfoTextKeepsLinesTheGameCanRead)
{
    // The first frame's lines, in order, as the loader expects them.
    std::string text, error;
    ASSERT_TRUE(infoText({{"f000.bmp", 8, 4, FrameInfo{}}}, text, error)) << error;
    EXPECT_EQ(text,
              "FILES: 1\nf000.bmp 40 255 0 255\n0 0\n0 0 7 3\n-9999 -9999 -9999 -9999\n0\n0\n0\n0 0\n0 0\n"
              "NULL\n0\n0 0\n0\nNULL\nNULL\n0\n");

    struct Case
    {
        const char* what;
        std::vector<InfoEntry> frames;
        bool accepted;
    };
    auto withCondition = [](std::size_t length)
    {
        FrameInfo f;
        f.conditions = {std::string(length, 'c')};
        return std::vector<InfoEntry>{{"f000.bmp", 1, 1, f}};
    };
    FrameInfo spaced;
    spaced.sound = "Big Punch";
    FrameInfo noted;
    noted.note = "first";
    FrameInfo badParticle;
    badParticle.particles = {{"two words", 0, 0}};
    const Case cases[] = {
        {"a 253-character line fits", withCondition(253), true},
        {"a 254-character line does not", withCondition(254), false},
        {"a name with a blank", {{"f000.bmp", 1, 1, spaced}}, false},
        {"an image name with a blank", {{"f 000.bmp", 1, 1, FrameInfo{}}}, false},
        {"a note before the first frame", {{"f000.bmp", 1, 1, noted}}, false},
        {"a note between frames", {{"f000.bmp", 1, 1, FrameInfo{}}, {"f001.bmp", 1, 1, noted}}, true},
        {"a particle name with a blank", {{"f000.bmp", 1, 1, badParticle}}, false},
    };
    for (const Case& c : cases)
    {
        error.clear();
        EXPECT_EQ(infoText(c.frames, text, error), c.accepted) << c.what << ": " << error;
        EXPECT_EQ(error.empty(), c.accepted) << c.what;
    }
}
