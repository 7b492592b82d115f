// How a stage or fight ended, read the same way by every mode that runs one.
#pragma once

enum class FightEnd
{
    // Finished with player 1 the winner.
    Won,
    // Finished with any other winner.
    Lost,
    // Did not finish: left through the pause menu, or the window was closed.
    Left
};

// From the screen's finished flag and, for a finished one, its getWinner().
FightEnd fightEnd(bool finished, int winner);
