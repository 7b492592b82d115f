// The screens on which fighters fight: the shared round machinery and run
// loop, and the one-on-one match.
#include "screens/fight_screen.h"

#include "control/player_control.h"
#include "engine/clock.h"
#include "engine/frame_pace.h"
#include "engine/gamepad.h"
#include "engine/globals.h"
#include "engine/memory_tracker.h"
#include "engine/present.h"
#include "fighter/fighter.h"
#include "screens/fight_ui.h"

#include <cstring>

oneVsOneScreen::~oneVsOneScreen()
{
    delete bg;
}

void oneVsOneScreen::drainQuitOnly()
{
    drainEvents();
}

void oneVsOneScreen::loadBackground(const std::string& name)
{
    delete bg;
    M_OWNER();
    bg = new background(target);
    bg->init(name);
    bg->startMusic();
}

void oneVsOneScreen::preparePause()
{
    pause.init(target);
    pause.reset();
    paused = false;
}

void oneVsOneScreen::runLoop()
{
    // Fighters step when the time between frames adds up: no frame waits.
    framePaceScope fighting(FramePace::free);
    bool leave = false;
    while (!leave)
    {
        if (fullyQuit)
            leave = true;
        // Hit-stop: nothing is updated or drawn, the hit's frame stays on screen.
        if (waitsForHitStop() && gameTicks() <= freezeEnd)
            continue;
        if (paused)
        {
            framePaceScope menu(FramePace::menu);
            while (!pause.done && !fullyQuit)
            {
                pause.update();
                pause.draw();
            }
            leave = leave || pause.quit;
            paused = false;
            pause.reset();
            clearPauseRequest();
            continue;
        }
        updateCamera();
        switch (state)
        {
        case 1:
            matchIntroStage();
            break;
        case 2:
            fightStage();
            break;
        case 3:
            koStage();
            break;
        default:
            break;
        }
        paused = pauseRequested();
        if (state == 4)
            matchWinnerStage();
        if (state == 5)
        {
            reachedEnd();
            leave = true;
        }
    }
    if (bg)
        bg->stopMusic();
}

PlayerVsPlayerScreen::PlayerVsPlayerScreen(playerControl* c1, playerControl* c2, basicFightUI* ui, SDL_Surface* t,
                                           std::string backgroundName, SDL_Surface* second, particleList* l1,
                                           particleList* l2, int rounds)
    : control1(c1), control2(c2), list1(l1), list2(l2), fightUI(ui)
{
    state = 1;
    control1->playerNumber = 1;
    control2->playerNumber = 2;
    control1->fightUI = fightUI;
    control2->fightUI = fightUI;
    list1->removeAll();
    list2->removeAll();
    target = t;
    secondSurface = second;
    for (playerControl* c : {control1, control2})
    {
        c->effects = &faceParticles;
        c->specialBackdrop = &specialParticles;
    }
    control1->fighter->setComCounter(&combo1);
    control2->fighter->setComCounter(&combo2);
    view.setCameraMaxPos(800, 600);
    view.setPosition(100, 0);
    view.adjustPosition();
    M_OWNER();
    cameraController = std::make_unique<camCTwoFighs>(&view, control1->fighter, control2->fighter);
    finished = false;
    for (particleList* list : {list1, list2, &faceParticles, &specialParticles})
    {
        list->leftBound = 0;
        list->rightBound = 800;
    }
    roundsToWin = rounds;
    wins1 = wins2 = 0;
    loadBackground(backgroundName);
    preparePause();
}

PlayerVsPlayerScreen::~PlayerVsPlayerScreen()
{
    // The fighters and controls belong to the caller and outlive this screen
    // (a mode shows them again in its next fight): let go of what they were
    // lent from it.
    for (playerControl* c : {control1, control2})
    {
        if (c->effects == &faceParticles)
            c->effects = nullptr;
        if (c->specialBackdrop == &specialParticles)
            c->specialBackdrop = nullptr;
    }
    if (control1->fighter && control1->fighter->comCounter == &combo1)
        control1->fighter->setComCounter(nullptr);
    if (control2->fighter && control2->fighter->comCounter == &combo2)
        control2->fighter->setComCounter(nullptr);
}

bool PlayerVsPlayerScreen::pauseRequested()
{
    return control1->pauseRequest != 0;
}

void PlayerVsPlayerScreen::clearPauseRequest()
{
    control1->pauseRequest = 0;
}

void PlayerVsPlayerScreen::update()
{
    fightOverlay.init(target);
    koOverlay.init(target);
    winnerOverlay.init(target);
    control1->doStartPose();
    control2->fighter->setDir(false);
    control2->doStartPose();
    runLoop();
}

void PlayerVsPlayerScreen::matchIntroStage()
{
    drainQuitOnly();
    draw();
    updatePlayersBasic();
    fightOverlay.update();
    if (fightOverlay.done || fullyQuit)
        state = 2;
}

void PlayerVsPlayerScreen::fightStage()
{
    draw();
    control1->update();
    control2->update();
    // The last event taken, or an empty one when the queue held none.
    SDL_Event event;
    std::memset(&event, 0, sizeof event);
    event.type = SDL_NOEVENT;
    SDL_Event polled;
    while (SDL_PollEvent(&polled))
    {
        event = polled;
        checkQuitEvent(event);
        control1->inputChecking(&event);
        control2->inputChecking(&event);
    }
    control1->movementChecking(&event);
    control2->movementChecking(&event);
    control1->updateAI();
    control2->updateAI();
    faceParticles.update();
    specialParticles.update();
    if (fightUI)
        fightUI->update();
    combo1.update(static_cast<int>(gameTicks()));
    combo2.update(static_cast<int>(gameTicks()));
    control1->checkDeflectCollision();
    control2->checkDeflectCollision();
    control1->updateDamageCollision();
    control2->updateDamageCollision();
    control1->checkParticleCollision(list2, 'E');
    control2->checkParticleCollision(list1, 'E');
    if (checkIfDefeated())
    {
        setRoundWinner();
        koOverlay.restart();
        state = 3;
    }
    if (gameTicks() < freezeEnd)
        draw();
}

void PlayerVsPlayerScreen::koStage()
{
    draw();
    updatePlayersBasic();
    drainQuitOnly();
    koOverlay.update();
    if (!koOverlay.done && !fullyQuit)
        return;
    if (checkForVictor())
    {
        winnerOverlay.restart();
        if (wins1 < wins2)
            control2->doEndPose();
        else
            control1->doEndPose();
        state = 4;
    }
    else
    {
        resetHealth();
        fightOverlay.restart();
        state = 1;
    }
}

void PlayerVsPlayerScreen::matchWinnerStage()
{
    draw();
    updatePlayersBasic();
    winnerOverlay.update();
    if (winnerOverlay.done || fullyQuit)
        state = 5;
}

bool PlayerVsPlayerScreen::checkIfDefeated()
{
    return control1->fighter->hp < 1 || control2->fighter->hp < 1;
}

void PlayerVsPlayerScreen::setRoundWinner()
{
    if (control1->fighter->hp < 1)
        ++wins2;
    if (control2->fighter->hp < 1)
        ++wins1;
}

void PlayerVsPlayerScreen::resetHealth()
{
    for (playerControl* c : {control1, control2})
        c->fighter->setHP(c->fighter->maxHP, c->fighter->maxHP);
}

bool PlayerVsPlayerScreen::checkForVictor()
{
    return wins1 >= roundsToWin || wins2 >= roundsToWin;
}

void PlayerVsPlayerScreen::updatePlayersBasic()
{
    control1->update();
    control1->updatePosition();
    control2->update();
    control2->updatePosition();
    faceParticles.update();
    specialParticles.update();
    if (fightUI)
        fightUI->update();
    combo1.update(static_cast<int>(gameTicks()));
    combo2.update(static_cast<int>(gameTicks()));
}

void PlayerVsPlayerScreen::updateCamera()
{
    cameraController->update();
    for (playerControl* c : {control1, control2})
    {
        c->fighter->leftBound = view.getX();
        c->fighter->rightBound = view.getX() + view.width;
    }
}

int PlayerVsPlayerScreen::getWinner() const
{
    return wins1 < wins2 ? 2 : 1;
}

void PlayerVsPlayerScreen::draw()
{
    const int camX = view.getX();
    const int camY = view.getY();
    if (bg)
    {
        if (state == 3)
            bg->drawAlpha(camX, camY);
        else
            bg->draw(camX, camY);
    }
    specialParticles.draw();
    control1->fighter->drawCam(camX, camY);
    control1->displayText(camX, camY);
    control2->fighter->drawCam(camX, camY);
    control2->displayText(camX, camY);
    list1->drawCam(camX, camY);
    list2->drawCam(camX, camY);
    if (fightUI)
        fightUI->draw();
    faceParticles.drawCam(camX, camY);
    if (!fullyQuit)
    {
        if (state == 1 && !fightOverlay.done)
            fightOverlay.draw();
        else if (state == 3 && !koOverlay.done)
            koOverlay.draw();
        else if (state == 4 && !winnerOverlay.done)
            winnerOverlay.draw();
    }
    if (debugging)
    {
        control1->fighter->drawColBoxes();
        control2->fighter->drawColBoxes();
        list1->debug();
        list2->debug();
    }
    presentFrame(target);
}
