// quillfen_rostersheets: draws contact sheets of the roster for people to
// look at: every animation and move of a character, frame by frame, on one
// picture per character. Usage: quillfen_rostersheets <outdir> [name...]
#include "content/roster/character.h"
#include "content/roster/writer.h"
#include "core/bmp.h"
#include "core/files.h"
#include "core/jobs.h"

#include <algorithm>
#include <cstdio>

using namespace datagen;
using namespace datagen::roster;

namespace
{
constexpr std::uint8_t kBackground = 1;
constexpr std::uint8_t kGroundLine = 2;
constexpr std::uint8_t kAnchor = 3;

// Rows of clips, each row its frames side by side on a grey ground with the
// anchor marked, so timing, weight and boxes can be judged at a glance.
IndexedImage sheet(const CharacterSpec& spec, int palette)
{
    std::vector<RenderedClip> clips;
    for (const Clip& c : spec.anims)
        clips.push_back(renderClip(spec, c, palette));
    for (const MoveDef& m : spec.moves)
        clips.push_back(renderClip(spec, m.clip, palette));
    int width = 0, height = 0;
    std::vector<int> rowH;
    for (const RenderedClip& r : clips)
    {
        int w = 0, h = 0;
        for (const IndexedImage& f : r.frames)
            w += f.width + 4, h = std::max(h, f.height);
        width = std::max(width, w);
        rowH.push_back(h + 6);
        height += h + 6;
    }
    IndexedImage out;
    out.width = std::min(width, 4000);
    out.height = height;
    out.palette = clips.empty() ? std::array<Rgb8, 256>{} : clips[0].frames[0].palette;
    out.palette[kBackground] = {70, 74, 84};
    out.palette[kGroundLine] = {30, 160, 60};
    out.palette[kAnchor] = {255, 255, 255};
    out.pixels.assign(static_cast<std::size_t>(out.width) * out.height, kBackground);
    int y = 0;
    for (std::size_t i = 0; i < clips.size(); ++i)
    {
        int x = 0;
        for (std::size_t f = 0; f < clips[i].frames.size(); ++f)
        {
            const IndexedImage& img = clips[i].frames[f];
            for (int yy = 0; yy < img.height; ++yy)
                for (int xx = 0; xx < img.width; ++xx)
                {
                    const int px = x + xx, py = y + yy;
                    if (px >= out.width || py >= out.height)
                        continue;
                    const std::uint8_t v = img.at(xx, yy);
                    out.pixels[static_cast<std::size_t>(py) * out.width + px] =
                        v ? v : (yy == clips[i].anchorY[f] ? kGroundLine : kBackground);
                }
            const int ax = x + clips[i].anchorX[f], ay = y + clips[i].anchorY[f];
            if (ax >= 0 && ax < out.width && ay >= 0 && ay < out.height)
                out.pixels[static_cast<std::size_t>(ay) * out.width + ax] = kAnchor;
            x += img.width + 4;
        }
        y += rowH[i];
    }
    return out;
}
// Frame 0 of one clip of every character, side by side on one ground line,
// to compare sizes and silhouettes.
IndexedImage lineup(const std::vector<CharacterSpec>& specs, const std::string& clipName, int frame)
{
    std::vector<RenderedClip> shots;
    int width = 0, above = 0, below = 0;
    for (const CharacterSpec& s : specs)
    {
        const Clip* clip = nullptr;
        for (const Clip& c : s.anims)
            if (c.name == clipName)
                clip = &c;
        for (const MoveDef& m : s.moves)
            if (m.clip.name == clipName)
                clip = &m.clip;
        if (!clip)
            continue;
        RenderedClip r = renderClip(s, *clip, 0);
        const std::size_t f = std::min<std::size_t>(static_cast<std::size_t>(frame), r.frames.size() - 1);
        RenderedClip one;
        one.frames.push_back(r.frames[f]);
        one.anchorX.push_back(r.anchorX[f]);
        one.anchorY.push_back(r.anchorY[f]);
        width += r.frames[f].width + 6;
        above = std::max(above, r.anchorY[f]);
        below = std::max(below, r.frames[f].height - r.anchorY[f]);
        shots.push_back(one);
    }
    IndexedImage out;
    out.width = std::max(1, width);
    out.height = above + below + 4;
    out.palette[kBackground] = {70, 74, 84};
    out.palette[kGroundLine] = {30, 160, 60};
    out.pixels.assign(static_cast<std::size_t>(out.width) * out.height, kBackground);
    // One shared palette cannot hold every character's colours: each
    // character's pixels are matched to the nearest of a fixed colour cube.
    for (int i = 0; i < 216; ++i)
        out.palette[static_cast<std::size_t>(i + 16)] = {static_cast<std::uint8_t>((i / 36) * 51),
                                                         static_cast<std::uint8_t>((i / 6 % 6) * 51),
                                                         static_cast<std::uint8_t>((i % 6) * 51)};
    int x = 0;
    for (const RenderedClip& r : shots)
    {
        const IndexedImage& img = r.frames[0];
        const int top = above - r.anchorY[0];
        for (int yy = 0; yy < img.height; ++yy)
            for (int xx = 0; xx < img.width; ++xx)
            {
                const std::uint8_t v = img.at(xx, yy);
                if (!v)
                    continue;
                const Rgb8 c = img.palette[v];
                const int q = 16 + ((c.r + 25) / 51) * 36 + ((c.g + 25) / 51) * 6 + (c.b + 25) / 51;
                out.pixels[static_cast<std::size_t>(top + yy) * out.width + x + xx] =
                    static_cast<std::uint8_t>(q);
            }
        x += img.width + 6;
    }
    for (int xx = 0; xx < out.width; ++xx)
        out.pixels[static_cast<std::size_t>(above) * out.width + xx] = kGroundLine;
    return out;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
    {
        std::fprintf(stderr, "usage: %s <outdir> [name...]\n", argv[0]);
        return 2;
    }
    const std::vector<std::string> only(argv + 2, argv + argc);
    std::vector<CharacterSpec> specs = allCharacters();
    if (!only.empty())
        specs.erase(std::remove_if(specs.begin(), specs.end(),
                                   [&](const CharacterSpec& s)
                                   { return std::find(only.begin(), only.end(), s.name) == only.end(); }),
                    specs.end());
    makeDirs(argv[1]);
    writeBytes(joinPath(argv[1], "lineup.bmp"), encodeBmp(lineup(specs, "standing", 0)));
    std::vector<char> ok(specs.size(), 0);
    parallelFor(static_cast<int>(specs.size()),
                [&](int i)
                {
                    const CharacterSpec& s = specs[static_cast<std::size_t>(i)];
                    ok[static_cast<std::size_t>(i)] =
                        writeBytes(joinPath(argv[1], s.name + ".bmp"), encodeBmp(sheet(s, 0)));
                });
    return std::all_of(ok.begin(), ok.end(), [](char c) { return c != 0; }) ? 0 : 1;
}
