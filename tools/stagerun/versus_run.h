// Versus fights for the tools that watch or time whole fights: two computer
// players set up as versus mode sets them up, or versus mode's own match
// pressed by two player models.
#pragma once

#include "control/ai.h"
#include "fighter/character_data.h"
#include "fighter/particles.h"
#include "fighter/target.h"
#include "screens/fight_screen.h"
#include "screens/fight_ui.h"

#include "tools/stagerun/balance_figures.h"
#include "tools/stagerun/flash_meter.h"
#include "tools/stagerun/scripted_player.h"

#include <SDL.h>
#include <functional>
#include <memory>
#include <string>

struct versusFighter
{
    std::string chardata; // path of the fighter's chardata
    std::string aiFolder; // its AI's folder
};

// Names a roster character of the data/ tree of the working directory.
versusFighter rosterFighter(const std::string& name);

// Both fighters are aggressive computer players, facing each other on the
// background; with `health` above 0 both start with that much.
class versusFight
{
public:
    versusFight(SDL_Surface* screen, const versusFighter& left, const versusFighter& right,
                const std::string& background, int health);
    ~versusFight();
    versusFight(const versusFight&) = delete;
    versusFight& operator=(const versusFight&) = delete;

    // Runs the match until it ends or `fullyQuit` is set, calling `everyFrame`
    // on each presented frame.
    void play(const std::function<void(PlayerVsPlayerScreen&)>& everyFrame);

    soundSet sounds;
    characterData one;
    characterData two;
    // The health each side's chardata gives, before the fight's own.
    int chardataHealth[2] = {0, 0};
    std::unique_ptr<PlayerVsPlayerScreen> match;

private:
    basicFightUI ui;
    partInfoList effects;
    partInfoList faces1;
    partInfoList faces2;
    Target aimAtTwo;
    Target aimAtOne;
    particleList list1;
    particleList list2;

public:
    // The two computer players, built over the members above.
    AI ai1;
    AI ai2;
};

// What a versus fight of `playVersus` came to.
struct versusOutcome
{
    int healthLost[2] = {0, 0}; // by the player and by the opponent
    int chardataHealth[2] = {0, 0};
    Uint32 gameMs = 0;
};

// A versus fight of `player` against `opponent`, both computer players with
// health to last, on the background, headless on the test clock for `limitMs`
// of game time (the clock stays held to the end of the run), its pictures fed
// to `flashes` when set.
versusOutcome playVersus(SDL_Surface* screen, const std::string& player, const std::string& opponent,
                         const std::string& background, Uint32 limitMs, flashMeter* flashes);

// A versus match as two people play it: versus mode's own best-of-three
// match, both sides on player controls fed through the two pads, each side
// pressed by a player model.
struct peopleMatchOutcome
{
    bool finished = false; // the match came to its winner within the limit
    int winner = 0;        // 1 or 2 when finished
    int wins[2] = {0, 0};
    // The fighting time of each round, from its "fight" to its knock-out;
    // a round still going at the limit counts up to there.
    int rounds = 0;
    Uint32 roundMs[kMostRounds] = {};
    Uint32 gameMs = 0; // the whole match, intros and knock-outs included
    // The health each side took off the other over the match.
    int damageDealt[2] = {0, 0};
};

// Plays `one` (left, pad 1) against `two` (right, pad 2), both by `model`,
// headless on the test clock for at most `limitMs` of game time; `seed`
// drives side 1's presses and the game's chance, side 2 presses by its own.
peopleMatchOutcome playPeopleVersus(SDL_Surface* screen, const std::string& one, const std::string& two,
                                    playerModel model, unsigned seed, Uint32 limitMs);
