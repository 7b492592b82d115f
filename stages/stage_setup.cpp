// The one helper every stage script builds with: loading a character type
// once, setting up enemy k of a type, a breakable prop, and the list of steps.
#include "stages/stage_setup.h"

#include "control/stage_object.h"
#include "engine/memory_tracker.h"
#include "fighter/fighter.h"
#include "screens/stage_segments.h"

namespace
{
std::string characterFolder(const std::string& typeName)
{
    return "data/characters/" + typeName;
}

// Binds a control to its fighter over the type's sets, aims it at the
// nearest living player and lends it the stage's face and backdrop lists.
void bindControl(beatEmUpSegmentBuilder& b, AIBeatEmUp& control, Fighter* fighter, enemyData& type,
                 const std::string& typeName)
{
    control.init(b.surface);
    const std::string aiFolder = characterFolder(typeName) + "/ai";
    control.setup(fighter, b.partInfo, b.enemyParticles, &b.sounds, type.data.anims, type.data.moves,
                  &b.target, aiFolder.c_str());
    control.nearestTarget.setTarget(b.player1);
    if (b.player2)
        control.nearestTarget.setTarget(b.player2);
    control.faceInfo = &b.faceParts;
    control.effects = b.faceParticles;
    control.specialBackdrop = b.specialParticles;
    control.target = &control.nearestTarget;
}
} // namespace

void loadStageType(beatEmUpSegmentBuilder& b, enemyData& type, const std::string& typeName, int palette)
{
    const std::string chardata = characterFolder(typeName) + "/chardata";
    m_setOwner(__FILE__, __LINE__, "??");
    type.data.setup(chardata.c_str(), b.surface, palette, &b.sounds);
    type.fighter = &type.data.fighter;
}

void loadFaceKinds(beatEmUpSegmentBuilder& b)
{
    b.faceParts.addList("faces", "face", b.surface);
}

void allocateEnemies(beatEmUpSegmentBuilder& b, int count)
{
    b.numEnemies = count;
    m_setOwner(__FILE__, __LINE__, "??");
    b.enemies = new enemyData[count];
    m_setOwner(__FILE__, __LINE__, "??");
    b.enemyAI = new AIBeatEmUp[count];
}

void setUpEnemy(beatEmUpSegmentBuilder& b, int k, const enemyRow& row)
{
    AIBeatEmUp& control = b.enemyAI[k];
    enemyData& record = b.enemies[k];
    control.active = row.active;
    const std::string chardata = characterFolder(row.typeName) + "/chardata";
    record.data.setup(chardata.c_str(), b.surface, row.type->data.anims, row.type->data.moves,
                      row.type->data.sounds);
    record.fighter = &record.data.fighter;
    record.fighter->x = 0;
    record.fighter->y = 0;
    record.fighter->setHP(row.hp, row.maxHP);
    if (row.power != -1)
        record.fighter->setPower(row.power, row.maxPower != -1 ? row.maxPower : row.power);
    bindControl(b, control, record.fighter, *row.type, row.typeName);
    if (row.rangeUnit != -1)
        control.rangeUnit = row.rangeUnit;
}

void allocateObjects(beatEmUpSegmentBuilder& b, int count)
{
    b.numObjects = count;
    m_setOwner(__FILE__, __LINE__, "??");
    b.objects = new beatEmUpObject[count];
}

void setUpObject(beatEmUpSegmentBuilder& b, int k, enemyData& type, const std::string& typeName)
{
    beatEmUpObject& object = b.objects[k];
    object.active = true;
    bindControl(b, object, type.fighter, type, typeName);
}

void buildSegmentList(beatEmUpSegmentBuilder& b, const std::vector<segmentRow>& rows)
{
    b.numSegments = static_cast<int>(rows.size());
    m_setOwner(__FILE__, __LINE__, "??");
    b.segments = new beatEmUpSegment*[rows.size()];
    int i = 0;
    for (const segmentRow& row : rows)
    {
        m_setOwner(__FILE__, __LINE__, "??");
        beatEmUpSegment* segment = nullptr;
        switch (row.kind)
        {
        case segmentKind::boundaryChange:
            segment = new beatEmUpSegBoundaryChange(b.player1, b.player2, b.cam, row.a, row.b);
            break;
        case segmentKind::posTrigger:
            segment = new beatEmUpSegPosTrigger(b.player1, row.a, b.surface);
            break;
        case segmentKind::activateWave:
            segment = new beatEmUpSegActivateWave(row.a, b.numEnemies, b.enemyAI);
            break;
        case segmentKind::monitorWave:
            segment = new beatEmUpSegMonitorWave(row.a, b.numEnemies, b.enemyAI);
            break;
        case segmentKind::deactivateWave:
            segment = new beatEmUpSegDeactivateWave(row.a, b.numEnemies, b.enemyAI);
            break;
        }
        b.segments[i++] = segment;
    }
}
