// Checks the generated-picture tests share: a sheet's frame count and size,
// a pixel's brightness and whether it is keyed out.
#include "tests/tools/picture_checks.h"

#include "tests/support/test_support.h"

#include <gtest/gtest.h>

namespace testing_support
{
int brightness(SDL_Surface* s, int x, int y)
{
    Uint8 r, g, b;
    SDL_GetRGB(pixelAt(s, x, y), s->format, &r, &g, &b);
    return r + g + b;
}

bool keyed(SDL_Surface* s, int x, int y)
{
    return (s->flags & SDL_SRCCOLORKEY) && pixelAt(s, x, y) == s->format->colorkey;
}

void expectSheet(CSpriteBase& sheet, const std::string& folder, int frames, int w, int h)
{
    SCOPED_TRACE(folder);
    ASSERT_EQ(sheet.init(folder, false), 0);
    ASSERT_EQ(sheet.frameCount(), frames);
    for (int f = 0; f < frames; ++f)
    {
        ASSERT_NE(sheet.normalFrame(f)->image, nullptr);
        EXPECT_EQ(sheet.normalFrame(f)->image->w, w);
        EXPECT_EQ(sheet.normalFrame(f)->image->h, h);
    }
}
} // namespace testing_support
