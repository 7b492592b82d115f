// A computer fighter's repertoire: attacks by section and range, and the
// follow-ups that may link from or cancel into an attack.
#pragma once

#include <string>
#include <vector>

struct aiAttack
{
    char range = ' ';
    std::string name;
    std::string linkKey;
    std::string cancelKey;
};

struct aiAttackNumbers
{
    int S = 0;
    int M = 0;
    int L = 0;
    int D = 0;
    int U = 0;
    void addNum(char letter);
};

struct attackGroup
{
    int count = 0;
    std::string key;
    std::vector<std::string> names;
};

class aiAttackList
{
public:
    enum Section
    {
        Ground = 0,
        Duck = 1,
        Aerial = 2,
        Deflect = 3,
        Cancel = 4,
        Linked = 5,
        SectionCount = 6
    };

    aiAttackList() = default;
    aiAttackList(const aiAttackList&) = delete;
    aiAttackList& operator=(const aiAttackList&) = delete;

    void getList(const char* aiFolder);
    std::string getAttack(char letter, std::string kind);
    std::string getAttack(char letter, const std::vector<aiAttack>& records, const aiAttackNumbers& counts);
    std::string findLinkedAttacks(std::string previous);
    std::string findCancelAttacks(std::string previous);
    void createLinkMoveLists(bool linked);

    aiAttackNumbers numbers[SectionCount];
    std::vector<aiAttack> records[SectionCount];
    int linkedCount = 0;
    int cancelCount = 0;
    std::vector<attackGroup> linkedGroups;
    std::vector<attackGroup> cancelGroups;

private:
    std::string findInGroups(const std::vector<attackGroup>& groups, const std::string& previous);
};
