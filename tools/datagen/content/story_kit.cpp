// The kit every story picture is made with.
#include "content/story_kit.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "content/look.h"
#include "content/roster/character.h"
#include "content/roster/figure.h"
#include "content/roster/writer.h"
#include "content/stage_kit.h"
#include "core/files.h"
#include "core/mask.h"
#include "core/noise.h"
#include "core/quantise.h"
#include "core/sprite_folder.h"
#include "core/text.h"

namespace datagen::story
{
namespace
{
// The roster is built once and shared by every picture job.
const std::vector<roster::CharacterSpec>& cast()
{
    static const std::vector<roster::CharacterSpec> all = roster::allCharacters();
    return all;
}

// Clear columns kept between a bust and the slot's right edge.
constexpr int kBustMargin = 6;

Canvas toCanvas(const IndexedImage& image)
{
    Canvas out(image.width, image.height);
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
        {
            const std::uint8_t i = image.at(x, y);
            if (i == 0)
                continue;
            const Rgb8 p = image.palette[i];
            out.at(x, y) = Colour{p.r / 255.0f, p.g / 255.0f, p.b / 255.0f, 1.0f};
        }
    return out;
}

// Rows and columns that hold anything, as a box; empty when nothing does.
struct Extent
{
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    bool empty() const { return x1 <= x0 || y1 <= y0; }
};

Extent extentOf(const Canvas& c)
{
    Extent e{c.width(), c.height(), 0, 0};
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x)
            if (c.at(x, y).a > 0.0f)
            {
                e.x0 = std::min(e.x0, x);
                e.y0 = std::min(e.y0, y);
                e.x1 = std::max(e.x1, x + 1);
                e.y1 = std::max(e.y1, y + 1);
            }
    return e;
}

bool writeOne(const std::string& dataDir, const std::string& folder, const Canvas& picture, bool keyed,
              float dither)
{
    SpriteFolder out(joinPath(joinPath(joinPath(dataDir, "screens"), "story"), folder));
    FrameInfo info;
    info.pause = 100;
    if (!keyed)
        info.key = {-1, 0, 0};
    QuantiseOptions q;
    q.dither = dither;
    q.cutoff = 0.5f;
    return out.add(picture, info, q) && out.finish();
}
} // namespace

Canvas place(const Stage& stage, float cameraX, const std::function<void(Canvas&)>& overSky)
{
    Canvas out(kStillW, kStillH, hex(0x000000));
    for (const Layer& l : stage.layers)
    {
        const int w = l.scrolls ? kStillW : std::min(l.width, kStillW);
        Canvas layer(w, l.height);
        stage::View v{layer, l.scrolls ? cameraX - static_cast<float>(l.x) : 0.0f};
        if (l.paint)
            l.paint(v, 0);
        out.draw(layer, l.scrolls ? 0 : l.x, l.y, Blend::Normal, static_cast<float>(l.alpha) / 255.0f);
        if (overSky && &l == &stage.layers.front())
            overSky(out);
    }
    return out;
}

Canvas figure(const Pose& pose)
{
    const roster::CharacterSpec* look = pose.look;
    for (const roster::CharacterSpec& cast : cast())
        if (!look && cast.name == pose.character)
            look = &cast;
    if (!look)
    {
        std::fprintf(stderr, "datagen: no character \"%s\" to draw in a story picture\n",
                     pose.character.c_str());
        return Canvas();
    }
    roster::CharacterSpec spec = *look;
    if (pose.unarmed)
        spec.style.weapon = roster::Weapon::None;
    if (pose.holding)
        spec.style.weapon = *pose.holding;
    if (pose.coatOff)
        spec.style.coat = roster::Coat::None;
    Canvas c = toCanvas(roster::renderPose(spec, pose.clip, pose.key, pose.scale, pose.palette, pose.repose));
    if (pose.faceLeft)
        c = mirrored(c);
    const Extent e = extentOf(c);
    return e.empty() ? Canvas() : c.crop(e.x0, e.y0, e.x1 - e.x0, e.y1 - e.y0);
}

void stand(Canvas& onto, const Canvas& fig, float cx, float feetY)
{
    onto.draw(fig, static_cast<int>(std::lround(cx - fig.width() / 2.0f)),
              static_cast<int>(std::lround(feetY)) - fig.height());
}

Canvas portrait(const Pose& pose, float cutAt)
{
    return bust(pose, kPortraitW, kPortraitH, cutAt);
}

Canvas bust(const Pose& pose, int w, int h, float cutAt)
{
    Canvas out(w, h);
    Canvas fig = figure(pose);
    if (fig.width() == 0)
        return out;
    // Scale again so the part above the cut fills the slot's height.
    Pose sized = pose;
    sized.scale = pose.scale * (h - 10.0f) / (fig.height() * cutAt);
    fig = figure(sized);
    const int keep = std::min(fig.height(), static_cast<int>(std::lround(fig.height() * cutAt)));
    // The head: the middle of what the top tenth of the figure covers.
    const Extent head = extentOf(fig.crop(0, 0, fig.width(), std::max(1, fig.height() / 10)));
    const int headX = head.empty() ? fig.width() / 2 : (head.x0 + head.x1) / 2;
    const Canvas kept = fig.crop(0, 0, fig.width(), keep);
    int left = w * 45 / 100 - headX;
    // The right edge is where the two slots meet: a fist or a weapon cut flat
    // there reads as a wall. Step the figure back from it, as far as keeps
    // the whole head in the slot.
    const int over = left + extentOf(kept).x1 - (w - kBustMargin);
    if (over > 0)
        left -= std::max(0, std::min(over, left + head.x0 - kBustMargin));
    out.draw(kept, left, h - keep);
    return out;
}

Canvas mirrored(const Canvas& c)
{
    Canvas out(c.width(), c.height());
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x)
            out.at(c.width() - 1 - x, y) = c.at(x, y);
    return out;
}

void impactBurst(Canvas& c, float x, float y, float radius, Colour colour, std::uint32_t seed)
{
    Rng rng(seed);
    Mask spikes(c.width(), c.height());
    const int n = 14;
    for (int i = 0; i < n; ++i)
    {
        const float a = (i + rng.range(-0.3f, 0.3f)) * 6.2831853f / n;
        const float r = radius * rng.range(0.6f, 1.0f);
        const float side = 0.13f;
        spikes.polygon({{x + std::cos(a - side) * radius * 0.25f, y + std::sin(a - side) * radius * 0.25f},
                        {x + std::cos(a) * r, y + std::sin(a) * r},
                        {x + std::cos(a + side) * radius * 0.25f, y + std::sin(a + side) * radius * 0.25f}});
    }
    spikes.circle(x, y, radius * 0.3f);
    glow(c, x, y, radius * 1.4f, colour, 0.7f);
    c.fill(spikes.grown(2.0f), solid(colour), Blend::Normal, 0.9f);
    c.fill(spikes, solid(mix(colour, hex(0xffffff), 0.75f)));
    Mask ring(c.width(), c.height());
    ring.circle(x, y, radius * 0.85f);
    c.fill(ring.minus(ring.inverted().grown(3.0f).inverted()), solid(hex(0xffffff)), Blend::Add, 0.5f);
}

void speedLines(Canvas& c, float x0, float y0, float x1, float y1, float degrees, Colour colour,
                std::uint32_t seed)
{
    Rng rng(seed);
    const float a = degrees * 3.14159265f / 180.0f;
    const Vec2 dir{std::cos(a), std::sin(a)};
    Mask lines(c.width(), c.height());
    const int count = static_cast<int>((x1 - x0) * (y1 - y0) / 2500.0f) + 6;
    for (int i = 0; i < count; ++i)
    {
        const Vec2 p{rng.range(x0, x1), rng.range(y0, y1)};
        const float len = rng.range(40.0f, 160.0f);
        lines.line(p, p + dir * len, rng.range(1.0f, 3.0f), rng.range(0.4f, 0.9f));
    }
    c.fill(lines, solid(colour), Blend::Screen, 0.8f);
}

void flamesAt(Canvas& c, float x, float baseY, int w, int h, std::uint32_t seed, float heat)
{
    const Canvas fire = stage::flames(w, h, 0, 1, seed, heat);
    glow(c, x, baseY - h * 0.4f, std::max(w, h) * 0.9f, hex(0xff8020), 0.35f * heat);
    c.draw(fire, static_cast<int>(std::lround(x - w / 2.0f)), static_cast<int>(std::lround(baseY)) - h);
}

void smokeOver(Canvas& c, float x0, float y0, float x1, float y1, Colour colour, float amount,
               std::uint32_t seed)
{
    stage::View v{c, 0.0f};
    stage::smoke(v, x0, y0, x1, y1, colour, amount, seed);
}

void glow(Canvas& c, float x, float y, float radius, Colour colour, float strength)
{
    c.fill(radial(x, y, radius,
                  Gradient{{0.0f, withAlpha(colour, std::min(1.0f, strength))},
                           {0.5f, withAlpha(colour, std::min(1.0f, strength) * 0.35f)},
                           {1.0f, withAlpha(colour, 0.0f)}}),
           Blend::Add);
}

void teleportFlare(Canvas& c, float x, float feetY, float height, Colour colour, std::uint32_t seed)
{
    const float top = feetY - height;
    glow(c, x, feetY - height * 0.5f, height * 0.6f, colour, 0.6f);
    Mask column(c.width(), c.height());
    column.ellipse(x, feetY - height * 0.5f, height * 0.12f, height * 0.55f);
    c.fill(column.blurred(6.0f), solid(colour), Blend::Add, 0.8f);
    Mask core(c.width(), c.height());
    core.ellipse(x, feetY - height * 0.5f, height * 0.035f, height * 0.5f);
    c.fill(core.blurred(2.0f), solid(hex(0xffffff)), Blend::Add);
    Mask ring(c.width(), c.height());
    ring.ellipse(x, feetY, height * 0.3f, height * 0.06f);
    c.fill(ring.minus(ring.inverted().grown(3.0f).inverted()), solid(mix(colour, hex(0xffffff), 0.5f)),
           Blend::Add);
    Rng rng(seed);
    Mask sparks(c.width(), c.height());
    for (int i = 0; i < 40; ++i)
        sparks.circle(x + rng.range(-height * 0.25f, height * 0.25f), rng.range(top, feetY),
                      rng.range(1.0f, 2.5f));
    c.fill(sparks, solid(mix(colour, hex(0xffffff), 0.7f)), Blend::Add);
}

namespace
{
// A point `dist` along a direction of `degrees` from `base` and `side` across it.
Vec2 along(Vec2 base, float degrees, float dist, float side)
{
    const float a = degrees * 3.14159265f / 180.0f;
    const Vec2 d{std::cos(a), std::sin(a)}, n{-d.y, d.x};
    return base + d * dist + n * side;
}
} // namespace

void vladBlade(Canvas& c, Vec2 guard, float degrees, float length, float aura, float width)
{
    const int w = c.width(), h = c.height();
    const float half = length * width * 0.5f;
    auto at = [&](float d, float s) { return along(guard, degrees, d, s); };
    Mask blade(w, h), edge(w, h), fuller(w, h), hilt(w, h), grip(w, h), gem(w, h), pupil(w, h);
    blade.polygon({at(0, -half), at(length * 0.82f, -half * 0.8f), at(length, 0),
                   at(length * 0.82f, half * 0.8f), at(0, half)});
    edge.polygon({at(length * 0.05f, half * 0.45f), at(length * 0.82f, half * 0.4f), at(length, 0),
                  at(length * 0.82f, half * 0.8f), at(length * 0.05f, half)});
    fuller.polygon({at(length * 0.06f, -half * 0.18f), at(length * 0.7f, -half * 0.1f),
                    at(length * 0.7f, half * 0.1f), at(length * 0.06f, half * 0.18f)});
    const float gw = length * 0.2f, gt = half * 0.9f;
    hilt.polygon({at(-gt, -gw), at(gt * 0.4f, -gw * 1.12f), at(gt, -gw * 0.3f), at(gt, gw * 0.3f),
                  at(gt * 0.4f, gw * 1.12f), at(-gt, gw), at(-gt * 1.4f, 0)});
    const Vec2 pommel = at(-length * 0.27f, 0);
    hilt.circle(pommel.x, pommel.y, half * 0.95f);
    grip.limb(at(-gt, 0), at(-length * 0.24f, 0), half * 0.55f, half * 0.5f);
    gem.circle(guard.x, guard.y, half * 0.95f);
    std::vector<Vec2> slit;
    for (int i = 0; i <= 16; ++i)
    {
        const float t = i / 16.0f * 6.2831853f;
        slit.push_back(along(guard, degrees, std::cos(t) * half * 0.7f, std::sin(t) * half * 0.18f));
    }
    pupil.polygon(slit);
    if (aura > 0.0f)
    {
        // Solid enough near the steel to stay when a portrait is keyed.
        const Mask body = blade.grown(half * 0.2f);
        c.fill(body.grown(half * 1.6f * aura).blurred(half * 0.9f * aura), solid(hex(0x8a0a10)),
               Blend::Normal, 0.95f);
        c.fill(body.grown(half * 0.7f * aura).blurred(half * 0.5f * aura), solid(hex(0xe02a20)),
               Blend::Normal, 0.9f);
    }
    // Red steel with a bright bevelled edge and a deep fuller.
    const Vec2 tip = at(length, 0), side = at(0, half);
    c.fill(blade.grown(1.5f), solid(hex(0x2a0608)));
    c.fill(blade, linear(guard.x, guard.y, tip.x, tip.y,
                         Gradient{{0.0f, hex(0x7a1418)}, {0.6f, hex(0xc83838)}, {1.0f, hex(0xf07060)}}));
    c.fill(edge,
           linear(guard.x, guard.y, side.x, side.y, Gradient{{0.0f, hex(0xff8a70)}, {1.0f, hex(0xffd0c0)}}),
           Blend::Normal, 0.85f);
    c.fill(fuller, solid(hex(0x5a0a10)), Blend::Normal, 0.9f);
    // A black grip wound with leather, the guard and pommel in Vlad's gold.
    c.fill(grip.grown(1.5f), solid(hex(0x140a0c)));
    c.fill(grip, solid(hex(0x2a1a1e)));
    Mask wraps(w, h);
    for (int i = 1; i < 6; ++i)
    {
        const float d = -gt - (length * 0.24f - gt) * i / 6.0f;
        wraps.line(at(d, -half * 0.55f), at(d - half * 0.35f, half * 0.55f), std::max(1.0f, half * 0.12f));
    }
    c.fill(wraps, solid(hex(0x4a3a30)));
    c.fill(hilt.grown(1.5f), solid(hex(0x1a1208)));
    c.fill(hilt, linear(guard.x - half * 3, guard.y - half * 3, guard.x + half * 3, guard.y + half * 3,
                        Gradient{{0.0f, hex(0xf0d080)}, {0.5f, hex(0xb89040)}, {1.0f, hex(0x5a4010)}}));
    // The gem: a red eye, slit-pupilled, that glows.
    glow(c, guard.x, guard.y, half * 3.5f, hex(0xff3020), 0.9f * std::max(aura, 0.4f));
    c.fill(gem.grown(1.5f), solid(hex(0x200404)));
    c.fill(gem, radial(guard.x - half * 0.3f, guard.y - half * 0.3f, half,
                       Gradient{{0.0f, hex(0xffe0a0)}, {0.35f, hex(0xff5040)}, {1.0f, hex(0x8a0a10)}}));
    c.fill(pupil, solid(hex(0x120204)));
    Mask shine(w, h);
    shine.circle(guard.x - half * 0.35f, guard.y - half * 0.4f, std::max(1.0f, half * 0.22f));
    c.fill(shine, solid(hex(0xffffff)));
}

void bigText(Canvas& c, const std::string& text, float cx, float cy, float size, Colour fill, Colour edge)
{
    Typeface face(look::titleFont());
    if (!face.ok())
        return;
    face.setSize(size);
    Mask m(c.width(), c.height());
    face.drawCentred(m, text, cx, cy);
    c.fill(m.grown(size * 0.06f + 2.0f).blurred(2.0f).shifted(4, 5), solid(hex(0x000000)), Blend::Normal,
           0.5f);
    c.fill(m.grown(size * 0.06f + 2.0f), solid(edge));
    c.fill(m, linear(0, cy - size * 0.5f, 0, cy + size * 0.4f,
                     Gradient{{0.0f, mix(fill, hex(0xffffff), 0.5f)}, {1.0f, fill}}));
}

void bloodied(Canvas& c, std::uint32_t seed)
{
    const Mask body = c.alphaMask();
    int x0 = c.width(), y0 = c.height(), x1 = 0, y1 = 0;
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x)
            if (c.at(x, y).a > 0.5f)
            {
                x0 = std::min(x0, x);
                y0 = std::min(y0, y);
                x1 = std::max(x1, x + 1);
                y1 = std::max(y1, y + 1);
            }
    if (x1 <= x0)
        return;
    Rng rng(seed);
    Mask blood(c.width(), c.height()), drips(c.width(), c.height()), bruises(c.width(), c.height());
    for (int i = 0; i < 14; ++i)
    {
        const float x = rng.range(x0, x1), y = rng.range(y0, y1);
        blood.circle(x, y, rng.range(3.0f, 9.0f));
        drips.line({x, y}, {x + rng.range(-2.0f, 2.0f), y + rng.range(10.0f, 40.0f)}, rng.range(1.5f, 3.0f));
    }
    for (int i = 0; i < 5; ++i)
        bruises.circle(rng.range(x0, x1), rng.range(y0, y1), rng.range(8.0f, 16.0f));
    c.fill(bruises.blurred(4.0f).times(body), solid(hex(0x4a2a4a)), Blend::Multiply, 0.5f);
    c.fill(blood.times(body), solid(hex(0x8a0a0a)), Blend::Normal, 0.9f);
    c.fill(drips.times(body), solid(hex(0xa01010)), Blend::Normal, 0.85f);
}

// Pale spirits with hollow eyes round a point, trailing wisps; `scatter` 0
// keeps them close, 1 flings them out and shrinks them.
void spirits(Canvas& c, float cx, float cy, float spread, int count, std::uint32_t seed, float scatter)
{
    Rng rng(seed);
    for (int i = 0; i < count; ++i)
    {
        const float a = rng.range(0.0f, 6.2831853f);
        const float d = spread * rng.range(0.35f, 1.0f) * (1.0f + scatter);
        const float x = cx + std::cos(a) * d, y = cy + std::sin(a) * d * 0.8f;
        const float r = rng.range(18.0f, 30.0f) * (1.0f - 0.3f * scatter);
        Mask wisp(c.width(), c.height()), eyes(c.width(), c.height());
        std::vector<Vec2> tail;
        for (int k = 0; k <= 10; ++k)
        {
            const float t = k / 10.0f;
            tail.push_back({x - std::cos(a) * r * 3.0f * t + std::sin(t * 6.0f + i) * r * 0.3f,
                            y - std::sin(a) * r * 3.0f * t + r * 0.5f * t});
        }
        wisp.polyline(tail, r * 0.9f);
        wisp.circle(x, y, r);
        eyes.ellipse(x - r * 0.35f, y - r * 0.1f, r * 0.18f, r * 0.28f);
        eyes.ellipse(x + r * 0.35f, y - r * 0.1f, r * 0.18f, r * 0.28f);
        eyes.ellipse(x, y + r * 0.45f, r * 0.2f, r * 0.15f);
        c.fill(wisp.blurred(r * 0.6f), solid(hex(0x80ffe0)), Blend::Screen, 0.6f);
        c.fill(wisp.blurred(1.5f),
               linear(x, y - r, x, y + r * 3.0f,
                      Gradient{{0.0f, hex(0xe8fff8, 0.9f)}, {1.0f, hex(0x60d0c0, 0.0f)}}));
        c.fill(eyes, solid(hex(0x0a2a2a)), Blend::Normal, 0.9f);
    }
}

bool writeStill(const std::string& dataDir, const std::string& folder, const Canvas& picture)
{
    Canvas full(kStillW, kStillH, hex(0x000000));
    full.draw(picture, 0, 0);
    return writeOne(dataDir, folder, full, false, 0.7f);
}

bool writePortrait(const std::string& dataDir, const std::string& folder, const Canvas& picture)
{
    Canvas slot(kPortraitW, kPortraitH);
    slot.draw(picture, 0, 0);
    return writeOne(dataDir, folder, slot, true, 0.5f);
}

bool writeKeyed(const std::string& dataDir, const std::string& folder, const Canvas& picture)
{
    return writeOne(dataDir, folder, picture, true, 0.5f);
}
} // namespace datagen::story
