// Bitmap headers checked before SDL decodes them: sound pictures load, and
// headers SDL would crash or stall on are refused, also through a sprite
// sheet, whose frame then fails to load.
#include "engine/bmp_file.h"
#include "engine/sprite_sheet.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace testing_support;

namespace
{
void put16(std::vector<char>& b, std::size_t at, unsigned v)
{
    b[at] = static_cast<char>(v & 0xFF);
    b[at + 1] = static_cast<char>((v >> 8) & 0xFF);
}

void put32(std::vector<char>& b, std::size_t at, unsigned v)
{
    put16(b, at, v & 0xFFFF);
    put16(b, at + 2, v >> 16);
}

// One change to a sound 8-bit 4x2 bitmap.
struct HeaderCase
{
    const char* name;
    std::size_t at; // byte offset of the field; 0: no change
    int width;      // 2 or 4 bytes
    unsigned value;
    bool loads;
};

const HeaderCase kHeaders[] = {
    {"a sound bitmap", 0, 0, 0, true},
    {"bit count 0x8008", 28, 2, 0x8008, false},
    {"bit count 0x0101", 28, 2, 0x0101, false},
    {"bit count 0x0800", 28, 2, 0x0800, false},
    {"bit count 0", 28, 2, 0, false},
    {"two planes", 26, 2, 2, false},
    {"run-length pixels", 30, 4, 1, false},
    {"12816 wide, no pixels for it", 18, 4, 12816, false},
    {"40000 high", 22, 4, 40000, false},
    {"no width", 18, 4, 0, false},
    {"pixels start past the end", 10, 4, 100000, false},
    {"not BM", 0, 2, 0x4D42 + 1, false},
};

TEST(BmpFile, HeadersSdlCannotTakeAreRefused)
{
    ScratchDir dir;
    ASSERT_NE(openTestVideo(), nullptr);
    for (const HeaderCase& c : kHeaders)
    {
        SCOPED_TRACE(c.name);
        std::vector<char> bytes = indexedBmpBytes(4, 2, 3, 10, 20, 30);
        if (c.width == 2)
            put16(bytes, c.at, c.value);
        else if (c.width == 4)
            put32(bytes, c.at, c.value);
        std::string why;
        EXPECT_EQ(bmpHeaderUsable(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), why),
                  c.loads)
            << why;

        SDL_Surface* fromMemory = loadCheckedBMP(bytes.data(), bytes.size());
        writeFile("pic.bmp", std::string(bytes.begin(), bytes.end()));
        SDL_Surface* fromFile = loadCheckedBMP("pic.bmp");
        EXPECT_EQ(fromMemory != nullptr, c.loads);
        EXPECT_EQ(fromFile != nullptr, c.loads);
        if (fromFile)
        {
            EXPECT_EQ(fromFile->w, 4);
            EXPECT_EQ(fromFile->h, 2);
        }
        SDL_FreeSurface(fromMemory);
        SDL_FreeSurface(fromFile);

        // A sheet whose frame is refused fails to load, as with a missing picture.
        InfoFrame frame;
        frame.image = "pic.bmp";
        writeFile("sheet/info", infoText({frame}));
        writeFile("sheet/pic.bmp", std::string(bytes.begin(), bytes.end()));
        CSpriteBase sheet;
        EXPECT_EQ(sheet.init("sheet", true), c.loads ? 0 : -1);
    }
}

TEST(BmpFile, ShortAndMissingFilesAreRefused)
{
    ScratchDir dir;
    const std::vector<char> whole = indexedBmpBytes(4, 2, 3, 10, 20, 30);
    for (std::size_t length : {std::size_t{0}, std::size_t{13}, std::size_t{40}, whole.size() - 1})
    {
        SCOPED_TRACE(length);
        std::string why;
        EXPECT_FALSE(bmpHeaderUsable(reinterpret_cast<const unsigned char*>(whole.data()), length, why));
        EXPECT_FALSE(why.empty());
    }
    EXPECT_EQ(loadCheckedBMP("missing.bmp"), nullptr);
    makeDirs("folder.bmp");
    EXPECT_EQ(loadCheckedBMP("folder.bmp"), nullptr);
}
} // namespace
