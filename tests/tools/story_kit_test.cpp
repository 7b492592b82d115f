// The story picture kit's hooks: a pose changed before a figure is drawn, a
// figure drawn from a look outside the roster, and something painted over a
// stage's sky but behind its scenery.
#include "content/story_kit.h"

#include "content/story.h"

#include <gtest/gtest.h>

namespace
{
using namespace datagen;

TEST(StoryKit, ReposeChangesTheFigureBeforeItIsDrawn)
{
    story::Pose plain{"Nick"};
    plain.unarmed = true;
    story::Pose raised = plain;
    // An arm straight up: the fist stands well above the head.
    raised.repose = [](roster::Pose& q) { q.armN = {180.0f, 0.0f}; };
    const Canvas a = story::figure(plain), b = story::figure(raised);
    ASSERT_GT(a.height(), 0);
    EXPECT_GT(b.height(), a.height() + 15) << a.height() << " standing";
    EXPECT_EQ(story::figure(plain).height(), a.height()) << "the hook of one pose leaves the next alone";
}

TEST(StoryKit, ALookOfItsOwnDrawsSomeoneOutsideTheRoster)
{
    story::Pose toulon{"Toulon"};
    EXPECT_EQ(story::figure(toulon).height(), 0) << "not in the roster";
    toulon.look = &story::toulonLook();
    const Canvas drawn = story::figure(toulon);
    EXPECT_GT(drawn.height(), 0);
    // The look, not the name, decides what is drawn: Nick's name over Toulon's look wears the top hat.
    story::Pose nick{"Nick"};
    nick.unarmed = true;
    story::Pose dressed = nick;
    dressed.look = toulon.look;
    dressed.unarmed = true;
    EXPECT_GT(story::figure(dressed).height(), story::figure(nick).height() + 15);
}

TEST(StoryKit, OverSkyPaintsBehindTheSceneryAndOverTheSky)
{
    // A blue sky, and a street layer whose lower half is red and upper half clear.
    Layer sky;
    sky.scrolls = false;
    sky.paint = [](stage::View& v, int) { v.c.fill(solid(hex(0x0000ff))); };
    Layer street;
    street.paint = [](stage::View& v, int)
    {
        Mask lower(v.c.width(), v.c.height());
        lower.rect(0, 240, static_cast<float>(v.c.width()), 480);
        v.c.fill(lower, solid(hex(0xff0000)));
    };
    const Stage s{"test", {sky, street}};
    auto rgb = [](const Canvas& c, int x, int y)
    {
        const Colour p = c.at(x, y);
        return std::tuple{p.r > 0.5f, p.g > 0.5f, p.b > 0.5f};
    };
    const Canvas plain = story::place(s, 0.0f);
    EXPECT_EQ(rgb(plain, 320, 100), std::tuple(false, false, true));
    const Canvas far = story::place(s, 0.0f, [](Canvas& c) { c.fill(solid(hex(0x00ff00))); });
    EXPECT_EQ(rgb(far, 320, 100), std::tuple(false, true, false)) << "over the sky";
    EXPECT_EQ(rgb(far, 320, 400), std::tuple(true, false, false)) << "behind the street";
}
} // namespace
