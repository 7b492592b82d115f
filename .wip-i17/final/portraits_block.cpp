
// Scenes 12 to 22.
namespace
{
// The middle of a portrait's head: its pixels across the figure's top `rows` rows.
Vec2 headOf(const Canvas& c, int rows)
{
    int top = -1;
    float sum = 0.0f, count = 0.0f;
    for (int y = 0; y < c.height() && (top < 0 || y < top + rows); ++y)
        for (int x = 0; x < c.width(); ++x)
            if (c.at(x, y).a > 0.5f)
            {
                if (top < 0)
                    top = y;
                sum += static_cast<float>(x);
                count += 1.0f;
            }
    if (top < 0)
        return {c.width() / 2.0f, c.height() / 2.0f};
    return {sum / count, top + rows * 0.5f};
}

// A portrait of someone taking it easy on a supply crate, its lid tilted by `tilt`.
Canvas onCrate(const Canvas& portrait, float crateTop, float tilt)
{
    Canvas c(kPortraitW, kPortraitH);
    Mask box(c.width(), c.height()), slats(c.width(), c.height());
    const float x0 = 10.0f, x1 = 310.0f, bottom = kPortraitH + 20.0f;
    box.polygon({{x0, crateTop + tilt}, {x1, crateTop - tilt}, {x1, bottom}, {x0, bottom}});
    for (float x = x0 + 6.0f; x < x1; x += 26.0f)
        slats.rect(x, crateTop - std::fabs(tilt), x + 3.0f, bottom);
    slats.line({x0, crateTop + tilt + 10.0f}, {x1, crateTop - tilt + 10.0f}, 3.0f);
    c.fill(box, linear(0, crateTop, 0, bottom, Gradient{{0.0f, hex(0x8a6a3a)}, {1.0f, hex(0x4a3418)}}));
    c.fill(slats.times(box), solid(hex(0x3a2a14)), Blend::Normal, 0.7f);
    c.fill(box.grown(2.0f).minus(box), solid(hex(0x1a1208)));
    c.draw(portrait, 0, 0);
    return c;
}
} // namespace

Canvas nickRadio()
{
    Pose nick{"Nick", "standing", 0, 2.0f, 0, false};
    nick.unarmed = true;
    const Canvas figure = portrait(nick);
    const Vec2 head = headOf(figure, 150);
    Canvas c(kPortraitW, kPortraitH);
    // The red sword slung across his back, its hilt over his shoulder.
    Mask blade(kPortraitW, kPortraitH), hilt(kPortraitW, kPortraitH);
    blade.polygon({{head.x - 70, head.y + 250}, {head.x - 58, head.y + 252}, {head.x + 62, head.y + 20},
                   {head.x + 56, head.y + 12}});
    hilt.line({head.x + 60, head.y + 18}, {head.x + 84, head.y - 28}, 9);
    hilt.line({head.x + 44, head.y + 14}, {head.x + 76, head.y + 30}, 7);
    c.fill(blade, linear(head.x - 64, 0, head.x + 60, 0,
                         Gradient{{0.0f, hex(0x7a0a10)}, {0.5f, hex(0xe8303a)}, {1.0f, hex(0x9a1018)}}));
    c.fill(hilt, solid(hex(0x2a1a18)));
    c.draw(figure, 0, 0);
    // A soldier's radio handset at his ear, its cord coiling away.
    const float ex = head.x - 22.0f, ey = head.y + 14.0f;
    Mask handset(kPortraitW, kPortraitH), cord(kPortraitW, kPortraitH), hand(kPortraitW, kPortraitH);
    handset.roundedRect(ex - 12, ey - 14, ex + 10, ey + 52, 8);
    handset.roundedRect(ex - 4, ey + 40, ex + 26, ey + 60, 7);
    std::vector<Vec2> coil;
    for (int k = 0; k <= 60; ++k)
    {
        const float t = k / 60.0f;
        coil.push_back({ex - 6 - t * 40 + std::sin(t * 40) * 5, ey + 56 + t * 200});
    }
    cord.polyline(coil, 2.2f);
    hand.ellipse(ex - 4, ey + 26, 14, 18);
    c.fill(cord, solid(hex(0x1a1a14)));
    c.fill(handset.grown(1.5f), solid(hex(0x101008)));
    c.fill(handset, linear(ex - 12, 0, ex + 26, 0, Gradient{{0.0f, hex(0x3a4a2a)}, {1.0f, hex(0x5a6a3a)}}));
    c.fill(hand.grown(1.5f), solid(hex(0x2a1a10)));
    c.fill(hand, solid(hex(0xe0a880)));
    return c;
}

Canvas brask()
{
    return onCrate(portrait(Pose{"Brask", "duck", 0, 2.0f, 0, false}, 0.75f), 300.0f, 0.0f);
}

Canvas oleck()
{
    Pose oleck{"Oleck", "fallUp", 0, 2.0f, 0, false};
    oleck.unarmed = true;
    return onCrate(portrait(oleck, 0.9f), 300.0f, 12.0f);
}

Canvas oleck2()
{
    return portrait(Pose{"Oleck", "standing", 0, 2.0f, 0, false});
}

Canvas braskDie()
{
    Canvas c = portrait(Pose{"Brask", "hit2", 0, 2.0f, 0, false});
    bloodied(c, 301);
    return c;
}

Canvas oleck2Die()
{
    Pose oleck{"Oleck", "hit2", 0, 2.0f, 0, false};
    oleck.unarmed = true;
    Canvas c = portrait(oleck);
    bloodied(c, 303);
    return c;
}

Canvas gian1()
{
    Pose gian{"Giancarlo", "standing", 0, 2.0f, 0, false};
    gian.unarmed = true;
    return portrait(gian);
}

Canvas gian2()
{
    Pose gian{"Giancarlo", "standing", 0, 2.0f, 0, false};
    gian.unarmed = true;
    const Canvas figure = portrait(gian);
    const Vec2 head = headOf(figure, 80);
    Canvas c(kPortraitW, kPortraitH);
    spirits(c, head.x, head.y + 120, 140, 6, 311, 0.0f);
    c.draw(figure, 0, 0);
    spirits(c, head.x, head.y + 150, 150, 3, 313, 0.0f);
    return c;
}

Canvas andy()
{
    Pose andy{"Andy", "blockHi", 0, 2.0f, 0, false};
    andy.holding = roster::Weapon::Pistols;
    Canvas c = portrait(andy);
    const Vec2 head = headOf(c, 80);
    // Shaking hands and a sweating brow.
    Mask shake(kPortraitW, kPortraitH), sweat(kPortraitW, kPortraitH);
    for (float side : {-1.0f, 1.0f})
        for (int k = 0; k < 3; ++k)
        {
            const float x = head.x + side * (70 + k * 8);
            shake.line({x, head.y + 60 + k * 6}, {x + side * 4, head.y + 80 + k * 6}, 2.0f);
        }
    sweat.ellipse(head.x + 30, head.y - 10, 4, 7);
    sweat.ellipse(head.x - 28, head.y + 2, 3, 6);
    c.fill(shake, solid(hex(0xffffff)), Blend::Normal, 0.9f);
    c.fill(sweat, solid(hex(0xa8d8ff)));
    return c;
}
