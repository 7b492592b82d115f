// The story campaign's flow: passes of the map, the chosen node's chapter or
// menu, the game-over screen after a loss; and the walk through one chapter.
#include "modes/story_flow.h"

void StoryFlow::start()
{
    level = 0;
    quit = false;
    gameOver = false;
}

void StoryFlow::update()
{
    quit = false;
    gameOver = false;
    do
    {
        const StorySteps::MapChoice choice = steps.map(level);
        level = choice.node;
        if (choice.backedOut)
            quit = true;
        else
            selectLevel(level);
        if (gameOver)
        {
            const bool leave = steps.gameOver();
            gameOver = leave;
            quit = leave;
        }
    } while (!quit);
}

void StoryFlow::selectLevel(int node)
{
    if (steps.windowClosed())
    {
        quit = true;
        return;
    }
    switch (nodeStep(node))
    {
    case NodeStep::Chapter:
        playChapter(*chapterAtNode(node));
        break;
    case NodeStep::Shop:
        steps.shop();
        break;
    case NodeStep::WeaponSelect:
        steps.weaponSelect();
        break;
    case NodeStep::AllySelect:
        steps.allySelect();
        break;
    case NodeStep::Nothing:
        break;
    }
}

void StoryFlow::playChapter(const Chapter& chapter)
{
    steps.scene(chapter.sceneBefore);
    fought(chapter.stage.background ? steps.stage(chapter.stage) : steps.boss(chapter.boss));
    // The one test of the chapter: after a loss or a fight left unfinished
    // nothing is given and nothing more is shown.
    if (quit)
        return;
    if (chapter.sceneBeforeReward)
        steps.scene(chapter.sceneBeforeReward);
    steps.reward(chapter.reward);
    if (chapter.hint)
        steps.hint(chapter.hint);
    if (chapter.sceneAfter)
        steps.scene(chapter.sceneAfter);
    if (chapter.credits)
        fought(steps.credits());
}

void StoryFlow::fought(FightEnd end)
{
    switch (end)
    {
    case FightEnd::Won:
        break;
    case FightEnd::Lost:
        gameOver = true;
        quit = true;
        break;
    case FightEnd::Left:
        quit = true;
        break;
    }
}
