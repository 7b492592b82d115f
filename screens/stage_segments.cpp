// The steps a stage runs one after another: moving the field's walls, waiting
// for the player to walk to a place, and waking, watching and putting to
// sleep one wave of the stage's enemies.
#include "screens/stage_segments.h"

#include "control/enemy_ai.h"
#include "engine/camera.h"
#include "fighter/fighter.h"

namespace
{
// Where the "walk on" arrow shows, below the HUD's plate.
constexpr int kArrowX = 530;
constexpr int kArrowY = 89;
// The trigger fires strictly inside this distance of its x.
constexpr int kTriggerReach = 20;
} // namespace

beatEmUpWaveSegment::beatEmUpWaveSegment(int w, int count, AIBeatEmUp* list)
    : wave(w), enemyCount(count), enemies(list)
{
    finished = false;
}

template <typename Visit> void beatEmUpWaveSegment::forEachInWave(Visit visit)
{
    if (!enemies)
        return;
    for (int i = 0; i < enemyCount; ++i)
        if (enemies[i].waveId == wave)
            visit(enemies[i]);
}

void beatEmUpSegActivateWave::update()
{
    forEachInWave(
        [](AIBeatEmUp& enemy)
        {
            if (enemy.fighter)
                enemy.fighter->setHP(enemy.fighter->maxHP, enemy.fighter->maxHP);
            enemy.active = true;
            enemy.doStartPose();
        });
    finished = true;
}

void beatEmUpSegDeactivateWave::update()
{
    forEachInWave([](AIBeatEmUp& enemy) { enemy.active = false; });
    finished = true;
}

void beatEmUpSegMonitorWave::update()
{
    bool allDown = true;
    forEachInWave(
        [&](AIBeatEmUp& enemy)
        {
            if (enemy.fighter && enemy.fighter->hp >= 1)
                allDown = false;
        });
    finished = allDown;
}

beatEmUpSegPosTrigger::beatEmUpSegPosTrigger(Fighter* f, int atX, SDL_Surface* target) : x(atX), fighter(f)
{
    finished = false;
    goLeftSheet.init("data/screens/ui/goleft");
    goRightSheet.init("data/screens/ui/goright");
    for (auto [sprite, sheet] : {std::pair{&goLeft, &goLeftSheet}, std::pair{&goRight, &goRightSheet}})
    {
        sprite->init(sheet, target);
        sprite->x = kArrowX;
        sprite->y = kArrowY;
        sprite->setSpeed(3.0f);
    }
}

void beatEmUpSegPosTrigger::update()
{
    if (fighter && fighter->x > x - kTriggerReach && fighter->x < x + kTriggerReach)
        finished = true;
}

void beatEmUpSegPosTrigger::draw()
{
    if (!fighter)
        return;
    if (fighter->x < x)
        goRight.draw();
    else if (fighter->x > x)
        goLeft.draw();
}

beatEmUpSegBoundaryChange::beatEmUpSegBoundaryChange(Fighter* f1, Fighter* f2, camera* c, int lo, int hi)
    : minX(lo), maxX(hi), first(f1), second(f2), cam(c)
{
    finished = false;
}

void beatEmUpSegBoundaryChange::update()
{
    for (Fighter* f : {first, second})
        if (f)
        {
            f->leftBound = minX;
            f->rightBound = maxX;
        }
    if (cam)
    {
        cam->setCameraMinPos(minX, 0);
        cam->setCameraMaxPos(maxX, 480);
    }
    finished = true;
}
