// The fight's heads-up display: health and power bars, combo count, damage
// multiplier and the rows of special-move command icons.
#include "screens/fight_ui.h"

#include "engine/font.h"
#include "fighter/fighter.h"

#include <cctype>

void comboBox::init(SDL_Surface* t)
{
    target = t;
    if (!loaded)
    {
        numbers.init("data/comboNum");
        text.init("data/comboText");
        loaded = true;
    }
    for (CSprite* s : {&hundreds, &tens, &units})
        s->init(&numbers, target);
    caption.init(&text, target);
    for (CSprite* s : {&hundreds, &tens, &units, &caption})
        s->animating = 0;
    hide();
}

void comboBox::set(int x, int y)
{
    const int w = numbers.width;
    hundreds.x = x;
    hundreds.y = y;
    tens.x = x + w;
    tens.y = y;
    units.x = x + 2 * w;
    units.y = y;
    caption.x = x + 3 * w;
    caption.y = y;
}

void comboBox::update(int hits)
{
    if (hits < 2 || hits > 999)
    {
        hide();
        return;
    }
    if (hits > 99)
        hundreds.setFrame(hits / 100 + 1);
    else
        hundreds.setFrame(0);
    if (hits > 9)
        tens.setFrame((hits % 100) / 10 + 1);
    else
        tens.setFrame(0);
    units.setFrame(hits % 10 + 1);
    caption.setFrame(1);
}

void comboBox::draw()
{
    hundreds.draw();
    tens.draw();
    units.draw();
    caption.draw();
}

void comboBox::hide()
{
    for (CSprite* s : {&hundreds, &tens, &units, &caption})
        s->frame = 0;
}

basicFightUI::~basicFightUI()
{
    freeFont(font);
}

void basicFightUI::init(Fighter* f1, Fighter* f2, SDL_Surface* t)
{
    fighter1 = f1;
    fighter2 = f2;
    target = t;
    player1Commands.clear();
    player2Commands.clear();
    if (!sheetsLoaded)
    {
        font = initFont("data/font/Calibri2", 1.0f, 1.0f, 1.0f, 1.0f);
        hpBarSheet.init("data/hpBar");
        hpBarReverseSheet.init("data/hpBarReverse");
        powBarSheet.init("data/powBar");
        borderSheet.init("data/border");
        rageSheet.init("data/screens/ui/rage");
        iconSheet.init("data/screens/ui/buttons");
        fadedIconSheet.init("data/screens/ui/fadedButtons");
        sheetsLoaded = true;
    }
    icon.init(&iconSheet, target);
    icon.setSpeed(3.0f);
    icon.animating = 0;
    fadedIcon.init(&fadedIconSheet, target);
    fadedIcon.setSpeed(3.0f);
    fadedIcon.animating = 0;

    struct BarLayout
    {
        CSpriteBar* bar;
        CSpriteBase* sheet;
        int x, y, width;
        bool fromRight;
        int maximum;
    };
    const BarLayout bars[] = {
        {&player1Health, &hpBarSheet, 10, 72, 274, false, f1 ? f1->maxHP : 1000},
        {&player1Power, &powBarSheet, 10, 388, 180, true, f1 ? f1->maxPower : 100},
        {&player2Health, &hpBarReverseSheet, 340, 72, 274, true, f2 ? f2->maxHP : 1000},
        {&player2Power, &powBarSheet, 444, 388, 180, false, f2 ? f2->maxPower : 100},
    };
    for (const BarLayout& b : bars)
    {
        b.bar->init(b.sheet, target);
        b.bar->x = b.x;
        b.bar->y = b.y;
        b.bar->setBar(8, 8, b.width, 5, b.maximum, b.maximum, b.fromRight);
        b.bar->blackBacking = true;
        b.bar->frameOnTop = true;
    }

    player1Combo.init(target);
    player1Combo.set(10, 110);
    player1Multiplier.init(target);
    player1Multiplier.set(20, 130);
    player2Combo.init(target);
    player2Combo.set(444, 110);
    player2Multiplier.init(target);
    player2Multiplier.set(454, 130);

    border.init(&borderSheet, target);
    border.x = 0;
    border.y = 0;
    rage.init(&rageSheet, target);
    rage.x = 0;
    rage.y = 0;
}

void basicFightUI::setFighters(Fighter* f1, Fighter* f2)
{
    fighter1 = f1;
    fighter2 = f2;
}

void basicFightUI::update()
{
    if (fighter1)
    {
        player1Health.setBarValue(fighter1->hp);
        player1Power.setBarValue(fighter1->power);
        player1Combo.update(fighter1->getCombo());
        player1Multiplier.update(fighter1->getCombo());
    }
    if (fighter2)
    {
        player2Health.setBarValue(fighter2->hp);
        player2Power.setBarValue(fighter2->power);
        player2Combo.update(fighter2->getCombo());
        player2Multiplier.update(fighter2->getCombo());
    }
}

void basicFightUI::draw()
{
    border.draw();
    player1Health.draw();
    player1Power.draw();
    rage.x = player1Power.x;
    rage.y = player1Power.y - rageSheet.height / 2;
    rage.draw();
    player1Combo.draw();
    player1Multiplier.draw();
    drawP1Commands();
    if (fighter2)
    {
        player2Health.draw();
        player2Power.draw();
        rage.x = player2Power.x + powBarSheet.width - rageSheet.width;
        rage.y = player2Power.y - rageSheet.height / 2;
        rage.draw();
        player2Combo.draw();
        player2Multiplier.draw();
        drawP2Commands();
    }
}

void basicFightUI::drawP1Commands()
{
    drawCommands(player1Commands, 20, 420, fighter1);
}

void basicFightUI::drawP2Commands()
{
    drawCommands(player2Commands, 620 - calculateCommandLength(player2Commands), 420, fighter2);
}

bool basicFightUI::commandIsANumber(char c)
{
    return c >= '0' && c <= '9';
}

int basicFightUI::charToButtonEnum(char c)
{
    switch (std::toupper(static_cast<unsigned char>(c)))
    {
    case 'B':
        return 1;
    case 'C':
        return 2;
    case 'D':
        return 3;
    case 'L':
        return 4;
    case 'U':
        return 5;
    case 'R':
        return 6;
    default:
        return 0;
    }
}

int basicFightUI::costOfDigit(char c)
{
    switch (c)
    {
    case '0':
        return 100;
    case '3':
        return 25;
    case '8':
        return 75;
    default:
        return 10 * (c - '0');
    }
}

void basicFightUI::drawCommands(std::string text, int x, int y, Fighter* fighter)
{
    if (text.empty())
        return;
    int cursor = x;
    bool affordable = false;
    for (std::size_t i = 0; i < text.size(); ++i)
    {
        const char c = text[i];
        icon.x = fadedIcon.x = cursor;
        icon.y = fadedIcon.y = y;
        if (c == ' ')
        {
            cursor += 10;
        }
        else if (c == 'n' || c == 'N')
        {
            const char next = i + 1 < text.size() ? text[i + 1] : '\0';
            if (affordable && next != 'z' && next != 'Z')
                drawString(target, font, cursor, y + 20, "%s", "air");
        }
        else if (c == 'z' || c == 'Z')
        {
        }
        else if (commandIsANumber(c))
        {
            affordable = fighter && fighter->power >= costOfDigit(c);
        }
        else
        {
            const int frame = charToButtonEnum(c);
            icon.setFrame(frame);
            fadedIcon.setFrame(frame);
            if (affordable)
                icon.draw();
            else
                fadedIcon.draw();
            cursor += 20;
        }
    }
}

int basicFightUI::calculateCommandLength(std::string text) const
{
    int length = 0;
    for (char c : text)
    {
        if (c == ' ')
            length += 10;
        else if (c == 'n' || c == 'N' || c == 'z' || c == 'Z' || commandIsANumber(c))
            continue;
        else
            length += 20;
    }
    return length;
}
