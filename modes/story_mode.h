// Story mode: the campaign's shared fight objects and its runners, which turn
// the saved progress into one playable fight and its outcome into the flow.
#pragma once

#include <SDL.h>

#include "engine/audio.h"
#include "engine/screen.h"
#include "fighter/particles.h"
#include "fighter/target.h"
#include "modes/fight_result.h"
#include "modes/save_files.h"
#include "modes/story_chapters.h"
#include "screens/fight_ui.h"

class characterData;

class storyMode : public Screen
{
public:
    void init(SDL_Surface* target);

    // A one-on-one fight of one round against a boss, with the player's two
    // weapon sets as saved.
    FightEnd boss(const BossFight& fight);

    SDL_Surface* surface = nullptr;
    // In a boss fight, aimed at the boss; the player's control aims with it.
    Target opponentTarget;
    // In a boss fight, aimed at the player; in a stage, the ally's first target.
    Target playerTarget;
    basicFightUI fightUI;
    particleList playerParticles;
    particleList opponentParticles;
    // Every fighter the runners build shares it; it lives as long as the mode.
    soundSet fighterSounds;

private:
    // After a fight: the lists and HUD outlive this fight's characters.
    void letGoOfFighters();
};

// The player's fighter on two weapon sets, as a runner sets it up from the
// save: record 1's fighter takes the field at (x, 500) with the shop's
// strength, defence, speed and HP levels; each record's moves are locked to
// its weapon's level.
void setUpStoryPlayer(characterData& first, characterData& second, const storyFile& save, int x);

// Width of the first picture of the fighter's current animation; 0 when it
// has none.
int firstPictureWidth(const Fighter& fighter);
