// The story campaign's flow: passes of the map, the chosen node's chapter or
// menu, the game-over screen after a loss; and the walk through one chapter.
#pragma once

#include "modes/fight_result.h"
#include "modes/story_chapters.h"

// The steps a pass and a chapter are made of. Story mode carries them out
// with the game's screens; tests replay flows with a recording stand-in.
class StorySteps
{
public:
    struct MapChoice
    {
        int node;
        bool backedOut;
    };

    virtual ~StorySteps() = default;
    // Shows the map with its cursor on `cursor` until a node is confirmed,
    // the player backs out or the window is closed.
    virtual MapChoice map(int cursor) = 0;
    virtual void scene(int number) = 0;
    virtual FightEnd stage(const StageFight& stage) = 0;
    virtual FightEnd boss(const BossFight& boss) = 0;
    virtual FightEnd credits() = 0;
    // Applies and saves reward `bundle`, then shows the loot screen.
    virtual void reward(int bundle) = 0;
    virtual void hint(int number) = 0;
    // The game-over screen; true when the player chose to quit.
    virtual bool gameOver() = 0;
    virtual void shop() = 0;
    virtual void weaponSelect() = 0;
    virtual void allySelect() = 0;
    // The window was closed (the game is quitting).
    virtual bool windowClosed() = 0;
};

class StoryFlow
{
public:
    explicit StoryFlow(StorySteps& steps) : steps(steps) {}

    // A new visit of story mode: the cursor on node 0, no flags.
    void start();
    // Runs passes until one ends with `quit` set.
    void update();
    // Runs node `node` to its end; nothing for a node outside 0..23, and
    // nothing but `quit` once the window has been closed.
    void selectLevel(int node);
    void playChapter(const Chapter& chapter);

    // The node chosen last; the map's cursor starts there.
    int level = 0;
    bool quit = false;
    // The fight just run was lost; the pass shows the game-over screen.
    bool gameOver = false;

private:
    void fought(FightEnd end);

    StorySteps& steps;
};
