// Set-up shared by the stage tests: the data a stage loads (a scrolling
// street, the "walk on" arrows, enemy types), a stage script built from
// tables of enemies and steps, and the players a stage is given: player 1
// on the keyboard, optionally a computer ally or a second player.
#pragma once

#include <SDL.h>
#include <memory>
#include <string>
#include <vector>

#include "control/ally_ai.h"
#include "control/beat_em_up_control.h"
#include "screens/segment_builder.h"
#include "stages/stage_setup.h"
#include "tests/screens/fight_fixture.h"

class beatEmUpStage;

namespace testing_support
{
// The arrows' one-colour frames (60x40) in data/screens/ui/goright and goleft.
constexpr Colour kGoRightColour{40, 220, 60};
constexpr Colour kGoLeftColour{220, 120, 30};
void writeArrows();

// data/background/<name>: one scrolling layer of kStreetColour, `width` wide
// and 480 high, with music.
constexpr Colour kStreetColour{70, 60, 50};
void writeStreet(const std::string& name, int width);
constexpr int kStreetWidth = 1200;

// The fighters' body colour as the character fixture draws it.
constexpr Colour kBodyColour{60, 120, 200};

// Everything a stage needs on disk: writeFightData() (fighters "Red" and
// "Blue", effects, faces, sounds, overlays, pause menu, pads), the street
// "street", the arrows, and an enemy type (fighterSpec with its attack file)
// for each name given.
void writeStageData(const std::vector<std::string>& enemyTypes = {"Grunt"});

// One enemy of a table script.
struct EnemySpec
{
    std::string type = "Grunt";
    int maxHP = 30;
    int wave = 0;
    int x = 500;
    int y = 348;
    bool facing = false;
};

// A stage script from tables: loads each type once, sets every enemy up
// through the stage helper, then its wave and place; the steps from rows.
class TableScript : public beatEmUpSegmentBuilder
{
public:
    TableScript(std::vector<EnemySpec> enemies, std::vector<segmentRow> steps, int start = 40);
    ~TableScript() override;

    void buildEnemies() override;
    void buildSegments() override;

    std::vector<EnemySpec> table;
    std::vector<segmentRow> steps;
    std::vector<std::unique_ptr<enemyData>> types;
    bool built = false;
};

// The players a stage is given: player 1 ("Red") on the keyboard pad (A 'a',
// arrows, pause 'p'); with `allyName` a computer ally led by player 1; with
// `secondName` a second player on keys 'j' 'l' 'k' 'i', A 'u', pause 'o'.
class StagePlayers
{
public:
    StagePlayers(SDL_Surface* screen, const std::string& allyName = "", const std::string& secondName = "");
    StagePlayers(const StagePlayers&) = delete;
    StagePlayers& operator=(const StagePlayers&) = delete;

    Fighter& one() { return rig1->fighter(); }
    AIAllyBeatEmUp* ally() { return allyRig ? &allyControl : nullptr; }

    SDL_Surface* screen;
    FightEffects fx;
    std::unique_ptr<FighterRig> rig1;
    std::unique_ptr<FighterRig> rig2;
    std::unique_ptr<FighterRig> allyRig;
    playerBeatEmControl control1;
    playerBeatEmControl control2;
    AIAllyBeatEmUp allyControl;
    Target aimNowhere;
    basicFightUI ui;
    particleList playerParticles;
    particleList enemyParticles;
};

// Runs the stage, pauses it on its 30th fight frame and chooses the pause
// menu's quit (the pads must be loaded). True when the pause menu showed and
// the run ended without running away.
bool quitThroughPauseMenu(beatEmUpStage& stage);
} // namespace testing_support
