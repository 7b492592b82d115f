// Walks a built stage script's steps without the stage loop, for tests that
// check a script's order: each step runs until it finishes, the walker doing
// what the player would (beating a watched wave, walking to a trigger).
#include "tests/support/script_walker.h"

#include "control/enemy_ai.h"
#include "fighter/fighter.h"
#include "screens/segment_builder.h"
#include "screens/stage_segments.h"

namespace testing_support
{
namespace
{
// The token of a step, and what the player does when it waits.
std::string tokenOf(beatEmUpSegment* s)
{
    if (auto* b = dynamic_cast<beatEmUpSegBoundaryChange*>(s))
        return "B" + std::to_string(b->minX) + "-" + std::to_string(b->maxX);
    if (auto* t = dynamic_cast<beatEmUpSegPosTrigger*>(s))
        return "T" + std::to_string(t->x);
    if (auto* a = dynamic_cast<beatEmUpSegActivateWave*>(s))
        return "A" + std::to_string(a->wave);
    if (auto* m = dynamic_cast<beatEmUpSegMonitorWave*>(s))
        return "M" + std::to_string(m->wave);
    if (auto* d = dynamic_cast<beatEmUpSegDeactivateWave*>(s))
        return "D" + std::to_string(d->wave);
    return "?";
}

void actOn(beatEmUpSegment* s, Fighter* player1)
{
    if (auto* t = dynamic_cast<beatEmUpSegPosTrigger*>(s))
    {
        if (player1)
            player1->x = t->x;
        return;
    }
    if (auto* m = dynamic_cast<beatEmUpSegMonitorWave*>(s))
    {
        for (int i = 0; m->enemies && i < m->enemyCount; ++i)
            if (m->enemies[i].waveId == m->wave && m->enemies[i].fighter)
                m->enemies[i].fighter->hp = 0;
    }
}
} // namespace

std::string walkScript(beatEmUpSegmentBuilder& builder)
{
    std::string out;
    for (int i = 0; i < builder.numSegments; ++i)
    {
        beatEmUpSegment* s = builder.segments[i];
        if (!out.empty())
            out += ' ';
        out += tokenOf(s);
        s->update();
        if (!s->getFinished())
        {
            actOn(s, builder.player1);
            s->update();
        }
        if (!s->getFinished())
            return out + "!";
    }
    return out;
}
} // namespace testing_support
