// The figure renderer's showman pieces: a top hat stands above the head, a
// half-mask covers the eyes and a cane hangs from the hand down toward the floor.
#include "content/roster/figure.h"

#include <gtest/gtest.h>

using namespace datagen::roster;

namespace
{
struct Drawn
{
    Drawing drawing;
    Hot hot;
};

Drawn draw(const Style& style)
{
    Drawn out;
    drawFigure(style, Pose{}, out.drawing, out.hot);
    return out;
}

int partsIn(const Drawing& d, int ramp)
{
    int n = 0;
    for (const Part& p : d.parts)
        n += p.ramp == ramp ? 1 : 0;
    return n;
}
} // namespace

TEST(FigureLook, ATopHatStandsWellAboveTheHairAndTheHead)
{
    Style bare, hatted;
    hatted.hat = Headgear::TopHat;
    const Drawn a = draw(bare), b = draw(hatted);
    const float headR = bare.body.headR;
    // The crown rises more than a head's radius above the bare figure's top.
    EXPECT_LT(bounds(b.drawing).y0, bounds(a.drawing).y0 - headR);
    // Only the top grows: the feet stay where they were.
    EXPECT_FLOAT_EQ(bounds(b.drawing).y1, bounds(a.drawing).y1);
}

TEST(FigureLook, AHalfMaskCoversTheEyesWithItsOwnHoles)
{
    Style bare, masked;
    masked.halfMask = true;
    const Drawn a = draw(bare), b = draw(masked);
    EXPECT_EQ(partsIn(b.drawing, Eye), partsIn(a.drawing, Eye) + 1);
    EXPECT_EQ(partsIn(b.drawing, Dark), partsIn(a.drawing, Dark) + 1);
}

TEST(FigureLook, ACaneHangsFromTheHandTowardTheFloor)
{
    Style s;
    s.weapon = Weapon::Cane;
    const Drawn d = draw(s);
    // Figure y grows downward; the feet stand at 0.
    EXPECT_GT(d.hot.tipN.y, d.hot.handN.y + 20.0f);
    EXPECT_LE(d.hot.tipN.y, 1.0f);
}
