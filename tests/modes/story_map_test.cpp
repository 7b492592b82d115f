// The map's rules without its screen: which nodes each progress opens, that
// every link can be walked back, and that refused moves leave the cursor.
#include "modes/story_map.h"

#include <climits>
#include <gtest/gtest.h>
#include <set>

namespace
{
std::set<int> unlockedNodes(int progress)
{
    const MapLocks locks = mapLocks(progress);
    std::set<int> open;
    for (int i = 0; i < kMapNodeCount; ++i)
        if (!locks[static_cast<std::size_t>(i)])
            open.insert(i);
    return open;
}

std::set<int> allNodes()
{
    std::set<int> all;
    for (int i = 0; i < kMapNodeCount; ++i)
        all.insert(i);
    return all;
}

TEST(StoryMapTest, ProgressOpensTheNodesOfTheLevelsBeforeIt)
{
    struct Case
    {
        int progress;
        std::set<int> open;
    };
    const Case cases[] = {
        {INT_MIN, {}},
        {-1, {}},
        {0, {}},
        {1, {0}},
        {2, {0, 1}},
        {3, {0, 1, 2}},
        {4, {0, 1, 2, 3, 4, 5, 6}},
        {8, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}},
        {18, allNodes()},
        {INT_MAX, allNodes()},
    };
    for (const Case& c : cases)
        EXPECT_EQ(unlockedNodes(c.progress), c.open) << "progress " << c.progress;
}

TEST(StoryMapTest, EveryLinkLeadsBackAndTheLinksFormOnePathWithSideNodes)
{
    const struct
    {
        char way;
        char back;
    } pairs[] = {{'U', 'D'}, {'D', 'U'}, {'L', 'R'}, {'R', 'L'}};
    int links = 0;
    for (int node = 0; node < kMapNodeCount; ++node)
        for (const auto& p : pairs)
        {
            const int next = mapLink(node, p.way);
            if (next < 0)
                continue;
            ++links;
            ASSERT_LT(next, kMapNodeCount);
            EXPECT_EQ(mapLink(next, p.back), node) << node << " " << p.way << " -> " << next;
        }
    // A tree over 24 nodes: 23 links, each counted from both ends.
    EXPECT_EQ(links, 2 * (kMapNodeCount - 1));

    // Node 10 is the crossing with four ways out.
    EXPECT_EQ(mapLink(10, 'U'), 13);
    EXPECT_EQ(mapLink(10, 'D'), 9);
    EXPECT_EQ(mapLink(10, 'L'), 11);
    EXPECT_EQ(mapLink(10, 'R'), 12);
}

TEST(StoryMapTest, MovesStopAtLockedNodesMissingLinksAndUnknownDirections)
{
    const MapLocks progress2 = mapLocks(2);
    const MapLocks all = mapLocks(18);
    struct Case
    {
        int from;
        char way;
        const MapLocks& locks;
        int to;
    };
    const Case cases[] = {
        {0, 'R', progress2, 1}, // open neighbour
        {1, 'R', progress2, 1}, // node 2 opens only at progress 3
        {0, 'U', all, 0},       // no link
        {0, 'L', all, 0},       // no link at the start of the path
        {2, 'x', all, 2},       // not a direction
        {2, 'u', all, 2},       // directions are upper case
        {2, 'U', all, 4},       // side node above
        {15, 'D', all, 16},     // side node below
        {23, 'R', all, 23},     // end of the path
        {24, 'L', all, 24},     // not on the map: stays
        {-1, 'R', all, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(moveOnMap(c.from, c.way, c.locks), c.to) << c.from << " " << c.way;

    // A new save opens nothing, so the cursor on node 0 cannot move at all.
    const MapLocks fresh = mapLocks(0);
    for (char way : {'U', 'D', 'L', 'R'})
        EXPECT_EQ(moveOnMap(0, way, fresh), 0);
}
} // namespace
