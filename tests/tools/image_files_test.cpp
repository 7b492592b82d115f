// The generator's picture files: BMP layout read back by SDL, the resource
// container, and the quantiser's colour key and colour fidelity.
#include "core/bmp.h"
#include "core/quantise.h"

#include <SDL.h>
#include <cmath>
#include <gtest/gtest.h>

using namespace datagen;

namespace
{
// An image whose every pixel has its own index pattern and whose palette is
// all distinct, so any misplaced byte shows.
IndexedImage patterned(int w, int h)
{
    IndexedImage img;
    img.width = w;
    img.height = h;
    for (int i = 0; i < 256; ++i)
        img.palette[i] = Rgb8{static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(255 - i),
                              static_cast<std::uint8_t>(i * 7)};
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.pixels.push_back(static_cast<std::uint8_t>((x * 31 + y * 17 + 1) & 0xff));
    return img;
}

SDL_Surface* loadFromBytes(const std::vector<std::uint8_t>& bytes)
{
    return SDL_LoadBMP_RW(SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size())), 1);
}

std::uint32_t le32(const std::vector<std::uint8_t>& b, std::size_t at)
{
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24);
}
} // namespace

TEST(BmpFile, OddWidthsPadRowsAndReadBackThroughSdl)
{
    struct Case
    {
        int w, h;
    };
    for (const Case c :
         {Case{1, 1}, Case{2, 3}, Case{3, 2}, Case{4, 4}, Case{5, 3}, Case{7, 5}, Case{192, 30}})
    {
        SCOPED_TRACE(std::to_string(c.w) + "x" + std::to_string(c.h));
        const IndexedImage img = patterned(c.w, c.h);
        const std::vector<std::uint8_t> bytes = encodeBmp(img);
        const std::size_t stride = (static_cast<std::size_t>(c.w) + 3) / 4 * 4;
        ASSERT_EQ(bytes.size(), 14u + 40u + 1024u + stride * c.h);
        EXPECT_EQ(le32(bytes, 2), bytes.size());
        EXPECT_EQ(le32(bytes, 10), 14u + 40u + 1024u);
        EXPECT_EQ(le32(bytes, 30), 0u); // BI_RGB
        // Padding bytes are zero, and the first stored row is the bottom one.
        for (int row = 0; row < c.h; ++row)
            for (std::size_t pad = c.w; pad < stride; ++pad)
                EXPECT_EQ(bytes[1078 + row * stride + pad], 0);
        EXPECT_EQ(bytes[1078], img.at(0, c.h - 1));

        SDL_Surface* s = loadFromBytes(bytes);
        ASSERT_NE(s, nullptr) << SDL_GetError();
        EXPECT_EQ(s->w, c.w);
        EXPECT_EQ(s->h, c.h);
        ASSERT_EQ(s->format->BitsPerPixel, 8);
        ASSERT_EQ(s->format->palette->ncolors, 256);
        for (int i = 0; i < 256; ++i)
        {
            const SDL_Color& got = s->format->palette->colors[i];
            ASSERT_TRUE(got.r == img.palette[i].r && got.g == img.palette[i].g && got.b == img.palette[i].b)
                << i;
        }
        for (int y = 0; y < c.h; ++y)
            for (int x = 0; x < c.w; ++x)
                ASSERT_EQ(static_cast<const Uint8*>(s->pixels)[y * s->pitch + x], img.at(x, y))
                    << x << "," << y;
        SDL_FreeSurface(s);
    }
}

TEST(ResourceContainer, HoldsNameLengthAndTheBmpOnly)
{
    const std::vector<std::uint8_t> bmp = encodeBmp(patterned(3, 2));
    std::vector<std::uint8_t> out;
    std::string error;
    ASSERT_TRUE(encodeResourceContainer("f000.dat", bmp, out, error)) << error;
    ASSERT_EQ(out.size(), 132 + bmp.size());
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(out.data())), "f000.dat");
    for (std::size_t i = 8; i < 128; ++i)
        ASSERT_EQ(out[i], 0) << i;
    EXPECT_EQ(le32(out, 128), bmp.size());
    EXPECT_TRUE(std::equal(bmp.begin(), bmp.end(), out.begin() + 132));

    // 127 bytes still leave room for the terminating NUL; 128 do not.
    EXPECT_TRUE(encodeResourceContainer(std::string(127, 'n'), bmp, out, error));
    EXPECT_FALSE(encodeResourceContainer(std::string(128, 'n'), bmp, out, error));
    EXPECT_NE(error.find("127"), std::string::npos);
}

TEST(Quantise, KeyMagentaOnlyWherePicturesAreClear)
{
    // Clear, barely-there, half and opaque pixels, including opaque magenta
    // itself and colours right next to it.
    Canvas c(6, 2);
    const Colour cells[12] = {
        Colour{1, 1, 1, 0},    Colour{1, 0, 1, 1},         Colour{1, 0, 0, 0.49f},
        Colour{0, 0, 1, 0.5f}, Colour{1, 2 / 255.f, 1, 1}, Colour{0.2f, 0.4f, 0.6f, 1},
        Colour{1, 0, 1, 0.0f}, Colour{0, 1, 0, 1},         Colour{1, 0, 0.99f, 1},
        Colour{0, 0, 0, 1},    Colour{1, 1, 1, 1},         Colour{1, 0, 1, 0.2f},
    };
    for (int i = 0; i < 12; ++i)
        c.at(i % 6, i / 6) = cells[i];
    for (float dither : {0.0f, 1.0f})
    {
        QuantiseOptions q;
        q.dither = dither;
        const IndexedImage img = quantise(c, q);
        EXPECT_TRUE(img.palette[kKeyIndex] == kMagenta);
        for (int i = 1; i < 256; ++i)
        {
            const Rgb8 p = img.palette[i];
            EXPECT_FALSE(p.r >= 248 && p.g < 8 && p.b >= 248) << "entry " << i << " is nearly the key";
        }
        for (int i = 0; i < 12; ++i)
        {
            const bool clear = cells[i].a < q.cutoff;
            EXPECT_EQ(img.at(i % 6, i / 6) == kKeyIndex, clear) << "pixel " << i;
        }
    }
}

TEST(Quantise, FewColoursStayExactAndGradientsStayClose)
{
    // 200 colours one level apart, four to each step of a coarse histogram:
    // every one must come back exact.
    Canvas flat(20, 10);
    for (int i = 0; i < 200; ++i)
        flat.at(i % 20, i / 20) = Colour{i / 255.0f, 60 / 255.0f, (90 + i % 2) / 255.0f, 1};
    const IndexedImage exact = quantise(flat);
    for (int i = 0; i < 200; ++i)
    {
        const Rgb8 got = exact.palette[exact.at(i % 20, i / 20)];
        const Rgb8 want{static_cast<std::uint8_t>(i), 60, static_cast<std::uint8_t>(90 + i % 2)};
        ASSERT_TRUE(got == want) << "pixel " << i;
    }

    // A sky-like two-axis gradient with far more than 255 colours: averaged
    // over small blocks, as the eye sees dithering, it stays within a level or two.
    Canvas sky(128, 96);
    for (int y = 0; y < 96; ++y)
        for (int x = 0; x < 128; ++x)
            sky.at(x, y) = Colour{x / 127.0f, y / 95.0f * 0.8f, 0.3f + 0.5f * (x + y) / 223.0f, 1};
    const IndexedImage img = quantise(sky);
    double worst = 0.0;
    for (int by = 0; by < 96; by += 4)
        for (int bx = 0; bx < 128; bx += 4)
            for (int ch = 0; ch < 3; ++ch)
            {
                double want = 0.0, got = 0.0;
                for (int y = by; y < by + 4; ++y)
                    for (int x = bx; x < bx + 4; ++x)
                    {
                        const Colour& c = sky.at(x, y);
                        const Rgb8 p = img.palette[img.at(x, y)];
                        want += 255.0 * (ch == 0 ? c.r : ch == 1 ? c.g : c.b);
                        got += ch == 0 ? p.r : ch == 1 ? p.g : p.b;
                    }
                worst = std::max(worst, std::fabs(want - got) / 16.0);
            }
    EXPECT_LT(worst, 4.0);
}

TEST(Quantise, MatteBlendsSoftEdgesIntoTheBackground)
{
    Canvas fg(2, 1, Colour{1, 1, 1, 0.5f});
    Canvas matte(2, 1, Colour{0, 0, 0, 1});
    QuantiseOptions q;
    q.matte = &matte;
    q.cutoff = 0.02f;
    const IndexedImage img = quantise(fg, q);
    const Rgb8 p = img.palette[img.at(0, 0)];
    EXPECT_NEAR(p.r, 128, 1);
    EXPECT_NEAR(p.g, 128, 1);
    EXPECT_NEAR(p.b, 128, 1);
}
