// A fighter's running combo with its 3-second timeout, and the HUD readout of
// the damage multiplier the combo gives.
#include "fighter/combo.h"

namespace
{
// 3 seconds in the countdown's units of 10 ms.
constexpr float kComboTimeout = 300.0f;
} // namespace

comboCounter::comboCounter() : combo(0)
{
}

void comboCounter::addCombo(int n)
{
    combo += n;
    delay.setDelay(kComboTimeout);
}

void comboCounter::breakCombo()
{
    combo = 0;
    delay.setDelay(kComboTimeout);
}

void comboCounter::update(int now)
{
    delay.update(now);
    if (delay.returnDelay() <= 0.0f)
    {
        combo = 0;
        delay.setDelay(kComboTimeout);
    }
}

void damageBox::init(SDL_Surface* t)
{
    target = t;
    // A HUD set up for every fight loads its pictures only the first time.
    if (!digits.isLoaded())
        digits.init("data/damageNum");
    if (!text.isLoaded())
        text.init("data/damageText");
    if (!dot.isLoaded())
        dot.init("data/damageDot");
    tensSprite.init(&digits, target);
    onesSprite.init(&digits, target);
    dotSprite.init(&dot, target);
    textSprite.init(&text, target);
    for (CSprite* s : {&tensSprite, &onesSprite, &dotSprite, &textSprite})
        s->animating = 0;
}

void damageBox::set(int x, int y)
{
    const int w = digits.width;
    tensSprite.x = x;
    tensSprite.y = y;
    dotSprite.x = x + w;
    dotSprite.y = y;
    onesSprite.x = x + w + 7;
    onesSprite.y = y;
    textSprite.x = x + 2 * w + 7;
    textSprite.y = y;
}

void damageBox::update(int hits)
{
    if (hits < 3)
    {
        hide();
        return;
    }
    float value = static_cast<float>(hits / 3.0 + 10.0);
    if (value > 99.0f)
        value = 99.0f;
    const int n = static_cast<int>(value);
    tensSprite.setFrame(n / 10 + 1);
    onesSprite.setFrame(n % 10 + 1);
    dotSprite.setFrame(1);
    textSprite.setFrame(1);
}

void damageBox::draw()
{
    tensSprite.draw();
    dotSprite.draw();
    onesSprite.draw();
    textSprite.draw();
}

void damageBox::hide()
{
    for (CSprite* s : {&tensSprite, &onesSprite, &dotSprite, &textSprite})
        s->frame = 0;
}
