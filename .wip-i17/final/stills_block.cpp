
// Scenes 12 to 22: the tower, the airship's raid and the navy.
namespace
{
// The tower's roof at night, an airship in the sky when `ship` is given.
Canvas roofUnder(const AirshipPose* ship)
{
    Canvas c = place(towerTop(), 80.0f);
    if (ship)
        drawAirship(c, *ship);
    return c;
}

// A warship seen from high above, foreshortened: a pointed hull, decks,
// turrets and a funnel; `angle` turns it on the water.
void shipFromAbove(Canvas& c, Vec2 centre, float length, float angle, Colour grey)
{
    const auto at = [&](float u, float v)
    {
        const float x = u * length, y = v * length * 0.8f;
        return Vec2{centre.x + x * std::cos(angle) - y * std::sin(angle),
                    centre.y + x * std::sin(angle) * 0.55f + y * std::cos(angle)};
    };
    const auto beam = [](float u)
    {
        const float bow = std::max(0.0f, (u - 0.1f) / 0.4f);
        return 0.12f * std::sqrt(std::max(0.0f, 1.0f - bow * bow)) * (u < -0.45f ? 0.85f : 1.0f);
    };
    Mask hull(c.width(), c.height()), decks(c.width(), c.height()), guns(c.width(), c.height());
    std::vector<Vec2> outline;
    for (int i = 0; i <= 24; ++i)
        outline.push_back(at(-0.5f + i / 24.0f, -beam(-0.5f + i / 24.0f)));
    for (int i = 24; i >= 0; --i)
        outline.push_back(at(-0.5f + i / 24.0f, beam(-0.5f + i / 24.0f)));
    hull.polygon(outline);
    c.fill(hull.grown(3.0f).blurred(3.0f), solid(hex(0x0a1418)), Blend::Normal, 0.6f);
    c.fill(hull, solid(grey));
    decks.polygon({at(-0.12f, -0.04f), at(0.1f, -0.04f), at(0.1f, 0.04f), at(-0.12f, 0.04f)});
    c.fill(decks, solid(shade(grey, 0.15f)));
    for (float u : {-0.32f, -0.2f, 0.22f, 0.34f})
    {
        const Vec2 p = at(u, 0.0f);
        guns.circle(p.x, p.y, length * 0.022f);
        guns.line(p, at(u + (u > 0.0f ? 0.08f : -0.08f), 0.0f), std::max(1.0f, length * 0.006f));
    }
    c.fill(guns, solid(shade(grey, -0.25f)));
    Mask funnel(c.width(), c.height());
    const Vec2 f = at(-0.02f, 0.0f);
    funnel.ellipse(f.x, f.y, length * 0.02f, length * 0.014f);
    c.fill(funnel, solid(hex(0x1a1a1e)));
}

// A fireball with smoke rising from it.
void blast(Canvas& c, Vec2 at, float r, std::uint32_t seed)
{
    Mask fire(c.width(), c.height()), core(c.width(), c.height()), smoke(c.width(), c.height());
    Rng rng(seed);
    for (int i = 0; i < 9; ++i)
    {
        const float a = rng.range(0.0f, 6.2832f), d = rng.range(0.0f, r * 0.6f);
        fire.circle(at.x + std::cos(a) * d, at.y + std::sin(a) * d * 0.7f, rng.range(r * 0.35f, r * 0.6f));
    }
    for (int i = 0; i < 7; ++i)
        smoke.circle(at.x + rng.range(-r, r) * 0.6f, at.y - r * rng.range(0.5f, 2.2f), rng.range(r * 0.4f, r * 0.8f));
    core.circle(at.x, at.y, r * 0.35f);
    c.fill(smoke.blurred(r * 0.15f), solid(hex(0x1a1210)), Blend::Normal, 0.85f);
    c.fill(fire.grown(r * 0.3f).blurred(r * 0.4f), solid(hex(0xff5a10)), Blend::Add, 0.6f);
    c.fill(fire, radial(at.x, at.y, r, Gradient{{0.0f, hex(0xfff0a0)}, {0.5f, hex(0xffa030)}, {1.0f, hex(0xc03a10)}}));
    c.fill(core.blurred(r * 0.1f), solid(hex(0xffffff)), Blend::Normal, 0.8f);
}

// A falling bomb, nose along `angle`, with a faint streak behind it.
void bomb(Canvas& c, Vec2 at, float size, float angle)
{
    const float ca = std::cos(angle), sa = std::sin(angle);
    const auto p = [&](float u, float v) { return Vec2{at.x + (u * ca - v * sa) * size, at.y + (u * sa + v * ca) * size}; };
    Mask body(c.width(), c.height()), fins(c.width(), c.height()), streak(c.width(), c.height());
    std::vector<Vec2> outline;
    for (int i = 0; i < 20; ++i)
    {
        const float a = 6.2832f * i / 20.0f;
        outline.push_back(p(std::cos(a) * (std::cos(a) > 0.0f ? 1.0f : 1.6f), std::sin(a) * 0.45f));
    }
    body.polygon(outline);
    fins.polygon({p(-1.3f, 0.0f), p(-2.0f, -0.6f), p(-2.0f, 0.6f)});
    streak.line(p(-2.0f, 0.0f), p(-7.0f, 0.0f), size * 0.3f);
    c.fill(streak.blurred(size * 0.3f), solid(hex(0xffc080)), Blend::Normal, 0.25f);
    c.fill(fins, solid(hex(0x2a2a2a)));
    c.fill(body, solid(hex(0x3a3834)));
}

// A warship broadside, bow to the right, heeled over by `list` radians and
// settled `sink` pixels deeper, burning on its decks.
void listingWarship(Canvas& c, float x0, float x1, float water, float list, float sink, std::uint32_t seed)
{
    const float len = x1 - x0, mid = (x0 + x1) / 2.0f;
    const auto at = [&](float x, float up)
    {
        const float dx = x - mid, dy = -up;
        return Vec2{mid + dx * std::cos(list) - dy * std::sin(list),
                    water + sink + dx * std::sin(list) + dy * std::cos(list)};
    };
    const auto box = [&](Mask& m, float a, float b, float y0, float y1)
    { m.polygon({at(a, y0), at(b, y0), at(b, y1), at(a, y1)}); };
    Mask hull(c.width(), c.height()), works(c.width(), c.height()), guns(c.width(), c.height());
    hull.polygon({at(x0, 50), at(x1, 60), at(x1 - 40, -10), at(x0 + 20, -10)});
    box(works, x0 + len * 0.35f, x0 + len * 0.6f, 50, 100);
    box(works, x0 + len * 0.42f, x0 + len * 0.54f, 100, 150);
    box(works, x0 + len * 0.47f, x0 + len * 0.49f, 150, 200);
    box(works, x0 + len * 0.62f, x0 + len * 0.68f, 50, 120);
    for (float t : {0.18f, 0.8f})
    {
        box(guns, x0 + len * t - 24, x0 + len * t + 24, 50, 72);
        box(guns, x0 + len * t, x0 + len * t + 60, 62, 66);
    }
    Mask sea(c.width(), c.height());
    sea.rect(0, water, c.width(), c.height());
    const Colour grey = hex(0x3a3636);
    c.fill(hull.minus(sea), solid(shade(grey, -0.1f)));
    c.fill(works.minus(sea), solid(shade(grey, 0.05f)));
    c.fill(guns.minus(sea), solid(shade(grey, -0.3f)));
    Mask ports(c.width(), c.height());
    for (float x = x0 + 40; x < x1 - 60; x += 26)
    {
        const Vec2 p = at(x, 30);
        ports.circle(p.x, p.y, 2.2f);
    }
    c.fill(ports.minus(sea), solid(hex(0xffa040)));
    Rng rng(seed);
    for (int i = 0; i < 3; ++i)
    {
        const Vec2 p = at(rng.range(x0 + len * 0.1f, x1 - len * 0.2f), 60);
        const int w = static_cast<int>(rng.range(70.0f, 130.0f)), h = static_cast<int>(rng.range(60.0f, 120.0f));
        flamesAt(c, p.x, p.y + 10.0f, w, h, seed + static_cast<std::uint32_t>(i));
    }
}
} // namespace

Canvas braskOlKill()
{
    Canvas c = place(towerBase(), 80.0f);
    Pose brask{"Brask", "crash", 2, 1.6f, 0, false};
    Pose oleck{"Oleck", "crash", 2, 1.6f, 0, true};
    oleck.unarmed = true;
    Canvas b = figure(brask), o = figure(oleck);
    bloodied(b, 321);
    bloodied(o, 323);
    Mask pools(c.width(), c.height());
    pools.ellipse(250, 374, 60, 6);
    pools.ellipse(400, 376, 70, 7);
    c.fill(pools, solid(hex(0x6a0808)), Blend::Normal, 0.7f);
    // Slumped head to head at the tower's foot, hands meeting in a last slap.
    stand(c, b, 332.0f - b.width() / 2.0f, 372.0f);
    stand(c, o, 308.0f + o.width() / 2.0f, 372.0f);
    impactBurst(c, 320, 334, 16, hex(0xfff0c0), 325);
    return c;
}

Canvas goldFoyer()
{
    Canvas c(kStillW, kStillH);
    // Veined cream marble on the back wall, a gilt cornice and skirting.
    c.fill(
        [](float x, float y)
        {
            const float n = fractalNoise(x / 90.0f, y / 60.0f, 251, 5);
            const float vein = 1.0f - std::min(1.0f, std::fabs(n - 0.5f) * 40.0f);
            return shade(mix(hex(0xeee4d0), hex(0xd8cab0), y / 320.0f), -0.35f * vein);
        });
    Mask ceiling(kStillW, kStillH), trim(kStillW, kStillH);
    ceiling.rect(0, 0, kStillW, 36);
    trim.rect(0, 34, kStillW, 40);
    trim.rect(0, 300, kStillW, 306);
    c.fill(ceiling, linear(0, 0, 0, 36, Gradient{{0.0f, hex(0x3a2a18)}, {1.0f, hex(0x6a4a20)}}));
    c.fill(trim, solid(hex(0xc8a040)));
    // The lift: brass doors shut, the floor dial above them.
    Mask lift(kStillW, kStillH), seam(kStillW, kStillH), dial(kStillW, kStillH), needle(kStillW, kStillH);
    lift.rect(470, 150, 570, 300);
    seam.rect(519, 150, 521, 300);
    dial.ellipse(520, 128, 30, 14);
    needle.line({520, 134}, {540, 120}, 2);
    c.fill(lift.grown(6), solid(hex(0x8a6a28)));
    c.fill(lift, linear(470, 0, 570, 0, Gradient{{0.0f, hex(0xa88a40)}, {0.5f, hex(0xf0d890)}, {1.0f, hex(0x9a7a30)}}));
    c.fill(seam, solid(hex(0x5a4418)));
    c.fill(dial, solid(hex(0xd8b860)));
    c.fill(needle, solid(hex(0x2a1a08)));
    const Gradient gold{{0.0f, hex(0x7a5a18)}, {0.35f, hex(0xf8e090)}, {0.6f, hex(0xd0a840)}, {1.0f, hex(0x5a4010)}};
    for (float cx : {40.0f, 190.0f, 420.0f, 610.0f})
    {
        Mask column(kStillW, kStillH), ends(kStillW, kStillH), flutes(kStillW, kStillH);
        column.rect(cx - 20, 40, cx + 20, 306);
        ends.rect(cx - 28, 40, cx + 28, 56);
        ends.rect(cx - 28, 290, cx + 28, 306);
        for (float fx = cx - 14; fx < cx + 16; fx += 7)
            flutes.rect(fx, 60, fx + 1.5f, 286);
        c.fill(column, linear(cx - 20, 0, cx + 20, 0, gold));
        c.fill(flutes, solid(hex(0x6a4a10)), Blend::Normal, 0.4f);
        c.fill(ends, linear(cx - 28, 0, cx + 28, 0, gold));
    }
    // Black and white marble tiles running back to the wall, a red runner on them.
    Mask floor(kStillW, kStillH);
    floor.rect(0, 306, kStillW, kStillH);
    c.fill(floor,
           [](float x, float y)
           {
               const float depth = y - 300.0f;
               const int across = static_cast<int>(std::floor((x - 320.0f) / depth * 60.0f / 40.0f));
               const int back = static_cast<int>(std::floor(4000.0f / depth / 20.0f));
               const bool dark = (across + back) % 2 != 0;
               return shade(dark ? hex(0x2a2624) : hex(0xe8e0d0), (fractalNoise(x / 30, y / 10, 253, 3) - 0.5f) * 0.2f);
           });
    Mask runner(kStillW, kStillH);
    runner.polygon({{280, 330}, {360, 330}, {450, 480}, {190, 480}});
    c.fill(runner.grown(3.0f), solid(hex(0xc8a040)));
    c.fill(runner, linear(0, 330, 0, 480, Gradient{{0.0f, hex(0x6a1010)}, {1.0f, hex(0xa01818)}}));
    // The reception desk, nobody behind it.
    Mask desk(kStillW, kStillH), top(kStillW, kStillH), band(kStillW, kStillH), bell(kStillW, kStillH);
    desk.rect(230, 240, 410, 330);
    top.rect(222, 232, 418, 242);
    band.rect(230, 270, 410, 276);
    bell.ellipse(380, 230, 8, 5);
    c.fill(desk, linear(0, 240, 0, 330, Gradient{{0.0f, hex(0x5a3018)}, {1.0f, hex(0x2a160a)}}));
    c.fill(band, solid(hex(0xd8b050)));
    c.fill(top, solid(hex(0x3a1e10)));
    c.fill(bell, solid(hex(0xe8c860)));
    // Two lit chandeliers.
    for (float cx : {130.0f, 330.0f})
    {
        Mask chain(kStillW, kStillH), frame(kStillW, kStillH), drops(kStillW, kStillH), bulbs(kStillW, kStillH);
        chain.rect(cx - 1, 36, cx + 1, 70);
        frame.ellipse(cx, 84, 46, 8);
        frame.ellipse(cx, 100, 26, 6);
        for (int i = 0; i < 18; ++i)
        {
            const float a = 6.2832f * i / 18.0f;
            drops.ellipse(cx + std::cos(a) * 44, 92 + std::sin(a) * 7, 2, 5);
        }
        for (int i = 0; i < 8; ++i)
        {
            const float a = 6.2832f * i / 8.0f;
            bulbs.circle(cx + std::cos(a) * 40, 76 + std::sin(a) * 7, 3);
        }
        c.fill(chain, solid(hex(0x8a6a28)));
        c.fill(frame, solid(hex(0xb89038)), Blend::Normal, 0.6f);
        c.fill(frame.minus(frame.shifted(0, 3)), solid(hex(0xd8b050)));
        c.fill(drops, solid(hex(0xf8f8ff)), Blend::Normal, 0.85f);
        glow(c, cx, 80, 60, hex(0xfff0c0), 0.6f);
        c.fill(bulbs, solid(hex(0xfff8e0)));
    }
    c.vignette(0.3f);
    return c;
}

Canvas gRoof1()
{
    return roofUnder(nullptr);
}

// The airship comes over the roof in three pictures: a speck in the far sky,
// larger and lower with its engines glowing, then its belly overhead.
Canvas gRoof2()
{
    AirshipPose ship;
    ship.centre = {470, 150};
    ship.length = 46;
    ship.noseLeft = true;
    ship.glow = 0.3f;
    ship.haze = 0.55f;
    ship.hazeColour = hex(0x3a2a5a);
    return roofUnder(&ship);
}

Canvas gRoof3()
{
    AirshipPose ship;
    ship.centre = {330, 150};
    ship.length = 420;
    ship.tilt = -0.06f;
    ship.belly = 0.3f;
    ship.noseLeft = true;
    ship.glow = 1.0f;
    ship.haze = 0.35f;
    ship.hazeColour = hex(0x2a2040);
    return roofUnder(&ship);
}

Canvas gRoof4()
{
    AirshipPose ship;
    ship.centre = {330, 20};
    ship.length = 1900;
    ship.tilt = 0.08f;
    ship.belly = 1.0f;
    ship.noseLeft = true;
    ship.glow = 1.0f;
    ship.haze = 0.2f;
    ship.hazeColour = hex(0x1a1020);
    Canvas c = roofUnder(&ship);
    // Its shadow over the roof.
    c.fill(linear(0, 120, 0, kStillH, Gradient{{0.0f, hex(0x000000, 0.35f)}, {1.0f, hex(0x000000, 0.1f)}}));
    return c;
}

Canvas airstrike()
{
    Canvas c(kStillW, kStillH);
    c.fill(linear(0, 0, 0, 200, Gradient{{0.0f, hex(0x0c0a14)}, {1.0f, hex(0x3a1a1a)}}));
    // The harbour far below: dark water and a long quay in steep perspective.
    Mask sea(kStillW, kStillH), quay(kStillW, kStillH), edge(kStillW, kStillH), marks(kStillW, kStillH);
    sea.rect(0, 170, kStillW, kStillH);
    c.fill(sea,
           [](float x, float y)
           {
               const float n = fractalNoise(x / 50.0f, y / 12.0f, 211, 4);
               return shade(mix(hex(0x0e2430), hex(0x1a3a48), (y - 170.0f) / 310.0f), (n - 0.5f) * 0.5f);
           });
    quay.polygon({{640, 180}, {420, 180}, {250, 480}, {640, 480}});
    c.fill(quay, [](float x, float y)
           { return shade(hex(0x5a5852), (fractalNoise(x / 20, y / 20, 213, 3) - 0.5f) * 0.3f); });
    edge.line({420, 180}, {250, 480}, 3);
    c.fill(edge, solid(hex(0x2a2826)));
    for (float t = 0.1f; t < 1.0f; t += 0.15f)
    {
        const Vec2 a = lerp({440, 180}, {290, 480}, t);
        marks.rect(a.x + 10, a.y, a.x + 60 + t * 40, a.y + 4 + t * 4);
    }
    c.fill(marks, solid(hex(0x7a7668)));
    shipFromAbove(c, {230, 215}, 260, -0.25f, hex(0x6a727e));
    shipFromAbove(c, {330, 320}, 360, -0.5f, hex(0x646c78));
    shipFromAbove(c, {150, 420}, 380, -0.45f, hex(0x5e6672));
    // The airship above them, side on, its bombs falling in lines.
    AirshipPose ship;
    ship.centre = {360, 70};
    ship.length = 380;
    ship.belly = 0.25f;
    ship.noseLeft = true;
    ship.glow = 1.0f;
    ship.haze = 0.3f;
    ship.hazeColour = hex(0x2a1a20);
    drawAirship(c, ship);
    blast(c, {300, 300}, 46, 221);
    blast(c, {180, 400}, 60, 223);
    blast(c, {250, 230}, 30, 227);
    for (int i = 0; i < 5; ++i)
        bomb(c, {330.0f - i * 10.0f, 125.0f + i * 30.0f}, 7.0f + i * 1.2f, 1.75f);
    for (int i = 0; i < 3; ++i)
        bomb(c, {420.0f - i * 6.0f, 120.0f + i * 34.0f}, 7.0f + i * 1.2f, 1.7f);
    c.vignette(0.4f);
    return c;
}

Canvas navyDown()
{
    Canvas c(kStillW, kStillH);
    stage::SkyStyle sky = nightSky(231, hex(0xb03a1a));
    sky.sky = Gradient{{0.0f, hex(0x100606)}, {0.6f, hex(0x4a1410)}, {1.0f, hex(0xd05a20)}};
    sky.moon = false;
    sky.skylines = 0;
    sky.clouds = 0.6f;
    sky.cloudDark = hex(0x2a1410);
    sky.cloudLit = hex(0xa04020);
    sky.horizon = 280.0f;
    c.draw(stage::paintSky(sky), 0, 0);
    smokeOver(c, 0, 0, kStillW, 260, hex(0x1a1010), 0.9f, 233);
    Mask sea(kStillW, kStillH);
    sea.rect(0, 280, kStillW, kStillH);
    c.fill(sea,
           [](float x, float y)
           {
               const float n = fractalNoise(x / 40.0f, y / 6.0f, 235, 3);
               return shade(mix(hex(0x2a1410), hex(0x0a0a10), (y - 280.0f) / 200.0f), (n - 0.5f) * 0.4f);
           });
    // Two warships at their berths, burning and heeling over.
    listingWarship(c, 380, 700, 300, 0.12f, 8, 237);
    listingWarship(c, -80, 320, 330, -0.2f, 14, 239);
    Mask firelight(kStillW, kStillH);
    for (int y = 290; y < kStillH; y += 2)
        for (int x = 0; x < kStillW; ++x)
            if (valueNoise(x / 10.0f, y / 2.0f, 241) > 0.8f)
                firelight.cell(x, y) = 1.0f;
    c.fill(firelight, solid(hex(0xff8a30)), Blend::Normal, 0.45f);
    // The quay's edge in front.
    Mask quay(kStillW, kStillH), bollards(kStillW, kStillH);
    quay.rect(0, 430, kStillW, kStillH);
    for (float x = 60; x < kStillW; x += 180)
    {
        bollards.roundedRect(x - 9, 414, x + 9, 434, 3);
        bollards.roundedRect(x - 12, 411, x + 12, 417, 2);
    }
    c.fill(quay, linear(0, 430, 0, 480, Gradient{{0.0f, hex(0x4a403a)}, {1.0f, hex(0x1a1614)}}));
    c.fill(bollards, solid(hex(0x1a1618)));
    c.vignette(0.4f);
    return c;
}

Canvas navyFire()
{
    return place(burningNavy(), 80.0f);
}

Canvas gianKill()
{
    Canvas c = place(towerTop(), 200.0f);
    Pose nick{"Nick", "slash1", 2, 2.0f, 0, false};
    Pose gian{"Giancarlo", "hit3", 0, 2.0f, 0, true};
    gian.unarmed = true;
    // The red blade's cut through him at the roof's edge, his spirits flung away.
    stand(c, figure(gian), 420, 360);
    stand(c, figure(nick), 230, 360);
    speedLines(c, 300, 150, 560, 330, -35, hex(0xff4040), 331);
    Mask cut(kStillW, kStillH);
    cut.line({300, 300}, {540, 170}, 6);
    c.fill(cut.blurred(6), solid(hex(0xff3030)), Blend::Add, 0.8f);
    c.fill(cut, solid(hex(0xfff0f0)));
    spirits(c, 430, 230, 200, 9, 333, 0.6f);
    return c;
}
