// Character folders: frames are planned from keys, drawn with the
// character's fixed palette, cropped to the union of a clip's frames (so the
// anchor stays put) and given boxes from the posed body and striking part.
#include "content/roster/writer.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>

#include "content/look.h"
#include "core/files.h"
#include "core/sprite_folder.h"
#include "core/text.h"

namespace datagen::roster
{
namespace
{
constexpr int kMargin = 2;
// How far above the feet a sweeping blow reaches down to.
constexpr float kShinHeight = 18.0f;

std::string charDir(const std::string& dataDir, const std::string& name)
{
    return joinPath(joinPath(dataDir, "characters"), name);
}

Colours coloursFor(const CharacterSpec& spec, int palette)
{
    Colours c = spec.colours;
    if (palette >= 1 && palette <= 7)
        for (const auto& change : spec.palettes[static_cast<std::size_t>(palette - 1)])
            c.base[static_cast<std::size_t>(change.first)] = change.second;
    return c;
}

struct DrawnFrame
{
    Drawing drawing;
    Hot hot;
};

Box strikeBox(const PlannedFrame& f, const Hot& h, const Style& st)
{
    Box b;
    const float hand = st.body.hand * (st.weapon == Weapon::Gauntlets ? 1.8f : 1.0f) + 4.0f;
    switch (f.strike)
    {
    case Strike::None:
        break;
    case Strike::HandN:
        b.add(h.handN, hand);
        break;
    case Strike::HandF:
        b.add(h.handF, hand);
        break;
    case Strike::FootN:
        b.add(h.footN, 7.0f);
        break;
    case Strike::FootF:
        b.add(h.footF, 7.0f);
        break;
    case Strike::WeaponN:
    case Strike::WeaponF:
    {
        const Vec2 g = f.strike == Strike::WeaponN ? h.gripN : h.gripF;
        const Vec2 t = f.strike == Strike::WeaponN ? h.tipN : h.tipF;
        for (float s = 0.35f; s <= 1.001f; s += 0.13f)
            b.add(lerp(g, t, s), h.tipRadius);
        break;
    }
    case Strike::Head:
        b.add(h.head, 10.0f);
        break;
    case Strike::Body:
    {
        const float mid = (h.body.x0 + h.body.x1) * 0.5f;
        b.add(Vec2{mid, h.body.y0});
        b.add(Vec2{h.body.x1 + 6.0f, h.body.y1});
        break;
    }
    case Strike::Gas:
        b = h.gas;
        break;
    case Strike::Around:
        b = h.body;
        b.x0 -= f.reachOut;
        b.x1 += f.reachOut;
        b.y0 -= f.reachOut * 0.5f;
        break;
    }
    // A limb or weapon strikes along its whole reach, from the front of the
    // body out to its tip: a fighter standing close is hit, not passed over.
    switch (f.strike)
    {
    case Strike::HandN:
    case Strike::HandF:
    case Strike::FootN:
    case Strike::FootF:
    case Strike::WeaponN:
    case Strike::WeaponF:
        if (!b.empty() && !h.body.empty() && b.x0 > h.body.x1)
            b.add(Vec2{h.body.x1 - 4.0f, (b.y0 + b.y1) * 0.5f});
        break;
    default:
        break;
    }
    // A sweeping blow carries on down to the shins, where a low body such as a
    // tank's hull or a hound stands: a standing striker's shins, or, for one
    // that floats, the height of a stander's shins (the feet stand at y 0).
    if (f.sweepLow && !b.empty() && !h.body.empty())
        b.y1 = std::max(b.y1, std::max(h.body.y1, 0.0f) - kShinHeight);
    return b;
}

Vec2 impactPoint(const PlannedFrame& f, const Hot& h, const Box& dmg)
{
    switch (f.strike)
    {
    case Strike::HandN:
        return h.handN;
    case Strike::HandF:
        return h.handF;
    case Strike::FootN:
        return h.footN;
    case Strike::FootF:
        return h.footF;
    case Strike::WeaponN:
        return lerp(h.gripN, h.tipN, 0.8f);
    case Strike::WeaponF:
        return lerp(h.gripF, h.tipF, 0.8f);
    case Strike::Head:
        return h.head;
    default:
        return {dmg.x1 - 4.0f, (dmg.y0 + dmg.y1) * 0.5f};
    }
}

std::array<int, 4> toImage(const Box& b, float ox, float oy, int w, int h)
{
    std::array<int, 4> r{static_cast<int>(std::floor(b.x0 - ox)), static_cast<int>(std::floor(b.y0 - oy)),
                         static_cast<int>(std::ceil(b.x1 - ox)), static_cast<int>(std::ceil(b.y1 - oy))};
    r[0] = std::clamp(r[0], 0, w - 1);
    r[2] = std::clamp(r[2], 0, w - 1);
    r[1] = std::clamp(r[1], 0, h - 1);
    r[3] = std::clamp(r[3], 0, h - 1);
    return r;
}

struct Layout
{
    float ox = 0.0f, oy = 0.0f;
    int w = 1, h = 1;
};

Layout layoutOf(const std::vector<DrawnFrame>& frames, float scale)
{
    Box all;
    for (const DrawnFrame& f : frames)
    {
        all.add(bounds(f.drawing));
        all.add(f.hot.body);
    }
    if (all.empty())
        all.add({0.0f, 0.0f}, 1.0f);
    Layout l;
    l.ox = std::floor(all.x0) - kMargin / scale;
    l.oy = std::floor(all.y0) - kMargin / scale;
    l.w = static_cast<int>(std::ceil((all.x1 - l.ox) * scale)) + kMargin;
    l.h = static_cast<int>(std::ceil((all.y1 - l.oy) * scale)) + kMargin;
    return l;
}

std::vector<DrawnFrame> drawFrames(const CharacterSpec& spec, const std::vector<PlannedFrame>& plan)
{
    std::vector<DrawnFrame> out(plan.size());
    for (std::size_t i = 0; i < plan.size(); ++i)
        drawFigure(spec.style, plan[i].pose, out[i].drawing, out[i].hot);
    return out;
}

bool firesEvents(const Key& k)
{
    return !k.sound.empty() || !k.shot.empty() || !k.puff.empty() || !k.face.empty();
}

bool strikes(const PlannedFrame& p)
{
    return p.strike != Strike::None && p.damage > 0;
}

// For each planned frame, the frame whose key's sound, shot, dust and face it
// carries, or -1. The control steps past a frame as soon as its events fire,
// so a striking frame that fires them never lands its blow: a striking key's
// events go on the frame before it, the wind-up, unless that frame belongs to
// the same blow (which then lands there), fires events of its own or is the
// move's first frame (where a move's start may pass them by).
std::vector<int> eventFrames(const std::vector<PlannedFrame>& plan)
{
    std::vector<int> from(plan.size(), -1);
    for (std::size_t i = 0; i < plan.size(); ++i)
    {
        if (!plan[i].key || !firesEvents(*plan[i].key))
            continue;
        std::size_t at = i;
        if (strikes(plan[i]) && i > 1 && !strikes(plan[i - 1]) && from[i - 1] < 0)
            at = i - 1;
        from[at] = static_cast<int>(i);
    }
    return from;
}

bool writeClip(const std::string& dir, const CharacterSpec& spec, const Clip& clip,
               const std::string& deflected)
{
    const std::vector<PlannedFrame> plan = planFrames(clip);
    const std::vector<int> events = eventFrames(plan);
    const std::vector<DrawnFrame> drawn = drawFrames(spec, plan);
    const std::array<Rgb8, 256> palette = buildPalette(spec.colours);
    const std::string folder = joinPath(dir, clip.name);
    bool ok = makeDirs(folder);
    std::vector<InfoEntry> entries;
    std::vector<IndexedImage> pictures;
    for (std::size_t i = 0; i < plan.size(); ++i)
    {
        const PlannedFrame& p = plan[i];
        const Hot& hot = drawn[i].hot;
        // Each frame is cropped to itself and its striking box: the anchor
        // moves within the picture, the figure stays put on the field.
        std::vector<DrawnFrame> one(1);
        one[0].hot = hot;
        one[0].drawing = drawn[i].drawing;
        if (p.strike != Strike::None && p.damage > 0)
            one[0].hot.body.add(strikeBox(p, hot, spec.style));
        const Layout l = layoutOf(one, 1.0f);
        FrameInfo info;
        info.pause = p.pause;
        info.anchorX = static_cast<int>(std::lround(-l.ox));
        info.anchorY = static_cast<int>(std::lround(-l.oy));
        info.collision = toImage(hot.body, l.ox, l.oy, l.w, l.h);
        info.xStep = p.xStep;
        info.yBoost = p.yBoost;
        // Where a held fighter hangs while this frame shows: the near hand.
        info.hitPointX = std::clamp(static_cast<int>(std::lround(hot.handN.x - l.ox)), 0, l.w - 1);
        info.hitPointY = std::clamp(static_cast<int>(std::lround(hot.handN.y - l.oy)), 0, l.h - 1);
        info.pointX = info.hitPointX;
        info.pointY = info.hitPointY;
        if (p.strike != Strike::None && p.damage > 0)
        {
            const Box dmg = strikeBox(p, hot, spec.style);
            const Vec2 at = impactPoint(p, hot, dmg);
            info.damageBox = toImage(dmg, l.ox, l.oy, l.w, l.h);
            info.damage = p.damage;
            info.hitType = p.hitType;
            info.hitPointX = std::clamp(static_cast<int>(std::lround(at.x - l.ox)), 0, l.w - 1);
            info.hitPointY = std::clamp(static_cast<int>(std::lround(at.y - l.oy)), 0, l.h - 1);
            info.pointX = info.hitPointX;
            info.pointY = info.hitPointY;
            info.deflected = deflected;
        }
        if (events[i] >= 0)
        {
            const std::size_t from = static_cast<std::size_t>(events[i]);
            const Key& k = *plan[from].key;
            const Hot& at = drawn[from].hot;
            if (!k.sound.empty())
                info.sound = k.sound;
            if (!k.shot.empty())
                info.particles.push_back({k.shot, static_cast<int>(std::lround(at.muzzle.x)),
                                          static_cast<int>(std::lround(-at.muzzle.y))});
            if (!k.puff.empty())
                info.particles.push_back({k.puff, 0, 0});
            if (!k.face.empty())
                info.face = k.face;
        }
        if (p.key)
        {
            const Key& k = *p.key;
            info.deflecting = k.deflecting;
            if (k.holdIfDown)
                info.conditions = {"HP < 1", "ANIM = STOP", "ELSE", "ANIM = START"};
            if (k.jumpIfUp >= 0)
                info.conditions = {"HP > 0", "FRAME = " + std::to_string(frameOfKey(clip, k.jumpIfUp))};
        }
        // A frame that looks like an earlier one (a hold) shows the same file.
        IndexedImage img = render(drawn[i].drawing, l.w, l.h, l.ox, l.oy, palette);
        std::string name;
        for (std::size_t j = 0; j < pictures.size() && name.empty(); ++j)
            if (pictures[j].width == img.width && pictures[j].height == img.height &&
                pictures[j].pixels == img.pixels)
                name = entries[j].image;
        if (name.empty())
        {
            char file[32];
            std::snprintf(file, sizeof file, "f%03zu.bmp", i);
            name = file;
            ok = writeBytes(joinPath(folder, name), encodeBmp(img)) && ok;
        }
        entries.push_back({name, img.width, img.height, info});
        pictures.push_back(std::move(img));
    }
    std::string text, error;
    if (!infoText(entries, text, error))
    {
        std::fprintf(stderr, "datagen: %s/info: %s\n", folder.c_str(), error.c_str());
        return false;
    }
    return writeText(joinPath(folder, "info"), text) && ok;
}

std::string yes(bool b)
{
    return b ? "1" : "0";
}

// An 8-bit picture whose palette is the file's point: a strip of the ramps.
IndexedImage paletteImage(const std::array<Rgb8, 256>& palette)
{
    IndexedImage img;
    img.width = 16;
    img.height = 16;
    img.palette = palette;
    img.pixels.resize(256);
    for (int i = 0; i < 256; ++i)
        img.pixels[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i);
    return img;
}

bool writeFiles(const std::string& dataDir, const CharacterSpec& spec)
{
    const std::string dir = charDir(dataDir, spec.name);
    std::string info = "ANIMS: " + std::to_string(spec.anims.size()) + "\n";
    for (const Clip& c : spec.anims)
        info += c.name + "\n";
    const std::string chardata = spec.name + "\n" + std::to_string(spec.hp) + "\n" + std::to_string(spec.mp) +
                                 "\n" + std::to_string(spec.speed) + "\n" + std::to_string(spec.jump) + "\n" +
                                 std::to_string(spec.bullets) + "\n" + std::to_string(spec.bulletsMax) +
                                 "\n" + std::to_string(spec.extra) + "\ndata/characters/" + spec.name + "\n";
    bool ok = makeDirs(joinPath(dir, "ai")) && makeDirs(joinPath(dir, "palette"));
    ok = ok && writeText(joinPath(dir, "info"), info);
    ok = ok && writeText(joinPath(dir, "moveset"), movesetText(spec.moves));
    ok = ok && writeText(joinPath(dir, "chardata"), chardata);
    ok = ok && writeText(joinPath(joinPath(dir, "ai"), "attack"), attackText(spec.moves));
    for (int p = 1; p <= 7; ++p)
        ok = ok && writeBytes(joinPath(joinPath(dir, "palette"), std::to_string(p) + ".bmp"),
                              encodeBmp(paletteImage(buildPalette(coloursFor(spec, p)))));
    ok = ok && writeSoundFolder(dir, spec.sounds);
    return ok;
}

// The select screen's card: the character's colours behind a name plate.
bool writePanel(const std::string& dataDir, const CharacterSpec& spec)
{
    constexpr int w = 170, h = 380;
    const Colour main = spec.colours.base[Top];
    const Colour accent = spec.colours.base[Accent];
    Canvas card(w, h, hex(0x000000));
    card.fill(linear(0, 0, 0, h,
                     Gradient{{0.0f, mix(shade(main, -0.6f), hex(0x101020), 0.5f)},
                              {0.7f, mix(shade(main, -0.2f), hex(0x202030), 0.4f)},
                              {1.0f, shade(main, -0.7f)}}));
    Mask glow(w, h);
    glow.ellipse(80.0f, 250.0f, 90.0f, 120.0f);
    card.fill(glow.blurred(18.0f), solid(accent), Blend::Screen, 0.35f);
    Mask border(w, h);
    border.rect(0, 0, w, h);
    Mask inner(w, h);
    inner.roundedRect(4, 4, w - 4, h - 4, 6);
    card.fill(border.minus(inner), solid(hex(0xe8d8b0)));
    // The name sits at the top of the card: the character stands over its lower half.
    Mask plate(w, h);
    plate.roundedRect(10, 14, w - 10, 50, 5);
    card.fill(plate, solid(hex(0x100810)), Blend::Normal, 0.8f);
    Typeface face(look::menuFont());
    if (face.ok())
    {
        float size = 17.0f;
        face.setSize(size);
        while (face.measure(spec.name) > w - 28 && size > 9.0f)
        {
            size -= 1.0f;
            face.setSize(size);
        }
        Mask text(w, h);
        face.drawCentred(text, spec.name, w * 0.5f, 32.0f);
        card.fill(text.grown(1.5f), solid(hex(0x000000)));
        card.fill(text, solid(hex(0xf4ead8)));
    }
    SpriteFolder folder(
        joinPath(joinPath(joinPath(dataDir, "screens"), "characterSelect"), joinPath("panel", spec.name)));
    FrameInfo info;
    info.key = {-1, 0, 0};
    info.pause = 100;
    QuantiseOptions q;
    q.dither = 0.6f;
    return folder.add(card, info, q) && folder.finish();
}

// Eight frames, frame p in palette p: the standing pose, large.
bool writeSelectPicture(const std::string& dataDir, const CharacterSpec& spec)
{
    if (spec.anims.empty())
        return false;
    Clip still = spec.anims.front();
    still.keys.resize(1);
    const std::vector<PlannedFrame> plan = planFrames(still);
    const std::vector<DrawnFrame> drawn = drawFrames(spec, plan);
    Box b = bounds(drawn[0].drawing);
    const float scale = std::min(
        {spec.selectScale, 250.0f / std::max(1.0f, b.x1 - b.x0), 300.0f / std::max(1.0f, b.y1 - b.y0)});
    const Layout l = layoutOf(drawn, scale);
    SpriteFolder folder(joinPath(joinPath(joinPath(dataDir, "screens"), "characterSelect"),
                                 joinPath("character", spec.name)));
    bool ok = true;
    for (int p = 0; p < 8; ++p)
    {
        FrameInfo info;
        info.pause = 100;
        ok = folder.add(
                 render(drawn[0].drawing, l.w, l.h, l.ox, l.oy, buildPalette(coloursFor(spec, p)), scale),
                 info) &&
             ok;
    }
    return folder.finish() && ok;
}

// The winner screen's picture: four frames of the winning pose, large, the
// last one held. The screen draws it at (0, 0), so every frame is as tall as
// the stage's floor (y 396) with the fighter standing on it; at most 200
// wide, it stays in the lit corner and the folder stays small.
bool writeWinnerPicture(const std::string& dataDir, const CharacterSpec& spec)
{
    constexpr int kWinnerFloor = 396;
    const MoveDef* win = nullptr;
    for (const MoveDef& m : spec.moves)
        if (m.clip.name == "endPose1")
            win = &m;
    const Clip& clip = win ? win->clip : spec.anims.front();
    const std::vector<PlannedFrame> plan = planFrames(clip);
    if (plan.empty())
        return false;
    std::vector<PlannedFrame> chosen;
    for (int i = 0; i < 4; ++i)
        chosen.push_back(plan[plan.size() - 1 - (plan.size() - 1) * static_cast<std::size_t>(3 - i) / 3]);
    const std::vector<DrawnFrame> drawn = drawFrames(spec, chosen);
    float scale = 2.4f;
    Layout l = layoutOf(drawn, scale);
    while ((l.w > 200 || l.h > kWinnerFloor) && scale > 0.2f)
    {
        scale *= 0.95f;
        l = layoutOf(drawn, scale);
    }
    SpriteFolder folder(joinPath(joinPath(joinPath(dataDir, "screens"), "winning"), spec.name));
    const auto palette = buildPalette(coloursFor(spec, 0));
    bool ok = true;
    for (std::size_t i = 0; i < drawn.size(); ++i)
    {
        FrameInfo info;
        info.pause = i + 1 < drawn.size() ? 120 : 2000;
        const IndexedImage figure = render(drawn[i].drawing, l.w, l.h, l.ox, l.oy, palette, scale);
        IndexedImage standing = figure;
        standing.height = kWinnerFloor;
        standing.pixels.assign(static_cast<std::size_t>(l.w) * kWinnerFloor, kKeyIndex);
        std::copy(figure.pixels.begin(), figure.pixels.end(),
                  standing.pixels.begin() + static_cast<std::ptrdiff_t>(l.w) * (kWinnerFloor - l.h));
        ok = folder.add(standing, info) && ok;
    }
    return folder.finish() && ok;
}

int commandRank(const MoveDef& m)
{
    // Moves the input matcher can start: longer commands first; among equal
    // lengths, moves that need a particular state before those that do not.
    if (m.command == "zzz")
        return 1000;
    const bool specific = m.condition != "NULL" && m.condition != "ground = true";
    return (10 - static_cast<int>(m.command.size())) * 2 + (specific ? 0 : 1);
}
} // namespace

namespace
{
IndexedImage fitted(const Drawing& d, const CharacterSpec& spec, int w, int h, float margin)
{
    const Box b = bounds(d);
    const float bw = std::max(1.0f, b.x1 - b.x0), bh = std::max(1.0f, b.y1 - b.y0);
    const float scale = std::min((w - 2.0f * margin) / bw, (h - 2.0f * margin) / bh);
    const float ox = (b.x0 + b.x1) * 0.5f - w * 0.5f / scale;
    const float oy = (b.y0 + b.y1) * 0.5f - h * 0.5f / scale;
    return render(d, w, h, ox, oy, buildPalette(coloursFor(spec, 0)), scale);
}
} // namespace

IndexedImage figureIcon(const CharacterSpec& spec, int w, int h)
{
    Drawing d;
    Hot hot;
    if (!spec.anims.empty())
    {
        Clip still = spec.anims.front();
        still.keys.resize(1);
        drawFigure(spec.style, planFrames(still).front().pose, d, hot);
    }
    return fitted(d, spec, w, h, 1.5f);
}

IndexedImage weaponIcon(const CharacterSpec& spec, int w, int h)
{
    Drawing d;
    drawLooseWeapon(d, spec.style.weapon, 1.0f, {0.0f, 0.0f}, 135.0f);
    return fitted(d, spec, w, h, 2.0f);
}

IndexedImage renderPose(const CharacterSpec& spec, const std::string& clip, int key, float scale, int palette,
                        const std::function<void(Pose&)>& adjust)
{
    const Clip* found = spec.anims.empty() ? nullptr : &spec.anims.front();
    for (const Clip& c : spec.anims)
        if (c.name == clip)
            found = &c;
    for (const MoveDef& m : spec.moves)
        if (m.clip.name == clip)
            found = &m.clip;
    if (!found || found->keys.empty())
        return IndexedImage{};
    key = std::clamp(key, 0, static_cast<int>(found->keys.size()) - 1);
    Clip still;
    still.keys.push_back(found->keys[static_cast<std::size_t>(key)]);
    if (adjust)
        adjust(still.keys.back().pose);
    const std::vector<DrawnFrame> drawn = drawFrames(spec, planFrames(still));
    const Layout l = layoutOf(drawn, scale);
    return render(drawn[0].drawing, l.w, l.h, l.ox, l.oy, buildPalette(coloursFor(spec, palette)), scale);
}

std::vector<PlannedFrame> planFrames(const Clip& clip)
{
    std::vector<PlannedFrame> out;
    for (std::size_t i = 0; i < clip.keys.size(); ++i)
    {
        const Key& k = clip.keys[i];
        if (i > 0)
        {
            const Key& prev = clip.keys[i - 1];
            for (int b = 0; b < k.between; ++b)
            {
                PlannedFrame f;
                const float t = easeInOut(static_cast<float>(b + 1) / static_cast<float>(k.between + 1));
                f.pose = mix(prev.pose, k.pose, t);
                f.pause = k.pause;
                f.xStep = k.xStep;
                if (prev.strike != Strike::None && k.strike != Strike::None)
                {
                    f.strike = k.strike;
                    f.damage = k.damage;
                    f.hitType = k.hitType;
                    f.reachOut = k.reachOut;
                    f.sweepLow = k.sweepLow;
                }
                out.push_back(f);
            }
        }
        PlannedFrame f;
        f.pose = k.pose;
        f.key = &k;
        f.pause = k.pause;
        f.strike = k.strike;
        f.damage = k.damage;
        f.hitType = k.hitType;
        f.xStep = k.xStep;
        f.yBoost = k.yBoost;
        f.reachOut = k.reachOut;
        f.sweepLow = k.sweepLow;
        out.push_back(f);
    }
    return out;
}

int frameOfKey(const Clip& clip, int keyIndex)
{
    int frame = 0;
    for (int i = 0; i <= keyIndex && i < static_cast<int>(clip.keys.size()); ++i)
        frame += (i > 0 ? clip.keys[static_cast<std::size_t>(i)].between : 0) + (i < keyIndex ? 1 : 0);
    return frame;
}

std::vector<const MoveDef*> listingOrder(const std::vector<MoveDef>& moves)
{
    std::vector<const MoveDef*> out;
    for (const MoveDef& m : moves)
        out.push_back(&m);
    std::stable_sort(out.begin(), out.end(),
                     [](const MoveDef* a, const MoveDef* b) { return commandRank(*a) < commandRank(*b); });
    return out;
}

std::string movesetText(const std::vector<MoveDef>& moves)
{
    std::string s = "ANIMS: " + std::to_string(moves.size()) + "\n";
    for (const MoveDef* m : listingOrder(moves))
    {
        s += m->clip.name + "\n" + m->command + "\n" + std::to_string(m->energy) + "\n" + m->link + "\n" +
             std::to_string(m->linkFrame) + "\n" + yes(m->interruptible) + "\n" + m->startFrom + "\n" +
             std::to_string(m->startFrame) + "\n" + yes(m->special) + "\n0\n" + m->condition + "\n";
    }
    return s;
}

std::string attackText(const std::vector<MoveDef>& moves)
{
    struct Record
    {
        std::string name;
        char range;
        std::string link = "NULL";
        std::string cancel = "NULL";
    };
    const std::string order = "SMLUD";
    auto section = [&](AiKind kind)
    {
        std::vector<Record> r;
        for (char letter : order)
            for (const MoveDef& m : moves)
                if (m.ai == kind && m.ranges.find(letter) != std::string::npos)
                    r.push_back({m.clip.name, letter});
        return r;
    };
    auto text = [](const std::vector<Record>& records)
    {
        std::string s = "Attacks: " + std::to_string(records.size()) + "\n";
        for (const Record& r : records)
            s += r.name + "\n" + std::string(1, r.range) + "\n" + r.link + "\n" + r.cancel + "\n";
        return s;
    };
    std::vector<Record> linkedRecords;
    std::vector<Record> cancelRecords;
    // Follow-ups of one attack stand together.
    std::vector<std::string> keys;
    for (const MoveDef& m : moves)
        if (!m.aiFollows.empty() && std::find(keys.begin(), keys.end(), m.aiFollows) == keys.end())
            keys.push_back(m.aiFollows);
    for (const std::string& k : keys)
        for (const MoveDef& m : moves)
            if (m.aiFollows == k)
                linkedRecords.push_back({m.clip.name, 'S', k, "NULL"});
    keys.clear();
    for (const MoveDef& m : moves)
        if (!m.aiCancels.empty() && std::find(keys.begin(), keys.end(), m.aiCancels) == keys.end())
            keys.push_back(m.aiCancels);
    for (const std::string& k : keys)
        for (const MoveDef& m : moves)
            if (m.aiCancels == k)
                cancelRecords.push_back({m.clip.name, 'S', "NULL", k});
    return text(section(AiKind::Ground)) + text(section(AiKind::Duck)) + text(section(AiKind::Aerial)) +
           text({}) + text(cancelRecords) + text(linkedRecords);
}

RenderedClip renderClip(const CharacterSpec& spec, const Clip& clip, int palette)
{
    const std::vector<PlannedFrame> plan = planFrames(clip);
    const std::vector<DrawnFrame> drawn = drawFrames(spec, plan);
    const Layout l = layoutOf(drawn, 1.0f);
    const std::array<Rgb8, 256> pal = buildPalette(coloursFor(spec, palette));
    RenderedClip out;
    out.name = clip.name;
    for (const DrawnFrame& d : drawn)
    {
        out.frames.push_back(render(d.drawing, l.w, l.h, l.ox, l.oy, pal));
        out.anchorX.push_back(static_cast<int>(std::lround(-l.ox)));
        out.anchorY.push_back(static_cast<int>(std::lround(-l.oy)));
    }
    return out;
}

std::vector<std::function<bool()>> characterJobs(const std::string& dataDir,
                                                 const std::vector<CharacterSpec>& specs)
{
    std::vector<std::function<bool()>> jobs;
    for (const CharacterSpec& spec : specs)
    {
        const CharacterSpec* s = &spec;
        const std::string dir = charDir(dataDir, spec.name);
        jobs.push_back([=] { return writeFiles(dataDir, *s); });
        for (const Clip& c : spec.anims)
        {
            const Clip* clip = &c;
            jobs.push_back([=] { return writeClip(dir, *s, *clip, "NULL"); });
        }
        for (const MoveDef& m : spec.moves)
        {
            const MoveDef* mv = &m;
            jobs.push_back([=] { return writeClip(dir, *s, mv->clip, mv->deflected); });
        }
        if (spec.selectable)
        {
            jobs.push_back([=] { return writePanel(dataDir, *s); });
            jobs.push_back([=] { return writeSelectPicture(dataDir, *s); });
            jobs.push_back([=] { return writeWinnerPicture(dataDir, *s); });
        }
    }
    return jobs;
}
} // namespace datagen::roster
