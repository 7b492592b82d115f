// Bitmap fonts: cells, widths, colour and alpha, and fonts that are missing or damaged.
#include "engine/font.h"
#include "engine/globals.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

using namespace testing_support;

namespace
{
// A font folder of side N whose glyph coverage is full everywhere and whose
// widths are 4 + c % 9.
void writeFont(const std::string& dir, int side, std::size_t rawBytes, std::size_t datBytes)
{
    writeFile(dir + "/font.ini", std::to_string(side) + "\n");
    writeFile(dir + "/font.raw", std::string(rawBytes, '\xff'));
    std::string widths;
    for (std::size_t c = 0; c < datBytes; ++c)
        widths.push_back(static_cast<char>(4 + c % 9));
    writeFile(dir + "/font.dat", widths);
}

class FontTest : public ::testing::Test
{
protected:
    void SetUp() override { openTestVideo(); }
    ScratchDir dir;
};

TEST_F(FontTest, GlyphCellsAndWidths)
{
    writeFont("f", 256, 256 * 256, 256);
    SDLFont* font = initFont("f", 1, 1, 1, 1);
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(font->cellSize, 16);
    const int wA = font->glyphWidth['A'];
    const SDL_Rect a = glyphSource(font, 'A');
    EXPECT_EQ(a.x, 16 + 8 - wA / 2) << "'A' is column 1";
    EXPECT_EQ(a.y, 64) << "'A' is row 4";
    EXPECT_EQ(a.w, wA + 2);
    EXPECT_EQ(a.h, 16);
    const SDL_Rect e = glyphSource(font, 233);
    EXPECT_EQ(e.y, 14 * 16);
    EXPECT_EQ(e.x, 9 * 16 + 8 - font->glyphWidth[233] / 2);

    EXPECT_EQ(stringWidth(font, "%s", ""), 0);
    EXPECT_EQ(stringWidth(font, "AB"), font->glyphWidth['A'] + font->glyphWidth['B']);
    int digits = 0;
    for (char c : std::string("12345"))
        digits += font->glyphWidth[static_cast<unsigned char>(c)];
    EXPECT_EQ(stringWidth(font, "%d", 12345), digits);
    EXPECT_EQ(stringWidth(font, "%s", "\xe9"), font->glyphWidth[233]) << "codes above 127 are unsigned";
    EXPECT_EQ(stringWidth(font, "%s", "50%"), stringWidth(font, "50") + font->glyphWidth['%'])
        << "text from data prints a % as it stands";
    freeFont(font);
}

TEST_F(FontTest, ColourAndAlphaComeFromTheArgumentsAndCoverage)
{
    writeFile("c/font.ini", "16");
    std::string raw(256, '\0');
    raw[0] = static_cast<char>(200);
    raw[1] = static_cast<char>(255);
    writeFile("c/font.raw", raw);
    SDLFont* red = initFont("c", 1, 0, 0, 1);
    ASSERT_NE(red, nullptr);
    EXPECT_EQ(red->pixels[0], 255);
    EXPECT_EQ(red->pixels[1], 0);
    EXPECT_EQ(red->pixels[2], 0);
    EXPECT_EQ(red->pixels[3], 200) << "alpha is the coverage";
    freeFont(red);

    SDLFont* odd = initFont("c", 127, 0, 0, 0.5f);
    ASSERT_NE(odd, nullptr);
    EXPECT_EQ(odd->pixels[0], 129) << "(127 x 255) mod 256";
    EXPECT_EQ(odd->pixels[3], 100);
    EXPECT_EQ(odd->pixels[7], 127);
    freeFont(odd);
}

// The size is read as "%d" reads it: blank lines and blanks before it are
// skipped, and whatever follows the number is ignored.
TEST_F(FontTest, TheSizeLineIsReadAsScanfReadsANumber)
{
    const struct
    {
        const char* ini;
        bool loads;
    } cases[] = {{"32", true},    {"\n\n  32\n", true}, {"\r\n\t32 wide\r\n", true},
                 {"\n\n", false}, {"x32\n", false},     {"8\n32\n", false}};
    for (const auto& c : cases)
    {
        writeFont("f", 32, 32 * 32, 256);
        writeFile("f/font.ini", c.ini);
        SDLFont* font = initFont("f", 1, 1, 1, 1);
        EXPECT_EQ(font != nullptr, c.loads) << '"' << c.ini << '"';
        if (font)
        {
            EXPECT_EQ(font->imageSide, 32);
        }
        freeFont(font);
    }
}

TEST_F(FontTest, DamagedFoldersGiveNoFontOrEmptyWidths)
{
    EXPECT_EQ(initFont("nowhere", 1, 1, 1, 1), nullptr);
    writeFont("small", 8, 64, 256);
    EXPECT_EQ(initFont("small", 1, 1, 1, 1), nullptr);
    writeFont("huge", 5000, 16, 256);
    EXPECT_EQ(initFont("huge", 1, 1, 1, 1), nullptr);
    writeFile("noraw/font.ini", "32");
    EXPECT_EQ(initFont("noraw", 1, 1, 1, 1), nullptr);

    // A short raw file reads as full coverage; a short width table leaves zeros.
    writeFont("short", 32, 10, 66);
    SDLFont* font = initFont("short", 1, 1, 1, 1);
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(font->pixels[32 * 32 * 4 - 1], 255);
    EXPECT_EQ(font->glyphWidth[65], 4 + 65 % 9);
    EXPECT_EQ(font->glyphWidth[66], 0);
    freeFont(font);

    writeFont("nodat", 32, 32 * 32, 0);
    std::remove("nodat/font.dat");
    font = initFont("nodat", 1, 1, 1, 1);
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(stringWidth(font, "ABC"), 0);
    freeFont(font);

    // With no font nothing is drawn or measured.
    drawString(screen, nullptr, 0, 0, "%s", "text");
    EXPECT_EQ(stringWidth(nullptr, "text"), 0);
    freeFont(nullptr);
}

TEST_F(FontTest, DrawingAdvancesGlyphByGlyph)
{
    writeFont("f", 256, 256 * 256, 256);
    SDLFont* font = initFont("f", 1, 1, 1, 1);
    ASSERT_NE(font, nullptr);
    SDL_FillRect(screen, nullptr, 0);
    drawString(screen, font, 100, 50, "%s", "AA");
    const Uint32 white = SDL_MapRGB(screen->format, 255, 255, 255);
    const int wA = font->glyphWidth['A'];
    EXPECT_EQ(pixelAt(screen, 100, 50), white);
    EXPECT_EQ(pixelAt(screen, 100 + wA + wA + 1, 65), white) << "the second glyph's cell, two pixels wider";
    EXPECT_EQ(pixelAt(screen, 100 + 2 * wA + 2, 50), 0u);
    EXPECT_EQ(pixelAt(screen, 100, 66), 0u) << "one cell high";
    freeFont(font);
}

// Holders of the same folder and colour share one font, which stays whole
// until the last of them lets go; another colour is a font of its own.
TEST_F(FontTest, ASharedFontLastsUntilItsLastHolderLetsGo)
{
    writeFont("f", 256, 256 * 256, 256);
    SharedFont first = sharedFont("f", 1, 0, 0, 1);
    SharedFont second = sharedFont("f", 1, 0, 0, 1);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first.get(), second.get());
    SharedFont white = sharedFont("f", 1, 1, 1, 1);
    ASSERT_NE(white, nullptr);
    EXPECT_NE(white.get(), first.get());

    const std::weak_ptr<SDLFont> watch = first;
    first.reset();
    ASSERT_FALSE(watch.expired());
    SDL_FillRect(screen, nullptr, 0);
    drawString(screen, second.get(), 100, 50, "%s", "A");
    EXPECT_EQ(pixelAt(screen, 100, 50), SDL_MapRGB(screen->format, 255, 0, 0)) << "the other holder still draws";
    EXPECT_EQ(stringWidth(second.get(), "A"), 4 + 'A' % 9);

    second.reset();
    EXPECT_TRUE(watch.expired()) << "freed with its last holder";
    SharedFont again = sharedFont("f", 1, 0, 0, 1);
    ASSERT_NE(again, nullptr) << "asked for anew, it loads anew";
    EXPECT_EQ(stringWidth(again.get(), "A"), 4 + 'A' % 9);
    EXPECT_EQ(sharedFont("nowhere", 1, 0, 0, 1), nullptr);
}
} // namespace
