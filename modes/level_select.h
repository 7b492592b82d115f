// The story's level-select map: the city with its 24 nodes, a cursor moved
// along the links between the nodes the progress has opened, and the name of
// the node under it.
#pragma once

#include <SDL.h>

#include "engine/screen.h"
#include "engine/sprite.h"
#include "engine/sprite_sheet.h"
#include "modes/save_files.h"
#include "modes/story_map.h"

struct SDLFont;

class levelNode
{
public:
    void lockNode(int progress);
    void setIconCoords();
    void draw();

    const char* name = "";
    int levelIndex = 0;
    bool locked = true;
    int x = 0;
    int y = 0;
    int up = -1;
    int down = -1;
    int left = -1;
    int right = -1;
    CSprite icon;
};

class levelSelectScreen : public Screen
{
public:
    levelSelectScreen() = default;
    ~levelSelectScreen();
    levelSelectScreen(const levelSelectScreen&) = delete;
    levelSelectScreen& operator=(const levelSelectScreen&) = delete;

    void init(SDL_Surface* screen);
    void setupNodes();
    void update();
    void draw();
    void move(char direction);

    SDL_Surface* target = nullptr;
    CSpriteBase backdropSheet;
    CSprite backdrop;
    CSpriteBase cursorSheet;
    CSprite cursor;
    CSpriteBase nodeSheet;
    levelNode nodes[kMapNodeCount];
    int selectedNode = 0;
    storyFile story;
    SDLFont* font = nullptr;
    bool done = false;
    bool backedOut = false;

private:
    void handle(const SDL_Event& event);
    void confirm();
    void back();
};
