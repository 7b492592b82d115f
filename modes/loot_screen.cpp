// The story's rewards as saved and shown: a bundle applies its reward to the
// save files and holds what the loot screen shows; the loot screen shows it
// over its backdrop with a short tune until a key is pressed.
#include "modes/loot_screen.h"

#include "engine/font.h"
#include "engine/globals.h"
#include "engine/platform.h"
#include "engine/present.h"
#include "modes/loot_rules.h"

#include <cstdio>

lootBundle::~lootBundle()
{
    freeFont(font);
}

lootBundle::Saved lootBundle::saveReward(const LootReward& reward)
{
    // A save that cannot be read keeps both files as they are, so they never
    // disagree.
    story.loadStoryFile();
    const bool withAllies = unlocksAllies(reward);
    if (withAllies)
        allies.loadAllyFile();
    if (story.unreadable() || (withAllies && allies.unreadable()))
        return Saved::Nothing;

    const storyFile storyBefore = story;
    const allyFile alliesBefore = allies;
    applyStoryReward(reward, story);
    if (withAllies)
        applyAllyReward(reward, allies);
    // Every file is written before any is put in place, so a disk that fills
    // up part-way leaves both saves as they were. The ally save goes in first:
    // should the story save then fail to go in, its progress has not moved, so
    // the chapter plays again and gives the reward again, and an ally unlocked
    // twice comes to no harm. The other way round, an unlock lost after the
    // progress moved on could never be earned again.
    stagedSave alliesSave;
    stagedSave storySave;
    const bool staged = (!withAllies || allies.stageSave(alliesSave)) && story.stageSave(storySave);
    if (!staged || (withAllies && !allies.commitSave(alliesSave)))
    {
        story = storyBefore;
        allies = alliesBefore;
        return Saved::Nothing;
    }
    if (story.commitSave(storySave))
        return Saved::Whole;
    story = storyBefore;
    return withAllies ? Saved::AlliesOnly : Saved::Nothing;
}

bool lootBundle::giveReward(int bundle, SDL_Surface* screen)
{
    freeFont(font);
    font = initFont("data/font/Calibri2", 0, 0, 0, 1.0f);
    target = screen;
    kept = false;
    notice = nullptr;
    items.clear();
    const LootReward* reward = lootReward(bundle);
    if (!reward)
        return false;

    const Saved saved = saveReward(*reward);
    kept = saved == Saved::Whole;
    if (saved == Saved::Nothing)
    {
        notice = kNotKept;
        std::printf("Reward %d was not saved, so it is not given; the saves keep what they held\n", bundle);
    }
    else if (saved == Saved::AlliesOnly)
    {
        notice = kAlliesOnly;
        std::printf("Reward %d was saved only in part: %s holds its ally unlocks but %s lacks the rest, so "
                    "the chapter is left to play again\n",
                    bundle, kAlliesPath, kStoryPath);
    }

    const std::vector<LootLine> lines = kept ? lootLines(*reward) : std::vector<LootLine>();
    items.reserve(lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i)
    {
        items.emplace_back();
        lootItem& item = items.back();
        item.label = lines[i].label;
        item.sheet = std::make_unique<CSpriteBase>();
        item.sheet->init("data/screens/loot/" + lines[i].picture, false);
        item.sprite.init(item.sheet.get(), target);
        item.sprite.animating = 0;
        item.sprite.setSpeed(0.0f);
        item.sprite.x = 150;
        item.sprite.y = 150 + 50 * static_cast<int>(i);
    }
    weaponSheet.init("data/screens/loot/weaponSet", false);
    weaponSprite.init(&weaponSheet, target);
    weaponSprite.animating = 0;
    return kept;
}

void lootBundle::drawWeapon(int weapon, int x, int y)
{
    // Saved indices come from a hand-editable file: the picture only for a
    // frame the sheet has, the readout only for a record the save has.
    if (weapon >= 0 && weapon < weaponSheet.frameCount())
    {
        weaponSprite.x = x;
        weaponSprite.y = y;
        weaponSprite.setFrame(weapon);
        weaponSprite.draw();
    }
    if (const weaponRecord* record = story.weapon(weapon))
        drawString(target, font, x + 50, y + 30, "Lv: %d Exp: %d", record->level, record->exp);
}

void lootBundle::draw()
{
    for (lootItem& item : items)
    {
        item.sprite.draw();
        drawString(target, font, item.sprite.x + 60, item.sprite.y + 30, "%s", item.label.c_str());
    }
    if (notice)
        for (int i = 0; i < 2; ++i)
            drawString(target, font, kNoticeX, kNoticeY + 30 * i, "%s", notice[i]);
    drawWeapon(story.primaryWeapon, 100, 400);
    drawWeapon(story.secondaryWeapon, 300, 400);
}

void lootScreen::init(SDL_Surface* screen, lootBundle* shown)
{
    drainEvents();
    done = false;
    target = screen;
    bundle = shown;
    GPad1.loadGamePad(kPad1Path);
    backdropSheet.init("data/screens/loot", false);
    backdrop.init(&backdropSheet, target);
    backdrop.x = 0;
    backdrop.y = 0;
    backdrop.setSpeed(3.0f);
    music.setupMusic("data/music/Short Winning Fin.dat");
    music.play(1);
    loadSounds();
}

void lootScreen::finish(bool withSound)
{
    if (withSound)
        playConfirm();
    music.stop();
    done = true;
}

void lootScreen::update()
{
    SDL_Event event;
    while (SDL_PollEvent(&event))
    {
        checkQuitEvent(event);
        if (event.type == SDL_KEYDOWN)
        {
            const int key = event.key.keysym.sym;
            if (key == SDLK_ESCAPE || key == GPad1.keyA || key == GPad1.keyB || key == GPad1.keyC ||
                fullyQuit)
                finish(true);
        }
        else if (event.type == SDL_JOYBUTTONDOWN && GPad1.joystickIndex >= 0)
        {
            const int button = event.jbutton.button;
            finish(button == GPad1.buttonA || button == GPad1.buttonB || button == GPad1.buttonC);
        }
    }
}

void lootScreen::draw()
{
    backdrop.draw();
    if (bundle)
        bundle->draw();
    presentFrame(target);
}
