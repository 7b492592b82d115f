// The picture shown while a stage loads: the city dimmed and out of focus
// behind a small logo and a "LOADING" banner.
#include "content/look.h"
#include "content/screens.h"

#include "core/files.h"
#include "core/mask.h"
#include "core/sprite_folder.h"

namespace datagen
{
bool writeLoadingScreen(const std::string& dataDir)
{
    look::CityOptions city;
    city.fighters = true;
    Canvas c = look::duskCity(city).blurred(2.5f);
    c.fill(
        linear(0, 0, 0, look::kScreenH, Gradient{{0.0f, hex(0x05030c, 0.55f)}, {1.0f, hex(0x05030c, 0.8f)}}));

    look::LogoOptions small;
    small.cy = 110.0f;
    small.size = 64.0f;
    small.glow = 0.7f;
    c.draw(look::logo(small), 0, 0);

    // A slanted banner across the lower right, with the word on it.
    Mask band(look::kScreenW, look::kScreenH);
    band.polygon({{300, 398}, {640, 398}, {640, 446}, {284, 446}});
    c.fill(band.grown(2.0f).blurred(4.0f), solid(hex(0xff5a1a)), Blend::Normal, 0.6f);
    c.fill(band, linear(0, 398, 0, 446, Gradient{{0.0f, hex(0x2a0e10)}, {1.0f, hex(0x12060a)}}));
    Mask edge(look::kScreenW, look::kScreenH);
    edge.line({300, 398}, {640, 398}, 2.0f);
    edge.line({284, 446}, {640, 446}, 2.0f);
    c.fill(edge, solid(hex(0xffa040)));

    look::CaptionOptions word;
    word.cx = 470.0f;
    word.cy = 422.0f;
    word.size = 24.0f;
    word.spacing = 5.0f;
    word.fill = hex(0xfff0d8);
    c.draw(look::caption("LOADING...", word), 0, 0);

    Mask pips(look::kScreenW, look::kScreenH);
    for (int i = 0; i < 6; ++i)
    {
        const float x = 336.0f + i * 16.0f;
        pips.polygon({{x + 4, 454}, {x + 14, 454}, {x + 10, 462}, {x, 462}}, 1.0f - i * 0.14f);
    }
    c.fill(pips, solid(hex(0xff8a2a)));

    FrameInfo still;
    still.key = {-1, 0, 0};
    still.pause = 1000;
    SpriteFolder folder(joinPath(dataDir, "screens/loading"));
    folder.add(c, still);
    return folder.finish();
}
} // namespace datagen
