// Character select: one or two players each pick a character and a palette.
#include "screens/character_select.h"

#include "engine/gamepad.h"
#include "engine/globals.h"
#include "engine/memory_tracker.h"
#include "engine/present.h"

#include <cerrno>
#include <cstdio>

void characterDescription::init(SDL_Surface* t, std::string n, int x)
{
    name = n;
    target = t;
    panelSheet.init("data/screens/characterSelect/panel/" + name, false);
    panel.init(&panelSheet, target);
    panel.x = x;
    panel.y = 0;
    panel.setSpeed(3.0f);
    characterSheet.init("data/screens/characterSelect/character/" + name, false);
    character.init(&characterSheet, target);
    character.animating = 0;
    character.setSpeed(3.0f);
    const CSpriteFrame* first = characterSheet.normalFrame(0);
    const int w = first && first->image ? first->image->w : 0;
    const int h = first && first->image ? first->image->h : 0;
    character.x = x + 80 - w / 2;
    character.y = 380 - h;
}

characterSelectPanel::characterSelectPanel()
{
    loadSounds();
}

void characterSelectPanel::init(SDL_Surface* t, gamePad* p, std::vector<std::string> names, int x)
{
    confirmed = false;
    target = t;
    pad = p;
    count = static_cast<int>(names.size());
    descriptions.clear();
    for (const std::string& name : names)
    {
        M_OWNER();
        descriptions.push_back(std::make_unique<characterDescription>());
        descriptions.back()->init(target, name, x);
    }
    turnBarSheet.init("data/screens/characterSelect/turnBar", false);
    turnBar.init(&turnBarSheet, target);
    turnBar.x = x;
    turnBar.y = 380;
    turnBar.setSpeed(3.0f);
    cursor = 0;
    palette = 0;
}

void characterSelectPanel::moveCursor(int step)
{
    if (count < 1)
        return;
    cursor += step;
    if (cursor < 0)
        cursor = count - 1;
    if (cursor > count - 1)
        cursor = 0;
    turnBar.rewind();
}

void characterSelectPanel::turnPalette(int step)
{
    palette += step;
    if (palette < 0)
        palette = 7;
    if (palette > 7)
        palette = 0;
    turnBar.rewind();
}

void characterSelectPanel::update(SDL_Event* event)
{
    if (!event || !pad)
        return;
    if (event->type == SDL_KEYDOWN && !confirmed)
    {
        const int key = event->key.keysym.sym;
        if (key == pad->keyLeft)
            moveCursor(-1);
        if (key == pad->keyRight)
            moveCursor(1);
        if (key == pad->keyUp)
            turnPalette(1);
        if (key == pad->keyDown)
            turnPalette(-1);
        if (key == pad->keyA)
        {
            playConfirm();
            confirmed = true;
        }
    }
    if (event->type == SDL_JOYBUTTONDOWN && pad->joystickIndex >= 0 && event->jbutton.button == pad->buttonA &&
        event->jbutton.which == pad->joystickIndex)
    {
        playConfirm();
        confirmed = true;
    }
    if (event->type == SDL_JOYAXISMOTION && pad->joystickIndex >= 0 && event->jaxis.which == pad->joystickIndex)
    {
        const int v = event->jaxis.value;
        if (v < gamePadDeadZoneMin || v > gamePadDeadZoneMax)
        {
            if (event->jaxis.axis == 0 && pad->xAxisCentred)
                moveCursor(v > 0 ? 1 : -1);
            else if (event->jaxis.axis == 1 && pad->yAxisCentred)
                turnPalette(v > 0 ? 1 : -1);
        }
        pad->updateAxes(event);
    }
}

void characterSelectPanel::draw()
{
    if (cursor >= 0 && cursor < count)
    {
        characterDescription& d = *descriptions[static_cast<std::size_t>(cursor)];
        d.panel.draw();
        d.character.setFrame(palette);
        d.character.draw();
    }
    turnBar.draw();
}

std::pair<std::string, int> characterSelectPanel::getSelection()
{
    chosenName = (cursor >= 0 && cursor < count) ? descriptions[static_cast<std::size_t>(cursor)]->name : "";
    chosenPalette = palette;
    return {chosenName, chosenPalette};
}

void characterSelectScreen::init(SDL_Surface* t, int n, std::vector<std::string> names)
{
    drawLoadingScreen(t);
    drainEvents();
    GPad1.loadGamePad(kPad1Path);
    GPad2.loadGamePad(kPad2Path);
    done = false;
    target = t;
    players = n;
    backdropSheet.init("data/screens/characterSelect", false);
    backdrop.init(&backdropSheet, target);
    backdrop.x = 0;
    backdrop.y = 0;
    backdrop.setSpeed(3.0f);
    panel1.init(target, &GPad1, names, 50);
    panel2.init(target, &GPad2, names, 390);
    loadSounds();
}

void characterSelectScreen::update()
{
    SDL_Event event;
    while (SDL_PollEvent(&event))
    {
        checkQuitEvent(event);
        panel1.update(&event);
        if (players == 2)
            panel2.update(&event);
    }
    if (players == 2)
        done = (panel1.confirmed && panel2.confirmed) || fullyQuit;
    else
        done = panel1.confirmed || fullyQuit;
}

void characterSelectScreen::draw()
{
    backdrop.draw();
    panel1.draw();
    if (players == 2)
        panel2.draw();
    presentFrame(target);
}

namespace
{
characterSelectPanel* panelOf(characterSelectScreen& s, int player)
{
    if (player < 1 || player > s.players)
    {
        errno = EDOM;
        std::perror("Out of bounds for character selection return");
        return nullptr;
    }
    return player == 1 ? &s.panel1 : &s.panel2;
}
} // namespace

std::string characterSelectScreen::getPlayerSelection(int player)
{
    characterSelectPanel* p = panelOf(*this, player);
    return p ? p->getSelection().first : std::string();
}

int characterSelectScreen::getPlayerPalette(int player)
{
    characterSelectPanel* p = panelOf(*this, player);
    return p ? p->getSelection().second : 0;
}

std::vector<std::string> characterSelectScreen::getAllCharacters()
{
    static const std::vector<std::string> all = {
        "Nick",       "NickBBBat", "NickWhip",     "NickSwords", "NickGauntlets", "NickBlackBlade",
        "ZombieGuy",  "ZombieGal", "MegaZombie",   "Spectre",    "FatZombie",     "Vlad",
        "Weldy",      "Tank",      "HellHound",    "Brask",      "ArmyGunner",    "ArmyShield",
        "Male",       "Female",    "HellSkull",    "Oleck",      "Giancarlo",     "Mech",
        "MegaGhost",  "FiendM",    "Johnny",       "SadGhost",   "Vellin",        "Lilith",
        "Rigby",      "Andy",      "Tavin",        "Merrowby",   "Dravenholt",    "Zhevan"};
    return all;
}

std::vector<std::string> characterSelectScreen::getPrePurchaseCharacters()
{
    static const std::vector<std::string> bonus = {"Vellin", "Tavin", "Merrowby", "Dravenholt", "Zhevan"};
    return bonus;
}
