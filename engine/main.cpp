// The game's entry.
#include "engine/startup.h"

int main(int, char**)
{
    return startGame();
}
