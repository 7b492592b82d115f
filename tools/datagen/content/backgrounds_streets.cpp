// The street stages: a fixed sky and skyline behind a scrolling street front,
// from the dusty border town by day to the ruined and the neon-lit city, and
// the quiet country road of the credits.
#include "content/backgrounds_scenes.h"

#include "core/noise.h"

#include <cmath>

namespace datagen
{
using namespace stage;

Layer skyLayer(const SkyStyle& style)
{
    Layer l;
    l.folder = "sky";
    l.scrolls = false;
    l.opaque = true;
    l.paint = [style](View& v, int) { v.c.draw(paintSky(style), static_cast<int>(-v.x0), 0); };
    return l;
}

namespace
{
Layer streetLayer(const StreetStyle& style, int width, std::vector<Facade> fronts = {})
{
    if (fronts.empty())
        fronts = planFacades(style, static_cast<float>(width));
    Layer l;
    l.folder = "street";
    l.width = width;
    l.paint = [style, fronts, width](View& v, int)
    { paintStreet(v, style, fronts, static_cast<float>(width)); };
    return l;
}

} // namespace

Layer fireLayer(const std::string& folder, int x, int y, int w, int h, std::uint32_t seed, float heat)
{
    Layer l;
    l.folder = folder;
    l.x = x;
    l.y = y;
    l.width = w;
    l.height = h;
    l.frames = 4;
    l.pause = 30;
    l.paint = [=](View& v, int frame)
    { v.c.draw(flames(w, h, frame, 4, seed, heat), static_cast<int>(-v.x0), 0); };
    return l;
}

namespace
{
SkyStyle duskSky(std::uint32_t seed)
{
    SkyStyle s;
    s.sky =
        Gradient{{0.0f, hex(0x1a1440)}, {0.4f, hex(0x5a2458)}, {0.75f, hex(0xd0583a)}, {1.0f, hex(0xffb060)}};
    s.horizon = 320.0f;
    s.stars = 60;
    s.sunX = 420.0f;
    s.sunY = 270.0f;
    s.sunR = 46.0f;
    s.sun = hex(0xffa040);
    s.clouds = 0.4f;
    s.cloudY = 150.0f;
    s.cloudDark = hex(0x5a2a4a);
    s.cloudLit = hex(0xffa070);
    s.skylines = 2;
    s.farCity = hex(0x6a3458);
    s.nearCity = hex(0x3a1c3a);
    s.farTop = 150.0f;
    s.nearTop = 200.0f;
    s.cityLights = 0.06f;
    s.haze = hex(0xff9050, 0.5f);
    s.seed = seed;
    return s;
}

} // namespace

SkyStyle nightSky(std::uint32_t seed, Colour low)
{
    SkyStyle s;
    s.sky = Gradient{{0.0f, hex(0x04050e)}, {0.6f, hex(0x10142e)}, {1.0f, low}};
    s.horizon = 330.0f;
    s.stars = 160;
    s.moon = true;
    s.clouds = 0.3f;
    s.cloudY = 170.0f;
    s.cloudDark = hex(0x141a30);
    s.cloudLit = hex(0x40507a);
    s.skylines = 2;
    s.farCity = hex(0x1a1c34);
    s.nearCity = hex(0x0e0f1e);
    s.farTop = 140.0f;
    s.nearTop = 190.0f;
    s.cityLights = 0.16f;
    s.haze = withAlpha(low, 0.5f);
    s.seed = seed;
    return s;
}

namespace
{
StreetStyle cityStyle(std::uint32_t seed)
{
    StreetStyle s;
    s.walls = {hex(0x8a4a3a), hex(0x6a5a4e), hex(0x9a7a5a), hex(0x5a6470), hex(0x7a3a34), hex(0xa89a84)};
    s.trim = hex(0xd8ccb4);
    s.minTop = 10.0f;
    s.maxTop = 150.0f;
    s.fireEscapes = true;
    s.signs = {"BAR", "HOTEL", "PAWN", "NOODLES", "DINER", "LIQUOR", "GYM", "ARCADE", "TAILOR", "RAMEN"};
    s.seed = seed;
    return s;
}
} // namespace

Stage borderStreet(bool night)
{
    SkyStyle sky;
    StreetStyle st;
    st.walls = {hex(0xd8a868), hex(0xc87850), hex(0xe0c090), hex(0x58a8a0), hex(0xd88888), hex(0xb89878)};
    st.trim = hex(0xf0e4cc);
    st.adobe = true;
    st.minTop = 120.0f;
    st.maxTop = 190.0f;
    st.minWidth = 120.0f;
    st.maxWidth = 240.0f;
    st.sidewalk = hex(0xb8a488);
    st.road = hex(0x8a7a64);
    st.roadLine = hex(0xf0e0a0);
    st.glass = hex(0x4a5a6a);
    st.signs = {"CANTINA", "FARMACIA", "MOTEL", "TACOS", "LICORES", "HOTEL", "CAMBIO", "BILLAR"};
    st.lampEvery = 420.0f;
    st.seed = 301;
    if (!night)
    {
        sky.sky = Gradient{{0.0f, hex(0x3a78c8)}, {0.7f, hex(0x9ac8e8)}, {1.0f, hex(0xf0e0b8)}};
        sky.horizon = 300.0f;
        sky.sunX = 120.0f;
        sky.sunY = 60.0f;
        sky.sunR = 26.0f;
        sky.sun = hex(0xfff0c0);
        sky.clouds = 0.15f;
        sky.cloudY = 90.0f;
        sky.cloudDark = hex(0xd8e0e8);
        sky.cloudLit = hex(0xffffff);
        sky.skylines = 1;
        sky.farCity = hex(0xb89a88);
        sky.farTop = 230.0f;
        sky.haze = hex(0xffe8c0, 0.6f);
        sky.seed = 31;
        st.ambient = hex(0xfff4e4);
        return Stage{"borderStreet", {skyLayer(sky), streetLayer(st, 1200)}};
    }
    sky = nightSky(37, hex(0x3a1e4a));
    sky.skylines = 1;
    sky.farCity = hex(0x201830);
    sky.farTop = 230.0f;
    st.night = true;
    st.neon = true;
    st.litChance = 0.35f;
    st.ambient = hex(0x5a5a8a);
    st.wet = true;
    return Stage{"borderStreetNight", {skyLayer(sky), streetLayer(st, 800)}};
}

Stage richStreet()
{
    SkyStyle sky;
    sky.sky = Gradient{{0.0f, hex(0x2a64c0)}, {0.6f, hex(0x78b0e8)}, {1.0f, hex(0xd8ecf8)}};
    sky.horizon = 320.0f;
    sky.clouds = 0.35f;
    sky.cloudY = 110.0f;
    sky.cloudDark = hex(0xc8d4e4);
    sky.cloudLit = hex(0xffffff);
    sky.skylines = 2;
    sky.farCity = hex(0x98acc8);
    sky.nearCity = hex(0x7a8eac);
    sky.farTop = 60.0f;
    sky.nearTop = 120.0f;
    sky.seed = 41;
    StreetStyle st;
    st.walls = {hex(0xe8dcc4), hex(0xc8c0b0), hex(0xd8c8a8), hex(0xb8b8bc), hex(0xe0d0c0)};
    st.trim = hex(0xfaf6ec);
    st.minTop = -60.0f;
    st.maxTop = 60.0f;
    st.minWidth = 180.0f;
    st.maxWidth = 320.0f;
    st.glass = hex(0x5a82a8);
    st.trees = true;
    st.sidewalk = hex(0xc8c0b4);
    st.road = hex(0x3e4046);
    st.roadLine = hex(0xffffff);
    st.signs = {"BOUTIQUE", "BANK", "JEWELS", "CAFE", "GALLERY", "HOTEL", "SALON"};
    st.seed = 401;
    return Stage{"RichStreet", {skyLayer(sky), streetLayer(st, 1500)}};
}

Stage longStreet()
{
    StreetStyle st = cityStyle(501);
    st.night = true;
    st.litChance = 0.22f;
    st.ambient = hex(0xe0b8b0);
    st.lit = hex(0xffd088);
    return Stage{"LongStreet", {skyLayer(duskSky(51)), streetLayer(st, 4000)}};
}

Stage towerBase()
{
    SkyStyle sky = duskSky(61);
    sky.sunX = 560.0f;
    sky.skylines = 1;
    StreetStyle st;
    st.walls = {hex(0x3a4458), hex(0x4a5468), hex(0x2e3646)};
    st.trim = hex(0xb0b8c8);
    st.glassTowers = true;
    st.glass = hex(0x4a6a9a);
    st.shops = false;
    st.night = true;
    st.litChance = 0.3f;
    st.ambient = hex(0xd8c0c8);
    st.sidewalk = hex(0xa8a4a0);
    st.trees = true;
    st.lampEvery = 260.0f;
    st.seed = 601;
    // The tower rises out of sight over the middle; lower blocks flank it.
    std::vector<Facade> fronts{{-40, 150, 120, 0, 4, 4, 0, 0, false, -1, 11},
                               {150, 650, -60, 1, 8, 12, 2, 0, false, -1, 12},
                               {650, 840, 90, 2, 5, 4, 0, 2, false, -1, 13}};
    return Stage{"TowerBase", {skyLayer(sky), streetLayer(st, 800, fronts)}};
}

Stage finalRun()
{
    SkyStyle sky = nightSky(71, hex(0x8a1830));
    sky.sky = Gradient{{0.0f, hex(0x0a0410)}, {0.5f, hex(0x3a0a24)}, {1.0f, hex(0xc0283a)}};
    sky.haze = hex(0xff4040, 0.55f);
    sky.lightColour = hex(0xff9ad0);
    StreetStyle st = cityStyle(701);
    st.walls = {hex(0x4a4a60), hex(0x3a3450), hex(0x5a4a58), hex(0x34445a), hex(0x6a5a68)};
    st.minTop = -40.0f;
    st.maxTop = 120.0f;
    st.night = true;
    st.neon = true;
    st.wet = true;
    st.litChance = 0.3f;
    st.ambient = hex(0x6a5a8a);
    st.signs = {"HOTEL", "CLUB", "BAR", "NOODLES", "KARAOKE", "24H", "PACHINKO", "CASINO", "RAMEN", "DANCE"};
    return Stage{"finalRun", {skyLayer(sky), streetLayer(st, 8000)}};
}

Stage darkStreet()
{
    SkyStyle sky = nightSky(81, hex(0x1a2434));
    sky.moon = false;
    sky.clouds = 0.8f;
    sky.cityLights = 0.08f;
    StreetStyle st = cityStyle(801);
    st.night = true;
    st.litChance = 0.1f;
    st.ambient = hex(0x3a4260);
    st.wet = true;
    st.lampEvery = 500.0f;
    st.signs = {"BAR", "HOTEL", "PAWN"};
    return Stage{"darkStreet", {skyLayer(sky), streetLayer(st, 800)}};
}

Stage destroyedStreet()
{
    SkyStyle sky;
    sky.sky = Gradient{{0.0f, hex(0x2a2020)}, {0.6f, hex(0x6a3a2a)}, {1.0f, hex(0xc06a3a)}};
    sky.horizon = 320.0f;
    sky.clouds = 0.9f;
    sky.cloudY = 130.0f;
    sky.cloudDark = hex(0x2a2222);
    sky.cloudLit = hex(0x8a4a30);
    sky.skylines = 1;
    sky.farCity = hex(0x3a2a2a);
    sky.farTop = 210.0f;
    sky.haze = hex(0xff6a2a, 0.5f);
    sky.seed = 91;
    StreetStyle st = cityStyle(901);
    st.damaged = true;
    st.fireEscapes = false;
    st.ambient = hex(0xd8b0a0);
    st.road = hex(0x4a4444);
    st.signs.clear();
    Layer street = streetLayer(st, 800);
    const std::vector<Facade> fronts = planFacades(st, 800.0f);
    street.paint = [st, fronts](View& v, int)
    {
        paintStreet(v, st, fronts, 800.0f);
        // Rubble heaps against the walls.
        Mask rubble = v.mask();
        Rng rng(93);
        for (int i = 0; i < 60; ++i)
        {
            const float x = v.x(rng.range(0.0f, 800.0f));
            const float y = rng.range(300.0f, 334.0f);
            const float r = rng.range(3.0f, 9.0f);
            rubble.polygon({{x - r, y}, {x - r * 0.3f, y - r}, {x + r, y - r * 0.4f}, {x + r * 0.7f, y + 2}});
        }
        v.c.fill(rubble.grown(1.0f), solid(hex(0x1a1614)));
        v.c.fill(rubble, solid(hex(0x6a5e56)));
        v.c.fill(rubble.minus(rubble.shifted(1, 2)), solid(hex(0x9a8e84)));
        smoke(v, 0, 0, 800, 200, hex(0x2a2426), 0.5f, 95);
    };
    return Stage{"destroyedStreet",
                 {skyLayer(sky), street, fireLayer("fire1", 150, 250, 90, 80, 97),
                  fireLayer("fire2", 560, 90, 70, 70, 98, 0.9f)}};
}

Stage credits()
{
    SkyStyle sky;
    sky.sky = Gradient{
        {0.0f, hex(0x2a3a7a)}, {0.45f, hex(0x8a5a9a)}, {0.75f, hex(0xf08a6a)}, {1.0f, hex(0xffd08a)}};
    sky.horizon = 300.0f;
    sky.sunX = 320.0f;
    sky.sunY = 262.0f;
    sky.sunR = 54.0f;
    sky.sun = hex(0xffb050);
    sky.clouds = 0.3f;
    sky.cloudY = 130.0f;
    sky.cloudDark = hex(0x8a5a7a);
    sky.cloudLit = hex(0xffc090);
    sky.haze = hex(0xffa060, 0.6f);
    sky.seed = 111;
    Layer back = skyLayer(sky);
    back.paint = [sky](View& v, int)
    {
        v.c.draw(paintSky(sky), static_cast<int>(-v.x0), 0);
        // Rolling hills, the far ones paler.
        for (int band = 0; band < 2; ++band)
        {
            Mask hills = v.mask();
            std::vector<Vec2> edge{{-50, 480}};
            for (float x = -50; x <= 700; x += 10)
                edge.push_back({x - v.x0, 258.0f + band * 26.0f -
                                              24.0f * fractalNoise(x / 160.0f, band * 3.0f, 113 + band, 3)});
            edge.push_back({700 - v.x0, 480});
            hills.polygon(edge);
            v.c.fill(hills, solid(band == 0 ? hex(0x8a5a7a) : hex(0x5a3a5a)));
        }
    };
    Layer road;
    road.folder = "road";
    road.width = 8000;
    road.paint = [](View& v, int)
    {
        const int w = v.width();
        const float x0 = v.x0;
        Mask field = v.mask();
        field.rect(0, 296, w, 382);
        v.c.fill(field,
                 [=](float x, float y)
                 {
                     const float n = fractalNoise((x + x0) / 40.0f, y / 10.0f, 117, 4);
                     return shade(mix(hex(0x6a7a3a), hex(0xa89a4a), (y - 296) / 90.0f), -0.3f * n);
                 });
        Mask road = v.mask();
        road.rect(0, 382, w, 480);
        v.c.fill(road,
                 [=](float x, float y)
                 {
                     const float n = fractalNoise((x + x0) / 20.0f, y / 8.0f, 119, 3);
                     return shade(hex(0x5a5458), -0.15f * n - (y - 382) / 400.0f);
                 });
        Mask shoulder = v.mask();
        shoulder.rect(0, 376, w, 386);
        v.c.fill(shoulder, solid(hex(0x9a8a6a)));
        Mask dashes = v.mask();
        const float first = std::floor(x0 / 120.0f) * 120.0f;
        for (float fx = first - 120; fx < x0 + w + 120; fx += 120.0f)
            dashes.rect(fx - x0, 438, fx - x0 + 50, 443);
        v.c.fill(dashes, solid(hex(0xf0e0a0)), Blend::Normal, 0.8f);
        // Fence, telegraph poles and their wires, trees: all seeded by place.
        Mask dark = v.mask();
        const float pfirst = std::floor(x0 / 40.0f) * 40.0f;
        for (float fx = pfirst - 40; fx < x0 + w + 40; fx += 40.0f)
            dark.rect(fx - x0, 318, fx - x0 + 3, 346);
        dark.rect(0, 324, w, 326.5f);
        dark.rect(0, 336, w, 338.5f);
        const float tfirst = std::floor(x0 / 360.0f) * 360.0f;
        for (float fx = tfirst - 360; fx < x0 + w + 360; fx += 360.0f)
        {
            const float x = fx - x0;
            dark.rect(x - 3, 120, x + 3, 330);
            dark.rect(x - 22, 132, x + 22, 136);
            for (float off : {-18.0f, 0.0f, 18.0f})
                dark.polyline(quadCurve({x + off, 134}, {x + off + 180, 170}, {x + off + 360, 134}, 16),
                              1.2f);
        }
        Rng rng(121);
        for (float fx = 100; fx < 8000; fx += rng.range(200.0f, 600.0f))
        {
            const float size = rng.range(0.7f, 1.3f);
            if (!v.sees(fx - 80, fx + 80))
                continue;
            const float x = fx - x0;
            dark.limb({x, 320}, {x + 4, 240 - 30 * size}, 10 * size, 5 * size);
            Rng leaves(static_cast<std::uint64_t>(fx));
            for (int i = 0; i < 9; ++i)
                dark.circle(x + leaves.range(-40.0f, 40.0f) * size,
                            220 - 30 * size + leaves.range(-30.0f, 30.0f) * size,
                            leaves.range(14.0f, 24.0f) * size);
        }
        v.c.fill(dark, solid(hex(0x2a1a2a)));
        v.c.fill(dark.minus(dark.shifted(-2, 1)), solid(hex(0xffa060)), Blend::Screen, 0.5f);
    };
    return Stage{"credits", {back, road}};
}
} // namespace datagen
