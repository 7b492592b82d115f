// The screens on which fighters fight: the shared round machinery and run
// loop, and the one-on-one match.
#pragma once

#include <SDL.h>
#include <memory>
#include <string>

#include "engine/background.h"
#include "engine/camera.h"
#include "engine/screen.h"
#include "fighter/combo.h"
#include "fighter/particles.h"
#include "screens/pause_screen.h"
#include "screens/round_overlays.h"

class playerControl;
class basicFightUI;

// The base of fight screens and stages: round state, background with its
// music, pause menu and camera, and the run loop every fight screen shares.
class oneVsOneScreen : public Screen
{
public:
    oneVsOneScreen() = default;
    ~oneVsOneScreen();
    oneVsOneScreen(const oneVsOneScreen&) = delete;
    oneVsOneScreen& operator=(const oneVsOneScreen&) = delete;

    virtual void matchIntroStage() {}
    virtual void fightStage() {}
    virtual void koStage() {}
    virtual void matchWinnerStage() {}
    virtual bool checkIfDefeated() { return false; }
    virtual void setRoundWinner() {}
    virtual void resetHealth() {}
    virtual bool checkForVictor() { return false; }
    virtual void updatePlayersBasic() {}
    virtual void updateCamera() {}

    void update() {}
    void draw() {}
    void DrawBG() {}
    int getWinner() { return 0; }

    int state = 1;
    int roundsToWin = 1;
    SDL_Surface* target = nullptr;
    SDL_Surface* secondSurface = nullptr;
    background* bg = nullptr;
    pauseScreen pause;
    bool paused = false;
    camera view;

protected:
    // The pass loop every fight screen and stage runs until the fight is
    // over or left: hit-stop, pause, camera and one state operation a pass.
    void runLoop();
    // Hooks of the run loop.
    virtual bool pauseRequested() = 0;
    virtual void clearPauseRequest() = 0;
    virtual void reachedEnd() = 0;
    // Whether the loop waits out a hit's hit-stop with the hit's frame on screen.
    virtual bool waitsForHitStop() const { return true; }
    // Loads the background by name over the target and starts its music.
    void loadBackground(const std::string& name);
    // Sets the pause menu up for this fight.
    void preparePause();
    // Takes every pending event, applying only the quit test.
    static void drainQuitOnly();
};

class PlayerVsPlayerScreen : public oneVsOneScreen
{
public:
    PlayerVsPlayerScreen(playerControl* control1, playerControl* control2, basicFightUI* fightUI,
                         SDL_Surface* target, std::string backgroundName, SDL_Surface* secondSurface,
                         particleList* list1, particleList* list2, int roundsToWin);
    ~PlayerVsPlayerScreen();

    void matchIntroStage() override;
    void fightStage() override;
    void koStage() override;
    void matchWinnerStage() override;
    bool checkIfDefeated() override;
    void setRoundWinner() override;
    void resetHealth() override;
    bool checkForVictor() override;
    void updatePlayersBasic() override;
    void updateCamera() override;

    void update();
    void draw();
    int getWinner() const;

    playerControl* control1;
    playerControl* control2;
    particleList* list1;
    particleList* list2;
    particleList faceParticles;
    particleList specialParticles;
    int wins1 = 0;
    int wins2 = 0;
    bool finished = false;
    std::unique_ptr<camCTwoFighs> cameraController;
    basicFightUI* fightUI;
    comboCounter combo1;
    comboCounter combo2;
    roundFightScreen fightOverlay;
    roundKOScreen koOverlay;
    roundWinnerScreen winnerOverlay;

protected:
    bool pauseRequested() override;
    void clearPauseRequest() override;
    void reachedEnd() override { finished = true; }
};
