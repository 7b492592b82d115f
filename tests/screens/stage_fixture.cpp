// Set-up shared by the stage tests: the data a stage loads (a scrolling
// street, the "walk on" arrows, enemy types), a stage script built from
// tables of enemies and steps, and the players a stage is given: player 1
// on the keyboard, optionally a computer ally or a second player.
#include "tests/screens/stage_fixture.h"

#include "control/stage_object.h"
#include "screens/beat_em_up_stage.h"
#include "fighter/fighter.h"

#include <map>

namespace testing_support
{
void writeArrows()
{
    writePictures("data/screens/ui/goright", {Picture{60, 40, kGoRightColour, 80}});
    writePictures("data/screens/ui/goleft", {Picture{60, 40, kGoLeftColour, 80}});
}

void writeStreet(const std::string& name, int width)
{
    const std::string folder = "data/background/" + name;
    writeFile(folder + "/info", "x.dat\n1\nroad\n255\n0\n0\n1\n");
    writePictures(folder + "/road", {Picture{width, 480, kStreetColour, 100}});
    writeFile("data/music/x.dat", wavBytes());
}

void writeStageData(const std::vector<std::string>& enemyTypes)
{
    writeFightData();
    writeStreet("street", kStreetWidth);
    writeArrows();
    for (const std::string& type : enemyTypes)
        writeFighter(fighterSpec("data/characters/" + type));
}

TableScript::TableScript(std::vector<EnemySpec> enemies, std::vector<segmentRow> rows, int start)
    : table(std::move(enemies)), steps(std::move(rows))
{
    startX = start;
}

// The type records go before the base frees the enemies that share their sets.
TableScript::~TableScript() = default;

void TableScript::buildEnemies()
{
    built = true;
    std::map<std::string, enemyData*> byName;
    for (const EnemySpec& e : table)
        if (!byName.count(e.type))
        {
            types.push_back(std::make_unique<enemyData>());
            byName[e.type] = types.back().get();
            loadStageType(*this, *types.back(), e.type);
        }
    loadFaceKinds(*this);
    if (table.empty())
        return;
    allocateEnemies(*this, static_cast<int>(table.size()));
    for (std::size_t k = 0; k < table.size(); ++k)
    {
        const EnemySpec& e = table[k];
        setUpEnemy(*this, static_cast<int>(k), {byName[e.type], e.type.c_str(), 0, e.maxHP});
        enemyAI[k].waveId = e.wave;
        Fighter* f = enemies[k].fighter;
        f->leftBound = 0;
        f->rightBound = kStreetWidth;
        f->x = e.x;
        f->y = e.y;
        f->setDir(e.facing);
    }
}

void TableScript::buildSegments()
{
    if (!steps.empty())
        buildSegmentList(*this, steps);
}

StagePlayers::StagePlayers(SDL_Surface* s, const std::string& allyName, const std::string& secondName)
    : screen(s), fx(s)
{
    rig1 = std::make_unique<FighterRig>("data/characters/Red/chardata", screen, 40);
    control1.init(screen);
    control1.setup(&rig1->fighter(), &fx.kinds, &playerParticles, &rig1->sounds, rig1->anims(), rig1->anims(),
                   rig1->moves(), rig1->moves(), &rig1->pad, &rig1->input, &rig1->input);
    control1.faceInfo = &fx.faces;
    if (!allyName.empty())
    {
        allyRig = std::make_unique<FighterRig>("data/characters/" + allyName + "/chardata", screen, 40);
        allyControl.init(screen);
        const std::string aiFolder = "data/characters/" + allyName + "/ai";
        allyControl.setup(&allyRig->fighter(), &fx.kinds, &playerParticles, &allyRig->sounds,
                          allyRig->anims(), allyRig->moves(), &aimNowhere, aiFolder.c_str());
        allyControl.faceInfo = &fx.faces;
        allyControl.leader = &rig1->fighter();
    }
    if (!secondName.empty())
    {
        rig2 = std::make_unique<FighterRig>("data/characters/" + secondName + "/chardata", screen, 40);
        gamePad& pad = rig2->pad;
        pad.keyLeft = SDLK_j;
        pad.keyRight = SDLK_l;
        pad.keyDown = SDLK_k;
        pad.keyUp = SDLK_i;
        pad.keyA = SDLK_u;
        pad.keyB = SDLK_y;
        pad.keyC = SDLK_m;
        pad.keyPause = SDLK_o;
        control2.init(screen);
        control2.setup(&rig2->fighter(), &fx.kinds, &playerParticles, &rig2->sounds, rig2->anims(),
                       rig2->anims(), rig2->moves(), rig2->moves(), &rig2->pad, &rig2->input, &rig2->input);
        control2.faceInfo = &fx.faces;
    }
    ui.init(&rig1->fighter(), rig2 ? &rig2->fighter() : &rig1->fighter(), screen);
    if (!rig2)
        ui.setFighters(&rig1->fighter(), nullptr);
}

bool quitThroughPauseMenu(beatEmUpStage& stage)
{
    int fightFrames = 0;
    bool wasPaused = false;
    bool pausedSeen = false;
    FrameWatch watch(
        [&](SDL_Surface*)
        {
            if (stage.paused && !wasPaused)
            {
                pausedSeen = true;
                pushKey(SDLK_DOWN);
                pushKey(kConfirm1);
            }
            wasPaused = stage.paused;
            if (stage.state == 2 && ++fightFrames == 30)
                pushKey(SDLK_p);
        },
        20000);
    stage.update();
    return pausedSeen && !watch.ranAway;
}
} // namespace testing_support
