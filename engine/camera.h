// The view onto a field wider than the picture, its screen shake, and the
// controllers that follow one or two fighters.
#pragma once

class Fighter;

class camera
{
public:
    camera();
    void setCameraSize(int width, int height);
    void setCameraMaxPos(int maxX, int maxY);
    void setCameraMinPos(int minX, int minY);
    void setPosition(int x, int y);
    void setX(int x);
    void setY(int y);
    // The position plus the shake offset while a shake lasts.
    int getX() const;
    int getY() const;
    void adjustPosition();

    int x;
    int y;
    int width;
    int height;
    int maxX;
    int maxY;
    int minX;
    int minY;
};

// Keeps both fighters of a one-on-one fight in view, sliding a pixel an update.
class camCTwoFighs
{
public:
    camCTwoFighs(camera* cam, Fighter* first, Fighter* second);
    void update();
    bool cameraNeedsUpdate();
    void updateCameraX();

    camera* cam;
    Fighter* first;
    Fighter* second;
    int holdCount;
    int holdLength;
};

// Locks the view on one fighter of a stage.
class camCOneFigh
{
public:
    camCOneFigh(camera* cam, Fighter* fighter);
    void setFigh(Fighter* fighter);
    void update();
    bool cameraNeedsUpdate();
    void updateCameraX();

    camera* cam;
    Fighter* fighter;
    int holdCount;
    int holdLength;
};

class cameraControl
{
public:
    void setCamera(camera* c) { cam = c; }
    void update() {}

    camera* cam = nullptr;
};
