// The beat-'em-up stages run headless to their end: a small script cleared by
// the scripted player, an empty one, knock-outs, the pause menu's quit, what
// is drawn, the hit-stop, the two-player stage's revival, camera and pause
// keys, an ally that fights the stage's enemies, and the rules a freshly
// built stage keeps: walls, camera, particle lists, counters and revival.
#include "control/enemy_ai.h"
#include "engine/clock.h"
#include "engine/globals.h"
#include "fighter/fighter.h"
#include "fighter/move_set.h"
#include "screens/beat_em_up_stage.h"
#include "tests/screens/stage_fixture.h"
#include "tools/stagerun/scripted_player.h"

#include <SDL_mixer.h>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace testing_support;

namespace
{
using k = segmentKind;

class StageTest : public ::testing::Test
{
protected:
    StageTest()
    {
        writeStageData();
        // The HUD's health bar shows over a keyed-out frame.
        writePictures("data/hpBar", {Picture{290, 16, kKeyedOut, 100}});
        writePictures("data/powBar", {Picture{190, 16, kKeyedOut, 100}});
        readyForStage();
    }
    ~StageTest() override { drainQueue(); }

    ScratchDir dir;
    GlobalsGuard globals;
    AudioSession audio;
    SDL_Surface* screen = openTestVideo();
};

bool arrowShown(SDL_Surface* s)
{
    return shows(s, 535, 95, kGoRightColour) || shows(s, 535, 95, kGoLeftColour);
}
} // namespace

// The scripted player walks to the trigger under the "walk on" arrow, then
// beats the wave it wakes: the stage is won with every step run.
TEST_F(StageTest, TheScriptedPlayerClearsAStage)
{
    StagePlayers players(screen);
    TableScript script(
        {EnemySpec{"Grunt", 30, 0, 600}},
        {{k::boundaryChange, 0, 1000}, {k::posTrigger, 300}, {k::activateWave, 0}, {k::monitorWave, 0}});
    beatEmUpStage stage(&script, &players.control1, nullptr, &players.ui, screen, "street", nullptr,
                        &players.playerParticles, &players.enemyParticles);
    scriptedPlayer bot(&stage, &players.control1, true);
    std::vector<int> arrowAt; // the current step of every frame showing the arrow
    {
        FrameWatch watch(
            [&](SDL_Surface* s)
            {
                if (arrowShown(s))
                    arrowAt.push_back(stage.currentSegment);
                bot.step();
            },
            60000);
        stage.update();
        EXPECT_FALSE(watch.ranAway);
    }
    EXPECT_TRUE(stage.finished);
    EXPECT_EQ(stage.getWinner(), 1);
    EXPECT_EQ(stage.currentSegment, script.numSegments);
    EXPECT_LT(script.enemies[0].fighter->hp, 1);
    ASSERT_FALSE(arrowAt.empty());
    EXPECT_EQ(arrowAt, std::vector<int>(arrowAt.size(), 1)) << "the arrow shows only while the trigger waits";
}

// A script without steps is won on the first fight frame.
TEST_F(StageTest, AnEmptyScriptIsWonAtOnce)
{
    StagePlayers players(screen);
    TableScript script({}, {});
    beatEmUpStage stage(&script, &players.control1, nullptr, &players.ui, screen, "street", nullptr,
                        &players.playerParticles, &players.enemyParticles);
    int fightFrames = 0;
    {
        FrameWatch watch([&](SDL_Surface*) { fightFrames += stage.state == 2 ? 1 : 0; }, 20000);
        stage.update();
    }
    EXPECT_TRUE(stage.finished);
    EXPECT_EQ(stage.getWinner(), 1);
    EXPECT_EQ(fightFrames, 1);
    EXPECT_EQ(script.numEnemies, 0);
    EXPECT_EQ(script.objects, nullptr);
}

// A knocked-out player sees the KO overlay and loses; a knock-out in the
// frame the last step finishes loses without it.
TEST_F(StageTest, KnockOutsLoseTheStage)
{
    const struct
    {
        const char* name;
        int walkTo; // the player is put there as it falls; -1 stays
        bool koShown;
    } cases[] = {
        {"knocked out while the trigger waits", -1, true},
        {"knocked out as the last step finishes", 300, false},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        fullyQuit = false;
        StagePlayers players(screen);
        TableScript script({}, {{k::posTrigger, 300}});
        beatEmUpStage stage(&script, &players.control1, nullptr, &players.ui, screen, "street", nullptr,
                            &players.playerParticles, &players.enemyParticles);
        int fightFrames = 0;
        bool koShown = false;
        {
            FrameWatch watch(
                [&](SDL_Surface* s)
                {
                    koShown = koShown || (stage.state == 3 && shows(s, 260, 160, kKOColour));
                    if (stage.state == 2 && ++fightFrames == 5)
                    {
                        players.one().hp = 0;
                        if (c.walkTo >= 0)
                            players.one().x = c.walkTo;
                    }
                },
                20000);
            stage.update();
            EXPECT_FALSE(watch.ranAway);
        }
        EXPECT_TRUE(stage.finished);
        EXPECT_EQ(stage.getWinner(), 2);
        EXPECT_EQ(koShown, c.koShown);
    }
}

// The pause menu's quit leaves the stage unfinished with its music stopped.
TEST_F(StageTest, ThePauseMenusQuitLeavesTheStage)
{
    GPad1.loadGamePad("data/gamepad/defualt.GPad");
    StagePlayers players(screen);
    TableScript script({}, {{k::posTrigger, 1100}});
    beatEmUpStage stage(&script, &players.control1, nullptr, &players.ui, screen, "street", nullptr,
                        &players.playerParticles, &players.enemyParticles);
    int fightFrames = 0;
    bool wasPaused = false;
    bool musicPlayed = false;
    {
        FrameWatch watch(
            [&](SDL_Surface*)
            {
                musicPlayed = musicPlayed || Mix_PlayingMusic();
                if (stage.paused && !wasPaused)
                {
                    pushKey(SDLK_DOWN);
                    pushKey(kConfirm1);
                }
                wasPaused = stage.paused;
                if (stage.state == 2 && ++fightFrames == 10)
                    pushKey(SDLK_p);
            },
            20000);
        stage.update();
        EXPECT_FALSE(watch.ranAway);
    }
    EXPECT_FALSE(stage.finished);
    EXPECT_EQ(players.control1.pauseRequest, 0);
    if (audio.open())
    {
        EXPECT_TRUE(musicPlayed);
        EXPECT_EQ(Mix_PlayingMusic(), 0);
    }
}

// Enemies asleep are not drawn, a beaten enemy still awake is; the HUD shows
// only while the fight-UI flag is set.
TEST_F(StageTest, WhatTheStageDraws)
{
    for (bool hud : {true, false})
    {
        SCOPED_TRACE(hud ? "with the HUD" : "without the HUD");
        fullyQuit = false;
        StagePlayers players(screen);
        TableScript script({EnemySpec{"Grunt", 30, 0, 300}, EnemySpec{"Grunt", 30, 1, 500}},
                           {{k::boundaryChange, 0, 640}, {k::posTrigger, 600}});
        beatEmUpStage stage(&script, &players.control1, nullptr, &players.ui, screen, "street", nullptr,
                            &players.playerParticles, &players.enemyParticles);
        script.enemyAI[1].active = true;
        stage.drawFightUI = hud;
        int fightFrames = 0;
        bool asleepShown = true, beatenShown = false, hudShown = !hud;
        {
            FrameWatch watch(
                [&](SDL_Surface* s)
                {
                    if (stage.state != 2 || ++fightFrames != 20)
                        return;
                    ASSERT_EQ(stage.view.getX(), 0);
                    asleepShown = shows(s, 300, 348 - 40, kBodyColour);
                    beatenShown = shows(s, 500, 348 - 40, kBodyColour);
                    hudShown = !shows(s, 30, 82, kStreetColour);
                    fullyQuit = true;
                },
                20000);
            stage.update();
        }
        EXPECT_GE(fightFrames, 20);
        EXPECT_FALSE(asleepShown);
        EXPECT_TRUE(beatenShown);
        EXPECT_EQ(hudShown, hud);
    }
}

// A hit-stop holds the hit's frame in the one-player stage; the two-player
// stage goes on drawing through it.
TEST_F(StageTest, OnlyTheOnePlayerStageHoldsTheHitStop)
{
    for (bool two : {false, true})
    {
        SCOPED_TRACE(two ? "two players" : "one player");
        fullyQuit = false;
        StagePlayers players(screen, "", two ? "Blue" : "");
        TableScript script({}, {{k::posTrigger, 1100}});
        int framesInStop = 0;
        auto run = [&](beatEmUpStageBase& stage)
        {
            int fightFrames = 0;
            Uint32 stopEnd = 0;
            FrameWatch watch(
                [&](SDL_Surface*)
                {
                    if (stopEnd && gameTicks() < stopEnd)
                        ++framesInStop;
                    if (stage.state == 2 && ++fightFrames == 10)
                    {
                        stopEnd = gameTicks() + 500;
                        freezeEnd = stopEnd;
                    }
                    if (stopEnd && gameTicks() > stopEnd + 100)
                        fullyQuit = true;
                },
                20000);
            stage.update();
        };
        if (two)
        {
            beatEmUp2PlayerStage stage(&script, &players.control1, &players.control2, &players.ui, screen,
                                       "street", nullptr, &players.playerParticles, &players.enemyParticles);
            run(stage);
        }
        else
        {
            beatEmUpStage stage(&script, &players.control1, nullptr, &players.ui, screen, "street", nullptr,
                                &players.playerParticles, &players.enemyParticles);
            run(stage);
        }
        if (two)
        {
            EXPECT_GT(framesInStop, 5);
        }
        else
        {
            EXPECT_EQ(framesInStop, 1) << "only the held frame";
        }
    }
}

// Two players: with player 1 down the stage goes on behind player 2, and the
// next finished step stands player 1 up with 5 health; both down lose.
TEST_F(StageTest, TwoPlayersReviveAndLoseTogether)
{
    {
        SCOPED_TRACE("player 1 down, player 2 standing");
        StagePlayers players(screen, "", "Blue");
        TableScript script({EnemySpec{"Grunt", 30, 0, 1100}},
                           {{k::activateWave, 0}, {k::monitorWave, 0}, {k::posTrigger, 1100}});
        beatEmUp2PlayerStage stage(&script, &players.control1, &players.control2, &players.ui, screen,
                                   "street", nullptr, &players.playerParticles, &players.enemyParticles);
        Fighter& p1 = players.one();
        Fighter& p2 = players.rig2->fighter();
        Fighter* grunt = script.enemies[0].fighter;
        int fightFrames = 0;
        int cameraX = -1;
        int revivedHP = -1, revivedMax = -1, keptHP = -1;
        {
            FrameWatch watch(
                [&](SDL_Surface*)
                {
                    if (stage.state != 2)
                        return;
                    ++fightFrames;
                    if (fightFrames == 5)
                    {
                        p1.hp = 0;
                        p2.x = 600;
                    }
                    if (fightFrames >= 5 && fightFrames < 40)
                        p2.hp = 17;
                    if (fightFrames == 20)
                        cameraX = stage.view.getX();
                    if (fightFrames == 30)
                        grunt->hp = 0;
                    if (fightFrames == 32)
                    {
                        revivedHP = p1.hp;
                        revivedMax = p1.maxHP;
                        keptHP = p2.hp;
                        fullyQuit = true;
                    }
                },
                20000);
            stage.update();
        }
        EXPECT_EQ(cameraX, p2.x - 320) << "the camera follows player 2";
        EXPECT_EQ(revivedHP, 5);
        EXPECT_EQ(revivedMax, 30);
        EXPECT_EQ(keptHP, 17);
        EXPECT_EQ(stage.currentSegment, 2);
        EXPECT_FALSE(stage.finished);
    }
    {
        SCOPED_TRACE("both down");
        fullyQuit = false;
        StagePlayers players(screen, "", "Blue");
        TableScript script({}, {{k::posTrigger, 1100}});
        beatEmUp2PlayerStage stage(&script, &players.control1, &players.control2, &players.ui, screen,
                                   "street", nullptr, &players.playerParticles, &players.enemyParticles);
        int fightFrames = 0;
        bool koShown = false;
        {
            FrameWatch watch(
                [&](SDL_Surface* s)
                {
                    koShown = koShown || (stage.state == 3 && shows(s, 260, 160, kKOColour));
                    if (stage.state == 2 && ++fightFrames == 5)
                        players.one().hp = players.rig2->fighter().hp = 0;
                },
                20000);
            stage.update();
        }
        EXPECT_TRUE(stage.finished);
        EXPECT_EQ(stage.getWinner(), 2);
        EXPECT_TRUE(koShown);
    }
}

// Either player's pause key opens the pause menu; once it closes neither
// request is left.
TEST_F(StageTest, EitherPlayerPausesTheTwoPlayerStage)
{
    const struct
    {
        const char* name;
        std::vector<SDLKey> keys;
    } cases[] = {
        {"player 1's key", {SDLK_p}},
        {"player 2's key", {SDLK_o}},
        {"both keys", {SDLK_p, SDLK_o}},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        fullyQuit = false;
        GPad1.loadGamePad("data/gamepad/defualt.GPad");
        StagePlayers players(screen, "", "Blue");
        TableScript script({}, {{k::posTrigger, 1100}});
        beatEmUp2PlayerStage stage(&script, &players.control1, &players.control2, &players.ui, screen,
                                   "street", nullptr, &players.playerParticles, &players.enemyParticles);
        int fightFrames = 0;
        int pauses = 0;
        bool wasPaused = false;
        int requestsAfter = -1;
        {
            FrameWatch watch(
                [&](SDL_Surface*)
                {
                    if (stage.paused && !wasPaused)
                    {
                        ++pauses;
                        pushKey(SDLK_ESCAPE);
                    }
                    wasPaused = stage.paused;
                    if (stage.paused || stage.state != 2)
                        return;
                    ++fightFrames;
                    if (fightFrames == 10)
                        for (SDLKey key : c.keys)
                            pushKey(key);
                    if (fightFrames == 20)
                    {
                        requestsAfter = players.control1.pauseRequest + players.control2.pauseRequest;
                        fullyQuit = true;
                    }
                },
                20000);
            stage.update();
        }
        EXPECT_EQ(pauses, 1);
        EXPECT_EQ(requestsAfter, 0);
    }
}

// The ally is aimed at the stage's enemies and beats them for a player who
// does nothing.
TEST_F(StageTest, TheAllyFightsTheStagesEnemies)
{
    StagePlayers players(screen, "Blue");
    TableScript script({EnemySpec{"Grunt", 30, 0, 400}}, {{k::activateWave, 0}, {k::monitorWave, 0}});
    beatEmUpStage stage(&script, &players.control1, players.ally(), &players.ui, screen, "street", nullptr,
                        &players.playerParticles, &players.enemyParticles);
    ASSERT_EQ(players.allyControl.target, &players.allyControl.nearestTarget);
    EXPECT_EQ(players.allyControl.nearestTarget.candidates, std::vector<Fighter*>{script.enemies[0].fighter});
    EXPECT_EQ(players.allyRig->fighter().x, 40);
    {
        FrameWatch watch(
            [&](SDL_Surface*)
            {
                players.one().hp = players.one().maxHP;
                players.allyRig->fighter().hp = players.allyRig->fighter().maxHP;
            },
            100000);
        stage.update();
        EXPECT_FALSE(watch.ranAway);
    }
    EXPECT_TRUE(stage.finished);
    EXPECT_EQ(stage.getWinner(), 1);
    EXPECT_LT(script.enemies[0].fighter->hp, 1);
}

// The stage hands each player the script's enemy controls, so a grab shot
// holds the player only by an enemy that is switched on; the stage takes them
// back, and any hold, when it goes, since the enemies go with the script.
TEST_F(StageTest, AGrabShotHoldsOnlyByASwitchedOnEnemyOfTheStage)
{
    for (bool two : {false, true})
        for (bool switchedOn : {true, false})
        {
            SCOPED_TRACE(testing::Message() << (two ? "two players, " : "one player, ")
                                            << (switchedOn ? "switched on" : "switched off"));
            StagePlayers players(screen, "", two ? "Blue" : "");
            TableScript script({EnemySpec{"Grunt", 30, 0, 240}}, {{k::posTrigger, 1100}});
            auto check = [&](beatEmUpStageBase& stage, playerBeatEmControl& control, FighterRig& rig)
            {
                EXPECT_EQ(control.enemyControls, script.enemyAI);
                Fighter& me = rig.fighter();
                Fighter& enemy = *script.enemies[0].fighter;
                rig.stand(200, true);
                me.setHP(100, 100);
                enemy.x = 240;
                enemy.y = me.y;
                enemy.dir = false;
                enemy.setHP(30, 30);
                script.enemyAI[0].active = switchedOn;
                enemy.changeAction(script.enemyAI[0].moves->findMove("throw"));
                enemy.setFrame(1);
                // The blow marks the enemy as the player's holder; the reaction is over when the shot lands.
                control.updateDamageCollision(script.enemies, script.numEnemies);
                ASSERT_EQ(control.grabber, &enemy);
                rig.stand(200, true);
                stage.enemyParticles->addParticleXY("grabShot", false, &players.fx.kinds, screen, 100000,
                                                    me.x, me.y);
                control.checkParticleCollision(stage.enemyParticles, 'E');
                EXPECT_EQ(control.grabbed, switchedOn);
                EXPECT_EQ(enemy.grabbing, switchedOn);
            };
            if (two)
            {
                {
                    beatEmUp2PlayerStage stage(&script, &players.control1, &players.control2, &players.ui,
                                               screen, "street", nullptr, &players.playerParticles,
                                               &players.enemyParticles);
                    check(stage, players.control2, *players.rig2);
                }
                EXPECT_EQ(players.control2.enemyControls, nullptr);
                EXPECT_EQ(players.control2.grabber, nullptr);
                EXPECT_FALSE(players.control2.grabbed);
            }
            else
            {
                beatEmUpStage stage(&script, &players.control1, nullptr, &players.ui, screen, "street",
                                    nullptr, &players.playerParticles, &players.enemyParticles);
                check(stage, players.control1, *players.rig1);
            }
            EXPECT_EQ(players.control1.enemyControls, nullptr);
            EXPECT_EQ(players.control1.grabber, nullptr);
            EXPECT_FALSE(players.control1.grabbed);
        }
}

namespace
{
enum class Cast
{
    one,
    oneWithAlly,
    two
};

// When a rule is read: as the constructor leaves the stage, on the first
// intro picture (after the camera's first update), or on the first fight
// picture (after the whole intro and, with two players, the first step).
enum class Moment
{
    built,
    firstIntroFrame,
    fightBegins
};

// A stage as a rule sees it.
struct Seen
{
    beatEmUpStageBase& stage;
    StagePlayers& players;
    TableScript& script;

    Fighter& one() { return players.one(); }
    Fighter& two() { return players.rig2->fighter(); }
    Fighter& ally() { return players.allyRig->fighter(); }
};

std::string span(int low, int high)
{
    return std::to_string(low) + ".." + std::to_string(high);
}

std::string walls(const Fighter& f)
{
    return span(f.leftBound, f.rightBound);
}

std::string removal(const particleList* list)
{
    return span(list->leftBound, list->rightBound);
}

std::string lent(const playerControl& control, const beatEmUpStageBase& stage)
{
    return std::string(control.effects == &stage.faceParticles ? "face" : "no face") + ", " +
           (control.specialBackdrop == &stage.specialParticles ? "special" : "no special");
}

std::string countsInto(const Fighter& f, const beatEmUpStageBase& stage)
{
    if (!f.comCounter)
        return "none";
    if (f.comCounter == &stage.combo)
        return "player 1's counter";
    auto* two = dynamic_cast<const beatEmUp2PlayerStage*>(&stage);
    if (two && f.comCounter == &two->combo2)
        return "player 2's counter";
    return "another counter";
}

std::string cameraAt(const camera& view)
{
    return "max " + std::to_string(view.maxX) + "," + std::to_string(view.maxY) + " at " +
           std::to_string(view.getX());
}

std::string health(const Fighter& a, const Fighter& b)
{
    return std::to_string(a.hp) + " and " + std::to_string(b.hp);
}

std::string asleepY(Seen& s)
{
    return std::to_string(s.script.enemies[0].fighter->y);
}

struct StageRule
{
    const char* rule;
    Cast cast;
    Moment when;
    std::function<std::string(Seen&)> read;
    std::string expected;
    // Run between construction and the first pass.
    std::function<void(Seen&)> before = nullptr;
};
} // namespace

// The rules a freshly built stage keeps, each read where it first shows, on
// a street 1200 wide (the view starts at its right end, 560) with one enemy
// asleep at y 0 and a first step that finishes on the first fight frame.
TEST_F(StageTest, AFreshStageKeepsItsRules)
{
    const StageRule rules[] = {
        {"player 1's walls are the whole street", Cast::one, Moment::built,
         [](Seen& s) { return walls(s.one()); }, "0..1200"},
        {"the ally's walls are the whole street", Cast::oneWithAlly, Moment::built,
         [](Seen& s) { return walls(s.ally()); }, "0..1200"},
        {"with two players, player 1's walls are the fresh view through the intro", Cast::two,
         Moment::firstIntroFrame, [](Seen& s) { return walls(s.one()); }, "0..640"},
        {"player 2's walls are the placed view", Cast::two, Moment::built,
         [](Seen& s) { return walls(s.two()); }, "560..1200"},
        {"player 2's walls follow the view as it follows player 1", Cast::two, Moment::firstIntroFrame,
         [](Seen& s) { return walls(s.two()) + " at view " + std::to_string(s.stage.view.getX()); },
         "280..920 at view 280", [](Seen& s) { s.one().x = 600; }},
        {"the camera stops at the street's end", Cast::one, Moment::built,
         [](Seen& s) { return cameraAt(s.stage.view); }, "max 1200,1200 at 560"},
        {"with two players the camera's maximum is 600 high", Cast::two, Moment::built,
         [](Seen& s) { return cameraAt(s.stage.view); }, "max 1200,600 at 560"},
        {"every particle list is removed only off the street", Cast::one, Moment::built,
         [](Seen& s)
         {
             beatEmUpStageBase& st = s.stage;
             return removal(st.playerParticles) + " " + removal(st.enemyParticles) + " " +
                    removal(&st.faceParticles) + " " + removal(&st.specialParticles);
         },
         "0..1200 0..1200 0..1200 0..1200"},
        {"the script gets the player's kinds and the stage's lists", Cast::one, Moment::built,
         [](Seen& s)
         {
             const bool all = s.script.partInfo == s.players.control1.partInfo &&
                              s.script.enemyParticles == s.stage.enemyParticles &&
                              s.script.faceParticles == &s.stage.faceParticles &&
                              s.script.specialParticles == &s.stage.specialParticles;
             return std::string(all ? "all four" : "not all");
         },
         "all four"},
        {"player 1 is lent the face and special lists", Cast::one, Moment::built,
         [](Seen& s) { return lent(s.players.control1, s.stage); }, "face, special"},
        {"the ally is lent the face and special lists", Cast::oneWithAlly, Moment::built,
         [](Seen& s) { return lent(s.players.allyControl, s.stage); }, "face, special"},
        {"player 2 is lent the face and special lists", Cast::two, Moment::built,
         [](Seen& s) { return lent(s.players.control2, s.stage); }, "face, special"},
        {"player 1 counts its combos", Cast::one, Moment::built,
         [](Seen& s) { return countsInto(s.one(), s.stage); }, "player 1's counter"},
        {"with two players, each counts its own combos", Cast::two, Moment::built,
         [](Seen& s) { return countsInto(s.one(), s.stage) + ", " + countsInto(s.two(), s.stage); },
         "player 1's counter, player 2's counter"},
        {"a finished step stands player 2 up and leaves player 1 as it is", Cast::two, Moment::fightBegins,
         [](Seen& s) { return health(s.one(), s.two()); }, "17 and 5",
         [](Seen& s)
         {
             s.one().hp = 17;
             s.two().hp = 0;
         }},
        {"a finished step stands player 1 up and leaves player 2 as it is", Cast::two, Moment::fightBegins,
         [](Seen& s) { return health(s.one(), s.two()); }, "5 and 17",
         [](Seen& s)
         {
             s.one().hp = 0;
             s.two().hp = 17;
         }},
        {"an enemy asleep at y 0 stays there through the intro", Cast::one, Moment::fightBegins, asleepY,
         "0"},
        {"an enemy asleep at y 0 stays there through the two-player intro", Cast::two, Moment::fightBegins,
         asleepY, "0"},
    };
    for (const StageRule& r : rules)
    {
        SCOPED_TRACE(r.rule);
        readyForStage();
        StagePlayers players(screen, r.cast == Cast::oneWithAlly ? "Blue" : "",
                             r.cast == Cast::two ? "Blue" : "");
        TableScript script({EnemySpec{"Grunt", 30, 0, 500, 0}},
                           {{k::activateWave, 1}, {k::posTrigger, 1100}});
        std::string got;
        auto check = [&](beatEmUpStageBase& stage)
        {
            Seen seen{stage, players, script};
            if (r.before)
                r.before(seen);
            if (r.when == Moment::built)
            {
                got = r.read(seen);
                return;
            }
            bool read = false;
            FrameWatch watch(
                [&](SDL_Surface*)
                {
                    const int state = r.when == Moment::firstIntroFrame ? 1 : 2;
                    if (read || stage.state != state)
                        return;
                    got = r.read(seen);
                    read = true;
                    fullyQuit = true;
                },
                20000);
            stage.update();
            EXPECT_TRUE(read) << "the stage never got there";
        };
        if (r.cast == Cast::two)
        {
            beatEmUp2PlayerStage stage(&script, &players.control1, &players.control2, &players.ui, screen,
                                       "street", nullptr, &players.playerParticles, &players.enemyParticles);
            check(stage);
        }
        else
        {
            beatEmUpStage stage(&script, &players.control1, players.ally(), &players.ui, screen, "street",
                                nullptr, &players.playerParticles, &players.enemyParticles);
            check(stage);
        }
        EXPECT_EQ(got, r.expected);
    }
}
