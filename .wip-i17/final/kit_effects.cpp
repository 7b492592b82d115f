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
