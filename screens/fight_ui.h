// The fight's heads-up display: bars, combo and damage readouts, command icons.
#pragma once

#include <string>

class basicFightUI
{
public:
    void setPlayer1SpecialCommands(std::string commands) { player1Commands = commands; }
    void setPlayer2SpecialCommands(std::string commands) { player2Commands = commands; }

    std::string player1Commands;
    std::string player2Commands;
};
