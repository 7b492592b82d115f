// The story's ally screen: a 3x3 grid of allies, the equipped one pictured,
// and the bonus fighter picked for slot 8.
#include "modes/ally_select.h"

#include "engine/gamepad.h"
#include "engine/globals.h"
#include "engine/present.h"
#include "modes/menu_icons.h"
#include "screens/character_select.h"

namespace
{
struct AllyCell
{
    const char* name;
    const char* folder;
};

// By id: row by row, left to right.
const AllyCell kAllyCells[kAllyIds] = {
    {"Ally", "data/screens/allySelect/default"},
    {"SadGhost", "data/screens/allySelect/SadGhost"},
    {"Male", "data/screens/allySelect/Male"},
    {"Female", "data/screens/allySelect/Female"},
    {"HellSkull", "data/screens/allySelect/HellSkull"},
    {"Spectre", "data/screens/allySelect/spectre"},
    {"Andy", "data/screens/allySelect/Andy"},
    {"Rigby", "data/screens/allySelect/Rigby"},
    {"BonusCharas", "data/screens/allySelect/BonusCharas"},
};
constexpr int kGridSide = 3;
} // namespace

void itemGrid::initGrid(SDL_Surface* screen)
{
    selectedColumn = 0;
    selectedRow = 0;
    target = screen;
}

void itemGrid::moveSelection(int dColumn, int dRow)
{
    if (columns < 1 || rows < 1)
        return;
    int column = selectedColumn + dColumn;
    if (column >= columns)
        column = 0;
    if (column < 0)
        column = columns - 1;
    int row = selectedRow + dRow;
    if (row >= rows)
        row = 0;
    if (row < 0)
        row = rows - 1;
    selectedColumn = column;
    selectedRow = row;
}

item* itemGrid::selectedItem()
{
    if (selectedColumn < 0 || selectedColumn >= static_cast<int>(cells.size()))
        return nullptr;
    auto& column = cells[static_cast<std::size_t>(selectedColumn)];
    if (selectedRow < 0 || selectedRow >= static_cast<int>(column.size()))
        return nullptr;
    return column[static_cast<std::size_t>(selectedRow)].get();
}

void allyGrid::initGrid(SDL_Surface* screen)
{
    target = screen;
    allies.loadAllyFile();
    columns = kGridSide;
    rows = kGridSide;
    cells.clear();
    cells.resize(static_cast<std::size_t>(columns));
    for (auto& column : cells)
        for (int row = 0; row < rows; ++row)
            column.push_back(std::make_unique<item>());
    setupGrid();
    selectedColumn = 0;
    selectedRow = 0;
}

void allyGrid::setupGrid()
{
    int id = 0;
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column, ++id)
        {
            const int locked = id == 0 ? 0 : allies.allyLocked[id];
            setupAlly(cells[static_cast<std::size_t>(column)][static_cast<std::size_t>(row)].get(),
                      kAllyCells[id].folder, kAllyCells[id].name, id, locked, 60 + 80 * column,
                      160 + 80 * row);
        }
}

void allyGrid::setupAlly(item* cell, const char* folder, std::string name, int id, int locked, int x, int y)
{
    cell->name = std::move(name);
    cell->id = id;
    cell->locked = locked;
    cell->sheet.init(folder, false);
    placeStill(cell->sprite, cell->sheet, target, x, y, 0.0f);
}

allyGrid::Equip allyGrid::setEquipped()
{
    item* cell = selectedItem();
    if (!cell || cell->locked == 1)
        return Equip::Locked;
    const int before = allies.equippedAlly;
    allies.equippedAlly = cell->id;
    if (allies.saveAllyFile())
        return Equip::Saved;
    allies.equippedAlly = before;
    return Equip::NotSaved;
}

void allyGrid::draw()
{
    for (int column = 0; column < columns; ++column)
        for (int row = 0; row < rows; ++row)
        {
            item& cell = *cells[static_cast<std::size_t>(column)][static_cast<std::size_t>(row)];
            const bool selected = column == selectedColumn && row == selectedRow;
            const bool locked = cell.locked == 1;
            drawIconFrame(cell.sprite, selected ? (locked ? 3 : 1) : (locked ? 2 : 0));
        }
}

allySelectScreen::~allySelectScreen()
{
    freeFont(font);
}

void allySelectScreen::init(SDL_Surface* screen)
{
    drainEvents();
    done = false;
    notKept = false;
    target = screen;
    freeFont(font);
    font = initFont("data/font/Calibri2", 0, 0, 0, 1);
    GPad1.loadGamePad(kPad1Path);
    backdropSheet.init("data/screens/allySelect", false);
    backdrop.init(&backdropSheet, target);
    backdrop.x = 0;
    backdrop.y = 0;
    backdrop.setSpeed(3.0f);
    equippedSheet.init("data/screens/allySelect/selected", false);
    placeStill(equippedPicture, equippedSheet, target, 382, 142, 0.0f);
    grid.initGrid(target);
    loadSounds();
}

void allySelectScreen::update()
{
    SDL_Event event;
    while (SDL_PollEvent(&event))
    {
        checkQuitEvent(event);
        switch (event.type)
        {
        case SDL_KEYDOWN:
        {
            const int key = event.key.keysym.sym;
            if (key == GPad1.keyUp)
                moveSelection(0, -1);
            else if (key == GPad1.keyDown)
                moveSelection(0, 1);
            else if (key == GPad1.keyRight)
                moveSelection(1, 0);
            else if (key == GPad1.keyLeft)
                moveSelection(-1, 0);
            if (key == GPad1.keyA)
                confirm();
            if (key == SDLK_ESCAPE || key == GPad1.keyB || fullyQuit)
                cancel();
            break;
        }
        case SDL_JOYBUTTONDOWN:
            if (GPad1.joystickIndex < 0)
                break;
            if (event.jbutton.button == GPad1.buttonA)
                confirm();
            else if (event.jbutton.button == GPad1.buttonB)
                cancel();
            break;
        case SDL_JOYAXISMOTION:
        {
            if (GPad1.joystickIndex < 0 || event.jaxis.which != GPad1.joystickIndex)
                break;
            const int value = event.jaxis.value;
            if (value < gamePadDeadZoneMin || value > gamePadDeadZoneMax)
            {
                if (event.jaxis.axis == 0 && GPad1.xAxisCentred)
                    moveSelection(value > 0 ? 1 : -1, 0);
                else if (event.jaxis.axis == 1 && GPad1.yAxisCentred)
                    moveSelection(0, value > 0 ? 1 : -1);
            }
            GPad1.updateAxes(&event);
            break;
        }
        default:
            break;
        }
    }
}

void allySelectScreen::confirm()
{
    playConfirm();
    const allyGrid::Equip equip = grid.setEquipped();
    bool savesSomething = equip != allyGrid::Equip::Locked;
    bool kept = equip != allyGrid::Equip::NotSaved;
    const item* cell = grid.selectedItem();
    if (cell && cell->id == kBonusSlot)
    {
        savesSomething = true;
        kept = selectPrePurchaseChara() && kept;
    }
    // A locked slot saves nothing, and leaves the notice as it was.
    if (savesSomething)
        notKept = !kept;
}

void allySelectScreen::cancel()
{
    playCancel();
    done = true;
}

bool allySelectScreen::selectPrePurchaseChara()
{
    std::string picked;
    {
        characterSelectScreen picker;
        picker.init(target, 1, characterSelectScreen::getPrePurchaseCharacters());
        while (!picker.done && !fullyQuit)
        {
            picker.update();
            picker.draw();
        }
        picked = picker.getPlayerSelection(1);
    }
    allyFile saved;
    saved.loadAllyFile();
    saved.bonusAllyName = picked;
    if (!saved.saveAllyFile())
        return false;
    // The grid keeps the picked name, so equipping another slot later in this
    // visit does not write the old name back.
    grid.allies.bonusAllyName = picked;
    return true;
}

void allySelectScreen::draw()
{
    backdrop.draw();
    grid.draw();
    drawIconFrame(equippedPicture, grid.getEquipped());
    if (notKept)
        drawNoticeCard(target, font, kNotice, kChoiceNotKept);
    presentFrame(target);
}
