// The fighter, fight and stage fixtures of the control and screen tests,
// built into the stage script tests as well.
#include "tests/control/control_fixture.cpp"
#include "tests/screens/fight_fixture.cpp"
#include "tests/screens/stage_fixture.cpp"
