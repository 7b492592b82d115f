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

// Scene 2: Vlad's ambush on the night street and his courteous death sentence.
class diaSegBuilderScene2 : public dialogueSegmentBuilder
{
public:
    void buildSegments() override;
    musicPlayer music;
};

// Scene 3: Vlad beaten; his blade speaks on and calls Nick master.
class diaSegBuilderScene3 : public dialogueSegmentBuilder
{
public:
    void buildSegments() override;
    musicPlayer music;
};

// Scene 4: Nick's plan, an empty street and one zombie's interview.
class diaSegBuilderScene4 : public dialogueSegmentBuilder
{
public:
    void buildSegments() override;
    musicPlayer music;
};

// Scene 5: Spectre, the demon army's maverick, scorns Nick's swordplay.
class diaSegBuilderScene5 : public dialogueSegmentBuilder
{
public:
    void buildSegments() override;
    musicPlayer music;
};

// Scene 6: Spectre takes a call from the front and teleports away.
class diaSegBuilderScene6 : public dialogueSegmentBuilder
{
public:
    void buildSegments() override;
    musicPlayer music;
};

// Scene 7: the gas nodes in the rich quarter.
class diaSegBuilderScene7 : public dialogueSegmentBuilder
{
public:
    void buildSegments() override;
    musicPlayer music;
};

// Scene 8: the great gas node that rides the subway.
class diaSegBuilderScene8 : public dialogueSegmentBuilder
{
public:
    void buildSegments() override;
    musicPlayer music;
};

// Scene 9: a masked stranger on the train roof declaims their fate.
class diaSegBuilderScene9 : public dialogueSegmentBuilder
{
public:
    void buildSegments() override;
    musicPlayer music;
};

// Scene 10: Donatello's death, the gas node and the exploding train.
class diaSegBuilderScene10 : public dialogueSegmentBuilder
{
public:
    void buildSegments() override;
    musicPlayer music;
};

// Scene 11: out of the tunnels; the call to Golden Tower.
class diaSegBuilderScene11 : public dialogueSegmentBuilder
{
public:
    void buildSegments() override;
    musicPlayer music;
};

// Scene 23: the jump to the airship: Rigby's call, Spectre's teleport and a miss high in the sky.
class diaSegBuilderScene23 : public dialogueSegmentBuilder
{
public:
    void buildSegments() override;
    musicPlayer music;
};

// Scene 24: the airship's rear hangar: Toulon the Fantastic's show and his war machine.
class diaSegBuilderScene24 : public dialogueSegmentBuilder
{
public:
    void buildSegments() override;
    musicPlayer music;
};

// Scene 25: Toulon's end, the escape by teleport and the airship's fall.
class diaSegBuilderScene25 : public dialogueSegmentBuilder
{
public:
    void buildSegments() override;
    musicPlayer music;
};

// Scene 26: Lilith's gate: the general shows herself and throws Nick into the underworld.
class diaSegBuilderScene26 : public dialogueSegmentBuilder
{
public:
    void buildSegments() override;
    musicPlayer music;
};

// Scene 27: back from the underworld: the gate shut for good.
class diaSegBuilderScene27 : public dialogueSegmentBuilder
{
public:
    void buildSegments() override;
    musicPlayer music;
};

// Scene 28: Johnny Blade waits on the dark street.
class diaSegBuilderScene28 : public dialogueSegmentBuilder
{
public:
    void buildSegments() override;
    musicPlayer music;
};

// Scene 29: Johnny Blade's end in the gutter.
class diaSegBuilderScene29 : public dialogueSegmentBuilder
{
public:
    void buildSegments() override;
    musicPlayer music;
};

// Scene 30: Rigby met in person, with Andy, before the final run.
class diaSegBuilderScene30 : public dialogueSegmentBuilder
{
public:
    void buildSegments() override;
    musicPlayer music;
};

// Scene 31: after the final run: Rigby, Spectre and a nickname.
class diaSegBuilderScene31 : public dialogueSegmentBuilder
{
public:
    void buildSegments() override;
    musicPlayer music;
};

// Scene 32: Lilith over the burning city before the last fight.
class diaSegBuilderScene32 : public dialogueSegmentBuilder
{
public:
    void buildSegments() override;
    musicPlayer music;
};

// Scene 33: the end of the story: Lilith's fall, the farewells and a new job for Nick.
class diaSegBuilderScene33 : public dialogueSegmentBuilder
{
public:
    void buildSegments() override;
    musicPlayer music;
};
