// The dialogue screen: a picture, two portraits and a text box, played one
// scene step per frame; and the loop that plays a scene to its end.
#pragma once

#include <SDL.h>
#include <string>

#include "engine/sprite.h"
#include "engine/sprite_sheet.h"
#include "screens/string_processor.h"

struct SDLFont;
class dialogueSegmentBuilder;

// The text box at the bottom: the speaker's name and the first three wrapped
// lines of the current text.
class dialogueBox
{
public:
    dialogueBox() = default;
    ~dialogueBox();
    dialogueBox(const dialogueBox&) = delete;
    dialogueBox& operator=(const dialogueBox&) = delete;

    void init(SDL_Surface* surface);
    void setDialogue(std::string speaker, std::string text);
    void lineSplitter();
    void update() {}
    void draw();

    SDL_Surface* surface = nullptr;
    stringProcessor splitter;
    CSpriteBase boxSheet;
    CSprite boxSprite;
    SDLFont* nameFont = nullptr;
    SDLFont* textFont = nullptr;
    std::string name;
    std::string text;
    std::string line1, line2, line3;
};

class dialogueSegmentBuilder;

class dialogueScreen
{
public:
    dialogueScreen() = default;
    dialogueScreen(const dialogueScreen&) = delete;
    dialogueScreen& operator=(const dialogueScreen&) = delete;

    // Loads the start pictures and the box, then has the builder build the
    // scene's steps over this screen's slots.
    void init(SDL_Surface* surface, dialogueSegmentBuilder* builder);
    // Runs the current step once; passes it when it finished or was skipped.
    void update();
    void draw();

    SDL_Surface* surface = nullptr;
    bool done = false;
    bool skipMode = false;
    CSpriteBase bgSheet;
    CSpriteNoLoop bgSprite;
    CSpriteBase charaSheet;
    CSprite leftChara;
    CSprite rightChara;
    dialogueBox box;
    int index = 0;
    dialogueSegmentBuilder* builder = nullptr;
};

// Plays a scene: init, then update and draw until it is done or the game is
// quitting. The builder outlives the screen, whose slots draw from its steps.
void playScene(SDL_Surface* surface, dialogueSegmentBuilder& builder);
