// A character's plain animations (standing, walking, jumping...), found by name.
#pragma once

#include <SDL.h>
#include <memory>
#include <string>
#include <vector>

#include "engine/sprite_sheet.h"

class animationSet
{
public:
    struct animEntry
    {
        CSpriteBase sheet;
        std::string name;
    };

    animationSet();
    ~animationSet();
    animationSet(const animationSet&) = delete;
    animationSet& operator=(const animationSet&) = delete;

    int loadAll(const char* folder);
    int loadAll(const std::string& folder) { return loadAll(folder.c_str()); }
    void loadAnim(int index, std::string name);
    // Index of the first animation of that name; 0 when it is not listed.
    int find(std::string name) const;
    // The named animation, the first one when the name is not listed, or
    // null when the set has none.
    CSpriteBase* returnAnimation(std::string name);
    // The named animation, or null: no fallback.
    CSpriteBase* findAnimation(const std::string& name);

    std::vector<std::unique_ptr<animEntry>> anims;
    int count;
    std::string folder;
    SDL_Surface* palette;
};
