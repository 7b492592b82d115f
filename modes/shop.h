// The story's stat shop: four stat levels bought with the campaign's coins.
#pragma once

#include <SDL.h>
#include <string>

#include "engine/font.h"
#include "engine/screen.h"
#include "engine/sprite.h"
#include "engine/sprite_sheet.h"
#include "modes/save_files.h"
#include "modes/save_notice.h"

class shop : public Screen
{
public:
    // The stats on sale, in the order of the shop's buttons; button 4 leaves.
    enum Stat
    {
        Strength,
        Defence,
        Speed,
        HP,
        StatCount
    };
    static constexpr int kMaxLevel = kMaxStatLevel;
    static constexpr int kLeaveButton = 4;

    shop() = default;
    ~shop();
    shop(const shop&) = delete;
    shop& operator=(const shop&) = delete;

    void init(SDL_Surface* screen);
    void update();
    void draw();

    void buyStrength() { buy(Strength); }
    void buyDefence() { buy(Defence); }
    void buySpeed() { buy(Speed); }
    void buyHP() { buy(HP); }

    // The price of the stat's next level, or -1 when it is at its maximum.
    // A saved level counts as `statLevel` makes it: one below 0 (a
    // hand-edited save) is priced as level 0, so a purchase never costs
    // nothing or adds coins, and one above the maximum is at the maximum.
    static int priceOfNextLevel(Stat stat, int level);
    // The price line the shop draws for a stat at `level`.
    static std::string priceLine(Stat stat, int level);
    int& level(Stat stat);
    // The save's level of the stat.
    static int& levelIn(storyFile& save, Stat stat);

    storyFile story;
    SDL_Surface* target = nullptr;
    CSpriteBase backdropSheet;
    CSprite backdrop;
    buttonSet buttons;
    SDLFont* font = nullptr;
    bool done = false;
    // The last leave found the visit's purchases could not be saved: the
    // shop stayed open, shows the coins and levels the save holds, and says
    // so until the next purchase.
    bool notKept = false;

    // Where the shop says that purchases were not kept (`drawNoticeCard`),
    // between the title and the buttons.
    static constexpr int kNoticeX = 55;
    static constexpr int kNoticeY = 125;
    static constexpr noticePlace kNotice{kNoticeX, kNoticeY, 300};
    static constexpr const char* kNotKept[2] = {"Your purchases could not be saved.",
                                                "Your coins and levels are as they were."};

private:
    void buy(Stat stat);
    // Saves the visit and closes the shop; when the save fails after
    // purchases, stays open on what the save holds instead.
    void leave();
    // Purchases made since the shop last matched its save.
    bool purchased = false;
};
