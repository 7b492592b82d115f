// The dialogue screen and its text box.
#include "screens/dialogue_screen.h"

#include "engine/font.h"
#include "engine/gamepad.h"
#include "engine/globals.h"
#include "engine/present.h"
#include "screens/dialogue_segments.h"

namespace
{
void placeSprite(CSprite& sprite, CSpriteBase& sheet, SDL_Surface* surface, int x, int y)
{
    sprite.init(&sheet, surface);
    sprite.x = x;
    sprite.y = y;
    sprite.setSpeed(3.0f);
}
} // namespace

dialogueBox::~dialogueBox()
{
    freeFont(textFont);
    freeFont(nameFont);
}

void dialogueBox::init(SDL_Surface* s)
{
    surface = s;
    splitter.setMaxLength(80);
    boxSheet.init("data/screens/story/diaBox");
    placeSprite(boxSprite, boxSheet, surface, 0, 380);
    freeFont(nameFont);
    freeFont(textFont);
    nameFont = initFont("data/font/Calibri2", 0, 0, 0, 1.0f);
    textFont = initFont("data/font/Calibri1", 0, 0, 0, 1.0f);
    name.clear();
    text.clear();
    line1.clear();
    line2.clear();
    line3.clear();
}

void dialogueBox::setDialogue(std::string speaker, std::string t)
{
    name = std::move(speaker);
    text = std::move(t);
    lineSplitter();
}

void dialogueBox::lineSplitter()
{
    splitter.lines.clear();
    splitter.setString(text);
    splitter.process();
    const std::vector<std::string>& lines = splitter.lines;
    line1 = lines.size() > 0 ? lines[0] : std::string();
    line2 = lines.size() > 1 ? lines[1] : std::string();
    line3 = lines.size() > 2 ? lines[2] : std::string();
}

void dialogueBox::draw()
{
    boxSprite.draw();
    drawString(surface, nameFont, 10, 385, "%s", name.c_str());
    drawString(surface, textFont, 5, 415, "%s", line1.c_str());
    drawString(surface, textFont, 5, 435, "%s", line2.c_str());
    drawString(surface, textFont, 5, 455, "%s", line3.c_str());
}

void dialogueScreen::init(SDL_Surface* s, dialogueSegmentBuilder* b)
{
    surface = s;
    done = false;
    skipMode = false;
    bgSheet.init("data/screens/story/blankBg");
    placeSprite(bgSprite, bgSheet, surface, 0, 0);
    charaSheet.init("data/screens/story/blankChara");
    placeSprite(leftChara, charaSheet, surface, 0, 0);
    placeSprite(rightChara, charaSheet, surface, 0, 0);
    index = 0;
    box.init(surface);
    builder = b;
    if (builder)
    {
        builder->surface = surface;
        builder->box = &box;
        builder->leftSlot = &leftChara;
        builder->rightSlot = &rightChara;
        builder->backgroundSlot = &bgSprite;
        builder->buildSegments();
    }
    drainEvents();
}

void dialogueScreen::update()
{
    if (!builder || index >= builder->numSegments)
    {
        done = true;
        return;
    }
    // An entry a script left empty is passed over.
    beatEmUpSegment* segment = builder->segments ? builder->segments[index] : nullptr;
    if (segment)
    {
        if (skipMode)
            segment->skip = true;
        segment->update();
        if (!segment->finished && !segment->skip)
            return;
        if (segment->skip)
            skipMode = true;
    }
    // Input that arrived while a step was passed is not the next wait's answer.
    drainEvents();
    ++index;
}

void dialogueScreen::draw()
{
    // A skipped scene runs out undrawn; its last frame stays on screen.
    if (skipMode)
        return;
    bgSprite.draw();
    leftChara.x = 0;
    leftChara.y = 0;
    leftChara.drawD(true);
    rightChara.x = 320;
    rightChara.y = 0;
    rightChara.drawD(false);
    box.draw();
    presentFrame(surface);
}

void playScene(SDL_Surface* surface, dialogueSegmentBuilder& builder)
{
    dialogueScreen scene;
    scene.init(surface, &builder);
    while (!scene.done && !fullyQuit)
    {
        scene.update();
        scene.draw();
    }
}
