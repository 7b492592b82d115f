// Story mode: the campaign's shared fight objects and its runners, which turn
// the saved progress into one playable fight and its outcome into the flow.
#include "modes/story_mode.h"

#include "control/ai.h"
#include "control/ally_ai.h"
#include "control/beat_em_up_control.h"
#include "control/dual_weapon_control.h"
#include "engine/globals.h"
#include "engine/text_file.h"
#include "fighter/character_data.h"
#include "fighter/input_checker.h"
#include "fighter/move_set.h"
#include "modes/ally_select.h"
#include "modes/level_select.h"
#include "modes/loot_rules.h"
#include "modes/loot_screen.h"
#include "modes/shop.h"
#include "modes/story_fighters.h"
#include "modes/weapon_select.h"
#include "scenes/scene_list.h"
#include "screens/beat_em_up_stage.h"
#include "screens/dialogue_screen.h"
#include "screens/fight_screen.h"
#include "screens/small_menus.h"
#include "stages/stage_table.h"

#include <algorithm>
#include <memory>
#include <string>

void storyMode::init(SDL_Surface* target)
{
    surface = target;
    flow.start();
    GPad1.loadGamePad(kPad1Path);
    GPad2.loadGamePad(kPad2Path);
}

StorySteps::MapChoice storyMode::map(int cursor)
{
    levelSelectScreen levels;
    levels.init(surface);
    levels.selectedNode = cursor;
    runScreen(levels);
    return {levels.selectedNode, levels.backedOut};
}

void storyMode::scene(int number)
{
    // Built before the screen that plays it, so it goes after it.
    std::unique_ptr<dialogueSegmentBuilder> builder = makeScene(number);
    if (builder)
        playScene(surface, *builder);
}

const stageEntry* storyStage(int level)
{
    return findStage(level == kCreditsStage ? "Credits" : "Lv" + std::to_string(level));
}

FightEnd storyMode::stage(const StageFight& stage)
{
    const stageEntry* entry = storyStage(stage.level);
    if (!entry)
        return FightEnd::Left;
    // The script goes after the stage that plays it.
    std::unique_ptr<beatEmUpSegmentBuilder> script = entry->makeBuilder();
    return runStage(stage.background, script.get(), true);
}

FightEnd storyMode::credits()
{
    const stageEntry* entry = storyStage(kCreditsStage);
    if (!entry)
        return FightEnd::Left;
    std::unique_ptr<beatEmUpSegmentBuilder> script = entry->makeBuilder();
    return runStage(entry->background, script.get(), false);
}

void storyMode::playStage(beatEmUpStage& stage)
{
    stage.update();
}

storyFile storyMode::savedStory()
{
    storyFile save;
    save.loadStoryFile();
    return save;
}

allyFile storyMode::savedAllies()
{
    allyFile allies;
    allies.loadAllyFile();
    return allies;
}

void storyMode::shop()
{
    ::shop screen;
    screen.init(surface);
    runScreen(screen);
}

void storyMode::weaponSelect()
{
    weaponSelectScreen2 screen;
    screen.init(surface);
    runScreen(screen);
}

void storyMode::allySelect()
{
    allySelectScreen screen;
    screen.init(surface);
    runScreen(screen);
}

void storyMode::reward(int bundle)
{
    // Saved here, before anything is shown; a reward that could not be saved
    // is reported on the console and the loot screen says it was not kept.
    lootBundle loot;
    loot.giveReward(bundle, surface);
    lootScreen shown;
    shown.init(surface, &loot);
    runScreen(shown);
}

void storyMode::hint(int number)
{
    hintScreen screen;
    screen.init(surface, number);
    runScreen(screen);
}

bool storyMode::gameOver()
{
    gameOverScreen screen;
    screen.init(surface);
    runScreen(screen);
    return screen.choice;
}

bool storyMode::windowClosed()
{
    return fullyQuit;
}

void setUpStoryPlayer(characterData& first, characterData& second, const storyFile& save, int x)
{
    Fighter& player = first.fighter;
    player.x = x;
    player.y = 500;
    // Each level as the shop prices and shows it (`statLevel`), so a
    // hand-edited save never gives a negative or overflowing stat; the speed
    // stays within the limit a character file's speed has.
    player.strength = statLevel(save.strengthLevel);
    player.defence = statLevel(save.defenceLevel);
    player.speed = std::min(addSaturated(player.speed, statLevel(save.speedLevel)), kMaxCoordinate);
    player.setHPLevel(statLevel(save.hpLevel));
    first.moves->lockMoves(weaponMoveLevel(save, save.primaryWeapon));
    second.moves->lockMoves(weaponMoveLevel(save, save.secondaryWeapon));
}

int firstPictureWidth(const Fighter& fighter)
{
    const CSpriteBase* sheet = fighter.getSheet();
    if (!sheet || sheet->frameCount() < 1)
        return 0;
    const CSpriteFrame* first = sheet->normalFrame(0);
    return first && first->image ? first->image->w : 0;
}

void storyMode::letGoOfFighters()
{
    playerParticles.removeAll();
    opponentParticles.removeAll();
    fightUI.setFighters(nullptr, nullptr);
}

FightEnd storyMode::runBoss(const BossFight& fight)
{
    drawLoadingScreen(surface);
    const storyFile save = savedStory();

    // Records before controls before the screen: they go in reverse order.
    characterData first(weaponCharacterFile(save.primaryWeapon), surface, 0, &fighterSounds);
    characterData second(weaponCharacterFile(save.secondaryWeapon), surface, 0, &fighterSounds);
    setUpStoryPlayer(first, second, save, 300);
    Fighter& player = first.fighter;

    characterData enemy(fight.chardata, surface, 0, &fighterSounds);
    Fighter& boss = enemy.fighter;
    boss.x = 500;
    boss.y = 500;
    boss.setHP(fight.hp, fight.hp);
    boss.setPower(0, fight.power);
    boss.strength = fight.attack;
    boss.defence = fight.defence;

    fightUI.init(&player, &boss, surface);
    inputChecker input1(first.moves, &player);
    inputChecker input2(second.moves, &player);
    input1.target = &opponentTarget;
    input2.target = &opponentTarget;

    partInfoList effects;
    effects.addList("default", surface);
    partInfoList playerFaces;
    playerFaces.addList("faces", "face", surface);
    partInfoList bossFaces;
    bossFaces.addList(fight.faces, "face", surface);

    opponentTarget.setTarget(&boss);
    playerTarget.setTarget(&player);

    playerDualWepControl control;
    control.init(surface);
    control.setup(&player, &effects, &playerParticles, first.sounds, first.anims, second.anims, first.moves,
                  second.moves, &GPad1, &input1, &input2, &opponentTarget);
    control.faceInfo = &playerFaces;

    AI bossAI;
    bossAI.init(surface);
    bossAI.setup(&boss, &effects, &opponentParticles, enemy.sounds, enemy.anims, enemy.moves, &playerTarget,
                 fight.aiFolder);
    bossAI.faceInfo = &bossFaces;
    bossAI.aiLevel = 10;
    bossAI.thinkMode = fight.violence;
    bossAI.rangeUnit = bossApproachDistance(firstPictureWidth(boss));

    FightEnd end;
    {
        PlayerVsPlayerScreen match(&control, &bossAI, &fightUI, surface, fight.background, nullptr,
                                   &playerParticles, &opponentParticles, 1);
        match.update();
        end = fightEnd(match.finished, match.getWinner());
    }
    letGoOfFighters();
    return end;
}

FightEnd storyMode::runStage(const char* background, beatEmUpSegmentBuilder* builder, bool withAlly)
{
    drawLoadingScreen(surface);
    const storyFile save = savedStory();

    characterData first(weaponCharacterFile(save.primaryWeapon), surface, 0, &fighterSounds);
    characterData second(weaponCharacterFile(save.secondaryWeapon), surface, 0, &fighterSounds);
    setUpStoryPlayer(first, second, save, 400);
    Fighter& player = first.fighter;

    // The HUD shows the player's side only.
    fightUI.init(&player, &player, surface);
    fightUI.setFighters(&player, nullptr);
    inputChecker input1(first.moves, &player);
    inputChecker input2(second.moves, &player);

    partInfoList effects;
    effects.addList("default", surface);
    partInfoList playerFaces;
    playerFaces.addList("faces", "face", surface);

    playerBeatEmControl control;
    control.init(surface);
    control.setup(&player, &effects, &playerParticles, first.sounds, first.anims, second.anims, first.moves,
                  second.moves, &GPad1, &input1, &input2);
    control.faceInfo = &playerFaces;

    std::string allyName;
    if (withAlly)
    {
        const allyFile allies = savedAllies();
        allyName = usableAllyFolder(allies.equippedAlly, allies.bonusAllyName);
    }
    std::unique_ptr<characterData> allyRecord;
    std::unique_ptr<partInfoList> allyFaces;
    std::unique_ptr<AIAllyBeatEmUp> ally;
    if (!allyName.empty())
    {
        allyRecord = std::make_unique<characterData>(characterPath(allyName, "chardata").c_str(), surface, 0,
                                                     &fighterSounds);
        allyRecord->fighter.x = 400;
        allyRecord->fighter.y = 500;
        allyFaces = std::make_unique<partInfoList>();
        allyFaces->addList("faces", "face", surface);
        ally = std::make_unique<AIAllyBeatEmUp>();
        ally->init(surface);
        ally->setup(&allyRecord->fighter, &effects, &playerParticles, allyRecord->sounds, allyRecord->anims,
                    allyRecord->moves, &playerTarget, characterPath(allyName, "ai").c_str());
        ally->leader = &player;
        ally->aiLevel = 0;
        ally->faceInfo = allyFaces.get();
    }

    FightEnd end;
    {
        beatEmUpStage stage(builder, &control, ally.get(), &fightUI, surface, background, nullptr,
                            &playerParticles, &opponentParticles);
        if (!withAlly)
            stage.drawFightUI = false;
        playStage(stage);
        end = fightEnd(stage.finished, stage.getWinner());
    }
    letGoOfFighters();
    return end;
}
