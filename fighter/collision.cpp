// The overlap test of two boxes, edges included.
#include "fighter/collision.h"

#include <iostream>

SquareCollider::SquareCollider(colBox a, colBox b) : sq1(a), sq2(b)
{
}

void SquareCollider::updateSquares(colBox a, colBox b)
{
    sq1 = a;
    sq2 = b;
}

bool SquareCollider::pointCollide(colBox box, int x, int y)
{
    return box.x1 <= x && x <= box.x2 && box.y1 <= y && y <= box.y2;
}

bool SquareCollider::indiCollide(colBox a, colBox b)
{
    return pointCollide(a, b.x1, b.y1) || pointCollide(a, b.x2, b.y1) || pointCollide(a, b.x2, b.y2) ||
           pointCollide(a, b.x1, b.y2);
}

bool SquareCollider::get_line_intersection(float p0x, float p0y, float p1x, float p1y, float p2x, float p2y,
                                           float p3x, float p3y, float* ix, float* iy)
{
    const float s1x = p1x - p0x;
    const float s1y = p1y - p0y;
    const float s2x = p3x - p2x;
    const float s2y = p3y - p2y;
    const float d = -s2x * s1y + s1x * s2y;
    // Parallel or empty segments give an infinite or undefined quotient,
    // which fails the range tests below.
    const float s = (-s1y * (p0x - p2x) + s1x * (p0y - p2y)) / d;
    const float t = (s2x * (p0y - p2y) - s2y * (p0x - p2x)) / d;
    if (s >= 0 && s <= 1 && t >= 0 && t <= 1)
    {
        if (ix)
            *ix = p0x + t * s1x;
        if (iy)
            *iy = p0y + t * s1y;
        return true;
    }
    return false;
}

namespace
{
// A vertical edge at x from y1 to y2 against a horizontal edge at y from x1 to x2.
bool edgesCross(int ex, int ey1, int ey2, int hy, int hx1, int hx2)
{
    return SquareCollider::get_line_intersection(static_cast<float>(ex), static_cast<float>(ey1),
                                                 static_cast<float>(ex), static_cast<float>(ey2),
                                                 static_cast<float>(hx1), static_cast<float>(hy),
                                                 static_cast<float>(hx2), static_cast<float>(hy), nullptr, nullptr);
}
} // namespace

bool SquareCollider::linesVertHoriIntersect(colBox a, colBox b)
{
    return edgesCross(a.x1, a.y1, a.y2, b.y1, b.x1, b.x2) || edgesCross(a.x1, a.y1, a.y2, b.y2, b.x1, b.x2) ||
           edgesCross(a.x2, a.y1, a.y2, b.y1, b.x1, b.x2) || edgesCross(a.x2, a.y1, a.y2, b.y2, b.x1, b.x2);
}

bool SquareCollider::lineIntersection(colBox a, colBox b)
{
    return linesVertHoriIntersect(a, b) || linesVertHoriIntersect(b, a);
}

bool SquareCollider::collisionCheck() const
{
    auto none = [](const colBox& b)
    { return b.x1 == kNoBox.x1 && b.y1 == kNoBox.y1 && b.x2 == kNoBox.x2 && b.y2 == kNoBox.y2; };
    if (none(sq1) || none(sq2))
        return false;
    return indiCollide(sq1, sq2) || indiCollide(sq2, sq1) || lineIntersection(sq1, sq2);
}

void SquareCollider::displayBoxes() const
{
    std::cout << "sq1: " << sq1.x1 << " " << sq1.y1 << " " << sq1.x2 << " " << sq1.y2 << std::endl;
    std::cout << "sq2: " << sq2.x1 << " " << sq2.y1 << " " << sq2.x2 << " " << sq2.y2 << std::endl;
}
