// Anti-aliased text from the system's DejaVu fonts, drawn into masks so that
// titles can be outlined, glowed and shadowed like any other shape.
#pragma once

#include <string>

#include "core/mask.h"

namespace datagen
{
// Where Debian's fonts-dejavu-core puts its fonts.
std::string dejaVuPath(const std::string& fileName);

class Typeface
{
public:
    // `path` is a font file; on failure ok() is false and error() says why.
    explicit Typeface(const std::string& path);
    ~Typeface();
    Typeface(const Typeface&) = delete;
    Typeface& operator=(const Typeface&) = delete;

    bool ok() const { return face != nullptr; }
    const std::string& error() const { return problem; }

    // Text height in pixels (the em size).
    void setSize(float pixels);
    // `spacing` is added between letters; `slant` leans letters right by
    // that many pixels across per pixel up (0.2 is a brisk italic).
    void setStyle(float spacing, float slant);

    // Width of the text from the first pen position to the last advance.
    float measure(const std::string& text);
    // Height of a capital letter above the baseline.
    float capHeight();
    // Draws UTF-8 text with the baseline starting at (x, baseline).
    void draw(Mask& m, const std::string& text, float x, float baseline);
    // Draws with the text's centre at x and capitals centred on y.
    void drawCentred(Mask& m, const std::string& text, float cx, float cy);

private:
    template <typename F> float walk(const std::string& text, float x, float baseline, F glyph);

    void* library = nullptr; // FT_Library
    void* face = nullptr;    // FT_Face
    std::string problem;
    float size = 16.0f;
    float spacing = 0.0f;
    float slant = 0.0f;
};
} // namespace datagen
