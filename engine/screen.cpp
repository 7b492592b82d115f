// The base of every screen (menu sounds, loading picture) and menu button sets.
#include "engine/screen.h"

#include "engine/clock.h"
#include "engine/memory_tracker.h"
#include "engine/present.h"

void Screen::loadSounds()
{
    sounds.getList("data/menusound");
}

void Screen::playConfirm()
{
    sounds.Play("Menu_Confirm01", -1);
}

void Screen::playCancel()
{
    sounds.Play("Menu_Cancel01", -1);
}

void Screen::drawLoadingScreen(SDL_Surface* target)
{
    CSpriteBase sheet;
    sheet.init("data/screens/loading", false);
    CSprite picture;
    picture.init(&sheet, target);
    picture.setSpeed(3.0f);
    picture.draw();
    presentFrame(target);
}

buttonSet::buttonSet() : target(nullptr), selected(0), count(0), originX(0), originY(0)
{
}

buttonSet::~buttonSet() = default;

void buttonSet::init(SDL_Surface* t, const std::string& dir, int n, int x, int y, bool vertical)
{
    target = t;
    count = n < 0 ? 0 : n;
    originX = x;
    originY = y;
    sheets.clear();
    sprites.assign(static_cast<std::size_t>(count), CSprite());
    int px = x;
    int py = y;
    for (int i = 0; i < count; ++i)
    {
        M_OWNER();
        sheets.push_back(std::make_unique<CSpriteBase>());
        CSpriteBase& sheet = *sheets.back();
        sheet.init(dir + "/button" + std::to_string(i), false);
        CSprite& s = sprites[static_cast<std::size_t>(i)];
        s.init(&sheet, target);
        s.x = px;
        s.y = py;
        s.animating = 0;
        // A button that failed to load draws nothing and takes no room.
        const CSpriteFrame* first = sheet.normalFrame(0);
        if (first && first->image)
        {
            if (vertical)
                py += first->image->h;
            else
                px += first->image->w;
        }
    }
    selected = 0;
    if (count > 0)
        sprites[0].setFrame(sheets[0]->frameCount() > 1 ? 1 : 0);
}

void buttonSet::select(int newIndex)
{
    if (count == 0)
        return;
    CSprite& old = sprites[static_cast<std::size_t>(selected)];
    old.setFrame(0);
    CSprite& now = sprites[static_cast<std::size_t>(newIndex)];
    now.setFrame(now.frameTotal() > 1 ? 1 : 0);
    selected = newIndex;
}

void buttonSet::selectUp()
{
    int i = selected - 1;
    if (i < 0)
        i = count - 1;
    select(i);
}

void buttonSet::selectDown()
{
    int i = selected + 1;
    if (i > count - 1)
        i = 0;
    select(i);
}

void buttonSet::setSelection(int i)
{
    if (i < 0)
        i = count - 1;
    if (i > count - 1)
        i = 0;
    select(i);
}

void buttonSet::draw()
{
    for (CSprite& s : sprites)
        s.draw();
}
