// The control tests' fighter fixture and the screen tests' fight fixture,
// built into the story tests as well: the map and loot screens draw over the
// same pads, fonts and one-colour pictures.
#include "tests/control/control_fixture.cpp"
#include "tests/screens/fight_fixture.cpp"
