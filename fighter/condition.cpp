// The small condition language of frames and moves: one test, then actions
// to run when it holds and, after ELSE, when it does not.
#include "fighter/condition.h"

#include "engine/clock.h"
#include "engine/text_file.h"
#include "fighter/fighter.h"

bool isElseLine(const std::string& line)
{
    std::string text = line;
    stripLineEnd(text);
    return text == "ELSE";
}

Condition::Condition(Fighter* f, Target* t) : fighter(f), target(t)
{
}

void Condition::splitString(std::string line)
{
    // A line fills as many slots as it has words (at most three); the rest
    // keep the words of the line split before it.
    const std::vector<std::string> parts = splitWords(line);
    for (std::size_t i = 0; i < parts.size() && i < 3; ++i)
        words[i] = parts[i];
}

bool Condition::getResult(std::string line)
{
    splitString(line);
    return checkCondition();
}

bool Condition::checkCondition()
{
    const std::string& subject = words[0];
    // "NULL" holds always, also with no fighter to test.
    if (subject == "NULL" || subject == "null")
        return true;
    if (!fighter)
        return false;
    if (subject == "ground")
        return ground();
    if (subject == "HP")
        return checkHP();
    if (subject == "state")
        return checkState();
    if (subject == "position")
        return checkPosition();
    if (subject == "grabbing")
        return checkGrabbing();
    return false;
}

bool Condition::ground()
{
    return words[2] == "true" ? fighter->grounded : !fighter->grounded;
}

bool Condition::checkHP()
{
    const int n = words[2] == "MAX" ? fighter->maxHP : parseInt(words[2]);
    const std::string& op = words[1];
    if (op == ">")
        return fighter->hp > n;
    if (op == "<")
        return fighter->hp < n;
    if (op == "==")
        return fighter->hp == n;
    if (op == "!=")
        return fighter->hp != n;
    return false;
}

bool Condition::checkState()
{
    if (words[1] == "==")
        return fighter->state == words[2];
    return fighter->state != words[2];
}

bool Condition::checkPosition()
{
    bool result = false;
    const std::string& where = words[2];
    if (where == "air")
        result = !fighter->grounded;
    else if (where == "mid")
        result = fighter->grounded && fighter->state != "duck";
    else if (where == "low")
        result = fighter->grounded && fighter->state == "duck";
    if (words[1] == "!=")
        result = !result;
    return result;
}

bool Condition::checkGrabbing()
{
    return words[2] == "true" ? fighter->grabbing : !fighter->grabbing;
}

int Condition::doStatementBlock(const std::string* lines, int count, int start)
{
    int i = start;
    for (; i < count && !isElseLine(lines[i]); ++i)
    {
        splitString(lines[i]);
        doAction();
    }
    return i;
}

int Condition::moveToElseBlock(const std::string* lines, int count, int start)
{
    for (int i = start; i < count; ++i)
        if (isElseLine(lines[i]))
            return i + 1;
    return count;
}

void Condition::handleConditionSet(const std::string* lines, int count)
{
    if (!lines || count < 1)
        return;
    splitString(lines[0]);
    if (checkCondition())
        doStatementBlock(lines, count, 1);
    else
        doStatementBlock(lines, count, moveToElseBlock(lines, count, 1));
}

void Condition::doAction()
{
    actionParser action(fighter, target);
    action.doAction(words);
}

actionParser::actionParser(Fighter* f, Target* t) : fighter(f), target(t)
{
}

void actionParser::setActionStrings(const std::string* w)
{
    for (int i = 0; i < 3; ++i)
        words[i] = w[i];
}

void actionParser::doAction(const std::string* w)
{
    setActionStrings(w);
    if (!fighter)
        return;
    if (words[0] == "HP")
        hpAction();
    else if (words[0] == "FRAME")
        frameAction();
    else if (words[0] == "ANIM")
        animAction();
}

void actionParser::hpAction()
{
    if (fighter && words[1] == "+")
        fighter->changeHP(parseInt(words[2]));
}

void actionParser::frameAction()
{
    if (!fighter || words[1] != "=")
        return;
    const int n = parseInt(words[2]);
    // A frame the sheet does not have is ignored.
    if (n < 0 || n >= fighter->frameTotal())
        return;
    fighter->frame = n;
    fighter->lastChange = static_cast<int>(gameTicks());
}

void actionParser::animAction()
{
    if (!fighter)
        return;
    if (words[2] == "STOP")
        fighter->animating = 0;
    else if (words[2] == "START")
        fighter->animating = 1;
}
