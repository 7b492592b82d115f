// A character's moves (attacks, specials, reactions, blocks), found by name
// or through the list of the button that ends their command.
#include "fighter/move_set.h"

#include "engine/memory_tracker.h"
#include "engine/text_file.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

moveSet::moveSet() : count(0), palette(nullptr), listA(nullptr), listB(nullptr), listC(nullptr)
{
}

moveSet::~moveSet()
{
    for (moveList* n : nodes)
        delete n;
    nodes.clear();
}

int moveSet::loadAll(const char* dir)
{
    folder = dir ? dir : "";
    const std::string path = folder + "/moveset";
    TextFileReader file;
    if (!file.open(path))
    {
        std::printf("ERROR opening file %s\n\n", path.c_str());
        return 1;
    }
    std::string line;
    const int n = file.readCount("ANIMS:");

    auto word = [&](std::string& out) {
        out.clear();
        if (file.readLine(line))
            out = firstWord(line);
    };
    auto number = [&](int& out) {
        out = 0;
        if (file.readLine(line))
            LineScan(line).integer(out);
    };
    auto flag = [&](bool& out) {
        int v = 0;
        number(v);
        out = v == 1;
    };

    moves.clear();
    for (int i = 0; i < n; ++i)
    {
        // A file shorter than its count has no more moves.
        if (!file.readLine(line))
            break;
        M_OWNER();
        moves.push_back(std::make_unique<moveInfo>());
        loadAnim(i, firstWord(line));
        moveInfo& m = *moves.back();
        word(m.command);
        number(m.energyUsage);
        word(m.link);
        number(m.linkFrame);
        flag(m.interuptable);
        word(m.startFrom);
        number(m.startFrame);
        flag(m.special);
        flag(m.flag10);
        if (!file.readLineKeepEnd(m.condition))
            m.condition.clear();
    }
    count = static_cast<int>(moves.size());
    for (moveList* node : nodes)
        delete node;
    nodes.clear();
    listA = setupMoveList("A");
    listB = setupMoveList("B");
    listC = setupMoveList("C");
    return 1;
}

void moveSet::loadAnim(int index, std::string name)
{
    if (index < 0 || index >= static_cast<int>(moves.size()))
        return;
    moveInfo& m = *moves[static_cast<std::size_t>(index)];
    m.name = name;
    if (palette)
        m.sheet.paletteSource = palette;
    m.sheet.init(folder + "/" + name, true);
}

moveList* moveSet::setupMoveList(std::string button)
{
    if (button.empty())
        return nullptr;
    moveList* head = nullptr;
    moveList* tail = nullptr;
    for (auto& m : moves)
    {
        if (m->command.empty() || m->command.back() != button[0])
            continue;
        moveList* node = new moveList;
        nodes.push_back(node);
        node->move = m.get();
        if (tail)
            tail->next = node;
        else
            head = node;
        tail = node;
    }
    return head;
}

moveList* moveSet::returnMoveList(std::string button)
{
    if (button == "A")
        return listA;
    if (button == "B")
        return listB;
    if (button == "C")
        return listC;
    return nullptr;
}

int moveSet::find(std::string name) const
{
    for (std::size_t i = 0; i < moves.size(); ++i)
        if (moves[i]->name == name)
            return static_cast<int>(i);
    return 0;
}

moveInfo* moveSet::returnMove(std::string name)
{
    if (moves.empty())
        return nullptr;
    return moves[static_cast<std::size_t>(find(name))].get();
}

CSpriteBase* moveSet::returnAnimation(std::string name)
{
    moveInfo* m = returnMove(name);
    return m ? &m->sheet : nullptr;
}

moveInfo* moveSet::findMove(const std::string& name)
{
    for (auto& m : moves)
        if (m->name == name)
            return m.get();
    return nullptr;
}

void moveSet::lockMoves(int level)
{
    for (auto& m : moves)
    {
        if (level < 1 && m->name.find("Lv1") != std::string::npos)
            m->command = "zzz";
        if (level < 2 && m->name.find("Lv2") != std::string::npos)
            m->command = "zzz";
        if (level < 3 && m->name.find("Lv3") != std::string::npos)
            m->command = "zzz";
    }
}

std::string moveSet::getSpecialMoveCommands() const
{
    std::string out;
    for (const auto& m : moves)
    {
        if (m->energyUsage <= 0)
            continue;
        int bars = static_cast<int>(std::ceil(m->energyUsage / 10.0));
        if (bars == 10)
            bars = 0;
        out += std::to_string(bars);
        if (m->condition.find("ground = false") != std::string::npos)
            out += "n";
        out += m->command;
        out += " ";
    }
    return out;
}

void moveSet::deleteList(moveList* list)
{
    if (list == listA)
        listA = nullptr;
    if (list == listB)
        listB = nullptr;
    if (list == listC)
        listC = nullptr;
    while (list)
    {
        moveList* next = list->next;
        nodes.erase(std::remove(nodes.begin(), nodes.end(), list), nodes.end());
        delete list;
        list = next;
    }
}
