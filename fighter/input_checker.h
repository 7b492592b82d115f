// Turning a player's recent presses into moves: a timed buffer of command
// letters matched against the move lists of the button pressed last.
#pragma once

#include <deque>
#include <string>

class Fighter;
class Target;
class moveSet;
class moveInfo;
struct moveList;

struct inputKeys
{
    int time = 0;
    char key = ' ';
    std::string state;
};

class inputChecker
{
public:
    inputChecker(moveSet* moves, Fighter* fighter);
    inputChecker(const inputChecker&) = delete;
    inputChecker& operator=(const inputChecker&) = delete;

    void setup(moveSet* moves, Fighter* fighter);
    void getMoveLists(moveSet* moves);
    void acceptInput(inputKeys keys);
    // The move to start now, or null.
    moveInfo* update(int now);
    // 'L' or 'R' when that direction was pressed twice in a row, else 'N'.
    char checkRun();
    void shaveOff(int now);
    moveInfo* findButton();
    moveInfo* checkList(int pos, int time, std::string keys);
    void deleteList();
    void print() const;
    void printB() const;

    // The buffered letters, oldest first.
    std::string bufferText() const;

    std::deque<inputKeys> buffer;
    int count;
    moveList* listA;
    moveList* listB;
    moveList* listC;
    Fighter* fighter;
    Target* target;
    moveInfo* pending;
};
