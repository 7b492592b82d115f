// The story's weapon screen: the six weapons in a row, their pictures, an
// info panel of level, experience and moves, and the secondary weapon chosen.
#include "modes/weapon_select.h"

#include "engine/gamepad.h"
#include "engine/globals.h"
#include "engine/present.h"
#include "modes/menu_icons.h"
#include "screens/fight_ui.h"

#include <algorithm>

namespace
{
struct WeaponRow
{
    const char* icon;
    const char* name;
};

const WeaponRow kWeapons[kShownWeapons] = {
    {"vlad", "Vlad"},        {"bbbat", "Baseball Bat"},  {"whip", "Electric Whip"},
    {"swords", "2x Swords"}, {"gauntlets", "Gauntlets"}, {"blackblade", "Black Blade"},
};
const std::string kWeaponFolder = "data/screens/weaponSelect/";

// One learnt move as the panel lists it.
struct MoveRow
{
    int weapon;
    int level;
    int fury;
    const char* command;
    const char* title;
    const char* lockedText;
};

const MoveRow kMoves[] = {
    {0, 0, 2, "RDB", "Blood Bath", ""},
    {0, 0, 2, "DRA", "Impale Strike", ""},
    {0, 1, 0, "A", "Lv1 Sliding Saw(running)", "Lv1 Move Locked"},
    {0, 2, 3, "DB", "Lv2 Air Snare(in air)", "Lv2 Move Locked"},
    {0, 3, 4, "DRA", "Lv3 Impale Strike Ultra", "Lv3 Move Locked"},
    {1, 1, 2, "DRB", "Lv1 Foul Ball", "Lv1 Move Locked"},
    {1, 2, 2, "DDA", "Lv2 Strike Zone", "Lv2 Move Locked"},
    {1, 3, 4, "DRA", "Lv3 Home Run", "Lv3 Move Locked"},
    {2, 1, 0, "A", "Lv1 UpperSlash(running)", "Lv1 Move Locked"},
    {2, 2, 3, "DRB", "Lv2 Thunder Struck", "Lv2 Move Locked"},
    {2, 3, 3, "DDB", "Lv3 Storm Cloud", "Lv3 Move Locked"},
    {3, 1, 3, "DRB", "Lv1 Cross Slash", "Lv1 Move Locked"},
    {3, 2, 2, "B", "Lv2 Air Strike(in air)", "Lv2 Move Locked"},
    {3, 3, 3, "DDB", "Lv3 Burnado", "Lv3 Move Locked"},
    {4, 1, 2, "DDB", "Lv1 Wreck", "Lv1 Move Locked"},
    {4, 2, 0, "A", "Lv2 Ground Pound(running)", "Lv2 Move Locked"},
    {4, 3, 3, "DRA", "Lv3 Megaton Punch", "Lv3 Move Locked"},
    {5, 1, 3, "DRA", "Lv1 Lesser Demon", "Lv1 Move Locked"},
    {5, 2, 2, "DDB", "Lv2 Summon Slops", "Lv2 Move Locked"},
    {5, 3, 3, "DRB", "Lv3 Summon Rort", "Lv3 Move Locked"},
};
} // namespace

weaponSelectInfo::~weaponSelectInfo()
{
    freeFont(textFont);
    freeFont(headerFont);
}

void weaponSelectInfo::init(SDL_Surface* screen, int px, int py)
{
    target = screen;
    weaponIndex = 0;
    locked = false;
    equipped = false;
    experience = 0;
    level = 0;
    x = px;
    y = py;
    buttonSheet.init("data/screens/ui/buttons");
    placeStill(buttonIcon, buttonSheet, target, 0, 0, 3.0f);
    equippedSheet.init("data/screens/weaponSelect/equipped");
    placeStill(equippedIcon, equippedSheet, target, 0, 0, 0.0f);
    furySheet.init("data/screens/ui/percentages");
    placeStill(furyIcon, furySheet, target, 0, 0, 3.0f);
    freeFont(textFont);
    freeFont(headerFont);
    textFont = initFont("data/font/Calibri2", 0, 0, 0, 1);
    headerFont = initFont("data/font/Calibri1", 0, 127.0f / 255.0f, 0, 1);
    barSheet.init("data/wexpBar");
    expBar.init(&barSheet, target);
    expBar.blackBacking = true;
    expBar.frameOnTop = false;
    expBar.x = 290;
    expBar.y = 225;
    expBar.setBar(8, 8, 170, 5, 127, 127, false);
}

int weaponSelectInfo::experienceTarget(int lv, int exp)
{
    switch (lv)
    {
    case 0:
        return 100;
    case 1:
        return 500;
    case 2:
        return 1200;
    case 3:
        return exp;
    default:
        return 100;
    }
}

void weaponSelectInfo::draw()
{
    if (locked)
    {
        drawLocked();
        return;
    }
    switch (weaponIndex)
    {
    case 0:
        drawWep0Info();
        break;
    case 1:
        drawWep1Info();
        break;
    case 2:
        drawWep2Info();
        break;
    case 3:
        drawWep3Info();
        break;
    case 4:
        drawWep4Info();
        break;
    case 5:
        drawWep5Info();
        break;
    default:
        break;
    }
}

void weaponSelectInfo::drawLocked()
{
    drawString(target, textFont, x, y, "Weapon Locked");
}

void weaponSelectInfo::drawTitle(const char* name)
{
    if (equipped)
        drawIcon(equippedIcon, 0, x - equippedSheet.width - 2, y - 18);
    drawString(target, textFont, x, y - 20, "Lv: %d %s ", level, name);
    drawString(target, headerFont, x - 35, y + 20, "Fury");
    drawString(target, headerFont, x, y + 20, "Buttons");
    drawString(target, headerFont, x + 80, y + 20, "Title");
}

void weaponSelectInfo::drawXP()
{
    const int full = experienceTarget(level, experience);
    expBar.x = x + 140;
    expBar.y = y - 20;
    expBar.setBar(8, 8, 114, 5, full, experience, false);
    expBar.draw();
    if (level > 2)
        drawString(target, textFont, x + 140, y, "Max Level");
    else
        drawString(target, textFont, x + 140, y, "Exp: %d/%d next Lv", experience, full);
}

void weaponSelectInfo::drawIcon(CSprite& icon, int frame, int px, int py)
{
    icon.x = px;
    icon.y = py;
    drawIconFrame(icon, frame);
}

void weaponSelectInfo::drawWeapon(int index)
{
    drawTitle(kWeapons[index].name);
    drawXP();
    int row = 0;
    for (const MoveRow& move : kMoves)
    {
        if (move.weapon != index)
            continue;
        const int rowY = y + 40 + 20 * row;
        if (level >= move.level)
        {
            drawIcon(furyIcon, move.fury, x - 35, y + 42 + 20 * row);
            int cx = x;
            for (const char* c = move.command; *c; ++c, cx += 20)
                drawIcon(buttonIcon, basicFightUI::charToButtonEnum(*c), cx, rowY);
            drawString(target, textFont, x + 80, rowY, "%s", move.title);
        }
        else
        {
            drawString(target, textFont, x + 80, rowY, "%s", move.lockedText);
        }
        ++row;
    }
    if (index == 0)
        drawString(target, textFont, x, y + 160, "Primary Weapon(always equipped)");
}

std::string weaponSelectScreen2::getWeaponIcon(int index)
{
    if (index < 0 || index >= kShownWeapons)
        return kWeaponFolder + "default";
    return kWeaponFolder + kWeapons[index].icon;
}

std::string weaponSelectScreen2::getWeaponBig(int index)
{
    return getWeaponIcon(index) + "/big";
}

const char* weaponSelectScreen2::weaponName(int index)
{
    return (index >= 0 && index < kShownWeapons) ? kWeapons[index].name : "";
}

void weaponSelectScreen2::init(SDL_Surface* screen)
{
    drainEvents();
    done = false;
    notKept = false;
    target = screen;
    GPad1.loadGamePad(kPad1Path);
    backdropSheet.init("data/screens/weaponSelect/new", false);
    equippedSheet.init("data/screens/weaponSelect/equipped");
    placeStill(equipped, equippedSheet, target, 0, 380, 0.0f);
    backdrop.init(&backdropSheet, target);
    backdrop.x = 0;
    backdrop.y = 0;
    backdrop.setSpeed(3.0f);
    selection.init(target, "data/screens/10buttons", kShownWeapons, 224, 250, true);
    info.init(target, 340, 106);
    loadSounds();
    story.loadStoryFile();
    setupWeapons();
}

void weaponSelectScreen2::setupWeapons()
{
    for (int i = 0; i < kShownWeapons; ++i)
    {
        weaponEntry& entry = weapons[i];
        entry.id = i;
        const weaponRecord* record = story.weapon(i);
        entry.locked = record ? record->locked : 1;
        entry.iconSheet.init(getWeaponIcon(i), false);
        placeStill(entry.icon, entry.iconSheet, target, iconX(i), kIconY, 0.0f);
        entry.bigSheet.init(getWeaponBig(i), false);
        placeStill(entry.big, entry.bigSheet, target, 18, 106, 0.0f);
    }
}

void weaponSelectScreen2::update()
{
    bool confirmRequested = false;
    SDL_Event event;
    while (SDL_PollEvent(&event))
    {
        checkQuitEvent(event);
        switch (event.type)
        {
        case SDL_KEYDOWN:
        {
            const int key = event.key.keysym.sym;
            if (key == GPad1.keyRight)
                selection.selectDown();
            if (key == GPad1.keyLeft)
                selection.selectUp();
            if (key == GPad1.keyA)
                confirmRequested = true;
            if (key == GPad1.keyB || key == SDLK_ESCAPE || fullyQuit)
            {
                playCancel();
                done = true;
            }
            break;
        }
        case SDL_JOYBUTTONDOWN:
            if (GPad1.joystickIndex < 0)
                break;
            if (event.jbutton.button == GPad1.buttonA)
                confirmRequested = true;
            else if (event.jbutton.button == GPad1.buttonB)
            {
                playCancel();
                done = true;
            }
            break;
        case SDL_JOYAXISMOTION:
            if (GPad1.joystickIndex < 0 || event.jaxis.which != GPad1.joystickIndex)
                break;
            if (event.jaxis.axis == 0 && GPad1.xAxisCentred &&
                (event.jaxis.value < gamePadDeadZoneMin || event.jaxis.value > gamePadDeadZoneMax))
            {
                if (event.jaxis.value > 0)
                    selection.selectDown();
                else
                    selection.selectUp();
            }
            GPad1.updateAxes(&event);
            break;
        default:
            break;
        }
    }
    if (confirmRequested)
        confirm();
    refreshPanel();
}

void weaponSelectScreen2::confirm()
{
    const int chosen = selection.getSelected();
    if (chosen <= 0 || chosen >= kShownWeapons || weapons[chosen].locked != 0)
        return;
    playConfirm();
    const int before = story.secondaryWeapon;
    story.secondaryWeapon = chosen;
    notKept = !story.saveStoryFile();
    // The save still holds the weapon equipped before.
    if (notKept)
        story.secondaryWeapon = before;
}

void weaponSelectScreen2::refreshPanel()
{
    const int chosen = selection.getSelected();
    const weaponRecord* record = story.weapon(chosen);
    info.experience = record ? record->exp : 0;
    info.level = record ? record->level : 0;
    info.weaponIndex = chosen;
    info.locked = (chosen >= 0 && chosen < kShownWeapons) ? weapons[chosen].locked != 0 : true;
    info.equipped = story.secondaryWeapon == chosen;
}

void weaponSelectScreen2::draw()
{
    backdrop.draw();
    info.draw();
    for (weaponEntry& entry : weapons)
        drawIconFrame(entry.icon, entry.locked ? 2 : 0);
    const int chosen = selection.getSelected();
    if (chosen >= 0 && chosen < kShownWeapons)
        drawIconFrame(weapons[chosen].icon, weapons[chosen].locked ? 3 : 1);
    // A secondary weapon outside the row (a hand-edited save) has no icon to mark.
    if (story.secondaryWeapon >= 0 && story.secondaryWeapon < kShownWeapons)
    {
        equipped.x = iconX(story.secondaryWeapon);
        equipped.y = kIconY + 10;
        drawIconFrame(equipped, 0);
    }
    if (chosen >= 0 && chosen < kShownWeapons)
        weapons[chosen].big.draw();
    if (notKept)
        drawNoticeCard(target, info.textFont, kNotice, kChoiceNotKept);
    presentFrame(target);
}
