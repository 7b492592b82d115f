// Arcade mode: one or two players pick fighters from the whole roster and
// fight through the story's stages and its bosses, one stage each, to the
// credits. A lost stage can be played again; nothing is saved.
#include "modes/arcade_mode.h"

#include <memory>

#include "engine/gamepad.h"
#include "engine/globals.h"
#include "fighter/fighter.h"
#include "modes/fight_result.h"
#include "screens/beat_em_up_stage.h"
#include "screens/character_select.h"
#include "screens/small_menus.h"
#include "stages/stage_table.h"

namespace
{
// The run, by stage name: each story stage, then the boss met after it on
// its own ground, and the credits last. Level 0 plays nothing.
constexpr const char* kRun[] = {
    nullptr, "Lv0", "Boss1", "Lv1", "Boss2", "Lv2", "Boss3", "Lv3", "Lv4",   "Lv5",
    "Boss4", "Lv6", "Boss5", "Lv7", "Boss6", "Lv8", "Boss7", "Lv9", "Boss8", "Credits",
};
static_assert(sizeof kRun / sizeof kRun[0] == arcadeMode::kLastLevel + 1, "one name a level");
} // namespace

arcadePlayer::arcadePlayer(SDL_Surface* screen, const std::string& name, int palette, soundSet* sounds,
                           partInfoList* effects, particleList* particles, gamePad* pad)
    : data(("data/characters/" + name + "/chardata").c_str(), screen, palette, sounds),
      input(data.moves, &data.fighter)
{
    data.fighter.x = 30;
    data.fighter.y = 300;
    faces.addList("faces", "face", screen);
    control.init(screen);
    control.setup(&data.fighter, effects, particles, sounds, data.anims, data.anims, data.moves, data.moves,
                  pad, &input, &input);
    control.faceInfo = &faces;
}

const stageEntry* arcadeMode::levelStage(int level)
{
    if (level < 1 || level > kLastLevel)
        return nullptr;
    return findStage(kRun[level]);
}

void arcadeMode::init(SDL_Surface* t)
{
    target = t;
    level = 0;
    quit = false;
    lost = false;
    GPad1.loadGamePad(kPad1Path);
    GPad2.loadGamePad(kPad2Path);
    player1Name.clear();
    player2Name.clear();
    playerCount = 1;
}

void arcadeMode::update()
{
    quit = false;
    lost = false;
    if (player1Name.empty() && !choosePlayers())
        quit = true;
    while (!quit)
    {
        selectLevel(level);
        if (lost)
        {
            gameOverScreen over;
            over.init(target);
            runScreen(over);
            quit = over.choice;
            lost = over.choice;
        }
    }
}

bool arcadeMode::choosePlayers()
{
    {
        playersScreen count;
        count.init(target);
        runScreen(count);
        if (count.back)
            return false;
        playerCount = count.players;
    }
    characterSelectScreen select;
    select.init(target, playerCount, characterSelectScreen::getAllCharacters());
    runScreen(select);
    player1Name = select.getPlayerSelection(1);
    player1Palette = select.getPlayerPalette(1);
    // Player 2's choice exists only when there are two players.
    if (playerCount > 1)
    {
        player2Name = select.getPlayerSelection(2);
        player2Palette = select.getPlayerPalette(2);
    }
    return true;
}

void arcadeMode::selectLevel(int l)
{
    if (l > kLastLevel)
    {
        quit = true;
        return;
    }
    if (const stageEntry* stage = levelStage(l))
    {
        lost = false;
        std::unique_ptr<beatEmUpSegmentBuilder> builder = stage->makeBuilder();
        fight(stage->background, builder.get());
    }
    if (!lost)
        level = l + 1;
}

void arcadeMode::fight(const char* background, beatEmUpSegmentBuilder* builder)
{
    const stageOutcome outcome =
        playStage ? playStage(background, builder) : playChosenPlayers(background, builder);
    applyFightEnd(fightEnd(outcome.finished, outcome.winner), lost, quit);
}

stageOutcome arcadeMode::playChosenPlayers(const char* background, beatEmUpSegmentBuilder* builder)
{
    drawLoadingScreen(target);
    partInfoList effects;
    effects.addList("default", target);
    arcadePlayer one(target, player1Name, player1Palette, &characterSounds, &effects, &playerParticles,
                     &GPad1);
    std::unique_ptr<arcadePlayer> two;
    if (playerCount > 1)
        two = std::make_unique<arcadePlayer>(target, player2Name, player2Palette, &characterSounds, &effects,
                                             &playerParticles, &GPad2);

    Fighter* fighter1 = &one.data.fighter;
    fightUI.init(fighter1, two ? &two->data.fighter : fighter1, target);
    // One player's HUD shows one side.
    if (!two)
        fightUI.setFighters(fighter1, nullptr);

    stageOutcome outcome;
    if (two)
    {
        beatEmUp2PlayerStage stage(builder, &one.control, &two->control, &fightUI, target, background,
                                   secondSurface, &playerParticles, &enemyParticles);
        stage.update();
        outcome = {stage.finished, stage.getWinner()};
    }
    else
    {
        beatEmUpStage stage(builder, &one.control, nullptr, &fightUI, target, background, secondSurface,
                            &playerParticles, &enemyParticles);
        stage.update();
        outcome = {stage.finished, stage.getWinner()};
    }
    // The lists and the HUD outlive this stage's fighters.
    playerParticles.removeAll();
    enemyParticles.removeAll();
    fightUI.setFighters(nullptr, nullptr);
    return outcome;
}
