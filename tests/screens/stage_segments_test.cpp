// The stage's steps one by one: what each kind's update changes, what its
// draw shows and when it reports finished, over a small wave of enemies, the
// player and the camera.
#include "control/enemy_ai.h"
#include "engine/camera.h"
#include "engine/clock.h"
#include "fighter/fighter.h"
#include "screens/stage_segments.h"
#include "tests/screens/stage_fixture.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>

using namespace testing_support;

namespace
{
// Three enemies, 0 and 1 in wave 0 and 2 in wave 1, asleep and beaten; the
// player at 300 between walls 0..1200; a second fighter; a camera.
struct Field
{
    explicit Field(SDL_Surface* s) : screen(s), fx(s)
    {
        player = std::make_unique<FighterRig>("data/characters/Red/chardata", s, 300);
        second = std::make_unique<FighterRig>("data/characters/Blue/chardata", s, 500);
        aim.setTarget(&player->fighter());
        for (int i = 0; i < 3; ++i)
        {
            grunts[i] = std::make_unique<FighterRig>("data/characters/Grunt/chardata", s, 600 + 100 * i);
            AIBeatEmUp& e = enemies[i];
            e.init(s);
            e.setup(&grunts[i]->fighter(), &fx.kinds, &grunts[i]->particles, &grunts[i]->sounds,
                    grunts[i]->anims(), grunts[i]->moves(), &aim, "data/characters/Grunt/ai");
            e.waveId = i < 2 ? 0 : 1;
            e.fighter->setHP(0, 40);
        }
        for (Fighter* f : {&player->fighter(), &second->fighter(), &foe(0)})
        {
            f->leftBound = 0;
            f->rightBound = 1200;
        }
        cam.setCameraMinPos(0, 0);
        cam.setCameraMaxPos(1200, 1200);
    }

    Fighter& p() { return player->fighter(); }
    Fighter& foe(int i) { return grunts[i]->fighter(); }

    SDL_Surface* screen;
    FightEffects fx;
    std::unique_ptr<FighterRig> player;
    std::unique_ptr<FighterRig> second;
    std::unique_ptr<FighterRig> grunts[3];
    Target aim;
    AIBeatEmUp enemies[3];
    camera cam;
};

enum class Arrow
{
    none,
    right,
    left
};

struct SegmentCase
{
    const char* name;
    std::function<void(Field&)> arrange;
    std::function<beatEmUpSegment*(Field&)> make;
    bool finished;
    Arrow arrow;
    std::function<void(Field&)> check;
};

std::function<beatEmUpSegment*(Field&)> trigger(int x)
{
    return [x](Field& f) { return new beatEmUpSegPosTrigger(&f.p(), x, f.screen); };
}
std::function<void(Field&)> playerAt(int x)
{
    return [x](Field& f) { f.p().x = x; };
}
void nothing(Field&) {}

class StageSegmentTest : public ::testing::Test
{
protected:
    StageSegmentTest()
    {
        writeStageData();
        setTestClock(50000);
    }

    GlobalsGuard globals;
    ScratchDir dir;
    SDL_Surface* screen = openTestVideo();
};
} // namespace

TEST_F(StageSegmentTest, EachKindUpdatesDrawsAndFinishes)
{
    auto downs = [](std::vector<int> hp)
    {
        return [hp](Field& f)
        {
            for (int i = 0; i < 3; ++i)
                f.foe(i).hp = hp[i];
        };
    };
    const SegmentCase cases[] = {
        // Position triggers at 300: finished strictly within 20; the arrow points the way.
        {"trigger, player at x-20", playerAt(280), trigger(300), false, Arrow::right, nothing},
        {"trigger, player at x-19", playerAt(281), trigger(300), true, Arrow::right, nothing},
        {"trigger, player at x+19", playerAt(319), trigger(300), true, Arrow::left, nothing},
        {"trigger, player at x+20", playerAt(320), trigger(300), false, Arrow::left, nothing},
        {"trigger, player at x-1", playerAt(299), trigger(300), true, Arrow::right, nothing},
        {"trigger, player on x", playerAt(300), trigger(300), true, Arrow::none, nothing},
        {"trigger, player at x+1", playerAt(301), trigger(300), true, Arrow::left, nothing},
        {"trigger without a fighter", playerAt(300),
         [](Field& f) { return new beatEmUpSegPosTrigger(nullptr, 300, f.screen); }, false, Arrow::none,
         nothing},
        // Watching a wave.
        {"monitor, wave all down", downs({0, -5, 40}),
         [](Field& f) { return new beatEmUpSegMonitorWave(0, 3, f.enemies); }, true, Arrow::none, nothing},
        {"monitor, one of the wave standing", downs({0, 1, 0}),
         [](Field& f) { return new beatEmUpSegMonitorWave(0, 3, f.enemies); }, false, Arrow::none, nothing},
        {"monitor, a wave nobody is in", downs({40, 40, 40}),
         [](Field& f) { return new beatEmUpSegMonitorWave(7, 3, f.enemies); }, true, Arrow::none, nothing},
        {"monitor, count 0", downs({40, 40, 40}),
         [](Field& f) { return new beatEmUpSegMonitorWave(0, 0, f.enemies); }, true, Arrow::none, nothing},
        {"monitor, only the first of the array counted", downs({0, 40, 40}),
         [](Field& f) { return new beatEmUpSegMonitorWave(0, 1, f.enemies); }, true, Arrow::none, nothing},
        // Waking a wave: full health, awake, in its start pose, where it lies.
        {"activate wave 0", downs({0, 12, 0}),
         [](Field& f) { return new beatEmUpSegActivateWave(0, 3, f.enemies); }, true, Arrow::none,
         [](Field& f)
         {
             for (int i = 0; i < 2; ++i)
             {
                 EXPECT_EQ(f.foe(i).hp, 40) << i;
                 EXPECT_TRUE(f.enemies[i].active) << i;
                 EXPECT_EQ(f.foe(i).returnMoveName(), "pose1") << i;
                 EXPECT_EQ(f.foe(i).x, 600 + 100 * i) << i;
             }
             EXPECT_EQ(f.foe(2).hp, 0) << "wave 1 is left asleep";
             EXPECT_FALSE(f.enemies[2].active);
             EXPECT_EQ(f.p().x, 300);
         }},
        {"activate with count 0", downs({0, 0, 0}),
         [](Field& f) { return new beatEmUpSegActivateWave(0, 0, f.enemies); }, true, Arrow::none,
         [](Field& f)
         {
             EXPECT_EQ(f.foe(0).hp, 0);
             EXPECT_FALSE(f.enemies[0].active);
         }},
        // Putting a wave to sleep.
        {"deactivate wave 0",
         [](Field& f)
         {
             for (AIBeatEmUp& e : f.enemies)
                 e.active = true;
         },
         [](Field& f) { return new beatEmUpSegDeactivateWave(0, 3, f.enemies); }, true, Arrow::none,
         [](Field& f)
         {
             EXPECT_FALSE(f.enemies[0].active);
             EXPECT_FALSE(f.enemies[1].active);
             EXPECT_TRUE(f.enemies[2].active) << "another wave";
         }},
        {"deactivate with count -1", [](Field& f) { f.enemies[0].active = true; },
         [](Field& f) { return new beatEmUpSegDeactivateWave(0, -1, f.enemies); }, true, Arrow::none,
         [](Field& f) { EXPECT_TRUE(f.enemies[0].active); }},
        // Moving the walls.
        {"boundary change with both fighters and the camera", nothing,
         [](Field& f)
         { return new beatEmUpSegBoundaryChange(&f.p(), &f.second->fighter(), &f.cam, 100, 900); },
         true, Arrow::none,
         [](Field& f)
         {
             for (Fighter* x : {&f.p(), &f.second->fighter()})
             {
                 EXPECT_EQ(x->leftBound, 100);
                 EXPECT_EQ(x->rightBound, 900);
             }
             EXPECT_EQ(f.cam.minX, 100);
             EXPECT_EQ(f.cam.minY, 0);
             EXPECT_EQ(f.cam.maxX, 900);
             EXPECT_EQ(f.cam.maxY, 480);
             EXPECT_EQ(f.foe(0).rightBound, 1200) << "enemies keep theirs";
         }},
        {"boundary change with a null second fighter and camera", nothing,
         [](Field& f) { return new beatEmUpSegBoundaryChange(&f.p(), nullptr, nullptr, 100, 900); }, true,
         Arrow::none,
         [](Field& f)
         {
             EXPECT_EQ(f.p().leftBound, 100);
             EXPECT_EQ(f.p().rightBound, 900);
             EXPECT_EQ(f.second->fighter().rightBound, 1200);
             EXPECT_EQ(f.cam.maxX, 1200);
         }},
    };
    for (const SegmentCase& c : cases)
    {
        SCOPED_TRACE(c.name);
        Field field(screen);
        c.arrange(field);
        std::unique_ptr<beatEmUpSegment> segment(c.make(field));
        EXPECT_FALSE(segment->getFinished()) << "a new step waits for its first update";
        segment->update();
        EXPECT_EQ(segment->getFinished(), c.finished);
        SDL_FillRect(screen, nullptr, 0);
        segment->draw();
        EXPECT_EQ(shows(screen, 535, 95, kGoRightColour), c.arrow == Arrow::right);
        EXPECT_EQ(shows(screen, 535, 95, kGoLeftColour), c.arrow == Arrow::left);
        EXPECT_TRUE(shows(screen, 529, 88, Colour{0, 0, 0})) << "the arrow's corner is (530, 89)";
        c.check(field);
    }
}

// A watched wave finishes on the frame its last enemy goes down; a trigger
// stays finished when the player walks away again.
TEST_F(StageSegmentTest, StepsStayFinished)
{
    Field field(screen);
    for (int i = 0; i < 2; ++i)
        field.foe(i).hp = 40;
    beatEmUpSegMonitorWave watch(0, 3, field.enemies);
    watch.update();
    field.foe(0).hp = 0;
    watch.update();
    EXPECT_FALSE(watch.getFinished());
    field.foe(1).hp = 0;
    watch.update();
    EXPECT_TRUE(watch.getFinished());

    beatEmUpSegPosTrigger trigger(&field.p(), 300, screen);
    field.p().x = 310;
    trigger.update();
    field.p().x = 0;
    trigger.update();
    EXPECT_TRUE(trigger.getFinished());
}
