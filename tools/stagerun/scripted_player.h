// A player played by the program, for running stages headless: it walks to a
// waiting trigger's place, else to the nearest awake enemy still standing,
// faces it and strikes (A and B by turns), with the keys of its control's pad.
#pragma once

#include <SDL.h>

class beatEmUpSegmentBuilder;
class beatEmUpStageBase;
class playerControl;

class scriptedPlayer
{
public:
    // `holdHealth` keeps the fighter at full health, for runs that must reach the end.
    scriptedPlayer(beatEmUpStageBase* stage, playerControl* control, bool holdHealth = false);
    // Lets go of the keys it holds.
    ~scriptedPlayer();
    scriptedPlayer(const scriptedPlayer&) = delete;
    scriptedPlayer& operator=(const scriptedPlayer&) = delete;

    // Decides once a presented frame: which way to walk, and whether to strike.
    void step();

private:
    void hold(int key, bool down);
    void walk(int dx);
    // Starts a special on the enemies within its reach, if power allows; says whether it did.
    bool trySpecial(beatEmUpSegmentBuilder* b);

    beatEmUpStageBase* stage;
    playerControl* control;
    bool holdHealth;
    bool heavyNext = false;
    int heldLeft = 0;
    int heldRight = 0;
};
