// Particle kinds loaded from a list file, and the live effects and
// projectiles of a fight: sparks, dust, faces, thrown and fired things.
#pragma once

#include <SDL.h>
#include <list>
#include <memory>
#include <string>
#include <vector>

#include "engine/sprite.h"
#include "engine/sprite_sheet.h"

class Fighter;

// The event lists of a kind, in file order.
enum ParticleEvent
{
    OnDeath = 0,
    OnHitPlayer = 1,
    OnHitEnemy = 2,
    OnHitTarget = 3,
    OnHitAlly = 4,
    ParticleEventCount = 5
};

// The kind a special move lays behind the fight. It is always added facing
// right, so its frames are loaded without mirror images.
constexpr const char* kSpecialBackdropKind = "special";

class particleInfo
{
public:
    particleInfo();
    ~particleInfo();
    particleInfo(const particleInfo&) = delete;
    particleInfo& operator=(const particleInfo&) = delete;

    bool initS(std::string spec, SDL_Surface* screen, bool mirror = true);
    bool ParticleInfo(const char* folder);
    // The first entry of an event list, "NULL" when the list is empty.
    std::string firstEntry(int list) const;

    std::unique_ptr<CSpriteBase> sheet;
    int number;
    int lifetime;
    int alpha;
    bool gravity;
    bool extraFlag;
    bool dieAtLastFrame;
    int eventCount[ParticleEventCount];
    std::vector<std::string> eventLists[ParticleEventCount];
};

class partInfoList
{
public:
    partInfoList();
    ~partInfoList();
    partInfoList(const partInfoList&) = delete;
    partInfoList& operator=(const partInfoList&) = delete;

    int addList(const char* dir, const char* file, SDL_Surface* screen);
    int addList(const char* dir, SDL_Surface* screen);
    particleInfo* findParticle(const std::string& name);

private:
    struct node
    {
        std::string name;
        particleInfo info;
        node* next = nullptr;
    };
    node* head;
};

class particle
{
public:
    particle();

    void initXY(std::string name, bool facing, partInfoList* kinds, SDL_Surface* screen, int spawnTime, int x, int y);
    void initD(std::string spec, bool facing, partInfoList* kinds, SDL_Surface* screen, int spawnTime, int x, int y);
    void init(std::string spec, Fighter* owner, partInfoList* kinds, SDL_Surface* screen, int spawnTime, int x,
              int y);
    void update();
    void gravity();
    void lift();
    bool checkCollision(colBox box, char who);
    int getDamage() const;
    int getHitType() const;
    int getPartNum(const std::string& event) const;
    std::string getNewPart(const std::string& event, int i) const;
    // Whether the particle has a kind with frames to show.
    bool usable() const;

    int x;
    int y;
    int leftBound;
    int rightBound;
    bool facing;
    bool dead;
    int spawnTime;
    CSprite sprite;
    particleInfo* info;
    SDL_Surface* screen;
    partInfoList* infoList;
    Fighter* owner;
    std::string event;
    unsigned int lastTicks;
    float moveAccum;
};

class particleList
{
public:
    particleList();
    particleList(const particleList&) = delete;
    particleList& operator=(const particleList&) = delete;

    void addParticleXY(std::string name, bool facing, partInfoList* kinds, SDL_Surface* screen, int spawnTime, int x,
                       int y);
    void addParticleD(std::string spec, bool facing, partInfoList* kinds, SDL_Surface* screen, int spawnTime, int x,
                      int y);
    void addParticle(std::string spec, Fighter* owner, partInfoList* kinds, SDL_Surface* screen, int spawnTime,
                     int x, int y);
    void update();
    void makeParticles();
    void removeDead();
    void removeAll();
    particle* collideFighter(Fighter* fighter, char who);
    void drawCam(int camX, int camY);
    void draw();
    void debug();
    void clearBG() {}
    void updateBG() {}
    int size() const { return static_cast<int>(parts.size()); }

    // Far above anything a fight makes; spawns past it are dropped.
    static constexpr int maxParticles = 3000;

    std::list<particle> parts;
    int leftBound;
    int rightBound;

private:
    void append(particle& p);
};
