// Bitmap fonts from DejaVu, cut the way the game blits them: glyph c is taken
// from x = column * cell + (cell / 2 - w / 2), w + 2 wide, the full cell high.
#include "content/fonts.h"

#include "core/files.h"
#include "core/mask.h"
#include "core/text.h"

#include <algorithm>
#include <cmath>

namespace datagen
{
namespace
{
// Latin-1 code `c` as UTF-8.
std::string latin1(int c)
{
    if (c < 0x80)
        return std::string(1, static_cast<char>(c));
    return {static_cast<char>(0xc0 | (c >> 6)), static_cast<char>(0x80 | (c & 0x3f))};
}

bool printable(int c)
{
    return (c >= 32 && c <= 126) || c >= 160;
}
} // namespace

BitmapFont renderBitmapFont(const std::string& fontFile, float pixelSize, int side)
{
    BitmapFont font;
    font.side = side;
    font.coverage.assign(static_cast<std::size_t>(side) * side, 0);
    font.widths.assign(256, 0);
    Typeface face(fontFile);
    if (!face.ok())
        return font;
    face.setSize(pixelSize);
    const int cell = side / 16;
    // Capitals with accents and descenders both have to fit the cell: the
    // baseline sits where the font's own ascent/descent split puts it.
    const int baseline = static_cast<int>(std::lround(cell * 0.78f));

    for (int c = 0; c < 256; ++c)
    {
        if (!printable(c))
            continue;
        const std::string text = latin1(c);
        // Drawn once off to the side to find its ink: glyphs that overhang
        // their pen position (j, J, T, _) are nudged right and widened so no
        // ink falls outside the cut.
        Mask scratch(cell * 3, cell);
        face.draw(scratch, text, static_cast<float>(cell), static_cast<float>(baseline));
        int inkL = cell * 3, inkR = 0;
        for (int y = 0; y < cell; ++y)
            for (int x = 0; x < cell * 3; ++x)
                if (scratch.at(x, y) > 0.0f)
                {
                    inkL = std::min(inkL, x - cell);
                    inkR = std::max(inkR, x - cell + 1);
                }
        const int shift = inkL < 0 ? -inkL : 0;
        int w = static_cast<int>(std::lround(face.measure(text)));
        w = std::max(w, inkR + shift - 2);
        w = w < 1 ? 1 : (w > cell - 2 ? cell - 2 : w);
        font.widths[static_cast<std::size_t>(c)] = static_cast<std::uint8_t>(w);
        const int left = cell / 2 - w / 2;
        const int ox = (c % 16) * cell;
        const int oy = (c / 16) * cell;
        for (int y = 0; y < cell; ++y)
            for (int x = left; x < std::min(cell, left + w + 2); ++x)
            {
                const float v = scratch.at(x - left - shift + cell, y);
                font.coverage[static_cast<std::size_t>(oy + y) * side + ox + x] =
                    static_cast<std::uint8_t>(std::lround(std::min(1.0f, v) * 255.0f));
            }
    }
    return font;
}

bool writeFonts(const std::string& dataDir)
{
    struct Face
    {
        const char* folder;
        const char* file;
        float size;
        int side;
    };
    // Dialogue condensed, so that 80 columns of capitals fit the box; menus and numbers compact and bold
    // enough to read over busy stages at 640x480.
    const Face faces[] = {
        {"font/Calibri1", "DejaVuSansCondensed.ttf", 14.0f, 320},
        {"font/Calibri2", "DejaVuSans-Bold.ttf", 12.0f, 256},
    };
    bool ok = true;
    for (const Face& f : faces)
    {
        const BitmapFont font = renderBitmapFont(dejaVuPath(f.file), f.size, f.side);
        const std::string dir = joinPath(dataDir, f.folder);
        ok = writeText(joinPath(dir, "font.ini"), std::to_string(font.side) + "\n") && ok;
        ok = writeBytes(joinPath(dir, "font.raw"), font.coverage) && ok;
        ok = writeBytes(joinPath(dir, "font.dat"), font.widths) && ok;
    }
    return ok;
}
} // namespace datagen
