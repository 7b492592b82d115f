// A stage script built through the one-player stage on fixture characters,
// alone or with an ally, and the check of its enemy table against rows.
#include "tests/stages/built_stage.h"

#include "fighter/fighter.h"

namespace testing_support
{
std::vector<EnemyExpect> expandRuns(const std::vector<EnemyRun>& runs)
{
    std::vector<EnemyExpect> out;
    for (const EnemyRun& run : runs)
        for (int k = run.first; k <= run.last; ++k)
            out.push_back(run.row);
    return out;
}

StageRig::StageRig(SDL_Surface* screen, beatEmUpSegmentBuilder& script, bool withAlly)
    : players(screen, withAlly ? "Blue" : "")
{
    stage =
        std::make_unique<beatEmUpStage>(&script, &players.control1, players.ally(), &players.ui, screen,
                                        "street", nullptr, &players.playerParticles, &players.enemyParticles);
}

std::vector<Fighter*> StageRig::candidates() const
{
    std::vector<Fighter*> out = {&players.rig1->fighter()};
    if (players.allyRig)
        out.push_back(&players.allyRig->fighter());
    return out;
}

void checkEnemies(const beatEmUpSegmentBuilder& script, const StageRig& rig,
                  const std::vector<const enemyData*>& types, const std::vector<EnemyExpect>& table)
{
    ASSERT_EQ(script.numEnemies, static_cast<int>(table.size()));
    for (const enemyData* type : types)
        EXPECT_TRUE(type->data.ownsSets);
    for (int i = 0; i < script.numEnemies; ++i)
    {
        SCOPED_TRACE("enemy " + std::to_string(i));
        const EnemyExpect& row = table[i];
        const enemyData& type = *types.at(row.type);
        const enemyData& record = script.enemies[i];
        const AIBeatEmUp& ai = script.enemyAI[i];
        ASSERT_EQ(record.fighter, &record.data.fighter);
        EXPECT_EQ(ai.fighter, record.fighter);
        EXPECT_EQ(record.data.anims, type.data.anims);
        EXPECT_EQ(record.data.moves, type.data.moves);
        EXPECT_FALSE(record.data.ownsSets);
        EXPECT_EQ(ai.sounds, &script.sounds);
        EXPECT_EQ(record.fighter->hp, 0);
        EXPECT_EQ(record.fighter->maxHP, row.maxHP);
        const int power = row.power == -1 ? type.fighter->power : row.power;
        EXPECT_EQ(record.fighter->power, power);
        EXPECT_EQ(record.fighter->maxPower, row.power == -1 ? type.fighter->maxPower : row.power);
        EXPECT_EQ(ai.rangeUnit, row.rangeUnit);
        EXPECT_EQ(ai.waveId, row.wave);
        EXPECT_EQ(record.fighter->leftBound, row.left);
        EXPECT_EQ(record.fighter->rightBound, row.right);
        EXPECT_EQ(record.fighter->x, row.x);
        EXPECT_EQ(record.fighter->y, row.y);
        EXPECT_EQ(record.fighter->dir, row.facing);
        EXPECT_EQ(ai.active, row.active);
        EXPECT_EQ(ai.nearestTarget.candidates, rig.candidates());
        EXPECT_EQ(ai.target, &ai.nearestTarget);
        EXPECT_EQ(ai.faceInfo, &script.faceParts);
        EXPECT_EQ(ai.effects, &rig.stage->faceParticles);
        EXPECT_EQ(ai.specialBackdrop, &rig.stage->specialParticles);
    }
}

StageScriptTest::StageScriptTest()
{
    fullyQuit = false;
    freezeEnd = 0;
    setTestClock(100000);
    setTestClockAutoAdvance(1);
    drainQueue();
}

StageScriptTest::~StageScriptTest()
{
    drainQueue();
}
} // namespace testing_support
