// Particle kinds loaded from a list file, and the live effects and
// projectiles of a fight: sparks, dust, faces, thrown and fired things.
#include "fighter/particles.h"

#include "engine/clock.h"
#include "engine/globals.h"
#include "engine/memory_tracker.h"
#include "engine/text_file.h"
#include "fighter/collision.h"
#include "fighter/fighter.h"

#include <cstdio>

namespace
{
const char* const kEventNames[ParticleEventCount] = {"OnDeath", "OnHitPlayer", "OnHitEnemy", "OnHitTarget",
                                                     "OnHitAlly"};

int eventIndex(const std::string& name)
{
    for (int i = 0; i < ParticleEventCount; ++i)
        if (name == kEventNames[i])
            return i;
    return -1;
}
} // namespace

particleInfo::particleInfo()
    : number(0), lifetime(0), alpha(0), gravity(false), extraFlag(false), dieAtLastFrame(false), eventCount{}
{
}

particleInfo::~particleInfo() = default;

std::string particleInfo::firstEntry(int list) const
{
    if (list < 0 || list >= ParticleEventCount || eventLists[list].empty())
        return "NULL";
    return eventLists[list].front();
}

bool particleInfo::initS(std::string spec, SDL_Surface*, bool mirror)
{
    const std::vector<std::string> words = splitWords(spec);
    const std::string folder = words.empty() ? std::string() : words[0];
    M_OWNER();
    sheet = std::make_unique<CSpriteBase>();
    sheet->init(folder, mirror);
    number = words.size() > 1 ? parseInt(words[1]) : 0;
    return ParticleInfo(folder.c_str());
}

bool particleInfo::ParticleInfo(const char* folder)
{
    const std::string path = std::string(folder ? folder : "") + "/particle";
    TextFileReader file;
    if (!file.open(path))
    {
        std::printf("ERROR opening file %s\n\n", path.c_str());
        return false;
    }
    std::string line;
    auto number = [&]() {
        int v = 0;
        if (file.readLine(line))
            LineScan(line).integer(v);
        return v;
    };
    alpha = number();
    lifetime = number();
    gravity = number() == 1;
    extraFlag = number() == 1;
    dieAtLastFrame = number() == 1;
    for (int list = 0; list < ParticleEventCount; ++list)
    {
        const int n = number();
        eventLists[list].clear();
        // An entry loses its line end; a list shorter than its count ends
        // where the file ends.
        for (int i = 0; i < n && file.readLine(line); ++i)
            eventLists[list].push_back(line);
        eventCount[list] = static_cast<int>(eventLists[list].size());
    }
    if (sheet)
        sheet->alphaAll(alpha);
    return true;
}

partInfoList::partInfoList() : head(nullptr)
{
}

partInfoList::~partInfoList()
{
    while (head)
    {
        node* next = head->next;
        delete head;
        head = next;
    }
}

int partInfoList::addList(const char* dir, const char* file, SDL_Surface* screen)
{
    const std::string d = dir ? dir : "";
    const std::string path = "data/" + d + "/" + (file ? file : "");
    TextFileReader list;
    if (!list.open(path))
    {
        std::printf("ERROR opening file %s\n\n", path.c_str());
        return -1;
    }
    std::string line;
    const int n = list.readCount("PARTS:");
    for (int i = 0; i < n && list.readLine(line); ++i)
    {
        node* fresh = new node;
        fresh->next = head;
        head = fresh;
        fresh->name = firstWord(line);
        fresh->info.initS("data/" + d + "/" + line, screen, fresh->name != kSpecialBackdropKind);
    }
    return 1;
}

int partInfoList::addList(const char* dir, SDL_Surface* screen)
{
    return addList(dir, "particle", screen);
}

particleInfo* partInfoList::findParticle(const std::string& name)
{
    for (node* n = head; n; n = n->next)
        if (n->name == name)
            return &n->info;
    return nullptr;
}

particle::particle()
    : x(0), y(0), leftBound(boundaryXLeft), rightBound(boundaryXRight), facing(true), dead(false), spawnTime(0),
      info(nullptr), screen(nullptr), infoList(nullptr), owner(nullptr), event("NULL"), lastTicks(0),
      moveAccum(0.0f)
{
}

bool particle::usable() const
{
    return info && info->sheet && info->sheet->frameCount() > 0;
}

void particle::initXY(std::string name, bool f, partInfoList* kinds, SDL_Surface* s, int spawn, int px, int py)
{
    facing = f;
    screen = s;
    infoList = kinds;
    spawnTime = spawn;
    info = kinds ? kinds->findParticle(name) : nullptr;
    sprite.init(info ? info->sheet.get() : nullptr, screen);
    x = px;
    y = py;
    sprite.setSpeed(3.0f);
    sprite.adjustPos(x, y, facing);
}

void particle::initD(std::string spec, bool f, partInfoList* kinds, SDL_Surface* s, int spawn, int px, int py)
{
    const std::vector<std::string> words = splitWords(spec);
    const std::string name = words.empty() ? std::string() : words[0];
    const int dx = words.size() > 1 ? parseCoordinate(words[1]) : 0;
    const int dy = words.size() > 2 ? parseCoordinate(words[2]) : 0;
    int nx, ny;
    if (owner)
    {
        nx = owner->dir ? owner->x + dx : owner->x - dx;
        ny = owner->y - dy;
    }
    else
    {
        nx = f ? px + dx : px - dx;
        ny = py + dy;
    }
    initXY(name, f, kinds, s, spawn, nx, ny);
}

void particle::init(std::string spec, Fighter* o, partInfoList* kinds, SDL_Surface* s, int spawn, int px, int py)
{
    owner = o;
    const bool f = owner ? owner->dir : true;
    initD(spec, f, kinds, s, spawn, px, py);
    lastTicks = 0;
    moveAccum = 0.0f;
}

void particle::gravity()
{
    const int b = sprite.getYOffset(0);
    if (sprite.y + b <= g_GroundLevel - 1)
        sprite.y += g_gravitySpeed;
    else
        sprite.y = g_GroundLevel - b;
}

void particle::lift()
{
    const CSpriteFrame* f = sprite.currentFrame();
    if (f)
        sprite.y -= f->yBoost;
}

void particle::update()
{
    const unsigned int now = gameTicks();
    const float dt = static_cast<float>(0.1 * static_cast<double>(static_cast<int>(now - lastTicks)));
    lastTicks = now;
    moveAccum += dt;
    if (moveAccum > static_cast<float>(accumTot))
    {
        sprite.moveD(facing);
        if (info && info->gravity)
            gravity();
        lift();
        moveAccum = 0.0f;
    }

    auto dieWithEvent = [&]() {
        dead = true;
        if (info && info->firstEntry(OnDeath) != "NULL")
            event = "OnDeath";
    };
    if (sprite.x > rightBound + 80 || sprite.x < leftBound - 80)
        dead = true;
    if (sprite.y > g_GroundLevel || sprite.y < -80)
        dieWithEvent();
    // Summed wide: a lifetime near the int limit in a hand-edited description
    // must mean a long life, not an overflow that ends the particle at once.
    if (info && info->lifetime > 0 &&
        static_cast<long long>(spawnTime) + info->lifetime < static_cast<long long>(static_cast<int>(now)))
        dieWithEvent();
    if (info && info->dieAtLastFrame && sprite.frame == sprite.frameTotal() - 1)
        dieWithEvent();
}

bool particle::checkCollision(colBox box, char who)
{
    if (dead || !usable())
        return false;
    const colBox mine = sprite.getColBox(facing);
    const bool hit = SquareCollider(box, mine).collisionCheck();
    if (hit && who == 'E' && info->firstEntry(OnHitEnemy) != "NULL")
    {
        event = "OnHitEnemy";
        dead = true;
    }
    return hit;
}

int particle::getDamage() const
{
    return sprite.getDamage();
}

int particle::getHitType() const
{
    return sprite.getHitType();
}

int particle::getPartNum(const std::string& name) const
{
    const int i = eventIndex(name);
    if (i < 0 || !info)
        return 0;
    return static_cast<int>(info->eventLists[i].size());
}

std::string particle::getNewPart(const std::string& name, int n) const
{
    const int i = eventIndex(name);
    if (i < 0 || !info || n < 0 || n >= static_cast<int>(info->eventLists[i].size()))
        return "NULL";
    return info->eventLists[i][static_cast<std::size_t>(n)];
}

particleList::particleList() : leftBound(boundaryXLeft - 200), rightBound(boundaryXRight + 200)
{
}

void particleList::append(particle& p)
{
    // A kind that is unknown or has no frames adds nothing, and a full list
    // takes no more: a kind that respawns itself more than once would
    // otherwise double with every update.
    if (!p.usable() || size() >= maxParticles)
        return;
    p.leftBound = leftBound - 200;
    p.rightBound = rightBound + 200;
    parts.push_back(p);
}

void particleList::addParticleXY(std::string name, bool facing, partInfoList* kinds, SDL_Surface* screen,
                                 int spawnTime, int x, int y)
{
    particle p;
    p.initXY(name, facing, kinds, screen, spawnTime, x, y);
    append(p);
}

void particleList::addParticleD(std::string spec, bool facing, partInfoList* kinds, SDL_Surface* screen,
                                int spawnTime, int x, int y)
{
    particle p;
    p.initD(spec, facing, kinds, screen, spawnTime, x, y);
    append(p);
}

void particleList::addParticle(std::string spec, Fighter* owner, partInfoList* kinds, SDL_Surface* screen,
                               int spawnTime, int x, int y)
{
    particle p;
    p.init(spec, owner, kinds, screen, spawnTime, x, y);
    append(p);
}

void particleList::update()
{
    for (particle& p : parts)
        p.update();
    makeParticles();
    removeDead();
}

void particleList::makeParticles()
{
    // Particles spawned here are appended and visited by this same pass with
    // no event of their own.
    for (auto it = parts.begin(); it != parts.end(); ++it)
    {
        if (it->event == "NULL")
            continue;
        const int n = it->getPartNum(it->event);
        for (int i = 0; i < n; ++i)
        {
            const std::string spec = it->getNewPart(it->event, i);
            if (spec == "death true")
                continue;
            addParticleD(spec, it->facing, it->infoList, it->screen, static_cast<int>(gameTicks()), it->sprite.x,
                         it->sprite.y);
        }
    }
}

void particleList::removeDead()
{
    parts.remove_if([](const particle& p) { return p.dead; });
}

void particleList::removeAll()
{
    parts.clear();
}

particle* particleList::collideFighter(Fighter* fighter, char who)
{
    if (!fighter || fighter->hp < 1 || !fighter->hasFrame())
        return nullptr;
    const colBox box = fighter->getCBox();
    for (particle& p : parts)
        if (p.checkCollision(box, who))
            return &p;
    return nullptr;
}

void particleList::drawCam(int camX, int camY)
{
    for (particle& p : parts)
        if (!p.dead)
            p.sprite.drawCam(p.facing, camX, camY);
}

void particleList::draw()
{
    for (particle& p : parts)
        if (!p.dead)
            p.sprite.drawD(p.facing);
}

void particleList::debug()
{
    for (particle& p : parts)
        p.sprite.drawColBoxes();
}
