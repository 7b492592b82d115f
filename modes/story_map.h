// The level-select map's nodes: where they stand, what links them, and which
// of them the story's progress has opened.
#pragma once

#include <array>

constexpr int kMapNodeCount = 24;

struct MapNode
{
    const char* name;
    // The step of the story's progress the node belongs to.
    int levelIndex;
    // Top-left corner of the node's icon on the map picture.
    int x;
    int y;
    // Nodes reached by moving up, down, left and right; -1 for none.
    int up;
    int down;
    int left;
    int right;
};

extern const std::array<MapNode, kMapNodeCount> kMapNodes;

using MapLocks = std::array<bool, kMapNodeCount>;

// A node opens once the progress has passed its level index: unlocked when
// levelIndex <= progress - 1. A new save (progress 0) opens none.
bool isNodeLocked(int levelIndex, int progress);
MapLocks mapLocks(int progress);

// The node linked from `node` in direction 'U', 'D', 'L' or 'R'; -1 when there
// is no link, the direction is none of those or `node` is not on the map.
int mapLink(int node, char direction);

// Where the cursor goes from `node` in `direction`: along the link when it
// leads to an unlocked node, otherwise it stays on `node`.
int moveOnMap(int node, char direction, const MapLocks& locks);
