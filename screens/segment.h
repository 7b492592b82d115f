// The step a stage or a dialogue scene runs until it reports finished: the base of the stage's
// wall, trigger and wave steps and of the scene's picture, text and music steps.
#pragma once

class beatEmUpSegment
{
public:
    beatEmUpSegment() = default;
    beatEmUpSegment(const beatEmUpSegment&) = delete;
    beatEmUpSegment& operator=(const beatEmUpSegment&) = delete;
    // Builders own their steps through base pointers; the steps own sprite sheets.
    virtual ~beatEmUpSegment() = default;

    virtual void update() {}
    virtual void draw() {}
    bool getFinished() const { return finished; }

    // A new step counts as done until the kind that derives from it says otherwise.
    bool finished = true;
    // Set by a dialogue step when the reader skips the rest of the scene.
    bool skip = false;
};
