// Turning a player's recent presses into moves: a timed buffer of command
// letters matched against the move lists of the button pressed last.
#include "fighter/input_checker.h"

#include "engine/globals.h"
#include "fighter/condition.h"
#include "fighter/fighter.h"
#include "fighter/move_set.h"

#include <iostream>

inputChecker::inputChecker(moveSet* moves, Fighter* f)
    : count(0), listA(nullptr), listB(nullptr), listC(nullptr), fighter(f), target(nullptr), pending(nullptr)
{
    getMoveLists(moves);
}

void inputChecker::setup(moveSet* moves, Fighter* f)
{
    getMoveLists(moves);
    fighter = f;
}

void inputChecker::getMoveLists(moveSet* moves)
{
    listA = moves ? moves->returnMoveList("A") : nullptr;
    listB = moves ? moves->returnMoveList("B") : nullptr;
    listC = moves ? moves->returnMoveList("C") : nullptr;
}

void inputChecker::acceptInput(inputKeys keys)
{
    buffer.push_back(keys);
    count = static_cast<int>(buffer.size());
}

void inputChecker::deleteList()
{
    buffer.clear();
    count = 0;
}

std::string inputChecker::bufferText() const
{
    std::string text;
    for (const inputKeys& k : buffer)
        text.push_back(k.key);
    return text;
}

moveInfo* inputChecker::update(int now)
{
    if (pending && fighter)
    {
        if (fighter->returnMoveName() == "NULL")
        {
            moveInfo* ready = pending;
            pending = nullptr;
            return ready;
        }
        const std::string current = fighter->returnMoveName();
        if (current != pending->link && current != pending->name)
            pending = nullptr;
    }
    if (buffer.empty())
        return nullptr;
    shaveOff(now);
    return findButton();
}

void inputChecker::shaveOff(int now)
{
    if (count < 1)
        return;
    while (!buffer.empty() && now - buffer.front().time > inputDelay * 10)
        buffer.pop_front();
    count = static_cast<int>(buffer.size());
}

moveInfo* inputChecker::findButton()
{
    const std::string text = bufferText();
    int pos = 0;
    int time = 0;
    for (std::size_t i = 0; i < buffer.size(); ++i)
    {
        const char k = buffer[i].key;
        if (k == 'A' || k == 'B' || k == 'C')
        {
            pos = static_cast<int>(i) + 1;
            time = buffer[i].time;
        }
    }
    if (pos == 0)
        return nullptr;
    return checkList(pos, time, text);
}

moveInfo* inputChecker::checkList(int pos, int, std::string keys)
{
    if (pos < 1 || pos > static_cast<int>(keys.size()) || !fighter)
    {
        deleteList();
        return nullptr;
    }
    const char button = keys[static_cast<std::size_t>(pos - 1)];
    moveList* list = button == 'A' ? listA : button == 'B' ? listB : button == 'C' ? listC : nullptr;
    for (moveList* node = list; node; node = node->next)
    {
        moveInfo* m = node->move;
        if (!m || m->command.empty() || keys.find(m->command) == std::string::npos)
            continue;
        if (m->energyUsage != 0 && (m->energyUsage < 0 || m->energyUsage > fighter->power))
            continue;
        if (m->link == "NULL")
        {
            if (m->startFrom != fighter->returnMoveName() || fighter->frame < m->startFrame)
                continue;
            Condition condition(fighter, target);
            if (condition.getResult(m->condition))
            {
                deleteList();
                return m;
            }
            continue;
        }
        if (fighter->returnMoveName() == m->link && fighter->frame >= m->linkFrame)
        {
            pending = m;
            deleteList();
            return nullptr;
        }
    }
    deleteList();
    return nullptr;
}

char inputChecker::checkRun()
{
    char result = 'N';
    for (std::size_t i = 0; i + 1 < buffer.size(); ++i)
    {
        if (buffer[i].key == 'L' && buffer[i + 1].key == 'L')
        {
            result = 'L';
            buffer[i].key = '-';
        }
        else if (buffer[i].key == 'R' && buffer[i + 1].key == 'R')
        {
            result = 'R';
            buffer[i].key = '-';
        }
    }
    return result;
}

void inputChecker::print() const
{
    std::cout << "input: " << bufferText() << std::endl;
}

void inputChecker::printB() const
{
    for (moveList* node = listB; node; node = node->next)
        std::cout << (node->move ? node->move->name : std::string("?")) << std::endl;
}
