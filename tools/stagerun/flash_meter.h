// Counts the flashes a run shows: fed every presented picture with its game
// time, it follows the picture's mean luminance and reports the most flashes
// in any one second.
#pragma once

#include <SDL.h>
#include <deque>

// The mean relative luminance of a picture, 0 (black) to 1 (white), from its
// linear-light red, green and blue as the photosensitivity guidelines weigh them.
double meanLuminance(SDL_Surface* picture);

// A flash is a rise and a fall (or a fall and a rise) of the mean luminance,
// each by more than a tenth of full scale. A change counts once it has gone
// that far from the last turn; slow drifts and small flickers never count.
class flashMeter
{
public:
    static constexpr double kSwing = 0.1;

    void frame(SDL_Surface* picture, Uint32 gameMs) { sample(meanLuminance(picture), gameMs); }
    void sample(double luminance, Uint32 gameMs);

    // The most flashes within any one second of game time.
    int mostInOneSecond() const { return mostChanges / 2; }
    // Flashes over the whole run.
    int flashes() const { return changes / 2; }

private:
    bool started = false;
    int direction = 0; // +1 rising, -1 falling, 0 before the first change
    double low = 0.0;  // before the first change: the lowest and highest seen
    double high = 0.0;
    double extreme = 0.0; // the furthest the current change has gone
    int changes = 0;
    std::deque<Uint32> recent; // times of the changes of the last second
    int mostChanges = 0;

    void change(Uint32 gameMs);
};
