// Countdowns in game time and the program's random-number source.
#include "engine/timers.h"

#include <ctime>

delayCounter::delayCounter()
    : lastTick(0), currentTick(0), step(0.0f), elapsed(0.0f), accumulator(0.0f), delay(0.0f)
{
}

void delayCounter::update(int now)
{
    currentTick = now;
    const long long diff = static_cast<long long>(now) - lastTick;
    step = static_cast<float>(0.1 * static_cast<double>(diff));
    lastTick = now;
    elapsed = elapsed + step * 10.0f;
    const float sum = accumulator + step;
    if (sum > 3.0f)
    {
        if (delay > 0.0f)
            delay = delay - sum;
        accumulator = 0.0f;
    }
    else
    {
        accumulator = sum;
    }
    if (delay < 0.0f)
        delay = 0.0f;
}

void delayCounter::setDelay(float d)
{
    delay = d;
}

float delayCounter::returnDelay() const
{
    return delay;
}

void delayCounter::addDelay(float d)
{
    delay = delay + d;
}

namespace
{
unsigned int randState = 1;
} // namespace

void runtimeSrand(unsigned int seed)
{
    randState = seed;
}

int runtimeRand()
{
    randState = randState * 214013u + 2531011u;
    return static_cast<int>((randState >> 16) & 0x7fff);
}

randomNumber::randomNumber()
{
    runtimeSrand(static_cast<unsigned int>(std::time(nullptr)));
}

void randomNumber::seed(unsigned int s)
{
    runtimeSrand(s);
}

int randomNumber::getNumber(int n)
{
    if (n <= 0)
        return 0;
    return runtimeRand() % n;
}
