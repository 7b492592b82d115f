// Particle kinds read from their list and description files, and the live
// particles of a fight: placement, motion, death, events and hits on fighters.
#include "engine/clock.h"
#include "engine/globals.h"
#include "fighter/fighter.h"
#include "fighter/particles.h"
#include "tests/support/character_fixture.h"

#include <climits>
#include <cstdio>
#include <gtest/gtest.h>

using namespace testing_support;

namespace
{
// A particle frame: a 40x80 picture, anchor (0, 0), body box (0, 0)-(9, 9).
InfoFrame partFrame(int xStep = 0, int yBoost = 0)
{
    InfoFrame f;
    f.image = "p.bmp";
    f.col[2] = f.col[3] = 9;
    f.xStep = xStep;
    f.yBoost = yBoost;
    return f;
}

ParticleKindSpec kind(const std::string& name, std::vector<InfoFrame> frames = {partFrame()})
{
    ParticleKindSpec k;
    k.name = name;
    k.frames = std::move(frames);
    return k;
}

class ParticleKindsTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_NE(openTestVideo(), nullptr); }

    ScratchDir dir;
    partInfoList kinds;
};

TEST_F(ParticleKindsTest, LoadsEveryKindOfTheListWithItsDescription)
{
    ParticleKindSpec spark = kind("spark", {partFrame(), partFrame()});
    spark.number = 7;
    spark.alpha = 128;
    spark.lifetime = 500;
    spark.gravity = 1;
    spark.extraFlag = 1;
    spark.dieAtLastFrame = 1;
    spark.events[OnDeath] = {"dust 1 2", "dust 3 -4"};
    spark.events[OnHitEnemy] = {"death true"};
    writeParticleKinds("default", "particle", {spark, kind("dust")});

    ASSERT_EQ(kinds.addList("default", screen), 1);
    const particleInfo* s = kinds.findParticle("spark");
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->number, 7);
    EXPECT_EQ(s->alpha, 128);
    EXPECT_EQ(s->lifetime, 500);
    EXPECT_TRUE(s->gravity);
    EXPECT_TRUE(s->extraFlag);
    EXPECT_TRUE(s->dieAtLastFrame);
    EXPECT_EQ(s->eventLists[OnDeath], (std::vector<std::string>{"dust 1 2", "dust 3 -4"}));
    EXPECT_EQ(s->eventCount[OnDeath], 2);
    EXPECT_EQ(s->eventLists[OnHitEnemy], (std::vector<std::string>{"death true"}));
    EXPECT_EQ(s->eventLists[OnHitPlayer], (std::vector<std::string>{"NULL"}));
    EXPECT_EQ(s->firstEntry(OnHitAlly), "NULL");
    ASSERT_NE(s->sheet, nullptr);
    ASSERT_EQ(s->sheet->frameCount(), 2);
    for (int i = 0; i < 2; ++i)
        for (const CSpriteFrame* f : {s->sheet->normalFrame(i), s->sheet->secondFrame(i)})
        {
            ASSERT_NE(f->image, nullptr);
            EXPECT_TRUE(f->image->flags & SDL_SRCALPHA);
            EXPECT_EQ(f->image->format->alpha, 128);
        }

    const particleInfo* d = kinds.findParticle("dust");
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->lifetime, 0);
    EXPECT_FALSE(d->gravity);
    for (const char* other : {"Spark", "spar", "sparks", ""})
        EXPECT_EQ(kinds.findParticle(other), nullptr) << other;
}

// The special move's backdrop is only ever added facing right: its frames are
// loaded once, with no mirror images; every other kind is mirrored.
TEST_F(ParticleKindsTest, OnlyTheSpecialBackdropIsLoadedWithoutMirrors)
{
    writeParticleKinds("default", "particle", {kind(kSpecialBackdropKind), kind("spark"), kind("specials")});
    ASSERT_EQ(kinds.addList("default", screen), 1);
    const struct
    {
        const char* name;
        bool mirrored;
    } cases[] = {{kSpecialBackdropKind, false}, {"spark", true}, {"specials", true}};
    for (const auto& c : cases)
    {
        const particleInfo* k = kinds.findParticle(c.name);
        ASSERT_NE(k, nullptr) << c.name;
        ASSERT_NE(k->sheet, nullptr) << c.name;
        EXPECT_EQ(k->sheet->mirror, c.mirrored) << c.name;
        EXPECT_EQ(k->sheet->normalFrame(0)->image == k->sheet->secondFrame(0)->image, !c.mirrored) << c.name;
    }
}

TEST_F(ParticleKindsTest, FlagsAreSetOnlyByOne)
{
    const std::pair<int, bool> values[] = {{1, true}, {0, false}, {2, false}, {-1, false}, {11, false}};
    std::vector<ParticleKindSpec> specs;
    for (const auto& v : values)
    {
        ParticleKindSpec k = kind("k" + std::to_string(specs.size()));
        k.gravity = k.extraFlag = k.dieAtLastFrame = v.first;
        specs.push_back(k);
    }
    writeParticleKinds("default", "particle", specs);
    kinds.addList("default", screen);
    for (std::size_t i = 0; i < specs.size(); ++i)
    {
        const particleInfo* k = kinds.findParticle(specs[i].name);
        ASSERT_NE(k, nullptr);
        EXPECT_EQ(k->gravity, values[i].second) << values[i].first;
        EXPECT_EQ(k->extraFlag, values[i].second) << values[i].first;
        EXPECT_EQ(k->dieAtLastFrame, values[i].second) << values[i].first;
    }
}

TEST_F(ParticleKindsTest, ListFilesWithoutKindsAndMissingListFiles)
{
    writeParticleKinds("default", "particle", {kind("spark")});
    ASSERT_EQ(kinds.addList("default", screen), 1);

    writeFile("data/none/particle", "PARTS: 0\n");
    EXPECT_EQ(kinds.addList("none", screen), 1);
    writeFile("data/odd/particle", "PARTS five\nspark 9\n");
    EXPECT_EQ(kinds.addList("odd", screen), 1);
    writeFile("data/negative/particle", "PARTS: -3\nspark 9\n");
    EXPECT_EQ(kinds.addList("negative", screen), 1);
    writeFile("data/short/particle", "PARTS: 40\n");
    EXPECT_EQ(kinds.addList("short", screen), 1);

    std::fflush(stdout);
    testing::internal::CaptureStdout();
    EXPECT_EQ(kinds.addList("nowhere", "face", screen), -1);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "ERROR opening file data/nowhere/face\n\n");

    const particleInfo* s = kinds.findParticle("spark");
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->number, 1) << "the first list's kind is still the one found";
}

TEST_F(ParticleKindsTest, LaterLinesAndLaterListsHideEarlierKinds)
{
    writeParticleKinds("default", "particle", {kind("spark"), kind("dust")});
    writeFile("data/default/particle", "PARTS: 3\nspark 1\ndust 2\nspark 3\n");
    ParticleKindSpec face = kind("spark");
    face.lifetime = 900;
    face.number = 4;
    writeParticleKinds("faces", "face", {face});

    kinds.addList("default", screen);
    ASSERT_NE(kinds.findParticle("spark"), nullptr);
    EXPECT_EQ(kinds.findParticle("spark")->number, 3);
    kinds.addList("faces", "face", screen);
    EXPECT_EQ(kinds.findParticle("spark")->number, 4);
    EXPECT_EQ(kinds.findParticle("spark")->lifetime, 900);
    ASSERT_NE(kinds.findParticle("dust"), nullptr);
    EXPECT_EQ(kinds.findParticle("dust")->number, 2);
}

struct Description
{
    const char* what;
    const char* text;
    int alpha;
    int lifetime;
    bool gravity;
    std::vector<std::vector<std::string>> lists; // OnDeath .. OnHitAlly
};

const Description kDescriptions[] = {
    {"one NULL entry a list",
     "200\n0\n0\n0\n0\n1\nNULL\n1\nNULL\n1\nNULL\n1\nNULL\n1\nNULL\n",
     200,
     0,
     false,
     {{"NULL"}, {"NULL"}, {"NULL"}, {"NULL"}, {"NULL"}}},
    {"a last line without a line end",
     "200\n0\n0\n0\n0\n1\nNULL\n1\nNULL\n1\nNULL\n1\nNULL\n1\nNULL",
     200,
     0,
     false,
     {{"NULL"}, {"NULL"}, {"NULL"}, {"NULL"}, {"NULL"}}},
    {"CRLF line ends",
     "90\r\n250\r\n1\r\n0\r\n0\r\n2\r\nspark 1 2\r\nNULL\r\n"
     "1\r\nNULL\r\n1\r\ndeath true\r\n1\r\nNULL\r\n1\r\nNULL\r\n",
     90,
     250,
     true,
     {{"spark 1 2", "NULL"}, {"NULL"}, {"death true"}, {"NULL"}, {"NULL"}}},
    {"NULL first, something after",
     "0\n0\n0\n0\n0\n2\nNULL\nspark 0 0\n0\n0\n0\n0\n",
     0,
     0,
     false,
     {{"NULL", "spark 0 0"}, {}, {}, {}, {}}},
    {"empty and negative counts read no line",
     "0\n0\n0\n0\n0\n0\n-2\n1\nspark 3 4\n-1\n1\ndust 0 0\n",
     0,
     0,
     false,
     {{}, {}, {"spark 3 4"}, {}, {"dust 0 0"}}},
    {"a count beyond the file's end",
     "0\n0\n0\n0\n0\n1\nNULL\n0\n99999999999\nspark 1 1\nspark 2 2",
     0,
     0,
     false,
     {{"NULL"}, {}, {"spark 1 1", "spark 2 2"}, {}, {}}},
    {"a file ending after the values", "30\n40\n1\n", 30, 40, true, {{}, {}, {}, {}, {}}},
    {"an empty file", "", 0, 0, false, {{}, {}, {}, {}, {}}},
};

TEST_F(ParticleKindsTest, DescriptionFilesAsWrittenByHand)
{
    for (const Description& d : kDescriptions)
    {
        partInfoList list;
        writeParticleKinds("default", "particle", {kind("k")});
        writeFile("data/default/k/particle", d.text);
        list.addList("default", screen);
        const particleInfo* k = list.findParticle("k");
        ASSERT_NE(k, nullptr) << d.what;
        EXPECT_EQ(k->alpha, d.alpha) << d.what;
        EXPECT_EQ(k->lifetime, d.lifetime) << d.what;
        EXPECT_EQ(k->gravity, d.gravity) << d.what;
        for (int i = 0; i < ParticleEventCount; ++i)
        {
            EXPECT_EQ(k->eventLists[i], d.lists[i]) << d.what << ", list " << i;
            EXPECT_EQ(k->eventCount[i], static_cast<int>(d.lists[i].size())) << d.what << ", list " << i;
            EXPECT_EQ(k->firstEntry(i), d.lists[i].empty() ? "NULL" : d.lists[i].front()) << d.what;
        }
    }
}

TEST_F(ParticleKindsTest, AKindWithoutDescriptionKeepsItsSheetAndNothingElse)
{
    const particleInfo fresh;
    EXPECT_EQ(fresh.sheet, nullptr);
    EXPECT_EQ(fresh.number + fresh.lifetime + fresh.alpha, 0);
    EXPECT_FALSE(fresh.gravity || fresh.extraFlag || fresh.dieAtLastFrame);
    for (int i = 0; i < ParticleEventCount; ++i)
    {
        EXPECT_EQ(fresh.eventCount[i], 0);
        EXPECT_EQ(fresh.firstEntry(i), "NULL");
    }

    writeParticleKinds("default", "particle", {kind("bare"), kind("lost")});
    std::remove("data/default/bare/particle");
    std::remove("data/default/lost/info");
    std::fflush(stdout);
    testing::internal::CaptureStdout();
    kinds.addList("default", screen);
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_NE(out.find("ERROR opening file data/default/bare/particle\n\n"), std::string::npos) << out;

    const particleInfo* bare = kinds.findParticle("bare");
    ASSERT_NE(bare, nullptr);
    ASSERT_NE(bare->sheet, nullptr);
    EXPECT_EQ(bare->sheet->frameCount(), 1);
    EXPECT_EQ(bare->lifetime, 0);
    EXPECT_EQ(bare->alpha, 0);
    EXPECT_FALSE(bare->gravity || bare->extraFlag || bare->dieAtLastFrame);
    for (int i = 0; i < ParticleEventCount; ++i)
    {
        EXPECT_EQ(bare->eventCount[i], 0);
        EXPECT_EQ(bare->firstEntry(i), "NULL");
    }

    const particleInfo* lost = kinds.findParticle("lost");
    ASSERT_NE(lost, nullptr) << "a kind whose pictures are missing stays in the list";
    EXPECT_EQ(lost->sheet->frameCount(), 0);
    EXPECT_EQ(lost->number, 1);
}

// The live particles of a list, read after updates.
class ParticleTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_NE(openTestVideo(), nullptr);
        setTestClock(1000);
        SDL_FillRect(screen, nullptr, 0);
    }
    void TearDown() override { releaseTestClock(); }

    void load(const std::vector<ParticleKindSpec>& specs)
    {
        writeParticleKinds("default", "particle", specs);
        ASSERT_EQ(kinds.addList("default", screen), 1);
    }

    // Adds a particle of `name` with its top-left corner at (x, y) (the test
    // kinds are anchored at their top-left corner).
    particle& add(particleList& to, const std::string& name, int x, int y, bool facing = true,
                  int spawn = 1000)
    {
        const int before = to.size();
        to.addParticleXY(name, facing, &kinds, screen, spawn, facing ? x : x + 40, y);
        EXPECT_EQ(to.size(), before + 1) << name;
        return to.parts.back();
    }

    // The picture names and top-left corners of a list's particles, in order.
    static std::vector<std::string> contents(const particleList& l)
    {
        std::vector<std::string> out;
        for (const particle& p : l.parts)
        {
            std::string name = p.info->sheet->name;
            name = name.substr(0, name.rfind(".bmp"));
            out.push_back(name + " " + std::to_string(p.sprite.x) + " " + std::to_string(p.sprite.y) +
                          (p.dead ? " dead" : ""));
        }
        return out;
    }

    ScratchDir dir;
    partInfoList kinds;
    particleList list;
};

// Each kind gets its own picture name so a list's contents show its kinds.
InfoFrame namedFrame(const std::string& picture, int xStep = 0, int yBoost = 0)
{
    InfoFrame f = partFrame(xStep, yBoost);
    f.image = picture + ".bmp";
    return f;
}

TEST_F(ParticleTest, PlacedByTheirFirstFramesAnchor)
{
    InfoFrame f = partFrame();
    f.anchorX = 10;
    f.anchorY = 30;
    load({kind("mark", {f})});
    list.addParticleXY("mark", true, &kinds, screen, 1000, 300, 200);
    list.addParticleXY("mark", false, &kinds, screen, 1000, 300, 200);
    ASSERT_EQ(list.size(), 2);
    const particle& right = list.parts.front();
    const particle& left = list.parts.back();
    EXPECT_EQ(right.x, 300);
    EXPECT_EQ(right.y, 200);
    EXPECT_EQ(right.sprite.x, 290);
    EXPECT_EQ(right.sprite.y, 170);
    EXPECT_EQ(left.sprite.x, 270) << "facing left, the anchor is the mirrored frame's (40 - 10)";
    EXPECT_EQ(left.sprite.y, 170);
    EXPECT_FLOAT_EQ(right.sprite.speed, 3.0f);
    EXPECT_EQ(right.event, "NULL");
    EXPECT_FALSE(right.dead);
}

struct Placement
{
    const char* what;
    std::string spec;
    bool withOwner;
    bool facing; // the owner's facing, or the one given
    int x, y;    // where the anchor lands
};

const Placement kPlacements[] = {
    {"no owner, facing right", "mark 20 50", false, true, 320, 250},
    {"no owner, facing left", "mark 20 50", false, false, 280, 250},
    {"owner facing right", "mark 20 50", true, true, 420, 298},
    {"owner facing left", "mark 20 50", true, false, 380, 298},
    {"negative offsets", "mark -20 -50", false, true, 280, 150},
    {"no offsets", "mark", false, true, 300, 200},
    {"an offset that is no number", "mark x 5", false, true, 300, 205},
    {"more than three words", "mark 1 2 99", true, true, 401, 346},
};

TEST_F(ParticleTest, PlacedRelativeToTheGivenPointOrTheOwner)
{
    load({kind("mark")});
    Fighter owner;
    owner.x = 400;
    owner.y = 348;
    for (const Placement& p : kPlacements)
    {
        particleList l;
        owner.dir = p.facing;
        if (p.withOwner)
            l.addParticle(p.spec, &owner, &kinds, screen, 1000, 300, 200);
        else
            l.addParticleD(p.spec, p.facing, &kinds, screen, 1000, 300, 200);
        ASSERT_EQ(l.size(), 1) << p.what;
        const particle& made = l.parts.front();
        EXPECT_EQ(made.x, p.x) << p.what;
        EXPECT_EQ(made.y, p.y) << p.what;
        EXPECT_EQ(made.facing, p.facing) << p.what;
        EXPECT_EQ(made.sprite.x, p.facing ? p.x : p.x - 40) << p.what;
    }
    particleList l;
    l.addParticle("mark 5 5", nullptr, &kinds, screen, 1000, 300, 200);
    ASSERT_EQ(l.size(), 1);
    EXPECT_EQ(l.parts.front().x, 305) << "without an owner the point counts, facing right";
    EXPECT_EQ(l.parts.front().y, 205);
    EXPECT_TRUE(l.parts.front().facing);
}

TEST_F(ParticleTest, UnknownOrFramelessKindsAddNothing)
{
    load({kind("mark"), kind("blank")});
    writeFile("data/default/blank/info", "FILES: 0\n");
    partInfoList fresh;
    fresh.addList("default", screen);
    Fighter owner;
    list.addParticleXY("nothing", true, &fresh, screen, 1000, 10, 10);
    list.addParticleD("Mark 1 1", true, &fresh, screen, 1000, 10, 10);
    list.addParticle("blank 0 0", &owner, &fresh, screen, 1000, 10, 10);
    list.addParticleXY("mark", true, nullptr, screen, 1000, 10, 10);
    list.addParticleD("", true, &fresh, screen, 1000, 10, 10);
    EXPECT_EQ(list.size(), 0);
    list.update();
    list.draw();
    EXPECT_EQ(list.collideFighter(&owner, 'E'), nullptr);
}

TEST_F(ParticleTest, BoundsComeFromTheListThatAddsThem)
{
    load({kind("mark")});
    EXPECT_EQ(list.leftBound, -200);
    EXPECT_EQ(list.rightBound, 840);
    add(list, "mark", 0, 0);
    EXPECT_EQ(list.parts.back().leftBound, -400);
    EXPECT_EQ(list.parts.back().rightBound, 1040);
    list.leftBound = 0;
    list.rightBound = 800;
    add(list, "mark", 0, 0);
    EXPECT_EQ(list.parts.back().leftBound, -200);
    EXPECT_EQ(list.parts.back().rightBound, 1000);
}

struct Steps
{
    const char* what;
    std::vector<int> times; // update times, the first at 1000
    std::vector<int> moves; // steps taken after each update
};

const Steps kSteps[] = {
    {"10 ms apart", {1000, 1010, 1020, 1030, 1040, 1050, 1060, 1070, 1080}, {1, 1, 1, 1, 2, 2, 2, 2, 3}},
    {"30 ms after a step", {1000, 1030}, {1, 1}},
    {"31 ms after a step", {1000, 1031}, {1, 2}},
    {"the remainder is dropped", {1000, 1035, 1064, 1066}, {1, 2, 2, 3}},
    {"the same tick twice", {1000, 1000, 1000, 1000}, {1, 1, 1, 1}},
};

TEST_F(ParticleTest, StepsWhenMoreThanThreeUnitsHaveGathered)
{
    load({kind("mover", {partFrame(3)})});
    for (const Steps& s : kSteps)
    {
        for (bool facing : {true, false})
        {
            particleList l;
            particle& p = add(l, "mover", 100, 100, facing);
            for (std::size_t i = 0; i < s.times.size(); ++i)
            {
                setTestClock(static_cast<Uint32>(s.times[i]));
                l.update();
                EXPECT_EQ(p.sprite.x, 100 + (facing ? 3 : -3) * s.moves[i])
                    << s.what << ", update " << i << (facing ? "" : ", facing left");
            }
        }
    }
}

struct Fall
{
    const char* what;
    int gravity;
    int yBoost;
    int startY;
    std::vector<int> ys;
};

// Frame 0's lowest box edge is 19 (body box to 9, strike box to 19); the
// ground line is at 348.
const Fall kFalls[] = {
    {"falling to rest", 1, 0, 320, {322, 324, 326, 328, 330, 329, 329, 329}},
    {"raised after each landing", 1, 1, 326, {327, 328, 329, 328, 329, 328}},
    {"rising without gravity", 0, 2, 100, {98, 96, 94}},
    {"still without gravity", 0, 0, 100, {100, 100}},
};

TEST_F(ParticleTest, GravityRestsTheLowestBoxEdgeOnTheGround)
{
    for (const Fall& f : kFalls)
    {
        InfoFrame frame = partFrame(0, f.yBoost);
        frame.dmg[3] = 19;
        ParticleKindSpec k = kind("faller", {frame});
        k.gravity = f.gravity;
        partInfoList fallers;
        writeParticleKinds("fall", "particle", {k});
        fallers.addList("fall", screen);
        particleList l;
        l.addParticleXY("faller", true, &fallers, screen, 1000, 50, f.startY);
        ASSERT_EQ(l.size(), 1);
        setTestClock(1000);
        for (std::size_t i = 0; i < f.ys.size(); ++i)
        {
            l.update();
            ASSERT_EQ(l.size(), 1) << f.what;
            EXPECT_EQ(l.parts.front().sprite.y, f.ys[i]) << f.what << ", step " << i;
            advanceTestClock(40);
        }
    }
}

struct Leaving
{
    const char* what;
    int xStep, yBoost;
    int x, y;
    const char* after; // the list after one update
};

// The field is 0..800, so particles live while -280 <= x <= 1080 and
// -80 <= y <= 348; a dying ball leaves a puff 5 right of and 3 above it.
const Leaving kLeaving[] = {
    {"reaching the right limit", 10, 0, 1070, 100, "ball 1080 100"},
    {"past the right limit", 10, 0, 1075, 100, ""},
    {"reaching the left limit", -10, 0, -270, 100, "ball -280 100"},
    {"past the left limit", -10, 0, -275, 100, ""},
    {"reaching the ground line", 0, -10, 300, 338, "ball 300 348"},
    {"below the ground line", 0, -10, 300, 340, "puff 305 347"},
    {"reaching the top limit", 0, 10, 300, -70, "ball 300 -80"},
    {"above the top limit", 0, 10, 300, -75, "puff 305 -88"},
    {"past the right limit and below the ground", 10, -10, 1075, 340, "puff 1090 347"},
};

TEST_F(ParticleTest, LeavingTheFieldSidewaysEndsQuietlyUpOrDownWithItsDeathParticles)
{
    for (const Leaving& c : kLeaving)
    {
        ParticleKindSpec ball = kind("ball", {namedFrame("ball", c.xStep, c.yBoost)});
        ball.events[OnDeath] = {"puff 5 -3"};
        partInfoList k;
        writeParticleKinds("leave", "particle", {ball, kind("puff", {namedFrame("puff")})});
        k.addList("leave", screen);
        particleList l;
        l.leftBound = 0;
        l.rightBound = 800;
        l.addParticleXY("ball", true, &k, screen, 1000, c.x, c.y);
        ASSERT_EQ(l.size(), 1);
        l.update();
        const std::vector<std::string> got = contents(l);
        std::string joined;
        for (const std::string& s : got)
            joined += (joined.empty() ? "" : ", ") + s;
        EXPECT_EQ(joined, c.after) << c.what;
    }
}

TEST_F(ParticleTest, DeathParticlesTakeTheParentsFacingAndStartAtTheNextUpdate)
{
    ParticleKindSpec ball = kind("ball", {namedFrame("ball")});
    ball.dieAtLastFrame = 1;
    ball.events[OnDeath] = {"mover 5 -3", "NULL", "death true", "ghost 1 1", "mover 0 10"};
    load({ball, kind("mover", {namedFrame("mover", 4)})});
    add(list, "ball", 200, 100, false);
    setTestClock(2000);
    list.update();
    EXPECT_EQ(contents(list), (std::vector<std::string>{"mover 155 97", "mover 160 110"}))
        << "mirrored: 5 to the left of the ball's corner, then anchored by the mirrored frame";
    for (const particle& p : list.parts)
    {
        EXPECT_FALSE(p.facing);
        EXPECT_EQ(p.spawnTime, 2000);
        EXPECT_EQ(p.owner, nullptr);
    }
    setTestClock(2001);
    list.update();
    EXPECT_EQ(contents(list), (std::vector<std::string>{"mover 151 97", "mover 156 110"}));
}

// A kind whose death raises two of itself doubles every update until the
// list is full, and then stays within it.
TEST_F(ParticleTest, AKindThatRespawnsItselfFillsTheListAndNoMore)
{
    ParticleKindSpec spore = kind("spore", {namedFrame("spore")});
    spore.lifetime = 1;
    spore.events[OnDeath] = {"spore 0 0", "spore 0 0"};
    load({spore});
    struct Case
    {
        int updates;
        int atMost;
        int atLeast;
    };
    const Case cases[] = {
        {1, 2, 2},
        {10, 1024, 1024},
        {12, particleList::maxParticles, particleList::maxParticles / 3},
        {40, particleList::maxParticles, particleList::maxParticles / 3},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.updates << " updates");
        particleList l;
        setTestClock(1000);
        l.addParticleXY("spore", true, &kinds, screen, 1000, 10, 10);
        for (int i = 1; i <= c.updates; ++i)
        {
            setTestClock(1000 + 2 * static_cast<Uint32>(i));
            l.update();
            ASSERT_LE(l.size(), particleList::maxParticles);
        }
        EXPECT_LE(l.size(), c.atMost);
        EXPECT_GE(l.size(), c.atLeast);
    }
}

struct Lifetime
{
    int lifetime;
    Uint32 now;
    bool dies;
};

const Lifetime kLifetimes[] = {
    {0, 1000000, false},
    {-5, 1000000, false},
    {500, 1500, false},
    {500, 1501, true},
    {1, 1002, true},
    {INT_MAX, 1000000, false},
    {INT_MAX - 10, 2000000000, false},
};

TEST_F(ParticleTest, DiesOfAgeOnlyWithALifetimeAndRaisesItsDeathParticles)
{
    for (const Lifetime& c : kLifetimes)
    {
        ParticleKindSpec aged = kind("aged", {namedFrame("aged")});
        aged.lifetime = c.lifetime;
        aged.events[OnDeath] = {"puff 0 0"};
        partInfoList k;
        writeParticleKinds("age", "particle", {aged, kind("puff", {namedFrame("puff")})});
        k.addList("age", screen);
        particleList l;
        l.addParticleXY("aged", true, &k, screen, 1000, 10, 10);
        setTestClock(c.now);
        l.update();
        EXPECT_EQ(contents(l), (std::vector<std::string>{c.dies ? "puff 10 10" : "aged 10 10"}))
            << "lifetime " << c.lifetime << " at " << c.now;
    }
}

TEST_F(ParticleTest, DiesAtItsLastFrameOnceThatFrameHasBeenDrawn)
{
    ParticleKindSpec one = kind("one", {namedFrame("one")});
    one.dieAtLastFrame = 1;
    one.events[OnDeath] = {"puff 0 0"};
    std::vector<InfoFrame> three = {namedFrame("a"), namedFrame("b"), namedFrame("c")};
    for (InfoFrame& f : three)
        f.pause = 10;
    ParticleKindSpec last = kind("last", three);
    last.dieAtLastFrame = 1;
    ParticleKindSpec looping = kind("looping", three);
    load({one, last, looping, kind("puff", {namedFrame("puff")})});

    particleList single;
    add(single, "one", 10, 10);
    single.update();
    EXPECT_EQ(contents(single), (std::vector<std::string>{"puff 10 10"}));

    add(list, "last", 10, 10);
    add(list, "looping", 60, 10);
    list.update();
    EXPECT_EQ(list.size(), 2);
    list.draw(); // the sprites' clocks start at 0, so this draw moves to frame 1
    list.update();
    list.draw(); // frame 1 shows for 3 x 10 ms
    list.update();
    EXPECT_EQ(list.parts.front().sprite.frame, 1);
    advanceTestClock(31);
    list.draw();
    EXPECT_EQ(list.parts.front().sprite.frame, 2);
    EXPECT_EQ(list.size(), 2);
    list.update();
    EXPECT_EQ(contents(list), (std::vector<std::string>{"c 60 10"}))
        << "only the kind that ends with its last frame dies";
}

// A fighter on a 40x80 body frame at (300, 348): its body box is (285, 273)-(315, 348).
class ParticleHitTest : public ParticleTest
{
protected:
    void SetUp() override
    {
        ParticleTest::SetUp();
        writeSpriteFolder("body", {bodyFrame()});
        ASSERT_EQ(body.init("body"), 0);
        victim.sheet = &body;
        victim.target = screen;
        victim.x = 300;
        victim.y = 348;
        victim.hp = 10;

        InfoFrame shot = namedFrame("shot");
        shot.damage = 6;
        shot.hitType = 4;
        ParticleKindSpec through = kind("through", {shot});
        ParticleKindSpec once = kind("once", {shot});
        once.events[OnHitEnemy] = {"death true"};
        ParticleKindSpec bursting = kind("bursting", {shot});
        bursting.events[OnHitEnemy] = {"spark 2 -2"};
        bursting.events[OnHitPlayer] = {"puff 0 0"};
        ParticleKindSpec aging = kind("aging", {shot});
        aging.lifetime = 500;
        aging.events[OnHitEnemy] = {"spark 0 0"};
        aging.events[OnDeath] = {"puff 0 0"};
        ParticleKindSpec quietAging = aging;
        quietAging.name = "quietAging";
        quietAging.events[OnDeath] = {"NULL", "puff 0 0"};
        load({through, once, bursting, aging, quietAging, kind("spark", {namedFrame("spark")}),
              kind("puff", {namedFrame("puff")})});
    }

    CSpriteBase body;
    Fighter victim;
};

TEST_F(ParticleHitTest, OnlyLivingFightersAreHit)
{
    add(list, "through", 290, 300);
    const std::pair<int, bool> cases[] = {{10, true}, {1, true}, {0, false}, {-3, false}};
    for (const auto& c : cases)
    {
        victim.hp = c.first;
        EXPECT_EQ(list.collideFighter(&victim, 'E') != nullptr, c.second) << "hp " << c.first;
    }
    victim.hp = 10;
    victim.x = 400;
    EXPECT_EQ(list.collideFighter(&victim, 'E'), nullptr) << "no overlap";
    victim.x = 314;
    EXPECT_NE(list.collideFighter(&victim, 'E'), nullptr) << "the shot's right edge on the body's left edge";
    EXPECT_EQ(list.collideFighter(nullptr, 'E'), nullptr);
}

TEST_F(ParticleHitTest, AShotWithoutHitParticlesPassesThroughAndHitsAgain)
{
    particle& shot = add(list, "through", 290, 300);
    for (int check = 0; check < 3; ++check)
    {
        EXPECT_EQ(list.collideFighter(&victim, 'E'), &shot) << check;
        EXPECT_FALSE(shot.dead);
        EXPECT_EQ(shot.event, "NULL");
        list.update();
        ASSERT_EQ(list.size(), 1);
    }
    EXPECT_EQ(shot.getDamage(), 6);
    EXPECT_EQ(shot.getHitType(), 4);
}

TEST_F(ParticleHitTest, ADeathTrueShotHitsOnceAndVanishesWithoutEffect)
{
    particle& shot = add(list, "once", 290, 300);
    EXPECT_EQ(list.collideFighter(&victim, 'E'), &shot);
    EXPECT_TRUE(shot.dead);
    EXPECT_EQ(shot.event, "OnHitEnemy");
    EXPECT_EQ(list.collideFighter(&victim, 'E'), nullptr);
    list.update();
    EXPECT_EQ(list.size(), 0);
}

TEST_F(ParticleHitTest, HitParticlesAppearAtTheNextUpdate)
{
    add(list, "bursting", 290, 300);
    ASSERT_NE(list.collideFighter(&victim, 'E'), nullptr);
    EXPECT_EQ(contents(list), (std::vector<std::string>{"shot 290 300 dead"}));
    list.update();
    EXPECT_EQ(contents(list), (std::vector<std::string>{"spark 292 298"}));
}

TEST_F(ParticleHitTest, OnlyEnemyChecksEndTheShot)
{
    particle& shot = add(list, "bursting", 290, 300);
    EXPECT_EQ(list.collideFighter(&victim, 'P'), &shot);
    EXPECT_FALSE(shot.dead);
    EXPECT_EQ(shot.event, "NULL");
    list.update();
    EXPECT_EQ(contents(list), (std::vector<std::string>{"shot 290 300"}));
}

TEST_F(ParticleHitTest, TheOldestOverlappingShotHitsFirst)
{
    particle& first = add(list, "once", 295, 300);
    particle& second = add(list, "once", 290, 300);
    add(list, "once", 600, 300);
    EXPECT_EQ(list.collideFighter(&victim, 'E'), &first);
    EXPECT_FALSE(second.dead);
    EXPECT_EQ(list.collideFighter(&victim, 'E'), &second);
    EXPECT_EQ(list.collideFighter(&victim, 'E'), nullptr);
    list.update();
    EXPECT_EQ(contents(list), (std::vector<std::string>{"shot 600 300"}));
}

TEST_F(ParticleHitTest, DyingOfAgeAfterAHitRaisesTheDeathParticlesInstead)
{
    add(list, "aging", 290, 300);
    add(list, "quietAging", 290, 300);
    ASSERT_NE(list.collideFighter(&victim, 'E'), nullptr);
    ASSERT_NE(list.collideFighter(&victim, 'E'), nullptr);
    setTestClock(1600);
    list.update();
    EXPECT_EQ(contents(list), (std::vector<std::string>{"puff 290 300", "spark 290 300"}));
}

TEST_F(ParticleHitTest, EmptyEventListsRaiseNothing)
{
    writeFile("data/default/through/particle", "255\n500\n0\n0\n0\n0\n0\n0\n0\n0\n");
    partInfoList bare;
    bare.addList("default", screen);
    list.addParticleXY("through", true, &bare, screen, 1000, 290, 300);
    ASSERT_EQ(list.size(), 1);
    particle& shot = list.parts.front();
    EXPECT_EQ(list.collideFighter(&victim, 'E'), &shot);
    EXPECT_FALSE(shot.dead) << "an empty hit list lets the shot pass through";
    EXPECT_EQ(shot.event, "NULL");
    setTestClock(1600);
    list.update();
    EXPECT_EQ(list.size(), 0) << "dying of age with an empty death list leaves nothing behind";
}

TEST_F(ParticleHitTest, DeadShotsAreNotDrawn)
{
    add(list, "once", 290, 300);
    add(list, "through", 100, 300);
    ASSERT_NE(list.collideFighter(&victim, 'E'), nullptr);
    list.draw();
    EXPECT_EQ(pixelAt(screen, 292, 302), 0u) << "the hit shot";
    EXPECT_NE(pixelAt(screen, 102, 302), 0u) << "the one still flying";

    SDL_FillRect(screen, nullptr, 0);
    list.drawCam(50, 100);
    EXPECT_EQ(pixelAt(screen, 242, 202), 0u);
    EXPECT_NE(pixelAt(screen, 52, 202), 0u);

    list.update();
    EXPECT_EQ(list.size(), 1);
    list.removeAll();
    EXPECT_EQ(list.size(), 0);
}

TEST_F(ParticleHitTest, EventListsAreReadByName)
{
    particle& shot = add(list, "bursting", 290, 300);
    EXPECT_EQ(shot.getPartNum("OnHitEnemy"), 1);
    EXPECT_EQ(shot.getNewPart("OnHitEnemy", 0), "spark 2 -2");
    EXPECT_EQ(shot.getNewPart("OnHitPlayer", 0), "puff 0 0");
    EXPECT_EQ(shot.getPartNum("OnDeath"), 1);
    EXPECT_EQ(shot.getNewPart("OnDeath", 0), "NULL");
    EXPECT_EQ(shot.getPartNum("onHitEnemy"), 0);
    EXPECT_EQ(shot.getPartNum("OnBounce"), 0);
    EXPECT_EQ(shot.getNewPart("OnHitEnemy", 1), "NULL");
    EXPECT_EQ(shot.getNewPart("OnHitEnemy", -1), "NULL");
}
} // namespace
