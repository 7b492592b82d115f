// The control tests' fighter fixture, built into the screen tests as well:
// the fights here load the same fighters, effects, fonts and sounds.
#include "tests/control/control_fixture.cpp"
