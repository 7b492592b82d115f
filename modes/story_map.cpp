// The level-select map's nodes: where they stand, what links them, and which
// of them the story's progress has opened.
#include "modes/story_map.h"

const std::array<MapNode, kMapNodeCount> kMapNodes = {{
    {"1.0 Into the Streets", 0, 42, 242, -1, -1, -1, 1},
    {"1.1 The Impaler", 1, 81, 242, -1, -1, 0, 2},
    {"2.0 Dual Wielding", 2, 132, 242, 4, 5, 1, 3},
    {"2.1 Rivalry Begins", 3, 181, 242, -1, 6, 2, 7},
    {"Shops", 3, 132, 214, -1, 2, -1, -1},
    {"Weapon Select", 3, 132, 310, 2, -1, -1, -1},
    {"Ally Select", 3, 181, 310, 3, -1, -1, -1},
    {"3.0 Gassy Job", 4, 226, 242, -1, 8, 3, -1},
    {"3.1 Man in the Iron Mask", 5, 226, 310, 7, -1, -1, 9},
    {"4.0 Long Street", 6, 361, 310, 10, -1, 8, -1},
    {"4.1 Double Dragon", 7, 361, 275, 13, 9, 11, 12},
    {"Shops", 7, 321, 275, -1, -1, -1, 10},
    {"Ally Select", 7, 385, 275, -1, -1, 10, -1},
    {"5.0 The Elevator", 8, 361, 213, 14, 10, -1, -1},
    {"5.1 The Rich and the Damned", 9, 361, 160, -1, 13, -1, 15},
    {"6.0 Join the Navy", 10, 418, 160, -1, 16, 14, 17},
    {"Weapon Select", 11, 418, 192, 15, -1, -1, -1},
    {"The Better Man", 11, 470, 160, -1, -1, 15, 18},
    {"Wing and a Prayer", 12, 550, 160, 19, -1, 17, -1},
    {"The Bigger They Are", 13, 550, 86, -1, 18, 20, -1},
    {"Hell and Back", 14, 286, 86, -1, -1, 21, 19},
    {"That's Johnny Blade", 15, 228, 86, -1, 22, -1, 20},
    {"Final Run", 16, 228, 160, 21, -1, -1, 23},
    {"Knockin' on Heaven's Door", 17, 294, 160, -1, -1, 22, -1},
}};

bool isNodeLocked(int levelIndex, int progress)
{
    // Widened so that the lowest progress a file can hold does not wrap.
    return static_cast<long long>(progress) - 1 < levelIndex;
}

MapLocks mapLocks(int progress)
{
    MapLocks locks{};
    for (int i = 0; i < kMapNodeCount; ++i)
        locks[static_cast<std::size_t>(i)] =
            isNodeLocked(kMapNodes[static_cast<std::size_t>(i)].levelIndex, progress);
    return locks;
}

int mapLink(int node, char direction)
{
    if (node < 0 || node >= kMapNodeCount)
        return -1;
    const MapNode& n = kMapNodes[static_cast<std::size_t>(node)];
    switch (direction)
    {
    case 'U':
        return n.up;
    case 'D':
        return n.down;
    case 'L':
        return n.left;
    case 'R':
        return n.right;
    default:
        return -1;
    }
}

int moveOnMap(int node, char direction, const MapLocks& locks)
{
    const int next = mapLink(node, direction);
    if (next < 0 || locks[static_cast<std::size_t>(next)])
        return node;
    return next;
}
