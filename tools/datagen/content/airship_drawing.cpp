// The airship: a ribbed grey envelope with the army's red band, tail fins, a
// gondola of lit windows slung beneath and four engine pods on pylons.
#include "content/airship_drawing.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace datagen
{
namespace
{
constexpr float kPi = 3.14159265f;
constexpr float kHalfHeight = 0.1f; // the envelope's radius, in lengths

float mixf(float a, float b, float t)
{
    return a + (b - a) * t;
}

// Half the envelope's height at `along`: a blunt nose and a long tapering tail.
float envelopeRadius(float along)
{
    const float t = std::clamp(std::fabs(along) * 2.0f, 0.0f, 1.0f);
    const float p = along > 0.0f ? 2.6f : 1.7f;
    return kHalfHeight * std::pow(1.0f - std::pow(t, p), 1.0f / p);
}

struct ShipPainter
{
    const AirshipPose& pose;
    Canvas& layer;

    Vec2 at(float along, float across) const { return airshipPoint(pose, along, across); }
    Mask mask() const { return Mask(layer.width(), layer.height()); }
    float px(float lengths) const { return lengths * pose.length; }

    // A paint running across the ship, from `fromAcross` to `toAcross` at the middle.
    Paint acrossGradient(float fromAcross, float toAcross, const Gradient& g) const
    {
        const Vec2 a = at(0.0f, fromAcross), b = at(0.0f, toAcross);
        return linear(a.x, a.y, b.x, b.y, g);
    }

    // An ellipse in the ship's own frame, centred at (along, across).
    void ellipse(Mask& m, float along, float across, float rAlong, float rAcross) const
    {
        std::vector<Vec2> pts;
        for (int i = 0; i < 28; ++i)
        {
            const float a = 2.0f * kPi * i / 28.0f;
            pts.push_back(at(along + rAlong * std::cos(a), across + rAcross * std::sin(a)));
        }
        m.polygon(pts);
    }

    void quad(Mask& m, Vec2 a, Vec2 b, Vec2 c, Vec2 d) const
    {
        m.polygon({at(a.x, a.y), at(b.x, b.y), at(c.x, c.y), at(d.x, d.y)});
    }

    Mask envelope() const
    {
        Mask m = mask();
        std::vector<Vec2> pts;
        for (int i = 0; i <= 60; ++i)
        {
            const float along = 0.5f - i / 60.0f;
            pts.push_back(at(along, -envelopeRadius(along)));
        }
        for (int i = 0; i <= 60; ++i)
        {
            const float along = -0.5f + i / 60.0f;
            pts.push_back(at(along, envelopeRadius(along)));
        }
        m.polygon(pts);
        return m;
    }

    // The tail: a top fin that sinks out of sight as the ship passes over, a
    // bottom fin, and side fins that open out when seen from below.
    void fins(float line)
    {
        const float b = pose.belly;
        Mask fin = mask();
        const float top = 0.11f * (1.0f - b);
        if (top > 0.004f)
            quad(fin, {-0.5f, -0.01f}, {-0.36f, -0.06f}, {-0.40f, -0.06f - top}, {-0.52f, -0.06f - top});
        const float bottom = 0.11f * (1.0f - b) + 0.02f * b;
        quad(fin, {-0.5f, 0.01f}, {-0.36f, 0.06f}, {-0.40f, 0.06f + bottom}, {-0.52f, 0.06f + bottom});
        if (b > 0.05f)
            for (float s : {-1.0f, 1.0f})
                quad(fin, {-0.5f, 0.0f}, {-0.36f, s * 0.05f}, {-0.41f, s * (0.05f + 0.12f * b)},
                     {-0.53f, s * (0.05f + 0.12f * b)});
        layer.fill(fin, acrossGradient(-0.2f, 0.2f, Gradient{{0.0f, hex(0x8a8c90)}, {1.0f, hex(0x4a4c52)}}));
        layer.fill(fin.grown(line).minus(fin), solid(hex(0x1e2024)));
        // The army's red on the fins' trailing edges.
        Mask red = mask();
        quad(red, {-0.54f, -0.3f}, {-0.49f, -0.3f}, {-0.49f, 0.3f}, {-0.54f, 0.3f});
        layer.fill(red.times(fin), solid(hex(0xa01818)));
    }

    void hull(float line)
    {
        const float b = pose.belly;
        const Mask env = envelope();
        // Lit from above: side on the top is bright; from below the belly is in
        // its own shade, darkest at the edges.
        layer.fill(
            env,
            acrossGradient(-kHalfHeight, kHalfHeight,
                           Gradient{{0.0f, hex(0xc8c8c4)}, {0.45f, hex(0x8c8e92)}, {1.0f, hex(0x4a4c54)}}),
            Blend::Normal, 1.0f - b);
        if (b > 0.0f)
            layer.fill(
                env,
                acrossGradient(-kHalfHeight, kHalfHeight,
                               Gradient{{0.0f, hex(0x3a3c44)}, {0.5f, hex(0x70727a)}, {1.0f, hex(0x3a3c44)}}),
                Blend::Normal, b);
        // Ribs round the envelope and seams along it.
        Mask seams = mask();
        for (float along = -0.44f; along < 0.47f; along += 0.055f)
        {
            const float r = envelopeRadius(along);
            seams.line(at(along, -r), at(along, r), std::max(0.5f, px(0.0025f)));
        }
        for (float s : {-0.55f, -0.15f, 0.25f, 0.65f})
        {
            std::vector<Vec2> pts;
            for (int i = 0; i <= 40; ++i)
            {
                const float along = -0.48f + 0.97f * i / 40.0f;
                pts.push_back(at(along, s * envelopeRadius(along)));
            }
            seams.polyline(pts, std::max(0.5f, px(0.002f)));
        }
        layer.fill(seams.times(env), solid(hex(0x2a2c32)), Blend::Normal, 0.45f);
        // The red band near the tail, and the army's mark on the flank.
        Mask band = mask();
        quad(band, {-0.30f, -0.2f}, {-0.26f, -0.2f}, {-0.26f, 0.2f}, {-0.30f, 0.2f});
        layer.fill(band.times(env), solid(hex(0xa01818)), Blend::Normal, 0.9f);
        if (b < 0.9f)
        {
            Mask mark = mask(), horns = mask();
            ellipse(mark, 0.24f, -0.015f, 0.035f, 0.035f * (1.0f - b) + 0.004f);
            ellipse(horns, 0.24f, -0.015f, 0.022f, 0.022f * (1.0f - b) + 0.002f);
            layer.fill(mark.times(env), solid(hex(0xa01818)), Blend::Normal, 1.0f - b);
            layer.fill(horns.times(env), solid(hex(0x1a1012)), Blend::Normal, 1.0f - b);
        }
        layer.fill(env.grown(line).minus(env), solid(hex(0x1a1c20)));
    }

    // Where the gondola and the engines hang: under the envelope side on,
    // along its middle from below.
    float keel() const { return mixf(kHalfHeight * 1.02f, 0.0f, pose.belly); }

    void gondola(float line)
    {
        const float b = pose.belly;
        const float k = keel();
        const float h = mixf(0.032f, 0.045f, b);
        Mask g = mask();
        std::vector<Vec2> pts;
        for (int i = 0; i <= 20; ++i)
        {
            const float t = i / 20.0f;
            const float along = -0.13f + 0.34f * t;
            const float round = std::sqrt(std::max(0.0f, 1.0f - std::pow(2.0f * t - 1.0f, 8.0f)));
            pts.push_back(at(along, k - h * round * (1.0f - b) - h * round * b));
        }
        for (int i = 20; i >= 0; --i)
        {
            const float t = i / 20.0f;
            const float along = -0.13f + 0.34f * t;
            const float round = std::sqrt(std::max(0.0f, 1.0f - std::pow(2.0f * t - 1.0f, 8.0f)));
            pts.push_back(at(along, k + h * round));
        }
        g.polygon(pts);
        layer.fill(g, acrossGradient(k - h, k + h, Gradient{{0.0f, hex(0x5a4e44)}, {1.0f, hex(0x2a2420)}}));
        // A row of lit windows side on; bomb-bay doors from below.
        Mask windows = mask(), doors = mask();
        for (float along = -0.11f; along < 0.18f; along += 0.025f)
            quad(windows, {along, k - h * 0.2f}, {along + 0.014f, k - h * 0.2f},
                 {along + 0.014f, k + h * 0.35f}, {along, k + h * 0.35f});
        for (float along = -0.08f; along < 0.12f; along += 0.05f)
            quad(doors, {along, k - h * 0.6f}, {along + 0.04f, k - h * 0.6f}, {along + 0.04f, k + h * 0.6f},
                 {along, k + h * 0.6f});
        layer.fill(windows.times(g), solid(hex(0xffd070)), Blend::Normal, 1.0f - b);
        layer.fill(windows.times(g).blurred(std::max(1.0f, px(0.006f))), solid(hex(0xffb040)), Blend::Screen,
                   0.6f * (1.0f - b));
        layer.fill(doors.times(g), solid(hex(0x181410)), Blend::Normal, b);
        layer.fill(doors.grown(1.0f).minus(doors).times(g), solid(hex(0x8a7a60)), Blend::Normal, 0.7f * b);
        layer.fill(g.grown(line).minus(g), solid(hex(0x140f0c)));
    }

    void engines(float line)
    {
        const float b = pose.belly;
        Mask pods = mask(), pylons = mask(), props = mask(), exhaust = mask();
        for (float along : {0.3f, -0.24f})
            for (float s : {-1.0f, 1.0f})
            {
                const float across = mixf(kHalfHeight + 0.02f, s * (kHalfHeight + 0.035f), b);
                pylons.line(at(along, mixf(envelopeRadius(along) - 0.01f, s * kHalfHeight * 0.7f, b)),
                            at(along, across), std::max(0.8f, px(0.006f)));
                ellipse(pods, along, across, 0.045f, 0.016f);
                ellipse(props, along - 0.047f, across, 0.004f, 0.034f);
                ellipse(exhaust, along - 0.05f, across, 0.012f, 0.01f);
            }
        layer.fill(pylons, solid(hex(0x2a2a2e)));
        layer.fill(props, solid(hex(0x9a9ca4)), Blend::Normal, 0.45f);
        layer.fill(pods,
                   acrossGradient(-0.02f, 0.02f, Gradient{{0.0f, hex(0x7a7c84)}, {1.0f, hex(0x34363c)}}));
        layer.fill(pods.grown(line).minus(pods), solid(hex(0x18191c)));
        if (pose.glow > 0.0f)
        {
            const float spread = std::max(1.5f, px(0.03f));
            layer.fill(exhaust.grown(px(0.01f)).blurred(spread), solid(hex(0xff6a18)), Blend::Add, pose.glow);
            layer.fill(exhaust, solid(hex(0xfff0b0)), Blend::Normal, pose.glow);
        }
    }
};
} // namespace

Vec2 airshipPoint(const AirshipPose& pose, float along, float across)
{
    const float x = along * pose.length, y = across * pose.length;
    const float c = std::cos(pose.tilt), s = std::sin(pose.tilt);
    const float rx = x * c + y * s;
    const float ry = -x * s + y * c;
    return {pose.centre.x + (pose.noseLeft ? -rx : rx), pose.centre.y + ry};
}

void drawAirship(Canvas& c, const AirshipPose& pose)
{
    Canvas layer(c.width(), c.height());
    ShipPainter ship{pose, layer};
    const float line = std::clamp(pose.length / 400.0f, 0.6f, 2.5f);
    ship.fins(line);
    ship.hull(line);
    ship.gondola(line);
    ship.engines(line);
    if (pose.haze > 0.0f)
        for (int y = 0; y < layer.height(); ++y)
            for (int x = 0; x < layer.width(); ++x)
            {
                Colour& p = layer.at(x, y);
                if (p.a > 0.0f)
                    p = withAlpha(mix(p, pose.hazeColour, pose.haze), p.a);
            }
    c.draw(layer, 0, 0);
}
} // namespace datagen
