// FreeType text rendering into coverage masks, with kerning and sub-pixel pen
// positions so large titles space evenly.
#include "core/text.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cmath>
#include <cstdint>
#include <vector>

namespace datagen
{
namespace
{
FT_Face asFace(void* f)
{
    return static_cast<FT_Face>(f);
}

// The code points of a UTF-8 string; a malformed byte stands for itself.
std::vector<std::uint32_t> codePoints(const std::string& text)
{
    std::vector<std::uint32_t> out;
    for (std::size_t i = 0; i < text.size();)
    {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        int extra = c >= 0xf0 ? 3 : c >= 0xe0 ? 2 : c >= 0xc0 ? 1 : 0;
        std::uint32_t cp = extra == 3 ? (c & 0x07u) : extra == 2 ? (c & 0x0fu) : extra == 1 ? (c & 0x1fu) : c;
        if (extra && i + static_cast<std::size_t>(extra) >= text.size())
            extra = 0;
        for (int k = 1; k <= extra; ++k)
            cp = (cp << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3fu);
        out.push_back(extra ? cp : c);
        i += static_cast<std::size_t>(extra) + 1;
    }
    return out;
}
} // namespace

std::string dejaVuPath(const std::string& fileName)
{
    return "/usr/share/fonts/truetype/dejavu/" + fileName;
}

Typeface::Typeface(const std::string& path)
{
    FT_Library lib = nullptr;
    if (FT_Init_FreeType(&lib) != 0)
    {
        problem = "cannot start FreeType";
        return;
    }
    library = lib;
    FT_Face f = nullptr;
    if (FT_New_Face(lib, path.c_str(), 0, &f) != 0)
    {
        problem = "cannot open font " + path;
        return;
    }
    face = f;
    setSize(size);
}

Typeface::~Typeface()
{
    if (face)
        FT_Done_Face(asFace(face));
    if (library)
        FT_Done_FreeType(static_cast<FT_Library>(library));
}

void Typeface::setSize(float pixels)
{
    size = pixels;
    if (face)
        FT_Set_Char_Size(asFace(face), 0, static_cast<FT_F26Dot6>(std::lround(pixels * 64.0f)), 72, 72);
}

void Typeface::setStyle(float letterSpacing, float lean)
{
    spacing = letterSpacing;
    slant = lean;
}

template <typename F> float Typeface::walk(const std::string& text, float x, float baseline, F glyph)
{
    if (!face)
        return 0.0f;
    FT_Face f = asFace(face);
    // Small text keeps light hinting to stay crisp; titles are left unhinted
    // so the sub-pixel pen positions keep their spacing even.
    const FT_Int32 flags = FT_LOAD_RENDER | (size < 28.0f ? FT_LOAD_TARGET_LIGHT : FT_LOAD_NO_HINTING);
    FT_Matrix shear;
    shear.xx = 0x10000;
    shear.xy = static_cast<FT_Fixed>(std::lround(slant * 65536.0f));
    shear.yx = 0;
    shear.yy = 0x10000;
    float pen = x;
    FT_UInt previous = 0;
    bool first = true;
    for (std::uint32_t cp : codePoints(text))
    {
        const FT_UInt index = FT_Get_Char_Index(f, cp);
        if (previous && index && FT_HAS_KERNING(f))
        {
            FT_Vector k;
            if (FT_Get_Kerning(f, previous, index, FT_KERNING_UNFITTED, &k) == 0)
                pen += static_cast<float>(k.x) / 64.0f;
        }
        if (!first)
            pen += spacing;
        first = false;
        const float whole = std::floor(pen);
        FT_Vector delta;
        delta.x = static_cast<FT_Pos>(std::lround((pen - whole) * 64.0f));
        delta.y = 0;
        FT_Set_Transform(f, &shear, &delta);
        if (FT_Load_Glyph(f, index, flags) == 0)
        {
            glyph(f->glyph, static_cast<int>(whole), static_cast<int>(std::lround(baseline)));
            pen += static_cast<float>(f->glyph->linearHoriAdvance) / 65536.0f;
        }
        previous = index;
    }
    FT_Set_Transform(f, nullptr, nullptr);
    return pen - x;
}

float Typeface::measure(const std::string& text)
{
    return walk(text, 0.0f, 0.0f, [](FT_GlyphSlot, int, int) {});
}

float Typeface::capHeight()
{
    if (!face)
        return 0.0f;
    FT_Face f = asFace(face);
    FT_Set_Transform(f, nullptr, nullptr);
    if (FT_Load_Char(f, 'H', FT_LOAD_NO_HINTING) != 0)
        return size * 0.7f;
    return static_cast<float>(f->glyph->metrics.horiBearingY) / 64.0f;
}

void Typeface::draw(Mask& m, const std::string& text, float x, float baseline)
{
    walk(text, x, baseline,
         [&m](FT_GlyphSlot g, int originX, int originY)
         {
             const FT_Bitmap& bmp = g->bitmap;
             for (unsigned int row = 0; row < bmp.rows; ++row)
                 for (unsigned int col = 0; col < bmp.width; ++col)
                 {
                     const unsigned char v = bmp.buffer[static_cast<long>(row) * bmp.pitch + col];
                     if (v)
                         m.unite(originX + g->bitmap_left + static_cast<int>(col),
                                 originY - g->bitmap_top + static_cast<int>(row),
                                 static_cast<float>(v) / 255.0f);
                 }
         });
}

void Typeface::drawCentred(Mask& m, const std::string& text, float cx, float cy)
{
    const float width = measure(text);
    const float cap = capHeight();
    // A slanted line leans right by half its slant at mid height.
    draw(m, text, cx - width * 0.5f - slant * cap * 0.5f, cy + cap * 0.5f);
}
} // namespace datagen
