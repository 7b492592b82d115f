// The overlap test of two boxes, edges included.
#pragma once

#include "engine/sprite.h"

// The box of what has none (a target without a fighter, a fighter without a
// frame): far outside any field, and it collides with nothing, not even with
// another such box.
inline constexpr colBox kNoBox = {-100000, -100000, -100000, -100000};

class SquareCollider
{
public:
    SquareCollider(colBox sq1, colBox sq2);
    void updateSquares(colBox sq1, colBox sq2);
    // True when the boxes touch or overlap.
    bool collisionCheck() const;
    static bool pointCollide(colBox box, int x, int y);
    static bool indiCollide(colBox a, colBox b);
    static bool get_line_intersection(float p0x, float p0y, float p1x, float p1y, float p2x, float p2y, float p3x,
                                      float p3y, float* ix, float* iy);
    static bool linesVertHoriIntersect(colBox a, colBox b);
    static bool lineIntersection(colBox a, colBox b);
    void displayBoxes() const;

    colBox sq1;
    colBox sq2;
};
