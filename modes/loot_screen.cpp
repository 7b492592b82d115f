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

bool lootBundle::saveReward(const LootReward& reward)
{
    // The reward is saved whole or not at all: a save that cannot be read
    // keeps both files as they are, so they never disagree.
    story.loadStoryFile();
    const bool withAllies = unlocksAllies(reward);
    if (withAllies)
        allies.loadAllyFile();
    if (story.unreadable() || (withAllies && allies.unreadable()))
        return false;

    const storyFile before = story;
    std::vector<unsigned char> storyBefore;
    const bool storyWasThere = readWholeFile(kStoryPath, storyBefore);
    applyStoryReward(reward, story);
    if (!story.saveStoryFile())
    {
        story = before;
        return false;
    }
    if (!withAllies)
        return true;
    applyAllyReward(reward, allies);
    if (allies.saveAllyFile())
        return true;

    // The ally save refused the reward: the story save is put back as it was.
    const bool putBack =
        storyWasThere ? writeFileAtomically(kStoryPath, std::string(storyBefore.begin(), storyBefore.end()))
                      : std::remove(kStoryPath) == 0;
    if (putBack)
        std::printf("%s is put back as it was before the reward\n", kStoryPath);
    else
        std::printf("%s could not be put back: it holds the reward, which %s lacks\n", kStoryPath,
                    kAlliesPath);
    story = before;
    return false;
}

bool lootBundle::giveReward(int bundle, SDL_Surface* screen)
{
    freeFont(font);
    font = initFont("data/font/Calibri2", 0, 0, 0, 1.0f);
    target = screen;
    kept = false;
    notKept = false;
    items.clear();
    const LootReward* reward = lootReward(bundle);
    if (!reward)
        return false;

    kept = saveReward(*reward);
    notKept = !kept;
    if (notKept)
        std::printf("Reward %d was not saved, so it is not given; the saves keep what they held\n", bundle);

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
    if (notKept)
        for (int i = 0; i < 2; ++i)
            drawString(target, font, kNoticeX, kNoticeY + 30 * i, "%s", kNotKept[i]);
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
