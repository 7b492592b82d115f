// The story's flow replayed with a recording stand-in for its screens: the
// passes of the map, every chapter's steps in order, losses, fights left
// through the pause menu, the window closed, and the menu nodes.
#include "modes/story_flow.h"

#include <deque>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{
using Log = std::vector<std::string>;

// Records every step; the map, fights and game-over screen answer from
// scripts (an empty map script backs out, fights are won, game over quits).
class RecordingSteps : public StorySteps
{
public:
    MapChoice map(int cursor) override
    {
        log.push_back("map " + std::to_string(cursor));
        if (maps.empty())
            return {cursor, true};
        const MapChoice choice = maps.front();
        maps.pop_front();
        if (closeOnMap)
            closed = true;
        return choice;
    }
    void scene(int number) override { log.push_back("scene " + std::to_string(number)); }
    FightEnd stage(const StageFight& s) override
    {
        log.push_back(std::string("stage ") + s.background + " " + std::to_string(s.level));
        return nextFight();
    }
    FightEnd boss(const BossFight& b) override
    {
        log.push_back(std::string("boss ") + b.background + " " + b.chardata + " " + b.faces + " " +
                      b.aiFolder + " " + std::to_string(b.hp) + " " + std::to_string(b.power) + " " +
                      std::to_string(b.attack) + " " + std::to_string(b.defence) + " " +
                      std::to_string(b.violence));
        return nextFight();
    }
    FightEnd credits() override
    {
        log.push_back("credits");
        return nextFight();
    }
    void reward(int bundle) override { log.push_back("reward " + std::to_string(bundle)); }
    void hint(int number) override { log.push_back("hint " + std::to_string(number)); }
    bool gameOver() override
    {
        log.push_back("game over");
        if (gameOverChoices.empty())
            return true;
        const bool choice = gameOverChoices.front();
        gameOverChoices.pop_front();
        return choice;
    }
    void shop() override { log.push_back("shop"); }
    void weaponSelect() override { log.push_back("weapons"); }
    void allySelect() override { log.push_back("allies"); }
    bool windowClosed() override { return closed; }

    Log log;
    std::deque<MapChoice> maps;
    std::deque<FightEnd> fights;
    std::deque<bool> gameOverChoices;
    bool closed = false;
    bool closeOnMap = false;

private:
    FightEnd nextFight()
    {
        if (fights.empty())
            return FightEnd::Won;
        const FightEnd end = fights.front();
        fights.pop_front();
        return end;
    }
};

Log logOfNode(int node, std::deque<FightEnd> fights = {})
{
    RecordingSteps steps;
    steps.fights = std::move(fights);
    StoryFlow flow(steps);
    flow.start();
    flow.selectLevel(node);
    return steps.log;
}

std::string bossLine(const char* background, const char* name, int hp, int power, int attack, int violence)
{
    const std::string folder = std::string("data/characters/") + name;
    return std::string("boss ") + background + " " + folder + "/chardata faces " + folder + "/ai " +
           std::to_string(hp) + " " + std::to_string(power) + " " + std::to_string(attack) + " 0 " +
           std::to_string(violence);
}

TEST(StoryFlowTest, EveryNodeRunsItsChapterOrMenuWhenItsFightIsWon)
{
    struct Case
    {
        int node;
        Log steps;
    };
    const Case cases[] = {
        {0, {"scene 1", "stage nicksPlace 0", "reward 1"}},
        {1,
         {"scene 2", bossLine("borderStreetNight", "Vlad", 1000, 100, 0, 1), "reward 2", "hint 2",
          "scene 3"}},
        {2, {"scene 4", "stage borderStreet 1", "reward 3"}},
        {3, {"scene 5", bossLine("burningBase", "Spectre", 2000, 40, 0, 1), "reward 4", "scene 6"}},
        {4, {"shop"}},
        {5, {"weapons"}},
        {6, {"allies"}},
        {7, {"scene 7", "stage RichStreet 2", "reward 5", "scene 8"}},
        {8, {"scene 9", bossLine("trainBattle", "Weldy", 3000, 100, 0, 1), "reward 6", "scene 10"}},
        {9, {"scene 11", "stage LongStreet 3", "reward 7", "scene 12"}},
        {10, {"scene 13", "stage TowerBase 4", "reward 8", "scene 14"}},
        {11, {"shop"}},
        {12, {"allies"}},
        {13, {"scene 15", "stage elevatorBattle 5", "reward 9", "scene 16"}},
        {14, {"scene 17", bossLine("towerTop", "Giancarlo", 3000, 100, 0, 1), "reward 10", "scene 18"}},
        {15, {"scene 19", "stage ToTheNavy 6", "reward 11", "scene 20"}},
        {16, {"weapons"}},
        {17, {"scene 21", bossLine("burningNavy", "Spectre", 3000, 100, 3, 2), "reward 12", "scene 22"}},
        {18, {"scene 23", "stage airship 7", "reward 13"}},
        {19, {"scene 24", bossLine("airshipHangar", "Mech", 5000, 100, 0, 1), "reward 14", "scene 25"}},
        {20, {"scene 26", "stage HellRoad 8", "reward 15", "scene 27"}},
        {21, {"scene 28", bossLine("darkStreet", "Johnny", 3000, 100, 0, 2), "reward 16", "scene 29"}},
        {22, {"scene 30", "stage finalRun 9", "reward 17", "scene 31"}},
        {23,
         {"scene 32", bossLine("destroyedStreet", "Lilith", 5000, 100, 0, 2), "scene 33", "reward 18",
          "credits"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(logOfNode(c.node), c.steps) << "node " << c.node;

    // Nodes off the map run nothing.
    EXPECT_EQ(logOfNode(24), Log{});
    EXPECT_EQ(logOfNode(-1), Log{});
}

TEST(StoryFlowTest, ALostOrLeftFightEndsTheChapterWithNothingGiven)
{
    struct Case
    {
        int node;
        std::deque<FightEnd> fights;
        Log steps;
        bool quit;
        bool gameOver;
    };
    const Case cases[] = {
        {0, {FightEnd::Lost}, {"scene 1", "stage nicksPlace 0"}, true, true},
        {0, {FightEnd::Left}, {"scene 1", "stage nicksPlace 0"}, true, false},
        {1,
         {FightEnd::Lost},
         {"scene 2", bossLine("borderStreetNight", "Vlad", 1000, 100, 0, 1)},
         true,
         true},
        // The credits stage lost after the last reward: the reward stays given.
        {23,
         {FightEnd::Won, FightEnd::Lost},
         {"scene 32", bossLine("destroyedStreet", "Lilith", 5000, 100, 0, 2), "scene 33", "reward 18",
          "credits"},
         true,
         true},
    };
    for (const Case& c : cases)
    {
        RecordingSteps steps;
        steps.fights = c.fights;
        StoryFlow flow(steps);
        flow.start();
        flow.selectLevel(c.node);
        EXPECT_EQ(steps.log, c.steps) << "node " << c.node;
        EXPECT_EQ(flow.quit, c.quit) << "node " << c.node;
        EXPECT_EQ(flow.gameOver, c.gameOver) << "node " << c.node;
    }
}

TEST(StoryFlowTest, PassesShowTheMapAgainAfterEachNodeUntilThePlayerBacksOut)
{
    RecordingSteps steps;
    steps.maps = {{0, false}, {4, false}, {1, false}};
    StoryFlow flow(steps);
    flow.start();
    flow.update();
    const Log want = {"map 0",    "scene 1", "stage nicksPlace 0",
                      "reward 1", "map 0",   "shop",
                      "map 4",    "scene 2", bossLine("borderStreetNight", "Vlad", 1000, 100, 0, 1),
                      "reward 2", "hint 2",  "scene 3",
                      "map 1"};
    EXPECT_EQ(steps.log, want);
    EXPECT_TRUE(flow.quit);
    EXPECT_FALSE(flow.gameOver);
    EXPECT_EQ(flow.level, 1);

    // A new visit starts on node 0 again.
    flow.start();
    EXPECT_EQ(flow.level, 0);
}

TEST(StoryFlowTest, GameOverGoesOnWithTheCursorOnTheLostNodeOrEndsTheMode)
{
    {
        RecordingSteps steps;
        steps.maps = {{3, false}};
        steps.fights = {FightEnd::Lost};
        steps.gameOverChoices = {false};
        StoryFlow flow(steps);
        flow.start();
        flow.update();
        const Log want = {"map 0", "scene 5", bossLine("burningBase", "Spectre", 2000, 40, 0, 1), "game over",
                          "map 3"};
        EXPECT_EQ(steps.log, want);
        EXPECT_TRUE(flow.quit);
        EXPECT_FALSE(flow.gameOver);
    }
    {
        RecordingSteps steps;
        steps.maps = {{0, false}};
        steps.fights = {FightEnd::Lost};
        steps.gameOverChoices = {true};
        StoryFlow flow(steps);
        flow.start();
        flow.update();
        const Log want = {"map 0", "scene 1", "stage nicksPlace 0", "game over"};
        EXPECT_EQ(steps.log, want);
        EXPECT_TRUE(flow.quit);
        EXPECT_TRUE(flow.gameOver);
    }
}

TEST(StoryFlowTest, QuittingFromPauseOrClosingTheWindowEndsTheModeWithoutGameOver)
{
    {
        RecordingSteps steps;
        steps.maps = {{2, false}, {0, false}};
        steps.fights = {FightEnd::Left};
        StoryFlow flow(steps);
        flow.start();
        flow.update();
        const Log want = {"map 0", "scene 4", "stage borderStreet 1"};
        EXPECT_EQ(steps.log, want);
        EXPECT_FALSE(flow.gameOver);
    }
    {
        // Closed on the map: the confirmed node never runs.
        RecordingSteps steps;
        steps.maps = {{0, false}, {0, false}};
        steps.closeOnMap = true;
        StoryFlow flow(steps);
        flow.start();
        flow.update();
        EXPECT_EQ(steps.log, Log{"map 0"});
        EXPECT_TRUE(flow.quit);
        EXPECT_FALSE(flow.gameOver);
    }
    {
        // Menu nodes run nothing either once the game is quitting.
        RecordingSteps steps;
        steps.closed = true;
        StoryFlow flow(steps);
        flow.start();
        flow.selectLevel(4);
        EXPECT_EQ(steps.log, Log{});
        EXPECT_TRUE(flow.quit);
    }
}

TEST(StoryFlowTest, OnlyAFinishedFightWonByPlayerOneIsAWin)
{
    EXPECT_EQ(fightEnd(true, 1), FightEnd::Won);
    EXPECT_EQ(fightEnd(true, 2), FightEnd::Lost);
    EXPECT_EQ(fightEnd(true, 0), FightEnd::Lost);
    EXPECT_EQ(fightEnd(false, 1), FightEnd::Left);
    EXPECT_EQ(fightEnd(false, 2), FightEnd::Left);
}
} // namespace
