// One loaded character: its fighter and the animation, move and sound sets it
// plays from, set up from the character's nine-line chardata file.
#include "fighter/character_data.h"

#include "engine/audio.h"
#include "engine/bmp_file.h"
#include "engine/globals.h"
#include "engine/memory_tracker.h"
#include "engine/text_file.h"
#include "fighter/animation_set.h"
#include "fighter/move_set.h"

#include <iostream>

characterData::characterData()
    : anims(nullptr), moves(nullptr), sounds(nullptr), ownsSets(false), screen(nullptr), palette(nullptr)
{
}

characterData::characterData(const char* path, SDL_Surface* s, int paletteNumber, soundSet* snd) : characterData()
{
    setup(path, s, paletteNumber, snd);
}

characterData::~characterData()
{
    if (ownsSets)
    {
        delete anims;
        delete moves;
    }
    // The recoloured sheets were converted when they loaded; the palette
    // bitmap is not needed after that.
    if (palette)
        SDL_FreeSurface(palette);
}

bool characterData::readValues(const char* path, Values& v)
{
    TextFileReader file;
    if (!path || !file.open(path, 4096))
    {
        std::cout << "Unable to open chardata " << (path ? path : "") << std::endl;
        return false;
    }
    std::string lines[9];
    for (std::string& line : lines)
        if (!file.readLine(line))
            line.clear();
    v.name = lines[0];
    v.hp = parseInt(lines[1]);
    v.mp = parseInt(lines[2]);
    v.speed = parseCoordinate(lines[3]);
    v.jump = parseCoordinate(lines[4]);
    v.bullets = parseInt(lines[5]);
    v.bulletsMax = parseInt(lines[6]);
    v.extra = parseInt(lines[7]);
    v.folder = lines[8];
    return true;
}

void characterData::setUpFighter(const Values& v)
{
    fighter.initS(anims, screen);
    fighter.moves = moves;
    fighter.x = 50;
    fighter.y = 300;
    fighter.setSpeed(g_frameSpeed * 3.0f);
    fighter.setHP(v.hp, v.hp);
    fighter.setPower(0, v.mp);
    fighter.speed = v.speed;
    fighter.jump = v.jump;
    fighter.bullets = v.bullets;
    fighter.bulletsMax = v.bulletsMax;
    fighter.extraStat = v.extra;
}

void characterData::setup(const char* path, SDL_Surface* s, int paletteNumber, soundSet* snd)
{
    screen = s;
    M_OWNER();
    anims = new animationSet;
    M_OWNER();
    moves = new moveSet;
    ownsSets = true;
    sounds = snd;
    fighter.moves = moves;
    Values v;
    if (!readValues(path, v))
        return;
    name = v.name;
    if (paletteNumber != 0)
    {
        const std::string file = v.folder + "/palette/" + std::to_string(paletteNumber) + ".bmp";
        palette = loadCheckedBMP(file);
        // A bitmap without a palette cannot recolour anything.
        if (palette && !palette->format->palette)
        {
            SDL_FreeSurface(palette);
            palette = nullptr;
        }
        anims->palette = palette;
        moves->palette = palette;
    }
    anims->loadAll(v.folder);
    moves->loadAll(v.folder);
    setUpFighter(v);
    if (sounds)
    {
        sounds->getList("data/soundSet");
        sounds->addToList(v.folder.c_str());
    }
}

void characterData::setup(const char* path, SDL_Surface* s, animationSet* a, moveSet* m, soundSet* snd)
{
    screen = s;
    anims = a;
    moves = m;
    sounds = snd;
    ownsSets = false;
    fighter.moves = moves;
    Values v;
    if (!readValues(path, v))
        return;
    name = v.name;
    setUpFighter(v);
}
