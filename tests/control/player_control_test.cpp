// The player's control: keys and joystick to command letters, walking,
// running, ducking and blocking, moves from the input buffer, jumps and air
// dashes, frame events, facing, and the poses.
#include "control/player_control.h"
#include "engine/clock.h"
#include "engine/globals.h"
#include "fighter/move_set.h"
#include "tests/control/control_fixture.h"

#include <gtest/gtest.h>

using namespace testing_support;

TEST(ControlFixture, FighterLoadsWithEveryMoveTheControlsAskFor)
{
    ScratchDir dir;
    SDL_Surface* s = openTestVideo();
    writeFightEffects();
    FighterRig rig(writeFighter(fighterSpec()), s);
    FightEffects fx(s);
    for (const char* name : {"jab", "hit1", "hit2", "hit3", "hit1Low", "hit2Low", "blockHi", "blockLo", "blockAir",
                             "crash", "pose1", "endPose1", "backJump", "airBack", "airForward", "recoil", "parry"})
        EXPECT_NE(rig.move(name), nullptr) << name;
    EXPECT_TRUE(rig.fighter().hasFrame());
    EXPECT_EQ(rig.fighter().state, "standing");
    for (const ParticleKind& k : fightEffectKinds())
        EXPECT_NE(fx.kinds.findParticle(k.name), nullptr) << k.name;
    EXPECT_NE(fx.faces.findParticle("smile"), nullptr);
}
