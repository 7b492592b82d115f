// Character select: one or two players each pick a character and a palette.
#pragma once

#include <SDL.h>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "engine/screen.h"
#include "engine/sprite.h"
#include "engine/sprite_sheet.h"

class gamePad;

// One character of the list: its panel picture and its picture in every palette.
class characterDescription
{
public:
    characterDescription() = default;
    characterDescription(const characterDescription&) = delete;
    characterDescription& operator=(const characterDescription&) = delete;

    void init(SDL_Surface* target, std::string name, int x);

    std::string name;
    SDL_Surface* target = nullptr;
    CSpriteBase panelSheet;
    CSprite panel;
    CSpriteBase characterSheet;
    CSprite character;
};

// One player's chooser.
class characterSelectPanel : public Screen
{
public:
    characterSelectPanel();
    characterSelectPanel(const characterSelectPanel&) = delete;
    characterSelectPanel& operator=(const characterSelectPanel&) = delete;

    void init(SDL_Surface* target, gamePad* pad, std::vector<std::string> names, int x);
    void update(SDL_Event* event);
    void draw();
    std::pair<std::string, int> getSelection();

    SDL_Surface* target = nullptr;
    bool confirmed = false;
    int count = 0;
    gamePad* pad = nullptr;
    std::vector<std::unique_ptr<characterDescription>> descriptions;
    CSpriteBase turnBarSheet;
    CSpriteNoLoop turnBar;
    int cursor = 0;
    int palette = 0;
    std::string chosenName;
    int chosenPalette = 0;

private:
    void moveCursor(int step);
    void turnPalette(int step);
};

class characterSelectScreen : public Screen
{
public:
    void init(SDL_Surface* target, int players, std::vector<std::string> names);
    void update();
    void draw();
    std::string getPlayerSelection(int player);
    int getPlayerPalette(int player);

    static std::vector<std::string> getAllCharacters();
    static std::vector<std::string> getPrePurchaseCharacters();

    SDL_Surface* target = nullptr;
    int players = 1;
    bool done = false;
    CSpriteBase backdropSheet;
    CSpriteNoLoop backdrop;
    characterSelectPanel panel1;
    characterSelectPanel panel2;
};
