// The overlap test of two boxes: touching edges and corners, crossings, lines,
// points and boxes written the wrong way round.
#include "fighter/collision.h"

#include <gtest/gtest.h>
#include <vector>

namespace
{
colBox box(int x1, int y1, int x2, int y2)
{
    colBox b;
    b.x1 = x1;
    b.y1 = y1;
    b.x2 = x2;
    b.y2 = y2;
    return b;
}

bool collide(colBox a, colBox b)
{
    return SquareCollider(a, b).collisionCheck();
}

// Two boxes whose edges belong to them overlap when they overlap on both axes.
bool plainOverlap(colBox a, colBox b)
{
    return a.x1 <= b.x2 && b.x1 <= a.x2 && a.y1 <= b.y2 && b.y1 <= a.y2;
}

struct BoxPair
{
    const char* what;
    colBox a;
    colBox b;
    bool hit;
};

const colBox kSquare = box(0, 0, 10, 10);

const BoxPair kWellFormed[] = {
    {"sharing the right edge", kSquare, box(10, 0, 20, 10), true},
    {"sharing the bottom edge", kSquare, box(0, 10, 10, 20), true},
    {"sharing a corner only", kSquare, box(10, 10, 20, 20), true},
    {"sharing the bottom-left corner only", kSquare, box(-10, 10, 0, 20), true},
    {"one pixel apart on x", kSquare, box(11, 0, 20, 10), false},
    {"one pixel apart on y", kSquare, box(0, 11, 10, 20), false},
    {"one pixel apart diagonally", kSquare, box(11, 11, 20, 20), false},
    {"overlapping corners", kSquare, box(5, 5, 15, 15), true},
    {"inside", kSquare, box(3, 3, 6, 6), true},
    {"around", box(3, 3, 6, 6), kSquare, true},
    {"equal", kSquare, kSquare, true},
    {"a tall narrow box crossing a wide flat one", box(4, -5, 6, 15), box(-5, 4, 15, 6), true},
    {"a vertical line through a box", box(5, -10, 5, 20), kSquare, true},
    {"a horizontal line through a box", box(-10, 5, 20, 5), kSquare, true},
    {"a vertical line crossing a horizontal line", box(5, -10, 5, 20), box(-10, 5, 20, 5), true},
    {"a vertical line beside a box", box(11, -10, 11, 20), kSquare, false},
    {"a vertical line along the box's edge", box(10, -10, 10, 20), kSquare, true},
    {"a point inside", box(5, 5, 5, 5), kSquare, true},
    {"a point on an edge", box(10, 4, 10, 4), kSquare, true},
    {"a point on a corner", box(0, 0, 0, 0), kSquare, true},
    {"a point outside", box(11, 5, 11, 5), kSquare, false},
    {"two equal points", box(7, 7, 7, 7), box(7, 7, 7, 7), true},
    {"two different points", box(7, 7, 7, 7), box(7, 8, 7, 8), false},
    {"far apart in negative coordinates", box(-300, -300, -200, -200), kSquare, false},
};

TEST(BoxCollision, TouchingOverlappingAndApart)
{
    for (const BoxPair& c : kWellFormed)
    {
        EXPECT_EQ(collide(c.a, c.b), c.hit) << c.what;
        EXPECT_EQ(collide(c.b, c.a), c.hit) << c.what << " (order swapped)";
    }
}

// Boxes written with x1 > x2 or y1 > y2 hold no point; their corners can still
// lie in the other box and their edges can still cross its edges.
const BoxPair kMalformed[] = {
    {"reversed on x, stretched across the square", kSquare, box(20, 2, -10, 8), true},
    {"reversed on y, stretched across the square", kSquare, box(2, 20, 8, -10), true},
    {"reversed on both, around the square", kSquare, box(20, 20, -10, -10), false},
    {"reversed on x, a corner inside the square", kSquare, box(8, 2, 3, 30), true},
    {"reversed on x, beside the square", kSquare, box(30, 2, 15, 8), false},
    {"reversed on x, covering the square without any edge reaching it", kSquare, box(30, -10, -20, 20),
     false},
    {"both reversed and equal", box(10, 10, 0, 0), box(10, 10, 0, 0), true},
};

TEST(BoxCollision, ReversedBoxesOnlyMeetThroughCornersAndEdges)
{
    for (const BoxPair& c : kMalformed)
    {
        EXPECT_EQ(collide(c.a, c.b), c.hit) << c.what;
        EXPECT_EQ(collide(c.b, c.a), c.hit) << c.what << " (order swapped)";
    }
}

TEST(BoxCollision, ReversedBoxStretchedAcrossCollidesWhereAPlainOverlapTestWouldNot)
{
    const colBox across = box(20, 2, -10, 8);
    EXPECT_FALSE(plainOverlap(kSquare, across));
    EXPECT_FALSE(SquareCollider::indiCollide(kSquare, across));
    EXPECT_FALSE(SquareCollider::indiCollide(across, kSquare));
    EXPECT_TRUE(SquareCollider::lineIntersection(kSquare, across));
    EXPECT_TRUE(collide(kSquare, across));
}

// Every box with corners in a small grid, against every other: the corner and
// edge tests together answer exactly the plain overlap test for well-formed
// boxes, and never depend on the order for any boxes.
TEST(BoxCollision, AgreesWithPlainOverlapOnEveryWellFormedPairInAGrid)
{
    std::vector<colBox> wellFormed;
    std::vector<colBox> any;
    for (int x1 = 0; x1 <= 4; ++x1)
        for (int x2 = 0; x2 <= 4; ++x2)
            for (int y1 = 0; y1 <= 4; ++y1)
                for (int y2 = 0; y2 <= 4; ++y2)
                {
                    any.push_back(box(x1, y1, x2, y2));
                    if (x1 <= x2 && y1 <= y2)
                        wellFormed.push_back(box(x1, y1, x2, y2));
                }
    int mismatches = 0;
    for (const colBox& a : wellFormed)
        for (const colBox& b : wellFormed)
            if (collide(a, b) != plainOverlap(a, b) && ++mismatches <= 5)
                ADD_FAILURE() << "(" << a.x1 << "," << a.y1 << "," << a.x2 << "," << a.y2 << ") against ("
                              << b.x1 << "," << b.y1 << "," << b.x2 << "," << b.y2 << ")";
    EXPECT_EQ(mismatches, 0);

    int asymmetric = 0;
    for (const colBox& a : any)
        for (const colBox& b : any)
            if (collide(a, b) != collide(b, a))
                ++asymmetric;
    EXPECT_EQ(asymmetric, 0);
}

TEST(BoxCollision, ReplacedBoxesAreTheOnesTested)
{
    SquareCollider c(kSquare, box(50, 50, 60, 60));
    EXPECT_FALSE(c.collisionCheck());
    c.updateSquares(kSquare, box(10, 10, 20, 20));
    EXPECT_TRUE(c.collisionCheck());
}

TEST(BoxCollision, PointInBoxIncludesItsEdges)
{
    EXPECT_TRUE(SquareCollider::pointCollide(kSquare, 0, 0));
    EXPECT_TRUE(SquareCollider::pointCollide(kSquare, 10, 10));
    EXPECT_FALSE(SquareCollider::pointCollide(kSquare, 11, 10));
    EXPECT_FALSE(SquareCollider::pointCollide(kSquare, 5, -1));
    EXPECT_FALSE(SquareCollider::pointCollide(box(10, 0, 0, 10), 5, 5));
}

struct Segments
{
    const char* what;
    float p[8];
    bool cross;
    float ix, iy;
};

const Segments kSegments[] = {
    {"an X", {0, 0, 10, 10, 0, 10, 10, 0}, true, 5, 5},
    {"a plus", {5, -5, 5, 5, 0, 0, 10, 0}, true, 5, 0},
    {"touching at an end", {0, 0, 10, 0, 10, 0, 10, 10}, true, 10, 0},
    {"short of each other", {0, 0, 4, 4, 0, 10, 10, 9}, false, 0, 0},
    {"parallel", {0, 0, 10, 0, 0, 1, 10, 1}, false, 0, 0},
    {"lying on one line, overlapping", {0, 0, 10, 0, 5, 0, 15, 0}, false, 0, 0},
    {"one of zero length on the other", {5, 0, 5, 0, 0, 0, 10, 0}, false, 0, 0},
};

TEST(BoxCollision, SegmentCrossingsAndTheirPoint)
{
    for (const Segments& s : kSegments)
    {
        float ix = -1, iy = -1;
        const float* p = s.p;
        EXPECT_EQ(
            SquareCollider::get_line_intersection(p[0], p[1], p[2], p[3], p[4], p[5], p[6], p[7], &ix, &iy),
            s.cross)
            << s.what;
        if (s.cross)
        {
            EXPECT_FLOAT_EQ(ix, s.ix) << s.what;
            EXPECT_FLOAT_EQ(iy, s.iy) << s.what;
        }
        else
        {
            EXPECT_EQ(ix, -1) << s.what << ": the point is left alone";
            EXPECT_EQ(iy, -1) << s.what << ": the point is left alone";
        }
        EXPECT_EQ(SquareCollider::get_line_intersection(p[0], p[1], p[2], p[3], p[4], p[5], p[6], p[7],
                                                        nullptr, nullptr),
                  s.cross)
            << s.what << " without a point to write";
    }
}

TEST(BoxCollision, EdgeTestsFindThePlusSignCrossingInEitherOrder)
{
    const colBox tall = box(4, -5, 6, 15);
    const colBox wide = box(-5, 4, 15, 6);
    EXPECT_FALSE(SquareCollider::indiCollide(tall, wide));
    EXPECT_FALSE(SquareCollider::indiCollide(wide, tall));
    // Only the tall box's vertical edges cross the wide box's horizontal ones.
    EXPECT_TRUE(SquareCollider::linesVertHoriIntersect(tall, wide));
    EXPECT_FALSE(SquareCollider::linesVertHoriIntersect(wide, tall));
    EXPECT_TRUE(SquareCollider::lineIntersection(tall, wide));
    EXPECT_TRUE(SquareCollider::lineIntersection(wide, tall));
}
} // namespace
