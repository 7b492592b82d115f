// The scrolling beat-'em-up stages: one player with an optional computer
// ally, or two players, fighting their way through a stage script's steps,
// enemy waves and breakable props.
#pragma once

#include <SDL.h>
#include <memory>
#include <string>

#include "engine/camera.h"
#include "fighter/combo.h"
#include "fighter/particles.h"
#include "screens/fight_screen.h"

class AIAllyBeatEmUp;
class beatEmUpSegmentBuilder;
class playerBeatEmControl;
class basicFightUI;

// What both stages share: the script and its current step, player 1 and its
// partner (the ally or player 2), the overlays, the stage's own particle
// lists, the camera following one fighter, and the enemy and prop passes.
class beatEmUpStageBase : public oneVsOneScreen
{
public:
    void matchIntroStage() override;
    void koStage() override;
    void matchWinnerStage() override;
    bool checkForVictor() override;

    // Runs the whole stage, drawing every frame, until it is over or left.
    void update();
    void draw();
    // 1 while player 1's fighter stands, else 2.
    int getWinner() const;

    beatEmUpSegmentBuilder* builder;
    // Index of the step being run; the step count once all are done.
    int currentSegment = 0;
    playerBeatEmControl* player;
    particleList* playerParticles;
    particleList* enemyParticles;
    particleList faceParticles;
    particleList specialParticles;
    bool finished = false;
    std::unique_ptr<camCOneFigh> cameraController;
    basicFightUI* fightUI;
    // Player 1's combos.
    comboCounter combo;
    roundFightScreen fightOverlay;
    roundKOScreen koOverlay;
    roundWinnerScreen winnerOverlay;
    // Cleared by the caller before update to leave the HUD out.
    bool drawFightUI = true;

protected:
    // Stages are destroyed as their own kind, never through this base.
    ~beatEmUpStageBase();

    // Construction up to the built script (the stages differ in the first
    // fighter's walls and the camera's height); `partner` is the ally's or
    // player 2's control, or null.
    beatEmUpStageBase(beatEmUpSegmentBuilder* builder, playerBeatEmControl* player, playerControl* partner,
                      bool twoPlayers, basicFightUI* ui, SDL_Surface* target,
                      const std::string& backgroundName, SDL_Surface* second, particleList* playerParticles,
                      particleList* enemyParticles);

    void reachedEnd() override { finished = true; }

    // Runs the current step; true when it finished and the next one is current.
    bool stepSegment();
    // The fighters' walls the camera shows now.
    void boundToView(Fighter* fighter);
    // Takes every pending event, quit test first, each handed to `give`;
    // returns the last one (an empty event when none came).
    template <typename Give> SDL_Event takeEvents(Give give);
    // The enemies' and props' parts of a fight frame and of a frame without input.
    void updateEnemiesAndObjects();
    void collideEnemiesAndObjects();
    void moveEnemiesAndObjects();
    // The stage's own lists and the HUD.
    void updateEffects();
    void lendEffects(playerControl* control);
    void unlendEffects(playerControl* control);
    // The script's enemy controls, which tell a player's grab shot whether its
    // holder is switched on.
    void lendEnemies(playerBeatEmControl* control);
    void unlendEnemies(playerBeatEmControl* control);

    playerControl* partner;
    int fieldWidth = 0;
};

class beatEmUpStage : public beatEmUpStageBase
{
public:
    beatEmUpStage(beatEmUpSegmentBuilder* builder, playerBeatEmControl* player, AIAllyBeatEmUp* ally,
                  basicFightUI* ui, SDL_Surface* target, std::string backgroundName, SDL_Surface* second,
                  particleList* playerParticles, particleList* enemyParticles);
    ~beatEmUpStage();

    void fightStage() override;
    bool checkIfDefeated() override;
    void resetHealth() override;
    void updatePlayersBasic() override;
    void updateCamera() override;

    // Aims the ally at the nearest living enemy of the script.
    void setAllyTargets();

    AIAllyBeatEmUp* ally;

protected:
    bool pauseRequested() override;
    void clearPauseRequest() override;
};

class beatEmUp2PlayerStage : public beatEmUpStageBase
{
public:
    beatEmUp2PlayerStage(beatEmUpSegmentBuilder* builder, playerBeatEmControl* player1,
                         playerBeatEmControl* player2, basicFightUI* ui, SDL_Surface* target,
                         std::string backgroundName, SDL_Surface* second, particleList* playerParticles,
                         particleList* enemyParticles);
    ~beatEmUp2PlayerStage();

    void fightStage() override;
    bool checkIfDefeated() override;
    void resetHealth() override;
    void updatePlayersBasic() override;
    void updateCamera() override;

    playerBeatEmControl* player2;
    comboCounter combo2;

protected:
    bool pauseRequested() override;
    void clearPauseRequest() override;
    // Two players share the screen without hit-stop.
    bool waitsForHitStop() const override { return false; }
};
