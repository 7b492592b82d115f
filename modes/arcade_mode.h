// Arcade mode: one or two players pick fighters from the whole roster and
// fight through the story's stages and its bosses, one stage each, to the
// credits. A lost stage can be played again; nothing is saved.
#pragma once

#include <SDL.h>
#include <functional>
#include <string>

#include "control/beat_em_up_control.h"
#include "engine/audio.h"
#include "engine/screen.h"
#include "fighter/character_data.h"
#include "fighter/input_checker.h"
#include "fighter/particles.h"
#include "screens/fight_ui.h"

class beatEmUpSegmentBuilder;
class gamePad;
struct stageEntry;

// One arcade player for one stage: the character from its folder in the
// chosen palette, sounding through the shared set, standing at (30, 300)
// until the stage puts it at its start; its own input and face effects; and
// its control, with the one character in both weapon slots.
struct arcadePlayer
{
    arcadePlayer(SDL_Surface* screen, const std::string& name, int palette, soundSet* sounds,
                 partInfoList* effects, particleList* particles, gamePad* pad);
    arcadePlayer(const arcadePlayer&) = delete;
    arcadePlayer& operator=(const arcadePlayer&) = delete;

    characterData data;
    inputChecker input;
    partInfoList faces;
    playerBeatEmControl control;
};

// How a stage ended: its finished flag and, for a finished one, its winner.
struct stageOutcome
{
    bool finished = false;
    int winner = 0;
};

class arcadeMode : public Screen
{
public:
    // The stage of the run's level `level`; null for level 0, which plays
    // nothing, and for every level past the credits.
    static const stageEntry* levelStage(int level);
    // Levels 1 to this one are stages; the next one ends the run.
    static constexpr int kLastLevel = 19;

    void init(SDL_Surface* target);
    // The whole run: the player count and the fighters, then every level in
    // turn, with the game-over screen after a loss. Returns when the run is
    // over or left.
    void update();
    // Plays level `level` (level 0 plays nothing, a level past the credits
    // ends the run) and moves on to the next one unless it was lost.
    void selectLevel(int level);
    // One stage through `playStage`; a loss sets lost and quit, a stage left
    // unfinished sets quit.
    void fight(const char* background, beatEmUpSegmentBuilder* builder);
    // The game's way of playing a stage: loads the chosen fighters, runs the
    // stage for one or two players and lets go of the fighters afterwards.
    stageOutcome playChosenPlayers(const char* background, beatEmUpSegmentBuilder* builder);

    // Plays one stage for `fight`; when empty, `playChosenPlayers` does.
    std::function<stageOutcome(const char* background, beatEmUpSegmentBuilder* builder)> playStage;

    SDL_Surface* target = nullptr;
    // Stages only keep it; the run has none.
    SDL_Surface* secondSurface = nullptr;
    basicFightUI fightUI;
    particleList playerParticles;
    particleList enemyParticles;
    // Every fighter of the run sounds through it; each new character adds
    // its sounds.
    soundSet characterSounds;
    std::string player1Name;
    std::string player2Name;
    int player1Palette = 0;
    int player2Palette = 0;
    int playerCount = 1;
    // The next level to play.
    int level = 0;
    bool quit = false;
    bool lost = false;

private:
    // The player-count screen, then character select; false when the
    // players backed out.
    bool choosePlayers();
};
