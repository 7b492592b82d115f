// The scrolling beat-'em-up stages: one player with an optional computer
// ally, or two players, fighting their way through a stage script's steps,
// enemy waves and breakable props.
#include "screens/beat_em_up_stage.h"

#include "control/ally_ai.h"
#include "control/beat_em_up_control.h"
#include "control/stage_object.h"
#include "engine/clock.h"
#include "engine/gamepad.h"
#include "engine/globals.h"
#include "engine/present.h"
#include "fighter/fighter.h"
#include "screens/fight_ui.h"
#include "screens/segment.h"
#include "screens/segment_builder.h"

#include <algorithm>
#include <cstring>

namespace
{
// Players start a stage this high and drop onto the ground.
constexpr int kStartY = 300;
// Where the camera starts; the field's walls pull it back in.
constexpr int kCameraStartX = 600;
// A player down when a step finishes gets up with this much health.
constexpr int kReviveHP = 5;
} // namespace

beatEmUpStageBase::beatEmUpStageBase(beatEmUpSegmentBuilder* b, playerBeatEmControl* p,
                                     playerControl* partnerControl, bool twoPlayers, basicFightUI* ui,
                                     SDL_Surface* t, const std::string& backgroundName, SDL_Surface* second,
                                     particleList* l1, particleList* l2)
    : builder(b), player(p), playerParticles(l1), enemyParticles(l2), fightUI(ui), partner(partnerControl)
{
    state = 1;
    currentSegment = 0;
    player->fightUI = fightUI;
    player->playerNumber = 1;
    playerParticles->removeAll();
    enemyParticles->removeAll();
    target = t;
    secondSurface = second;
    loadBackground(backgroundName);
    lendEffects(player);
    player->fighter->setComCounter(&combo);
    fieldWidth = bg ? bg->width : 0;
    if (twoPlayers)
        boundToView(player->fighter);
    else
    {
        player->fighter->leftBound = 0;
        player->fighter->rightBound = fieldWidth;
    }
    view.setCameraMaxPos(fieldWidth, twoPlayers ? 600 : fieldWidth);
    view.setPosition(kCameraStartX, 0);
    view.adjustPosition();
    cameraController = std::make_unique<camCOneFigh>(&view, player->fighter);
    for (particleList* list : {playerParticles, enemyParticles, &faceParticles, &specialParticles})
    {
        list->leftBound = 0;
        list->rightBound = fieldWidth;
    }
    finished = false;
    builder->surface = target;
    builder->player1 = player->fighter;
    builder->target.setTarget(player->fighter);
    if (partner)
    {
        builder->player2 = partner->fighter;
        if (!twoPlayers)
        {
            partner->fighter->leftBound = 0;
            partner->fighter->rightBound = fieldWidth;
        }
    }
    builder->setParticleLists(player->partInfo, enemyParticles, &faceParticles, &specialParticles);
    builder->cam = &view;
    builder->buildEnemies();
    builder->buildSegments();
    lendEnemies(player);
}

beatEmUpStageBase::~beatEmUpStageBase()
{
    // The controls and fighters belong to the caller and outlive the stage:
    // let go of what they were lent from it.
    unlendEffects(player);
    unlendEnemies(player);
    if (partner)
        unlendEffects(partner);
    if (player->fighter && player->fighter->comCounter == &combo)
        player->fighter->setComCounter(nullptr);
}

void beatEmUpStageBase::lendEffects(playerControl* control)
{
    control->effects = &faceParticles;
    control->specialBackdrop = &specialParticles;
}

void beatEmUpStageBase::unlendEffects(playerControl* control)
{
    if (control->effects == &faceParticles)
        control->effects = nullptr;
    if (control->specialBackdrop == &specialParticles)
        control->specialBackdrop = nullptr;
}

void beatEmUpStageBase::lendEnemies(playerBeatEmControl* control)
{
    control->enemyControls = builder->enemyAI;
}

void beatEmUpStageBase::unlendEnemies(playerBeatEmControl* control)
{
    if (control->enemyControls == builder->enemyAI)
        control->enemyControls = nullptr;
    // Every holder the player can have is one of the script's enemies, which
    // go with the script: a hold must not reach into the next stage.
    control->grabber = nullptr;
    control->grabbed = false;
}

void beatEmUpStageBase::boundToView(Fighter* fighter)
{
    fighter->leftBound = view.getX();
    fighter->rightBound = view.getX() + view.width;
}

void beatEmUpStageBase::update()
{
    fightOverlay.init(target);
    koOverlay.init(target);
    winnerOverlay.init(target);
    player->doStartPose();
    if (partner)
        partner->doStartPose();
    runLoop();
}

bool beatEmUpStageBase::stepSegment()
{
    if (currentSegment >= builder->numSegments)
        return false;
    beatEmUpSegment* segment = builder->segments[currentSegment];
    segment->update();
    if (!segment->getFinished())
        return false;
    ++currentSegment;
    return true;
}

template <typename Give> SDL_Event beatEmUpStageBase::takeEvents(Give give)
{
    SDL_Event event;
    std::memset(&event, 0, sizeof event);
    event.type = SDL_NOEVENT;
    SDL_Event polled;
    while (SDL_PollEvent(&polled))
    {
        event = polled;
        checkQuitEvent(event);
        give(&event);
    }
    return event;
}

void beatEmUpStageBase::updateEnemiesAndObjects()
{
    for (int i = 0; i < builder->numEnemies; ++i)
    {
        AIBeatEmUp& enemy = builder->enemyAI[i];
        enemy.update();
        enemy.updateAI();
    }
    for (int i = 0; i < builder->numObjects; ++i)
    {
        beatEmUpObject& object = builder->objects[i];
        object.update();
        object.updatePosition();
    }
}

void beatEmUpStageBase::collideEnemiesAndObjects()
{
    for (int i = 0; i < builder->numEnemies; ++i)
    {
        AIBeatEmUp& enemy = builder->enemyAI[i];
        enemy.checkDeflectCollision();
        enemy.updateDamageCollision();
        enemy.checkParticleCollision(playerParticles, 'E');
    }
    for (int i = 0; i < builder->numObjects; ++i)
        builder->objects[i].updateDamageCollision();
}

void beatEmUpStageBase::moveEnemiesAndObjects()
{
    // Enemies still asleep take the frame's time but do not move.
    for (int i = 0; i < builder->numEnemies; ++i)
    {
        AIBeatEmUp& enemy = builder->enemyAI[i];
        enemy.update();
        if (enemy.active)
            enemy.updatePosition();
    }
    for (int i = 0; i < builder->numObjects; ++i)
    {
        beatEmUpObject& object = builder->objects[i];
        object.update();
        object.updatePosition();
    }
}

void beatEmUpStageBase::updateEffects()
{
    faceParticles.update();
    specialParticles.update();
    if (fightUI)
        fightUI->update();
}

void beatEmUpStageBase::matchIntroStage()
{
    drainQuitOnly();
    draw();
    updatePlayersBasic();
    fightOverlay.update();
    if (fightOverlay.done || fullyQuit)
        state = 2;
}

void beatEmUpStageBase::koStage()
{
    draw();
    updatePlayersBasic();
    drainQuitOnly();
    koOverlay.update();
    if (koOverlay.done || fullyQuit)
        state = 5;
}

void beatEmUpStageBase::matchWinnerStage()
{
    draw();
    updatePlayersBasic();
    winnerOverlay.update();
    if (winnerOverlay.done || fullyQuit)
        state = 5;
}

bool beatEmUpStageBase::checkForVictor()
{
    return currentSegment >= builder->numSegments;
}

int beatEmUpStageBase::getWinner() const
{
    return player->fighter->hp >= 1 ? 1 : 2;
}

void beatEmUpStageBase::draw()
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
    for (int i = 0; i < builder->numObjects; ++i)
        if (Fighter* f = builder->objects[i].fighter)
            f->drawCam(camX, camY);
    for (int i = 0; i < builder->numEnemies; ++i)
    {
        AIBeatEmUp& enemy = builder->enemyAI[i];
        if (!enemy.active || !enemy.fighter)
            continue;
        enemy.fighter->drawCam(camX, camY);
        enemy.displayText(camX, camY);
    }
    for (playerControl* c : {partner, static_cast<playerControl*>(player)})
        if (c)
        {
            c->fighter->drawCam(camX, camY);
            c->displayText(camX, camY);
        }
    playerParticles->drawCam(camX, camY);
    enemyParticles->drawCam(camX, camY);
    if (fightUI && drawFightUI)
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
    if (currentSegment < builder->numSegments)
        builder->segments[currentSegment]->draw();
    if (debugging)
    {
        player->fighter->drawColBoxes();
        playerParticles->debug();
        enemyParticles->debug();
    }
    presentFrame(target);
}

beatEmUpStage::beatEmUpStage(beatEmUpSegmentBuilder* b, playerBeatEmControl* p, AIAllyBeatEmUp* a,
                             basicFightUI* ui, SDL_Surface* t, std::string backgroundName,
                             SDL_Surface* second, particleList* l1, particleList* l2)
    : beatEmUpStageBase(b, p, a, false, ui, t, backgroundName, second, l1, l2), ally(a)
{
    player->fighter->x = builder->startX;
    player->fighter->y = kStartY;
    if (ally)
        setAllyTargets();
    drainQuitOnly();
    preparePause();
    freezeEnd = 0;
}

beatEmUpStage::~beatEmUpStage()
{
    if (!ally)
        return;
    // The enemies' fighters go with the script.
    std::vector<Fighter*>& candidates = ally->nearestTarget.candidates;
    for (int i = 0; i < builder->numEnemies; ++i)
    {
        Fighter* enemy = builder->enemyAI[i].fighter;
        candidates.erase(std::remove(candidates.begin(), candidates.end(), enemy), candidates.end());
        if (ally->nearestTarget.target == enemy)
            ally->nearestTarget.target = nullptr;
    }
}

void beatEmUpStage::setAllyTargets()
{
    ally->target = &ally->nearestTarget;
    for (int i = 0; i < builder->numEnemies; ++i)
        ally->nearestTarget.setTarget(builder->enemyAI[i].fighter);
    lendEffects(ally);
    ally->fighter->x = builder->startX;
    ally->fighter->y = kStartY;
}

bool beatEmUpStage::pauseRequested()
{
    return player->pauseRequest != 0;
}

void beatEmUpStage::clearPauseRequest()
{
    player->pauseRequest = 0;
}

void beatEmUpStage::fightStage()
{
    draw();
    stepSegment();
    player->update();
    SDL_Event event = takeEvents([this](SDL_Event* e) { player->inputChecking(e); });
    player->movementChecking(&event, builder->enemies, builder->numEnemies);
    if (ally)
    {
        ally->update();
        ally->updateAI(builder->enemies, builder->numEnemies);
    }
    updateEnemiesAndObjects();
    updateEffects();
    combo.update(static_cast<int>(gameTicks()));
    player->checkDeflectCollision(builder->enemies, builder->numEnemies);
    player->updateDamageCollision(builder->enemies, builder->numEnemies);
    player->checkParticleCollision(enemyParticles, 'E');
    if (ally)
    {
        ally->checkDeflectCollision(builder->enemies, builder->numEnemies);
        ally->updateDamageCollision(builder->enemies, builder->numEnemies);
        ally->playerControl::checkParticleCollision(enemyParticles, 'E');
    }
    collideEnemiesAndObjects();
    if (checkIfDefeated())
    {
        koOverlay.restart();
        state = 3;
    }
    // Checked second: the last step finishing as the player falls ends the stage lost, without the KO.
    if (checkForVictor())
        state = 5;
    // A hit in this frame started a hit-stop: its frame is the one that stays.
    if (gameTicks() < freezeEnd)
        draw();
}

bool beatEmUpStage::checkIfDefeated()
{
    return player->fighter->hp < 1;
}

void beatEmUpStage::resetHealth()
{
    for (playerControl* c : {static_cast<playerControl*>(player), static_cast<playerControl*>(ally)})
        if (c)
            c->fighter->setHP(c->fighter->maxHP, c->fighter->maxHP);
}

void beatEmUpStage::updatePlayersBasic()
{
    player->update();
    player->updatePosition(builder->enemies, builder->numEnemies);
    if (ally)
    {
        ally->update();
        ally->updatePosition(builder->enemies, builder->numEnemies);
    }
    moveEnemiesAndObjects();
    updateEffects();
    combo.update(static_cast<int>(gameTicks()));
}

void beatEmUpStage::updateCamera()
{
    cameraController->update();
}

beatEmUp2PlayerStage::beatEmUp2PlayerStage(beatEmUpSegmentBuilder* b, playerBeatEmControl* p1,
                                           playerBeatEmControl* p2, basicFightUI* ui, SDL_Surface* t,
                                           std::string backgroundName, SDL_Surface* second, particleList* l1,
                                           particleList* l2)
    : beatEmUpStageBase(b, p1, p2, true, ui, t, backgroundName, second, l1, l2), player2(p2)
{
    player2->fightUI = fightUI;
    player2->playerNumber = 2;
    lendEffects(player2);
    player2->fighter->setComCounter(&combo2);
    lendEnemies(player2);
    boundToView(player2->fighter);
    for (playerBeatEmControl* c : {player, player2})
    {
        c->fighter->x = builder->startX;
        c->fighter->y = kStartY;
    }
    drainQuitOnly();
    preparePause();
}

beatEmUp2PlayerStage::~beatEmUp2PlayerStage()
{
    unlendEnemies(player2);
    if (player2->fighter && player2->fighter->comCounter == &combo2)
        player2->fighter->setComCounter(nullptr);
}

bool beatEmUp2PlayerStage::pauseRequested()
{
    return player->pauseRequest != 0 || player2->pauseRequest != 0;
}

void beatEmUp2PlayerStage::clearPauseRequest()
{
    player->pauseRequest = 0;
    player2->pauseRequest = 0;
}

void beatEmUp2PlayerStage::fightStage()
{
    if (stepSegment())
    {
        for (playerBeatEmControl* c : {player, player2})
            if (c->fighter->hp < 1)
                c->fighter->setHP(kReviveHP, c->fighter->maxHP);
    }
    draw();
    player->update();
    player2->update();
    SDL_Event event = takeEvents(
        [this](SDL_Event* e)
        {
            player->inputChecking(e);
            player2->inputChecking(e);
        });
    player->movementChecking(&event, builder->enemies, builder->numEnemies);
    player2->movementChecking(&event, builder->enemies, builder->numEnemies);
    updateEnemiesAndObjects();
    updateEffects();
    combo.update(static_cast<int>(gameTicks()));
    combo2.update(static_cast<int>(gameTicks()));
    for (playerBeatEmControl* c : {player, player2})
    {
        c->checkDeflectCollision(builder->enemies, builder->numEnemies);
        c->updateDamageCollision(builder->enemies, builder->numEnemies);
        c->checkParticleCollision(enemyParticles, 'E');
    }
    collideEnemiesAndObjects();
    if (checkIfDefeated())
    {
        koOverlay.restart();
        state = 3;
    }
    if (checkForVictor())
        state = 5;
}

bool beatEmUp2PlayerStage::checkIfDefeated()
{
    return player->fighter->hp < 1 && player2->fighter->hp < 1;
}

void beatEmUp2PlayerStage::resetHealth()
{
    for (playerBeatEmControl* c : {player, player2})
        c->fighter->setHP(c->fighter->maxHP, c->fighter->maxHP);
}

void beatEmUp2PlayerStage::updatePlayersBasic()
{
    for (playerBeatEmControl* c : {player, player2})
    {
        c->update();
        c->updatePosition(builder->enemies, builder->numEnemies);
    }
    moveEnemiesAndObjects();
    updateEffects();
    combo.update(static_cast<int>(gameTicks()));
    combo2.update(static_cast<int>(gameTicks()));
}

void beatEmUp2PlayerStage::updateCamera()
{
    cameraController->update();
    const bool oneDown = player->fighter->hp < 1;
    const bool twoDown = player2->fighter->hp < 1;
    if (!oneDown || twoDown)
    {
        cameraController->setFigh(player->fighter);
        boundToView(player2->fighter);
    }
    else
    {
        player2->fighter->leftBound = player->fighter->leftBound;
        player2->fighter->rightBound = player->fighter->rightBound;
        cameraController->setFigh(player2->fighter);
    }
}
