// The steps of a dialogue scene and the base of the scene scripts.
#include "screens/dialogue_segments.h"

#include "engine/gamepad.h"
#include "engine/globals.h"
#include "screens/dialogue_screen.h"

#include <iostream>

dialogueSegment::dialogueSegment()
{
    finished = false;
    skip = false;
}

void dialogueSegment::update()
{
    // The plain step holds the scene and says so on the console, which only
    // a run with log output keeps.
    std::cout << "Default = fail!" << std::endl;
}

diaSegChangeText::diaSegChangeText(dialogueBox* b, std::string speaker, std::string line)
    : box(b), name(std::move(speaker)), text(std::move(line))
{
}

void diaSegChangeText::update()
{
    if (box)
        box->setDialogue(name, text);
    finished = true;
}

namespace
{
// Both picture steps load their folder at once and place their sprite at the
// top left, played at the screens' usual pace.
void loadPicture(CSpriteBase& sheet, CSprite& sprite, SDL_Surface* surface, const std::string& folder)
{
    sheet.init(folder, true);
    sprite.init(&sheet, surface);
    sprite.x = 0;
    sprite.y = 0;
    sprite.setSpeed(3.0f);
}
} // namespace

diaSegChangeCharaSlot::diaSegChangeCharaSlot(SDL_Surface* s, CSprite* sl, const std::string& f)
    : slot(sl), folder(f), surface(s)
{
    loadPicture(sheet, sprite, surface, folder);
}

void diaSegChangeCharaSlot::update()
{
    if (slot)
        *slot = sprite;
    finished = true;
}

diaSegChangeBG::diaSegChangeBG(SDL_Surface* s, CSpriteNoLoop* t, const std::string& f)
    : target(t), folder(f), surface(s)
{
    loadPicture(sheet, sprite, surface, folder);
}

void diaSegChangeBG::update()
{
    if (target)
        *target = sprite;
    finished = true;
}

void diaSegWaitForInput::update()
{
    SDL_Event event;
    while (SDL_PollEvent(&event))
    {
        checkQuitEvent(event);
        if (event.type == SDL_KEYDOWN)
        {
            const int key = event.key.keysym.sym;
            if (key == GPad1.keyA)
                finished = true;
            if (key == GPad1.keyB)
                skip = true;
        }
        else if (event.type == SDL_JOYBUTTONDOWN && GPad1.joystickIndex >= 0)
        {
            const int button = event.jbutton.button;
            if (button == GPad1.buttonA)
                finished = true;
            if (button == GPad1.buttonB)
                skip = true;
        }
    }
}

diaSegPlayMusic::diaSegPlayMusic(musicPlayer* m) : music(m) {}

void diaSegPlayMusic::update()
{
    if (music)
        music->play();
    finished = true;
}

diaSegStopMusic::diaSegStopMusic(musicPlayer* m) : music(m) {}

void diaSegStopMusic::update()
{
    if (music)
        music->stop();
    finished = true;
}

dialogueSegmentBuilder::~dialogueSegmentBuilder()
{
    if (!segments)
        return;
    for (int i = 0; i < numSegments; ++i)
        delete segments[i];
    delete[] segments;
}
