// The story's rewards as saved and shown: a bundle applies its reward to the
// save files and holds what the loot screen shows; the loot screen shows it
// over its backdrop with a short tune until a key is pressed.
#pragma once

#include <SDL.h>
#include <memory>
#include <string>
#include <vector>

#include "engine/audio.h"
#include "engine/screen.h"
#include "engine/sprite.h"
#include "engine/sprite_sheet.h"
#include "modes/save_files.h"

struct SDLFont;
struct LootReward;

struct lootItem
{
    std::string label;
    std::unique_ptr<CSpriteBase> sheet;
    CSprite sprite;
};

class lootBundle
{
public:
    lootBundle() = default;
    ~lootBundle();
    lootBundle(const lootBundle&) = delete;
    lootBundle& operator=(const lootBundle&) = delete;

    // Applies reward `bundle` to the save files, saving them, then loads
    // what the screen shows; true when the reward was saved whole. Every file
    // the reward writes (both saves and the copies kept of damaged ones) is
    // written in full before any is renamed into place, and the ally save
    // goes in before the story save. When a save cannot be read, or any of
    // those writes fails, both saves keep what they held (kNotKept). Only
    // when the story save fails to go in after the ally save did are the
    // allies unlocked without the rest, which the chapter gives when played
    // again (kAlliesOnly). Either way the console says which file and why,
    // `story` holds the weapons as saved, and the screen lists no items but
    // says what the saves hold.
    bool giveReward(int bundle, SDL_Surface* screen);
    // Draws the items (or that the reward was not kept) and both weapon
    // readouts; does not present the frame.
    void draw();

    storyFile story;
    allyFile allies;
    // The last reward given was saved.
    bool kept = false;
    std::vector<lootItem> items;
    SDLFont* font = nullptr;
    SDL_Surface* target = nullptr;
    CSpriteBase weaponSheet;
    CSprite weaponSprite;

    // Where the screen says that a reward was not kept, one line under the other.
    static constexpr int kNoticeX = 150;
    static constexpr int kNoticeY = 150;
    static constexpr const char* kNotKept[2] = {"This reward could not be saved.",
                                                "Your saves are as they were."};
    static constexpr const char* kAlliesOnly[2] = {"This reward could not be saved whole.",
                                                   "Its allies were kept; play the chapter again."};

private:
    enum class Saved
    {
        Whole,
        Nothing,
        AlliesOnly
    };
    Saved saveReward(const LootReward& reward);
    void drawWeapon(int weapon, int x, int y);
    // The two lines the screen says for a reward given but not saved, or null.
    const char* const* notice = nullptr;
};

// Bundle N: the reward of the chapter it ends.
template <int N> class numberedLootBundle : public lootBundle
{
public:
    bool init(SDL_Surface* screen) { return giveReward(N, screen); }
};

using lootBundle1 = numberedLootBundle<1>;
using lootBundle2 = numberedLootBundle<2>;
using lootBundle3 = numberedLootBundle<3>;
using lootBundle4 = numberedLootBundle<4>;
using lootBundle5 = numberedLootBundle<5>;
using lootBundle6 = numberedLootBundle<6>;
using lootBundle7 = numberedLootBundle<7>;
using lootBundle8 = numberedLootBundle<8>;
using lootBundle9 = numberedLootBundle<9>;
using lootBundle10 = numberedLootBundle<10>;
using lootBundle11 = numberedLootBundle<11>;
using lootBundle12 = numberedLootBundle<12>;
using lootBundle13 = numberedLootBundle<13>;
using lootBundle14 = numberedLootBundle<14>;
using lootBundle15 = numberedLootBundle<15>;
using lootBundle16 = numberedLootBundle<16>;
using lootBundle17 = numberedLootBundle<17>;
using lootBundle18 = numberedLootBundle<18>;

class lootScreen : public Screen
{
public:
    void init(SDL_Surface* screen, lootBundle* shown);
    void update();
    void draw();

    SDL_Surface* target = nullptr;
    musicPlayer music;
    CSpriteBase backdropSheet;
    CSprite backdrop;
    lootBundle* bundle = nullptr;
    bool done = false;

private:
    void finish(bool withSound);
};
