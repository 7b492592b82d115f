// What a landed hit looks and sounds like: reaction moves by stance, the
// knocked-down flag, hit sounds and the random hit sparks.
#include "engine/globals.h"
#include "fighter/fighter.h"
#include "fighter/hit_ref.h"
#include "fighter/move_set.h"
#include "tests/support/character_fixture.h"

#include <gtest/gtest.h>

using namespace testing_support;

namespace
{
enum class Stance
{
    Standing,
    Ducking,
    InAir,
    DuckingInAir
};

void place(Fighter& f, Stance s)
{
    f.grounded = s == Stance::Standing || s == Stance::Ducking;
    f.state = (s == Stance::Ducking || s == Stance::DuckingInAir) ? "duck" : "standing";
}

class HitReferenceTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_NE(openTestVideo(), nullptr);
        // The jab comes first, so a lookup that fell back to the first move
        // would show up as a jab.
        CharacterSpec full;
        full.folder = "data/characters/Full";
        for (const char* m : {"jab", "hit1", "hit2", "hit3", "hit1Low", "hit2Low"})
            full.moves.push_back(MoveSpec{m});
        writeCharacter(full);
        CharacterSpec sparse;
        sparse.folder = "data/characters/Sparse";
        for (const char* m : {"jab", "hit2"})
            sparse.moves.push_back(MoveSpec{m});
        writeCharacter(sparse);
        fullMoves.loadAll("data/characters/Full");
        sparseMoves.loadAll("data/characters/Sparse");
        ASSERT_EQ(fullMoves.count, 6);
        ASSERT_EQ(sparseMoves.count, 2);
    }

    static std::string nameOf(const moveInfo* m) { return m ? m->name : "(none)"; }

    ScratchDir dir;
    moveSet fullMoves;
    moveSet sparseMoves;
    hitRef refs;
};

struct ReactionCase
{
    int hitType;
    Stance stance;
    bool fallingBefore;
    const char* move; // "(none)": no reaction
    bool fallingAfter;
};

const ReactionCase kReactions[] = {
    // Light and medium hits: the flag is left alone standing, cleared otherwise.
    {1, Stance::Standing, true, "hit1", true},
    {4, Stance::Standing, false, "hit1", false},
    {2, Stance::Standing, true, "hit2", true},
    {5, Stance::Standing, false, "hit2", false},
    {1, Stance::Ducking, true, "hit1Low", false},
    {4, Stance::Ducking, true, "hit1Low", false},
    {2, Stance::Ducking, true, "hit2Low", false},
    {5, Stance::Ducking, true, "hit2Low", false},
    {1, Stance::InAir, true, "hit1", false},
    {5, Stance::InAir, true, "hit2", false},
    // Off the ground counts as in the air even while ducking.
    {1, Stance::DuckingInAir, true, "hit1", false},
    {2, Stance::DuckingInAir, true, "hit2", false},
    // Heavy hits knock down from any stance.
    {3, Stance::Standing, false, "hit3", true},
    {6, Stance::Ducking, false, "hit3", true},
    {3, Stance::InAir, false, "hit3", true},
    // Grabs and unknown types have no reaction and leave the flag.
    {7, Stance::Standing, true, "(none)", true},
    {7, Stance::InAir, false, "(none)", false},
    {0, Stance::Ducking, true, "(none)", true},
    {8, Stance::Standing, false, "(none)", false},
    {-1, Stance::InAir, true, "(none)", true},
};

TEST_F(HitReferenceTest, ReactionMoveAndKnockDownByHitTypeAndStance)
{
    for (const ReactionCase& c : kReactions)
    {
        Fighter victim;
        place(victim, c.stance);
        victim.falling = c.fallingBefore;
        const moveInfo* m = refs.hitReference(&fullMoves, c.hitType, &victim);
        EXPECT_EQ(nameOf(m), c.move) << "hit type " << c.hitType << ", stance " << static_cast<int>(c.stance);
        EXPECT_EQ(victim.falling, c.fallingAfter)
            << "hit type " << c.hitType << ", stance " << static_cast<int>(c.stance);
        if (m)
        {
            EXPECT_EQ(m, fullMoves.findMove(c.move));
        }
    }
}

TEST_F(HitReferenceTest, MissingReactionMoveGivesNoneNotTheFirstMove)
{
    Fighter victim;
    place(victim, Stance::Ducking);
    victim.falling = true;
    EXPECT_EQ(refs.hitReference(&sparseMoves, 1, &victim), nullptr);
    EXPECT_FALSE(victim.falling);

    place(victim, Stance::Standing);
    EXPECT_EQ(refs.hitReference(&sparseMoves, 3, &victim), nullptr);
    EXPECT_TRUE(victim.falling);
    EXPECT_EQ(refs.deathReference(&sparseMoves, 1, &victim), nullptr);

    EXPECT_EQ(nameOf(refs.hitReference(&sparseMoves, 2, &victim)), "hit2");
}

TEST_F(HitReferenceTest, KnockOutIsTheHeavyReactionWhateverTheHit)
{
    for (int hitType : {0, 1, 2, 4, 7, 9})
        for (Stance s : {Stance::Standing, Stance::Ducking, Stance::InAir})
        {
            Fighter victim;
            place(victim, s);
            victim.falling = false;
            EXPECT_EQ(nameOf(refs.deathReference(&fullMoves, hitType, &victim)), "hit3") << hitType;
            EXPECT_TRUE(victim.falling) << hitType;
        }
}

TEST(HitSounds, NamedByHitType)
{
    const std::pair<int, const char*> sounds[] = {
        {1, "Blade_Light01"}, {2, "Blade_Medium01"}, {3, "Blade_Heavy01"}, {4, "Sharp_Hit1"},
        {5, "Sharp_Hit2"},    {6, "Sharp_Hit3"},     {7, "NULL"},          {0, "NULL"},
        {-3, "NULL"},         {12, "NULL"},
    };
    hitRef refs;
    for (const auto& s : sounds)
        EXPECT_EQ(refs.soundReference(s.first), s.second) << s.first;
}

// Seed 3 gives the draws 0, 2, 0, 1, 2, 0 below three.
TEST(HitSparks, EveryCallDrawsAnewAlsoForHitsWithoutSpark)
{
    struct Run
    {
        std::pair<int, const char*> calls[6];
    };
    const Run runs[] = {
        {{{5, "hit1"}, {5, "hit3"}, {5, "hit1"}, {2, "slash2"}, {7, "NULL"}, {1, "slash1"}}},
        {{{3, "slash1"}, {6, "hit3"}, {0, "NULL"}, {4, "hit2"}, {3, "slash3"}, {-1, "NULL"}}},
    };
    hitRef refs;
    for (const Run& run : runs)
    {
        g_randomNumber.seed(3);
        for (const auto& c : run.calls)
            EXPECT_EQ(refs.sfxReference(c.first), c.second) << c.first;
    }
}
} // namespace
