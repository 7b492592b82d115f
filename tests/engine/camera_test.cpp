// The camera's limits and shake, and the controllers that follow fighters.
#include "engine/camera.h"
#include "engine/globals.h"
#include "fighter/fighter.h"

#include <gtest/gtest.h>

namespace
{
class CameraTest : public ::testing::Test
{
protected:
    void TearDown() override { shakeAmt = shakeDir = shakeSize = 0; }
};

TEST_F(CameraTest, ShakeOffsetsByDirection)
{
    const int dx[] = {0, -4, -4, -4, 0, 4, 4, 4, 0};
    const int dy[] = {4, 4, 0, -4, -4, -4, 0, 4, 0};
    for (int dir = 0; dir <= 8; ++dir)
    {
        camera cam;
        cam.setPosition(100, 50);
        shakeAmt = 1;
        shakeSize = 4;
        shakeDir = dir;
        EXPECT_EQ(cam.getX(), 100 + dx[dir]) << "direction " << dir;
        EXPECT_EQ(cam.getY(), 50 + dy[dir]) << "direction " << dir;
    }
    shakeAmt = 0;
    camera still;
    EXPECT_EQ(still.getX(), 0);
}

TEST_F(CameraTest, ControllersCountTheShakeDownToZero)
{
    camera cam;
    cam.setCameraMaxPos(2000, 480);
    Fighter f;
    f.x = 1000;
    camCOneFigh follow(&cam, &f);
    shakeAmt = 3;
    shakeDir = 5;
    shakeSize = 4;
    for (int i = 0; i < 3; ++i)
    {
        EXPECT_EQ(cam.getY(), -4) << "update " << i;
        follow.update();
        EXPECT_EQ(cam.x, 680);
    }
    EXPECT_EQ(shakeAmt, 0);
    EXPECT_EQ(cam.getX(), 680);
    EXPECT_EQ(cam.getY(), 0);
    follow.update();
    EXPECT_EQ(shakeAmt, 0) << "never below zero";
}

TEST_F(CameraTest, AdjustPositionClampsNearThenFar)
{
    struct Case
    {
        int minX, maxX, x, y, wantX, wantY;
    };
    const Case cases[] = {
        {0, 800, -5, 0, 0, 0},
        {0, 800, 200, 0, 160, 0},
        {0, 800, 100, 10, 100, 0},
        // Limits narrower than the view: the far limit wins.
        {300, 800, 0, 0, 160, 0},
    };
    for (const Case& c : cases)
    {
        camera cam;
        cam.setCameraMinPos(c.minX, 0);
        cam.setCameraMaxPos(c.maxX, 480);
        cam.setPosition(c.x, c.y);
        cam.adjustPosition();
        EXPECT_EQ(cam.x, c.wantX) << c.minX << ".." << c.maxX << " from " << c.x;
        EXPECT_EQ(cam.y, c.wantY);
    }
}

TEST_F(CameraTest, TwoFighterViewHoldsThenSlidesAPixelAnUpdate)
{
    camera cam;
    cam.setCameraMaxPos(1600, 480);
    cam.setX(80);
    Fighter a, b;
    a.x = 100;
    b.x = 700;
    camCTwoFighs ctl(&cam, &a, &b);
    ctl.update();
    EXPECT_EQ(cam.x, 80) << "fighters on both sides of the centre band: the view stays";
    EXPECT_EQ(ctl.holdCount, 0);

    a.x = 300;
    b.x = 420;
    ctl.update();
    EXPECT_EQ(cam.x, 79);
    EXPECT_EQ(ctl.holdCount, 100);
    for (int i = 0; i < 60; ++i)
        ctl.update();
    EXPECT_EQ(cam.x, 40) << "stops at the midpoint less half the view";
    EXPECT_EQ(ctl.holdCount, 40);
}

TEST_F(CameraTest, OneFighterViewCentresAndClamps)
{
    camera cam;
    cam.setCameraMaxPos(1920, 480);
    Fighter f;
    f.x = 100;
    camCOneFigh follow(&cam, &f);
    follow.update();
    EXPECT_EQ(cam.x, 0);
    f.x = 1000;
    follow.update();
    EXPECT_EQ(cam.x, 680);
    f.x = 1900;
    follow.update();
    EXPECT_EQ(cam.x, 1280);

    camCOneFigh nobody(&cam, nullptr);
    nobody.update();
    EXPECT_EQ(cam.x, 1280);
}
} // namespace
