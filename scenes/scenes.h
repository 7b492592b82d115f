// The story's dialogue scenes, one script per scene.
#pragma once

#include "engine/audio.h"
#include "screens/dialogue_segments.h"

// Scene 1: Nick's lost Saturday night, the news of the zombies, his landlord.
class diaSegBuilderScene1 : public dialogueSegmentBuilder
{
public:
    void buildSegments() override;
    musicPlayer music;
};
