// The story's weapon screen: the six weapons in a row, their pictures, an
// info panel of level, experience and moves, and the secondary weapon chosen.
#pragma once

#include <SDL.h>
#include <string>

#include "engine/font.h"
#include "engine/screen.h"
#include "engine/sprite.h"
#include "engine/sprite_sheet.h"
#include "modes/save_files.h"
#include "modes/save_notice.h"

constexpr int kShownWeapons = 6;

// The panel beside the big picture: the shown weapon's level, experience
// bar and the moves it has learnt.
class weaponSelectInfo : public Screen
{
public:
    weaponSelectInfo() = default;
    ~weaponSelectInfo();
    weaponSelectInfo(const weaponSelectInfo&) = delete;
    weaponSelectInfo& operator=(const weaponSelectInfo&) = delete;

    void init(SDL_Surface* screen, int x, int y);
    void update() {}
    void draw();

    void drawTitle(const char* name);
    void drawXP();
    void drawLocked();
    void drawWep0Info() { drawWeapon(0); }
    void drawWep1Info() { drawWeapon(1); }
    void drawWep2Info() { drawWeapon(2); }
    void drawWep3Info() { drawWeapon(3); }
    void drawWep4Info() { drawWeapon(4); }
    void drawWep5Info() { drawWeapon(5); }

    // The experience that fills the bar at `level`.
    static int experienceTarget(int level, int experience);

    SDL_Surface* target = nullptr;
    CSpriteBase buttonSheet;
    CSprite buttonIcon;
    CSpriteBase equippedSheet;
    CSprite equippedIcon;
    CSpriteBase furySheet;
    CSprite furyIcon;
    SDLFont* textFont = nullptr;
    SDLFont* headerFont = nullptr;
    int x = 0;
    int y = 0;
    int experience = 0;
    int level = 0;
    int weaponIndex = 0;
    bool locked = false;
    bool equipped = false;
    CSpriteBase barSheet;
    CSpriteBar expBar;

private:
    void drawWeapon(int index);
    void drawIcon(CSprite& icon, int frame, int px, int py);
};

class weaponSelectScreen2 : public Screen
{
public:
    weaponSelectScreen2() = default;
    weaponSelectScreen2(const weaponSelectScreen2&) = delete;
    weaponSelectScreen2& operator=(const weaponSelectScreen2&) = delete;

    void init(SDL_Surface* screen);
    void setupWeapons();
    void update();
    void draw();

    static std::string getWeaponIcon(int index);
    static std::string getWeaponBig(int index);
    static const char* weaponName(int index);
    // Where the icon of weapon `index` stands in the row.
    static int iconX(int index) { return 50 + 90 * index; }
    static constexpr int kIconY = 360;

    struct weaponEntry
    {
        int id = 0;
        int locked = 1;
        CSpriteBase iconSheet;
        CSprite icon;
        CSpriteBase bigSheet;
        CSprite big;
    };

    SDL_Surface* target = nullptr;
    storyFile story;
    CSpriteBase backdropSheet;
    CSprite backdrop;
    CSpriteBase equippedSheet;
    CSprite equipped;
    buttonSet selection;
    weaponSelectInfo info;
    weaponEntry weapons[kShownWeapons];
    bool done = false;
    // The last choice could not be saved: the screen shows the weapon the save
    // holds equipped, and says so until a choice is saved.
    bool notKept = false;
    // Where the screen says so: on the wall under the panel, above the icons.
    static constexpr noticePlace kNotice{330, 302, 300};

private:
    void confirm();
    void refreshPanel();
};
