// A character's plain animations (standing, walking, jumping...), found by name.
#include "fighter/animation_set.h"

#include "engine/memory_tracker.h"
#include "engine/text_file.h"

#include <cstdio>

animationSet::animationSet() : count(0), palette(nullptr)
{
}

animationSet::~animationSet() = default;

int animationSet::loadAll(const char* dir)
{
    folder = dir ? dir : "";
    const std::string path = folder + "/info";
    TextFileReader file;
    if (!file.open(path))
    {
        std::printf("ERROR opening file %s\n\n", path.c_str());
        return 1;
    }
    std::string line;
    const int n = file.readCount("ANIMS:");
    anims.clear();
    // A list shorter than its count ends where the file ends (a repeated
    // last name would only load a copy that lookups never reach).
    for (int i = 0; i < n && file.readLine(line); ++i)
    {
        M_OWNER();
        anims.push_back(std::make_unique<animEntry>());
        loadAnim(i, firstWord(line));
    }
    count = static_cast<int>(anims.size());
    return 1;
}

void animationSet::loadAnim(int index, std::string name)
{
    if (index < 0 || index >= static_cast<int>(anims.size()))
        return;
    animEntry& e = *anims[static_cast<std::size_t>(index)];
    e.name = name;
    if (palette)
        e.sheet.paletteSource = palette;
    e.sheet.init(folder + "/" + name, true);
}

int animationSet::find(std::string name) const
{
    for (std::size_t i = 0; i < anims.size(); ++i)
        if (anims[i]->name == name)
            return static_cast<int>(i);
    return 0;
}

CSpriteBase* animationSet::returnAnimation(std::string name)
{
    if (anims.empty())
        return nullptr;
    return &anims[static_cast<std::size_t>(find(name))]->sheet;
}

CSpriteBase* animationSet::findAnimation(const std::string& name)
{
    for (auto& e : anims)
        if (e->name == name)
            return &e->sheet;
    return nullptr;
}
