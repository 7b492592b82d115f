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
#include "modes/story_flow.h"
#include "screens/fight_ui.h"

class beatEmUpSegmentBuilder;
class beatEmUpStage;
class characterData;
struct stageEntry;

// The campaign's steps run on the game's screens. The dialogue scenes, the
// stages and the story's menus are played by the parts of the game that own
// them.
class storyMode : public Screen, protected StorySteps
{
public:
    void init(SDL_Surface* target);
    // Runs the campaign until the player leaves it.
    void update() { flow.update(); }
    void selectLevel(int node) { flow.selectLevel(node); }

    // A one-on-one fight of one round against a boss, with the player's two
    // weapon sets as saved.
    FightEnd bossFight(const BossFight& fight) { return runBoss(fight); }
    // A beat-'em-up stage with the player and the equipped ally.
    FightEnd fight(const char* background, beatEmUpSegmentBuilder* builder)
    {
        return runStage(background, builder, true);
    }
    // The closing credits stage: no ally and no fight UI.
    FightEnd credits(const char* background, beatEmUpSegmentBuilder* builder)
    {
        return runStage(background, builder, false);
    }

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
    StoryFlow flow{*this};

protected:
    MapChoice map(int cursor) override;
    void scene(int number) override;
    FightEnd stage(const StageFight& stage) override;
    FightEnd boss(const BossFight& fight) override { return runBoss(fight); }
    FightEnd credits() override;
    void reward(int bundle) override;
    void hint(int number) override;
    bool gameOver() override;
    void shop() override;
    void weaponSelect() override;
    void allySelect() override;
    bool windowClosed() override;
    // Plays the built stage to its end; tests hand the stage to a scripted
    // player here.
    virtual void playStage(beatEmUpStage& stage);
    // The saves a fight is built from: the files on disk; tools build the
    // player of any point of the campaign here.
    virtual storyFile savedStory();
    virtual allyFile savedAllies();

private:
    FightEnd runBoss(const BossFight& fight);
    FightEnd runStage(const char* background, beatEmUpSegmentBuilder* builder, bool withAlly);
    // After a fight: the lists and HUD outlive this fight's characters.
    void letGoOfFighters();
};

// The player's fighter on two weapon sets, as a runner sets it up from the
// save: record 1's fighter takes the field at (x, 500) with the shop's
// strength, defence, speed and HP levels; each record's moves are locked to
// its weapon's level.
void setUpStoryPlayer(characterData& first, characterData& second, const storyFile& save, int x);

// The stage of the stage table that story stage `level` plays (kCreditsStage
// for the credits), or null.
const stageEntry* storyStage(int level);

// Width of the first picture of the fighter's current animation; 0 when it
// has none.
int firstPictureWidth(const Fighter& fighter);
