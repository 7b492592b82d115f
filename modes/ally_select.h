// The story's ally screen: a 3x3 grid of allies, the equipped one pictured,
// and the bonus fighter picked for slot 8.
#pragma once

#include <SDL.h>
#include <memory>
#include <string>
#include <vector>

#include "engine/font.h"
#include "engine/screen.h"
#include "engine/sprite.h"
#include "engine/sprite_sheet.h"
#include "modes/save_files.h"
#include "modes/save_notice.h"

// One cell of a selection grid.
class item
{
public:
    item() = default;
    item(const item&) = delete;
    item& operator=(const item&) = delete;

    std::string name;
    int id = 0;
    int locked = 0;
    CSpriteBase sheet;
    CSprite sprite;
};

// The base of the story's selection grids: cells in columns of rows and a
// selection that wraps both ways.
class itemGrid
{
public:
    itemGrid() = default;
    virtual ~itemGrid() = default;
    itemGrid(const itemGrid&) = delete;
    itemGrid& operator=(const itemGrid&) = delete;

    virtual void initGrid(SDL_Surface* screen);
    virtual void update() {}
    virtual void draw() {}
    void moveSelection(int dColumn, int dRow);
    item* selectedItem();

    SDL_Surface* target = nullptr;
    // cells[column][row]
    std::vector<std::vector<std::unique_ptr<item>>> cells;
    int columns = 0;
    int rows = 0;
    int selectedColumn = 0;
    int selectedRow = 0;
};

class allyGrid : public itemGrid
{
public:
    void initGrid(SDL_Surface* screen) override;
    void update() override {}
    void draw() override;

    void setupGrid();
    void setupAlly(item* cell, const char* folder, std::string name, int id, int locked, int x, int y);
    // What equipping the selected slot came to.
    enum class Equip
    {
        Locked,  // nothing equipped, nothing saved
        Saved,   // equipped and saved
        NotSaved // the save failed: the ally the save holds stays equipped
    };
    Equip setEquipped();
    int getEquipped() const { return allies.equippedAlly; }

    allyFile allies;
};

class allySelectScreen : public Screen
{
public:
    static constexpr int kBonusSlot = 8;

    allySelectScreen() = default;
    ~allySelectScreen();
    allySelectScreen(const allySelectScreen&) = delete;
    allySelectScreen& operator=(const allySelectScreen&) = delete;

    void init(SDL_Surface* screen);
    void update();
    void draw();
    void moveSelection(int dColumn, int dRow) { grid.moveSelection(dColumn, dRow); }
    // Lets the player pick the bonus ally and saves the name; false when the
    // save failed, and then the screen keeps the name the save holds.
    bool selectPrePurchaseChara();

    SDL_Surface* target = nullptr;
    CSpriteBase backdropSheet;
    CSprite backdrop;
    CSpriteBase equippedSheet;
    CSprite equippedPicture;
    allyGrid grid;
    SDLFont* font = nullptr;
    bool done = false;
    // The last choice could not be saved: the screen shows what the save
    // holds, and says so until a choice is saved.
    bool notKept = false;
    // Where the screen says so: on the night sky under the grid, as wide as its frame.
    static constexpr noticePlace kNotice{62, 426, 260};

private:
    void confirm();
    void cancel();
};
