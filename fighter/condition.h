// The small condition language of frames and moves: one test, then actions
// to run when it holds and, after ELSE, when it does not.
#pragma once

#include <string>

class Fighter;
class Target;

class Condition
{
public:
    Condition(Fighter* fighter, Target* target);

    void handleConditionSet(const std::string* lines, int count);
    bool getResult(std::string line);
    bool checkCondition();
    void splitString(std::string line);
    int doStatementBlock(const std::string* lines, int count, int start);
    int moveToElseBlock(const std::string* lines, int count, int start);
    void doAction();

    bool checkHP();
    bool checkState();
    bool checkPosition();
    bool ground();
    bool checkGrabbing();

    std::string words[3];
    Fighter* fighter;
    Target* target;
};

class actionParser
{
public:
    actionParser(Fighter* fighter, Target* target);
    void doAction(const std::string* words);
    void setActionStrings(const std::string* words);
    void hpAction();
    void frameAction();
    void animAction();

    Fighter* fighter;
    Target* target;
    std::string words[3];
};

// Whether a condition line is an ELSE line (its text without the line end is
// exactly "ELSE").
bool isElseLine(const std::string& line);
