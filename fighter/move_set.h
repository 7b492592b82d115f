// A character's moves (attacks, specials, reactions, blocks), found by name
// or through the list of the button that ends their command.
#pragma once

#include <SDL.h>
#include <memory>
#include <string>
#include <vector>

#include "engine/sprite_sheet.h"

class moveInfo
{
public:
    moveInfo() = default;
    moveInfo(const moveInfo&) = delete;
    moveInfo& operator=(const moveInfo&) = delete;

    // First: a fighter performing the move draws from this sheet.
    CSpriteBase sheet;
    std::string name;
    std::string command;
    int energyUsage = 0;
    std::string link;
    int linkFrame = 0;
    bool interuptable = false;
    std::string startFrom;
    int startFrame = 0;
    bool special = false;
    bool flag10 = false;
    std::string condition;
};

struct moveList
{
    moveInfo* move = nullptr;
    moveList* next = nullptr;
};

class moveSet
{
public:
    moveSet();
    ~moveSet();
    moveSet(const moveSet&) = delete;
    moveSet& operator=(const moveSet&) = delete;

    int loadAll(const char* folder);
    int loadAll(const std::string& folder) { return loadAll(folder.c_str()); }
    void loadAnim(int index, std::string name);
    moveList* setupMoveList(std::string button);
    moveList* returnMoveList(std::string button);
    // Index of the first move of that name; 0 when it is not in the set.
    int find(std::string name) const;
    // The named move, the first move of the file when the name is not there,
    // or null when the set has no moves.
    moveInfo* returnMove(std::string name);
    CSpriteBase* returnAnimation(std::string name);
    // The named move, or null: reactions, blocks and AI attacks look moves up
    // this way, so a missing one is skipped rather than replaced.
    moveInfo* findMove(const std::string& name);
    void lockMoves(int level);
    std::string getSpecialMoveCommands() const;
    void deleteList(moveList* list);

    std::vector<std::unique_ptr<moveInfo>> moves;
    int count;
    std::string folder;
    SDL_Surface* palette;
    moveList* listA;
    moveList* listB;
    moveList* listC;

private:
    std::vector<moveList*> nodes;
};
