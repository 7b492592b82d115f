// Countdowns in game time and the program's random-number source.
#pragma once

// A countdown in units of 10 ms driven by the caller's millisecond clock.
class delayCounter
{
public:
    delayCounter();
    void update(int now);
    void setDelay(float d);
    float returnDelay() const;
    void addDelay(float d);

private:
    int lastTick;
    int currentTick;
    float step;
    float elapsed;
    float accumulator;
    float delay;
};

// The runtime-style pseudo-random generator: values 0..32767, the same
// sequence for the same seed on every platform.
void runtimeSrand(unsigned int seed);
int runtimeRand();

class randomNumber
{
public:
    // Seeds the generator from the clock.
    randomNumber();
    // Tests seed the generator to replay the same draws.
    void seed(unsigned int s);
    // 0 .. n-1; 0 when n is not positive.
    int getNumber(int n);
};
