// The stages away from the street: an apartment, an elevator, a train roof,
// a skyscraper's top, the docks and a burning warship, an airship's deck and
// hangar, the road through hell and a burning army base.
#include "content/backgrounds_scenes.h"

#include "core/noise.h"

#include <cmath>

namespace datagen
{
using namespace stage;

namespace
{
constexpr float kPi = 3.14159265f;

// A floor from `top` down: boards or plates whose seams crowd towards the
// back, with joints offset board by board.
void floorBoards(View& v, float top, Colour base, float jointEvery, std::uint32_t seed, float grain = 0.25f)
{
    const int w = v.width();
    const float x0 = v.x0;
    Mask floor = v.mask();
    floor.rect(0, top, w, kHeight);
    v.c.fill(floor,
             [=](float x, float y)
             {
                 const float n = fractalNoise((x + x0) / 60.0f, y / 4.0f, seed, 3);
                 return shade(base, -grain * n + (y - top) / 400.0f * 0.2f - 0.1f);
             });
    Mask seams = v.mask();
    float y = top;
    int row = 0;
    for (float h = 6.0f; y < kHeight; y += h, h *= 1.18f, ++row)
    {
        seams.rect(0, y, w, y + 1.0f);
        const float step = jointEvery * (1.0f + (y - top) / 160.0f);
        const float off = (row % 3) * step / 3.0f;
        const float first = std::floor((x0 - off) / step) * step + off;
        for (float fx = first; fx < x0 + w + step; fx += step)
            seams.rect(fx - x0, y, fx - x0 + 1.0f, y + h);
    }
    v.c.fill(seams.times(floor), solid(shade(base, -0.6f)), Blend::Normal, 0.7f);
    Mask back = v.mask();
    back.rect(0, top, w, top + 10);
    v.c.fill(back,
             linear(0, top, 0, top + 10, Gradient{{0.0f, hex(0x000000, 0.5f)}, {1.0f, hex(0x000000, 0.0f)}}));
}

// Railings along the back of a deck or roof: posts and two rails.
void railing(View& v, float x0, float x1, float top, float base, Colour c)
{
    Mask m = v.mask();
    m.rect(v.x(x0), top, v.x(x1), top + 4);
    m.rect(v.x(x0), (top + base) * 0.5f, v.x(x1), (top + base) * 0.5f + 2.5f);
    const float first = std::floor(std::max(x0, v.x0 - 40) / 40.0f) * 40.0f;
    for (float fx = first; fx <= std::min(x1, v.x0 + v.width() + 40); fx += 40.0f)
        m.rect(v.x(fx), top, v.x(fx) + 3, base);
    v.c.fill(m, solid(c));
    v.c.fill(m.minus(m.shifted(0, 1)), solid(hex(0xffffff)), Blend::Normal, 0.25f);
}

void box(View& v, float fx, float y1, float w, float h, Colour c, bool lid = true)
{
    Mask m = v.mask();
    m.rect(v.x(fx), y1 - h, v.x(fx) + w, y1);
    v.c.fill(m.shifted(4, 2), solid(hex(0x000000)), Blend::Normal, 0.35f);
    v.c.fill(m, solid(c));
    Mask top = v.mask();
    top.rect(v.x(fx), y1 - h, v.x(fx) + w, y1 - h + 3);
    v.c.fill(top, solid(shade(c, 0.3f)));
    if (lid)
    {
        Mask slats = v.mask();
        for (float y = y1 - h + 8; y < y1 - 3; y += 8)
            slats.rect(v.x(fx) + 2, y, v.x(fx) + w - 2, y + 1.2f);
        slats.line({v.x(fx) + 3, y1 - 3}, {v.x(fx) + w - 3, y1 - h + 3}, 2.0f);
        v.c.fill(slats, solid(shade(c, -0.4f)));
    }
}

void drum(View& v, float fx, float y1, Colour c)
{
    Mask m = v.mask();
    m.roundedRect(v.x(fx), y1 - 30, v.x(fx) + 20, y1, 3);
    v.c.fill(m.shifted(3, 2), solid(hex(0x000000)), Blend::Normal, 0.35f);
    v.c.fill(m, linear(v.x(fx), 0, v.x(fx) + 20, 0,
                       Gradient{{0.0f, shade(c, -0.3f)}, {0.35f, shade(c, 0.25f)}, {1.0f, shade(c, -0.5f)}}));
    Mask hoops = v.mask();
    hoops.rect(v.x(fx), y1 - 21, v.x(fx) + 20, y1 - 19);
    hoops.rect(v.x(fx), y1 - 11, v.x(fx) + 20, y1 - 9);
    v.c.fill(hoops, solid(shade(c, -0.5f)));
}

Layer paintedLayer(const std::string& folder, int width, bool opaque, std::function<void(View&, int)> paint,
                   int frames = 1, int pause = 100)
{
    Layer l;
    l.folder = folder;
    l.width = width;
    l.opaque = opaque;
    l.frames = frames;
    l.pause = pause;
    l.paint = std::move(paint);
    return l;
}

Layer blinker(const std::string& folder, int x, int y, Colour c)
{
    Layer l;
    l.folder = folder;
    l.x = x;
    l.y = y;
    l.width = 24;
    l.height = 24;
    l.frames = 2;
    l.pause = 250;
    l.paint = [c](View& v, int frame)
    {
        Mask m = v.mask();
        m.circle(v.x(12), 12, frame == 0 ? 4.0f : 2.5f);
        if (frame == 0)
            v.c.fill(m.grown(4.0f).blurred(3.0f), solid(c), Blend::Normal, 0.6f);
        v.c.fill(m, solid(frame == 0 ? shade(c, 0.5f) : shade(c, -0.6f)));
    };
    return l;
}
} // namespace

Stage nicksPlace()
{
    SkyStyle sky = nightSky(131, hex(0x2a2a5a));
    sky.farTop = 110.0f;
    sky.nearTop = 150.0f;
    sky.cityLights = 0.25f;
    Layer room = paintedLayer(
        "room", 1920, false,
        [](View& v, int)
        {
            const int w = v.width();
            const float x0 = v.x0;
            Mask wall = v.mask();
            wall.rect(0, 0, w, kWallBase);
            v.c.fill(wall,
                     [=](float x, float y)
                     {
                         const float stripe = std::fmod(x + x0, 24.0f) < 12.0f ? 0.04f : 0.0f;
                         return shade(hex(0xc8a888), stripe - y / 900.0f);
                     });
            Mask wains = v.mask();
            wains.rect(0, 236, w, kWallBase);
            v.c.fill(wains, solid(hex(0x6a4228)));
            Mask lines = v.mask();
            lines.rect(0, 236, w, 240);
            lines.rect(0, 308, w, 318);
            lines.rect(0, 0, w, 10);
            for (float fx = std::floor(x0 / 80) * 80; fx < x0 + w + 80; fx += 80)
                lines.rect(fx - x0, 248, fx - x0 + 2, 300);
            v.c.fill(lines, solid(hex(0x4a2a16)));
            // Windows onto the city, with curtains; the panes are left open.
            Mask glass = v.mask(), frame = v.mask(), curtains = v.mask();
            for (float fx : {380.0f, 900.0f, 1500.0f})
            {
                const float x = v.x(fx);
                frame.rect(x - 6, 54, x + 146, 226);
                glass.rect(x, 60, x + 140, 220);
                for (float side : {x - 30, x + 130})
                {
                    std::vector<Vec2> c{{side, 40}, {side + 40, 40}};
                    for (float y = 40; y <= 300; y += 20)
                        c.push_back({side + 40 + std::sin(y / 20.0f) * 3, y});
                    c.push_back({side, 300});
                    curtains.polygon(c);
                }
            }
            Mask mullions = v.mask();
            for (float fx : {380.0f, 900.0f, 1500.0f})
            {
                mullions.rect(v.x(fx) + 68, 60, v.x(fx) + 72, 220);
                mullions.rect(v.x(fx), 138, v.x(fx) + 140, 142);
            }
            v.c.fill(frame, solid(hex(0xf0e8d8)));
            for (int y = 0; y < kHeight; ++y)
                for (int x = 0; x < w; ++x)
                    if (glass.at(x, y) > 0.5f)
                        v.c.at(x, y) = Colour{0, 0, 0, 0};
            v.c.fill(mullions, solid(hex(0xf0e8d8)));
            v.c.fill(curtains,
                     [=](float x, float) { return shade(hex(0x8a1e2a), 0.15f * std::sin((x + x0) / 4.0f)); });
            floorBoards(v, kWallBase, hex(0x8a5a34), 90.0f, 133);
            Mask rug = v.mask();
            rug.ellipse(v.x(960), 400, 300, 50);
            v.c.fill(rug, solid(hex(0x6a2a3a)), Blend::Normal, 0.85f);
            Mask rugBorder = rug.minus(rug.inverted().grown(8).inverted());
            v.c.fill(rugBorder, solid(hex(0xc89a5a)), Blend::Normal, 0.8f);
            // Furniture against the wall.
            Mask dark = v.mask();
            auto couch = [&](float fx)
            {
                const float x = v.x(fx);
                Mask m = v.mask();
                m.roundedRect(x, 262, x + 180, 316, 8);
                m.roundedRect(x - 10, 276, x + 14, 330, 6);
                m.roundedRect(x + 166, 276, x + 190, 330, 6);
                m.rect(x + 6, 296, x + 174, 330);
                v.c.fill(m.shifted(5, 3), solid(hex(0x000000)), Blend::Normal, 0.35f);
                v.c.fill(m, solid(hex(0x3a5a7a)));
                Mask seams = v.mask();
                seams.rect(x + 60, 266, x + 62, 312);
                seams.rect(x + 120, 266, x + 122, 312);
                seams.rect(x + 6, 296, x + 174, 298);
                v.c.fill(seams, solid(hex(0x1e3048)));
            };
            couch(560);
            couch(1300);
            // A television on its stand.
            {
                const float x = v.x(150);
                box(v, 130, 332, 150, 36, hex(0x4a3020), false);
                Mask tv = v.mask();
                tv.roundedRect(x, 220, x + 110, 292, 4);
                v.c.fill(tv, solid(hex(0x101014)));
                Mask screen = v.mask();
                screen.rect(x + 6, 226, x + 104, 286);
                v.c.fill(screen,
                         linear(0, 226, 0, 286, Gradient{{0.0f, hex(0x5a8ad8)}, {1.0f, hex(0x1a3a7a)}}));
                addLight(v.c, screen, hex(0x6aa0ff), 8.0f, 0.3f);
            }
            // Bookshelves full of books.
            for (float fx : {760.0f, 1120.0f})
            {
                const float x = v.x(fx);
                Mask shelf = v.mask();
                shelf.rect(x, 120, x + 110, 330);
                v.c.fill(shelf.shifted(5, 3), solid(hex(0x000000)), Blend::Normal, 0.35f);
                v.c.fill(shelf, solid(hex(0x5a3a20)));
                Rng rng(static_cast<std::uint64_t>(fx));
                for (float y = 130; y < 320; y += 48)
                {
                    Mask inner = v.mask();
                    inner.rect(x + 6, y, x + 104, y + 40);
                    v.c.fill(inner, solid(hex(0x2a1a0e)));
                    for (float bx = x + 8; bx < x + 96;)
                    {
                        const float bw = rng.range(5.0f, 10.0f);
                        Mask book = v.mask();
                        book.rect(bx, y + rng.range(4.0f, 12.0f), bx + bw - 1, y + 40);
                        const Colour bc[] = {hex(0x8a2a2a), hex(0x2a5a8a), hex(0x3a7a3a), hex(0xc8a050),
                                             hex(0x5a3a6a)};
                        v.c.fill(book, solid(bc[rng.between(0, 4)]));
                        bx += bw;
                    }
                }
            }
            // The kitchen corner: cupboards, counter and fridge.
            {
                const float x = v.x(1640);
                box(v, 1640, 330, 200, 70, hex(0xd8d0c0), false);
                Mask top = v.mask();
                top.rect(x - 4, 256, x + 204, 262);
                v.c.fill(top, solid(hex(0x3a3a40)));
                Mask tiles = v.mask();
                for (float ty = 196; ty < 256; ty += 12)
                    tiles.rect(x, ty, x + 200, ty + 1);
                for (float tx = x; tx < x + 200; tx += 12)
                    tiles.rect(tx, 196, tx + 1, 256);
                Mask splash = v.mask();
                splash.rect(x, 196, x + 200, 256);
                v.c.fill(splash, solid(hex(0xe8f0f0)));
                v.c.fill(tiles, solid(hex(0x9aa8a8)));
                box(v, 1640, 196, 200, 70, hex(0xd8d0c0), false);
                box(v, 1850, 330, 64, 200, hex(0xe8e8ec), false);
                Mask handles = v.mask();
                for (float hx = x + 20; hx < x + 200; hx += 50)
                {
                    handles.rect(hx, 276, hx + 20, 279);
                    handles.rect(hx, 176, hx + 20, 179);
                }
                handles.rect(v.x(1856), 180, v.x(1859), 230);
                v.c.fill(handles, solid(hex(0x606068)));
            }
            // A floor lamp and its pool of light.
            {
                const float x = v.x(500);
                dark.rect(x - 2, 160, x + 2, 330);
                dark.rect(x - 14, 326, x + 14, 332);
                v.c.fill(dark, solid(hex(0x202020)));
                Mask shadeM = v.mask();
                shadeM.polygon({{x - 18, 140}, {x + 18, 140}, {x + 26, 170}, {x - 26, 170}});
                v.c.fill(shadeM, solid(hex(0xf0d8a0)));
                Mask light = v.mask();
                light.ellipse(x, 180, 120, 160);
                v.c.fill(light.blurred(20), solid(hex(0xffd890)), Blend::Screen, 0.25f);
            }
            // Pictures on the wall.
            Rng rng(137);
            for (float fx = 260; fx < 1920; fx += rng.range(280.0f, 420.0f))
            {
                if (fx > 1580)
                    break;
                const float x = v.x(fx);
                Mask f = v.mask(), p = v.mask();
                f.rect(x, 80, x + 50, 140);
                p.rect(x + 5, 85, x + 45, 135);
                if (!v.sees(fx, fx + 50))
                    continue;
                v.c.fill(f, solid(hex(0x3a2414)));
                v.c.fill(p, linear(0, 85, 0, 135, Gradient{{0.0f, hex(0xe8a060)}, {1.0f, hex(0x5a6a8a)}}));
            }
        });
    return Stage{"nicksPlace", {skyLayer(sky), room}};
}

Stage elevatorBattle()
{
    Layer view;
    view.folder = "view";
    view.scrolls = false;
    view.opaque = true;
    view.frames = 4;
    view.pause = 30;
    view.paint = [](View& v, int frame)
    {
        v.c.fill(linear(0, 0, 0, kHeight, Gradient{{0.0f, hex(0x0a0a20)}, {1.0f, hex(0x2a1a40)}}));
        // Towers rushing down past the glass as the car climbs.
        const float drop = frame * 8.0f;
        Mask towers = v.mask(), lights = v.mask();
        Rng rng(141);
        for (float x = -40; x < 700; x += rng.range(60.0f, 120.0f))
        {
            const float w = rng.range(50.0f, 90.0f);
            towers.rect(v.x(x), 0, v.x(x + w), kHeight);
            for (float y = std::fmod(drop, 32.0f) - 32.0f; y < kHeight; y += 16.0f)
                for (float wx = x + 4; wx < x + w - 6; wx += 9)
                    if (latticeValue(static_cast<int>(wx), static_cast<int>(std::floor((y - drop) / 16.0f)),
                                     143) < 0.3f)
                        lights.rect(v.x(wx), y, v.x(wx) + 5, y + 7);
        }
        v.c.fill(towers, solid(hex(0x141426)));
        v.c.fill(lights.times(towers), solid(hex(0xffc870)), Blend::Normal, 0.85f);
        v.c.fill(
            linear(0, 0, 0, kHeight, Gradient{{0.0f, hex(0x000000, 0.0f)}, {1.0f, hex(0x401830, 0.5f)}}));
    };
    Layer car = paintedLayer(
        "car", 640, false,
        [](View& v, int)
        {
            const float L = 100.0f, R = 540.0f; // the glass back wall
            Mask walls = v.mask();
            walls.rect(v.x(0), 0, v.x(640), kHeight);
            Mask window = v.mask();
            window.rect(v.x(L), 50, v.x(R), 290);
            v.c.fill(walls, linear(0, 0, 0, kHeight, Gradient{{0.0f, hex(0x8a8c94)}, {1.0f, hex(0x4a4c54)}}));
            // Brushed panels on the side walls, drawn in perspective.
            Mask sides = v.mask();
            sides.polygon({{v.x(0), 0}, {v.x(L - 10), 40}, {v.x(L - 10), 318}, {v.x(0), 400}});
            sides.polygon({{v.x(640), 0}, {v.x(R + 10), 40}, {v.x(R + 10), 318}, {v.x(640), 400}});
            v.c.fill(
                sides, [](float x, float y)
                { return shade(hex(0xb8bcc4), -0.2f * valueNoise(x / 2.0f, y / 80.0f, 145) - y / 1200.0f); });
            Mask seams = v.mask();
            for (float t : {0.33f, 0.66f})
            {
                seams.line({v.x((L - 10) * t), 40 * t}, {v.x((L - 10) * t), 318 + 82 * (1 - t)}, 1.5f);
                seams.line({v.x(640 - (640 - R - 10) * t), 40 * t},
                           {v.x(640 - (640 - R - 10) * t), 318 + 82 * (1 - t)}, 1.5f);
            }
            v.c.fill(seams, solid(hex(0x40424a)));
            for (int y = 0; y < kHeight; ++y)
                for (int x = 0; x < v.width(); ++x)
                    if (window.at(x, y) > 0.5f)
                        v.c.at(x, y) = Colour{0, 0, 0, 0};
            Mask frame = v.mask();
            frame.rect(v.x(L - 6), 44, v.x(R + 6), 50);
            frame.rect(v.x(L - 6), 290, v.x(R + 6), 296);
            frame.rect(v.x(L - 6), 44, v.x(L), 296);
            frame.rect(v.x(R), 44, v.x(R + 6), 296);
            frame.rect(v.x(318), 50, v.x(322), 290);
            frame.rect(v.x(L), 250, v.x(R), 256); // the handrail
            v.c.fill(frame, solid(hex(0xc8ccd4)));
            v.c.fill(frame.minus(frame.shifted(0, 1)), solid(hex(0xffffff)), Blend::Normal, 0.5f);
            // Ceiling with its light strip, and the floor.
            Mask ceiling = v.mask();
            ceiling.polygon({{v.x(0), 0}, {v.x(640), 0}, {v.x(R + 10), 40}, {v.x(L - 10), 40}});
            v.c.fill(ceiling, solid(hex(0x2a2c34)));
            Mask strip = v.mask();
            strip.rect(v.x(160), 12, v.x(480), 22);
            addLight(v.c, strip, hex(0xf0f4ff), 8.0f);
            floorBoards(v, kWallBase, hex(0x5a5c64), 70.0f, 147, 0.1f);
            Mask plates = v.mask();
            for (float y = 330; y < kHeight; y += 14)
                for (float x = std::fmod(y * 0.5f, 14.0f); x < 640; x += 14)
                    plates.line({v.x(x), y}, {v.x(x) + 5, y + 4}, 1.2f);
            v.c.fill(plates, solid(hex(0x8a8c94)), Blend::Normal, 0.5f);
            // Floor number over the glass.
            Mask panel = v.mask();
            panel.rect(v.x(290), 26, v.x(350), 42);
            v.c.fill(panel, solid(hex(0x0a0a0a)));
            addLight(v.c, textMask(v.width(), kHeight, "88", v.x(320), 34, 11), hex(0xff5030), 2.0f);
        });
    return Stage{"elevatorBattle", {view, car}};
}

Stage trainBattle()
{
    SkyStyle sky = nightSky(151, hex(0x5a2a4a));
    sky.skylines = 0;
    sky.haze = hex(0xc04a5a, 0.5f);
    Layer back = skyLayer(sky);
    back.paint = [sky](View& v, int)
    {
        v.c.draw(paintSky(sky), static_cast<int>(-v.x0), 0);
        Mask hills = v.mask();
        std::vector<Vec2> edge{{v.x(-50), 480}};
        for (float x = -50; x <= 700; x += 8)
            edge.push_back({v.x(x), 250.0f - 40.0f * fractalNoise(x / 200.0f, 0.5f, 153, 4)});
        edge.push_back({v.x(700), 480});
        hills.polygon(edge);
        v.c.fill(hills, solid(hex(0x1a1228)));
    };
    // Trees and poles rushing past, blurred by speed; a seamless loop.
    Layer rush;
    rush.folder = "rush";
    rush.scrolls = false;
    rush.y = 200;
    rush.height = 140;
    rush.frames = 6;
    rush.pause = 20;
    rush.paint = [](View& v, int frame)
    {
        const float period = 240.0f, shift = 40.0f * frame;
        Mask m = v.mask();
        Rng rng(157);
        struct Thing
        {
            float x, h, r;
            bool pole;
        };
        std::vector<Thing> things;
        for (int i = 0; i < 4; ++i)
            things.push_back(
                {rng.range(0.0f, period), rng.range(50.0f, 110.0f), rng.range(20.0f, 34.0f), i == 0});
        for (float base = -period; base < 640 + period * 2; base += period)
            for (const Thing& t : things)
            {
                const float x = v.x(base + t.x - shift);
                if (t.pole)
                    m.rect(x - 3, 10, x + 3, 140);
                else
                    m.ellipse(x, 140 - t.h * 0.6f, t.r * 2.2f, t.h * 0.6f);
            }
        Mask ground = v.mask();
        ground.rect(0, 118, v.width(), 140);
        v.c.fill(m.blurred(3.0f), solid(hex(0x0c0a14)), Blend::Normal, 0.95f);
        v.c.fill(ground, solid(hex(0x0c0a14)));
        // Streaks of speed.
        Mask streaks = v.mask();
        for (int i = 0; i < 12; ++i)
        {
            const float y = 70 + latticeValue(i, 0, 159) * 70;
            const float x = std::fmod(latticeValue(i, 1, 159) * 640 - shift * 3 + 6400, 700.0f) - 30;
            streaks.rect(v.x(x), y, v.x(x) + 40 + 40 * latticeValue(i, 2, 159), y + 1);
        }
        v.c.fill(streaks, solid(hex(0x8a7aa0)), Blend::Normal, 0.5f);
    };
    Layer car = paintedLayer(
        "train", 800, false,
        [](View& v, int)
        {
            const int w = v.width();
            // The roof: a curved top surface, vents along its back edge.
            Mask roof = v.mask();
            roof.rect(0, 326, w, 356);
            v.c.fill(roof,
                     linear(0, 326, 0, 356,
                            Gradient{{0.0f, hex(0x5a5e6a)}, {0.4f, hex(0x8a909c)}, {1.0f, hex(0x3a3c44)}}));
            Mask ribs = v.mask();
            for (float fx = std::floor(v.x0 / 50) * 50; fx < v.x0 + w + 50; fx += 50)
                ribs.rect(fx - v.x0, 326, fx - v.x0 + 2, 356);
            v.c.fill(ribs, solid(hex(0x2a2c34)), Blend::Normal, 0.6f);
            for (float fx : {90.0f, 330.0f, 610.0f})
                box(v, fx, 328, 70, 16, hex(0x6a6e78), false);
            // The side of the car with its lit windows.
            Mask side = v.mask();
            side.rect(0, 356, w, kHeight);
            v.c.fill(side,
                     linear(0, 356, 0, kHeight, Gradient{{0.0f, hex(0x8a1e24)}, {1.0f, hex(0x4a0e12)}}));
            Mask band = v.mask();
            band.rect(0, 448, w, 456);
            v.c.fill(band, solid(hex(0xe8c860)));
            Mask windows = v.mask(), frames = v.mask();
            for (float fx = std::floor(v.x0 / 90) * 90 + 20; fx < v.x0 + w + 90; fx += 90)
            {
                const float x = fx - v.x0;
                if (std::fmod(fx + 8000, 400.0f) > 360.0f)
                    continue; // a door
                frames.roundedRect(x - 3, 377, x + 63, 433, 7);
                windows.roundedRect(x, 380, x + 60, 430, 6);
            }
            v.c.fill(frames, solid(hex(0x2a2a30)));
            v.c.fill(windows, linear(0, 380, 0, 430, Gradient{{0.0f, hex(0xfff0c0)}, {1.0f, hex(0xe8b060)}}));
            Mask gap = v.mask();
            gap.rect(v.x(396), 326, v.x(404), kHeight);
            v.c.fill(gap, solid(hex(0x0a0a0e)));
            Mask rivets = v.mask();
            for (float fx = std::floor(v.x0 / 20) * 20; fx < v.x0 + w + 20; fx += 20)
            {
                rivets.circle(fx - v.x0, 364, 1.2f);
                rivets.circle(fx - v.x0, 442, 1.2f);
            }
            v.c.fill(rivets, solid(hex(0xd06a6a)));
        });
    return Stage{"trainBattle", {back, rush, car}};
}

Stage towerTop()
{
    SkyStyle sky = nightSky(161, hex(0x3a2a6a));
    sky.farTop = 280.0f;
    sky.nearTop = 300.0f;
    sky.cityLights = 0.35f;
    sky.horizon = 300.0f;
    Layer roof =
        paintedLayer("roof", 800, false,
                     [](View& v, int)
                     {
                         floorBoards(v, kWallBase, hex(0x6a6a70), 120.0f, 163, 0.2f);
                         // The helipad, seen from the side.
                         Mask pad = v.mask(), inner = v.mask();
                         pad.ellipse(v.x(400), 400, 230, 56);
                         inner.ellipse(v.x(400), 400, 218, 50);
                         v.c.fill(pad.minus(inner), solid(hex(0xe8d050)), Blend::Normal, 0.8f);
                         Mask h = v.mask();
                         h.polygon({{v.x(350), 376}, {v.x(366), 376}, {v.x(360), 424}, {v.x(340), 424}});
                         h.polygon({{v.x(436), 376}, {v.x(452), 376}, {v.x(462), 424}, {v.x(442), 424}});
                         h.polygon({{v.x(360), 394}, {v.x(442), 394}, {v.x(444), 404}, {v.x(358), 404}});
                         v.c.fill(h, solid(hex(0xf0f0f0)), Blend::Normal, 0.85f);
                         railing(v, 0, 800, 280, kWallBase, hex(0x5a5e68));
                         // Stair housing and machinery at the ends.
                         box(v, 20, 322, 110, 110, hex(0x4a4c58), false);
                         Mask door = v.mask();
                         door.rect(v.x(60), 250, v.x(92), 322);
                         v.c.fill(door, solid(hex(0x1a1a20)));
                         Mask lamp = v.mask();
                         lamp.rect(v.x(70), 238, v.x(82), 244);
                         addLight(v.c, lamp, hex(0xffe0a0), 6.0f);
                         box(v, 660, 326, 60, 34, hex(0x70747e), true);
                         box(v, 730, 326, 50, 26, hex(0x686c76), true);
                         Mask mast = v.mask();
                         mast.rect(v.x(758), 60, v.x(762), 300);
                         for (float y = 80; y < 300; y += 24)
                         {
                             mast.line({v.x(750), y}, {v.x(770), y + 24}, 1.2f);
                             mast.line({v.x(770), y}, {v.x(750), y + 24}, 1.2f);
                         }
                         v.c.fill(mast, solid(hex(0x2a2c34)));
                         Mask beams = v.mask();
                         beams.polygon({{v.x(40), 230}, {v.x(-60), 0}, {v.x(10), 0}});
                         v.c.fill(beams.blurred(6.0f), solid(hex(0xc8d8ff)), Blend::Screen, 0.25f);
                     });
    return Stage{"towerTop", {skyLayer(sky), roof, blinker("beacon", 748, 48, hex(0xff2020))}};
}

namespace
{
// A grey warship, seen broadside, its bow to the right.
void warship(View& v, float x0, float x1, float water, bool burning)
{
    const float len = x1 - x0;
    Mask hull = v.mask(), works = v.mask(), guns = v.mask();
    hull.polygon({{v.x(x0), water - 50},
                  {v.x(x1), water - 60},
                  {v.x(x1 - 40), water + 10},
                  {v.x(x0 + 20), water + 10}});
    works.rect(v.x(x0 + len * 0.35f), water - 100, v.x(x0 + len * 0.6f), water - 50);
    works.rect(v.x(x0 + len * 0.42f), water - 150, v.x(x0 + len * 0.54f), water - 100);
    works.rect(v.x(x0 + len * 0.47f), water - 200, v.x(x0 + len * 0.49f), water - 150);
    works.rect(v.x(x0 + len * 0.62f), water - 120, v.x(x0 + len * 0.68f), water - 50);
    for (float t : {0.18f, 0.8f})
    {
        guns.roundedRect(v.x(x0 + len * t - 24), water - 72, v.x(x0 + len * t + 24), water - 50, 6);
        guns.rect(v.x(x0 + len * t), water - 66, v.x(x0 + len * t + 60), water - 62);
    }
    const Colour grey = burning ? hex(0x3a3434) : hex(0x6a727e);
    v.c.fill(hull, linear(0, water - 60, 0, water + 10,
                          Gradient{{0.0f, shade(grey, 0.1f)}, {1.0f, shade(grey, -0.5f)}}));
    v.c.fill(works, solid(shade(grey, 0.1f)));
    v.c.fill(guns, solid(shade(grey, -0.2f)));
    Mask ports = v.mask();
    for (float x = x0 + 40; x < x1 - 60; x += 26)
        ports.circle(v.x(x), water - 30, 2.2f);
    for (float x = x0 + len * 0.36f; x < x0 + len * 0.59f; x += 12)
        ports.rect(v.x(x), water - 90, v.x(x) + 6, water - 84);
    v.c.fill(ports, solid(burning ? hex(0xffa040) : hex(0x1a1e24)));
}
} // namespace

Stage toTheNavy()
{
    SkyStyle sky;
    sky.sky = Gradient{{0.0f, hex(0x3a6ab0)}, {0.7f, hex(0x8ab8e0)}, {1.0f, hex(0xe0e8f0)}};
    sky.horizon = 250.0f;
    sky.sunX = 520.0f;
    sky.sunY = 80.0f;
    sky.sunR = 22.0f;
    sky.sun = hex(0xfff4d0);
    sky.clouds = 0.3f;
    sky.cloudY = 100.0f;
    sky.cloudDark = hex(0xc0ccdc);
    sky.cloudLit = hex(0xffffff);
    sky.seed = 171;
    Layer back = skyLayer(sky);
    back.paint = [sky](View& v, int)
    {
        v.c.draw(paintSky(sky), static_cast<int>(-v.x0), 0);
        Mask sea = v.mask();
        sea.rect(0, 250, v.width(), kHeight);
        v.c.fill(sea, linear(0, 250, 0, 330, Gradient{{0.0f, hex(0x4a7aa0)}, {1.0f, hex(0x1a3a5a)}}));
        Mask glints = v.mask();
        for (int y = 252; y < 330; y += 3)
            for (int x = 0; x < v.width(); ++x)
                if (valueNoise((x + v.x0) / 9.0f, y / 2.0f, 173) > 0.78f)
                    glints.cell(x, y) = 1.0f;
        v.c.fill(glints, solid(hex(0xd8ecff)), Blend::Normal, 0.5f);
        Mask far = v.mask();
        far.polygon({{v.x(60), 250}, {v.x(70), 238}, {v.x(150), 240}, {v.x(160), 250}});
        far.rect(v.x(100), 226, v.x(114), 240);
        v.c.fill(far, solid(hex(0x6a8098)));
    };
    Layer docks = paintedLayer(
        "docks", 4000, false,
        [](View& v, int)
        {
            Rng rng(175);
            // Ships at their berths, cranes and stacks of containers between.
            warship(v, 2300, 3500, 300, false);
            warship(v, 500, 1300, 296, false);
            Mask crane = v.mask();
            for (float fx = 200; fx < 4000; fx += 900)
            {
                const float x = v.x(fx);
                crane.rect(x, 60, x + 6, 318);
                crane.rect(x + 60, 60, x + 66, 318);
                for (float y = 70; y < 318; y += 30)
                {
                    crane.line({x, y}, {x + 66, y + 30}, 2.0f);
                    crane.rect(x, y, x + 66, y + 2);
                }
                crane.rect(x - 120, 52, x + 200, 64);
                for (float bx = x - 120; bx < x + 200; bx += 20)
                    crane.line({bx, 52}, {bx + 20, 64}, 1.5f);
                crane.rect(x + 140, 64, x + 142, 150);
            }
            v.c.fill(crane, solid(hex(0xd8a020)));
            v.c.fill(crane.minus(crane.shifted(2, 0)), solid(hex(0x6a4a10)), Blend::Normal, 0.5f);
            const Colour boxes[] = {hex(0xb83a2a), hex(0x2a6aa0), hex(0x3a8a4a), hex(0xd8a030),
                                    hex(0x7a7a80)};
            for (float fx = 40; fx < 4000; fx += rng.range(300.0f, 700.0f))
            {
                const int stacks = rng.between(1, 3);
                for (int s = 0; s < stacks; ++s)
                {
                    const float h = 38.0f;
                    const float x = fx + s * 84.0f;
                    const int tall = rng.between(1, 3);
                    for (int k = 0; k < tall; ++k)
                    {
                        if (!v.sees(x, x + 84))
                            continue;
                        const Colour c = boxes[rng.between(0, 4)];
                        Mask m = v.mask();
                        m.rect(v.x(x), 320 - h * (k + 1), v.x(x + 80), 320 - h * k - 1);
                        v.c.fill(m, solid(c));
                        Mask ribs = v.mask();
                        for (float rx = x + 4; rx < x + 78; rx += 6)
                            ribs.rect(v.x(rx), 320 - h * (k + 1) + 3, v.x(rx) + 2, 320 - h * k - 4);
                        v.c.fill(ribs, solid(shade(c, -0.3f)));
                    }
                }
            }
            floorBoards(v, kWallBase, hex(0x8a8a88), 140.0f, 177, 0.2f);
            Mask line = v.mask();
            line.rect(0, 330, v.width(), 334);
            v.c.fill(line, solid(hex(0xe8c030)));
            Mask bollards = v.mask();
            for (float fx = std::floor(v.x0 / 260) * 260 + 130; fx < v.x0 + v.width() + 260; fx += 260)
            {
                bollards.roundedRect(fx - v.x0 - 8, 314, fx - v.x0 + 8, 332, 3);
                bollards.roundedRect(fx - v.x0 - 11, 312, fx - v.x0 + 11, 317, 2);
            }
            v.c.fill(bollards, solid(hex(0x2a2a2e)));
            Mask rails = v.mask();
            rails.rect(0, 446, v.width(), 449);
            rails.rect(0, 466, v.width(), 469);
            v.c.fill(rails, solid(hex(0x4a4440)));
        });
    return Stage{"ToTheNavy", {back, docks}};
}

Stage burningNavy()
{
    SkyStyle sky = nightSky(181, hex(0xb03a1a));
    sky.sky = Gradient{{0.0f, hex(0x100606)}, {0.6f, hex(0x4a1410)}, {1.0f, hex(0xd05a20)}};
    sky.moon = false;
    sky.skylines = 0;
    sky.clouds = 0.7f;
    sky.cloudDark = hex(0x2a1410);
    sky.cloudLit = hex(0xa04020);
    Layer ship =
        paintedLayer("deck", 800, false,
                     [](View& v, int)
                     {
                         smoke(v, 0, 0, 800, 260, hex(0x2a1a18), 0.8f, 183);
                         Mask tower = v.mask();
                         tower.rect(v.x(240), 130, v.x(560), kWallBase);
                         tower.rect(v.x(300), 60, v.x(480), 130);
                         tower.rect(v.x(380), 0, v.x(392), 60);
                         v.c.fill(tower, linear(0, 0, 0, kWallBase,
                                                Gradient{{0.0f, hex(0x3a3636)}, {1.0f, hex(0x1a1818)}}));
                         Mask windows = v.mask();
                         for (float x = 310; x < 470; x += 22)
                             windows.rect(v.x(x), 82, v.x(x) + 14, 96);
                         for (float x = 260; x < 540; x += 30)
                             windows.circle(v.x(x), 200, 4);
                         addLight(v.c, windows, hex(0xff8a30), 4.0f);
                         Mask guns = v.mask();
                         guns.roundedRect(v.x(40), 250, v.x(180), 300, 10);
                         guns.rect(v.x(170), 262, v.x(300), 268);
                         guns.rect(v.x(170), 278, v.x(300), 284);
                         guns.rect(v.x(70), 300, v.x(150), kWallBase);
                         v.c.fill(guns, solid(hex(0x2e2a2a)));
                         railing(v, 0, 800, 290, kWallBase, hex(0x4a4040));
                         floorBoards(v, kWallBase, hex(0x4a4444), 160.0f, 185, 0.2f);
                         Mask glow = v.mask();
                         glow.rect(0, kWallBase, v.width(), kHeight);
                         v.c.fill(glow,
                                  linear(0, kWallBase, 0, kHeight,
                                         Gradient{{0.0f, hex(0xff6020, 0.35f)}, {1.0f, hex(0xff6020, 0.0f)}}),
                                  Blend::Screen);
                         Mask rivets = v.mask();
                         for (float y = 340; y < kHeight; y += 30)
                             for (float x = std::floor(v.x0 / 40) * 40; x < v.x0 + v.width() + 40; x += 40)
                                 rivets.circle(x - v.x0, y, 1.3f);
                         v.c.fill(rivets, solid(hex(0x7a6a66)));
                     });
    return Stage{"burningNavy",
                 {skyLayer(sky), ship, fireLayer("fire1", 20, 200, 150, 120, 187),
                  fireLayer("fire2", 500, 150, 110, 170, 188),
                  fireLayer("fire3", 640, 250, 150, 72, 189, 0.9f)}};
}

namespace
{
void airshipDeck(View& v, float width)
{
    // The envelope's underside hangs over the deck, bellied between its ends.
    Mask env = v.mask();
    std::vector<Vec2> edge;
    for (float fx = std::max(-100.0f, v.x0 - 50); fx <= std::min(width + 100, v.x0 + v.width() + 50);
         fx += 10)
    {
        const float t = fx / width;
        const float end = std::min(1.0f, std::min(t, 1.0f - t) * 12.0f);
        edge.push_back({v.x(fx), 90.0f * std::sqrt(std::max(0.0f, end))});
    }
    if (!edge.empty())
    {
        edge.push_back({edge.back().x, -10});
        edge.push_back({edge.front().x, -10});
        env.polygon(edge);
    }
    v.c.fill(env, linear(0, 0, 0, 90, Gradient{{0.0f, hex(0x8a8478)}, {1.0f, hex(0x5a5248)}}));
    Mask ribs = v.mask();
    for (float fx = std::floor(v.x0 / 120) * 120; fx < v.x0 + v.width() + 120; fx += 120)
        ribs.rect(fx - v.x0, 0, fx - v.x0 + 3, 100);
    v.c.fill(ribs.times(env), solid(hex(0x3a342c)));
    // Rigging, masts and engines on pylons.
    Mask rig = v.mask();
    for (float fx = std::floor(v.x0 / 240) * 240; fx < v.x0 + v.width() + 240; fx += 240)
    {
        rig.line({fx - v.x0, 80}, {fx - v.x0 + 60, 300}, 1.5f);
        rig.line({fx - v.x0 + 120, 80}, {fx - v.x0 + 60, 300}, 1.5f);
    }
    for (float fx = 500; fx < width; fx += 1000)
    {
        if (!v.sees(fx - 100, fx + 100))
            continue;
        rig.rect(v.x(fx), 70, v.x(fx) + 8, 318);
        rig.rect(v.x(fx) - 90, 180, v.x(fx), 186);
        rig.roundedRect(v.x(fx) - 130, 166, v.x(fx) - 70, 200, 14);
        rig.ellipse(v.x(fx) - 134, 183, 4, 36);
    }
    v.c.fill(rig, solid(hex(0x3a2a1e)));
    railing(v, 0, width, 288, kWallBase, hex(0x6a4a2a));
    floorBoards(v, kWallBase, hex(0xa87a4a), 110.0f, 191, 0.3f);
    // The hull falls away under the deck, portholes along it.
    Mask hull = v.mask();
    hull.rect(0, 392, v.width(), kHeight);
    v.c.fill(hull, linear(0, 392, 0, kHeight, Gradient{{0.0f, hex(0x5a3a22)}, {1.0f, hex(0x2a1a10)}}));
    Mask trim = v.mask(), ports = v.mask();
    trim.rect(0, 392, v.width(), 398);
    for (float fx = std::floor(v.x0 / 70) * 70; fx < v.x0 + v.width() + 70; fx += 70)
        ports.circle(fx - v.x0, 432, 9);
    v.c.fill(trim, solid(hex(0xc8a050)));
    v.c.fill(ports.grown(2.0f), solid(hex(0xc8a050)));
    v.c.fill(ports, solid(hex(0xffd890)));
}
} // namespace

Stage airship()
{
    SkyStyle sky;
    sky.sky = Gradient{{0.0f, hex(0x2a5ab0)}, {0.6f, hex(0x7ab0e8)}, {1.0f, hex(0xf8e0c0)}};
    sky.horizon = 260.0f;
    sky.sunX = 100.0f;
    sky.sunY = 200.0f;
    sky.sunR = 30.0f;
    sky.sun = hex(0xfff0c0);
    sky.clouds = 0.2f;
    sky.cloudY = 60.0f;
    sky.cloudDark = hex(0xd0dcec);
    sky.cloudLit = hex(0xffffff);
    sky.seed = 193;
    Layer back = skyLayer(sky);
    back.paint = [sky](View& v, int)
    {
        v.c.draw(paintSky(sky), static_cast<int>(-v.x0), 0);
        // A sea of cloud below.
        Mask sea = v.mask();
        for (int y = 230; y < kHeight; ++y)
            for (int x = 0; x < v.width(); ++x)
            {
                const float n = fractalNoise((x + v.x0) / 90.0f, y / 30.0f, 195, 4);
                sea.cell(x, y) = smoothstep(0.55f, 0.6f, n + (y - 250) / 120.0f);
            }
        v.c.fill(sea, linear(0, 230, 0, kHeight, Gradient{{0.0f, hex(0xffffff)}, {1.0f, hex(0xc8d4ec)}}));
        v.c.fill(sea.minus(sea.shifted(0, 3)), solid(hex(0xfff4e0)));
    };
    Layer deck = paintedLayer("deck", 4000, false, [](View& v, int) { airshipDeck(v, 4000.0f); });
    return Stage{"airship", {back, deck}};
}

Stage airshipHangar()
{
    SkyStyle sky;
    sky.sky = Gradient{{0.0f, hex(0x3a5a9a)}, {1.0f, hex(0xe8c8a0)}};
    sky.horizon = 320.0f;
    sky.clouds = 0.5f;
    sky.cloudY = 200.0f;
    sky.cloudDark = hex(0xa0a8c0);
    sky.cloudLit = hex(0xfff0e0);
    sky.seed = 197;
    Layer hall = paintedLayer(
        "hangar", 800, false,
        [](View& v, int)
        {
            const int w = v.width();
            Mask wall = v.mask();
            wall.rect(0, 0, w, kWallBase);
            const float x0 = v.x0;
            v.c.fill(wall,
                     [=](float x, float y)
                     {
                         const float rib = std::fmod(x + x0, 16.0f) < 3.0f ? -0.2f : 0.0f;
                         return shade(hex(0x6a7078), rib - y / 900.0f);
                     });
            // The great door stands open on the sky.
            for (int y = 70; y < (int)kWallBase; ++y)
                for (int x = 0; x < w; ++x)
                    if (x + x0 >= 250 && x + x0 < 550)
                        v.c.at(x, y) = Colour{0, 0, 0, 0};
            Mask doorFrame = v.mask();
            doorFrame.rect(v.x(240), 60, v.x(560), 70);
            doorFrame.rect(v.x(240), 60, v.x(250), kWallBase);
            doorFrame.rect(v.x(550), 60, v.x(560), kWallBase);
            v.c.fill(doorFrame, solid(hex(0x3a3e44)));
            Mask trusses = v.mask();
            trusses.rect(0, 20, w, 26);
            trusses.rect(0, 50, w, 56);
            for (float fx = std::floor(x0 / 40) * 40; fx < x0 + w + 40; fx += 40)
                trusses.line({fx - x0, 26}, {fx - x0 + 40, 50}, 2.5f);
            v.c.fill(trusses, solid(hex(0x2a2c30)));
            Mask lamps = v.mask(), cords = v.mask();
            for (float fx : {120.0f, 400.0f, 680.0f})
            {
                cords.rect(v.x(fx) - 1, 56, v.x(fx) + 1, 110);
                lamps.polygon(
                    {{v.x(fx) - 16, 120}, {v.x(fx) + 16, 120}, {v.x(fx) + 8, 108}, {v.x(fx) - 8, 108}});
            }
            v.c.fill(cords, solid(hex(0x1a1a1a)));
            v.c.fill(lamps, solid(hex(0x3a4a3a)));
            for (float fx : {120.0f, 400.0f, 680.0f})
            {
                Mask cone = v.mask();
                cone.polygon({{v.x(fx) - 14, 120},
                              {v.x(fx) + 14, 120},
                              {v.x(fx) + 90, kWallBase},
                              {v.x(fx) - 90, kWallBase}});
                v.c.fill(cone.blurred(10.0f), solid(hex(0xfff0c0)), Blend::Screen, 0.15f);
            }
            box(v, 20, 324, 70, 60, hex(0x8a6a3a));
            box(v, 60, 264, 50, 44, hex(0x7a5a30));
            box(v, 620, 324, 80, 52, hex(0x4a5a3a));
            drum(v, 710, 326, hex(0xa83a2a));
            drum(v, 734, 326, hex(0x3a6a9a));
            drum(v, 760, 326, hex(0xa83a2a));
            floorBoards(v, kWallBase, hex(0x6a6a66), 200.0f, 199, 0.15f);
            Mask stripes = v.mask();
            for (float fx = std::floor(x0 / 60) * 60; fx < x0 + w + 60; fx += 60)
                stripes.polygon(
                    {{fx - x0, 420}, {fx - x0 + 30, 420}, {fx - x0 + 20, 430}, {fx - x0 - 10, 430}});
            v.c.fill(stripes, solid(hex(0xe8c030)), Blend::Normal, 0.8f);
        });
    return Stage{"airshipHangar", {skyLayer(sky), hall}};
}

Stage hellRoad()
{
    SkyStyle sky;
    sky.sky = Gradient{{0.0f, hex(0x0a0204)}, {0.5f, hex(0x4a0a0a)}, {1.0f, hex(0xe04a10)}};
    sky.horizon = 300.0f;
    sky.clouds = 0.8f;
    sky.cloudY = 120.0f;
    sky.cloudDark = hex(0x1a0606);
    sky.cloudLit = hex(0xc03a10);
    sky.haze = hex(0xff5010, 0.6f);
    sky.seed = 201;
    Layer back = skyLayer(sky);
    back.paint = [sky](View& v, int)
    {
        v.c.draw(paintSky(sky), static_cast<int>(-v.x0), 0);
        Mask peaks = v.mask();
        peaks.polygon({{v.x(-40), 300}, {v.x(80), 190}, {v.x(140), 205}, {v.x(260), 300}});
        peaks.polygon({{v.x(300), 300}, {v.x(430), 150}, {v.x(470), 150}, {v.x(620), 300}});
        peaks.polygon({{v.x(560), 300}, {v.x(640), 230}, {v.x(720), 300}});
        peaks.rect(v.x(-40), 296, v.x(700), kHeight);
        v.c.fill(peaks, solid(hex(0x1a0808)));
        Mask lava = v.mask();
        lava.polyline({{v.x(450), 152}, {v.x(440), 190}, {v.x(455), 230}, {v.x(445), 300}}, 4.0f);
        lava.ellipse(v.x(450), 150, 22, 6);
        addLight(v.c, lava, hex(0xff7020), 8.0f);
    };
    Layer road = paintedLayer(
        "road", 4000, false,
        [](View& v, int)
        {
            const int w = v.width();
            const float x0 = v.x0;
            Rng rng(203);
            // Spires of rock and dead trees behind the road.
            Mask rocks = v.mask(), trees = v.mask();
            for (float fx = 0; fx < 4000; fx += rng.range(120.0f, 300.0f))
            {
                const float hgt = rng.range(80.0f, 220.0f), wid = rng.range(30.0f, 70.0f),
                            lean = rng.range(-30.0f, 30.0f);
                const bool tree = rng.between(0, 2) == 0;
                if (!v.sees(fx - 100, fx + 100))
                    continue;
                const float x = v.x(fx);
                if (tree)
                {
                    trees.limb({x, 330}, {x + lean * 0.5f, 330 - hgt * 0.7f}, 12, 4);
                    Rng b(static_cast<std::uint64_t>(fx));
                    for (int i = 0; i < 5; ++i)
                    {
                        const Vec2 from{x + lean * 0.3f, 330 - hgt * b.range(0.35f, 0.65f)};
                        trees.limb(from, {from.x + b.range(-50.0f, 50.0f), from.y - b.range(20.0f, 50.0f)}, 4,
                                   1);
                    }
                }
                else
                    rocks.polygon({{x - wid, 332},
                                   {x - wid * 0.3f + lean, 332 - hgt},
                                   {x + wid * 0.2f + lean, 332 - hgt * 0.9f},
                                   {x + wid, 332}});
            }
            v.c.fill(rocks, linear(0, 100, 0, 332, Gradient{{0.0f, hex(0x3a1410)}, {1.0f, hex(0x140606)}}));
            v.c.fill(rocks.minus(rocks.shifted(-3, 0)), solid(hex(0xff5020)), Blend::Screen, 0.5f);
            v.c.fill(trees, solid(hex(0x0c0404)));
            // Scorched ground split by cracks of lava.
            Mask ground = v.mask();
            ground.rect(0, kWallBase, w, kHeight);
            v.c.fill(ground,
                     [=](float x, float y)
                     {
                         const float n = fractalNoise((x + x0) / 50.0f, y / 14.0f, 205, 4);
                         return shade(hex(0x3a1e18), -0.5f * n + (y - kWallBase) / 500.0f);
                     });
            Mask cracks = v.mask();
            for (int y = (int)kWallBase; y < kHeight; ++y)
                for (int x = 0; x < w; ++x)
                {
                    const float n = fractalNoise((x + x0) / 40.0f, y / 12.0f, 207, 3);
                    const float d = std::fabs(n - 0.5f);
                    if (d < 0.018f)
                        cracks.cell(x, y) = 1.0f - d / 0.018f;
                }
            addLight(v.c, cracks, hex(0xff7a20), 3.0f);
            Mask bones = v.mask();
            for (float fx = std::floor(x0 / 330) * 330 + 90; fx < x0 + w + 330; fx += 330)
            {
                const float x = fx - x0;
                bones.ellipse(x, 322, 9, 8);
                bones.rect(x - 5, 326, x + 5, 332);
                bones.limb({x + 14, 330}, {x + 40, 326}, 4, 4);
            }
            v.c.fill(bones, solid(hex(0xd8ccb0)));
            Mask eyes = v.mask();
            for (float fx = std::floor(x0 / 330) * 330 + 90; fx < x0 + w + 330; fx += 330)
            {
                eyes.circle(fx - x0 - 3.5f, 321, 2.2f);
                eyes.circle(fx - x0 + 3.5f, 321, 2.2f);
            }
            v.c.fill(eyes, solid(hex(0x1a0a08)));
        });
    Stage s{"HellRoad", {back, road}};
    for (int i = 0; i < 5; ++i)
        s.layers.push_back(fireLayer("brazier" + std::to_string(i), 300 + i * 800, 250, 60, 80,
                                     210 + static_cast<std::uint32_t>(i)));
    return s;
}

Stage burningBase()
{
    SkyStyle sky = nightSky(221, hex(0xa0401a));
    sky.moon = false;
    sky.skylines = 0;
    sky.clouds = 0.6f;
    sky.cloudDark = hex(0x201414);
    sky.cloudLit = hex(0x8a3a1a);
    Layer base = paintedLayer(
        "base", 800, false,
        [](View& v, int)
        {
            smoke(v, 0, 0, 800, 220, hex(0x2a1e1a), 0.7f, 223);
            // A round-roofed hangar, a watchtower, the fence.
            Mask hangar = v.mask();
            std::vector<Vec2> arch;
            for (int i = 0; i <= 24; ++i)
            {
                const float a = kPi * i / 24.0f;
                arch.push_back({v.x(380 + std::cos(a) * 200), kWallBase - std::sin(a) * 160});
            }
            hangar.polygon(arch);
            v.c.fill(hangar, [](float x, float)
                     { return shade(hex(0x4a5040), std::fmod(x, 14.0f) < 2.0f ? -0.3f : 0.0f); });
            Mask door = v.mask();
            door.rect(v.x(310), 220, v.x(450), kWallBase);
            v.c.fill(door, solid(hex(0x141612)));
            v.c.fill(door,
                     linear(0, 220, 0, kWallBase,
                            Gradient{{0.0f, hex(0xff6020, 0.0f)}, {1.0f, hex(0xff6020, 0.6f)}}),
                     Blend::Screen);
            Mask stencil = textMask(v.width(), kHeight, "07", v.x(380), 196, 22);
            v.c.fill(stencil, solid(hex(0xd8d0b0)), Blend::Normal, 0.7f);
            Mask tower = v.mask();
            tower.rect(v.x(60), 120, v.x(130), 150);
            tower.polygon({{v.x(52), 120}, {v.x(95), 96}, {v.x(138), 120}});
            for (float lx : {66.0f, 120.0f})
                tower.rect(v.x(lx), 150, v.x(lx) + 4, kWallBase);
            tower.line({v.x(70), 160}, {v.x(124), 240}, 2.0f);
            tower.line({v.x(124), 160}, {v.x(70), 240}, 2.0f);
            tower.line({v.x(70), 240}, {v.x(124), 310}, 2.0f);
            tower.line({v.x(124), 240}, {v.x(70), 310}, 2.0f);
            v.c.fill(tower, solid(hex(0x2a2622)));
            Mask fence = v.mask();
            for (float fx = std::floor(v.x0 / 60) * 60; fx < v.x0 + v.width() + 60; fx += 60)
                fence.rect(fx - v.x0, 250, fx - v.x0 + 3, kWallBase);
            for (int y = 256; y < (int)kWallBase; y += 8)
                for (float fx = std::floor(v.x0 / 8) * 8; fx < v.x0 + v.width() + 8; fx += 8)
                    fence.line({fx - v.x0, (float)y}, {fx - v.x0 + 8, (float)y + 8}, 0.8f);
            fence.polyline({{v.x(0), 250}, {v.x(800), 250}}, 1.5f);
            v.c.fill(fence, solid(hex(0x1a1614)), Blend::Normal, 0.8f);
            // Sandbags and drums at the foot.
            Mask bags = v.mask();
            for (float fx : {560.0f, 600.0f, 640.0f, 580.0f, 620.0f})
            {
                const float y = fx == 580.0f || fx == 620.0f ? 302.0f : 320.0f;
                bags.roundedRect(v.x(fx), y - 16, v.x(fx) + 40, y, 7);
            }
            v.c.fill(bags.grown(1.0f), solid(hex(0x2a2214)));
            v.c.fill(bags, solid(hex(0x9a8a5a)));
            drum(v, 700, 328, hex(0x4a5a3a));
            drum(v, 724, 328, hex(0x4a5a3a));
            floorBoards(v, kWallBase, hex(0x4a4644), 220.0f, 225, 0.25f);
            Mask glow = v.mask();
            glow.rect(0, kWallBase, v.width(), kHeight);
            v.c.fill(glow,
                     linear(0, kWallBase, 0, kHeight,
                            Gradient{{0.0f, hex(0xff5a20, 0.3f)}, {1.0f, hex(0xff5a20, 0.0f)}}),
                     Blend::Screen);
        });
    return Stage{"burningBase",
                 {skyLayer(sky), base, fireLayer("fire1", 180, 160, 130, 150, 227),
                  fireLayer("fire2", 440, 120, 120, 100, 228),
                  fireLayer("fire3", 690, 240, 100, 80, 229, 0.9f)}};
}
} // namespace datagen
