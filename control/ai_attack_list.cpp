// A computer fighter's repertoire: attacks by section and range, and the
// follow-ups that may link from or cancel into an attack.
#include "control/ai_attack_list.h"

#include "engine/globals.h"
#include "engine/text_file.h"

#include <cctype>
#include <cstdio>

void aiAttackNumbers::addNum(char letter)
{
    switch (std::toupper(static_cast<unsigned char>(letter)))
    {
    case 'S':
        ++S;
        break;
    case 'M':
        ++M;
        break;
    case 'L':
        ++L;
        break;
    case 'D':
        ++D;
        break;
    case 'U':
        ++U;
        break;
    default:
        break;
    }
}

void aiAttackList::getList(const char* aiFolder)
{
    for (int i = 0; i < SectionCount; ++i)
    {
        numbers[i] = aiAttackNumbers();
        records[i].clear();
    }
    linkedGroups.clear();
    cancelGroups.clear();
    linkedCount = cancelCount = 0;

    const std::string path = std::string(aiFolder ? aiFolder : "") + "/attack";
    TextFileReader file;
    if (!file.open(path))
    {
        std::printf("ERROR opening file %s\n\n", path.c_str());
        return;
    }
    std::string line;
    for (int section = 0; section < SectionCount; ++section)
    {
        const int n = file.readCount("Attacks:");
        // Records stop at the end of the file, whatever the count says.
        for (int i = 0; i < n && file.readLine(line); ++i)
        {
            aiAttack a;
            a.name = firstWord(line);
            std::string word;
            if (file.readLine(line))
            {
                word = firstWord(line);
                a.range = word.empty() ? ' ' : word[0];
            }
            if (file.readLine(line))
                a.linkKey = firstWord(line);
            if (file.readLine(line))
                a.cancelKey = firstWord(line);
            numbers[section].addNum(a.range);
            records[section].push_back(a);
        }
    }
    linkedCount = static_cast<int>(records[Linked].size());
    cancelCount = static_cast<int>(records[Cancel].size());
    if (linkedCount > 0)
        createLinkMoveLists(true);
    if (cancelCount > 0)
        createLinkMoveLists(false);
}

std::string aiAttackList::getAttack(char letter, std::string kind)
{
    if (kind == "ground")
        return getAttack(letter, records[Ground], numbers[Ground]);
    if (kind == "duck")
        return getAttack(letter, records[Duck], numbers[Duck]);
    if (kind == "aerial")
        return getAttack(letter, records[Aerial], numbers[Aerial]);
    return "null";
}

std::string aiAttackList::getAttack(char letter, const std::vector<aiAttack>& list, const aiAttackNumbers& c)
{
    int index = -1;
    switch (std::toupper(static_cast<unsigned char>(letter)))
    {
    case 'S':
        if (c.S >= 1)
            index = g_randomNumber.getNumber(c.S + c.M);
        break;
    case 'M':
        if (c.M >= 1)
            index = c.S + g_randomNumber.getNumber(c.M + c.L);
        break;
    case 'L':
        if (c.L >= 1)
            index = c.S + c.M + g_randomNumber.getNumber(c.L);
        break;
    case 'U':
        if (c.U >= 1)
            index = c.S + c.M + c.L + g_randomNumber.getNumber(c.U);
        break;
    case 'D':
        if (c.D >= 1)
            index = c.S + c.M + c.L + c.U + g_randomNumber.getNumber(c.D);
        break;
    default:
        break;
    }
    if (index < 0 || index >= static_cast<int>(list.size()))
        return "null";
    return list[static_cast<std::size_t>(index)].name;
}

void aiAttackList::createLinkMoveLists(bool linked)
{
    std::vector<aiAttack>& list = records[linked ? Linked : Cancel];
    std::vector<attackGroup>& groups = linked ? linkedGroups : cancelGroups;
    groups.clear();
    for (std::size_t i = 0; i < list.size(); ++i)
    {
        const std::string& key = linked ? list[i].linkKey : list[i].cancelKey;
        const std::string previousKey = i == 0 ? std::string() : (linked ? list[i - 1].linkKey : list[i - 1].cancelKey);
        if (i == 0 || key != previousKey)
        {
            groups.emplace_back();
            groups.back().key = key;
        }
        groups.back().names.push_back(list[i].name);
        groups.back().count = static_cast<int>(groups.back().names.size());
    }
    (linked ? linkedCount : cancelCount) = static_cast<int>(groups.size());
    list.clear();
}

std::string aiAttackList::findInGroups(const std::vector<attackGroup>& groups, const std::string& previous)
{
    for (const attackGroup& g : groups)
        if (g.key == previous)
            return g.names[static_cast<std::size_t>(g_randomNumber.getNumber(g.count))];
    return "NULL";
}

std::string aiAttackList::findLinkedAttacks(std::string previous)
{
    return findInGroups(linkedGroups, previous);
}

std::string aiAttackList::findCancelAttacks(std::string previous)
{
    return findInGroups(cancelGroups, previous);
}
