// The story's stat shop: four stat levels bought with the campaign's coins.
#include "modes/shop.h"

#include "engine/gamepad.h"
#include "engine/globals.h"
#include "engine/present.h"
#include "fighter/fighter.h"
#include "screens/menu_input.h"

namespace
{
struct StatRow
{
    int unitPrice;
    const char* text;
    const char* maxText;
    int y;
};

const StatRow kRows[shop::StatCount] = {
    {500, "Strength Lv ", "Strength Lv at MAX", 215},
    {300, "Defence Lv ", "Defence Lv at MAX", 265},
    {250, "Speed Lv ", "Speed Lv at MAX", 315},
    {500, "HP Lv ", "HP Lv at MAX", 365},
};
constexpr int kLineX = 55;
} // namespace

shop::~shop()
{
    freeFont(font);
}

int shop::priceOfNextLevel(Stat stat, int level)
{
    const int current = statLevel(level);
    if (current >= kMaxLevel)
        return -1;
    return kRows[stat].unitPrice * (current + 1);
}

std::string shop::priceLine(Stat stat, int level)
{
    const int price = priceOfNextLevel(stat, level);
    if (price < 0)
        return kRows[stat].maxText;
    return kRows[stat].text + std::to_string(statLevel(level) + 1) + " : $" + std::to_string(price);
}

int& shop::levelIn(storyFile& save, Stat stat)
{
    switch (stat)
    {
    case Strength:
        return save.strengthLevel;
    case Defence:
        return save.defenceLevel;
    case Speed:
        return save.speedLevel;
    default:
        return save.hpLevel;
    }
}

int& shop::level(Stat stat)
{
    return levelIn(story, stat);
}

void shop::init(SDL_Surface* screen)
{
    drainEvents();
    story.loadStoryFile();
    freeFont(font);
    font = initFont("data/font/Calibri2", 0, 0, 0, 1);
    target = screen;
    done = false;
    notKept = false;
    purchased = false;
    GPad1.loadGamePad(kPad1Path);
    backdropSheet.init("data/screens/shop", false);
    backdrop.init(&backdropSheet, target);
    backdrop.x = 0;
    backdrop.y = 0;
    backdrop.setSpeed(3.0f);
    buttons.init(target, "data/screens/shop", 5, 0, 200, true);
    loadSounds();
}

void shop::update()
{
    bool purchase = false;
    SDL_Event event;
    while (SDL_PollEvent(&event))
    {
        checkQuitEvent(event);
        // Once the shop is left, the rest of the batch buys nothing that would go unsaved.
        if (done)
            continue;
        // Key B and joystick button B leave like Escape; the rest is the menus' convention.
        if (event.type == SDL_KEYDOWN && event.key.keysym.sym == GPad1.keyB)
        {
            leave();
            continue;
        }
        if (event.type == SDL_JOYBUTTONDOWN && GPad1.joystickIndex >= 0 &&
            event.jbutton.button == GPad1.buttonB)
        {
            leave();
            continue;
        }
        MenuInput input;
        applyMenuEvent(event, buttons, input);
        if (input.back)
            leave();
        purchase = purchase || input.activate;
    }
    if (!purchase || done)
        return;
    const int selected = buttons.getSelected();
    if (selected == kLeaveButton)
    {
        playCancel();
        leave();
    }
    else if (selected >= 0 && selected < StatCount)
        buy(static_cast<Stat>(selected));
}

void shop::buy(Stat stat)
{
    int& current = level(stat);
    const int price = priceOfNextLevel(stat, current);
    if (price < 0 || story.coins < price)
    {
        playCancel();
        return;
    }
    current = statLevel(current) + 1;
    story.coins -= price;
    purchased = true;
    notKept = false;
    playConfirm();
}

void shop::leave()
{
    if (story.saveStoryFile() || !purchased)
    {
        done = true;
        return;
    }
    // The purchases are lost, the coins kept: the player sees what the save
    // holds, and is told so, before leaving.
    story = storyFile();
    story.loadStoryFile();
    purchased = false;
    notKept = true;
}

void shop::draw()
{
    backdrop.draw();
    buttons.draw();
    drawString(target, font, 480, 20, "Coins: $%d", story.coins);
    if (notKept)
        drawNoticeCard(target, font, kNotice, kNotKept);
    for (int stat = 0; stat < StatCount; ++stat)
    {
        const std::string line = priceLine(static_cast<Stat>(stat), level(static_cast<Stat>(stat)));
        drawString(target, font, kLineX, kRows[stat].y, "%s", line.c_str());
    }
    // What the levels make of a fighter of 1000 HP, strength 1 and speed 6,
    // each level as the story's fighter gets it (`statLevel`).
    drawString(target, font, 470, 290, "HP: %d", raisedMaxHP(1000, statLevel(story.hpLevel)));
    drawString(target, font, 470, 310, "STR: %d", statLevel(story.strengthLevel) + 1);
    drawString(target, font, 470, 330, "DEF: %d", statLevel(story.defenceLevel));
    drawString(target, font, 470, 350, "SPEED: %d", statLevel(story.speedLevel) + 6);
    presentFrame(target);
}
