// A player played by the program, for running stages and story fights
// headless. Two models: the scripted player walks to a waiting trigger's
// place, else to the nearest awake enemy still standing, faces it and strikes
// (A and B by turns, and C too where C strikes; specials with power to
// spend); the newcomer walks at the
// nearest enemy and presses the three attack buttons at random, at most six
// presses a second, never blocking and never entering a special command.
#pragma once

#include <SDL.h>
#include <random>
#include <string>

class beatEmUpSegmentBuilder;
class beatEmUpStageBase;
class Fighter;
class playerControl;
class gamePad;

enum class playerModel
{
    Scripted,
    Newcomer
};

// "scripted" or "newcomer"; false for any other name.
bool parsePlayerModel(const std::string& name, playerModel& model);
const char* playerModelName(playerModel model);

class scriptedPlayer
{
public:
    // On a stage. `holdHealth` keeps the fighter at full health, for runs
    // that must reach the end; `seed` drives the newcomer's presses.
    scriptedPlayer(beatEmUpStageBase* stage, playerControl* control, bool holdHealth = false,
                   playerModel model = playerModel::Scripted, unsigned seed = 1);
    // One on one against `opponent`, on the keys of `pad`.
    scriptedPlayer(Fighter* me, const gamePad* pad, Fighter* opponent, playerModel model, unsigned seed,
                   bool holdHealth = false);
    // Lets go of the keys it holds.
    ~scriptedPlayer();
    scriptedPlayer(const scriptedPlayer&) = delete;
    scriptedPlayer& operator=(const scriptedPlayer&) = delete;

    // Decides once a presented frame: which way to walk, and whether to strike.
    void step();

    // Whether the scripted player strikes with C too. In versus C is a third
    // attack button (a character's heavy); on stages and in the story's fights
    // it swaps weapons, so it is left alone there.
    bool thirdButtonStrikes = false;

private:
    Fighter* fighter() const;
    // The enemy to go for: the opponent, or the nearest awake enemy still standing.
    Fighter* nearestEnemy() const;
    void hold(int key, bool down);
    void walk(int dx);
    void strike(Fighter* enemy);
    void mash(Fighter* enemy);
    // Starts a special on the enemies within its reach, if power allows; says whether it did.
    bool trySpecial();

    beatEmUpStageBase* stage = nullptr;
    playerControl* control = nullptr;
    Fighter* me = nullptr;
    const gamePad* pad = nullptr;
    Fighter* opponent = nullptr;
    bool holdHealth = false;
    playerModel model = playerModel::Scripted;
    std::mt19937 random;
    int nextButton = 0; // 0 A, 1 B, 2 C
    int heldLeft = 0;
    int heldRight = 0;
    Uint32 nextPress = 0;
};
