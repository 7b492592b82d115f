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

// Scene 12: after Long Street, Private Rigby on a dead trooper's radio, and the tower as a trap.
class diaSegBuilderScene12 : public dialogueSegmentBuilder
{
public:
    void buildSegments() override;
    musicPlayer music;
};

// Scene 13: Brask and Oleck at the tower's door, arguing over who has to fight Nick.
class diaSegBuilderScene13 : public dialogueSegmentBuilder
{
public:
    void buildSegments() override;
    musicPlayer music;
};

// Scene 14: Brask and Oleck beaten at the tower's foot, and the way in open.
class diaSegBuilderScene14 : public dialogueSegmentBuilder
{
public:
    void buildSegments() override;
    musicPlayer music;
};

// Scene 15: the deserted lobby of Golden Tower and a lift full of company.
class diaSegBuilderScene15 : public dialogueSegmentBuilder
{
public:
    void buildSegments() override;
    musicPlayer music;
};

// Scene 16: on the roof, Rigby's news of the airship, its pass over the city and the navy bombed.
class diaSegBuilderScene16 : public dialogueSegmentBuilder
{
public:
    void buildSegments() override;
    musicPlayer music;
};

// Scene 17: a soft-spoken stranger on the roof, named by Vlad as Giancarlo.
class diaSegBuilderScene17 : public dialogueSegmentBuilder
{
public:
    void buildSegments() override;
    musicPlayer music;
};

// Scene 18: Giancarlo's last proverb and the road to the docks.
class diaSegBuilderScene18 : public dialogueSegmentBuilder
{
public:
    void buildSegments() override;
    musicPlayer music;
};

// Scene 19: a street full of enemies between Nick and the docks.
class diaSegBuilderScene19 : public dialogueSegmentBuilder
{
public:
    void buildSegments() override;
    musicPlayer music;
};

// Scene 20: Andy among the burning ships, and Rigby on the radio.
class diaSegBuilderScene20 : public dialogueSegmentBuilder
{
public:
    void buildSegments() override;
    musicPlayer music;
};

// Scene 21: Spectre waiting at the burning navy for his second duel.
class diaSegBuilderScene21 : public dialogueSegmentBuilder
{
public:
    void buildSegments() override;
    musicPlayer music;
};

// Scene 22: Spectre beaten, and joining Nick against the general.
class diaSegBuilderScene22 : public dialogueSegmentBuilder
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
